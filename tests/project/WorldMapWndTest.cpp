// The world map editor window, opened by the stage window's command on the sample project: what
// the view draws, the clearing questions with undo and redo, the palette-mode commands, and the
// save question on closing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "model/DataFile.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"
#include "project/WorldMapWnd.h"
#include "resources/StageIds.h"
#include "resources/WorldMapIds.h"
#include "stage/FrameWnd.h"
#include "stage/StageWnd.h"
#include "startup/MainLoop.h"
#include "startup/StartUp.h"
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
  // A mouse message over a map cell (the view is not scrolled).
  void Mouse(UINT uMsg, int32_t x, int32_t y, WPARAM wButtons) {
    LPARAM lParam = MAKELPARAM(m_lpWnd->m_nViewX + x * 32 + 5, m_lpWnd->m_nViewY + y * 32 + 5);
    SendMessageA(m_lpWnd->m_hWnd, uMsg, wButtons, lParam);
  }
  void SetCursorCell(int32_t x, int32_t y) {
    MouseState.m_pCur->m_nX = x;
    MouseState.m_pCur->m_nY = y;
  }
  int32_t WorldNoAt(int32_t x, int32_t y) {
    cEdWmEvent* e = WorldMap.FindEventAt(x, y);
    return e ? e->m_vPages[0].m_nWorldNo : -1;
  }

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
  // The idle step gives the focus back to it when the application is reactivated.
  EXPECT_EQ(h, WorldMapWindow());
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
  // Fewer rows than the view shows, so the background shows below the map.
  ASSERT_EQ(1, WorldMap.SetSize(20, 10));
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
      EXPECT_EQ(nullptr, WorldMapWindow());
      EXPECT_EQ(cFrameWnd::EDITOR_STAGE, FrameWnd.m_nActiveEditor);
    }
    if (c.nAnswer == IDYES) {
      EXPECT_EQ(0, StageEditState.m_bWorldMapChanged);
    }
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

int FailEveryWrite(HANDLE, const void*, DWORD) { return 0; }

TEST_F(WorldMapWndTest, AFailedSaveSaysSoKeepsTheChangeAndKeepsTheWindowOpen) {
  const std::vector<unsigned char> vBefore = ReadFileBytes(WORLD_MAP_FILE);
  const std::string strFailed = std::string(WORLD_MAP_FILE) + " の保存に失敗しました！";
  Cell(0, 0) = 4;
  StageEditState.m_bWorldMapChanged = 1;
  SetDataFileWriteFn(FailEveryWrite);
  Command(ID_WM_SAVE);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(strFailed, m_Boxes.Shown()[0].strText);
  EXPECT_EQ(1, StageEditState.m_bWorldMapChanged);
  m_Boxes.Clear();
  m_Boxes.Answer(IDYES);
  Command(ID_WM_EXIT);
  ASSERT_EQ(2u, m_Boxes.Shown().size());
  EXPECT_EQ(strFailed, m_Boxes.Shown()[1].strText);
  EXPECT_TRUE(IsWindow(m_lpWnd->m_hWnd));
  EXPECT_EQ(4, Cell(0, 0));
  EXPECT_EQ(1, StageEditState.m_bWorldMapChanged);
  EXPECT_EQ(vBefore, ReadFileBytes(WORLD_MAP_FILE));
  SetDataFileWriteFn(nullptr);
  Command(ID_WM_SAVE);
  EXPECT_EQ(0, StageEditState.m_bWorldMapChanged);
  EXPECT_NE(vBefore, ReadFileBytes(WORLD_MAP_FILE));
}

TEST_F(WorldMapWndTest, ToolbarTipsComeThroughTheToolbarsOwnTooltipAndItsBitmapGoesWithTheWindow) {
  EXPECT_TRUE(SendMessageA(m_lpWnd->m_hToolBar, TB_GETTOOLTIPS, 0, 0));
  EXPECT_STREQ("上書き保存", m_lpWnd->ToolTipText(ID_WM_SAVE));
  EXPECT_STREQ("イベントパレット", m_lpWnd->ToolTipText(ID_WM_TB_EVENTS));
  const int32_t nLive = LiveToolBitmaps();
  Command(ID_WM_EXIT);
  ASSERT_FALSE(IsWindow(m_lpWnd->m_hWnd));
  EXPECT_EQ(nLive - 1, LiveToolBitmaps());
}

TEST_F(WorldMapWndTest, PenStampsTheBrushCutAtTheMapEdgeAndPaintsWhileTheButtonIsHeld) {
  cWorldMapEditState& st = WorldMapEditState;
  const int32_t w = WorldMap.m_nWidth;
  st.m_nBrushW = 3;
  st.m_nBrushH = 2;
  const int32_t anBrush[2][3] = {{2, 99, 4}, {5, 6, 7}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) st.m_Brush[i][j] = anBrush[i][j];
  Mouse(WM_LBUTTONDOWN, w - 2, 0, MK_LBUTTON);
  EXPECT_EQ(2, Cell(w - 2, 0));
  EXPECT_EQ(0, Cell(w - 1, 0));  // chip 99 is not on the chip list
  EXPECT_EQ(5, Cell(w - 2, 1));
  EXPECT_EQ(6, Cell(w - 1, 1));
  EXPECT_EQ(0, Cell(0, 1));  // nothing wraps into the next row
  EXPECT_EQ(0, Cell(0, 2));
  EXPECT_TRUE(st.CanUndo());
  EXPECT_EQ(1, StageEditState.m_bWorldMapChanged);
  Mouse(WM_MOUSEMOVE, 4, 6, MK_LBUTTON);
  EXPECT_EQ(6, Cell(5, 7));
  Mouse(WM_MOUSEMOVE, 8, 8, 0);
  EXPECT_EQ(0, Cell(8, 8));
  EXPECT_EQ(1u, st.m_UndoGrids.size());
  Command(ID_WM_UNDO);
  EXPECT_EQ(0, Cell(w - 2, 0));
  EXPECT_EQ(0, Cell(5, 7));
}

TEST_F(WorldMapWndTest, RightDragCopiesTheRectangleIntoTheBrush) {
  cWorldMapEditState& st = WorldMapEditState;
  Cell(2, 3) = 1;
  Cell(3, 3) = 2;
  Cell(2, 4) = 3;
  Cell(3, 4) = 4;
  Mouse(WM_RBUTTONDOWN, 3, 4, MK_RBUTTON);
  EXPECT_EQ(1, st.m_bSelecting);
  EXPECT_EQ(-1, st.m_nSelected);
  Mouse(WM_RBUTTONUP, 2, 3, 0);
  EXPECT_EQ(2, st.m_nBrushW);
  EXPECT_EQ(2, st.m_nBrushH);
  EXPECT_EQ(1, st.m_Brush[0][0]);
  EXPECT_EQ(2, st.m_Brush[0][1]);
  EXPECT_EQ(3, st.m_Brush[1][0]);
  EXPECT_EQ(4, st.m_Brush[1][1]);
  EXPECT_EQ(0, st.m_bSelecting);
  EXPECT_EQ(0, st.m_bDragging);
  // Press and release on one cell: a 1 x 1 brush of that chip, which the pen then paints.
  Mouse(WM_RBUTTONDOWN, 3, 3, MK_RBUTTON);
  Mouse(WM_RBUTTONUP, 3, 3, 0);
  EXPECT_EQ(1, st.m_nBrushW);
  EXPECT_EQ(2, st.m_Brush[0][0]);
  Mouse(WM_LBUTTONDOWN, 9, 9, MK_LBUTTON);
  EXPECT_EQ(2, Cell(9, 9));
}

TEST_F(WorldMapWndTest, EventPenPlacesTheTemplateWithTheFirstFreeWorldNumber) {
  cWorldMapEditState& st = WorldMapEditState;
  EditConfig.m_bWmEditPlaced = 0;
  EditConfig.m_bWmEditBeforePlace = 0;
  EditConfig.m_bWmAutoWorldNo = 1;
  WorldMap.m_vEvents.clear();
  cEdWmEvent e;
  e.m_vPages[0].m_nWorldNo = 1;
  WorldMap.PlaceEvent(e, 1, 1);
  Command(ID_WM_MODE_EVENT);
  ASSERT_EQ(0, st.m_nSelected);
  Mouse(WM_LBUTTONDOWN, 4, 4, MK_LBUTTON);
  EXPECT_EQ(2, WorldNoAt(4, 4));
  // Over a placed event: it is replaced, and its number is free for the new one.
  Mouse(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
  EXPECT_EQ(1, WorldNoAt(1, 1));
  EXPECT_EQ(2u, WorldMap.m_vEvents.size());
  // Nothing selected: nothing placed, but the press still stores a step.
  st.m_nSelected = -1;
  st.ClearUndo();
  Mouse(WM_LBUTTONDOWN, 6, 6, MK_LBUTTON);
  EXPECT_EQ(-1, WorldNoAt(6, 6));
  EXPECT_TRUE(st.CanUndo());
}

TEST_F(WorldMapWndTest, ContextCommandsCopyPasteCutAndDeletePlacedEvents) {
  cWorldMapEditState& st = WorldMapEditState;
  EditConfig.m_bWmAutoWorldNo = 1;
  WorldMap.m_vEvents.clear();
  cEdWmEvent e;
  e.m_strName = "castle";
  e.m_vPages[0].m_nWorldNo = 1;
  WorldMap.PlaceEvent(e, 1, 1);
  Command(ID_WM_MODE_EVENT);

  SetCursorCell(1, 1);
  st.m_lpMenuEvent = WorldMap.FindEventAt(1, 1);
  Command(ID_WM_CTX_COPY);
  EXPECT_EQ(1, st.m_bClipValid);
  EXPECT_EQ("castle", st.m_Clip.m_strName);
  EXPECT_FALSE(st.CanUndo());  // a copy changes nothing

  SetCursorCell(6, 2);
  Command(ID_WM_CTX_PASTE);
  ASSERT_TRUE(WorldMap.FindEventAt(6, 2));
  EXPECT_EQ("castle", WorldMap.FindEventAt(6, 2)->m_strName);
  EXPECT_EQ(2, WorldNoAt(6, 2));
  EXPECT_TRUE(st.CanUndo());

  // A cell beyond the map takes nothing.
  SetCursorCell(WorldMap.m_nWidth, 0);
  Command(ID_WM_CTX_PASTE);
  EXPECT_EQ(2u, WorldMap.m_vEvents.size());

  SetCursorCell(6, 2);
  st.m_lpMenuEvent = WorldMap.FindEventAt(6, 2);
  Command(ID_WM_CTX_CUT);
  EXPECT_FALSE(WorldMap.HasEventAt(6, 2));
  EXPECT_EQ(2, st.m_Clip.m_vPages[0].m_nWorldNo);

  SetCursorCell(1, 1);
  st.m_lpMenuEvent = WorldMap.FindEventAt(1, 1);
  Command(ID_WM_CTX_DELETE);
  EXPECT_TRUE(WorldMap.m_vEvents.empty());
  Command(ID_WM_UNDO);
  EXPECT_TRUE(WorldMap.HasEventAt(1, 1));
}

TEST(WorldMapCursorStack, PushKeepsTheMenuCellAndPopCarriesTheCurrentRecordBack) {
  MouseState.Reset();
  MouseState.m_pCur->m_nX = 3;
  MouseState.Push(1);
  ASSERT_TRUE(MouseState.m_pPrev);
  EXPECT_EQ(3, MouseState.m_pPrev->m_nX);
  EXPECT_EQ(3, MouseState.m_pCur->m_nX);
  MouseState.m_pCur->m_nX = 7;
  MouseState.Pop(2);
  EXPECT_EQ(nullptr, MouseState.m_pPrev);
  EXPECT_EQ(7, MouseState.m_pCur->m_nX);
  MouseState.Push(0);
  EXPECT_EQ(0, MouseState.m_pCur->m_nX);
  MouseState.Pop(0);
  EXPECT_EQ(0, MouseState.m_pCur->m_nX);
  MouseState.Pop(2);  // the only record stays
  EXPECT_EQ(1u, MouseState.m_vCell.size());
}

}  // namespace
