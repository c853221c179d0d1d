// Message boxes. Every box and every yes/no question of the program goes through ShowMsgBox, the
// one place where the system's message box is called; a test can put its own answerer there.
#pragma once

#include <windows.h>

typedef int (*MsgBoxFn)(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType);

// Replaces the function that shows the boxes; null restores the system's. Returns the previous one.
MsgBoxFn SetMsgBoxFn(MsgBoxFn pfn);
int ShowMsgBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType);

int MsgBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType = MB_OK);
int MsgBoxActive(const char* pszText, const char* pszCaption, UINT uType = MB_OK);
int ErrorBoxText(const char* pszText);
int ErrorBox(const char* pszFormat, ...);
int ErrorBoxOwned(HWND hOwner, const char* pszFormat, ...);
// Internal-consistency reports: shown only while the error log is on.
int DebugErrorBox(const char* pszFormat, ...);
// "メモリが不足しています！", then WM_CLOSE to the frame window (which asks before ending).
void OutOfMemory();
