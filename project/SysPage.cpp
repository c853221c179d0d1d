#include "project/SysPage.h"

#include "app/Bgm.h"
#include "project/SystemSheet.h"

namespace {

template <class V>
cControl* FindIn(V& v, uint16_t wId) {
  for (int i = 0; i < static_cast<int>(v.size()); ++i)
    if (v[i].m_Param.wId == wId) return &v[i].m_Ctrl;
  return nullptr;
}

template <class V, class P>
void AddBind(V& v, const P& Param) {
  v.emplace_back();
  v[static_cast<int>(v.size()) - 1].m_Param = Param;
}

}  // namespace

void cSysPageCtrls::Value(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpinId) {
  cEditValParam<int32_t> Param;
  AddBind(m_vValue, Param.Set(nId, p, nMin, nMax, nSpinId, 1));
}

void cSysPageCtrls::Byte(uint32_t nId, uint8_t* p, uint8_t nMin, uint8_t nMax, uint32_t nSpinId) {
  cEditValParam<uint8_t> Param;
  AddBind(m_vByte, Param.Set(nId, p, nMin, nMax, nSpinId, 1));
}

void cSysPageCtrls::Short(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpinId) {
  cEditValParam<int16_t> Param;
  AddBind(m_vShort, Param.Set(nId, p, nMin, nMax, nSpinId, 1));
}

void cSysPageCtrls::Str(uint32_t nId, std::string* p, int32_t nLimit, int32_t bWide) {
  cEditStrParam Param;
  AddBind(m_vStr, Param.Set(nId, p, nLimit, bWide));
}

void cSysPageCtrls::Path(uint32_t nId, std::string* p) {
  cEditStrParam Param;
  AddBind(m_vStr, Param.SetPath(nId, p));
}

void cSysPageCtrls::Combo(uint32_t nId, int32_t* p, cItemTable pTable, int32_t nMin) {
  cComboParam<int32_t> Param;
  AddBind(m_vCombo, Param.SetTable(nId, p, pTable, nMin));
}

void cSysPageCtrls::Combo(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin) {
  cComboParam<int8_t> Param;
  AddBind(m_vCharCombo, Param.SetTable(nId, p, pTable, nMin));
}

void cSysPageCtrls::Combo(uint32_t nId, int32_t* p, cItemVector* pItems, int32_t nMin) {
  cComboParam<int32_t> Param;
  AddBind(m_vCombo, Param.SetVector(nId, p, pItems, nMin));
}

void cSysPageCtrls::Check(uint32_t nId, int32_t* p) {
  cCheckParam<int32_t> Param;
  AddBind(m_vCheck, Param.Set(nId, p));
}

void cSysPageCtrls::Flag(uint32_t nId, uint8_t* p) {
  cCheckParam<uint8_t> Param;
  AddBind(m_vFlag, Param.Set(nId, p));
}

void cSysPageCtrls::Button(uint32_t nId) {
  cButtonParam Param;
  AddBind(m_vButton, Param.Set(nId));
}

void cSysPageCtrls::Bitmap(uint32_t nId, int32_t nWidth, int32_t nHeight) {
  cBitmapParam Param;
  AddBind(m_vBitmap, Param.Set(nId, nWidth, nHeight));
}

void cSysPageCtrls::AttachAll(cDialog* lpDlg) {
  lpDlg->AttachCtrls(m_vValue);
  lpDlg->AttachCtrls(m_vByte);
  lpDlg->AttachCtrls(m_vShort);
  lpDlg->AttachCtrls(m_vStr);
  lpDlg->AttachCtrls(m_vCombo);
  lpDlg->AttachCtrls(m_vCharCombo);
  lpDlg->AttachCtrls(m_vCheck);
  lpDlg->AttachCtrls(m_vFlag);
  lpDlg->AttachCtrls(m_vButton);
  lpDlg->AttachCtrls(m_vBitmap);
}

cControl* cSysPageCtrls::Find(uint32_t nId) {
  const uint16_t wId = static_cast<uint16_t>(nId);
  cControl* p = FindIn(m_vValue, wId);
  if (!p) p = FindIn(m_vByte, wId);
  if (!p) p = FindIn(m_vShort, wId);
  if (!p) p = FindIn(m_vStr, wId);
  if (!p) p = FindIn(m_vCombo, wId);
  if (!p) p = FindIn(m_vCharCombo, wId);
  if (!p) p = FindIn(m_vCheck, wId);
  if (!p) p = FindIn(m_vFlag, wId);
  if (!p) p = FindIn(m_vButton, wId);
  if (!p) p = FindIn(m_vBitmap, wId);
  return p;
}

cComboCtrl<int32_t>* cSysPageCtrls::FindCombo(uint32_t nId) {
  return static_cast<cComboCtrl<int32_t>*>(FindIn(m_vCombo, static_cast<uint16_t>(nId)));
}

cComboCtrl<int8_t>* cSysPageCtrls::FindCharCombo(uint32_t nId) {
  return static_cast<cComboCtrl<int8_t>*>(FindIn(m_vCharCombo, static_cast<uint16_t>(nId)));
}

cEditValCtrl<int32_t>* cSysPageCtrls::FindValue(uint32_t nId) {
  return static_cast<cEditValCtrl<int32_t>*>(FindIn(m_vValue, static_cast<uint16_t>(nId)));
}

cEditValCtrl<int16_t>* cSysPageCtrls::FindShort(uint32_t nId) {
  return static_cast<cEditValCtrl<int16_t>*>(FindIn(m_vShort, static_cast<uint16_t>(nId)));
}

cBitmapCtrl* cSysPageCtrls::FindBitmap(uint32_t nId) {
  return static_cast<cBitmapCtrl*>(FindIn(m_vBitmap, static_cast<uint16_t>(nId)));
}

cEditStrCtrl* cSysPageCtrls::FindStr(uint32_t nId) {
  return static_cast<cEditStrCtrl*>(FindIn(m_vStr, static_cast<uint16_t>(nId)));
}

int32_t cSysPageCtrls::IsChecked(uint32_t nId) {
  const uint16_t wId = static_cast<uint16_t>(nId);
  if (cControl* p = FindIn(m_vCheck, wId)) return static_cast<cCheckCtrl<int32_t>*>(p)->GetCheck() == BST_CHECKED;
  if (cControl* p = FindIn(m_vFlag, wId)) return static_cast<cCheckCtrl<uint8_t>*>(p)->GetCheck() == BST_CHECKED;
  return 0;
}

void cSysPageCtrls::SetChecked(uint32_t nId, int32_t bCheck) {
  const uint16_t wId = static_cast<uint16_t>(nId);
  uint8_t bState = bCheck ? BST_CHECKED : BST_UNCHECKED;
  if (cControl* p = FindIn(m_vCheck, wId)) static_cast<cCheckCtrl<int32_t>*>(p)->SetCheck(bState);
  if (cControl* p = FindIn(m_vFlag, wId)) static_cast<cCheckCtrl<uint8_t>*>(p)->SetCheck(bState);
}

void cSysPageCtrls::Enable(uint32_t nId, bool bEnable) {
  if (cControl* p = Find(nId)) p->Enable(bEnable ? 1 : 0);
}

void HideSysPageView(cDialog* lpPage) {
  HWND hView = GetDlgItem(lpPage->m_hWnd, cDialog::VIEW_CTRL_ID);
  if (!hView) return;
  char szClass[16] = "";
  GetClassNameA(hView, szClass, sizeof szClass);
  if (lstrcmpiA(szClass, "Static") == 0) ShowWindow(hView, SW_HIDE);
}

void NotifySysPageChanged(cDialog* lpPage) {
  HWND hSheet = GetParent(lpPage->m_hWnd);
  if (hSheet) SendMessageA(hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(lpPage->m_hWnd), 0);
}

void CommitSysSheet(cDialog* lpPage) {
  // Every page of this sheet class lives in a system sheet.
  cSystemSheet* lpSheet = static_cast<cSystemSheet*>(lpPage->m_lpSheet);
  if (lpSheet) lpSheet->Save();
}

void EndSysSheetSession() {
  Music.StopAll();
  OnSystemSheetClosed();
}
