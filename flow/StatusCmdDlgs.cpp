#include "flow/StatusCmdDlgs.h"

#include "controls/NameLists.h"
#include "flow/StandaloneFlowEdit.h"
#include "flow/TextWords.h"
#include "model/CommandKindTable.h"
#include "model/Globals.h"
#include "model/Inherit.h"
#include "model/Item.h"
#include "model/Palette.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/ControlCmdIds.h"

namespace {

const int32_t VALUE_MIN = -999999, VALUE_MAX = 999999;

enum { LEFT_STATUS = 0, LEFT_VAR = 1 };
enum { RIGHT_CONST = 0, RIGHT_RANDOM = 1, RIGHT_STATUS = 2, RIGHT_VAR = 3 };
const int32_t OWNER_SYSTEM = 5;
const int32_t STATUS_CHARA_VAR = 0, STATUS_HP = 1, STATUS_SP = 2;
enum { SET_COMMON = 0, SET_STAGE = 1 };

// The status shown on the left at the last choice, for the whole run: a new choice re-displays the
// operands within their new ranges.
int32_t s_nLastStatus = -1;

template <class V>
void NamesOf(cItemVector& vOut, const V& vTable) {
  vOut.clear();
  for (size_t i = 0; i < vTable.size(); ++i) vOut.push_back(vTable[static_cast<int>(i)].m_strName);
}

// The items of a palette: the common one, or the open stage's (none while no stage is open).
const cChkVector<cEdItem>& PaletteItems(int32_t nPalette) {
  static const cChkVector<cEdItem> s_vNone;
  if (nPalette == 0) return CommonPalette.m_vItem;
  const cChkVector<cEdItem>* p = SourceVector(SRC_STAGE, static_cast<const cEdItem*>(nullptr));
  return p ? *p : s_vNone;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// ステータスの操作

cStatusCmdDlg::cStatusCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                             cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    Cmd().m_nTime = 0;
    Cmd().m_bParallel = 1;
    *Param(2) = 1;
    *Param(11) = 1;
    *Param(16) = 1;
  }
  NamesOf(m_vStatusNames, StatusInfoTable);
  NamesOf(m_vSystemNames, SystemValueTable);
  MakeNumberedNameList(m_vCommonVarNames, GValInfo);
  MakeNumberedNameList(m_vStageVarNames, Stage.m_vVarName);
  cItemVector* lpVars[2] = {&m_vCommonVarNames, &m_vStageVarNames};
  cCtrlSet& c = m_Ctrls;
  c.Combo(IDC_ST_LEFT_KIND, Param(0), StatusLeftKindNames, 0);
  c.Combo(IDC_ST_LEFT_OWNER, Param(3), CharaStatusSubjectNames, 0);
  c.Combo(IDC_ST_LEFT_STATUS, Param(4), *Param(3) == OWNER_SYSTEM ? &m_vSystemNames : &m_vStatusNames, 0);
  c.Combo(IDC_ST_LEFT_SET, Param(1), VarSetNames, 0);
  if (*Param(0) == LEFT_STATUS && *Param(4) == STATUS_CHARA_VAR)
    c.Combo(IDC_ST_LEFT_VAR, Param(2), CharaVarNames, 1);
  else
    c.Combo(IDC_ST_LEFT_VAR, Param(2), lpVars[*Param(1) == SET_STAGE ? 1 : 0], 1);
  c.Button(IDC_ST_LEFT_RENAME);
  c.Combo(IDC_ST_OP, Param(5), VarOpNames, 0);
  c.Combo(IDC_ST_RIGHT_KIND, Param(6), StatusRightKindNames, 0);
  c.Value(IDC_ST_CONST, Param(7), VALUE_MIN, VALUE_MAX, IDC_ST_CONST_SPIN);
  c.Value(IDC_ST_RAND_FROM, Param(8), VALUE_MIN, VALUE_MAX, IDC_ST_RAND_FROM_SPIN);
  c.Value(IDC_ST_RAND_TO, Param(9), VALUE_MIN, VALUE_MAX, IDC_ST_RAND_TO_SPIN);
  c.Combo(IDC_ST_RIGHT_OWNER, Param(12), CharaStatusSubjectNames, 0);
  c.Combo(IDC_ST_RIGHT_STATUS, Param(13), *Param(12) == OWNER_SYSTEM ? &m_vSystemNames : &m_vStatusNames, 0);
  c.Combo(IDC_ST_RIGHT_SET, Param(10), VarSetNames, 0);
  if (*Param(6) == RIGHT_STATUS && *Param(13) == STATUS_CHARA_VAR)
    c.Combo(IDC_ST_RIGHT_VAR, Param(11), CharaVarNames, 1);
  else
    c.Combo(IDC_ST_RIGHT_VAR, Param(11), lpVars[*Param(10) == SET_STAGE ? 1 : 0], 1);
  c.Button(IDC_ST_RIGHT_RENAME);
  c.Check(IDC_ST_BAR, Param(16));
  c.Check(IDC_ST_NOT_INVINCIBLE, Param(17));
  c.Check(IDC_ST_PERCENT, Param(14));
  c.Combo(IDC_ST_CALC, Param(15), StatusCalcNames, 0);
}

void cStatusCmdDlg::AfterDataShown() {
  OnStatusChoice(IDC_ST_LEFT_STATUS);
  OnStatusChoice(IDC_ST_RIGHT_STATUS);
}

void cStatusCmdDlg::ListVars(uint16_t wCombo, int32_t nSet) {
  if (cComboCtrl<int32_t>* p = m_Ctrls.Cb(wCombo))
    p->SetItemVector(nSet == SET_STAGE ? &m_vStageVarNames : &m_vCommonVarNames);
}

void cStatusCmdDlg::UpdateLeftVar() {
  cCtrlSet& c = m_Ctrls;
  const int32_t nKind = c.ComboValue(IDC_ST_LEFT_KIND);
  if (nKind == LEFT_STATUS && c.ComboValue(IDC_ST_LEFT_OWNER) != OWNER_SYSTEM &&
      c.ComboValue(IDC_ST_LEFT_STATUS) == STATUS_CHARA_VAR) {
    if (cComboCtrl<int32_t>* p = c.Cb(IDC_ST_LEFT_VAR)) p->SetItemTable(CharaVarNames);
    c.Enable(IDC_ST_LEFT_VAR, true);
    c.Enable(IDC_ST_LEFT_RENAME, false);
  } else if (nKind == LEFT_VAR) {
    ListVars(IDC_ST_LEFT_VAR, c.ComboValue(IDC_ST_LEFT_SET));
    c.Enable({IDC_ST_LEFT_VAR, IDC_ST_LEFT_RENAME}, true);
  } else {
    c.Enable({IDC_ST_LEFT_VAR, IDC_ST_LEFT_RENAME}, false);
  }
}

void cStatusCmdDlg::UpdateRightVar() {
  cCtrlSet& c = m_Ctrls;
  const int32_t nKind = c.ComboValue(IDC_ST_RIGHT_KIND);
  if (nKind == RIGHT_STATUS && c.ComboValue(IDC_ST_RIGHT_OWNER) != OWNER_SYSTEM &&
      c.ComboValue(IDC_ST_RIGHT_STATUS) == STATUS_CHARA_VAR) {
    if (cComboCtrl<int32_t>* p = c.Cb(IDC_ST_RIGHT_VAR)) p->SetItemTable(CharaVarNames);
    c.Enable(IDC_ST_RIGHT_VAR, true);
    c.Enable(IDC_ST_RIGHT_RENAME, false);
  } else if (nKind != RIGHT_VAR) {
    c.Enable({IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME}, false);
  } else {
    ListVars(IDC_ST_RIGHT_VAR, c.ComboValue(IDC_ST_RIGHT_SET));
    c.Enable({IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME}, true);
  }
}

void cStatusCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  const int32_t nLeft = c.ComboValue(IDC_ST_LEFT_KIND);
  const int32_t nOwner = c.ComboValue(IDC_ST_LEFT_OWNER);
  c.Enable({IDC_ST_LEFT_OWNER, IDC_ST_LEFT_STATUS}, nLeft == LEFT_STATUS);
  c.Enable(IDC_ST_LEFT_SET, nLeft != LEFT_STATUS);
  UpdateLeftVar();
  if (nLeft == LEFT_STATUS)
    if (cComboCtrl<int32_t>* p = c.Cb(IDC_ST_LEFT_STATUS))
      p->SetItemVector(nOwner == OWNER_SYSTEM ? &m_vSystemNames : &m_vStatusNames);
  const int32_t nRight = c.ComboValue(IDC_ST_RIGHT_KIND);
  if (nRight == RIGHT_STATUS)
    if (cComboCtrl<int32_t>* p = c.Cb(IDC_ST_RIGHT_STATUS))
      p->SetItemVector(c.ComboValue(IDC_ST_RIGHT_OWNER) == OWNER_SYSTEM ? &m_vSystemNames : &m_vStatusNames);
  c.Enable(IDC_ST_NOT_INVINCIBLE, nLeft == LEFT_STATUS && nOwner != OWNER_SYSTEM);
  c.Enable(IDC_ST_CONST, nRight == RIGHT_CONST);
  c.Enable({IDC_ST_RAND_FROM, IDC_ST_RAND_TO}, nRight == RIGHT_RANDOM);
  c.Enable({IDC_ST_RIGHT_OWNER, IDC_ST_RIGHT_STATUS}, nRight == RIGHT_STATUS);
  c.Enable(IDC_ST_RIGHT_SET, nRight == RIGHT_VAR);
  UpdateRightVar();
}

void cStatusCmdDlg::OnStatusChoice(uint16_t wId) {
  cCtrlSet& c = m_Ctrls;
  if (wId == IDC_ST_RIGHT_STATUS) {
    if (c.ComboValue(IDC_ST_RIGHT_KIND) == RIGHT_STATUS) UpdateRightVar();
    return;
  }
  if (c.ComboValue(IDC_ST_LEFT_KIND) == LEFT_VAR) {
    c.Enable({IDC_ST_BAR, IDC_ST_CALC}, false);
    return;
  }
  UpdateLeftVar();
  // The operand ranges come from the character statuses, also for the owner "システム".
  const int32_t nStatus = c.ComboValue(IDC_ST_LEFT_STATUS);
  const bool bKnown = nStatus >= 0 && nStatus < static_cast<int32_t>(StatusInfoTable.size());
  const cStatusInfo* lpInfo = bKnown ? &StatusInfoTable[nStatus] : nullptr;
  if (lpInfo) {
    const int32_t nRight = c.ComboValue(IDC_ST_RIGHT_KIND);
    if (nRight == RIGHT_CONST)
      if (auto* p = c.Val(IDC_ST_CONST)) p->SetRange(lpInfo->m_nMin, lpInfo->m_nMax);
    if (nRight == RIGHT_RANDOM)
      for (uint16_t w : {IDC_ST_RAND_FROM, IDC_ST_RAND_TO})
        if (auto* p = c.Val(w)) p->SetRange(lpInfo->m_nMin, lpInfo->m_nMax);
  }
  if (c.ComboValue(IDC_ST_LEFT_OWNER) != OWNER_SYSTEM && (nStatus == STATUS_HP || nStatus == STATUS_SP)) {
    c.Enable(IDC_ST_PERCENT, false);
    c.Enable({IDC_ST_CALC, IDC_ST_BAR}, true);
  } else {
    c.Enable(IDC_ST_PERCENT, lpInfo && lpInfo->m_bCmdPercent);
    c.Enable({IDC_ST_CALC, IDC_ST_BAR}, false);
  }
  if (!m_bInit) return;
  if (nStatus != s_nLastStatus)
    for (uint16_t w : {IDC_ST_CONST, IDC_ST_RAND_FROM, IDC_ST_RAND_TO})
      if (auto* p = c.Val(w)) p->OnKillFocus();  // shown held to the new range
  s_nLastStatus = nStatus;
}

void cStatusCmdDlg::AfterCommand(WPARAM wParam) {
  const uint16_t wId = LOWORD(wParam);
  if ((wId == IDC_ST_LEFT_STATUS || wId == IDC_ST_RIGHT_STATUS) && HIWORD(wParam) == CBN_SELCHANGE) OnStatusChoice(wId);
}

void cStatusCmdDlg::Rename(uint16_t wCombo, uint16_t wSetCombo, uint16_t wButton) {
  cComboCtrl<int32_t>* lpCombo = m_Ctrls.Cb(wCombo);
  if (!lpCombo) return;
  const bool bStage = m_Ctrls.ComboValue(wSetCombo) == SET_STAGE;
  cItemVector& vList = bStage ? m_vStageVarNames : m_vCommonVarNames;
  // The common names are saved when the program ends, the stage's with the stage.
  if (RenameVariable(this, bStage ? Stage.m_vVarName : GValInfo, lpCombo->GetCurData(), vList, nullptr,
                     m_Ctrls.Btn(wButton)))
    lpCombo->SetItemVector(&vList);
}

int cStatusCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (IsClick(wParam, IDC_ST_LEFT_RENAME)) {
    if (m_Ctrls.ComboValue(IDC_ST_LEFT_KIND) == LEFT_VAR) Rename(IDC_ST_LEFT_VAR, IDC_ST_LEFT_SET, IDC_ST_LEFT_RENAME);
    return 1;
  }
  if (IsClick(wParam, IDC_ST_RIGHT_RENAME)) {
    if (m_Ctrls.ComboValue(IDC_ST_RIGHT_KIND) == RIGHT_VAR) Rename(IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_SET, IDC_ST_RIGHT_RENAME);
    return 1;
  }
  return 0;
}

// ---------------------------------------------------------------------------------------------
// ステータスの操作2

namespace {
const cChkVector<cStatusOptionInfo>& AttrTable(int32_t nOwner) {
  return nOwner == OWNER_SYSTEM ? ScrollInfoTable : Status2InfoTable;
}
}  // namespace

cStatus2CmdDlg::cStatus2CmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    Cmd().m_nTime = 0;
    Cmd().m_bParallel = 1;
  }
  NamesOf(m_vAttrNames, Status2InfoTable);
  NamesOf(m_vScrollNames, ScrollInfoTable);
  const cChkVector<cStatusOptionInfo>& table = AttrTable(*Param(0));
  const cStatusOptionInfo* lpAttr = EntryOf(table, *Param(1));
  if (lpAttr) m_vOptions = lpAttr->m_vOptions;
  m_Ctrls.Combo(IDC_S2_OWNER, Param(0), CharaStatusSubjectNames, 0);
  m_Ctrls.Combo(IDC_S2_ATTR, Param(1), *Param(0) == OWNER_SYSTEM ? &m_vScrollNames : &m_vAttrNames, 0);
  m_Ctrls.Combo(IDC_S2_VALUE, Param(2), &m_vOptions, lpAttr ? lpAttr->m_nFirst : 0);
}

void cStatus2CmdDlg::UpdateEnable() {
  if (cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_S2_ATTR)) {
    cItemVector* lpNames = m_Ctrls.ComboValue(IDC_S2_OWNER) == OWNER_SYSTEM ? &m_vScrollNames : &m_vAttrNames;
    const int32_t nAttr = p->GetCurData();
    p->SetItemVector(lpNames);
    // An attribute the new owner does not have starts the list over at its first one.
    if (nAttr >= static_cast<int32_t>(lpNames->size())) p->SetCurData(0);
  }
  UpdateOptions();
}

void cStatus2CmdDlg::UpdateOptions() {
  const cStatusOptionInfo* lpAttr = EntryOf(AttrTable(m_Ctrls.ComboValue(IDC_S2_OWNER)), m_Ctrls.ComboValue(IDC_S2_ATTR));
  cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_S2_VALUE);
  if (!lpAttr || !p) return;
  m_vOptions = lpAttr->m_vOptions;
  p->SetMin(lpAttr->m_nFirst);
}

// ---------------------------------------------------------------------------------------------
// 消滅

cVanishCmdDlg::cVanishCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                             cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    Cmd().m_nTime = 0;
    Cmd().m_bParallel = 1;
  }
  m_Ctrls.Combo(IDC_VN_WHAT, Param(0), VanishWhatNames, 0);
  m_Ctrls.Combo(IDC_VN_RANGE, Param(2), VanishRangeNames, 0);
  m_Ctrls.Value(IDC_VN_FACTION, Param(1), 0, 7, IDC_VN_FACTION_SPIN);
}

void cVanishCmdDlg::UpdateEnable() {
  // Range and faction pick among all characters or shots; the other choices name them by descent.
  const int32_t nWhat = m_Ctrls.ComboValue(IDC_VN_WHAT);
  m_Ctrls.Enable({IDC_VN_RANGE, IDC_VN_FACTION}, nWhat == 0 || nWhat == 1);
}

// ---------------------------------------------------------------------------------------------
// アイテムの取得

cItemGetCmdDlg::cItemGetCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    Cmd().m_nTime = 0;
    Cmd().m_bParallel = 1;
    *Param(1) = 1;
  }
  // A common palette entry cannot name the stage palette of whichever stage it is placed in.
  const bool bCommonOnly = StageEditState.m_nEditContext == EDIT_COMMON_PALETTE;
  MakeNumberedNameList(m_vItemNames, PaletteItems(*Param(0)));
  m_Ctrls.Combo(IDC_IG_PALETTE, Param(0), bCommonOnly ? ItemGetPalCommonNames : ItemGetPalNames, 0);
  m_Ctrls.Combo(IDC_IG_ITEM, Param(1), &m_vItemNames, 1);
  m_Ctrls.Static(IDC_IG_NOTE);
}

void cItemGetCmdDlg::AfterDataShown() {
  // Flows added by an item cannot be operated on at once: the note is for those who write flows.
  if (Cmd().m_bItem == 0 || StandaloneFlowEdit.m_pvFlow) ShowCtrlById(m_Ctrls.m_vStatic, IDC_IG_NOTE, 1);
}

void cItemGetCmdDlg::UpdateEnable() {
  SetComboNameList(m_Ctrls.m_vCombo32, IDC_IG_ITEM, m_vItemNames, PaletteItems(m_Ctrls.ComboValue(IDC_IG_PALETTE)));
}
