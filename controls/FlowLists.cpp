#include "controls/FlowLists.h"

#include "resources/ListIds.h"

cFlowVector FlowClipboard;
cKeyCondVector KeyCondClipboard;
cCmdVector CmdClipboard;
cCmdVector ItemCmdClipboard;

void SetFlowListIds(cFlowListCtrl& List) { List.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1); }

void SetKeyCondListIds(cKeyCondListCtrl& List) {
  List.SetAccelEx(IDR_ACCEL_SUB3, ID_ACC_CUT_3, ID_ACC_COPY_3, ID_ACC_PASTE_3, 0, 0, 0, ID_ACC_DELETE_3);
  List.SetPopupEx(IDR_POPUP_SUB3, ID_POP_CUT_3, ID_POP_COPY_3, ID_POP_PASTE_3, 0, 0, 0, ID_POP_DELETE_3);
}

void SetCmdListIds(cCmdListCtrl& List) {
  List.SetAccelEx(IDR_ACCEL_SUB4, ID_ACC_CUT_4, ID_ACC_COPY_4, ID_ACC_PASTE_4, 0, 0, 0, ID_ACC_DELETE_4);
  List.SetPopupEx(IDR_POPUP_SUB4, ID_POP_CUT_4, ID_POP_COPY_4, ID_POP_PASTE_4, 0, 0, 0, ID_POP_DELETE_4);
}

void SetItemCmdListIds(cCmdListCtrl& List) {
  List.SetAccelEx(IDR_ACCEL_SUB1, ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, 0, 0, 0, ID_ACC_DELETE_1);
  List.SetPopupEx(IDR_POPUP_SUB1, ID_POP_CUT_1, ID_POP_COPY_1, ID_POP_PASTE_1, 0, 0, 0, ID_POP_DELETE_1);
}

int IsPasteCommand(const cListCtrlBase& List, WPARAM wParam) {
  const uint16_t wId = LOWORD(wParam);
  if (wId == 0) return 0;
  return wId == List.m_wAccelId[cListCtrlBase::CMD_PASTE] || wId == List.m_wPopupId[cListCtrlBase::CMD_PASTE];
}
