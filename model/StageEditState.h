// The stage editor's state that outlives the stage window (which is rebuilt after every stage
// change): which stage file is open and what changed, the layer and tool, the brush and the
// palette selections. The stage editor keeps its tools' working values and the undo store here too.
#pragma once

#include <cstdint>
#include <string>

#include "controls/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"

// A rectangle of palette entries chosen in a palette window.
struct cPaletteSel {
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nWidth = 1;
  int32_t m_nHeight = 1;

  void Reset() { *this = cPaletteSel(); }
};

// Edited layers.
enum eStageLayer { LAYER_BLOCK = 0, LAYER_CHARA = 1, LAYER_ITEM = 2, LAYER_COUNT = 3 };

class cStageEditState {
 public:
  std::string m_strStagePath;     // relative to the project folder; empty: never saved or loaded
  int32_t m_bStageOpen = 0;       // 1 when the stage came from (or was saved to) a stage file
  int32_t m_bStageChanged = 0;
  int32_t m_bPaletteChanged = 0;  // the common palette
  int32_t m_bWorldMapChanged = 0;
  int32_t m_nLayer = 0;           // eStageLayer
  int32_t m_nPendingLayer = 0;    // applied when a data sheet closes
  int32_t m_nTool = 0;            // 0 pen, 1 line, 2 rectangle, 3 fill, 4 parameter edit
  int32_t m_nToolGroup = 0;       // what the cursor and the mouse handling follow
  int32_t m_nRightClickMode = 0;  // palette windows: 0 edit the entry, 1 popup menu
  cChkVector<cEdBlock> m_vBrushBlock;
  cChkVector<cEdChara> m_vBrushChara;
  cChkVector<cEdItem> m_vBrushItem;
  int32_t m_nBrushPalette = 0;  // 0 common, 1 stage
  int32_t m_nBrushEntry = 0;    // -1 after an area copy
  int32_t m_nSelStartX = -1;    // area selection anchor, -1 none
  int32_t m_nSelStartY = -1;
  int32_t m_nBrushWidth = 1;
  int32_t m_nBrushHeight = 1;
  int32_t m_bDragging = 0;
  cPaletteSel m_aLayerSel[LAYER_COUNT];

  cStageEditState() { Reset(); }
  cStageEditState(const cStageEditState&) = delete;
  cStageEditState& operator=(const cStageEditState&) = delete;

  // Back to no stage and nothing changed; the saved layer selections are kept.
  void Reset();
};

extern cStageEditState StageEditState;
