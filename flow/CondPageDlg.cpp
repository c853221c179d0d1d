#include "flow/CondPageDlg.h"

#include "controls/InputDlg.h"
#include "controls/NameLists.h"

namespace {

// A variable name holds up to 12 characters, counted as double-byte ones.
const int32_t VAR_NAME_CHARS = 12;

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

void cCondPageCtrls::Value(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpinId) {
  Added(m_vEditVal).Set(nId, p, nMin, nMax, nSpinId, 1);
}

void cCondPageCtrls::Value16(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpinId) {
  Added(m_vEditVal16).Set(nId, p, nMin, nMax, nSpinId, 1);
}

void cCondPageCtrls::Combo8(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin) {
  Added(m_vCombo8).SetTable(nId, p, pTable, nMin);
}

void cCondPageCtrls::Combo8(uint32_t nId, int8_t* p, cItemVector* pItems, int32_t nMin) {
  Added(m_vCombo8).SetVector(nId, p, pItems, nMin);
}

void cCondPageCtrls::Combo16(uint32_t nId, int16_t* p, cItemTable pTable, int32_t nMin) {
  Added(m_vCombo16).SetTable(nId, p, pTable, nMin);
}

void cCondPageCtrls::Combo16(uint32_t nId, int16_t* p, cItemVector* pItems, int32_t nMin) {
  Added(m_vCombo16).SetVector(nId, p, pItems, nMin);
}

void cCondPageCtrls::Check(uint32_t nId, int8_t* p) { Added(m_vCheck).Set(nId, p); }

void cCondPageCtrls::Button(uint32_t nId) { Added(m_vButton).Set(nId); }

cComboParam<int8_t>* cCondPageCtrls::P8(uint32_t nId) {
  for (int i = 0; i < static_cast<int>(m_vCombo8.size()); ++i)
    if (m_vCombo8[i].m_Param.wId == static_cast<uint16_t>(nId)) return &m_vCombo8[i].m_Param;
  ReportMissingCtrl(nId);
  return nullptr;
}

cComboParam<int16_t>* cCondPageCtrls::P16(uint32_t nId) {
  for (int i = 0; i < static_cast<int>(m_vCombo16.size()); ++i)
    if (m_vCombo16[i].m_Param.wId == static_cast<uint16_t>(nId)) return &m_vCombo16[i].m_Param;
  ReportMissingCtrl(nId);
  return nullptr;
}

int32_t cCondPageCtrls::Shown8(uint32_t nId) {
  cComboCtrl<int8_t>* p = C8(nId);
  return p ? p->GetCurData() : -1;
}

int32_t cCondPageCtrls::Shown16(uint32_t nId) {
  cComboCtrl<int16_t>* p = C16(nId);
  return p ? p->GetCurData() : -1;
}

void cCondPageCtrls::Enable(uint32_t nId, bool bEnable) {
  cControl* p = FindQuiet(m_vCombo8, nId);
  if (!p) p = FindQuiet(m_vCombo16, nId);
  if (!p) p = FindQuiet(m_vEditVal, nId);
  if (!p) p = FindQuiet(m_vEditVal16, nId);
  if (!p) p = FindQuiet(m_vCheck, nId);
  if (!p) p = FindQuiet(m_vButton, nId);
  if (!p) {
    ReportMissingCtrl(nId);
    return;
  }
  p->Enable(bEnable ? 1 : 0);
}

void cCondPageCtrls::AttachAll(cDialog* lpDlg) {
  lpDlg->AttachCtrls(m_vEditVal);
  lpDlg->AttachCtrls(m_vEditVal16);
  lpDlg->AttachCtrls(m_vCombo16);
  lpDlg->AttachCtrls(m_vCombo8);
  lpDlg->AttachCtrls(m_vCheck);
  lpDlg->AttachCtrls(m_vButton);
}

int RenameVariable(cDialog* lpDlg, cChkVector<cEdVarName>& vNames, int32_t nVar, cItemVector& vList,
                   cComboCtrl<int16_t>* lpCombo, cControl* lpButton) {
  if (nVar <= 0 || nVar >= static_cast<int32_t>(vNames.size())) {
    MessageBeep(0);
    return 0;
  }
  if (!InputString(lpDlg, lpDlg->m_lpWindowList, &vNames[nVar].m_strName, VAR_NAME_CHARS, 1, "変数名の入力",
                   lpButton, 1))
    return 0;
  MakeNumberedNameList(vList, vNames);
  if (lpCombo) lpCombo->SetItemVector(&vList);
  return 1;
}
