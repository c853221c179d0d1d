// Saves and loads stages against a raw write and a raw read of the same bytes, and measures the
// memory that loaded stages take:
// - the save of a fully placed 512 x 512 stage (all three layers, varied records) against a flushed
//   raw write of its bytes, wall and CPU time, taking turns; the same at 64 x 64;
// - the save of a common palette of 1,000 characters with 4 flows of 100 commands each;
// - the load in a fresh process, beside a raw read into fresh memory and into touched memory;
// - opening a 512 x 512 stage whose file asks for an undo depth of 9 against the same stage with
//   depth 0 (the load and the undo store);
// - the memory of loaded stages of 64 x 64 to 512 x 512, full and a tenth placed, and after a
//   second 512 x 512 stage is opened over a first.
// Every comparison alternates its two sides and compares medians; CPU is this process's, on all
// its threads.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchChild.h"
#include "model/Palette.h"
#include "model/Stage.h"
#include "model/StageEditState.h"

namespace {

const char* const STAGE_PATH = "bench_stage.stg4_778";
const char* const RAW_PATH = "bench_raw.bin";
const char* const RESULT_PATH = "bench_child.txt";

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Target(const char* pszName, double dFigure, const char* pszGoal, bool bMet) {
  printf("target %s: %.2f (goal %s) %s\n", pszName, dFigure, pszGoal, bMet ? "met" : "missed");
}

cCond MakeCond(int n) {
  cCond c;
  c.m_nKind = static_cast<int8_t>(1 + n % 5);
  c.m_nValue = n;
  c.m_nVar = static_cast<int16_t>(n % 1000);
  return c;
}

cEdCommand MakeCommand(int n) {
  cEdCommand cmd;
  if (n % 2) {
    cmd.m_nKind = 1;
    cmd.m_nTime = static_cast<int16_t>(10 + n % 50);
  } else {
    cmd.m_nKind = 9;
    cmd.m_vParam.assign(1, n % 3);
  }
  return cmd;
}

cEdFlow MakeFlow(int n, int nCommands = 2) {
  cEdFlow f;
  f.m_nTrigger = static_cast<int8_t>(1 + n % 4);
  f.m_strMemo = "見回り";
  f.m_vCond.push_back(MakeCond(n));
  for (int k = 0; k < nCommands; ++k) f.m_vCommand.push_back(MakeCommand(n + k));
  return f;
}

// Whether a layer places a cell of a stage with a tenth placed: each layer picks its own tenth of
// the cells, spread by a hash of the cell and the layer, so that the layers' cells mostly differ as
// an author's do.
bool PlacedSparse(int n, int nLayer) {
  uint32_t h = static_cast<uint32_t>(n) * 2654435761u + static_cast<uint32_t>(nLayer) * 0x9E3779B9u;
  h ^= h >> 15;
  h *= 2246822519u;
  h ^= h >> 13;
  return h % 10 == 3;
}

// nSize x nSize cells; with bSparse only a tenth of the cells of each layer placed (see
// PlacedSparse). Names on every fifth record, conditions on every seventh, flows on every third
// character.
void Fill(cEdStage& st, int32_t nSize, bool bSparse) {
  st.SetSize(nSize, nSize, 0, 0);
  st.m_strName = "ベンチマーク";
  bool bPlayer = false;
  for (int32_t y = 0; y < nSize; ++y)
    for (int32_t x = 0; x < nSize; ++x) {
      const int n = x + nSize * y;
      const int32_t i = st.CellIndex(x, y);
      if (!bSparse || PlacedSparse(n, 0)) {
        cEdBlock& b = st.m_vBlockGrid.Unwatched(i);
        b.m_nGraphic = static_cast<int16_t>(1 + n % 400);
        b.m_nFrame = static_cast<int16_t>(n % 3);
        b.m_nBlockType = static_cast<int8_t>(1 + n % 3);
        if (n % 5 == 0) b.m_strName = "レンガ" + std::to_string(n % 100);
        if (n % 7 == 0) b.m_vCond.push_back(MakeCond(n));
      }
      if (!bSparse || PlacedSparse(n, 1)) {
        cEdChara& c = st.m_vCharaGrid.Unwatched(i);
        c.m_nGraphic = static_cast<int16_t>(1 + n % 300);
        c.m_nControl = bPlayer ? 1 : 0;  // the first character placed is the player
        bPlayer = true;
        c.m_nHp = 10 + n % 90;
        c.m_nScore = n % 1000;
        if (n % 5 == 1) c.m_strName = "てき" + std::to_string(n % 50);
        if (n % 7 == 1) c.m_vCond.push_back(MakeCond(n));
        if (n % 3 == 0 && n) c.m_vFlow.push_back(MakeFlow(n));
      }
      if (!bSparse || PlacedSparse(n, 2)) {
        cEdItem& it = st.m_vItemGrid.Unwatched(i);
        it.m_nGraphic = static_cast<int16_t>(1 + n % 200);
        it.m_nTakeType = static_cast<int8_t>(n % 3);
        if (n % 5 == 2) it.m_strName = "コイン" + std::to_string(n % 10);
        if (n % 7 == 2) it.m_vCond.push_back(MakeCond(n));
      }
    }
}

std::vector<char> FileBytes(const char* pszPath) {
  std::vector<char> v;
  HANDLE h = CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return v;
  LARGE_INTEGER size;
  GetFileSizeEx(h, &size);
  v.resize(static_cast<size_t>(size.QuadPart));
  DWORD n = 0;
  ReadFile(h, v.data(), static_cast<DWORD>(v.size()), &n, nullptr);
  CloseHandle(h);
  return v;
}

// The same bytes written the way every file of the program is written: to a file, flushed, closed.
void RawWrite(const std::vector<char>& v) {
  HANDLE h = CreateFileA(RAW_PATH, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n = 0;
  WriteFile(h, v.data(), static_cast<DWORD>(v.size()), &n, nullptr);
  FlushFileBuffers(h);
  CloseHandle(h);
}

// A save against a raw write of its file's bytes, taking turns, the raw write first in every other
// pair: medians of wall time, and means of CPU time (the system counts CPU time in ticks of
// several milliseconds, which a median of short runs would round away).
struct cVersus {
  double tSave, cSave, tRaw, cRaw;
};

template <class F>
cVersus SaveVersusRaw(int nPairs, const char* pszPath, F save) {
  save();
  const std::vector<char> vFile = FileBytes(pszPath);
  std::vector<double> vSave, vSaveCpu, vRaw, vRawCpu;
  for (int i = 0; i < nPairs; ++i) {
    cTimes s = {}, r = {};
    if (i % 2) {
      r = Timed([&] { RawWrite(vFile); });
      s = Timed(save);
    } else {
      s = Timed(save);
      r = Timed([&] { RawWrite(vFile); });
    }
    vSave.push_back(s.tWall);
    vSaveCpu.push_back(s.tCpu);
    vRaw.push_back(r.tWall);
    vRawCpu.push_back(r.tCpu);
  }
  DeleteFileA(RAW_PATH);
  auto mean = [](const std::vector<double>& v) {
    double d = 0;
    for (double x : v) d += x;
    return v.empty() ? 0 : d / static_cast<double>(v.size());
  };
  return cVersus{Median(vSave), mean(vSaveCpu), Median(vRaw), mean(vRawCpu)};
}

// ---------------------------------------------------------------------------------------------
// Child processes: a load, an open with its undo store and a second open each run in a fresh
// process, as when the editor opens a stage, so that neither time nor memory profits from heap
// pages that an earlier stage left behind. A child writes its figures to a file for the parent.

bool WriteResult(const std::vector<double>& v) { return WriteChildFigures(RESULT_PATH, v); }

// bOk, load wall ms, load CPU ms, raw read into fresh memory ms, raw read into touched memory ms.
// The memory of a load is measured apart (MemoryChild): the reads here leave freed buffers that the
// load would reuse.
int LoadChild(const char* pszPath) {
  const double t0 = Now();
  std::vector<char> vFresh = FileBytes(pszPath);
  const double tFresh = Now() - t0;
  // The same read into memory that was touched before: what the disk and the file cache give.
  std::vector<char> vTouched(vFresh.size(), 1);
  vFresh.clear();
  vFresh.shrink_to_fit();
  HANDLE h = CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  const double t1 = Now();
  DWORD n = 0;
  ReadFile(h, vTouched.data(), static_cast<DWORD>(vTouched.size()), &n, nullptr);
  const double tTouched = Now() - t1;
  CloseHandle(h);
  vTouched.clear();
  vTouched.shrink_to_fit();
  // Into the editor's stage, which exists from the start, as when the editor opens a stage.
  int bOk = 0;
  const cTimes load = Timed([&] { bOk = Stage.Load(pszPath); });
  return WriteResult({static_cast<double>(bOk), load.tWall * 1e3, load.tCpu * 1e3, tFresh * 1e3, tTouched * 1e3})
             ? 0
             : 1;
}

// bOk, MiB after the load minus before: a process that reads nothing else, so that the load
// neither reuses nor is charged with the memory of another read.
int MemoryChild(const char* pszPath) {
  const double dMem0 = PrivateMiB();
  const int bOk = Stage.Load(pszPath);
  const double dMem = PrivateMiB() - dMem0;
  return WriteResult({static_cast<double>(bOk), dMem}) ? 0 : 1;
}

// bOk, seconds to load the stage into the editor's stage and give it the undo store its file asks
// for.
int OpenChild(const char* pszPath) {
  int bOk = 0;
  const cTimes open = Timed([&] {
    bOk = Stage.Load(pszPath);
    if (bOk) StageEditState.AllocUndo(Stage.m_nUndoDepth, Stage.m_nPitch, Stage.m_nHeight);
  });
  return WriteResult({static_cast<double>(bOk), open.tWall}) ? 0 : 1;
}

// bOk, MiB after a first stage is opened and after a second one is opened over it (the editor's
// stage, as the stage window opens it), both minus before.
int ReopenChild(const char* pszFirst, const char* pszSecond) {
  const double dMem0 = PrivateMiB();
  int bOk = Stage.Load(pszFirst);
  const double dMem1 = PrivateMiB() - dMem0;
  bOk = bOk && Stage.Load(pszSecond);
  const double dMem2 = PrivateMiB() - dMem0;
  return WriteResult({static_cast<double>(bOk), dMem1, dMem2}) ? 0 : 1;
}

// The child's figures; false when it could not run or its first figure says that it failed.
bool RunChildOk(const std::string& strArgs, std::vector<double>& v) {
  return RunChild(strArgs, RESULT_PATH, v) && v[0] == 1;
}

// A common palette of 1,000 characters, each with 4 flows of 100 commands.
std::unique_ptr<cEdPalette> MakeCommonPalette() {
  std::unique_ptr<cEdPalette> pPal(new cEdPalette);
  for (int i = 0; i < 1000; ++i) {
    cEdChara c;
    c.m_nGraphic = static_cast<int16_t>(1 + i % 300);
    c.m_strName = "てき" + std::to_string(i);
    for (int k = 0; k < 4; ++k) c.m_vFlow.push_back(MakeFlow(i * 4 + k, 100));
    pPal->m_vChara.push_back(std::move(c));
  }
  return pPal;
}

double FileMiB(const char* pszPath) { return FileBytes(pszPath).size() / 1048576.0; }

// ---------------------------------------------------------------------------------------------

void SaveFigures() {
  {
    std::unique_ptr<cEdStage> pSrc(new cEdStage);
    Fill(*pSrc, 512, false);
    const cVersus v = SaveVersusRaw(7, STAGE_PATH, [&] {
      if (!pSrc->Save(STAGE_PATH)) printf("save failed\n");
    });
    printf("stage 512 x 512, every cell placed on three layers: file %.1f MiB\n", FileMiB(STAGE_PATH));
    printf("  save %.0f ms wall, %.0f ms CPU; flushed raw write %.0f ms wall, %.0f ms CPU (medians of 7, "
           "alternating)\n",
           v.tSave * 1e3, v.cSave * 1e3, v.tRaw * 1e3, v.cRaw * 1e3);
    Target("save speed / flushed raw write speed, 512 x 512", v.tRaw / v.tSave, ">= 0.50", v.tRaw / v.tSave >= 0.5);
    Target("save CPU / raw write CPU, 512 x 512", v.cSave / v.cRaw, "<= 3.00", v.cSave / v.cRaw <= 3);
  }
  {
    std::unique_ptr<cEdStage> pSmall(new cEdStage);
    Fill(*pSmall, 64, false);
    const char* const SMALL_PATH = "bench_small.stg4_778";
    const cVersus v = SaveVersusRaw(21, SMALL_PATH, [&] { pSmall->Save(SMALL_PATH); });
    printf("stage 64 x 64, every cell placed: file %.2f MiB; save %.2f ms wall, %.2f ms CPU; flushed raw write "
           "%.2f ms wall, %.2f ms CPU (medians of 21, CPU means, alternating)\n",
           FileMiB(SMALL_PATH), v.tSave * 1e3, v.cSave * 1e3, v.tRaw * 1e3, v.cRaw * 1e3);
    Target("save time / flushed raw write time, 64 x 64", v.tSave / v.tRaw, "<= 3.00", v.tSave / v.tRaw <= 3);
    DeleteFileA(SMALL_PATH);
  }
  {
    std::unique_ptr<cEdPalette> pPal = MakeCommonPalette();
    const char* const PAL_PATH = "bench_palette.cplt4";
    // 21 pairs: the raw write takes about one tick of the system's CPU clock, which seven pairs
    // count as anything from none to two.
    const cVersus v = SaveVersusRaw(21, PAL_PATH, [&] { pPal->Save(PAL_PATH); });
    printf("common palette of 1,000 characters x 4 flows x 100 commands: file %.1f MiB; save %.0f ms wall, %.0f ms "
           "CPU; flushed raw write %.0f ms wall, %.0f ms CPU (medians of 21, CPU means, alternating)\n",
           FileMiB(PAL_PATH), v.tSave * 1e3, v.cSave * 1e3, v.tRaw * 1e3, v.cRaw * 1e3);
    Target("palette save speed / flushed raw write speed", v.tRaw / v.tSave, ">= 0.50", v.tRaw / v.tSave >= 0.5);
    Target("palette save CPU / raw write CPU", v.cSave / v.cRaw, "<= 3.00", v.cSave / v.cRaw <= 3);
    DeleteFileA(PAL_PATH);
  }
}

void LoadFigures() {
  std::vector<double> vLoad, vLoadCpu, vFresh, vTouched, v;
  bool bOk = true;
  for (int i = 0; i < 3 && bOk; ++i) {
    bOk = RunChildOk(std::string("load-child ") + STAGE_PATH, v);
    if (!bOk) break;
    vLoad.push_back(v[1]);
    vLoadCpu.push_back(v[2]);
    vFresh.push_back(v[3]);
    vTouched.push_back(v[4]);
  }
  if (!bOk) {
    printf("LOAD FAILED\n");
    return;
  }
  const double dLoad = Median(vLoad);
  printf("load of the 512 x 512 stage %.0f ms wall, %.0f ms CPU (medians of 3, each in a fresh process)\n", dLoad,
         Median(vLoadCpu));
  printf("  raw read into fresh memory %.0f ms (the yardstick: load speed / its speed %.0f%%, target >= 33%%); "
         "into touched memory %.0f ms (%.0f%%)\n",
         Median(vFresh), 100.0 * Median(vFresh) / dLoad, Median(vTouched), 100.0 * Median(vTouched) / dLoad);
}

// The loaded stage against its file, at three sizes, full and a tenth placed.
void MemoryFigures() {
  const int32_t SIZES[] = {64, 128, 512};
  for (int32_t nSize : SIZES)
    for (int bSparse = 0; bSparse < 2; ++bSparse) {
      const char* const PATH = "bench_mem.stg4_778";
      if (nSize == 512 && !bSparse) {
        CopyFileA(STAGE_PATH, PATH, FALSE);
      } else {
        std::unique_ptr<cEdStage> pSt(new cEdStage);
        Fill(*pSt, nSize, bSparse != 0);
        pSt->Save(PATH);
      }
      const double dFile = FileMiB(PATH);
      std::vector<double> v;
      const bool bOk = RunChildOk(std::string("memory-child ") + PATH, v);
      DeleteFileA(PATH);
      const double dRatio = bOk ? v[1] / dFile : 0;
      printf("stage %d x %d, %s: file %.2f MiB, loaded %.2f MiB%s\n", nSize, nSize,
             bSparse ? "a tenth of each layer placed" : "full", dFile, bOk ? v[1] : 0, bOk ? "" : ", LOAD FAILED");
      const std::string strName = "loaded " + std::to_string(nSize) + " x " + std::to_string(nSize) +
                                  (bSparse ? " 10%-placed" : " full") + " stage / file size";
      Target(strName.c_str(), dRatio, "<= 2", bOk && dRatio <= 2);
    }
}

// The same stage with undo depth 9 and 0 in its file, opened in turns; then a second stage opened
// over a first.
void OpenFigures() {
  const char* const DEPTH9 = "bench_depth9.stg4_778";
  const char* const DEPTH0 = "bench_depth0.stg4_778";
  {
    std::unique_ptr<cEdStage> pSt(new cEdStage);
    Fill(*pSt, 512, false);
    pSt->m_nUndoDepth = 9;
    pSt->Save(DEPTH9);
    pSt->m_nUndoDepth = 0;
    pSt->Save(DEPTH0);
  }
  std::vector<double> v9, v0, v;
  bool bOk = true;
  for (int i = 0; i < 6 && bOk; ++i) {
    const bool b9 = (i % 2) == (i / 2 % 2);  // 9 0, 0 9, 9 0
    bOk = RunChildOk(std::string("open-child ") + (b9 ? DEPTH9 : DEPTH0), v);
    if (bOk) (b9 ? v9 : v0).push_back(v[1]);
  }
  if (bOk) {
    const double dAdds = Median(v9) - Median(v0);
    printf("opening 512 x 512 with its undo store: depth 9 %.2f s, depth 0 %.2f s (medians of 3, alternating)\n",
           Median(v9), Median(v0));
    Target("opening 512 x 512 with depth 9 adds (s)", dAdds, "<= 1", dAdds <= 1);
  } else {
    printf("OPEN FAILED\n");
  }
  const double dFile = FileMiB(DEPTH0);
  bOk = RunChildOk(std::string("reopen-child ") + DEPTH9 + " " + DEPTH0, v);
  if (bOk) {
    printf("a 512 x 512 stage opened: %.1f MiB (%.2f x its file); a second one opened over it: %.1f MiB\n", v[1],
           v[1] / dFile, v[2]);
    Target("memory after opening a second 512 x 512 stage / file size", v[2] / dFile, "<= 2", v[2] / dFile <= 2);
  } else {
    printf("SECOND OPEN FAILED\n");
  }
  DeleteFileA(DEPTH9);
  DeleteFileA(DEPTH0);
}

}  // namespace

// With "save" as its argument it only repeats the save of the full stage, for a profiler to watch.
int ProfileSave() {
  std::unique_ptr<cEdStage> pSrc(new cEdStage);
  Fill(*pSrc, 512, false);
  int bOk = 1;
  for (int i = 0; i < 10 && bOk; ++i) bOk = pSrc->Save(STAGE_PATH);
  DeleteFileA(STAGE_PATH);
  return bOk ? 0 : 1;
}

// With "palette-save" it only repeats the save of the common palette.
int ProfilePaletteSave() {
  std::unique_ptr<cEdPalette> pPal = MakeCommonPalette();
  const char* const PAL_PATH = "bench_palette.cplt4";
  int bOk = 1;
  for (int i = 0; i < 150 && bOk; ++i) bOk = pPal->Save(PAL_PATH);
  DeleteFileA(PAL_PATH);
  return bOk ? 0 : 1;
}

int main(int argc, char** argv) {
  const std::string strMode = argc > 1 ? argv[1] : "";
  if (argc > 2 && strMode == "load-child") return LoadChild(argv[2]);
  if (argc > 2 && strMode == "memory-child") return MemoryChild(argv[2]);
  if (argc > 2 && strMode == "open-child") return OpenChild(argv[2]);
  if (argc > 3 && strMode == "reopen-child") return ReopenChild(argv[2], argv[3]);
  if (strMode == "memory") {
    MemoryFigures();
    return 0;
  }
  if (strMode == "save") return ProfileSave();
  if (strMode == "palette-save") return ProfilePaletteSave();
  if (strMode == "saves") {  // only the save figures
    SaveFigures();
    DeleteFileA(STAGE_PATH);
    return 0;
  }
  SaveFigures();
  LoadFigures();
  MemoryFigures();
  OpenFigures();
  DeleteFileA(STAGE_PATH);
  return 0;
}
