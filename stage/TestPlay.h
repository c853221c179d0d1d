// The launch guard of test play: set from the start of the game program until it reports the
// end of its test play (g_bTestPlayLaunching), and the time of the last start.
#pragma once

#include <windows.h>

// timeGetTime of the last start of the game program.
extern DWORD g_dwTestPlayLaunchTime;
// A second start within this time of the last one is dropped without a word (F5 arrives twice).
constexpr DWORD TESTPLAY_REPEAT_MS = 3000;
