#include "app/Control.h"

#include <cstdarg>
#include <vector>

#include "app/Dialog.h"
#include "app/DoNothing.h"
#include "app/TextFormat.h"

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
void cControl::Thaw() { DoNothing(); }
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

void cControl::SetTextF(const char* pszFormat, ...) {
  char sz[MSG_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  SetWindowTextA(m_hWnd, sz);
}

void cControl::GetText(std::string& str) const {
  char sz[MSG_BUF_SIZE] = "";
  GetWindowTextA(m_hWnd, sz, sizeof sz);
  str.assign(sz, SjisFitLength(sz, sizeof sz - 1));
}

void cControl::SetString(const std::string& str) { SetDlgItemStr(m_hOwner, m_wId, str); }

void GetDlgItemStr(HWND hDlg, int nId, std::string& str, int nCap) {
  // The whole text is read and cut here: the system's own cut may split a double-byte character.
  std::vector<char> buf(DLG_ITEM_TEXT_MAX, 0);
  GetDlgItemTextA(hDlg, nId, buf.data(), DLG_ITEM_TEXT_MAX);
  if (nCap > DLG_ITEM_TEXT_MAX) nCap = DLG_ITEM_TEXT_MAX;
  size_t nMax = nCap > 0 ? static_cast<size_t>(nCap - 1) : 0;
  str.assign(buf.data(), SjisFitLength(buf.data(), nMax));
}

void SetDlgItemStr(HWND hDlg, int nId, const std::string& str) { SetDlgItemTextA(hDlg, nId, str.c_str()); }

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

void SubclassCtrl(cControl* lpCtrl, const char* pszProp, WNDPROC lpfnProc) {
  HWND hWnd = lpCtrl->m_hWnd;
  if (!hWnd) return;
  // A window subclassed once keeps it: subclassing it again would chain the procedure to itself.
  // Another object attached to the same window takes over the saved procedure.
  cControl* lpPrev = static_cast<cControl*>(GetPropA(hWnd, pszProp));
  SetPropA(hWnd, pszProp, lpCtrl);
  if (lpPrev) {
    if (lpPrev != lpCtrl) lpCtrl->m_lpfnOldProc = lpPrev->m_lpfnOldProc;
    return;
  }
  lpCtrl->m_lpfnOldProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpfnProc)));
}

void UnsubclassCtrl(cControl* lpCtrl, HWND hWnd, const char* pszProp) {
  SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpCtrl->m_lpfnOldProc));
  RemovePropA(hWnd, pszProp);
  lpCtrl->m_lpfnOldProc = nullptr;
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
  SubclassCtrl(this, SCROLL_PROP, &cScrollCtrl::SubclassProc);
}

LRESULT CALLBACK cScrollCtrl::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cScrollCtrl* p = static_cast<cScrollCtrl*>(GetPropA(hWnd, SCROLL_PROP));
  WNDPROC lpfnOld = p ? p->m_lpfnOldProc : nullptr;
  if (!lpfnOld) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY:
      UnsubclassCtrl(p, hWnd, SCROLL_PROP);
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
