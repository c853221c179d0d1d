// The movement dialogs: the distance-to-speed check, the enable rules and the values a new command
// starts with.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "flow/MoveCmdDlgs.h"
#include "resources/MoveCmdIds.h"
#include "support/TestSupport.h"
#include "CmdDlgTestSupport.h"

namespace {

class MoveCmdDlgTest : public testing::Test {
 protected:
  void SetUp() override { InitCommonControls(); }
};

const char RATIO_MESSAGE[] = "「距離÷速度」を0.10以上、または-0.10以下にして下さい！";

}  // namespace

TEST(MoveRatioTest, DistanceInDotsOverSpeed) {
  EXPECT_DOUBLE_EQ(0.1, CalcMoveRatio(1, 160, 0));
  EXPECT_DOUBLE_EQ(0.1, CalcMoveRatio(16, 160, 1));
  EXPECT_DOUBLE_EQ(1.6, CalcMoveRatio(1, 10, 0));
  EXPECT_DOUBLE_EQ(0.0, CalcMoveRatio(5, 0, 0));
  EXPECT_TRUE(IsMoveRatioValid(1, -160, 0));
  EXPECT_FALSE(IsMoveRatioValid(1, 161, 0));
  EXPECT_FALSE(IsMoveRatioValid(5, 0, 1));
}

TEST_F(MoveCmdDlgTest, OkChecksTheRatioOnlyWhenSpeedAndDistanceAreGiven) {
  struct cCase {
    int nMode, nUnit;
    const char *pszDistance, *pszSpeed;
    bool bStored;
  };
  const cCase cases[] = {
      {2, 0, "1", "160", true},  {2, 0, "1", "161", false}, {2, 0, "1", "-160", true},
      {2, 1, "16", "160", true}, {2, 0, "5", "0", false},   {0, 0, "5", "0", true},
      {1, 0, "5", "0", true},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(std::string(c.pszDistance) + " / " + c.pszSpeed + " mode " + std::to_string(c.nMode));
    cMsgBoxRecorder boxes;
    cEdCommand cmd;
    bool bOpenAfterOk = false;
    INT_PTR r = RunCmdOfKind(cmd, true, 2, &CurrentCmdDlg<cLineMoveCmdDlg>, [&](cCmdDlg* p) {
      Choose(p, IDC_MV_TIME_MODE, c.nMode);
      Choose(p, IDC_MV_DIST_UNIT, c.nUnit);
      Type(p, IDC_MV_DISTANCE, c.pszDistance);
      Type(p, IDC_MV_SPEED, c.pszSpeed);
      SendMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0);
      bOpenAfterOk = IsWindow(p->m_hWnd) && p->m_nResult == 0 && cLineMoveCmdDlg::Current() == p;
      PressCancel(p);
    });
    if (c.bStored) {
      EXPECT_EQ(1, r);
      EXPECT_TRUE(boxes.Shown().empty());
      EXPECT_EQ(atoi(c.pszSpeed), cmd.m_pMove->m_nSpeed);
      EXPECT_EQ(c.nMode, cmd.m_pMove->m_nSpecType);
    } else {
      EXPECT_EQ(0, r);
      EXPECT_TRUE(bOpenAfterOk);
      ASSERT_EQ(1u, boxes.Shown().size());
      EXPECT_EQ(RATIO_MESSAGE, boxes.Shown()[0].strText);
      EXPECT_EQ("エラー", boxes.Shown()[0].strCaption);
    }
  }
}

TEST_F(MoveCmdDlgTest, TimeModeSwitchesTheGroupAndShowsTheRatio) {
  cEdCommand cmd;
  std::string strRatio;
  bool bHiddenFirst = false, bShown = false, bHiddenAgain = false;
  bool bTimeOff = false, bUnitOffInMode0 = false;
  RunCmdOfKind(cmd, true, 2, &CurrentCmdDlg<cLineMoveCmdDlg>, [&](cCmdDlg* p) {
    bHiddenFirst = !IsShownId(p, IDC_MV_RATIO) && !IsShownId(p, IDC_MV_RATIO_NOTE);
    bUnitOffInMode0 = !IsEnabledId(p, IDC_MV_DIST_UNIT) && !IsEnabledId(p, IDC_MV_DISTANCE) &&
                      IsEnabledId(p, IDC_MV_SPEED) && IsEnabledId(p, IDC_CMD_TIME);
    Type(p, IDC_MV_DISTANCE, "1");
    Type(p, IDC_MV_SPEED, "10");
    Choose(p, IDC_MV_TIME_MODE, 2);
    bShown = IsShownId(p, IDC_MV_RATIO) && IsShownId(p, IDC_MV_RATIO_NOTE);
    bTimeOff = !IsEnabledId(p, IDC_CMD_TIME) && !IsEnabledId(p, IDC_CMD_TIME_CLONE) &&
               IsEnabledId(p, IDC_MV_DIST_UNIT) && IsEnabledId(p, IDC_MV_SPEED);
    strRatio = TextOf(p, IDC_MV_RATIO);
    Choose(p, IDC_MV_TIME_MODE, 0);
    bHiddenAgain = !IsShownId(p, IDC_MV_RATIO) && !IsShownId(p, IDC_MV_RATIO_NOTE);
    PressCancel(p);
  });
  EXPECT_TRUE(bHiddenFirst);
  EXPECT_TRUE(bUnitOffInMode0);
  EXPECT_TRUE(bShown);
  EXPECT_TRUE(bTimeOff);
  EXPECT_EQ("距離(dot)÷速度　＝　1.60 (※分身は無視)", strRatio);
  EXPECT_TRUE(bHiddenAgain);
}

TEST_F(MoveCmdDlgTest, StraightMoveRulesForTargetsAndDirections) {
  cEdCommand cmd;
  bool bMirrorOffForInput = false, bMirrorOnElse = false, bFlipsOff = false, bTargetsOffByDirection = false;
  ASSERT_EQ(1, RunCmdOfKind(cmd, true, 2, &CurrentCmdDlg<cLineMoveCmdDlg>, [&](cCmdDlg* p) {
              bTargetsOffByDirection = !IsEnabledId(p, IDC_MV_TARGET_TYPE) && !IsEnabledId(p, IDC_MV_TARGET_X) &&
                                       IsEnabledId(p, IDC_MV_DIRECTION);
              Choose(p, IDC_MV_DIRECTION, 12);
              bMirrorOffForInput = !IsEnabledId(p, IDC_MV_MIRROR_ANGLE);
              Choose(p, IDC_MV_DIRECTION, 3);
              bMirrorOnElse = IsEnabledId(p, IDC_MV_MIRROR_ANGLE);
              Choose(p, IDC_MV_SET_TYPE, 1);
              Choose(p, IDC_MV_TARGET_TYPE, 2);
              bFlipsOff = !IsEnabledId(p, IDC_MV_FLIP_X) && !IsEnabledId(p, IDC_MV_FLIP_Y) &&
                          !IsTickedId(p, IDC_MV_FLIP_X) && IsEnabledId(p, IDC_MV_TARGET_X) &&
                          !IsEnabledId(p, IDC_MV_DIRECTION);
              PressOk(p);
            }));
  EXPECT_TRUE(bTargetsOffByDirection);
  EXPECT_TRUE(bMirrorOffForInput);
  EXPECT_TRUE(bMirrorOnElse);
  EXPECT_TRUE(bFlipsOff);
  EXPECT_EQ(0, cmd.m_pMove->m_bMirrorX);
  EXPECT_EQ(0, cmd.m_pMove->m_bMirrorY);
  EXPECT_EQ(1, cmd.m_pMove->m_nAimType);
  EXPECT_EQ(2, cmd.m_pMove->m_nTargetType);
  // A new straight move: time 1, maximum speed 200, the distance at its minimum.
  EXPECT_EQ(1, cmd.m_nTime);
  EXPECT_EQ(200, cmd.m_pMove->m_nMaxSpeed);
  EXPECT_EQ(1, cmd.m_pMove->m_nDistance);
  EXPECT_EQ(3, cmd.m_pMove->m_nDirection);
}

TEST_F(MoveCmdDlgTest, NewCircleTurnAndJumpStartWithTheirValues) {
  cEdCommand circle;
  std::string strMode, strSpeed, strStart, strEnd, strRadius;
  bool bTimeOff = false;
  RunCmdOfKind(circle, true, 4, &CurrentCmdDlg<cCircleMoveCmdDlg>, [&](cCmdDlg* p) {
    strMode = ComboText(p, IDC_MV_TIME_MODE);
    strSpeed = TextOf(p, IDC_MV_SPEED);
    strStart = TextOf(p, IDC_CM_START);
    strEnd = TextOf(p, IDC_CM_END);
    strRadius = TextOf(p, IDC_CM_RADIUS);
    bTimeOff = !IsEnabledId(p, IDC_CMD_TIME) && !IsEnabledId(p, IDC_CMD_TIME_CLONE) && IsEnabledId(p, IDC_MV_SPEED);
    PressCancel(p);
  });
  EXPECT_EQ("速度を指定", strMode);
  EXPECT_EQ("20", strSpeed);
  EXPECT_EQ("0", strStart);
  EXPECT_EQ("360", strEnd);
  EXPECT_EQ("6", strRadius);
  EXPECT_TRUE(bTimeOff);

  cEdCommand turn;
  std::string strTurn;
  ASSERT_EQ(1, RunCmdOfKind(turn, true, 9, &CurrentCmdDlg<cTurnCmdDlg>, [&](cCmdDlg* p) {
              strTurn = ComboText(p, IDC_TN_TURN);
              PressOk(p);
            }));
  EXPECT_EQ("最後にブロックが当たった方の逆を向く", strTurn);
  EXPECT_EQ((cChkVector<int32_t>{11}), turn.m_vParam);

  cEdCommand jump;
  std::vector<bool> vEnabled;
  ASSERT_EQ(1, RunCmdOfKind(jump, true, 10, &CurrentCmdDlg<cJumpCmdDlg>, [&](cCmdDlg* p) {
              for (int nType : {0, 1, 2}) {
                Choose(p, IDC_JP_TYPE, nType);
                for (int nId : {IDC_JP_MAX_SPEED, IDC_JP_MIN_SPEED, IDC_JP_MIN_HEIGHT, IDC_JP_MAX_HEIGHT})
                  vEnabled.push_back(IsEnabledId(p, nId));
              }
              PressOk(p);
            }));
  EXPECT_EQ((std::vector<bool>{false, false, false, true, false, false, false, true, true, true, true, true}),
            vEnabled);
  EXPECT_EQ((cChkVector<int32_t>{2, 100, 7, 0, 4}), jump.m_vParam);
  EXPECT_EQ(1, jump.m_nTime);
  EXPECT_EQ(1, jump.m_bParallel);
}

TEST_F(MoveCmdDlgTest, ExistingMoveWithoutItsPartGetsADefaultOneInsteadOfFailing) {
  // A damaged file can leave a move command without its move part.
  cEdCommand cmd;
  cmd.m_nTime = 12;
  std::string strSpeed;
  EXPECT_EQ(0, RunCmdOfKind(cmd, false, 7, &CurrentCmdDlg<cAvoidMoveCmdDlg>, [&](cCmdDlg* p) {
              strSpeed = TextOf(p, IDC_MV_SPEED);
              PressCancel(p);
            }));
  ASSERT_NE(nullptr, cmd.m_pMove);
  EXPECT_EQ(cEdMove(), *cmd.m_pMove);
  EXPECT_EQ("10", strSpeed);
  EXPECT_EQ(12, cmd.m_nTime);
}
