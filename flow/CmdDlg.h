// The base of the modal command dialogs, one class per dialog template, and what travels from a
// command list through a command palette into the dialog: the command, edited in place, and
// whether the list has just inserted it. Also the table of command kinds, their templates and the
// openers of their dialog classes, and the first dialog, "ウエイト".
#pragma once

#include <windows.h>

#include <cstdint>
#include <new>

#include "app/Dialog.h"
#include "app/MsgBox.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditValCtrl.h"
#include "model/Command.h"

struct cCmdEditInfo {
  cEdCommand* m_lpCommand = nullptr;
  int32_t m_bNew = 0;  // 1: the list has just inserted the command
};

class cCmdDlg : public cDialog {
 public:
  // The command's parameters are sized to its kind at once (new ones 0, surplus ones dropped).
  cCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo, cWindowList* lpWindowList,
          cControl* lpAnchor, int32_t bCentre);
  ~cCmdDlg() override { Dispose(); }

  // OK stores every bound control and closes with 1, Cancel closes with 0; a changed bound control
  // refreshes the enabling once the dialog is initialised.
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // The dialog base's initialisation with the view picture hidden; derived dialogs then attach
  // their controls, show the data, refresh the enabling and set the initialised flag.
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // Brings the enabled state of the dependent controls in line with the controls' values.
  virtual void UpdateEnable() {}

  cEdCommand& Command() { return *m_Info.m_lpCommand; }
  // The command's shared parts, made (with their defaults) when the command has none, so that a
  // dialog always binds its controls to a part it owns.
  cEdMove& Move();
  cEdShot& Shot();
  cCondList& CondList();

  cCmdEditInfo m_Info;
};

// Runs the dialog class D on the command, owned by the palette, with the anchor (centred on it);
// the palette's slot holds the dialog while it runs. The modal result; 0 when the dialog could not
// be made (it does not run then).
template <class D>
INT_PTR RunCmdDlg(cWindow* lpPalette, cDialog*& lpSlot, uint16_t wTemplateId, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor) {
  D* lpDlg = new (std::nothrow) D(wTemplateId, lpPalette, cWindow::KIND_DIALOG, lpInfo, lpWindowList, lpAnchor, 1);
  if (!lpDlg) {
    OutOfMemory();
    return 0;
  }
  lpSlot = lpDlg;
  INT_PTR nResult = lpDlg->DoModal(0);
  lpSlot = nullptr;
  delete lpDlg;
  return nResult;
}

typedef INT_PTR (*CmdDlgOpenFn)(cWindow* lpPalette, cDialog*& lpSlot, uint16_t wTemplateId, cCmdEditInfo* lpInfo,
                                cWindowList* lpWindowList, cControl* lpAnchor);

// One command kind: the template of its dialog and the opener of its class.
struct cCmdDlgKind {
  uint16_t m_wTemplateId = 0;
  CmdDlgOpenFn m_pfnOpen = nullptr;
};

// The dialog of character kind 1 to 39 and of item kind 1 to 24 (item kind k >= 2 opens the dialog
// of character kind k + 15); an empty entry for other kinds.
const cCmdDlgKind& CharaCmdDlgKind(int nKind);
const cCmdDlgKind& ItemCmdDlgKind(int nKind);
// Gives a kind its opener (the kinds' dialog classes register themselves here).
void SetCharaCmdDlgOpener(int nKind, CmdDlgOpenFn pfnOpen);
void SetItemCmdDlgOpener(int nKind, CmdDlgOpenFn pfnOpen);

// Runs the kind's dialog; 0 (nothing opens) for a kind without a dialog.
INT_PTR OpenCmdDlgOfKind(const cCmdDlgKind& Kind, cWindow* lpPalette, cDialog*& lpSlot,
                         cCmdEditInfo* lpInfo, cWindowList* lpWindowList, cControl* lpAnchor);

// "ウエイト": the time the flow waits, its per-clone addition and the parallel flag.
class cWaitCmdDlg : public cDialogClass<cWaitCmdDlg, cCmdDlg> {
 public:
  cWaitCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  cChkVector<cCtrlBind<cEditValCtrl<int16_t>, cEditValParam<int16_t>>> m_vValue;
  cChkVector<cCtrlBind<cCheckCtrl<int8_t>, cCheckParam<int8_t>>> m_vCheck;
};

