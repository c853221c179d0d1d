#include "stage/StageWnd.h"

#include "app/AppGlobals.h"
#include "app/FrameWnd.h"
#include "resources/AppIds.h"

cStageWnd::cStageWnd(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind,
                     cWindowList* lpWindowList)
    : cDialogClass<cStageWnd>(wTemplateId, lpParent, nKind, lpWindowList,
                              static_cast<int32_t>(DEFAULT_X), static_cast<int32_t>(DEFAULT_Y)) {
  SetLayout(DEFAULT_VIEW_W, DEFAULT_VIEW_H, 384, 160, 640, 480, 0, 0, 0, 0, 0,
            SCROLL_H | SCROLL_V);
  FrameWnd.m_nActiveEditor = cFrameWnd::EDITOR_STAGE;
}

cStageWnd::~cStageWnd() { Dispose(); }

void cStageWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  HICON hIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDI_EDITOR));
  if (hIcon) SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
  SetWindowTextA(m_hWnd, FRAME_TITLE);
  PlaceView();
  m_bInit = 1;
}

void cStageWnd::PlaceView() {
  if (!m_ViewCtrl.m_hWnd) return;
  SetWindowPos(m_ViewCtrl.m_hWnd, nullptr, m_nViewX, m_nViewY, m_nViewW, m_nViewH,
               SWP_NOZORDER | SWP_NOACTIVATE);
  m_ViewCtrl.UpdatePos();
}

LRESULT cStageWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nBase = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY:
      if (g_pCurEditor == this) g_pCurEditor = nullptr;
      return 1;
    case WM_SIZE:
      PlaceView();
      return 1;
    case WM_CLOSE:
      if (SavePrompt()) {
        Close(0);
        DestroyWindow(g_hMainWnd);
      }
      return 1;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        Minimise();
        return 1;
      }
      return 0;
    default:
      return nBase;
  }
}

bool cStageWnd::SavePrompt() { return true; }

void cStageWnd::CreateToolWindows() {}

void cStageWnd::ShowToolWindows() { ShowWindow(m_hWnd, SW_SHOW); }

void cStageWnd::HideToolWindows() { ShowWindow(m_hWnd, SW_HIDE); }

void cStageWnd::Minimise() {
  m_bMinimised = 1;
  HideToolWindows();
  ShowWindow(g_hMainWnd, SW_MINIMIZE);
}
