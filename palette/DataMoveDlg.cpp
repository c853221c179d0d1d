#include "palette/DataMoveDlg.h"

#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/PaletteEntryIds.h"

cDataMoveDlg::cDataMoveDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList,
                           cChkVector<cEdBlock>* lpPalette, int32_t nPaletteFlag, int32_t x, int32_t y)
    : cSetDlg<cDataMoveDlg>(wTemplateId, lpOwner, nKind, lpWindowList, x, y) {
  m_lpvBlock = lpPalette;
  Init(nPaletteFlag, 0, static_cast<int32_t>(lpPalette->size()));
}

cDataMoveDlg::cDataMoveDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList,
                           cChkVector<cEdChara>* lpPalette, int32_t nPaletteFlag, int32_t x, int32_t y)
    : cSetDlg<cDataMoveDlg>(wTemplateId, lpOwner, nKind, lpWindowList, x, y) {
  m_lpvChara = lpPalette;
  Init(nPaletteFlag, 1, static_cast<int32_t>(lpPalette->size()));
}

cDataMoveDlg::cDataMoveDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList,
                           cChkVector<cEdItem>* lpPalette, int32_t nPaletteFlag, int32_t x, int32_t y)
    : cSetDlg<cDataMoveDlg>(wTemplateId, lpOwner, nKind, lpWindowList, x, y) {
  m_lpvItem = lpPalette;
  Init(nPaletteFlag, 2, static_cast<int32_t>(lpPalette->size()));
}

void cDataMoveDlg::Init(int32_t nPaletteFlag, int32_t nRecordKind, int32_t nCount) {
  m_nPaletteFlag = nPaletteFlag;
  m_nRecordKind = nRecordKind;
  m_nCount = nCount;
  m_vOperationNames.assign({"移動", "コピー＆挿入", "削除"});
  // Entry 0 is never part of the range; the target may be one past the last entry.
  const int32_t nLast = nCount - 1 < 1 ? 1 : nCount - 1;
  const int32_t nEnd = nCount < 1 ? 1 : nCount;
  m_Ctrls.Value(IDC_MOVE_FROM, &m_nFrom, 1, nLast, IDC_MOVE_FROM_SPIN);
  m_Ctrls.Value(IDC_MOVE_TO, &m_nTo, 1, nLast, IDC_MOVE_TO_SPIN);
  m_Ctrls.Value(IDC_MOVE_TARGET, &m_nTarget, 1, nEnd, IDC_MOVE_TARGET_SPIN);
  m_Ctrls.Combo(IDC_MOVE_OPERATION, &m_nOperation, &m_vOperationNames, 0);
}

void cDataMoveDlg::UpdateEnables() {
  HWND hTarget = GetDlgItem(m_hWnd, IDC_MOVE_TARGET);
  const bool bEnable = m_Ctrls.m_vCombo32[0].m_Ctrl.m_hWnd
                           ? SendMessageA(m_Ctrls.m_vCombo32[0].m_Ctrl.m_hWnd, CB_GETCURSEL, 0, 0) != DATA_DELETE
                           : m_nOperation != DATA_DELETE;
  if (hTarget) EnableWindow(hTarget, bEnable);
  HWND hSpin = GetDlgItem(m_hWnd, IDC_MOVE_TARGET_SPIN);
  if (hSpin) EnableWindow(hSpin, bEnable);
}

int32_t cDataMoveDlg::PaletteCount() const {
  switch (m_nRecordKind) {
    case 0: return static_cast<int32_t>(m_lpvBlock->size());
    case 1: return static_cast<int32_t>(m_lpvChara->size());
    default: return static_cast<int32_t>(m_lpvItem->size());
  }
}

void cDataMoveDlg::Commit() {
  CtrlsToData();
  switch (m_nRecordKind) {
    case 0: ApplyDataMove(*m_lpvBlock, m_nFrom, m_nTo, m_nTarget, m_nOperation); break;
    case 1: ApplyDataMove(*m_lpvChara, m_nFrom, m_nTo, m_nTarget, m_nOperation); break;
    default: ApplyDataMove(*m_lpvItem, m_nFrom, m_nTo, m_nTarget, m_nOperation); break;
  }
  cStageEditState& st = StageEditState;
  const int32_t nCount = PaletteCount();
  if (static_cast<uint32_t>(st.m_nBrushEntry) >= static_cast<uint32_t>(nCount)) st.m_nBrushEntry = nCount - 1;
  const bool bCommon = m_nPaletteFlag == 0;
  switch (m_nRecordKind) {
    case 0: bCommon ? Stage.ReapplyBlockInherit() : Stage.RefreshBlockCells(); break;
    case 1: bCommon ? Stage.ReapplyCharaInherit() : Stage.RefreshCharaCells(); break;
    default: bCommon ? Stage.ReapplyItemInherit() : Stage.RefreshItemCells(); break;
  }
  st.ClearPaletteClipboard();
  if (bCommon)
    st.m_bPaletteChanged = 1;
  else
    st.m_bStageChanged = 1;
}

void cDataMoveDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (CloseOnOkCancel(wParam, IDC_MOVE_OK, IDC_MOVE_CANCEL, [this] { Commit(); })) return;
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnables();
}

