#include "startup/MainLoop.h"

#include <mmsystem.h>

#include "app/AppGlobals.h"
#include "app/Window.h"
#include "app/WindowList.h"
#include "palette/PaletteWnd.h"
#include "project/DatabaseSheet.h"
#include "project/WorldMapWnd.h"
#include "stage/FrameWnd.h"
#include "stage/StageWnd.h"

namespace {

// The idle step switches itself off on a desktop of exactly this size.
const LONG SMALL_DESKTOP_W = 640;
const LONG SMALL_DESKTOP_H = 480;

const uint32_t PREVIEW_FPS = 60;

void FocusActiveEditor() {
  if (FrameWnd.m_nActiveEditor == cFrameWnd::EDITOR_STAGE) {
    if (g_pCurEditor && g_pCurEditor->m_hWnd) SetFocus(g_pCurEditor->m_hWnd);
    return;
  }
  HWND hMap = WorldMapWindow();
  if (hMap) SetFocus(hMap);
}

}  // namespace

bool AnimePreviewShown() { return DatabasePreviewPaced(); }

void DrawSheetPreviews() {
  DrawPaletteSheetPages();
  DrawDatabasePreview();
}

void DrawPaletteWindows() { DrawAllPaletteWindows(); }

HWND WorldMapWindow() {
  const cWorldMapWnd* p = cWorldMapWnd::Current();
  return p && p->m_hWnd && IsWindow(p->m_hWnd) ? p->m_hWnd : nullptr;
}

bool WaitFrame(uint32_t nFps) {
  static bool s_bStarted = false;
  static uint32_t s_nNext = 0;
  uint32_t nNow = timeGetTime();
  if (!s_bStarted) {
    s_bStarted = true;
    s_nNext = nNow;
  }
  if (nFps == 0) return true;
  if (nNow < s_nNext) return false;
  // Counted from now, not from the missed deadline: late ticks are not caught up.
  s_nNext = nNow + 1000 / nFps;
  return true;
}

bool IdleStep() {
  if (!g_pCurEditor) return true;
  if (AnimePreviewShown()) {
    while (!WaitFrame(PREVIEW_FPS)) Sleep(1);
  } else {
    WaitMessage();
  }
  if (g_bAppActive) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(GetDesktopWindow(), &rc);
    if (rc.right - rc.left == SMALL_DESKTOP_W && rc.bottom - rc.top == SMALL_DESKTOP_H) {
      g_bAppActive = 0;
      return true;
    }
  }
  if (g_bFocusRequest) {
    g_bFocusRequest = 0;
    FocusActiveEditor();
  }
  WindowList.FrameAll();
  DrawSheetPreviews();
  DrawPaletteWindows();
  return true;
}

WPARAM RunMainLoop() {
  MSG msg;
  for (;;) {
    // Messages are taken and handed on in their wide form. The ANSI form splits a double-byte
    // character into two messages of one byte each, and Wine's controls turn a lone lead byte
    // into a middle dot; in the wide form the character reaches the window whole, and the system
    // gives an ANSI window procedure its byte pair at dispatch (Windows and Wine alike).
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return msg.wParam;
      if (!WindowList.PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      // The message may have closed a sheet (its OK button); it must not wait for the next one.
      WindowList.ReapClosedSheets();
      continue;
    }
    // Without an editor the idle step has nothing to do; waiting here keeps the loop from
    // spinning until one is made or the loop ends.
    if (!g_bAppActive || !g_pCurEditor) {
      WaitMessage();
      continue;
    }
    ProcBarrier([] { return static_cast<LRESULT>(IdleStep()); });
  }
}
