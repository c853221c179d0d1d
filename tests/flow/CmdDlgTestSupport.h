// Driving command dialogs through the character palette, as the flow page's command list does,
// for dialogs of any class: a case names the kind and how to find its live dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "app/WindowList.h"
#include "flow/CmdDlg.h"
#include "flow/CmdPaletteDlg.h"
#include "resources/CmdDialogIds.h"
#include "support/ModalStep.h"

typedef cCmdDlg* (*CurrentCmdDlgFn)();
template <class D>
cCmdDlg* CurrentCmdDlg() {
  return D::Current();
}

// Runs the step once inside the modal loop of whichever command dialog fnCurrent finds, once it is
// up and initialised.
struct cWhenCmdDlgUp {
  static CurrentCmdDlgFn& Current() {
    static CurrentCmdDlgFn fn = nullptr;
    return fn;
  }
  static std::function<void(cCmdDlg*)>& Step() {
    static std::function<void(cCmdDlg*)> fn;
    return fn;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD) {
    cCmdDlg* p = Current() ? Current()() : nullptr;
    if (!p || !p->m_hWnd || !p->m_bInit || !Step()) return;
    KillTimer(nullptr, nTimer);
    std::function<void(cCmdDlg*)> fn = Step();
    Step() = nullptr;
    fn(p);
  }
  cWhenCmdDlgUp(CurrentCmdDlgFn fnCurrent, std::function<void(cCmdDlg*)> fn) {
    Current() = fnCurrent;
    Step() = std::move(fn);
    m_nTimer = SetTimer(nullptr, 0, 10, &cWhenCmdDlgUp::Tick);
  }
  ~cWhenCmdDlgUp() {
    KillTimer(nullptr, m_nTimer);
    Step() = nullptr;
    Current() = nullptr;
  }
  bool Ran() const { return !Step(); }
  UINT_PTR m_nTimer;
};

// The character palette's button of kind k.
inline int CharaKindButton(int nKind) { return nKind <= 32 ? 1266 + nKind : 1267 + nKind; }

// Opens the command's dialog through the character palette: a new command by pressing the kind's
// button, an existing one as the list does (the palette presses it itself). fnStep runs inside
// the dialog; the palette's result comes back.
inline INT_PTR RunCmdOfKind(cEdCommand& cmd, bool bNew, int nKind, CurrentCmdDlgFn fnCurrent,
                            std::function<void(cCmdDlg*)> fnStep) {
  if (!bNew) cmd.m_nKind = static_cast<int8_t>(nKind);
  cCmdEditInfo info{&cmd, bNew ? 1 : 0};
  cWhenUp<cCmdPaletteDlg> press([nKind](cCmdPaletteDlg* p) { Click(p, CharaKindButton(nKind)); });
  if (!bNew) press.Step() = nullptr;
  cWhenCmdDlgUp answer(fnCurrent, std::move(fnStep));
  cCmdPaletteDlg pal(IDD_CMD_PALETTE, nullptr, cWindow::KIND_DIALOG, &info, &WindowList,
                     static_cast<cControl*>(nullptr), 0);
  return pal.DoModal(0);
}

inline void PressOk(cCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0); }
inline void PressCancel(cCmdDlg* p) { PostMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_CANCEL, 0); }
inline bool IsEnabledId(cDialog* p, int nId) { return IsWindowEnabled(GetDlgItem(p->m_hWnd, nId)) != FALSE; }
// By the control's own style: the dialog itself may not be on screen yet.
inline bool IsShownId(cDialog* p, int nId) {
  return (GetWindowLongA(GetDlgItem(p->m_hWnd, nId), GWL_STYLE) & WS_VISIBLE) != 0;
}
inline bool IsTickedId(cDialog* p, int nId) {
  return SendDlgItemMessageA(p->m_hWnd, nId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
inline void SetTickedId(cDialog* p, int nId, bool b) {
  SendDlgItemMessageA(p->m_hWnd, nId, BM_SETCHECK, b ? BST_CHECKED : BST_UNCHECKED, 0);
  Click(p, nId);
}
inline int ComboPos(cDialog* p, int nId) {
  return static_cast<int>(SendDlgItemMessageA(p->m_hWnd, nId, CB_GETCURSEL, 0, 0));
}
inline std::string ComboText(cDialog* p, int nId) {
  char sz[512] = "";
  GetDlgItemTextA(p->m_hWnd, nId, sz, sizeof sz);
  return sz;
}
