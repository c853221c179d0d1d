// The undo store on a small stage: its depth, the order of its steps, redo, the masks, and its
// size cut down when free memory is short.
#include <gtest/gtest.h>

#include "model/Stage.h"
#include "model/StageEditState.h"
#include "support/TestSupport.h"

namespace {

uint64_t s_nFreeMem = 0;
uint64_t FakeFreeMem() { return s_nFreeMem; }

class UndoStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Stage.Reset();
    Stage.m_nUndoDepth = 2;
    s_nFreeMem = uint64_t(1) << 40;
    m_pfnOld = SetFreeMemFn(FakeFreeMem);
    StageEditState.AllocUndo(2, Stage.m_nPitch, Stage.m_nHeight);
  }
  void TearDown() override {
    SetFreeMemFn(m_pfnOld);
    StageEditState.ClearUndo();
    g_bTestPlayLaunching = 0;
    Stage.Reset();
  }
  // Places block number n at (0, 0) after pushing an undo step of the given mask.
  void Edit(int16_t n, int32_t nMask = UNDO_ALL) {
    StageEditState.PushSnapshot(nMask, StageEditState.m_Undo, Stage.m_vBlockGrid,
                                Stage.m_vCharaGrid, Stage.m_vItemGrid);
    StageEditState.m_Redo.m_nCount = 0;
    Stage.m_vBlockGrid[0].m_nGraphic = n;
  }
  void Undo() { StageEditState.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid); }
  void Redo() { StageEditState.Redo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid); }
  int16_t Cell() const { return Stage.m_vBlockGrid[0].m_nGraphic; }

  FreeMemFn m_pfnOld = nullptr;
};

TEST_F(UndoStoreTest, FullStackDropsTheOldestAndRedoGoesBack) {
  Edit(1);
  Edit(2);
  Edit(3);
  EXPECT_EQ(2, StageEditState.m_Undo.m_nCount);
  Undo();
  EXPECT_EQ(2, Cell());
  Undo();
  EXPECT_EQ(1, Cell());
  Undo();  // the step before 1 was dropped
  EXPECT_EQ(1, Cell());
  EXPECT_EQ(2, StageEditState.m_Redo.m_nCount);
  Redo();
  EXPECT_EQ(2, Cell());
  Edit(7);  // a new edit empties the redo stack
  EXPECT_EQ(0, StageEditState.m_Redo.m_nCount);
  Undo();
  EXPECT_EQ(2, Cell());
}

TEST_F(UndoStoreTest, AStepRestoresOnlyTheLayersOfItsMaskAndKeepsEmptiedCellsFields) {
  Stage.m_vBlockGrid[0].m_nFrame = 9;
  Stage.m_vItemGrid[1].m_nGraphic = 4;
  Edit(5, UNDO_ITEM);  // the block change is not in the step
  Stage.m_vItemGrid[1].m_nGraphic = 0;
  Undo();
  EXPECT_EQ(5, Cell());
  EXPECT_EQ(4, Stage.m_vItemGrid[1].m_nGraphic);
  // An undo that empties a cell sets only its graphic number.
  Stage.m_vBlockGrid[0].m_nGraphic = 0;
  Edit(6, UNDO_BLOCK);
  Undo();
  EXPECT_EQ(0, Cell());
  EXPECT_EQ(9, Stage.m_vBlockGrid[0].m_nFrame);
}

TEST_F(UndoStoreTest, NothingIsPushedWithDepthZeroDuringALaunchOrAfterTheStoreWasEmptied) {
  g_bTestPlayLaunching = 1;
  Edit(1);
  EXPECT_EQ(0, StageEditState.m_Undo.m_nCount);
  g_bTestPlayLaunching = 0;
  StageEditState.ClearUndo();
  Edit(2);
  EXPECT_EQ(0, StageEditState.m_Undo.m_nCount);
  Stage.m_nUndoDepth = 0;
  StageEditState.AllocUndo(0, Stage.m_nPitch, Stage.m_nHeight);
  Edit(3);
  EXPECT_EQ(0, StageEditState.m_Undo.m_nCount);
}

TEST_F(UndoStoreTest, ShortMemoryLowersTheDepthAndTheStageKeepsIt) {
  uint64_t nSize = cStageEditState::SnapshotSize(Stage.m_nPitch, Stage.m_nHeight);
  EXPECT_EQ(uint64_t(15) * 32 * 2325, nSize);  // a 20-wide stage has a pitch of 32
  Stage.m_nUndoDepth = 9;
  struct {
    uint64_t nFree;
    int32_t nDepth;
  } aCases[] = {
      {nSize * 19, 9},           // exactly enough
      {nSize * 19 - 1, 8},       // one byte short: one step less
      {nSize * 6, 2},            // (6 - 1) / 2
      {nSize + 2 * nSize - 1, 0},
      {nSize - 1, 0},
  };
  for (const auto& c : aCases) {
    Stage.m_nUndoDepth = 9;
    s_nFreeMem = c.nFree;
    StageEditState.AllocUndo(9, Stage.m_nPitch, Stage.m_nHeight);
    EXPECT_EQ(c.nDepth, Stage.m_nUndoDepth) << c.nFree;
    EXPECT_EQ(c.nDepth, StageEditState.m_Undo.Allocated()) << c.nFree;
    EXPECT_EQ(c.nDepth, StageEditState.m_Redo.Allocated()) << c.nFree;
  }
  // More than 4 GiB free: a large stage keeps the depth the author set (21.6 GiB once read as 1.6).
  Stage.SetSize(512, 512, 0, 0);
  Stage.m_nUndoDepth = 9;
  s_nFreeMem = uint64_t(216) * (uint64_t(1) << 30) / 10;
  StageEditState.AllocUndo(9, Stage.m_nPitch, Stage.m_nHeight);
  EXPECT_EQ(9, Stage.m_nUndoDepth);
  EXPECT_EQ(9, StageEditState.m_Undo.Allocated());
  // The pitch is rounded up to a power of two.
  EXPECT_EQ(uint64_t(512) * 512 * 2325, cStageEditState::SnapshotSize(500, 512));
}

// A step over an area of equal records keeps that record once, with the cells that held it; undo
// and redo give every cell its record back, and the redo step shares the new records the same way.
TEST_F(UndoStoreTest, AStepOverAnAreaOfOneRecordKeepsItOnceAndRestoresEveryCell) {
  cEdBlock wall;
  wall.m_nGraphic = 4;
  wall.m_strName = "壁";
  wall.m_vCond.resize(1);
  cEdBlock other = wall;
  other.m_nFrame = 2;
  const int32_t nCells = Stage.m_nPitch * Stage.m_nHeight;
  for (int32_t i = 0; i < nCells; ++i)
    if ((i & (Stage.m_nPitch - 1)) < Stage.m_nWidth) Stage.m_vBlockGrid.Unwatched(i) = i == 40 ? other : wall;
  StageEditState.PushSnapshot(UNDO_BLOCK, StageEditState.m_Undo, Stage.m_vBlockGrid, Stage.m_vCharaGrid,
                              Stage.m_vItemGrid);
  cEdBlock brick = wall;
  brick.m_nGraphic = 9;
  for (int32_t i = 0; i < nCells; ++i)
    if ((i & (Stage.m_nPitch - 1)) < Stage.m_nWidth) Stage.m_vBlockGrid.Set(i, brick);
  const cUndoCells<cEdBlock>& step = StageEditState.m_Undo.m_dSteps.front().m_Block;
  EXPECT_EQ(3u, step.m_vOld.size());  // wall, the other record, wall again
  Undo();
  const cUndoCells<cEdBlock>& redo = StageEditState.m_Redo.m_dSteps.front().m_Block;
  EXPECT_EQ(1u, redo.m_vOld.size());
  for (int32_t i = 0; i < nCells; ++i) {
    const bool bInside = (i & (Stage.m_nPitch - 1)) < Stage.m_nWidth;
    ASSERT_TRUE(Stage.m_vBlockGrid[i].SameFields(!bInside ? cEdBlock() : i == 40 ? other : wall)) << i;
  }
  Redo();
  for (int32_t i = 0; i < nCells; ++i)
    ASSERT_EQ((i & (Stage.m_nPitch - 1)) < Stage.m_nWidth ? 9 : 0, Stage.m_vBlockGrid[i].m_nGraphic) << i;
}

// A step keeps the bits of the cells it touched by the pages they lie in, whatever the stage's
// size: a press far into a large stage makes one page.
TEST_F(UndoStoreTest, AStepKeepsOnlyThePagesOfTheCellsItTouched) {
  Stage.SetSize(512, 512, 0, 0);
  StageEditState.AllocUndo(2, Stage.m_nPitch, Stage.m_nHeight);
  const int32_t nFar = Stage.CellIndex(300, 400), nNear = Stage.CellIndex(1, 0);
  Stage.m_vBlockGrid.Unwatched(nNear).m_nGraphic = 3;
  StageEditState.PushSnapshot(UNDO_ALL, StageEditState.m_Undo, Stage.m_vBlockGrid, Stage.m_vCharaGrid,
                              Stage.m_vItemGrid);
  Stage.m_vBlockGrid[nFar].m_nGraphic = 5;
  const cUndoCells<cEdBlock>& step = StageEditState.m_Undo.m_dSteps.front().m_Block;
  EXPECT_EQ(1u, step.m_vPage.size());
  Stage.m_vBlockGrid[nNear].m_nGraphic = 6;
  EXPECT_EQ(2u, step.m_vPage.size());
  EXPECT_TRUE(step.Seen(nFar) && step.Seen(nNear) && !step.Seen(nFar + 1));
  EXPECT_TRUE(step.Held(nNear) && !step.Held(nFar));
  Undo();
  EXPECT_EQ(0, Stage.m_vBlockGrid[nFar].m_nGraphic);
  EXPECT_EQ(3, Stage.m_vBlockGrid[nNear].m_nGraphic);
}

}  // namespace
