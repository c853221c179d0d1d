// How a process that started the editor in-process ends: a program that returns from main without
// the shut-down (benchmarks, tools), after a second stage was opened, after the frame went, or
// with music playing. Whatever way it ends normally, it ends, shows no box on the way, writes
// nothing after main returned, and leaves a configuration that still names the stage it had open.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "model/EditConfig.h"
#include "model/SaveMarks.h"
#include "startup/StartUp.h"
#include "support/SampleProject.h"
#include "support/StartedEditor.h"
#include "support/TestSupport.h"

namespace {

std::string BesideTest(const char* pszName) {
  char sz[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, sz, MAX_PATH);
  std::string s = sz;
  return s.substr(0, s.find_last_of('\\') + 1) + pszName;
}

struct cProbeEnd {
  bool bEnded = false;
  DWORD dwExit = 0xFFFF;
};

// Runs the probe on the project folder. A process that has not ended after two minutes never
// will: it is ended here and reported as hung.
cProbeEnd RunProbe(const std::string& strDir, const char* pszHow) {
  const std::string strProbe = HostPath(EXIT_PROBE_PATH);
  std::string cmd = "\"" + strProbe + "\" \"" + strDir + "\" " + pszHow;
  cProbeEnd end;
  HANDLE hProcess = StartProgram(strProbe, cmd, strDir, false);
  if (!hProcess) return end;
  end.bEnded = WaitForSingleObject(hProcess, 120000) == WAIT_OBJECT_0;
  if (!end.bEnded) TerminateProcess(hProcess, 0xDEAD);
  GetExitCodeProcess(hProcess, &end.dwExit);
  CloseHandle(hProcess);
  return end;
}

}  // namespace

TEST(EditorExit, ProgramEndingWithoutShutDownLeavesTheConfigurationWhole) {
  for (const char* pszHow : {"plain", "second", "closed", "music"}) {
    SCOPED_TRACE(pszHow);
    cTempDir dir;
    ASSERT_TRUE(MakeSampleProject(dir.Path(), true));
    // The music the editor's player starts with: a tune its ogg library can play.
    CreateDirectoryA(dir.File("bgm").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(BesideTest("VoxSineFixture.ogg").c_str(), dir.File("bgm\\Free.ogg").c_str(), FALSE));

    const cProbeEnd end = RunProbe(dir.Path(), pszHow);
    EXPECT_TRUE(end.bEnded);
    EXPECT_EQ(0u, end.dwExit);
    EXPECT_EQ("", ReadFileText(dir.File("probe_boxes.txt")));
    // The run is over once main returns: the windows that go after it write nothing, since
    // what they would write with may be gone by then.
    const std::vector<unsigned char> vAtReturn = ReadFileBytes(dir.File("probe_config_at_return.dat"));
    ASSERT_FALSE(vAtReturn.empty());
    EXPECT_TRUE(vAtReturn == ReadFileBytes(dir.File("e_data\\EditConfig.dat"))) << "written after main returned";
    cEditConfig cfg;
    ASSERT_TRUE(cfg.Load(dir.File("e_data\\EditConfig.dat").c_str()));
    EXPECT_EQ(SAMPLE_DEMO_STAGE, cfg.m_strLastStage);
  }
}

// No to the closing question about a failed save means: not that file again in this run. The
// windows that close after it and the shut-down try nothing and show nothing; only the author's
// own commit of the object later tries again.
using EditorClosing = cStartedEditorTest;

TEST_F(EditorClosing, NoToAFailedSaveTriesThatFileNoMore) {
  struct cKept {
    eKeptFile nKept;
    const char* pszPath;
  };
  const cKept aKept[] = {{KEPT_PRJ_OPTION, "data\\PrjOption.dat"},
                         {KEPT_EDIT_CONFIG, "e_data\\EditConfig.dat"},
                         {KEPT_VAR_NAMES, "data\\GValInfo.dat"}};
  // A folder in each file's place: the saves fail for the rest of the run.
  for (const cKept& k : aKept) {
    ASSERT_TRUE(DeleteFileA(k.pszPath));
    ASSERT_TRUE(CreateDirectoryA(k.pszPath, nullptr));
    EXPECT_EQ(0, SaveKept(k.nKept));
  }
  ASSERT_EQ(3u, m_Boxes.Shown().size());
  m_Boxes.Clear();
  for (int i = 0; i < 3; ++i) m_Boxes.Answer(IDNO);
  ASSERT_TRUE(FrameWnd.m_lpStageWnd);
  SendMessageA(FrameWnd.m_lpStageWnd->m_hWnd, WM_CLOSE, 0, 0);
  DrainMessages();
  EXPECT_FALSE(IsWindow(g_hMainWnd));
  ShutDown();
  // The three questions, and nothing after them.
  ASSERT_EQ(3u, m_Boxes.Shown().size());
  EXPECT_EQ("プロジェクトオプションが保存されていません。\n保存しますか？", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("エディターの設定が保存されていません。\n保存しますか？", m_Boxes.Shown()[1].strText);
  EXPECT_EQ("変数名が保存されていません。\n保存しますか？", m_Boxes.Shown()[2].strText);

  m_Boxes.Clear();
  EXPECT_EQ(0, CommitKept(KEPT_PRJ_OPTION));
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("data\\PrjOption.dat の保存に失敗しました！", m_Boxes.Shown()[0].strText);
  for (const cKept& k : aKept) RemoveDirectoryA(k.pszPath);
}
