// The world map editor's state that outlives its window: the map tools' values, the working copies
// of events, the map and palette selections and the undo and redo snapshots.
#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "controls/ChkContainer.h"
#include "model/WorldMap.h"

// A selection in the chip or event palette.
struct cWmPaletteSel {
  int32_t m_nA = 0;
  int32_t m_nB = 0;
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nWidth = 1;
  int32_t m_nHeight = 1;
};

class cWorldMapEditState {
 public:
  enum { WORK_SIZE = 30000 };

  std::string m_strName;
  int32_t m_anTool[3];
  int32_t m_anWork[WORK_SIZE];  // scratch of the map tools, not initialised
  cEdWmEvent m_Event;
  int32_t m_anEventState[2];
  cEdWmEvent m_EventCopy;
  int32_t m_anMapSel[7];
  cWmPaletteSel m_aPaletteSel[2];
  // One undo step is the pair at the same position of a grid list and an event list.
  std::list<cChkVector<int32_t>> m_lUndoGrid;
  std::list<cChkVector<cEdWmEvent>> m_lUndoEvents;
  std::list<cChkVector<int32_t>> m_lRedoGrid;
  std::list<cChkVector<cEdWmEvent>> m_lRedoEvents;

  // The world map object may not be built yet: a fresh one has chips.
  cWorldMapEditState() { ResetFor(WM_DEFAULT_CHIPS > 0); }
  cWorldMapEditState(const cWorldMapEditState&) = delete;
  cWorldMapEditState& operator=(const cWorldMapEditState&) = delete;

  // Clears the tools, the selections and the history against the current world map.
  void Reset() { ResetFor(!WorldMap.m_vChips.empty()); }

 private:
  void ResetFor(bool bHasChips);
};

extern cWorldMapEditState WorldMapEditState;
