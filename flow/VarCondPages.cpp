#include "flow/VarCondPages.h"

#include "model/SaveMarks.h"
#include "controls/NameLists.h"
#include "model/Globals.h"
#include "model/Stage.h"

namespace {

const int32_t VALUE_MIN = -999999;
const int32_t VALUE_MAX = 999999;

// The rows every variable page shares: the value with its spin and the comparison.
void AddValueAndCompare(cCtrlSet& c, cCond& cond) {
  c.Value(IDC_CP_VALUE, &cond.m_nValue, VALUE_MIN, VALUE_MAX, IDC_CP_VALUE_SPIN);
  c.Combo(IDC_CP_COMPARE, &cond.m_nCompare, CondCompareNames, 0);
}

bool IsClick(WPARAM wParam, uint16_t wId) { return LOWORD(wParam) == wId && HIWORD(wParam) == BN_CLICKED; }

}  // namespace

void cCommonVarCondDlg::SetUp() {
  if (m_Context.bNew) Cond().m_nVar = 1;
  MakeNumberedNameList(m_vNames, GValInfo);
  m_Ctrls.Combo(IDC_CP_COMMON_VAR, &Cond().m_nVar, &m_vNames, 1);
  m_Ctrls.Button(IDC_CP_RENAME);
  AddValueAndCompare(m_Ctrls, Cond());
}

int cCommonVarCondDlg::OnPageCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_CP_RENAME)) return 0;
  cComboCtrl<int16_t>* lpCombo = m_Ctrls.Cb<int16_t>(IDC_CP_COMMON_VAR);
  if (!lpCombo) return 1;
  // The game reads the common names from their own file, so a rename is saved at once.
  if (RenameVariable(this, GValInfo, lpCombo->GetCurData(), m_vNames, lpCombo, m_Ctrls.Btn(IDC_CP_RENAME)))
    SaveVarNames();
  return 1;
}

void cStageVarCondDlg::SetUp() {
  if (m_Context.bNew) Cond().m_nVar = 1;
  MakeNumberedNameList(m_vNames, Stage.m_vVarName);
  m_Ctrls.Combo(IDC_CP_STAGE_VAR, &Cond().m_nVar, &m_vNames, 1);
  m_Ctrls.Button(IDC_CP_RENAME);
  AddValueAndCompare(m_Ctrls, Cond());
}

int cStageVarCondDlg::OnPageCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_CP_RENAME)) return 0;
  cComboCtrl<int16_t>* lpCombo = m_Ctrls.Cb<int16_t>(IDC_CP_STAGE_VAR);
  // The stage's names are saved with the stage file.
  if (lpCombo) RenameVariable(this, Stage.m_vVarName, lpCombo->GetCurData(), m_vNames, lpCombo, m_Ctrls.Btn(IDC_CP_RENAME));
  return 1;
}

void cCharaVarCondDlg::SetUp() {
  if (m_Context.bNew) Cond().m_nVar = 1;
  m_Ctrls.Combo(IDC_CP_CHARA_VAR, &Cond().m_nVar, CharaVarNames, 1);
  AddValueAndCompare(m_Ctrls, Cond());
}
