// The window base: the layout of bars and view, first placement inside the work area, and the
// control base's geometry and scroll-bar operations.
#include <gtest/gtest.h>

#include <memory>

#include "ShellFixtures.h"
#include "app/AppGlobals.h"
#include "app/Log.h"

namespace {

RECT WorkArea() {
  RECT rc;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
  return rc;
}

RECT WindowRect(HWND hWnd) {
  RECT rc = {0, 0, 0, 0};
  GetWindowRect(hWnd, &rc);
  return rc;
}

TEST(WindowLayout, ToolbarStatusBarAndScrollBarsShrinkTheView) {
  const int32_t H = GetSystemMetrics(SM_CYHSCROLL), V = GetSystemMetrics(SM_CXVSCROLL);
  struct {
    const char* pszCase;
    int32_t nRows, nStatus;
    DWORD dwBars;
    int32_t nViewY, nClientW, nClientH;
  } const aCases[] = {
      {"plain", 0, 0, 0, 0, 400, 300},
      {"toolbar, status bar, both bars", 1, 1, 3, 28, 400 + V, 300 + 28 + 20 + H},
      {"two toolbar rows", 2, 0, 0, 56, 400, 300 + 56},
      {"vertical bar only", 0, 0, 2, 0, 400 + V, 300},
      {"horizontal bar and status bar", 0, 1, 1, 0, 400, 300 + 20 + H},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszCase);
    cWindow w;
    w.SetLayout(400, 300, 100, 80, 640, 480, WS_OVERLAPPED, 0, c.nRows, c.nStatus, 0, c.dwBars);
    EXPECT_EQ(c.nClientW, w.m_rcClient.right);
    EXPECT_EQ(c.nClientH, w.m_rcClient.bottom);
    EXPECT_EQ(0, w.m_nViewX);
    EXPECT_EQ(c.nViewY, w.m_nViewY);
    EXPECT_EQ(400, w.ViewWidth());
    EXPECT_EQ(300, w.ViewHeight());
    EXPECT_EQ(100 + (c.nClientW - 400), w.m_rcMinClient.right);
    EXPECT_EQ(480 + (c.nClientH - 300), w.m_rcMaxClient.bottom);
  }
}

TEST(WindowLayout, FrameMetricsOfTheStyleMakeTheWindowSize) {
  cWindow w;
  w.SetLayout(200, 100, 0, 0, 0, 0, WS_CAPTION | WS_THICKFRAME, 1, 0, 0, 0, 0);
  EXPECT_EQ(200 + 2 * GetSystemMetrics(SM_CXFRAME), w.WindowWidth());
  EXPECT_EQ(100 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) +
                2 * GetSystemMetrics(SM_CYFRAME),
            w.WindowHeight());
  w.SetLayout(1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(1, w.WindowWidth());
  EXPECT_EQ(1, w.WindowHeight());
}

TEST(WindowLayout, ClampAndInclusiveRectSizes) {
  int32_t n = 5;
  EXPECT_EQ(3, Clamp(n, 0, 3));
  EXPECT_EQ(3, n);
  n = -2;
  EXPECT_EQ(0, Clamp(n, 0, 3));
  cRect rc;
  rc.left = 10;
  rc.right = 19;
  rc.top = 5;
  rc.bottom = 5;
  EXPECT_EQ(10, rc.Width());
  EXPECT_EQ(1, rc.Height());
}

class PlaceTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(WindowList.m_vWindows.empty()); }
  cMsgBoxRecorder m_Boxes;
};

TEST_F(PlaceTest, StoredPositionIsKeptInsideTheWorkArea) {
  const RECT rcWork = WorkArea();
  struct {
    const char* pszCase;
    int32_t x, y;
    bool bRightEdge, bBottomEdge;  // expected against the far edges instead
    int32_t nX, nY;
  } const aCases[] = {
      {"inside", 100, 120, false, false, 100, 120},
      {"negative", -50, -20, false, false, rcWork.left, rcWork.top},
      {"past the bottom right", rcWork.right - 10, rcWork.bottom - 10, true, true, 0, 0},
      {"past the right only", rcWork.right + 500, 40, true, false, 0, 40},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszCase);
    cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList, c.x, c.y);
    dlg.DoModeless(0, 1);
    RECT rc = WindowRect(dlg.m_hWnd);
    int32_t w = rc.right - rc.left, h = rc.bottom - rc.top;
    EXPECT_EQ(c.bRightEdge ? rcWork.right - w : c.nX, rc.left);
    EXPECT_EQ(c.bBottomEdge ? rcWork.bottom - h : c.nY, rc.top);
    EXPECT_EQ(rc.left, dlg.m_ptStored.x);  // the clamped place is remembered
    EXPECT_EQ(rc.top, dlg.m_ptStored.y);
  }
}

TEST_F(PlaceTest, WithoutAnchorOrStoredPositionTheTemplatePlaceStands) {
  cProbeDlg<1> dlg(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  dlg.DoModeless(0, 1);
  RECT rc = WindowRect(dlg.m_hWnd);
  // The template asks for 0, 0 and has no owner to be placed against.
  EXPECT_EQ(0, rc.left);
  EXPECT_EQ(0, rc.top);
}

TEST_F(PlaceTest, AnchoredToAControlItCentresOnItOrTakesItsCorner) {
  cProbeDlg<1> host(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList, 200, 150);
  host.DoModeless(0, 1);
  cControl anchor;
  anchor.Attach(&host, IDC_STAGE_VIEW);
  ASSERT_TRUE(anchor.m_hWnd);
  RECT rcAnchor = WindowRect(anchor.m_hWnd), rcAnchorCli;
  GetClientRect(anchor.m_hWnd, &rcAnchorCli);
  for (int32_t bCentre : {1, 0}) {
    SCOPED_TRACE(bCentre);
    cProbeDlg<2> dlg(IDD_STAGE, &host, cWindow::KIND_DIALOG, &WindowList, &anchor, bCentre);
    dlg.SetLayout(100, 60, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    dlg.DoModeless(0, 1);
    RECT rc = WindowRect(dlg.m_hWnd);
    int32_t nX = rcAnchor.left, nY = rcAnchor.top;
    if (bCentre) {
      nX += rcAnchorCli.right / 2 - 100 / 2;
      nY += rcAnchorCli.bottom / 2 - 60 / 2;
    }
    EXPECT_EQ(nX, rc.left);
    EXPECT_EQ(nY, rc.top);
    RECT rcCli;
    GetClientRect(dlg.m_hWnd, &rcCli);
    EXPECT_EQ(100, rcCli.right);  // the asked client size
    EXPECT_EQ(60, rcCli.bottom);
  }
}

TEST_F(PlaceTest, NearAnOwnerAtTheEdgeItIsPushedBackInside) {
  const RECT rcWork = WorkArea();
  // A small window in the corner. Placed at its corner, the larger dialog would reach past both
  // edges; placed where its template says (the owner's client corner), the system fits the
  // template's size there and the dialog then grows to its own size.
  cProbeDlg<1> host(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList, rcWork.right - 80,
                    rcWork.bottom - 60);
  host.SetLayout(50, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  host.DoModeless(0, 1);
  for (bool bAnchored : {true, false}) {
    SCOPED_TRACE(bAnchored ? "anchored to the owner" : "the template's place");
    std::unique_ptr<cProbeDlg<2>> dlg(
        bAnchored ? new cProbeDlg<2>(IDD_STAGE, &host, cWindow::KIND_DIALOG, &WindowList, static_cast<cWindow*>(&host), 0)
                  : new cProbeDlg<2>(IDD_STAGE, &host, cWindow::KIND_DIALOG, &WindowList));
    dlg->SetLayout(bAnchored ? 300 : 900, bAnchored ? 200 : 700, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    dlg->DoModeless(0, 1);
    RECT rc = WindowRect(dlg->m_hWnd);
    EXPECT_EQ(rcWork.right, rc.right);
    EXPECT_EQ(rcWork.bottom, rc.bottom);
  }
}

TEST(ControlBase, HitTestCountsEveryEdgeAsInside) {
  cProbeDlg<1> host(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList, 100, 100);
  host.DoModeless(0, 1);
  cControl ctrl;
  ctrl.Attach(&host, IDC_STAGE_VIEW);
  RECT rc = WindowRect(ctrl.m_hWnd);
  struct {
    LONG x, y;
    bool bIn;
  } const aPoints[] = {
      {rc.left, rc.top, true},          {rc.right, rc.bottom, true},
      {rc.right, rc.top, true},         {rc.left, rc.bottom, true},
      {rc.left - 1, rc.top, false},     {rc.right + 1, rc.top, false},
      {rc.left, rc.bottom + 1, false},  {(rc.left + rc.right) / 2, rc.top - 1, false},
  };
  for (const auto& p : aPoints) EXPECT_EQ(p.bIn, ctrl.HitTest(POINT{p.x, p.y})) << p.x << "," << p.y;
  EXPECT_EQ(&host, ctrl.m_lpOwner);
  EXPECT_EQ(host.m_hWnd, ctrl.m_hOwner);
  EXPECT_EQ(rc.left, ctrl.m_ptScreen.x);
  POINT pt = {rc.left, rc.top};
  ScreenToClient(host.m_hWnd, &pt);
  EXPECT_EQ(pt.x, ctrl.m_ptClient.x);
  EXPECT_EQ(pt.y, ctrl.m_ptClient.y);
  // Moving and resizing keep to the owner's client coordinates.
  ctrl.MoveTo(7, 9);
  EXPECT_EQ(7, ctrl.m_ptClient.x);
  EXPECT_EQ(9, ctrl.m_ptClient.y);
  ctrl.Resize(30, 20);
  RECT rcNew = WindowRect(ctrl.m_hWnd);
  EXPECT_EQ(30, rcNew.right - rcNew.left);
  EXPECT_EQ(20, rcNew.bottom - rcNew.top);
  EXPECT_EQ(7, ctrl.m_ptClient.x);
}

TEST(ControlBase, AControlWithoutItsItemDoesNothing) {
  cProbeDlg<1> host(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  host.DoModeless(0, 1);
  cControl ctrl;
  ctrl.Attach(&host, 4321);
  EXPECT_EQ(nullptr, ctrl.m_hWnd);
  ctrl.Resize(10, 10);
  ctrl.MoveTo(1, 1);
  EXPECT_FALSE(ctrl.HitTest(POINT{0, 0}));
  EXPECT_EQ(4321, ctrl.m_wId);
  EXPECT_TRUE(ctrl.m_strTip.empty());
}

TEST(ControlBase, ScrollByMovesToTheRangeEndAndReportsOnlyRealMoves) {
  cProbeDlg<1> host(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
  host.DoModeless(0, 1);
  cScrollCtrl bar;
  cScrollParam p;
  p.Set(IDC_HSCROLL, 0, 20, 5, 1);
  bar.Attach(&host, p);
  ASSERT_TRUE(bar.m_hWnd);
  EXPECT_EQ(cControl::KIND_SCROLL, bar.m_nKind);
  EXPECT_EQ(0, bar.GetPos());
  EXPECT_TRUE(bar.ScrollBy(3));
  EXPECT_EQ(3, bar.GetPos());
  EXPECT_TRUE(bar.ScrollBy(100));  // clamped to maximum - page + 1
  EXPECT_EQ(16, bar.GetPos());
  EXPECT_FALSE(bar.ScrollBy(1));
  EXPECT_EQ(15, bar.Step(-1));
  EXPECT_TRUE(bar.ScrollBy(-100));
  EXPECT_EQ(0, bar.GetPos());
  // The bar's own context menu is never offered.
  EXPECT_EQ(0, SendMessageA(bar.m_hWnd, WM_RBUTTONUP, 0, MAKELPARAM(2, 2)));
  EXPECT_EQ(&bar, GetPropA(bar.m_hWnd, "CTRL_SCROLL_CLASS"));
  // Attaching again does not chain the subclass to itself.
  bar.Attach(&host, p);
  EXPECT_TRUE(bar.ScrollBy(2));
}

}  // namespace

namespace {

TEST(WindowTrace, TraceLinesNameTheMessageOrItsCodeAndSkipGetText) {
  cTempDir dir;
  std::string strLog = dir.File("EC_Trace.txt");
  SetErrorLog(1, strLog.c_str());
  cWindow w;
  w.m_bTrace = 1;
  w.m_strTraceName = "probe";
  w.DefProc(nullptr, WM_MOVE, MAKEWPARAM(1, 2), MAKELPARAM(3, 4));
  w.DefProc(nullptr, WM_GETTEXT, 0, 0);
  w.DefProc(nullptr, 0x0401, 7, 0);
  w.m_bTrace = 0;
  w.DefProc(nullptr, WM_MOVE, 0, 0);
  SetErrorLog(0, "EC_Editor.txt");
  std::string s;
  for (char c : ReadFileText(strLog))
    if (c != '\r') s += c;
  EXPECT_EQ(
      "probe | msg:WM_MOVE | wp:131073(2,1) | lp:262147(4,3)\n"
      "probe | msg:0x 401 | wp:7(0,7) | lp:0(0,0)\n",
      s);
  EXPECT_STREQ("WM_NULL", MessageName(0));
  EXPECT_STREQ("WM_USER", MessageName(WM_USER));
  EXPECT_EQ(nullptr, MessageName(0x0402));
}

class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_lpDlg = new cProbeDlg<1>(IDD_STAGE, nullptr, cWindow::KIND_DIALOG, &WindowList);
    m_lpDlg->SetLayout(400, 200, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0);
    m_lpDlg->m_fnInit = [](cProbeDlg<1>* p) {
      p->CreateToolBar(124);
      p->m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, "", p->m_hWnd, 1);
    };
    m_lpDlg->DoModeless(0, 1);
    ASSERT_TRUE(m_lpDlg->m_hToolBar && m_lpDlg->m_hStatusBar);
  }
  void TearDown() override {
    delete m_lpDlg;
    EXPECT_TRUE(WindowList.m_vWindows.empty());
  }
  int ButtonCount() { return static_cast<int>(SendMessageA(m_lpDlg->m_hToolBar, TB_BUTTONCOUNT, 0, 0)); }
  TBBUTTON Button(int i) {
    TBBUTTON b = {};
    SendMessageA(m_lpDlg->m_hToolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
    return b;
  }
  // What the toolbar's tooltip is told when it asks the window for a button's text, in the
  // ANSI and the wide form.
  std::string AskTip(int nCommand) {
    NMTTDISPINFOA di = {};
    di.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(m_lpDlg->m_hToolBar, TB_GETTOOLTIPS, 0, 0));
    di.hdr.idFrom = nCommand;
    di.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(m_lpDlg->m_hWnd, WM_NOTIFY, 124, reinterpret_cast<LPARAM>(&di));
    return di.lpszText ? di.lpszText : "";
  }
  std::wstring AskTipW(int nCommand) {
    NMTTDISPINFOW di = {};
    di.hdr.idFrom = nCommand;
    di.hdr.code = TTN_GETDISPINFOW;
    SendMessageA(m_lpDlg->m_hWnd, WM_NOTIFY, 124, reinterpret_cast<LPARAM>(&di));
    return di.lpszText ? di.lpszText : L"";
  }
  cProbeDlg<1>* m_lpDlg = nullptr;
};

TEST_F(ToolBarTest, StandardButtonsMoveTheirImagesAndGetOneTooltipEach) {
  cToolButton a[3];
  a[0].Set(STD_FILENEW, 40079, TBSTATE_ENABLED, 0, "新規作成");
  a[1].Set(0, 0, 0, BTNS_SEP, "");
  a[2].Set(STD_FILEOPEN, 40074, TBSTATE_ENABLED, 0, "開く");
  m_lpDlg->AddToolButtons(a, 3);
  ASSERT_EQ(3, ButtonCount());
  EXPECT_EQ(40079, Button(0).idCommand);
  EXPECT_EQ(a[0].m_Button.iBitmap, Button(0).iBitmap);
  EXPECT_EQ(STD_FILEOPEN - STD_FILENEW, a[2].m_Button.iBitmap - a[0].m_Button.iBitmap);
  EXPECT_EQ(0, a[1].m_Button.iBitmap);  // a separator keeps its index
  // The toolbar's own tooltip (the one that shows under Wine too) asks the window for the texts.
  EXPECT_TRUE(SendMessageA(m_lpDlg->m_hToolBar, TB_GETTOOLTIPS, 0, 0));
  EXPECT_EQ("新規作成", AskTip(40079));
  EXPECT_EQ("開く", AskTip(40074));
  EXPECT_EQ(L"開く", AskTipW(40074));
  EXPECT_EQ("", AskTip(0));
  EXPECT_EQ("", AskTip(40001));
}

TEST_F(ToolBarTest, BitmapButtonsComeFromTheFileOrNotAtAll) {
  cToolButton a[2];
  a[0].Set(0, 40048, TBSTATE_ENABLED, BTNS_CHECKGROUP, "ブロックパレット");
  a[1].Set(1, 40049, TBSTATE_ENABLED, BTNS_CHECKGROUP, "キャラパレット");
  cTempDir dir;
  m_lpDlg->AddToolBitmap(a, 2, dir.File("missing.bmp").c_str());
  EXPECT_EQ(0, ButtonCount());
  // A 32 x 15 picture of two images, 24 bits.
  const int W = 32, H = 15, nRow = W * 3, nSize = 54 + nRow * H;
  std::vector<unsigned char> v(nSize, 0);
  auto put32 = [&](int at, uint32_t n) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<unsigned char>(n >> (8 * i));
  };
  v[0] = 'B';
  v[1] = 'M';
  put32(2, nSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, W);
  put32(22, H);
  v[26] = 1;
  v[28] = 24;
  ASSERT_TRUE(WriteFileBytes(dir.File("ToolBar.bmp"), v));
  const int32_t nLive = LiveToolBitmaps();
  m_lpDlg->AddToolBitmap(a, 2, dir.File("ToolBar.bmp").c_str());
  ASSERT_EQ(2, ButtonCount());
  EXPECT_EQ("キャラパレット", AskTip(40049));
  EXPECT_EQ(40049, Button(1).idCommand);
  EXPECT_EQ(a[0].m_Button.iBitmap + 1, a[1].m_Button.iBitmap);
  EXPECT_EQ(a[1].m_Button.iBitmap, Button(1).iBitmap);
  // The bitmap is the window's and goes with it.
  EXPECT_EQ(nLive + 1, LiveToolBitmaps());
  delete m_lpDlg;
  m_lpDlg = nullptr;
  EXPECT_EQ(nLive, LiveToolBitmaps());
}

TEST_F(ToolBarTest, ViewSitsBelowTheToolbarAndTheStatusBarStaysAtTheBottom) {
  EXPECT_EQ(28, m_lpDlg->m_nViewY);
  EXPECT_EQ(200, m_lpDlg->m_nViewH);
  m_lpDlg->SetClientSize(500, 300 + 28 + 20);
  RECT rcCli, rcBar;
  GetClientRect(m_lpDlg->m_hWnd, &rcCli);
  GetWindowRect(m_lpDlg->m_hStatusBar, &rcBar);
  MapWindowPoints(nullptr, m_lpDlg->m_hWnd, reinterpret_cast<POINT*>(&rcBar), 2);
  EXPECT_EQ(rcCli.bottom, rcBar.bottom);
  EXPECT_EQ(300, m_lpDlg->m_nViewH);
  EXPECT_EQ(500, m_lpDlg->m_nViewW);
}

}  // namespace
