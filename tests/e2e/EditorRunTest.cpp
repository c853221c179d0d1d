// The real editor in a fresh project folder, driven from outside by Driver.exe: single-instance
// question, exit question, exit codes and the report log.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

// Build paths are host paths; the programs run under the drive that maps the host's root.
std::string HostPath(const char* pszPath) {
  std::string s = pszPath;
  for (char& c : s)
    if (c == '/') c = '\\';
  if (!s.empty() && s[0] == '\\') s = "Z:" + s;
  return s;
}

// Runs the driver on one scenario and returns its exit code.
DWORD RunDriver(const std::string& strScenario, const std::string& strDir) {
  std::string strDriver = HostPath(DRIVER_EXE_PATH);
  std::string strEditor = HostPath(EDITOR_EXE_PATH);
  std::string cmd = "\"" + strDriver + "\" " + strScenario + " \"" + strEditor + "\" \"" + strDir + "\"";
  std::vector<char> buf(cmd.begin(), cmd.end());
  buf.push_back(0);
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  if (!CreateProcessA(strDriver.c_str(), buf.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      strDir.c_str(), &si, &pi))
    return 0xFFFF;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD dwCode = 0xFFFF;
  GetExitCodeProcess(pi.hProcess, &dwCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return dwCode;
}

TEST(EditorRun, ExitQuestionNoKeepsRunningYesEndsWithZeroAndReportLogIsWritten) {
  cTempDir dir;
  EXPECT_EQ(0u, RunDriver("close", dir.Path()));
}

TEST(EditorRun, SecondStartAnsweredNoEndsWithZeroAndFirstKeepsRunning) {
  cTempDir dir;
  EXPECT_EQ(0u, RunDriver("double-no", dir.Path()));
}

TEST(EditorRun, SecondStartAnsweredYesRunsASecondEditor) {
  cTempDir dir;
  EXPECT_EQ(0u, RunDriver("double-yes", dir.Path()));
}

}  // namespace
