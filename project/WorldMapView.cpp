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
#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "project/WmEventDlg.h"
#include "project/WmPalettes.h"
#include "resources/WorldMapDialogIds.h"
#include "resources/WorldMapIds.h"

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

void cWorldMapWnd::OnMouse(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // The message's point is relative to the client area; the view starts below the toolbar.
  POINT pt = {static_cast<short>(LOWORD(lParam)) - m_nViewX,
              static_cast<short>(HIWORD(lParam)) - m_nViewY};
  PointToCell(pt);
  bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN;
  if (bPress) StageEditState.m_bWorldMapChanged = 1;
  if (WorldMapEditState.m_nTool == 0) PenTool(uMsg, wParam);
  if (WorldMapEditState.m_nPaletteMode == cWorldMapEditState::MODE_CHIP) SelectTool(uMsg);
  if (bPress && m_hWnd) SetFocus(m_hWnd);
}

int32_t cWorldMapWnd::RunEventDlg(cEdWmEvent& event) {
  cWmEventEditInfo info;
  info.lpEvent = &event;
  info.bNew = &event == &m_NewEvent;
  SafeDelete(m_lpEventDlg);
  m_lpEventDlg = new (std::nothrow)
      cWmEventDlg(IDD_WM_EVENT, this, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cWindow*>(nullptr), 0);
  if (!m_lpEventDlg) {
    OutOfMemory();
    return 0;
  }
  INT_PTR nResult = m_lpEventDlg->DoModal(cDialog::RUN_DISABLE_OTHERS);
  SafeDelete(m_lpEventDlg);
  return nResult ? 1 : 0;
}

// Cut and copy put the event on the event palette's list clipboard too, so the list can paste it
// as a template.
void cWorldMapWnd::ClipEvent(const cEdWmEvent& event) {
  WorldMapEditState.m_Clip = event;
  if (m_lpEventPalette) m_lpEventPalette->SetClipboard(event);
}

void cWorldMapWnd::PlaceAt(cEdWmEvent& event, int32_t x, int32_t y) {
  if (EditConfig.m_bWmAutoWorldNo) WorldMap.AssignWorldNos(event, WorldMap.FindEventAt(x, y));
  WorldMap.PlaceEvent(event, x, y);
}

void cWorldMapWnd::PenTool(UINT uMsg, WPARAM wParam) {
  if (uMsg != WM_LBUTTONDOWN && uMsg != WM_MOUSEMOVE) return;
  cWorldMapEditState& st = WorldMapEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  const bool bChips = st.m_nPaletteMode == cWorldMapEditState::MODE_CHIP;
  if (uMsg == WM_LBUTTONDOWN) {
    // With an editing option the event dialog's OK stores the step instead.
    bool bDialog = (EditConfig.m_bWmEditPlaced && WorldMap.HasEventAt(c->m_nX, c->m_nY)) ||
                   EditConfig.m_bWmEditBeforePlace;
    if (bChips || !bDialog) PushUndo();
  }
  if (!(wParam & MK_LBUTTON)) return;
  const uint32_t nChips = static_cast<uint32_t>(WorldMap.m_vChips.size());
  // The brush is cut at the map's right and bottom edges; nothing wraps.
  for (int32_t i = 0; i < st.m_nBrushH && i < cWorldMapEditState::BRUSH_ROWS; ++i) {
    int32_t y = c->m_nY + i;
    if (y < 0 || y >= WorldMap.m_nHeight) break;
    for (int32_t j = 0; j < st.m_nBrushW && j < cWorldMapEditState::BRUSH_COLS; ++j) {
      int32_t x = c->m_nX + j;
      if (x < 0 || x >= WorldMap.m_nWidth) break;
      if (bChips) {
        uint32_t n = static_cast<uint32_t>(st.m_Brush[i][j]);
        if (n < nChips) WorldMap.m_vGrid[GridIndex(x, y)] = static_cast<int32_t>(n);
        continue;
      }
      if (st.m_nSelected == -1) continue;
      cEdWmEvent* lpPlaced = WorldMap.FindEventAt(x, y);
      if (EditConfig.m_bWmEditPlaced && lpPlaced) {
        RunEventDlg(*lpPlaced);
      } else if (EditConfig.m_bWmEditBeforePlace) {
        m_NewEvent = st.m_SelTemplate;
        if (EditConfig.m_bWmAutoWorldNo) WorldMap.AssignWorldNos(m_NewEvent, lpPlaced);
        if (RunEventDlg(m_NewEvent)) WorldMap.PlaceEvent(m_NewEvent, x, y);
      } else {
        m_NewEvent = st.m_SelTemplate;
        PlaceAt(m_NewEvent, x, y);
      }
    }
  }
  RedrawPalette();
}

void cWorldMapWnd::SelectTool(UINT uMsg) {
  cWorldMapEditState& st = WorldMapEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c) return;
  if (uMsg == WM_RBUTTONDOWN) {
    st.m_nAnchorX = c->m_nX;
    st.m_nAnchorY = c->m_nY;
    st.m_bSelecting = 1;
    st.m_nSelected = -1;
    st.m_bDragging = 1;
    return;
  }
  if (uMsg != WM_RBUTTONUP || !st.m_bDragging) return;
  int32_t x0 = st.m_nAnchorX < c->m_nX ? st.m_nAnchorX : c->m_nX;
  int32_t y0 = st.m_nAnchorY < c->m_nY ? st.m_nAnchorY : c->m_nY;
  st.m_nBrushW = std::abs(c->m_nX - st.m_nAnchorX) + 1;
  st.m_nBrushH = std::abs(c->m_nY - st.m_nAnchorY) + 1;
  // A map file larger than the brush cannot make a larger brush.
  Clamp(st.m_nBrushW, 1, cWorldMapEditState::BRUSH_COLS);
  Clamp(st.m_nBrushH, 1, cWorldMapEditState::BRUSH_ROWS);
  for (int32_t i = 0; i < st.m_nBrushH && y0 + i < WorldMap.m_nHeight; ++i)
    for (int32_t j = 0; j < st.m_nBrushW && x0 + j < WorldMap.m_nWidth; ++j)
      st.m_Brush[i][j] = WorldMap.m_vGrid[GridIndex(x0 + j, y0 + i)];
  st.SetTool(st.m_nTool);
  st.m_bDragging = 0;
}

void cWorldMapWnd::OpenContextMenu() {
  cWorldMapEditState& st = WorldMapEditState;
  const cCursorCell* c = MouseState.m_pCur;
  if (!c || !m_hContextMenu) return;
  st.m_lpMenuEvent = WorldMap.FindEventAt(c->m_nX, c->m_nY);
  const UINT uOn = MF_BYCOMMAND | MF_ENABLED, uOff = MF_BYCOMMAND | MF_GRAYED;
  const uint16_t awOnEvent[] = {ID_WM_CTX_EDIT, ID_WM_CTX_CUT, ID_WM_CTX_COPY, ID_WM_CTX_DELETE};
  for (uint16_t w : awOnEvent) EnableMenuItem(m_hContextMenu, w, st.m_lpMenuEvent ? uOn : uOff);
  EnableMenuItem(m_hContextMenu, ID_WM_CTX_PASTE, st.m_bClipValid ? uOn : uOff);
  EnableMenuItem(m_hContextMenu, ID_WM_CTX_NEW, uOn);
  // A menu closed without a command left its cell on the stack: it is dropped, so the stack
  // never grows by more than one record.
  if (m_bMenuPushed) MouseState.Pop(2);
  MouseState.Push(1);
  m_bMenuPushed = 1;
  PopupMenu(m_hContextMenu);
}

void cWorldMapWnd::PopMenuCell() {
  if (!m_bMenuPushed) return;
  MouseState.Pop(2);
  m_bMenuPushed = 0;
}

void cWorldMapWnd::OnContextCommand(uint16_t wId) {
  cWorldMapEditState& st = WorldMapEditState;
  // The menu cell is the record the menu's push kept; the current one followed the mouse.
  const cCursorCell* lpCell = MouseState.m_pPrev && m_bMenuPushed ? MouseState.m_pPrev : MouseState.m_pCur;
  if (!lpCell) return;
  const int32_t x = lpCell->m_nX, y = lpCell->m_nY;
  cEdWmEvent* ev = st.m_lpMenuEvent;
  switch (wId) {
    case ID_WM_CTX_EDIT:
      if (ev) RunEventDlg(*ev);
      break;
    case ID_WM_CTX_CUT:
      st.m_bClipValid = 1;
      if (!ev) break;
      PushUndo();
      ClipEvent(*ev);
      WorldMap.RemoveEvent(ev);
      StageEditState.m_bWorldMapChanged = 1;
      break;
    case ID_WM_CTX_COPY:
      st.m_bClipValid = 1;
      if (ev) ClipEvent(*ev);
      break;
    case ID_WM_CTX_PASTE:
      // A cell beyond the map (the partly shown last column or row) takes no event.
      if (!st.m_bClipValid || !InMap(x, y)) break;
      PushUndo();
      m_NewEvent = st.m_Clip;
      PlaceAt(m_NewEvent, x, y);
      StageEditState.m_bWorldMapChanged = 1;
      break;
    case ID_WM_CTX_NEW:
      StageEditState.m_bWorldMapChanged = 1;
      if (!InMap(x, y)) break;
      m_NewEvent.SetDefault();
      m_NewEvent.m_nX = x;
      m_NewEvent.m_nY = y;
      if (EditConfig.m_bWmAutoWorldNo) WorldMap.AssignWorldNos(m_NewEvent, WorldMap.FindEventAt(x, y));
      if (RunEventDlg(m_NewEvent)) WorldMap.PlaceEvent(m_NewEvent, x, y);
      break;
    case ID_WM_CTX_DELETE:
      if (!ev) break;
      PushUndo();
      WorldMap.RemoveEventsAt(x, y);
      StageEditState.m_bWorldMapChanged = 1;
      break;
    default:
      return;
  }
  st.m_lpMenuEvent = nullptr;
  PopMenuCell();
}

void cWorldMapWnd::Frame() {
  UpdateMouse(1, 7);
  cWorldMapEditState& st = WorldMapEditState;
  if (IsRightClicked() && st.m_nPaletteMode == cWorldMapEditState::MODE_EVENT) OpenContextMenu();
  int32_t x = m_Mouse.x, y = m_Mouse.y;
  bool bInside = x >= 0 && y >= 0 && x < m_nViewW && y < m_nViewH;
  if (bInside || !st.m_bDragging) return;
  POINT pt = {x, y};
  PointToCell(pt);
  if (st.m_bSelecting) {
    // A fresh press outside the view abandons the drag; a release completes it at the edge.
    if (m_Mouse.bRPush) {
      st.m_bDragging = 0;
      return;
    }
    if (m_Mouse.bRRelease) SelectTool(WM_RBUTTONUP);
  }
  if (m_Mouse.bRHold) AutoScroll(&m_nScrollX, &m_nScrollY);
  Draw();
}
