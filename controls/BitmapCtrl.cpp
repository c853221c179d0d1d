#include "controls/BitmapCtrl.h"

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
}
