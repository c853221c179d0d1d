// The base of the condition pages: one modal dialog per condition kind, opened by the
// condition-kind dialog on one condition, whose controls bind straight to the condition's fields.
// OK stores every bound control (disabled ones too) and closes with 1; "ｷｬﾝｾﾙ" and the close box
// close with 0 and leave the condition as it was. Each control keeps its own range, so nothing
// is checked on OK.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "flow/CondListCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditValCtrl.h"
#include "model/VarName.h"
#include "resources/CondPageIds.h"

// Renames variable nVar of the names (the common set or the stage's) through the string input, the
// pressed button as its anchor; on OK the numbered list is built again and given to the combo,
// which keeps its variable. 1 when renamed; a beep and 0 when no variable is chosen.
int RenameVariable(cDialog* lpDlg, cChkVector<cEdVarName>& vNames, int32_t nVar, cItemVector& vList,
                   cComboCtrl<int16_t>* lpCombo, cControl* lpButton);

// A page is constructed with (template id, the kind dialog, window kind, edit context, window
// list, anchor control or window, centre flag); the constructor of a page with the new flag set
// gives the condition the page's defaults.
template <class T>
class cCondPageDlg : public cDialogClass<T> {
 public:
  template <class A>
  cCondPageDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, const cCondEditContext& Context,
               cWindowList* lpWindowList, A* lpAnchor, int32_t bCentre)
      : cDialogClass<T>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
    SetContext(Context);
    m_Ctrls.SetAttachOrder({cCtrlSet::EDIT32, cCtrlSet::EDIT16, cCtrlSet::COMBO16, cCtrlSet::COMBO8, cCtrlSet::CHECK8,
                            cCtrlSet::BUTTON});
  }
  ~cCondPageDlg() override { this->Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    if (this->m_ViewCtrl.m_hWnd) ShowWindow(this->m_ViewCtrl.m_hWnd, SW_HIDE);
    BeforeAttach();
    m_Ctrls.AttachAll(this);
    this->DataToCtrls();
    AfterDataShown();
    UpdateEnable();
    this->m_bInit = 1;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
      case IDC_CP_OK:
        this->CtrlsToData();
        this->Close(1);
        return;
      case IDC_CP_CANCEL:
      case IDCANCEL:
        this->Close(0);
        return;
      default:
        break;
    }
    if (OnPageCommand(wParam)) return;
    if (this->m_bInit && this->ChangedCtrlId(wParam)) UpdateEnable();
  }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    LRESULT nResult = this->DefProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) {
      this->Close(0);
      return 1;
    }
    if (uMsg == WM_INITDIALOG) return TRUE;
    return nResult;
  }

  // Which controls are enabled, after initialisation and after every changed control.
  virtual void UpdateEnable() {}

  cCondEditContext m_Context;
  cCtrlSet m_Ctrls;

 protected:
  // Before the controls are attached (item lists that depend on the stored condition), and after
  // its data is shown.
  virtual void BeforeAttach() {}
  virtual void AfterDataShown() {}
  // A command of the page's own; 1 when it took the command (no enable refresh follows).
  virtual int OnPageCommand(WPARAM) { return 0; }

  cCond& Cond() { return *m_Context.lpCond; }

 private:
  // A context without a condition edits a scratch one, so no control binds to nothing.
  void SetContext(const cCondEditContext& Context) {
    m_Context = Context;
    if (!m_Context.lpCond) m_Context.lpCond = &m_Scratch;
  }
  cCond m_Scratch;
};
