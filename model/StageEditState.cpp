#include "model/StageEditState.h"

#include <algorithm>
#include <utility>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "model/GridPitch.h"
#include "model/Stage.h"

cStageEditState StageEditState;
int32_t g_bTestPlayLaunching = 0;

namespace {

cStageEditState::LayerShownFn s_pfnLayerShown = nullptr;

uint64_t SystemFreeMem() { return GetFreePhysMem(); }
FreeMemFn s_pfnFreeMem = &SystemFreeMem;

// Bytes of one cell of each layer in an undo step, as the memory estimates count them.
constexpr uint64_t SNAPSHOT_CELL_BYTES = 459 + 1137 + 276 + 453;

template <class T>
void ReapplyLayer(cStageGrid<T>& v) {
  v.ForEachRecord([](T& rec) {
    if (rec.m_nGraphic != 0) rec.ApplyInherit();
  });
}

// The older step takes the newer one's old records of the cells it has none of: from the older
// step's beginning to the newer one's, those cells did not change, so their records then were the
// same.
template <class T>
void MergeCells(cUndoCells<T>& dst, const cUndoCells<T>& src) {
  src.ForEachKept([&](int32_t nIndex, const T& old) { dst.Add(nIndex, &old); });
  // What is left of the source's cells were empty (a cell already seen is not taken again).
  src.ForEachSeen([&](int32_t nIndex) { dst.Add(nIndex, nullptr); });
}

void MergeStep(cUndoStep& dst, const cUndoStep& src) {
  MergeCells(dst.m_Block, src.m_Block);
  MergeCells(dst.m_Chara, src.m_Chara);
  MergeCells(dst.m_Item, src.m_Item);
}

// Puts the step's old records back into the layer: a cell that held an element gets its record
// whole, a cell that was empty only becomes empty, keeping the rest of what it holds now (a record
// left equal to the empty one is freed). The cells' records from before go to pTo, the step that
// undoes this one (none when it was refused).
template <class T>
void RestoreCells(cStageGrid<T>& grid, const cUndoCells<T>& cells, cUndoCells<T>* pTo) {
  const size_t nSize = grid.size();
  // Each touched cell gives its present record to pTo before it changes; the cells that were
  // empty are emptied. A cell whose record pTo keeps together with the one before (an equal
  // record) is emptied as that one was, without comparing it with the empty record again.
  // Such cells that keep their emptied record share it, as they shared it filled.
  int32_t nLastRec = -1;
  bool bLastFreed = false;
  T emptied;
  typename cStageGrid<T>::cShareScope share(grid);
  cells.ForEachSeen([&](int32_t nIndex) {
    if (static_cast<size_t>(nIndex) >= nSize) return;
    const int32_t nRec = pTo ? pTo->Add(nIndex, &grid.Get(nIndex)) : -1;
    if (cells.Held(nIndex) || !grid.Holds(nIndex)) return;
    if (nRec >= 0 && nRec == nLastRec) {
      if (bLastFreed)
        grid.Release(nIndex);
      else
        grid.PutShared(nIndex, emptied);
      return;
    }
    // Writing the cell on its own ends what the scope shared from emptied before it changes.
    grid.Unwatched(nIndex).m_nGraphic = 0;
    grid.Tidy(nIndex);
    nLastRec = nRec;
    bLastFreed = !grid.Holds(nIndex);
    if (!bLastFreed) emptied = grid.Get(nIndex);
  });
  // The cells that held an element get their old records back; the cells of a run that kept one
  // record (a filled area) share it again, as the fill had them.
  cells.ForEachKept([&](int32_t nIndex, const T& old) {
    if (static_cast<size_t>(nIndex) < nSize) grid.PutShared(nIndex, old);
  });
}

// The cell that a record handed out by reference lies in, or -1.
template <class T>
int32_t CellOf(const cStageGrid<T>& grid, const T* p) {
  return grid.IndexOf(p);
}

void EmptyStack(cUndoStack& s) {
  s.m_dSteps.clear();
  s.m_nCount = 0;
  s.m_nAllocated = 0;
}

// Two records that a step may keep as one: every stored field, string and container equal, and
// the position pair too.
bool SameKept(const cEdBlock& a, const cEdBlock& b) { return a.m_nX == b.m_nX && a.m_nY == b.m_nY && a.SameFields(b); }
bool SameKept(const cEdItem& a, const cEdItem& b) { return a.m_nX == b.m_nX && a.m_nY == b.m_nY && a.SameFields(b); }
bool SameKept(const cEdChara& a, const cEdChara& b) {
  return a.m_nX == b.m_nX && a.m_nY == b.m_nY && a.m_nItemLink == b.m_nItemLink && a.SameFields(b);
}

}  // namespace

template <class T>
int32_t cUndoCells<T>::Add(int32_t nIndex, const T* pOld) {
  if (nIndex < 0) return -1;
  const size_t k = static_cast<size_t>(nIndex), p = k >> PAGE_SHIFT, w = (k >> 6) & (PAGE_WORDS - 1);
  cBits* pBits = Find(p);
  if (!pBits) {
    auto it = m_vPage.begin();
    while (it != m_vPage.end() && it->nPage < p) ++it;
    std::unique_ptr<cBits> pNew(new cBits());
    pBits = pNew.get();
    m_nLast = static_cast<size_t>(m_vPage.insert(it, cPage{p, std::move(pNew)}) - m_vPage.begin());
  }
  cBits& page = *pBits;
  const uint64_t bit = uint64_t(1) << (k & 63);
  if (page.aSeen[w] & bit) return -1;
  int32_t nRec = -1;
  if (pOld && pOld->m_nGraphic != 0) {
    // A run of equal records (the usual old contents of a filled area) keeps one of them.
    if (m_vOld.empty() || !SameKept(m_vOld.back(), *pOld)) m_vOld.push_back(*pOld);
    nRec = static_cast<int32_t>(m_vOld.size() - 1);
    cRun* pRun = m_vRuns.empty() ? nullptr : &m_vRuns.back();
    if (pRun && pRun->nRec == nRec && pRun->nIndex + pRun->nCount == nIndex)
      ++pRun->nCount;
    else
      m_vRuns.push_back(cRun{nIndex, 1, nRec});
    page.aHeld[w] |= bit;
  }
  page.aSeen[w] |= bit;
  return nRec;
}

int32_t cUndoStack::Mask(int32_t i) const {
  if (i < 0 || i >= m_nCount || static_cast<size_t>(i) >= m_dSteps.size()) return 0;
  return m_dSteps[static_cast<size_t>(i)].m_nMask;
}

void cUndoStack::Trim() {
  const size_t nKeep = m_nCount > 0 ? static_cast<size_t>(m_nCount) : 0;
  while (m_dSteps.size() > nKeep) m_dSteps.pop_back();
  m_nCount = static_cast<int32_t>(m_dSteps.size());
}

uint64_t FreeMem() { return s_pfnFreeMem(); }

FreeMemFn SetFreeMemFn(FreeMemFn pfn) {
  FreeMemFn pfnOld = s_pfnFreeMem;
  s_pfnFreeMem = pfn ? pfn : &SystemFreeMem;
  return pfnOld;
}

void cPaletteClipboard::Clear() {
  m_vBlock.clear();
  m_vChara.clear();
  m_vItem.clear();
  m_bHasData = 0;
  m_bCutPending = 0;
}

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
  m_lpBlockTarget = nullptr;
  m_lpCharaTarget = nullptr;
  m_lpItemTarget = nullptr;
  m_lpBlockSheet = nullptr;
  m_lpCharaSheet = nullptr;
  m_lpItemSheet = nullptr;
  PaletteClipboard.Clear();
  m_vBrushBlock.assign(1, cEdBlock());
  m_vBrushChara.assign(1, cEdChara());
  m_vBrushItem.assign(1, cEdItem());
  m_strStagePath.clear();
}

cStageEditState::LayerShownFn cStageEditState::SetLayerShownFn(LayerShownFn pfn) {
  LayerShownFn pfnOld = s_pfnLayerShown;
  s_pfnLayerShown = pfn;
  return pfnOld;
}

void cStageEditState::SelectLayer(int32_t nLayer) {
  m_nPendingLayer = nLayer;
  SetLayer(nLayer);
}

void cStageEditState::SwitchLayer(int32_t nLayer) {
  m_nPendingLayer = m_nLayer;
  SetLayer(nLayer);
}

void cStageEditState::NextLayer() { SelectLayer(m_nLayer >= LAYER_ITEM ? LAYER_BLOCK : m_nLayer + 1); }

void cStageEditState::SetLayer(int32_t nLayer) {
  if (nLayer < LAYER_BLOCK || nLayer > LAYER_ITEM) {
    ClearPaletteClipboard();
    return;
  }
  if (nLayer != m_nLayer) {
    SaveLayerSel(m_nLayer);
    LoadLayerSel(nLayer);
  }
  m_nLayer = nLayer;
  SetTool(m_nTool);
  if (s_pfnLayerShown) s_pfnLayerShown(nLayer);
  ClearPaletteClipboard();
}

void cStageEditState::SetTool(int32_t nTool) {
  m_nTool = nTool;
  if (nTool >= 0 && nTool <= 2)
    m_nToolGroup = nTool;
  else if (nTool == 3 || nTool == 4)
    m_nToolGroup = 3;
}

void cStageEditState::SetRightClickMode(int32_t nMode) {
  m_nRightClickMode = nMode;
  ClearPaletteClipboard();
}

void cStageEditState::ClearPaletteClipboard() { PaletteClipboard.Clear(); }

void cStageEditState::SaveLayerSel(int32_t nLayer) {
  if (nLayer < 0 || nLayer >= LAYER_COUNT) return;
  cPaletteSel& sel = m_aLayerSel[nLayer];
  sel.m_nY = m_nBrushEntry;
  sel.m_nWidth = m_nBrushWidth;
  sel.m_nHeight = m_nBrushHeight;
}

void cStageEditState::LoadLayerSel(int32_t nLayer) {
  if (nLayer < 0 || nLayer >= LAYER_COUNT) return;
  const cPaletteSel& sel = m_aLayerSel[nLayer];
  m_nBrushEntry = sel.m_nY;
  m_nBrushWidth = sel.m_nWidth;
  m_nBrushHeight = sel.m_nHeight;
}

uint64_t cStageEditState::SnapshotSize(int32_t nPitch, int32_t nHeight) {
  int32_t nPow = 1, nShift = 0;
  CalcPitch(nPitch, nPow, nShift);
  if (nHeight < 0) nHeight = 0;
  return static_cast<uint64_t>(nHeight) * static_cast<uint64_t>(nPow) * SNAPSHOT_CELL_BYTES;
}

void cStageEditState::ClearUndo() {
  EmptyStack(m_Undo);
  EmptyStack(m_Redo);
}

void cStageEditState::AllocUndo(int32_t nDepth, int32_t nPitch, int32_t nHeight) {
  ClearUndo();
  if (nDepth <= 0) return;
  uint64_t nSize = SnapshotSize(nPitch, nHeight);
  uint64_t nFree = s_pfnFreeMem();
  // One snapshot for the stage itself and two per step (undo and redo); counted in 64 bits, as a
  // large stage at the full depth is more than 32 bits can hold.
  if (nSize > 0 && nFree < nSize + 2 * nSize * static_cast<uint64_t>(Stage.m_nUndoDepth)) {
    uint64_t nFit = nFree < nSize ? 0 : (nFree - nSize) / (2 * nSize);
    nDepth = static_cast<int32_t>(nFit);
    Stage.m_nUndoDepth = nDepth;
    DebugErrorBox("元に戻せる回数を %d回 に強制変更！", nDepth);
    if (nDepth == 0) return;
  }
  // Steps are made as edits begin them and hold only what they change: nothing to make here.
  m_Undo.m_nAllocated = nDepth;
  m_Redo.m_nAllocated = nDepth;
}

void cStageEditState::ReapplyInherit(cStageGrid<cEdBlock>& vBlock, cStageGrid<cEdChara>& vChara,
                                     cStageGrid<cEdItem>& vItem, int32_t nMask) {
  if (nMask & UNDO_BLOCK) ReapplyLayer(vBlock);
  if (nMask & UNDO_CHARA) ReapplyLayer(vChara);
  if (nMask & UNDO_ITEM) ReapplyLayer(vItem);
}

cUndoStep* cStageEditState::BeginStep(int32_t nMask, cUndoStack& s, const cStageGrid<cEdBlock>& vBlock,
                                      const cStageGrid<cEdChara>& vChara, const cStageGrid<cEdItem>& vItem) {
  const int32_t nDepth = Stage.m_nUndoDepth;
  if (nDepth <= 0 || g_bTestPlayLaunching || s.Allocated() < nDepth) return nullptr;
  s.Trim();
  s.m_dSteps.emplace_front();
  while (s.m_dSteps.size() > static_cast<size_t>(nDepth)) s.m_dSteps.pop_back();
  s.m_nCount = static_cast<int32_t>(s.m_dSteps.size());
  cUndoStep& step = s.m_dSteps.front();
  step.m_nMask = nMask;
  vBlock.SetWatcher(this, LAYER_BLOCK);
  vChara.SetWatcher(this, LAYER_CHARA);
  vItem.SetWatcher(this, LAYER_ITEM);
  const int32_t nBlock = CellOf(vBlock, m_lpBlockTarget);
  if (nBlock >= 0) step.m_Block.Add(nBlock, m_lpBlockTarget);
  const int32_t nChara = CellOf(vChara, m_lpCharaTarget);
  if (nChara >= 0) step.m_Chara.Add(nChara, m_lpCharaTarget);
  const int32_t nItem = CellOf(vItem, m_lpItemTarget);
  if (nItem >= 0) step.m_Item.Add(nItem, m_lpItemTarget);
  return &step;
}

void cStageEditState::PushSnapshot(int32_t nMask, cUndoStack& s, const cStageGrid<cEdBlock>& vBlock,
                                   const cStageGrid<cEdChara>& vChara, const cStageGrid<cEdItem>& vItem) {
  BeginStep(nMask, s, vBlock, vChara, vItem);
}

void cStageEditState::Record(cUndoStack& s, int32_t nLayer, int32_t nIndex, const void* pOld) {
  if (s.m_nCount <= 0 || Stage.m_nUndoDepth <= 0) return;
  if (s.m_dSteps.size() != static_cast<size_t>(s.m_nCount)) s.Trim();
  if (s.m_dSteps.empty()) return;
  cUndoStep& step = s.m_dSteps.front();
  switch (nLayer) {
    case LAYER_BLOCK: step.m_Block.Add(nIndex, static_cast<const cEdBlock*>(pOld)); break;
    case LAYER_CHARA: step.m_Chara.Add(nIndex, static_cast<const cEdChara*>(pOld)); break;
    case LAYER_ITEM: step.m_Item.Add(nIndex, static_cast<const cEdItem*>(pOld)); break;
    default: break;
  }
}

void cStageEditState::CellTouched(int32_t nLayer, int32_t nIndex, const void* pOld) {
  Record(m_Undo, nLayer, nIndex, pOld);
  Record(m_Redo, nLayer, nIndex, pOld);
}

void cStageEditState::Step(cUndoStack& from, cUndoStack& to, cStageGrid<cEdBlock>& vBlock,
                           cStageGrid<cEdChara>& vChara, cStageGrid<cEdItem>& vItem) {
  from.Trim();
  to.Trim();
  if (Stage.m_nUndoDepth <= 0 || from.m_nCount <= 0) return;
  cUndoStep top = std::move(from.m_dSteps.front());
  from.m_dSteps.pop_front();
  from.m_nCount = static_cast<int32_t>(from.m_dSteps.size());
  // The step below now reaches up to the present: it takes what the popped one knew.
  if (!from.m_dSteps.empty()) MergeStep(from.m_dSteps.front(), top);
  const int32_t nMask = top.m_nMask;
  cUndoStep* pTo = BeginStep(nMask, to, vBlock, vChara, vItem);
  if (nMask & UNDO_BLOCK) RestoreCells(vBlock, top.m_Block, pTo ? &pTo->m_Block : nullptr);
  if (nMask & UNDO_CHARA) RestoreCells(vChara, top.m_Chara, pTo ? &pTo->m_Chara : nullptr);
  if (nMask & UNDO_ITEM) RestoreCells(vItem, top.m_Item, pTo ? &pTo->m_Item : nullptr);
  ReapplyInherit(vBlock, vChara, vItem, nMask);
}

void cStageEditState::Undo(cStageGrid<cEdBlock>& vBlock, cStageGrid<cEdChara>& vChara,
                           cStageGrid<cEdItem>& vItem) {
  Step(m_Undo, m_Redo, vBlock, vChara, vItem);
}

void cStageEditState::Redo(cStageGrid<cEdBlock>& vBlock, cStageGrid<cEdChara>& vChara,
                           cStageGrid<cEdItem>& vItem) {
  Step(m_Redo, m_Undo, vBlock, vChara, vItem);
}
