// The words of conditions, the captions of the shot patterns' parameters and the settings that
// "アレンジ" may vary.
#include "TableCheck.h"
#include "model/ArrangeTable.h"
#include "model/Cond.h"
#include "model/MoveShot.h"

TEST(FlowTables, ConditionWordTablesCloseAfterTheirEntries) {
  EXPECT_STREQ("", CondKindNames[0]);
  for (int k = 1; k < 8; ++k) EXPECT_STRNE("", CondKindNames[k]) << k;
  EXPECT_STREQ("ステータス条件3", CondKindNames[6]);
  EXPECT_STREQ("距離条件", CondKindNames[7]);
  EXPECT_TRUE(IsClosedTable(CondJudgeNames));
  EXPECT_TRUE(IsClosedTable(CondTargetNames));
  EXPECT_TRUE(IsClosedTable(CondShapeNames));
  EXPECT_TRUE(IsClosedTable(CondWithinNames));
  EXPECT_TRUE(IsClosedTable(CondRangeShowNames));
  EXPECT_TRUE(IsClosedTable(CharaVarNames));
  EXPECT_TRUE(IsClosedTable(VarOpNames));
  EXPECT_TRUE(IsClosedTable(CondCompareNames));
  EXPECT_TRUE(IsClosedTable(CondIfNames));
  EXPECT_STREQ("8 キャラ変数-8", CharaVarNames[7]);
  EXPECT_STREQ("の倍数でない", CondCompareNames[7]);
  // Full-width signs, as the game program's texts show them.
  EXPECT_EQ("81 7C", HexOfText(VarOpNames[2]));
  EXPECT_EQ("81 80 20 58 20 82 CC 97 5D 82 E8", HexOfText(VarOpNames[5]));
}

TEST(FlowTables, PatternParameterCaptions) {
  const cEffectParamInfo& rows = ShotFormationParams[3 * 3 + 1];  // "落雷", parameter 2
  EXPECT_STREQ("列の数", rows.m_strCaption);
  EXPECT_EQ(1, rows.m_nMin);
  EXPECT_EQ(50, rows.m_nMax);
  EXPECT_EQ(1, rows.m_nDefault);
  EXPECT_EQ(30, ShotFormationParams[2 * 3].m_nDefault);  // "拡散"
  for (int i = 0; i < 3; ++i) EXPECT_STREQ("", ShotFormationParams[4 * 3 + i].m_strCaption);  // "爆発"
  EXPECT_EQ(6, ShotFormationParams[5 * 3].m_nDefault);  // "包囲"

  EXPECT_STREQ("", ShotMoveTypeParams[0].m_strCaption);
  EXPECT_STREQ("対象勢力", ShotMoveTypeParams[7 * 3 + 2].m_strCaption);
  EXPECT_EQ(999, ShotMoveTypeParams[6 * 3 + 1].m_nDefault);
  EXPECT_STREQ("開始角度", ShotMoveTypeParams[8 * 3 + 2].m_strCaption);
  EXPECT_EQ(359, ShotMoveTypeParams[8 * 3 + 2].m_nMax);
  EXPECT_STREQ("軌道変更(hbl)", ShotMoveTypeParams[9 * 3].m_strCaption);
}

TEST(FlowTables, ArrangeTableListsTheSettingsOfEachKind) {
  BuildArrangeParamTable();
  BuildArrangeParamTable();  // building again gives the same table
  ASSERT_EQ(40u, ArrangeParamTable.size());
  const size_t counts[40] = {0, 0, 6, 0, 0, 6, 6, 0, 0, 0, 0, 29, 4, 6, 8, 7, 0, 5, 0, 5,
                             6, 3, 2, 0, 1, 0, 2, 0, 0, 5, 0, 0, 6, 4, 1, 0, 0, 0, 0, 0};
  for (int k = 0; k < 40; ++k) EXPECT_EQ(counts[k], ArrangeParamTable[k].size()) << "kind " << k;

  auto Same = [](const cArrangeParamInfo& a, const cArrangeParamInfo& b) {
    return a.m_strCaption == b.m_strCaption && a.m_nMin == b.m_nMin && a.m_nMax == b.m_nMax;
  };
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(Same(ArrangeParamTable[2][i], ArrangeParamTable[5][i])) << i;
  // "キャラ召喚" has "勢力" at 1; otherwise it is "アイテム召喚".
  EXPECT_EQ("勢力", ArrangeParamTable[14][1].m_strCaption);
  for (int i = 0; i < 7; ++i)
    EXPECT_TRUE(Same(ArrangeParamTable[15][i], ArrangeParamTable[14][i < 1 ? i : i + 1])) << i;

  const cArrangeParamInfo& form = ArrangeParamTable[11][2];
  EXPECT_EQ("フォーメーション固有1", form.m_strCaption);
  EXPECT_EQ(2147483647, form.m_nMax);
  EXPECT_EQ("衝撃", ArrangeParamTable[11][28].m_strCaption);
  EXPECT_EQ(-20, ArrangeParamTable[11][28].m_nMin);
  EXPECT_EQ("分身値よる増加存在時間", ArrangeParamTable[11][25].m_strCaption);
  EXPECT_EQ("背景番号", ArrangeParamTable[34][0].m_strCaption);
  EXPECT_EQ(8, ArrangeParamTable[34][0].m_nMax);
}
