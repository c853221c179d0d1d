// The world map editor's state that outlives its window: the palette mode, the brush the pen
// paints with, the selected chip or template event, the event clipboard, the selection saved for
// each palette mode, and the undo and redo snapshots of the map.
#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "base/ChkContainer.h"
#include "model/WorldMap.h"

// What one palette mode remembers while the other one is shown.
struct cWmPaletteSel {
  int32_t m_nTool = 0;
  int32_t m_bSelecting = 0;
  int32_t m_nSelected = 0;
  int32_t m_nListCursor = 0;
  int32_t m_nBrushW = 1;
  int32_t m_nBrushH = 1;
};

class cWorldMapEditState {
 public:
  enum { BRUSH_ROWS = 150, BRUSH_COLS = 200, UNDO_STEPS = 3 };
  enum { MODE_CHIP = 0, MODE_EVENT = 1 };
  typedef std::list<cChkVector<int32_t>> cGridList;
  typedef std::list<cChkVector<cEdWmEvent>> cEventList;

  std::string m_strName;
  int32_t m_nPaletteMode = MODE_CHIP;
  int32_t m_nTool = 0;  // 0, the pen, is the only tool
  int32_t m_bSelecting = 0;
  // The pattern the pen stamps in chip mode; [0][0] is its top-left cell.
  int32_t m_Brush[BRUSH_ROWS][BRUSH_COLS];
  cEdWmEvent m_SelTemplate;  // what the pen places in event mode
  cEdWmEvent* m_lpMenuEvent = nullptr;
  int32_t m_bClipValid = 0;
  cEdWmEvent m_Clip;
  int32_t m_nSelected = 0;  // chip number, or template index in event mode; -1 none
  int32_t m_nListCursor = 0;
  int32_t m_nAnchorX = -1;
  int32_t m_nAnchorY = -1;
  int32_t m_nBrushW = 1;
  int32_t m_nBrushH = 1;
  int32_t m_bDragging = 0;
  cWmPaletteSel m_Slots[2];  // by palette mode
  // One step is the pair at the same position of a grid list and an event list.
  cGridList m_UndoGrids;
  cEventList m_UndoEvents;
  cGridList m_RedoGrids;
  cEventList m_RedoEvents;

  cWorldMapEditState();
  cWorldMapEditState(const cWorldMapEditState&) = delete;
  cWorldMapEditState& operator=(const cWorldMapEditState&) = delete;

  // Chip mode, chip 0, a 1 x 1 brush, no history; event mode is prepared on template 0.
  void Reset();
  // Switches the mode and its saved selection, then tells the open editor window.
  void SetPaletteMode(int32_t nMode);
  void TogglePaletteMode();
  void SetTool(int32_t nTool);
  void SaveSlot(int32_t n);
  void LoadSlot(int32_t n);

  static uint32_t SnapshotSize(const cChkVector<int32_t>& vGrid,
                               const cChkVector<cEdWmEvent>& vEvents);
  // Appends a copy of grid and events, dropping the oldest beyond three steps. With too little
  // free memory every undo and redo step is dropped instead and the result is false.
  bool PushSnapshot(cGridList& lGrids, cEventList& lEvents, const cChkVector<int32_t>& vGrid,
                    const cChkVector<cEdWmEvent>& vEvents);
  void Undo(cChkVector<int32_t>& vGrid, cChkVector<cEdWmEvent>& vEvents);
  void Redo(cChkVector<int32_t>& vGrid, cChkVector<cEdWmEvent>& vEvents);
  void ClearUndo();
  bool CanUndo() const { return !m_UndoGrids.empty(); }
  bool CanRedo() const { return !m_RedoGrids.empty(); }

  // The open editor window's answer to a mode change (menu checks, buttons, palette window).
  typedef void (*cModeChangedFn)(int32_t nMode);
  static void SetModeChangedFn(cModeChangedFn fn);
  // The free physical memory in bytes the snapshots are checked against.
  typedef uint64_t (*cFreeMemFn)();
  static void SetFreeMemFn(cFreeMemFn fn);

 private:
  // Templates null: those of a new world map, without reading it.
  void ResetWith(const cChkVector<cEdWmEvent>* pTemplates);
  // Stores the current state on the other side, then restores the last step of this side.
  void Restore(cGridList& lFromGrids, cEventList& lFromEvents, cGridList& lToGrids,
               cEventList& lToEvents, cChkVector<int32_t>& vGrid, cChkVector<cEdWmEvent>& vEvents);
};

extern cWorldMapEditState WorldMapEditState;
