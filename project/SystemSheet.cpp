#include "project/SystemSheet.h"

#include <new>

#include "app/MsgBox.h"
#include "controls/CtrlBind.h"
#include "model/DataRecord.h"
#include "model/SaveMarks.h"
#include "model/SystemData.h"
#include "project/SysCompat2Page.h"
#include "project/SysCompatPage.h"
#include "project/SysGeneralPage.h"
#include "project/SysIniPage.h"
#include "project/SysModePage.h"
#include "project/SysSoundPage.h"
#include "project/SysStatusPage.h"
#include "project/SysTermsPage.h"

namespace {

const char* const SYSTEM_FILE = "data\\System.dat";
const char* const SHEET_CAPTION = "システムの設定";

void ShowAndEnableAll() {
  WindowList.ShowAll(1);
  WindowList.EnableAll(1);
}

SystemClosedFn g_pfnClosed = &ShowAndEnableAll;

}  // namespace

SystemClosedFn SetSystemClosedFn(SystemClosedFn pfn) {
  SystemClosedFn pPrev = g_pfnClosed;
  g_pfnClosed = pfn ? pfn : &ShowAndEnableAll;
  return pPrev;
}

void OnSystemSheetClosed() { g_pfnClosed(); }

int cSystemSheet::Create() {
  // A sheet with a missing page is never shown. The pages made go with the sheet, after its
  // window; the pages that end the session still hear their WM_DESTROY.
  bool bOk = NewOwnedPage(m_lpGeneral) && NewOwnedPage(m_lpMode) && NewOwnedPage(m_lpSound) &&
             NewOwnedPage(m_lpStatus) && NewOwnedPage(m_lpTerms) && NewOwnedPage(m_lpIni) &&
             NewOwnedPage(m_lpCompat) && NewOwnedPage(m_lpCompat2);
  if (!bOk) return 0;
  m_vPages.clear();
  m_vPages.push_back(m_lpGeneral);
  m_vPages.push_back(m_lpMode);
  m_vPages.push_back(m_lpSound);
  m_vPages.push_back(m_lpStatus);
  m_vPages.push_back(m_lpTerms);
  m_vPages.push_back(m_lpIni);
  m_vPages.push_back(m_lpCompat);
  m_vPages.push_back(m_lpCompat2);
  Run(SHEET_CAPTION);
  if (!m_hSheet) return 0;
  return 1;
}

void cSystemSheet::Save(const cDialog* lpFrom) {
  // OK and Apply reach every committing page that was made, one after the other: the first of
  // them commits for the press, so that a failing file gives one box, not one per page.
  const cDialog* const apCommitting[] = {m_lpGeneral, m_lpMode, m_lpCompat, m_lpCompat2};
  for (const cDialog* lpPage : apCommitting) {
    if (!lpPage || !lpPage->m_hWnd) continue;
    if (lpPage != lpFrom) return;
    break;
  }
  for (int nPass = 0; nPass < 2; ++nPass)
    for (size_t i = 0; i < m_vPages.size(); ++i) m_vPages[static_cast<int>(i)]->CtrlsToData();
  CommitKept(KEPT_SYSTEM);
}

void OpenSystemSheet(cWindow* lpOwner, cSystemSheet** lppSlot) {
  WindowList.ShowAll(0);
  WindowList.EnableAll(0);
  SafeDelete(*lppSlot);
  *lppSlot = new (std::nothrow) cSystemSheet(1, lpOwner, &WindowList, lppSlot);
  if (!*lppSlot) {
    OutOfMemory();
    return;
  }
  if ((*lppSlot)->Create()) return;
  // Nothing was shown: the windows hidden for the sheet come back.
  SafeDelete(*lppSlot);
  OnSystemSheetClosed();
}
