#include "app/KeyHook.h"

#include "app/Dialog.h"
#include "app/Ime.h"
#include "app/MsgBox.h"

namespace {

const char* const HOOK_PROP = "cHook";

HHOOK s_hHook = nullptr;
int32_t s_bCtrlHeld = 0;

// The input method's view of the window that takes the typing.
int FocusImeState(HWND hDlg) {
  HWND hFocus = GetFocus();
  return ImeState(hFocus ? hFocus : hDlg);
}

bool IsOpenDropDown(HWND hWnd) {
  char szClass[16] = "";
  GetClassNameA(hWnd, szClass, sizeof szClass);
  return lstrcmpiA(szClass, "ComboBox") == 0 && SendMessageA(hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// True when the control with the focus handles Enter or Escape itself: a text box that takes
// line breaks, an open drop-down list that takes the pick or closes. A copy of such a key would
// reach the dialog manager as the dialog's own key and end the dialog under the author's hands.
bool FocusTakesKey(HWND hDlg, WPARAM wKey, LPARAM lFlags) {
  HWND hFocus = GetFocus();
  if (!hFocus || hFocus == hDlg || !IsChild(hDlg, hFocus)) return false;
  MSG msg = {};
  msg.hwnd = hFocus;
  msg.message = WM_KEYDOWN;
  msg.wParam = wKey;
  msg.lParam = lFlags;
  const LRESULT nCode = SendMessageA(hFocus, WM_GETDLGCODE, wKey, reinterpret_cast<LPARAM>(&msg));
  if (nCode & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return true;
  // The edit of a drop-down combo box speaks for the box.
  for (HWND h = hFocus; h && h != hDlg; h = GetParent(h))
    if (IsOpenDropDown(h)) return true;
  return false;
}

}  // namespace

cHook::~cHook() {
  // A dialog object that goes before its window must not leave the hook a pointer to itself.
  if (m_hDlg && IsWindow(m_hDlg) && GetPropA(m_hDlg, HOOK_PROP) == this) RemovePropA(m_hDlg, HOOK_PROP);
}

bool cHook::Attach(HWND hDlg, int32_t bModeless) {
  m_hDlg = hDlg;
  m_bModeless = bModeless;
  SetPropA(hDlg, HOOK_PROP, this);
  if (!s_hHook) s_hHook = SetWindowsHookExA(WH_KEYBOARD, KeyHookProc, nullptr, GetCurrentThreadId());
  return s_hHook != nullptr;
}

bool cHook::IsForwardKey(WPARAM wKey) {
  return wKey == VK_SPACE || (wKey >= VK_LEFT && wKey <= VK_DOWN) || wKey == VK_DELETE ||
         (wKey >= VK_F1 && wKey <= VK_F8);
}

int32_t cHook::IsCtrlHeld() { return s_bCtrlHeld; }

LRESULT CALLBACK KeyHookProc(int nCode, WPARAM wKey, LPARAM lFlags) {
  if (nCode < 0 || nCode == HC_NOREMOVE) return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
  HWND hActive = GetActiveWindow();
  cHook* p = hActive ? static_cast<cHook*>(GetPropA(hActive, HOOK_PROP)) : nullptr;
  if (!p || p->m_hDlg != hActive) return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
  bool bModal = !p->m_bModeless;
  if (lFlags & 0x80000000) {
    if (wKey == VK_CONTROL) s_bCtrlHeld = 0;
    if (bModal || !s_bCtrlHeld) PostMessageA(hActive, WM_KEYUP, wKey, lFlags);
    return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
  }
  if (wKey == VK_TAB) return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
  int nIme = FocusImeState(hActive);
  if (nIme == IME_NO_CONTEXT) DebugErrorBox("Err ImmGetContext");
  if ((wKey == VK_RETURN || wKey == VK_ESCAPE) && FocusTakesKey(hActive, wKey, lFlags))
    return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
  if (wKey == VK_RETURN || wKey == VK_ESCAPE) {
    // Enter that ends a composition and Escape that cancels it belong to the input method alone:
    // a copy would reach the dialog manager as the dialog's own OK or Cancel.
    if (nIme == IME_COMPOSING) return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
  } else {
    if (nIme == IME_IDLE && cHook::IsForwardKey(wKey)) {
      PostMessageA(hActive, cDialog::WM_HOOKED_KEY, wKey, lFlags);
      return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
    }
    if (wKey == VK_CONTROL) s_bCtrlHeld = 1;
  }
  if (bModal || !s_bCtrlHeld) PostMessageA(hActive, WM_KEYDOWN, wKey, lFlags);
  return CallNextHookEx(s_hHook, nCode, wKey, lFlags);
}

void UnhookKeyboard() {
  if (s_hHook) UnhookWindowsHookEx(s_hHook);
  s_hHook = nullptr;
}
