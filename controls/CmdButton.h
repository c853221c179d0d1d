// One kind button of a command palette: the button, the command dialog it opens and the palette's
// slot that holds that dialog while it runs. A hidden record opens nothing.
#pragma once

#include <cstdint>

class cDialog;

struct cCmdButton {
  uint16_t m_wButtonId = 0;
  uint16_t m_wDialogId = 0;  // 0: no dialog
  cDialog** m_lplpDialog = nullptr;
  int32_t m_nReserved = 0;
  int32_t m_bVisible = 0;

  // A given slot is emptied: the palette starts with no dialog of that kind open.
  void Set(uint16_t wButtonId, uint16_t wDialogId, cDialog** lplpDialog, int32_t nReserved, int32_t bVisible) {
    m_wButtonId = wButtonId;
    m_wDialogId = wDialogId;
    m_lplpDialog = lplpDialog;
    m_nReserved = nReserved;
    m_bVisible = bVisible;
    if (lplpDialog) *lplpDialog = nullptr;
  }
};
