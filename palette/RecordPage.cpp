#include "palette/RecordPage.h"

#include "app/MsgBox.h"
#include "model/Database.h"
#include "controls/GraphicPickDlg.h"
#include "resources/ListIds.h"

cRecordPageBase::cRecordPageBase(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList,
                                 int32_t nPageIndex)
    : cDialog(wTemplateId, lpParent, KIND_PAGE, lpWindowList, static_cast<cControl*>(nullptr), 0),
      m_nPageIndex(nPageIndex) {
  // The order the pages have always attached their kinds in: the inheritance boxes first.
  m_Ctrls.SetAttachOrder({cCtrlSet::CHECKU8, cCtrlSet::EDIT32, cCtrlSet::EDIT16, cCtrlSet::EDIT8, cCtrlSet::STR,
                          cCtrlSet::CHECK8, cCtrlSet::COMBO16, cCtrlSet::COMBO8, cCtrlSet::PICTURE,
                          cCtrlSet::BUTTON, cCtrlSet::STATIC});
  m_Ctrls.SetReportMissing(false);
}

void cRecordPageBase::ShowItem(uint16_t wId, bool bShow) {
  if (m_Ctrls.Has(wId)) {
    m_Ctrls.Show(wId, bShow);
    return;
  }
  if (m_hWnd) ShowWindow(GetDlgItem(m_hWnd, wId), bShow ? SW_SHOW : SW_HIDE);
}

bool cRecordPageBase::IsItemEnabled(uint16_t wId) {
  cControl* p = FindItem(wId);
  return p && p->m_hWnd && IsWindowEnabled(p->m_hWnd);
}

void cRecordPageBase::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowWindow(GetDlgItem(m_hWnd, IDC_DP_VIEW), SW_HIDE);
  if (m_lpCond) AttachList(*m_lpCond);
  AttachAll();
  AfterAttach();
  ShowEntryNumber();
  DataToCtrls();
  EnableAllGroups();
  RefreshEnabling();
  m_bInit = 1;
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

void cRecordPageBase::RunChangeHandlers(uint16_t wSkip) {
  // By index: a handler may not add events, but the vector is read afresh each time all the same.
  for (size_t i = 0; i < m_vEvents.size(); ++i) {
    const cCtrlEvent& e = m_vEvents[i];
    if (e.nType != cControl::KIND_BUTTON && (wSkip == 0 || e.nId != wSkip) && e.pfnHandler) e.pfnHandler(this);
  }
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

cCtrlSet& cRecordPageBase::BeginBinding() {
  if (!m_bBound) return m_Ctrls;
  m_Fresh = cCtrlSet();
  return m_Fresh;
}

namespace {

template <class V>
void TakeParams(V& vTo, const V& vFrom) {
  const int n = static_cast<int>(vTo.size() < vFrom.size() ? vTo.size() : vFrom.size());
  for (int i = 0; i < n; ++i) vTo[i].m_Param = vFrom[i].m_Param;
}

}  // namespace

void cRecordPageBase::EndBinding() {
  if (!m_bBound) {
    m_bBound = true;
    return;
  }
  // Only the kinds bound to fields: the buttons, the number and the previews stay as they are.
  TakeParams(m_Ctrls.m_vCheckU8, m_Fresh.m_vCheckU8);
  TakeParams(m_Ctrls.m_vEdit32, m_Fresh.m_vEdit32);
  TakeParams(m_Ctrls.m_vEdit16, m_Fresh.m_vEdit16);
  TakeParams(m_Ctrls.m_vEdit8, m_Fresh.m_vEdit8);
  TakeParams(m_Ctrls.m_vStr, m_Fresh.m_vStr);
  TakeParams(m_Ctrls.m_vCheck8, m_Fresh.m_vCheck8);
  TakeParams(m_Ctrls.m_vCombo16, m_Fresh.m_vCombo16);
  TakeParams(m_Ctrls.m_vCombo8, m_Fresh.m_vCombo8);
  m_Fresh = cCtrlSet();
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

const char* const* cRecordPageBase::InheritPalNames() {
  switch (StageEditState.m_nEditContext) {
    case EDIT_CELL:
      return InheritSrcNames;
    case EDIT_STAGE_PALETTE:
      return InheritSrcNamesCommon;
    default:
      return InheritSrcNamesNone;
  }
}

void cRecordPageBase::UseGraphic(const cGraphicPart& Part) {
  m_pGraphic = &Part;
  auto draw = [](cDialog* p) { static_cast<cRecordPageBase*>(p)->DrawPreviews(); };
  Event(cControl::KIND_COMBO, IDC_DP_GRAPHIC_KIND, [](cDialog* p) { static_cast<cRecordPageBase*>(p)->OnGraphicKind(); });
  Event(cControl::KIND_EDITVAL, IDC_DP_GRAPHIC_NO, draw);
  Event(cControl::KIND_BUTTON, IDC_DP_GRAPHIC_PICK, [](cDialog* p) {
    cRecordPageBase* d = static_cast<cRecordPageBase*>(p);
    uint16_t n = 0;
    if (PickGraphic(&n, d->ComboValue(IDC_DP_GRAPHIC_KIND), d, d->FindItem(IDC_DP_GRAPHIC_PICK)))
      d->SetEditValue(IDC_DP_GRAPHIC_NO, static_cast<int16_t>(n));
  });
  Event(cControl::KIND_EDITVAL, IDC_DP_FRAME, draw);
  Event(cControl::KIND_COMBO, IDC_DP_MARK_SHOW, [](cDialog* p) { static_cast<cRecordPageBase*>(p)->OnMarkShow(); });
  Event(cControl::KIND_EDITVAL, IDC_DP_MARK_NO, draw);
  Event(cControl::KIND_BUTTON, IDC_DP_MARK_PICK, [](cDialog* p) {
    cRecordPageBase* d = static_cast<cRecordPageBase*>(p);
    uint16_t n = 0;
    if (RunGraphicPickDlg(&n, 4, d, d->FindItem(IDC_DP_MARK_PICK)))
      d->SetEditValue(IDC_DP_MARK_NO, static_cast<int16_t>(n));
  });
}

void cRecordPageBase::OnGraphicKind() {
  if (!IsItemEnabled(IDC_DP_GRAPHIC_KIND)) return;
  const uint16_t wBox = m_pGraphic->wKindCheck;
  if (!wBox || !IsChecked(wBox)) ApplyKindLimits(ComboValue(IDC_DP_GRAPHIC_KIND));
  DrawPreviews();
}

void cRecordPageBase::ApplyKindLimits(int32_t nKind) {
  const cGraphicPart& g = *m_pGraphic;
  if (nKind == 1) {
    EnableItem(IDC_DP_FRAME, true);
    SetEditRange<int16_t>(IDC_DP_FRAME, g.aKind1[0], g.aKind1[1]);
    SetEditRange<int16_t>(IDC_DP_GRAPHIC_NO, 1, 119);
    EnableItem(IDC_DP_GRAPHIC_PICK, true);
  } else if (nKind == 4) {
    EnableItem(IDC_DP_FRAME, true);
    SetEditRange<int16_t>(IDC_DP_FRAME, g.aKind4[0], g.aKind4[1]);
    const int32_t nMax = static_cast<int32_t>(Database.m_vBmpCharaExc.size()) - 1;
    SetEditRange<int16_t>(IDC_DP_GRAPHIC_NO, 1, static_cast<int16_t>(nMax < 1 ? 1 : nMax));
    EnableItem(IDC_DP_GRAPHIC_PICK, false);
  } else {
    EnableItem(IDC_DP_FRAME, false);
    SetEditRange<int16_t>(IDC_DP_GRAPHIC_NO, 1, 119);
    EnableItem(IDC_DP_GRAPHIC_PICK, true);
  }
}

void cRecordPageBase::OnMarkShow() {
  if (IsItemEnabled(IDC_DP_MARK_SHOW)) {
    const bool bShow = ComboValue(IDC_DP_MARK_SHOW) != 0;
    EnableItem(IDC_DP_MARK_NO, bShow);
    EnableItem(IDC_DP_MARK_PICK, bShow);
  }
  DrawPreviews();
}
