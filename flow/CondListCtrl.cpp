#include "flow/CondListCtrl.h"

#include "app/MsgBox.h"
#include "flow/CondKindDlg.h"
#include "flow/CondText.h"
#include "resources/CondKindIds.h"
#include "resources/ListIds.h"

cCondVector CondClipboard;
cCondVector FlowCondClipboard;

void cCondListCtrl::SetParam(cListParam<cCond>& Param, uint16_t wId, cCondVector* lpSrc, cCondVector* lpWork) {
  Param.Set(wId, lpSrc, lpWork, nullptr, 1, FormatCondText, 0, 0, MAX_CONDS, 0, 1, 0);
}

void cCondListCtrl::SetOwnerIds(int32_t nOwner) {
  m_nOwner = nOwner;
  if (nOwner == COND_OWNER_FLOW) {
    SetAccelEx(IDR_ACCEL_SUB2, ID_ACC_CUT_2, ID_ACC_COPY_2, ID_ACC_PASTE_2, 0, 0, 0, ID_ACC_DELETE_2);
    SetPopupEx(IDR_POPUP_SUB2, ID_POP_CUT_2, ID_POP_COPY_2, ID_POP_PASTE_2, 0, 0, 0, ID_POP_DELETE_2);
  } else {
    SetAccelEx(IDR_ACCEL_SUB1, ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, 0, 0, 0, ID_ACC_DELETE_1);
    SetPopupEx(IDR_POPUP_SUB1, ID_POP_CUT_1, ID_POP_COPY_1, ID_POP_PASTE_1, 0, 0, 0, ID_POP_DELETE_1);
  }
}

int cCondListCtrl::OpenDialog(int32_t bNew) {
  int nIndex = GetCurDataIndex();
  if (nIndex == -1) return 0;
  m_Context.lpCond = &(*m_lpWork)[nIndex];
  m_Context.bNew = bNew;
  m_Context.nOwner = m_nOwner;
  return static_cast<int>(Edit(m_lpCondDlg, IDD_COND_KIND, &m_Context, &WindowList, 0, 1, nullptr));
}

int cCondListCtrl::EditCurrent() { return OpenDialog(0); }

int cCondListCtrl::InsertCond() {
  return InsertWith([&] { return OpenDialog(1); });
}

int cCondListCtrl::OnOwnerCommand(WPARAM wParam) {
  uint16_t wId = LOWORD(wParam);
  bool bFlow = m_nOwner == COND_OWNER_FLOW;
  uint16_t wInsertKey = bFlow ? ID_ACC_INSERT_2 : ID_ACC_INSERT_1;
  uint16_t wInsertItem = bFlow ? ID_POP_INSERT_2 : ID_POP_INSERT_1;
  if (wId == wInsertKey || wId == wInsertItem) {
    // Only the focused list inserts, as for its own keys.
    if (!m_hWnd || GetFocus() != m_hWnd) return 0;
    InsertCond();
    return 0;
  }
  if (RefusePaste(wId)) return 0;
  if (!OnAccelKey(wParam) && !OnPopupCommand(wParam)) return 0;
  Redraw();
  return 1;
}

int cCondListCtrl::RefusePaste(uint16_t wId) {
  if (!m_bRefuseDistancePaste) return 0;
  const bool bFlow = m_nOwner == COND_OWNER_FLOW;
  if (wId != (bFlow ? ID_ACC_PASTE_2 : ID_ACC_PASTE_1) && wId != (bFlow ? ID_POP_PASTE_2 : ID_POP_PASTE_1)) return 0;
  if (!m_hWnd || GetFocus() != m_hWnd) return 0;
  if (!ClipboardHasKind(cCondKindDlg::KIND_DISTANCE)) return 0;
  ErrorBox("「距離条件」の貼り付けはできません！");
  return 1;
}

int cCondListCtrl::ClipboardHasKind(int32_t nKind) const {
  for (size_t i = 0; i < m_vClip.size(); ++i)
    if (m_vClip[static_cast<int>(i)].m_nKind == nKind) return 1;
  return 0;
}
