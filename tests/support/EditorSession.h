// Ends an editor started in the test process with StartUp: the frame window destroyed, the stage
// window deleted and the shell's globals back to "not started", so that the next test can start
// one again.
#pragma once

#include <windows.h>

#include "app/AppGlobals.h"
#include "app/FrameWnd.h"
#include "app/WindowList.h"
#include "stage/StageWnd.h"
#include "support/TestSupport.h"

inline void EndEditorSession() {
  if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  DrainMessages();
  delete FrameWnd.m_lpStageWnd;
  FrameWnd.m_lpStageWnd = nullptr;
  g_hMainWnd = nullptr;
  g_pCurEditor = nullptr;
  g_bStarted = 0;
  g_bAppActive = 0;
}

// Pumps the thread's messages as the main loop does, through the window list's pre-translation
// (which destroys and deletes a closed modeless sheet at the next message), until the condition
// holds or the timeout runs out.
inline bool PumpThroughMainLoopUntil(const std::function<bool()>& cond) {
  return PumpUntil([&] {
    PostMessageA(nullptr, WM_NULL, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
      if (!WindowList.PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    return cond();
  });
}
