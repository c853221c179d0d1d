#include "model/Globals.h"

#include <cstdio>

cChkVector<cEdVarName> GValInfo;
cAppInfo AppInfo;
std::string CurDir;
cCursorState MouseState;

void cCursorState::Reset() {
  m_vCell.assign(1, cCursorCell());
  m_nCount = 0;
  Relink();
}

void cCursorState::Relink() {
  size_t n = m_vCell.size();
  m_pCur = n ? &m_vCell[n - 1] : nullptr;
  m_pPrev = n >= 2 ? &m_vCell[n - 2] : nullptr;
}

void cCursorState::Push(int32_t nMode) {
  m_vCell.push_back(cCursorCell());
  size_t n = m_vCell.size();
  if (nMode == 1 && n >= 2) m_vCell[n - 1] = m_vCell[n - 2];
  Relink();
}

void cCursorState::Pop(int32_t nMode) {
  if (m_vCell.size() < 2) return;
  cCursorCell last = m_vCell.back();
  m_vCell.pop_back();
  m_vCell.back() = nMode == 2 ? last : cCursorCell();
  Relink();
}

namespace {

cChkVector<cBmpLoadRequest> MakeChipRequests() {
  cChkVector<cBmpLoadRequest> v(CHIP_SLOT_COUNT);
  auto set = [&v](int nSlot, const char* pszPath, int bMask, int nMirrorW) {
    v[nSlot].SetPath(pszPath);
    v[nSlot].bMask = bMask;
    v[nSlot].nMirrorW = nMirrorW;
  };
  // Slots 0 and 23 take their paths from the stage and the world map at project load.
  set(CHIP_STAGE_BACK, "bmp\\Back.bmp", 0, 0);
  set(CHIP_BLOCK, "bmp\\Block.bmp", 0, 0);
  for (int k = 0; k < 8; ++k) {
    char sz[32];
    snprintf(sz, sizeof sz, "bmp\\Character%d.bmp", k + 1);
    set(CHIP_CHARA + 2 * k, sz, 1, 0);
    set(CHIP_CHARA + 2 * k + 1, sz, 1, 32);
  }
  set(CHIP_ITEM, "bmp\\Item.bmp", 1, 0);
  set(CHIP_ITEM_MINI, "bmp\\Item_Mini.bmp", 1, 0);
  set(CHIP_SHOT, "bmp\\Shot.bmp", 1, 0);
  set(CHIP_SHOT_MIRROR, "bmp\\Shot.bmp", 1, 16);
  set(CHIP_MARK, "bmp\\Mark.bmp", 1, 0);
  set(CHIP_WORLD_BACK, "bmp\\WorldBack.bmp", 0, 0);
  set(CHIP_WORLD_CHIP, "bmp\\WorldMapChip.bmp", 1, 0);
  set(CHIP_WORLD_EVENT, "bmp\\WorldEvent.bmp", 1, 0);
  set(CHIP_SYMBOL, "bmp\\Symbol.bmp", 1, 0);
  set(CHIP_ACCESSORY, "bmp\\Accessory.bmp", 1, 0);
  for (int nSlot = CHIP_PICK_BLOCK; nSlot <= CHIP_PICK_MARK; ++nSlot) {
    set(nSlot, EMPTY_SURFACE_PATH, 1, 0);
    v[nSlot].nBits = 8;
    v[nSlot].nWidth = 256;
    v[nSlot].nHeight = 480;
  }
  return v;
}

}  // namespace

cChkVector<cSurface> ChipBitmaps(CHIP_SLOT_COUNT);
cChkVector<cBmpLoadRequest> ChipBmpRequests = MakeChipRequests();
cChkVector<cSurface> CharaSpBitmaps;

RGBQUAD g_ConvPalette[256];

cAnimeSeq AnimePreview;
