#include "model/WorldMapEditState.h"

cWorldMapEditState WorldMapEditState;

void cWorldMapEditState::ResetFor(bool bHasChips) {
  for (int32_t& n : m_anTool) n = 0;
  for (int32_t& n : m_anEventState) n = 0;
  const int32_t anSel[7] = {0, 0, -1, -1, 1, 1, 0};
  for (int i = 0; i < 7; ++i) m_anMapSel[i] = anSel[i];
  // With chips, chip 0 is chosen as a 1 by 1 selection; without, nothing is.
  cWmPaletteSel& sel = m_aPaletteSel[1];
  sel.m_nX = bHasChips ? 0 : -1;
  sel.m_nY = bHasChips ? 0 : -1;
  sel.m_nWidth = bHasChips ? 1 : 0;
  sel.m_nHeight = bHasChips ? 1 : 0;
  m_lUndoGrid.clear();
  m_lUndoEvents.clear();
  m_lRedoGrid.clear();
  m_lRedoEvents.clear();
}
