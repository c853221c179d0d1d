#include "flow/BoundCmdDlg.h"

#include "resources/CmdDialogIds.h"

cBoundCmdDlg::cBoundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                           cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {}

void cBoundCmdDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cCmdDlg::OnInitDialog(wParam, lParam);
  AttachCtrls(m_vEdit32);
  AttachCtrls(m_vEdit16);
  AttachCtrls(m_vEdit8);
  AttachCtrls(m_vEditReal);
  AttachCtrls(m_vCheck);
  AttachCtrls(m_vCombo8);
  AttachCtrls(m_vCombo16);
  AttachCtrls(m_vCombo32);
  AttachCtrls(m_vPicture);
  AttachCtrls(m_vStatic);
  AttachCtrls(m_vButton);
  DataToCtrls();
  UpdateEnable();
  AfterShow();
  m_bInit = 1;
}

void cBoundCmdDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  const uint16_t wId = LOWORD(wParam);
  if (wId == IDC_CMD_OK) {
    if (!CheckOk()) return;
    CtrlsToData();
    Close(1);
    return;
  }
  if (wId == IDC_CMD_CANCEL) {
    Close(0);
    return;
  }
  if (OnOwnCommand(wId, HIWORD(wParam))) return;
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnable();
}

void cBoundCmdDlg::Edit8(uint32_t nId, int8_t* p, int8_t nMin, int8_t nMax, uint32_t nSpin) {
  m_vEdit8.emplace_back();
  m_vEdit8.back().m_Param.Set(nId, p, nMin, nMax, nSpin, 1);
}

void cBoundCmdDlg::Edit16(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpin) {
  m_vEdit16.emplace_back();
  m_vEdit16.back().m_Param.Set(nId, p, nMin, nMax, nSpin, 1);
}

void cBoundCmdDlg::Edit32(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpin) {
  m_vEdit32.emplace_back();
  m_vEdit32.back().m_Param.Set(nId, p, nMin, nMax, nSpin, 1);
}

void cBoundCmdDlg::EditReal(uint32_t nId, double* p, double dMin, double dMax, uint32_t nSpin, double dStep) {
  m_vEditReal.emplace_back();
  m_vEditReal.back().m_Param.Set(nId, p, dMin, dMax, nSpin, dStep);
}

void cBoundCmdDlg::Check(uint32_t nId, int8_t* p) {
  m_vCheck.emplace_back();
  m_vCheck.back().m_Param.Set(nId, p);
}

void cBoundCmdDlg::Combo8(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin) {
  m_vCombo8.emplace_back();
  m_vCombo8.back().m_Param.SetTable(nId, p, pTable, nMin);
}

void cBoundCmdDlg::Combo8(uint32_t nId, int8_t* p, cItemVector* pItems, int32_t nMin) {
  m_vCombo8.emplace_back();
  m_vCombo8.back().m_Param.SetVector(nId, p, pItems, nMin);
}

void cBoundCmdDlg::Combo16(uint32_t nId, int16_t* p, cItemVector* pItems, int32_t nMin) {
  m_vCombo16.emplace_back();
  m_vCombo16.back().m_Param.SetVector(nId, p, pItems, nMin);
}

void cBoundCmdDlg::Combo32(uint32_t nId, int32_t* p, cItemTable pTable) {
  m_vCombo32.emplace_back();
  m_vCombo32.back().m_Param.SetTable(nId, p, pTable, 0);
}

void cBoundCmdDlg::Combo32(uint32_t nId, int32_t* p, cItemVector* pItems) {
  m_vCombo32.emplace_back();
  m_vCombo32.back().m_Param.SetVector(nId, p, pItems, 0);
}

void cBoundCmdDlg::Static(uint32_t nId) {
  m_vStatic.emplace_back();
  m_vStatic.back().m_Param.Set(nId);
}

void cBoundCmdDlg::Button(uint32_t nId) {
  m_vButton.emplace_back();
  m_vButton.back().m_Param.Set(nId);
}

void cBoundCmdDlg::Picture(uint32_t nId, int32_t nWidth, int32_t nHeight) {
  m_vPicture.emplace_back();
  m_vPicture.back().m_Param.Set(nId, nWidth, nHeight);
}

void cBoundCmdDlg::BindTimeHeader() {
  cEdCommand& cmd = Command();
  Check(IDC_CMD_PARALLEL, &cmd.m_bParallel);
  Edit16(IDC_CMD_TIME, &cmd.m_nTime, 1, 9999, IDC_CMD_TIME_SPIN);
  Edit16(IDC_CMD_TIME_CLONE, &cmd.m_nTimeClone, -500, 500, IDC_CMD_TIME_CLONE_SPIN);
}

cControl* cBoundCmdDlg::Ctrl(uint32_t nId) {
  const uint16_t wId = static_cast<uint16_t>(nId);
  for (cControl* c : m_vCtrls)
    if (c->m_wId == wId) return c;
  ReportMissingCtrl(wId);
  return nullptr;
}

void cBoundCmdDlg::EnableId(uint32_t nId, bool bEnable) {
  if (cControl* c = Ctrl(nId)) c->Enable(bEnable ? 1 : 0);
}

void cBoundCmdDlg::ShowId(uint32_t nId, bool bShow) {
  if (cControl* c = Ctrl(nId)) c->Show(bShow ? 1 : 0);
}

bool cBoundCmdDlg::IsTicked(uint32_t nId) {
  auto* p = FindCtrl(m_vCheck, nId);
  return p && p->GetCheck() == BST_CHECKED;
}

void cBoundCmdDlg::SetTicked(uint32_t nId, bool bTicked) {
  if (auto* p = FindCtrl(m_vCheck, nId)) p->SetCheck(bTicked ? BST_CHECKED : BST_UNCHECKED);
}

int32_t cBoundCmdDlg::ComboValue(uint32_t nId) {
  const uint16_t wId = static_cast<uint16_t>(nId);
  for (auto& e : m_vCombo8)
    if (e.m_Param.wId == wId) return e.m_Ctrl.GetCurData();
  for (auto& e : m_vCombo16)
    if (e.m_Param.wId == wId) return e.m_Ctrl.GetCurData();
  for (auto& e : m_vCombo32)
    if (e.m_Param.wId == wId) return e.m_Ctrl.GetCurData();
  ReportMissingCtrl(wId);
  return -1;
}

cEditValCtrl<int16_t>* cBoundCmdDlg::Edit16Ctrl(uint32_t nId) { return FindCtrl(m_vEdit16, nId); }

void SetUpParamEdits(cBoundCmdDlg& Dlg, const uint32_t (&anEdit)[3], const uint32_t (&anStatic)[3],
                     const cEffectParamInfo* pParams, int32_t nChoice, int32_t nCount, int8_t& nLast) {
  static const cEffectParamInfo s_None = {"", 0, 0, 0};
  const bool bKnown = nChoice >= 0 && nChoice < nCount;
  for (int i = 0; i < 3; ++i) {
    const cEffectParamInfo& r = bKnown ? pParams[nChoice * 3 + i] : s_None;
    cEditValCtrl<int16_t>* lpEdit = Dlg.Edit16Ctrl(anEdit[i]);
    if (cControl* lpStatic = Dlg.Ctrl(anStatic[i])) lpStatic->SetText(r.m_strCaption);
    if (!lpEdit) continue;
    const bool bUsed = r.m_strCaption[0] != '\0';
    lpEdit->Enable(bUsed ? 1 : 0);
    lpEdit->SetRange(r.m_nMin, r.m_nMax);
    // Shows the value again, held to the new range.
    lpEdit->Show(lpEdit->ParseText(), true);
    if (nLast != -1 && nLast != nChoice) lpEdit->SetValue(r.m_nDefault);
  }
  nLast = static_cast<int8_t>(nChoice);
}
