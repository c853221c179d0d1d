#include "app/MciSound.h"

#include <cstdarg>
#include <cstring>
#include <vector>

#include "app/Log.h"
#include "app/Paths.h"

cMciSound MciSound;

namespace {

MCIERROR SystemMciSend(MCIDEVICEID nDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam) {
  return mciSendCommandA(nDevice, uMsg, dwFlags, dwParam);
}

MciSendFn s_pfnSend = nullptr;

MCIERROR MciSend(MCIDEVICEID nDevice, UINT uMsg, DWORD_PTR dwFlags, void* pParam) {
  return (s_pfnSend ? s_pfnSend : SystemMciSend)(nDevice, uMsg, dwFlags,
                                                 reinterpret_cast<DWORD_PTR>(pParam));
}

}  // namespace

MciSendFn SetMciSendFn(MciSendFn pfn) {
  MciSendFn pOld = s_pfnSend;
  s_pfnSend = pfn;
  return pOld;
}

void cMciSound::Init() {
  m_bEnabled = 1;
  m_nCurrent = -1;
}

bool cMciSound::OpenSlot(sEntry& entry, const char* pszDeviceType, const char* pszElement) {
  entry.strType = pszDeviceType ? pszDeviceType : "";
  entry.strElement = pszElement ? pszElement : "";
  memset(&entry.Parms, 0, sizeof entry.Parms);
  entry.Parms.lpstrDeviceType = entry.strType.c_str();
  entry.Parms.lpstrElementName = entry.strElement.c_str();
  MCIERROR mr = MciSend(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &entry.Parms);
  if (mr != 0) {
    memset(&entry.Parms, 0, sizeof entry.Parms);
    return false;
  }
  return true;
}

bool cMciSound::Open(const char* pszDeviceType, ...) {
  if (!m_bEnabled) return true;
  CloseAll();
  std::vector<const char*> vNames;
  va_list args;
  va_start(args, pszDeviceType);
  for (const char* psz = va_arg(args, const char*); psz; psz = va_arg(args, const char*))
    vNames.push_back(psz);
  va_end(args);
  m_vEntries.resize(vNames.size());
  m_nCount = static_cast<int>(vNames.size());
  for (int i = 0; i < m_nCount; ++i) OpenSlot(m_vEntries[i], pszDeviceType, vNames[i]);
  m_nCurrent = -1;
  return true;
}

void cMciSound::CloseSlot(int nSlot) {
  sEntry& entry = m_vEntries[nSlot];
  if (entry.Parms.wDeviceID == 0) return;
  if (MciSend(entry.Parms.wDeviceID, MCI_CLOSE, 0, nullptr) != 0) ErrorLogF("MCI_CLOSE失敗！ %d", nSlot);
  memset(&entry.Parms, 0, sizeof entry.Parms);
}

bool cMciSound::ChangeSound(int nSlot, const char* pszDeviceType, const char* pszElement) {
  if (!m_bEnabled) return true;
  Stop(0);
  if (static_cast<unsigned>(nSlot) >= m_vEntries.size()) {
    (void)m_vEntries[nSlot];  // reports the bad slot
    return false;
  }
  // The sequencer is one device: every slot lets go of it before it is opened again.
  if (pszDeviceType && strcmp(pszDeviceType, "sequencer") == 0) {
    for (int i = 0; i < m_nCount; ++i) CloseSlot(i);
  } else {
    CloseSlot(nSlot);
  }
  if (!OpenSlot(m_vEntries[nSlot], pszDeviceType, pszElement)) {
    ErrorLogF("ChangeSound失敗！ %s", pszElement ? pszElement : "");
    return false;
  }
  return true;
}

bool cMciSound::Play(HWND hNotify, int nSlot, int bNotify, int bResume, DWORD dwFrom) {
  if (!m_bEnabled) return true;
  Stop(0);
  if (static_cast<unsigned>(nSlot) >= m_vEntries.size()) {
    (void)m_vEntries[nSlot];  // reports the bad slot
    return false;
  }
  MCI_PLAY_PARMS parms = {};
  parms.dwCallback = reinterpret_cast<DWORD_PTR>(hNotify);
  parms.dwFrom = dwFrom;
  DWORD_PTR dwFlags = 0;
  if (!bResume) dwFlags |= MCI_FROM;
  if (bNotify) dwFlags |= MCI_NOTIFY;
  MCIERROR mr = MciSend(m_vEntries[nSlot].Parms.wDeviceID, MCI_PLAY, dwFlags, &parms);
  m_nCurrent = nSlot;
  return mr == 0;
}

bool cMciSound::Stop(int bPause) {
  if (!m_bEnabled || m_nCurrent == -1) return true;
  MCIDEVICEID nDevice = m_vEntries[m_nCurrent].Parms.wDeviceID;
  MCIERROR mr;
  if (!bPause) {
    MCI_GENERIC_PARMS stop = {};
    mr = MciSend(nDevice, MCI_STOP, 0, &stop);
    if (mr == 0)
      ErrorLogF("Stop成功！ mr = %8x stop =%d", static_cast<unsigned>(mr), m_nCurrent);
    else
      ErrorLogF("Stop失敗！ mr = %8x stop =%d", static_cast<unsigned>(mr), m_nCurrent);
    MCI_SEEK_PARMS seek = {};
    MciSend(nDevice, MCI_SEEK, MCI_SEEK_TO_START, &seek);
  } else {
    MCI_GENERIC_PARMS pause = {};
    mr = MciSend(nDevice, MCI_PAUSE, 0, &pause);
  }
  m_nCurrent = -1;
  return mr == 0;
}

void cMciSound::CloseAll() {
  for (int i = 0; i < static_cast<int>(m_vEntries.size()); ++i) CloseSlot(i);
  m_vEntries.clear();
  m_nCount = 0;
  m_nCurrent = -1;
}

void cMciSound::Shutdown() {
  CloseAll();
  m_bEnabled = 0;
}

MCIDEVICEID cMciSound::DeviceId(int nSlot) const {
  if (static_cast<unsigned>(nSlot) >= m_vEntries.size()) return 0;
  return m_vEntries.std::vector<sEntry>::operator[](static_cast<size_t>(nSlot)).Parms.wDeviceID;
}

int PlaySoundFile(HWND hNotify, cMciSound& sound, int nSlot, char* pszPath, DWORD dwFrom) {
  char szExt[MAX_PATH];
  if (!pszPath || !GetExtension(szExt, pszPath)) return 0;
  const char* pszType;
  int bNotify;
  if (strcmp(szExt, "wav") == 0 || strcmp(szExt, "WAV") == 0) {
    pszType = "waveaudio";
    bNotify = 0;
  } else if (strcmp(szExt, "mid") == 0 || strcmp(szExt, "MID") == 0) {
    // The extension is the last three bytes of the path.
    memcpy(pszPath + strlen(pszPath) - 3, "mid", 3);
    pszType = "sequencer";
    bNotify = 1;
  } else {
    return 0;
  }
  if (!sound.ChangeSound(nSlot, pszType, pszPath)) return 0;
  sound.Play(hNotify, nSlot, bNotify, 0, dwFrom);
  return 1;
}
