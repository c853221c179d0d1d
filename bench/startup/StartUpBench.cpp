// Start-up time of the editor, from starting its process in a sample project to its stage window
// being shown, against a trivial dialog program from its start to its dialog being shown. The two
// take turns in this process, so both meet the same machine; the medians are compared.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "SampleArt.h"
#include "SampleData.h"
#include "app/MsgBox.h"
#include "bench/BenchClock.h"
#include "model/ProjectLoad.h"

namespace {

constexpr int RUNS = 7;
constexpr DWORD WAIT_MS = 60000;
const char* const DIALOG_CLASS = "#32770";
// The stage window is a dialog whose title begins with the program's name.
const char* const STAGE_CAPTION = "Kordane4";

// Build paths are host paths; the programs run under the drive that maps the host's root.
std::string HostPath(const char* pszPath) {
  std::string s = pszPath;
  for (char& c : s)
    if (c == '/') c = '\\';
  if (!s.empty() && s[0] == '\\') s = "Z:" + s;
  return s;
}

int AnswerYes(HWND, const char*, const char*, UINT) { return IDYES; }

struct cFind {
  DWORD dwPid;
  const char* pszCaption;  // the title's beginning, or none for any dialog
  HWND hFound;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam) {
  cFind* f = reinterpret_cast<cFind*>(lParam);
  DWORD dwPid = 0;
  GetWindowThreadProcessId(hWnd, &dwPid);
  if (dwPid != f->dwPid || !IsWindowVisible(hWnd)) return TRUE;
  char sz[256];
  if (!GetClassNameA(hWnd, sz, sizeof sz) || strcmp(sz, DIALOG_CLASS) != 0) return TRUE;
  if (f->pszCaption) {
    GetWindowTextA(hWnd, sz, sizeof sz);
    if (strncmp(sz, f->pszCaption, strlen(f->pszCaption)) != 0) return TRUE;
  }
  f->hFound = hWnd;
  return FALSE;
}

// Seconds from starting the program to its window being shown; a negative figure when it failed.
double TimeToWindow(const std::string& strExe, const std::string& strDir, const char* pszCaption) {
  std::string strCmd = "\"" + strExe + "\"";
  std::vector<char> buf(strCmd.begin(), strCmd.end());
  buf.push_back(0);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  const double t0 = Now();
  if (!CreateProcessA(strExe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr, strDir.c_str(), &si, &pi))
    return -1;
  double t = -1;
  for (;;) {
    cFind f = {pi.dwProcessId, pszCaption, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&f));
    if (f.hFound) {
      t = Now() - t0;
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0 || Now() - t0 > WAIT_MS / 1000.0) break;
    Sleep(1);
  }
  // Only its window was wanted: the program is ended and awaited, so the next start is a first one.
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, WAIT_MS);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return t;
}

// The sample project goes with the benchmark that made it.
void RemoveFolder(const std::string& strDir) {
  std::string strFrom = strDir;
  strFrom.push_back(0);  // the list of paths ends with a second zero
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = strFrom.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main() {
  char szTemp[MAX_PATH];
  GetTempPathA(MAX_PATH, szTemp);
  const std::string strDir = std::string(szTemp) + "startup_bench_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(strDir.c_str(), nullptr);
  char szOld[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, szOld);
  bool bProject = WriteSampleArt(strDir) && WriteSampleData(strDir) && SetCurrentDirectoryA(strDir.c_str());
  if (bProject) {
    MsgBoxFn pfnPrev = SetMsgBoxFn(AnswerYes);
    bProject = CreateDefaultData(nullptr);
    SetMsgBoxFn(pfnPrev);
    SetCurrentDirectoryA(szOld);
  }
  if (!bProject) {
    printf("the sample project could not be made in %s\n", strDir.c_str());
    RemoveFolder(strDir);
    return 1;
  }
  const std::string strEditor = HostPath(EDITOR_EXE_PATH), strTrivial = HostPath(TRIVIAL_EXE_PATH);
  // The program started first in a pair meets a colder machine than the second: the order
  // changes from pair to pair, and each order's figures are printed as well as the pooled ones.
  std::vector<double> vEditor, vTrivial, vHalf[2][2];  // [editor first?][editor, trivial]
  bool bOk = true;
  for (int r = 0; r < 2 * RUNS && bOk; ++r) {
    const bool bEditorFirst = r % 2 == 1;
    double tTrivial = -1, tEditor = -1;
    if (bEditorFirst) {
      tEditor = TimeToWindow(strEditor, strDir, STAGE_CAPTION);
      tTrivial = TimeToWindow(strTrivial, strDir, nullptr);
    } else {
      tTrivial = TimeToWindow(strTrivial, strDir, nullptr);
      tEditor = TimeToWindow(strEditor, strDir, STAGE_CAPTION);
    }
    bOk = tTrivial >= 0 && tEditor >= 0;
    vTrivial.push_back(tTrivial);
    vEditor.push_back(tEditor);
    vHalf[bEditorFirst][0].push_back(tEditor);
    vHalf[bEditorFirst][1].push_back(tTrivial);
  }
  RemoveFolder(strDir);
  if (!bOk) {
    printf("a program did not show its window (editor %.3f s, trivial dialog %.3f s)\n", vEditor.back(),
           vTrivial.back());
    return 1;
  }
  for (int k = 0; k < 2; ++k) {
    const double dE = Median(vHalf[k][0]), dT = Median(vHalf[k][1]);
    printf("%s first (medians of %d): editor's stage window %.0f ms, trivial dialog program %.0f ms, ratio %.2f\n",
           k ? "editor" : "trivial dialog program", static_cast<int>(vHalf[k][0].size()), dE * 1e3, dT * 1e3,
           dE / dT);
  }
  const double dEditor = Median(vEditor), dTrivial = Median(vTrivial);
  const double dRatio = dEditor / dTrivial;
  printf("start-up to the shown window (medians of %d runs, both orders pooled): editor's stage window %.0f ms, "
         "trivial dialog program %.0f ms\n",
         static_cast<int>(vEditor.size()), dEditor * 1e3, dTrivial * 1e3);
  printf("target start-up / trivial dialog program: %.2f (goal <= 3.00) %s\n", dRatio,
         dRatio <= 3.0 ? "met" : "missed");
  return 0;
}
