#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/GameFinder.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

std::string StandInGame() { return BesideTests("game\\Game.exe"); }
std::string EditorExe() { return BesideTests("..\\Editor.exe"); }

// A copy of the stand-in game whose string resource 1 reads the given text.
bool MakeMarkedExe(const std::string& strPath, const wchar_t* pszMark) {
  if (!CopyFileA(StandInGame().c_str(), strPath.c_str(), FALSE)) return false;
  std::vector<WORD> vBlock(16, 0);  // strings 0 to 15, all absent
  size_t nLen = wcslen(pszMark);
  vBlock[1] = static_cast<WORD>(nLen);
  vBlock.insert(vBlock.begin() + 2, pszMark, pszMark + nLen);
  HANDLE h = BeginUpdateResourceA(strPath.c_str(), FALSE);
  if (!h) return false;
  bool bOk = UpdateResourceA(h, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(1),
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), vBlock.data(),
                             static_cast<DWORD>(vBlock.size() * sizeof(WORD)));
  return EndUpdateResourceA(h, FALSE) && bOk;
}

std::string Found(bool* pbResult) {
  char sz[MAX_PATH] = "";
  *pbResult = FindGameAuto(sz);
  return sz;
}

}  // namespace

TEST(GameFinder, ReadsTheMarkOfTheStandInGame) {
  HMODULE h = LoadLibraryExA(StandInGame().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(nullptr, h);
  auto pText = LoadStringResource(h, 1);
  ASSERT_NE(nullptr, pText);
  EXPECT_EQ(std::wstring(L"GAME"), pText.get());
  EXPECT_EQ(nullptr, LoadStringResource(h, 2));
  EXPECT_EQ(nullptr, LoadStringResource(h, 17));
  FreeLibrary(h);
}

TEST(GameFinder, FindsTheFirstMarkedExecutableOfTheFolder) {
  struct sExe {
    const char* pszName;
    const wchar_t* pszMark;  // null: a plain copy of the stand-in; L"": not an executable at all
  };
  struct {
    const char* pszCase;
    std::vector<sExe> vFiles;
    bool bEditor;
    const char* pszExpect;  // "" none; "*" the first marked file in enumeration order
  } cases[] = {
      {"stand-in", {{"Game.exe", nullptr}}, false, "Game.exe"},
      {"two marked", {{"b.exe", nullptr}, {"a.exe", L"GAME"}}, false, "*"},
      {"near misses", {{"lower.exe", L"game"}, {"blank.exe", L"GAME "}, {"long.exe", L"GAMES"}}, false, ""},
      {"not a program", {{"text.exe", L""}, {"Play.exe", nullptr}}, false, "Play.exe"},
      {"editor alone", {}, true, ""},
      {"editor and game", {{"MyGame.exe", nullptr}}, true, "MyGame.exe"},
      {"no executable", {{"readme.txt", L""}}, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    cTempDir dir(true);
    for (const auto& f : c.vFiles) {
      std::string strPath = dir.File(f.pszName);
      if (!f.pszMark) {
        ASSERT_TRUE(CopyFileA(StandInGame().c_str(), strPath.c_str(), FALSE));
      } else if (!f.pszMark[0]) {
        ASSERT_TRUE(WriteFileBytes(strPath, {'M', 'Z', 'n', 'o'}));
      } else {
        ASSERT_TRUE(MakeMarkedExe(strPath, f.pszMark));
      }
    }
    if (c.bEditor) {
      ASSERT_TRUE(CopyFileA(EditorExe().c_str(), dir.File("Editor.exe").c_str(), FALSE));
    }
    std::string strExpect = c.pszExpect;
    if (strExpect == "*") {
      cShellVector<std::string> vNames;
      ASSERT_TRUE(ListExeFiles(vNames));
      ASSERT_EQ(2u, vNames.size());
      strExpect = vNames[0];
    }
    bool bFound = false;
    std::string strFound = Found(&bFound);
    EXPECT_EQ(!strExpect.empty(), bFound);
    if (bFound) {
      EXPECT_EQ(strExpect, strFound);
    }
    char sz[MAX_PATH] = "junk";
    EXPECT_EQ(!strExpect.empty(), FindGameProgram(sz, 1, "ignored.exe"));
    EXPECT_EQ(strExpect, sz);
  }
}

TEST(GameFinder, UsesTheConfiguredPathWhenDetectionIsOff) {
  cTempDir dir(true);
  ASSERT_TRUE(CopyFileA(StandInGame().c_str(), dir.File("Game.exe").c_str(), FALSE));
  char sz[MAX_PATH] = "junk";
  EXPECT_FALSE(FindGameProgram(sz, 0, "bin\\Gone.exe"));
  EXPECT_STREQ("", sz);
  EXPECT_FALSE(FindGameProgram(sz, 0, ""));
  EXPECT_STREQ("", sz);
  // The configured program need not carry the mark.
  ASSERT_TRUE(WriteFileBytes(dir.File("Other.exe"), {'M', 'Z'}));
  EXPECT_TRUE(FindGameProgram(sz, 0, "Other.exe"));
  EXPECT_STREQ("Other.exe", sz);
  std::string strFull = dir.File("Game.exe");
  EXPECT_TRUE(FindGameProgram(sz, 0, strFull.c_str()));
  EXPECT_EQ(strFull, sz);
}

namespace {

HWND s_hCopyFrom = nullptr;
int s_nCopyKind = -1;

LRESULT CALLBACK FakeFrameProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_COPYDATA) {
    s_hCopyFrom = reinterpret_cast<HWND>(wParam);
    s_nCopyKind = static_cast<int>(reinterpret_cast<COPYDATASTRUCT*>(lParam)->dwData);
    return TRUE;
  }
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

struct sGameWindow {
  DWORD dwPid;
  HWND hWnd;
};

BOOL CALLBACK FindGameWindow(HWND hWnd, LPARAM lParam) {
  auto* p = reinterpret_cast<sGameWindow*>(lParam);
  DWORD dwPid = 0;
  GetWindowThreadProcessId(hWnd, &dwPid);
  if (dwPid != p->dwPid || !IsWindowVisible(hWnd)) return TRUE;
  p->hWnd = hWnd;
  return FALSE;
}

}  // namespace

TEST(GameStandIn, RecordsItsParametersAndReportsTheEndOfTestPlay) {
  cTempDir dir(true);
  ASSERT_TRUE(CopyFileA(StandInGame().c_str(), dir.File("Game.exe").c_str(), FALSE));
  // The editor's frame, as far as the game sees it (the class may be registered already).
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Kordane4_Editor";
  // A class registered here goes again at the end: the editor's own frame tests register theirs.
  const bool bOwnClass = RegisterClassA(&wc) != 0;
  HWND hFrame = CreateWindowA("Kordane4_Editor", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, wc.hInstance, nullptr);
  ASSERT_NE(nullptr, hFrame);
  SetWindowLongPtrA(hFrame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FakeFrameProc));

  char szGame[MAX_PATH] = "";
  ASSERT_TRUE(FindGameProgram(szGame, 1, ""));
  SHELLEXECUTEINFOA sei = {};
  sei.cbSize = sizeof sei;
  sei.fMask = SEE_MASK_NOCLOSEPROCESS;
  sei.lpVerb = "open";
  sei.lpFile = szGame;
  sei.lpParameters = "stg4\\first.stg4";
  sei.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExA(&sei));
  ASSERT_NE(nullptr, sei.hProcess);
  sGameWindow game = {GetProcessId(sei.hProcess), nullptr};
  ASSERT_TRUE(PumpUntil([&] {
    EnumWindows(FindGameWindow, reinterpret_cast<LPARAM>(&game));
    return game.hWnd != nullptr;
  }, 20000));
  EXPECT_EQ("stg4\\first.stg4\r\n", ReadFileText(dir.File("GameLaunch.txt")));

  PostMessageA(game.hWnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return s_nCopyKind == 0; }, 20000));
  EXPECT_EQ(game.hWnd, s_hCopyFrom);
  EXPECT_TRUE(PumpUntil([&] { return WaitForSingleObject(sei.hProcess, 0) == WAIT_OBJECT_0; }, 20000));
  CloseHandle(sei.hProcess);
  DestroyWindow(hFrame);
  if (bOwnClass) UnregisterClassA(wc.lpszClassName, wc.hInstance);
}
