// The common part of the eight pages of the system settings sheet: the bound controls of a page,
// one vector per control kind, and the page behaviour they share. A page attaches its controls
// when its window is created, runs its enable rule around showing the record, tells the sheet of
// every command (so that Apply lights up), stores its controls only when the sheet commits, and
// the pages that stand for the whole sheet (1, 2, 7 and 8) commit on Apply and end the sheet's
// session when they are destroyed.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"

// The control set of the system, database and world map pages: they attach their kinds in this
// order, and an id a page does not hold is only answered with null (the enable rules ask for ids
// that only some templates carry).
struct cSysPageCtrls : cCtrlSet {
  cSysPageCtrls();
};

// The sheet's notifications that a system or database page answers: Apply on a page that commits
// for the sheet runs fnCommit, becoming the current page runs fnActivate. 1 when it was one of
// them (its answer set).
template <class C, class A>
int AnswerPageNotify(HWND hWnd, LPARAM lParam, bool bCommits, C fnCommit, A fnActivate) {
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (!pHdr) return 0;
  if (pHdr->code == static_cast<UINT>(PSN_APPLY) && bCommits) {
    fnCommit();
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, PSNRET_NOERROR);
    return 1;
  }
  if (pHdr->code != static_cast<UINT>(PSN_SETACTIVE)) return 0;
  fnActivate();
  SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, 0);
  return 1;
}

// Hides the view item that every template carries, unless the page uses the id for a control.
void HideSysPageView(cDialog* lpPage);
// PSM_CHANGED to the page's sheet.
void NotifySysPageChanged(cDialog* lpPage);
// Apply or OK on one of the pages that commit: the sheet stores every page and writes the file.
void CommitSysSheet(cDialog* lpPage);
// One of the pages that stand for the sheet goes: the music stops and the stage window hears
// that the sheet closed.
void EndSysSheetSession();

template <class T>
class cSysPage : public cDialogClass<T> {
 public:
  cSysPage(uint16_t wTemplateId, cWindow* lpOwner, cWindowList* lpWindowList, int32_t bCommits)
      : cDialogClass<T>(wTemplateId, lpOwner, cWindow::KIND_PAGE, lpWindowList), m_bCommits(bCommits) {}
  ~cSysPage() override { this->Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    HideSysPageView(this);
    m_Ctrls.AttachAll(this);
    UpdateEnable();
    this->DataToCtrls();
    UpdateEnable();
    this->m_bInit = 1;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!this->CheckCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    OnPageCommand(wParam);
    if (!this->m_bInit) return;  // showing the record is no change of the author's
    if (this->ChangedCtrlId(wParam)) UpdateEnable();
    NotifySysPageChanged(this);
  }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = this->DefProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
      case WM_INITDIALOG:
        return TRUE;
      case WM_DESTROY:
        this->m_bInit = 0;
        if (m_bCommits) EndSysSheetSession();
        return 1;
      case WM_CLOSE:
        this->Close(0);
        return 1;
      case WM_DRAWITEM:
        // An owner-drawn picture (the font sample) is drawn after the system painted it.
        if (this->m_bInit) this->Draw();
        return 1;
      case WM_NOTIFY:
        if (AnswerPageNotify(hWnd, lParam, m_bCommits, [this] { CommitSysSheet(this); }, [this] {
              if (this->m_bInit) UpdateEnable();
            }))
          return 1;
        break;
      default:
        break;
    }
    if (!r) return 0;
    this->Draw();
    return 1;
  }

  // The page's enable rule; pages without one keep every control enabled.
  virtual void UpdateEnable() {}
  // The page's own buttons, after the bound controls had the command.
  virtual void OnPageCommand(WPARAM) {}

  cSysPageCtrls m_Ctrls;
  int32_t m_bCommits;
};
