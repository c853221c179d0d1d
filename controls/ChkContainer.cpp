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
