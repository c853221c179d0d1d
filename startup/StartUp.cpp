#include "startup/StartUp.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <cstdlib>

#include "app/AppGlobals.h"
#include "app/Dialog.h"
#include "app/KeyHook.h"
#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "model/ProjectLoad.h"
#include "model/SaveMarks.h"
#include "resources/AppIds.h"
#include "stage/FrameWnd.h"
#include "stage/StageWnd.h"
#include "startup/MainLoop.h"
#include "startup/StartUpServices.h"

const char* const DOUBLE_START_TEXT =
    "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n";
const char* const DOUBLE_START_CAPTION = "二重起動";

namespace {

const char* const INSTANCE_MUTEX = "エディター";
const char* const REPORT_LOG = "Report_Editor.txt";
const char* const ERROR_LOG = "EC_Editor.txt";
const int FRAME_POS = 9999;  // off screen: the frame is never seen

// The second copy is asked before it runs; No ends it with the mutex let go.
bool PassInstanceGuard(HANDLE& hMutex) {
  hMutex = CreateMutexA(nullptr, FALSE, INSTANCE_MUTEX);
  if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
  if (ShowMsgBox(nullptr, DOUBLE_START_TEXT, DOUBLE_START_CAPTION, MB_YESNO) == IDYES) return true;
  if (hMutex) {
    ReleaseMutex(hMutex);
    CloseHandle(hMutex);
    hMutex = nullptr;
  }
  return false;
}

// Runs when the process ends normally, however it got there (the editor after ShutDown, or a
// program that started the editor in-process and returned without it), before the global objects
// are destroyed: the windows go while every object their WM_DESTROY touches is alive, and the
// stage window's object before the frame object that holds it. The run is over by then: nothing
// more is written (a save now could find the project folder gone and show a box nobody answers).
void ReleaseEditorAtExit() {
  GiveUpKeptSaves();
  if (g_hMainWnd && IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
  g_hMainWnd = nullptr;
  delete FrameWnd.m_lpStageWnd;
  FrameWnd.m_lpStageWnd = nullptr;
  g_pCurEditor = nullptr;
  CloseSoundDevices();
  UnhookKeyboard();
}

}  // namespace

bool RegisterFrameClass(HINSTANCE hInstance) {
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = &cFrameWnd::ClassProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_EDITOR));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  wc.lpszClassName = FRAME_CLASS_NAME;
  return RegisterClassA(&wc) != 0;
}

int AppMain(HINSTANCE hInstance) {
  timeBeginPeriod(1);
  cDialog::SetScrollBarIds(IDC_HSCROLL, IDC_VSCROLL);
  SetErrorLog(0, ERROR_LOG);
  char szReport[MAX_PATH];
  lstrcpynA(szReport, REPORT_LOG, MAX_PATH);
  MakeAbsolutePath(szReport);
  if (!CreateReportLog(szReport)) return 0;
  ReportLog("App : ver %s", "778");
  StartSystemReport();
  // Every way out of here waits for the system report, so the log is whole when the program ends.
  struct cReportWait {
    ~cReportWait() { FinishSystemReport(); }
  } reportWait;
  HANDLE hMutex = nullptr;
  if (!PassInstanceGuard(hMutex)) return 0;
  StoreAppInstance(hInstance);
  if (!RegisterFrameClass(hInstance)) return 0;
  if (!StartUp()) return 0;
  WPARAM nExit = RunMainLoop();
  ShutDown();
  if (hMutex) {
    ReleaseMutex(hMutex);
    CloseHandle(hMutex);
  }
  return static_cast<int>(nExit);
}

bool StartUp() {
  InitDataFormat();
  BuildStartUpTables();
  RememberCurDir();
  if (!PrepareDefaultData()) return false;
  CreateProjectFolders();
  InitMusicPlayer();
  if (!OpenWaveDevice()) return false;
  if (!LoadEditConfig()) ErrorLog("EditConfig.Load 失敗");
  g_nToolBarHeight = ConfigToolBarHeight();
  g_nStatusBarHeight = ConfigStatusBarHeight();
  if (!LoadProjectData()) {
    ErrorBoxText(
        "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！");
    ForgetLastStage();
    return false;
  }
  OpenLastStageIfAny();
  InitCommonControls();
  FrameWnd.SetLayout(1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0);
  HWND hFrame = CreateWindowExA(0, FRAME_CLASS_NAME, FRAME_TITLE, 0, FRAME_POS, FRAME_POS,
                                FrameWnd.WindowWidth(), FrameWnd.WindowHeight(), nullptr, nullptr,
                                GetAppInstance(), nullptr);
  if (!hFrame) {
    OutOfMemory();
    return false;
  }
  g_hMainWnd = hFrame;
  ShowWindow(hFrame, SW_SHOW);
  UpdateWindow(hFrame);
  FrameWnd.Init(0, nullptr);
  FrameWnd.CreateStageWindow();
  g_pCurEditor = FrameWnd.m_lpStageWnd;
  if (g_pCurEditor) {
    g_pCurEditor->CreateToolWindows();
    SetFocus(g_pCurEditor->m_hWnd);
  }
  g_bStarted = 1;
  // Registered once start-up has built what it is to release, so that it runs before the
  // destructors of every object made so far.
  static bool s_bExitHook = false;
  if (!s_bExitHook) s_bExitHook = atexit(ReleaseEditorAtExit) == 0;
  return true;
}

void ShutDown() {
  timeEndPeriod(1);
  if (g_bStarted == 1) SaveConfigOnExit();
  SaveVarNames();
  CloseSoundDevices();
  UnhookKeyboard();
}
