#include "app/MidiDevice.h"

namespace {

class cSystemMidiDevice : public cMidiDevice {
 public:
  MMRESULT Open(HMIDISTRM* phStream, DWORD dwThreadId) override {
    UINT uDevice = MIDI_MAPPER;
    return midiStreamOpen(phStream, &uDevice, 1, dwThreadId, 0, CALLBACK_THREAD);
  }
  MMRESULT Property(HMIDISTRM hStream, LPBYTE pData, DWORD dwProperty) override {
    return midiStreamProperty(hStream, pData, dwProperty);
  }
  MMRESULT Prepare(HMIDISTRM hStream, MIDIHDR* pHdr) override {
    return midiOutPrepareHeader(reinterpret_cast<HMIDIOUT>(hStream), pHdr, sizeof(MIDIHDR));
  }
  MMRESULT Unprepare(HMIDISTRM hStream, MIDIHDR* pHdr) override {
    return midiOutUnprepareHeader(reinterpret_cast<HMIDIOUT>(hStream), pHdr, sizeof(MIDIHDR));
  }
  MMRESULT Out(HMIDISTRM hStream, MIDIHDR* pHdr) override {
    return midiStreamOut(hStream, pHdr, sizeof(MIDIHDR));
  }
  MMRESULT Restart(HMIDISTRM hStream) override { return midiStreamRestart(hStream); }
  MMRESULT Stop(HMIDISTRM hStream) override { return midiStreamStop(hStream); }
  MMRESULT Pause(HMIDISTRM hStream) override { return midiStreamPause(hStream); }
  MMRESULT Reset(HMIDISTRM hStream) override {
    return midiOutReset(reinterpret_cast<HMIDIOUT>(hStream));
  }
  MMRESULT Close(HMIDISTRM hStream) override { return midiStreamClose(hStream); }
};

cSystemMidiDevice s_SystemDevice;
cMidiDevice* s_pDevice = nullptr;

}  // namespace

cMidiDevice* SetMidiDevice(cMidiDevice* pDevice) {
  cMidiDevice* pOld = s_pDevice;
  s_pDevice = pDevice;
  return pOld;
}

cMidiDevice& GetMidiDevice() { return s_pDevice ? *s_pDevice : s_SystemDevice; }
