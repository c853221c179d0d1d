// Process-wide values of the application shell.
#pragma once

#include <windows.h>
#include <cstdint>

class cStageWnd;

extern int32_t g_bAppActive;        // idle switch: the idle step runs only while non-zero
extern uint8_t g_bStarted;          // 1 after a successful start-up
extern HWND g_hMainWnd;             // the frame window
extern int32_t g_nToolBarHeight;    // one toolbar row, in dots
extern int32_t g_nStatusBarHeight;  // a status bar, in dots
extern cStageWnd* g_pCurEditor;     // the current stage window
extern int32_t g_bFocusRequest;     // set on restore; the idle step gives the focus back

// The data version this program writes.
constexpr int EDITOR_DATA_VERSION = 778;
