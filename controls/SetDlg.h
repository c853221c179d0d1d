// A plain editing dialog whose typed controls are one control set: the base holds the set, lets go
// of the window when deleted, and starts every such dialog alike (hide the view item it does not
// draw in, attach, show the data, refresh the enabling, count as initialised). The close box
// closes with 0; a dialog that draws a sample answers its messages itself. These dialogs run modal:
// their window is gone before the object, so the base's Dispose, which runs after the derived
// parts, has nothing left to close.
#pragma once

#include <windows.h>

#include "app/Dialog.h"
#include "controls/CtrlSet.h"

template <class T, class S = cCtrlSet>
class cSetDlg : public cDialogClass<T> {
 public:
  using cDialogClass<T>::cDialogClass;
  ~cSetDlg() override { this->Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    if (this->m_ViewCtrl.m_hWnd) ShowWindow(this->m_ViewCtrl.m_hWnd, SW_HIDE);
    m_Ctrls.AttachAll(this);
    AttachMore();
    this->DataToCtrls();
    UpdateEnables();
    this->m_bInit = 1;
  }
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    return this->CloseBoxProc(hWnd, uMsg, wParam, lParam);
  }
  // What the shown values allow; run once the data is shown and again as the author changes it.
  virtual void UpdateEnables() {}

  S m_Ctrls;

 protected:
  // Controls held outside the set, attached after it.
  virtual void AttachMore() {}
};
