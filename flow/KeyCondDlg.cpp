#include "flow/KeyCondDlg.h"

#include "model/CommandKindTable.h"
#include "resources/FlowPageIds.h"

namespace {

// The combo of each key slot, in slot order.
const uint16_t KEY_COMBOS[cEdKeyCond::KEY_COUNT] = {
    IDC_KC_DIR_NEUTRAL, IDC_KC_LEFT,       IDC_KC_RIGHT,  IDC_KC_UP,          IDC_KC_DOWN,
    IDC_KC_LEFT_UP,     IDC_KC_LEFT_DOWN,  IDC_KC_RIGHT_UP, IDC_KC_RIGHT_DOWN, IDC_KC_ANY_DIR,
    IDC_KC_ACT_NEUTRAL, IDC_KC_Z,          IDC_KC_X,      IDC_KC_C,           IDC_KC_V,
    IDC_KC_A,           IDC_KC_S,          IDC_KC_D,      IDC_KC_F};

}  // namespace

cKeyCondDlg::cKeyCondDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cKeyCondEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cKeyCondDlg>(wTemplateId, lpOwner, nKind, lpWindowList, lpAnchor, bCentre) {
  if (lpInfo) m_Info = *lpInfo;
  if (!m_Info.m_lpKeyCond) return;
  cEdKeyCond& k = *m_Info.m_lpKeyCond;
  // A damaged record may hold fewer key states than there are keys.
  if (k.m_vKeyState.size() < static_cast<size_t>(cEdKeyCond::KEY_COUNT))
    k.m_vKeyState.resize(cEdKeyCond::KEY_COUNT, 0);
  m_vValue.resize(2);
  m_vValue[0].m_Param.Set(IDC_KC_TIME_MIN, &k.m_nTimeMin, TIME_MIN, TIME_MAX, IDC_KC_TIME_MIN_SPIN, 1);
  m_vValue[1].m_Param.Set(IDC_KC_TIME_MAX, &k.m_nTimeMax, TIME_MIN, TIME_MAX, IDC_KC_TIME_MAX_SPIN, 1);
  m_vCheck.resize(2);
  m_vCheck[0].m_Param.Set(IDC_KC_FRONT_BACK, &k.m_bFrontBack);
  m_vCheck[1].m_Param.Set(IDC_KC_INFINITE, &k.m_bTimeInfinite);
  m_vCombo.resize(cEdKeyCond::KEY_COUNT + 1);
  for (int i = 0; i < cEdKeyCond::KEY_COUNT; ++i)
    m_vCombo[i].m_Param.SetTable(KEY_COMBOS[i], &k.m_vKeyState[i], KeyStateNames, 0);
  m_vCombo[cEdKeyCond::KEY_COUNT].m_Param.SetTable(IDC_KC_JUDGE, &k.m_nJudge, KeyJudgeNames, 0);
}

cKeyCondDlg::cKeyCondDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cKeyCondEditInfo* lpInfo,
                         cWindowList* lpWindowList, cWindow*, int32_t bCentre)
    : cKeyCondDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, static_cast<cControl*>(nullptr), bCentre) {}

void cKeyCondDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  AttachCtrls(m_vValue);
  AttachCtrls(m_vCheck);
  AttachCtrls(m_vCombo);
  DataToCtrls();
  UpdateEnable();
  m_bInit = 1;
}

void cKeyCondDlg::UpdateEnable() {
  if (m_vValue.size() < 2) return;
  cEditValCtrl<int16_t>& Min = m_vValue[0].m_Ctrl;
  cEditValCtrl<int16_t>& Max = m_vValue[1].m_Ctrl;
  int16_t nLow = Min.ParseText();
  if (nLow < TIME_MIN) nLow = TIME_MIN;
  if (nLow > TIME_MAX) nLow = TIME_MAX;
  Max.SetRange(nLow, TIME_MAX);
  // The upper edit checks its value against the new range at once.
  Max.Show(Max.ParseText(), true);
  const bool bInfinite = m_vCheck[1].m_Ctrl.GetCheck() != 0;
  Min.Enable(!bInfinite);
  Max.Enable(!bInfinite);
}

void cKeyCondDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_KC_OK:
      CtrlsToData();
      Close(1);
      return;
    case IDC_KC_CANCEL:
      Close(0);
      return;
    default:
      break;
  }
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnable();
}

LRESULT cKeyCondDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_CLOSE) {
    Close(0);
    return 1;
  }
  return r;
}
