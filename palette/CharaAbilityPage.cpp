#include "palette/CharaAbilityPage.h"

#include "model/Database.h"
#include "model/PaletteOptionTables.h"

namespace {

enum : uint16_t {
  ID_PREVIEW = 1060,
  ID_HP = 1061,
  ID_HP_SPIN = 1062,
  ID_SP = 1063,
  ID_SP_SPIN = 1064,
  ID_BODY_POWER = 1065,
  ID_BODY_POWER_SPIN = 1066,
  ID_BODY_IMPACT = 1067,
  ID_BODY_IMPACT_SPIN = 1068,
  ID_RESIST = 1069,
  ID_RESIST_SPIN = 1070,
  ID_SCORE = 1071,
  ID_SCORE_SPIN = 1072,
  ID_EX = 1073,
  ID_EX_SPIN = 1074,
  ID_MONEY = 1075,
  ID_MONEY_SPIN = 1076,
  ID_HOLD_ITEM = 1077,
  ID_ACT_JUDGE = 1078,
  ID_GROUP_NO = 1079,
  ID_GROUP_NO_SPIN = 1080,
  ID_DEFENCE = 1081,
  ID_DEFENCE_SPIN = 1082,
  ID_GROUP = 1180,
  ID_BODY_EFFECT = 1230,
  ID_BODY_RANGE = 1231,
  ID_ACT_RANGE = 1257,
  ID_INERTIA = 1259,
  ID_INERTIA_SPIN = 1260,
  ID_GROUP_CHECK = 1034,
};

const cInheritGroup GROUPS[13] = {
    {1024, 23, {ID_HP}},          {1025, 24, {ID_SP}},        {1026, 25, {ID_BODY_RANGE}},
    {1027, 26, {ID_BODY_POWER}},  {1028, 27, {ID_BODY_IMPACT}}, {1029, 28, {ID_BODY_EFFECT}},
    {1030, 29, {ID_DEFENCE}},     {1031, 30, {ID_RESIST}},    {1032, 31, {ID_INERTIA}},
    {1033, 32, {ID_ACT_RANGE, ID_ACT_JUDGE}},
    {1034, 33, {ID_GROUP, ID_GROUP_NO}},
    {1035, 34, {ID_SCORE}},
    {11036, 35, {ID_HOLD_ITEM}},
};
const cComputerOnlySet COMPUTER_ONLY[4] = {
    {1033, {ID_ACT_RANGE, ID_ACT_JUDGE}},
    {1034, {ID_GROUP, ID_GROUP_NO}},
    {1035, {ID_SCORE}},
    {11036, {ID_HOLD_ITEM}},
};

}  // namespace

cCharaAbilityPage::cCharaAbilityPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cRecordPage<cCharaKind, cCharaAbilityPage>(IDD_CHARA_ABILITY, lpParent, lpWindowList, 2) {
  SetGroups(GROUPS);
  SetComputerOnly(COMPUTER_ONLY);
  Event(cControl::KIND_COMBO, ID_ACT_RANGE, [](cDialog*) {});
  Event(cControl::KIND_CHECK, ID_GROUP, [](cDialog* p) { Self(p)->OnGroupFlag(); });
  Event(cControl::KIND_CHECK, ID_HOLD_ITEM, [](cDialog*) {});
  Start();
}

void cCharaAbilityPage::BindFields(cEdChara& w, cCtrlSet& c) {
  c.Value(ID_HP, &w.m_nHp, 1, 999999, ID_HP_SPIN);
  c.Value(ID_SP, &w.m_nSp, 0, 999999, ID_SP_SPIN);
  c.Value(ID_BODY_POWER, &w.m_nBodyPower, -999999, 999999, ID_BODY_POWER_SPIN);
  c.Value(ID_DEFENCE, &w.m_nDefence, 0, 999999, ID_DEFENCE_SPIN);
  c.Value(ID_SCORE, &w.m_nScore, -999999, 999999, ID_SCORE_SPIN);
  c.Value(ID_INERTIA, &w.m_nInertia, 0, 200, ID_INERTIA_SPIN);
  c.Value(ID_GROUP_NO, &w.m_nGroupNo, 0, 59, ID_GROUP_NO_SPIN);
  c.Value(ID_BODY_IMPACT, &w.m_nBodyImpact, -20, 20, ID_BODY_IMPACT_SPIN);
  c.Value(ID_RESIST, &w.m_nImpactResist, 0, 20, ID_RESIST_SPIN);
  c.Check(ID_GROUP, &w.m_bGroup);
  c.Check(ID_HOLD_ITEM, &w.m_bHoldItem);
  c.Combo(ID_BODY_RANGE, &w.m_nBodyHitRange, BodyHitRangeNames);
  c.Combo(ID_ACT_RANGE, &w.m_nActRange, ActRangeNames);
  c.Combo(ID_ACT_JUDGE, &w.m_nActJudge, ActJudgeNames);
  MakeDbNameList(m_vEffectNames, Database.m_vEffect, "なし", 0, 2, 0);
  c.Combo(ID_BODY_EFFECT, &w.m_nBodyEffect, &m_vEffectNames, 0);
  Picture(c, ID_PREVIEW);
}

void cCharaAbilityPage::OnGroupFlag() {
  if (!IsItemEnabled(ID_GROUP) || IsChecked(ID_GROUP_CHECK)) return;
  EnableItem(ID_GROUP_NO, IsChecked(ID_GROUP));
}
