// The world map's undo store: three steps each way, redo emptied only by a new step, everything
// dropped when memory is short, and the selection each palette mode keeps.
#include <gtest/gtest.h>

#include "model/WorldMap.h"
#include "model/WorldMapEditState.h"

namespace {

class WorldMapUndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_Grid.assign(4, 0);
    WorldMapEditState.Reset();
  }
  void TearDown() override {
    cWorldMapEditState::SetFreeMemFn(nullptr);
    WorldMapEditState.Reset();
  }
  // One change: a step of the state before it, then the first cell becomes n and an event n is
  // placed.
  void Change(int32_t n) {
    cWorldMapEditState& st = WorldMapEditState;
    st.PushSnapshot(st.m_UndoGrids, st.m_UndoEvents, m_Grid, m_Events);
    st.m_RedoGrids.clear();
    st.m_RedoEvents.clear();
    m_Grid[0] = n;
    m_Events.emplace_back();
    m_Events.back().m_nX = n;
  }
  void Undo() { WorldMapEditState.Undo(m_Grid, m_Events); }
  void Redo() { WorldMapEditState.Redo(m_Grid, m_Events); }

  cChkVector<int32_t> m_Grid;
  cChkVector<cEdWmEvent> m_Events;
};

TEST_F(WorldMapUndoTest, KeepsThreeStepsAndTheFourthUndoDoesNothing) {
  for (int32_t n = 1; n <= 4; ++n) Change(n);
  EXPECT_EQ(3u, WorldMapEditState.m_UndoGrids.size());
  EXPECT_EQ(3u, WorldMapEditState.m_UndoEvents.size());
  const int32_t anAfter[] = {3, 2, 1};
  for (int32_t nWant : anAfter) {
    Undo();
    EXPECT_EQ(nWant, m_Grid[0]);
    EXPECT_EQ(static_cast<size_t>(nWant), m_Events.size());
  }
  Undo();
  EXPECT_EQ(1, m_Grid[0]);
  EXPECT_FALSE(WorldMapEditState.CanUndo());
  EXPECT_EQ(3u, WorldMapEditState.m_RedoGrids.size());
}

TEST_F(WorldMapUndoTest, RedoRestoresTheUndoneStateUntilANewChangeEmptiesIt) {
  Change(1);
  Change(2);
  Undo();
  EXPECT_EQ(1, m_Grid[0]);
  Redo();
  EXPECT_EQ(2, m_Grid[0]);
  ASSERT_EQ(2u, m_Events.size());
  EXPECT_EQ(2, m_Events[1].m_nX);
  EXPECT_FALSE(WorldMapEditState.CanRedo());
  EXPECT_EQ(2u, WorldMapEditState.m_UndoGrids.size());

  Undo();
  Change(7);
  EXPECT_FALSE(WorldMapEditState.CanRedo());
  Redo();
  EXPECT_EQ(7, m_Grid[0]);
}

TEST_F(WorldMapUndoTest, ShortMemoryDropsEveryStepAndTheUndoRestoresNothing) {
  Change(1);
  Change(2);
  Undo();
  ASSERT_TRUE(WorldMapEditState.CanRedo());
  // 4 cells and one event of one page: 16 + 76 + 16 bytes; exactly that much free is not enough.
  EXPECT_EQ(108u, cWorldMapEditState::SnapshotSize(m_Grid, m_Events));
  cWorldMapEditState::SetFreeMemFn([]() -> uint64_t { return 108; });
  Undo();
  EXPECT_EQ(1, m_Grid[0]);
  EXPECT_FALSE(WorldMapEditState.CanUndo());
  EXPECT_FALSE(WorldMapEditState.CanRedo());
  cWorldMapEditState::SetFreeMemFn([]() -> uint64_t { return 109; });
  Change(3);
  EXPECT_TRUE(WorldMapEditState.CanUndo());
}

TEST_F(WorldMapUndoTest, EachPaletteModeKeepsItsSelectionAndBrushSize) {
  cWorldMapEditState& st = WorldMapEditState;
  st.m_nSelected = 4;
  st.m_nBrushW = 3;
  st.m_nBrushH = 2;
  st.SetPaletteMode(1);
  EXPECT_EQ(1, st.m_nPaletteMode);
  EXPECT_EQ(0, st.m_nSelected);  // template 0 of the map
  EXPECT_EQ(1, st.m_nBrushW);
  st.m_nSelected = -1;
  st.TogglePaletteMode();
  EXPECT_EQ(0, st.m_nPaletteMode);
  EXPECT_EQ(4, st.m_nSelected);
  EXPECT_EQ(3, st.m_nBrushW);
  EXPECT_EQ(2, st.m_nBrushH);
  st.TogglePaletteMode();
  EXPECT_EQ(-1, st.m_nSelected);
  st.SetPaletteMode(2);
  EXPECT_EQ(1, st.m_nPaletteMode);
}

}  // namespace
