// What the checked containers do with an index out of range: the application logs it and closes
// its main window, since the data behind the index can no longer be trusted.
#include <windows.h>

#include "app/AppGlobals.h"
#include "app/Log.h"
#include "base/ChkContainer.h"

void ChkReportBadIndex(const char* pszMsg, int nPolicy) {
  ErrorLog(pszMsg);
  ReportLogText(pszMsg);
  if (nPolicy == CHK_POST_CLOSE)
    PostMessageA(g_hMainWnd, WM_CLOSE, 0, 0);
  else
    DestroyWindow(g_hMainWnd);
}
