// The two questions the program asks the input method: is a composition open in a window, and
// what text did the user just complete there. Both go through replaceable functions, so the
// keyboard hook and the value edits can be driven without a real input method.
#pragma once

#include <windows.h>

#include <string>

enum eImeState { IME_NO_CONTEXT = -1, IME_IDLE = 0, IME_COMPOSING = 1 };

struct cImeFns {
  // eImeState of the window's input context.
  int (*pfnState)(HWND hWnd);
  // The completed composition string (Shift-JIS); false when the window has no input context.
  bool (*pfnResult)(HWND hWnd, std::string& str);
};

// Replaces both functions; a null member restores the system's. Returns the previous pair.
cImeFns SetImeFns(const cImeFns& fns);
int ImeState(HWND hWnd);
bool ImeResultString(HWND hWnd, std::string& str);
