#include "flow/StatusCondPages.h"

#include "flow/CondText.h"
#include "flow/FlowTextContext.h"
#include "controls/NameLists.h"
#include "flow/TextWords.h"
#include "model/CommandKindTable.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageOptionTables.h"

namespace {

const int32_t VALUE_MIN = -999999;
const int32_t VALUE_MAX = 999999;
// The subject "システム" of the status conditions.
const int32_t TARGET_SYSTEM = 5;
// A character's own variables among the statuses.
const int32_t ITEM_CHARA_VAR = 0;

enum { LEFT_STATUS = 0, LEFT_VARIABLE = 1 };
enum { RIGHT_CONSTANT = 0, RIGHT_RANDOM = 1, RIGHT_STATUS = 2, RIGHT_VARIABLE = 3 };

void TargetWords(cItemVector& v, bool bSystem) {
  cFlowTextContext ctx;
  GetFlowTextContext(ctx);
  // The pages always open from a data sheet; should one open without, its combos still need rows
  // to show the stored subject, and the hero's words are the ones blocks and items use.
  if (ctx.SubjectWording() == WORDING_NONE) ctx.m_eSheet = SHEET_BLOCK;
  MakeTargetNameList(v, bSystem, ctx);
}

template <class V>
void NamesOf(cItemVector& vOut, const V& vSrc, int nFirst) {
  vOut.clear();
  for (int i = nFirst; i < static_cast<int>(vSrc.size()); ++i) vOut.push_back(vSrc[i].m_strName);
}

bool IsCharaTarget(int32_t nTarget) { return nTarget >= 0 && nTarget < TARGET_SYSTEM; }

bool IsSelChange(WPARAM wParam) { return HIWORD(wParam) == CBN_SELCHANGE; }
bool IsClick(WPARAM wParam) { return HIWORD(wParam) == BN_CLICKED; }

}  // namespace

// ---- status ----

int32_t cStatusCondDlg::s_nLastLeftItem = -1;

void cStatusCondDlg::SetUp() {
  cCond& c = Cond();
  if (m_Context.bNew) {
    c.m_nVar = 1;
    c.m_nRightVar = 1;
  }
  TargetWords(m_vTargets, true);
  NamesOf(m_vStatusNames, StatusInfoTable, 0);
  NamesOf(m_vSystemNames, SystemValueTable, 0);
  MakeNumberedNameList(m_vCommonNames, GValInfo);
  MakeNumberedNameList(m_vStageNames, Stage.m_vVarName);

  m_Ctrls.Combo(IDC_ST_LEFT_KIND, &c.m_nLeftType, StatusLeftKindNames, 0);
  m_Ctrls.Combo(IDC_ST_TARGET, &c.m_nSubject, &m_vTargets, 0);
  m_Ctrls.Combo(IDC_ST_ITEM, &c.m_nItem, &m_vStatusNames, 0);
  m_Ctrls.Combo(IDC_ST_VAR_SET, &c.m_nLeftVarSet, VarSetNames, 0);
  m_Ctrls.Combo(IDC_ST_VAR, &c.m_nVar, &m_vCommonNames, 1);
  m_Ctrls.Button(IDC_ST_RENAME);
  m_Ctrls.Combo(IDC_ST_COMPARE, &c.m_nCompare, CondCompareNames, 0);
  m_Ctrls.Combo(IDC_ST_RIGHT_KIND, &c.m_nRightType, StatusRightKindNames, 0);
  m_Ctrls.Value(IDC_ST_VALUE, &c.m_nValue, VALUE_MIN, VALUE_MAX, IDC_ST_VALUE_SPIN);
  m_Ctrls.Value(IDC_ST_RAND_MIN, &c.m_nRandMin, VALUE_MIN, VALUE_MAX, IDC_ST_RAND_MIN_SPIN);
  m_Ctrls.Value(IDC_ST_RAND_MAX, &c.m_nRandMax, VALUE_MIN, VALUE_MAX, IDC_ST_RAND_MAX_SPIN);
  m_Ctrls.Combo(IDC_ST_RIGHT_TARGET, &c.m_nRightSubject, &m_vTargets, 0);
  m_Ctrls.Combo(IDC_ST_RIGHT_ITEM, &c.m_nRightItem, &m_vStatusNames, 0);
  m_Ctrls.Combo(IDC_ST_RIGHT_VAR_SET, &c.m_nRightVarSet, VarSetNames, 0);
  m_Ctrls.Combo(IDC_ST_RIGHT_VAR, &c.m_nRightVar, &m_vCommonNames, 1);
  m_Ctrls.Button(IDC_ST_RIGHT_RENAME);
  m_Ctrls.Check(IDC_ST_PERCENT, &c.m_bPercent);
}

cItemVector* cStatusCondDlg::VarNames(int32_t nSet) { return nSet == 1 ? &m_vStageNames : &m_vCommonNames; }

// The lists that hold the stored choices, so that showing the data selects them.
void cStatusCondDlg::BeforeAttach() {
  const cCond& c = Cond();
  if (cComboParam<int8_t>* p = m_Ctrls.ParamOf<cComboCtrl<int8_t>>(IDC_ST_ITEM))
    p->pItems = c.m_nSubject == TARGET_SYSTEM ? &m_vSystemNames : &m_vStatusNames;
  if (cComboParam<int8_t>* p = m_Ctrls.ParamOf<cComboCtrl<int8_t>>(IDC_ST_RIGHT_ITEM))
    p->pItems = c.m_nRightSubject == TARGET_SYSTEM ? &m_vSystemNames : &m_vStatusNames;
  if (cComboParam<int16_t>* p = m_Ctrls.ParamOf<cComboCtrl<int16_t>>(IDC_ST_VAR)) {
    bool bChara = c.m_nLeftType == LEFT_STATUS && c.m_nItem == ITEM_CHARA_VAR;
    p->pTable = bChara ? CharaVarNames : nullptr;
    p->pItems = bChara ? nullptr : VarNames(c.m_nLeftVarSet);
  }
  if (cComboParam<int16_t>* p = m_Ctrls.ParamOf<cComboCtrl<int16_t>>(IDC_ST_RIGHT_VAR)) {
    bool bChara = c.m_nRightType == RIGHT_STATUS && c.m_nRightItem == ITEM_CHARA_VAR;
    p->pTable = bChara ? CharaVarNames : nullptr;
    p->pItems = bChara ? nullptr : VarNames(c.m_nRightVarSet);
  }
}

void cStatusCondDlg::AfterDataShown() {
  OnStatusChanged(IDC_ST_ITEM);
  OnStatusChanged(IDC_ST_RIGHT_ITEM);
}

void cStatusCondDlg::FillItems(uint16_t wItemId, int32_t nTarget) {
  cComboCtrl<int8_t>* lpCombo = m_Ctrls.Cb<int8_t>(wItemId);
  if (!lpCombo) return;
  cItemVector* lpItems = nTarget == TARGET_SYSTEM ? &m_vSystemNames : &m_vStatusNames;
  if (lpCombo->m_pItems != lpItems) lpCombo->SetItemVector(lpItems);
}

void cStatusCondDlg::FillVar(uint16_t wVarId, uint16_t wRenameId, bool bCharaVar, bool bVariable, int32_t nSet) {
  cComboCtrl<int16_t>* lpCombo = m_Ctrls.Cb<int16_t>(wVarId);
  if (!lpCombo) return;
  if (bCharaVar) {
    m_Ctrls.Enable(wRenameId, false);
    m_Ctrls.Enable(wVarId, true);
    if (lpCombo->m_pTable != CharaVarNames) lpCombo->SetItemTable(CharaVarNames);
    return;
  }
  if (!bVariable) {
    m_Ctrls.Enable(wVarId, false);
    m_Ctrls.Enable(wRenameId, false);
    return;
  }
  m_Ctrls.Enable(wVarId, true);
  m_Ctrls.Enable(wRenameId, true);
  cItemVector* lpNames = VarNames(nSet);
  if (lpCombo->m_pItems != lpNames) lpCombo->SetItemVector(lpNames);
}

void cStatusCondDlg::UpdateLeftVar() {
  const int32_t nKind = m_Ctrls.ComboValue(IDC_ST_LEFT_KIND);
  const bool bChara = nKind == LEFT_STATUS && m_Ctrls.ComboValue(IDC_ST_TARGET) != TARGET_SYSTEM &&
                      m_Ctrls.ComboValue(IDC_ST_ITEM) == ITEM_CHARA_VAR;
  FillVar(IDC_ST_VAR, IDC_ST_RENAME, bChara, nKind == LEFT_VARIABLE, m_Ctrls.ComboValue(IDC_ST_VAR_SET));
}

void cStatusCondDlg::UpdateRightVar() {
  const int32_t nKind = m_Ctrls.ComboValue(IDC_ST_RIGHT_KIND);
  const bool bChara = nKind == RIGHT_STATUS && m_Ctrls.ComboValue(IDC_ST_RIGHT_TARGET) != TARGET_SYSTEM &&
                      m_Ctrls.ComboValue(IDC_ST_RIGHT_ITEM) == ITEM_CHARA_VAR;
  FillVar(IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME, bChara, nKind == RIGHT_VARIABLE, m_Ctrls.ComboValue(IDC_ST_RIGHT_VAR_SET));
}

void cStatusCondDlg::UpdateEnable() {
  const bool bStatus = m_Ctrls.ComboValue(IDC_ST_LEFT_KIND) == LEFT_STATUS;
  m_Ctrls.Enable(IDC_ST_TARGET, bStatus);
  m_Ctrls.Enable(IDC_ST_ITEM, bStatus);
  m_Ctrls.Enable(IDC_ST_VAR_SET, !bStatus);
  m_Ctrls.Enable(IDC_ST_VAR, !bStatus);
  m_Ctrls.Enable(IDC_ST_RENAME, !bStatus);
  UpdateLeftVar();
  FillItems(IDC_ST_ITEM, m_Ctrls.ComboValue(IDC_ST_TARGET));
  FillItems(IDC_ST_RIGHT_ITEM, m_Ctrls.ComboValue(IDC_ST_RIGHT_TARGET));
  const int32_t nRight = m_Ctrls.ComboValue(IDC_ST_RIGHT_KIND);
  m_Ctrls.Enable(IDC_ST_VALUE, nRight == RIGHT_CONSTANT);
  m_Ctrls.Enable(IDC_ST_RAND_MIN, nRight == RIGHT_RANDOM);
  m_Ctrls.Enable(IDC_ST_RAND_MAX, nRight == RIGHT_RANDOM);
  m_Ctrls.Enable(IDC_ST_RIGHT_TARGET, nRight == RIGHT_STATUS);
  m_Ctrls.Enable(IDC_ST_RIGHT_ITEM, nRight == RIGHT_STATUS);
  m_Ctrls.Enable(IDC_ST_RIGHT_VAR_SET, nRight == RIGHT_VARIABLE);
  UpdateRightVar();
}

void cStatusCondDlg::OnStatusChanged(uint16_t wId) {
  if (wId == IDC_ST_RIGHT_ITEM) {
    if (m_Ctrls.ComboValue(IDC_ST_RIGHT_KIND) == RIGHT_STATUS) UpdateRightVar();
    return;
  }
  if (m_Ctrls.ComboValue(IDC_ST_LEFT_KIND) != LEFT_STATUS) return;
  const int32_t s = m_Ctrls.ComboValue(IDC_ST_ITEM);
  UpdateLeftVar();
  // The game's own values take their ranges from their own table; none of them is a percentage.
  const int32_t nTarget = m_Ctrls.ComboValue(IDC_ST_TARGET);
  const cStatusInfo* lpInfo = IsCharaTarget(nTarget)        ? EntryOf(StatusInfoTable, s)
                              : nTarget == TARGET_SYSTEM ? EntryOf(SystemValueTable, s)
                                                         : nullptr;
  if (lpInfo) {
    const int32_t nRight = m_Ctrls.ComboValue(IDC_ST_RIGHT_KIND);
    const uint16_t aConst[] = {IDC_ST_VALUE};
    const uint16_t aRandom[] = {IDC_ST_RAND_MIN, IDC_ST_RAND_MAX};
    if (nRight == RIGHT_CONSTANT)
      for (uint16_t w : aConst)
        if (cEditValCtrl<int32_t>* p = m_Ctrls.Val(w)) p->SetRange(lpInfo->m_nMin, lpInfo->m_nMax);
    if (nRight == RIGHT_RANDOM)
      for (uint16_t w : aRandom)
        if (cEditValCtrl<int32_t>* p = m_Ctrls.Val(w)) p->SetRange(lpInfo->m_nMin, lpInfo->m_nMax);
    m_Ctrls.Enable(IDC_ST_PERCENT, lpInfo->m_bCondPercent != 0);
    if (!lpInfo->m_bCondPercent)
      if (cCheckCtrl<int8_t>* p = m_Ctrls.Chk<int8_t>(IDC_ST_PERCENT)) p->SetCheck(0);
  }
  if (!m_bInit) return;
  // Another status: the values show what their new ranges let through.
  if (s != s_nLastLeftItem)
    for (uint16_t w : {IDC_ST_VALUE, IDC_ST_RAND_MIN, IDC_ST_RAND_MAX})
      if (cEditValCtrl<int32_t>* p = m_Ctrls.Val(w)) p->OnKillFocus();  // shown held to the range
  s_nLastLeftItem = s;
}

void cStatusCondDlg::Rename(uint16_t wVarId, uint16_t wSetId, uint16_t wButtonId) {
  cComboCtrl<int16_t>* lpCombo = m_Ctrls.Cb<int16_t>(wVarId);
  if (!lpCombo) return;
  const int32_t nSet = m_Ctrls.ComboValue(wSetId);
  if (nSet != 0 && nSet != 1) {
    MessageBeep(0);
    return;
  }
  // The common names are saved at shut-down, the stage's with the stage file.
  cChkVector<cEdVarName>& vNames = nSet == 1 ? Stage.m_vVarName : GValInfo;
  RenameVariable(this, vNames, lpCombo->GetCurData(), *VarNames(nSet), lpCombo, m_Ctrls.Btn(wButtonId));
}

int cStatusCondDlg::OnPageCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case IDC_ST_ITEM:
    case IDC_ST_RIGHT_ITEM:
      if (IsSelChange(wParam)) OnStatusChanged(LOWORD(wParam));
      return 1;
    case IDC_ST_RENAME:
      if (IsClick(wParam)) Rename(IDC_ST_VAR, IDC_ST_VAR_SET, IDC_ST_RENAME);
      return 1;
    case IDC_ST_RIGHT_RENAME:
      if (IsClick(wParam)) Rename(IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_VAR_SET, IDC_ST_RIGHT_RENAME);
      return 1;
    default:
      return 0;
  }
}

// ---- status 2 ----

namespace {

// The flag a target and flag index stand for; null for a target without flags.
const cStatusOptionInfo* FlagOf(int32_t nTarget, int32_t nFlag) {
  if (IsCharaTarget(nTarget)) return EntryOf(Status2InfoTable, nFlag);
  if (nTarget == TARGET_SYSTEM) return EntryOf(ScrollInfoTable, nFlag);
  return nullptr;
}

// Characters are offered flags 1 to 6; the scrolling's flags start at 0.
int32_t FirstFlag(int32_t nTarget) { return nTarget == TARGET_SYSTEM ? 0 : 1; }

}  // namespace

void cStatus2CondDlg::SetUp() {
  cCond& c = Cond();
  if (m_Context.bNew) c.m_nItem = 1;
  TargetWords(m_vTargets, true);
  NamesOf(m_vCharaFlags, Status2InfoTable, 1);
  NamesOf(m_vScrollFlags, ScrollInfoTable, 0);
  m_Ctrls.Combo(IDC_S2_TARGET, &c.m_nSubject, &m_vTargets, 0);
  m_Ctrls.Combo(IDC_S2_ITEM, &c.m_nItem, &m_vCharaFlags, 1);
  m_Ctrls.Combo(IDC_S2_VALUE, &c.m_nVar, &m_vOptions, 0);
  m_Ctrls.Combo(IDC_S2_COMPARE, &c.m_nCompare, CondCompareNames, 0);
}

void cStatus2CondDlg::BeforeAttach() {
  const cCond& c = Cond();
  if (cComboParam<int8_t>* p = m_Ctrls.ParamOf<cComboCtrl<int8_t>>(IDC_S2_ITEM)) {
    p->pItems = c.m_nSubject == TARGET_SYSTEM ? &m_vScrollFlags : &m_vCharaFlags;
    p->nMin = FirstFlag(c.m_nSubject);
  }
  if (const cStatusOptionInfo* lpFlag = FlagOf(c.m_nSubject, c.m_nItem)) {
    m_vOptions = lpFlag->m_vOptions;
    if (cComboParam<int16_t>* p = m_Ctrls.ParamOf<cComboCtrl<int16_t>>(IDC_S2_VALUE)) p->nMin = lpFlag->m_nFirst;
  }
}

void cStatus2CondDlg::AfterDataShown() { UpdateValueList(); }

void cStatus2CondDlg::FillFlags(int32_t nTarget) {
  cComboCtrl<int8_t>* lpCombo = m_Ctrls.Cb<int8_t>(IDC_S2_ITEM);
  if (!lpCombo) return;
  cItemVector* lpItems = nTarget == TARGET_SYSTEM ? &m_vScrollFlags : &m_vCharaFlags;
  if (lpCombo->m_pItems == lpItems) return;
  // The first row stands for the list's first flag; the flag shown stays where the new list has
  // it. The field itself changes only on OK.
  const int32_t nFlag = lpCombo->GetCurData();
  lpCombo->m_nMin = FirstFlag(nTarget);
  lpCombo->SetItemVector(lpItems);
  lpCombo->SetCurData(nFlag);
  lpCombo->Adjust();
}

void cStatus2CondDlg::UpdateValueList() {
  const cStatusOptionInfo* lpFlag = FlagOf(m_Ctrls.ComboValue(IDC_S2_TARGET), m_Ctrls.ComboValue(IDC_S2_ITEM));
  cComboCtrl<int16_t>* lpCombo = m_Ctrls.Cb<int16_t>(IDC_S2_VALUE);
  if (!lpFlag || !lpCombo) return;
  lpCombo->SetMin(lpFlag->m_nFirst);
  m_vOptions = lpFlag->m_vOptions;
  lpCombo->SetItemVector(&m_vOptions);
}

void cStatus2CondDlg::UpdateEnable() {
  FillFlags(m_Ctrls.ComboValue(IDC_S2_TARGET));
  UpdateValueList();
}

int cStatus2CondDlg::OnPageCommand(WPARAM wParam) {
  if (LOWORD(wParam) != IDC_S2_ITEM) return 0;
  if (IsSelChange(wParam)) UpdateValueList();
  return 1;
}

// ---- status 3 ----

void cStatus3CondDlg::SetUp() {
  cCond& c = Cond();
  TargetWords(m_vTargets, false);
  m_Ctrls.Combo(IDC_S2_TARGET, &c.m_nSubject, &m_vTargets, 0);
  m_Ctrls.Combo(IDC_S2_ITEM, &c.m_nItem, Status3StateNames, 0);
  m_Ctrls.Combo(IDC_S2_COMPARE, &c.m_nCompare, CondIfNames, 0);
}

// ---- distance ----

void cDistanceCondDlg::SetUp() {
  cCond& c = Cond();
  if (m_Context.bNew) {
    c.m_nValue = 10;
    c.m_nRightVar = 0;
    c.m_nRightType = 1;
    c.m_nRightSubject = 1;
  }
  m_Ctrls.Combo(IDC_DC_TARGET, &c.m_nSubject, CondTargetNames, 0);
  m_Ctrls.Combo(IDC_DC_SHAPE, &c.m_nShape, CondShapeNames, 0);
  m_Ctrls.Value(IDC_DC_HBL, &c.m_nValue, 0, 40, IDC_DC_HBL_SPIN);
  m_Ctrls.Value(IDC_DC_DOT, &c.m_nRightVar, -15, 15, IDC_DC_DOT_SPIN);
  m_Ctrls.Combo(IDC_DC_WITHIN, &c.m_nCompare, CondWithinNames, 0);
  m_Ctrls.Combo(IDC_DC_SHOW, &c.m_nLeftType, CondRangeShowNames, 0);
  m_Ctrls.Combo(IDC_DC_COLOUR, &c.m_nItem, RangeColorNames, 0);
  m_Ctrls.Check(IDC_DC_SHOW_UNPLACED, &c.m_nRightType);
  m_Ctrls.Check(IDC_DC_SHOW_TRANSPARENT, &c.m_nRightSubject);
}

void cDistanceCondDlg::UpdateEnable() {
  const bool bShown = m_Ctrls.ComboValue(IDC_DC_SHOW) != 0;
  m_Ctrls.Enable(IDC_DC_COLOUR, bShown);
  m_Ctrls.Enable(IDC_DC_SHOW_UNPLACED, bShown);
  m_Ctrls.Enable(IDC_DC_SHOW_TRANSPARENT, bShown);
}
