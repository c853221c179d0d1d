// Stand-in for the game program. It appends the parameters it was started with (the stage file's
// path, or nothing for the whole game) as one line to "GameLaunch.txt" in its current directory,
// shows a small window while the "test play" runs, and when that window closes tells the editor's
// frame window that the test play has ended (WM_COPYDATA of kind 0).
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace {

const char* const EDITOR_FRAME_CLASS = "Kordane4_Editor";
const char* const GAME_CLASS = "Kordane4_GameStandIn";

void RecordLaunch(const char* pszParams) {
  FILE* fp = fopen("GameLaunch.txt", "ab");
  if (!fp) return;
  fprintf(fp, "%s\r\n", pszParams ? pszParams : "");
  fclose(fp);
}

DWORD ParentProcessId() {
  DWORD dwSelf = GetCurrentProcessId(), dwParent = 0;
  HANDLE hSnap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (hSnap == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 pe = {};
  pe.dwSize = sizeof pe;
  for (BOOL b = Process32First(hSnap, &pe); b; b = Process32Next(hSnap, &pe))
    if (pe.th32ProcessID == dwSelf) dwParent = pe.th32ParentProcessID;
  CloseHandle(hSnap);
  return dwParent;
}

struct sEditorSearch {
  DWORD dwParent;
  HWND hParentFrame;
  HWND hAnyFrame;
};

BOOL CALLBACK CollectFrame(HWND hWnd, LPARAM lParam) {
  auto* p = reinterpret_cast<sEditorSearch*>(lParam);
  char szClass[64];
  if (!GetClassNameA(hWnd, szClass, sizeof szClass) || strcmp(szClass, EDITOR_FRAME_CLASS) != 0)
    return TRUE;
  DWORD dwPid = 0;
  GetWindowThreadProcessId(hWnd, &dwPid);
  if (!p->hAnyFrame) p->hAnyFrame = hWnd;
  if (p->dwParent && dwPid == p->dwParent) p->hParentFrame = hWnd;
  return TRUE;
}

// The editor that started us; any editor frame when we were started otherwise.
HWND FindEditorFrame() {
  sEditorSearch search = {ParentProcessId(), nullptr, nullptr};
  EnumWindows(CollectFrame, reinterpret_cast<LPARAM>(&search));
  return search.hParentFrame ? search.hParentFrame : search.hAnyFrame;
}

void ReportEndOfTestPlay(HWND hFrom) {
  HWND hEditor = FindEditorFrame();
  if (!hEditor) return;
  COPYDATASTRUCT cds = {};
  cds.dwData = 0;
  DWORD_PTR dwResult = 0;
  SendMessageTimeoutA(hEditor, WM_COPYDATA, reinterpret_cast<WPARAM>(hFrom),
                      reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 5000, &dwResult);
}

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  switch (uMsg) {
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) DestroyWindow(hWnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hWnd, &ps);
      RECT rc;
      GetClientRect(hWnd, &rc);
      DrawTextA(hdc, "テストプレイ中 (閉じると終了)", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      ReportEndOfTestPlay(hWnd);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hWnd, uMsg, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCmdLine, int nShow) {
  RecordLaunch(pszCmdLine);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = hInstance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = GAME_CLASS;
  if (!RegisterClassA(&wc)) return 1;
  HWND hWnd = CreateWindowA(GAME_CLASS, "Game", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            320, 120, nullptr, nullptr, hInstance, nullptr);
  if (!hWnd) return 1;
  ShowWindow(hWnd, nShow);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
