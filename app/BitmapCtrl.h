// The picture control that gives a dialog a place to draw its view or a preview: a surface of
// the control's size to draw into, and the control's window device context to copy it to. The
// owner draws into the surface and copies it; when the system repaints the control, it copies
// the surface back itself, so a preview drawn once is not painted over.
#pragma once

#include <cstdint>

#include "app/Control.h"
#include "app/Surface.h"

// Attach record: the item and the size to give it (0, 0 keeps the item's own size).
struct cBitmapParam {
  uint16_t wId = 0;
  int32_t nWidth = 0;
  int32_t nHeight = 0;

  cBitmapParam& Set(uint32_t nId, int32_t nWidthIn, int32_t nHeightIn) {
    wId = static_cast<uint16_t>(nId);
    nWidth = nWidthIn;
    nHeight = nHeightIn;
    return *this;
  }
};

class cBitmapCtrl : public cControl {
 public:
  cBitmapCtrl() { m_nKind = KIND_BITMAP; }
  // Copies are made only before attachment, while there is nothing to draw on.
  cBitmapCtrl(const cBitmapCtrl& o) : cControl(o) {}
  cBitmapCtrl& operator=(const cBitmapCtrl& o);
  ~cBitmapCtrl() override;

  void Attach(cDialog* lpOwner, const cBitmapParam& Param);
  using cControl::Attach;

  // Holds only the control's window device context.
  cSurface m_Window;
  cSurface m_Surface;

 private:
  HWND m_hDCWnd = nullptr;
  void ReleaseWindowDC();
};
