// The real stage window, started in this process on the sample project's demo stage: what the
// view draws, how the cursor maps to cells and the view scrolls, the status text, the layer
// commands, the clearing questions and undo and redo through the commands.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "startup/StartUp.h"
#include "app/WindowList.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "project/BmpConvDlg.h"
#include "resources/ProjectSheetIds.h"
#include "resources/StageIds.h"
#include "controls/GraphicDraw.h"
#include "stage/StageWnd.h"
#include "support/AnswerWhenUp.h"
#include "support/EditorSession.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

class StageWndTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpWnd = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpWnd);
    ASSERT_EQ(1, StageEditState.m_bStageOpen);
    DrainMessages();
  }
  void TearDown() override {
    ShutDownStartedEditor();
  }
  void Command(uint16_t wId) { SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, wId, 0); }
  void ScrollTo(int32_t nCol, int32_t nRow) {
    m_lpWnd->m_HScroll.SetPos(nCol);
    m_lpWnd->m_VScroll.SetPos(nRow);
    m_lpWnd->ReadViewOrigin();
  }
  // Pixel of the view's back buffer (0x00RRGGBB).
  uint32_t BackPixel(int x, int y) {
    GdiFlush();
    const cSurface& s = m_lpWnd->m_ViewCtrl.m_Surface;
    uint32_t v;
    memcpy(&v, s.m_pBits + y * s.Pitch() + x * 4, 4);
    return v & 0xFFFFFF;
  }
  std::string StatusText() {
    char sz[128] = "";
    // The one part of a simple status bar reads back as part 0.
    SendMessageA(m_lpWnd->m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(sz));
    return sz;
  }
  // The first placed cell of a grid that lies inside the view as it is.
  template <class T>
  bool FindPlaced(const cStageGrid<T>& v, int32_t& x, int32_t& y) {
    for (y = m_lpWnd->m_nViewRow; y < m_lpWnd->m_nViewRow + 14 && y < Stage.m_nHeight; ++y)
      for (x = m_lpWnd->m_nViewCol; x < m_lpWnd->m_nViewCol + 19 && x < Stage.m_nWidth; ++x)
        if (v[Stage.CellIndex(x, y)].m_nGraphic != 0) return true;
    return false;
  }
  int32_t Placed() const {
    int32_t n = 0;
    for (const cEdBlock& b : Stage.m_vBlockGrid) n += b.m_nGraphic != 0;
    for (const cEdChara& c : Stage.m_vCharaGrid) n += c.m_nGraphic != 0;
    for (const cEdItem& i : Stage.m_vItemGrid) n += i.m_nGraphic != 0;
    return n;
  }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpWnd = nullptr;
};

TEST_F(StageWndTest, OpensWithMenuToolbarStatusBarAndTheStagePathInItsTitle) {
  HWND h = m_lpWnd->m_hWnd;
  char sz[256];
  GetWindowTextA(h, sz, sizeof sz);
  EXPECT_EQ("Kordane4  " + StageEditState.m_strStagePath, std::string(sz));
  ASSERT_TRUE(GetMenu(h));
  EXPECT_TRUE(IsWindowVisible(m_lpWnd->m_hStatusBar));
  ASSERT_TRUE(m_lpWnd->m_hToolBar);
  EXPECT_EQ(13, SendMessageA(m_lpWnd->m_hToolBar, TB_BUTTONCOUNT, 0, 0));
  // A stage is open: the layer buttons are enabled and the block layer's is pressed; nothing to
  // undo yet.
  EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED,
            SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_TB_LAYER_BLOCK, 0));
  EXPECT_EQ(TBSTATE_ENABLED, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_TB_LAYER_ITEM, 0));
  EXPECT_EQ(0, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_MENU_UNDO, 0));
  EXPECT_TRUE(GetMenuState(GetMenu(h), ID_MENU_UNDO, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(GetMenu(h), ID_CLEAR_BLOCKS, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(GetMenu(h), ID_TB_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  RECT rc;
  GetClientRect(m_lpWnd->m_ViewCtrl.m_hWnd, &rc);
  EXPECT_EQ(640, rc.right);
  EXPECT_EQ(480, rc.bottom);
}

TEST_F(StageWndTest, ViewDrawsPlacedChipsInTheirCellsAndEmptyCellsBlack) {
  m_lpWnd->Draw();
  int32_t x, y;
  ASSERT_TRUE(FindPlaced(Stage.m_vBlockGrid, x, y));
  int px = (x - m_lpWnd->m_nViewCol) * 32, py = (y - m_lpWnd->m_nViewRow) * 32;
  cSurface chip;
  ASSERT_EQ(1, chip.Create(32, 32, 32, 0));
  chip.Fill(0);
  DrawEntryGraphic(chip, 0, 0, Stage.m_vBlockGrid[Stage.CellIndex(x, y)], 0);
  GdiFlush();
  int nSame = 0, nLit = 0;
  // Inside the cell, clear of the grid lines and the cursor frame.
  for (int j = 3; j < 29; ++j)
    for (int i = 3; i < 29; ++i) {
      uint32_t v;
      memcpy(&v, chip.m_pBits + j * chip.Pitch() + i * 4, 4);
      v &= 0xFFFFFF;
      nLit += v != 0;
      nSame += BackPixel(px + i, py + j) == v;
    }
  EXPECT_GT(nLit, 100);
  EXPECT_EQ(26 * 26, nSame);
  // An empty cell stays black; the grid line at its edge is white. The cursor frame (which follows
  // wherever the pointer happens to be) may lie over the edges of its cell and its neighbours.
  const cCursorCell* pCur = MouseState.m_pCur;
  auto nearCursor = [&](int32_t nCol, int32_t nRow) {
    return pCur && std::abs(pCur->m_nX - nCol) <= 1 && std::abs(pCur->m_nY - nRow) <= 1;
  };
  int32_t ex = -1, ey = -1;
  for (int32_t r = 0; r < 14 && ex < 0; ++r)
    for (int32_t c = 0; c < 9; ++c) {
      if (nearCursor(m_lpWnd->m_nViewCol + c, m_lpWnd->m_nViewRow + r)) continue;
      int32_t i = Stage.CellIndex(m_lpWnd->m_nViewCol + c, m_lpWnd->m_nViewRow + r);
      if (!Stage.m_vBlockGrid[i].m_nGraphic && !Stage.m_vCharaGrid[i].m_nGraphic && !Stage.m_vItemGrid[i].m_nGraphic) {
        ex = c;
        ey = r;
        break;
      }
    }
  ASSERT_GE(ex, 0);
  EXPECT_EQ(0u, BackPixel(ex * 32 + 10, ey * 32 + 10));
  EXPECT_EQ(0xFFFFFFu, BackPixel(ex * 32, ey * 32 + 10));
}

TEST_F(StageWndTest, ItemsAreDrawnInTheTopRightQuarter) {
  Command(ID_CLEAR_BLOCKS);
  Command(ID_CLEAR_CHARAS);
  ScrollTo(0, 0);
  int32_t x, y;
  ASSERT_TRUE(FindPlaced(Stage.m_vItemGrid, x, y));
  m_lpWnd->Draw();
  int px = (x - m_lpWnd->m_nViewCol) * 32, py = (y - m_lpWnd->m_nViewRow) * 32;
  int nLeft = 0, nTopRight = 0;
  for (int j = 2; j < 30; ++j)
    for (int i = 2; i < 16; ++i) nLeft += BackPixel(px + i, py + j) != 0 && j > 16;
  for (int j = 2; j < 16; ++j)
    for (int i = 17; i < 30; ++i) nTopRight += BackPixel(px + i, py + j) != 0;
  EXPECT_EQ(0, nLeft);
  EXPECT_GT(nTopRight, 10);
}

TEST_F(StageWndTest, CursorCellFollowsThePointAndTheScrollingWithTheStatusText) {
  Stage.SetSize(30, 20, 0, 0);
  SendMessageA(m_lpWnd->m_hWnd, WM_SIZE, 0, 0);
  ScrollTo(3, 2);
  struct {
    int x, y;
    int32_t nCellX, nCellY, nViewX, nViewY;
  } aCases[] = {
      {0, 0, 3, 2, 0, 0},
      {33, 70, 4, 4, 32, 64},
      {639, 479, 22, 16, 608, 448},
      {-50, 1000, 3, 16, 0, 448},  // outside the view: clamped to its edge
  };
  for (const auto& c : aCases) {
    m_lpWnd->MouseToCell(POINT{c.x, c.y});
    const cCursorCell& cell = *MouseState.m_pCur;
    EXPECT_EQ(c.nCellX, cell.m_nX) << c.x;
    EXPECT_EQ(c.nCellY, cell.m_nY) << c.y;
    EXPECT_EQ(c.nViewX, cell.m_nViewX) << c.x;
    EXPECT_EQ(c.nViewY, cell.m_nViewY) << c.y;
  }
  m_lpWnd->Draw();
  EXPECT_EQ("座標 (3,16)", StatusText());
  // Scrolled to the right end: a point beyond the stage's last column leaves the cell as it was.
  ScrollTo(29, 0);
  EXPECT_EQ(10, m_lpWnd->m_nViewCol);  // the last page starts at width - page
  m_lpWnd->MouseToCell(POINT{5, 5});
  EXPECT_EQ(10, MouseState.m_pCur->m_nX);
  m_lpWnd->MouseToCell(POINT{630, 5});
  EXPECT_EQ(29, MouseState.m_pCur->m_nX);
  Stage.SetSize(10, 15, 0, 0);
  SendMessageA(m_lpWnd->m_hWnd, WM_SIZE, 0, 0);
  m_lpWnd->MouseToCell(POINT{5, 5});
  m_lpWnd->MouseToCell(POINT{639, 5});  // right of a 10-cell stage: no such cell
  EXPECT_EQ(0, MouseState.m_pCur->m_nX);
}

TEST_F(StageWndTest, WheelScrollsOneCellBackPerNotchAndForwardByOne) {
  Stage.SetSize(60, 40, 0, 0);
  Stage.m_nWheelDir = 0;
  SendMessageA(m_lpWnd->m_hWnd, WM_SIZE, 0, 0);
  ScrollTo(20, 10);
  auto fnWheel = [&](short nDelta) {
    SendMessageA(m_lpWnd->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(nDelta)), 0);
  };
  fnWheel(360);
  EXPECT_EQ(17, m_lpWnd->m_nViewCol);
  fnWheel(-1200);
  EXPECT_EQ(18, m_lpWnd->m_nViewCol);
  fnWheel(1200);  // ten notches at once: forward by one
  EXPECT_EQ(19, m_lpWnd->m_nViewCol);
  Stage.m_nWheelDir = 1;
  fnWheel(120);
  EXPECT_EQ(19, m_lpWnd->m_nViewCol);
  EXPECT_EQ(9, m_lpWnd->m_nViewRow);
  // The arrow keys scroll through the dialog's own bars.
  SendMessageA(m_lpWnd->m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
  DrainMessages();
  EXPECT_EQ(20, m_lpWnd->m_nViewCol);
}

TEST_F(StageWndTest, ClearingAsksFirstAndUndoRedoRestoreTheLayers) {
  int32_t nPlaced = Placed();
  ASSERT_GT(nPlaced, 0);
  Stage.m_nUndoDepth = 3;
  StageEditState.AllocUndo(3, Stage.m_nPitch, Stage.m_nHeight);
  m_Boxes.Answer(IDNO);
  Command(ID_CLEAR_ALL);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("データクリアの確認", m_Boxes.Shown()[0].strCaption);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO), m_Boxes.Shown()[0].uType & MB_TYPEMASK);
  EXPECT_EQ(nPlaced, Placed());
  EXPECT_EQ(0, StageEditState.m_Undo.m_nCount);

  Command(ID_CLEAR_ALL);  // answered Yes
  EXPECT_EQ(0, Placed());
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  EXPECT_EQ(TBSTATE_ENABLED, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_MENU_UNDO, 0));
  Command(ID_STAGE_UNDO);
  EXPECT_EQ(nPlaced, Placed());
  EXPECT_EQ(0, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_MENU_UNDO, 0));
  EXPECT_EQ(TBSTATE_ENABLED, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_MENU_REDO, 0));
  Command(ID_MENU_REDO);
  EXPECT_EQ(0, Placed());

  // Clearing one layer pushes only that layer; its undo brings back only it.
  Command(ID_STAGE_UNDO);
  int32_t nItems = 0;
  for (const cEdItem& i : Stage.m_vItemGrid) nItems += i.m_nGraphic != 0;
  Command(ID_CLEAR_ITEMS);
  EXPECT_EQ(UNDO_ITEM, StageEditState.m_Undo.Mask(0));
  EXPECT_EQ(nPlaced - nItems, Placed());
  Command(ID_STAGE_UNDO);
  EXPECT_EQ(nPlaced, Placed());
}

TEST_F(StageWndTest, LayersSwitchByCommandAndSpaceEachKeepingItsBrush) {
  StageEditState.m_nBrushWidth = 3;
  StageEditState.m_nBrushEntry = 5;
  Command(ID_TB_LAYER_CHARA);
  EXPECT_EQ(LAYER_CHARA, StageEditState.m_nLayer);
  EXPECT_EQ(1, StageEditState.m_nBrushWidth);
  EXPECT_EQ(0, StageEditState.m_nBrushEntry);
  HMENU hMenu = GetMenu(m_lpWnd->m_hWnd);
  EXPECT_TRUE(GetMenuState(hMenu, ID_MENU_LAYER_CHARA, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(hMenu, ID_MENU_LAYER_BLOCK, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED,
            SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_TB_LAYER_CHARA, 0));
  SendMessageA(m_lpWnd->m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(LAYER_ITEM, StageEditState.m_nLayer);
  SendMessageA(m_lpWnd->m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(LAYER_BLOCK, StageEditState.m_nLayer);
  EXPECT_EQ(3, StageEditState.m_nBrushWidth);
  EXPECT_EQ(5, StageEditState.m_nBrushEntry);
}

TEST_F(StageWndTest, MouseOnTheViewPlacesTheBrushAndTheRightButtonCutsAnAreaIntoIt) {
  Stage.m_nUndoDepth = 3;
  StageEditState.AllocUndo(3, Stage.m_nPitch, Stage.m_nHeight);
  cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
  ScrollTo(0, 0);
  cStageEditState& st = StageEditState;
  st.SetTool(0);
  st.m_vBrushBlock.assign(1, cEdBlock());
  st.m_vBrushBlock[0].m_nGraphic = 3;
  st.m_nBrushWidth = st.m_nBrushHeight = 1;
  HWND h = m_lpWnd->m_hWnd;
  // The view's messages reach the stage window in its client coordinates.
  auto fnAt = [&](int32_t c, int32_t r) {
    return MAKELPARAM(m_lpWnd->m_nViewX + c * 32 + 16, m_lpWnd->m_nViewY + r * 32 + 16);
  };
  auto fnBlock = [](int32_t x, int32_t y) { return Stage.m_vBlockGrid[Stage.CellIndex(x, y)].m_nGraphic; };
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, fnAt(2, 1));
  SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, fnAt(3, 1));
  SendMessageA(h, WM_LBUTTONUP, 0, fnAt(3, 1));
  SendMessageA(h, WM_MOUSEMOVE, 0, fnAt(5, 1));
  EXPECT_EQ(3, fnBlock(2, 1));
  EXPECT_EQ(3, fnBlock(3, 1));
  EXPECT_EQ(0, fnBlock(5, 1));
  EXPECT_EQ(1, st.m_bStageChanged);
  EXPECT_EQ(TBSTATE_ENABLED, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_MENU_UNDO, 0));

  SendMessageA(h, WM_RBUTTONDOWN, MK_RBUTTON, fnAt(2, 1));
  SendMessageA(h, WM_MOUSEMOVE, MK_RBUTTON, fnAt(3, 1));
  SendMessageA(h, WM_KEYDOWN, 'D', 0);
  SendMessageA(h, WM_RBUTTONUP, 0, fnAt(3, 1));
  EXPECT_EQ(0, fnBlock(2, 1));
  EXPECT_EQ(0, fnBlock(3, 1));
  ASSERT_EQ(2, st.m_nBrushWidth);
  ASSERT_EQ(2u, st.m_vBrushBlock.size());
  EXPECT_EQ(3, st.m_vBrushBlock[1].m_nGraphic);
  Command(ID_STAGE_UNDO);
  EXPECT_EQ(3, fnBlock(2, 1));
}

// The stage window with the system's own mouse: the cursor moved over it and the buttons pressed
// through the system's input, as the idle step reads them when a drag leaves the view.
class StageWndMouseTest : public StageWndTest {
 protected:
  void SetUp() override {
    StageWndTest::SetUp();
    if (HasFatalFailure()) return;
    Stage.m_nUndoDepth = 3;
    StageEditState.AllocUndo(3, Stage.m_nPitch, Stage.m_nHeight);
    cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
    ScrollTo(0, 0);
    cStageEditState& st = StageEditState;
    st.m_vBrushBlock.assign(1, cEdBlock());
    st.m_vBrushBlock[0].m_nGraphic = 3;
    st.m_nBrushWidth = st.m_nBrushHeight = 1;
    // Nothing stands over the view where the cursor goes.
    for (cDialog* p : m_lpWnd->m_lpTool)
      if (p && p->m_hWnd) ShowWindow(p->m_hWnd, SW_HIDE);
    SetWindowPos(m_lpWnd->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  void TearDown() override {
    // No button is left down for the tests after this one.
    if (IsButtonHeld(VK_LBUTTON)) Button(MOUSEEVENTF_LEFTUP);
    if (IsButtonHeld(VK_RBUTTON)) Button(MOUSEEVENTF_RIGHTUP);
    StageWndTest::TearDown();
  }
  // The middle of a view cell, in the stage window's client coordinates.
  POINT CellPoint(int32_t c, int32_t r) const {
    return POINT{m_lpWnd->m_nViewX + c * 32 + 16, m_lpWnd->m_nViewY + r * 32 + 16};
  }
  // Below the view, over the status bar: a point the view's own messages never see.
  POINT BelowView(int32_t c) const {
    return POINT{m_lpWnd->m_nViewX + c * 32 + 16, m_lpWnd->m_nViewY + m_lpWnd->m_nViewH + 8};
  }
  void PutCursor(POINT pt) {
    ClientToScreen(m_lpWnd->m_hWnd, &pt);
    SetCursorPos(pt.x, pt.y);
    DropMouseMessages();
  }
  // Presses or lets go a button through the system's input and waits until the system sees it.
  // The messages that input makes are dropped: the test hands the window what the view would.
  static bool Button(DWORD dwFlags) {
    const bool bSeen = PressMouseButton(dwFlags);
    DropMouseMessages();
    return bSeen;
  }
  // A press in the view: the system's button goes down with the cursor on the cell and the
  // window is handed the press, as the view passes it on.
  void PressIn(int32_t c, int32_t r, bool bRight) {
    PutCursor(CellPoint(c, r));
    ASSERT_TRUE(Button(bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN));
    const POINT pt = CellPoint(c, r);
    SendMessageA(m_lpWnd->m_hWnd, bRight ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, bRight ? MK_RBUTTON : MK_LBUTTON,
                 MAKELPARAM(pt.x, pt.y));
  }
  // Lets the button go where the cursor is; the idle step then sees the release.
  void Release(bool bRight) {
    ASSERT_TRUE(Button(bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP));
    m_lpWnd->Frame();
  }
  static int32_t BlockAt(int32_t x, int32_t y) { return Stage.m_vBlockGrid[Stage.CellIndex(x, y)].m_nGraphic; }
  // The row of the view's last line of cells, where a cursor below the view is taken to be.
  int32_t LastViewRow() const { return m_lpWnd->m_nViewRow + (m_lpWnd->m_nViewH - 1) / 32; }
};

// A line or a rectangle dragged out of the view goes on at the view's edge and ends where the
// button is let go there; a second press out there gives the drag up.
TEST_F(StageWndMouseTest, LineAndRectangleDragsGoOnOutsideTheViewUntilReleased) {
  cStageEditState& st = StageEditState;
  for (int32_t nTool : {1, 2}) {
    SCOPED_TRACE(nTool == 1 ? "line" : "rectangle");
    cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
    st.SetTool(nTool);
    PressIn(2, 1, false);
    ASSERT_EQ(1, st.m_bDragging);
    PutCursor(BelowView(2));
    // Held below the view, the cursor is on the view's last row, in the column it went out at
    // (the view may scroll on after that).
    const int32_t nRow = LastViewRow();
    m_lpWnd->Frame();
    EXPECT_EQ(2, MouseState.m_pCur->m_nX);
    EXPECT_EQ(nRow, MouseState.m_pCur->m_nY);
    EXPECT_EQ(1, st.m_bDragging);
    EXPECT_EQ(0, BlockAt(2, 1));  // nothing is placed while the button is held
    // The preview shows the brush on the cells it will fill, and only there.
    m_lpWnd->Draw();
    const int32_t nViewY = (nRow - m_lpWnd->m_nViewRow) * 32 + 16;
    EXPECT_NE(0u, BackPixel(2 * 32 + 16, nViewY));
    EXPECT_EQ(0u, BackPixel(3 * 32 + 16, nViewY));
    Release(false);
    const int32_t nEnd = MouseState.m_pCur->m_nY;
    EXPECT_EQ(LastViewRow(), nEnd);
    EXPECT_EQ(0, st.m_bDragging);
    EXPECT_EQ(3, BlockAt(2, 1));
    EXPECT_EQ(3, BlockAt(2, nEnd));
    EXPECT_EQ(3, BlockAt(2, (1 + nEnd) / 2));
    EXPECT_EQ(0, BlockAt(3, 1));
    EXPECT_EQ(UNDO_BLOCK, StageEditState.m_Undo.Mask(0));
    ScrollTo(0, 0);
  }
  // Pressed again while out of the view: the drag is given up and nothing is drawn.
  cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
  PressIn(2, 1, false);
  Release(false);  // still in the view: the window is not told, the drag goes on
  PutCursor(BelowView(4));
  ASSERT_TRUE(Button(MOUSEEVENTF_LEFTDOWN));
  m_lpWnd->Frame();
  EXPECT_EQ(0, st.m_bDragging);
  Release(false);
  EXPECT_EQ(0, BlockAt(2, 1));
  EXPECT_EQ(0, BlockAt(4, LastViewRow()));
}

// The right button's area goes on outside the view too; let go there, it becomes the brush.
TEST_F(StageWndMouseTest, AreaDragGoesOnOutsideTheViewAndItsReleaseTakesTheArea) {
  cStageEditState& st = StageEditState;
  st.SetTool(0);
  Stage.m_vBlockGrid[Stage.CellIndex(1, 1)].m_nGraphic = 5;
  PressIn(1, 1, true);
  ASSERT_EQ(TOOL_KIND_AREA, st.m_nToolGroup);
  PutCursor(BelowView(3));
  const int32_t nRow = LastViewRow();
  m_lpWnd->Frame();
  EXPECT_EQ(3, st.m_nBrushWidth);
  EXPECT_EQ(nRow, st.m_nBrushHeight);  // rows 1 to nRow
  EXPECT_EQ(1, st.m_bDragging);
  Release(true);
  const int32_t nEnd = MouseState.m_pCur->m_nY;
  EXPECT_EQ(0, st.m_bDragging);
  EXPECT_NE(TOOL_KIND_AREA, st.m_nToolGroup);
  ASSERT_EQ(3, st.m_nBrushWidth);
  ASSERT_EQ(nEnd, st.m_nBrushHeight);
  ASSERT_EQ(static_cast<size_t>(3 * nEnd), st.m_vBrushBlock.size());
  EXPECT_EQ(5, st.m_vBrushBlock[0].m_nGraphic);
  EXPECT_EQ(5, BlockAt(1, 1));  // taken, not cut
}

// The parameter tool, or a double click of the right button, opens the data sheet of what the
// cell holds: the current layer's record, else another layer's, which becomes the current one.
TEST_F(StageWndMouseTest, EditingACellOpensTheSheetOfTheLayerThatHoldsIt) {
  cStageEditState& st = StageEditState;
  const int32_t nBlockCell = Stage.CellIndex(1, 1);
  Stage.m_vBlockGrid[nBlockCell].m_nGraphic = 5;
  Stage.m_vCharaGrid.Erase(nBlockCell);
  Stage.m_vItemGrid.Erase(nBlockCell);
  int32_t nItemX = 3, nItemY = 2;
  ASSERT_TRUE(FindPlaced(Stage.m_vItemGrid, nItemX, nItemY));
  struct {
    const char* pszName;
    int32_t nLayer;  // the current layer when the cell is edited
    int32_t x, y;
    UINT uMsg;
    const char* pszCaption;
    int32_t nEditedLayer;
  } const aCases[] = {
      {"block by the tool", LAYER_BLOCK, 1, 1, WM_LBUTTONDOWN, "ブロックデータ", LAYER_BLOCK},
      {"item by the tool", LAYER_ITEM, nItemX, nItemY, WM_LBUTTONDOWN, "アイテムデータ", LAYER_ITEM},
      {"block from the item layer", LAYER_ITEM, 1, 1, WM_RBUTTONDBLCLK, "ブロックデータ", LAYER_BLOCK},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    st.SwitchLayer(c.nLayer);
    st.SetTool(4);
    const POINT pt = CellPoint(c.x - m_lpWnd->m_nViewCol, c.y - m_lpWnd->m_nViewRow);
    SendMessageA(m_lpWnd->m_hWnd, c.uMsg, c.uMsg == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    HWND hSheet = nullptr;
    ASSERT_TRUE(PumpThroughMainLoopUntil([&] { return (hSheet = FindWindowA(nullptr, c.pszCaption)) != nullptr; }));
    EXPECT_EQ(c.nEditedLayer, st.m_nLayer);
    EXPECT_EQ(EDIT_CELL, st.m_nEditContext);
    const int32_t nIndex = Stage.CellIndex(c.x, c.y);
    if (c.nEditedLayer == LAYER_BLOCK)
      EXPECT_EQ(&Stage.m_vBlockGrid[nIndex], st.m_lpBlockTarget);
    else
      EXPECT_EQ(&Stage.m_vItemGrid[nIndex], st.m_lpItemTarget);
    PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(PumpThroughMainLoopUntil([&] { return !IsWindow(hSheet); }));
    EXPECT_TRUE(PumpThroughMainLoopUntil([&] { return IsWindowEnabled(m_lpWnd->m_hWnd) != 0; }));
  }
}

TEST_F(StageWndTest, ClosingRemembersWhereTheWindowStood) {
  SetWindowPos(m_lpWnd->m_hWnd, nullptr, 120, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT rc;
  GetWindowRect(m_lpWnd->m_hWnd, &rc);
  DestroyWindow(m_lpWnd->m_hWnd);
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_STAGE];
  EXPECT_EQ(1, place.m_bValid);
  EXPECT_EQ(rc.left, place.m_nX);
  EXPECT_EQ(rc.top, place.m_nY);
}

// The project-level sheets open from the stage window's commands, with the stage window disabled,
// and give it back when they close.
TEST_F(StageWndTest, SystemAndProjectOptionSheetsOpenFromTheirCommandsAndGiveTheWindowBack) {
  struct {
    uint16_t wId;
    const char* pszCaption;
  } sheets[] = {{ID_SYSTEM, "システムの設定"}, {ID_PRJ_OPTION, "プロジェクトオプション"},
                {ID_DATABASE, "データベース"}};
  for (auto& c : sheets) {
    SCOPED_TRACE(c.pszCaption);
    Command(c.wId);
    HWND hSheet = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (hSheet = FindWindowA(nullptr, c.pszCaption)) != nullptr; }));
    EXPECT_FALSE(IsWindowEnabled(m_lpWnd->m_hWnd));
    PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    // The main loop's pre-translation destroys a closed sheet at the next message.
    ASSERT_TRUE(PumpThroughMainLoopUntil([&] { return !IsWindow(hSheet); }));
    EXPECT_TRUE(IsWindowEnabled(m_lpWnd->m_hWnd));
  }
}

// The bitmap tool runs modally from its command, with the stage window disabled until it closes.
TEST_F(StageWndTest, BitmapToolRunsFromItsCommandAndGivesTheWindowBack) {
  int nShown = 0;
  bool bStageDisabled = false;
  cAnswerWhenUp<cBmpConvDlg> close([&](cBmpConvDlg* p) {
    ++nShown;
    bStageDisabled = !IsWindowEnabled(m_lpWnd->m_hWnd);
    PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BMP_CLOSE, BN_CLICKED), 0);
  });
  Command(ID_BITMAP_TOOL);
  EXPECT_EQ(1, nShown);
  EXPECT_TRUE(bStageDisabled);
  EXPECT_TRUE(IsWindowEnabled(m_lpWnd->m_hWnd));
}

TEST_F(StageWndTest, ToolbarTipsOfTheStageAndPaletteWindowsComeThroughTheToolbarsOwnTooltip) {
  EXPECT_TRUE(SendMessageA(m_lpWnd->m_hToolBar, TB_GETTOOLTIPS, 0, 0));
  EXPECT_STREQ("開く", m_lpWnd->ToolTipText(ID_TB_OPEN));
  EXPECT_STREQ("アイテムパレット", m_lpWnd->ToolTipText(ID_TB_LAYER_ITEM));
  EXPECT_STREQ("ゲーム全体のテストプレイ", m_lpWnd->ToolTipText(ID_TB_GAME_TESTPLAY));
  // What the toolbar's tooltip gets when it asks.
  NMTTDISPINFOA di = {};
  di.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(m_lpWnd->m_hToolBar, TB_GETTOOLTIPS, 0, 0));
  di.hdr.idFrom = ID_TB_SAVE;
  di.hdr.code = TTN_GETDISPINFOA;
  SendMessageA(m_lpWnd->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&di));
  ASSERT_TRUE(di.lpszText);
  EXPECT_STREQ("上書き保存", di.lpszText);
  cDialog* lpPalette = m_lpWnd->m_lpTool[cStageWnd::TOOL_COMMON_BLOCK];
  ASSERT_TRUE(lpPalette && lpPalette->m_hToolBar);
  EXPECT_TRUE(SendMessageA(lpPalette->m_hToolBar, TB_GETTOOLTIPS, 0, 0));
  int nTips = 0;
  for (int i = 0; i < static_cast<int>(SendMessageA(lpPalette->m_hToolBar, TB_BUTTONCOUNT, 0, 0)); ++i) {
    TBBUTTON b = {};
    SendMessageA(lpPalette->m_hToolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
    if (b.fsStyle != BTNS_SEP && lpPalette->ToolTipText(b.idCommand)) ++nTips;
  }
  EXPECT_EQ(7, nTips);  // the five tools and the two right-click modes
}

TEST_F(StageWndTest, ClosingTheStageRebuildsTheWindowWithNothingToEdit) {
  HWND hOld = m_lpWnd->m_hWnd;
  StageEditState.m_bStageChanged = 1;
  m_Boxes.Answer(IDNO);  // the changes are thrown away
  Command(ID_CLOSE_STAGE);
  EXPECT_EQ(1u, m_Boxes.Shown().size());
  ASSERT_TRUE(WaitForStageWindowRebuild(hOld));
  m_lpWnd = FrameWnd.m_lpStageWnd;
  ASSERT_TRUE(m_lpWnd);
  EXPECT_EQ(0, StageEditState.m_bStageOpen);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  char sz[64];
  GetWindowTextA(m_lpWnd->m_hWnd, sz, sizeof sz);
  EXPECT_STREQ("Kordane4", sz);
  EXPECT_EQ(0, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_TB_LAYER_BLOCK, 0));
  EXPECT_EQ(0, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_TB_SAVE, 0));
  EXPECT_EQ(TBSTATE_ENABLED, SendMessageA(m_lpWnd->m_hToolBar, TB_GETSTATE, ID_TB_OPEN, 0));
  EXPECT_TRUE(GetMenuState(GetMenu(m_lpWnd->m_hWnd), ID_CLEAR_BLOCKS, MF_BYCOMMAND) & MF_GRAYED);
  // The File menu's save needs a stage, its new and open do not.
  EXPECT_TRUE(GetMenuState(GetMenu(m_lpWnd->m_hWnd), ID_TB_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(GetMenu(m_lpWnd->m_hWnd), ID_TB_NEW, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(GetMenu(m_lpWnd->m_hWnd), ID_TB_OPEN, MF_BYCOMMAND) & MF_GRAYED);
  // Without a stage the layer, undo and clearing of the view do nothing and the view is black.
  Command(ID_TB_LAYER_ITEM);
  EXPECT_EQ(LAYER_BLOCK, StageEditState.m_nLayer);
  m_lpWnd->Draw();
  EXPECT_EQ(0u, BackPixel(0, 10));
}

}  // namespace
