#include "model/WorldMapEditState.h"

#include <windows.h>

#include "app/Log.h"

cWorldMapEditState WorldMapEditState;

namespace {

cWorldMapEditState::cModeChangedFn s_fnModeChanged = nullptr;

uint64_t PlatformFreeMem() { return GetFreePhysMem(); }

cWorldMapEditState::cFreeMemFn s_fnFreeMem = &PlatformFreeMem;

const uint32_t GRID_CELL_BYTES = 4;
const uint32_t EVENT_BYTES = 76;
const uint32_t PAGE_BYTES = 16;

}  // namespace

void cWorldMapEditState::SetModeChangedFn(cModeChangedFn fn) { s_fnModeChanged = fn; }
void cWorldMapEditState::SetFreeMemFn(cFreeMemFn fn) { s_fnFreeMem = fn ? fn : &PlatformFreeMem; }

cWorldMapEditState::cWorldMapEditState() {
  // The brush starts as chip 0 everywhere; later resets set only the cell the 1 x 1 brush uses.
  for (auto& row : m_Brush)
    for (int32_t& n : row) n = 0;
  // The world map may not be built yet; a fresh one has one template, the default event.
  ResetWith(nullptr);
}

void cWorldMapEditState::Reset() { ResetWith(&WorldMap.m_vTemplates); }

void cWorldMapEditState::ResetWith(const cChkVector<cEdWmEvent>* pTemplates) {
  m_lpMenuEvent = nullptr;
  m_nPaletteMode = MODE_CHIP;
  m_nTool = 0;
  m_bSelecting = 0;
  m_nAnchorX = -1;
  m_nAnchorY = -1;
  m_nSelected = 0;
  m_nListCursor = 0;
  m_nBrushW = 1;
  m_nBrushH = 1;
  // The pen paints what the chip palette shows selected: the chip picked while the window was
  // last open would otherwise stay in the brush while the palette marks chip 0.
  m_Brush[0][0] = m_nSelected;
  m_bDragging = 0;
  m_bClipValid = 0;
  cWmPaletteSel& ev = m_Slots[MODE_EVENT];
  if (!pTemplates || !pTemplates->empty()) {
    ev.m_nSelected = 0;
    ev.m_nListCursor = 0;
    ev.m_nBrushW = 1;
    ev.m_nBrushH = 1;
    if (pTemplates) m_SelTemplate = (*pTemplates)[0];
  } else {
    ev.m_nSelected = -1;
    ev.m_nListCursor = -1;
    ev.m_nBrushW = 0;
    ev.m_nBrushH = 0;
  }
  ClearUndo();
}

void cWorldMapEditState::SaveSlot(int32_t n) {
  if (n != MODE_CHIP && n != MODE_EVENT) return;
  cWmPaletteSel& s = m_Slots[n];
  s.m_nTool = m_nTool;
  s.m_bSelecting = m_bSelecting;
  s.m_nSelected = m_nSelected;
  s.m_nListCursor = m_nListCursor;
  s.m_nBrushW = m_nBrushW;
  s.m_nBrushH = m_nBrushH;
}

void cWorldMapEditState::LoadSlot(int32_t n) {
  if (n != MODE_CHIP && n != MODE_EVENT) return;
  const cWmPaletteSel& s = m_Slots[n];
  m_nTool = s.m_nTool;
  m_bSelecting = s.m_bSelecting;
  m_nSelected = s.m_nSelected;
  m_nListCursor = s.m_nListCursor;
  m_nBrushW = s.m_nBrushW;
  m_nBrushH = s.m_nBrushH;
}

void cWorldMapEditState::SetPaletteMode(int32_t nMode) {
  if (nMode != MODE_CHIP && nMode != MODE_EVENT) return;
  if (nMode != m_nPaletteMode) {
    SaveSlot(m_nPaletteMode);
    LoadSlot(nMode);
  }
  m_nPaletteMode = nMode;
  if (s_fnModeChanged) s_fnModeChanged(nMode);
}

void cWorldMapEditState::TogglePaletteMode() {
  SetPaletteMode(m_nPaletteMode == MODE_CHIP ? MODE_EVENT : MODE_CHIP);
}

void cWorldMapEditState::SetTool(int32_t nTool) {
  m_nTool = nTool;
  if (nTool == 0) m_bSelecting = 0;
}

uint32_t cWorldMapEditState::SnapshotSize(const cChkVector<int32_t>& vGrid,
                                          const cChkVector<cEdWmEvent>& vEvents) {
  uint64_t n = uint64_t(vGrid.size()) * GRID_CELL_BYTES;
  for (const cEdWmEvent& e : vEvents) n += EVENT_BYTES + uint64_t(e.m_vPages.size()) * PAGE_BYTES;
  return n > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(n);
}

bool cWorldMapEditState::PushSnapshot(cGridList& lGrids, cEventList& lEvents,
                                      const cChkVector<int32_t>& vGrid,
                                      const cChkVector<cEdWmEvent>& vEvents) {
  if (!(s_fnFreeMem() > SnapshotSize(vGrid, vEvents))) {
    ClearUndo();
    return false;
  }
  while (lGrids.size() >= UNDO_STEPS) {
    lGrids.pop_front();
    if (!lEvents.empty()) lEvents.pop_front();
  }
  lGrids.push_back(vGrid);
  lEvents.push_back(vEvents);
  return true;
}

void cWorldMapEditState::Restore(cGridList& lFromGrids, cEventList& lFromEvents,
                                 cGridList& lToGrids, cEventList& lToEvents,
                                 cChkVector<int32_t>& vGrid, cChkVector<cEdWmEvent>& vEvents) {
  if (lFromGrids.empty() || lFromEvents.empty()) return;
  // A failed check has emptied every list: nothing is left to restore.
  if (!PushSnapshot(lToGrids, lToEvents, vGrid, vEvents)) return;
  vGrid = std::move(lFromGrids.back());
  vEvents = std::move(lFromEvents.back());
  lFromGrids.pop_back();
  lFromEvents.pop_back();
}

void cWorldMapEditState::Undo(cChkVector<int32_t>& vGrid, cChkVector<cEdWmEvent>& vEvents) {
  Restore(m_UndoGrids, m_UndoEvents, m_RedoGrids, m_RedoEvents, vGrid, vEvents);
}

void cWorldMapEditState::Redo(cChkVector<int32_t>& vGrid, cChkVector<cEdWmEvent>& vEvents) {
  Restore(m_RedoGrids, m_RedoEvents, m_UndoGrids, m_UndoEvents, vGrid, vEvents);
}

void cWorldMapEditState::ClearUndo() {
  m_UndoGrids.clear();
  m_UndoEvents.clear();
  m_RedoGrids.clear();
  m_RedoEvents.clear();
}
