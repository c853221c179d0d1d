#include "app/Window.h"

#include <new>

#include "app/AppGlobals.h"
#include "app/Control.h"
#include "app/DoNothing.h"
#include "app/Log.h"
#include "app/MsgBox.h"

int32_t Clamp(int32_t& nValue, int32_t nLow, int32_t nHigh) {
  if (nValue < nLow) nValue = nLow;
  if (nValue > nHigh) nValue = nHigh;
  return nValue;
}

int32_t WrapAdd(int32_t& nIndex, int32_t nStep, int32_t nLow, int32_t nHigh) {
  int64_t n = static_cast<int64_t>(nIndex) + nStep;
  if (n < nLow)
    n = nHigh;
  else if (n > nHigh)
    n = nLow;
  nIndex = static_cast<int32_t>(n);
  return nIndex;
}

namespace {

// The press latches are shared by every window: only one window handles input at a time.
int32_t s_bLPressLatch = 0;
int32_t s_bRPressLatch = 0;

bool IsButtonDown(int nKey) { return (GetAsyncKeyState(nKey) & 0x8000) != 0; }

}  // namespace

void cMouse::Update(uint32_t dwFlags) {
  int32_t bPrevL = bLHold, bPrevR = bRHold;
  int32_t bL = IsButtonDown(VK_LBUTTON) ? 1 : 0;
  int32_t bR = IsButtonDown(VK_RBUTTON) ? 1 : 0;
  if (dwFlags & 1) {
    bLHold = bL;
    bRHold = bR;
  }
  if (dwFlags & 2) {
    bLPush = (bL && !s_bLPressLatch) ? 1 : 0;
    bRPush = (bR && !s_bRPressLatch) ? 1 : 0;
    s_bLPressLatch = bL;
    s_bRPressLatch = bR;
  }
  if (dwFlags & 4) {
    bLRelease = (bPrevL && !bL) ? 1 : 0;
    bRRelease = (bPrevR && !bR) ? 1 : 0;
  }
}

void cToolButton::Set(int nImage, int nCommand, BYTE bState, BYTE bStyle, const char* pszTip) {
  ZeroMemory(&m_Button, sizeof m_Button);
  m_Button.iBitmap = nImage;
  m_Button.idCommand = nCommand;
  m_Button.fsState = bState;
  m_Button.fsStyle = bStyle;
  m_strTip = pszTip ? pszTip : "";
}

cWindow::cWindow() { Reset(); }

cWindow::cWindow(cWindow* lpAnchor, int32_t bCentre) {
  Reset();
  m_lpAnchorWnd = lpAnchor;
  m_bCentre = bCentre;
}

cWindow::cWindow(cControl* lpAnchor, int32_t bCentre) {
  Reset();
  m_lpAnchorCtrl = lpAnchor;
  m_bCentre = bCentre;
}

cWindow::cWindow(int32_t x, int32_t y) {
  Reset();
  m_ptStored.x = x;
  m_ptStored.y = y;
}

cWindow::~cWindow() {
  for (const cAccelEntry& e : m_vAccels)
    if (e.hAccel) DestroyAcceleratorTable(e.hAccel);
  ReleaseToolBitmaps();
}

void cWindow::Reset() {
  m_Mouse = cMouse();
  m_MouseAtInit = cMouse();
  m_ptStored.x = NO_POS;
  m_ptStored.y = NO_POS;
}

void cWindow::Frame() { DoNothing(); }
void cWindow::OnCommand(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnMouseMove(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnLButtonDown(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnRButtonDown(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnLButtonDblClk(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnRButtonDblClk(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnLButtonUp(WPARAM, LPARAM) { DoNothing(); }
void cWindow::OnRButtonUp(WPARAM, LPARAM) { DoNothing(); }
LRESULT cWindow::MsgProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
void cWindow::RedrawList() { DoNothing(); }
void cWindow::Draw() { DoNothing(); }

LRESULT cWindow::DefProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  m_hWnd = hWnd;
  if (uMsg == WM_COMMAND) {
    // A command raised while a command is being handled is dropped.
    if (m_bInCommand) return 0;
    m_bInCommand = 1;
  }
  if (m_bTrace) TraceMessage(uMsg, wParam, lParam);
  UpdateMouse(0, 7);
  switch (uMsg) {
    case WM_DESTROY:
      m_hWnd = nullptr;
      // The toolbar goes with the window; nothing draws from its bitmaps any more.
      ReleaseToolBitmaps();
      return 1;
    case WM_NOTIFY:
      OnToolTipNotify(lParam);
      return 0;
    case WM_MOVE:
      m_ptPos = GetPos();
      return 1;
    case WM_SIZE:
      UpdateStyle();
      if (m_hToolBar) SendMessageA(m_hToolBar, WM_SIZE, wParam, lParam);
      LayoutStatusBar();
      return 1;
    case WM_ACTIVATEAPP:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hWnd, &ps);
      Draw();
      EndPaint(hWnd, &ps);
      return 1;
    }
    case WM_GETMINMAXINFO: {
      MINMAXINFO* p = reinterpret_cast<MINMAXINFO*>(lParam);
      int32_t nExtraW = m_nFrameLeft + m_nFrameRight, nExtraH = m_nFrameTop + m_nFrameBottom;
      p->ptMinTrackSize.x = m_rcMinClient.right + nExtraW;
      p->ptMinTrackSize.y = m_rcMinClient.bottom + nExtraH;
      // A layout without a maximum leaves the system's: a zero maximum would crush the window.
      if (m_rcMaxClient.right > 0 && m_rcMaxClient.bottom > 0) {
        p->ptMaxTrackSize.x = m_rcMaxClient.right + nExtraW;
        p->ptMaxTrackSize.y = m_rcMaxClient.bottom + nExtraH;
      }
      return 1;
    }
    case WM_COMMAND: {
      // Cleared however the handler ends, so one failed command does not lock out the rest.
      struct cClear {
        int32_t& b;
        ~cClear() { b = 0; }
      } clear{m_bInCommand};
      OnCommand(wParam, lParam);
      return 1;
    }
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 1;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 1;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 1;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 1;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 1;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 1;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(wParam, lParam); return 1;
    default:
      return 0;
  }
}

void cWindow::InitTemplate(uint16_t wTemplateId, HWND hParent, cWindowList* lpWindowList) {
  m_wTemplateId = wTemplateId;
  m_hParent = hParent;
  m_lpWindowList = lpWindowList;
  m_hInstance = g_hMainWnd ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(g_hMainWnd, GWLP_HINSTANCE))
                           : nullptr;
  // Before the frame exists (and in tools that have none) the resources are the program's own.
  if (!m_hInstance) m_hInstance = GetModuleHandleA(nullptr);
}

void cWindow::SetLayout(int32_t nWidth, int32_t nHeight, int32_t nMinWidth, int32_t nMinHeight,
                        int32_t nMaxWidth, int32_t nMaxHeight, DWORD dwStyle, int32_t bMenu,
                        int32_t nToolBarRows, int32_t nStatusMode, int32_t, DWORD dwScrollBars) {
  m_dwStyle = dwStyle;
  m_bMenu = bMenu;
  m_nToolBarRows = nToolBarRows;
  m_nStatusMode = nStatusMode;
  m_dwScrollBars = dwScrollBars;
  int32_t T = nToolBarRows * g_nToolBarHeight;
  int32_t S = nStatusMode == 1 ? g_nStatusBarHeight : 0;
  int32_t H = (dwScrollBars & SCROLL_H) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  int32_t V = (dwScrollBars & SCROLL_V) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  m_rcRequest = cRect();
  m_rcRequest.right = nWidth + V;
  m_rcRequest.bottom = nHeight + H + S + T;
  m_rcClient = m_rcRequest;
  m_rcMinClient = cRect();
  m_rcMinClient.right = nMinWidth + V;
  m_rcMinClient.bottom = nMinHeight + H + S + T;
  m_rcMaxClient = cRect();
  m_rcMaxClient.right = nMaxWidth + V;
  m_rcMaxClient.bottom = nMaxHeight + H + S + T;
  m_nViewX = 0;
  m_nViewY = T;
  Relayout();
}

void cWindow::UpdateStyle() {
  if (m_hWnd && IsWindow(m_hWnd)) {
    m_dwStyle = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    RECT rc;
    if (GetClientRect(m_hWnd, &rc)) {
      m_rcClient.left = rc.left;
      m_rcClient.top = rc.top;
      m_rcClient.right = rc.right;
      m_rcClient.bottom = rc.bottom;
    }
  }
  Relayout();
}

void cWindow::FrameMetricsFromStyle() {
  m_nFrameLeft = m_nFrameRight = m_nFrameTop = m_nFrameBottom = 0;
  if (m_dwStyle & WS_CAPTION) m_nFrameTop += GetSystemMetrics(SM_CYCAPTION);
  if (m_dwStyle & WS_THICKFRAME) {
    m_nFrameLeft = m_nFrameRight = GetSystemMetrics(SM_CXFRAME);
    m_nFrameTop += GetSystemMetrics(SM_CYFRAME);
    m_nFrameBottom = GetSystemMetrics(SM_CYFRAME);
  } else if (m_dwStyle & WS_DLGFRAME) {
    m_nFrameLeft = m_nFrameRight = GetSystemMetrics(SM_CXDLGFRAME);
    m_nFrameTop += GetSystemMetrics(SM_CYDLGFRAME);
    m_nFrameBottom = GetSystemMetrics(SM_CYDLGFRAME);
  }
  if (m_bMenu) m_nFrameTop += GetSystemMetrics(SM_CYMENU);
}

void cWindow::Relayout() {
  // A window that exists is measured, so menus that wrap and themed borders count as they are;
  // before creation the style decides.
  RECT rcWnd, rcCli;
  POINT ptCli = {0, 0};
  if (m_hWnd && IsWindow(m_hWnd) && !IsIconic(m_hWnd) && GetWindowRect(m_hWnd, &rcWnd) &&
      GetClientRect(m_hWnd, &rcCli) && ClientToScreen(m_hWnd, &ptCli)) {
    m_nFrameLeft = ptCli.x - rcWnd.left;
    m_nFrameTop = ptCli.y - rcWnd.top;
    m_nFrameRight = rcWnd.right - (ptCli.x + rcCli.right);
    m_nFrameBottom = rcWnd.bottom - (ptCli.y + rcCli.bottom);
  } else {
    FrameMetricsFromStyle();
  }
  int32_t nClientW = m_rcClient.right - m_rcClient.left;
  int32_t nClientH = m_rcClient.bottom - m_rcClient.top;
  m_rcWindow = cRect();
  m_rcWindow.right = nClientW + m_nFrameLeft + m_nFrameRight;
  m_rcWindow.bottom = nClientH + m_nFrameTop + m_nFrameBottom;
  int32_t T = m_nToolBarRows * g_nToolBarHeight;
  int32_t S = m_nStatusMode == 1 ? g_nStatusBarHeight : 0;
  int32_t H = (m_dwScrollBars & SCROLL_H) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  int32_t V = (m_dwScrollBars & SCROLL_V) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  m_nViewX = 0;
  m_nViewY = T;
  m_nViewW = nClientW - V;
  m_nViewH = nClientH - T - H - S;
}

void cWindow::SetClientSize(int32_t nWidth, int32_t nHeight) {
  if (!m_hWnd) return;
  SetWindowPos(m_hWnd, nullptr, 0, 0, nWidth + m_nFrameLeft + m_nFrameRight,
               nHeight + m_nFrameTop + m_nFrameBottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateStyle();
}

void cWindow::SetPosition(int32_t x, int32_t y) {
  if (!m_hWnd) return;
  SetWindowPos(m_hWnd, nullptr, x, y, m_rcWindow.right, m_rcWindow.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
  m_ptPos.x = x;
  m_ptPos.y = y;
  UpdateStyle();
}

void FitInWorkArea(int32_t& x, int32_t& y, int32_t nWidth, int32_t nHeight) {
  RECT rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
  if (x + nWidth >= rcWork.right) x = rcWork.right - nWidth;
  if (y + nHeight >= rcWork.bottom) y = rcWork.bottom - nHeight;
  // The top-left corner last, so a window larger than the work area keeps its caption reachable.
  if (x < rcWork.left) x = rcWork.left;
  if (y < rcWork.top) y = rcWork.top;
}

void KeepInWorkArea(HWND hWnd) {
  // A child window (a property page) lies in its parent, not on the desktop.
  if (!hWnd || (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)) return;
  RECT rc;
  if (!GetWindowRect(hWnd, &rc)) return;
  int32_t x = rc.left, y = rc.top;
  FitInWorkArea(x, y, rc.right - rc.left, rc.bottom - rc.top);
  if (x == rc.left && y == rc.top) return;
  SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void cWindow::Place() {
  int32_t x, y;
  int32_t nClientW = m_rcClient.right - m_rcClient.left;
  int32_t nClientH = m_rcClient.bottom - m_rcClient.top;
  bool bStored = false;
  if (m_lpAnchorWnd && m_lpAnchorWnd->m_hWnd) {
    RECT rc = {0, 0, 0, 0}, rcCli = {0, 0, 0, 0};
    GetWindowRect(m_lpAnchorWnd->m_hWnd, &rc);
    GetClientRect(m_lpAnchorWnd->m_hWnd, &rcCli);
    x = rc.left;
    y = rc.top;
    if (m_bCentre) {
      x += rcCli.right / 2 - nClientW / 2;
      y += rcCli.bottom / 2 - nClientH / 2;
    }
  } else if (m_lpAnchorCtrl && m_lpAnchorCtrl->m_hWnd) {
    RECT rc = {0, 0, 0, 0}, rcCli = {0, 0, 0, 0};
    GetWindowRect(m_lpAnchorCtrl->m_hWnd, &rc);
    GetClientRect(m_lpAnchorCtrl->m_hWnd, &rcCli);
    x = rc.left;
    y = rc.top;
    if (m_bCentre) {
      x += rcCli.right / 2 - nClientW / 2;
      y += rcCli.bottom / 2 - nClientH / 2;
    }
  } else if (m_ptStored.x != NO_POS && m_ptStored.y != NO_POS) {
    x = m_ptStored.x;
    y = m_ptStored.y;
    bStored = true;
  } else {
    // The template's own position stands, as far as the work area lets it: a dialog's template
    // places it against its owner, which may stand near the edge of the screen.
    KeepInWorkArea(m_hWnd);
    return;
  }
  FitInWorkArea(x, y, m_rcWindow.right, m_rcWindow.bottom);
  if (bStored) {
    m_ptStored.x = x;
    m_ptStored.y = y;
  }
  SetPosition(x, y);
}

POINT cWindow::GetPos() const {
  POINT pt = {0, 0};
  RECT rc;
  if (m_hWnd && GetWindowRect(m_hWnd, &rc)) {
    pt.x = rc.left;
    pt.y = rc.top;
  }
  return pt;
}

bool cWindow::GetClientSize(cRect& rcOut) const {
  RECT rc;
  if (!m_hWnd || !GetClientRect(m_hWnd, &rc)) return false;
  rcOut.left = rc.left;
  rcOut.top = rc.top;
  rcOut.right = rc.right;
  rcOut.bottom = rc.bottom;
  return true;
}

void cWindow::SetStyleBits(DWORD dwBits) {
  if (!m_hWnd) return;
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style | static_cast<LONG_PTR>(dwBits));
  UpdateStyle();
}

void cWindow::ClearStyleBits(DWORD dwBits) {
  if (!m_hWnd) return;
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(dwBits));
  UpdateStyle();
}

void cWindow::Enable(int32_t bEnable) {
  if (bEnable)
    ClearStyleBits(WS_DISABLED);
  else
    SetStyleBits(WS_DISABLED);
}

BOOL cWindow::Show(int32_t bShow) { return ShowWindow(m_hWnd, bShow ? SW_SHOW : SW_HIDE); }

int cWindow::AddAccel(HWND hTarget, uint16_t wAccelId) {
  HACCEL h = LoadAcceleratorsA(m_hInstance, MAKEINTRESOURCEA(wAccelId));
  m_vAccels.push_back({h, hTarget});
  return static_cast<int>(m_vAccels.size());
}

namespace {

int32_t s_nLiveToolBitmaps = 0;

}  // namespace

int32_t LiveToolBitmaps() { return s_nLiveToolBitmaps; }

HWND cWindow::CreateToolBar(int nId) {
  m_hToolBar = CreateToolbarEx(m_hWnd, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, nId, 0, nullptr, 0, nullptr, 0,
                               16, 15, 16, 15, sizeof(TBBUTTON));
  return m_hToolBar;
}

void cWindow::AddToolButtons(cToolButton* pButtons, int nCount) {
  if (!m_hToolBar) return;
  SendMessageA(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBADDBITMAP ab = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  int nBase = static_cast<int>(SendMessageA(m_hToolBar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&ab)));
  for (int i = 0; i < nCount; ++i) {
    if (pButtons[i].m_Button.fsStyle != BTNS_SEP) pButtons[i].m_Button.iBitmap += nBase;
    SendMessageA(m_hToolBar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&pButtons[i].m_Button));
    AddToolTip(pButtons[i], -1);
  }
}

void cWindow::AddToolBitmap(cToolButton* pButtons, int nCount, const char* pszBitmapFile) {
  if (!m_hToolBar) return;
  // Not shared: a shared image loaded from a file is a new bitmap at every load all the same, and
  // one that nobody deletes. This one is the window's and is deleted with it.
  HBITMAP hBmp = static_cast<HBITMAP>(LoadImageA(nullptr, pszBitmapFile, IMAGE_BITMAP, nCount * 16, 15,
                                                  LR_LOADFROMFILE));
  if (!hBmp) return;  // a missing bitmap adds nothing
  m_vToolBitmaps.push_back(hBmp);
  ++s_nLiveToolBitmaps;
  SendMessageA(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBADDBITMAP ab = {nullptr, reinterpret_cast<UINT_PTR>(hBmp)};
  int nBase = static_cast<int>(
      SendMessageA(m_hToolBar, TB_ADDBITMAP, nCount, reinterpret_cast<LPARAM>(&ab)));
  for (int i = 0; i < nCount; ++i) {
    pButtons[i].m_Button.iBitmap += nBase;
    SendMessageA(m_hToolBar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&pButtons[i].m_Button));
    AddToolTip(pButtons[i], -1);
  }
}

void cWindow::ReleaseToolBitmaps() {
  for (HBITMAP h : m_vToolBitmaps)
    if (DeleteObject(h)) --s_nLiveToolBitmaps;
  m_vToolBitmaps.clear();
}

void cWindow::AddToolTip(const cToolButton& Button, int) {
  const int nCommand = Button.m_Button.idCommand;
  if (Button.m_Button.fsStyle == BTNS_SEP || Button.m_strTip.empty()) return;
  for (auto& tip : m_vToolTips)
    if (tip.first == nCommand) {
      tip.second = Button.m_strTip;
      return;
    }
  m_vToolTips.emplace_back(nCommand, Button.m_strTip);
}

const char* cWindow::ToolTipText(int nCommand) const {
  for (const auto& tip : m_vToolTips)
    if (tip.first == nCommand) return tip.second.c_str();
  return nullptr;
}

bool cWindow::OnToolTipNotify(LPARAM lParam) {
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (!pHdr || (pHdr->code != TTN_GETDISPINFOA && pHdr->code != TTN_GETDISPINFOW)) return false;
  const char* pszTip = ToolTipText(static_cast<int>(pHdr->idFrom));
  if (!pszTip) return false;
  if (pHdr->code == TTN_GETDISPINFOA) {
    NMTTDISPINFOA* p = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    p->hinst = nullptr;
    // The text lives as long as the window.
    p->lpszText = const_cast<char*>(pszTip);
    return true;
  }
  // A toolbar that talks Unicode to its tooltip asks in wide characters.
  NMTTDISPINFOW* p = reinterpret_cast<NMTTDISPINFOW*>(lParam);
  p->hinst = nullptr;
  p->szText[0] = 0;
  MultiByteToWideChar(CP_ACP, 0, pszTip, -1, p->szText, static_cast<int>(sizeof p->szText / sizeof p->szText[0]));
  p->szText[sizeof p->szText / sizeof p->szText[0] - 1] = 0;
  p->lpszText = p->szText;
  return true;
}

void cWindow::PopupMenu(HMENU hMenu) {
  TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, m_ptCursor.x, m_ptCursor.y, 0, m_hWnd, nullptr);
}

bool cWindow::UpdateMouse(int32_t bForce, uint32_t dwFlags) {
  POINT ptScreen;
  if (!GetCursorPos(&ptScreen)) {
    ErrorLog("GetCursorPos失敗！");
    return false;
  }
  POINT pt = ptScreen;
  if (m_hWnd) ScreenToClient(m_hWnd, &pt);
  pt.x -= m_nViewX;
  pt.y -= m_nViewY;
  if (!bForce && (pt.x < 0 || pt.y < 0 || pt.x >= m_nViewW || pt.y >= m_nViewH)) return false;
  m_Mouse.x = pt.x;
  m_Mouse.y = pt.y;
  m_ptCursor = ptScreen;
  m_Mouse.Update(dwFlags);
  return true;
}

bool cWindow::IsRightClicked() {
  if (!m_bInit) return false;
  if (!m_bMouseReady) {
    // The right button that opened this window must be let go before a click counts.
    if (!IsButtonDown(VK_RBUTTON)) m_bMouseReady = 1;
    return false;
  }
  if (m_Mouse.bLHold || !m_Mouse.bRRelease) return false;
  if (m_nKind == KIND_PAGE)
    return reinterpret_cast<HWND>(SendMessageA(m_hSheetWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) == m_hWnd;
  return GetActiveWindow() == m_hWnd;
}

int cWindow::CheckCommand(WPARAM) { return 1; }

void cWindow::LayoutStatusBar() {
  if (m_nStatusMode != 1 || !m_hStatusBar) return;
  int32_t nClientH = m_rcClient.bottom - m_rcClient.top;
  MoveWindow(m_hStatusBar, 0, nClientH - g_nStatusBarHeight, m_nViewW, g_nStatusBarHeight, TRUE);
  SendMessageA(m_hStatusBar, WM_SIZE, 0, 0);
}

void cWindow::TraceMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_GETTEXT) return;
  unsigned wp = static_cast<unsigned>(wParam);
  int lp = static_cast<int>(lParam);
  const char* pszName = MessageName(uMsg);
  if (pszName)
    ErrorLogF("%s | msg:%s | wp:%u(%u,%u) | lp:%d(%d,%d)", m_strTraceName.c_str(), pszName, wp,
              HIWORD(wp), LOWORD(wp), lp, HIWORD(lp), LOWORD(lp));
  else
    ErrorLogF("%s | msg:0x%4x | wp:%u(%u,%u) | lp:%d(%d,%d)", m_strTraceName.c_str(), uMsg, wp,
              HIWORD(wp), LOWORD(wp), lp, HIWORD(lp), LOWORD(lp));
}

void ReportProcFault(bool bMemory) {
  if (bMemory) {
    OutOfMemory();
    return;
  }
  ReportAndErrorLog("window procedure fault");
}

namespace {

struct cMsgName {
  UINT uMsg;
  const char* pszName;
};

#define MSG_NAME(m) {m, #m}
const cMsgName s_aMsgNames[] = {
    MSG_NAME(WM_NULL), MSG_NAME(WM_CREATE), MSG_NAME(WM_DESTROY), MSG_NAME(WM_MOVE),
    MSG_NAME(WM_SIZE), MSG_NAME(WM_ACTIVATE), MSG_NAME(WM_SETFOCUS), MSG_NAME(WM_KILLFOCUS),
    MSG_NAME(WM_ENABLE), MSG_NAME(WM_SETREDRAW), MSG_NAME(WM_SETTEXT), MSG_NAME(WM_GETTEXT),
    MSG_NAME(WM_GETTEXTLENGTH), MSG_NAME(WM_PAINT), MSG_NAME(WM_CLOSE),
    MSG_NAME(WM_QUERYENDSESSION), MSG_NAME(WM_QUIT), MSG_NAME(WM_QUERYOPEN),
    MSG_NAME(WM_ERASEBKGND), MSG_NAME(WM_SYSCOLORCHANGE), MSG_NAME(WM_ENDSESSION),
    MSG_NAME(WM_SHOWWINDOW), MSG_NAME(WM_WININICHANGE), MSG_NAME(WM_DEVMODECHANGE),
    MSG_NAME(WM_ACTIVATEAPP), MSG_NAME(WM_FONTCHANGE), MSG_NAME(WM_TIMECHANGE),
    MSG_NAME(WM_CANCELMODE), MSG_NAME(WM_SETCURSOR), MSG_NAME(WM_MOUSEACTIVATE),
    MSG_NAME(WM_CHILDACTIVATE), MSG_NAME(WM_QUEUESYNC), MSG_NAME(WM_GETMINMAXINFO),
    MSG_NAME(WM_PAINTICON), MSG_NAME(WM_ICONERASEBKGND), MSG_NAME(WM_NEXTDLGCTL),
    MSG_NAME(WM_SPOOLERSTATUS), MSG_NAME(WM_DRAWITEM), MSG_NAME(WM_MEASUREITEM),
    MSG_NAME(WM_DELETEITEM), MSG_NAME(WM_VKEYTOITEM), MSG_NAME(WM_CHARTOITEM),
    MSG_NAME(WM_SETFONT), MSG_NAME(WM_GETFONT), MSG_NAME(WM_SETHOTKEY), MSG_NAME(WM_GETHOTKEY),
    MSG_NAME(WM_QUERYDRAGICON), MSG_NAME(WM_COMPAREITEM), MSG_NAME(WM_GETOBJECT),
    MSG_NAME(WM_COMPACTING), MSG_NAME(WM_COMMNOTIFY), MSG_NAME(WM_WINDOWPOSCHANGING),
    MSG_NAME(WM_WINDOWPOSCHANGED), MSG_NAME(WM_POWER), MSG_NAME(WM_COPYDATA),
    MSG_NAME(WM_CANCELJOURNAL), MSG_NAME(WM_NOTIFY), MSG_NAME(WM_INPUTLANGCHANGEREQUEST),
    MSG_NAME(WM_INPUTLANGCHANGE), MSG_NAME(WM_TCARD), MSG_NAME(WM_HELP),
    MSG_NAME(WM_USERCHANGED), MSG_NAME(WM_NOTIFYFORMAT), MSG_NAME(WM_CONTEXTMENU),
    MSG_NAME(WM_STYLECHANGING), MSG_NAME(WM_STYLECHANGED), MSG_NAME(WM_DISPLAYCHANGE),
    MSG_NAME(WM_GETICON), MSG_NAME(WM_SETICON), MSG_NAME(WM_NCCREATE), MSG_NAME(WM_NCDESTROY),
    MSG_NAME(WM_NCCALCSIZE), MSG_NAME(WM_NCHITTEST), MSG_NAME(WM_NCPAINT),
    MSG_NAME(WM_NCACTIVATE), MSG_NAME(WM_GETDLGCODE), MSG_NAME(WM_SYNCPAINT),
    MSG_NAME(WM_NCMOUSEMOVE), MSG_NAME(WM_NCLBUTTONDOWN), MSG_NAME(WM_NCLBUTTONUP),
    MSG_NAME(WM_NCLBUTTONDBLCLK), MSG_NAME(WM_NCRBUTTONDOWN), MSG_NAME(WM_NCRBUTTONUP),
    MSG_NAME(WM_NCRBUTTONDBLCLK), MSG_NAME(WM_NCMBUTTONDOWN), MSG_NAME(WM_NCMBUTTONUP),
    MSG_NAME(WM_NCMBUTTONDBLCLK), MSG_NAME(WM_NCXBUTTONDOWN), MSG_NAME(WM_NCXBUTTONUP),
    MSG_NAME(WM_NCXBUTTONDBLCLK), MSG_NAME(WM_INPUT), MSG_NAME(WM_KEYDOWN), MSG_NAME(WM_KEYUP),
    MSG_NAME(WM_CHAR), MSG_NAME(WM_DEADCHAR), MSG_NAME(WM_SYSKEYDOWN), MSG_NAME(WM_SYSKEYUP),
    MSG_NAME(WM_SYSCHAR), MSG_NAME(WM_SYSDEADCHAR), MSG_NAME(WM_UNICHAR),
    MSG_NAME(WM_IME_STARTCOMPOSITION), MSG_NAME(WM_IME_ENDCOMPOSITION),
    MSG_NAME(WM_IME_COMPOSITION), MSG_NAME(WM_INITDIALOG), MSG_NAME(WM_COMMAND),
    MSG_NAME(WM_SYSCOMMAND), MSG_NAME(WM_TIMER), MSG_NAME(WM_HSCROLL), MSG_NAME(WM_VSCROLL),
    MSG_NAME(WM_INITMENU), MSG_NAME(WM_INITMENUPOPUP), MSG_NAME(WM_MENUSELECT),
    MSG_NAME(WM_MENUCHAR), MSG_NAME(WM_ENTERIDLE), MSG_NAME(WM_MENURBUTTONUP),
    MSG_NAME(WM_MENUDRAG), MSG_NAME(WM_MENUGETOBJECT), MSG_NAME(WM_UNINITMENUPOPUP),
    MSG_NAME(WM_MENUCOMMAND), MSG_NAME(WM_CHANGEUISTATE), MSG_NAME(WM_UPDATEUISTATE),
    MSG_NAME(WM_QUERYUISTATE), MSG_NAME(WM_CTLCOLORMSGBOX), MSG_NAME(WM_CTLCOLOREDIT),
    MSG_NAME(WM_CTLCOLORLISTBOX), MSG_NAME(WM_CTLCOLORBTN), MSG_NAME(WM_CTLCOLORDLG),
    MSG_NAME(WM_CTLCOLORSCROLLBAR), MSG_NAME(WM_CTLCOLORSTATIC), MSG_NAME(WM_MOUSEMOVE),
    MSG_NAME(WM_LBUTTONDOWN), MSG_NAME(WM_LBUTTONUP), MSG_NAME(WM_LBUTTONDBLCLK),
    MSG_NAME(WM_RBUTTONDOWN), MSG_NAME(WM_RBUTTONUP), MSG_NAME(WM_RBUTTONDBLCLK),
    MSG_NAME(WM_MBUTTONDOWN), MSG_NAME(WM_MBUTTONUP), MSG_NAME(WM_MBUTTONDBLCLK),
    MSG_NAME(WM_MOUSEWHEEL), MSG_NAME(WM_XBUTTONDOWN), MSG_NAME(WM_XBUTTONUP),
    MSG_NAME(WM_XBUTTONDBLCLK), MSG_NAME(WM_MOUSEHWHEEL), MSG_NAME(WM_PARENTNOTIFY),
    MSG_NAME(WM_ENTERMENULOOP), MSG_NAME(WM_EXITMENULOOP), MSG_NAME(WM_NEXTMENU),
    MSG_NAME(WM_SIZING), MSG_NAME(WM_CAPTURECHANGED), MSG_NAME(WM_MOVING),
    MSG_NAME(WM_POWERBROADCAST), MSG_NAME(WM_DEVICECHANGE), MSG_NAME(WM_MDICREATE),
    MSG_NAME(WM_MDIDESTROY), MSG_NAME(WM_MDIACTIVATE), MSG_NAME(WM_MDIRESTORE),
    MSG_NAME(WM_MDINEXT), MSG_NAME(WM_MDIMAXIMIZE), MSG_NAME(WM_MDITILE),
    MSG_NAME(WM_MDICASCADE), MSG_NAME(WM_MDIICONARRANGE), MSG_NAME(WM_MDIGETACTIVE),
    MSG_NAME(WM_MDISETMENU), MSG_NAME(WM_ENTERSIZEMOVE), MSG_NAME(WM_EXITSIZEMOVE),
    MSG_NAME(WM_DROPFILES), MSG_NAME(WM_MDIREFRESHMENU), MSG_NAME(WM_IME_SETCONTEXT),
    MSG_NAME(WM_IME_NOTIFY), MSG_NAME(WM_IME_CONTROL), MSG_NAME(WM_IME_COMPOSITIONFULL),
    MSG_NAME(WM_IME_SELECT), MSG_NAME(WM_IME_CHAR), MSG_NAME(WM_IME_REQUEST),
    MSG_NAME(WM_IME_KEYDOWN), MSG_NAME(WM_IME_KEYUP), MSG_NAME(WM_NCMOUSEHOVER),
    MSG_NAME(WM_MOUSEHOVER), MSG_NAME(WM_NCMOUSELEAVE), MSG_NAME(WM_MOUSELEAVE),
    MSG_NAME(WM_CUT), MSG_NAME(WM_COPY), MSG_NAME(WM_PASTE), MSG_NAME(WM_CLEAR),
    MSG_NAME(WM_UNDO), MSG_NAME(WM_RENDERFORMAT), MSG_NAME(WM_RENDERALLFORMATS),
    MSG_NAME(WM_DESTROYCLIPBOARD), MSG_NAME(WM_DRAWCLIPBOARD), MSG_NAME(WM_PAINTCLIPBOARD),
    MSG_NAME(WM_VSCROLLCLIPBOARD), MSG_NAME(WM_SIZECLIPBOARD), MSG_NAME(WM_ASKCBFORMATNAME),
    MSG_NAME(WM_CHANGECBCHAIN), MSG_NAME(WM_HSCROLLCLIPBOARD), MSG_NAME(WM_QUERYNEWPALETTE),
    MSG_NAME(WM_PALETTEISCHANGING), MSG_NAME(WM_PALETTECHANGED), MSG_NAME(WM_HOTKEY),
    MSG_NAME(WM_PRINT), MSG_NAME(WM_PRINTCLIENT), MSG_NAME(WM_APPCOMMAND),
    MSG_NAME(WM_THEMECHANGED), MSG_NAME(WM_USER),
};
#undef MSG_NAME

}  // namespace

const char* MessageName(UINT uMsg) {
  for (const cMsgName& n : s_aMsgNames)
    if (n.uMsg == uMsg) return n.pszName;
  return nullptr;
}
