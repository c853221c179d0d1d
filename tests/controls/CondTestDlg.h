// An owner of a condition list on the list test page's multiple-selection list box, with the
// duties every owner carries out: the clipboard in and out, selection changes, insert, edit and
// delete buttons, and the list's keys and menu items.
#pragma once

#include "ListTestDlg.h"
#include "flow/CondListCtrl.h"

class cCondTestDlg : public cDialogClass<cCondTestDlg> {
 public:
  cCondTestDlg(cCondVector* lpConds, int32_t nOwner)
      : cDialogClass<cCondTestDlg>(IDD_LIST_TEST, nullptr, cWindow::KIND_DIALOG, &WindowList), m_nOwner(nOwner) {
    cCondListCtrl::SetParam(m_Bind.m_Param, IDC_LIST_A, nullptr, lpConds);
  }
  ~cCondTestDlg() override { Dispose(); }
  cCondVector& Clipboard() { return m_nOwner == COND_OWNER_FLOW ? FlowCondClipboard : CondClipboard; }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_INITDIALOG) {
      m_List.LoadClipboard(Clipboard());
      return TRUE;
    }
    if (uMsg == WM_DESTROY) m_List.StoreClipboard(Clipboard());
    return r;
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    AttachList(m_Bind);
    m_List.SetOwnerIds(m_nOwner);
    m_bInit = 1;
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnCommand(wParam, lParam);
    if (!m_bInit) return;
    if (HIWORD(wParam) == LBN_SELCHANGE && LOWORD(wParam) == IDC_LIST_A) m_List.OnSelChange();
    else if (LOWORD(wParam) == IDC_BTN_INSERT) m_nLastResult = m_List.InsertCond();
    else if (LOWORD(wParam) == IDC_BTN_EDIT) m_nLastResult = m_List.EditCurrent();
    else if (LOWORD(wParam) == IDC_BTN_DELETE) m_List.Delete(-1, 0);
    else m_nLastResult = m_List.OnOwnerCommand(wParam);
    RedrawList();
  }

  int32_t m_nOwner;
  int m_nLastResult = -1;
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_Bind;
  cCondListCtrl& m_List = m_Bind.m_Ctrl;
};
