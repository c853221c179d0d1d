// Running an editor started in the test process the way its main loop would.
#pragma once

#include <windows.h>

#include <functional>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "app/WindowList.h"
#include "stage/StageWnd.h"
#include "support/TestSupport.h"

// Pumps the thread's messages as the main loop does, through the window list's pre-translation
// (accelerators; a closed modeless sheet is destroyed and deleted at the next message), until the
// condition holds or the timeout runs out. Every message goes that way: none is dispatched
// without the pre-translation first.
inline bool PumpThroughMainLoopUntil(const std::function<bool()>& cond, DWORD dwTimeoutMs = 5000) {
  const DWORD t0 = GetTickCount();
  for (;;) {
    // A message now and then: the sheet reaping runs when one comes through.
    PostMessageA(nullptr, WM_NULL, 0, 0);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
      if (!WindowList.PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    if (cond()) return true;
    if (GetTickCount() - t0 > dwTimeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Waits until the frame has rebuilt the stage window after a stage change. The new window object
// may well sit at the old one's address, so the old window's handle is what tells them apart.
inline bool WaitForStageWindowRebuild(HWND hOld) {
  return PumpUntil([&] {
    return !IsWindow(hOld) && FrameWnd.m_lpStageWnd && IsWindow(FrameWnd.m_lpStageWnd->m_hWnd);
  });
}
