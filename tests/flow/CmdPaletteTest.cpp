// The command palettes, the wait dialog and the item flow-change dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/WindowList.h"
#include "flow/CmdPaletteDlg.h"
#include "flow/FlowPage.h"
#include "flow/ItemFlowCmdDlg.h"
#include "flow/KeyCondDlg.h"
#include "flow/MoveCmdDlgs.h"
#include "flow/StandaloneFlowEdit.h"
#include "resources/CmdDialogIds.h"
#include "resources/FlowPageIds.h"
#include "support/AnswerWhenUp.h"
#include "support/TestSupport.h"

namespace {

struct cSeenButtons {
  int nCaptioned = 0;
  int nHidden = 0;
  std::string strFirst, strLast;
};

// Looks at the palette's 45 buttons, then closes it.
template <class P>
cSeenButtons LookAtPalette(uint16_t wTemplate, cEdCommand& cmd) {
  cSeenButtons seen;
  cCmdEditInfo info{&cmd, 1};
  P pal(wTemplate, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
  cAnswerWhenUp<P> look([&](P* p) {
    for (auto& b : p->m_vPush) {
      char sz[64] = "";
      GetWindowTextA(b.m_Ctrl.m_hWnd, sz, sizeof sz);
      // The palette itself may not be on screen yet: the buttons' own style says what will show.
      if (!(GetWindowLongA(b.m_Ctrl.m_hWnd, GWL_STYLE) & WS_VISIBLE)) {
        ++seen.nHidden;
        continue;
      }
      if (sz[0]) {
        if (!seen.nCaptioned) seen.strFirst = sz;
        seen.strLast = sz;
        ++seen.nCaptioned;
      }
    }
    PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(0, pal.DoModal(0));
  return seen;
}

INT_PTR RunPalette(cEdCommand& cmd, int32_t bNew) {
  cCmdEditInfo info{&cmd, bNew};
  cCmdPaletteDlg pal(IDD_CMD_PALETTE, nullptr, cWindow::KIND_DIALOG, &info, &WindowList,
                     static_cast<cControl*>(nullptr), 0);
  return pal.DoModal(0);
}

class CmdPaletteTest : public testing::Test {
 protected:
  void SetUp() override { InitCommonControls(); }
};

}  // namespace

TEST_F(CmdPaletteTest, PalettesCaptionTheirKindsAndHideTheRest) {
  cEdCommand cmd;
  cSeenButtons chara = LookAtPalette<cCmdPaletteDlg>(IDD_CMD_PALETTE, cmd);
  EXPECT_EQ(39, chara.nCaptioned);
  EXPECT_EQ(6, chara.nHidden);
  EXPECT_EQ("ウエイト", chara.strFirst);
  EXPECT_EQ("ループ", chara.strLast);
  cSeenButtons item = LookAtPalette<cItemCmdPaletteDlg>(IDD_ITEM_CMD_PALETTE, cmd);
  EXPECT_EQ(24, item.nCaptioned);
  EXPECT_EQ(21, item.nHidden);
  EXPECT_EQ("フローの変更", item.strFirst);
  EXPECT_EQ("ループ", item.strLast);
  // Closing the palette changed nothing.
  EXPECT_EQ(cEdCommand(), cmd);
}

TEST_F(CmdPaletteTest, NewWaitConfirmedStoresTimeOneAndTheDefaults) {
  cEdCommand cmd;
  cmd.m_vParam.assign(3, 7);  // no parameters for a wait: the surplus goes
  cAnswerWhenUp<cCmdPaletteDlg> pick(
      [](cCmdPaletteDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1267, BN_CLICKED), 0); });
  cAnswerWhenUp<cWaitCmdDlg> ok([](cWaitCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0); });
  EXPECT_EQ(1, RunPalette(cmd, 1));
  EXPECT_EQ(0, cmd.m_bItem);
  EXPECT_EQ(1, cmd.m_nKind);
  EXPECT_EQ(1, cmd.m_nTime);
  EXPECT_EQ(0, cmd.m_nTimeClone);
  EXPECT_EQ(0, cmd.m_bParallel);
  EXPECT_TRUE(cmd.m_vParam.empty());
}

TEST_F(CmdPaletteTest, ExistingCommandOpensOnlyItsOwnDialogAndCancelKeepsIt) {
  // "ジャンプ" and "ウエイト".
  cEdCommand jump;
  jump.m_nKind = 10;
  jump.m_vParam.assign(5, 3);
  jump.m_nTime = 42;
  const cEdCommand before = jump;
  bool bPaletteShown = false;
  cAnswerWhenUp<cCmdPaletteDlg> palette([&](cCmdPaletteDlg*) { bPaletteShown = true; });
  cAnswerWhenUp<cJumpCmdDlg> cancel([](cJumpCmdDlg* p) {
    SetDlgItemTextA(p->m_hWnd, 1305, "2");
    PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_CANCEL, 0);
  });
  EXPECT_EQ(0, RunPalette(jump, 0));
  EXPECT_EQ(before, jump);

  cEdCommand wait;
  wait.m_nKind = 1;
  wait.m_nTime = 30;
  wait.m_nTimeClone = -4;
  std::string strTime;
  cAnswerWhenUp<cWaitCmdDlg> look([&](cWaitCmdDlg* p) {
    char sz[32] = "";
    GetDlgItemTextA(p->m_hWnd, IDC_CMD_TIME, sz, sizeof sz);
    strTime = sz;
    SetDlgItemTextA(p->m_hWnd, IDC_CMD_TIME, "77");
    PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(0, RunPalette(wait, 0));
  EXPECT_EQ("30", strTime);  // an existing wait is not given the new one's time
  EXPECT_EQ(30, wait.m_nTime);
  EXPECT_EQ(-4, wait.m_nTimeClone);
  EXPECT_FALSE(bPaletteShown);
}

TEST_F(CmdPaletteTest, KindDialogRunsWithoutAPaletteWindowBehindIt) {
  // A command's dialog is all an edit pays for: a new command's palette is gone before the kind's
  // dialog opens, an existing command's palette window is never made, and the dialog is owned by
  // what owned the palette (nothing here), so closing it activates no hidden palette.
  for (int32_t bNew : {1, 0}) {
    SCOPED_TRACE(bNew);
    cEdCommand cmd;
    if (!bNew) cmd.m_nKind = 1;
    int nPalettesUp = 0;
    bool bPaletteGone = false;
    HWND hOwner = reinterpret_cast<HWND>(1);
    cAnswerWhenUp<cCmdPaletteDlg> pick([&](cCmdPaletteDlg* p) {
      ++nPalettesUp;
      PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1267, BN_CLICKED), 0);
    });
    cAnswerWhenUp<cWaitCmdDlg> ok([&](cWaitCmdDlg* p) {
      const cCmdPaletteDlg* lpPalette = cCmdPaletteDlg::Current();
      bPaletteGone = lpPalette && !(lpPalette->m_hWnd && IsWindow(lpPalette->m_hWnd));
      hOwner = GetWindow(p->m_hWnd, GW_OWNER);
      PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0);
    });
    EXPECT_EQ(1, RunPalette(cmd, bNew));
    EXPECT_EQ(bNew, nPalettesUp);
    EXPECT_TRUE(bPaletteGone);
    EXPECT_EQ(nullptr, hOwner);
    EXPECT_EQ(1, cmd.m_nKind);
  }
}

TEST_F(CmdPaletteTest, CommandWithoutKindShowsThePaletteAndRunsAsNew) {
  // The palette runs its own loop, waiting for a kind, instead of closing at once.
  cEdCommand cmd;
  bool bWaiting = false;
  cAnswerWhenUp<cCmdPaletteDlg> look([&](cCmdPaletteDlg* p) {
    bWaiting = true;
    PostMessageA(p->m_hWnd, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(0, RunPalette(cmd, 0));
  EXPECT_TRUE(bWaiting);
  EXPECT_EQ(0, cmd.m_nKind);
  // Given a kind there, the command is treated as new: a wait gets the new wait's time.
  cAnswerWhenUp<cCmdPaletteDlg> pick(
      [](cCmdPaletteDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1267, BN_CLICKED), 0); });
  cAnswerWhenUp<cWaitCmdDlg> ok([](cWaitCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0); });
  EXPECT_EQ(1, RunPalette(cmd, 0));
  EXPECT_EQ(1, cmd.m_nKind);
  EXPECT_EQ(1, cmd.m_nTime);
}

TEST_F(CmdPaletteTest, ItemPaletteOpensNothingWithoutAnItemPage) {
  cEdCommand cmd;
  cCmdEditInfo info{&cmd, 1};
  cAnswerWhenUp<cItemCmdPaletteDlg> pick(
      [](cItemCmdPaletteDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(1268, BN_CLICKED), 0); });
  cItemCmdPaletteDlg pal(IDD_ITEM_CMD_PALETTE, nullptr, cWindow::KIND_DIALOG, &info, &WindowList,
                         static_cast<cControl*>(nullptr), 0);
  // The list takes a new command out again on 0: no item being edited, nothing to confirm.
  EXPECT_EQ(0, pal.DoModal(0));
  EXPECT_EQ(1, cmd.m_bItem);
  EXPECT_EQ(2, cmd.m_nKind);
}

TEST_F(CmdPaletteTest, KeyConditionTimesFollowTheirRules) {
  cEdKeyCond key;
  cKeyCondEditInfo info{&key, 1};
  std::string strMin, strMax, strMaxAfter;
  bool bDisabled = false;
  {
    cKeyCondDlg dlg(IDD_KEY_COND, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
    cAnswerWhenUp<cKeyCondDlg> act([&](cKeyCondDlg* p) {
      char sz[16] = "";
      GetDlgItemTextA(p->m_hWnd, IDC_KC_TIME_MIN, sz, sizeof sz);
      strMin = sz;
      GetDlgItemTextA(p->m_hWnd, IDC_KC_TIME_MAX, sz, sizeof sz);
      strMax = sz;
      // A lower bound above the upper one raises the upper one.
      SetDlgItemTextA(p->m_hWnd, IDC_KC_TIME_MIN, "20");
      GetDlgItemTextA(p->m_hWnd, IDC_KC_TIME_MAX, sz, sizeof sz);
      strMaxAfter = sz;
      SendDlgItemMessageA(p->m_hWnd, IDC_KC_INFINITE, BM_SETCHECK, BST_CHECKED, 0);
      SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_KC_INFINITE, BN_CLICKED), 0);
      bDisabled = !IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_KC_TIME_MIN)) &&
                  !IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_KC_TIME_MAX));
      PostMessageA(p->m_hWnd, WM_COMMAND, IDC_KC_OK, 0);
    });
    EXPECT_EQ(1, dlg.DoModal(0));
  }
  EXPECT_EQ("1", strMin);
  EXPECT_EQ("1", strMax);
  EXPECT_EQ("20", strMaxAfter);
  EXPECT_TRUE(bDisabled);
  EXPECT_EQ(20, key.m_nTimeMin);
  EXPECT_EQ(20, key.m_nTimeMax);
  EXPECT_EQ(1, key.m_bTimeInfinite);
}

namespace {

// Runs the flow-change dialog on the command with the answer given.
INT_PTR RunItemFlow(cEdCommand& cmd, int32_t bNew, std::function<void(cItemFlowCmdDlg*)> fn) {
  cmd.m_bItem = 1;
  cmd.m_nKind = 1;
  cCmdEditInfo info{&cmd, bNew};
  cItemFlowCmdDlg dlg(IDD_CMD_ITEM_FLOW, nullptr, cWindow::KIND_DIALOG, &info, &WindowList,
                      static_cast<cControl*>(nullptr), 0);
  cAnswerWhenUp<cItemFlowCmdDlg> act(std::move(fn));
  return dlg.DoModal(0);
}

void ChooseOp(cItemFlowCmdDlg* p, int nOp) {
  SendDlgItemMessageA(p->m_hWnd, IDC_IF_OP, CB_SETCURSEL, nOp, 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_IF_OP, CBN_SELCHANGE), 0);
}

}  // namespace

TEST_F(CmdPaletteTest, FlowChangeDialogEnablesByOperationAndKeepsConfirmedFlows) {
  cEdCommand cmd;
  std::string strCaption;
  std::vector<std::pair<bool, bool>> vEnabled;
  EXPECT_EQ(1, RunItemFlow(cmd, 1, [&](cItemFlowCmdDlg* p) {
              char sz[64] = "";
              GetWindowTextA(p->m_hWnd, sz, sizeof sz);
              strCaption = sz;
              for (int nOp : {0, 1, 2}) {
                ChooseOp(p, nOp);
                vEnabled.emplace_back(IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_IF_ID)) != FALSE,
                                      IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_IF_FLOWS)) != FALSE);
              }
              ChooseOp(p, 0);
              PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0);
            }));
  EXPECT_EQ("フローの変更", strCaption);
  EXPECT_EQ((std::vector<std::pair<bool, bool>>{{false, true}, {true, true}, {true, false}}), vEnabled);
  EXPECT_EQ((cChkVector<int32_t>{0, 0}), cmd.m_vParam);
  EXPECT_TRUE(cmd.m_vFlow.empty());

  // The flows: a default one before the page opens, even when the page is cancelled; flows
  // confirmed in the page stay although the dialog is then cancelled.
  for (WORD wPage : {IDC_FP_CANCEL, IDC_FP_OK}) {
    SCOPED_TRACE(wPage);
    cEdCommand c;
    cAnswerWhenUp<cFlowPage> page([&](cFlowPage* p) {
      SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FP_FLOW_INSERT, BN_CLICKED), 0);
      PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wPage, BN_CLICKED), 0);
    });
    EXPECT_EQ(0, RunItemFlow(c, 1, [](cItemFlowCmdDlg* p) {
                SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_IF_FLOWS, BN_CLICKED), 0);
                PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_CANCEL, 0);
              }));
    EXPECT_EQ(wPage == IDC_FP_OK ? 2u : 1u, c.m_vFlow.size());
    EXPECT_EQ(nullptr, StandaloneFlowEdit.m_pvFlow);
  }
}
