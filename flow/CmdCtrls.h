// What the dialogs of the control, status, presentation and code commands share: one set of typed
// control arrays per dialog, filled by its constructor and attached when it initialises, and a base
// that runs every such dialog alike (attach, show, refresh the enabling, then react to OK, Cancel,
// the close box and its own buttons).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/SliderCtrl.h"
#include "flow/CmdDlg.h"
#include "flow/CondPageDlg.h"
#include "resources/CmdDialogIds.h"

// The arrays never grow after the dialog attaches them: the dialog keeps the controls' addresses.
struct cCmdCtrls {
  cChkVector<cCtrlBind<cEditValCtrl<int32_t>, cEditValParam<int32_t>>> m_vValue;
  cChkVector<cCtrlBind<cEditValCtrl<int16_t>, cEditValParam<int16_t>>> m_vValue16;
  cChkVector<cCtrlBind<cComboCtrl<int32_t>, cComboParam<int32_t>>> m_vCombo;
  cChkVector<cCtrlBind<cComboCtrl<int16_t>, cComboParam<int16_t>>> m_vCombo16;
  cChkVector<cCtrlBind<cComboCtrl<int8_t>, cComboParam<int8_t>>> m_vCombo8;
  cChkVector<cCtrlBind<cCheckCtrl<int32_t>, cCheckParam<int32_t>>> m_vCheck;
  cChkVector<cCtrlBind<cCheckCtrl<int8_t>, cCheckParam<int8_t>>> m_vCheck8;
  cChkVector<cCtrlBind<cEditStrCtrl, cEditStrParam>> m_vStr;
  cChkVector<cCtrlBind<cSliderCtrl, cSliderParam>> m_vSlider;
  cChkVector<cCtrlBind<cButtonCtrl, cButtonParam>> m_vButton;
  cChkVector<cCtrlBind<cStaticCtrl, cStaticParam>> m_vStatic;
  cChkVector<cCtrlBind<cBitmapCtrl, cBitmapParam>> m_vBitmap;

  void Value(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, uint32_t nSpinId);
  void Value16(uint32_t nId, int16_t* p, int16_t nMin, int16_t nMax, uint32_t nSpinId);
  void Combo(uint32_t nId, int32_t* p, cItemTable pTable, int32_t nMin);
  void Combo(uint32_t nId, int32_t* p, cItemVector* pItems, int32_t nMin);
  void Combo16(uint32_t nId, int16_t* p, cItemVector* pItems, int32_t nMin);
  void Combo8(uint32_t nId, int8_t* p, cItemTable pTable, int32_t nMin);
  void Check(uint32_t nId, int32_t* p);
  void Check8(uint32_t nId, int8_t* p);
  void Str(const cEditStrParam& Param);
  void Slider(uint32_t nId, int32_t* p, int32_t nMin, int32_t nMax, int32_t nPage, uint32_t nBuddyId);
  void Button(uint32_t nId);
  void Static(uint32_t nId);
  void Picture(uint32_t nId, int32_t nWidth, int32_t nHeight);

  // The controls by id; a missing one is reported (FindCtrl) and null.
  cComboCtrl<int32_t>* Cb(uint32_t nId) { return FindCtrl(m_vCombo, nId); }
  cComboCtrl<int16_t>* Cb16(uint32_t nId) { return FindCtrl(m_vCombo16, nId); }
  cComboCtrl<int8_t>* Cb8(uint32_t nId) { return FindCtrl(m_vCombo8, nId); }
  cEditValCtrl<int32_t>* Val(uint32_t nId) { return FindCtrl(m_vValue, nId); }
  cEditValCtrl<int16_t>* Val16(uint32_t nId) { return FindCtrl(m_vValue16, nId); }
  cCheckCtrl<int32_t>* Chk(uint32_t nId) { return FindCtrl(m_vCheck, nId); }
  cCheckCtrl<int8_t>* Chk8(uint32_t nId) { return FindCtrl(m_vCheck8, nId); }
  cSliderCtrl* Sld(uint32_t nId) { return FindCtrl(m_vSlider, nId); }
  cButtonCtrl* Btn(uint32_t nId) { return FindCtrl(m_vButton, nId); }
  cEditStrCtrl* Edit(uint32_t nId) { return FindCtrl(m_vStr, nId); }
  cBitmapCtrl* Pic(uint32_t nId) { return FindCtrl(m_vBitmap, nId); }

  // The value a combo shows (its minimum - 1 with nothing shown), whichever array holds it.
  int32_t Shown(uint32_t nId);
  // The state of a check box on screen (not its field), whichever array holds it.
  int32_t Checked(uint32_t nId);
  void SetChecked(uint32_t nId, int32_t bCheck);
  // Enables or disables the control of that id (with its label), whichever array holds it.
  void Enable(uint32_t nId, bool bEnable);
  void Enable(std::initializer_list<uint32_t> ids, bool bEnable);
  void AttachAll(cDialog* lpDlg);
};

bool IsClick(WPARAM wParam, uint16_t wId);

// The base of these dialogs: T fills m_Ctrls in its constructor (after the new-command values).
template <class T>
class cCmdDlgOf : public cDialogClass<T, cCmdDlg> {
 public:
  cCmdDlgOf(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo, cWindowList* lpWindowList,
            cControl* lpAnchor, int32_t bCentre)
      : cDialogClass<T, cCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
    // A dialog opened on nothing edits a scratch command, so no control binds to nothing.
    if (!this->m_Info.m_lpCommand) this->m_Info.m_lpCommand = &m_Scratch;
  }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cCmdDlg::OnInitDialog(wParam, lParam);
    m_Ctrls.AttachAll(this);
    AttachMore();
    this->DataToCtrls();
    AfterDataShown();
    this->UpdateEnable();
    this->m_bInit = 1;
  }

  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    const uint16_t wId = LOWORD(wParam);
    if (wId == IDC_CMD_OK) {
      if (!CanStore()) return;
      BeforeClose();
      this->CtrlsToData();
      AfterStore();
      this->Close(1);
      return;
    }
    if (wId == IDC_CMD_CANCEL) BeforeClose();
    if (this->m_bInit && OnOwnCommand(wParam)) return;
    cCmdDlg::OnCommand(wParam, lParam);
    if (this->m_bInit && wId != IDC_CMD_CANCEL) AfterCommand(wParam);
  }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg == WM_CLOSE) BeforeClose();
    return cCmdDlg::MsgProc(hWnd, uMsg, wParam, lParam);
  }

  cCmdCtrls m_Ctrls;

 protected:
  // Controls held outside m_Ctrls (a bound list), attached after the others.
  virtual void AttachMore() {}
  // After the data is shown, before the first enabling refresh.
  virtual void AfterDataShown() {}
  // At OK before anything is stored; 0 keeps the dialog open and stores nothing.
  virtual int CanStore() { return 1; }
  // After every control was stored at OK.
  virtual void AfterStore() {}
  // The dialog is about to close, whichever way.
  virtual void BeforeClose() {}
  // A command of the dialog's own; 1 when it took the command (nothing else runs for it).
  virtual int OnOwnCommand(WPARAM) { return 0; }
  // After the base handled a command (and refreshed the enabling when a control changed).
  virtual void AfterCommand(WPARAM) {}

  cEdCommand& Cmd() { return *this->m_Info.m_lpCommand; }
  int32_t* Param(int n) {
    cEdCommand& c = Cmd();
    return n < static_cast<int>(c.m_vParam.size()) ? &c.m_vParam[n] : &m_nSpare;
  }
  bool IsNew() const { return this->m_Info.m_bNew != 0; }

 private:
  cEdCommand m_Scratch;
  int32_t m_nSpare = 0;  // a parameter past the kind's count (never for the kinds' own dialogs)
};
