#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/Block.h"
#include "model/StageGrid.h"

namespace {

cEdBlock Block(int16_t nGraphic, int16_t nFrame) {
  cEdBlock b;
  b.m_nGraphic = nGraphic;
  b.m_nFrame = nFrame;
  return b;
}

// What the grid should hold: every cell's record and whether it has one of its own.
struct cModel {
  std::vector<cEdBlock> vRec;
  std::vector<bool> vHeld;
  explicit cModel(size_t n) : vRec(n), vHeld(n, false) {}
};

// Compares every cell, the held cells' order as ForEach walks them, their count and the way back
// from each record to its cell.
void ExpectSame(const cStageGrid<cEdBlock>& g, const cModel& m, const std::string& strWhere) {
  ASSERT_EQ(m.vRec.size(), g.size()) << strWhere;
  size_t nHeld = 0;
  for (size_t i = 0; i < m.vRec.size(); ++i) {
    const int k = static_cast<int>(i);
    ASSERT_TRUE(g.Get(k).SameFields(m.vRec[i])) << strWhere << " cell " << i;
    ASSERT_EQ(m.vHeld[i], g.Holds(k)) << strWhere << " cell " << i;
    if (m.vHeld[i]) {
      ++nHeld;
      // The way back leads to the cell, or to another cell that shares its record.
      const int32_t nBack = g.IndexOf(&g.Get(k));
      ASSERT_TRUE(nBack == k || (nBack >= 0 && &g.Get(nBack) == &g.Get(k))) << strWhere << " cell " << i;
    }
  }
  EXPECT_EQ(nHeld, g.Held()) << strWhere;
  std::vector<int32_t> vSeen;
  g.ForEach([&vSeen](int32_t i, const cEdBlock&) { vSeen.push_back(i); });
  std::vector<int32_t> vWant;
  for (size_t i = 0; i < m.vHeld.size(); ++i)
    if (m.vHeld[i]) vWant.push_back(static_cast<int32_t>(i));
  EXPECT_EQ(vWant, vSeen) << strWhere;
}

// The edits both random tests make, on the grid and on the model alike.
void EraseBoth(cStageGrid<cEdBlock>& g, cModel& m, int i) {
  g.Erase(i);
  m.vRec[static_cast<size_t>(i)] = cEdBlock();
  m.vHeld[static_cast<size_t>(i)] = false;
}
// Emptied in place, then freed only if nothing else is left in it.
void EmptyBoth(cStageGrid<cEdBlock>& g, cModel& m, int i) {
  const size_t k = static_cast<size_t>(i);
  if (g.Holds(i)) g.Unwatched(i).m_nGraphic = 0;
  g.Tidy(i);
  if (m.vHeld[k]) m.vRec[k].m_nGraphic = 0;
  if (m.vHeld[k] && m.vRec[k].SameFields(cEdBlock())) m.vHeld[k] = false;
}

}  // namespace

// Random writes, empties and releases on a grid of pages that fill in order, out of order and
// partly (300 cells: the last page is cut short), checked against plain records after every step.
TEST(StageGrid, RandomEditsKeepEveryCellAndTheWayBackFromEachRecord) {
  for (unsigned nSeed : {1u, 7u, 42u}) {
    std::mt19937 rng(nSeed);
    cStageGrid<cEdBlock> g;
    g.Assign(300);
    cModel m(300);
    // Half of the runs start from a grid laid out in order, as a loaded stage is.
    if (nSeed != 7)
      for (size_t i = 0; i < 300; i += 3) {
        g.Unwatched(static_cast<int>(i)) = Block(1, static_cast<int16_t>(i));
        m.vRec[i] = Block(1, static_cast<int16_t>(i));
        m.vHeld[i] = true;
      }
    ExpectSame(g, m, "start " + std::to_string(nSeed));
    for (int nStep = 0; nStep < 1500; ++nStep) {
      const int i = static_cast<int>(rng() % 300);
      const int16_t v = static_cast<int16_t>(rng() % 50);
      switch (rng() % 6) {
        case 0:
        case 1:  // a placed record
          g.Set(i, Block(static_cast<int16_t>(1 + v % 5), v));
          m.vRec[i] = Block(static_cast<int16_t>(1 + v % 5), v);
          m.vHeld[i] = true;
          break;
        case 2:  // the empty record frees the cell
          g.Set(i, cEdBlock());
          m.vRec[i] = cEdBlock();
          m.vHeld[i] = false;
          break;
        case 3:  // an empty cell that keeps other fields keeps its record
          g.Unwatched(i) = Block(0, static_cast<int16_t>(v + 1));
          m.vRec[i] = Block(0, static_cast<int16_t>(v + 1));
          m.vHeld[i] = true;
          break;
        case 4:
          EraseBoth(g, m, i);
          break;
        default:
          EmptyBoth(g, m, i);
          break;
      }
      ExpectSame(g, m, "seed " + std::to_string(nSeed) + " step " + std::to_string(nStep));
      if (HasFatalFailure()) return;
    }
    cStageGrid<cEdBlock> copy(g);
    ExpectSame(copy, m, "copy");
    cStageGrid<cEdBlock> other;
    other.swap(copy);
    ExpectSame(other, m, "swapped");
    EXPECT_EQ(0u, copy.size());
  }
}

// An empty layer costs bits, not records; records come and go with the cells that hold them.
TEST(StageGrid, EmptyCellsCostNoRecords) {
  cStageGrid<cEdBlock> g;
  g.Assign(512 * 512);
  EXPECT_EQ(0u, g.Held());
  EXPECT_LT(g.Footprint(), 512u * 512u / 2);
  EXPECT_EQ(0, g.Get(1000).m_nGraphic);
  EXPECT_FALSE(g.Placed(1000));
  for (int i = 0; i < 512 * 512; i += 10) g.Set(i, Block(2, 0));
  EXPECT_EQ(26215u, g.Held());
  const size_t nFootprint = g.Footprint();
  for (int i = 0; i < 512 * 512; i += 10) g.Erase(i);
  EXPECT_EQ(0u, g.Held());
  // Freed room is taken again before the grid grows, and the cells written again in order keep
  // their pages as runs.
  for (int i = 1; i < 512 * 512; i += 10) g.Set(i, Block(3, 0));
  EXPECT_EQ(26215u, g.Held());
  EXPECT_EQ(nFootprint, g.Footprint());
}

// Records lie in chunks that grow with the grid: a grid of many cells, written out of order and
// partly emptied, keeps every record and the way back to its cell across the chunks. Emptying the
// grid keeps the chunks for the next records; clearing it gives them up.
TEST(StageGrid, RecordsInGrowingChunksKeepTheirCells) {
  const int N = 40000;
  cStageGrid<cEdBlock> g;
  g.Assign(N);
  cModel m(N);
  std::mt19937 rng(5);
  for (int k = 0; k < N; ++k) {
    const int i = (k * 7919) % N;  // every cell once, out of order
    const cEdBlock b = Block(static_cast<int16_t>(1 + i % 30000), static_cast<int16_t>(i % 7));
    g.Set(i, b);
    m.vRec[i] = b;
    m.vHeld[i] = true;
  }
  for (int k = 0; k < N / 3; ++k) {
    const int i = static_cast<int>(rng() % N);
    g.Erase(i);
    m.vRec[i] = cEdBlock();
    m.vHeld[i] = false;
  }
  ExpectSame(g, m, "grown");
  g.Assign(N);
  EXPECT_EQ(0u, g.Held());
  const size_t nKept = g.Footprint();
  EXPECT_GE(nKept, size_t(N) * sizeof(cEdBlock));
  for (int i = 0; i < N; i += 2) g.Set(i, Block(4, 1));
  EXPECT_EQ(nKept, g.Footprint());
  EXPECT_EQ(4, g.Get(N - 2).m_nGraphic);
  g.clear();
  EXPECT_EQ(0u, g.Footprint());
}

// A grid told how many records are coming takes a first chunk of just that many (up to a full
// chunk, whatever it is told) and grows as usual beyond it; every record keeps its cell across
// the first chunk and the ones after it.
TEST(StageGrid, FirstChunkSizedForTheRecordsToCome) {
  const int N = 20000;
  struct cCase {
    size_t nReserve;
    int nWritten;
    int64_t nSlots, nPlainSlots;  // the slots of the chunks taken, and without the count
  } cases[] = {
      {300, 300, 300, 512},          // a small layer: no room for a second growing chunk
      {5000, 5000, 4096 + 1024, 8192},  // more than a full chunk: a full one, then the growing ones
      {1000000, 10, 4096, 256},      // a count that the cells cannot hold is not trusted beyond a full chunk
  };
  for (const cCase& c : cases) {
    const std::string strCase = "reserve " + std::to_string(c.nReserve);
    cStageGrid<cEdBlock> g, plain;
    g.Assign(N);
    plain.Assign(N);
    g.ReserveFirst(c.nReserve);
    cModel m(N);
    for (int k = 0; k < c.nWritten; ++k) {
      const int i = (k * 7919) % N;
      const cEdBlock b = Block(static_cast<int16_t>(1 + k), static_cast<int16_t>(k % 5));
      g.Set(i, b);
      plain.Set(i, b);
      m.vRec[i] = b;
      m.vHeld[i] = true;
    }
    ExpectSame(g, m, strCase);
    EXPECT_EQ((c.nSlots - c.nPlainSlots) * static_cast<int64_t>(sizeof(cEdBlock)),
              static_cast<int64_t>(g.Footprint()) - static_cast<int64_t>(plain.Footprint()))
        << strCase;
    // Emptied and written again, it takes no chunk more.
    const size_t nBefore = g.Footprint();
    g.Assign(N);
    for (int k = 0; k < c.nWritten; ++k) g.Set((k * 7919) % N, Block(7, 0));
    EXPECT_EQ(nBefore, g.Footprint()) << strCase;
    g.clear();
    EXPECT_EQ(0u, g.Footprint()) << strCase;
  }
}

// A data sheet keeps the address of the record it edits: emptying the cell leaves that record
// where it is, emptied, and the grid still finds its cell.
TEST(StageGrid, APinnedRecordStaysWhereItIsWhenItsCellIsEmptied) {
  cStageGrid<cEdBlock> g;
  g.Assign(200);
  for (int i = 0; i < 200; i += 2) g.Set(i, Block(1, 1));
  cEdBlock* p = &g.Pin(70);
  g.Erase(70);
  EXPECT_EQ(p, &g.Get(70));
  EXPECT_FALSE(g.Placed(70));
  EXPECT_EQ(70, g.IndexOf(p));
  *p = Block(4, 4);  // the sheet writes back
  EXPECT_TRUE(g.Placed(70));
  // Other cells come and go around it.
  for (int i = 0; i < 200; ++i)
    if (i != 70) g.Erase(i);
  for (int i = 199; i >= 0; --i)
    if (i != 70) g.Set(i, Block(2, static_cast<int16_t>(i)));
  EXPECT_EQ(p, &g.Get(70));
  EXPECT_EQ(4, g.Get(70).m_nFrame);
  cEdBlock outside;
  EXPECT_EQ(-1, g.IndexOf(&outside));
  g.Assign(200);  // a new layout frees it
  EXPECT_EQ(0u, g.Held());
}

namespace {

struct cRecorder : cCellWatcher {
  std::vector<std::pair<int32_t, int16_t>> vTold;  // cell, graphic it had
  void CellTouched(int32_t, int32_t nIndex, const void* pOld) override {
    vTold.emplace_back(nIndex, static_cast<const cEdBlock*>(pOld)->m_nGraphic);
  }
};

}  // namespace

// Writes tell the watcher while the cell still holds its old record; the bulk passes do not.
TEST(StageGrid, WritesTellTheWatcherTheOldRecordBulkPassesDoNot) {
  cStageGrid<cEdBlock> g;
  g.Assign(64);
  cRecorder rec;
  g.SetWatcher(&rec, 0);
  g.Set(3, Block(5, 0));
  g[4].m_nGraphic = 6;
  g.Erase(3);
  g.Touch(4);
  g.Unwatched(5) = Block(7, 0);
  g.Release(4);
  g.Tidy(5);
  const std::vector<std::pair<int32_t, int16_t>> vWant = {{3, 0}, {4, 0}, {3, 5}, {4, 6}};
  EXPECT_EQ(vWant, rec.vTold);
  g.SetWatcher(nullptr, 0);
}

// A fill shares one record between the cells it gives the same brush cell; every way of writing a
// cell on its own, emptying it or walking the cells one by one leaves the other cells as they
// were, and the passes that change every record alike change a shared one once.
TEST(StageGrid, FilledCellsShareARecordUntilOneIsWrittenOnItsOwn) {
  for (unsigned nSeed : {3u, 11u}) {
    std::mt19937 rng(nSeed);
    const int N = 640;
    cStageGrid<cEdBlock> g;
    g.Assign(N);
    cModel m(N);
    for (int i = 0; i < N; i += 4) {
      g.Unwatched(i) = Block(1, static_cast<int16_t>(i % 9));
      m.vRec[i] = g.Get(i);
      m.vHeld[i] = true;
    }
    for (int nStep = 0; nStep < 400; ++nStep) {
      const int i = static_cast<int>(rng() % N);
      const int16_t v = static_cast<int16_t>(rng() % 50);
      switch (rng() % 8) {
        case 0:
        case 1: {  // a fill of a stretch from a brush of two cells
          const std::vector<cEdBlock> vBrush = {Block(static_cast<int16_t>(1 + v % 3), 2), Block(9, v)};
          const int nLen = static_cast<int>(rng() % 200);
          const bool bWatched = rng() % 2;
          cStageGrid<cEdBlock>::cShareScope share(g);
          for (int j = i; j < i + nLen && j < N; ++j) {
            const cEdBlock& b = vBrush[static_cast<size_t>(j / 40 % 2)];
            bWatched ? g.SetShared(j, b) : g.PutShared(j, b);
            m.vRec[static_cast<size_t>(j)] = b;
            m.vHeld[static_cast<size_t>(j)] = true;
          }
          break;
        }
        case 2:
          g.Set(i, Block(4, v));
          m.vRec[i] = Block(4, v);
          m.vHeld[i] = true;
          break;
        case 3:
          g[i].m_nFrame = v;
          m.vRec[i].m_nFrame = v;
          m.vHeld[i] = true;
          break;
        case 4:
          EraseBoth(g, m, i);
          break;
        case 5:
          EmptyBoth(g, m, i);
          break;
        case 6:  // alike for every record
          g.ForEachRecord([v](cEdBlock& b) { b.m_nMarkNo = v; });
          for (size_t k = 0; k < m.vRec.size(); ++k)
            if (m.vHeld[k]) m.vRec[k].m_nMarkNo = v;
          break;
        default:  // cell by cell, from two threads at once as the stage writer walks a layer
          if (rng() % 4) break;
          {
            auto pass = [&g](size_t b, size_t e) {
              g.ForRange(b, e, [](int32_t k, cEdBlock& r) { r.m_nItemNo = static_cast<int16_t>(k % 11); });
            };
            std::thread t(pass, N / 2, N);
            pass(0, N / 2);
            t.join();
          }
          EXPECT_EQ(0u, g.SharingCells());
          for (size_t k = 0; k < m.vRec.size(); ++k)
            if (m.vHeld[k]) m.vRec[k].m_nItemNo = static_cast<int16_t>(k % 11);
          break;
      }
      ExpectSame(g, m, "seed " + std::to_string(nSeed) + " step " + std::to_string(nStep));
      if (HasFatalFailure()) return;
    }
    cStageGrid<cEdBlock> copy(g);
    ExpectSame(copy, m, "copy");
    EXPECT_EQ(0u, copy.SharingCells());
    cStageGrid<cEdBlock> other;
    other.swap(g);
    ExpectSame(other, m, "swapped");
  }
}

// What a large fill costs the grid: a slot number per cell, not a record.
TEST(StageGrid, AFillTakesRoomForItsBrushNotForEachCell) {
  cStageGrid<cEdBlock> g;
  g.Assign(512 * 512);
  const cEdBlock b = Block(3, 1);
  {
    cStageGrid<cEdBlock>::cShareScope share(g);
    for (int i = 0; i < 512 * 512; ++i) g.SetShared(i, b);
  }
  EXPECT_EQ(512u * 512u, g.Held());
  EXPECT_EQ(512u * 512u, g.SharingCells());
  EXPECT_LT(g.Footprint(), 512u * 512u * sizeof(cEdBlock) / 8);
  // Another fill with an equal record at the same address after the scope ended is a fill of its
  // own: the brush may have changed in between.
  cEdBlock brush = Block(3, 1);
  {
    cStageGrid<cEdBlock>::cShareScope share(g);
    g.SetShared(0, brush);
  }
  brush.m_nFrame = 5;
  {
    cStageGrid<cEdBlock>::cShareScope share(g);
    g.SetShared(1, brush);
  }
  EXPECT_EQ(1, g.Get(0).m_nFrame);
  EXPECT_EQ(5, g.Get(1).m_nFrame);
  EXPECT_EQ(1, g.Get(2).m_nFrame);
}
