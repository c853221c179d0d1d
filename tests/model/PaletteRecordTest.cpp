#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Block.h"
#include "model/Chara.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Inherit.h"
#include "model/Item.h"
#include "model/PaletteRecordImages.h"
#include "model/PrjOption.h"
#include "model/TableCheck.h"
#include "support/TestSupport.h"

namespace {

std::vector<uint8_t> Pattern(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i % 2 ? 0 : 10 + i);  // stored flags are bytes
  return v;
}

}  // namespace

// --- Defaults, layout and equality ----------------------------------------------------------------

TEST(PaletteRecords, FreshRecordsAreEmptyCellsWithTheirDefaults) {
  cEdBlock b;
  EXPECT_EQ(0, b.m_nGraphic);
  EXPECT_EQ(1, b.m_nBlockType);
  EXPECT_EQ(-1, b.m_nNoFaction);
  EXPECT_EQ(std::vector<uint8_t>(11, 0), static_cast<std::vector<uint8_t>>(b.m_bbInherit));
  EXPECT_EQ(0, b.m_nX);

  cEdItem it;
  EXPECT_EQ(0, it.m_nGraphic);
  EXPECT_EQ(2, it.m_nSheet);
  EXPECT_EQ(6, it.m_nZ);
  EXPECT_EQ(1, it.m_nGiant);
  EXPECT_EQ(1, it.m_bShowOnTake);
  EXPECT_EQ(13u, it.m_bbInherit.size());

  cEdChara c;
  EXPECT_EQ(0, c.m_nGraphic);
  EXPECT_EQ(1, c.m_nControl);
  EXPECT_EQ(1, c.m_nFaction);
  EXPECT_EQ(10, c.m_nHp);
  EXPECT_EQ(10, c.m_nInertia);
  EXPECT_EQ(3, c.m_nZ);
  EXPECT_EQ(1, c.m_nGiant);
  EXPECT_EQ(1, c.m_bFixDir);
  EXPECT_EQ(1, c.m_bStartEffectLoop);
  EXPECT_EQ(1, c.m_bHoldItem);
  EXPECT_EQ(1, c.m_nSheet);
  EXPECT_EQ(std::vector<uint8_t>(37, 0), static_cast<std::vector<uint8_t>>(c.m_bbInherit));
  EXPECT_TRUE(c.m_vFlow.empty());

  // Field and string counts of the current version.
  EXPECT_EQ(18u, b.Layout(778).m_vField.size());
  EXPECT_EQ(17u, it.Layout(778).m_vField.size());
  EXPECT_EQ(53u, c.Layout(778).m_vField.size());
  EXPECT_EQ(1u, c.Layout(778).m_vString.size());
}

TEST(PaletteRecords, AFreshBlockHasTheHandComputedBytes) {
  cEdBlock b;
  b.m_nBlockType = 1;  // an empty cell is written passable
  b.m_bNoSummon = 1;
  cImage img;
  img.I(778).I(18).C(0).H(0).C(0).C(0).H(0).C(0).H(0).C(0).C(0).C(0).H(0).C(0).C(-1).C(0).I(0).C(0).H(0).C(0);
  img.I(1).S("").H(0).H(0).I(11).Bytes(std::vector<uint8_t>(11, 0)).I(0);
  EXPECT_EQ(HexOf(img), HexOf(RecordBytes(b)));
  EXPECT_EQ(0, b.m_nBlockType);
}

TEST(PaletteRecords, EmptyCellsAreEqualWhateverElseTheyHold) {
  cEdBlock a, b;
  b.m_strName = "x";
  b.m_bbInherit.assign(11, 1);
  b.m_vCond.resize(2);
  EXPECT_TRUE(a == b);
  b.m_nGraphic = 1;
  EXPECT_TRUE(a != b);
  a = b;
  a.m_nX = 7;  // the position is not compared
  EXPECT_TRUE(a == b);
  a.m_bbInherit.data()[3] = 0;
  EXPECT_TRUE(a != b);

  cEdChara c, d;
  d.m_vFlow.resize(3);
  d.m_nHp = 99;
  EXPECT_TRUE(c == d);
  c = d;
  c.m_nGraphic = d.m_nGraphic = 4;
  c.m_nItemLink = 5;  // not compared either
  EXPECT_TRUE(c == d);
  c.m_vFlow.data()[1].m_nTrigger = 2;
  EXPECT_TRUE(c != d);

  cEdItem e, f;
  e.m_nGraphic = f.m_nGraphic = 1;
  f.m_vCommand.resize(1);
  EXPECT_TRUE(e != f);
}

// --- Upgrades of older files ------------------------------------------------------------------------

TEST(PaletteRecords, ShotGraphicsAreRenumberedBelowVersion219) {
  struct {
    int32_t nVersion, nSheet, nGraphic, nWant;
  } cases[] = {{218, 3, 5, 6}, {218, 3, 119, 119}, {218, 3, 200, 119}, {218, 2, 5, 5}, {219, 3, 5, 5}, {100, 3, 0, 1}};
  for (auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nVersion << " sheet " << c.nSheet << " graphic " << c.nGraphic);
    cImage ib, ii, ic;
    BlockImage(ib.I(c.nVersion), c.nVersion, {{BF_SHEET, c.nSheet}, {BF_GRAPHIC, c.nGraphic}});
    ItemImage(ii.I(c.nVersion), c.nVersion, {{IF_SHEET, c.nSheet}, {IF_GRAPHIC, c.nGraphic}, {IF_GIANT, 1}});
    CharaImage(ic.I(c.nVersion), c.nVersion, {{CF_SHEET, c.nSheet}, {CF_GRAPHIC, c.nGraphic}, {CF_CONTROL, 1}},
               std::vector<uint8_t>(37));
    cEdBlock b;
    cEdItem it;
    cEdChara ch;
    ASSERT_EQ(1, ReadRecordImage(b, ib));
    ASSERT_EQ(1, ReadRecordImage(it, ii));
    ASSERT_EQ(1, ReadRecordImage(ch, ic));
    EXPECT_EQ(c.nWant, b.m_nGraphic);
    EXPECT_EQ(c.nWant, it.m_nGraphic);
    EXPECT_EQ(c.nWant, ch.m_nGraphic);
  }
}

TEST(PaletteRecords, CharacterUpgradesByVersion) {
  const std::vector<uint8_t> stored34 = Pattern(34);
  struct {
    int32_t nVersion;
    std::vector<uint8_t> vStored;
    std::vector<size_t> vInserted;  // where the new, inherited groups end
    int32_t nBodyHit, nWantBodyHit;
    int32_t nWantInvincibleFx, nWantStartMode, nWantScrollSync, nWantDefence;
  } cases[] = {
      {167, stored34, {21, 25, 29}, 2, 0, 1, 0, 0, 0},
      {195, Pattern(35), {21, 25}, 2, 0, 1, 0, 0, 7},
      {200, Pattern(35), {21, 25}, 2, 0, 1, 5, 0, 7},
      {205, Pattern(36), {21}, 2, 3, 1, 5, 0, 7},
      {205, Pattern(36), {21}, 1, 1, 1, 5, 0, 7},
      {209, Pattern(36), {21}, 3, 3, 1, 5, 0, 7},
      {284, Pattern(37), {}, 2, 2, 1, 5, 1, 7},
      {285, Pattern(37), {}, 2, 2, 4, 5, 1, 7},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << c.nVersion << " body hit " << c.nBodyHit);
    cImage img;
    CharaImage(img.I(c.nVersion), c.nVersion,
               {{CF_CONTROL, 1}, {CF_BODY_HIT, c.nBodyHit}, {CF_INVINCIBLE_FX, 4}, {CF_START_MODE, 5},
                {CF_SCROLL_SYNC, 1}, {CF_DEFENCE, 7}},
               c.vStored);
    cEdChara ch;
    ch.m_nStartEffectMode = 9;  // members an old file does not hold are reset, not kept
    ch.m_bScrollSync = 9;
    ch.m_nDefence = 9;
    ch.m_nBodyHitRange = 9;
    ASSERT_EQ(1, ReadRecordImage(ch, img));
    std::vector<uint8_t> want = c.vStored;
    for (size_t p : c.vInserted) want.insert(want.begin() + p, 1);
    want.resize(37);
    EXPECT_EQ(HexOf(want), HexOf(ch.m_bbInherit));
    EXPECT_EQ(c.nWantBodyHit, ch.m_nBodyHitRange);
    EXPECT_EQ(c.nWantInvincibleFx, ch.m_nInvincibleEffect);
    EXPECT_EQ(c.nWantStartMode, ch.m_nStartEffectMode);
    EXPECT_EQ(c.nWantScrollSync, ch.m_bScrollSync);
    EXPECT_EQ(c.nWantDefence, ch.m_nDefence);
  }
}

TEST(PaletteRecords, StoredFlagVectorsKeepTheirLength) {
  cImage ib, ic;
  BlockImage(ib.I(778), 778, {}, {1, 0, 1});
  CharaImage(ic.I(778), 778, {{CF_CONTROL, 1}, {35, 1}}, std::vector<uint8_t>(40, 1));
  cEdBlock b;
  cEdChara ch;
  ASSERT_EQ(1, ReadRecordImage(b, ib));
  ASSERT_EQ(1, ReadRecordImage(ch, ic));
  EXPECT_EQ(3u, b.m_bbInherit.size());
  EXPECT_EQ(40u, ch.m_bbInherit.size());
  EXPECT_EQ(HexOf(ib), HexOf(RecordBytes(b)));
  EXPECT_EQ(HexOf(ic), HexOf(RecordBytes(ch)));
}

// --- Validation ---------------------------------------------------------------------------------------

TEST(PaletteRecords, ValidationRepairsReferencesAndRules) {
  cEdItem it;
  it.m_nGraphic = 1;
  it.m_nSound = static_cast<int16_t>(Database.m_vSound.size());
  it.m_nGiant = 0;
  RecordBytes(it);
  EXPECT_EQ(0, it.m_nSound);
  EXPECT_EQ(1, it.m_nGiant);
  it.m_nSound = -1;
  it.Validate();
  EXPECT_EQ(0, it.m_nSound);

  cEdChara player;
  player.m_nGraphic = 1;
  player.m_nControl = 0;
  player.m_nClones = 3;
  player.m_bBlock = 1;
  player.m_nSheet = 4;
  player.m_nGraphic = static_cast<int16_t>(Database.m_vBmpCharaExc.size() + 2);
  player.m_nAnimeSet = static_cast<int16_t>(Database.m_vAnimeSet.size());
  player.m_nStartEffect = -1;
  player.m_nBodyEffect = static_cast<int16_t>(Database.m_vEffect.size());
  player.m_nGiant = -2;
  player.Validate();
  EXPECT_EQ(0, player.m_nClones);
  EXPECT_EQ(0, player.m_bBlock);
  EXPECT_EQ(1, player.m_nGraphic);
  EXPECT_EQ(0, player.m_nAnimeSet);
  EXPECT_EQ(0, player.m_nStartEffect);
  EXPECT_EQ(0, player.m_nBodyEffect);
  EXPECT_EQ(1, player.m_nGiant);

  cEdChara cpu;
  cpu.m_nGraphic = 1;
  cpu.m_nClones = 3;
  cpu.m_bBlock = 1;
  cpu.Validate();
  EXPECT_EQ(3, cpu.m_nClones);
  EXPECT_EQ(1, cpu.m_bBlock);
}

TEST(PaletteRecords, EmptyFlowsAreDropped) {
  cEdChara ch;
  ch.m_nGraphic = 1;
  ch.m_vFlow.resize(3);
  ch.m_vFlow.data()[1].m_nTrigger = 4;
  ch.Validate();
  ASSERT_EQ(1u, ch.m_vFlow.size());
  EXPECT_EQ(4, ch.m_vFlow[0].m_nTrigger);
  ch.m_vFlow.data()[0].m_nTrigger = 0;
  ch.m_vFlow.resize(2);
  ch.Validate();
  EXPECT_TRUE(ch.m_vFlow.empty());
}

TEST(PaletteRecords, DamagedRecordsAreFailedReads) {
  cEdChara ch;
  ch.m_nGraphic = 1;
  ch.m_vFlow.resize(1);
  ch.m_vFlow.data()[0].m_nTrigger = 1;
  std::vector<uint8_t> img = RecordBytes(ch);
  for (size_t nCut = 4; nCut < img.size(); nCut += 7) {
    cEdChara back;
    EXPECT_EQ(0, ReadRecordImage(back, std::vector<uint8_t>(img.begin(), img.begin() + nCut))) << nCut;
  }
  std::vector<uint8_t> huge = img;
  // The flag count claims more bytes than the file holds.
  size_t nFlagCount = 4 + 4 + 82 + 4 + 4 + 2 + 2 + 4;
  huge[nFlagCount + 3] = 0x7f;
  cEdChara back;
  EXPECT_EQ(0, ReadRecordImage(back, huge));
}

TEST(PaletteRecords, WordTablesAreClosedAndInFlagOrder) {
  EXPECT_TRUE(IsClosedTable(ItemTakeTypeNames));
  EXPECT_TRUE(IsClosedTable(BlockInheritNames));
  EXPECT_TRUE(IsClosedTable(CharaInheritNames));
  EXPECT_TRUE(IsClosedTable(ItemInheritNames));
  EXPECT_TRUE(IsClosedTable(OldVerStageNames));
  EXPECT_TRUE(IsClosedTable(NewStagePalNames));
  EXPECT_STREQ("行動", CharaInheritNames[36]);
  EXPECT_STREQ("防御力", CharaInheritNames[29]);
  EXPECT_STREQ("ブロック召喚を無効化", BlockInheritNames[10]);
  EXPECT_STREQ("効果", ItemInheritNames[12]);
  EXPECT_STREQ("旧バージョンのステージファイルを削除", OldVerStageNames[2]);
  EXPECT_STREQ("ステージパレットファイルからコピー", NewStagePalNames[3]);
}
