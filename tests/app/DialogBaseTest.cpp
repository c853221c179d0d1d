// The dialog base: modal and modeless runs, what a modal run does to the registered windows,
// disposal, routing of commands, keys and scroll messages to the bound controls, the own scroll
// bars and drag auto-scroll.
#include <gtest/gtest.h>

#include <string>

#include "ShellFixtures.h"

namespace {

// A control that records which of its hooks ran.
class cCountingCtrl : public cControl {
 public:
  cCountingCtrl(int32_t nKind, uint16_t wId) {
    m_nKind = nKind;
    m_wId = wId;
  }
  void OnChange() override { m_strLog += "change "; }
  void OnKillFocus() override { m_strLog += "killfocus "; }
  void AfterRedrawFreeze() override { m_strLog += "frozen "; }
  void RestoreSel() override { m_strLog += "restore "; }
  void OnKeyDown(WPARAM wKey, LPARAM, int32_t) override { m_strLog += "key" + std::to_string(wKey) + " "; }
  int OnScroll(WPARAM, LPARAM) override {
    m_strLog += "scroll ";
    return 0;
  }
  int OnNotify(WPARAM, LPARAM) override {
    m_strLog += "notify ";
    return m_nNotifyResult;
  }
  std::string m_strLog;
  int m_nNotifyResult = 0;
};

class DialogBaseTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(WindowList.m_vWindows.empty());
    EXPECT_TRUE(WindowList.m_vSheets.empty());
  }
  cMsgBoxRecorder m_Boxes;
};

TEST_F(DialogBaseTest, CommandsReachTheFirstControlOfTheirIdByKindAndCode) {
  struct {
    int32_t nKind;
    WORD wCode;
    const char* pszLog;
  } const aCases[] = {
      {cControl::KIND_EDITVAL, EN_UPDATE, "change "},
      {cControl::KIND_EDITSTR, EN_KILLFOCUS, "killfocus "},
      {cControl::KIND_EDITSTR, EN_CHANGE, ""},
      {cControl::KIND_COMBO, CBN_SELCHANGE, "change "},
      {cControl::KIND_COMBO, CBN_KILLFOCUS, ""},
      {cControl::KIND_LIST, LBN_SELCHANGE, "change frozen "},
      {cControl::KIND_LIST, LBN_KILLFOCUS, "killfocus frozen "},
      {cControl::KIND_LIST, LBN_DBLCLK, "frozen "},
      {cControl::KIND_BUTTON, BN_CLICKED, ""},
      {cControl::KIND_CHECK, BN_CLICKED, ""},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(std::to_string(c.nKind) + "/" + std::to_string(c.wCode));
    cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    cCountingCtrl first(c.nKind, 1100), second(c.nKind, 1100), other(cControl::KIND_EDITVAL, 1101);
    dlg.AddCtrl(&other);
    dlg.AddCtrl(&first);
    dlg.AddCtrl(&second);
    dlg.OnCommand(MAKEWPARAM(1100, c.wCode), 0);
    EXPECT_EQ(c.pszLog, first.m_strLog);
    // The walk ends at the first control that was called; every list is frozen.
    EXPECT_EQ(c.nKind == cControl::KIND_LIST ? "frozen " : "", second.m_strLog);
    EXPECT_EQ("", other.m_strLog);
  }
}

TEST_F(DialogBaseTest, RedrawListRestoresEveryBoundListAndNothingElse) {
  cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  cCountingCtrl list1(cControl::KIND_LIST, 1100), edit(cControl::KIND_EDITVAL, 1101),
      list2(cControl::KIND_LIST, 1102);
  for (cControl* c : {static_cast<cControl*>(&list1), static_cast<cControl*>(&edit), static_cast<cControl*>(&list2)})
    dlg.AddCtrl(c);
  dlg.RedrawList();
  EXPECT_EQ("restore ", list1.m_strLog);
  EXPECT_EQ("", edit.m_strLog);
  EXPECT_EQ("restore ", list2.m_strLog);
}

TEST_F(DialogBaseTest, ChangedCtrlIdNamesOnlyValueChanges) {
  struct {
    int32_t nKind;
    WORD wCode;
    uint16_t wExpected;
  } const aCases[] = {
      {cControl::KIND_BUTTON, BN_CLICKED, 1100},  {cControl::KIND_BUTTON, BN_DBLCLK, 0},
      {cControl::KIND_EDITVAL, EN_UPDATE, 1100},  {cControl::KIND_EDITSTR, EN_UPDATE, 1100},
      {cControl::KIND_EDITVAL, EN_KILLFOCUS, 0},  {cControl::KIND_CHECK, BN_DBLCLK, 1100},
      {cControl::KIND_COMBO, CBN_SELCHANGE, 1100}, {cControl::KIND_COMBO, CBN_DROPDOWN, 0},
      {cControl::KIND_LIST, LBN_SELCHANGE, 0},
  };
  for (const auto& c : aCases) {
    cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    cCountingCtrl ctrl(c.nKind, 1100);
    dlg.AddCtrl(&ctrl);
    EXPECT_EQ(c.wExpected, dlg.ChangedCtrlId(MAKEWPARAM(1100, c.wCode))) << c.nKind << "/" << c.wCode;
    EXPECT_EQ(0, dlg.ChangedCtrlId(MAKEWPARAM(1101, c.wCode)));
  }
}

TEST_F(DialogBaseTest, CommandSentFromInsideACommandIsDropped) {
  cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  dlg.m_fnCommand = [](cProbeDlg<1>* p, WPARAM w) {
    if (LOWORD(w) == 100) SendMessageA(p->m_hWnd, WM_COMMAND, 101, 0);
  };
  dlg.DoModeless(0, 1);
  SendMessageA(dlg.m_hWnd, WM_COMMAND, 100, 0);
  SendMessageA(dlg.m_hWnd, WM_COMMAND, 102, 0);
  EXPECT_EQ((std::vector<WORD>{100, 102}), dlg.m_vCommands);
}

TEST_F(DialogBaseTest, ModalRunWithFlagsHidesAndDisablesTheRegisteredWindowsAndSheets) {
  cProbeDlg<1> other(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  other.DoModeless(0, 1);
  cProbeSheet* lpSheet = nullptr;
  lpSheet = new cProbeSheet(&other, &lpSheet);
  lpSheet->Run();
  struct {
    DWORD dwFlags;
    bool bHidden, bDisabled;
  } const aCases[] = {{0, false, false}, {2, true, false}, {4, false, true}, {6, true, true}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.dwFlags);
    bool bOtherVisible = true, bOtherEnabled = true, bSheetVisible = true, bSheetEnabled = true;
    cProbeDlg<2> modal(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    modal.m_fnInit = [](cProbeDlg<2>* p) { PostMessageA(p->m_hWnd, WM_APP, 0, 0); };
    modal.m_fnMsg = [&](cProbeDlg<2>* p, UINT uMsg, WPARAM, LPARAM) {
      if (uMsg != WM_APP) return;
      bOtherVisible = IsWindowVisible(other.m_hWnd) != FALSE;
      bOtherEnabled = !IsDisabled(other.m_hWnd);
      bSheetVisible = IsWindowVisible(lpSheet->m_hSheet) != FALSE;
      bSheetEnabled = !IsDisabled(lpSheet->m_hSheet);
      p->Close(7);
    };
    EXPECT_EQ(7, modal.DoModal(c.dwFlags));
    EXPECT_EQ(c.bHidden, !bOtherVisible);
    EXPECT_EQ(c.bHidden, !bSheetVisible);
    EXPECT_EQ(c.bDisabled, !bOtherEnabled);
    EXPECT_EQ(c.bDisabled, !bSheetEnabled);
    EXPECT_TRUE(IsWindowVisible(other.m_hWnd));
    EXPECT_TRUE(IsWindowVisible(lpSheet->m_hSheet));
    EXPECT_FALSE(IsDisabled(other.m_hWnd));
    EXPECT_FALSE(IsDisabled(lpSheet->m_hSheet));
    EXPECT_EQ(nullptr, modal.m_hWnd);
    EXPECT_FALSE(WindowList.HasWindow(&modal));  // modal dialogs are not registered
  }
  delete lpSheet;
}

TEST_F(DialogBaseTest, DoModalOnADialogThatHasAWindowReturnsZeroAtOnce) {
  cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  dlg.DoModeless(0, 1);
  HWND hWnd = dlg.m_hWnd;
  EXPECT_EQ(0, dlg.DoModal(6));
  EXPECT_EQ(hWnd, dlg.m_hWnd);
  EXPECT_TRUE(IsWindowVisible(hWnd));
  EXPECT_FALSE(IsDisabled(hWnd));
}

TEST_F(DialogBaseTest, ModelessDialogRegistersOnceAndDisposeUnregistersIt) {
  {
    cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    dlg.DoModeless(0, 0);
    EXPECT_FALSE(IsWindowVisible(dlg.m_hWnd));
    EXPECT_EQ((std::vector<cWindow*>{&dlg}), WindowList.m_vWindows);
    EXPECT_EQ(static_cast<void*>(&dlg), dlg.m_lpRegistered);
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(DialogBaseTest, DeletingAModelessDialogThatTheUserClosedShowsNoError) {
  auto* lpDlg = new cProbeDlg<1>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  lpDlg->DoModeless(0, 1);
  HWND hWnd = lpDlg->m_hWnd;
  DestroyWindow(hWnd);
  EXPECT_EQ(hWnd, lpDlg->m_hWnd);  // the handle stays after the window went
  delete lpDlg;
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(DialogBaseTest, DisposingADialogThatIsNotRegisteredReportsIt) {
  auto* lpDlg = new cProbeDlg<1>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  lpDlg->DoModeless(0, 1);
  WindowList.RemoveWindow(lpDlg);
  delete lpDlg;
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("ウインドウの破棄に失敗！", m_Boxes.Shown()[0].strText);
}

TEST_F(DialogBaseTest, KeysReachBoundControlsOnlyInModalDialogs) {
  cCountingCtrl ctrl(cControl::KIND_BUTTON, 1100);
  cProbeDlg<1> modeless(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  modeless.m_fnInit = [&](cProbeDlg<1>* p) { p->AddCtrl(&ctrl); };
  modeless.DoModeless(0, 1);
  SendMessageA(modeless.m_hWnd, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ("", ctrl.m_strLog);

  cProbeDlg<2> modal(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  modal.m_fnInit = [&](cProbeDlg<2>* p) {
    p->AddCtrl(&ctrl);
    SendMessageA(p->m_hWnd, WM_KEYDOWN, 'A', 0);
    SendMessageA(p->m_hWnd, cDialog::WM_HOOKED_KEY, VK_F2, 0);
    p->Close(1);
  };
  modal.DoModal(0);
  EXPECT_EQ("key65 key113 ", ctrl.m_strLog);
}

TEST_F(DialogBaseTest, NotificationsStopAtTheFirstControlThatTakesThemScrollsReachAll) {
  cCountingCtrl a(cControl::KIND_LIST, 1100), b(cControl::KIND_LIST, 1101), c(cControl::KIND_LIST, 1102);
  b.m_nNotifyResult = 1;
  cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  dlg.m_fnInit = [&](cProbeDlg<1>* p) {
    p->AddCtrl(&a);
    p->AddCtrl(&b);
    p->AddCtrl(&c);
  };
  dlg.DoModeless(0, 1);
  NMHDR nm = {dlg.m_hWnd, 1101, 0};
  SendMessageA(dlg.m_hWnd, WM_NOTIFY, 1101, reinterpret_cast<LPARAM>(&nm));
  SendMessageA(dlg.m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ("notify scroll ", a.m_strLog);
  EXPECT_EQ("notify scroll ", b.m_strLog);
  EXPECT_EQ("scroll ", c.m_strLog);
}

// A dialog with both own bars, ranges 0..100 and pages of 10.
class ScrollingDialogTest : public DialogBaseTest {
 protected:
  void SetUp() override {
    m_lpDlg = new cProbeDlg<3>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    m_lpDlg->SetLayout(320, 240, 100, 100, 640, 480, 0, 0, 0, 0, 0,
                       cWindow::SCROLL_H | cWindow::SCROLL_V);
    m_lpDlg->DoModeless(0, 1);
    ASSERT_TRUE(m_lpDlg->m_HScroll.m_hWnd && m_lpDlg->m_VScroll.m_hWnd);
    for (cScrollCtrl* bar : {&m_lpDlg->m_HScroll, &m_lpDlg->m_VScroll}) {
      bar->SetRange(0, 100);
      bar->SetPage(10);
    }
    cDialog::ResetAutoScroll();
    DrainMessages();  // first paint
  }
  void TearDown() override {
    delete m_lpDlg;
    DialogBaseTest::TearDown();
  }
  cProbeDlg<3>* m_lpDlg = nullptr;
};

TEST_F(ScrollingDialogTest, OwnBarsAreAttachedAndLaidAlongTheView) {
  cDialog& d = *m_lpDlg;
  EXPECT_EQ(IDC_HSCROLL, d.m_HScroll.m_wId);
  EXPECT_EQ(IDC_VSCROLL, d.m_VScroll.m_wId);
  EXPECT_EQ(IDC_STAGE_VIEW, d.m_ViewCtrl.m_wId);
  EXPECT_EQ(320, d.m_nViewW);
  EXPECT_EQ(240, d.m_nViewH);
  RECT rc;
  GetWindowRect(d.m_HScroll.m_hWnd, &rc);
  MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(0, rc.left);
  EXPECT_EQ(240, rc.top);
  EXPECT_EQ(320, rc.right);
  GetWindowRect(d.m_VScroll.m_hWnd, &rc);
  MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(320, rc.left);
  EXPECT_EQ(0, rc.top);
  EXPECT_EQ(240, rc.bottom);
  // Resizing the window keeps them along the view.
  d.SetClientSize(400 + GetSystemMetrics(SM_CXVSCROLL), 300 + GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(400, d.m_nViewW);
  GetWindowRect(d.m_VScroll.m_hWnd, &rc);
  MapWindowPoints(nullptr, d.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(400, rc.left);
  EXPECT_EQ(300, rc.bottom);
}

TEST_F(ScrollingDialogTest, PagingKeysScrollTheOwnBarsAndRedrawOncePerChange) {
  struct {
    WPARAM wKey;
    int32_t nH, nV;
  } const aSteps[] = {
      {VK_NEXT, 0, 10}, {VK_NEXT, 0, 20}, {VK_PRIOR, 0, 10}, {VK_DOWN, 0, 11},
      {VK_UP, 0, 10},   {VK_RIGHT, 1, 10}, {VK_END, 11, 10}, {VK_HOME, 1, 10},
      {VK_LEFT, 0, 10}, {VK_LEFT, 0, 10},  // already at the start: no change, no redraw
  };
  for (const auto& s : aSteps) {
    SCOPED_TRACE(s.wKey);
    int32_t nOldH = m_lpDlg->m_HScroll.GetPos(), nOldV = m_lpDlg->m_VScroll.GetPos();
    m_lpDlg->m_nDraws = 0;
    SendMessageA(m_lpDlg->m_hWnd, WM_KEYDOWN, s.wKey, 0);
    bool bMoves = nOldH != s.nH || nOldV != s.nV;
    DrainMessages();  // the key posted its scroll message; nothing else is pending after it
    EXPECT_EQ(s.nH, m_lpDlg->m_HScroll.GetPos());
    EXPECT_EQ(s.nV, m_lpDlg->m_VScroll.GetPos());
    EXPECT_EQ(bMoves ? 1 : 0, m_lpDlg->m_nDraws);
  }
}

TEST_F(ScrollingDialogTest, ScrollMessagesOfTheOwnBarsMoveByTheirCode) {
  HWND hBar = m_lpDlg->m_VScroll.m_hWnd;
  struct {
    WORD wCode;
    int32_t nExpected;
  } const aCases[] = {{SB_BOTTOM, 100 - 10 + 1}, {SB_TOP, 0}, {SB_PAGEDOWN, 10},
                      {SB_LINEDOWN, 11},         {SB_THUMBPOSITION, 11}, {SB_LINEUP, 10}};
  for (const auto& c : aCases) {
    SendMessageA(m_lpDlg->m_hWnd, WM_VSCROLL, c.wCode, reinterpret_cast<LPARAM>(hBar));
    EXPECT_EQ(c.nExpected, m_lpDlg->m_VScroll.GetPos()) << c.wCode;
  }
  // A scroll message of another bar leaves the own bars alone.
  SendMessageA(m_lpDlg->m_hWnd, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(10, m_lpDlg->m_VScroll.GetPos());
}

TEST_F(ScrollingDialogTest, AutoScrollStepsEveryCallWhenFarAndEveryEighthWhenNear) {
  const int32_t W = m_lpDlg->m_nViewW, H = m_lpDlg->m_nViewH;
  struct {
    const char* pszCase;
    int32_t x, y;
    int32_t nHSteps, nVSteps;  // bar moves over 16 calls (+ right/down, - left/up)
  } const aCases[] = {
      {"40 beyond the right", W - 1 + 40, 10, 16, 0},
      {"33 beyond the right", W - 1 + 33, 10, 16, 0},
      {"32 beyond the right", W - 1 + 32, 10, 2, 0},
      {"10 beyond the right", W - 1 + 10, 10, 2, 0},
      {"40 beyond the left", -40, 10, -16, 0},
      {"10 beyond the bottom", 10, H - 1 + 10, 0, 2},
      {"40 beyond the top", 10, -40, 0, -16},
      {"beyond the bottom right corner", W + 50, H + 50, 16, 16},
      {"inside", 10, 10, 0, 0},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszCase);
    cDialog::ResetAutoScroll();
    m_lpDlg->m_HScroll.SetPos(50);
    m_lpDlg->m_VScroll.SetPos(50);
    m_lpDlg->m_Mouse.x = c.x;
    m_lpDlg->m_Mouse.y = c.y;
    int32_t nH = -1, nV = -1;
    for (int i = 0; i < 16; ++i) m_lpDlg->AutoScroll(&nH, &nV);
    EXPECT_EQ(50 + c.nHSteps, m_lpDlg->m_HScroll.GetPos());
    EXPECT_EQ(50 + c.nVSteps, m_lpDlg->m_VScroll.GetPos());
    EXPECT_EQ(c.nHSteps ? 50 + c.nHSteps : -1, nH);
    EXPECT_EQ(c.nVSteps ? 50 + c.nVSteps : -1, nV);
  }
}

TEST_F(ScrollingDialogTest, AutoScrollCountsAreKeptWhenTheCursorComesBack) {
  m_lpDlg->m_HScroll.SetPos(50);
  m_lpDlg->m_Mouse.x = m_lpDlg->m_nViewW + 5;
  int32_t nH = 0, nV = 0;
  for (int i = 0; i < 5; ++i) m_lpDlg->AutoScroll(&nH, &nV);
  m_lpDlg->m_Mouse.x = 10;
  m_lpDlg->AutoScroll(&nH, &nV);
  m_lpDlg->m_Mouse.x = m_lpDlg->m_nViewW + 5;
  for (int i = 0; i < 3; ++i) m_lpDlg->AutoScroll(&nH, &nV);
  EXPECT_EQ(51, m_lpDlg->m_HScroll.GetPos());
}

}  // namespace
