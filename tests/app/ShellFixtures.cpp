#include "ShellFixtures.h"

bool Activate(HWND hWnd) {
  SetForegroundWindow(hWnd);
  SetActiveWindow(hWnd);
  return PumpUntil([&] { return GetActiveWindow() == hWnd; }, 3000);
}

bool UnderActivation(HWND hWnd, const std::function<bool()>& fnCheck) {
  for (int nTry = 0; nTry < 5; ++nTry) {
    if (!Activate(hWnd)) continue;
    bool bOk = fnCheck();
    if (GetActiveWindow() == hWnd) return bOk;
  }
  return false;
}

bool Retried(const std::function<bool()>& fnCheck) {
  for (int nTry = 0; nTry < 5; ++nTry)
    if (fnCheck()) return true;
  return false;
}

MSG KeyDownMsg(HWND hWnd, WPARAM wKey) {
  MSG msg;
  ZeroMemory(&msg, sizeof msg);
  msg.hwnd = hWnd;
  msg.message = WM_KEYDOWN;
  msg.wParam = wKey;
  msg.lParam = 1;
  msg.time = GetTickCount();
  return msg;
}

bool IsDisabled(HWND hWnd) { return (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_DISABLED) != 0; }

void DrainMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
