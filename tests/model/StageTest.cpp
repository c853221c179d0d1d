#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Log.h"
#include "model/Database.h"
#include "model/GridPitch.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageOptionTables.h"
#include "model/StageTestSupport.h"
#include "model/TableCheck.h"
#include "support/TestSupport.h"

namespace {

cEdChara& CharaAt(cEdStage& st, int x, int y) { return st.m_vCharaGrid.Unwatched(st.CellIndex(x, y)); }

std::vector<int> PlayerMarks(cEdStage& st) {
  std::vector<int> v;
  for (int y = 0; y < st.m_nHeight; ++y)
    for (int x = 0; x < st.m_nWidth; ++x) {
      const cEdChara& c = CharaAt(st, x, y);
      if (c.m_nGraphic && c.m_nControl == 0) v.push_back(c.m_nHp);
    }
  return v;
}

// Every cell of every layer marked with its column and row: blocks and items by graphic (x + 1)
// and frame (y + 1), characters by HP (x + 1000 y + 1).
void MarkCells(cEdStage& st) {
  for (int y = 0; y < st.m_nHeight; ++y)
    for (int x = 0; x < st.m_nWidth; ++x) {
      const int i = st.CellIndex(x, y);
      st.m_vBlockGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(x + 1);
      st.m_vBlockGrid.Unwatched(i).m_nFrame = static_cast<int16_t>(y + 1);
      st.m_vItemGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(x + 1);
      st.m_vItemGrid.Unwatched(i).m_nFrame = static_cast<int16_t>(y + 1);
      st.m_vCharaGrid.Unwatched(i) = PlacedChara(1, x + 1000 * y + 1);
    }
}

}  // namespace

TEST(StageModel, ANewStageIs20By15WithOnePaletteEntryPerLayerAndAThousandNames) {
  cEdStage st;
  EXPECT_EQ(20, st.m_nWidth);
  EXPECT_EQ(15, st.m_nHeight);
  EXPECT_EQ(32, st.m_nPitch);
  EXPECT_EQ(5, st.m_nShift);
  EXPECT_EQ(640, st.m_nWidthDots);
  EXPECT_EQ(480, st.m_nHeightDots);
  EXPECT_EQ(480u, st.m_vBlockGrid.size());
  EXPECT_EQ(480u, st.m_vCharaGrid.size());
  EXPECT_EQ(480u, st.m_vItemGrid.size());
  EXPECT_EQ(1u, st.m_vPalBlock.size());
  EXPECT_EQ(1u, st.m_vPalChara.size());
  EXPECT_EQ(1u, st.m_vPalItem.size());
  EXPECT_EQ(1000u, st.m_vVarName.size());
  ASSERT_EQ(1u, st.m_vBackground.size());
  EXPECT_EQ(1, st.m_vBackground[0].m_bUseColor);
  EXPECT_EQ((std::vector<int32_t>{1, 1, 1, 1, 1}), std::vector<int32_t>(st.m_vRankItems));
  EXPECT_EQ(0, st.m_AutoVanish[2].m_bLeft);
  EXPECT_EQ(1, st.m_AutoVanish[3].m_bBottom);
  EXPECT_EQ(0, st.m_AutoVanish[3].m_nTop);
  EXPECT_EQ(10, st.m_AutoVanish[4].m_nRight);
  EXPECT_EQ(1, st.m_nUndoDepth);
  EXPECT_EQ(0, st.m_nLevelEff);  // derived values wait for the first validation
  EXPECT_EQ(-1, st.FindPlayer().x);
}

TEST(StageModel, FieldsStoredPerVersion) {
  cEdStage st;
  struct {
    int32_t nVersion;
    size_t nFields;
  } cases[] = {{0, 71}, {154, 71}, {155, 79}, {166, 80}, {183, 81}, {184, 82}, {199, 83},
               {200, 97}, {224, 97}, {225, 98}, {778, 98}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.nFields, st.Layout(c.nVersion).m_vField.size()) << c.nVersion;
    EXPECT_EQ(1u, st.Layout(c.nVersion).m_vString.size()) << c.nVersion;
  }
  cEdAutoVanish av;
  EXPECT_EQ(5u, av.Layout(124).m_vField.size());
  EXPECT_EQ(8u, av.Layout(125).m_vField.size());
  cEdBackground bg;
  EXPECT_EQ(5u, bg.Layout(60).m_vField.size());   // two discarded values in place of the speeds
  EXPECT_EQ(9u, bg.Layout(61).m_vField.size());   // two discarded values in place of the reserves
  EXPECT_EQ(10u, bg.Layout(62).m_vField.size());
  EXPECT_EQ(10u, bg.Layout(778).m_vField.size());
}

TEST(StageModel, PitchIsTheSmallestPowerOfTwoNotBelowTheWidth) {
  struct {
    int32_t nWidth, nPitch, nShift;
  } cases[] = {{1, 1, 0}, {2, 2, 1}, {20, 32, 5}, {32, 32, 5}, {33, 64, 6}, {512, 512, 9}};
  for (const auto& c : cases) {
    int32_t nPitch = 0, nShift = 0;
    CalcPitch(c.nWidth, nPitch, nShift);
    EXPECT_EQ(c.nPitch, nPitch) << c.nWidth;
    EXPECT_EQ(c.nShift, nShift) << c.nWidth;
  }
}

TEST(StageModel, ResizingMovesCellsByTheAnchor) {
  struct {
    int32_t w0, h0, w1, h1, dirX, dirY;
  } cases[] = {
      {20, 15, 25, 15, 1, 0},  // grown on the left: everything 5 columns to the right
      {25, 15, 20, 15, 1, 0},  // shrunk on the left: the 5 leftmost columns go
      {25, 15, 20, 15, 0, 0},  // shrunk on the right
      {20, 15, 25, 18, 0, 0},  // grown on the right and at the bottom
      {20, 18, 20, 15, 0, 1},  // shrunk at the top
      {20, 15, 22, 17, 1, 1},  // grown on the left and at the top
      {33, 15, 31, 15, 1, 0},  // the pitch changes from 64 to 32
  };
  for (const auto& c : cases) {
    cEdStage st;
    ASSERT_EQ(1, st.SetSize(c.w0, c.h0, 0, 0));
    MarkCells(st);
    ASSERT_EQ(1, st.SetSize(c.w1, c.h1, c.dirX, c.dirY));
    EXPECT_EQ(size_t(st.m_nPitch) * c.h1, st.m_vCharaGrid.size());
    const int dx = c.dirX ? c.w1 - c.w0 : 0, dy = c.dirY ? c.h1 - c.h0 : 0;
    for (int y = 0; y < c.h1; ++y)
      for (int x = 0; x < st.m_nPitch; ++x) {
        const int ox = x - dx, oy = y - dy;
        const bool bKept = x < c.w1 && ox >= 0 && ox < c.w0 && oy >= 0 && oy < c.h0;
        const int i = st.CellIndex(x, y);
        const cEdBlock& b = st.m_vBlockGrid.Unwatched(i);
        const cEdItem& it = st.m_vItemGrid.Unwatched(i);
        const cEdChara& ch = st.m_vCharaGrid.Unwatched(i);
        SCOPED_TRACE(testing::Message() << c.w0 << "x" << c.h0 << " -> " << c.w1 << "x" << c.h1 << " at " << x
                                        << "," << y);
        EXPECT_EQ(bKept ? ox + 1 : 0, b.m_nGraphic);
        EXPECT_EQ(bKept ? oy + 1 : 0, b.m_nFrame);
        EXPECT_EQ(bKept ? ox + 1 : 0, it.m_nGraphic);
        EXPECT_EQ(bKept ? ox + 1000 * oy + 1 : 10, ch.m_nHp);
      }
  }
}

TEST(StageModel, AZeroOrOversizedSizeIsRefusedAndChangesNothing) {
  cEdStage st;
  MarkCells(st);
  for (auto wh : {std::make_pair(0, 15), std::make_pair(20, 0), std::make_pair(-3, 15), std::make_pair(513, 15),
                  std::make_pair(20, 100000)}) {
    EXPECT_EQ(0, st.SetSize(wh.first, wh.second, 0, 0)) << wh.first << "x" << wh.second;
    EXPECT_EQ(20, st.m_nWidth);
    EXPECT_EQ(15, st.m_nHeight);
    EXPECT_EQ(480u, st.m_vBlockGrid.size());
    EXPECT_EQ(20, CharaAt(st, 19, 0).m_nHp);
  }
}

TEST(StageModel, APlayerThatWouldFallOutsideGoesToTheFirstCell) {
  struct {
    int32_t w1, dirX, nPlayerX;
    int32_t nExpectX;  // where the player ends, -1: at (0, 0) as a copy
  } cases[] = {
      {20, 0, 22, -1},  // cut off on the right
      {20, 1, 2, -1},   // cut off on the left: its column is among those dropped
      {20, 1, 22, 17},  // kept, five columns further left
      {30, 1, 2, 7},    // grown on the left: five columns further right
  };
  for (const auto& c : cases) {
    cEdStage st;
    ASSERT_EQ(1, st.SetSize(25, 15, 0, 0));
    CharaAt(st, c.nPlayerX, 3) = PlacedChara(0, 77);
    for (int x = 0; x < 25; ++x) CharaAt(st, x, 0) = PlacedChara(1, 5);
    ASSERT_EQ(1, st.SetSize(c.w1, 15, c.dirX, 0));
    const cCellPos pos = st.FindPlayer();
    SCOPED_TRACE(testing::Message() << "width " << c.w1 << " dir " << c.dirX << " player at " << c.nPlayerX);
    EXPECT_EQ(std::vector<int>{77}, PlayerMarks(st));
    EXPECT_EQ(c.nExpectX < 0 ? 0 : c.nExpectX, pos.x);
    EXPECT_EQ(c.nExpectX < 0 ? 0 : 3, pos.y);
  }
}

TEST(StageModel, ValidationClampsScrollingDerivesTheSpeedLevelAndFixesTheMusic) {
  cEdStage st;
  st.SetSize(30, 20, 0, 0);
  st.m_nMinX = 25;
  st.m_nMaxX = 40;
  st.m_nMinY = 9;
  st.m_nMaxY = 19;
  st.m_nBgm = static_cast<int32_t>(Database.m_vBgm.size());
  st.Validate();
  EXPECT_EQ(10, st.m_nMinX);
  EXPECT_EQ(29, st.m_nMaxX);
  EXPECT_EQ(5, st.m_nMinY);
  EXPECT_EQ(19, st.m_nMaxY);
  EXPECT_EQ(0, st.m_nBgm);
  st.m_nBgm = static_cast<int32_t>(Database.m_vBgm.size()) - 1;
  st.Validate();
  EXPECT_EQ(static_cast<int32_t>(Database.m_vBgm.size()) - 1, st.m_nBgm);

  struct {
    int32_t nLevel, L;
    double dLimit, dStep;
  } cases[] = {{10, 10, 60, 6}, {15, 5, 60, 12}, {5, 5, 30, 6}, {11, 1, 60, 60}, {19, 9, 60, 60.0 / 9}, {1, 1, 6, 6}};
  for (const auto& c : cases) {
    st.SetSpeedLevel(c.nLevel);
    EXPECT_EQ(c.nLevel, st.m_nHitLevel);
    EXPECT_EQ(c.L, st.m_nLevelEff) << c.nLevel;
    EXPECT_DOUBLE_EQ(c.L, st.m_dLevel);
    EXPECT_DOUBLE_EQ(c.L * c.L, st.m_dLevelSq);
    EXPECT_DOUBLE_EQ(c.dLimit, st.m_dSpeedLimit) << c.nLevel;
    EXPECT_DOUBLE_EQ(c.dStep, st.m_dSpeedStep) << c.nLevel;
    EXPECT_DOUBLE_EQ(0.4 / (c.L * c.L), st.m_dGravityStep);
    EXPECT_EQ(8 * c.L, st.m_nLevel8);
  }
}

TEST(StageModel, ValidationGivesEachPaletteItsFirstEntryFromTheProjectDefaults) {
  const cEdChara savedDef = PrjOption.m_DefChara;
  const int32_t nSavedPal = PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][PAL_CHARA];
  const cChkVector<uint8_t> savedFlags = PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, PAL_CHARA);
  PrjOption.m_DefChara.m_strName = "既定";
  PrjOption.m_DefChara.m_nGraphic = 9;
  PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][PAL_CHARA] = SRC_COMMON;
  PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, PAL_CHARA).assign(cEdChara::INHERIT_GROUPS, 0);
  PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, PAL_CHARA)[0] = 1;  // the name from common entry 1
  cEdPalette savedCommon;
  savedCommon.m_vChara = CommonPalette.m_vChara;
  CommonPalette.m_vChara.resize(2);
  CommonPalette.m_vChara[1].m_strName = "コモン";
  CommonPalette.m_vChara[1].m_nGraphic = 3;

  cEdStage st;
  st.m_vPalBlock.data()[0].m_nGraphic = 4;  // entry 0 is left as it is here
  st.Validate();
  ASSERT_EQ(2u, st.m_vPalChara.size());
  const cEdChara& e = st.m_vPalChara[1];
  EXPECT_EQ(SRC_COMMON, e.m_nInheritPal);
  EXPECT_EQ(1, e.m_nInheritNo);
  EXPECT_EQ("コモン", e.m_strName);
  EXPECT_EQ(9, e.m_nGraphic);
  EXPECT_EQ(2u, st.m_vPalBlock.size());
  EXPECT_EQ(1, st.m_vPalBlock[1].m_nGraphic);
  EXPECT_EQ(2u, st.m_vPalItem.size());

  PrjOption.m_DefChara = savedDef;
  PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][PAL_CHARA] = nSavedPal;
  PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, PAL_CHARA) = savedFlags;
  CommonPalette.m_vChara = savedCommon.m_vChara;
}

TEST(StageModel, FindPlayerReportsTheFirstAndKeepOnePlayerKeepsTheLast) {
  cEdStage st;
  CharaAt(st, 7, 2) = PlacedChara(0, 1);
  CharaAt(st, 3, 5) = PlacedChara(0, 2);
  CharaAt(st, 0, 9) = PlacedChara(0, 3);
  CharaAt(st, 1, 1) = PlacedChara(1, 4);
  // Graphic 0 is an empty cell, whatever its control says.
  CharaAt(st, 0, 0) = PlacedChara(0, 5);
  CharaAt(st, 0, 0).m_nGraphic = 0;
  const cCellPos pos = st.FindPlayer();
  EXPECT_EQ(7, pos.x);
  EXPECT_EQ(2, pos.y);
  EXPECT_TRUE(st.HasPlayer());
  st.KeepOnePlayer();
  EXPECT_EQ(std::vector<int>{3}, PlayerMarks(st));
  EXPECT_EQ(0, CharaAt(st, 7, 2).m_nGraphic);
  EXPECT_EQ(4, CharaAt(st, 1, 1).m_nHp);
  st.KeepOnePlayer();
  EXPECT_EQ(std::vector<int>{3}, PlayerMarks(st));
}

TEST(StageModel, PlacingKeepsOnePlayer) {
  cEdStage st;
  st.m_vPalChara.data()[0].m_nHp = 99;  // what a replaced player becomes

  // A computer character on the player's cell moves the player to the first empty cell.
  CharaAt(st, 0, 0) = PlacedChara(1, 1);
  CharaAt(st, 1, 0) = PlacedChara(0, 2);
  cEdChara enemy = PlacedChara(1, 3);
  enemy.m_bbInherit.assign(cEdChara::INHERIT_GROUPS, 1);
  st.SetCharaCell(1, 0, enemy);
  EXPECT_EQ(0, enemy.m_bbInherit[1]);  // the control group is never inherited by a placed character
  EXPECT_EQ(1, enemy.m_bbInherit[0]);
  EXPECT_EQ(3, CharaAt(st, 1, 0).m_nHp);
  EXPECT_EQ(0, CharaAt(st, 1, 0).m_bbInherit[1]);
  EXPECT_EQ(2, CharaAt(st, 2, 0).m_nHp);
  EXPECT_EQ(std::vector<int>{2}, PlayerMarks(st));

  // A new player replaces the old one with the palette's empty entry.
  cEdChara hero = PlacedChara(0, 4);
  st.SetCharaCell(5, 5, hero);
  EXPECT_EQ(std::vector<int>{4}, PlayerMarks(st));
  EXPECT_EQ(0, CharaAt(st, 2, 0).m_nGraphic);
  EXPECT_EQ(99, CharaAt(st, 2, 0).m_nHp);

  // A new player on the player's own cell: one player remains, the new one, also when the cell
  // the old player moves to comes after it.
  cEdChara hero2 = PlacedChara(0, 5);
  st.SetCharaCell(5, 5, hero2);
  EXPECT_EQ(std::vector<int>{5}, PlayerMarks(st));
  EXPECT_EQ(5, CharaAt(st, 5, 5).m_nHp);
  CharaAt(st, 5, 5) = PlacedChara(1, 8);
  CharaAt(st, 0, 0) = PlacedChara(0, 6);
  cEdChara hero3 = PlacedChara(0, 7);
  st.SetCharaCell(0, 0, hero3);
  EXPECT_EQ(std::vector<int>{7}, PlayerMarks(st));
}

TEST(StageModel, ADisplacedPlayerNeverMovesIntoThePadding) {
  cEdStage st;  // 20 wide, pitch 32
  for (int x = 0; x < 20; ++x) CharaAt(st, x, 0) = PlacedChara(1, x + 1);
  CharaAt(st, 4, 0) = PlacedChara(0, 50);
  cEdChara enemy = PlacedChara(1, 60);
  st.SetCharaCell(4, 0, enemy);
  EXPECT_EQ(0, st.m_vCharaGrid.Unwatched(20).m_nGraphic);
  EXPECT_EQ(50, CharaAt(st, 0, 1).m_nHp);
  EXPECT_EQ(std::vector<int>{50}, PlayerMarks(st));
}

TEST(StageModel, ReapplyingAndRefreshingFollowThePalettes) {
  cEdPalette savedCommon;
  savedCommon.m_vBlock = CommonPalette.m_vBlock;
  CommonPalette.m_vBlock.resize(2);
  CommonPalette.m_vBlock[1].m_nGraphic = 30;
  cEdStage st;
  st.m_vPalBlock.resize(2);
  cEdBlock& entry = st.m_vPalBlock[1];
  entry.m_nGraphic = 20;
  entry.m_nInheritPal = SRC_COMMON;
  entry.m_nInheritNo = 1;
  entry.m_bbInherit[2] = 1;  // the graphic group
  cEdBlock cell;
  cell.m_nGraphic = 1;
  cell.m_nInheritPal = SRC_STAGE;
  cell.m_nInheritNo = 1;
  cell.m_bbInherit[2] = 1;
  st.m_vBlockGrid.Unwatched(st.CellIndex(2, 2)) = cell;

  st.RefreshBlockCells();  // the cell takes the stage entry as it is
  EXPECT_EQ(20, st.m_vBlockGrid.Unwatched(st.CellIndex(2, 2)).m_nGraphic);
  st.ReapplyBlockInherit();  // the entry takes the common entry first, then the cell the entry
  EXPECT_EQ(30, st.m_vPalBlock[1].m_nGraphic);
  EXPECT_EQ(30, st.m_vBlockGrid.Unwatched(st.CellIndex(2, 2)).m_nGraphic);
  CommonPalette.m_vBlock = savedCommon.m_vBlock;
}

TEST(StageModel, OptionTablesAreClosed) {
  EXPECT_TRUE(IsClosedTable(ScrollModeNames));
  EXPECT_TRUE(IsClosedTable(ResizeDirXNames));
  EXPECT_TRUE(IsClosedTable(ResizeDirYNames));
  EXPECT_TRUE(IsClosedTable(HitLevelNames));
  EXPECT_TRUE(IsClosedTable(ShotPrecisionNames));
  EXPECT_TRUE(IsClosedTable(RangePosNames));
  EXPECT_TRUE(IsClosedTable(RangePosNames2));
  EXPECT_TRUE(IsClosedTable(RangeShowNames));
  EXPECT_TRUE(IsClosedTable(RangeColorNames));
  EXPECT_TRUE(IsClosedTable(WheelDirNames));
  EXPECT_STREQ("レベル10 (速度制限=600)", HitLevelNames[9]);
  EXPECT_STREQ("レベル1 (速度制限=600)", HitLevelNames[10]);
  EXPECT_STREQ("レベル9 (速度制限=600)", HitLevelNames[18]);
}
