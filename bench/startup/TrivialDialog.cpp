// The yardstick of the start-up benchmark: a program that does nothing but show one dialog box,
// built from a template in memory, until it is closed.
#include <windows.h>

namespace {

INT_PTR CALLBACK DlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
  if (uMsg == WM_INITDIALOG) return TRUE;
  if (uMsg == WM_CLOSE || (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hDlg, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int) {
  // A DLGTEMPLATE followed by empty menu, class and title arrays, DWORD aligned.
  alignas(4) WORD aTemplate[16] = {};
  DLGTEMPLATE* pDlg = reinterpret_cast<DLGTEMPLATE*>(aTemplate);
  pDlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  pDlg->cx = 160;
  pDlg->cy = 80;
  return static_cast<int>(DialogBoxIndirectParamA(hInst, pDlg, nullptr, DlgProc, 0));
}
