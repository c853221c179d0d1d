// The real editor in a fresh project folder, driven from outside by Driver.exe: the default-data
// question, a failed project load, the single-instance question, the exit question, exit codes,
// the report log, saving the stage and starting the game.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

// Runs the driver on one scenario and returns its exit code.
DWORD RunDriver(const std::string& strScenario, const std::string& strDir) {
  std::string strDriver = HostPath(DRIVER_EXE_PATH);
  std::string strEditor = HostPath(EDITOR_EXE_PATH);
  std::string cmd = "\"" + strDriver + "\" " + strScenario + " \"" + strEditor + "\" \"" + strDir + "\"";
  HANDLE hProcess = StartProgram(strDriver, cmd, strDir, true);
  if (!hProcess) return 0xFFFF;
  WaitForSingleObject(hProcess, INFINITE);
  DWORD dwCode = 0xFFFF;
  GetExitCodeProcess(hProcess, &dwCode);
  CloseHandle(hProcess);
  return dwCode;
}

TEST(EditorRun, ExitQuestionNoKeepsRunningYesEndsWithZeroAndReportLogIsWritten) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), true));
  EXPECT_EQ(0u, RunDriver("close", dir.Path()));
}

TEST(EditorRun, SecondStartAnsweredNoEndsWithZeroAndFirstKeepsRunning) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), true));
  EXPECT_EQ(0u, RunDriver("double-no", dir.Path()));
}

TEST(EditorRun, SecondStartAnsweredYesRunsASecondEditor) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), true));
  EXPECT_EQ(0u, RunDriver("double-yes", dir.Path()));
}

TEST(EditorRun, DefaultDataAnsweredYesMakesDataAndEveryFolderAndTheProjectLoads) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), false));
  EXPECT_EQ(0u, RunDriver("default-yes", dir.Path()));
  EXPECT_FALSE(FileExists(dir.File("data\\default")));
  EXPECT_EQ(ReadFileBytes(dir.File("default\\System.dat")), ReadFileBytes(dir.File("data\\System.dat")));
  for (const char* psz : EditorFolders) EXPECT_TRUE(FileExists(dir.File(psz))) << psz;
  for (const char* psz : ProjectFolders) EXPECT_TRUE(FileExists(dir.File(psz))) << psz;
  // Shut-down keeps the demo stage as the last one and writes the thousand common-variable names.
  cEditConfig cfg;
  ASSERT_TRUE(cfg.Load(dir.File("e_data\\EditConfig.dat").c_str()));
  EXPECT_EQ(SAMPLE_DEMO_STAGE, cfg.m_strLastStage);
  cChkVector<cEdVarName> vNames;
  ASSERT_TRUE(ReadVarNames(vNames, dir.File("data\\GValInfo.dat").c_str()));
  EXPECT_EQ(1000u, vNames.size());
}

TEST(EditorRun, DefaultDataAnsweredNoEndsWithoutAWindowOrData) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), false));
  EXPECT_EQ(0u, RunDriver("default-no", dir.Path()));
  EXPECT_FALSE(FileExists(dir.File("data")));
}

TEST(EditorRun, MissingChipBitmapEndsTheStartWithItsMessages) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), true));
  ASSERT_TRUE(DeleteFileA(dir.File("bmp\\Mark.bmp").c_str()));
  EXPECT_EQ(0u, RunDriver("missing-chip", dir.Path()));
}

TEST(EditorRun, CtrlSSavesTheDemoStageAndF5StartsTheGameOnItOnce) {
  cTempDir dir;
  ASSERT_TRUE(MakeSampleProject(dir.Path(), true));
  ASSERT_TRUE(CopyFileA(HostPath(GAME_EXE_PATH).c_str(), dir.File("Game.exe").c_str(), FALSE));
  EXPECT_EQ(0u, RunDriver("save-play", dir.Path()));
}

}  // namespace
