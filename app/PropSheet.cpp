#include "app/PropSheet.h"

#include <new>

#include "app/Dialog.h"
#include "app/MsgBox.h"
#include "app/Window.h"

cPropSheet::cPropSheet(int32_t nMode, cWindow* lpOwner, cWindowList* lpWindowList)
    : m_nMode(nMode), m_lpOwner(lpOwner), m_lpWindowList(lpWindowList) {
  m_hOwner = lpOwner ? lpOwner->m_hWnd : nullptr;
}

void cPropSheet::DeleteOwnedPages() {
  for (cDialog* lpPage : m_vOwned) delete lpPage;
  m_vOwned.clear();
}

cPropSheet::~cPropSheet() {
  // A sheet deleted while its window still stands takes the window with it, so no message can
  // reach pages that no longer exist.
  DestroySheetWindow();
  DeleteOwnedPages();
  delete[] m_phPages;
  m_phPages = nullptr;
  if (!m_lpWindowList || !m_lpWindowList->RemoveSheet(m_lpRegistered))
    ErrorBox("ウインドウの破棄に失敗！");
  m_vPages.clear();
}

void cPropSheet::Run(const char* pszCaption, int nStartPage) {
  m_nMode = 1;
  for (size_t i = 0; i < m_vPages.size(); ++i) {
    cDialog* lpPage = m_vPages[static_cast<int>(i)];
    lpPage->m_bModeless = 1;
    lpPage->m_lpSheet = this;
    lpPage->m_lpParentClass = m_lpOwner;
  }
  HINSTANCE hInst =
      m_hOwner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hOwner, GWLP_HINSTANCE)) : nullptr;
  if (!hInst) hInst = GetModuleHandleA(nullptr);
  delete[] m_phPages;
  m_phPages = new (std::nothrow) HPROPSHEETPAGE[m_vPages.size() ? m_vPages.size() : 1];
  if (!m_phPages) {
    OutOfMemory();
    return;
  }
  UINT nPages = 0;
  for (size_t i = 0; i < m_vPages.size(); ++i) {
    cDialog* lpPage = m_vPages[static_cast<int>(i)];
    PROPSHEETPAGEA psp;
    ZeroMemory(&psp, sizeof psp);
    psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    psp.dwFlags = 0;
    psp.hInstance = hInst;
    psp.pszTemplate = MAKEINTRESOURCEA(lpPage->m_wTemplateId);
    psp.pfnDlgProc = reinterpret_cast<DLGPROC>(lpPage->m_lpfnStaticProc);
    m_phPages[nPages++] = CreatePropertySheetPageA(&psp);
  }
  PROPSHEETHEADERA psh;
  ZeroMemory(&psh, sizeof psh);
  psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
  psh.dwFlags = PSH_USECALLBACK | PSH_MODELESS;
  psh.hwndParent = m_hOwner;
  psh.hInstance = hInst;
  psh.nPages = nPages;
  psh.nStartPage = nStartPage > 0 && static_cast<UINT>(nStartPage) < nPages ? static_cast<UINT>(nStartPage) : 0;
  psh.phpage = m_phPages;
  psh.pfnCallback = &cPropSheet::SheetCallback;
  // Without PSH_PROPTITLE the caption is used as it is.
  psh.pszCaption = pszCaption;
  // A modeless sheet answers -1 when it cannot be made, not a null handle.
  INT_PTR nSheet = PropertySheetA(&psh);
  m_hSheet = nSheet == -1 ? nullptr : reinterpret_cast<HWND>(nSheet);
  for (size_t i = 0; i < m_vPages.size(); ++i) m_vPages[static_cast<int>(i)]->m_hSheetWnd = m_hSheet;
  if (!m_hSheet) {
    ErrorBox("ウインドウの生成に失敗！");
    PostMessageA(m_hOwner, WM_CLOSE, 0, 0);
    return;
  }
  // The sheet opens at its owner's corner and grows to fit its pages: an owner near the edge of
  // the screen (a palette window) would leave OK and Cancel out of reach.
  KeepInWorkArea(m_hSheet);
}

int CALLBACK cPropSheet::SheetCallback(HWND hSheet, UINT uMsg, LPARAM) {
  if (uMsg == PSCB_INITIALIZED) {
    LONG_PTR ex = GetWindowLongPtrA(hSheet, GWL_EXSTYLE);
    SetWindowLongPtrA(hSheet, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP));
  }
  return 0;
}

int cPropSheet::GetCurPage() const {
  if (!m_hSheet) return -1;
  HWND hTab = reinterpret_cast<HWND>(SendMessageA(m_hSheet, PSM_GETTABCONTROL, 0, 0));
  if (!hTab) return -1;
  return static_cast<int>(SendMessageA(hTab, TCM_GETCURSEL, 0, 0));
}

void cPropSheet::SetCurPage(int nIndex) {
  SendMessageA(m_hSheet, PSM_SETCURSEL, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(-1));
}

void cPropSheet::DrawCurPage() {
  int nPage = GetCurPage();
  // No tab selected (a sheet on its way out) is nothing to draw, not a bad index.
  if (nPage < 0) return;
  cDialog* lpPage = m_vPages[nPage];
  if (lpPage) lpPage->Draw();
}

bool cPropSheet::FirstPageMade() const { return !m_vPages.empty() && m_vPages[0] && IsWindow(m_vPages[0]->m_hWnd); }

void cPropSheet::PassEndToFirstPage(const cDialog* lpFrom, UINT uCode) {
  if (uCode != static_cast<UINT>(PSN_APPLY) && uCode != static_cast<UINT>(PSN_RESET)) return;
  if (m_vPages.empty() || FirstPageMade()) return;
  for (size_t i = 1; i < m_vPages.size(); ++i) {
    const cDialog* lpPage = m_vPages[static_cast<int>(i)];
    if (!lpPage || !IsWindow(lpPage->m_hWnd)) continue;
    // Every made page passes the notification on; only the first of them counts.
    if (lpPage == lpFrom) EndUnmadeFirstPage(uCode);
    return;
  }
}

void cPropSheet::DestroySheetWindow() {
  if (m_nMode != 1 || !m_hSheet) return;
  const bool bFirstMade = FirstPageMade();
  DestroyWindow(m_hSheet);
  m_hSheet = nullptr;
  if (!bFirstMade) ClosedWithoutFirstPage();
}

void cPropSheet::SetStyleBits(DWORD dwBits) {
  if (!m_hSheet) return;
  LONG_PTR style = GetWindowLongPtrA(m_hSheet, GWL_STYLE);
  SetWindowLongPtrA(m_hSheet, GWL_STYLE, style | static_cast<LONG_PTR>(dwBits));
}

void cPropSheet::ClearStyleBits(DWORD dwBits) {
  if (!m_hSheet) return;
  LONG_PTR style = GetWindowLongPtrA(m_hSheet, GWL_STYLE);
  SetWindowLongPtrA(m_hSheet, GWL_STYLE, style & ~static_cast<LONG_PTR>(dwBits));
}
