// Every property sheet of the stage window, opened, closed with OK through the main loop and opened
// again: the loop deletes a closed sheet after the message that closed it, even when no further
// message arrives, and the message that follows is still delivered.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "startup/MainLoop.h"
#include "app/PropSheet.h"
#include "startup/StartUp.h"
#include "app/WindowList.h"
#include "resources/StageIds.h"
#include "stage/StageWnd.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

int g_nProbeMessages = 0;

LRESULT CALLBACK ProbeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_APP) ++g_nProbeMessages;
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

class SheetCyclesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpStage = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpStage);
    DrainMessages();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SheetCyclesProbe";
    RegisterClassA(&wc);
    m_hProbe = CreateWindowA("SheetCyclesProbe", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(m_hProbe);
  }
  void TearDown() override {
    DestroyWindow(m_hProbe);
    ShutDownStartedEditor();
  }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpStage = nullptr;
  HWND m_hProbe = nullptr;
};

TEST_F(SheetCyclesTest, EverySheetClosesOnOkAndOpensAgain) {
  const struct {
    const char* pszName;
    WORD wCommand;
  } aSheets[] = {
      {"stage settings", ID_STAGE_SETTINGS},
      {"database", ID_DATABASE},
      {"system", ID_SYSTEM},
      {"project options", ID_PRJ_OPTION},
  };
  for (const auto& s : aSheets) {
    for (int nCycle = 0; nCycle < 3; ++nCycle) {
      SCOPED_TRACE(std::string(s.pszName) + " #" + std::to_string(nCycle));
      SendMessageA(m_lpStage->m_hWnd, WM_COMMAND, s.wCommand, 0);
      ASSERT_EQ(1u, WindowList.m_vSheets.size());
      const HWND hSheet = WindowList.m_vSheets[0].lpSheet->m_hSheet;
      ASSERT_TRUE(IsWindow(hSheet));
      DrainMessages();
      // The OK click, alone or followed by another message; the quit comes only once the queue
      // is empty, where the loop would otherwise wait.
      const bool bFollowed = nCycle != 1;
      g_nProbeMessages = 0;
      PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
      if (bFollowed) PostMessageA(m_hProbe, WM_APP, 0, 0);
      PostQuitMessage(0);
      RunMainLoop();
      EXPECT_TRUE(WindowList.m_vSheets.empty());
      EXPECT_FALSE(IsWindow(hSheet));
      EXPECT_EQ(bFollowed ? 1 : 0, g_nProbeMessages);
      if (!WindowList.m_vSheets.empty()) return;
    }
  }
}

}  // namespace
