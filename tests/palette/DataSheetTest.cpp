// The block, character and item data sheets on the sample project's demo stage, with the real
// stage and palette windows: what a commit writes in each edit context, stepping over the palette
// copy, the inheritance and operator rules of the pages, and the refused distance-condition paste.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "startup/StartUp.h"
#include "flow/CondListCtrl.h"
#include "flow/CmdDlg.h"
#include "flow/CmdPaletteDlg.h"
#include "flow/CondKindDlg.h"
#include "flow/FlowPage.h"
#include "flow/FlowTextContext.h"
#include "flow/ItemAcquirePage.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/BlockDataDlg.h"
#include "palette/CharaAbilityPage.h"
#include "palette/CharaBasicPage.h"
#include "palette/CharaViewPage.h"
#include "palette/DataSheets.h"
#include "palette/ItemBasicPage.h"
#include "palette/PaletteWnd.h"
#include "resources/CmdDialogIds.h"
#include "resources/FlowPageIds.h"
#include "resources/ItemAcquirePageIds.h"
#include "resources/ListIds.h"
#include "resources/StageIds.h"
#include "stage/StageWnd.h"
#include "support/AnswerWhenUp.h"
#include "support/EditorSession.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"
#include "support/TypedSteps.h"

namespace {

const int ID_NAME = 1002;
const int ID_INHERIT_PAL = 1268;

void Type(cDialog* p, int nId, const char* pszText) { SetDlgItemTextA(p->m_hWnd, nId, pszText); }
void Choose(cDialog* p, int nId, int nPos) {
  HWND hCombo = GetDlgItem(p->m_hWnd, nId);
  SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}
void Click(cDialog* p, int nId) {
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, nId)));
}
std::string TextOf(cDialog* p, int nId) {
  char sz[512] = "";
  GetDlgItemTextA(p->m_hWnd, nId, sz, sizeof sz);
  return sz;
}
bool Enabled(cDialog* p, int nId) { return IsWindowEnabled(GetDlgItem(p->m_hWnd, nId)) != FALSE; }
std::string TabText(HWND hSheet, int nPage) {
  HWND hTab = reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0));
  char sz[64] = "";
  TCITEMA ti = {};
  ti.mask = TCIF_TEXT;
  ti.pszText = sz;
  ti.cchTextMax = sizeof sz;
  SendMessageA(hTab, TCM_GETITEMA, static_cast<WPARAM>(nPage), reinterpret_cast<LPARAM>(&ti));
  return sz;
}

// The appearance-condition list and its buttons 挿入, 編集 and 削除.
const int COND_CTRLS[] = {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE};

// A click of the author's on 挿入 of the page, through the system's mouse, with the sheet moved
// into the screen: how many condition dialogs it opened (each is cancelled at once).
int ClickInsert(HWND hSheet, cDialog* p) {
  SetWindowPos(hSheet, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
  EXPECT_TRUE(Activate(hSheet));
  RECT rc;
  GetWindowRect(GetDlgItem(p->m_hWnd, IDC_COND_INSERT), &rc);
  SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  const int nBefore = cAnswerWhenUp<cCondKindDlg>::s_nAnswered;
  cAnswerWhenUp<cCondKindDlg> cancel([](cCondKindDlg* d) { PostMessageA(d->m_hWnd, WM_COMMAND, IDCANCEL, 0); });
  for (DWORD dwFlags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    SendInput(1, &in, sizeof in);
    // The system has the button as sent: its messages are queued.
    const bool bDown = dwFlags == MOUSEEVENTF_LEFTDOWN;
    EXPECT_TRUE(PumpUntil([&] { return ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0) == bDown; }));
  }
  DrainMessages();
  return cAnswerWhenUp<cCondKindDlg>::s_nAnswered - nBefore;
}

class DataSheetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpStage = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpStage);
    DrainMessages();
    CondClipboard.clear();
  }
  void TearDown() override {
    SafeDelete(m_lpSlot);
    ShutDownStartedEditor();
  }
  // Opens the sheet of a layer on what StageEditState names now, kept in the test's slot.
  void Open(int nLayer, int32_t nContext) {
    StageEditState.m_nEditContext = nContext;
    StageEditState.m_bStageChanged = 0;
    StageEditState.m_bPaletteChanged = 0;
    if (nLayer == LAYER_BLOCK) OpenBlockDataSheet(m_lpStage, &m_lpSlot);
    if (nLayer == LAYER_CHARA) OpenCharaDataSheet(m_lpStage, &m_lpSlot);
    if (nLayer == LAYER_ITEM) OpenItemDataSheet(m_lpStage, &m_lpSlot);
    ASSERT_TRUE(m_lpSlot);
    m_hSheet = m_lpSlot->m_hSheet;
    ASSERT_TRUE(m_hSheet);
    DrainMessages();
  }
  bool Press(int nButton) {
    PostMessageA(m_hSheet, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
    return PumpThroughMainLoopUntil([&] { return !IsWindow(m_hSheet) && !m_lpSlot; });
  }
  static int32_t CellIndex() { return Stage.CellIndex(2, 3); }
  // A computer character placed at (2, 3) with no inheritance.
  static cEdChara& PlaceChara(const char* pszName) {
    cEdChara& c = Stage.m_vCharaGrid[CellIndex()];
    c = cEdChara();
    c.m_nGraphic = 1;
    c.m_nControl = 1;
    c.m_strName = pszName;
    return c;
  }

  cTempDir m_Dir{true};
  cStageWnd* m_lpStage = nullptr;
  cPropSheet* m_lpSlot = nullptr;
  HWND m_hSheet = nullptr;
};

}  // namespace

TEST_F(DataSheetTest, PlacedElementCommitsAfterOneUndoStepThatRestoresIt) {
  struct cCase {
    const char* pszTyped;  // null: OK without a change
  } aCases[] = {{"新しい名前"}, {nullptr}};
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.pszTyped ? c.pszTyped : "(unchanged)");
    cEdChara& cell = PlaceChara("古い名前");
    StageEditState.m_lpCharaTarget = &cell;
    const int32_t nSteps = StageEditState.m_Undo.m_nCount;
    Open(LAYER_CHARA, EDIT_CELL);
    cCharaBasicPage* p = static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpBasic;
    EXPECT_EQ("古い名前", TextOf(p, ID_NAME));
    if (c.pszTyped) Type(p, ID_NAME, c.pszTyped);
    ASSERT_TRUE(Press(PSBTN_OK));
    EXPECT_EQ(c.pszTyped ? c.pszTyped : "古い名前", Stage.m_vCharaGrid[CellIndex()].m_strName);
    EXPECT_EQ(nSteps + 1, StageEditState.m_Undo.m_nCount);
    EXPECT_EQ(1, StageEditState.m_bStageChanged);
    EXPECT_EQ(0, StageEditState.m_bPaletteChanged);
    SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_MENU_UNDO, 0);
    EXPECT_EQ("古い名前", Stage.m_vCharaGrid[CellIndex()].m_strName);
    EXPECT_TRUE(IsWindowEnabled(m_lpStage->m_hWnd));
  }
}

TEST_F(DataSheetTest, PaletteEntryCommitStoresEveryVisitedEntryAndRefreshesInheritingCells) {
  ASSERT_GE(CommonPalette.m_vItem.size(), 3u);
  // A placed item that takes its name from common item 2.
  cEdItem& cell = Stage.m_vItemGrid[CellIndex()];
  cell = cEdItem();
  cell.m_nGraphic = 1;
  cell.m_nInheritPal = SRC_COMMON;
  cell.m_nInheritNo = 2;
  cell.m_bbInherit.assign(cEdItem::INHERIT_GROUPS, 0);
  cell.m_bbInherit[0] = 1;
  const std::string strOld1 = CommonPalette.m_vItem[1].m_strName;
  const std::string strOld2 = CommonPalette.m_vItem[2].m_strName;
  for (int nButton : {PSBTN_CANCEL, PSBTN_OK}) {
    SCOPED_TRACE(nButton);
    StageEditState.m_nBrushEntry = 1;
    StageEditState.m_lpItemTarget = &CommonPalette.m_vItem[1];
    Open(LAYER_ITEM, EDIT_COMMON_PALETTE);
    cItemBasicPage* p = static_cast<cItemDataSheet*>(m_lpSlot)->m_lpBasic;
    EXPECT_EQ("No.1", TextOf(p, IDC_DP_NO));
    Type(p, ID_NAME, "一番");
    Click(p, IDC_DP_NEXT);
    EXPECT_EQ("No.2", TextOf(p, IDC_DP_NO));
    EXPECT_EQ(strOld2, TextOf(p, ID_NAME));
    Type(p, ID_NAME, "二番");
    ASSERT_TRUE(Press(nButton));
    const bool bOk = nButton == PSBTN_OK;
    EXPECT_EQ(bOk ? "一番" : strOld1, CommonPalette.m_vItem[1].m_strName);
    EXPECT_EQ(bOk ? "二番" : strOld2, CommonPalette.m_vItem[2].m_strName);
    EXPECT_EQ(bOk ? 1 : 0, StageEditState.m_bPaletteChanged);
    EXPECT_EQ(0, StageEditState.m_bStageChanged);
    if (bOk) EXPECT_EQ("二番", Stage.m_vItemGrid[CellIndex()].m_strName);
  }
}

TEST_F(DataSheetTest, DefaultRecordCommitsInPlaceAndSetsNoFlag) {
  StageEditState.m_lpBlockTarget = &PrjOption.m_DefBlock;
  const int32_t nSteps = StageEditState.m_Undo.m_nCount;
  Open(LAYER_BLOCK, EDIT_DEFAULT);
  cBlockDataDlg* p = static_cast<cBlockDataSheet*>(m_lpSlot)->m_lpPage;
  EXPECT_FALSE(Enabled(p, ID_INHERIT_PAL));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(p->m_hWnd, IDC_DP_NEXT)));
  Type(p, ID_NAME, "既定ブロック");
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ("既定ブロック", PrjOption.m_DefBlock.m_strName);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  EXPECT_EQ(0, StageEditState.m_bPaletteChanged);
  EXPECT_EQ(nSteps, StageEditState.m_Undo.m_nCount);
}

TEST_F(DataSheetTest, StepsWrapInsideTheAuthorsEntries) {
  Stage.m_vPalChara.resize(4);
  for (int i = 1; i < 4; ++i) Stage.m_vPalChara[i].m_strName = "キャラ" + std::to_string(i);
  const int32_t nCount = 4;
  StageEditState.m_nBrushEntry = 1;
  StageEditState.m_lpCharaTarget = &Stage.m_vPalChara[1];
  Open(LAYER_CHARA, EDIT_STAGE_PALETTE);
  cCharaBasicPage* p = static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpBasic;
  Click(p, IDC_DP_PREV);
  EXPECT_EQ(nCount - 1, StageEditState.m_nBrushEntry);
  EXPECT_EQ("No." + std::to_string(nCount - 1), TextOf(p, IDC_DP_NO));
  EXPECT_EQ(Stage.m_vPalChara[nCount - 1].m_strName, TextOf(p, ID_NAME));
  Click(p, IDC_DP_NEXT);
  EXPECT_EQ(1, StageEditState.m_nBrushEntry);
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}

TEST_F(DataSheetTest, NoInheritanceClearsEveryFlagOfTheCharacter) {
  cEdChara& cell = PlaceChara("継承");
  cell.m_nInheritPal = SRC_COMMON;
  cell.m_nInheritNo = 1;
  cell.m_bbInherit.assign(cEdChara::INHERIT_GROUPS, 1);
  StageEditState.m_lpCharaTarget = &cell;
  Open(LAYER_CHARA, EDIT_CELL);
  cCharaBasicPage* p = static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpBasic;
  EXPECT_FALSE(Enabled(p, ID_NAME));
  Choose(p, ID_INHERIT_PAL, 0);
  EXPECT_TRUE(Enabled(p, ID_NAME));
  EXPECT_FALSE(Enabled(p, 1024));
  ASSERT_TRUE(Press(PSBTN_OK));
  const cEdChara& after = Stage.m_vCharaGrid[CellIndex()];
  EXPECT_EQ(0, after.m_nInheritPal);
  ASSERT_EQ(static_cast<size_t>(cEdChara::INHERIT_GROUPS), after.m_bbInherit.size());
  for (int i = 0; i < cEdChara::INHERIT_GROUPS; ++i) EXPECT_EQ(0, after.m_bbInherit[i]) << i;
}

TEST_F(DataSheetTest, PlayerCharacterDisablesConditionsAndClones) {
  const int ID_CLONES = 1259, ID_CONTROL = 1256;
  ASSERT_GE(CommonPalette.m_vChara.size(), 2u);
  ASSERT_EQ("主人公", CommonPalette.m_vChara[1].m_strName);
  ASSERT_EQ(0, CommonPalette.m_vChara[1].m_nControl);
  struct cCase {
    int32_t nContext;
    int8_t nControl;  // -1: as the palette has it
    bool bEnabled;
  } aCases[] = {{EDIT_STAGE_PALETTE, 0, false}, {EDIT_STAGE_PALETTE, 1, true}, {EDIT_COMMON_PALETTE, -1, false}};
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.nContext * 10 + c.nControl);
    StageEditState.m_nBrushEntry = 1;
    cEdChara& rec = c.nContext == EDIT_COMMON_PALETTE ? CommonPalette.m_vChara[1] : Stage.m_vPalChara[1];
    if (c.nControl >= 0) rec.m_nControl = c.nControl;
    rec.m_nInheritPal = 0;
    const size_t nConds = rec.m_vCond.size();
    StageEditState.m_lpCharaTarget = &rec;
    EditConfig.m_nCharaSheetPage = 0;
    Open(LAYER_CHARA, c.nContext);
    cCharaBasicPage* p = static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpBasic;
    for (int nId : COND_CTRLS) EXPECT_EQ(c.bEnabled, Enabled(p, nId)) << nId;
    EXPECT_EQ(c.bEnabled, Enabled(p, ID_CLONES));
    // The author's click on 挿入 asks for a condition only where the list is free.
    EXPECT_EQ(c.bEnabled ? 1 : 0, ClickInsert(m_hSheet, p));
    EXPECT_EQ(nConds, p->m_Work.m_vCond.size());
    // The operator is edited for palette entries, and switching it frees the sets.
    EXPECT_TRUE(Enabled(p, ID_CONTROL));
    Choose(p, ID_CONTROL, c.bEnabled ? 0 : 1);
    for (int nId : COND_CTRLS) EXPECT_EQ(!c.bEnabled, Enabled(p, nId)) << nId;
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
  // A placed character's operator is not edited here.
  StageEditState.m_lpCharaTarget = &PlaceChara("置いたキャラ");
  Open(LAYER_CHARA, EDIT_CELL);
  cCharaBasicPage* p = static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpBasic;
  EXPECT_FALSE(Enabled(p, ID_CONTROL));
  EXPECT_FALSE(Enabled(p, 1025));
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}

// Inherited appearance conditions are the source entry's: the list and its buttons are locked
// while the box is ticked, on the block, character and item pages alike.
TEST_F(DataSheetTest, InheritedConditionsLockTheListAndItsButtons) {
  struct cCase {
    int nLayer;
    int nBox;  // the "継承→" box of the conditions group
    int nFlag;
  } aCases[] = {{LAYER_BLOCK, 1025, 1}, {LAYER_CHARA, 1028, 4}, {LAYER_ITEM, 1025, 1}};
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.nLayer);
    auto Inherit = [&](auto& rec, int nGroups) {
      rec.m_nGraphic = 1;
      rec.m_nInheritPal = SRC_COMMON;
      rec.m_nInheritNo = 1;
      rec.m_bbInherit.assign(nGroups, 0);
      rec.m_bbInherit[c.nFlag] = 1;
    };
    cEdBlock& b = Stage.m_vBlockGrid[CellIndex()];
    b = cEdBlock();
    Inherit(b, cEdBlock::INHERIT_GROUPS);
    cEdChara& ch = PlaceChara("継承した条件");
    Inherit(ch, cEdChara::INHERIT_GROUPS);
    cEdItem& it = Stage.m_vItemGrid[CellIndex()];
    it = cEdItem();
    Inherit(it, cEdItem::INHERIT_GROUPS);
    StageEditState.m_lpBlockTarget = &b;
    StageEditState.m_lpCharaTarget = &ch;
    StageEditState.m_lpItemTarget = &it;
    EditConfig.m_nCharaSheetPage = 0;
    EditConfig.m_nItemSheetPage = 0;
    Open(c.nLayer, EDIT_CELL);
    cDialog* p = m_lpSlot->m_vPages[0];
    for (int nId : COND_CTRLS) EXPECT_FALSE(Enabled(p, nId)) << nId;
    EXPECT_EQ(0, ClickInsert(m_hSheet, p));
    // Taken back from the source, they are the record's own again.
    SendMessageA(GetDlgItem(p->m_hWnd, c.nBox), BM_CLICK, 0, 0);
    for (int nId : COND_CTRLS) EXPECT_TRUE(Enabled(p, nId)) << nId;
    EXPECT_EQ(1, ClickInsert(m_hSheet, p));
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
}

// Whatever a group or a computer-only set locks is a control the page finds, on every page of
// the three sheets: an id the page does not hold would be left free, unseen.
TEST_F(DataSheetTest, EveryControlALockNamesIsOneThePageHolds) {
  StageEditState.m_lpBlockTarget = &PrjOption.m_DefBlock;
  StageEditState.m_lpCharaTarget = &PrjOption.m_DefChara;
  StageEditState.m_lpItemTarget = &PrjOption.m_DefItem;
  for (int nLayer : {LAYER_BLOCK, LAYER_CHARA, LAYER_ITEM}) {
    EditConfig.m_nCharaSheetPage = 0;
    EditConfig.m_nItemSheetPage = 0;
    Open(nLayer, EDIT_DEFAULT);
    for (size_t i = 0; i < m_lpSlot->m_vPages.size(); ++i) {
      cRecordPageBase* p = dynamic_cast<cRecordPageBase*>(m_lpSlot->m_vPages[static_cast<int>(i)]);
      if (!p) continue;  // the flow editor's pages lock their own way
      SCOPED_TRACE(nLayer * 10 + static_cast<int>(i));
      m_lpSlot->SetCurPage(static_cast<int>(i));
      ASSERT_TRUE(p->m_hWnd);
      for (int k = 0; k < p->m_nGroups; ++k)
        for (uint16_t wId : p->m_pGroups[k].aCtrls)
          if (wId) EXPECT_TRUE(p->FindItem(wId)) << wId;
      for (int k = 0; k < p->m_nComputerOnly; ++k)
        for (uint16_t wId : p->m_pComputerOnly[k].aCtrls)
          if (wId) EXPECT_TRUE(p->FindItem(wId)) << wId;
    }
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
}

// "←" and "→" show the other entry with its own locks: those of the groups it inherits, its boxes
// and its source, whatever the entry left had; so does a page shown after another page stepped.
TEST_F(DataSheetTest, StepShowsTheLocksOfTheEntryItGoesTo) {
  struct cCase {
    int nLayer;
    int nStepPage;   // the page whose arrows are clicked
    int nCheckPage;  // the page looked at after the step
    int nBox;        // a "継承→" box of that page, ticked in entry 2 only
    int nFlag;
    int nLocked;  // a control of its group
  } aCases[] = {
      {LAYER_BLOCK, 0, 0, 1024, 0, ID_NAME},
      {LAYER_CHARA, cCharaDataSheet::PAGE_BASIC, cCharaDataSheet::PAGE_BASIC, 1024, 0, ID_NAME},
      {LAYER_CHARA, cCharaDataSheet::PAGE_VIEW, cCharaDataSheet::PAGE_VIEW, 1026, 11, 1256},
      {LAYER_CHARA, cCharaDataSheet::PAGE_ABILITY, cCharaDataSheet::PAGE_ABILITY, 1024, 23, 1061},
      {LAYER_CHARA, cCharaDataSheet::PAGE_VIEW, cCharaDataSheet::PAGE_BASIC, 1024, 0, ID_NAME},
      {LAYER_ITEM, 0, 0, 1024, 0, ID_NAME},
  };
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.nLayer * 100 + c.nStepPage * 10 + c.nCheckPage);
    // Entry 1 inherits nothing; entry 2 takes one group from common entry 1.
    auto Entries = [&](auto& v, int nLayer, int nGroups) {
      if (v.size() < 3) v.resize(3);
      for (int i : {1, 2}) {
        v[i].m_nGraphic = 1;
        v[i].m_nInheritPal = i == 1 ? SRC_NONE : SRC_COMMON;
        v[i].m_nInheritNo = 1;
        v[i].m_bbInherit.assign(nGroups, 0);
      }
      if (nLayer == c.nLayer) v[2].m_bbInherit[c.nFlag] = 1;
    };
    Entries(Stage.m_vPalBlock, LAYER_BLOCK, cEdBlock::INHERIT_GROUPS);
    Entries(Stage.m_vPalChara, LAYER_CHARA, cEdChara::INHERIT_GROUPS);
    Entries(Stage.m_vPalItem, LAYER_ITEM, cEdItem::INHERIT_GROUPS);
    for (int i : {1, 2}) Stage.m_vPalChara[i].m_nControl = 1;
    StageEditState.m_nBrushEntry = 1;
    StageEditState.m_lpBlockTarget = &Stage.m_vPalBlock[1];
    StageEditState.m_lpCharaTarget = &Stage.m_vPalChara[1];
    StageEditState.m_lpItemTarget = &Stage.m_vPalItem[1];
    EditConfig.m_nCharaSheetPage = 0;
    EditConfig.m_nItemSheetPage = 0;
    Open(c.nLayer, EDIT_STAGE_PALETTE);
    auto Locks = [&](bool bInherits) {
      SCOPED_TRACE(bInherits ? "entry 2" : "entry 1");
      cDialog* p = m_lpSlot->m_vPages[c.nCheckPage];
      EXPECT_EQ(bInherits, IsDlgButtonChecked(p->m_hWnd, c.nBox) == BST_CHECKED);
      EXPECT_EQ(!bInherits, Enabled(p, c.nLocked));
      EXPECT_EQ(bInherits, Enabled(p, c.nBox));
      if (c.nCheckPage == 0) {
        EXPECT_EQ(bInherits, Enabled(p, IDC_DP_INHERIT_NO));
      }
    };
    m_lpSlot->SetCurPage(c.nStepPage);
    Click(m_lpSlot->m_vPages[c.nStepPage], IDC_DP_NEXT);
    m_lpSlot->SetCurPage(c.nCheckPage);
    ASSERT_EQ(2, StageEditState.m_nBrushEntry);
    Locks(true);
    Click(m_lpSlot->m_vPages[c.nCheckPage], IDC_DP_PREV);
    ASSERT_EQ(1, StageEditState.m_nBrushEntry);
    Locks(false);
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
}

TEST_F(DataSheetTest, GraphicKindNarrowsTheNumberAndTheFrame) {
  const int ID_GRAPHIC_NO = 1036, ID_FRAME = 1038, ID_KIND = 1254, ID_PICK = 1446;
  const int32_t nSp = static_cast<int32_t>(Database.m_vBmpCharaExc.size());
  ASSERT_GE(nSp, 2);
  cEdItem& cell = Stage.m_vItemGrid[CellIndex()];
  cell = cEdItem();
  cell.m_nGraphic = 100;
  cell.m_nSheet = 0;
  StageEditState.m_lpItemTarget = &cell;
  Open(LAYER_ITEM, EDIT_CELL);
  cItemBasicPage* p = static_cast<cItemDataSheet*>(m_lpSlot)->m_lpBasic;
  EXPECT_FALSE(Enabled(p, ID_FRAME));
  Choose(p, ID_KIND, 1);
  EXPECT_TRUE(Enabled(p, ID_FRAME));
  Type(p, ID_FRAME, "50");
  EXPECT_EQ("50", TextOf(p, ID_FRAME));  // kept as typed until the box is left
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_FRAME, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, ID_FRAME)));  // the author leaves the box
  EXPECT_EQ("39", TextOf(p, ID_FRAME));
  Choose(p, ID_KIND, 4);
  EXPECT_EQ(std::to_string(nSp - 1), TextOf(p, ID_GRAPHIC_NO));
  EXPECT_FALSE(Enabled(p, ID_PICK));
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(nSp - 1, Stage.m_vItemGrid[CellIndex()].m_nGraphic);
  EXPECT_EQ(4, Stage.m_vItemGrid[CellIndex()].m_nSheet);
}

TEST_F(DataSheetTest, DistanceConditionIsNotPastedIntoABlockOrItemList) {
  cCond dist;
  dist.m_nKind = 7;
  cCond var;
  var.m_nKind = 0;
  for (int nLayer : {LAYER_BLOCK, LAYER_ITEM}) {
    for (WORD wCmd : {static_cast<WORD>(ID_ACC_PASTE_1), static_cast<WORD>(ID_POP_PASTE_1)}) {
      SCOPED_TRACE(nLayer * 100000 + wCmd);
      CondClipboard.assign({var, dist});
      cEdBlock& b = Stage.m_vBlockGrid[CellIndex()];
      b = cEdBlock();
      b.m_nGraphic = 1;
      cEdItem& it = Stage.m_vItemGrid[CellIndex()];
      it = cEdItem();
      it.m_nGraphic = 1;
      StageEditState.m_lpBlockTarget = &b;
      StageEditState.m_lpItemTarget = &it;
      Open(nLayer, EDIT_CELL);
      cDialog* p = m_lpSlot->m_vPages[0];
      cMsgBoxRecorder boxes;
      SetFocus(GetDlgItem(p->m_hWnd, 1044));
      SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wCmd, 1), 0);
      ASSERT_EQ(1u, boxes.Shown().size());
      EXPECT_EQ("「距離条件」の貼り付けはできません！", boxes.Shown()[0].strText);
      ASSERT_TRUE(Press(PSBTN_OK));
      EXPECT_TRUE(nLayer == LAYER_BLOCK ? Stage.m_vBlockGrid[CellIndex()].m_vCond.empty()
                                        : Stage.m_vItemGrid[CellIndex()].m_vCond.empty());
    }
  }
}

TEST_F(DataSheetTest, PagesShareTheRecordAndTheSheetRemembersItsPage) {
  const int ID_Z = 1256, ID_HP = 1061;
  cEdChara& cell = PlaceChara("共有");
  StageEditState.m_lpCharaTarget = &cell;
  EditConfig.m_nCharaSheetPage = 0;
  Open(LAYER_CHARA, EDIT_CELL);
  cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(m_lpSlot);
  // A name typed on page 1, then page 2: the view page's copy has it when it is left for page 3.
  Type(lpSheet->m_lpBasic, ID_NAME, "共有した名前");
  lpSheet->SetCurPage(cCharaDataSheet::PAGE_VIEW);
  Type(lpSheet->m_lpView, ID_Z, "5");
  lpSheet->SetCurPage(cCharaDataSheet::PAGE_ABILITY);
  EXPECT_EQ("共有した名前", lpSheet->m_lpAbility->m_Work.m_strName);
  EXPECT_EQ(5, lpSheet->m_lpBasic->m_Work.m_nZ);
  // Committed from the third page: the first page commits what every page holds.
  Type(lpSheet->m_lpAbility, ID_HP, "321");
  ASSERT_TRUE(Press(PSBTN_OK));
  const cEdChara& after = Stage.m_vCharaGrid[CellIndex()];
  EXPECT_EQ("共有した名前", after.m_strName);
  EXPECT_EQ(5, after.m_nZ);
  EXPECT_EQ(321, after.m_nHp);
  EXPECT_EQ(cCharaDataSheet::PAGE_ABILITY, EditConfig.m_nCharaSheetPage);
  // The next sheet opens on that page; only the character sheet is current.
  StageEditState.m_lpCharaTarget = &Stage.m_vCharaGrid[CellIndex()];
  Open(LAYER_CHARA, EDIT_CELL);
  EXPECT_EQ(cCharaDataSheet::PAGE_ABILITY, m_lpSlot->GetCurPage());
  EXPECT_EQ(static_cast<void*>(m_lpSlot), static_cast<void*>(StageEditState.m_lpCharaSheet));
  EXPECT_EQ(nullptr, StageEditState.m_lpBlockSheet);
  EXPECT_EQ(nullptr, StageEditState.m_lpItemSheet);
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}

TEST_F(DataSheetTest, OperatorDecidesSightBlockAndBehaviourOnTheOtherPages) {
  const int ID_SIGHT = 1267, ID_SIGHT_RANGE = 1268, ID_BLOCK = 1262, ID_ACT_RANGE = 1257, ID_SCORE = 1071;
  const int ID_GROUP = 1180, ID_GROUP_NO = 1079;
  for (int8_t nControl : {0, 1}) {
    SCOPED_TRACE(nControl);
    cEdChara& cell = PlaceChara("操作");
    cell.m_nControl = nControl;
    cell.m_nSightShape = 1;
    cell.m_bGroup = 0;
    StageEditState.m_lpCharaTarget = &cell;
    EditConfig.m_nCharaSheetPage = 0;
    Open(LAYER_CHARA, EDIT_CELL);
    cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(m_lpSlot);
    lpSheet->SetCurPage(cCharaDataSheet::PAGE_VIEW);
    cDialog* v = lpSheet->m_lpView;
    const bool bComputer = nControl != 0;
    EXPECT_EQ(!bComputer, Enabled(v, ID_SIGHT));
    EXPECT_EQ(!bComputer, Enabled(v, ID_SIGHT_RANGE));
    EXPECT_EQ(bComputer, Enabled(v, ID_BLOCK));
    lpSheet->SetCurPage(cCharaDataSheet::PAGE_ABILITY);
    cDialog* a = lpSheet->m_lpAbility;
    EXPECT_EQ(bComputer, Enabled(a, ID_ACT_RANGE));
    EXPECT_EQ(bComputer, Enabled(a, ID_SCORE));
    EXPECT_FALSE(Enabled(a, ID_GROUP_NO));
    if (bComputer) {
      SendMessageA(GetDlgItem(a->m_hWnd, ID_GROUP), BM_CLICK, 0, 0);
      EXPECT_TRUE(Enabled(a, ID_GROUP_NO));
    }
    // Without inheritance the boxes cannot be ticked.
    EXPECT_FALSE(Enabled(a, 1024));
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
}

TEST_F(DataSheetTest, EditCellOpensTheSheetOfTheOccupiedLayerAndComesBackToTheLayerShown) {
  StageEditState.SelectLayer(LAYER_BLOCK);
  Stage.m_vBlockGrid[CellIndex()] = cEdBlock();
  Stage.m_vBlockGrid[CellIndex()].m_nGraphic = 0;
  PlaceChara("二度押し");
  Stage.m_vItemGrid[CellIndex()] = cEdItem();
  Stage.m_vItemGrid[CellIndex()].m_nGraphic = 0;
  MouseState.m_pCur->m_nX = 2;
  MouseState.m_pCur->m_nY = 3;
  m_lpStage->EditCell();
  cPaletteWnd* lpPal = cPaletteWnd::Instance(cPaletteWnd::PALETTE_STAGE, LAYER_CHARA);
  ASSERT_TRUE(lpPal && lpPal->m_lpCharaSheet);
  EXPECT_EQ(EDIT_CELL, StageEditState.m_nEditContext);
  EXPECT_EQ(LAYER_CHARA, StageEditState.m_nLayer);
  EXPECT_FALSE(IsWindowEnabled(m_lpStage->m_hWnd));
  cCharaBasicPage* p = static_cast<cCharaDataSheet*>(lpPal->m_lpCharaSheet)->m_lpBasic;
  EXPECT_EQ("二度押し", TextOf(p, ID_NAME));
  HWND hSheet = lpPal->m_lpCharaSheet->m_hSheet;
  PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  ASSERT_TRUE(PumpThroughMainLoopUntil([&] { return !IsWindow(hSheet) && !lpPal->m_lpCharaSheet; }));
  EXPECT_EQ(LAYER_BLOCK, StageEditState.m_nLayer);
  EXPECT_TRUE(IsWindowEnabled(m_lpStage->m_hWnd));
}

TEST_F(DataSheetTest, ShortFlagVectorGetsAFlagForEveryGroup) {
  // A record whose file held fewer flags than the pages show.
  cEdChara& cell = PlaceChara("短い");
  cell.m_bbInherit.assign(5, 0);
  StageEditState.m_lpCharaTarget = &cell;
  Open(LAYER_CHARA, EDIT_CELL);
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(static_cast<size_t>(cEdChara::INHERIT_GROUPS), Stage.m_vCharaGrid[CellIndex()].m_bbInherit.size());
  EXPECT_EQ("短い", Stage.m_vCharaGrid[CellIndex()].m_strName);
  EXPECT_TRUE(IsWindow(g_hMainWnd));
}

TEST_F(DataSheetTest, BlockActionKeepsTheStoredXAndResetsItOnlyWhenTheActionChanges) {
  const int ID_ACTION = 1263, ID_X = 1130;
  cEdBlock& b = Stage.m_vBlockGrid[CellIndex()];
  b = cEdBlock();
  b.m_nGraphic = 1;
  b.m_nAction = 4;  // "左移動 X=移動速度"
  b.m_nActionX = 55;
  StageEditState.m_lpBlockTarget = &b;
  Open(LAYER_BLOCK, EDIT_CELL);
  cBlockDataDlg* p = static_cast<cBlockDataSheet*>(m_lpSlot)->m_lpPage;
  EXPECT_EQ("55", TextOf(p, ID_X));
  Choose(p, ID_ACTION, 1);  // "ジャンプ X=高さ(hbl)"
  EXPECT_EQ("7", TextOf(p, ID_X));
  Choose(p, ID_ACTION, 2);  // "ジャンプ禁止": no parameter
  EXPECT_FALSE(Enabled(p, ID_X));
  Choose(p, ID_ACTION, 5);
  EXPECT_TRUE(Enabled(p, ID_X));
  EXPECT_EQ("30", TextOf(p, ID_X));
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(5, Stage.m_vBlockGrid[CellIndex()].m_nAction);
  EXPECT_EQ(30, Stage.m_vBlockGrid[CellIndex()].m_nActionX);
}

namespace {

// The record a sheet of this context edits: a placed one at (2, 3), entry 1 of a palette, or the
// project's default.
template <class R>
R& TargetOf(int32_t nContext, cStageGrid<R>& vGrid, cChkVector<R>& vStage, cChkVector<R>& vCommon, R& Default) {
  StageEditState.m_nBrushEntry = 1;
  switch (nContext) {
    case EDIT_STAGE_PALETTE:
      return vStage[1];
    case EDIT_COMMON_PALETTE:
      return vCommon[1];
    case EDIT_DEFAULT:
      return Default;
    default:
      return vGrid.Pin(Stage.CellIndex(2, 3));
  }
}

struct cFlowCommitCase {
  int32_t nContext;
  int nButton;
  int nPageAtPress;  // the page that is current when the button is pressed
  int nOpenPage;     // the page the sheet opens on (the one remembered); the first is then never made
};

const cFlowCommitCase FlowCommitCases[] = {
    {EDIT_CELL, PSBTN_OK, 3, 0},           {EDIT_CELL, PSBTN_OK, 0, 0},
    {EDIT_CELL, PSBTN_CANCEL, 3, 0},       {EDIT_STAGE_PALETTE, PSBTN_OK, 3, 0},
    {EDIT_COMMON_PALETTE, PSBTN_OK, 3, 0}, {EDIT_DEFAULT, PSBTN_OK, 3, 0},
    {EDIT_CELL, PSBTN_OK, 3, 3},           {EDIT_CELL, PSBTN_CANCEL, 3, 3},
    {EDIT_CELL, PSBTN_OK, 1, 3},           {EDIT_STAGE_PALETTE, PSBTN_OK, 3, 3},
    {EDIT_CELL, PSBTN_OK, 0, 3},
};

}  // namespace

TEST_F(DataSheetTest, FlowPageIsTheFourthTabAndItsFlowsReachEveryCommit) {
  ASSERT_GE(Stage.m_vPalChara.size(), 2u);
  ASSERT_GE(CommonPalette.m_vChara.size(), 2u);
  for (const cFlowCommitCase& c : FlowCommitCases) {
    SCOPED_TRACE(c.nOpenPage * 1000 + c.nContext * 100 + c.nButton * 10 + c.nPageAtPress);
    auto Target = [&]() -> cEdChara& {
      return TargetOf(c.nContext, Stage.m_vCharaGrid, Stage.m_vPalChara, CommonPalette.m_vChara, PrjOption.m_DefChara);
    };
    if (c.nContext == EDIT_CELL) PlaceChara("流れ");
    Target().m_vFlow.assign(1, cEdFlow());
    StageEditState.m_lpCharaTarget = &Target();
    EditConfig.m_nCharaSheetPage = c.nOpenPage;
    const int32_t nSteps = StageEditState.m_Undo.m_nCount;
    Open(LAYER_CHARA, c.nContext);
    cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(m_lpSlot);
    ASSERT_EQ(4u, lpSheet->m_vPages.size());
    EXPECT_EQ("フロー", TabText(m_hSheet, cCharaDataSheet::PAGE_FLOW));
    // Opened on a later page, the sheet makes no page before it.
    EXPECT_EQ(c.nOpenPage == 0, lpSheet->m_lpBasic->m_hWnd != nullptr);
    lpSheet->SetCurPage(cCharaDataSheet::PAGE_FLOW);
    cFlowPage* f = static_cast<cFlowPage*>(lpSheet->m_lpFlowPage);
    ASSERT_TRUE(f && f->m_hWnd);
    EXPECT_EQ(f->m_hWnd, reinterpret_cast<HWND>(SendMessageA(m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
    Click(f, IDC_FP_FLOW_INSERT);
    Type(f, IDC_FP_MEMO, "足した流れ");
    if (c.nPageAtPress != cCharaDataSheet::PAGE_FLOW) lpSheet->SetCurPage(c.nPageAtPress);
    ASSERT_TRUE(Press(c.nButton));
    // The stage window is given back whether or not the first page was ever made.
    EXPECT_TRUE(IsWindowEnabled(m_lpStage->m_hWnd));
    EXPECT_EQ(c.nPageAtPress, EditConfig.m_nCharaSheetPage);
    const bool bOk = c.nButton == PSBTN_OK;
    const cFlowVector& v = Target().m_vFlow;
    ASSERT_EQ(bOk ? 2u : 1u, v.size());
    if (bOk) EXPECT_TRUE(v[0].m_strMemo == "足した流れ" || v[1].m_strMemo == "足した流れ");
    if (c.nContext != EDIT_CELL) continue;
    EXPECT_EQ(nSteps + (bOk ? 1 : 0), StageEditState.m_Undo.m_nCount);
    if (!bOk) continue;
    SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_MENU_UNDO, 0);
    EXPECT_EQ(1u, Target().m_vFlow.size());
  }
}

// Both previews of the view page show the character once the page is painted, for the project's
// default character too: what the page drew is not painted over by the pictures' background.
TEST_F(DataSheetTest, ViewPagePreviewsShowTheCharacterAfterTheyArePainted) {
  PrjOption.m_DefChara.m_nGraphic = 1;
  StageEditState.m_lpCharaTarget = &PrjOption.m_DefChara;
  EditConfig.m_nCharaSheetPage = 0;
  Open(LAYER_CHARA, EDIT_DEFAULT);
  cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(m_lpSlot);
  lpSheet->SetCurPage(cCharaDataSheet::PAGE_VIEW);
  cCharaViewPage* lpPage = cCharaViewPage::Current();
  ASSERT_TRUE(lpPage && lpPage->m_hWnd);
  ASSERT_EQ(2u, lpPage->m_Ctrls.m_vPicture.size());
  lpPage->DrawPreviews();
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    cBitmapCtrl& c = lpPage->m_Ctrls.m_vPicture[i].m_Ctrl;
    const cSurface& s = c.m_Surface;
    ASSERT_TRUE(c.m_hWnd && s.m_pBits);
    // A dot of the character (not black) in the surface...
    int x = -1, y = -1;
    for (int yy = 0; yy < s.m_nHeight && x < 0; ++yy)
      for (int xx = 0; xx < s.m_nWidth; ++xx) {
        const uint8_t* p = s.m_pBits + size_t(yy) * s.Pitch() + xx * 4;
        if (p[0] || p[1] || p[2]) {
          x = xx;
          y = yy;
          break;
        }
      }
    ASSERT_GE(x, 0);
    // ...is what the picture shows after the system repainted it.
    RedrawWindow(c.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const uint8_t* p = s.m_pBits + size_t(y) * s.Pitch() + x * 4;
    HDC hDC = GetDC(c.m_hWnd);
    const COLORREF cr = GetPixel(hDC, x, y);
    ReleaseDC(c.m_hWnd, hDC);
    EXPECT_EQ(RGB(p[2], p[1], p[0]), cr);
  }
}

// Escape typed on the keyboard closes the sheet as its cancel button does, also while one of the
// flow page's lists has the focus.
TEST_F(DataSheetTest, EscapeCancelsTheSheetWithTheFocusInAFlowList) {
  for (uint16_t wList : {IDC_FP_FLOW_LIST, IDC_FP_COND_LIST, IDC_FP_KEY_LIST, IDC_FP_CMD_LIST}) {
    SCOPED_TRACE(wList);
    const bool bOk = Retried([&] {
      SafeDelete(m_lpSlot);
      PrjOption.m_DefChara.m_vFlow.assign(1, cEdFlow());
      StageEditState.m_lpCharaTarget = &PrjOption.m_DefChara;
      Open(LAYER_CHARA, EDIT_DEFAULT);
      cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(m_lpSlot);
      lpSheet->SetCurPage(cCharaDataSheet::PAGE_FLOW);
      cFlowPage* f = static_cast<cFlowPage*>(lpSheet->m_lpFlowPage);
      if (!f || !FocusControl(m_hSheet, GetDlgItem(f->m_hWnd, wList))) return false;
      Type(f, IDC_FP_MEMO, "捨てる");
      SetFocus(GetDlgItem(f->m_hWnd, wList));
      InjectKey(VK_ESCAPE);
      if (!PumpThroughMainLoopUntil([&] { return !IsWindow(m_hSheet) && !m_lpSlot; }, 3000)) return false;
      // Cancelled: nothing of the page reached the character.
      EXPECT_EQ("", PrjOption.m_DefChara.m_vFlow[0].m_strMemo);
      return true;
    });
    EXPECT_TRUE(bOk);
  }
}

TEST_F(DataSheetTest, FlowPageAndFirstPageSeeEachOthersChanges) {
  cEdChara& cell = PlaceChara("共有前");
  cell.m_vFlow.assign(1, cEdFlow());
  StageEditState.m_lpCharaTarget = &cell;
  EditConfig.m_nCharaSheetPage = 0;
  Open(LAYER_CHARA, EDIT_CELL);
  cCharaDataSheet* lpSheet = static_cast<cCharaDataSheet*>(m_lpSlot);
  Type(lpSheet->m_lpBasic, ID_NAME, "共有後");
  lpSheet->SetCurPage(cCharaDataSheet::PAGE_FLOW);
  cFlowPage* f = static_cast<cFlowPage*>(lpSheet->m_lpFlowPage);
  EXPECT_EQ("共有後", f->m_WorkChara.m_strName);
  Click(f, IDC_FP_FLOW_INSERT);
  lpSheet->SetCurPage(cCharaDataSheet::PAGE_BASIC);
  EXPECT_EQ(2u, lpSheet->m_lpBasic->m_Work.m_vFlow.size());
  EXPECT_EQ(2u, lpSheet->m_lpAbility->m_Work.m_vFlow.size());
  // Back on the flow page after another name: it shows both flows under the new name.
  Type(lpSheet->m_lpBasic, ID_NAME, "二度目");
  lpSheet->SetCurPage(cCharaDataSheet::PAGE_FLOW);
  EXPECT_EQ("二度目", f->m_WorkChara.m_strName);
  EXPECT_EQ(2u, f->m_vFlowWork.size());
  ASSERT_TRUE(Press(PSBTN_CANCEL));
  EXPECT_EQ("共有前", Stage.m_vCharaGrid[CellIndex()].m_strName);
  EXPECT_EQ(1u, Stage.m_vCharaGrid[CellIndex()].m_vFlow.size());
}

TEST_F(DataSheetTest, AcquisitionPageIsTheSecondTabAndItsCommandsReachEveryCommit) {
  ASSERT_GE(CommonPalette.m_vItem.size(), 2u);
  ASSERT_GE(Stage.m_vPalItem.size(), 2u);
  // "アイテムの取得" of common item 1.
  cEdCommand get;
  get.m_bItem = 1;
  get.m_nKind = 10;
  get.m_vParam = {0, 1};
  // The same cases; the acquisition page is the item sheet's last page.
  for (const cFlowCommitCase& c : FlowCommitCases) {
    const int nPageAtPress = c.nPageAtPress ? cItemDataSheet::PAGE_ACQUIRE : cItemDataSheet::PAGE_BASIC;
    const int nOpenPage = c.nOpenPage ? cItemDataSheet::PAGE_ACQUIRE : cItemDataSheet::PAGE_BASIC;
    SCOPED_TRACE(nOpenPage * 1000 + c.nContext * 100 + c.nButton * 10 + nPageAtPress);
    auto Target = [&]() -> cEdItem& {
      return TargetOf(c.nContext, Stage.m_vItemGrid, Stage.m_vPalItem, CommonPalette.m_vItem, PrjOption.m_DefItem);
    };
    if (c.nContext == EDIT_CELL) {
      Target() = cEdItem();
      Target().m_nGraphic = 1;
    }
    Target().m_vCommand.clear();
    StageEditState.m_lpItemTarget = &Target();
    EditConfig.m_nItemSheetPage = nOpenPage;
    // The page takes the effect-list clipboard when its window is made.
    ItemCmdClipboard.assign(1, get);
    const int32_t nSteps = StageEditState.m_Undo.m_nCount;
    Open(LAYER_ITEM, c.nContext);
    cItemDataSheet* lpSheet = static_cast<cItemDataSheet*>(m_lpSlot);
    ASSERT_EQ(2u, lpSheet->m_vPages.size());
    EXPECT_EQ("取得時", TabText(m_hSheet, cItemDataSheet::PAGE_ACQUIRE));
    EXPECT_EQ(nOpenPage == 0, lpSheet->m_lpBasic->m_hWnd != nullptr);
    lpSheet->SetCurPage(cItemDataSheet::PAGE_ACQUIRE);
    cItemAcquirePage* a = static_cast<cItemAcquirePage*>(lpSheet->m_lpAcquirePage);
    ASSERT_TRUE(a && a->m_hWnd);
    HWND hList = a->m_CmdList.m_hWnd;
    SendMessageA(hList, LB_SETSEL, TRUE, 0);
    SendMessageA(a->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_IA_CMD_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
    SetFocus(hList);
    SendMessageA(a->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_ACC_PASTE_1, 1), 0);
    ASSERT_EQ(1u, a->m_Work.m_vCommand.size());
    if (nPageAtPress == 0) lpSheet->SetCurPage(cItemDataSheet::PAGE_BASIC);
    ASSERT_TRUE(Press(c.nButton));
    EXPECT_TRUE(IsWindowEnabled(m_lpStage->m_hWnd));
    EXPECT_EQ(nPageAtPress, EditConfig.m_nItemSheetPage);
    const bool bOk = c.nButton == PSBTN_OK;
    ASSERT_EQ(bOk ? 1u : 0u, Target().m_vCommand.size());
    if (bOk) EXPECT_EQ(get, Target().m_vCommand[0]);
    if (c.nContext != EDIT_CELL) continue;
    EXPECT_EQ(nSteps + (bOk ? 1 : 0), StageEditState.m_Undo.m_nCount);
    if (!bOk) continue;
    SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_MENU_UNDO, 0);
    EXPECT_TRUE(Target().m_vCommand.empty());
  }
}

// Conditions edited from the item command palette belong to the flow the item hands to a
// character: subject 0 is that character; on the item's own first page it is the hero.
TEST_F(DataSheetTest, ItemCommandPaletteGivesTheSelfWording) {
  cEdItem& item = Stage.m_vItemGrid[CellIndex()];
  item = cEdItem();
  item.m_nGraphic = 1;
  StageEditState.m_lpItemTarget = &item;
  EditConfig.m_nItemSheetPage = 0;
  Open(LAYER_ITEM, EDIT_CELL);
  cItemDataSheet* lpSheet = static_cast<cItemDataSheet*>(m_lpSlot);
  auto Wording = [] {
    cFlowTextContext ctx;
    GetFlowTextContext(ctx);
    return ctx.SubjectWording();
  };
  EXPECT_EQ(WORDING_HERO, Wording());
  lpSheet->SetCurPage(cItemDataSheet::PAGE_ACQUIRE);
  EXPECT_EQ(WORDING_HERO, Wording());  // the page alone, without its palette
  cItemAcquirePage* a = static_cast<cItemAcquirePage*>(lpSheet->m_lpAcquirePage);
  ASSERT_TRUE(a && a->m_hWnd);
  HWND hList = a->m_CmdList.m_hWnd;
  SendMessageA(hList, LB_SETSEL, TRUE, 0);
  SendMessageA(a->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_IA_CMD_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
  eSubjectWording eWhilePalette = WORDING_NONE;
  {
    cAnswerWhenUp<cItemCmdPaletteDlg> close([&](cItemCmdPaletteDlg* p) {
      eWhilePalette = Wording();
      PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
    });
    SendMessageA(a->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_IA_CMD_INSERT, BN_CLICKED), 0);
  }
  EXPECT_EQ(WORDING_SELF, eWhilePalette);
  EXPECT_EQ(WORDING_HERO, Wording());
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}

TEST_F(DataSheetTest, FlowWithAWaitCommandSurvivesSavingAndARestart) {
  const int ID_WAIT_BUTTON = 1267;
  cEdChara& cell = PlaceChara("保存");
  cell.m_vFlow.assign(1, cEdFlow());
  StageEditState.m_lpCharaTarget = &cell;
  EditConfig.m_nCharaSheetPage = cCharaDataSheet::PAGE_FLOW;
  Open(LAYER_CHARA, EDIT_CELL);
  cFlowPage* f = static_cast<cFlowPage*>(static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpFlowPage);
  ASSERT_TRUE(f->m_hWnd);
  Type(f, IDC_FP_MEMO, "残る流れ");
  {
    cAnswerWhenUp<cCmdPaletteDlg> pick([&](cCmdPaletteDlg* p) {
      PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_WAIT_BUTTON, BN_CLICKED), 0);
    });
    cAnswerWhenUp<cWaitCmdDlg> ok([](cWaitCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0); });
    Click(f, IDC_FP_CMD_INSERT);
  }
  ASSERT_EQ(2u, RowTexts(f->m_CmdList.m_hWnd).size());
  const std::string strRow = RowTexts(f->m_CmdList.m_hWnd)[0];
  ASSERT_TRUE(Press(PSBTN_OK));
  SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, ID_STAGE_SAVE, 0);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);

  ShutDownStartedEditor();
  ASSERT_TRUE(StartUp());
  m_lpStage = FrameWnd.m_lpStageWnd;
  ASSERT_TRUE(m_lpStage);
  DrainMessages();
  const cEdChara& after = Stage.m_vCharaGrid[CellIndex()];
  ASSERT_EQ(1u, after.m_vFlow.size());
  EXPECT_EQ("残る流れ", after.m_vFlow[0].m_strMemo);
  ASSERT_EQ(1u, after.m_vFlow[0].m_vCommand.size());
  EXPECT_EQ(1, after.m_vFlow[0].m_vCommand[0].m_nKind);
  EXPECT_EQ(1, after.m_vFlow[0].m_vCommand[0].m_nTime);
  // The flow page shows it again, on the page the author left last.
  StageEditState.m_lpCharaTarget = &Stage.m_vCharaGrid[CellIndex()];
  Open(LAYER_CHARA, EDIT_CELL);
  EXPECT_EQ(cCharaDataSheet::PAGE_FLOW, m_lpSlot->GetCurPage());
  f = static_cast<cFlowPage*>(static_cast<cCharaDataSheet*>(m_lpSlot)->m_lpFlowPage);
  EXPECT_EQ("残る流れ", TextOf(f, IDC_FP_MEMO));
  ASSERT_EQ(2u, RowTexts(f->m_CmdList.m_hWnd).size());
  EXPECT_EQ(strRow, RowTexts(f->m_CmdList.m_hWnd)[0]);
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}
