// The six palette windows, started with the real stage window on the sample project's demo stage:
// what they draw, picking an entry into the brush, following the layer, the toolbar's tool and
// right-click mode, and the status text of the selected entry.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "startup/StartUp.h"
#include "controls/CtrlBind.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/PaletteWnd.h"
#include "resources/PaletteIds.h"
#include "resources/StageIds.h"
#include "controls/GraphicDraw.h"
#include "stage/StageWnd.h"
#include "support/EditorSession.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

class PaletteWndTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpStage = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpStage);
    ASSERT_EQ(1, StageEditState.m_bStageOpen);
    DrainMessages();
  }
  void TearDown() override { ShutDownStartedEditor(); }
  static bool Visible(int32_t nFlag, int32_t nKind) {
    cPaletteWnd* p = cPaletteWnd::Instance(nFlag, nKind);
    return p && p->m_hWnd && IsWindowVisible(p->m_hWnd);
  }
  static uint32_t BackPixel(const cSurface& s, int x, int y) {
    uint32_t v;
    memcpy(&v, s.m_pBits + y * s.Pitch() + x * 4, 4);
    return v & 0xFFFFFF;
  }
  // Puts the cursor over a dot of the window's view and clicks there.
  static void ClickAt(cPaletteWnd* p, int x, int y) {
    POINT pt = {p->m_nViewX + x, p->m_nViewY + y};
    ClientToScreen(p->m_hWnd, &pt);
    SetCursorPos(pt.x, pt.y);
    SendMessageA(p->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(p->m_hWnd, WM_LBUTTONUP, 0, 0);
  }
  static std::string StatusBarText(cPaletteWnd* p) {
    char sz[128] = "";
    SendMessageA(p->m_hStatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(sz));
    return sz;
  }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpStage = nullptr;
};

// The inside of a cell of the window's back buffer equals the entry drawn alone.
template <class T>
void ExpectCellShows(cPaletteWnd* p, const T& rec, int32_t nIndex) {
  cSurface chip;
  ASSERT_EQ(1, chip.Create(32, 32, 32, 0));
  chip.Fill(0);
  DrawEntryGraphic(chip, 0, 0, rec, 0);
  GdiFlush();
  const cSurface& back = p->m_ViewCtrl.m_Surface;
  int px = nIndex % 8 * 32, py = nIndex / 8 * 32;
  int nLit = 0, nSame = 0;
  for (int j = 3; j < 29; ++j)
    for (int i = 3; i < 29; ++i) {
      uint32_t v;
      memcpy(&v, chip.m_pBits + j * chip.Pitch() + i * 4, 4);
      v &= 0xFFFFFF;
      nLit += v != 0;
      uint32_t b;
      memcpy(&b, back.m_pBits + (py + j) * back.Pitch() + (px + i) * 4, 4);
      nSame += (b & 0xFFFFFF) == v;
    }
  EXPECT_GT(nLit, 50) << p->m_nPaletteFlag << "/" << p->m_nRecordKind;
  EXPECT_EQ(26 * 26, nSame) << p->m_nPaletteFlag << "/" << p->m_nRecordKind;
}

TEST_F(PaletteWndTest, EachWindowDrawsItsOwnPaletteUnderItsTitleUpToTheLastEntry) {
  struct {
    int32_t nFlag, nKind;
    const char* pszTitle;
  } aCases[] = {
      {0, 0, "[コモン]ブロックパレット"}, {1, 0, "[ステージ]ブロックパレット"},
      {0, 1, "[コモン]キャラパレット"},   {1, 1, "[ステージ]キャラパレット"},
      {0, 2, "[コモン]アイテムパレット"}, {1, 2, "[ステージ]アイテムパレット"},
  };
  for (const auto& c : aCases) {
    cPaletteWnd* p = cPaletteWnd::Instance(c.nFlag, c.nKind);
    ASSERT_TRUE(p && p->m_hWnd) << c.pszTitle;
    char sz[64];
    GetWindowTextA(p->m_hWnd, sz, sizeof sz);
    EXPECT_EQ(std::string(c.pszTitle), sz);
    EXPECT_EQ(256, p->m_nViewW);
    p->Draw();
    const int32_t n = p->GetEntryCount();
    ASSERT_GE(n, 2);
    if (c.nKind == 0) ExpectCellShows(p, (*p->m_lpvBlock)[1], 1);
    if (c.nKind == 1) ExpectCellShows(p, (*p->m_lpvChara)[1], 1);
    if (c.nKind == 2) ExpectCellShows(p, (*p->m_lpvItem)[1], 1);  // full size, unlike on the stage
    // The view ends at the last row of entries; the cell after the last entry stays black.
    EXPECT_EQ(((n - 1) / 8 + 1) * 32, p->m_nViewH) << c.pszTitle;
    if (n % 8 != 0) EXPECT_EQ(0u, BackPixel(p->m_ViewCtrl.m_Surface, n % 8 * 32 + 16, (n / 8) * 32 + 16));
  }
  EXPECT_EQ(&CommonPalette.m_vBlock, cPaletteWnd::Instance(0, 0)->m_lpvBlock);
  EXPECT_EQ(&Stage.m_vPalItem, cPaletteWnd::Instance(1, 2)->m_lpvItem);
}

TEST_F(PaletteWndTest, AClickPicksTheEntryIntoTheBrushInheritingFromItAndMovesTheFrame) {
  cPaletteWnd* lpCommon = cPaletteWnd::Instance(0, 0);
  cPaletteWnd* lpStage = cPaletteWnd::Instance(1, 0);
  ASSERT_TRUE(Visible(1, 0));
  ASSERT_GE(lpStage->GetEntryCount(), 2);
  // Elements placed from the stage palette inherit from it by default, the first group only.
  PrjOption.m_anDefInheritPal[INHERIT_PLACE_STAGE][0] = 2;
  cChkVector<uint8_t>& vFlags = PrjOption.DefFlags(INHERIT_PLACE_STAGE, 0);
  vFlags.assign(cEdBlock::INHERIT_GROUPS, 0);
  vFlags[0] = 1;
  ClickAt(lpStage, 32 + 5, 5);  // entry 1
  cStageEditState& st = StageEditState;
  EXPECT_EQ(1, st.m_nBrushPalette);
  EXPECT_EQ(1, st.m_nBrushEntry);
  EXPECT_EQ(1, st.m_nBrushWidth);
  EXPECT_EQ(1, st.m_nBrushHeight);
  const cEdBlock& entry = Stage.m_vPalBlock[1];
  const cEdBlock& brush = st.m_vBrushBlock[0];
  EXPECT_EQ(entry.m_nGraphic, brush.m_nGraphic);
  EXPECT_EQ(entry.m_strName, brush.m_strName);
  EXPECT_EQ(2, brush.m_nInheritPal);
  EXPECT_EQ(1, brush.m_nInheritNo);
  EXPECT_EQ(static_cast<std::vector<uint8_t>>(vFlags), static_cast<std::vector<uint8_t>>(brush.m_bbInherit));
  // The selection frame and the status text are in the stage window only.
  lpCommon->Draw();
  lpStage->Draw();
  EXPECT_EQ("1 : " + entry.m_strName, StatusBarText(lpStage));
  EXPECT_EQ("", StatusBarText(lpCommon));
  EXPECT_EQ(0xFFFFFFu, BackPixel(lpStage->m_ViewCtrl.m_Surface, 32 + 16, 0));
  EXPECT_NE(0xFFFFFFu, BackPixel(lpCommon->m_ViewCtrl.m_Surface, 32 + 16, 0));
  // Past the last entry nothing changes.
  int32_t n = lpStage->GetEntryCount();
  if (n % 8 != 0) {
    ClickAt(lpStage, 7 * 32 + 5, (n - 1) / 8 * 32 + 5);
    EXPECT_EQ(1, st.m_nBrushPalette);
    EXPECT_EQ(1, st.m_nBrushEntry);
  }
  // Then in the common window: the one selection moves there.
  ClickAt(lpCommon, 2 * 32 + 5, 5);
  EXPECT_EQ(0, st.m_nBrushPalette);
  EXPECT_EQ(2, st.m_nBrushEntry);
  lpStage->Draw();
  EXPECT_EQ("", StatusBarText(lpStage));
}

TEST_F(PaletteWndTest, ABrushEntryPastTheEndOfItsPaletteFallsBackToEntryZero) {
  cStageEditState& st = StageEditState;
  st.m_nBrushPalette = 0;
  st.m_nBrushEntry = static_cast<int32_t>(CommonPalette.m_vChara.size());
  st.m_vBrushChara[0] = CommonPalette.m_vChara[1];
  cPaletteWnd::Instance(1, 1)->SelectToBrush();
  EXPECT_EQ(0, st.m_nBrushEntry);
  EXPECT_EQ(CommonPalette.m_vChara[0].m_nGraphic, st.m_vBrushChara[0].m_nGraphic);
  EXPECT_EQ(0, st.m_vBrushChara[0].m_nInheritPal);
  // -1 (after an area copy) leaves the brush alone.
  st.m_nBrushEntry = -1;
  st.m_vBrushChara[0] = CommonPalette.m_vChara[1];
  cPaletteWnd::Instance(1, 1)->SelectToBrush();
  EXPECT_EQ(CommonPalette.m_vChara[1].m_nGraphic, st.m_vBrushChara[0].m_nGraphic);
}

TEST_F(PaletteWndTest, TheLayerSwitchShowsOnlyThatLayersTwoWindows) {
  struct {
    uint16_t wCommand;
    int32_t nLayer;
  } aCases[] = {{ID_TB_LAYER_CHARA, 1}, {ID_TB_LAYER_ITEM, 2}, {ID_TB_LAYER_BLOCK, 0}};
  for (const auto& c : aCases) {
    SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, c.wCommand, 0);
    ASSERT_EQ(c.nLayer, StageEditState.m_nLayer);
    for (int32_t k = 0; k < 3; ++k)
      for (int32_t f = 0; f < 2; ++f) EXPECT_EQ(k == c.nLayer, Visible(f, k)) << c.nLayer << k << f;
  }
}

TEST_F(PaletteWndTest, ToolbarChoosesTheToolAndTheRightClickModeOnBothWindowsOfTheLayer) {
  cPaletteWnd* lpCommon = cPaletteWnd::Instance(0, 0);
  cPaletteWnd* lpStage = cPaletteWnd::Instance(1, 0);
  struct {
    uint16_t wId;
    int32_t nTool;
  } aTools[] = {{ID_TOOL_LINE, 1}, {ID_TOOL_RECT, 2}, {ID_TOOL_FILL, 3}, {ID_TOOL_PARAM, 4},
                {ID_TOOL_PEN, 0}};
  for (const auto& c : aTools) {
    SendMessageA(lpCommon->m_hWnd, WM_COMMAND, c.wId, 0);
    EXPECT_EQ(c.nTool, StageEditState.m_nTool);
    EXPECT_TRUE(SendMessageA(lpStage->m_hToolBar, TB_ISBUTTONCHECKED, c.wId, 0)) << c.wId;
  }
  EXPECT_FALSE(SendMessageA(lpStage->m_hToolBar, TB_ISBUTTONCHECKED, ID_TOOL_PARAM, 0));
  StageEditState.PaletteClipboard.m_bHasData = 1;
  SendMessageA(lpStage->m_hWnd, WM_COMMAND, ID_RCLICK_MENU, 0);
  EXPECT_EQ(1, StageEditState.m_nRightClickMode);
  EXPECT_EQ(0, StageEditState.PaletteClipboard.m_bHasData);
  EXPECT_TRUE(SendMessageA(lpCommon->m_hToolBar, TB_ISBUTTONCHECKED, ID_RCLICK_MENU, 0));
  EXPECT_FALSE(SendMessageA(lpCommon->m_hToolBar, TB_ISBUTTONCHECKED, ID_RCLICK_EDIT, 0));
  // A tool chosen on the block layer shows on the character layer's windows after the switch.
  SendMessageA(lpCommon->m_hWnd, WM_COMMAND, ID_TOOL_FILL, 0);
  SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_TB_LAYER_CHARA, 0);
  for (int32_t f = 0; f < 2; ++f)
    EXPECT_TRUE(SendMessageA(cPaletteWnd::Instance(f, 1)->m_hToolBar, TB_ISBUTTONCHECKED, ID_TOOL_FILL, 0));
}

TEST_F(PaletteWndTest, RightClickInEditModeMakesTheEntryTheEditTargetAndTheSameBrushAsALeftClick) {
  cPaletteWnd* p = cPaletteWnd::Instance(0, 0);
  ASSERT_EQ(0, StageEditState.m_nRightClickMode);
  // Elements placed from the common palette inherit from it by default, the first group only.
  PrjOption.m_anDefInheritPal[INHERIT_PLACE_COMMON][0] = 1;
  cChkVector<uint8_t>& vFlags = PrjOption.DefFlags(INHERIT_PLACE_COMMON, 0);
  vFlags.assign(cEdBlock::INHERIT_GROUPS, 0);
  vFlags[0] = 1;
  cStageEditState& st = StageEditState;
  ClickAt(p, 2 * 32 + 5, 5);
  ASSERT_EQ(2, st.m_nBrushEntry);
  const cEdBlock byLeft = st.m_vBrushBlock[0];
  st.m_vBrushBlock[0] = cEdBlock();
  st.m_nBrushEntry = 1;
  POINT pt = {p->m_nViewX + 2 * 32 + 5, p->m_nViewY + 5};
  ClientToScreen(p->m_hWnd, &pt);
  SetCursorPos(pt.x, pt.y);
  SendMessageA(p->m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  EXPECT_EQ(EDIT_COMMON_PALETTE, st.m_nEditContext);
  EXPECT_EQ(&CommonPalette.m_vBlock[2], st.m_lpBlockTarget);
  EXPECT_EQ(0, st.m_nBrushPalette);
  EXPECT_EQ(2, st.m_nBrushEntry);
  // The entry's data sheet opens, kept by the window, and every other window waits for it.
  ASSERT_TRUE(p->m_lpBlockSheet);
  EXPECT_EQ(static_cast<void*>(p->m_lpBlockSheet), static_cast<void*>(st.m_lpBlockSheet));
  EXPECT_FALSE(IsWindowEnabled(m_lpStage->m_hWnd));
  const cEdBlock& byRight = st.m_vBrushBlock[0];
  EXPECT_EQ(1, byRight.m_nInheritPal);
  EXPECT_EQ(2, byRight.m_nInheritNo);
  EXPECT_TRUE(byLeft == byRight);
  EXPECT_EQ(static_cast<std::vector<uint8_t>>(byLeft.m_bbInherit),
            static_cast<std::vector<uint8_t>>(byRight.m_bbInherit));
  // The sheet's closing gives the brush back the same way.
  st.m_vBrushBlock[0] = cEdBlock();
  m_lpStage->OnBlockDataClosed();
  EXPECT_TRUE(byLeft == st.m_vBrushBlock[0]);
  EXPECT_EQ(2, st.m_vBrushBlock[0].m_nInheritNo);
  p->OpenEntryData(p->GetEntryCount());
  EXPECT_EQ(2, st.m_nBrushEntry);
}

TEST_F(PaletteWndTest, WheelUpScrollsByItsNotchesAndAnyTurnDownByOneRow) {
  // Enough entries for several rows, and a short window.
  CommonPalette.m_vBlock.resize(8 * 6);
  cPaletteWnd* p = cPaletteWnd::Instance(0, 0);
  p->UpdateScrollBar();
  p->SetClientSize(p->m_rcClient.right, 64 + g_nToolBarHeight + g_nStatusBarHeight);
  SendMessageA(p->m_hWnd, WM_SIZE, 0, 0);
  ASSERT_EQ(0, p->m_nScrollRow);
  SendMessageA(p->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120 * 3)), 0);
  EXPECT_EQ(1, p->m_nScrollRow);
  SendMessageA(p->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(2, p->m_nScrollRow);
  SendMessageA(p->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(1, p->m_nScrollRow);
  // Drawn from the scroll row: the top-left cell is entry 8 now.
  StageEditState.m_nBrushEntry = -1;
  CommonPalette.m_vBlock[8] = CommonPalette.m_vBlock[1];
  p->Draw();
  ExpectCellShows(p, CommonPalette.m_vBlock[8], 0);
}

TEST_F(PaletteWndTest, WithoutAStoredPlaceTheWindowsStandRightOfTheStageWindowOneBelowTheOther) {
  RECT rcStage, rcCli, rcCommon, rcOwn;
  GetWindowRect(m_lpStage->m_hWnd, &rcStage);
  GetClientRect(m_lpStage->m_hWnd, &rcCli);
  for (int32_t k = 0; k < 3; ++k) {
    ASSERT_FALSE(EditConfig.m_aPlace[PLACE_COMMON_BLOCK + 2 * k].m_bValid);
    GetWindowRect(cPaletteWnd::Instance(0, k)->m_hWnd, &rcCommon);
    GetWindowRect(cPaletteWnd::Instance(1, k)->m_hWnd, &rcOwn);
    EXPECT_EQ(rcStage.left + rcCli.right + 8, rcCommon.left) << k;
    EXPECT_EQ(rcStage.top + 8, rcCommon.top) << k;
    EXPECT_EQ(rcCommon.left, rcOwn.left) << k;
    EXPECT_EQ(rcStage.top + (rcCommon.bottom - rcCommon.top) + 8, rcOwn.top) << k;
  }
}

TEST_F(PaletteWndTest, DestroyingAWindowStoresItsPlaceAndWritesTheConfiguration) {
  DeleteFileA(EDIT_CONFIG_FILE);
  cPaletteWnd* p = cPaletteWnd::Instance(1, 2);
  SetWindowPos(p->m_hWnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int32_t nViewH = p->m_nViewH;
  SafeDelete(m_lpStage->m_lpTool[cStageWnd::TOOL_STAGE_ITEM]);
  EXPECT_EQ(nullptr, cPaletteWnd::Instance(1, 2));
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_STAGE_ITEM];
  EXPECT_EQ(1, place.m_bValid);
  EXPECT_EQ(300, place.m_nX);
  EXPECT_EQ(200, place.m_nY);
  EXPECT_EQ(256, place.m_nWidth);
  EXPECT_EQ(nViewH, place.m_nHeight);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(EDIT_CONFIG_FILE));
}

TEST_F(PaletteWndTest, StageKeysAndCommandsGivenInAPaletteWindowReachTheStageWindow) {
  cPaletteWnd* p = cPaletteWnd::Instance(1, 1);
  SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_TB_LAYER_CHARA, 0);
  SendMessageA(p->m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(2, StageEditState.m_nLayer);
  // The accelerator table's commands for the space key and F5 are not second presses.
  SendMessageA(p->m_hWnd, WM_COMMAND, ID_ACC_SPACE, 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, ID_ACC_F5, 0);
  EXPECT_EQ(2, StageEditState.m_nLayer);
  // Ctrl+Z: the stage window's undo.
  m_Boxes.Answer(IDYES);
  SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_CLEAR_ITEMS, 0);
  bool bCleared = true;
  for (const cEdItem& i : Stage.m_vItemGrid) bCleared = bCleared && i.m_nGraphic == 0;
  ASSERT_TRUE(bCleared);
  SendMessageA(cPaletteWnd::Instance(1, 2)->m_hWnd, WM_COMMAND, ID_STAGE_UNDO, 0);
  int32_t nItems = 0;
  for (const cEdItem& i : Stage.m_vItemGrid) nItems += i.m_nGraphic != 0;
  EXPECT_GT(nItems, 0);
}

TEST_F(PaletteWndTest, OneSpacePressInAPaletteWindowSwitchesTheLayerOnce) {
  int32_t nSteps = 0;
  ASSERT_TRUE(Retried([&] {
    const int32_t nStart = StageEditState.m_nLayer;
    cPaletteWnd* p = cPaletteWnd::Instance(1, nStart);
    if (!p || !Activate(p->m_hWnd)) return false;
    InjectKey(VK_SPACE);
    // Until the key's release has come through the main loop's handling, and a round more for
    // what the press posted.
    PumpThroughMainLoopUntil([&] { return StageEditState.m_nLayer != nStart && GetKeyState(VK_SPACE) >= 0; });
    PumpThroughMainLoopUntil([] { return true; });
    nSteps = (StageEditState.m_nLayer - nStart + 3) % 3;
    return nSteps != 0;
  }));
  EXPECT_EQ(1, nSteps);
}

}  // namespace
