// Test entry: every test program logs into its own temporary report log and never shows a real
// message box (an unexpected box is answered and recorded instead of blocking the run).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "app/Log.h"
#include "app/MsgBox.h"

static int UnexpectedBox(HWND, const char* pszText, const char* pszCaption, UINT uType) {
  fprintf(stderr, "unanswered message box: [%s] %s\n", pszCaption, pszText);
  UINT kind = uType & MB_TYPEMASK;
  return (kind == MB_YESNO || kind == MB_YESNOCANCEL) ? IDNO : IDOK;
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  SetMsgBoxFn(UnexpectedBox);
  char szTmp[MAX_PATH], szLog[MAX_PATH];
  GetTempPathA(MAX_PATH, szTmp);
  snprintf(szLog, sizeof szLog, "%sReport_Tests_%lu.txt", szTmp, GetCurrentProcessId());
  CreateReportLog(szLog);
  SetErrorLog(0, "EC_Editor.txt");
  int r = RUN_ALL_TESTS();
  DeleteFileA(szLog);
  return r;
}
