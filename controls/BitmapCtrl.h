// The picture control that gives a dialog a place to draw its view or a preview. It is attached
// to its item and sized as asked; the drawing surfaces join it with the surface code.
#pragma once

#include <cstdint>

#include "app/Control.h"

// Attach record: the item and the size to give it (0, 0 keeps the item's own size).
struct cBitmapParam {
  uint16_t wId = 0;
  int32_t nWidth = 0;
  int32_t nHeight = 0;

  void Set(uint16_t wIdIn, int32_t nWidthIn, int32_t nHeightIn) {
    wId = wIdIn;
    nWidth = nWidthIn;
    nHeight = nHeightIn;
  }
};

class cBitmapCtrl : public cControl {
 public:
  cBitmapCtrl() { m_nKind = KIND_BITMAP; }

  void Attach(cDialog* lpOwner, const cBitmapParam& Param);
  using cControl::Attach;
};
