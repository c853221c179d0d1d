// Entry point of the editor.
#include <windows.h>
#include <mmsystem.h>

#include "app/AppGlobals.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "resources/AppIds.h"

static INT_PTR CALLBACK PlainDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
  if (uMsg == WM_CLOSE || (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hDlg, 0);
    return TRUE;
  }
  return uMsg == WM_INITDIALOG;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  timeBeginPeriod(1);
  SetErrorLog(0, "EC_Editor.txt");
  char szReport[MAX_PATH] = "Report_Editor.txt";
  MakeAbsolutePath(szReport);
  if (!CreateReportLog(szReport)) return 0;
  ReportLog("App : ver %s", "778");
  WriteSystemInfo();
  DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_STAGE), nullptr, PlainDlgProc, 0);
  timeEndPeriod(1);
  return 0;
}
