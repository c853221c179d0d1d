// Figures taken in a fresh process: the benchmark starts its own executable again with arguments
// that name what to measure, and the child writes its figures to a file for the parent, one a line;
// the wall and CPU time of one run of a step, and the memory the process holds.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchClock.h"

// Wall and CPU seconds of one run of fn.
struct cTimes {
  double tWall, tCpu;
};

template <class F>
cTimes Timed(F fn) {
  const double c0 = CpuNow(), t0 = Now();
  fn();
  return cTimes{Now() - t0, CpuNow() - c0};
}

// MiB of memory this process has committed.
inline double PrivateMiB() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return static_cast<double>(pmc.PagefileUsage) / 1048576.0;
}

inline bool WriteChildFigures(const char* pszPath, const std::vector<double>& v) {
  FILE* fp = fopen(pszPath, "w");
  if (!fp) return false;
  for (double d : v) fprintf(fp, "%f\n", d);
  return fclose(fp) == 0;
}

// Runs this executable with strArgs and waits for it; v gets the figures it wrote to pszPath. False
// when it could not be started or wrote nothing.
inline bool RunChild(const std::string& strArgs, const char* pszPath, std::vector<double>& v) {
  char szExe[MAX_PATH];
  GetModuleFileNameA(nullptr, szExe, MAX_PATH);
  std::string strCmd = std::string("\"") + szExe + "\" " + strArgs;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  DeleteFileA(pszPath);
  v.clear();
  if (!CreateProcessA(nullptr, &strCmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  FILE* fp = fopen(pszPath, "r");
  if (!fp) return false;
  double d;
  while (fscanf(fp, "%lf", &d) == 1) v.push_back(d);
  fclose(fp);
  DeleteFileA(pszPath);
  return !v.empty();
}
