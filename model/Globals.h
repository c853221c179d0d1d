// The process-wide objects of the editor that belong to no single record module: the application
// information, the project folder, the common-variable names, the cursor-cell state, the chip and
// character-specific sheets, the conversion palette and the animation preview. They are built
// before start-up and live until the process ends; they are reset in place, never replaced.
//
// Objects kept with their own modules: Stage and StageLoadThread, Database, SystemData,
// CommonPalette, PrjOption, WorldMap, EditConfig, StageEditState, WorldMapEditState (model/),
// WindowList, FrameWnd, Music, MciSound (app/).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/AnimeSeq.h"
#include "app/Surface.h"
#include "base/ChkContainer.h"
#include "model/DataRecord.h"
#include "model/VarName.h"

// The names of the common variables: 1000 after the project load.
extern cChkVector<cEdVarName> GValInfo;

// The record of the running program: nothing of it is stored.
class cAppInfo : public cDataRecord {
 public:
  HINSTANCE m_hInstance = nullptr;

  cAppInfo() { SetDefault(); }
  int Read(cDataReader&) override { return 1; }
  void Write(cDataWriter&) override {}
};

extern cAppInfo AppInfo;
// The project folder: the current directory when start-up ran.
extern std::string CurDir;

// The stage cell under the cursor and its dot position in the view.
struct cCursorCell {
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nViewX = 0;
  int32_t m_nViewY = 0;
};

class cCursorState {
 public:
  cChkVector<cCursorCell> m_vCell;
  cCursorCell* m_pCur = nullptr;
  cCursorCell* m_pPrev = nullptr;  // the record before the current one, or null
  int32_t m_nCount = 0;

  cCursorState() { Reset(); }
  cCursorState(const cCursorState&) = delete;
  cCursorState& operator=(const cCursorState&) = delete;

  // One zeroed record, current; the counter 0.
  void Reset();
  // Mode 1 copies the current record into the new one; any other mode appends a zeroed record.
  void Push(int32_t nMode);
  // Drops the last record (never the only one); the new current record is zeroed, or with mode 2
  // takes the values of the dropped one.
  void Pop(int32_t nMode);

 private:
  void Relink();
};

extern cCursorState MouseState;

// The chip sheets, by slot; each slot has its load request (path, mask, mirroring).
enum eChipSlot {
  CHIP_STAGE_BACK = 0,
  CHIP_BLOCK = 1,
  CHIP_CHARA = 2,      // 2 + 2k: character sheet k + 1; 3 + 2k its mirrored copy
  CHIP_ITEM = 18,
  CHIP_ITEM_MINI = 19,
  CHIP_SHOT = 20,
  CHIP_SHOT_MIRROR = 21,
  CHIP_MARK = 22,
  CHIP_WORLD_BACK = 23,
  CHIP_WORLD_CHIP = 24,
  CHIP_WORLD_EVENT = 25,
  CHIP_SYMBOL = 26,
  CHIP_ACCESSORY = 27,
  CHIP_PICK_BLOCK = 28,  // 28 to 32: the graphic picker's sheets, composed at project load
  CHIP_PICK_CHARA = 29,
  CHIP_PICK_ITEM = 30,
  CHIP_PICK_SHOT = 31,
  CHIP_PICK_MARK = 32,
  CHIP_SLOT_COUNT = 33
};

extern cChkVector<cSurface> ChipBitmaps;
extern cChkVector<cBmpLoadRequest> ChipBmpRequests;
// Two per entry of the database's character-specific bitmap list: 2i its bitmap, 2i + 1 mirrored.
extern cChkVector<cSurface> CharaSpBitmaps;

// The palette that the bitmap conversion tool converts to (bmp\plt\Palette2.bmp).
extern RGBQUAD g_ConvPalette[256];

extern cAnimeSeq AnimePreview;
