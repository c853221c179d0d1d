// Shared by the sound tests: a MIDI device that plays nothing but hands each queued buffer back
// the way the system's stream does, a report-log capture, and the files built next to the tests.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "app/Log.h"
#include "app/MidiDevice.h"
#include "support/TestSupport.h"

// One MIDIEVENT record as the stream received it.
struct sPlayedEvent {
  DWORD dwDelta;
  DWORD dwEvent;
  std::vector<uint8_t> vParms;  // the long message's bytes, padding included
};

// Installed for its lifetime. The stream thread calls it while the test thread plays buffers, so
// every member is guarded.
class cFakeMidiDevice : public cMidiDevice {
 public:
  cFakeMidiDevice() { m_pOld = SetMidiDevice(this); }
  ~cFakeMidiDevice() override { SetMidiDevice(m_pOld); }

  MMRESULT Open(HMIDISTRM* phStream, DWORD dwThreadId) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_dwThreadId = dwThreadId;
    *phStream = reinterpret_cast<HMIDISTRM>(static_cast<uintptr_t>(0x5150));
    ++m_nOpens;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Property(HMIDISTRM, LPBYTE pData, DWORD dwProperty) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (dwProperty == (MIDIPROP_SET | MIDIPROP_TIMEDIV))
      m_dwTimeDiv = reinterpret_cast<MIDIPROPTIMEDIV*>(pData)->dwTimeDiv;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Prepare(HMIDISTRM, MIDIHDR* pHdr) override {
    pHdr->dwFlags |= MHDR_PREPARED;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Unprepare(HMIDISTRM, MIDIHDR* pHdr) override {
    pHdr->dwFlags &= ~MHDR_PREPARED;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Out(HMIDISTRM, MIDIHDR* pHdr) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    pHdr->dwFlags = (pHdr->dwFlags | MHDR_INQUEUE) & ~MHDR_DONE;
    m_Queue.push_back(pHdr);
    ++m_nOuts;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Restart(HMIDISTRM) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_bPlaying = true;
    ++m_nRestarts;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Stop(HMIDISTRM hStream) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_bPlaying = false;
    ++m_nStops;
    ReturnAll(hStream);
    return MMSYSERR_NOERROR;
  }
  MMRESULT Pause(HMIDISTRM) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_bPlaying = false;
    ++m_nPauses;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Reset(HMIDISTRM hStream) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_bPlaying = false;
    ReturnAll(hStream);
    return MMSYSERR_NOERROR;
  }
  MMRESULT Close(HMIDISTRM) override {
    std::lock_guard<std::mutex> lock(m_Mutex);
    ++m_nCloses;
    return MMSYSERR_NOERROR;
  }

  // Plays the first queued buffer while the stream runs: records its events and, like the
  // system, reports each event marked for a callback before the buffer is handed back as done.
  bool PlayOne() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (!m_bPlaying || m_Queue.empty()) return false;
    MIDIHDR* pHdr = m_Queue.front();
    m_Queue.pop_front();
    const uint8_t* p = reinterpret_cast<const uint8_t*>(pHdr->lpData);
    DWORD dwOff = 0;
    while (dwOff + 12 <= pHdr->dwBytesRecorded) {
      DWORD adw[3];
      memcpy(adw, p + dwOff, 12);
      DWORD dwSize = 12;
      sPlayedEvent ev = {adw[0], adw[2], {}};
      if (MEVT_EVENTTYPE(adw[2] & ~MEVT_F_CALLBACK) == MEVT_LONGMSG) {
        DWORD dwLen = (MEVT_EVENTPARM(adw[2]) + 3) & ~3u;
        ev.vParms.assign(p + dwOff + 12, p + dwOff + 12 + dwLen);
        dwSize += dwLen;
      }
      m_Played.push_back(ev);
      if (adw[2] & MEVT_F_CALLBACK) {
        pHdr->dwOffset = dwOff;
        PostThreadMessageA(m_dwThreadId, MM_MOM_POSITIONCB, 0, reinterpret_cast<LPARAM>(pHdr));
      }
      dwOff += dwSize;
    }
    ++m_nBuffersPlayed;
    pHdr->dwFlags = (pHdr->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
    PostThreadMessageA(m_dwThreadId, MM_MOM_DONE, 0, reinterpret_cast<LPARAM>(pHdr));
    return true;
  }

  // Waits until the stream runs with a buffer queued, then plays it.
  bool WaitAndPlayOne() {
    return PumpUntil([this] { return PlayOne(); });
  }

  std::vector<sPlayedEvent> Played() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Played;
  }
  size_t Queued() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Queue.size();
  }
  bool Playing() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_bPlaying;
  }
  int Restarts() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_nRestarts;
  }
  int Stops() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_nStops;
  }
  int Opens() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_nOpens;
  }
  int BuffersPlayed() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_nBuffersPlayed;
  }
  DWORD TimeDiv() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_dwTimeDiv;
  }

 private:
  void ReturnAll(HMIDISTRM) {
    for (MIDIHDR* pHdr : m_Queue) {
      pHdr->dwFlags = (pHdr->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
      PostThreadMessageA(m_dwThreadId, MM_MOM_DONE, 0, reinterpret_cast<LPARAM>(pHdr));
    }
    m_Queue.clear();
  }

  cMidiDevice* m_pOld;
  std::mutex m_Mutex;
  DWORD m_dwThreadId = 0;
  DWORD m_dwTimeDiv = 0;
  std::deque<MIDIHDR*> m_Queue;
  std::vector<sPlayedEvent> m_Played;
  bool m_bPlaying = false;
  int m_nOpens = 0, m_nOuts = 0, m_nRestarts = 0, m_nStops = 0, m_nPauses = 0, m_nCloses = 0;
  int m_nBuffersPlayed = 0;
};

// Sends the report log to a file of a fresh folder for the test's lifetime.
class cReportLogCapture {
 public:
  cReportLogCapture() : m_strPath(m_Dir.File("Report_Editor.txt")) {
    CreateReportLog(m_strPath.c_str());
  }
  std::string Text() const { return ReadFileText(m_strPath); }
  const cTempDir& Dir() const { return m_Dir; }

 private:
  cTempDir m_Dir;
  std::string m_strPath;
};

// A file that the build puts next to the test programs.
inline std::string BesideTests(const char* pszName) {
  char sz[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, sz, MAX_PATH);
  std::string str(sz, n);
  return str.substr(0, str.find_last_of('\\') + 1) + pszName;
}

// A standard MIDI file: header with the format, track count and division, then the track chunks.
inline std::vector<uint8_t> MakeSmf(int nFormat, int nDivision,
                                    const std::vector<std::vector<uint8_t>>& vTracks) {
  std::vector<uint8_t> v = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, uint8_t(nFormat),
                            uint8_t(vTracks.size() >> 8), uint8_t(vTracks.size()),
                            uint8_t(nDivision >> 8), uint8_t(nDivision)};
  for (const auto& t : vTracks) {
    const uint8_t abyHead[8] = {'M', 'T', 'r', 'k', uint8_t(t.size() >> 24), uint8_t(t.size() >> 16),
                                uint8_t(t.size() >> 8), uint8_t(t.size())};
    v.insert(v.end(), abyHead, abyHead + 8);
    v.insert(v.end(), t.begin(), t.end());
  }
  return v;
}
