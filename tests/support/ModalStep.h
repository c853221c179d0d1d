// Driving a modal dialog from a test: the dialog's own modal loop runs, and a step is run inside
// it once the dialog is up and initialised.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "app/Dialog.h"

// Runs the step once inside the modal loop of the dialog of class D, when it is up and
// initialised: a thread timer polls for it, and the modal loop dispatches its ticks.
template <class D>
struct cWhenUp {
  static std::function<void(D*)>& Step() {
    static std::function<void(D*)> fn;
    return fn;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD) {
    D* p = D::Current();
    if (!p || !p->m_hWnd || !p->m_bInit || !Step()) return;
    KillTimer(nullptr, nTimer);
    std::function<void(D*)> fn = Step();
    Step() = nullptr;
    fn(p);
  }
  explicit cWhenUp(std::function<void(D*)> fn) {
    Step() = std::move(fn);
    SetTimer(nullptr, 0, 10, &cWhenUp::Tick);
  }
  ~cWhenUp() { Step() = nullptr; }
  bool Ran() const { return !Step(); }
};

// What a user does to a dialog's controls, as messages.
inline void Click(cDialog* p, int nId) {
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, nId)));
}
inline void Type(cDialog* p, int nId, const char* pszText) { SetDlgItemTextA(p->m_hWnd, nId, pszText); }
inline void Choose(cDialog* p, int nId, int nPos) {
  HWND hCombo = GetDlgItem(p->m_hWnd, nId);
  SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}
inline std::string TextOf(cDialog* p, int nId) {
  char sz[512] = "";
  GetDlgItemTextA(p->m_hWnd, nId, sz, sizeof sz);
  return sz;
}
