// How the stage window runs one of its modal dialogs: the object of that editor still held is
// deleted, a new one is made (the memory-shortage box when it cannot be), run with the other
// registered windows disabled, and deleted again.
#pragma once

#include <new>

#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "controls/CtrlBind.h"
#include "stage/StageWnd.h"

// The dialog's result; 0 when it could not be made.
template <class D>
INT_PTR RunStageDialog(cStageWnd* lpWnd, int nEditor, uint16_t wTemplateId) {
  cDialog*& lpSlot = lpWnd->m_lpEditor[nEditor];
  SafeDelete(lpSlot);
  D* lpDlg = new (std::nothrow) D(wTemplateId, lpWnd, cWindow::KIND_DIALOG, &WindowList);
  if (!lpDlg) {
    OutOfMemory();
    return 0;
  }
  lpSlot = lpDlg;
  INT_PTR nResult = lpDlg->DoModal(cDialog::RUN_DISABLE_OTHERS);
  SafeDelete(lpSlot);
  return nResult;
}
