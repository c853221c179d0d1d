// A project folder as a new user gets it, for the tests that start the editor: the generated
// default\, bmp\ and sounds and, when asked, the data\ folder that start-up makes from default\.
// The test area that includes this links the sample generator.
#pragma once

#include <windows.h>

#include <string>

#include "SampleArt.h"
#include "SampleData.h"
#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "app/MsgBox.h"
#include "model/ProjectLoad.h"
#include "stage/StageWnd.h"
#include "support/TestSupport.h"

inline int AnswerYes(HWND, const char*, const char*, UINT) { return IDYES; }

inline bool MakeSampleProject(const std::string& strDir, bool bWithData) {
  if (!WriteSampleArt(strDir) || !WriteSampleData(strDir)) return false;
  if (!bWithData) return true;
  char szOld[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, szOld);
  if (!SetCurrentDirectoryA(strDir.c_str())) return false;
  MsgBoxFn pfnPrev = SetMsgBoxFn(AnswerYes);
  bool bOk = CreateDefaultData(nullptr);
  SetMsgBoxFn(pfnPrev);
  SetCurrentDirectoryA(szOld);
  return bOk;
}

// Ends an editor started in this process with StartUp: the frame and the stage window with its
// tool windows go, and the shell's globals are back as before start-up.
inline void ShutDownStartedEditor() {
  if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  DrainMessages();
  delete FrameWnd.m_lpStageWnd;
  FrameWnd.m_lpStageWnd = nullptr;
  g_hMainWnd = nullptr;
  g_pCurEditor = nullptr;
  g_bStarted = 0;
  g_bAppActive = 0;
}
