// The stage window's side of the placing tools and the area selection: it hands them the view's
// mouse messages with the cursor cell and Shift, continues their drags outside the view, passes
// the area keys, draws the line and rectangle previews and opens the data sheet of a cell.
#include <windows.h>

#include "app/EditorLinks.h"
#include "app/WindowList.h"
#include "controls/GraphicDraw.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "stage/StageWnd.h"
#include "stage/Tools.h"

namespace {

constexpr int32_t CELL = cStageWnd::CELL;

bool IsShiftDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

class cWndToolHost : public cToolHost {
 public:
  explicit cWndToolHost(cStageWnd& wnd) : m_Wnd(wnd) {}
  void PushUndo(int32_t nMask) override { m_Wnd.PushUndo(nMask); }
  void RedrawPalettes() override { m_Wnd.RedrawPalettes(); }
  void EditCell() override { m_Wnd.EditCell(); }

 private:
  cStageWnd& m_Wnd;
};

cToolContext MakeContext(cToolHost& host, bool bLHeld) {
  const cCursorCell* c = MouseState.m_pCur;
  return cToolContext{Stage, StageEditState, host, c ? c->m_nX : 0, c ? c->m_nY : 0, IsShiftDown(), bLHeld};
}

template <class T>
void DrawBrushOf(cSurface& s, int32_t x, int32_t y, const cChkVector<T>& v, int32_t nBrush, int32_t bHalf) {
  if (nBrush < 0 || nBrush >= static_cast<int32_t>(v.size())) return;
  if (v[nBrush].m_nGraphic != 0) DrawEntryGraphic(s, x, y, v[nBrush], bHalf);
}

}  // namespace

void cStageWnd::UseTools(UINT uMsg, WPARAM wParam) {
  if (!StageEditState.m_bStageOpen || !MouseState.m_pCur) return;
  cWndToolHost host(*this);
  cToolContext ctx = MakeContext(host, uMsg == WM_LBUTTONDOWN || (wParam & MK_LBUTTON) != 0);
  RouteViewMouse(ctx, uMsg);
  if ((uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN) && m_hWnd) SetFocus(m_hWnd);
}

bool cStageWnd::ContinueDrag() {
  cStageEditState& st = StageEditState;
  if (!st.m_bStageOpen) return false;
  cWndToolHost host(*this);
  cToolContext ctx = MakeContext(host, m_Mouse.bLHold != 0);
  if (st.m_nToolGroup == TOOL_KIND_AREA) {
    // A second press while the first drag is out of the view gives the drag up.
    if (m_Mouse.bRPush) {
      st.m_bDragging = 0;
      return true;
    }
    if (m_Mouse.bRHold) cAreaSelect::OnMouse(ctx, WM_MOUSEMOVE);
    if (m_Mouse.bRRelease) cAreaSelect::OnMouse(ctx, WM_RBUTTONUP);
    return false;
  }
  if (st.m_nTool != 1 && st.m_nTool != 2) return false;
  if (m_Mouse.bLPush) {
    st.m_bDragging = 0;
    return true;
  }
  cTool* lpTool = ToolFor(st.m_nTool);
  if (m_Mouse.bLHold) lpTool->OnMouse(ctx, WM_MOUSEMOVE);
  if (m_Mouse.bLRelease) lpTool->OnMouse(ctx, WM_LBUTTONUP);
  return false;
}

void cStageWnd::OnAreaKey(WPARAM wKey) {
  if (!StageEditState.m_bStageOpen) return;
  cWndToolHost host(*this);
  cToolContext ctx = MakeContext(host, false);
  cAreaSelect::OnKey(ctx, wKey);
}

void cStageWnd::EditCell() {
  cStageEditState& st = StageEditState;
  const cCursorCell* c = MouseState.m_pCur;
  // The cursor can be off a stage that has just been made smaller.
  if (!c || c->m_nX < 0 || c->m_nY < 0 || c->m_nX >= Stage.m_nWidth || c->m_nY >= Stage.m_nHeight) return;
  const int32_t nIndex = Stage.CellIndex(c->m_nX, c->m_nY);
  const int32_t nLayer = FindEditLayer(Stage, st.m_nLayer, nIndex);
  if (nLayer < 0) return;
  if (nLayer != st.m_nLayer) st.SwitchLayer(nLayer);
  st.m_nEditContext = EDIT_CELL;
  switch (nLayer) {
    case LAYER_BLOCK:
      st.m_lpBlockTarget = &Stage.m_vBlockGrid.Pin(nIndex);
      break;
    case LAYER_CHARA:
      st.m_lpCharaTarget = &Stage.m_vCharaGrid.Pin(nIndex);
      break;
    default:
      st.m_lpItemTarget = &Stage.m_vItemGrid.Pin(nIndex);
      break;
  }
  CallLink(EditorLinks().pfnOpenCellSheet, nLayer, this);
}

void cStageWnd::DrawBrushCell(cSurface& s, int32_t x, int32_t y, int32_t nBrush) {
  const cStageEditState& st = StageEditState;
  const bool bShift = IsShiftDown();
  if (bShift || st.m_nLayer == LAYER_BLOCK) DrawBrushOf(s, x, y, st.m_vBrushBlock, nBrush, 0);
  if (bShift || st.m_nLayer == LAYER_CHARA) DrawBrushOf(s, x, y, st.m_vBrushChara, nBrush, 0);
  if (bShift || st.m_nLayer == LAYER_ITEM) DrawBrushOf(s, x, y, st.m_vBrushItem, nBrush, 1);
}

bool cStageWnd::InView(int32_t x, int32_t y) const {
  return x >= m_nViewCol && y >= m_nViewRow && x <= m_nViewCol + m_nViewW / CELL &&
         y <= m_nViewRow + m_nViewH / CELL;
}

void cStageWnd::DrawLinePreview(cSurface& s) {
  const cStageEditState& st = StageEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  WalkLine(st.m_nLineX, st.m_nLineY, c->m_nX, c->m_nY, st.m_nBrushWidth,
           [&](int32_t x, int32_t y, int32_t nCol) {
             if (x < 0 || y < 0 || x >= Stage.m_nWidth || y >= Stage.m_nHeight || !InView(x, y)) return;
             const int32_t vx = (x - m_nViewCol) * CELL, vy = (y - m_nViewRow) * CELL;
             DrawBrushCell(s, vx, vy, nCol);
             s.FrameRect(vx, vy, CELL, CELL);
           });
}

void cStageWnd::DrawRectPreview(cSurface& s) {
  const cStageEditState& st = StageEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  const int32_t nX0 = st.m_nRectX < c->m_nX ? st.m_nRectX : c->m_nX;
  const int32_t nY0 = st.m_nRectY < c->m_nY ? st.m_nRectY : c->m_nY;
  const int32_t nBW = st.m_nBrushWidth > 0 ? st.m_nBrushWidth : 1;
  const int32_t nBH = st.m_nBrushHeight > 0 ? st.m_nBrushHeight : 1;
  for (int32_t i = 0; i < st.m_nRectH; ++i)
    for (int32_t j = 0; j < st.m_nRectW; ++j) {
      const int32_t x = nX0 + j, y = nY0 + i;
      if (x < 0 || y < 0 || x >= Stage.m_nWidth || y >= Stage.m_nHeight || !InView(x, y)) continue;
      DrawBrushCell(s, (x - m_nViewCol) * CELL, (y - m_nViewRow) * CELL, (i % nBH) * nBW + j % nBW);
    }
  s.FrameRect((nX0 - m_nViewCol) * CELL, (nY0 - m_nViewRow) * CELL, st.m_nRectW * CELL,
              st.m_nRectH * CELL);
}
