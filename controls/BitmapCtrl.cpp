#include "controls/BitmapCtrl.h"

void cBitmapCtrl::Attach(cDialog* lpOwner, const cBitmapParam& Param) {
  cControl::Attach(lpOwner, Param.wId);
  if (!m_hWnd || Param.nWidth == 0 || Param.nHeight == 0) return;
  // Sized in place: the item keeps its position in the owner's client area.
  RECT rc;
  if (!GetWindowRect(m_hWnd, &rc)) return;
  POINT pt = {rc.left, rc.top};
  ScreenToClient(m_hOwner, &pt);
  SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, Param.nWidth, Param.nHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}
