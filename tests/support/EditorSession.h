// Running an editor started in the test process the way its main loop would.
#pragma once

#include <windows.h>

#include <functional>

#include "app/AppGlobals.h"
#include "app/FrameWnd.h"
#include "app/WindowList.h"
#include "stage/StageWnd.h"
#include "support/TestSupport.h"

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

// Waits until the frame has rebuilt the stage window after a stage change. The new window object
// may well sit at the old one's address, so the old window's handle is what tells them apart.
inline bool WaitForStageWindowRebuild(HWND hOld) {
  return PumpUntil([&] {
    return !IsWindow(hOld) && FrameWnd.m_lpStageWnd && IsWindow(FrameWnd.m_lpStageWnd->m_hWnd);
  });
}
