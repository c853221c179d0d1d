// The stage editor's state that outlives the stage window (which is rebuilt after every stage
// change): which stage file is open and what changed, the layer and tool, the brush and the
// palette selections. The stage editor keeps its tools' working values and the undo store here too.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
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
// Layer masks of the undo steps.
enum eUndoMask { UNDO_BLOCK = 1, UNDO_CHARA = 2, UNDO_ITEM = 4, UNDO_ALL = 7 };
// What the open data sheet edits.
enum eEditContext { EDIT_CELL = 0, EDIT_STAGE_PALETTE = 1, EDIT_COMMON_PALETTE = 2, EDIT_DEFAULT = 3 };
// The tool kind while an area is being selected.
constexpr int32_t TOOL_KIND_AREA = 5;

class cBlockDataSheet;
class cCharaDataSheet;
class cItemDataSheet;

// The palette windows' clipboard: one entry of each kind, where it came from, and whether it
// was cut (the source is cleared when it is pasted).
struct cPaletteClipboard {
  cChkVector<cEdBlock> m_vBlock;
  cChkVector<cEdChara> m_vChara;
  cChkVector<cEdItem> m_vItem;
  int32_t m_bHasData = 0;
  int32_t m_nSrcPalette = 0;
  int32_t m_nSrcNo = 0;
  int32_t m_bCutPending = 0;

  void Clear();
};

// The undo store: preallocated whole-layer snapshots of the three grids, step 0 the newest.
struct cUndoStack {
  cChkVector<cChkVector<cEdBlock>> m_vBlock;
  cChkVector<cChkVector<cEdChara>> m_vChara;
  cChkVector<cChkVector<cEdItem>> m_vItem;
  cChkVector<int32_t> m_vMask;
  int32_t m_nCount = 0;

  int32_t Allocated() const { return static_cast<int32_t>(m_vBlock.size()); }
};

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
  cEdBlock* m_lpBlockTarget = nullptr;  // what the open data sheet of each kind edits
  cEdChara* m_lpCharaTarget = nullptr;
  cEdItem* m_lpItemTarget = nullptr;
  int32_t m_nEditContext = EDIT_CELL;  // eEditContext
  cBlockDataSheet* m_lpBlockSheet = nullptr;  // the data sheet of each kind constructed last
  cCharaDataSheet* m_lpCharaSheet = nullptr;
  cItemDataSheet* m_lpItemSheet = nullptr;
  cPaletteClipboard PaletteClipboard;
  int32_t m_nLineX = 0, m_nLineY = 0;  // line tool anchor
  int32_t m_nRectX = 0, m_nRectY = 0;  // rectangle tool anchor and size
  int32_t m_nRectW = 1, m_nRectH = 1;
  cPaletteSel m_aLayerSel[LAYER_COUNT];
  cUndoStack m_Undo;
  cUndoStack m_Redo;

  cStageEditState() { Reset(); }
  cStageEditState(const cStageEditState&) = delete;
  cStageEditState& operator=(const cStageEditState&) = delete;

  // Back to no stage and nothing changed; the saved layer selections, the edit context, the tool
  // anchors and the undo store are kept.
  void Reset();

  // The layer the author asked for: it is also where a closing data sheet comes back to.
  void SelectLayer(int32_t nLayer);
  // Another layer for a moment (a data sheet of that layer opens); the current one is requested.
  void SwitchLayer(int32_t nLayer);
  // Block, character, item, then block again.
  void NextLayer();
  void SetLayer(int32_t nLayer);
  void SetTool(int32_t nTool);
  void SetRightClickMode(int32_t nMode);
  void ClearPaletteClipboard();
  void SaveLayerSel(int32_t nLayer);
  void LoadLayerSel(int32_t nLayer);

  // The stage window follows a layer change (menu checks, buttons, tool windows, palette tool
  // buttons) through this; none while no stage window exists.
  typedef void (*LayerShownFn)(int32_t nLayer);
  static LayerShownFn SetLayerShownFn(LayerShownFn pfn);

  // Undo store. AllocUndo may lower the stage's undo depth when free memory is short.
  void AllocUndo(int32_t nDepth, int32_t nPitch, int32_t nHeight);
  void ClearUndo();
  void PushSnapshot(int32_t nMask, cUndoStack& stack, const cChkVector<cEdBlock>& vBlock,
                    const cChkVector<cEdChara>& vChara, const cChkVector<cEdItem>& vItem);
  void Undo(cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara, cChkVector<cEdItem>& vItem);
  void Redo(cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara, cChkVector<cEdItem>& vItem);
  // Bytes of one undo step for a stage of this pitch (rounded up to a power of two) and height.
  static uint64_t SnapshotSize(int32_t nPitch, int32_t nHeight);
  // Copies the layers the mask names, visiting the stage's cells only.
  static void CopySnapshot(cChkVector<cEdBlock>& vDstBlock, cChkVector<cEdChara>& vDstChara,
                           cChkVector<cEdItem>& vDstItem, const cChkVector<cEdBlock>& vSrcBlock,
                           const cChkVector<cEdChara>& vSrcChara, const cChkVector<cEdItem>& vSrcItem,
                           int32_t nMask);
  // Every placed element of the masked layers takes its inherited fields again.
  static void ReapplyInherit(cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                             cChkVector<cEdItem>& vItem, int32_t nMask);

 private:
  // Restores the newest step of one stack after pushing the grids onto the other.
  void Step(cUndoStack& from, cUndoStack& to, cChkVector<cEdBlock>& vBlock,
            cChkVector<cEdChara>& vChara, cChkVector<cEdItem>& vItem);
};

// Free physical memory in bytes as the undo store sees it; tests put a figure of their own here.
// Null restores the system's. Returns the previous one.
typedef uint64_t (*FreeMemFn)();
FreeMemFn SetFreeMemFn(FreeMemFn pfn);
// Free physical memory in bytes through that function: what the editor's memory checks compare.
uint64_t FreeMem();

// Set while a test play is being launched: the undo store takes no step meanwhile.
extern int32_t g_bTestPlayLaunching;

extern cStageEditState StageEditState;
