#include "controls/CtrlBind.h"

#include "app/AppGlobals.h"
#include "app/Control.h"
#include "app/MsgBox.h"

void ReportMissingCtrl(uint32_t nId) {
  DebugErrorBox("コントロールID 【%u】 が見つかりません！", nId);
  DestroyWindow(g_hMainWnd);
}

int cCtrlEvent::IsChange(WPARAM wParam) const {
  if (LOWORD(wParam) != static_cast<uint16_t>(nId)) return 0;
  WORD wCode = HIWORD(wParam);
  switch (nType) {
    case cControl::KIND_BUTTON:
    case cControl::KIND_CHECK:
      return wCode == BN_CLICKED;
    case cControl::KIND_EDITVAL:
    case cControl::KIND_EDITSTR:
      return wCode == EN_CHANGE;
    case cControl::KIND_COMBO:
      return wCode == CBN_SELCHANGE;
    case cControl::KIND_LIST:
      return wCode == LBN_SELCHANGE;
    default:
      return 0;
  }
}
