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

  // The caption is the sheet's from its first moment on screen (null: the system's own). The sheet
  // opens on page nStartPage (the first when it is out of range); only that page is made then.
  void Run(const char* pszCaption = nullptr, int nStartPage = 0);
  int GetCurPage() const;
  void SetCurPage(int nIndex);
  void DrawCurPage();
  void DestroySheetWindow();
  void SetStyleBits(DWORD dwBits);
  void ClearStyleBits(DWORD dwBits);

  // Takes a page the sheet made (null is ignored): the sheet deletes its pages after its own
  // window, so that each still hears its WM_DESTROY, in the order it took them.
  template <class P>
  P* Own(P* lpPage) {
    if (lpPage) m_vOwned.push_back(lpPage);
    return lpPage;
  }
  // Makes a page with the sheet's owner and window list (NewSheetPage below) and takes it.
  template <class P>
  bool NewOwnedPage(P*& lpPage);
  // Deletes the pages taken so far, for a sheet that gives up before it runs.
  void DeleteOwnedPages();
  // A sheet opened on a later page may end before its first page was ever made, and the sheet's
  // OK, 適用 and cancel (PSN_APPLY, PSN_RESET) reach only pages that were. Each page passes them
  // here: the first made page hands them to a first page that has no window (EndUnmadeFirstPage).
  void PassEndToFirstPage(const cDialog* lpFrom, UINT uCode);

  int32_t m_nMode;
  HWND m_hOwner = nullptr;
  cWindow* m_lpOwner;
  void* m_lpRegistered = nullptr;
  cWindowList* m_lpWindowList;
  cShellVector<cDialog*> m_vPages;
  HPROPSHEETPAGE* m_phPages = nullptr;
  HWND m_hSheet = nullptr;

 protected:
  // What the sheet's first page does on PSN_APPLY or PSN_RESET, for a first page without a window.
  virtual void EndUnmadeFirstPage(UINT) {}
  // The sheet's window went while its first page was never made (that page's WM_DESTROY, which
  // ends its editing, did not come).
  virtual void ClosedWithoutFirstPage() {}

 private:
  bool FirstPageMade() const;

  cShellVector<cDialog*> m_vOwned;

  static int CALLBACK SheetCallback(HWND hSheet, UINT uMsg, LPARAM lParam);
};

// A sheet its owner keeps in a slot (a pointer to Slot): made, it registers itself there, and the
// main loop clears the slot when it deletes the closed sheet. Mode 1 is modeless.
template <class Slot>
class cSlotSheet : public cPropSheet {
 public:
  cSlotSheet(int32_t nMode, cWindow* lpOwner, cWindowList* lpWindowList, Slot** lppSlot)
      : cPropSheet(nMode, lpOwner, lpWindowList) {
    Register(lppSlot);
  }
};

// Makes one page of a sheet; a failed allocation shows the memory-shortage box and gives false.
template <class T>
bool NewSheetPage(T*& lpPage, cWindow* lpOwner, cWindowList* lpWindowList) {
  lpPage = new (std::nothrow) T(lpOwner, lpWindowList);
  if (lpPage) return true;
  OutOfMemory();
  return false;
}

template <class P>
bool cPropSheet::NewOwnedPage(P*& lpPage) {
  if (!NewSheetPage(lpPage, m_lpOwner, m_lpWindowList)) return false;
  Own(lpPage);
  return true;
}
