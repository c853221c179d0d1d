#include "project/DbPage.h"

#include "controls/InputDlg.h"
#include "app/Paths.h"
#include "controls/EditStrCtrl.h"

int AskDbRecordCount(cDialog* lpPage, cControl* lpAnchor, int32_t* pnCount) {
  return InputValue(lpPage, &WindowList, pnCount, 1, 999, "データ数", lpAnchor, 1);
}

void BrowseDbFile(cDialog* lpPage, const cDbFileChoice& Choice, cEditStrCtrl* lpPathEdit) {
  if (!lpPathEdit) return;
  char szPath[MAX_PATH] = "";
  if (!OpenFileDlg(lpPage->m_hWnd, szPath, sizeof szPath, Choice.pszInitDir, Choice.pszTitle, Choice.pszFilter,
                   Choice.pszExt, 0, nullptr))
    return;
  // A file on another drive has no relative path: the edit keeps what it had.
  if (!MakeRelativePath(szPath)) return;
  lpPathEdit->SetText(szPath);
}

void ApplyNameFromFile(cSysPageCtrls& Ctrls, uint16_t wPathId) {
  const bool bFromFile = Ctrls.IsChecked(IDC_DB_NAME_FROM_FILE) != 0;
  Ctrls.Enable(IDC_DB_NAME, !bFromFile);
  if (!bFromFile) return;
  cEditStrCtrl* lpName = Ctrls.Edit(IDC_DB_NAME);
  cEditStrCtrl* lpPath = Ctrls.Edit(wPathId);
  if (!lpName || !lpPath) return;
  std::string str;
  lpPath->GetText(str);
  GetFileNameStr(str);
  if (!StripExtensionStr(str)) return;
  std::string strOld;
  lpName->GetText(strOld);
  if (str != strOld) lpName->SetText(str);
}
