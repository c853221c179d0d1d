#include "controls/ChkContainer.h"

#include <windows.h>

#include "app/AppGlobals.h"
#include "app/Log.h"

void ChkReportBadIndex(const char* pszMsg, int nPolicy) {
  ErrorLog(pszMsg);
  ReportLogText(pszMsg);
  if (nPolicy == CHK_POST_CLOSE)
    PostMessageA(g_hMainWnd, WM_CLOSE, 0, 0);
  else
    DestroyWindow(g_hMainWnd);
}

int StrEqual(const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()) == 0 ? 1 : 0; }
