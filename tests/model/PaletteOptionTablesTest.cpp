#include "model/PaletteOptionTables.h"

#include "TableCheck.h"

TEST(PaletteOptionTables, EveryTableClosesAfterItsEntries) {
  EXPECT_TRUE(IsClosedTable(InheritSrcNames));
  EXPECT_TRUE(IsClosedTable(InheritSrcNamesCommon));
  EXPECT_TRUE(IsClosedTable(InheritSrcNamesStage));
  EXPECT_TRUE(IsClosedTable(InheritSrcNamesNone));
  EXPECT_TRUE(IsClosedTable(ItemPalNames));
  EXPECT_TRUE(IsClosedTable(ItemPalNamesCommon));
  EXPECT_TRUE(IsClosedTable(SheetNames));
  EXPECT_TRUE(IsClosedTable(SheetNames2));
  EXPECT_TRUE(IsClosedTable(TransparentNames));
  EXPECT_TRUE(IsClosedTable(MarkShowNames));
  EXPECT_TRUE(IsClosedTable(GiantNames));
  EXPECT_TRUE(IsClosedTable(GiantNames2));
  EXPECT_TRUE(IsClosedTable(BlockTypeNames));
  EXPECT_TRUE(IsClosedTable(NoFactionNames));
  EXPECT_TRUE(IsClosedTable(BlockActionNames));
  EXPECT_TRUE(IsClosedTable(ControlNames));
  EXPECT_TRUE(IsClosedTable(PlayerNoNames));
  EXPECT_TRUE(IsClosedTable(FlyNames));
  EXPECT_TRUE(IsClosedTable(InvincibleNames));
  EXPECT_TRUE(IsClosedTable(CharaBlockNames));
  EXPECT_TRUE(IsClosedTable(SightNames));
  EXPECT_TRUE(IsClosedTable(BodyHitRangeNames));
  EXPECT_TRUE(IsClosedTable(ActRangeNames));
  EXPECT_TRUE(IsClosedTable(ActJudgeNames));
  EXPECT_TRUE(IsClosedTable(OnOffNames));
}

TEST(PaletteOptionTables, EntriesStandAtTheirStoredValues) {
  // Giant sizes start at value 1: position 0 "しない", position 9 (value 10) "×100".
  EXPECT_EQ("82 B5 82 C8 82 A2", HexOfText(GiantNames[0]));
  EXPECT_EQ("81 7E 31 30 30", HexOfText(GiantNames[9]));
  // The database's list has the same sizes without "しない".
  for (int i = 0; i < 9; ++i) EXPECT_STREQ(GiantNames[i + 1], GiantNames2[i]);
  // Factions start at -1: "なし", then "0" for value 0.
  EXPECT_STREQ("なし", NoFactionNames[0]);
  EXPECT_STREQ("0", NoFactionNames[1]);
  EXPECT_STREQ("7", NoFactionNames[8]);
  EXPECT_STREQ("移動速度変更 X=％", BlockActionNames[3]);
  EXPECT_STREQ("32×32", BodyHitRangeNames[3]);
  EXPECT_STREQ("ON (ブロックに当たると即死)", FlyNames[3]);
  // The two sheet lists are separate arrays with the same texts.
  EXPECT_NE(static_cast<const void*>(SheetNames), static_cast<const void*>(SheetNames2));
  for (int i = 0; i < 6; ++i) EXPECT_STREQ(SheetNames[i], SheetNames2[i]);
}
