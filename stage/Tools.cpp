#include "stage/Tools.h"

#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/Thread.h"
#include "model/Stage.h"
#include "model/StageEditState.h"

namespace {

template <class V>
bool HasCell(const V& v, int32_t n) {
  return n >= 0 && n < static_cast<int32_t>(v.size());
}

int32_t LayerMask(int32_t nLayer) {
  return nLayer == LAYER_BLOCK ? UNDO_BLOCK : nLayer == LAYER_CHARA ? UNDO_CHARA : UNDO_ITEM;
}

// n brought into 0 .. m - 1, wrapping at either end.
int32_t Wrap(int32_t n, int32_t m) {
  if (m <= 0) return 0;
  n %= m;
  return n < 0 ? n + m : n;
}

// The fill of one layer, walked run by run with a list of waiting cells, never on the call
// stack; see FloodFill.
template <class T>
bool FillLayer(cEdStage& stage, cStageGrid<T>& grid, const cChkVector<T>& brush, int32_t nBrushW,
               int32_t nBrushH, int32_t x0, int32_t y0) {
  const int32_t nW = stage.m_nWidth, nH = stage.m_nHeight;
  // A bit per cell of the area, and the cells where runs of it wait to be followed.
  std::vector<uint64_t> vArea;
  std::vector<int32_t> vSeed;
  try {
    vArea.assign((static_cast<size_t>(stage.m_nPitch) * static_cast<size_t>(nH) + 63) / 64, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  auto fnIn = [&vArea](int32_t i) { return (vArea[static_cast<size_t>(i) >> 6] >> (i & 63) & 1) != 0; };
  const T target = grid.Get(stage.CellIndex(x0, y0));
  // A cell joins the area when it equals the clicked one, so the cells looked at are never ones the
  // fill has written. Empty cells are all equal, and cells of another graphic never are: most cells
  // are decided without comparing whole records.
  auto fnJoins = [&](int32_t x, int32_t y) {
    const int32_t i = stage.CellIndex(x, y);
    if (fnIn(i)) return false;
    const T& cell = grid.Get(i);
    if (cell.m_nGraphic != target.m_nGraphic) return false;
    return target.m_nGraphic == 0 || !(cell != target);
  };
  // The area first, a row's run of it at a time: the run through a waiting cell is marked whole,
  // and the runs of the rows above and below that touch it wait in turn.
  try {
    vSeed.push_back(x0 | (y0 << 16));
    while (!vSeed.empty()) {
      const int32_t x = vSeed.back() & 0xFFFF, y = vSeed.back() >> 16;
      vSeed.pop_back();
      if (!fnJoins(x, y)) continue;
      int32_t xl = x, xr = x;
      while (xl > 0 && fnJoins(xl - 1, y)) --xl;
      while (xr + 1 < nW && fnJoins(xr + 1, y)) ++xr;
      for (int32_t xi = xl; xi <= xr; ++xi) {
        const int32_t i = stage.CellIndex(xi, y);
        vArea[static_cast<size_t>(i) >> 6] |= uint64_t(1) << (i & 63);
      }
      for (int32_t yn : {y - 1, y + 1}) {
        if (yn < 0 || yn >= nH) continue;
        bool bBefore = false;
        for (int32_t xi = xl; xi <= xr; ++xi) {
          const bool bJoins = fnJoins(xi, yn);
          if (bJoins && !bBefore) vSeed.push_back(xi | (yn << 16));
          bBefore = bJoins;
        }
      }
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  // Then its cells row by row, in the order of the cells, as the undo store and the writer walk
  // them. The cells given the same brush cell share its record in the grid.
  typename cStageGrid<T>::cShareScope share(grid);
  for (int32_t y = 0; y < nH; ++y)
    for (int32_t x = 0; x < nW; ++x) {
      const int32_t i = stage.CellIndex(x, y);
      if (!fnIn(i)) continue;
      // The brush is tiled from the clicked cell, which gets brush cell 0.
      const int32_t n = Wrap(y - y0, nBrushH) * nBrushW + Wrap(x - x0, nBrushW);
      if (HasCell(brush, n)) grid.SetShared(i, brush.data()[n]);
    }
  return true;
}

// The area between the selection anchor and the cursor: its top-left cell.
void AreaOrigin(const cToolContext& ctx, int32_t& nLeft, int32_t& nTop) {
  nLeft = ctx.m_St.m_nSelStartX < ctx.m_nX ? ctx.m_St.m_nSelStartX : ctx.m_nX;
  nTop = ctx.m_St.m_nSelStartY < ctx.m_nY ? ctx.m_St.m_nSelStartY : ctx.m_nY;
}

// Calls fn(cell index, area index) for each area cell that lies on the stage.
template <class Fn>
void ForAreaCells(const cToolContext& ctx, Fn fn) {
  int32_t nLeft, nTop;
  AreaOrigin(ctx, nLeft, nTop);
  const int32_t nW = ctx.m_St.m_nBrushWidth, nH = ctx.m_St.m_nBrushHeight;
  for (int32_t i = 0; i < nH && nTop + i < ctx.m_Stage.m_nHeight; ++i)
    for (int32_t j = 0; j < nW && nLeft + j < ctx.m_Stage.m_nWidth; ++j) {
      if (nTop + i < 0 || nLeft + j < 0) continue;
      fn(ctx.m_Stage.CellIndex(nLeft + j, nTop + i), i * nW + j);
    }
}

bool Selecting(const cToolContext& ctx) { return ctx.m_St.m_nToolGroup == TOOL_KIND_AREA; }

}  // namespace

// The context.

bool cToolContext::Inside(int32_t x, int32_t y) const {
  return x >= 0 && y >= 0 && x < m_Stage.m_nWidth && y < m_Stage.m_nHeight;
}

void cToolContext::PutBrushCell(int32_t nIndex, int32_t nBrush) {
  const int32_t nLayer = m_St.m_nLayer;
  if ((m_bShift || nLayer == LAYER_BLOCK) && HasCell(m_St.m_vBrushBlock, nBrush))
    m_Stage.m_vBlockGrid.Set(nIndex, m_St.m_vBrushBlock[nBrush]);
  // Characters keep the stage at one player.
  if ((m_bShift || nLayer == LAYER_CHARA) && HasCell(m_St.m_vBrushChara, nBrush))
    m_Stage.SetCharaCell(nIndex, m_St.m_vBrushChara[nBrush]);
  if ((m_bShift || nLayer == LAYER_ITEM) && HasCell(m_St.m_vBrushItem, nBrush))
    m_Stage.m_vItemGrid.Set(nIndex, m_St.m_vBrushItem[nBrush]);
}

void cToolContext::PushUndoForEdit() { m_Host.PushUndo(m_bShift ? UNDO_ALL : LayerMask(m_St.m_nLayer)); }

// Pen.

void cPenTool::OnMouse(cToolContext& ctx, UINT uMsg) {
  if (uMsg == WM_LBUTTONDOWN) {
    // Every stroke can be undone as a whole, whatever layers it touches.
    ctx.m_Host.PushUndo(UNDO_ALL);
    Stamp(ctx);
  } else if (uMsg == WM_MOUSEMOVE && ctx.m_bLHeld) {
    Stamp(ctx);
  }
}

void cPenTool::Stamp(cToolContext& ctx) {
  const int32_t nW = ctx.m_St.m_nBrushWidth, nH = ctx.m_St.m_nBrushHeight;
  for (int32_t i = 0; i < nH; ++i)
    for (int32_t j = 0; j < nW; ++j)
      if (ctx.Inside(ctx.m_nX + j, ctx.m_nY + i))
        ctx.PutBrushCell(ctx.m_Stage.CellIndex(ctx.m_nX + j, ctx.m_nY + i), j + i * nW);
  ctx.m_Host.RedrawPalettes();
}

// Line.

void WalkLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t nBrushW,
              const std::function<void(int32_t, int32_t, int32_t)>& fn) {
  double x = x0 + 0.5, y = y0 + 0.5;
  int32_t nCol = 0;
  bool bDone = false;
  for (int32_t n = 0; n < cLineTool::MAX_CELLS; ++n) {
    fn(static_cast<int32_t>(x), static_cast<int32_t>(y), nCol);
    if (bDone) break;
    bDone = StepLine(x, y, x1, y1, 1.0);
    if (++nCol >= nBrushW) nCol = 0;
  }
}

void cLineTool::OnMouse(cToolContext& ctx, UINT uMsg) {
  cStageEditState& st = ctx.m_St;
  if (uMsg == WM_LBUTTONDOWN) {
    st.m_nLineX = ctx.m_nX;
    st.m_nLineY = ctx.m_nY;
    st.m_bDragging = 1;
  } else if (uMsg == WM_LBUTTONUP && st.m_bDragging) {
    Draw(ctx);
  }
}

void cLineTool::Draw(cToolContext& ctx) {
  cStageEditState& st = ctx.m_St;
  SetWaitCursor();
  ctx.PushUndoForEdit();
  WalkLine(st.m_nLineX, st.m_nLineY, ctx.m_nX, ctx.m_nY, st.m_nBrushWidth,
           [&](int32_t x, int32_t y, int32_t nCol) {
             if (ctx.Inside(x, y)) ctx.PutBrushCell(ctx.m_Stage.CellIndex(x, y), nCol);
           });
  ctx.m_Host.RedrawPalettes();
  st.m_bDragging = 0;
  SetArrowCursor();
}

// Rectangle.

void cRectTool::OnMouse(cToolContext& ctx, UINT uMsg) {
  cStageEditState& st = ctx.m_St;
  if (uMsg == WM_LBUTTONDOWN) {
    st.m_nRectX = ctx.m_nX;
    st.m_nRectY = ctx.m_nY;
    st.m_bDragging = 1;
  }
  if ((uMsg == WM_LBUTTONDOWN || (uMsg == WM_MOUSEMOVE && ctx.m_bLHeld)) && st.m_bDragging) {
    st.m_nRectW = std::abs(ctx.m_nX - st.m_nRectX) + 1;
    st.m_nRectH = std::abs(ctx.m_nY - st.m_nRectY) + 1;
  } else if (uMsg == WM_LBUTTONUP && st.m_bDragging) {
    Draw(ctx);
  }
}

void cRectTool::Draw(cToolContext& ctx) {
  cStageEditState& st = ctx.m_St;
  SetWaitCursor();
  ctx.PushUndoForEdit();
  // The anchor becomes the top-left corner, so the brush tiles from there whichever way the
  // rectangle was dragged.
  int32_t x1 = ctx.m_nX, y1 = ctx.m_nY;
  if (x1 < st.m_nRectX) std::swap(x1, st.m_nRectX);
  if (y1 < st.m_nRectY) std::swap(y1, st.m_nRectY);
  st.m_nRectW = x1 - st.m_nRectX + 1;
  st.m_nRectH = y1 - st.m_nRectY + 1;
  const int32_t nBW = st.m_nBrushWidth > 0 ? st.m_nBrushWidth : 1;
  const int32_t nBH = st.m_nBrushHeight > 0 ? st.m_nBrushHeight : 1;
  for (int32_t i = 0; i < st.m_nRectH; ++i)
    for (int32_t j = 0; j < st.m_nRectW; ++j) {
      const int32_t x = st.m_nRectX + j, y = st.m_nRectY + i;
      if (ctx.Inside(x, y)) ctx.PutBrushCell(ctx.m_Stage.CellIndex(x, y), (i % nBH) * nBW + j % nBW);
    }
  ctx.m_Host.RedrawPalettes();
  st.m_bDragging = 0;
  SetArrowCursor();
}

// Fill.

bool FloodFill(cEdStage& stage, cStageEditState& st, int32_t nLayer, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= stage.m_nWidth || y >= stage.m_nHeight) return true;
  const int32_t nW = st.m_nBrushWidth, nH = st.m_nBrushHeight;
  switch (nLayer) {
    case LAYER_BLOCK:
      return FillLayer(stage, stage.m_vBlockGrid, st.m_vBrushBlock, nW, nH, x, y);
    case LAYER_CHARA:
      if (!FillLayer(stage, stage.m_vCharaGrid, st.m_vBrushChara, nW, nH, x, y)) return false;
      stage.KeepOnePlayer();
      return true;
    case LAYER_ITEM:
      return FillLayer(stage, stage.m_vItemGrid, st.m_vBrushItem, nW, nH, x, y);
    default:
      return true;
  }
}

void cFillTool::OnMouse(cToolContext& ctx, UINT uMsg) {
  if (uMsg != WM_LBUTTONDOWN || !ctx.Inside(ctx.m_nX, ctx.m_nY)) return;
  // The fill keeps to the current layer, Shift or not.
  SetWaitCursor();
  ctx.m_Host.PushUndo(LayerMask(ctx.m_St.m_nLayer));
  if (!FloodFill(ctx.m_Stage, ctx.m_St, ctx.m_St.m_nLayer, ctx.m_nX, ctx.m_nY)) OutOfMemory();
  ctx.m_Host.RedrawPalettes();
  SetArrowCursor();
}

// Parameter edit.

void cEditTool::OnMouse(cToolContext& ctx, UINT uMsg) {
  if (uMsg == WM_LBUTTONDOWN) ctx.m_Host.EditCell();
}

int32_t FindEditLayer(const cEdStage& stage, int32_t nLayer, int32_t nIndex) {
  auto fnPlaced = [&](int32_t n) {
    switch (n) {
      case LAYER_BLOCK:
        return stage.m_vBlockGrid.Placed(nIndex);
      case LAYER_CHARA:
        return stage.m_vCharaGrid.Placed(nIndex);
      case LAYER_ITEM:
        return stage.m_vItemGrid.Placed(nIndex);
      default:
        return false;
    }
  };
  // From each layer, the others in the order they are looked at.
  static const int32_t ORDER[LAYER_COUNT][2] = {
      {LAYER_CHARA, LAYER_ITEM}, {LAYER_ITEM, LAYER_BLOCK}, {LAYER_CHARA, LAYER_BLOCK}};
  if (nLayer < 0 || nLayer >= LAYER_COUNT) return -1;
  if (fnPlaced(nLayer)) return nLayer;
  for (int32_t n : ORDER[nLayer])
    if (fnPlaced(n)) return n;
  return -1;
}

cTool* ToolFor(int32_t nTool) {
  static cPenTool pen;
  static cLineTool line;
  static cRectTool rect;
  static cFillTool fill;
  static cEditTool edit;
  static cTool* const TOOLS[] = {&pen, &line, &rect, &fill, &edit};
  if (nTool < 0 || nTool >= static_cast<int32_t>(sizeof TOOLS / sizeof TOOLS[0])) return nullptr;
  return TOOLS[nTool];
}

void RouteViewMouse(cToolContext& ctx, UINT uMsg) {
  cStageEditState& st = ctx.m_St;
  if (uMsg == WM_LBUTTONDOWN) st.m_bStageChanged = 1;
  if (st.m_nToolGroup != TOOL_KIND_AREA)
    if (cTool* lpTool = ToolFor(st.m_nTool)) lpTool->OnMouse(ctx, uMsg);
  if (uMsg == WM_RBUTTONDBLCLK)
    ctx.m_Host.EditCell();
  else
    cAreaSelect::OnMouse(ctx, uMsg);
}

// Area selection.

void cAreaSelect::OnMouse(cToolContext& ctx, UINT uMsg) {
  cStageEditState& st = ctx.m_St;
  if (uMsg == WM_RBUTTONDOWN) {
    st.m_nSelStartX = ctx.m_nX;
    st.m_nSelStartY = ctx.m_nY;
    st.m_nToolGroup = TOOL_KIND_AREA;
    st.m_nBrushEntry = -1;
    st.m_bDragging = 1;
  }
  if ((uMsg == WM_RBUTTONDOWN || uMsg == WM_MOUSEMOVE) && Selecting(ctx) && st.m_bDragging) {
    st.m_nBrushWidth = std::abs(ctx.m_nX - st.m_nSelStartX) + 1;
    st.m_nBrushHeight = std::abs(ctx.m_nY - st.m_nSelStartY) + 1;
  } else if (uMsg == WM_RBUTTONUP) {
    if (st.m_bDragging && Selecting(ctx)) {
      CopyArea(ctx);
      st.SetTool(st.m_nTool);
      ctx.m_Host.RedrawPalettes();
    }
    // Also after a cut, which ended the selection early: no drag is left behind for the line
    // and rectangle previews to pick up.
    st.m_bDragging = 0;
  }
}

void cAreaSelect::CopyArea(cToolContext& ctx) {
  if (!Selecting(ctx)) return;
  cStageEditState& st = ctx.m_St;
  SetWaitCursor();
  st.m_nBrushWidth = std::abs(ctx.m_nX - st.m_nSelStartX) + 1;
  st.m_nBrushHeight = std::abs(ctx.m_nY - st.m_nSelStartY) + 1;
  const size_t nCells = static_cast<size_t>(st.m_nBrushWidth) * static_cast<size_t>(st.m_nBrushHeight);
  const int32_t nLayer = st.m_nLayer;
  const bool bBlock = ctx.m_bShift || nLayer == LAYER_BLOCK;
  const bool bChara = ctx.m_bShift || nLayer == LAYER_CHARA;
  const bool bItem = ctx.m_bShift || nLayer == LAYER_ITEM;
  if (bBlock) st.m_vBrushBlock.assign(nCells, cEdBlock());
  if (bChara) st.m_vBrushChara.assign(nCells, cEdChara());
  if (bItem) st.m_vBrushItem.assign(nCells, cEdItem());
  cEdStage& s = ctx.m_Stage;
  ForAreaCells(ctx, [&](int32_t nIndex, int32_t nBrush) {
    if (bBlock) st.m_vBrushBlock[nBrush] = s.m_vBlockGrid.Get(nIndex);
    if (bChara) st.m_vBrushChara[nBrush] = s.m_vCharaGrid.Get(nIndex);
    if (bItem) st.m_vBrushItem[nBrush] = s.m_vItemGrid.Get(nIndex);
  });
  SetArrowCursor();
}

void cAreaSelect::ClearArea(cToolContext& ctx) {
  if (!Selecting(ctx)) return;
  SetWaitCursor();
  const int32_t nLayer = ctx.m_St.m_nLayer;
  cEdStage& s = ctx.m_Stage;
  ForAreaCells(ctx, [&](int32_t nIndex, int32_t) {
    if (ctx.m_bShift || nLayer == LAYER_BLOCK) s.m_vBlockGrid.Erase(nIndex);
    if (ctx.m_bShift || nLayer == LAYER_CHARA) s.m_vCharaGrid.Erase(nIndex);
    if (ctx.m_bShift || nLayer == LAYER_ITEM) s.m_vItemGrid.Erase(nIndex);
  });
  SetArrowCursor();
}

void cAreaSelect::ReverseArea(cToolContext& ctx) {
  if (!Selecting(ctx)) return;
  if (!ctx.m_bShift && ctx.m_St.m_nLayer != LAYER_CHARA) return;
  SetWaitCursor();
  cEdStage& s = ctx.m_Stage;
  ForAreaCells(ctx, [&](int32_t nIndex, int32_t) {
    // A cell without a record of its own is empty: nothing to turn.
    if (!s.m_vCharaGrid.Holds(nIndex)) return;
    cEdChara& c = s.m_vCharaGrid[nIndex];
    // A direction taken from a palette entry is the entry's to change.
    const bool bInherited = c.m_bbInherit.size() > 5 && c.m_bbInherit[5] != 0;
    if (!bInherited) c.TurnRound();
  });
  SetArrowCursor();
}

bool cAreaSelect::OnKey(cToolContext& ctx, WPARAM wKey) {
  if (!Selecting(ctx)) return false;
  cStageEditState& st = ctx.m_St;
  switch (wKey) {
    case 'D':
      ctx.PushUndoForEdit();
      CopyArea(ctx);
      ClearArea(ctx);
      // The selection ends here, so the release of the button copies nothing more.
      st.SetTool(st.m_nTool);
      break;
    case 'Q':
      ctx.PushUndoForEdit();
      ClearArea(ctx);
      break;
    case 'R':
      ctx.PushUndoForEdit();
      ReverseArea(ctx);
      break;
    default:
      return false;
  }
  st.m_bStageChanged = 1;
  return true;
}
