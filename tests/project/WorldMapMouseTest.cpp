// The world map window with the system's own mouse, while the idle step runs every registered
// window as the main loop does: a selection dragged out of the view and given up there.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/WindowList.h"
#include "model/Globals.h"
#include "model/WorldMapEditState.h"
#include "project/WmPalettes.h"
#include "project/WorldMapWnd.h"
#include "resources/StageIds.h"
#include "stage/FrameWnd.h"
#include "stage/StageWnd.h"
#include "startup/StartUp.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

class WorldMapMouseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    ASSERT_TRUE(FrameWnd.m_lpStageWnd);
    DrainMessages();
    SendMessageA(FrameWnd.m_lpStageWnd->m_hWnd, WM_COMMAND, ID_WORLD_MAP, 0);
    m_lpWnd = cWorldMapWnd::Current();
    ASSERT_TRUE(m_lpWnd);
    DrainMessages();
    // Nothing stands over the view where the cursor goes.
    if (m_lpWnd->m_lpChipPalette) ShowWindow(m_lpWnd->m_lpChipPalette->m_hWnd, SW_HIDE);
    SetWindowPos(m_lpWnd->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(Activate(m_lpWnd->m_hWnd));
    DrainMessages();
  }
  void TearDown() override {
    // No button is left down for the tests after this one.
    if (IsButtonHeld(VK_RBUTTON)) PressMouseButton(MOUSEEVENTF_RIGHTUP);
    ShutDownStartedEditor();
  }
  // A point of the view in screen coordinates: the middle of a cell, or below the view's last
  // row, over the horizontal scroll bar.
  POINT ViewPoint(int32_t c, int32_t r, bool bBelow) const {
    POINT pt = {m_lpWnd->m_nViewX + c * 32 + 16,
                bBelow ? m_lpWnd->m_nViewY + m_lpWnd->m_nViewH + 6 : m_lpWnd->m_nViewY + r * 32 + 16};
    ClientToScreen(m_lpWnd->m_hWnd, &pt);
    return pt;
  }
  static void PutCursor(POINT pt) {
    SetCursorPos(pt.x, pt.y);
    DrainMessages();
  }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cWorldMapWnd* m_lpWnd = nullptr;
};

// The stage window stays registered (hidden) while the world map is edited, and the idle step
// runs it first: it must not use up the press that the world map is waiting for.
TEST_F(WorldMapMouseTest, APressOutsideTheViewGivesUpTheSelectionWhileTheIdleStepRuns) {
  cWorldMapEditState& st = WorldMapEditState;
  st.m_nBrushW = st.m_nBrushH = 1;
  PutCursor(ViewPoint(2, 1, false));
  ASSERT_TRUE(PressMouseButton(MOUSEEVENTF_RIGHTDOWN));
  DrainMessages();
  ASSERT_EQ(1, st.m_bDragging);
  // Let go where the window is not told: the drag goes on.
  ASSERT_TRUE(PressMouseButton(MOUSEEVENTF_RIGHTUP));
  DropMouseMessages();
  PutCursor(ViewPoint(5, 0, true));
  WindowList.FrameAll();
  ASSERT_EQ(1, st.m_bDragging);
  ASSERT_TRUE(PressMouseButton(MOUSEEVENTF_RIGHTDOWN));
  WindowList.FrameAll();
  EXPECT_EQ(0, st.m_bDragging);
  // The release that follows takes no selection either.
  ASSERT_TRUE(PressMouseButton(MOUSEEVENTF_RIGHTUP));
  WindowList.FrameAll();
  EXPECT_EQ(1, st.m_nBrushW);
  EXPECT_EQ(1, st.m_nBrushH);
}

}  // namespace
