#include "app/BitmapCtrl.h"

namespace {

const char* const BITMAP_PROP = "CTRL_BITMAP_CLASS";

// When the system repaints a picture, it shows the surface again itself: what its owner drew is
// not painted over by the control's own background until the owner draws next.
LRESULT CALLBACK BitmapSubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cBitmapCtrl* p = static_cast<cBitmapCtrl*>(GetPropA(hWnd, BITMAP_PROP));
  WNDPROC lpfnOld = p ? p->m_lpfnOldProc : nullptr;
  if (!lpfnOld) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_NCDESTROY) {
    UnsubclassCtrl(p, hWnd, BITMAP_PROP);
    return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
  }
  if (uMsg != WM_PAINT || !p->m_Surface.m_hDC) return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
  PAINTSTRUCT ps;
  HDC hDC = BeginPaint(hWnd, &ps);
  if (hDC) {
    GdiFlush();
    BitBlt(hDC, 0, 0, p->m_Surface.m_nWidth, p->m_Surface.m_nHeight, p->m_Surface.m_hDC, 0, 0, SRCCOPY);
  }
  EndPaint(hWnd, &ps);
  return 0;
}

}  // namespace

cBitmapCtrl& cBitmapCtrl::operator=(const cBitmapCtrl& o) {
  if (this == &o) return *this;
  ReleaseWindowDC();
  m_Surface.Release();
  cControl::operator=(o);
  return *this;
}

cBitmapCtrl::~cBitmapCtrl() {
  m_Surface.Release();
  ReleaseWindowDC();
}

void cBitmapCtrl::ReleaseWindowDC() {
  // A window that outlives this object paints as before: nothing may reach a gone surface.
  if (m_hDCWnd && IsWindow(m_hDCWnd) && GetPropA(m_hDCWnd, BITMAP_PROP) == this)
    UnsubclassCtrl(this, m_hDCWnd, BITMAP_PROP);
  // The window's device context is lent by the system: given back, never deleted.
  if (m_Window.m_hDC && m_hDCWnd && IsWindow(m_hDCWnd)) ReleaseDC(m_hDCWnd, m_Window.m_hDC);
  m_Window.Release();
  m_Window.Clear();
  m_hDCWnd = nullptr;
}

void cBitmapCtrl::Attach(cDialog* lpOwner, const cBitmapParam& Param) {
  cControl::Attach(lpOwner, Param.wId);
  ReleaseWindowDC();
  if (!m_hWnd) return;
  m_Window.m_hDC = GetDC(m_hWnd);
  m_hDCWnd = m_hWnd;
  int32_t nWidth = 0, nHeight = 0;
  if (Param.nWidth != 0 && Param.nHeight != 0) {
    // Sized in place: the item keeps its offset in the owner window.
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    POINT pt = {rc.left, rc.top};
    ScreenToClient(m_hOwner, &pt);
    SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, Param.nWidth, Param.nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdatePos();
    nWidth = Param.nWidth;
    nHeight = Param.nHeight;
  } else {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(m_hWnd, &rc);
    nWidth = rc.right;
    nHeight = rc.bottom;
  }
  m_Surface.Release();
  m_Surface.Create(nWidth, nHeight, 32, 0);
  SubclassCtrl(this, BITMAP_PROP, &BitmapSubclassProc);
}

