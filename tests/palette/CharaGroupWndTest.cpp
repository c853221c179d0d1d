// The character group window beside the sample project's stage window: which group buttons show
// pressed, that a click changes none, the stage window's commands and the space key given there,
// and where it opens and what it remembers.
#include <gtest/gtest.h>

#include <windows.h>

#include "stage/FrameWnd.h"
#include "model/DataFile.h"
#include "model/EditConfig.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/CharaGroupWnd.h"
#include "resources/StageIds.h"
#include "stage/StageWnd.h"
#include "support/StartedEditor.h"

namespace {

class CharaGroupWndTest : public cStartedEditorTest {
 protected:
  void SetUp() override {
    cStartedEditorTest::SetUp();
    if (HasFatalFailure()) return;
    m_lpStage = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpStage);
    m_lpWnd = cCharaGroupWnd::Current();
    ASSERT_TRUE(m_lpWnd && m_lpWnd->m_hWnd);
    ASSERT_EQ(m_lpWnd, m_lpStage->m_lpTool[cStageWnd::TOOL_GROUP]);
  }
  bool Pressed(int32_t nGroup) const {
    return SendMessageA(GetDlgItem(m_lpWnd->m_hWnd, cCharaGroupWnd::ButtonId(nGroup)), BM_GETCHECK, 0, 0) ==
           BST_CHECKED;
  }

  cStageWnd* m_lpStage = nullptr;
  cCharaGroupWnd* m_lpWnd = nullptr;
};

}  // namespace

TEST_F(CharaGroupWndTest, ShowsTheGroupsOfPlacedCharactersAndAClickChangesNone) {
  char sz[64] = "";
  GetWindowTextA(m_lpWnd->m_hWnd, sz, sizeof sz);
  EXPECT_STREQ("キャラのグループ情報", sz);
  GetDlgItemTextA(m_lpWnd->m_hWnd, cCharaGroupWnd::ButtonId(59), sz, sizeof sz);
  EXPECT_STREQ("59", sz);
  Stage.m_vCharaGrid.ForEach([](int32_t, cEdChara& c) { c.m_bGroup = 0; });
  // Groups 0 and 59 are used; a character without its group flag and a number past the last
  // count for nothing.
  const int32_t aGroups[][2] = {{1, 0}, {1, 59}, {0, 30}, {1, 60}};
  for (int i = 0; i < 4; ++i) {
    cEdChara& c = Stage.m_vCharaGrid[Stage.CellIndex(i, 0)];
    c.m_nGraphic = 1;
    c.m_bGroup = static_cast<int8_t>(aGroups[i][0]);
    c.m_nGroupNo = static_cast<int16_t>(aGroups[i][1]);
  }
  m_lpWnd->Draw();
  for (int32_t k = 0; k < cCharaGroupWnd::GROUP_COUNT; ++k) EXPECT_EQ(k == 0 || k == 59, Pressed(k)) << k;
  for (int32_t k : {0, 1}) {
    SendMessageA(GetDlgItem(m_lpWnd->m_hWnd, cCharaGroupWnd::ButtonId(k)), BM_CLICK, 0, 0);
    DrainMessages();
    EXPECT_EQ(k == 0, Pressed(k)) << k;
  }
}

TEST_F(CharaGroupWndTest, PassesTheStageCommandsAndTheSpaceKeyOnOnce) {
  StageEditState.m_bStageChanged = 1;
  SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, ID_STAGE_SAVE, 0);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  const int32_t nLayer = StageEditState.m_nLayer;
  SendMessageA(m_lpWnd->m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ((nLayer + 1) % 3, StageEditState.m_nLayer);
  // The accelerator table's own command for the key is not a second press.
  SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, ID_ACC_SPACE, 0);
  EXPECT_EQ((nLayer + 1) % 3, StageEditState.m_nLayer);
  // Closing is the stage window's business.
  SendMessageA(m_lpWnd->m_hWnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(m_lpWnd->m_hWnd));
}

TEST_F(CharaGroupWndTest, OpensAboveTheStageWindowAndRemembersWhereItStood) {
  cDialog*& lpSlot = m_lpStage->m_lpTool[cStageWnd::TOOL_GROUP];
  auto Recreate = [&] {
    SafeDelete(lpSlot);
    lpSlot = NewCharaGroupWnd(m_lpStage);
    lpSlot->DoModeless(0, 0);
  };
  auto ExpectAt = [&](int x, int y) {
    RECT rc;
    GetWindowRect(lpSlot->m_hWnd, &rc);
    EXPECT_EQ(x, rc.left);
    EXPECT_EQ(y, rc.top);
  };
  // Without a stored place: beside the stage window's left edge, its bottom on the stage
  // window's top; with no room above, below the stage window. Never over the stage's caption.
  RECT rcWork;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
  RECT rcStage;
  for (int yStage : {300, static_cast<int>(rcWork.top)}) {
    SCOPED_TRACE(yStage);
    SetWindowPos(m_lpStage->m_hWnd, nullptr, 100, yStage, 640, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(m_lpStage->m_hWnd, &rcStage);
    SafeDelete(lpSlot);
    EditConfig.m_aPlace[PLACE_CHARA_GROUP].m_bValid = 0;
    Recreate();
    RECT rc;
    GetWindowRect(lpSlot->m_hWnd, &rc);
    ExpectAt(108, yStage == 300 ? 300 - (rc.bottom - rc.top) : static_cast<int>(rcStage.bottom));
  }
  // Moved, it remembers the place when it goes, and the next one opens there.
  DeleteFileA(EDIT_CONFIG_FILE);
  SetWindowPos(lpSlot->m_hWnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SafeDelete(lpSlot);
  const cWndPlacement& place = EditConfig.m_aPlace[PLACE_CHARA_GROUP];
  EXPECT_EQ(1, place.m_bValid);
  EXPECT_EQ(300, place.m_nX);
  EXPECT_EQ(200, place.m_nY);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(EDIT_CONFIG_FILE));
  Recreate();
  ExpectAt(300, 200);
}

static int FailWrite(HANDLE, const void*, DWORD) { return 0; }

// The place is written to the configuration as the window goes: a write that fails is told, and
// closing the editor asks for the configuration again.
TEST_F(CharaGroupWndTest, ConfigurationThatCannotBeWrittenAsTheWindowGoesIsToldAndAskedForAgain) {
  cDialog*& lpSlot = m_lpStage->m_lpTool[cStageWnd::TOOL_GROUP];
  ASSERT_TRUE(lpSlot);
  const std::vector<unsigned char> vBefore = ReadFileBytes(EDIT_CONFIG_FILE);
  DataFileWriteFn pfnPrev = SetDataFileWriteFn(FailWrite);
  m_Boxes.Clear();
  SafeDelete(lpSlot);
  SetDataFileWriteFn(pfnPrev);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(std::string(EDIT_CONFIG_FILE) + " の保存に失敗しました！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ(vBefore, ReadFileBytes(EDIT_CONFIG_FILE));
  EXPECT_TRUE(HasFailedSave(KEPT_EDIT_CONFIG));
  m_Boxes.Clear();
  m_Boxes.Answer(IDCANCEL);
  EXPECT_EQ(0, m_lpStage->AskSave());
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("エディターの設定が保存されていません。\n保存しますか？", m_Boxes.Shown()[0].strText);
}
