#include "controls/GraphicDraw.h"

#include "model/Database.h"
#include "model/Globals.h"

namespace {

constexpr int CELL = 32;
constexpr int HALF = 16;

// The sheet of a slot, or none while the chip sheets are not loaded.
const cSurface* Sheet(int32_t nSlot) {
  if (nSlot < 0 || nSlot >= static_cast<int32_t>(ChipBitmaps.size())) return nullptr;
  const cSurface& s = ChipBitmaps[nSlot];
  return s.m_hDC ? &s : nullptr;
}

// A full cell copied, or scaled into the top-right quarter.
void DrawCell(cSurface& dst, int x, int y, const cSurface* src, int sx, int sy, int32_t bHalf) {
  if (!src) return;
  if (bHalf)
    dst.Stretch(x + HALF, y, HALF, HALF, *src, sx, sy, CELL, CELL, 0);
  else
    dst.Blt(x, y, CELL, CELL, *src, sx, sy, 0);
}

// The anime set's offsets for the character's flying, invincible and blocking states, in frames.
int32_t StateFrameOffset(const cEdChara& chara) {
  int32_t nSet = chara.m_nAnimeSet;
  if (nSet < 0 || nSet >= static_cast<int32_t>(Database.m_vAnimeSet.size())) return 0;
  const cEdAnimeSet& set = Database.m_vAnimeSet[nSet];
  int32_t n = 0;
  if (chara.m_bBlock) n += set.m_nBlockShift;
  if (chara.m_nInvincible) n += set.m_nInvincibleShift;
  if (chara.m_nFly) n += set.m_nFlyShift;
  return n;
}

void DrawCharaSheet(cSurface& dst, int x, int y, int32_t nRecordKind, int32_t nNumber,
                    int32_t nFrame, const cEdChara* lpChara, int32_t bHalf) {
  int32_t nSlot, nCol;
  if (nRecordKind == RECORD_CHARA) {
    if (!lpChara) return;
    nCol = (nFrame + StateFrameOffset(*lpChara)) * CELL;
    nSlot = CHIP_CHARA + 2 * (nNumber / 15) + (lpChara->m_bFaceRight ? 1 : 0);
  } else {
    int32_t bSecond = nFrame >= 20 ? 1 : 0;
    nCol = (bSecond ? nFrame - 20 : nFrame) * CELL;
    nSlot = CHIP_CHARA + 2 * (nNumber / 15) + bSecond;
  }
  DrawCell(dst, x, y, Sheet(nSlot), nCol, nNumber % 15 * CELL, bHalf);
}

void DrawItemSheet(cSurface& dst, int x, int y, int32_t nNumber, int32_t bHalf) {
  if (!bHalf) {
    DrawCell(dst, x, y, Sheet(CHIP_ITEM), nNumber / 15 * 64, nNumber % 15 * CELL, 0);
    return;
  }
  const cSurface* src = Sheet(CHIP_ITEM_MINI);
  if (src) dst.Blt(x + HALF, y, HALF, HALF, *src, nNumber / 15 * CELL, nNumber % 15 * HALF, 0);
}

void DrawShot(cSurface& dst, int x, int y, int32_t nRecordKind, int32_t nNumber,
              const cEdChara* lpChara, int32_t bHalf) {
  int sx = nNumber / 30 * CELL, sy = nNumber % 30 * HALF;
  if (bHalf) {
    const cSurface* src = Sheet(CHIP_SHOT);
    if (src) dst.Stretch(x + 20, y + 4, 8, 8, *src, sx, sy, HALF, HALF, 0);
    return;
  }
  bool bMirror = nRecordKind == RECORD_CHARA && lpChara && lpChara->m_bFaceRight;
  const cSurface* src = Sheet(bMirror ? CHIP_SHOT_MIRROR : CHIP_SHOT);
  if (src) dst.Blt(x + 8, y + 8, HALF, HALF, *src, sx, sy, 0);
}

void DrawCharaSp(cSurface& dst, int x, int y, int32_t nRecordKind, int32_t nNumber,
                 int32_t nFrame, const cEdChara* lpChara, int32_t bHalf) {
  if (nNumber >= static_cast<int32_t>(Database.m_vBmpCharaExc.size())) return;
  int32_t f = nFrame, d = 0;
  if (nRecordKind == RECORD_CHARA) {
    if (!lpChara) return;
    f += StateFrameOffset(*lpChara);
    d = lpChara->m_bFaceRight ? 1 : 0;
  }
  int32_t nSurface = 2 * nNumber + d;
  if (nSurface < 0 || nSurface >= static_cast<int32_t>(CharaSpBitmaps.size())) return;
  const cSurface& src = CharaSpBitmaps[nSurface];
  if (!src.m_hDC) return;
  const cEdBmpCharaExc& e = Database.m_vBmpCharaExc[nNumber];
  int32_t s = (e.m_bGiant && e.m_nGiantSize > 0) ? e.m_nGiantSize : 1;
  int32_t n = 16 / s;
  if (n <= 0) n = 1;
  int sx = (f % n) * s * CELL, sy = (f / n) * s * CELL, sw = s * CELL;
  if (bHalf)
    dst.Stretch(x + HALF, y, HALF, HALF, src, sx, sy, sw, sw, 0);
  else if (s >= 2)
    dst.Stretch(x, y, CELL, CELL, src, sx, sy, sw, sw, 0);
  else
    dst.Blt(x, y, CELL, CELL, src, sx, sy, 0);
}

}  // namespace

void DrawMark(cSurface& dst, int x, int y, int32_t nMarkNo, int32_t bHalf) {
  DrawCell(dst, x, y, Sheet(CHIP_MARK), nMarkNo / 15 * CELL, nMarkNo % 15 * CELL, bHalf);
}

void DrawGraphic(cSurface& dst, int x, int y, int32_t nRecordKind, int32_t nKind, int32_t nNumber,
                 int32_t nFrame, const cEdChara* lpChara, int32_t bMark, int32_t nMarkNo,
                 int32_t bHalf) {
  if (nNumber == 0) return;
  switch (nKind) {
    case GRAPHIC_BLOCK:
      DrawCell(dst, x, y, Sheet(CHIP_BLOCK), nNumber / 15 * CELL, nNumber % 15 * CELL, bHalf);
      break;
    case GRAPHIC_CHARA:
      DrawCharaSheet(dst, x, y, nRecordKind, nNumber, nFrame, lpChara, bHalf);
      break;
    case GRAPHIC_ITEM:
      DrawItemSheet(dst, x, y, nNumber, bHalf);
      break;
    case GRAPHIC_SHOT:
      DrawShot(dst, x, y, nRecordKind, nNumber, lpChara, bHalf);
      break;
    case GRAPHIC_CHARA_SP:
      DrawCharaSp(dst, x, y, nRecordKind, nNumber, nFrame, lpChara, bHalf);
      break;
    default:
      break;
  }
  if (bMark) DrawMark(dst, x, y, nMarkNo, bHalf);
}

void DrawEntryGraphic(cSurface& dst, int x, int y, const cEdBlock& rec, int32_t bHalf) {
  DrawGraphic(dst, x, y, RECORD_BLOCK, rec.m_nSheet, rec.m_nGraphic, rec.m_nFrame, nullptr,
              rec.m_nMark, rec.m_nMarkNo, bHalf);
}

void DrawEntryGraphic(cSurface& dst, int x, int y, const cEdChara& rec, int32_t bHalf) {
  DrawGraphic(dst, x, y, RECORD_CHARA, rec.m_nSheet, rec.m_nGraphic, rec.m_nGraphicShift, &rec,
              rec.m_nMark, rec.m_nMarkNo, bHalf);
}

void DrawEntryGraphic(cSurface& dst, int x, int y, const cEdItem& rec, int32_t bHalf) {
  DrawGraphic(dst, x, y, RECORD_ITEM, rec.m_nSheet, rec.m_nGraphic, rec.m_nFrame, nullptr,
              rec.m_nMark, rec.m_nMarkNo, bHalf);
}
