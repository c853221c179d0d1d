// Editing costs on stages of 64 x 64, 256 x 256 and 512 x 512 cells with a tenth of their cells
// placed and an undo depth of 9:
// - pen clicks (a press with its undo step, and its release), timed in batches of 2,000 clicks, the
//   sizes taking turns batch by batch in an order that changes from round to round;
// - per layer, on a stage set up afresh in this process, a fill of the emptied layer with its undo
//   step, its undo and its redo, the sizes taking turns;
// - per layer, the first fill on a 512 x 512 stage just opened from its file, each in a fresh
//   process, beside the open itself and the same fill once more in that process.
// Every figure is a median. (What opening a stage with its undo store costs against a stage without
// one is measured with the load, in StageFileBench.)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchChild.h"
#include "bench/BenchClock.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "stage/Tools.h"

namespace {

constexpr int RUNS = 7;
constexpr int32_t DEPTH = 9;
const int32_t SIZES[] = {64, 256, 512};
constexpr int NSIZES = 3;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

class cHost : public cToolHost {
 public:
  void PushUndo(int32_t nMask) override {
    StageEditState.PushSnapshot(nMask, StageEditState.m_Undo, Stage.m_vBlockGrid, Stage.m_vCharaGrid,
                                Stage.m_vItemGrid);
    StageEditState.m_Redo.m_nCount = 0;
  }
  void EditCell() override {}
};

// A tenth of the cells of every layer placed, spread over the stage.
void MakeStage(cEdStage& stage, int32_t nSize) {
  stage.Reset();
  stage.SetSize(nSize, nSize, 0, 0);
  stage.m_nUndoDepth = DEPTH;
  for (int32_t y = 0; y < nSize; ++y)
    for (int32_t x = 0; x < nSize; ++x) {
      const int32_t n = x + y * nSize;
      if (n % 10 != 3) continue;
      const int32_t i = stage.CellIndex(x, y);
      stage.m_vBlockGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 7);
      stage.m_vCharaGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 5);
      stage.m_vCharaGrid.Unwatched(i).m_nControl = 1;
      stage.m_vItemGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 3);
    }
}

void SetBrush() {
  cStageEditState& st = StageEditState;
  st.m_nBrushWidth = st.m_nBrushHeight = 1;
  st.m_vBrushBlock.assign(1, cEdBlock());
  st.m_vBrushChara.assign(1, cEdChara());
  st.m_vBrushItem.assign(1, cEdItem());
  st.m_vBrushBlock[0].m_nGraphic = 9;
  st.m_vBrushChara[0].m_nGraphic = 9;
  st.m_vBrushChara[0].m_nControl = 1;
  st.m_vBrushItem[0].m_nGraphic = 9;
}

struct cFigures {
  std::vector<double> vClick, vFillBare;
  std::vector<double> vFill[LAYER_COUNT], vUndo[LAYER_COUNT], vRedo[LAYER_COUNT];
};

void Mouse(cHost& host, int32_t nTool, UINT uMsg, int32_t x, int32_t y) {
  StageEditState.SetTool(nTool);
  cToolContext ctx{Stage, StageEditState, host, x, y, false, uMsg != WM_LBUTTONUP};
  RouteViewMouse(ctx, uMsg);
}

// A stage as an author opens it: a tenth placed, the undo store made, the brush chosen.
void SetUp(int32_t nSize) {
  StageEditState.ClearUndo();
  MakeStage(Stage, nSize);
  StageEditState.Reset();
  SetBrush();
  StageEditState.AllocUndo(DEPTH, Stage.m_nPitch, Stage.m_nHeight);
}

constexpr int CLICKS = 2000;

// A stage of each size of its own, with an edit state and an undo store of its own, so that the
// sizes can take turns click batch by click batch.
struct cPenStage {
  std::unique_ptr<cEdStage> pStage{new cEdStage};
  std::unique_ptr<cStageEditState> pSt{new cStageEditState};
};

class cPenHost : public cToolHost {
 public:
  explicit cPenHost(cPenStage& ps) : m_Ps(ps) {}
  void PushUndo(int32_t nMask) override {
    cEdStage& stage = *m_Ps.pStage;
    m_Ps.pSt->PushSnapshot(nMask, m_Ps.pSt->m_Undo, stage.m_vBlockGrid, stage.m_vCharaGrid, stage.m_vItemGrid);
    m_Ps.pSt->m_Redo.m_nCount = 0;
  }
  void EditCell() override {}

 private:
  cPenStage& m_Ps;
};

void PenSetUp(cPenStage& ps, int32_t nSize) {
  MakeStage(*ps.pStage, nSize);
  // The undo store reads the depth of the editor's stage.
  Stage.m_nUndoDepth = DEPTH;
  ps.pSt->Reset();
  ps.pSt->SetTool(0);
  cStageEditState& st = *ps.pSt;
  st.m_vBrushBlock[0].m_nGraphic = 9;
  st.m_vBrushChara[0].m_nGraphic = 9;
  st.m_vBrushChara[0].m_nControl = 1;
  st.m_vBrushItem[0].m_nGraphic = 9;
  st.AllocUndo(DEPTH, ps.pStage->m_nPitch, ps.pStage->m_nHeight);
}

// CLICKS pen clicks (press and release, each press with its undo step) on the 64 cells around the
// middle, timed as one batch: seconds per click.
double PenClicks(cPenStage& ps, int32_t nSize) {
  cPenHost host(ps);
  auto click = [&](int32_t x, int32_t y) {
    for (UINT uMsg : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_LBUTTONUP)}) {
      cToolContext ctx{*ps.pStage, *ps.pSt, host, x, y, false, uMsg != WM_LBUTTONUP};
      RouteViewMouse(ctx, uMsg);
    }
  };
  const double t0 = Now();
  for (int k = 0; k < CLICKS; ++k) click(nSize / 2 - 4 + k % 8, nSize / 2 - 4 + k / 8 % 8);
  return (Now() - t0) / CLICKS;
}

// Each layer on a stage set up afresh: its fill (the layer emptied first, so the fill covers it
// whole) with its undo step, then the undo and the redo of that fill.
void FillLayer(int32_t nSize, int32_t nLayer, cFigures& f) {
  cHost host;
  SetUp(nSize);
  StageEditState.SelectLayer(nLayer);
  const int32_t nCells = Stage.m_nPitch * Stage.m_nHeight;
  if (nLayer == LAYER_BLOCK) cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, nCells);
  if (nLayer == LAYER_CHARA) cEdStage::ClearCharaGrid(Stage.m_vCharaGrid, nCells);
  if (nLayer == LAYER_ITEM) cEdStage::ClearItemGrid(Stage.m_vItemGrid, nCells);
  double t0 = Now();
  Mouse(host, 3, WM_LBUTTONDOWN, 1, 1);
  f.vFill[nLayer].push_back(Now() - t0);
  Mouse(host, 3, WM_LBUTTONUP, 1, 1);
  t0 = Now();
  StageEditState.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  f.vUndo[nLayer].push_back(Now() - t0);
  t0 = Now();
  StageEditState.Redo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  f.vRedo[nLayer].push_back(Now() - t0);
  StageEditState.ClearUndo();
}

// The same fill with no undo store, for comparison.
void FillBare(int32_t nSize, cFigures& f) {
  cHost host;
  SetUp(nSize);
  Stage.m_nUndoDepth = 0;
  StageEditState.ClearUndo();
  cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
  StageEditState.SelectLayer(LAYER_BLOCK);
  const double t0 = Now();
  Mouse(host, 3, WM_LBUTTONDOWN, 1, 1);
  f.vFillBare.push_back(Now() - t0);
  Mouse(host, 3, WM_LBUTTONUP, 1, 1);
}

void Target(const char* pszName, double dFigure, const char* pszUnit, double dGoal, bool bAtMost) {
  const bool bMet = bAtMost ? dFigure <= dGoal : dFigure >= dGoal;
  printf("target %s: %.3f%s (goal %s %.2f%s) %s\n", pszName, dFigure, pszUnit, bAtMost ? "<=" : ">=", dGoal,
         pszUnit, bMet ? "met" : "missed");
}


// ---------------------------------------------------------------------------------------------
// The first fill after an open: each in a process of its own that opens the stage from its file as
// the stage window does (the threaded load, then the undo store the file asks for) and fills one
// layer at once, so that nothing an earlier stage or fill left in the process helps it. The same
// fill once more after the undo of the first is the yardstick of what a fill costs in a warm
// process. A child writes its figures to a file for the parent.

const char* const OPEN_PATH = "bench_open.stg4_778";
const char* const RESULT_PATH = "bench_child.txt";

constexpr size_t CHILD_FIGURES = 9;

// bOk, open wall ms, open CPU ms, first fill wall ms, its CPU ms, the next fill's wall ms, its CPU
// ms, cells the first fill wrote, MiB of memory the first fill took.
int FirstFillChild(const char* pszPath, int32_t nLayer) {
  cHost host;
  int bOk = 0;
  const cTimes open = Timed([&] {
    bOk = Stage.LoadThreaded(pszPath);
    if (bOk) StageEditState.AllocUndo(Stage.m_nUndoDepth, Stage.m_nPitch, Stage.m_nHeight);
  });
  StageEditState.Reset();
  SetBrush();
  StageEditState.SelectLayer(nLayer);
  // Cell (0, 0) is empty, and the empty cells of a layer a tenth placed hang together.
  auto held = [nLayer] {
    return nLayer == LAYER_BLOCK   ? Stage.m_vBlockGrid.Held()
           : nLayer == LAYER_CHARA ? Stage.m_vCharaGrid.Held()
                                   : Stage.m_vItemGrid.Held();
  };
  const size_t nHeld0 = held();
  const double dMem0 = PrivateMiB();
  const cTimes first = Timed([&] { Mouse(host, 3, WM_LBUTTONDOWN, 0, 0); });
  const double dMem = PrivateMiB() - dMem0;
  Mouse(host, 3, WM_LBUTTONUP, 0, 0);
  const size_t nHeld1 = held();
  StageEditState.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  const cTimes next = Timed([&] { Mouse(host, 3, WM_LBUTTONDOWN, 0, 0); });
  Mouse(host, 3, WM_LBUTTONUP, 0, 0);
  return WriteChildFigures(RESULT_PATH, {static_cast<double>(bOk), open.tWall * 1e3, open.tCpu * 1e3,
                                         first.tWall * 1e3, first.tCpu * 1e3, next.tWall * 1e3, next.tCpu * 1e3,
                                         static_cast<double>(nHeld1 - nHeld0), dMem})
             ? 0
             : 1;
}

constexpr int OPEN_RUNS = 5;

// Every layer in OPEN_RUNS fresh processes, the layers taking turns in an order that rotates.
bool FirstFillFigures() {
  {
    std::unique_ptr<cEdStage> pSt(new cEdStage);
    MakeStage(*pSt, 512);
    if (!pSt->Save(OPEN_PATH)) {
      printf("the stage file could not be written\n");
      return false;
    }
  }
  std::vector<double> vOpen, vOpenCpu, vFirst[LAYER_COUNT], vFirstCpu[LAYER_COUNT], vNext[LAYER_COUNT],
      vNextCpu[LAYER_COUNT];
  double aCells[LAYER_COUNT] = {}, aMiB[LAYER_COUNT] = {};
  std::vector<double> v;
  for (int r = 0; r < OPEN_RUNS; ++r)
    for (int k = 0; k < LAYER_COUNT; ++k) {
      const int32_t nLayer = (r + k) % LAYER_COUNT;
      if (!RunChild(std::string("first-fill ") + OPEN_PATH + " " + std::to_string(nLayer), RESULT_PATH, v) ||
          v.size() != CHILD_FIGURES || v[0] != 1) {
        printf("OPEN OR FILL FAILED\n");
        DeleteFileA(OPEN_PATH);
        return false;
      }
      vOpen.push_back(v[1]);
      vOpenCpu.push_back(v[2]);
      vFirst[nLayer].push_back(v[3]);
      vFirstCpu[nLayer].push_back(v[4]);
      vNext[nLayer].push_back(v[5]);
      vNextCpu[nLayer].push_back(v[6]);
      aCells[nLayer] = v[7];
      aMiB[nLayer] = v[8];
    }
  DeleteFileA(OPEN_PATH);
  printf("stage 512 x 512, 10%% placed, undo depth %d, opened from its file in a fresh process (medians of %d):\n",
         DEPTH, OPEN_RUNS * LAYER_COUNT);
  printf("  open (threaded load and undo store) %.0f ms wall, %.0f ms CPU\n", Median(vOpen), Median(vOpenCpu));
  static const char* const NAMES[] = {"blocks", "characters", "items"};
  for (int l = 0; l < LAYER_COUNT; ++l) {
    printf("  %s: first fill (%.0f cells, %.1f MiB more memory) with its undo step %.1f ms wall, %.1f ms CPU; "
           "the same fill after its undo %.1f ms wall, %.1f ms CPU (medians of %d)\n",
           NAMES[l], aCells[l], aMiB[l], Median(vFirst[l]), Median(vFirstCpu[l]), Median(vNext[l]), Median(vNextCpu[l]),
           OPEN_RUNS);
  }
  for (int l = 0; l < LAYER_COUNT; ++l) {
    const std::string strName = std::string("first fill after opening 512 x 512, with its undo step, ") + NAMES[l];
    Target(strName.c_str(), Median(vFirst[l]), " ms", 50.0, true);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3 && std::string(argv[1]) == "first-fill") return FirstFillChild(argv[2], atoi(argv[3]));
  // With "open" as its argument only the first fills after an open are measured.
  if (argc > 1 && std::string(argv[1]) == "open") return FirstFillFigures() ? 0 : 1;
  cFigures f[NSIZES];
  // The pen: each size's stage set up and warmed by a batch first; then the sizes take turns batch
  // by batch, the order rotating from round to round and running backwards every other round, so
  // that no size always comes first or last.
  {
    cPenStage aPen[NSIZES];
    for (int s = 0; s < NSIZES; ++s) {
      PenSetUp(aPen[s], SIZES[s]);
      PenClicks(aPen[s], SIZES[s]);
      // The clicks drew and took their steps, or the figures mean nothing.
      const cEdStage& st = *aPen[s].pStage;
      const int32_t nMid = SIZES[s] / 2;
      if (st.m_vBlockGrid.Get(st.CellIndex(nMid, nMid)).m_nGraphic != 9 || aPen[s].pSt->m_Undo.m_nCount != DEPTH) {
        printf("THE PEN DID NOT DRAW\n");
        return 1;
      }
    }
    for (int r = 0; r < 2 * RUNS; ++r)
      for (int k = 0; k < NSIZES; ++k) {
        const int s = r % 2 ? (NSIZES - 1 - (k + r / 2) % NSIZES) : (k + r / 2) % NSIZES;
        f[s].vClick.push_back(PenClicks(aPen[s], SIZES[s]));
      }
  }
  // The sizes take turns, and so do the measurements within a size, so that no figure has the
  // machine to itself at a quieter moment.
  for (int r = 0; r < RUNS; ++r)
    for (int s = 0; s < NSIZES; ++s) {
      for (int32_t nLayer = 0; nLayer < LAYER_COUNT; ++nLayer) FillLayer(SIZES[s], nLayer, f[s]);
      FillBare(SIZES[s], f[s]);
    }

  static const char* const LAYER_NAMES[] = {"blocks", "characters", "items"};
  for (int s = 0; s < NSIZES; ++s) {
    printf("stage %d x %d, 10%% placed, undo depth %d (medians of %d runs)\n", SIZES[s], SIZES[s], DEPTH, RUNS);
    printf("  pen click (press with its undo step, and release): %.2f us (median of %d batches of %d clicks)\n",
           Median(f[s].vClick) * 1e6, static_cast<int>(f[s].vClick.size()), CLICKS);
    for (int l = 0; l < LAYER_COUNT; ++l)
      printf("  %s: fill of the emptied layer with its undo step %.2f ms, its undo %.2f ms, its redo %.2f ms\n",
             LAYER_NAMES[l], Median(f[s].vFill[l]) * 1e3, Median(f[s].vUndo[l]) * 1e3, Median(f[s].vRedo[l]) * 1e3);
    printf("  fill of the emptied blocks layer without an undo store: %.2f ms\n", Median(f[s].vFillBare) * 1e3);
  }
  const int BIG = NSIZES - 1;
  const double dPen64 = Median(f[0].vClick) * 1e6, dPen512 = Median(f[BIG].vClick) * 1e6;
  Target("pen click (press with its undo step, and release) at 512 x 512", dPen512, " us", 16700.0, true);
  // A click costs what it changes, not what the stage holds.
  Target("pen click 512 x 512 / 64 x 64", dPen512 / dPen64, "", 1.5, true);
  for (int l = 0; l < LAYER_COUNT; ++l) {
    std::string strName = std::string("fill with its undo step at 512 x 512, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vFill[l]) * 1e3, " ms", 50.0, true);
    strName = std::string("undo of a whole 512 x 512 fill, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vUndo[l]) * 1e3, " ms", 50.0, true);
    strName = std::string("redo of a whole 512 x 512 fill, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vRedo[l]) * 1e3, " ms", 50.0, true);
  }
  return FirstFillFigures() ? 0 : 1;
}
