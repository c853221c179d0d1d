// The world map window's view: drawing the map, turning the cursor into a map cell, and the pen
// and the rectangle selection the mouse works with.
#include "project/WorldMapWnd.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "app/TextFormat.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/StageEditState.h"
#include "model/WorldMapEditState.h"

namespace {

constexpr COLORREF GRID_COLOUR = RGB(255, 255, 255);
constexpr COLORREF EVENT_FRAME_COLOUR = RGB(255, 255, 0);
constexpr COLORREF CURSOR_COLOUR = RGB(128, 0, 255);
constexpr COLORREF SELECT_COLOUR = RGB(255, 0, 128);
constexpr int CHIPS_PER_ROW = 5;
constexpr int EVENT_ICON = 16;

bool InMap(int32_t x, int32_t y) {
  return x >= 0 && y >= 0 && x < WorldMap.m_nWidth && y < WorldMap.m_nHeight;
}

int32_t GridIndex(int32_t x, int32_t y) { return x + (y << WorldMap.m_nShift); }

}  // namespace

void cWorldMapWnd::Draw() {
  if (!m_bInit || !m_ViewCtrl.m_hWnd) return;
  cSurface& back = m_ViewCtrl.m_Surface;
  cSurface& front = m_ViewCtrl.m_Window;
  if (!back.m_hDC) return;
  DrawBack(back);
  DrawChips(back);
  DrawEvents(back);
  back.Grid(0, 0, m_nViewW, m_nViewH, CELL, CELL, GRID_COLOUR);
  DrawCursor(back);
  GdiFlush();
  if (front.m_hDC) BitBlt(front.m_hDC, 0, 0, back.m_nWidth, back.m_nHeight, back.m_hDC, 0, 0, SRCCOPY);
  UpdateStatusText();
}

void cWorldMapWnd::UpdateStatusText() {
  if (!m_hStatusBar || !MouseState.m_pCur) return;
  std::string str;
  FormatStr(str, "座標 (%d,%d)", MouseState.m_pCur->m_nX, MouseState.m_pCur->m_nY);
  SendMessageA(m_hStatusBar, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(str.c_str()));
}

void cWorldMapWnd::DrawBack(cSurface& s) {
  const RGBQUAD& c = g_Palette[WorldMap.m_nBgColor & 0xFF];
  s.FillRgb(c.rgbBlue, c.rgbGreen, c.rgbRed);
  if (!WorldMap.m_bBgImage) return;
  const cSurface& img = ChipBitmaps[CHIP_WORLD_BACK];
  // The image scrolls with the map, one cell per 32 image dots.
  if (img.m_hDC) s.Blt(0, 0, m_nViewW, m_nViewH, img, m_nScrollX * CELL, m_nScrollY * CELL, 1);
}

void cWorldMapWnd::DrawChips(cSurface& s) {
  const cSurface& sheet = ChipBitmaps[CHIP_WORLD_CHIP];
  if (!sheet.m_hDC) return;
  const int32_t nChips = static_cast<int32_t>(WorldMap.m_vChips.size());
  for (int32_t vy = 0; vy <= m_nViewH / CELL; ++vy) {
    for (int32_t vx = 0; vx <= m_nViewW / CELL; ++vx) {
      int32_t x = m_nScrollX + vx, y = m_nScrollY + vy;
      if (!InMap(x, y)) continue;
      int32_t c = WorldMap.m_vGrid[GridIndex(x, y)];
      // A chip number the chip list does not hold (a damaged or hand-made file) draws nothing.
      if (c < 0 || c >= nChips) continue;
      int32_t g = WorldMap.m_vChips[c].m_nGraphic;
      s.Blt(vx * CELL, vy * CELL, CELL, CELL, sheet, (g % CHIPS_PER_ROW) * CELL,
            (g / CHIPS_PER_ROW) * CELL, 1);
    }
  }
}

void cWorldMapWnd::DrawEvents(cSurface& s) {
  const cSurface& sheet = ChipBitmaps[CHIP_WORLD_EVENT];
  s.SetPen(PS_SOLID, 1, EVENT_FRAME_COLOUR);
  for (const cEdWmEvent& e : WorldMap.m_vEvents) {
    if (e.m_vPages.empty()) continue;
    const cEdWmEventPage& p = e.m_vPages[0];
    int px = (e.m_nX - m_nScrollX) * CELL + 15, py = (e.m_nY - m_nScrollY) * CELL + 1;
    if (sheet.m_hDC)
      s.Stretch(px, py, EVENT_ICON, EVENT_ICON, sheet, p.m_nWorldNo == 0 ? CELL : 0,
                p.m_nGraphic * CELL, CELL, CELL, 0);
    s.FrameRect(px, py, EVENT_ICON, EVENT_ICON);
    if (p.m_nType != WM_EVENT_WORLD || p.m_nWorldNo == 0) continue;
    int nDigits = GetDigitCount(p.m_nWorldNo);
    int tx = nDigits <= 1 ? px + 4 : nDigits == 2 ? px : px - 8;
    s.PrintText(tx, py, "%d", p.m_nWorldNo);
  }
  s.ReleasePen();
}

void cWorldMapWnd::DrawCursor(cSurface& s) {
  const cWorldMapEditState& st = WorldMapEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  if (!st.m_bSelecting) {
    s.SetPen(PS_SOLID, 2, CURSOR_COLOUR);
    s.FrameRect((c->m_nX - m_nScrollX) * CELL, (c->m_nY - m_nScrollY) * CELL, st.m_nBrushW * CELL,
                st.m_nBrushH * CELL);
  } else if (st.m_bDragging) {
    s.SetPen(PS_SOLID, 2, SELECT_COLOUR);
    int32_t x0 = st.m_nAnchorX < c->m_nX ? st.m_nAnchorX : c->m_nX;
    int32_t y0 = st.m_nAnchorY < c->m_nY ? st.m_nAnchorY : c->m_nY;
    s.FrameRect((x0 - m_nScrollX) * CELL, (y0 - m_nScrollY) * CELL,
                (std::abs(c->m_nX - st.m_nAnchorX) + 1) * CELL,
                (std::abs(c->m_nY - st.m_nAnchorY) + 1) * CELL);
  } else {
    return;
  }
  s.ReleasePen();
}

void cWorldMapWnd::PointToCell(POINT pt) {
  cCursorCell* c = MouseState.m_pCur;
  if (!c || m_nViewW <= 0 || m_nViewH <= 0) return;
  int32_t x = pt.x, y = pt.y;
  Clamp(x, 0, m_nViewW - 1);
  Clamp(y, 0, m_nViewH - 1);
  int32_t cx = x / CELL, cy = y / CELL;
  c->m_nX = m_nScrollX + cx;
  c->m_nY = m_nScrollY + cy;
  c->m_nViewX = cx * CELL;
  c->m_nViewY = cy * CELL;
}

void cWorldMapWnd::OnMouse(UINT uMsg, WPARAM, LPARAM lParam) {
  // The message's point is relative to the client area; the view starts below the toolbar.
  POINT pt = {static_cast<short>(LOWORD(lParam)) - m_nViewX,
              static_cast<short>(HIWORD(lParam)) - m_nViewY};
  PointToCell(pt);
  bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN;
  if (bPress) StageEditState.m_bWorldMapChanged = 1;
  if (WorldMapEditState.m_nTool == 0) PenTool(uMsg);
  if (WorldMapEditState.m_nPaletteMode == cWorldMapEditState::MODE_CHIP) SelectTool(uMsg);
  if (bPress && m_hWnd) SetFocus(m_hWnd);
}

void cWorldMapWnd::PenTool(UINT) {}

void cWorldMapWnd::SelectTool(UINT) {}

void cWorldMapWnd::Frame() { UpdateMouse(1, 7); }
