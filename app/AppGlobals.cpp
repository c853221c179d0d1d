#include "app/AppGlobals.h"

int32_t g_bAppActive = 0;
uint8_t g_bStarted = 0;
HWND g_hMainWnd = nullptr;
int32_t g_nToolBarHeight = 28;
int32_t g_nStatusBarHeight = 20;
cStageWnd* g_pCurEditor = nullptr;
int32_t g_bFocusRequest = 0;
