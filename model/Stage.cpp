#include "model/Stage.h"

#include <algorithm>
#include <utility>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "model/Database.h"
#include "model/GridPitch.h"
#include "model/PrjOption.h"
#include "model/RefChecks.h"

cEdStage Stage;
cThread StageLoadThread;

namespace {

// The open stage's palettes are the ones that source kind 2 names from the start.
const bool s_bAttached = (Stage.AttachPalettes(), true);

bool IsPlayer(const cEdChara& c) { return c.m_nGraphic != 0 && c.m_nControl == 0; }

// The old records are freed before the new ones are made, so a large grid is never held twice.
template <class T>
void ResetTo(cChkVector<T>& v, int32_t nCount) {
  v.clear();
  v.shrink_to_fit();
  v.assign(static_cast<size_t>(nCount < 0 ? 0 : nCount), T());
}

// An emptied cell is restored by an undo as empty whatever else it held, so only the cells that
// held elements need to reach the grid's watcher.
template <class T>
void ClearLayer(cStageGrid<T>& v, int32_t nCount) {
  if (v.Watcher())
    for (size_t i = 0; i < v.size(); ++i)
      if (v.Placed(static_cast<int>(i))) v.Touch(static_cast<int>(i));
  v.Assign(static_cast<size_t>(nCount < 0 ? 0 : nCount));
}

// Moves the overlap of an old layout into a new one. On an axis whose direction is 1 the cells
// keep their distance from the far edge (columns from the right, rows from the bottom).
template <class T>
void MoveOverlap(cStageGrid<T>& vOld, int32_t nOldW, int32_t nOldH, int32_t nOldShift, cStageGrid<T>& vNew,
                 int32_t nNewW, int32_t nNewH, int32_t nNewShift, int32_t nDirX, int32_t nDirY) {
  const int32_t dx = nDirX ? nNewW - nOldW : 0;
  const int32_t dy = nDirY ? nNewH - nOldH : 0;
  for (int32_t ny = 0; ny < nNewH; ++ny) {
    const int32_t oy = ny - dy;
    if (oy < 0 || oy >= nOldH) continue;
    for (int32_t nx = 0; nx < nNewW; ++nx) {
      const int32_t ox = nx - dx;
      if (ox < 0 || ox >= nOldW) continue;
      const int32_t nFrom = ox + (oy << nOldShift);
      if (vOld.Holds(nFrom)) vNew.Unwatched(nx + (ny << nNewShift)) = std::move(vOld.Unwatched(nFrom));
    }
  }
}

template <class T>
void ValidateRecords(cChkVector<T>& v) {
  for (T& e : v) e.Validate();
}
// The cells without records of their own read as the empty record, which is valid as it is.
template <class T>
void ValidateRecords(cStageGrid<T>& v) {
  v.ForEachRecord([](T& e) { e.Validate(); });
}

}  // namespace

cEdStage::cEdStage() { Reset(); }

void cEdStage::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  for (const int32_t* p : {&m_nWidth, &m_nPitch, &m_nShift, &m_nHeight, &m_bMinXOn, &m_bMaxXOn, &m_bMinYOn,
                           &m_bMaxYOn, &m_nMinX, &m_nMaxX, &m_nMinY, &m_nMaxY, &m_nFrameRate, &m_bTimeLimit,
                           &m_nTimeLimit, &m_nWarnTime, &m_nScrollModeX, &m_nScrollModeY, &m_nAutoScrollX,
                           &m_nAutoScrollY})
    reg.AddInt(p);
  reg.AddDouble(&m_dGravity);
  reg.AddInt(&m_nHitLevel);
  reg.AddInt(&m_nShotPrecision);
  reg.AddInt(&m_nBgm);
  if (nVersion >= 166) reg.AddInt(&m_bBgmLoop);
  if (nVersion >= 199) reg.AddInt(&m_bBgmKeep);
  reg.AddInt(&m_bUseZ);
  reg.AddInt(&m_bStockLoad);
  reg.AddInt(&m_bStockSave);
  if (nVersion >= 183) reg.AddInt(&m_bStatusWindow);
  if (nVersion >= 184) reg.AddInt(&m_bSkipClearWait);
  reg.AddInt(&m_bShowStageX);
  if (nVersion >= 225) reg.AddInt(&m_bShowReady);
  reg.AddInt(&m_bShowClear);
  reg.AddInt(&m_bShowGameOver);

  const bool b155 = nVersion >= 155, b200 = nVersion >= 200;
  struct cGated {
    const int32_t* p;
    bool bStored;
  };
  const cGated ranges[] = {
      {&m_nHeroWalkBlockW, b200},    {&m_nHeroWalkBlockH, b200},    {&m_nHeroFlyBlockW, b200},
      {&m_nHeroFlyBlockH, b200},     {&m_nHeroWalkCharaW, true},    {&m_nHeroWalkCharaH, true},
      {&m_nHeroFlyCharaW, b155},     {&m_nHeroFlyCharaH, b155},     {&m_nHeroShotW, true},
      {&m_nHeroShotH, true},         {&m_nHeroItemW, true},         {&m_nHeroItemH, true},
      {&m_nHeroWalkBlockPos, b200},  {&m_nHeroFlyBlockPos, b200},   {&m_nHeroWalkCharaPos, b155},
      {&m_nHeroFlyCharaPos, b155},   {&m_nShowBlockRange, b200},    {&m_nShowCharaRange, true},
      {&m_nShowShotRange, true},     {&m_nShowItemRange, true},     {&m_nBlockRangeColor, b200},
      {&m_nCharaRangeColor, true},   {&m_nShotRangeColor, true},    {&m_nItemRangeColor, true},
      {&m_nEnemyWalkBlockW, b200},   {&m_nEnemyWalkBlockH, b200},   {&m_nEnemyFlyBlockW, b200},
      {&m_nEnemyFlyBlockH, b200},    {&m_nEnemyWalkCharaW, true},   {&m_nEnemyWalkCharaH, true},
      {&m_nEnemyFlyCharaW, b155},    {&m_nEnemyFlyCharaH, b155},    {&m_nEnemyShotW, true},
      {&m_nEnemyShotH, true},        {&m_nEnemyWalkBlockPos, b200}, {&m_nEnemyFlyBlockPos, b200},
      {&m_nEnemyWalkCharaPos, b155}, {&m_nEnemyFlyCharaPos, b155},  {&m_nItemCharaW, true},
      {&m_nItemCharaH, true},        {&m_nHeroShotCharaW, true},    {&m_nHeroShotCharaH, true},
      {&m_nHeroShotShotW, true},     {&m_nHeroShotShotH, true},     {&m_nEnemyShotCharaW, true},
      {&m_nEnemyShotCharaH, true},   {&m_nEnemyShotShotW, true},    {&m_nEnemyShotShotH, true},
      {&m_nUndoDepth, true},         {&m_nWidthDots, true},         {&m_nHeightDots, true},
      {&m_nLevelEff, true}};
  for (const cGated& g : ranges)
    if (g.bStored) reg.AddInt(g.p);
  for (const double* p : {&m_dLevel, &m_dLevelSq, &m_dSpeedLimit, &m_dGravityStep, &m_dSpeedStep}) reg.AddDouble(p);
  for (const int32_t* p : {&m_nLevel8, &m_bNoDamageOffScreen, &m_nHeroSameInvuln, &m_nHeroInvuln,
                           &m_nEnemySameInvuln, &m_nEnemyInvuln})
    reg.AddInt(p);
}

// ---------------------------------------------------------------------------------------------
// Reset and size

void cEdStage::Reset() {
  Clear();
  m_vBlockGrid.clear();
  m_vCharaGrid.clear();
  m_vItemGrid.clear();
  ClearBlockGrid(m_vPalBlock, 1);
  ClearCharaGrid(m_vPalChara, 1);
  ClearItemGrid(m_vPalItem, 1);

  m_bTimeLimit = 0;
  m_nTimeLimit = 200;
  m_nWarnTime = 20;
  m_dGravity = 0.4;
  m_nFrameRate = 60;
  m_nHitLevel = 10;
  m_nShotPrecision = 0;
  m_bUseZ = 1;
  m_bNoDamageOffScreen = 1;
  m_bStatusWindow = 1;
  m_bSkipClearWait = 0;
  m_bShowStageX = 0;
  m_bShowReady = 1;
  m_bShowClear = 1;
  m_bShowGameOver = 1;
  m_nHeroInvuln = 0;
  m_nHeroSameInvuln = 30;
  m_nEnemyInvuln = 0;
  m_nEnemySameInvuln = 30;

  m_vBackground.assign(1, cEdBackground());
  m_vBackground.data()[0].m_bUseColor = 1;
  m_vRankItems.assign(5, 1);

  for (int i = 0; i < 3; ++i) m_AutoVanish[i].Set(0, 0);
  m_AutoVanish[3].Set(1, 0);
  m_AutoVanish[4].Set(1, 10);

  m_nHeroWalkBlockW = 16, m_nHeroWalkBlockH = 24, m_nHeroFlyBlockW = 16, m_nHeroFlyBlockH = 16;
  m_nHeroWalkCharaW = 16, m_nHeroWalkCharaH = 24, m_nHeroFlyCharaW = 16, m_nHeroFlyCharaH = 16;
  m_nHeroShotW = 12, m_nHeroShotH = 8, m_nHeroItemW = 16, m_nHeroItemH = 16;
  m_nHeroWalkBlockPos = 1, m_nHeroFlyBlockPos = 0, m_nHeroWalkCharaPos = 1, m_nHeroFlyCharaPos = 0;
  m_nEnemyWalkBlockW = 16, m_nEnemyWalkBlockH = 24, m_nEnemyFlyBlockW = 16, m_nEnemyFlyBlockH = 16;
  m_nEnemyWalkCharaW = 12, m_nEnemyWalkCharaH = 24, m_nEnemyFlyCharaW = 12, m_nEnemyFlyCharaH = 16;
  m_nEnemyShotW = 30, m_nEnemyShotH = 30;
  m_nEnemyWalkBlockPos = 1, m_nEnemyFlyBlockPos = 0, m_nEnemyWalkCharaPos = 1, m_nEnemyFlyCharaPos = 0;
  m_nItemCharaW = 28, m_nItemCharaH = 28;
  m_nHeroShotCharaW = 16, m_nHeroShotCharaH = 16, m_nHeroShotShotW = 16, m_nHeroShotShotH = 16;
  m_nEnemyShotCharaW = 16, m_nEnemyShotCharaH = 16, m_nEnemyShotShotW = 16, m_nEnemyShotShotH = 16;

  m_nUndoDepth = 1;
  SetSize(20, 15, 0, 0);
  ResetTo(m_vVarName, STAGE_VAR_COUNT);
}

void cEdStage::ClearBlockGrid(cChkVector<cEdBlock>& v, int32_t nCount) { ResetTo(v, nCount); }
void cEdStage::ClearCharaGrid(cChkVector<cEdChara>& v, int32_t nCount) { ResetTo(v, nCount); }
void cEdStage::ClearItemGrid(cChkVector<cEdItem>& v, int32_t nCount) { ResetTo(v, nCount); }
void cEdStage::ClearBlockGrid(cStageGrid<cEdBlock>& v, int32_t nCount) { ClearLayer(v, nCount); }
void cEdStage::ClearCharaGrid(cStageGrid<cEdChara>& v, int32_t nCount) { ClearLayer(v, nCount); }
void cEdStage::ClearItemGrid(cStageGrid<cEdItem>& v, int32_t nCount) { ClearLayer(v, nCount); }

int cEdStage::SetSize(int32_t nWidth, int32_t nHeight, int32_t nDirX, int32_t nDirY) {
  return Resize(nWidth, nHeight, nDirX, nDirY, false);
}

int cEdStage::Resize(int32_t nWidth, int32_t nHeight, int32_t nDirX, int32_t nDirY, bool bForRead) {
  ErrorLog("SetSize In");
  if (nWidth <= 0 || nHeight <= 0) {
    DebugErrorBox("%s", "SetSize()で 0 を指定しました！");
    return 0;
  }
  if (nWidth > STAGE_SIZE_MAX || nHeight > STAGE_SIZE_MAX) {
    ReportAndErrorLog("err stage size %d x %d", nWidth, nHeight);
    return 0;
  }
  const int32_t nOldW = m_nWidth, nOldH = m_nHeight, nOldShift = m_nShift;
  const bool bKeep = !m_vBlockGrid.empty();
  // Where the player lands decides whether it survives; one that would fall outside goes to (0, 0).
  cEdChara player;
  bool bPlacePlayer = false;
  const cCellPos pos = bKeep ? FindPlayer() : cCellPos{-1, -1};
  if (pos.x != -1) {
    const int32_t nx = pos.x + (nDirX ? nWidth - nOldW : 0), ny = pos.y + (nDirY ? nHeight - nOldH : 0);
    if (nx < 0 || nx >= nWidth || ny < 0 || ny >= nHeight) {
      player = m_vCharaGrid.Get(CellIndex(pos.x, pos.y));
      bPlacePlayer = true;
    }
  }

  cStageGrid<cEdBlock> vOldBlock;
  cStageGrid<cEdChara> vOldChara;
  cStageGrid<cEdItem> vOldItem;
  if (bKeep) {
    vOldBlock.swap(m_vBlockGrid);
    vOldChara.swap(m_vCharaGrid);
    vOldItem.swap(m_vItemGrid);
  }
  SetDims(nWidth, nHeight);
  const int32_t nCells = m_nPitch * m_nHeight;
  if (bForRead && !bKeep) {
    m_vBlockGrid.Assign(static_cast<size_t>(nCells));
    m_vCharaGrid.Assign(static_cast<size_t>(nCells));
    m_vItemGrid.Assign(static_cast<size_t>(nCells));
    ClampScroll();
    return 1;
  }
  ClearBlockGrid(m_vBlockGrid, nCells);
  ClearCharaGrid(m_vCharaGrid, nCells);
  ClearItemGrid(m_vItemGrid, nCells);
  if (bKeep) {
    MoveOverlap(vOldBlock, nOldW, nOldH, nOldShift, m_vBlockGrid, nWidth, nHeight, m_nShift, nDirX, nDirY);
    MoveOverlap(vOldChara, nOldW, nOldH, nOldShift, m_vCharaGrid, nWidth, nHeight, m_nShift, nDirX, nDirY);
    MoveOverlap(vOldItem, nOldW, nOldH, nOldShift, m_vItemGrid, nWidth, nHeight, m_nShift, nDirX, nDirY);
  }
  if (bPlacePlayer) m_vCharaGrid.Unwatched(0) = player;
  ClampScroll();
  return 1;
}

void cEdStage::SetDims(int32_t nWidth, int32_t nHeight) {
  m_nWidth = nWidth;
  m_nHeight = nHeight;
  m_nWidthDots = nWidth * 32;
  m_nHeightDots = nHeight * 32;
  CalcPitch(nWidth, m_nPitch, m_nShift);
}

void cEdStage::ClampScroll() {
  m_nMinX = std::min(m_nMinX, m_nWidth - 20);
  m_nMaxX = std::min(m_nMaxX, m_nWidth - 1);
  m_nMinY = std::min(m_nMinY, m_nHeight - 15);
  m_nMaxY = std::min(m_nMaxY, m_nHeight - 1);
}

// ---------------------------------------------------------------------------------------------
// Validation

void cEdStage::SetSpeedLevel(int32_t nLevel) {
  m_nHitLevel = nLevel;
  const bool bSlow = nLevel <= 10 || nLevel >= 20;
  const int32_t L = bSlow ? nLevel : nLevel - 10;
  m_nLevelEff = L;
  m_dLevel = L;
  m_dLevelSq = static_cast<double>(L) * L;
  m_dSpeedLimit = bSlow ? 6.0 * L : 60.0;
  m_dSpeedStep = m_dSpeedLimit / L;
  m_dGravityStep = m_dGravity / (static_cast<double>(L) * L);
  m_nLevel8 = 8 * L;
}

namespace {

template <class T>
void GiveEntryOne(cChkVector<T>& v, const T& def, int nLayer) {
  if (v.size() >= 2) return;
  v.resize(2);
  v.data()[1] = def;
  SetInherit(v.data()[1], nLayer, PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][nLayer], 1,
             PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, nLayer));
}

}  // namespace

void cEdStage::Validate() {
  cStagePalScope scope(OwnPalettes());
  ValidateSettingsAndPalettes();
  m_vBlockGrid.ForEachRecord([](cEdBlock& e) { e.Validate(), e.ValidateItemRef(); });
  m_vCharaGrid.ForEachRecord([](cEdChara& e) { e.Validate(), e.ClampItemRefs(); });
  m_vItemGrid.ForEachRecord([](cEdItem& e) { e.Validate(), e.ClampItemRefs(); });
}

// A record's Validate changes nothing on a record it has validated while the palettes only grew and
// the database stayed: every repair leaves a value that passes its own check.
void cEdStage::ValidateAfterRead(bool bCellRefsDone) {
  // The undo store is sized from the depth: a damaged one must not claim the free memory.
  if (m_nUndoDepth < 0) m_nUndoDepth = 0;
  if (m_nUndoDepth > STAGE_UNDO_DEPTH_MAX) m_nUndoDepth = STAGE_UNDO_DEPTH_MAX;
  cStagePalScope scope(OwnPalettes());
  ValidateSettingsAndPalettes();
  if (bCellRefsDone) return;
  m_vBlockGrid.ForEachRecord([](cEdBlock& e) { e.ValidateItemRef(); });
  m_vCharaGrid.ForEachRecord([](cEdChara& e) { e.ClampItemRefs(); });
  m_vItemGrid.ForEachRecord([](cEdItem& e) { e.ClampItemRefs(); });
}

void cEdStage::ValidateSettingsAndPalettes() {
  ClampScroll();
  SetSpeedLevel(m_nHitLevel);
  if (IsOutside(m_nBgm, Database.m_vBgm.size())) m_nBgm = 0;
  GiveEntryOne(m_vPalBlock, PrjOption.m_DefBlock, PAL_BLOCK);
  GiveEntryOne(m_vPalChara, PrjOption.m_DefChara, PAL_CHARA);
  GiveEntryOne(m_vPalItem, PrjOption.m_DefItem, PAL_ITEM);
  for (cEdBlock& e : m_vPalBlock) e.Validate(), e.ValidateItemRef();
  for (cEdChara& e : m_vPalChara) e.Validate(), e.ClampItemRefs();
  for (cEdItem& e : m_vPalItem) e.Validate(), e.ClampItemRefs();
}

void cEdStage::ValidateAll(int bRefs) {
  cStagePalScope scope(OwnPalettes());
  ValidateRecords(m_vPalBlock);
  ValidateRecords(m_vPalChara);
  ValidateRecords(m_vPalItem);
  ValidateRecords(m_vBlockGrid);
  ValidateRecords(m_vCharaGrid);
  ValidateRecords(m_vItemGrid);
  if (!bRefs) return;
  for (cEdBlock& e : m_vPalBlock) e.ValidateItemRef();
  for (cEdChara& e : m_vPalChara) e.ClampItemRefs();
  for (cEdItem& e : m_vPalItem) e.ClampItemRefs();
  m_vBlockGrid.ForEachRecord([](cEdBlock& e) { e.ValidateItemRef(); });
  m_vCharaGrid.ForEachRecord([](cEdChara& e) { e.ClampItemRefs(); });
  m_vItemGrid.ForEachRecord([](cEdItem& e) { e.ClampItemRefs(); });
}

// ---------------------------------------------------------------------------------------------
// The player

cCellPos cEdStage::FindPlayer() const {
  for (int32_t y = 0; y < m_nHeight; ++y)
    for (int32_t x = 0; x < m_nWidth; ++x) {
      const size_t i = static_cast<size_t>(CellIndex(x, y));
      if (i < m_vCharaGrid.size() && IsPlayer(m_vCharaGrid.Get(static_cast<int>(i)))) return cCellPos{x, y};
    }
  return cCellPos{-1, -1};
}

void cEdStage::KeepOnePlayer() {
  int32_t nLast = -1;
  for (int32_t y = 0; y < m_nHeight; ++y)
    for (int32_t x = 0; x < m_nWidth; ++x) {
      const int32_t i = CellIndex(x, y);
      if (static_cast<size_t>(i) >= m_vCharaGrid.size() || !IsPlayer(m_vCharaGrid.Get(i))) continue;
      if (nLast >= 0) m_vCharaGrid.Erase(nLast);
      nLast = i;
    }
}

void cEdStage::SetCharaCell(int32_t nIndex, cEdChara& chara) {
  if (chara.m_bbInherit.size() > 1) chara.m_bbInherit[1] = 0;
  const cEdChara& cell = m_vCharaGrid.Get(nIndex);
  const bool bMoveOld = IsPlayer(cell), bNewPlayer = IsPlayer(chara);
  auto firstCell = [&](auto pred) -> int32_t {
    for (int32_t y = 0; y < m_nHeight; ++y)
      for (int32_t x = 0; x < m_nWidth; ++x) {
        const int32_t i = CellIndex(x, y);
        if (static_cast<size_t>(i) < m_vCharaGrid.size() && i != nIndex && pred(m_vCharaGrid.Get(i))) return i;
      }
    return -1;
  };
  if (bMoveOld) {
    int32_t nFree = firstCell([](const cEdChara& c) { return c.m_nGraphic == 0; });
    if (nFree < 0) nFree = 0;
    if (nFree != nIndex) m_vCharaGrid.Set(nFree, cell);
  }
  // The target itself is overwritten below, so the player to replace is searched elsewhere.
  if (bNewPlayer) {
    const int32_t nOld = firstCell(IsPlayer);
    if (nOld >= 0 && !m_vPalChara.empty()) m_vCharaGrid.Set(nOld, m_vPalChara.data()[0]);
  }
  m_vCharaGrid.Set(nIndex, chara);
}

// ---------------------------------------------------------------------------------------------
// Inheritance after palette changes

cStagePalettes cEdStage::OwnPalettes() { return cStagePalettes{&m_vPalBlock, &m_vPalChara, &m_vPalItem}; }

void cEdStage::AttachPalettes() { SetStagePalettes(OwnPalettes()); }

void cEdStage::ReapplyBlockInherit() {
  cStagePalScope scope(OwnPalettes());
  ReapplyCommonInherit(m_vPalBlock, m_vBlockGrid);
}

void cEdStage::ReapplyCharaInherit() {
  cStagePalScope scope(OwnPalettes());
  ReapplyCommonInherit(m_vPalChara, m_vCharaGrid);
}

void cEdStage::ReapplyItemInherit() {
  cStagePalScope scope(OwnPalettes());
  ReapplyCommonInherit(m_vPalItem, m_vItemGrid);
}

void cEdStage::RefreshBlockCells() {
  cStagePalScope scope(OwnPalettes());
  RefreshStageInherit(m_vBlockGrid);
}

void cEdStage::RefreshCharaCells() {
  cStagePalScope scope(OwnPalettes());
  RefreshStageInherit(m_vCharaGrid);
}

void cEdStage::RefreshItemCells() {
  cStagePalScope scope(OwnPalettes());
  RefreshStageInherit(m_vItemGrid);
}
