// The world map editor window, opened by the stage window's command on the sample project: what
// the view draws, the clearing questions with undo and redo, the palette-mode commands, and the
// save question on closing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "app/AppGlobals.h"
#include "app/FrameWnd.h"
#include "app/StartUp.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"
#include "project/WorldMapWnd.h"
#include "resources/StageIds.h"
#include "resources/WorldMapIds.h"
#include "stage/StageWnd.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

class WorldMapWndTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpStage = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpStage);
    DrainMessages();
    SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_WORLD_MAP, 0);
    m_lpWnd = cWorldMapWnd::Current();
    ASSERT_TRUE(m_lpWnd);
    ASSERT_TRUE(IsWindow(m_lpWnd->m_hWnd));
    DrainMessages();
  }
  void TearDown() override { ShutDownStartedEditor(); }
  void Command(uint16_t wId) { SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, wId, 0); }
  BYTE ButtonState(uint16_t wId) {
    return static_cast<BYTE>(SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, wId, 0));
  }
  UINT MenuState(uint16_t wId) { return GetMenuState(GetMenu(m_lpWnd->m_hWnd), wId, MF_BYCOMMAND); }
  // Pixel of the view's back buffer (0x00RRGGBB).
  uint32_t BackPixel(int x, int y) {
    GdiFlush();
    const cSurface& s = m_lpWnd->m_ViewCtrl.m_Surface;
    uint32_t v;
    memcpy(&v, s.m_pBits + y * s.Pitch() + x * 4, 4);
    return v & 0xFFFFFF;
  }
  int32_t& Cell(int32_t x, int32_t y) { return WorldMap.m_vGrid[x + (y << WorldMap.m_nShift)]; }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpStage = nullptr;
  cWorldMapWnd* m_lpWnd = nullptr;
};

TEST_F(WorldMapWndTest, OpensInPlaceOfTheStageWindowWithItsBarsAndNothingToUndo) {
  HWND h = m_lpWnd->m_hWnd;
  char sz[64];
  GetWindowTextA(h, sz, sizeof sz);
  EXPECT_EQ("ワールドマップ", std::string(sz));
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_FALSE(IsWindowVisible(m_lpStage->m_hWnd));
  EXPECT_EQ(cFrameWnd::EDITOR_WORLDMAP, FrameWnd.m_nActiveEditor);
  EXPECT_EQ(m_lpWnd, m_lpStage->m_lpEditor[cStageWnd::EDITOR_WORLD_MAP]);
  EXPECT_EQ(0, StageEditState.m_bWorldMapChanged);
  ASSERT_TRUE(GetMenu(h));
  EXPECT_EQ(7, SendMessageA(m_lpWnd->m_hToolBar, TB_BUTTONCOUNT, 0, 0));
  EXPECT_EQ(0, ButtonState(ID_WM_UNDO));
  EXPECT_TRUE(MenuState(ID_WM_UNDO) & MF_GRAYED);
  EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, ButtonState(ID_WM_TB_CHIPS));
  EXPECT_EQ(TBSTATE_ENABLED, ButtonState(ID_WM_TB_EVENTS));
  EXPECT_TRUE(MenuState(ID_WM_MODE_CHIP) & MF_CHECKED);
  // The map (20 x 15 cells) fits the view's 20 whole columns: the bar cannot move it.
  EXPECT_EQ(0, m_lpWnd->m_HScroll.m_nMin);
  EXPECT_EQ(WorldMap.m_nWidth - 1, m_lpWnd->m_HScroll.m_nMax);
  EXPECT_EQ(m_lpWnd->m_nViewW / 32, m_lpWnd->m_HScroll.m_nPage);
  // Minimising is refused.
  SendMessageA(h, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(IsIconic(h));
  EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(WorldMapWndTest, ViewDrawsEachChipAtItsCellAndAnEventIconWithItsFrame) {
  ASSERT_GE(WorldMap.m_vChips.size(), 10u);
  const cSurface& sheet = ChipBitmaps[CHIP_WORLD_CHIP];
  ASSERT_TRUE(sheet.m_hDC);
  Cell(2, 1) = 7;
  Cell(3, 1) = 1;
  cEdWmEvent e;
  e.m_vPages[0].m_nWorldNo = 100;
  WorldMap.PlaceEvent(e, 5, 4);
  m_lpWnd->Draw();
  struct cCase {
    int32_t x, y;
  };
  const cCase aCases[] = {{2, 1}, {3, 1}};
  for (const cCase& c : aCases) {
    int32_t g = WorldMap.m_vChips[Cell(c.x, c.y)].m_nGraphic;
    cSurface chip;
    ASSERT_EQ(1, chip.Create(32, 32, 32, 0));
    chip.Blt(0, 0, 32, 32, sheet, (g % 5) * 32, (g / 5) * 32, 1);
    GdiFlush();
    int nSame = 0;
    // Inside the cell, clear of the grid lines.
    for (int j = 2; j < 30; ++j)
      for (int i = 2; i < 30; ++i) {
        uint32_t v;
        memcpy(&v, chip.m_pBits + j * chip.Pitch() + i * 4, 4);
        nSame += BackPixel(c.x * 32 + i, c.y * 32 + j) == (v & 0xFFFFFF);
      }
    EXPECT_EQ(28 * 28, nSame) << c.x << "," << c.y;
  }
  // The event's 16-dot frame is yellow; the grid line is white.
  EXPECT_EQ(0xFFFF00u, BackPixel(5 * 32 + 15, 4 * 32 + 1));
  EXPECT_EQ(0xFFFF00u, BackPixel(5 * 32 + 31, 4 * 32 + 17));
  EXPECT_EQ(0xFFFFFFu, BackPixel(32, 200));
  // Beyond the map's last row the background colour of the project palette shows.
  const RGBQUAD& bg = g_Palette[WorldMap.m_nBgColor];
  uint32_t nBack = (uint32_t(bg.rgbRed) << 16) | (uint32_t(bg.rgbGreen) << 8) | bg.rgbBlue;
  if (m_lpWnd->m_nViewH > WorldMap.m_nHeight * 32 + 4)
    EXPECT_EQ(nBack, BackPixel(40, WorldMap.m_nHeight * 32 + 2));
}

TEST_F(WorldMapWndTest, ClearingAsksFirstKeepsTheOtherKindAndUndoesAndRedoes) {
  Cell(1, 1) = 3;
  cEdWmEvent e;
  WorldMap.PlaceEvent(e, 2, 2);
  const size_t nTemplates = WorldMap.m_vTemplates.size();
  // No: nothing changes and no step is stored.
  m_Boxes.Answer(IDNO);
  Command(ID_WM_CLEAR_CHIPS);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("全てのマップチップをクリアしますか？", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("データクリアの確認", m_Boxes.Shown()[0].strCaption);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO), m_Boxes.Shown()[0].uType & MB_TYPEMASK);
  EXPECT_EQ(3, Cell(1, 1));
  EXPECT_FALSE(WorldMapEditState.CanUndo());
  EXPECT_EQ(0, StageEditState.m_bWorldMapChanged);

  m_Boxes.Answer(IDYES);
  Command(ID_WM_CLEAR_CHIPS);
  EXPECT_EQ(0, Cell(1, 1));
  EXPECT_EQ(1u, WorldMap.m_vEvents.size());
  EXPECT_EQ(1, StageEditState.m_bWorldMapChanged);
  EXPECT_EQ(TBSTATE_ENABLED, ButtonState(ID_WM_UNDO));

  m_Boxes.Answer(IDYES);
  Command(ID_WM_CLEAR_EVENTS);
  EXPECT_EQ("全てのイベントをクリアしますか？", m_Boxes.Shown().back().strText);
  EXPECT_TRUE(WorldMap.m_vEvents.empty());
  EXPECT_EQ(nTemplates, WorldMap.m_vTemplates.size());

  Command(ID_WM_ACC_UNDO);
  EXPECT_EQ(1u, WorldMap.m_vEvents.size());
  EXPECT_EQ(0, Cell(1, 1));
  Command(ID_WM_UNDO);
  EXPECT_EQ(3, Cell(1, 1));
  EXPECT_EQ(0, ButtonState(ID_WM_UNDO));
  EXPECT_TRUE(MenuState(ID_WM_UNDO) & MF_GRAYED);
  EXPECT_EQ(TBSTATE_ENABLED, ButtonState(ID_WM_REDO));
  Command(ID_WM_ACC_REDO);
  EXPECT_EQ(0, Cell(1, 1));
  EXPECT_FALSE(MenuState(ID_WM_REDO) & MF_GRAYED);
}

TEST_F(WorldMapWndTest, ModeCommandsAndTheSpaceKeySwitchChecksAndButtons) {
  Command(ID_WM_TB_EVENTS);
  EXPECT_EQ(1, WorldMapEditState.m_nPaletteMode);
  EXPECT_TRUE(MenuState(ID_WM_MODE_EVENT) & MF_CHECKED);
  EXPECT_FALSE(MenuState(ID_WM_MODE_CHIP) & MF_CHECKED);
  EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, ButtonState(ID_WM_TB_EVENTS));
  EXPECT_EQ(TBSTATE_ENABLED, ButtonState(ID_WM_TB_CHIPS));
  SendMessageA(m_lpWnd->m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(0, WorldMapEditState.m_nPaletteMode);
  EXPECT_TRUE(MenuState(ID_WM_MODE_CHIP) & MF_CHECKED);
  Command(ID_WM_MODE_EVENT);
  EXPECT_EQ(1, WorldMapEditState.m_nPaletteMode);
}

TEST_F(WorldMapWndTest, ClosingAsksOnlyAfterAChangeAndNoReloadsTheSavedMap) {
  struct cCase {
    int nAnswer;
    bool bClosed;
    int32_t nCellAfter;  // cell (0, 0) once the question is answered
    bool bFileHasChange;
  };
  const cCase aCases[] = {
      {IDCANCEL, false, 4, false},
      {IDNO, true, 0, false},
      {IDYES, true, 4, true},
  };
  ASSERT_EQ(0, Cell(0, 0));
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.nAnswer);
    if (!cWorldMapWnd::Current() || !IsWindow(cWorldMapWnd::Current()->m_hWnd)) {
      SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_WORLD_MAP, 0);
      m_lpWnd = cWorldMapWnd::Current();
      ASSERT_TRUE(m_lpWnd);
    }
    Cell(0, 0) = 4;
    StageEditState.m_bWorldMapChanged = 1;
    m_Boxes.Clear();
    m_Boxes.Answer(c.nAnswer);
    Command(ID_WM_EXIT);
    ASSERT_EQ(1u, m_Boxes.Shown().size());
    EXPECT_EQ("ワールドマップが変更された可能性があります。\n保存しますか？", m_Boxes.Shown()[0].strText);
    EXPECT_EQ("保存確認", m_Boxes.Shown()[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), m_Boxes.Shown()[0].uType & MB_TYPEMASK);
    EXPECT_EQ(!c.bClosed, IsWindow(m_lpWnd->m_hWnd) != 0);
    EXPECT_EQ(c.nCellAfter, Cell(0, 0));
    cEdWorldMap onDisk;
    ASSERT_TRUE(onDisk.Load(WORLD_MAP_FILE));
    EXPECT_EQ(c.bFileHasChange ? 4 : 0, onDisk.m_vGrid[0]);
    if (c.bClosed) {
      EXPECT_TRUE(IsWindowVisible(m_lpStage->m_hWnd));
      EXPECT_EQ(cFrameWnd::EDITOR_STAGE, FrameWnd.m_nActiveEditor);
    }
    if (c.nAnswer == IDYES) EXPECT_EQ(0, StageEditState.m_bWorldMapChanged);
  }
  // Unchanged: closing asks nothing.
  SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_WORLD_MAP, 0);
  m_lpWnd = cWorldMapWnd::Current();
  ASSERT_TRUE(m_lpWnd);
  m_Boxes.Clear();
  SendMessageA(m_lpWnd->m_hWnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(m_Boxes.Shown().empty());
  EXPECT_FALSE(IsWindow(m_lpWnd->m_hWnd));
}

}  // namespace
