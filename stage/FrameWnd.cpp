#include "stage/FrameWnd.h"

#include <new>

#include "app/AppGlobals.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/WindowList.h"
#include "model/SaveMarks.h"
#include "resources/AppIds.h"
#include "stage/StageServices.h"
#include "stage/StageWnd.h"

const char* const FRAME_CLASS_NAME = "Kordane4_Editor";
const char* const FRAME_TITLE = "Kordane4";

LRESULT cAppWindow::DefProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nResult = cWindow::DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_CREATE) OnCreate(wParam, lParam);
  return nResult;
}

void cAppWindow::OnCreate(WPARAM, LPARAM) {}

cFrameWnd::~cFrameWnd() {
  delete m_lpStageWnd;
  m_lpStageWnd = nullptr;
}

void cFrameWnd::OnCreate(WPARAM, LPARAM) { m_bInit = 1; }

void cFrameWnd::Init(uint16_t wTemplateId, HWND hParent) {
  InitTemplate(wTemplateId, hParent, nullptr);
  m_lpfnStaticProc = &cFrameWnd::ClassProc;
}

LRESULT CALLBACK cFrameWnd::ClassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ProcBarrier([&] { return FrameWnd.MsgProc(hWnd, uMsg, wParam, lParam); });
}

void cFrameWnd::CreateStageWindow() {
  delete m_lpStageWnd;
  m_lpStageWnd = new (std::nothrow) cStageWnd(IDD_STAGE, this, KIND_DIALOG, &WindowList);
  if (!m_lpStageWnd) {
    OutOfMemory();
    return;
  }
  m_lpStageWnd->DoModeless(0, 1);
}

bool cFrameWnd::StageWindowReady() const {
  return m_lpStageWnd && m_lpStageWnd->m_hWnd && m_lpStageWnd->m_bInit;
}

void cFrameWnd::RestoreEditor() {
  ShowWindow(m_hWnd, SW_RESTORE);
  g_bFocusRequest = 1;
  if (m_nActiveEditor != EDITOR_STAGE || !StageWindowReady()) return;
  if (!m_lpStageWnd->m_bMinimised) return;
  m_lpStageWnd->ShowToolWindows();
  m_lpStageWnd->m_bMinimised = 0;
}

void cFrameWnd::OnActivateApp(WPARAM wParam, LPARAM lParam) {
  g_bAppActive = static_cast<int32_t>(wParam);
  // Only a real switch between applications (lParam names the other thread) restores or hides.
  if (!m_lpStageWnd || !m_lpStageWnd->m_hWnd || !lParam) return;
  if (wParam) {
    RestoreEditor();
    return;
  }
  if (m_nActiveEditor == EDITOR_STAGE && StageWindowReady() && m_lpStageWnd->m_bMinimised) {
    m_lpStageWnd->HideToolWindows();
    ShowWindow(m_hWnd, SW_MINIMIZE);
  }
}

void cFrameWnd::OnCopyData(WPARAM, const COPYDATASTRUCT* pData) {
  // Kind 0: the game program's test play has ended.
  if (!pData || pData->dwData != 0) return;
  if (StagePathSet()) AllocUndoForStage();
  if (m_lpStageWnd && m_lpStageWnd->m_hWnd) SetActiveWindow(m_lpStageWnd->m_hWnd);
  ClearTestPlayGuard();
}

void cFrameWnd::ReloadStageWindow(WPARAM wParam) {
  if (wParam != 1) return;
  Sleep(100);
  if (g_pCurEditor == m_lpStageWnd) g_pCurEditor = nullptr;
  delete m_lpStageWnd;
  m_lpStageWnd = nullptr;
  ResetStageEditKeepingStage();
  ResetMouseState();
  CreateStageWindow();
  g_pCurEditor = m_lpStageWnd;
  if (!m_lpStageWnd) return;
  m_lpStageWnd->CreateToolWindows();
  SetFocus(m_lpStageWnd->m_hWnd);
}

int32_t cFrameWnd::AskSaveBeforeEnd() {
  // Ending through the frame (Escape, the path after a memory shortage) loses what closing the
  // stage window would: the same questions are asked, and a cancel keeps everything.
  if (m_lpStageWnd && m_lpStageWnd->m_hWnd) return m_lpStageWnd->AskSave();
  return AskSaveFailed(m_hWnd);
}

LRESULT cFrameWnd::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nBase = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY:
      StopStageLoadThread();
      PostQuitMessage(0);
      return 0;
    case WM_CLOSE:
      if (ConfirmExit(hWnd) && AskSaveBeforeEnd()) DestroyWindow(hWnd);
      return 0;
    case WM_ACTIVATEAPP:
      OnActivateApp(wParam, lParam);
      return 0;
    case WM_WINDOWPOSCHANGING:
      // Moving the frame switches the idle step on again.
      SendMessageA(hWnd, WM_ACTIVATEAPP, 1, 0);
      return 0;
    case WM_COPYDATA:
      OnCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) PostMessageA(hWnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_SYSCOMMAND:
      if (m_lpStageWnd && m_lpStageWnd->m_hWnd && (wParam & 0xFFF0) == SC_RESTORE) RestoreEditor();
      return 0;
    case WM_USER:
      ReloadStageWindow(wParam);
      return 0;
    case WM_MOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      return 0;
    default:
      return nBase ? 0 : DefWindowProcA(hWnd, uMsg, wParam, lParam);
  }
}
