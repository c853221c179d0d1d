#include "model/StageEditState.h"

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

// One layer copied cell by cell: a placed cell whole, an empty one only as empty, so an undone
// cell keeps the rest of what it held.
template <class T>
void CopyLayer(cChkVector<T>& vDst, const cChkVector<T>& vSrc) {
  int32_t nCount = static_cast<int32_t>(vDst.size() < vSrc.size() ? vDst.size() : vSrc.size());
  for (int32_t y = 0; y < Stage.m_nHeight; ++y) {
    for (int32_t x = 0; x < Stage.m_nWidth; ++x) {
      int32_t i = Stage.CellIndex(x, y);
      if (i < 0 || i >= nCount) continue;
      if (vSrc[i].m_nGraphic != 0)
        vDst[i] = vSrc[i];
      else
        vDst[i].m_nGraphic = 0;
    }
  }
}

template <class T>
void ReapplyLayer(cChkVector<T>& v) {
  for (T& rec : v)
    if (rec.m_nGraphic != 0) rec.ApplyInherit();
}

// Step nTo of the stack takes step nFrom's mask and masked layers.
void CopyStep(cUndoStack& s, int32_t nTo, int32_t nFrom) {
  s.m_vMask[nTo] = s.m_vMask[nFrom];
  cStageEditState::CopySnapshot(s.m_vBlock[nTo], s.m_vChara[nTo], s.m_vItem[nTo], s.m_vBlock[nFrom],
                                s.m_vChara[nFrom], s.m_vItem[nFrom], s.m_vMask[nFrom]);
}

void EmptyStack(cUndoStack& s) {
  s.m_vBlock.clear();
  s.m_vChara.clear();
  s.m_vItem.clear();
  s.m_nCount = 0;
}

void SizeStack(cUndoStack& s, int32_t nSteps, int32_t nCells) {
  s.m_vBlock.assign(nSteps, cChkVector<cEdBlock>(nCells));
  s.m_vChara.assign(nSteps, cChkVector<cEdChara>(nCells));
  s.m_vItem.assign(nSteps, cChkVector<cEdItem>(nCells));
  s.m_vMask.resize(nSteps, 0);
  s.m_nCount = 0;
}

}  // namespace

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
  int32_t nPow = 1, nShift = 0;
  CalcPitch(nPitch, nPow, nShift);
  int32_t nCells = nPow * (nHeight > 0 ? nHeight : 0);
  SizeStack(m_Undo, nDepth, nCells);
  SizeStack(m_Redo, nDepth, nCells);
}

void cStageEditState::CopySnapshot(cChkVector<cEdBlock>& vDstBlock, cChkVector<cEdChara>& vDstChara,
                                   cChkVector<cEdItem>& vDstItem,
                                   const cChkVector<cEdBlock>& vSrcBlock,
                                   const cChkVector<cEdChara>& vSrcChara,
                                   const cChkVector<cEdItem>& vSrcItem, int32_t nMask) {
  if (nMask & UNDO_BLOCK) CopyLayer(vDstBlock, vSrcBlock);
  if (nMask & UNDO_CHARA) CopyLayer(vDstChara, vSrcChara);
  if (nMask & UNDO_ITEM) CopyLayer(vDstItem, vSrcItem);
}

void cStageEditState::ReapplyInherit(cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                                     cChkVector<cEdItem>& vItem, int32_t nMask) {
  if (nMask & UNDO_BLOCK) ReapplyLayer(vBlock);
  if (nMask & UNDO_CHARA) ReapplyLayer(vChara);
  if (nMask & UNDO_ITEM) ReapplyLayer(vItem);
}

void cStageEditState::PushSnapshot(int32_t nMask, cUndoStack& s, const cChkVector<cEdBlock>& vBlock,
                                   const cChkVector<cEdChara>& vChara,
                                   const cChkVector<cEdItem>& vItem) {
  int32_t nDepth = Stage.m_nUndoDepth;
  if (nDepth <= 0 || g_bTestPlayLaunching || s.Allocated() < nDepth) return;
  for (int32_t n = s.m_nCount - 1; n >= 0; --n)
    if (n + 1 < nDepth) CopyStep(s, n + 1, n);
  s.m_vMask[0] = nMask;
  CopySnapshot(s.m_vBlock[0], s.m_vChara[0], s.m_vItem[0], vBlock, vChara, vItem, nMask);
  if (s.m_nCount < nDepth) ++s.m_nCount;
}

void cStageEditState::Step(cUndoStack& from, cUndoStack& to, cChkVector<cEdBlock>& vBlock,
                           cChkVector<cEdChara>& vChara, cChkVector<cEdItem>& vItem) {
  if (Stage.m_nUndoDepth <= 0 || from.m_nCount <= 0) return;
  int32_t nMask = from.m_vMask[0];
  PushSnapshot(nMask, to, vBlock, vChara, vItem);
  CopySnapshot(vBlock, vChara, vItem, from.m_vBlock[0], from.m_vChara[0], from.m_vItem[0], nMask);
  ReapplyInherit(vBlock, vChara, vItem, nMask);
  for (int32_t i = 1; i < from.m_nCount; ++i) CopyStep(from, i - 1, i);
  --from.m_nCount;
}

void cStageEditState::Undo(cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                           cChkVector<cEdItem>& vItem) {
  Step(m_Undo, m_Redo, vBlock, vChara, vItem);
}

void cStageEditState::Redo(cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                           cChkVector<cEdItem>& vItem) {
  Step(m_Redo, m_Undo, vBlock, vChara, vItem);
}
