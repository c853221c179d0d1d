// Modeless property sheets: reaping after the user closed them, the caption buttons, and which
// page takes the window list's accelerators.
#include <gtest/gtest.h>

#include "ShellFixtures.h"

namespace {

class PropSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_lpOwner = new cProbeDlg<1>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    m_lpOwner->DoModeless(0, 1);
    ASSERT_TRUE(m_lpOwner->m_hWnd);
  }
  void TearDown() override {
    delete m_lpSheet;
    m_lpSheet = nullptr;
    delete m_lpOwner;
    EXPECT_TRUE(WindowList.m_vWindows.empty());
    EXPECT_TRUE(WindowList.m_vSheets.empty());
  }
  void OpenSheet() {
    m_lpSheet = new cProbeSheet(m_lpOwner, &m_lpSheet);
    m_lpSheet->Run();
    ASSERT_TRUE(m_lpSheet->m_hSheet);
  }
  // Offers one message to the window list as the main loop does.
  bool NextMessage() {
    MSG msg = {};  // a thread message: no dialog takes it
    msg.message = WM_NULL;
    return WindowList.PreTranslate(&msg);
  }

  cMsgBoxRecorder m_Boxes;
  cProbeDlg<1>* m_lpOwner = nullptr;
  cProbeSheet* m_lpSheet = nullptr;
};

TEST_F(PropSheetTest, ClosedSheetIsDeletedAtTheNextMessageWhichGoesOnAndOwnersPointerCleared) {
  struct {
    const char* pszHow;
    std::function<void(HWND)> fnClose;
  } const aCases[] = {
      {"OK", [](HWND h) { SendMessageA(h, PSM_PRESSBUTTON, PSBTN_OK, 0); }},
      {"Cancel", [](HWND h) { SendMessageA(h, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }},
      {"close box", [](HWND h) { SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszHow);
    OpenSheet();
    HWND hSheet = m_lpSheet->m_hSheet;
    HWND hPage = m_lpSheet->m_Page1.m_hWnd;
    ASSERT_TRUE(WindowList.HasWindow(&m_lpSheet->m_Page1));
    c.fnClose(hSheet);
    EXPECT_FALSE(NextMessage());  // reaped, and the message itself is still to be dispatched
    EXPECT_EQ(nullptr, m_lpSheet);
    EXPECT_FALSE(IsWindow(hSheet));
    EXPECT_FALSE(IsWindow(hPage));
    EXPECT_TRUE(WindowList.m_vSheets.empty());
    ASSERT_EQ(1u, WindowList.m_vWindows.size());  // only the owner is left
    EXPECT_FALSE(NextMessage());
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(PropSheetTest, OpenSheetIsLeftAloneAndHasNoContextHelpButton) {
  OpenSheet();
  EXPECT_FALSE(NextMessage());
  EXPECT_NE(nullptr, m_lpSheet);
  EXPECT_EQ(0, GetWindowLongPtrA(m_lpSheet->m_hSheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
  EXPECT_EQ(0, m_lpSheet->GetCurPage());
  m_lpSheet->SetCurPage(1);
  EXPECT_EQ(1, m_lpSheet->GetCurPage());
  EXPECT_EQ(m_lpSheet, m_lpSheet->m_Page2.m_lpSheet);
  EXPECT_EQ(m_lpSheet->m_hSheet, m_lpSheet->m_Page2.m_hSheetWnd);
  EXPECT_EQ(m_lpOwner, m_lpSheet->m_Page2.m_lpParentClass);
  int nDraws = m_lpSheet->m_Page2.m_nDraws;
  m_lpSheet->DrawCurPage();
  EXPECT_EQ(nDraws + 1, m_lpSheet->m_Page2.m_nDraws);
}

// A sheet opens at its owner's corner and then grows to fit its pages: an owner near the edge of
// the screen must not leave the sheet's buttons off it.
TEST_F(PropSheetTest, SheetOfAnOwnerNearTheEdgeOpensInsideTheWorkArea) {
  RECT rcWork;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
  SetWindowPos(m_lpOwner->m_hWnd, nullptr, rcWork.right - 100, rcWork.bottom - 80, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  OpenSheet();
  RECT rc;
  GetWindowRect(m_lpSheet->m_hSheet, &rc);
  EXPECT_GE(rc.left, rcWork.left);
  EXPECT_GE(rc.top, rcWork.top);
  EXPECT_LE(rc.right, rcWork.right);
  EXPECT_LE(rc.bottom, rcWork.bottom);
  HWND hOk = GetDlgItem(m_lpSheet->m_hSheet, IDOK);
  ASSERT_TRUE(hOk);
  GetWindowRect(hOk, &rc);
  EXPECT_LE(rc.right, rcWork.right);
  EXPECT_LE(rc.bottom, rcWork.bottom);
}

// Every caption a property sheet window has while it is visible, in order.
std::vector<std::string> g_vShownCaptions;
LRESULT CALLBACK RecordSheetCaption(int nCode, WPARAM wParam, LPARAM lParam) {
  const CWPRETSTRUCT* p = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  char szClass[32] = "";
  GetClassNameA(p->hwnd, szClass, sizeof szClass);
  const bool bTopLevel = (GetWindowLongPtrA(p->hwnd, GWL_STYLE) & WS_CHILD) == 0;
  const bool bSheet = lstrcmpA(szClass, "#32770") == 0 && bTopLevel &&
                      FindWindowExA(p->hwnd, nullptr, "SysTabControl32", nullptr);
  if (bSheet && IsWindowVisible(p->hwnd)) {
    // Read without a message of its own, which would come back through this hook.
    WCHAR wsz[128] = L"";
    InternalGetWindowText(p->hwnd, wsz, 128);
    char sz[256] = "";
    WideCharToMultiByte(932, 0, wsz, -1, sz, sizeof sz, nullptr, nullptr);
    if (g_vShownCaptions.empty() || g_vShownCaptions.back() != sz) g_vShownCaptions.push_back(sz);
  }
  return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

TEST_F(PropSheetTest, SheetIsNeverSeenWithoutItsCaption) {
  g_vShownCaptions.clear();
  HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, RecordSheetCaption, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(hHook);
  m_lpSheet = new cProbeSheet(m_lpOwner, &m_lpSheet);
  m_lpSheet->Run("ステージの設定");
  UnhookWindowsHookEx(hHook);
  ASSERT_TRUE(m_lpSheet->m_hSheet);
  EXPECT_TRUE(IsWindowVisible(m_lpSheet->m_hSheet));
  EXPECT_EQ(std::vector<std::string>{"ステージの設定"}, g_vShownCaptions);
}

TEST_F(PropSheetTest, OwnerThatDeletesItsSheetTakesTheWindowAndRegistrationsAway) {
  OpenSheet();
  HWND hSheet = m_lpSheet->m_hSheet;
  delete m_lpSheet;
  m_lpSheet = nullptr;
  EXPECT_FALSE(IsWindow(hSheet));
  EXPECT_TRUE(WindowList.m_vSheets.empty());
  EXPECT_EQ(1u, WindowList.m_vWindows.size());
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(PropSheetTest, PageAcceleratorsFireOnlyOnTheCurrentPageOfTheActiveSheet) {
  OpenSheet();
  m_lpSheet->SetCurPage(1);
  m_lpSheet->SetCurPage(0);  // both pages now have windows
  ACCEL a = {FVIRTKEY, VK_F6, 5006};
  HACCEL h1 = CreateAcceleratorTableA(&a, 1), h2 = CreateAcceleratorTableA(&a, 1);
  m_lpSheet->m_Page1.m_vAccels.push_back({h1, m_lpSheet->m_Page1.m_hWnd});
  m_lpSheet->m_Page2.m_vAccels.push_back({h2, m_lpSheet->m_Page2.m_hWnd});
  HWND hSheet = m_lpSheet->m_hSheet;
  EXPECT_TRUE(UnderActivation(hSheet, [&] {
    m_lpSheet->m_Page1.m_vCommands.clear();
    m_lpSheet->m_Page2.m_vCommands.clear();
    MSG msg = KeyDownMsg(m_lpSheet->m_Page1.m_hWnd, VK_F6);
    bool bTaken = WindowList.PreTranslate(&msg);
    return bTaken && m_lpSheet->m_Page1.m_vCommands == std::vector<WORD>{5006} &&
           m_lpSheet->m_Page2.m_vCommands.empty();
  }));
  EXPECT_TRUE(UnderActivation(m_lpOwner->m_hWnd, [&] {
    m_lpSheet->m_Page1.m_vCommands.clear();
    MSG msg = KeyDownMsg(m_lpOwner->m_hWnd, VK_F6);
    WindowList.PreTranslate(&msg);
    return m_lpSheet->m_Page1.m_vCommands.empty();
  }));
}

TEST_F(PropSheetTest, HidingAndShowingAllKeepsTheOtherPagesOfASheetHidden) {
  OpenSheet();
  m_lpSheet->SetCurPage(1);
  m_lpSheet->SetCurPage(0);
  HWND hPage2 = m_lpSheet->m_Page2.m_hWnd;
  ASSERT_TRUE(hPage2);
  ASSERT_FALSE(IsWindowVisible(hPage2));
  WindowList.ShowAll(0);
  EXPECT_FALSE(IsWindowVisible(m_lpSheet->m_hSheet));
  EXPECT_FALSE(IsWindowVisible(m_lpOwner->m_hWnd));
  WindowList.ShowAll(1);
  EXPECT_TRUE(IsWindowVisible(m_lpSheet->m_hSheet));
  EXPECT_TRUE(IsWindowVisible(m_lpSheet->m_Page1.m_hWnd));
  EXPECT_FALSE(IsWindowVisible(hPage2));
}

}  // namespace
