// The MIDI stream calls of the player, behind one small interface: the player's stream logic can
// then run without a MIDI device (a test installs its own device); by default the calls go to the
// system's MIDI mapper.
#pragma once

#include <windows.h>
#include <mmsystem.h>

class cMidiDevice {
 public:
  virtual ~cMidiDevice() {}
  // One stream on the MIDI mapper whose callbacks are posted to the thread.
  virtual MMRESULT Open(HMIDISTRM* phStream, DWORD dwThreadId) = 0;
  virtual MMRESULT Property(HMIDISTRM hStream, LPBYTE pData, DWORD dwProperty) = 0;
  virtual MMRESULT Prepare(HMIDISTRM hStream, MIDIHDR* pHdr) = 0;
  virtual MMRESULT Unprepare(HMIDISTRM hStream, MIDIHDR* pHdr) = 0;
  virtual MMRESULT Out(HMIDISTRM hStream, MIDIHDR* pHdr) = 0;
  virtual MMRESULT Restart(HMIDISTRM hStream) = 0;
  virtual MMRESULT Stop(HMIDISTRM hStream) = 0;
  virtual MMRESULT Pause(HMIDISTRM hStream) = 0;
  virtual MMRESULT Reset(HMIDISTRM hStream) = 0;
  virtual MMRESULT Close(HMIDISTRM hStream) = 0;
};

// Replaces the device that new players use; null restores the system's. Returns the previous one
// (null for the system's). A player keeps the device it was created with.
cMidiDevice* SetMidiDevice(cMidiDevice* pDevice);
cMidiDevice& GetMidiDevice();
