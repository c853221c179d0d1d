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
  m_Ctrls.SetAttachOrder({cCtrlSet::EDIT16, cCtrlSet::CHECK8, cCtrlSet::COMBO8});
  if (lpInfo) m_Info = *lpInfo;
  if (!m_Info.m_lpKeyCond) return;
  cEdKeyCond& k = *m_Info.m_lpKeyCond;
  // A damaged record may hold fewer key states than there are keys.
  if (k.m_vKeyState.size() < static_cast<size_t>(cEdKeyCond::KEY_COUNT))
    k.m_vKeyState.resize(cEdKeyCond::KEY_COUNT, 0);
  m_Ctrls.Value(IDC_KC_TIME_MIN, &k.m_nTimeMin, TIME_MIN, TIME_MAX, IDC_KC_TIME_MIN_SPIN);
  m_Ctrls.Value(IDC_KC_TIME_MAX, &k.m_nTimeMax, TIME_MIN, TIME_MAX, IDC_KC_TIME_MAX_SPIN);
  m_Ctrls.Check(IDC_KC_FRONT_BACK, &k.m_bFrontBack);
  m_Ctrls.Check(IDC_KC_INFINITE, &k.m_bTimeInfinite);
  for (int i = 0; i < cEdKeyCond::KEY_COUNT; ++i) m_Ctrls.Combo(KEY_COMBOS[i], &k.m_vKeyState[i], KeyStateNames);
  m_Ctrls.Combo(IDC_KC_JUDGE, &k.m_nJudge, KeyJudgeNames);
}

cKeyCondDlg::cKeyCondDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cKeyCondEditInfo* lpInfo,
                         cWindowList* lpWindowList, cWindow*, int32_t bCentre)
    : cKeyCondDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, static_cast<cControl*>(nullptr), bCentre) {}

void cKeyCondDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  m_Ctrls.AttachAll(this);
  DataToCtrls();
  UpdateEnable();
  m_bInit = 1;
}

void cKeyCondDlg::UpdateEnable() {
  if (m_Ctrls.m_vEdit16.size() < 2) return;
  cEditValCtrl<int16_t>& Min = m_Ctrls.m_vEdit16[0].m_Ctrl;
  cEditValCtrl<int16_t>& Max = m_Ctrls.m_vEdit16[1].m_Ctrl;
  int16_t nLow = Min.ParseText();
  if (nLow < TIME_MIN) nLow = TIME_MIN;
  if (nLow > TIME_MAX) nLow = TIME_MAX;
  Max.SetRange(nLow, TIME_MAX);
  // The upper edit checks its value against the new range at once.
  Max.Show(Max.ParseText(), true);
  const bool bInfinite = m_Ctrls.m_vCheck8[1].m_Ctrl.GetCheck() != 0;
  Min.Enable(!bInfinite);
  Max.Enable(!bInfinite);
}

void cKeyCondDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  if (CloseOnOkCancel(wParam, IDC_KC_OK, IDC_KC_CANCEL, [this] { CtrlsToData(); })) return;
  if (m_bInit && ChangedCtrlId(wParam)) UpdateEnable();
}

LRESULT cKeyCondDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return CloseBoxProc(hWnd, uMsg, wParam, lParam);
}
