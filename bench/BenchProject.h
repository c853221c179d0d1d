// The sample project a benchmark works in: made in a fresh temporary folder, with the data folder
// that start-up would make from the factory data, and removed with the benchmark that made it.
// A benchmark that includes this links the sample generator.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "SampleArt.h"
#include "SampleData.h"
#include "app/MsgBox.h"
#include "model/ProjectLoad.h"

inline void RemoveFolder(const std::string& strDir) {
  std::string strFrom = strDir;
  strFrom.push_back(0);  // the list of paths ends with a second zero
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = strFrom.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

inline int AnswerYesToAll(HWND, const char*, const char*, UINT) { return IDYES; }

// The folder's path, or an empty string (and nothing left behind) when it could not be made. The
// current folder is as before.
inline std::string MakeBenchProject(const char* pszName) {
  char szTemp[MAX_PATH];
  GetTempPathA(MAX_PATH, szTemp);
  const std::string strDir = std::string(szTemp) + pszName + "_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(strDir.c_str(), nullptr);
  char szOld[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, szOld);
  bool bOk = WriteSampleArt(strDir) && WriteSampleData(strDir) && SetCurrentDirectoryA(strDir.c_str());
  if (bOk) {
    MsgBoxFn pfnPrev = SetMsgBoxFn(AnswerYesToAll);
    bOk = CreateDefaultData(nullptr);
    SetMsgBoxFn(pfnPrev);
    SetCurrentDirectoryA(szOld);
  }
  if (bOk) return strDir;
  RemoveFolder(strDir);
  return std::string();
}
