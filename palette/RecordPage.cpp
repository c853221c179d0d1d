#include "palette/RecordPage.h"

#include "app/MsgBox.h"
#include "resources/ListIds.h"

cRecordPageBase::cRecordPageBase(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList,
                                 int32_t nPageIndex)
    : cDialog(wTemplateId, lpParent, KIND_PAGE, lpWindowList, static_cast<cControl*>(nullptr), 0),
      m_nPageIndex(nPageIndex) {}

cControl* cRecordPageBase::FindItem(uint16_t wId) const {
  for (cControl* p : m_vCtrls)
    if (p && p->m_wId == wId) return p;
  return nullptr;
}

void cRecordPageBase::EnableItem(uint16_t wId, bool bEnable) {
  if (cControl* p = FindItem(wId)) p->Enable(bEnable ? 1 : 0);
}

void cRecordPageBase::ShowItem(uint16_t wId, bool bShow) {
  if (cControl* p = FindItem(wId)) {
    p->Show(bShow ? 1 : 0);
    return;
  }
  if (m_hWnd) ShowWindow(GetDlgItem(m_hWnd, wId), bShow ? SW_SHOW : SW_HIDE);
}

bool cRecordPageBase::IsItemEnabled(uint16_t wId) const {
  cControl* p = FindItem(wId);
  return p && p->m_hWnd && IsWindowEnabled(p->m_hWnd);
}

bool cRecordPageBase::IsChecked(uint16_t wId) const {
  return m_hWnd && IsDlgButtonChecked(m_hWnd, wId) == BST_CHECKED;
}

int32_t cRecordPageBase::ComboValue(uint16_t wId) const {
  for (int i = 0; i < static_cast<int>(m_vCombo8.size()); ++i)
    if (m_vCombo8[i].m_Param.wId == wId) return m_vCombo8[i].m_Ctrl.GetCurData();
  for (int i = 0; i < static_cast<int>(m_vCombo16.size()); ++i)
    if (m_vCombo16[i].m_Param.wId == wId) return m_vCombo16[i].m_Ctrl.GetCurData();
  return -1;
}

void cRecordPageBase::EnableGroup(int k) {
  if (k < 0 || k >= m_nGroups) return;
  const cInheritGroup& g = m_pGroups[k];
  const bool bFree = !IsChecked(g.wCheck);
  for (int i = 0; i < 7 && g.aCtrls[i]; ++i) EnableItem(g.aCtrls[i], bFree);
}

void cRecordPageBase::EnableAllGroups() {
  for (int k = 0; k < m_nGroups; ++k) EnableGroup(k);
}

int cRecordPageBase::GroupOfCheck(uint16_t wId) const {
  for (int k = 0; k < m_nGroups; ++k)
    if (m_pGroups[k].wCheck == wId) return k;
  return -1;
}

void cRecordPageBase::RunChangeHandlers() {
  // By index: a handler may not add events, but the vector is read afresh each time all the same.
  for (size_t i = 0; i < m_vEvents.size(); ++i)
    if (m_vEvents[i].nType != cControl::KIND_BUTTON && m_vEvents[i].pfnHandler) m_vEvents[i].pfnHandler(this);
}

bool cRecordPageBase::RunChangeHandlerFor(WPARAM wParam) {
  for (size_t i = 0; i < m_vEvents.size(); ++i) {
    if (!m_vEvents[i].IsChange(wParam)) continue;
    if (m_vEvents[i].pfnHandler) m_vEvents[i].pfnHandler(this);
    return true;
  }
  return false;
}

void cRecordPageBase::EnableComputerOnly(bool bComputer) {
  for (int s = 0; s < m_nComputerOnly; ++s) {
    const cComputerOnlySet& set = m_pComputerOnly[s];
    if (IsChecked(set.wGroupCheck)) continue;
    for (int i = 0; i < 7 && set.aCtrls[i]; ++i) EnableItem(set.aCtrls[i], bComputer);
  }
}

void cRecordPageBase::ShowEntryNumber() {
  const int32_t nContext = StageEditState.m_nEditContext;
  if (nContext == EDIT_STAGE_PALETTE || nContext == EDIT_COMMON_PALETTE) {
    if (cControl* p = FindItem(IDC_DP_NO)) SetEntryNoText(*p, StageEditState.m_nBrushEntry);
    return;
  }
  ShowItem(IDC_DP_NO, false);
  ShowItem(IDC_DP_PREV, false);
  ShowItem(IDC_DP_NEXT, false);
}

void cRecordPageBase::TellSheetChanged() {
  HWND hSheet = m_hSheetWnd ? m_hSheetWnd : (m_hWnd ? GetParent(m_hWnd) : nullptr);
  if (hSheet) SendMessageA(hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void cRecordPageBase::AttachAll() {
  AttachCtrls(m_vInherit);
  AttachCtrls(m_vEdit32);
  AttachCtrls(m_vEdit16);
  AttachCtrls(m_vEdit8);
  AttachCtrls(m_vEditStr);
  AttachCtrls(m_vCheck);
  AttachCtrls(m_vCombo16);
  AttachCtrls(m_vCombo8);
  for (int i = 0; i < static_cast<int>(m_vPicture.size()); ++i)
    AddBitmapCtrl(&m_vPicture[i].m_Ctrl, m_vPicture[i].m_Param);
  AttachCtrls(m_vButton);
  AttachCtrls(m_vStatic);
}

void cRecordPageBase::RebindAll() {
  RebindCtrls(m_vInherit);
  RebindCtrls(m_vEdit32);
  RebindCtrls(m_vEdit16);
  RebindCtrls(m_vEdit8);
  RebindCtrls(m_vEditStr);
  RebindCtrls(m_vCheck);
  RebindCtrls(m_vCombo16);
  RebindCtrls(m_vCombo8);
}

void cRecordPageBase::Draw() {
  if (!m_bInit) return;
  DrawPreviews();
}

// The condition kind that a block or an item cannot use.
constexpr int8_t COND_KIND_DISTANCE = 7;

bool cRecordPageBase::OnCondListCommand(WPARAM wParam) {
  cCondListCtrl& list = m_lpCond->m_Ctrl;
  const uint16_t wId = LOWORD(wParam);
  const uint16_t wCode = HIWORD(wParam);
  if (wId == m_lpCond->m_Param.wId) {
    if (wCode == LBN_SELCHANGE) list.OnSelChange();
    if (wCode == LBN_DBLCLK) list.EditCurrent();
    return false;
  }
  if (wCode == BN_CLICKED && wId == IDC_COND_EDIT) {
    list.EditCurrent();
    return false;
  }
  if (wCode == BN_CLICKED && wId == IDC_COND_INSERT) {
    list.InsertCond();
    return false;
  }
  if (wCode == BN_CLICKED && wId == IDC_COND_DELETE) {
    list.Delete(-1, 0);
    return false;
  }
  if (m_bRefuseDistancePaste && (wId == ID_ACC_PASTE_1 || wId == ID_POP_PASTE_1) &&
      list.ClipboardHasKind(COND_KIND_DISTANCE)) {
    ErrorBox("「距離条件」の貼り付けはできません！");
    return true;
  }
  list.OnOwnerCommand(wParam);
  return false;
}

void cRecordPageBase::OnCondListRightClick() {
  if (!m_lpCond || !IsRightClicked()) return;
  cCondListCtrl& list = m_lpCond->m_Ctrl;
  POINT pt;
  if (!GetCursorPos(&pt)) return;
  if (list.SelectAtPoint(pt) && list.m_hPopupMenu) PopupMenu(list.m_hPopupMenu);
}
