#include "app/VoxPlayer.h"

#include "app/MsgBox.h"

namespace {

const char* s_pszLibraryName = "Vox.dll";

}  // namespace

const char* SetVoxLibraryName(const char* pszName) {
  const char* pszOld = s_pszLibraryName;
  s_pszLibraryName = pszName ? pszName : "Vox.dll";
  return pszOld;
}

int cVoxPlayer::Init() {
  if (!m_hLib) m_hLib = LoadLibraryA(s_pszLibraryName);
  m_pfnCreate = m_hLib ? reinterpret_cast<CreateVoxFn>(
                             reinterpret_cast<void*>(GetProcAddress(m_hLib, "CreateVox")))
                       : nullptr;
  if (!m_pfnCreate) {
    if (m_hLib) FreeLibrary(m_hLib);
    m_hLib = nullptr;
    ErrorBoxText("oggの初期化に失敗！");
    return 0;
  }
  return 1;
}

void cVoxPlayer::ReleaseObjects() {
  Stop();
  for (cVox* p : m_vVox)
    if (p) p->Release();
  m_vVox.clear();
}

int cVoxPlayer::Resize(int nSlots) {
  ReleaseObjects();
  if (!m_pfnCreate) return 0;
  m_vVox.assign(nSlots > 0 ? static_cast<size_t>(nSlots) : 0, nullptr);
  for (cVox*& p : m_vVox) {
    p = m_pfnCreate();
    if (!p) {
      ReleaseObjects();
      OutOfMemory();
      return 0;
    }
  }
  return 1;
}

int cVoxPlayer::Play(int nSlot, const char* pszPath, int bLoop) {
  if (!pszPath || !pszPath[0] || !IsReady()) return 0;
  if (static_cast<unsigned>(nSlot) >= m_vVox.size()) {
    (void)m_vVox[nSlot];  // reports the bad slot
    return 0;
  }
  Stop();
  cVox* p = m_vVox[nSlot];
  if (!p) return 0;
  p->Unload();
  if (!p->Load(pszPath)) {
    m_nCurrent = -1;
    return 0;
  }
  p->SetLoop(bLoop ? VOX_LOOP_FOREVER : 0);
  p->Play();
  m_nCurrent = nSlot;
  return 1;
}

void cVoxPlayer::Stop() {
  if (m_nCurrent == -1) return;
  if (static_cast<unsigned>(m_nCurrent) < m_vVox.size()) {
    cVox* p = m_vVox[m_nCurrent];
    if (p) p->Stop();
  }
  m_nCurrent = -1;
}

void cVoxPlayer::Release() {
  ReleaseObjects();
  if (m_hLib) FreeLibrary(m_hLib);
  m_hLib = nullptr;
  m_pfnCreate = nullptr;
}
