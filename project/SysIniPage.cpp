#include "project/SysIniPage.h"

#include "model/SystemData.h"
#include "model/SystemOptionLists.h"
#include "resources/SystemSheetIds.h"

namespace {

const uint16_t KEY_IDS[SYS_INI_OPTION_COUNT] = {IDC_SI_KEY_0, IDC_SI_KEY_1, IDC_SI_KEY_2, IDC_SI_KEY_3,
                                                IDC_SI_KEY_4, IDC_SI_KEY_5, IDC_SI_KEY_6, IDC_SI_KEY_7,
                                                IDC_SI_KEY_8, IDC_SI_KEY_9};
const uint16_t VALUE_IDS[SYS_INI_OPTION_COUNT] = {IDC_SI_VALUE_0, IDC_SI_VALUE_1, IDC_SI_VALUE_2,
                                                  IDC_SI_VALUE_3, IDC_SI_VALUE_4, IDC_SI_VALUE_5,
                                                  IDC_SI_VALUE_6, IDC_SI_VALUE_7, IDC_SI_VALUE_8,
                                                  IDC_SI_VALUE_9};
// Entry 8 (a text) has no spin.
const uint16_t SPIN_IDS[SYS_INI_OPTION_COUNT] = {IDC_SI_SPIN_0, IDC_SI_SPIN_1, IDC_SI_SPIN_2,
                                                 IDC_SI_SPIN_3, IDC_SI_SPIN_4, IDC_SI_SPIN_5,
                                                 IDC_SI_SPIN_6, IDC_SI_SPIN_7, 0, IDC_SI_SPIN_9};

enum { INI_NUMBER = 0, INI_TEXT = 1 };
const int KEY_BYTES = 64, TEXT_BYTES = 260;
const int32_t NUMBER_MIN = 0, NUMBER_MAX = 99;

}  // namespace

cSysIniPage::cSysIniPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cSysPage(IDD_SYS_INI, lpOwner, lpWindowList, 0) {
  cEdSystem& s = SystemData;
  for (int i = 0; i < SYS_INI_OPTION_COUNT; ++i) {
    cEdSysIniOption& o = s.m_vIniOptions[i];
    m_Ctrls.Str(KEY_IDS[i], &o.m_strKey, KEY_BYTES, 0);
    // The kind stored decides the control; the page never changes a kind.
    if (o.m_nKind == INI_NUMBER)
      m_Ctrls.Value(VALUE_IDS[i], &o.m_nDefault, NUMBER_MIN, NUMBER_MAX, SPIN_IDS[i]);
    else if (o.m_nKind == INI_TEXT)
      m_Ctrls.Str(VALUE_IDS[i], &o.m_strDefault, TEXT_BYTES, 0);
  }
  m_Ctrls.Combo(IDC_SI_D3D_BPP, &s.m_nD3DBpp, D3DDepthNames);
  m_Ctrls.Combo(IDC_SI_DD_BPP, &s.m_nDDBpp, DDDepthNames);
}

void cSysIniPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cSysPage::OnInitDialog(wParam, lParam);
  for (int i = 0; i < SYS_INI_OPTION_COUNT; ++i) {
    const bool bNumber = m_Ctrls.Find(VALUE_IDS[i]) && SystemData.m_vIniOptions[i].m_nKind == INI_NUMBER;
    // A spin beside a text would step nothing.
    if (SPIN_IDS[i] && !bNumber) ShowWindow(GetDlgItem(m_hWnd, SPIN_IDS[i]), SW_HIDE);
    if (!m_Ctrls.Find(VALUE_IDS[i])) EnableWindow(GetDlgItem(m_hWnd, VALUE_IDS[i]), FALSE);
  }
}
