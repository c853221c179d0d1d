// Editing costs on stages of 64 x 64, 256 x 256 and 512 x 512 cells with a tenth of their cells
// placed and an undo depth of 9: pen presses and releases with their undo steps, timed in batches,
// and per layer, on a stage set up afresh, a fill of the emptied layer with its undo step, its undo
// and its redo. Every figure is the median of runs that alternate between the sizes in one process.
// (What opening a stage with its undo store costs is measured with the load, in StageFileBench.)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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
void MakeStage(int32_t nSize) {
  Stage.Reset();
  Stage.SetSize(nSize, nSize, 0, 0);
  Stage.m_nUndoDepth = DEPTH;
  for (int32_t y = 0; y < nSize; ++y)
    for (int32_t x = 0; x < nSize; ++x) {
      const int32_t n = x + y * nSize;
      if (n % 10 != 3) continue;
      const int32_t i = Stage.CellIndex(x, y);
      Stage.m_vBlockGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 7);
      Stage.m_vCharaGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 5);
      Stage.m_vCharaGrid.Unwatched(i).m_nControl = 1;
      Stage.m_vItemGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 3);
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
  std::vector<double> vPress, vRelease, vFillBare;
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
  MakeStage(nSize);
  StageEditState.Reset();
  SetBrush();
  StageEditState.AllocUndo(DEPTH, Stage.m_nPitch, Stage.m_nHeight);
}

constexpr int PRESSES = 64;

// A batch of pen presses and releases on cells around the middle, after a few steps as an author
// works; each press and each release timed, their sums divided by the batch.
void PenBatch(int32_t nSize, cFigures& f) {
  cHost host;
  SetUp(nSize);
  for (int k = 0; k < DEPTH; ++k) {
    Mouse(host, 0, WM_LBUTTONDOWN, k, k);
    Mouse(host, 0, WM_LBUTTONUP, k, k);
  }
  double dPress = 0, dRelease = 0;
  for (int k = 0; k < PRESSES; ++k) {
    const int32_t x = nSize / 2 - 4 + k % 8, y = nSize / 2 - 4 + k / 8;
    double t0 = Now();
    Mouse(host, 0, WM_LBUTTONDOWN, x, y);
    const double t1 = Now();
    Mouse(host, 0, WM_LBUTTONUP, x, y);
    dRelease += Now() - t1;
    dPress += t1 - t0;
  }
  f.vPress.push_back(dPress / PRESSES);
  f.vRelease.push_back(dRelease / PRESSES);
  StageEditState.ClearUndo();
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

}  // namespace

int main() {
  cFigures f[NSIZES];
  // The sizes take turns, and so do the measurements within a size, so that no figure has the
  // machine to itself at a quieter moment.
  for (int r = 0; r < RUNS; ++r)
    for (int s = 0; s < NSIZES; ++s) {
      PenBatch(SIZES[s], f[s]);
      for (int32_t nLayer = 0; nLayer < LAYER_COUNT; ++nLayer) FillLayer(SIZES[s], nLayer, f[s]);
      FillBare(SIZES[s], f[s]);
    }

  static const char* const LAYER_NAMES[] = {"blocks", "characters", "items"};
  for (int s = 0; s < NSIZES; ++s) {
    printf("stage %d x %d, 10%% placed, undo depth %d (medians of %d runs)\n", SIZES[s], SIZES[s], DEPTH, RUNS);
    printf("  pen press with its undo step: %.4f ms, release: %.4f ms (each in batches of %d)\n",
           Median(f[s].vPress) * 1e3, Median(f[s].vRelease) * 1e3, PRESSES);
    for (int l = 0; l < LAYER_COUNT; ++l)
      printf("  %s: fill of the emptied layer with its undo step %.2f ms, its undo %.2f ms, its redo %.2f ms\n",
             LAYER_NAMES[l], Median(f[s].vFill[l]) * 1e3, Median(f[s].vUndo[l]) * 1e3, Median(f[s].vRedo[l]) * 1e3);
    printf("  fill of the emptied blocks layer without an undo store: %.2f ms\n", Median(f[s].vFillBare) * 1e3);
  }
  const int BIG = NSIZES - 1;
  const double dPen64 = Median(f[0].vPress) * 1e3, dPen512 = Median(f[BIG].vPress) * 1e3;
  const double dRel64 = Median(f[0].vRelease) * 1e3, dRel512 = Median(f[BIG].vRelease) * 1e3;
  Target("pen press at 512 x 512", dPen512, " ms", 16.7, true);
  Target("pen release at 512 x 512", dRel512, " ms", 16.7, true);
  // A press costs what it changes, not what the stage holds.
  Target("pen press 512 x 512 / 64 x 64", dPen512 / dPen64, "", 1.5, true);
  printf("  (pen release 512 x 512 / 64 x 64: %.2f)\n", dRel512 / dRel64);
  for (int l = 0; l < LAYER_COUNT; ++l) {
    std::string strName = std::string("fill with its undo step at 512 x 512, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vFill[l]) * 1e3, " ms", 50.0, true);
    strName = std::string("undo of a whole 512 x 512 fill, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vUndo[l]) * 1e3, " ms", 50.0, true);
    strName = std::string("redo of a whole 512 x 512 fill, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vRedo[l]) * 1e3, " ms", 50.0, true);
  }
  return 0;
}
