#include "model/StageEditState.h"

cStageEditState StageEditState;

void cStageEditState::Reset() {
  m_bStageOpen = 0;
  m_bStageChanged = 0;
  m_bPaletteChanged = 0;
  m_bWorldMapChanged = 0;
  m_nLayer = 0;
  m_nPendingLayer = 0;
  m_nTool = 0;
  m_nToolGroup = 0;
  m_nRightClickMode = 0;
  m_nBrushPalette = 0;
  m_nBrushEntry = 0;
  m_nBrushWidth = 1;
  m_nBrushHeight = 1;
  m_nSelStartX = -1;
  m_nSelStartY = -1;
  m_bDragging = 0;
  m_vBrushBlock.assign(1, cEdBlock());
  m_vBrushChara.assign(1, cEdChara());
  m_vBrushItem.assign(1, cEdItem());
  m_strStagePath.clear();
}
