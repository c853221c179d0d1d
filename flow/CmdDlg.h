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
#include "controls/CtrlSet.h"
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

// The one base of the command dialogs that bind their controls: the dialog's control set, filled by
// the constructor of the derived dialog and attached when the dialog initialises, and one run of
// every such dialog (attach, show, refresh the enabling, then react to OK, Cancel, the close box and
// its own commands). The derived dialog reaches any of its controls by item id through the set and
// fills in the hooks it needs.
class cBoundCmdDlg : public cCmdDlg {
 public:
  cBoundCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  // Attaches the set and what AttachMore adds, shows the data, runs AfterDataShown, refreshes the
  // enabling, runs AfterShow and marks the dialog initialised.
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // OK stores only when CanStore agrees; a command that OnOwnCommand takes goes no further; any
  // other change of a bound control refreshes the enabling once the dialog is initialised.
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // The parallel flag, the time and its per-clone addition that most command dialogs start with.
  void BindTimeHeader();
  // The movement, shot and summon dialogs attach their kinds widest value first.
  void AttachWidestFirst();

  cCtrlSet m_Ctrls;
  // The name lists behind the combo boxes; kept as long as the dialog.
  cItemVector m_vAnimeNames, m_vSoundNames, m_vEffectNames, m_vSwordNames, m_vEntryNames;

 protected:
  // Controls held outside the set (a bound list), attached after the others.
  virtual void AttachMore() {}
  // After the data is shown, before the first enabling refresh.
  virtual void AfterDataShown() {}
  // After the first enabling refresh, before the dialog counts as initialised.
  virtual void AfterShow() {}
  // At OK before anything is stored; 0 keeps the dialog open and stores nothing.
  virtual int CanStore() { return 1; }
  // After every control was stored at OK.
  virtual void AfterStore() {}
  // The dialog is about to close, whichever way.
  virtual void BeforeClose() {}
  // A command of the dialog's own, once it is initialised; 1 when it took the command (nothing
  // else runs for it).
  virtual int OnOwnCommand(WPARAM) { return 0; }
  // After the base handled a command (and refreshed the enabling when a control changed).
  virtual void AfterCommand(WPARAM) {}

  cEdCommand& Cmd() { return *m_Info.m_lpCommand; }
  int32_t* Param(int n) {
    cEdCommand& c = Cmd();
    return n < static_cast<int>(c.m_vParam.size()) ? &c.m_vParam[n] : &m_nSpare;
  }
  bool IsNew() const { return m_Info.m_bNew != 0; }
  // A dialog opened on nothing edits a scratch command, so no control binds to nothing.
  void EditScratchWhenNone() {
    if (!m_Info.m_lpCommand) m_Info.m_lpCommand = &m_Scratch;
  }

 private:
  cEdCommand m_Scratch;
  int32_t m_nSpare = 0;  // a parameter past the kind's count (never for the kinds' own dialogs)
};

// 1 when the command is a click of the button wId.
bool IsClick(WPARAM wParam, uint16_t wId);

// Runs the dialog class D on the command, owned by lpOwner (the window that opened the palette),
// centred on the anchor; the palette's slot holds the dialog while it runs. The modal result; 0
// when the dialog could not be made (it does not run then).
template <class D>
INT_PTR RunCmdDlg(cWindow* lpOwner, cDialog*& lpSlot, uint16_t wTemplateId, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor) {
  D* lpDlg = new (std::nothrow) D(wTemplateId, lpOwner, cWindow::KIND_DIALOG, lpInfo, lpWindowList, lpAnchor, 1);
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

typedef INT_PTR (*CmdDlgOpenFn)(cWindow* lpOwner, cDialog*& lpSlot, uint16_t wTemplateId, cCmdEditInfo* lpInfo,
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
INT_PTR OpenCmdDlgOfKind(const cCmdDlgKind& Kind, cWindow* lpOwner, cDialog*& lpSlot,
                         cCmdEditInfo* lpInfo, cWindowList* lpWindowList, cControl* lpAnchor);

// "ウエイト": the time the flow waits, its per-clone addition and the parallel flag.
class cWaitCmdDlg : public cDialogClass<cWaitCmdDlg, cBoundCmdDlg> {
 public:
  cWaitCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
};
