// Drawing of one editor graphic of a block, character or item from the chip sheets: at full size
// in a 32 x 32 cell, or at half size in the cell's top-right quarter (so that an item stays
// visible over a block). The view, the palette windows and the data pages all draw through here.
#pragma once

#include <cstdint>

#include "app/Surface.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"

enum eRecordKind { RECORD_BLOCK = 0, RECORD_CHARA = 1, RECORD_ITEM = 2 };
enum eGraphicKind { GRAPHIC_BLOCK = 0, GRAPHIC_CHARA = 1, GRAPHIC_ITEM = 2, GRAPHIC_SHOT = 3,
                    GRAPHIC_CHARA_SP = 4 };

// Draws graphic nNumber of the kind; number 0 draws nothing. The character record (or none)
// gives direction and the anime set's frame offsets for flying, invincible and blocking.
void DrawGraphic(cSurface& dst, int x, int y, int32_t nRecordKind, int32_t nKind, int32_t nNumber,
                 int32_t nFrame, const cEdChara* lpChara, int32_t bMark, int32_t nMarkNo,
                 int32_t bHalf);
void DrawMark(cSurface& dst, int x, int y, int32_t nMarkNo, int32_t bHalf);
void DrawEntryGraphic(cSurface& dst, int x, int y, const cEdBlock& rec, int32_t bHalf);
void DrawEntryGraphic(cSurface& dst, int x, int y, const cEdChara& rec, int32_t bHalf);
void DrawEntryGraphic(cSurface& dst, int x, int y, const cEdItem& rec, int32_t bHalf);
