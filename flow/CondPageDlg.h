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
#include "controls/EditValCtrl.h"
#include "model/VarName.h"
#include "resources/CondPageIds.h"

// The typed control arrays of a page, filled by the page's constructor and attached when the page
// initialises (never resized afterwards: the dialog keeps the controls' addresses).
struct cCondPageCtrls {
  cChkVector<cCtrlBind<cEditValCtrl<int32_t>, cEditValParam<int32_t>>> m_vEditVal;
  cChkVector<cCtrlBind<cEditValCtrl<int16_t>, cEditValParam<int16_t>>> m_vEditVal16;
  cChkVector<cCtrlBind<cComboCtrl<int16_t>, cComboParam<int16_t>>> m_vCombo16;
  cChkVector<cCtrlBind<cComboCtrl<int8_t>, cComboParam<int8_t>>> m_vCombo8;
  cChkVector<cCtrlBind<cCheckCtrl<int8_t>, cCheckParam<int8_t>>> m_vCheck;
  cChkVector<cCtrlBind<cButtonCtrl, cButtonParam>> m_vButton;

  void Value(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpinId);
  void Value16(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpinId);
  void Combo8(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin);
  void Combo8(uint32_t nId, int8_t* p, cItemVector* pItems, int32_t nMin);
  void Combo16(uint32_t nId, int16_t* p, cItemTable pTable, int32_t nMin);
  void Combo16(uint32_t nId, int16_t* p, cItemVector* pItems, int32_t nMin);
  void Check(uint32_t nId, int8_t* p);
  void Button(uint32_t nId);

  // The controls by id; a missing one is reported (FindCtrl) and null.
  cComboCtrl<int8_t>* C8(uint32_t nId) { return FindCtrl(m_vCombo8, nId); }
  cComboCtrl<int16_t>* C16(uint32_t nId) { return FindCtrl(m_vCombo16, nId); }
  cEditValCtrl<int32_t>* Edit(uint32_t nId) { return FindCtrl(m_vEditVal, nId); }
  cButtonCtrl* Btn(uint32_t nId) { return FindCtrl(m_vButton, nId); }
  // The attach records of the combos, to choose their items before they are attached.
  cComboParam<int8_t>* P8(uint32_t nId);
  cComboParam<int16_t>* P16(uint32_t nId);
  // The value an 8-bit combo shows (its minimum - 1 with nothing shown).
  int32_t Shown8(uint32_t nId);
  int32_t Shown16(uint32_t nId);
  // Enables or disables the control of that id, whichever array holds it.
  void Enable(uint32_t nId, bool bEnable);
  void AttachAll(cDialog* lpDlg);
};

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
  cCondPageDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, const cCondEditContext& Context,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
      : cDialogClass<T>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
    SetContext(Context);
  }
  cCondPageDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, const cCondEditContext& Context,
               cWindowList* lpWindowList, cWindow* lpAnchor, int32_t bCentre)
      : cDialogClass<T>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
    SetContext(Context);
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
  cCondPageCtrls m_Ctrls;

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
