// What the benchmarks that start programs share: the host path of a build output as the programs
// see it, the time from starting a program to its window being shown, and the median of a series.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchClock.h"

// Build paths are host paths; the programs run under the drive that maps the host's root.
inline std::string HostPath(const char* pszPath) {
  std::string s = pszPath;
  for (char& c : s)
    if (c == '/') c = '\\';
  if (!s.empty() && s[0] == '\\') s = "Z:" + s;
  return s;
}

struct cWindowFind {
  DWORD dwPid;
  const char* pszCaption;  // the title's beginning, or none for any dialog
  HWND hFound;
};

inline BOOL CALLBACK FindShownDialog(HWND hWnd, LPARAM lParam) {
  cWindowFind* f = reinterpret_cast<cWindowFind*>(lParam);
  DWORD dwPid = 0;
  GetWindowThreadProcessId(hWnd, &dwPid);
  if (dwPid != f->dwPid || !IsWindowVisible(hWnd)) return TRUE;
  char sz[256];
  if (!GetClassNameA(hWnd, sz, sizeof sz) || strcmp(sz, "#32770") != 0) return TRUE;
  if (f->pszCaption) {
    GetWindowTextA(hWnd, sz, sizeof sz);
    if (strncmp(sz, f->pszCaption, strlen(f->pszCaption)) != 0) return TRUE;
  }
  f->hFound = hWnd;
  return FALSE;
}

// Seconds from starting the program to its dialog window being shown, and to the program
// answering a message sent to that window after it: its thread has done what it does after the
// window appears and waits for input, so the author can use it. Negative figures when it failed.
// The program is ended and awaited afterwards, so the next start is a first one.
struct cStartTimes {
  double tShown, tReady;
};

inline cStartTimes TimeToReadyWindow(const std::string& strExe, const std::string& strDir, const char* pszCaption) {
  const DWORD WAIT_MS = 60000;
  std::string strCmd = "\"" + strExe + "\"";
  std::vector<char> buf(strCmd.begin(), strCmd.end());
  buf.push_back(0);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  cStartTimes times = {-1, -1};
  const double t0 = Now();
  if (!CreateProcessA(strExe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr, strDir.c_str(), &si, &pi))
    return times;
  for (;;) {
    cWindowFind f = {pi.dwProcessId, pszCaption, nullptr};
    EnumWindows(FindShownDialog, reinterpret_cast<LPARAM>(&f));
    if (f.hFound) {
      times.tShown = Now() - t0;
      DWORD_PTR dwResult = 0;
      if (SendMessageTimeoutA(f.hFound, WM_NULL, 0, 0, SMTO_NORMAL, WAIT_MS, &dwResult)) times.tReady = Now() - t0;
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0 || Now() - t0 > WAIT_MS / 1000.0) break;
    Sleep(1);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, WAIT_MS);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return times;
}

// Seconds to the window being shown alone.
inline double TimeToWindow(const std::string& strExe, const std::string& strDir, const char* pszCaption) {
  return TimeToReadyWindow(strExe, strDir, pszCaption).tShown;
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}
