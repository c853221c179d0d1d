// Driver.exe <scenario> <Editor.exe> <project folder>
// Runs one scenario against the real editor and exits with 0 when every check held, 1 when one
// failed (the reason is written to the standard error), 2 on a bad command line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const DWORD WAIT_MS = 30000;
const DWORD POLL_MS = 20;
const char* const FRAME_CLASS = "Kordane4_Editor";
const char* const DIALOG_CLASS = "#32770";
const char* const STAGE_CAPTION = "Kordane4";
const char* const DOUBLE_CAPTION = "二重起動";
const char* const DOUBLE_TEXT =
    "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n";
const char* const EXIT_CAPTION = "終了確認";
const char* const EXIT_TEXT = "終了しますか？\n";
const char* const DEFAULT_DATA_CAPTION = "デフォルトデータ作成の確認";
const char* const DEFAULT_DATA_TEXT = "データが存在しません！デフォルトデータを作成しますか？\n";
const char* const ERROR_CAPTION = "エラー";
const char* const MARK_MISSING_TEXT = "bmp\\Mark.bmp が読み込めません！";
const char* const LOAD_FAILED_TEXT =
    "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！";

const char* const GAME_CLASS = "Kordane4_GameStandIn";
const char* const CLEAR_CAPTION = "データクリアの確認";
const char* const CLEAR_BLOCKS_TEXT = "全てのブロックをクリアしますか？";
const WPARAM CLEAR_BLOCKS_ID = 40057;

std::string g_strExe, g_strDir;
std::vector<PROCESS_INFORMATION> g_vStarted;

struct cFailure {
  std::string strWhy;
};

void Check(bool bOk, const std::string& strWhy) {
  if (!bOk) throw cFailure{strWhy};
}

PROCESS_INFORMATION StartEditor() {
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  ZeroMemory(&pi, sizeof pi);
  std::string cmd = "\"" + g_strExe + "\"";
  std::vector<char> buf(cmd.begin(), cmd.end());
  buf.push_back(0);
  BOOL ok = CreateProcessA(g_strExe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           g_strDir.c_str(), &si, &pi);
  Check(ok != FALSE, "the editor could not be started: " + g_strExe);
  g_vStarted.push_back(pi);
  return pi;
}

struct cFind {
  DWORD dwPid;
  const char* pszClass;
  const char* pszCaption;
  bool bVisible;
  HWND hFound;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam) {
  cFind* f = reinterpret_cast<cFind*>(lParam);
  DWORD dwPid = 0;
  GetWindowThreadProcessId(hWnd, &dwPid);
  if (dwPid != f->dwPid) return TRUE;
  char sz[256];
  if (!GetClassNameA(hWnd, sz, sizeof sz) || strcmp(sz, f->pszClass) != 0) return TRUE;
  if (f->pszCaption) {
    GetWindowTextA(hWnd, sz, sizeof sz);
    // The stage window's title goes on with the open stage's path.
    size_t n = strlen(f->pszCaption);
    bool bStage = strcmp(f->pszCaption, STAGE_CAPTION) == 0 && strcmp(f->pszClass, DIALOG_CLASS) == 0;
    if (bStage ? strncmp(sz, f->pszCaption, n) != 0 : strcmp(sz, f->pszCaption) != 0) return TRUE;
  }
  if (f->bVisible && !IsWindowVisible(hWnd)) return TRUE;
  f->hFound = hWnd;
  return FALSE;
}

HWND FindTop(DWORD dwPid, const char* pszClass, const char* pszCaption, bool bVisible) {
  cFind f = {dwPid, pszClass, pszCaption, bVisible, nullptr};
  EnumWindows(FindProc, reinterpret_cast<LPARAM>(&f));
  return f.hFound;
}

// Polls until the window is there; a condition, not a pause.
HWND WaitTop(DWORD dwPid, const char* pszClass, const char* pszCaption, bool bVisible) {
  DWORD t0 = GetTickCount();
  for (;;) {
    HWND h = FindTop(dwPid, pszClass, pszCaption, bVisible);
    if (h) return h;
    if (GetTickCount() - t0 > WAIT_MS) return nullptr;
    Sleep(POLL_MS);
  }
}

bool WaitGone(HWND hWnd) {
  DWORD t0 = GetTickCount();
  while (IsWindow(hWnd)) {
    if (GetTickCount() - t0 > WAIT_MS) return false;
    Sleep(POLL_MS);
  }
  return true;
}

BOOL CALLBACK TextProc(HWND hWnd, LPARAM lParam) {
  std::pair<const char*, bool>* p = reinterpret_cast<std::pair<const char*, bool>*>(lParam);
  char sz[1024];
  GetWindowTextA(hWnd, sz, sizeof sz);
  // A static may show the line breaks as CR LF.
  std::string s(sz), want(p->first), norm;
  for (char c : s)
    if (c != '\r') norm += c;
  if (norm == want || norm + "\n" == want) {
    p->second = true;
    return FALSE;
  }
  return TRUE;
}

bool BoxShows(HWND hBox, const char* pszText) {
  std::pair<const char*, bool> p(pszText, false);
  EnumChildWindows(hBox, TextProc, reinterpret_cast<LPARAM>(&p));
  return p.second;
}

// Waits for the message box with this caption, checks its text and presses the button.
void AnswerBox(DWORD dwPid, const char* pszCaption, const char* pszText, int nButton,
               const char* pszWhat) {
  HWND hBox = WaitTop(dwPid, DIALOG_CLASS, pszCaption, true);
  Check(hBox != nullptr, std::string("no box ") + pszWhat);
  Check(BoxShows(hBox, pszText), std::string("the box ") + pszWhat + " shows another text");
  HWND hButton = GetDlgItem(hBox, nButton);
  Check(hButton != nullptr, std::string("the box ") + pszWhat + " has no such button");
  PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
  Check(WaitGone(hBox), std::string("the box ") + pszWhat + " stays open");
}

DWORD WaitExit(const PROCESS_INFORMATION& pi, const char* pszWhat) {
  Check(WaitForSingleObject(pi.hProcess, WAIT_MS) == WAIT_OBJECT_0,
        std::string(pszWhat) + " does not end");
  DWORD dwCode = 1234;
  GetExitCodeProcess(pi.hProcess, &dwCode);
  return dwCode;
}

bool Running(const PROCESS_INFORMATION& pi) {
  return WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;
}

// The editor is up: its frame exists and its stage window shows.
HWND WaitReady(const PROCESS_INFORMATION& pi, const char* pszWhat) {
  HWND hFrame = WaitTop(pi.dwProcessId, FRAME_CLASS, "Kordane4", false);
  Check(hFrame != nullptr, std::string("no frame window of ") + pszWhat);
  Check(WaitTop(pi.dwProcessId, DIALOG_CLASS, STAGE_CAPTION, true) != nullptr,
        std::string("no stage window of ") + pszWhat);
  return hFrame;
}

// Closing through the frame: the question, then Yes, then exit code 0.
void CloseWithYes(const PROCESS_INFORMATION& pi, HWND hFrame, const char* pszWhat) {
  PostMessageA(hFrame, WM_CLOSE, 0, 0);
  AnswerBox(pi.dwProcessId, EXIT_CAPTION, EXIT_TEXT, IDYES, "終了確認");
  DWORD dwCode = WaitExit(pi, pszWhat);
  Check(dwCode == 0, std::string(pszWhat) + " ended with code " + std::to_string(dwCode));
}

std::string ReadText(const std::string& strPath) {
  std::string s;
  FILE* fp = fopen(strPath.c_str(), "rb");
  if (!fp) return s;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, fp)) > 0) s.append(buf, n);
  fclose(fp);
  return s;
}

void CheckReportLog() {
  std::string s = ReadText(g_strDir + "\\Report_Editor.txt");
  Check(s.compare(0, 14, "App : ver 778\n") == 0 || s.compare(0, 15, "App : ver 778\r\n") == 0,
        "Report_Editor.txt does not begin with the version line");
  Check(s.find("OS : ") != std::string::npos && s.find("CPU : ") != std::string::npos &&
            s.find("Mem Total : ") != std::string::npos,
        "Report_Editor.txt has no system report");
}

// Escape on the frame and WM_CLOSE ask first; No keeps the editor, Yes ends it with 0.
void ScenarioClose() {
  PROCESS_INFORMATION a = StartEditor();
  HWND hFrame = WaitReady(a, "the editor");
  PostMessageA(hFrame, WM_KEYDOWN, VK_ESCAPE, 0);
  AnswerBox(a.dwProcessId, EXIT_CAPTION, EXIT_TEXT, IDNO, "終了確認");
  Check(Running(a) && IsWindow(hFrame), "the editor ended although the answer was No");
  PostMessageA(hFrame, WM_CLOSE, 0, 0);
  AnswerBox(a.dwProcessId, EXIT_CAPTION, EXIT_TEXT, IDNO, "終了確認");
  Check(Running(a) && IsWindow(hFrame), "the editor ended although the answer was No");
  CloseWithYes(a, hFrame, "the editor");
  CheckReportLog();
}

// A second copy asks; No ends it with 0 and leaves the first one running.
void ScenarioDoubleNo() {
  PROCESS_INFORMATION a = StartEditor();
  HWND hFrame = WaitReady(a, "the first editor");
  PROCESS_INFORMATION b = StartEditor();
  AnswerBox(b.dwProcessId, DOUBLE_CAPTION, DOUBLE_TEXT, IDNO, "二重起動");
  DWORD dwCode = WaitExit(b, "the second editor");
  Check(dwCode == 0, "the second editor ended with code " + std::to_string(dwCode));
  Check(FindTop(b.dwProcessId, FRAME_CLASS, nullptr, false) == nullptr,
        "the second editor made a frame window");
  Check(Running(a) && IsWindow(hFrame), "the first editor did not survive the second start");
  CloseWithYes(a, hFrame, "the first editor");
  CheckReportLog();
}

// Yes starts a full second editor; both close normally.
void ScenarioDoubleYes() {
  PROCESS_INFORMATION a = StartEditor();
  HWND hFrameA = WaitReady(a, "the first editor");
  PROCESS_INFORMATION b = StartEditor();
  AnswerBox(b.dwProcessId, DOUBLE_CAPTION, DOUBLE_TEXT, IDYES, "二重起動");
  HWND hFrameB = WaitReady(b, "the second editor");
  CloseWithYes(b, hFrameB, "the second editor");
  Check(Running(a) && IsWindow(hFrameA), "the first editor ended with the second");
  CloseWithYes(a, hFrameA, "the first editor");
}

// A project without data\: the question; Yes makes the data and the editor opens without any
// further message.
void ScenarioDefaultYes() {
  PROCESS_INFORMATION a = StartEditor();
  AnswerBox(a.dwProcessId, DEFAULT_DATA_CAPTION, DEFAULT_DATA_TEXT, IDYES, "デフォルトデータ作成の確認");
  HWND hFrame = WaitReady(a, "the editor");
  Check(FindTop(a.dwProcessId, DIALOG_CLASS, ERROR_CAPTION, false) == nullptr, "an error box is shown");
  CloseWithYes(a, hFrame, "the editor");
}

// No ends the editor before any window exists.
void ScenarioDefaultNo() {
  PROCESS_INFORMATION a = StartEditor();
  AnswerBox(a.dwProcessId, DEFAULT_DATA_CAPTION, DEFAULT_DATA_TEXT, IDNO, "デフォルトデータ作成の確認");
  DWORD dwCode = WaitExit(a, "the editor");
  Check(dwCode == 0, "the editor ended with code " + std::to_string(dwCode));
  Check(FindTop(a.dwProcessId, FRAME_CLASS, nullptr, false) == nullptr, "the editor made a frame window");
}

// A project whose bmp\Mark.bmp is missing: the loader's box, the project load's box, then the
// start-up's; the editor ends cleanly before any window exists.
void ScenarioMissingChip() {
  PROCESS_INFORMATION a = StartEditor();
  AnswerBox(a.dwProcessId, ERROR_CAPTION, MARK_MISSING_TEXT, IDOK, "of the loader");
  AnswerBox(a.dwProcessId, ERROR_CAPTION, MARK_MISSING_TEXT, IDOK, "of the project load");
  AnswerBox(a.dwProcessId, ERROR_CAPTION, LOAD_FAILED_TEXT, IDOK, "of the start-up");
  DWORD dwCode = WaitExit(a, "the editor");
  Check(dwCode == 0, "the editor ended with code " + std::to_string(dwCode));
  Check(FindTop(a.dwProcessId, FRAME_CLASS, nullptr, false) == nullptr, "the editor made a frame window");
}

// Real keys to the stage window: it is brought to the front first, as the author's click would.
void PressKeys(HWND hStage, const std::vector<WORD>& vKeys) {
  SetForegroundWindow(hStage);
  DWORD t0 = GetTickCount();
  while (GetForegroundWindow() != hStage && GetTickCount() - t0 < WAIT_MS) Sleep(POLL_MS);
  std::vector<INPUT> v;
  for (WORD w : vKeys) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = w;
    v.push_back(in);
  }
  for (size_t i = vKeys.size(); i-- > 0;) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vKeys[i];
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    v.push_back(in);
  }
  SendInput(static_cast<UINT>(v.size()), v.data(), sizeof(INPUT));
}

// Polls until the condition holds; a condition, not a pause.
template <class F>
bool WaitFor(F fn) {
  DWORD t0 = GetTickCount();
  while (!fn()) {
    if (GetTickCount() - t0 > WAIT_MS) return false;
    Sleep(POLL_MS);
  }
  return true;
}

// Closes the stand-in game's window and waits until the editor can start it again.
void EndGame(HWND hGame) {
  PostMessageA(hGame, WM_CLOSE, 0, 0);
  Check(WaitGone(hGame), "the game window stays open");
}

// The demo stage changed, saved with Ctrl+S (in place, no backup left behind), then F5 starts the
// game (a copy of the stand-in in the project folder) once on the stage; when the game ends the
// editor lets F5 start it again.
void ScenarioSavePlay() {
  const std::string strStage = g_strDir + "\\data\\stg4\\Sample.stg4_778";
  const std::string strLaunch = g_strDir + "\\GameLaunch.txt";
  const std::string strBefore = ReadText(strStage);
  Check(!strBefore.empty(), "no demo stage");
  PROCESS_INFORMATION a = StartEditor();
  HWND hFrame = WaitReady(a, "the editor");
  HWND hStage = WaitTop(a.dwProcessId, DIALOG_CLASS, STAGE_CAPTION, true);
  // Clearing the blocks (after its question) changes the stage.
  PostMessageA(hStage, WM_COMMAND, CLEAR_BLOCKS_ID, 0);
  AnswerBox(a.dwProcessId, CLEAR_CAPTION, CLEAR_BLOCKS_TEXT, IDYES, "データクリアの確認");
  PressKeys(hStage, {VK_CONTROL, 'S'});
  Check(WaitFor([&] { return ReadText(strStage) != strBefore; }), "Ctrl+S did not save the stage");
  Check(GetFileAttributesA((g_strDir + "\\data\\work\\Sample.stg4_778").c_str()) == INVALID_FILE_ATTRIBUTES,
        "the backup stays in data\\work");

  PressKeys(hStage, {VK_F5});
  HWND hGame = nullptr;
  Check(WaitFor([&] { return (hGame = FindWindowA(GAME_CLASS, nullptr)) != nullptr; }), "F5 started no game");
  Check(ReadText(strLaunch) == "data\\stg4\\Sample.stg4_778\r\n",
        "the game was not started once on the stage: " + ReadText(strLaunch));
  EndGame(hGame);
  PressKeys(hStage, {VK_F5});
  Check(WaitFor([&] { return (hGame = FindWindowA(GAME_CLASS, nullptr)) != nullptr; }),
        "the game could not be started again after it ended");
  EndGame(hGame);
  Check(ReadText(strLaunch) == "data\\stg4\\Sample.stg4_778\r\ndata\\stg4\\Sample.stg4_778\r\n",
        "two presses of F5 did not start the game twice: " + ReadText(strLaunch));
  Check(FindTop(a.dwProcessId, DIALOG_CLASS, ERROR_CAPTION, false) == nullptr, "an error box is shown");
  CloseWithYes(a, hFrame, "the editor");
}

void KillStarted() {
  for (PROCESS_INFORMATION& pi : g_vStarted) {
    if (Running(pi)) {
      TerminateProcess(pi.hProcess, 99);
      WaitForSingleObject(pi.hProcess, WAIT_MS);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  g_vStarted.clear();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: Driver <scenario> <Editor.exe> <project folder>\n");
    return 2;
  }
  std::string strScenario = argv[1];
  g_strExe = argv[2];
  g_strDir = argv[3];
  struct {
    const char* pszName;
    void (*pfn)();
  } const aScenarios[] = {
      {"close", ScenarioClose},           {"double-no", ScenarioDoubleNo},
      {"double-yes", ScenarioDoubleYes},  {"default-yes", ScenarioDefaultYes},
      {"default-no", ScenarioDefaultNo},  {"missing-chip", ScenarioMissingChip},
      {"save-play", ScenarioSavePlay}};
  for (const auto& s : aScenarios) {
    if (strScenario != s.pszName) continue;
    int nResult = 0;
    try {
      s.pfn();
    } catch (const cFailure& f) {
      fprintf(stderr, "Driver %s: %s\n", s.pszName, f.strWhy.c_str());
      nResult = 1;
    }
    KillStarted();
    return nResult;
  }
  fprintf(stderr, "Driver: unknown scenario %s\n", strScenario.c_str());
  return 2;
}
