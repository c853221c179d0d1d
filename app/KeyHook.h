// The keyboard attachment of a dialog. For now the attachment only ties the dialog to its window
// (the "cHook" property); no system hook is installed yet, so keys reach a dialog only when the
// dialog itself has the focus, and the Ctrl-held flag stays clear.
#pragma once

#include <windows.h>

#include <cstdint>

class cHook {
 public:
  cHook() {}
  virtual ~cHook() {}

  // Ties the hook to the dialog; true when the dialog's keys are taken care of.
  bool Attach(HWND hDlg, int32_t bModeless);
  // The Ctrl-held flag kept by the hook, handed to the controls' key handlers.
  static int32_t IsCtrlHeld();

  HWND m_hDlg = nullptr;
  int32_t m_bModeless = 0;
};

// Removes the hook; called once by the shut-down.
void UnhookKeyboard();
