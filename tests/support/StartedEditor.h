// A test fixture with the editor started in the test process on a fresh sample project, its
// message boxes recorded, and shut down again afterwards.
#pragma once

#include <gtest/gtest.h>

#include "startup/StartUp.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

class cStartedEditorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    DrainMessages();
  }
  void TearDown() override { ShutDownStartedEditor(); }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
};
