// Holds a critical section for a scope; the sound players share their state with a thread of
// their own.
#pragma once

#include <windows.h>

class cSoundLock {
 public:
  explicit cSoundLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
  ~cSoundLock() { LeaveCriticalSection(&m_cs); }
  cSoundLock(const cSoundLock&) = delete;
  cSoundLock& operator=(const cSoundLock&) = delete;

 private:
  CRITICAL_SECTION& m_cs;
};
