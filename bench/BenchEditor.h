// The editor started in-process on a sample project of its own, for the benchmarks that time what
// an author does in its windows, and taken down again with its project.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/AppGlobals.h"
#include "bench/BenchProject.h"
#include "model/Command.h"
#include "stage/FrameWnd.h"
#include "startup/StartUp.h"

// The project's folder, now the current one, with the editor started in it; an empty string when
// the project could not be made or the editor did not start (said on the output).
inline std::string StartBenchEditor(const char* pszName) {
  const std::string strDir = MakeBenchProject(pszName);
  if (strDir.empty()) {
    printf("the sample project could not be made\n");
    return strDir;
  }
  InitCommonControls();
  // A message box would wait for a person: it is printed and answered.
  SetMsgBoxFn([](HWND, const char* pszText, const char* pszCaption, UINT) {
    printf("message box %s: %s\n", pszCaption ? pszCaption : "", pszText ? pszText : "");
    return IDYES;
  });
  SetCurrentDirectoryA(strDir.c_str());
  if (!RegisterFrameClass(GetModuleHandleA(nullptr)) || !StartUp()) {
    printf("the editor did not start in %s\n", strDir.c_str());
    return std::string();
  }
  return strDir;
}

// Closes the editor's windows, lets pump work off what that posts, and removes the project.
template <class Pump>
void EndBenchEditor(const std::string& strDir, Pump pump) {
  if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  pump();
  char szTemp[MAX_PATH];
  GetTempPathA(MAX_PATH, szTemp);
  SetCurrentDirectoryA(szTemp);
  RemoveFolder(strDir);
}

// A wait command of nTime frames: the commands that fill the benchmarks' long flows.
inline cEdCommand WaitCommand(int nTime) {
  cEdCommand c;
  c.m_nKind = 1;
  c.m_nTime = static_cast<int16_t>(nTime);
  return c;
}
