// The stage editor's state that outlives the stage window (which is rebuilt after every stage
// change): which stage file is open and what changed, the layer and tool, the brush and the
// palette selections. The stage editor keeps its tools' working values and the undo store here too.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"
#include "model/StageGrid.h"

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

// The old records of the cells of one layer that a step changed, each taken when the step first
// touched the cell. A cell that was empty keeps no record and no list entry, only its bit: undoing
// it only empties it again, and a fill of an empty layer then costs one bit per cell. Cells that
// held equal records one after the other (a fill, a rectangle or a clear over a uniform area) share
// one kept record, so a large step holds a copy per distinct record, not per cell.
//
// The bits are kept by pages of 4096 cells, made as cells of them are touched and listed in the
// order of the cells: a step costs what it touches, not the stage's area.
template <class T>
struct cUndoCells {
  static constexpr size_t PAGE_SHIFT = 12;
  static constexpr size_t PAGE_WORDS = (size_t(1) << PAGE_SHIFT) / 64;
  struct cBits {
    uint64_t aSeen[PAGE_WORDS] = {};  // touched
    uint64_t aHeld[PAGE_WORDS] = {};  // touched while it held an element (it has a kept record)
  };
  struct cPage {
    size_t nPage;  // cell index >> PAGE_SHIFT
    std::unique_ptr<cBits> pBits;
  };
  std::vector<cPage> m_vPage;  // in ascending order
  // Cells nIndex, nIndex + 1, ... nIndex + nCount - 1, touched one after the other, that held the
  // same old record m_vOld[nRec].
  struct cRun {
    int32_t nIndex;
    int32_t nCount;
    int32_t nRec;
  };
  std::vector<cRun> m_vRuns;  // the touched cells that held an element, in the order of their first touch
  std::deque<T> m_vOld;  // records never move once kept: a large step is not copied as it grows

  bool Seen(int32_t nIndex) const { return Bit(nIndex, &cBits::aSeen); }
  bool Held(int32_t nIndex) const { return Bit(nIndex, &cBits::aHeld); }
  // Keeps the old record of a cell that was not touched before (pOld null: the cell was empty).
  // Returns where in m_vOld the record was kept, or -1 when none was (the cell was empty or
  // touched before).
  int32_t Add(int32_t nIndex, const T* pOld);
  // Calls fn(index, record) for every touched cell that held an element, in the order of touch.
  template <class Fn>
  void ForEachKept(Fn fn) const {
    for (const cRun& r : m_vRuns)
      for (int32_t k = 0; k < r.nCount; ++k) fn(r.nIndex + k, m_vOld[static_cast<size_t>(r.nRec)]);
  }
  // Calls fn(index) for every touched cell, in index order.
  template <class Fn>
  void ForEachSeen(Fn fn) const {
    for (const cPage& pg : m_vPage)
      for (size_t w = 0; w < PAGE_WORDS; ++w)
        for (uint64_t bits = pg.pBits->aSeen[w]; bits != 0; bits &= bits - 1)
          fn(static_cast<int32_t>((pg.nPage << PAGE_SHIFT) + w * 64 + static_cast<size_t>(__builtin_ctzll(bits))));
  }

 private:
  // The bits of a page, or null when none of its cells was touched.
  cBits* Find(size_t nPage) const {
    if (m_nLast < m_vPage.size() && m_vPage[m_nLast].nPage == nPage) return m_vPage[m_nLast].pBits.get();
    size_t lo = 0, hi = m_vPage.size();
    while (lo < hi) {
      const size_t mid = (lo + hi) / 2;
      if (m_vPage[mid].nPage < nPage)
        lo = mid + 1;
      else
        hi = mid;
    }
    if (lo == m_vPage.size() || m_vPage[lo].nPage != nPage) return nullptr;
    m_nLast = lo;
    return m_vPage[lo].pBits.get();
  }
  bool Bit(int32_t nIndex, uint64_t (cBits::*pBits)[PAGE_WORDS]) const {
    if (nIndex < 0) return false;
    const size_t k = static_cast<size_t>(nIndex);
    const cBits* p = Find(k >> PAGE_SHIFT);
    return p && ((p->*pBits)[(k >> 6) & (PAGE_WORDS - 1)] >> (k & 63) & 1) != 0;
  }
  mutable size_t m_nLast = 0;  // the page found last: a step's cells mostly come page by page
};

// One undo or redo step: its layer mask and the old records of what changed after it began.
struct cUndoStep {
  int32_t m_nMask = 0;
  cUndoCells<cEdBlock> m_Block;
  cUndoCells<cEdChara> m_Chara;
  cUndoCells<cEdItem> m_Item;
};

// A stack of steps, step 0 the newest. A push puts a new step in front and drops the oldest beyond
// the depth; no step is copied or moved. The count says how many steps are valid: a caller that
// sets it lower empties the rest.
struct cUndoStack {
  std::deque<cUndoStep> m_dSteps;
  int32_t m_nCount = 0;
  int32_t m_nAllocated = 0;  // the depth the store was sized for; 0 while emptied

  int32_t Allocated() const { return m_nAllocated; }
  // The mask of step i, 0 beyond the count.
  int32_t Mask(int32_t i) const;
  // Drops the steps beyond the count.
  void Trim();
};

class cStageEditState : public cCellWatcher {
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
  // Begins a step on the stack: from now on the grids tell the store the old record of each cell
  // before its first change. The records that the open data sheets edit in place count as
  // touched at once, as they are written back through their pointers.
  void PushSnapshot(int32_t nMask, cUndoStack& stack, const cStageGrid<cEdBlock>& vBlock,
                    const cStageGrid<cEdChara>& vChara, const cStageGrid<cEdItem>& vItem);
  void Undo(cStageGrid<cEdBlock>& vBlock, cStageGrid<cEdChara>& vChara, cStageGrid<cEdItem>& vItem);
  void Redo(cStageGrid<cEdBlock>& vBlock, cStageGrid<cEdChara>& vChara, cStageGrid<cEdItem>& vItem);
  // Bytes of one undo step for a stage of this pitch (rounded up to a power of two) and height:
  // the estimate of whole-layer copies that the memory checks go by.
  static uint64_t SnapshotSize(int32_t nPitch, int32_t nHeight);
  // Every placed element of the masked layers takes its inherited fields again.
  static void ReapplyInherit(cStageGrid<cEdBlock>& vBlock, cStageGrid<cEdChara>& vChara,
                             cStageGrid<cEdItem>& vItem, int32_t nMask);

  void CellTouched(int32_t nLayer, int32_t nIndex, const void* pOld) override;

 private:
  // Restores the newest step of one stack after pushing the grids onto the other.
  void Step(cUndoStack& from, cUndoStack& to, cStageGrid<cEdBlock>& vBlock,
            cStageGrid<cEdChara>& vChara, cStageGrid<cEdItem>& vItem);
  // The new step, or null when the push is refused.
  cUndoStep* BeginStep(int32_t nMask, cUndoStack& s, const cStageGrid<cEdBlock>& vBlock,
                       const cStageGrid<cEdChara>& vChara, const cStageGrid<cEdItem>& vItem);
  void Record(cUndoStack& s, int32_t nLayer, int32_t nIndex, const void* pOld);
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
