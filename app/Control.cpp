#include "app/Control.h"

#include "app/Dialog.h"
#include "app/DoNothing.h"

BOOL cControl::Enable(int32_t bEnable) { return EnableWindow(m_hWnd, bEnable ? TRUE : FALSE); }
void cControl::DataToCtrl() { DoNothing(); }
void cControl::CtrlToData() { DoNothing(); }
void cControl::OnChange() { DoNothing(); }
int cControl::OnNotify(WPARAM, LPARAM) { return 0; }
int cControl::OnScroll(WPARAM, LPARAM) { return 0; }
void cControl::SpareHook() { DoNothing(); }
void cControl::RestoreSel() { DoNothing(); }
void cControl::OnKillFocus() { DoNothing(); }
void cControl::AfterRedrawFreeze() { DoNothing(); }
void cControl::OnKeyDown(WPARAM, LPARAM, int32_t) { DoNothing(); }

void cControl::Attach(cDialog* lpOwner, uint16_t wId) {
  m_lpOwner = lpOwner;
  m_hOwner = lpOwner ? lpOwner->m_hWnd : nullptr;
  m_wId = wId;
  m_strTip.clear();
  m_hWnd = m_hOwner ? GetDlgItem(m_hOwner, wId) : nullptr;
  UpdatePos();
}

void cControl::UpdatePos() {
  RECT rc;
  if (!m_hWnd || !GetWindowRect(m_hWnd, &rc)) return;
  m_ptScreen.x = rc.left;
  m_ptScreen.y = rc.top;
  RECT rcOwner;
  if (!m_hOwner || !GetWindowRect(m_hOwner, &rcOwner)) return;
  int32_t nFrameLeft = m_lpOwner ? m_lpOwner->m_nFrameLeft : 0;
  int32_t nFrameTop = m_lpOwner ? m_lpOwner->m_nFrameTop : 0;
  m_ptClient.x = m_ptScreen.x - nFrameLeft - rcOwner.left;
  m_ptClient.y = m_ptScreen.y - nFrameTop - rcOwner.top;
}

void cControl::Resize(int32_t nWidth, int32_t nHeight) {
  if (!m_hWnd || !IsWindow(m_hWnd)) return;
  UpdatePos();
  SetWindowPos(m_hWnd, nullptr, m_ptClient.x, m_ptClient.y, nWidth, nHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void cControl::MoveTo(int32_t x, int32_t y) {
  if (!m_hWnd) return;
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdatePos();
}

bool cControl::HitTest(POINT ptScreen) const {
  RECT rc;
  if (!m_hWnd || !GetWindowRect(m_hWnd, &rc)) return false;
  // Every edge counts as inside.
  return ptScreen.x >= rc.left && ptScreen.x <= rc.right && ptScreen.y >= rc.top &&
         ptScreen.y <= rc.bottom;
}

BOOL cControl::Show(int32_t bShow) { return ShowWindow(m_hWnd, bShow ? SW_SHOW : SW_HIDE); }

void cControl::SetText(const char* pszText) { SetWindowTextA(m_hWnd, pszText); }

void cControl::ClearStyle(DWORD dwBits) {
  if (!m_hWnd) return;
  LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(dwBits));
}

bool cControl::HasStyle(DWORD dwBits) const {
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
  return (style & dwBits) == dwBits;
}

bool cControl::IsEnabled() const {
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
  return (style & WS_DISABLED) == 0;
}

namespace {
const char* const SCROLL_PROP = "CTRL_SCROLL_CLASS";
}

void cScrollCtrl::Attach(cDialog* lpOwner, const cScrollParam& Param) {
  cControl::Attach(lpOwner, Param.wId);
  m_nMin = Param.nMin;
  m_nMax = Param.nMax;
  m_nPage = Param.nPage;
  m_bRedraw = Param.bRedraw;
  if (!m_hWnd) return;
  SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE, m_nMin, m_nMax, static_cast<UINT>(m_nPage), 0, 0};
  SetScrollInfo(m_hWnd, SB_CTL, &si, m_bRedraw);
  // An item subclassed once keeps it: subclassing it again would chain the procedure to itself.
  if (GetPropA(m_hWnd, SCROLL_PROP)) {
    SetPropA(m_hWnd, SCROLL_PROP, this);
    return;
  }
  SetPropA(m_hWnd, SCROLL_PROP, this);
  m_lpfnOldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cScrollCtrl::SubclassProc)));
}

LRESULT CALLBACK cScrollCtrl::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cScrollCtrl* p = static_cast<cScrollCtrl*>(GetPropA(hWnd, SCROLL_PROP));
  WNDPROC lpfnOld = p ? p->m_lpfnOldProc : nullptr;
  if (!lpfnOld) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY:
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpfnOld));
      RemovePropA(hWnd, SCROLL_PROP);
      return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
    case WM_RBUTTONUP:
      return 0;  // no context menu on the bars
    default:
      return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
  }
}

int32_t cScrollCtrl::GetPos() const {
  SCROLLINFO si = {sizeof si, SIF_POS, 0, 0, 0, 0, 0};
  if (!m_hWnd || !GetScrollInfo(m_hWnd, SB_CTL, &si)) return 0;
  return si.nPos;
}

void cScrollCtrl::SetPos(int32_t nPos) {
  SCROLLINFO si = {sizeof si, SIF_POS, 0, 0, 0, nPos, 0};
  SetScrollInfo(m_hWnd, SB_CTL, &si, TRUE);
}

void cScrollCtrl::SetRange(int32_t nMin, int32_t nMax) {
  m_nMin = nMin;
  m_nMax = nMax;
  SCROLLINFO si = {sizeof si, SIF_RANGE, nMin, nMax, 0, 0, 0};
  SetScrollInfo(m_hWnd, SB_CTL, &si, TRUE);
}

void cScrollCtrl::SetPage(int32_t nPage) {
  m_nPage = nPage;
  SCROLLINFO si = {sizeof si, SIF_PAGE, 0, 0, static_cast<UINT>(nPage), 0, 0};
  SetScrollInfo(m_hWnd, SB_CTL, &si, TRUE);
}

bool cScrollCtrl::ScrollBy(int32_t nDelta) {
  int32_t nOld = GetPos();
  return Step(nDelta) != nOld;
}

int32_t cScrollCtrl::Step(int32_t nDelta) {
  SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  if (!m_hWnd || !GetScrollInfo(m_hWnd, SB_CTL, &si)) return 0;
  si.fMask = SIF_POS;
  si.nPos += nDelta;
  SetScrollInfo(m_hWnd, SB_CTL, &si, TRUE);
  return GetPos();
}
