#include "app/Bgm.h"

#include <cstring>

#include "app/Log.h"
#include "app/Paths.h"
#include "app/TextFormat.h"

cBgm Music;

namespace {

void CopyBounded(char* pDst, size_t nSize, const char* pszSrc) {
  size_t n = SjisFitLength(pszSrc, nSize - 1);
  memmove(pDst, pszSrc, n);
  pDst[n] = 0;
}

}  // namespace

int cBgm::Init(int nSlots, char (*pOggPaths)[BGM_OGG_PATH_SIZE],
               char (*pMidiPaths)[BGM_MIDI_PATH_SIZE], int nTracks) {
  m_bEnabled = 1;
  m_MidiList.Clear();
  // Without the ogg player the lists are still sized, so MIDI keeps playing and no later call
  // meets an empty list.
  int bVox = m_Vox.Init() && m_Vox.Resize(nSlots);
  if (!bVox) ErrorLog("m_Vox.Init失敗！");
  m_MidiList.Resize(nSlots);
  m_vSlotEngines.assign(nSlots > 0 ? static_cast<size_t>(nSlots) : 0, BGM_NONE);
  m_pOggPaths = pOggPaths;
  m_pMidiPaths = pMidiPaths;
  m_vTrackKinds.assign(nTracks > 0 ? static_cast<size_t>(nTracks) : 0, BGM_NONE);
  return bVox;
}

bool cBgm::ValidTrack(int nTrack) {
  if (static_cast<unsigned>(nTrack) < m_vTrackKinds.size() && m_pOggPaths && m_pMidiPaths)
    return true;
  (void)m_vTrackKinds[nTrack];  // reports the bad track
  return false;
}

int cBgm::LoadTrack(int nTrack, const char* pszPath) {
  if (!m_bEnabled) return 1;
  if (!ValidTrack(nTrack)) return 0;
  char* pszOgg = m_pOggPaths[nTrack];
  char* pszMidi = m_pMidiPaths[nTrack];
  char szExt[MAX_PATH];
  if (!pszPath || !GetExtension(szExt, pszPath)) {
    pszOgg[0] = 0;
    pszMidi[0] = 0;
    m_vTrackKinds[nTrack] = BGM_NONE;
    return 0;
  }
  if (strcmp(szExt, "mid") == 0 || strcmp(szExt, "MID") == 0) {
    char sz[MAX_PATH];
    ChangeExtension(sz, pszPath, "mid");
    CopyBounded(pszMidi, BGM_MIDI_PATH_SIZE, sz);
    m_vTrackKinds[nTrack] = BGM_MIDI;
    return 1;
  }
  if (strcmp(szExt, "ogg") == 0 || strcmp(szExt, "OGG") == 0) {
    CopyBounded(pszOgg, BGM_OGG_PATH_SIZE, pszPath);
    m_vTrackKinds[nTrack] = BGM_OGG;
    return 1;
  }
  CopyBounded(pszOgg, BGM_OGG_PATH_SIZE, pszPath);
  CopyBounded(pszMidi, BGM_MIDI_PATH_SIZE, pszPath);
  m_vTrackKinds[nTrack] = BGM_NONE;
  return 0;
}

int cBgm::Play(int nSlot, int nTrack, int bLoop, int nMidiStopMode, int bForce) {
  if (!m_bEnabled) return 1;
  if (nTrack == m_nCurrentTrack && !bForce) return 1;
  m_nCurrentTrack = nTrack;
  if (ValidTrack(nTrack)) {
    const char* pszOgg = m_pOggPaths[nTrack];
    const char* pszMidi = m_pMidiPaths[nTrack];
    switch (m_vTrackKinds[nTrack]) {
      case BGM_NONE:
        if (m_Vox.Play(nSlot, pszOgg, bLoop)) {
          m_vSlotEngines[nSlot] = BGM_OGG;
          m_MidiList.StopAll(nMidiStopMode);
          return 1;
        }
        if (m_MidiList.Load(nSlot, pszMidi, bLoop)) {
          m_vSlotEngines[nSlot] = BGM_MIDI;
          m_Vox.Stop();
          return 1;
        }
        break;
      case BGM_OGG:
        if (m_Vox.Play(nSlot, pszOgg, bLoop)) {
          m_vSlotEngines[nSlot] = BGM_OGG;
          m_MidiList.StopAll(0);
          return 1;
        }
        break;
      case BGM_MIDI:
        if (m_MidiList.Load(nSlot, pszMidi, bLoop)) {
          m_vSlotEngines[nSlot] = BGM_MIDI;
          m_Vox.Stop();
          return 1;
        }
        break;
      default:
        break;
    }
  }
  m_vSlotEngines[nSlot] = BGM_NONE;
  m_nCurrentTrack = -1;
  m_Vox.Stop();
  m_MidiList.StopAll(0);
  return 0;
}

void cBgm::StopAll() {
  m_MidiList.StopAll(0);
  m_Vox.Stop();
}

void cBgm::Release() {
  m_Vox.Release();
  m_MidiList.Clear();
  m_vSlotEngines.clear();
  m_vTrackKinds.clear();
  m_bEnabled = 0;
}

int cBgm::TrackKind(int nTrack) const {
  if (static_cast<unsigned>(nTrack) >= m_vTrackKinds.size()) return BGM_NONE;
  return m_vTrackKinds.std::vector<int32_t>::operator[](static_cast<size_t>(nTrack));
}

int cBgm::SlotEngine(int nSlot) const {
  if (static_cast<unsigned>(nSlot) >= m_vSlotEngines.size()) return BGM_NONE;
  return m_vSlotEngines.std::vector<int32_t>::operator[](static_cast<size_t>(nSlot));
}
