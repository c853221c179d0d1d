// The stage view: cursor to cell, scrolling and painting of the three layers, the grid, the
// screen-centre mark, the scroll limits, the tool cursor and the status text.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "app/KeyHook.h"
#include "app/TextFormat.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "controls/GraphicDraw.h"
#include "stage/StageWnd.h"

namespace {

constexpr int CELL = cStageWnd::CELL;
// The game screen whose centre and edges the marks refer to, whatever the view's size.
constexpr int SCREEN_W = 640;
constexpr int SCREEN_H = 480;
constexpr COLORREF GRID_COLOUR = 0xFFFFFF;
constexpr COLORREF CENTRE_COLOUR = 0x2040FF;
constexpr COLORREF LIMIT_COLOUR = 0x40FF20;
constexpr COLORREF CURSOR_COLOUR = 0xFF0080;
constexpr COLORREF AREA_COLOUR = 0x8000FF;

template <class T>
void DrawLayer(cSurface& s, const cStageGrid<T>& v, int32_t nViewW, int32_t nViewH, int32_t nCol,
               int32_t nRow, int32_t bHalf) {
  for (int32_t i = 0; i <= nViewH / CELL; ++i) {
    for (int32_t j = 0; j <= nViewW / CELL; ++j) {
      int32_t x = nCol + j, y = nRow + i;
      if (x < 0 || y < 0 || x >= Stage.m_nWidth || y >= Stage.m_nHeight) continue;
      int32_t nIndex = Stage.CellIndex(x, y);
      if (nIndex >= static_cast<int32_t>(v.size())) continue;
      const T& rec = v.Get(nIndex);
      if (rec.m_nGraphic != 0) DrawEntryGraphic(s, j * CELL, i * CELL, rec, bHalf);
    }
  }
}

void DrawCentreMark(cSurface& s) {
  s.SetPen(PS_SOLID, 1, CENTRE_COLOUR);
  s.Line(304, 0, 304, SCREEN_H - 1);
  s.Line(336, 0, 336, SCREEN_H - 1);
  s.Line(0, 224, SCREEN_W - 1, 224);
  s.Line(0, 256, SCREEN_W - 1, 256);
  s.ReleasePen();
}

void DrawScrollLimits(cSurface& s, int32_t nCol, int32_t nRow) {
  s.SetPen(PS_SOLID, 1, LIMIT_COLOUR);
  if (Stage.m_bMinXOn) {
    int x = (Stage.m_nMinX - nCol) * CELL - 1;
    s.Line(x, 0, x, SCREEN_H - 1);
  }
  if (Stage.m_bMaxXOn) {
    int x = (Stage.m_nMaxX - nCol + 1) * CELL + 1;
    s.Line(x, 0, x, SCREEN_H - 1);
  }
  if (Stage.m_bMinYOn) {
    int y = (Stage.m_nMinY - nRow) * CELL - 1;
    s.Line(0, y, SCREEN_W - 1, y);
  }
  if (Stage.m_bMaxYOn) {
    int y = (Stage.m_nMaxY - nRow + 1) * CELL + 1;
    s.Line(0, y, SCREEN_W - 1, y);
  }
  s.ReleasePen();
}

}  // namespace

void cStageWnd::MouseToCell(POINT pt) {
  cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  bool bInside = pt.x >= 0 && pt.y >= 0 && pt.x < m_nViewW && pt.y < m_nViewH;
  if (!bInside) {
    int32_t x = pt.x, y = pt.y;
    Clamp(x, 0, m_nViewW - 1);
    Clamp(y, 0, m_nViewH - 1);
    pt.x = x;
    pt.y = y;
  }
  int32_t cx = pt.x / CELL, cy = pt.y / CELL;
  int32_t nX = m_nViewCol + cx, nY = m_nViewRow + cy;
  if (bInside) {
    // Beyond the stage's right or bottom edge the cursor stays on the last cell it was on.
    if (nX >= Stage.m_nWidth || nY >= Stage.m_nHeight) return;
  } else {
    if (nX > Stage.m_nWidth - 1) nX = Stage.m_nWidth - 1;
    if (nY > Stage.m_nHeight - 1) nY = Stage.m_nHeight - 1;
  }
  c->m_nX = nX;
  c->m_nY = nY;
  c->m_nViewX = cx * CELL;
  c->m_nViewY = cy * CELL;
}

void cStageWnd::UpdateScrollRanges() {
  if (m_HScroll.m_hWnd) {
    m_HScroll.SetRange(0, Stage.m_nWidth - 1);
    m_HScroll.SetPage(m_nViewW / CELL);
  }
  if (m_VScroll.m_hWnd) {
    m_VScroll.SetRange(0, Stage.m_nHeight - 1);
    m_VScroll.SetPage(m_nViewH / CELL);
  }
  ReadViewOrigin();
}

void cStageWnd::ReadViewOrigin() {
  if (m_HScroll.m_hWnd) m_nViewCol = m_HScroll.GetPos();
  if (m_VScroll.m_hWnd) m_nViewRow = m_VScroll.GetPos();
}

void cStageWnd::OnMouseWheel(WPARAM wParam) {
  int32_t n = static_cast<int32_t>(static_cast<uint16_t>(HIWORD(wParam))) / WHEEL_DELTA;
  if (n < 0 || n > 9) n = -1;
  bool bCtrl = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
  cScrollCtrl* bar = nullptr;
  if (Stage.m_nWheelDir == 0)
    bar = bCtrl ? &m_VScroll : &m_HScroll;
  else if (Stage.m_nWheelDir == 1)
    bar = bCtrl ? &m_HScroll : &m_VScroll;
  if (!bar || !bar->m_hWnd) return;
  bar->ScrollBy(-n);
  ReadViewOrigin();
}

void cStageWnd::Draw() {
  if (!m_bCreated || !m_ViewCtrl.m_hWnd) return;
  cSurface& back = m_ViewCtrl.m_Surface;
  cSurface& front = m_ViewCtrl.m_Window;
  if (!back.m_hDC) return;
  back.Fill(0);
  if (StageEditState.m_bStageOpen) {
    DrawLayer(back, Stage.m_vBlockGrid, m_nViewW, m_nViewH, m_nViewCol, m_nViewRow, 0);
    DrawLayer(back, Stage.m_vCharaGrid, m_nViewW, m_nViewH, m_nViewCol, m_nViewRow, 0);
    DrawLayer(back, Stage.m_vItemGrid, m_nViewW, m_nViewH, m_nViewCol, m_nViewRow, 1);
    back.Grid(0, 0, m_nViewW, m_nViewH, CELL, CELL, GRID_COLOUR);
    DrawCentreMark(back);
    DrawScrollLimits(back, m_nViewCol, m_nViewRow);
    DrawCursor(back);
  }
  GdiFlush();
  if (front.m_hDC) BitBlt(front.m_hDC, 0, 0, back.m_nWidth, back.m_nHeight, back.m_hDC, 0, 0, SRCCOPY);
  if (StageEditState.m_bStageOpen) UpdateStatusText();
}

void cStageWnd::DrawCursor(cSurface& s) {
  const cStageEditState& st = StageEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  s.SetPen(PS_SOLID, 2, st.m_nToolGroup == TOOL_KIND_AREA ? AREA_COLOUR : CURSOR_COLOUR);
  int x = (c->m_nX - m_nViewCol) * CELL, y = (c->m_nY - m_nViewRow) * CELL;
  switch (st.m_nToolGroup) {
    case 0:
      s.FrameRect(x, y, st.m_nBrushWidth * CELL, st.m_nBrushHeight * CELL);
      break;
    case TOOL_KIND_AREA:
      if (st.m_bDragging) {
        int32_t nX0 = st.m_nSelStartX < c->m_nX ? st.m_nSelStartX : c->m_nX;
        int32_t nY0 = st.m_nSelStartY < c->m_nY ? st.m_nSelStartY : c->m_nY;
        s.FrameRect((nX0 - m_nViewCol) * CELL, (nY0 - m_nViewRow) * CELL,
                    (std::abs(c->m_nX - st.m_nSelStartX) + 1) * CELL,
                    (std::abs(c->m_nY - st.m_nSelStartY) + 1) * CELL);
      }
      break;
    case 1:
    case 2:
      if (!st.m_bDragging)
        s.FrameRect(x, y, CELL, CELL);
      else if (st.m_nToolGroup == 1)
        DrawLinePreview(s);
      else
        DrawRectPreview(s);
      break;
    default:
      s.FrameRect(x, y, CELL, CELL);
      break;
  }
  s.ReleasePen();
}

void cStageWnd::UpdateStatusText() {
  if (!m_hStatusBar || !MouseState.m_pCur) return;
  std::string str;
  FormatStr(str, "座標 (%d,%d)", MouseState.m_pCur->m_nX, MouseState.m_pCur->m_nY);
  SendMessageA(m_hStatusBar, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(str.c_str()));
}
