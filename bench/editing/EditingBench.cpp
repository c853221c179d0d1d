// Editing costs on stages of 64 x 64, 256 x 256 and 512 x 512 cells with a tenth of their cells
// placed and an undo depth of 9: one pen press with its undo step, a fill of an empty layer with its
// undo step (each layer), an undo and a redo, and the time and memory to give the stage its undo
// store. Every figure is the median of runs that alternate between the sizes in one process.
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

double PrivateMiB() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return pmc.PagefileUsage / 1048576.0;
}

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
  std::vector<double> vOpen, vOpenMiB, vPen, vUndo, vRedo, vFillBare;
  std::vector<double> vFill[LAYER_COUNT];
};

void Mouse(cHost& host, int32_t nTool, UINT uMsg, int32_t x, int32_t y) {
  StageEditState.SetTool(nTool);
  cToolContext ctx{Stage, StageEditState, host, x, y, false, uMsg != WM_LBUTTONUP};
  RouteViewMouse(ctx, uMsg);
}

void RunOnce(int32_t nSize, cFigures& f) {
  cHost host;
  StageEditState.ClearUndo();
  MakeStage(nSize);
  StageEditState.Reset();
  SetBrush();
  const double dMem0 = PrivateMiB();
  double t0 = Now();
  StageEditState.AllocUndo(DEPTH, Stage.m_nPitch, Stage.m_nHeight);
  f.vOpen.push_back(Now() - t0);
  f.vOpenMiB.push_back(PrivateMiB() - dMem0);

  // A few steps under the one measured, as an author works.
  for (int k = 0; k < DEPTH; ++k) {
    Mouse(host, 0, WM_LBUTTONDOWN, k, k);
    Mouse(host, 0, WM_LBUTTONUP, k, k);
  }
  t0 = Now();
  Mouse(host, 0, WM_LBUTTONDOWN, nSize / 2, nSize / 2);
  f.vPen.push_back(Now() - t0);
  Mouse(host, 0, WM_LBUTTONUP, nSize / 2, nSize / 2);

  for (int32_t nLayer = 0; nLayer < LAYER_COUNT; ++nLayer) {
    StageEditState.SelectLayer(nLayer);
    const int32_t nCells = Stage.m_nPitch * Stage.m_nHeight;
    if (nLayer == LAYER_BLOCK) cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, nCells);
    if (nLayer == LAYER_CHARA) cEdStage::ClearCharaGrid(Stage.m_vCharaGrid, nCells);
    if (nLayer == LAYER_ITEM) cEdStage::ClearItemGrid(Stage.m_vItemGrid, nCells);
    t0 = Now();
    Mouse(host, 3, WM_LBUTTONDOWN, 1, 1);
    f.vFill[nLayer].push_back(Now() - t0);
    Mouse(host, 3, WM_LBUTTONUP, 1, 1);
  }
  // The same fill with no undo store, for comparison.
  {
    const int32_t nDepth = Stage.m_nUndoDepth;
    Stage.m_nUndoDepth = 0;
    cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
    StageEditState.SelectLayer(LAYER_BLOCK);
    t0 = Now();
    Mouse(host, 3, WM_LBUTTONDOWN, 1, 1);
    f.vFillBare.push_back(Now() - t0);
    Mouse(host, 3, WM_LBUTTONUP, 1, 1);
    Stage.m_nUndoDepth = nDepth;
  }
  t0 = Now();
  StageEditState.Undo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  f.vUndo.push_back(Now() - t0);
  t0 = Now();
  StageEditState.Redo(Stage.m_vBlockGrid, Stage.m_vCharaGrid, Stage.m_vItemGrid);
  f.vRedo.push_back(Now() - t0);
  StageEditState.ClearUndo();
}

void Target(const char* pszName, double dFigure, const char* pszUnit, double dGoal, bool bAtMost) {
  const bool bMet = bAtMost ? dFigure <= dGoal : dFigure >= dGoal;
  printf("target %s: %.2f%s (goal %s %.2f%s) %s\n", pszName, dFigure, pszUnit, bAtMost ? "<=" : ">=", dGoal,
         pszUnit, bMet ? "met" : "missed");
}

}  // namespace

int main() {
  cFigures f[NSIZES];
  // The sizes take turns, so that no size has the machine to itself at a quieter moment.
  for (int r = 0; r < RUNS; ++r)
    for (int s = 0; s < NSIZES; ++s) RunOnce(SIZES[s], f[s]);

  static const char* const LAYER_NAMES[] = {"blocks", "characters", "items"};
  for (int s = 0; s < NSIZES; ++s) {
    printf("stage %d x %d, 10%% placed, undo depth %d (medians of %d runs)\n", SIZES[s], SIZES[s], DEPTH, RUNS);
    printf("  undo store for the opened stage: %.2f ms, %.1f MiB\n", Median(f[s].vOpen) * 1e3,
           Median(f[s].vOpenMiB));
    printf("  pen press with its undo step: %.3f ms\n", Median(f[s].vPen) * 1e3);
    for (int l = 0; l < LAYER_COUNT; ++l)
      printf("  fill of the empty %s layer with its undo step: %.2f ms\n", LAYER_NAMES[l],
             Median(f[s].vFill[l]) * 1e3);
    printf("  fill of the empty blocks layer without an undo store: %.2f ms\n", Median(f[s].vFillBare) * 1e3);
    printf("  undo of the item fill: %.2f ms, redo: %.2f ms\n", Median(f[s].vUndo) * 1e3,
           Median(f[s].vRedo) * 1e3);
  }
  const int BIG = NSIZES - 1;
  const double dPen64 = Median(f[0].vPen) * 1e3, dPen512 = Median(f[BIG].vPen) * 1e3;
  Target("pen press at 512 x 512", dPen512, " ms", 16.7, true);
  // A press costs what it changes, not what the stage holds; the figures are tiny, so a press at
  // the small stage counts at no less than 0.1 ms.
  Target("pen press 512 x 512 / 64 x 64", dPen512 / std::max(dPen64, 0.1), "", 2.0, true);
  for (int l = 0; l < LAYER_COUNT; ++l) {
    const std::string strName = std::string("fill with its undo step at 512 x 512, ") + LAYER_NAMES[l];
    Target(strName.c_str(), Median(f[BIG].vFill[l]) * 1e3, " ms", 50.0, true);
  }
  Target("opening 512 x 512 with depth 9 adds", Median(f[BIG].vOpen), " s", 1.0, true);
  return 0;
}
