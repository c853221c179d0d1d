// The flow page, on a character and on its own: its lists, the trigger rules, inheritance, the
// inserts that open an element dialog, the clipboards that outlive the page, and the standalone
// commit.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <utility>

#include "app/WindowList.h"
#include "flow/CmdPaletteDlg.h"
#include "flow/FlowPage.h"
#include "flow/KeyCondDlg.h"
#include "flow/StandaloneFlowEdit.h"
#include "model/Palette.h"
#include "model/StageEditState.h"
#include "resources/FlowPageIds.h"
#include "resources/ListIds.h"
#include "support/AnswerWhenUp.h"
#include "support/TestSupport.h"

namespace {

cEdCommand Wait(int16_t nTime) {
  cEdCommand c;
  c.m_nKind = 1;
  c.m_nTime = nTime;
  return c;
}

cEdFlow FlowWith(int nCmds, int8_t nId) {
  cEdFlow f;
  f.m_nId = nId;
  for (int i = 0; i < nCmds; ++i) f.m_vCommand.push_back(Wait(static_cast<int16_t>(10 + i)));
  return f;
}

class FlowPageTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    FlowClipboard.clear();
    KeyCondClipboard.clear();
    CmdClipboard.clear();
    FlowCondClipboard.clear();
    StageEditState.m_nEditContext = EDIT_CELL;
  }
  void TearDown() override { m_lpPage.reset(); }

  // The page as the character sheet would show it, run modeless here.
  void Open(cEdChara& chara) {
    m_lpPage.reset(new cFlowPage(nullptr, cWindow::KIND_DIALOG, &WindowList, &chara));
    m_lpPage->DoModeless(0, 1);
    ASSERT_NE(nullptr, m_lpPage->m_hWnd);
  }
  HWND Item(int nId) const { return GetDlgItem(m_lpPage->m_hWnd, nId); }
  void Click(int nId) {
    SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(Item(nId)));
  }
  // A key or popup command of a list, while that list has the focus.
  void ListCommand(cListCtrlBase& list, WORD wId) {
    SetFocus(list.m_hWnd);
    SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, 1), 0);
  }
  void SelectRow(cListCtrlBase& list, int nRow) {
    SendMessageA(list.m_hWnd, LB_SETSEL, FALSE, -1);
    SendMessageA(list.m_hWnd, LB_SETSEL, TRUE, nRow);
    SendMessageA(list.m_hWnd, LB_SETCARETINDEX, nRow, 0);
    SendMessageA(list.m_hWnd, LB_SETANCHORINDEX, nRow, 0);
    SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.m_hWnd), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.m_hWnd));
  }
  void ChooseTrigger(int nTrigger) {
    SendMessageA(Item(IDC_FP_TRIGGER), CB_SETCURSEL, nTrigger, 0);
    SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FP_TRIGGER, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(IDC_FP_TRIGGER)));
  }
  std::string Text(int nId) const {
    char sz[256] = "";
    GetWindowTextA(Item(nId), sz, sizeof sz);
    return sz;
  }
  bool Checked(int nId) const { return SendMessageA(Item(nId), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  std::unique_ptr<cFlowPage> m_lpPage;
};

}  // namespace

TEST_F(FlowPageTest, RecordWithoutFlowsGetsOneDefaultFlowShownAsItsLine) {
  cEdChara chara;
  chara.m_vFlow.clear();
  Open(chara);
  ASSERT_EQ(1u, chara.m_vFlow.size());  // the record itself, not only the page's copy
  EXPECT_EQ((std::vector<std::string>{"1 ×0 - -", std::string(64, '-')}), RowTexts(m_lpPage->m_FlowList.m_hWnd));
  // The last flow cannot go.
  Click(IDC_FP_FLOW_DELETE);
  EXPECT_EQ(1u, m_lpPage->m_vFlowWork.size());
  // A character page has no OK or Cancel; a placed character has no "No." or stepping.
  EXPECT_FALSE(IsWindowVisible(Item(IDC_FP_OK)));
  EXPECT_FALSE(IsWindowVisible(Item(IDC_FP_PREV)));
}

TEST_F(FlowPageTest, ListsPaintAgainAfterANotificationRaisedWhileThePageFillsItself) {
  cEdChara chara;
  chara.m_vFlow = {FlowWith(3, 1)};
  Open(chara);
  // A control notifies the page before it is ready: every command freezes the lists first.
  m_lpPage->m_bInit = 0;
  SendMessageA(m_lpPage->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FP_CMD_EDIT, BN_CLICKED),
               reinterpret_cast<LPARAM>(Item(IDC_FP_CMD_EDIT)));
  m_lpPage->m_bInit = 1;
  const cListCtrlBase* apLists[] = {&m_lpPage->m_FlowList, &m_lpPage->m_CondList, &m_lpPage->m_cgKeyCondList,
                                    &m_lpPage->m_CmdList};
  for (const cListCtrlBase* p : apLists) EXPECT_FALSE(p->RedrawOff()) << GetDlgCtrlID(p->m_hWnd) << " left frozen";
}

TEST_F(FlowPageTest, TriggerDecidesTheNoteTheGroupAndTheTargetCheck) {
  cEdChara chara;
  chara.m_vFlow.assign(1, cEdFlow());
  chara.m_vFlow[0].m_nGroup = 4;
  Open(chara);
  struct {
    int nTrigger;
    const char* pszNote;
    bool bGroup, bTarget;
  } const aCases[] = {
      {3, "※実行時間0の並列実行コマンド（P-0）のみ実行可", false, false},
      {21, "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可", false, false},
      {0, " ", true, false},
      {7, " ", false, true},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nTrigger);
    ChooseTrigger(c.nTrigger);
    EXPECT_EQ(c.pszNote, Text(IDC_FP_NOTE));
    EXPECT_EQ(c.bGroup, IsWindowEnabled(Item(IDC_FP_GROUP)) != FALSE);
    EXPECT_EQ(c.bTarget, IsWindowEnabled(Item(IDC_FP_TARGET_X)) != FALSE);
    EXPECT_EQ(c.nTrigger, m_lpPage->m_vFlowWork[0].m_nTrigger);
  }
  // Trigger 3 set the group to "-", and that was stored with the trigger.
  EXPECT_EQ(0, m_lpPage->m_vFlowWork[0].m_nGroup);
  // With trigger 7 the target box decides the slot combo.
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_FP_TARGET_SLOT)));
  SendMessageA(Item(IDC_FP_TARGET_X), BM_SETCHECK, BST_CHECKED, 0);
  Click(IDC_FP_TARGET_X);
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_FP_TARGET_SLOT)));
  EXPECT_EQ(1, m_lpPage->m_vFlowWork[0].m_bSetTarget);
  // Another trigger without a character takes the target back.
  ChooseTrigger(3);
  EXPECT_FALSE(Checked(IDC_FP_TARGET_X));
  EXPECT_EQ(0, m_lpPage->m_vFlowWork[0].m_bSetTarget);
}

// A flow made current by an insert or a delete has the group and the target box enabled for its
// own trigger, not for the flow shown before.
TEST_F(FlowPageTest, FlowMadeCurrentByInsertOrDeleteIsEnabledForItsOwnTrigger) {
  cEdChara chara;
  chara.m_vFlow.assign(1, cEdFlow());
  chara.m_vFlow[0].m_nTrigger = 7;
  Open(chara);
  const auto Enabling = [&] {
    return std::make_pair(IsWindowEnabled(Item(IDC_FP_GROUP)) != FALSE, IsWindowEnabled(Item(IDC_FP_TARGET_X)) != FALSE);
  };
  EXPECT_EQ(std::make_pair(false, true), Enabling());
  Click(IDC_FP_FLOW_INSERT);
  ASSERT_EQ(2u, m_lpPage->m_vFlowWork.size());
  ASSERT_EQ(0, m_lpPage->m_EditFlow.m_nTrigger);
  EXPECT_EQ(std::make_pair(true, false), Enabling());
  Click(IDC_FP_FLOW_DELETE);
  ASSERT_EQ(1u, m_lpPage->m_vFlowWork.size());
  ASSERT_EQ(7, m_lpPage->m_EditFlow.m_nTrigger);
  EXPECT_EQ(std::make_pair(false, true), Enabling());
}

TEST_F(FlowPageTest, InheritedFlowsLockThePageAndReplaceTheFlows) {
  CommonPalette.m_vChara.assign(2, cEdChara());
  CommonPalette.m_vChara[1].m_vFlow.assign(2, FlowWith(3, 1));
  cEdChara chara;
  chara.m_vFlow.assign(1, cEdFlow());
  chara.m_nInheritPal = 1;
  chara.m_nInheritNo = 1;
  Open(chara);
  ASSERT_TRUE(IsWindowEnabled(Item(IDC_FP_INHERIT)));
  SendMessageA(Item(IDC_FP_INHERIT), BM_SETCHECK, BST_CHECKED, 0);
  Click(IDC_FP_INHERIT);
  EXPECT_EQ(2u, m_lpPage->m_vFlowWork.size());
  EXPECT_EQ("1 ×3 - A", RowText(m_lpPage->m_FlowList.m_hWnd, 0));
  const int aLocked[] = {1066, 1067, 1082, 1468, 1089, 1418, 1098, 1097, 1096, 1416, 1083, 1084, 1085,
                         1086, 1087, 1088, 1091, 1092, 1093, 1094, 1081, 1433, 1068, 1070, 1069, 1095};
  for (int nId : aLocked) EXPECT_FALSE(IsWindowEnabled(Item(nId))) << nId;
  // A trigger change now only updates the note.
  ChooseTrigger(3);
  EXPECT_EQ("※実行時間0の並列実行コマンド（P-0）のみ実行可", Text(IDC_FP_NOTE));
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_FP_TARGET_SLOT)));
  SendMessageA(Item(IDC_FP_INHERIT), BM_SETCHECK, BST_UNCHECKED, 0);
  Click(IDC_FP_INHERIT);
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_FP_CMD_LIST)));
  m_lpPage.reset();

  // A character that inherits from no palette cannot take inherited flows.
  chara.m_nInheritPal = 0;
  Open(chara);
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_FP_INHERIT)));
  CommonPalette.m_vChara.clear();
}

TEST_F(FlowPageTest, InsertOpensThePaletteAndACancelTakesOnlyTheNewCommand) {
  cEdChara chara;
  chara.m_vFlow.assign(1, FlowWith(3, 0));
  Open(chara);
  cListCtrlBase& cmds = m_lpPage->m_CmdList;
  cAnswerWhenUp<cCmdPaletteDlg> answer([](cCmdPaletteDlg* p) { PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0); });
  const int nBefore = cAnswerWhenUp<cCmdPaletteDlg>::s_nAnswered;
  SelectRow(cmds, 1);
  Click(IDC_FP_CMD_INSERT);
  ListCommand(cmds, ID_ACC_INSERT_4);  // Ctrl+I
  ListCommand(cmds, ID_POP_INSERT_4);  // "新規挿入"
  EXPECT_EQ(3, cAnswerWhenUp<cCmdPaletteDlg>::s_nAnswered - nBefore);
  ASSERT_EQ(3u, m_lpPage->m_vFlowWork[0].m_vCommand.size());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(10 + i, m_lpPage->m_vFlowWork[0].m_vCommand[i].m_nTime);
  EXPECT_EQ(1, cmds.GetCurSel());
  // Ctrl+I of the other lists' tables is not the command list's.
  ListCommand(cmds, ID_ACC_INSERT_3);
  EXPECT_EQ(3, cAnswerWhenUp<cCmdPaletteDlg>::s_nAnswered - nBefore);
}

TEST_F(FlowPageTest, NewWaitCommandThroughThePaletteLandsInTheFlowAndItsLine) {
  cEdChara chara;
  chara.m_vFlow.assign(1, cEdFlow());
  Open(chara);
  cAnswerWhenUp<cCmdPaletteDlg> pick([](cCmdPaletteDlg* p) {
    PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1267, BN_CLICKED), 0);  // "ウエイト"
  });
  cAnswerWhenUp<cWaitCmdDlg> confirm([](cWaitCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, 1000, 0); });
  SelectRow(m_lpPage->m_CmdList, 0);  // the end row: append
  Click(IDC_FP_CMD_INSERT);
  ASSERT_EQ(1u, m_lpPage->m_vFlowWork[0].m_vCommand.size());
  const cEdCommand& c = m_lpPage->m_vFlowWork[0].m_vCommand[0];
  EXPECT_EQ(1, c.m_nKind);
  EXPECT_EQ(1, c.m_nTime);
  EXPECT_EQ("1 ×1 - -", RowText(m_lpPage->m_FlowList.m_hWnd, 0));
  EXPECT_EQ("1 ◆ ウエイト ◆", RowText(m_lpPage->m_CmdList.m_hWnd, 0).substr(0, 16));
  // A key condition the same way.
  cAnswerWhenUp<cKeyCondDlg> key([](cKeyCondDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, 1000, 0); });
  Click(IDC_FP_KEY_INSERT);
  ASSERT_EQ(1u, m_lpPage->m_vFlowWork[0].m_vKeyCond.size());
  EXPECT_EQ(1, m_lpPage->m_vFlowWork[0].m_vKeyCond[0].m_nTimeMin);
  EXPECT_EQ(1, m_lpPage->m_vFlowWork[0].m_vKeyCond[0].m_nTimeMax);
  // The page hands its flows back only when the sheet leaves it.
  EXPECT_TRUE(chara.m_vFlow[0].m_vCommand.empty());
  cEdChara shared;
  m_lpPage->m_fnShare = [&](const cEdChara& c) { shared = c; };
  NMHDR hdr = {m_lpPage->m_hWnd, 0, static_cast<UINT>(PSN_KILLACTIVE)};
  SendMessageA(m_lpPage->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
  ASSERT_EQ(1u, shared.m_vFlow.size());
  EXPECT_EQ(1u, shared.m_vFlow[0].m_vCommand.size());
  EXPECT_EQ(1u, shared.m_vFlow[0].m_vKeyCond.size());
}

TEST_F(FlowPageTest, ClipboardsOutliveThePageAndReachTheNextOne) {
  cEdChara a;
  a.m_vFlow.assign(1, FlowWith(2, 0));
  Open(a);
  SelectRow(m_lpPage->m_CmdList, 1);
  ListCommand(m_lpPage->m_CmdList, ID_ACC_COPY_4);
  SelectRow(m_lpPage->m_FlowList, 0);
  ListCommand(m_lpPage->m_FlowList, ID_POP_COPY_1);
  m_lpPage.reset();
  ASSERT_EQ(1u, CmdClipboard.size());
  EXPECT_EQ(11, CmdClipboard[0].m_nTime);
  ASSERT_EQ(1u, FlowClipboard.size());

  cEdChara b;
  b.m_vFlow.assign(1, cEdFlow());
  Open(b);
  SelectRow(m_lpPage->m_CmdList, 0);
  ListCommand(m_lpPage->m_CmdList, ID_POP_PASTE_4);
  ASSERT_EQ(1u, m_lpPage->m_vFlowWork[0].m_vCommand.size());
  EXPECT_EQ(11, m_lpPage->m_vFlowWork[0].m_vCommand[0].m_nTime);
  SelectRow(m_lpPage->m_FlowList, 1);
  ListCommand(m_lpPage->m_FlowList, ID_ACC_PASTE_1);
  ASSERT_EQ(2u, m_lpPage->m_vFlowWork.size());
  EXPECT_EQ(2u, m_lpPage->m_vFlowWork[1].m_vCommand.size());
}

TEST_F(FlowPageTest, StandalonePageWritesItsFlowsBackOnlyOnOk) {
  cFlowVector flows;
  flows.push_back(FlowWith(1, 2));
  StandaloneFlowEdit.m_pvFlow = &flows;
  for (int nOp : {0, 1}) {
    for (WORD wButton : {IDC_FP_CANCEL, IDC_FP_OK}) {
      SCOPED_TRACE(wButton);
      StandaloneFlowEdit.m_nOperation = nOp;
      cFlowPage page(nullptr, cWindow::KIND_DIALOG, &WindowList, nullptr);
      std::string strCaption;
      bool bIdEnabled = true;
      cAnswerWhenUp<cFlowPage> act([&](cFlowPage* p) {
        char sz[64] = "";
        GetWindowTextA(p->m_hWnd, sz, sizeof sz);
        strCaption = sz;
        bIdEnabled = IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_FP_ID)) != FALSE;
        SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FP_FLOW_INSERT, BN_CLICKED), 0);
        PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wButton, BN_CLICKED), 0);
      });
      const size_t nBefore = flows.size();
      const INT_PTR r = page.DoModal(0);
      EXPECT_EQ("フローデータ", strCaption);
      // "変更" keeps the IDs of the flows.
      EXPECT_EQ(nOp != 1, bIdEnabled);
      EXPECT_EQ(wButton == IDC_FP_OK ? 1 : 0, r);
      EXPECT_EQ(nBefore + (wButton == IDC_FP_OK ? 1 : 0), flows.size());
    }
  }
  StandaloneFlowEdit.m_pvFlow = nullptr;
  StandaloneFlowEdit.m_nOperation = 0;
}

TEST_F(FlowPageTest, ArrowsStoreThePageAndWrapInsideTheAuthorsEntries) {
  cChkVector<cEdChara> list(3);
  for (int i = 0; i < 3; ++i) list[i].m_vFlow.assign(1, FlowWith(i, 0));
  StageEditState.m_nEditContext = EDIT_COMMON_PALETTE;
  StageEditState.m_nBrushEntry = 2;
  StageEditState.m_lpCharaTarget = &list[2];
  Open(list[2]);
  m_lpPage->m_lpCharaList = &list;
  EXPECT_EQ("No.2", Text(IDC_FP_NO));
  Click(IDC_FP_FLOW_INSERT);  // an edit of entry 2, stored when the page steps
  Click(IDC_FP_NEXT);         // past the last entry: entry 1, never entry 0
  EXPECT_EQ(1, StageEditState.m_nBrushEntry);
  EXPECT_EQ(&list[1], StageEditState.m_lpCharaTarget);
  EXPECT_EQ("No.1", Text(IDC_FP_NO));
  EXPECT_EQ(2u, list[2].m_vFlow.size());
  EXPECT_EQ("1 ×1 - -", RowText(m_lpPage->m_FlowList.m_hWnd, 0));
  Click(IDC_FP_PREV);  // before entry 1: the last entry
  EXPECT_EQ(2, StageEditState.m_nBrushEntry);
  EXPECT_EQ("1 ×0 - -", RowText(m_lpPage->m_FlowList.m_hWnd, 0));
  StageEditState.m_nEditContext = EDIT_CELL;
  StageEditState.m_lpCharaTarget = nullptr;
  StageEditState.m_nBrushEntry = 0;
}
