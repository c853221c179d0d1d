// Saves and loads a fully placed 512 x 512 stage (all three layers, varied records) and compares
// the times with a raw write and a raw read of the same number of bytes; prints the file size and
// the memory that the loaded stage takes.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "model/Stage.h"

namespace {

const char* const STAGE_PATH = "bench_stage.stg4_778";
const char* const RAW_PATH = "bench_raw.bin";
const char* const RESULT_PATH = "bench_load.txt";

struct cMem {
  double dPrivate;  // MiB committed by the process
};

cMem Memory() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return cMem{pmc.PagefileUsage / 1048576.0};
}

cCond MakeCond(int n) {
  cCond c;
  c.m_nKind = static_cast<int8_t>(1 + n % 5);
  c.m_nValue = n;
  c.m_nVar = static_cast<int16_t>(n % 1000);
  return c;
}

cEdFlow MakeFlow(int n) {
  cEdFlow f;
  f.m_nTrigger = static_cast<int8_t>(1 + n % 4);
  f.m_strMemo = "見回り";
  f.m_vCond.push_back(MakeCond(n));
  cEdCommand wait, turn;
  wait.m_nKind = 1;
  wait.m_nTime = static_cast<int16_t>(10 + n % 50);
  turn.m_nKind = 9;
  turn.m_vParam.assign(1, n % 2);
  f.m_vCommand.push_back(wait);
  f.m_vCommand.push_back(turn);
  return f;
}

// Every cell placed; names on every fifth record, conditions on every seventh, flows on every
// third character.
void Fill(cEdStage& st) {
  st.SetSize(512, 512, 0, 0);
  st.m_strName = "ベンチマーク";
  for (int32_t y = 0; y < 512; ++y)
    for (int32_t x = 0; x < 512; ++x) {
      const int n = x + 512 * y;
      const int32_t i = st.CellIndex(x, y);
      cEdBlock& b = st.m_vBlockGrid.Unwatched(i);
      b.m_nGraphic = static_cast<int16_t>(1 + n % 400);
      b.m_nFrame = static_cast<int16_t>(n % 3);
      b.m_nBlockType = static_cast<int8_t>(1 + n % 3);
      if (n % 5 == 0) b.m_strName = "レンガ" + std::to_string(n % 100);
      if (n % 7 == 0) b.m_vCond.push_back(MakeCond(n));
      cEdChara& c = st.m_vCharaGrid.Unwatched(i);
      c.m_nGraphic = static_cast<int16_t>(1 + n % 300);
      c.m_nControl = n == 0 ? 0 : 1;
      c.m_nHp = 10 + n % 90;
      c.m_nScore = n % 1000;
      if (n % 5 == 1) c.m_strName = "てき" + std::to_string(n % 50);
      if (n % 7 == 1) c.m_vCond.push_back(MakeCond(n));
      if (n % 3 == 0 && n) c.m_vFlow.push_back(MakeFlow(n));
      cEdItem& it = st.m_vItemGrid.Unwatched(i);
      it.m_nGraphic = static_cast<int16_t>(1 + n % 200);
      it.m_nTakeType = static_cast<int8_t>(n % 3);
      if (n % 5 == 2) it.m_strName = "コイン" + std::to_string(n % 10);
      if (n % 7 == 2) it.m_vCond.push_back(MakeCond(n));
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
double RawWrite(const std::vector<char>& v, bool bFlush) {
  double t0 = Now();
  HANDLE h = CreateFileA(RAW_PATH, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n = 0;
  WriteFile(h, v.data(), static_cast<DWORD>(v.size()), &n, nullptr);
  if (bFlush) FlushFileBuffers(h);
  CloseHandle(h);
  return Now() - t0;
}

double RawRead(const char* pszPath) {
  double t0 = Now();
  std::vector<char> v = FileBytes(pszPath);
  return Now() - t0;
}

template <class F>
double Best(int nRuns, F fn) {
  double dBest = 1e9;
  for (int i = 0; i < nRuns; ++i) {
    double t = fn();
    if (t < dBest) dBest = t;
  }
  return dBest;
}

}  // namespace

// With "save" or "load" as its argument it only repeats that operation, for a profiler to watch;
// with "image" it builds the save's file image in memory ten times and prints the fastest and the
// middle time, which the disk does not blur.
int ProfileOnly(const std::string& strWhat) {
  std::unique_ptr<cEdStage> pSrc(new cEdStage);
  Fill(*pSrc);
  if (strWhat == "image") {
    std::vector<double> vTimes;
    for (int i = 0; i < 10; ++i) {
      cDataWriter out;
      const double t0 = Now();
      OpenForWrite(STAGE_PATH, out);
      pSrc->Write(out);
      vTimes.push_back((Now() - t0) * 1e3);
    }
    std::sort(vTimes.begin(), vTimes.end());
    printf("file image: fastest %.1f ms, middle %.1f ms\n", vTimes.front(), vTimes[vTimes.size() / 2]);
    return 0;
  }
  int bOk = pSrc->Save(STAGE_PATH);
  if (strWhat == "load") pSrc.reset();
  for (int i = 0; i < 10 && bOk; ++i) {
    if (strWhat == "save") {
      bOk = pSrc->Save(STAGE_PATH);
    } else {
      std::unique_ptr<cEdStage> pDst(new cEdStage);
      bOk = pDst->Load(STAGE_PATH);
    }
  }
  DeleteFileA(STAGE_PATH);
  return bOk ? 0 : 1;
}

// The load is measured in a fresh process, as when the editor opens a stage, so that neither its
// time nor its memory profits from heap pages that an earlier stage left behind. It writes its
// figures (milliseconds and MiB) to a file for the parent.
int LoadChild(const char* pszPath) {
  const double tRawRead = RawRead(pszPath);
  const cMem m1 = Memory();
  std::unique_ptr<cEdStage> pDst(new cEdStage);
  double t0 = Now();
  const int bOk = pDst->Load(pszPath);
  const double tLoad = Now() - t0;
  const cMem m2 = Memory();
  // Where the time goes: the file read through the reader (which reads on in pieces), empty grids
  // as a resize makes them, a full validation.
  cDataReader in;
  t0 = Now();
  if (OpenForRead(pszPath, in))
    while (in.Remaining() && in.Take(in.Remaining() < 65536 ? in.Remaining() : 65536)) {
    }
  const double tOpen = Now() - t0;
  CloseFile(in);
  t0 = Now();
  pDst->Validate();
  const double tValidate = Now() - t0;
  pDst.reset();
  std::unique_ptr<cEdStage> pGrid(new cEdStage);
  t0 = Now();
  pGrid->SetSize(512, 512, 0, 0);
  const double tGrid = Now() - t0;
  FILE* fp = fopen(RESULT_PATH, "w");
  if (!fp) return 1;
  fprintf(fp, "%d %f %f %f %f %f %f\n", bOk, tLoad * 1e3, tRawRead * 1e3, m2.dPrivate - m1.dPrivate, tOpen * 1e3,
          tGrid * 1e3, tValidate * 1e3);
  fclose(fp);
  return bOk ? 0 : 1;
}

struct cLoadFigures {
  int bOk;
  double tLoad, tRawRead, dMem, tOpen, tGrid, tValidate;
};

bool RunLoadChild(cLoadFigures& f, const char* pszPath = STAGE_PATH) {
  char szExe[MAX_PATH];
  GetModuleFileNameA(nullptr, szExe, MAX_PATH);
  std::string strCmd = std::string("\"") + szExe + "\" load-child " + pszPath;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  DeleteFileA(RESULT_PATH);
  if (!CreateProcessA(nullptr, &strCmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  FILE* fp = fopen(RESULT_PATH, "r");
  if (!fp) return false;
  int n = fscanf(fp, "%d %lf %lf %lf %lf %lf %lf", &f.bOk, &f.tLoad, &f.tRawRead, &f.dMem, &f.tOpen, &f.tGrid,
                 &f.tValidate);
  fclose(fp);
  DeleteFileA(RESULT_PATH);
  return n == 7;
}

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "load-child") return LoadChild(argv[2]);
  if (argc > 1) return ProfileOnly(argv[1]);
  const int RUNS = 3;
  std::unique_ptr<cEdStage> pSrc(new cEdStage);
  Fill(*pSrc);
  double tSave = Best(RUNS, [&] {
    double t0 = Now();
    if (!pSrc->Save(STAGE_PATH)) printf("save failed\n");
    return Now() - t0;
  });
  // Where a save's time goes: the validation it starts with, the file image, the file itself.
  double tValidate = Best(RUNS, [&] {
    double t0 = Now();
    pSrc->Validate();
    return Now() - t0;
  });
  cDataWriter out;
  double tImage = Best(RUNS, [&] {
    double t0 = Now();
    OpenForWrite(STAGE_PATH, out);
    pSrc->Write(out);
    return Now() - t0;
  });
  double t0 = Now();
  CloseFile(out);
  double tClose = Now() - t0;
  pSrc.reset();
  const std::vector<char> vFile = FileBytes(STAGE_PATH);
  const double dMiB = vFile.size() / 1048576.0;
  double tRawFlush = Best(RUNS, [&] { return RawWrite(vFile, true); });
  double tRaw = Best(RUNS, [&] { return RawWrite(vFile, false); });
  // The yardstick: the save and a raw write of its bytes take turns in this process, and the
  // medians are compared, so that both meet the same disk, cache and memory.
  std::vector<double> vSave, vRawW;
  {
    std::unique_ptr<cEdStage> pAgain(new cEdStage);
    Fill(*pAgain);
    for (int i = 0; i < 2 * RUNS + 1; ++i) {
      double t1 = Now();
      pAgain->Save(STAGE_PATH);
      vSave.push_back(Now() - t1);
      vRawW.push_back(RawWrite(vFile, true));
    }
  }
  std::sort(vSave.begin(), vSave.end());
  std::sort(vRawW.begin(), vRawW.end());
  const double tSaveMed = vSave[vSave.size() / 2], tRawMed = vRawW[vRawW.size() / 2];
  // A stage with a tenth of its cells placed, beside the full one.
  const char* const SPARSE_PATH = "bench_stage10.stg4_778";
  {
    std::unique_ptr<cEdStage> pSparse(new cEdStage);
    Fill(*pSparse);
    for (int32_t y = 0; y < 512; ++y)
      for (int32_t x = 0; x < 512; ++x) {
        if ((x + 512 * y) % 10 == 3) continue;
        const int32_t i = pSparse->CellIndex(x, y);
        pSparse->m_vBlockGrid.Release(i);
        pSparse->m_vCharaGrid.Release(i);
        pSparse->m_vItemGrid.Release(i);
      }
    pSparse->m_vCharaGrid.Unwatched(3).m_nControl = 0;
    pSparse->Save(SPARSE_PATH);
  }
  const double dSparseMiB = FileBytes(SPARSE_PATH).size() / 1048576.0;
  cLoadFigures sparse = {};
  const bool bSparseOk = RunLoadChild(sparse, SPARSE_PATH) && sparse.bOk;
  DeleteFileA(SPARSE_PATH);

  cLoadFigures best = {0, 1e9, 1e9, 0, 1e9, 1e9, 1e9}, first = {};
  bool bChildOk = true;
  for (int i = 0; i < RUNS && bChildOk; ++i) {
    cLoadFigures f;
    bChildOk = RunLoadChild(f) && f.bOk;
    if (i == 0) first = f;
    best.tLoad = std::min(best.tLoad, f.tLoad);
    best.tRawRead = std::min(best.tRawRead, f.tRawRead);
    best.tOpen = std::min(best.tOpen, f.tOpen);
    best.tGrid = std::min(best.tGrid, f.tGrid);
    best.tValidate = std::min(best.tValidate, f.tValidate);
  }
  DeleteFileA(RAW_PATH);
  DeleteFileA(STAGE_PATH);

  printf("stage 512 x 512, every cell placed on three layers: file %u bytes (%.1f MiB)%s\n",
         static_cast<unsigned>(vFile.size()), dMiB, bChildOk ? "" : ", LOAD FAILED");
  printf("save %.0f ms; raw write %.0f ms flushed, %.0f ms unflushed\n", tSave * 1e3, tRawFlush * 1e3, tRaw * 1e3);
  printf("  save speed / raw write speed: %.0f%% (flushed), %.0f%% (unflushed); target >= 50%%\n",
         100.0 * tRawFlush / tSave, 100.0 * tRaw / tSave);
  printf("  of the save: file image %.0f ms (its validation included), writing it %.0f ms; a full validation "
         "alone %.0f ms\n",
         tImage * 1e3, tClose * 1e3, tValidate * 1e3);
  printf("load %.0f ms; raw read %.0f ms (each in a fresh process)\n", best.tLoad, best.tRawRead);
  printf("  load speed / raw read speed: %.0f%%; target >= 33%%\n", 100.0 * best.tRawRead / best.tLoad);
  printf("  for comparison: the file read through the reader %.0f ms, empty 512 x 512 grids %.0f ms, a full "
         "validation %.0f ms\n",
         best.tOpen, best.tGrid, best.tValidate);
  printf("loaded stage in memory: %.1f MiB = %.2f x the file (private bytes after the load minus before); "
         "target <= 2\n",
         first.dMem, first.dMem / dMiB);
  printf("  of which the three grids' records themselves take %.1f MiB\n",
         512.0 * 512.0 * (sizeof(cEdBlock) + sizeof(cEdChara) + sizeof(cEdItem)) / 1048576.0);
  printf("records of %u, %u and %u bytes (block, character, item)\n", static_cast<unsigned>(sizeof(cEdBlock)),
         static_cast<unsigned>(sizeof(cEdChara)), static_cast<unsigned>(sizeof(cEdItem)));
  printf("stage with a tenth of its cells placed: file %.1f MiB, loaded %.1f MiB%s\n", dSparseMiB, sparse.dMem,
         bSparseOk ? "" : ", LOAD FAILED");
  auto target = [](const char* pszName, double dFigure, const char* pszGoal, bool bMet) {
    printf("target %s: %.2f (goal %s) %s\n", pszName, dFigure, pszGoal, bMet ? "met" : "missed");
  };
  printf("alternating runs: save %.0f ms, raw write %.0f ms flushed (medians of %d)\n", tSaveMed * 1e3,
         tRawMed * 1e3, static_cast<int>(vSave.size()));
  const double dSaveRatio = tRawMed / tSaveMed;
  target("save speed / raw write speed (medians, alternating)", dSaveRatio, ">= 0.50", dSaveRatio >= 0.5);
  const double dFullRatio = first.dMem / dMiB, dSparseRatio = sparse.dMem / dSparseMiB;
  target("loaded full stage / file size", dFullRatio, "<= 2", bChildOk && dFullRatio <= 2);
  target("loaded 10%-placed stage / file size", dSparseRatio, "<= 2", bSparseOk && dSparseRatio <= 2);
  return bChildOk ? 0 : 1;
}
