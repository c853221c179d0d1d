// The keyboard hook of the dialogs. One thread hook copies the keys meant for the active dialog to
// the dialog itself, so that its own key handling (its scroll bars' paging and arrow keys, the key
// handlers of its bound controls) sees them while a child control has the focus. It never
// swallows a key, and it leaves keys alone while an input-method composition is open.
#pragma once

#include <windows.h>

#include <cstdint>

class cHook {
 public:
  cHook() {}
  virtual ~cHook();

  // Ties the hook to the dialog (the "cHook" property) and installs the hook when none is;
  // true when a hook is installed.
  bool Attach(HWND hDlg, int32_t bModeless);
  // True for the keys handed to the dialog as its own hooked-key message rather than a copy:
  // Space, the arrows, Delete and F1 to F8.
  static bool IsForwardKey(WPARAM wKey);
  // The Ctrl-held flag kept by the hook, handed to the controls' key handlers.
  static int32_t IsCtrlHeld();

  HWND m_hDlg = nullptr;
  int32_t m_bModeless = 0;
};

LRESULT CALLBACK KeyHookProc(int nCode, WPARAM wKey, LPARAM lFlags);

// Removes the hook; called once by the shut-down.
void UnhookKeyboard();
