// Sound previews through MCI devices: wave files on "waveaudio" and, as a fallback, MIDI files on
// "sequencer". One slot plays at a time.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "base/ChkContainer.h"

// The MCI command call, replaceable so that tests can answer it without a device; null restores
// the system's. Returns the previous one (null for the system's).
typedef MCIERROR (*MciSendFn)(MCIDEVICEID nDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam);
MciSendFn SetMciSendFn(MciSendFn pfn);

class cMciSound {
 public:
  cMciSound() {}
  cMciSound(const cMciSound&) = delete;
  cMciSound& operator=(const cMciSound&) = delete;

  void Init();
  // Closes every slot, then opens one slot per element name; the list ends with a null pointer.
  // A slot that fails to open keeps device id 0.
  bool Open(const char* pszDeviceType, ...);
  bool ChangeSound(int nSlot, const char* pszDeviceType, const char* pszElement);
  bool Play(HWND hNotify, int nSlot, int bNotify, int bResume, DWORD dwFrom);
  bool Stop(int bPause);
  void CloseAll();
  void Shutdown();

  bool IsEnabled() const { return m_bEnabled != 0; }
  int Current() const { return m_nCurrent; }
  int Count() const { return m_nCount; }
  // The slot's device id, 0 when it is not open or does not exist.
  MCIDEVICEID DeviceId(int nSlot) const;

 private:
  struct sEntry {
    MCI_OPEN_PARMSA Parms;
    std::string strType;
    std::string strElement;
  };
  bool OpenSlot(sEntry& entry, const char* pszDeviceType, const char* pszElement);
  void CloseSlot(int nSlot);

  int32_t m_bEnabled = 0;
  cShellVector<sEntry> m_vEntries;
  int m_nCurrent = -1;
  int m_nCount = 0;
};

extern cMciSound MciSound;

// Plays a sound file by its extension: "wav"/"WAV" on "waveaudio", "mid"/"MID" on "sequencer" with
// a notification to the window (the extension is rewritten to "mid" in the path). 0 for any other
// extension or when the file cannot be opened.
int PlaySoundFile(HWND hNotify, cMciSound& sound, int nSlot, char* pszPath, DWORD dwFrom);
