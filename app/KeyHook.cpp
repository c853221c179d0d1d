#include "app/KeyHook.h"

namespace {
int32_t s_bCtrlHeld = 0;
}

bool cHook::Attach(HWND hDlg, int32_t bModeless) {
  m_hDlg = hDlg;
  m_bModeless = bModeless;
  SetPropA(hDlg, "cHook", this);
  return true;
}

int32_t cHook::IsCtrlHeld() { return s_bCtrlHeld; }

void UnhookKeyboard() {}
