// Start-up in this process: the off-screen frame, the stage window it owns, and what the frame
// does with closing, activation, minimising, the test-play return and the rebuild request.
#include <gtest/gtest.h>

#include "ShellFixtures.h"
#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "startup/MainLoop.h"
#include "startup/StartUp.h"
#include "support/SampleProject.h"
#include "stage/StageWnd.h"
#include "model/Stage.h"
#include "model/StageEditState.h"

namespace {

class FrameWndTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_hFrame = g_hMainWnd;
    ASSERT_TRUE(FrameWnd.m_lpStageWnd);
    m_hStage = FrameWnd.m_lpStageWnd->m_hWnd;
    DrainMessages();
  }
  void TearDown() override {
    ShutDownStartedEditor();
    g_bFocusRequest = 0;
    EXPECT_TRUE(WindowList.m_vWindows.empty());
  }
  bool QuitPosted(WPARAM* pnCode) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    *pnCode = msg.wParam;
    return true;
  }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  HWND m_hFrame = nullptr;
  HWND m_hStage = nullptr;
};

TEST_F(FrameWndTest, StartUpShowsTheStageWindowOwnedByTheOffScreenFrame) {
  char sz[64];
  GetClassNameA(m_hFrame, sz, sizeof sz);
  EXPECT_STREQ("Kordane4_Editor", sz);
  GetWindowTextA(m_hFrame, sz, sizeof sz);
  EXPECT_STREQ("Kordane4", sz);
  RECT rc;
  GetWindowRect(m_hFrame, &rc);
  EXPECT_EQ(9999, rc.left);
  EXPECT_EQ(9999, rc.top);
  EXPECT_EQ(1, FrameWnd.m_bInit);
  EXPECT_EQ(1, g_bStarted);

  cStageWnd* lpStage = FrameWnd.m_lpStageWnd;
  EXPECT_EQ(lpStage, g_pCurEditor);
  EXPECT_TRUE(IsWindowVisible(m_hStage));
  EXPECT_EQ(m_hFrame, GetWindow(m_hStage, GW_OWNER));
  // The stage window first, then its six palette windows and the character group window.
  ASSERT_EQ(8u, WindowList.m_vWindows.size());
  EXPECT_EQ(lpStage, WindowList.m_vWindows[0]);
  EXPECT_EQ(1, lpStage->m_bInit);
  GetWindowRect(m_hStage, &rc);
  EXPECT_EQ(50, rc.left);
  EXPECT_EQ(50, rc.top);
  GetClientRect(lpStage->m_ViewCtrl.m_hWnd, &rc);
  EXPECT_EQ(640, rc.right);
  EXPECT_EQ(480, rc.bottom);
  EXPECT_TRUE(FileExists(m_Dir.File("e_data")));
  EXPECT_TRUE(FileExists(m_Dir.File("e_bmp")));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(FrameWndTest, ClosingTheFrameAsksFirstAndEndsTheLoopWithZeroOnYes) {
  m_Boxes.Answer(IDNO);
  SendMessageA(m_hFrame, WM_KEYDOWN, VK_ESCAPE, 0);
  DrainMessages();
  m_Boxes.Answer(IDNO);
  SendMessageA(m_hFrame, WM_CLOSE, 0, 0);
  WPARAM nCode = 99;
  EXPECT_FALSE(QuitPosted(&nCode));
  EXPECT_TRUE(IsWindow(m_hFrame));
  EXPECT_TRUE(IsWindowVisible(m_hStage));
  ASSERT_EQ(2u, m_Boxes.Shown().size());
  for (const cShownBox& b : m_Boxes.Shown()) {
    EXPECT_EQ("終了しますか？\n", b.strText);
    EXPECT_EQ("終了確認", b.strCaption);
    EXPECT_EQ(m_hFrame, b.hOwner);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), b.uType & MB_TYPEMASK);
  }
  m_Boxes.Answer(IDYES);
  PostMessageA(m_hFrame, WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, RunMainLoop());
  EXPECT_FALSE(IsWindow(m_hFrame));
  EXPECT_FALSE(IsWindow(m_hStage));
  EXPECT_EQ(nullptr, g_pCurEditor);
}

// Ending through the frame (Escape, the memory-shortage box) asks what closing the stage window
// asks; a cancel anywhere keeps the editor with its changes.
TEST_F(FrameWndTest, ClosingTheFrameOverAChangedStageAsksToSaveItFirst) {
  const std::string EXIT = "終了しますか？\n";
  const std::string STAGE = "ステージが変更された可能性があります。\n保存しますか？";
  const std::string PALETTE = "コモンパレットが変更された可能性があります。\n保存しますか？";
  const std::string strPath = StageEditState.m_strStagePath;
  ASSERT_FALSE(strPath.empty());
  const std::vector<unsigned char> vBefore = ReadFileBytes(strPath);
  Stage.m_vBlockGrid[0].m_nGraphic = 81;
  StageEditState.m_bStageChanged = 1;
  StageEditState.m_bPaletteChanged = 1;
  struct {
    const char* pszName;
    std::vector<int> vAnswers;
    std::vector<std::string> vAsked;
  } const aKept[] = {
      {"cancel at the stage", {IDYES, IDCANCEL}, {EXIT, STAGE}},
      {"cancel at the common palette", {IDYES, IDNO, IDCANCEL}, {EXIT, STAGE, PALETTE}},
  };
  for (const auto& c : aKept) {
    SCOPED_TRACE(c.pszName);
    m_Boxes.Clear();
    for (int n : c.vAnswers) m_Boxes.Answer(n);
    SendMessageA(m_hFrame, WM_CLOSE, 0, 0);
    ASSERT_EQ(c.vAsked.size(), m_Boxes.Shown().size());
    for (size_t i = 0; i < c.vAsked.size(); ++i) EXPECT_EQ(c.vAsked[i], m_Boxes.Shown()[i].strText);
    WPARAM nCode = 99;
    EXPECT_FALSE(QuitPosted(&nCode));
    EXPECT_TRUE(IsWindow(m_hFrame));
    EXPECT_TRUE(IsWindowVisible(m_hStage));
    EXPECT_EQ(1, StageEditState.m_bStageChanged);
    EXPECT_EQ(81, Stage.m_vBlockGrid[0].m_nGraphic);
    EXPECT_EQ(vBefore, ReadFileBytes(strPath));
  }
  // Yes to the stage saves it before the editor ends.
  m_Boxes.Clear();
  for (int n : {IDYES, IDYES, IDNO}) m_Boxes.Answer(n);
  SendMessageA(m_hFrame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(m_hFrame));
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  cEdStage saved;
  ASSERT_TRUE(saved.Load(strPath.c_str()));
  EXPECT_EQ(81, saved.m_vBlockGrid[0].m_nGraphic);
}

TEST_F(FrameWndTest, ClosingTheStageWindowEndsTheProgramWithoutTheExitQuestion) {
  SendMessageA(m_hStage, WM_CLOSE, 0, 0);
  WPARAM nCode = 99;
  EXPECT_TRUE(QuitPosted(&nCode));
  EXPECT_EQ(0u, nCode);
  EXPECT_FALSE(IsWindow(m_hFrame));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(FrameWndTest, TestPlayReturnOfKindZeroActivatesTheStageWindowOtherKindsDoNothing) {
  HWND hOther = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 700, 600, 100, 50,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  auto fnSend = [&](ULONG_PTR nKind) {
    char data[4] = {1, 2, 3, 4};
    COPYDATASTRUCT cds = {nKind, sizeof data, data};
    return SendMessageA(m_hFrame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
  };
  for (ULONG_PTR nKind : {1, 2}) {
    EXPECT_TRUE(Retried([&] {
      if (!Activate(hOther)) return false;
      EXPECT_EQ(0, fnSend(nKind));
      return GetActiveWindow() == hOther;
    })) << nKind;
  }
  EXPECT_TRUE(Retried([&] {
    if (!Activate(hOther)) return false;
    fnSend(0);
    return GetActiveWindow() == m_hStage;
  }));
  DestroyWindow(hOther);
}

TEST_F(FrameWndTest, RebuildRequestReplacesTheStageWindow) {
  for (WPARAM w : {0, 2}) {
    SendMessageA(m_hFrame, WM_USER, w, 0);
    EXPECT_EQ(m_hStage, FrameWnd.m_lpStageWnd->m_hWnd) << w;
  }
  SendMessageA(m_hFrame, WM_USER, 1, 0);
  cStageWnd* lpNew = FrameWnd.m_lpStageWnd;
  ASSERT_TRUE(lpNew);
  EXPECT_FALSE(IsWindow(m_hStage));
  EXPECT_TRUE(IsWindow(lpNew->m_hWnd));
  EXPECT_TRUE(IsWindowVisible(lpNew->m_hWnd));
  EXPECT_EQ(lpNew, g_pCurEditor);
  // Only the new stage window and its own tool windows are registered.
  ASSERT_EQ(8u, WindowList.m_vWindows.size());
  EXPECT_EQ(lpNew, WindowList.m_vWindows[0]);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(FrameWndTest, MinimisingHidesTheEditorAndActivationRestoresIt) {
  cStageWnd* lpStage = FrameWnd.m_lpStageWnd;
  SendMessageA(m_hStage, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(1, lpStage->m_bMinimised);
  EXPECT_FALSE(IsWindowVisible(m_hStage));
  EXPECT_TRUE(IsIconic(m_hFrame));

  // The frame's own activation message (no other thread named) only switches the idle step on.
  g_bAppActive = 0;
  SendMessageA(m_hFrame, WM_ACTIVATEAPP, 1, 0);
  EXPECT_EQ(1, g_bAppActive);
  EXPECT_EQ(1, lpStage->m_bMinimised);
  EXPECT_FALSE(IsWindowVisible(m_hStage));

  SendMessageA(m_hFrame, WM_ACTIVATEAPP, 0, 1234);
  EXPECT_EQ(0, g_bAppActive);
  EXPECT_TRUE(IsIconic(m_hFrame));
  EXPECT_FALSE(IsWindowVisible(m_hStage));

  g_bFocusRequest = 0;
  SendMessageA(m_hFrame, WM_ACTIVATEAPP, 1, 1234);
  EXPECT_EQ(0, lpStage->m_bMinimised);
  EXPECT_TRUE(IsWindowVisible(m_hStage));
  EXPECT_FALSE(IsIconic(m_hFrame));
  EXPECT_EQ(1, g_bFocusRequest);

  // Restoring from the taskbar goes the same way.
  SendMessageA(m_hStage, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  SendMessageA(m_hFrame, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(0, lpStage->m_bMinimised);
  EXPECT_TRUE(IsWindowVisible(m_hStage));

  // Moving the frame switches the idle step on again.
  g_bAppActive = 0;
  SetWindowPos(m_hFrame, nullptr, 9990, 9990, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(1, g_bAppActive);
}

}  // namespace
