#include "model/CommandKindTable.h"

#include "TableCheck.h"

TEST(CommandKindTable, CharacterKindsCarryTheirParameterCounts) {
  // Parameter counts of kinds 0 to 39, as the command dialogs size the parameter vector.
  const int32_t counts[CMD_KIND_COUNT] = {0, 0, 0, 0,  0, 0,  0, 0,  0, 1, 5, 0, 0, 0,
                                          0, 0, 4, 9,  1, 18, 0, 16, 18, 3, 3, 2, 3, 1,
                                          1, 8, 3, 3, 15, 8,  2, 1,  2, 0, 5, 2};
  ASSERT_EQ(static_cast<size_t>(CMD_KIND_COUNT), CmdKindTable.size());
  for (int k = 0; k < CMD_KIND_COUNT; ++k) {
    EXPECT_EQ(counts[k], CmdKindTable[k].m_nParamCount) << "kind " << k;
    EXPECT_EQ(k == 0, CmdKindTable[k].m_strName.empty()) << "kind " << k;
  }
  EXPECT_EQ("ウエイト", CmdKindTable[1].m_strName);
  EXPECT_EQ("フローの操作", CmdKindTable[16].m_strName);
  EXPECT_EQ("コードの実行", CmdKindTable[37].m_strName);
  EXPECT_EQ("ループ", CmdKindTable[39].m_strName);
}

TEST(CommandKindTable, ItemKindsRepeatTheCharacterKindsFrom17) {
  ASSERT_EQ(static_cast<size_t>(ITEM_CMD_KIND_COUNT), ItemCmdKindTable.size());
  EXPECT_EQ("", ItemCmdKindTable[0].m_strName);
  EXPECT_EQ(0, ItemCmdKindTable[0].m_nParamCount);
  EXPECT_EQ("フローの変更", ItemCmdKindTable[1].m_strName);
  EXPECT_EQ(2, ItemCmdKindTable[1].m_nParamCount);
  for (int k = 2; k < ITEM_CMD_KIND_COUNT; ++k) {
    EXPECT_EQ(CmdKindTable[k + 15].m_strName, ItemCmdKindTable[k].m_strName) << "item kind " << k;
    EXPECT_EQ(CmdKindTable[k + 15].m_nParamCount, ItemCmdKindTable[k].m_nParamCount) << k;
  }
  EXPECT_EQ("ステージクリア", ItemCmdKindTable[2].m_strName);
  EXPECT_EQ("アイテムの取得", ItemCmdKindTable[10].m_strName);
  EXPECT_EQ("ループ", ItemCmdKindTable[24].m_strName);

  EXPECT_TRUE(IsClosedTable(ItemFlowOpNames));
  EXPECT_STREQ("削除", ItemFlowOpNames[2]);
  EXPECT_TRUE(IsClosedTable(ItemFlowDelIdNames));
  EXPECT_STREQ("全て削除", ItemFlowDelIdNames[0]);
}

TEST(CommandKindTable, KindsOutsideTheTablesHaveNoEntry) {
  EXPECT_EQ(&CmdKindTable[39], FindCmdKindInfo(0, 39));
  EXPECT_EQ(nullptr, FindCmdKindInfo(0, 40));
  EXPECT_EQ(nullptr, FindCmdKindInfo(0, -1));
  EXPECT_EQ(&ItemCmdKindTable[24], FindCmdKindInfo(1, 24));
  EXPECT_EQ(nullptr, FindCmdKindInfo(1, 25));
}

TEST(CommandKindTable, WordTablesCloseAfterTheirEntries) {
  EXPECT_TRUE(IsClosedTable(FlowIdSlotNames));
  EXPECT_TRUE(IsClosedTable(FlowIdNames));
  EXPECT_TRUE(IsClosedTable(FlowGroupNames));
  EXPECT_TRUE(IsClosedTable(FlowTriggerNames));
  EXPECT_TRUE(IsClosedTable(KeyStateNames));
  EXPECT_TRUE(IsClosedTable(KeyJudgeNames));
  EXPECT_TRUE(IsClosedTable(FlowOpOwnerNames));
  EXPECT_TRUE(IsClosedTable(CharaCondSubjectNames));
  EXPECT_TRUE(IsClosedTable(CharaStatusSubjectNames));
  EXPECT_TRUE(IsClosedTable(HeroSubjectNames));
  EXPECT_TRUE(IsClosedTable(HeroStatusSubjectNames));
  EXPECT_TRUE(IsClosedTable(TargetSlotNames));
  EXPECT_TRUE(IsClosedTable(FlowOpRangeNames));
  EXPECT_TRUE(IsClosedTable(FlowOpNames));
  EXPECT_TRUE(IsClosedTable(StatusLeftKindNames));
  EXPECT_TRUE(IsClosedTable(StatusRightKindNames));
  EXPECT_TRUE(IsClosedTable(VarSetNames));
  EXPECT_TRUE(IsClosedTable(StatusCalcNames));
  EXPECT_TRUE(IsClosedTable(SingleOnNames));
  EXPECT_TRUE(IsClosedTable(Status3StateNames));
  EXPECT_TRUE(IsClosedTable(StageClearDestNames));
  EXPECT_TRUE(IsClosedTable(StageClearFacingNames));
  EXPECT_TRUE(IsClosedTable(MessagePosNames));
  EXPECT_TRUE(IsClosedTable(MessageTimeNames));
  EXPECT_TRUE(IsClosedTable(TargetWhomNames));
  EXPECT_TRUE(IsClosedTable(TargetRangeNames));
  EXPECT_TRUE(IsClosedTable(TargetNoneNames));
  EXPECT_TRUE(IsClosedTable(VanishWhatNames));
  EXPECT_TRUE(IsClosedTable(VanishRangeNames));
  EXPECT_TRUE(IsClosedTable(ItemGetPalNames));
  EXPECT_TRUE(IsClosedTable(ItemGetPalCommonNames));
  EXPECT_TRUE(IsClosedTable(EffectPosNames));
  EXPECT_TRUE(IsClosedTable(PictureTimeNames));
  EXPECT_TRUE(IsClosedTable(EffectModeNames));
  EXPECT_TRUE(IsClosedTable(BackgroundOpNames));
  EXPECT_TRUE(IsClosedTable(ArrangeVarKindNames));
  EXPECT_TRUE(IsClosedTable(MoveSetTypeNames));
  EXPECT_TRUE(IsClosedTable(WarpSetTypeNames));
  EXPECT_TRUE(IsClosedTable(MoveDirectionNames));
  EXPECT_TRUE(IsClosedTable(MoveTargetTypeNames));
  EXPECT_TRUE(IsClosedTable(WarpTargetTypeNames));
  EXPECT_TRUE(IsClosedTable(CircleDirectionNames));
  EXPECT_TRUE(IsClosedTable(TurnNames));
  EXPECT_TRUE(IsClosedTable(MoveTimeModeNames));
  EXPECT_TRUE(IsClosedTable(CircleTimeModeNames));
  EXPECT_TRUE(IsClosedTable(JumpTypeNames));
  EXPECT_TRUE(IsClosedTable(DistanceUnitNames));
  EXPECT_TRUE(IsClosedTable(ShotFormationNames));
  EXPECT_TRUE(IsClosedTable(ShotObjectNames));
  EXPECT_TRUE(IsClosedTable(ShotMoveTypeNames));
  EXPECT_TRUE(IsClosedTable(BlockSummonTypeNames));
  EXPECT_TRUE(IsClosedTable(SummonPaletteNames));
  EXPECT_TRUE(IsClosedTable(SummonPaletteCommonNames));
  EXPECT_TRUE(IsClosedTable(SummonFactionModeNames));
}

TEST(CommandKindTable, FlowIdsAndGroupsRunThroughTheAlphabet) {
  for (int i = 1; i <= 26; ++i) {
    const std::string upper(1, static_cast<char>('A' + i - 1));
    EXPECT_EQ(upper, FlowIdSlotNames[i]);
    EXPECT_EQ(upper, FlowIdNames[i]);
    EXPECT_EQ(upper, ItemFlowDelIdNames[i]);
    EXPECT_EQ(std::string(1, static_cast<char>('a' + i - 1)), FlowGroupNames[i]);
  }
  EXPECT_STREQ("-", FlowIdSlotNames[0]);
  EXPECT_STREQ("全て", FlowIdNames[0]);
  // Value 22: the flow runs only when "フローの操作" starts it.
  EXPECT_STREQ("なし（フローの操作コマンドで実行）", FlowTriggerNames[22]);
  EXPECT_STREQ("アタックでダメージを与えた時", FlowTriggerNames[18]);
  EXPECT_STREQ("反転(表示⇔非表示)", BackgroundOpNames[2]);
}

TEST(CommandKindTable, StatusTablesHoldRangesAndPercentages) {
  ASSERT_EQ(15u, StatusInfoTable.size());
  EXPECT_EQ("倒したら獲得するスコア", StatusInfoTable[14].m_strName);
  EXPECT_EQ(1, StatusInfoTable[1].m_bCondPercent);   // HP
  EXPECT_EQ(0, StatusInfoTable[3].m_bCondPercent);   // 最大HP
  EXPECT_EQ(0, StatusInfoTable[5].m_bCmdPercent);    // キャラID
  EXPECT_EQ(-119, StatusInfoTable[7].m_nMin);        // マーク番号
  EXPECT_EQ(200, StatusInfoTable[13].m_nMax);        // 止まりやすさ
  ASSERT_EQ(5u, SystemValueTable.size());
  EXPECT_EQ("時間", SystemValueTable[0].m_strName);
  EXPECT_EQ(-999, SystemValueTable[0].m_nMin);
  EXPECT_EQ(480, SystemValueTable[2].m_nMax);
}

TEST(CommandKindTable, FlagTablesOfferOneOptionPerValue) {
  ASSERT_EQ(7u, Status2InfoTable.size());
  for (int i = 0; i < 7; ++i) {
    const cStatusOptionInfo& f = Status2InfoTable[i];
    EXPECT_EQ(f.m_nMax - f.m_nFirst + 1, static_cast<int32_t>(f.m_vOptions.size())) << f.m_strName;
    EXPECT_EQ(f.m_nMin, f.m_nFirst) << f.m_strName;
  }
  const cStatusOptionInfo& giant = Status2InfoTable[5];
  EXPECT_EQ("巨大化", giant.m_strName);
  EXPECT_EQ(1, giant.m_nFirst);  // "しない" stands for 1
  EXPECT_EQ("しない", giant.m_vOptions[0]);
  EXPECT_EQ("×100", giant.m_vOptions[9]);
  EXPECT_EQ("ON (ブロックに当たると即死)", Status2InfoTable[3].m_vOptions[3]);
  EXPECT_EQ(std::vector<std::string>{"ON"}, static_cast<const std::vector<std::string>&>(
                                                Status2InfoTable[0].m_vOptions));

  const char* const modes[] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
  BuildScrollInfoTable(modes);
  ASSERT_EQ(2u, ScrollInfoTable.size());
  EXPECT_EQ("横スクロール", ScrollInfoTable[0].m_strName);
  EXPECT_EQ("縦スクロール", ScrollInfoTable[1].m_strName);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(1, ScrollInfoTable[i].m_nMax);
    ASSERT_EQ(2u, ScrollInfoTable[i].m_vOptions.size());
    EXPECT_EQ("オートスクロール", ScrollInfoTable[i].m_vOptions[1]);
  }
}
