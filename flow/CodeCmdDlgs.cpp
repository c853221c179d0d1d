#include "flow/CodeCmdDlgs.h"

#include "model/SaveMarks.h"
#include "flow/ExprEval.h"
#include "controls/NameLists.h"
#include "model/ArrangeTable.h"
#include "model/CommandKindTable.h"
#include "model/DataFile.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/SystemData.h"
#include "resources/ControlCmdIds.h"

namespace {

// New commands of these kinds run beside the next command.
void SetNewTiming(cEdCommand& c) {
  c.m_nTime = 0;
  c.m_bParallel = 1;
}

const size_t CODE_BYTES = 100;
enum { VARSET_COMMON = 0, VARSET_STAGE = 1, VARSET_CHARA = 2 };
// The kind a new arrange command targets: "直線移動".
const int32_t ARRANGE_DEFAULT_KIND = 2;
const char NO_SETTINGS[] = "×　非対応";

}  // namespace

// ---------------------------------------------------------------------------------------------
// コードの実行

cCodeCmdDlg::cCodeCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) SetNewTiming(Cmd());
  MakeNumberedNameList(m_vCommonVarNames, GValInfo);
  MakeNumberedNameList(m_vStageVarNames, Stage.m_vVarName);
  cEditStrParam code;
  m_Ctrls.Str(code.Set(IDC_CD_CODE, &Cmd().m_strText, CODE_BYTES, 0));
  m_Ctrls.Combo(IDC_CD_COMMON_VAR, &m_nRefCommonVar, &m_vCommonVarNames, 1);
  m_Ctrls.Button(IDC_CD_COMMON_RENAME);
  m_Ctrls.Combo(IDC_CD_STAGE_VAR, &m_nRefStageVar, &m_vStageVarNames, 1);
  m_Ctrls.Button(IDC_CD_STAGE_RENAME);
}

int cCodeCmdDlg::CanStore() {
  cEditStrCtrl* lpEdit = m_Ctrls.Edit(IDC_CD_CODE);
  if (!lpEdit) return 0;
  std::string strCode;
  lpEdit->GetText(strCode);
  cExprEnv env;
  env.m_bCompat751 = SystemData.m_bCompat751;
  env.m_pfnRandRange = &RandRange;
  return CheckExpression(strCode.c_str(), 0, env);
}

int cCodeCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (IsClick(wParam, IDC_CD_COMMON_RENAME)) {
    cComboCtrl<int16_t>* p = m_Ctrls.Cb<int16_t>(IDC_CD_COMMON_VAR);
    // The game reads the common names from their own file, so a rename is saved at once.
    if (p && RenameVariable(this, GValInfo, p->GetCurData(), m_vCommonVarNames, p, m_Ctrls.Btn(IDC_CD_COMMON_RENAME)))
      SaveVarNames();
    return 1;
  }
  if (IsClick(wParam, IDC_CD_STAGE_RENAME)) {
    cComboCtrl<int16_t>* p = m_Ctrls.Cb<int16_t>(IDC_CD_STAGE_VAR);
    if (p) RenameVariable(this, Stage.m_vVarName, p->GetCurData(), m_vStageVarNames, p, m_Ctrls.Btn(IDC_CD_STAGE_RENAME));
    return 1;
  }
  return 0;
}

// ---------------------------------------------------------------------------------------------
// アレンジ

cArrangeCmdDlg::cArrangeCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = ARRANGE_DEFAULT_KIND;
    *Param(4) = 1;
  }
  // The target is always a character kind, also in an item's list.
  for (int k = 1; k < CMD_KIND_COUNT && k < static_cast<int>(CmdKindTable.size()); ++k)
    m_vKindNames.push_back(CmdKindTable[k].m_strName);
  MakeNumberedNameList(m_vCommonVarNames, GValInfo);
  MakeNumberedNameList(m_vStageVarNames, Stage.m_vVarName);
  FillSettingList();
  cCtrlSet& c = m_Ctrls;
  c.Combo(IDC_AR_KIND, Param(0), &m_vKindNames, 1);
  c.Combo(IDC_AR_SETTING, Param(1), &m_vSettings, 0);
  c.Combo(IDC_AR_OP, Param(2), VarOpNames, 0);
  c.Combo(IDC_AR_VAR_SET, Param(3), ArrangeVarKindNames, 0);
  switch (*Param(3)) {
    case VARSET_CHARA:
      c.Combo(IDC_AR_VAR, Param(4), CharaVarNames, 1);
      break;
    case VARSET_STAGE:
      c.Combo(IDC_AR_VAR, Param(4), &m_vStageVarNames, 1);
      break;
    default:
      c.Combo(IDC_AR_VAR, Param(4), &m_vCommonVarNames, 1);
      break;
  }
  c.Button(IDC_AR_RENAME);
}

bool cArrangeCmdDlg::HasSettings(int32_t nKind) const {
  return nKind >= 0 && nKind < static_cast<int32_t>(ArrangeParamTable.size()) && !ArrangeParamTable[nKind].empty();
}

void cArrangeCmdDlg::FillSettingList() {
  const int32_t nKind = m_bInit ? m_Ctrls.ComboValue(IDC_AR_KIND) : *Param(0);
  m_vSettings.clear();
  if (HasSettings(nKind)) {
    const cChkVector<cArrangeParamInfo>& v = ArrangeParamTable[nKind];
    for (size_t i = 0; i < v.size(); ++i) m_vSettings.push_back(v[static_cast<int>(i)].m_strCaption);
  } else {
    m_vSettings.push_back(NO_SETTINGS);
  }
  if (!m_bInit) return;
  if (cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_AR_SETTING)) p->SetItemVector(&m_vSettings);
}

void cArrangeCmdDlg::UpdateEnable() {
  FillSettingList();
  const bool bSettings = HasSettings(m_Ctrls.ComboValue(IDC_AR_KIND));
  m_Ctrls.Enable({IDC_AR_VAR_SET, IDC_AR_VAR, IDC_AR_OP}, bSettings);
  if (!bSettings) {
    m_Ctrls.Enable(IDC_AR_RENAME, false);
    return;
  }
  UpdateVariable();
}

void cArrangeCmdDlg::UpdateVariable() {
  cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_AR_VAR);
  if (!p) return;
  switch (m_Ctrls.ComboValue(IDC_AR_VAR_SET)) {
    case VARSET_CHARA:
      p->SetItemTable(CharaVarNames);
      m_Ctrls.Enable(IDC_AR_RENAME, false);
      break;
    case VARSET_STAGE:
      p->SetItemVector(&m_vStageVarNames);
      m_Ctrls.Enable(IDC_AR_RENAME, true);
      break;
    default:
      p->SetItemVector(&m_vCommonVarNames);
      m_Ctrls.Enable(IDC_AR_RENAME, true);
      break;
  }
}

int cArrangeCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_AR_RENAME)) return 0;
  cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_AR_VAR);
  const int32_t nSet = m_Ctrls.ComboValue(IDC_AR_VAR_SET);
  if (!p || (nSet != VARSET_COMMON && nSet != VARSET_STAGE)) return 1;
  cItemVector& vList = nSet == VARSET_STAGE ? m_vStageVarNames : m_vCommonVarNames;
  // The common names are saved when the program ends, the stage's with the stage.
  if (RenameVariable(this, nSet == VARSET_STAGE ? Stage.m_vVarName : GValInfo, p->GetCurData(), vList, nullptr,
                     m_Ctrls.Btn(IDC_AR_RENAME)))
    p->SetItemVector(&vList);
  return 1;
}

// ---------------------------------------------------------------------------------------------
// ループ

cLoopCmdDlg::cLoopCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    SetNewTiming(Cmd());
    *Param(0) = 2;
    *Param(1) = 1;
  }
  m_Ctrls.Value(IDC_LP_COUNT, Param(1), 1, 999, IDC_LP_COUNT_SPIN);
  m_Ctrls.Value(IDC_LP_REPEAT, Param(0), 1, 99, IDC_LP_REPEAT_SPIN);
}
