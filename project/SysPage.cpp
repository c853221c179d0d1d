#include "project/SysPage.h"

#include "app/Bgm.h"
#include "project/SystemSheet.h"

cSysPageCtrls::cSysPageCtrls() {
  SetAttachOrder({EDIT32, EDITU8, EDIT16, STR, COMBO32, COMBO8, CHECK32, CHECKU8, BUTTON, PICTURE});
  SetReportMissing(false);
}

void HideSysPageView(cDialog* lpPage) {
  HWND hView = GetDlgItem(lpPage->m_hWnd, cDialog::VIEW_CTRL_ID);
  if (!hView) return;
  char szClass[16] = "";
  GetClassNameA(hView, szClass, sizeof szClass);
  if (lstrcmpiA(szClass, "Static") == 0) ShowWindow(hView, SW_HIDE);
}

void NotifySysPageChanged(cDialog* lpPage) {
  HWND hSheet = GetParent(lpPage->m_hWnd);
  if (hSheet) SendMessageA(hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(lpPage->m_hWnd), 0);
}

void CommitSysSheet(cDialog* lpPage) {
  // Every page of this sheet class lives in a system sheet.
  cSystemSheet* lpSheet = static_cast<cSystemSheet*>(lpPage->m_lpSheet);
  if (lpSheet) lpSheet->Save(lpPage);
}

void EndSysSheetSession() {
  Music.StopAll();
  OnSystemSheetClosed();
}
