#include "app/MsgBox.h"

#include <cstdarg>

#include "app/AppGlobals.h"
#include "app/Log.h"
#include "app/TextFormat.h"

namespace {

int WINAPI SystemMsgBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType) {
  return MessageBoxA(hOwner, pszText, pszCaption, uType);
}

MsgBoxFn s_pfnMsgBox = nullptr;

const char* const ERROR_CAPTION = "エラー";

}  // namespace

MsgBoxFn SetMsgBoxFn(MsgBoxFn pfn) {
  MsgBoxFn old = s_pfnMsgBox;
  s_pfnMsgBox = pfn;
  return old;
}

int ShowMsgBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType) {
  if (s_pfnMsgBox) return s_pfnMsgBox(hOwner, pszText, pszCaption, uType);
  return SystemMsgBox(hOwner, pszText, pszCaption, uType);
}

int MsgBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType) {
  return ShowMsgBox(hOwner, pszText, pszCaption, uType);
}

int MsgBoxActive(const char* pszText, const char* pszCaption, UINT uType) {
  return ShowMsgBox(GetActiveWindow(), pszText, pszCaption, uType);
}

int ErrorBoxText(const char* pszText) { return MsgBoxActive(pszText, ERROR_CAPTION, MB_OK); }

int ErrorBox(const char* pszFormat, ...) {
  char sz[MSG_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  return MsgBoxActive(sz, ERROR_CAPTION, MB_OK);
}

int ErrorBoxOwned(HWND hOwner, const char* pszFormat, ...) {
  char sz[MSG_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  return ShowMsgBox(hOwner, sz, ERROR_CAPTION, MB_OK);
}

int DebugErrorBox(const char* pszFormat, ...) {
  if (!IsErrorLogOn()) return 0;
  char sz[MSG_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  return MsgBoxActive(sz, ERROR_CAPTION, MB_OK);
}

void OutOfMemory() {
  MsgBoxActive("メモリが不足しています！", ERROR_CAPTION, MB_OK);
  PostMessageA(g_hMainWnd, WM_CLOSE, 0, 0);
}
