// The stage file: reading with the upgrades of older versions, writing, the stage palette file,
// the threaded load and the recovery of a file that a broken save left without its trailer.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/TextFormat.h"
#include "model/Palette.h"
#include "model/RefChecks.h"
#include "model/Stage.h"

namespace {

// The load worker gives up as soon as it is asked to end, so that stopping it never has to
// terminate a thread in the middle of the heap.
thread_local bool t_bLoadWorker = false;
constexpr int32_t QUIT_CHECK_CELLS = 4096;

bool QuitRequested() {
  MSG msg;
  return t_bLoadWorker && PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
}

StageLoadHookFn g_pfnLoadHook = nullptr;
StageLoadHookFn g_pfnRereadHook = nullptr;

unsigned __stdcall LoadRoutine(void* pArg) {
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // a queue for the quit request
  if (g_pfnLoadHook) g_pfnLoadHook();
  t_bLoadWorker = true;
  cEdStage* pStage = static_cast<cEdStage*>(pArg);
  if (pStage->Load(pStage->m_strLoadPath.c_str())) pStage->m_bLoadOk = 1;
  t_bLoadWorker = false;
  return 0;
}

void CheckRefs(cEdBlock& e) { e.ValidateItemRef(); }
void CheckRefs(cEdChara& e) { e.ClampItemRefs(); }
void CheckRefs(cEdItem& e) { e.ClampItemRefs(); }

// The record of a cell that no pair names, validated as the stage's validation would do it (a
// default record has no palette source, so the palettes do not matter to it).
template <class T>
T EmptyCell(bool bRefs) {
  T empty;
  empty.Validate();
  if (bRefs) CheckRefs(empty);
  return empty;
}

// Reads the pairs of one layer into the cells they name; the grid comes with its nCells cells
// empty. Only the cells the file names get records, made as the file reaches them (writers store
// them in ascending order, so the records lie in the order they are read and later walked). A cell
// outside the grid or in the padding beyond the width is a damaged file: no writer stores one.
// Without a grid the pairs are only read through, each into one record used again, to find what a
// read into the grid would find wrong.
//
// With bRefs each cell also has its palette references checked as soon as it is read, which the
// stage's validation would do next: the palettes are complete and keep their sizes to the end.
template <class T>
int ReadLayer(cDataReader& in, cStageGrid<T>* pGrid, size_t nCells, int32_t nWidth, int32_t nPitch, bool bRefs) {
  const T empty = EmptyCell<T>(bRefs);
  // A record read starts as the empty cell; the grid's own empty record usually is that already.
  const bool bPlainEmpty = empty.SameFields(cStageGrid<T>::EmptyRecord());
  T scratch;
  int32_t n = 0;
  if (!in.ReadCount(n, 4 + MIN_RECORD_BYTES)) return 0;
  // The grid takes room for the records the layer names (at most one per cell), not the next step
  // of its growing chunks.
  if (pGrid) pGrid->ReserveFirst(std::min(static_cast<size_t>(n), nCells));
  for (int32_t i = 0; i < n; ++i) {
    int32_t nIndex = 0;
    if (!in.ReadInt(nIndex)) return 0;
    if (IsOutside(nIndex, nCells) || (nIndex & (nPitch - 1)) >= nWidth) {
      ReportAndErrorLog("err stage cell index %d outside %d x %d", nIndex, nWidth,
                        static_cast<int32_t>(nCells / static_cast<size_t>(nPitch)));
      return in.Fail();
    }
    if (!pGrid) {
      if (!scratch.Read(in)) return 0;
    } else {
      T& cell = pGrid->Unwatched(nIndex);
      if (!bPlainEmpty) cell = empty;
      if (!cell.Read(in)) return 0;
      if (bRefs) CheckRefs(cell);
    }
    // Both readings end at a request to quit: a worker that does not would be killed mid-record.
    if (i % QUIT_CHECK_CELLS == QUIT_CHECK_CELLS - 1 && QuitRequested()) return in.Fail();
  }
  return 1;
}

template <class T>
void ResetEntry0(cChkVector<T>& v) {
  if (!v.empty()) v.data()[0] = T();
}

// Runs a step on a kept thread, or at once on this thread when bHere is set or when no thread can
// be had. Finish waits for the thread and throws here what the step threw there (running out of
// memory), as if it had run here; the destructor only waits.
class cSideThread {
 public:
  template <class F>
  cSideThread(bool bHere, F fn) {
    if (!bHere && m_Thread.Start([this, fn] {
          try {
            fn();
          } catch (...) {
            m_pError = std::current_exception();
          }
        }))
      return;
    fn();
  }
  ~cSideThread() { Join(); }
  cSideThread(const cSideThread&) = delete;
  cSideThread& operator=(const cSideThread&) = delete;

  void Finish() {
    Join();
    if (m_pError) std::rethrow_exception(m_pError);
  }

 private:
  void Join() { m_Thread.Wait(); }
  std::exception_ptr m_pError;
  cKeptThread m_Thread;
};

}  // namespace

StageLoadHookFn SetStageLoadHook(StageLoadHookFn pfn) {
  StageLoadHookFn pPrev = g_pfnLoadHook;
  g_pfnLoadHook = pfn;
  return pPrev;
}

StageLoadHookFn SetStageRereadHook(StageLoadHookFn pfn) {
  StageLoadHookFn pPrev = g_pfnRereadHook;
  g_pfnRereadHook = pfn;
  return pPrev;
}

// ---------------------------------------------------------------------------------------------
// Reading

int cEdStage::Read(cDataReader& in) {
  // A damaged file leaves this stage as it was, yet the process should not hold two stages of many
  // megabytes, nor keep the heap that the first one's records took beside the second's. So the
  // file is first read through without keeping its cells, which finds everything that can be wrong
  // with it; only then are this stage's cells freed and the file read again into a stage of its
  // own, whose records take the memory just freed.
  const size_t nStart = in.Position();
  {
    std::unique_ptr<cEdStage> pCheck(new cEdStage);
    pCheck->CopySettings(*this);
    cStagePalScope scope(pCheck->OwnPalettes());
    if (!pCheck->ReadBody(in, false)) return 0;
  }
  if (!in.Seek(nStart)) return 0;
  m_vBlockGrid.clear();
  m_vCharaGrid.clear();
  m_vItemGrid.clear();
  if (g_pfnRereadHook) g_pfnRereadHook();
  std::unique_ptr<cEdStage> pRead;
  int bOk = 0;
  try {
    pRead.reset(new cEdStage);
    pRead->CopySettings(*this);
    cStagePalScope scope(pRead->OwnPalettes());
    bOk = pRead->ReadBody(in, true);
  } catch (const std::bad_alloc&) {
  }
  if (!bOk) {
    // The file changed between the two readings, memory ran out or the program is ending: the
    // cells are gone, and the stage becomes a new one rather than a stage with settings and no
    // cells. The window must not take it for the stage of the file it had open.
    pRead.reset();
    Reset();
    m_bDroppedOnRead = 1;
    ReportAndErrorLog("err the stage file changed while it was read, memory ran out or the program is ending");
    return 0;
  }
  Swap(*pRead);
  // The chunks that the stage read over left, beyond what the new one took, go back to the system.
  pRead.reset();
  cStageGrid<cEdBlock>::ReleaseSpare();
  cStageGrid<cEdChara>::ReleaseSpare();
  cStageGrid<cEdItem>::ReleaseSpare();
  return 1;
}

void cEdStage::CopySettings(const cEdStage& src) {
  CopyFields(src);
  m_vRankItems = src.m_vRankItems;
  for (int i = 0; i < STAGE_AUTO_VANISH_COUNT; ++i) m_AutoVanish[i] = src.m_AutoVanish[i];
  m_nWheelDir = src.m_nWheelDir;
}

void cEdStage::Swap(cEdStage& o) {
  CopySettings(o);
  m_vPalBlock.swap(o.m_vPalBlock);
  m_vPalChara.swap(o.m_vPalChara);
  m_vPalItem.swap(o.m_vPalItem);
  m_vBlockGrid.swap(o.m_vBlockGrid);
  m_vCharaGrid.swap(o.m_vCharaGrid);
  m_vItemGrid.swap(o.m_vItemGrid);
  m_vBackground.swap(o.m_vBackground);
  m_vVarName.swap(o.m_vVarName);
}

int cEdStage::ReadBody(cDataReader& in, bool bCells) {
  if (!cDataRecord::Read(in) || !ReadValueVector(in, m_vRankItems)) return 0;
  for (cEdAutoVanish& av : m_AutoVanish)
    if (!av.Read(in)) return 0;
  if (!ReadRecords(in, m_vPalBlock) || !ReadRecords(in, m_vPalChara) || !ReadRecords(in, m_vPalItem)) return 0;
  ResetEntry0(m_vPalBlock);
  ResetEntry0(m_vPalChara);
  ResetEntry0(m_vPalItem);
  if (m_nWidth < 1 || m_nWidth > STAGE_SIZE_MAX || m_nHeight < 1 || m_nHeight > STAGE_SIZE_MAX) {
    ReportAndErrorLog("err stage size %d x %d", m_nWidth, m_nHeight);
    return in.Fail();
  }
  m_vBlockGrid.clear();
  m_vCharaGrid.clear();
  m_vItemGrid.clear();
  if (bCells && !Resize(m_nWidth, m_nHeight, 0, 0, true)) return in.Fail();
  if (!bCells) SetDims(m_nWidth, m_nHeight);
  // The validation gives a palette of fewer than two entries a second one; palettes that have it
  // already keep their sizes, so the cells' references can be checked as the cells are read.
  const bool bRefs = m_vPalBlock.size() >= 2 && m_vPalChara.size() >= 2 && m_vPalItem.size() >= 2;
  if (!ReadCells(in, bCells, bRefs) || !ReadRecords(in, m_vBackground) || !ReadRecords(in, m_vVarName)) return 0;
  int32_t nTrailer = 0;
  if (g_nFileVersion >= 173 && !in.ReadInt(nTrailer)) return 0;
  // The reading that keeps the cells comes after one that found the file whole; a request to end
  // was seen by that one, or is left for the caller.
  if (!bCells) return QuitRequested() ? in.Fail() : 1;
  if (g_nFileVersion < 778) Upgrade();
  ValidateAfterRead(bRefs);
  return 1;
}

int cEdStage::ReadCells(cDataReader& in, bool bCells, bool bRefs) {
  const size_t nCells = static_cast<size_t>(m_nPitch) * static_cast<size_t>(m_nHeight);
  return ReadLayer(in, bCells ? &m_vBlockGrid : nullptr, nCells, m_nWidth, m_nPitch, bRefs) &&
         ReadLayer(in, bCells ? &m_vCharaGrid : nullptr, nCells, m_nWidth, m_nPitch, bRefs) &&
         ReadLayer(in, bCells ? &m_vItemGrid : nullptr, nCells, m_nWidth, m_nPitch, bRefs);
}

void cEdStage::Upgrade() {
  const int32_t v = g_nFileVersion;
  if (v < 155) {
    m_nHeroFlyCharaW = m_nHeroWalkCharaW;
    m_nHeroFlyCharaH = m_nHeroWalkCharaH;
    m_nEnemyFlyCharaW = m_nEnemyWalkCharaW;
    m_nEnemyFlyCharaH = m_nEnemyWalkCharaH;
    m_nHeroWalkCharaPos = m_nHeroFlyCharaPos = m_nEnemyWalkCharaPos = m_nEnemyFlyCharaPos = 0;
  }
  if (v < 166) m_bBgmLoop = 1;
  if (v < 181) {
    m_vRankItems.resize(5, 0);
    m_vRankItems.data()[3] = 0;
    m_vRankItems.data()[4] = 0;
  }
  if (v < 183) m_bStatusWindow = 1;
  if (v < 184) m_bSkipClearWait = 0;
  if (v < 199) m_bBgmKeep = 0;
  if (v < 200) {
    m_nHeroWalkBlockW = 16, m_nHeroWalkBlockH = 24, m_nHeroFlyBlockW = 16, m_nHeroFlyBlockH = 16;
    m_nHeroWalkBlockPos = 1, m_nHeroFlyBlockPos = 0;
    m_nShowBlockRange = 0, m_nBlockRangeColor = 5;
    m_nEnemyWalkBlockW = 16, m_nEnemyWalkBlockH = 30, m_nEnemyFlyBlockW = 16, m_nEnemyFlyBlockH = 30;
    m_nEnemyWalkBlockPos = 1, m_nEnemyFlyBlockPos = 1;
  }
  if (v < 208) m_nWheelDir = 0;
  if (v < 225) m_bShowReady = 0;
  if (v < 754) m_vVarName.resize(STAGE_VAR_COUNT);
}

// ---------------------------------------------------------------------------------------------
// Writing

namespace {

// The cells' part of the stage's validation (the palettes are validated before).
void ValidateCell(cEdBlock& e) { e.Validate(), e.ValidateItemRef(); }
void ValidateCell(cEdChara& e) { e.Validate(), e.ClampItemRefs(); }
void ValidateCell(cEdItem& e) { e.Validate(), e.ClampItemRefs(); }

enum { PASS_VALIDATE = 1, PASS_APPLY = 2, PASS_WRITE = 4 };

// Layers of fewer cells are prepared on the calling thread alone: starting threads costs more than
// they save on a small stage.
constexpr size_t THREAD_CELLS = size_t(1) << 17;

struct cLayerShape {
  int32_t nWidth, nHeight, nShift;
};

// The position pair of a written cell, and a character's item link after it, at p.
template <class T>
void PutCellTail(uint8_t* p, const T& c) {
  memcpy(p, &c.m_nX, 2);
  memcpy(p + 2, &c.m_nY, 2);
}
void PutCellTail(uint8_t* p, const cEdChara& c) {
  PutCellTail<cEdChara>(p, c);
  memcpy(p + 4, &c.m_nItemLink, 4);
}

// Records compare their doubles (a move's turn rate) as numbers, so 0 and -0 compare equal with
// different bytes: a record that holds a move is always encoded on its own.
bool HoldsMove(const cChkVector<cEdFlow>& vFlow);
bool HoldsMove(const cChkVector<cEdCommand>& vCommand) {
  for (const cEdCommand& cmd : vCommand)
    if (cmd.m_pMove || HoldsMove(cmd.m_vFlow)) return true;
  return false;
}
bool HoldsMove(const cChkVector<cEdFlow>& vFlow) {
  for (const cEdFlow& flow : vFlow)
    if (HoldsMove(flow.m_vCommand)) return true;
  return false;
}
bool BytesFollowEquality(const cEdBlock&) { return true; }
bool BytesFollowEquality(const cEdChara& c) { return !HoldsMove(c.m_vFlow); }
bool BytesFollowEquality(const cEdItem& c) { return !HoldsMove(c.m_vCommand); }

// Turns the cells of a layer into bytes, each validated since its last change, straight into the
// file's writer. A stage is mostly areas of one record: a cell whose record equals the one written
// before it in every stored field, string and container takes that record's bytes with its own
// position (and item link) put in, so such an area is encoded once. The bytes are taken from where
// the last record went in the writer's piece, as long as they are still there whole; else the cell
// is encoded again.
template <class T>
class cCellEncoder {
 public:
  void Write(cDataWriter& out, T& c, int32_t nIndex) {
    out.WriteInt(nIndex);
    // Cells of different graphics are different records: most neighbours are told apart here,
    // without comparing every field.
    if (m_pLast && m_pLast->m_nGraphic == c.m_nGraphic && out.Piece() == m_nPiece && out.Room() >= m_nBytes &&
        m_pLast->SameFields(c)) {
      uint8_t* p = out.Claim(m_nBytes);
      CopyBytes(p, m_pBytes, m_nBytes);
      PutCellTail(p + m_nTail, c);
      m_pBytes = p;
      m_pLast = &c;
      return;
    }
    const uint32_t nPiece = out.Piece();
    uint8_t* pStart = out.End();
    c.WriteBase(out, m_Layout);
    const size_t nTail = static_cast<size_t>(out.End() - pStart);
    c.WriteAfterBase(out);
    // A record that reached into a new piece is not kept: its bytes do not lie in one place.
    m_pLast = out.Piece() == nPiece && BytesFollowEquality(c) ? &c : nullptr;
    m_pBytes = pStart;
    m_nBytes = static_cast<size_t>(out.End() - pStart);
    m_nTail = nTail;
    m_nPiece = nPiece;
  }

 private:
  const cFieldLayout& m_Layout = cStageGrid<T>::EmptyRecord().Layout(g_nDataVersion);
  const T* m_pLast = nullptr;  // the cell written last, when its bytes can be taken again; records
                               // stay where they are during a save
  const uint8_t* m_pBytes = nullptr;  // its bytes in the writer
  size_t m_nBytes = 0;
  size_t m_nTail = 0;     // where the position pair lies in its bytes
  uint32_t m_nPiece = 0;  // the writer's piece that holds them
};

// One pass over the cells [iBegin, iEnd) of a layer that hold records, in index order, which is
// row-major order, so that a grid of many megabytes is walked once instead of once per step: with
// PASS_VALIDATE each such cell, in the padding too, gets the stage's validation (the other cells
// read as the empty record, which is valid); a cell inside the width and height then, when placed,
// takes its inheritance (PASS_APPLY), fn sees it, and a cell that inheritance changed is validated
// again as the write of a single record would do it. With PASS_WRITE a cell still placed has its
// index and record written. Returns the cells that are placed after their inheritance. The steps
// of one cell read nothing of the other cells of its layer, so doing them cell by cell is doing
// them layer by layer.
template <class T, class F>
int32_t CellPass(cCellEncoder<T>* pEnc, cDataWriter* pOut, cStageGrid<T>& v, size_t iBegin, size_t iEnd, int nSteps,
                 cLayerShape shape, F fn) {
  const int32_t nShift = shape.nShift;
  const size_t nPitchMask = (static_cast<size_t>(1) << nShift) - 1;
  int32_t nCount = 0;
  v.ForRange(iBegin, iEnd, [&](int32_t nIndex, T& c) {
    const size_t i = static_cast<size_t>(nIndex);
    if (nSteps & PASS_VALIDATE) ValidateCell(c);
    const int32_t x = static_cast<int32_t>(i & nPitchMask), y = static_cast<int32_t>(i >> nShift);
    if (x >= shape.nWidth || y >= shape.nHeight) return;
    const bool bInherit = nSteps & PASS_APPLY && c.m_nGraphic != 0 && c.m_nInheritNo != 0 && c.m_nInheritPal != 0;
    if (bInherit) c.ApplyInherit();
    fn(c, nIndex);
    if (c.m_nGraphic == 0) return;
    ++nCount;
    if (bInherit) c.Validate();
    if (!(nSteps & PASS_WRITE)) return;
    c.m_nX = static_cast<int16_t>(x);
    c.m_nY = static_cast<int16_t>(y);
    pEnc->Write(*pOut, c, nIndex);
  });
  return nCount;
}

// The step of a pass that does nothing more to a cell.
const auto NoStep = [](auto&, int32_t) {};

}  // namespace

void cEdStage::Write(cDataWriter& out) {
  cStagePalScope scope(OwnPalettes());
  // The cells' part of the validation comes with the cells (WriteCells): it reads nothing that the
  // settings and palettes written before them change.
  ValidateSettingsAndPalettes();
  cDataRecord::Write(out);
  SaveValueVector(out, m_vRankItems);
  for (cEdAutoVanish& av : m_AutoVanish) av.Write(out);
  SaveRecords(out, m_vPalBlock);
  SaveRecords(out, m_vPalChara);
  SaveRecords(out, m_vPalItem);
  WriteCells(out);
  SaveRecords(out, m_vBackground);
  SaveRecords(out, m_vVarName);
  out.WriteInt(STAGE_TRAILER);
}

// The cells are written in two rounds. First every layer is validated, takes its inheritance and is
// counted: on a large stage the blocks and the second half of the characters each on a thread of
// their own while this thread does the items and the first half of the characters. Those passes
// share nothing that one of them changes: each changes only its own cells, and the palettes, the
// database and the other settings they read stay as they are. Inheritance held on this thread
// would not be held on another, so then everything is done here, as it is on a small stage. Then
// this thread writes the layers, each count before its cells, straight into the streaming writer,
// so no layer is held in memory whole.
void cEdStage::WriteCells(cDataWriter& out) {
  const int PREPARE = PASS_VALIDATE | PASS_APPLY;
  const cLayerShape shape = {m_nWidth, m_nHeight, m_nShift};
  const bool bHere = IsInheritHeld() || m_vCharaGrid.size() < THREAD_CELLS;
  int32_t nBlocks = 0, nItems = 0, nCharas = 0;
  {
    cSideThread blockPass(bHere, [&] {
      nBlocks = CellPass<cEdBlock>(nullptr, nullptr, m_vBlockGrid, 0, m_vBlockGrid.size(), PREPARE, shape, NoStep);
    });
    // The items take their inheritance before the characters are linked: a carrying character's
    // link is the position of its item among the item pairs, which count the cells inside the
    // width and height that hold an item.
    // A bit per cell that holds a placed item inside the stage, set as the items are prepared.
    std::vector<uint64_t> vItemHere((std::max(m_vCharaGrid.size(), m_vItemGrid.size()) + 63) / 64);
    nItems = CellPass<cEdItem>(nullptr, nullptr, m_vItemGrid, 0, m_vItemGrid.size(), PREPARE, shape,
                               [&vItemHere](const cEdItem& it, int32_t i) {
                                 if (it.m_nGraphic != 0) vItemHere[static_cast<size_t>(i) >> 6] |= uint64_t(1) << (i & 63);
                               });
    // The items in the cells before nEnd, counted on from the nCounted cells counted so far.
    auto countTo = [&vItemHere](size_t nEnd, int32_t& nItemsBefore, size_t& nCounted) {
      for (; nCounted < nEnd && (nCounted & 63); ++nCounted) nItemsBefore += (vItemHere[nCounted >> 6] >> (nCounted & 63)) & 1;
      for (; nCounted + 64 <= nEnd; nCounted += 64) nItemsBefore += __builtin_popcountll(vItemHere[nCounted >> 6]);
      for (; nCounted < nEnd; ++nCounted) nItemsBefore += (vItemHere[nCounted >> 6] >> (nCounted & 63)) & 1;
    };
    // nItemsBefore counts the items of the cells before nCounted; a character's link is the count
    // of the items before its cell.
    auto linkStep = [&vItemHere, &countTo](int32_t& nItemsBefore, size_t& nCounted) {
      return [&vItemHere, &countTo, &nItemsBefore, &nCounted](cEdChara& c, int32_t nIndex) {
        const size_t i = static_cast<size_t>(nIndex);
        countTo(i, nItemsBefore, nCounted);
        const bool bItemHere = (vItemHere[i >> 6] >> (i & 63) & 1) != 0;
        c.m_nItemLink = c.m_nControl == 1 && c.m_bHoldItem != 0 && bItemHere ? nItemsBefore : -1;
      };
    };
    const size_t nMid = std::min(m_vCharaGrid.size(), (static_cast<size_t>(m_nHeight) / 2) << m_nShift);
    int32_t nItemsBefore = 0, nItemsBefore2 = 0, nCharas2 = 0;
    size_t nCounted = 0, nCounted2 = 0;
    countTo(nMid, nItemsBefore2, nCounted2);
    cSideThread charaPass(bHere, [&] {
      nCharas2 = CellPass<cEdChara>(nullptr, nullptr, m_vCharaGrid, nMid, m_vCharaGrid.size(), PREPARE, shape,
                                    linkStep(nItemsBefore2, nCounted2));
    });
    nCharas = CellPass<cEdChara>(nullptr, nullptr, m_vCharaGrid, 0, nMid, PREPARE, shape,
                                 linkStep(nItemsBefore, nCounted));
    blockPass.Finish();
    charaPass.Finish();
    nCharas += nCharas2;
  }
  out.WriteInt(nBlocks);
  cCellEncoder<cEdBlock> blocks;
  CellPass(&blocks, &out, m_vBlockGrid, 0, m_vBlockGrid.size(), PASS_WRITE, shape, NoStep);
  out.WriteInt(nCharas);
  cCellEncoder<cEdChara> charas;
  CellPass(&charas, &out, m_vCharaGrid, 0, m_vCharaGrid.size(), PASS_WRITE, shape, NoStep);
  out.WriteInt(nItems);
  cCellEncoder<cEdItem> items;
  CellPass(&items, &out, m_vItemGrid, 0, m_vItemGrid.size(), PASS_WRITE, shape, NoStep);
}

// ---------------------------------------------------------------------------------------------
// The stage palette file

int cEdStage::SavePalettes(const char* pszPath) {
  cStagePalScope scope(OwnPalettes());
  return SavePaletteFile(pszPath, m_vPalBlock, m_vPalChara, m_vPalItem);
}

int cEdStage::LoadPalettes(const char* pszPath) {
  {
    cStagePalScope scope(OwnPalettes());
    if (!LoadPaletteFile(pszPath, m_vPalBlock, m_vPalChara, m_vPalItem)) return 0;
  }
  RefreshBlockCells();
  RefreshCharaCells();
  RefreshItemCells();
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Threaded load and recovery

int cEdStage::LoadThreaded(const char* pszPath) {
  FormatStr(m_strLoadPath, "%s", pszPath ? pszPath : "");
  Recover(m_strLoadPath.c_str());
  m_bLoadOk = 0;
  m_bDroppedOnRead = 0;
  // A worker that had to be ended cannot put back the palettes it pointed at.
  const cStagePalettes prev = SetStagePalettes(OwnPalettes());
  SetStagePalettes(prev);
  const int bEnded = StageLoadThread.RunAndWait(LoadRoutine, this);
  SetStagePalettes(prev);
  MSG msg;
  if (!bEnded && PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return 0;
  if (!m_bLoadOk) {
    ErrorBox("ステージファイル %s の読み込みに失敗しました！", m_strLoadPath.c_str());
    return 0;
  }
  return 1;
}

namespace {

// The file's data version and its last four bytes; false when it cannot be read that far.
bool ReadVersionAndTail(const char* pszPath, int32_t& nVersion, int32_t& nTail) {
  HANDLE h = CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD nRead = 0;
  LARGE_INTEGER size, pos;
  bool bOk = ReadFile(h, &nVersion, 4, &nRead, nullptr) && nRead == 4 && GetFileSizeEx(h, &size);
  if (bOk) {
    pos.QuadPart = size.QuadPart - 4;
    bOk = SetFilePointerEx(h, pos, nullptr, FILE_BEGIN) && ReadFile(h, &nTail, 4, &nRead, nullptr) && nRead == 4;
  }
  CloseHandle(h);
  return bOk;
}

// A version that carries the trailer, and the trailer behind at least the version.
bool IsWholeStageFile(const char* pszPath) {
  WIN32_FILE_ATTRIBUTE_DATA fa;
  if (!GetFileAttributesExA(pszPath, GetFileExInfoStandard, &fa)) return false;
  if (fa.nFileSizeHigh == 0 && fa.nFileSizeLow < 8) return false;
  int32_t nVersion = 0, nTail = 0;
  return ReadVersionAndTail(pszPath, nVersion, nTail) && nVersion >= 174 && nTail == STAGE_TRAILER;
}

bool IsFile(const std::string& strPath) {
  DWORD n = GetFileAttributesA(strPath.c_str());
  return n != INVALID_FILE_ATTRIBUTES && !(n & FILE_ATTRIBUTE_DIRECTORY);
}

// Puts the backup in the broken file's place. The broken file is only set aside until the backup
// is there, so a failure on the way leaves the broken file where it was.
void RestoreBackup(const char* pszPath) {
  char szName[MAX_PATH];
  if (strlen(pszPath) >= sizeof szName) return;
  strcpy(szName, pszPath);
  GetFileName(szName);
  const std::string strBackup = std::string(STAGE_BACKUP_FOLDER) + szName;
  if (!IsFile(strBackup)) {
    ReportLog("no backup %s of the broken stage file %s", strBackup.c_str(), pszPath);
    return;
  }
  // A backup cut short (a full disk, a killed copy) is no better than the broken file: only a
  // whole stage file, with its trailer, takes its place.
  if (!IsWholeStageFile(strBackup.c_str())) {
    ErrorBox("破損ファイル %s を復旧できませんでした！\nバックアップ %s が完全ではありません。", pszPath,
             strBackup.c_str());
    return;
  }
  // Stage paths are kept relative, beginning with ".\".
  const std::string strTarget = strncmp(pszPath, ".\\", 2) == 0 ? pszPath + 2 : pszPath;
  const std::string strAside = strTarget + ".broken";
  if (!MoveFileExA(strTarget.c_str(), strAside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    ErrorBox("%s", "破損ファイルの削除に失敗しました！");
    return;
  }
  if (!MoveFileExA(strBackup.c_str(), strTarget.c_str(), MOVEFILE_COPY_ALLOWED)) {
    ReportAndErrorLog("err the backup %s could not replace %s", strBackup.c_str(), strTarget.c_str());
    MoveFileExA(strAside.c_str(), strTarget.c_str(), 0);
    return;
  }
  if (!DeleteFileA(strAside.c_str())) ErrorBox("%s", "破損ファイルの削除に失敗しました！");
  std::string strMsg;
  FormatStr(strMsg, "破損ファイル %s を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…", pszPath);
  MsgBoxActive(strMsg.c_str(), "ファイルの復旧", MB_OK);
}

}  // namespace

int cEdStage::Recover(const char* pszPath) {
  if (!pszPath || !*pszPath) return 1;
  int32_t nVersion = 0, nTail = 0;
  if (!ReadVersionAndTail(pszPath, nVersion, nTail) || nVersion < 174) return 1;
  if (nTail != STAGE_TRAILER) RestoreBackup(pszPath);
  return 1;
}
