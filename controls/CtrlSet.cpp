#include "controls/CtrlSet.h"

#include "app/Dialog.h"

cCtrlSet::cCtrlSet() {
  for (int k = 0; k < KIND_COUNT; ++k) m_aOrder[k] = static_cast<eKind>(k);
}

void cCtrlSet::SetAttachOrder(std::initializer_list<eKind> order) {
  bool abNamed[KIND_COUNT] = {};
  int n = 0;
  for (eKind k : order) {
    if (k < 0 || k >= KIND_COUNT || abNamed[k]) continue;
    abNamed[k] = true;
    m_aOrder[n++] = k;
  }
  for (int k = 0; k < KIND_COUNT; ++k)
    if (!abNamed[k]) m_aOrder[n++] = static_cast<eKind>(k);
}

cEditStrParam& cCtrlSet::Str(const cEditStrParam& Param) { return Added(m_vStr) = Param; }

cEditStrParam& cCtrlSet::Str(uint32_t nId, std::string* p, int32_t nLimit, int32_t bWide) {
  return Added(m_vStr).Set(nId, p, nLimit, bWide);
}

cEditStrParam& cCtrlSet::Path(uint32_t nId, std::string* p) { return Added(m_vStr).SetPath(nId, p); }

cSliderParam& cCtrlSet::Slider(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, int32_t nPage,
                               uint32_t nBuddyId) {
  return Added(m_vSlider).Set(nId, p, nMin, nMax, nPage, 1, nBuddyId);
}

cButtonParam& cCtrlSet::Button(uint32_t nId) { return Added(m_vButton).Set(nId); }
cStaticParam& cCtrlSet::Static(uint32_t nId) { return Added(m_vStatic).Set(nId); }

cBitmapParam& cCtrlSet::Picture(uint32_t nId, int32_t nWidth, int32_t nHeight) {
  return Added(m_vPicture).Set(nId, nWidth, nHeight);
}

template <class F>
void cCtrlSet::OnKind(int k, F&& f) {
  switch (k) {
    case EDIT32: return f(m_vEdit32);
    case EDIT16: return f(m_vEdit16);
    case EDIT8: return f(m_vEdit8);
    case EDITU8: return f(m_vEditU8);
    case EDITREAL: return f(m_vEditReal);
    case STR: return f(m_vStr);
    case CHECK32: return f(m_vCheck32);
    case CHECK8: return f(m_vCheck8);
    case CHECKU8: return f(m_vCheckU8);
    case COMBO32: return f(m_vCombo32);
    case COMBO16: return f(m_vCombo16);
    case COMBO8: return f(m_vCombo8);
    case SLIDER: return f(m_vSlider);
    case BUTTON: return f(m_vButton);
    case STATIC: return f(m_vStatic);
    case PICTURE: return f(m_vPicture);
    default: return;
  }
}

void cCtrlSet::AttachAll(cDialog* lpDlg) {
  for (eKind k : m_aOrder) OnKind(k, [lpDlg](auto& v) { lpDlg->AttachCtrls(v); });
}

void cCtrlSet::RebindAll(cDialog* lpDlg) {
  for (eKind k : m_aOrder) {
    if (k == BUTTON || k == STATIC || k == PICTURE) continue;
    OnKind(k, [lpDlg](auto& v) { lpDlg->RebindCtrls(v); });
  }
}

void cCtrlSet::Missing(uint32_t nId) const {
  if (m_bReportMissing) ReportMissingCtrl(nId);
}

cControl* cCtrlSet::Find(uint32_t nId) {
  cControl* lpFound = nullptr;
  for (eKind k : m_aOrder) {
    OnKind(k, [&](auto& v) {
      if (!lpFound) lpFound = FindIn(v, nId);
    });
    if (lpFound) return lpFound;
  }
  for (cControl* p : m_vHeld)
    if (p && p->m_wId == static_cast<uint16_t>(nId)) return p;
  return nullptr;
}

cControl* cCtrlSet::Ctrl(uint32_t nId) {
  if (cControl* p = Find(nId)) return p;
  Missing(nId);
  return nullptr;
}

void cCtrlSet::Enable(uint32_t nId, bool bEnable) {
  if (cControl* p = Ctrl(nId)) p->Enable(bEnable ? 1 : 0);
}

void cCtrlSet::Enable(std::initializer_list<uint32_t> ids, bool bEnable) {
  for (uint32_t nId : ids) Enable(nId, bEnable);
}

void cCtrlSet::Show(uint32_t nId, bool bShow) {
  if (cControl* p = Ctrl(nId)) p->Show(bShow ? 1 : 0);
}

int32_t cCtrlSet::ComboValue(uint32_t nId) {
  if (auto* p = FindIn(m_vCombo32, nId)) return p->GetCurData();
  if (auto* p = FindIn(m_vCombo16, nId)) return p->GetCurData();
  if (auto* p = FindIn(m_vCombo8, nId)) return p->GetCurData();
  Missing(nId);
  return -1;
}

int32_t cCtrlSet::CheckState(uint32_t nId) {
  if (auto* p = FindIn(m_vCheck32, nId)) return p->GetCheck();
  if (auto* p = FindIn(m_vCheck8, nId)) return p->GetCheck();
  if (auto* p = FindIn(m_vCheckU8, nId)) return p->GetCheck();
  Missing(nId);
  return 0;
}

void cCtrlSet::SetCheckState(uint32_t nId, int32_t nState) {
  const uint8_t bState = static_cast<uint8_t>(nState);
  if (auto* p = FindIn(m_vCheck32, nId)) return p->SetCheck(bState);
  if (auto* p = FindIn(m_vCheck8, nId)) return p->SetCheck(bState);
  if (auto* p = FindIn(m_vCheckU8, nId)) return p->SetCheck(bState);
  Missing(nId);
}
