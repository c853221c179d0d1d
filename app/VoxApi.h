// The ogg player library "Vox.dll": its factory CreateVox (no arguments) makes one player object.
// The object's operations are called through its table of virtual operations, in this order; the
// editor calls Unload before every Load and Release to destroy the object.
#pragma once

#include <cstdint>

class cVox {
 public:
  virtual bool Load(const char* pszPath) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Unload() = 0;
  // Repeats after the first play: VOX_LOOP_FOREVER without end, 0 plays once.
  virtual void SetLoop(int32_t nCount) = 0;
  // Four operations of the library that the editor never calls.
  virtual void Reserved1() = 0;
  virtual void Reserved2() = 0;
  virtual void Reserved3() = 0;
  virtual void Reserved4() = 0;
  virtual void Release() = 0;

 protected:
  ~cVox() {}
};

typedef cVox* (*CreateVoxFn)();

constexpr int32_t VOX_LOOP_FOREVER = 0x7FFFFFFF;
