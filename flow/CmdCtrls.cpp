#include "flow/CmdCtrls.h"


namespace {

template <class V>
auto& Added(V& v) {
  v.push_back(typename V::value_type());
  return v.back().m_Param;
}

// The element with that id in the array, or null; unlike FindCtrl it reports nothing.
template <class V>
auto FindQuiet(V& v, uint32_t nId) -> decltype(&v[0].m_Ctrl) {
  for (int i = 0; i < static_cast<int>(v.size()); ++i)
    if (v[i].m_Param.wId == static_cast<uint16_t>(nId)) return &v[i].m_Ctrl;
  return nullptr;
}

}  // namespace

bool IsClick(WPARAM wParam, uint16_t wId) { return LOWORD(wParam) == wId && HIWORD(wParam) == BN_CLICKED; }

void cCmdCtrls::Value(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpinId) {
  Added(m_vValue).Set(nId, p, nMin, nMax, nSpinId, 1);
}

void cCmdCtrls::Value16(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpinId) {
  Added(m_vValue16).Set(nId, p, nMin, nMax, nSpinId, 1);
}

void cCmdCtrls::Combo(uint32_t nId, int32_t* p, cItemTable pTable, int32_t nMin) {
  Added(m_vCombo).SetTable(nId, p, pTable, nMin);
}

void cCmdCtrls::Combo(uint32_t nId, int32_t* p, cItemVector* pItems, int32_t nMin) {
  Added(m_vCombo).SetVector(nId, p, pItems, nMin);
}

void cCmdCtrls::Combo16(uint32_t nId, int16_t* p, cItemVector* pItems, int32_t nMin) {
  Added(m_vCombo16).SetVector(nId, p, pItems, nMin);
}

void cCmdCtrls::Combo8(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin) {
  Added(m_vCombo8).SetTable(nId, p, pTable, nMin);
}

void cCmdCtrls::Check(uint32_t nId, int32_t* p) { Added(m_vCheck).Set(nId, p); }
void cCmdCtrls::Check8(uint32_t nId, int8_t* p) { Added(m_vCheck8).Set(nId, p); }
void cCmdCtrls::Str(const cEditStrParam& Param) { Added(m_vStr) = Param; }

void cCmdCtrls::Slider(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, int32_t nPage, uint32_t nBuddyId) {
  Added(m_vSlider).Set(nId, p, nMin, nMax, nPage, 1, nBuddyId);
}

void cCmdCtrls::Button(uint32_t nId) { Added(m_vButton).Set(nId); }
void cCmdCtrls::Static(uint32_t nId) { Added(m_vStatic).Set(nId); }
void cCmdCtrls::Picture(uint32_t nId, int32_t nWidth, int32_t nHeight) { Added(m_vBitmap).Set(nId, nWidth, nHeight); }

int32_t cCmdCtrls::Shown(uint32_t nId) {
  if (auto* p = FindQuiet(m_vCombo, nId)) return p->GetCurData();
  if (auto* p = FindQuiet(m_vCombo16, nId)) return p->GetCurData();
  if (auto* p = FindQuiet(m_vCombo8, nId)) return p->GetCurData();
  ReportMissingCtrl(nId);
  return -1;
}

int32_t cCmdCtrls::Checked(uint32_t nId) {
  if (auto* p = FindQuiet(m_vCheck, nId)) return p->GetCheck();
  if (auto* p = FindQuiet(m_vCheck8, nId)) return p->GetCheck();
  ReportMissingCtrl(nId);
  return 0;
}

void cCmdCtrls::SetChecked(uint32_t nId, int32_t bCheck) {
  if (auto* p = FindQuiet(m_vCheck, nId)) return p->SetCheck(static_cast<uint8_t>(bCheck));
  if (auto* p = FindQuiet(m_vCheck8, nId)) return p->SetCheck(static_cast<uint8_t>(bCheck));
  ReportMissingCtrl(nId);
}

void cCmdCtrls::Enable(uint32_t nId, bool bEnable) {
  cControl* p = FindQuiet(m_vCombo, nId);
  if (!p) p = FindQuiet(m_vCombo16, nId);
  if (!p) p = FindQuiet(m_vCombo8, nId);
  if (!p) p = FindQuiet(m_vValue, nId);
  if (!p) p = FindQuiet(m_vValue16, nId);
  if (!p) p = FindQuiet(m_vCheck, nId);
  if (!p) p = FindQuiet(m_vCheck8, nId);
  if (!p) p = FindQuiet(m_vStr, nId);
  if (!p) p = FindQuiet(m_vSlider, nId);
  if (!p) p = FindQuiet(m_vButton, nId);
  if (!p) {
    ReportMissingCtrl(nId);
    return;
  }
  p->Enable(bEnable ? 1 : 0);
}

void cCmdCtrls::Enable(std::initializer_list<uint32_t> ids, bool bEnable) {
  for (uint32_t nId : ids) Enable(nId, bEnable);
}

void cCmdCtrls::AttachAll(cDialog* lpDlg) {
  lpDlg->AttachCtrls(m_vValue);
  lpDlg->AttachCtrls(m_vValue16);
  lpDlg->AttachCtrls(m_vCombo);
  lpDlg->AttachCtrls(m_vCombo16);
  lpDlg->AttachCtrls(m_vCombo8);
  lpDlg->AttachCtrls(m_vCheck);
  lpDlg->AttachCtrls(m_vCheck8);
  lpDlg->AttachCtrls(m_vStr);
  lpDlg->AttachCtrls(m_vSlider);
  lpDlg->AttachCtrls(m_vButton);
  lpDlg->AttachCtrls(m_vStatic);
  for (int i = 0; i < static_cast<int>(m_vBitmap.size()); ++i)
    lpDlg->AddBitmapCtrl(&m_vBitmap[i].m_Ctrl, m_vBitmap[i].m_Param);
}

