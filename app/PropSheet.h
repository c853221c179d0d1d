// The base of the editor's modeless property sheets: owns the page list, creates the sheet,
// registers itself so that the main loop passes it keyboard messages and deletes it once the
// user has closed it, and answers which page is shown.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <new>

#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "base/ChkContainer.h"

class cDialog;
class cWindow;

class cPropSheet {
 public:
  cPropSheet(int32_t nMode, cWindow* lpOwner, cWindowList* lpWindowList);
  virtual ~cPropSheet();

  // Registers the sheet with the owner's pointer to it; derived constructors call it.
  template <class T>
  void Register(T** lppOwnerSlot) {
    m_lpRegistered = this;
    if (m_lpWindowList) m_lpWindowList->AddSheet(this, lppOwnerSlot);
  }

  // The caption is the sheet's from its first moment on screen (null: the system's own).
  void Run(const char* pszCaption = nullptr);
  int GetCurPage() const;
  void SetCurPage(int nIndex);
  void DrawCurPage();
  void DestroySheetWindow();
  void SetStyleBits(DWORD dwBits);
  void ClearStyleBits(DWORD dwBits);

  int32_t m_nMode;
  HWND m_hOwner = nullptr;
  cWindow* m_lpOwner;
  void* m_lpRegistered = nullptr;
  cWindowList* m_lpWindowList;
  cShellVector<cDialog*> m_vPages;
  HPROPSHEETPAGE* m_phPages = nullptr;
  HWND m_hSheet = nullptr;

 private:
  static int CALLBACK SheetCallback(HWND hSheet, UINT uMsg, LPARAM lParam);
};

// Makes one page of a sheet; a failed allocation shows the memory-shortage box and gives false.
template <class T>
bool NewSheetPage(T*& lpPage, cWindow* lpOwner, cWindowList* lpWindowList) {
  lpPage = new (std::nothrow) T(lpOwner, lpWindowList);
  if (lpPage) return true;
  OutOfMemory();
  return false;
}
