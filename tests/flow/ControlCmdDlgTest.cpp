// The dialogs of the flow and game control, status and item, presentation, code, arrange and loop
// commands: every kind opens its own dialog from both numberings, and a table of conformance runs
// over all of them; then the rules of single dialogs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "controls/InputDlg.h"
#include "app/WindowList.h"
#include "flow/CodeCmdDlgs.h"
#include "flow/FlowCtrlCmdDlgs.h"
#include "flow/PresentCmdDlgs.h"
#include "flow/StatusCmdDlgs.h"
#include "model/ArrangeTable.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/RecordTestSupport.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/StageOptionTables.h"
#include "resources/ControlCmdIds.h"
#include "resources/InputDlgIds.h"
#include "support/AnswerWhenUp.h"
#include "support/TestSupport.h"

namespace {

// Runs dialog D on the command as the palette's opener does (the kind's own template).
template <class D>
INT_PTR RunDlg(cEdCommand& cmd, int32_t bNew, std::function<void(D*)> fn) {
  cCmdEditInfo info{&cmd, bNew};
  const cCmdDlgKind& k = cmd.m_bItem ? ItemCmdDlgKind(cmd.m_nKind) : CharaCmdDlgKind(cmd.m_nKind);
  D dlg(k.m_wTemplateId, nullptr, cWindow::KIND_DIALOG, &info, &WindowList, static_cast<cControl*>(nullptr), 0);
  cAnswerWhenUp<D> act(std::move(fn));
  return dlg.DoModal(0);
}

void Press(cDialog* p, uint16_t wId) { PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED), 0); }

void Choose(cDialog* p, uint16_t wId, int nPos) {
  SendDlgItemMessageA(p->m_hWnd, wId, CB_SETCURSEL, nPos, 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, wId)));
}

void Tick(cDialog* p, uint16_t wId, bool bCheck) {
  SendDlgItemMessageA(p->m_hWnd, wId, BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, wId)));
}

bool Enabled(cDialog* p, uint16_t wId) { return IsWindowEnabled(GetDlgItem(p->m_hWnd, wId)) != FALSE; }
bool Checked(cDialog* p, uint16_t wId) { return SendDlgItemMessageA(p->m_hWnd, wId, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string ItemText(cDialog* p, uint16_t wId, int nPos) {
  char sz[256] = "";
  SendDlgItemMessageA(p->m_hWnd, wId, CB_GETLBTEXT, nPos, reinterpret_cast<LPARAM>(sz));
  return sz;
}
int ItemCount(cDialog* p, uint16_t wId) { return static_cast<int>(SendDlgItemMessageA(p->m_hWnd, wId, CB_GETCOUNT, 0, 0)); }

// Changes one enabled control the author could change: a combo to its next item, else a value
// edit to another value within its range. False when the dialog offers nothing to change.
bool ChangeSomething(cDialog* p, cCtrlSet& c) {
  for (auto& e : c.m_vCombo32) {
    HWND h = e.m_Ctrl.m_hWnd;
    const int n = static_cast<int>(SendMessageA(h, CB_GETCOUNT, 0, 0));
    if (!IsWindowEnabled(h) || n < 2) continue;
    Choose(p, e.m_Param.wId, (static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0)) + 1) % n);
    return true;
  }
  for (auto& e : c.m_vEdit32) {
    if (!IsWindowEnabled(e.m_Ctrl.m_hWnd) || e.m_Ctrl.m_Min == e.m_Ctrl.m_Max) continue;
    const int32_t v = e.m_Ctrl.ParseText() == e.m_Ctrl.m_Min ? e.m_Ctrl.m_Max : e.m_Ctrl.m_Min;
    SetWindowTextA(e.m_Ctrl.m_hWnd, std::to_string(v).c_str());
    return true;
  }
  for (auto& e : c.m_vCombo8) {
    const int n = static_cast<int>(SendMessageA(e.m_Ctrl.m_hWnd, CB_GETCOUNT, 0, 0));
    if (!IsWindowEnabled(e.m_Ctrl.m_hWnd) || n < 2) continue;
    Choose(p, e.m_Param.wId, (static_cast<int>(SendMessageA(e.m_Ctrl.m_hWnd, CB_GETCURSEL, 0, 0)) + 1) % n);
    return true;
  }
  return false;
}

// Every bound control sits on an item of the template.
int MissingControls(cDialog* p) {
  int n = 0;
  for (cControl* c : p->m_vCtrls)
    if (!c->m_hWnd || GetParent(c->m_hWnd) != p->m_hWnd) ++n;
  return n;
}

std::string Caption(cDialog* p) {
  char sz[128] = "";
  GetWindowTextA(p->m_hWnd, sz, sizeof sz);
  return sz;
}

// The conformance of one class over one character kind (and the item kind of the same command
// when there is one): it opens from the kind's opener, new and existing; a new command confirmed
// gets the kind's parameter count; Cancel leaves an existing command as it was; OK without a
// change keeps it, OK after a change stores the change.
template <class D>
void CheckKind(int nKind, cEdCommand& made) {
  SCOPED_TRACE(nKind);
  const cCmdKindInfo& info = CmdKindTable[nKind];
  cEdCommand cmd;
  cmd.m_nKind = static_cast<int8_t>(nKind);
  cCmdEditInfo edit{&cmd, 1};
  cDialog* lpSlot = nullptr;
  std::string strCaption;
  int nMissing = -1;
  const int nBefore = cAnswerWhenUp<D>::s_nAnswered;
  {
    cAnswerWhenUp<D> ok([&](D* p) {
      strCaption = Caption(p);
      nMissing = MissingControls(p);
      Press(p, IDC_CMD_OK);
    });
    EXPECT_EQ(1, OpenCmdDlgOfKind(CharaCmdDlgKind(nKind), nullptr, lpSlot, &edit, &WindowList,
                                  nullptr));
  }
  EXPECT_EQ(nBefore + 1, cAnswerWhenUp<D>::s_nAnswered) << "the kind's own class opened";
  EXPECT_EQ(0, nMissing);
  EXPECT_FALSE(strCaption.empty());
  EXPECT_EQ(static_cast<size_t>(info.m_nParamCount), cmd.m_vParam.size());
  made = cmd;

  const cEdCommand before = cmd;
  bool bChanged = false;
  EXPECT_EQ(0, RunDlg<D>(cmd, 0, [&](D* p) {
              bChanged = ChangeSomething(p, p->m_Ctrls);
              Press(p, IDC_CMD_CANCEL);
            }));
  EXPECT_EQ(before, cmd) << "Cancel keeps the command";
  EXPECT_EQ(1, RunDlg<D>(cmd, 0, [&](D* p) { Press(p, IDC_CMD_OK); }));
  EXPECT_EQ(before, cmd) << "OK on what is shown keeps the command";
  EXPECT_EQ(1, RunDlg<D>(cmd, 0, [&](D* p) {
              ChangeSomething(p, p->m_Ctrls);
              Press(p, IDC_CMD_OK);
            }));
  if (bChanged) EXPECT_NE(before, cmd) << "OK stores what was changed";

  if (nKind <= ITEM_CMD_KIND_OFFSET + 1) return;
  cEdCommand item;
  item.m_bItem = 1;
  item.m_nKind = static_cast<int8_t>(nKind - ITEM_CMD_KIND_OFFSET);
  cCmdEditInfo itemEdit{&item, 1};
  const int nItemBefore = cAnswerWhenUp<D>::s_nAnswered;
  {
    cAnswerWhenUp<D> ok([&](D* p) { Press(p, IDC_CMD_OK); });
    EXPECT_EQ(1, OpenCmdDlgOfKind(ItemCmdDlgKind(item.m_nKind), nullptr, lpSlot, &itemEdit,
                                  &WindowList, nullptr));
  }
  EXPECT_EQ(nItemBefore + 1, cAnswerWhenUp<D>::s_nAnswered) << "the item kind opens the same class";
  EXPECT_EQ(static_cast<size_t>(ItemCmdKindTable[item.m_nKind].m_nParamCount), item.m_vParam.size());
}

template <class R>
void AddNamed(cChkVector<R>& v, int n) {
  v.clear();
  for (int i = 0; i < n; ++i) {
    v.push_back(R());
    v.back().m_strName = "rec" + std::to_string(i);
  }
}

class ControlCmdDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_SavedDb = Database;
    AddNamed(Database.m_vAnimeSet, 3);
    AddNamed(Database.m_vAnime, 3);
    AddNamed(Database.m_vEffect, 3);
    AddNamed(Database.m_vCharaEffect, 3);
    AddNamed(Database.m_vScrEffect, 3);
    AddNamed(Database.m_vPicture, 3);
    AddNamed(Database.m_vSound, 3);
    AddNamed(Database.m_vBgm, 3);
    if (ArrangeParamTable.empty()) BuildArrangeParamTable();
    if (ScrollInfoTable.empty()) BuildScrollInfoTable(ScrollModeNames);  // as start-up does
  }
  void TearDown() override { Database = m_SavedDb; }

  cEdDatabase m_SavedDb;
  cMsgBoxRecorder m_Boxes;
};

}  // namespace

TEST_F(ControlCmdDlgTest, EveryKindOpensItsOwnDialogAndFollowsTheCommandRules) {
  typedef void (*Check)(int, cEdCommand&);
  const struct {
    int nKind;
    Check pfn;
  } KINDS[] = {
      {16, &CheckKind<cFlowOpCmdDlg>},      {17, &CheckKind<cStageClearCmdDlg>},  {18, &CheckKind<cGameWaitCmdDlg>},
      {19, &CheckKind<cMessageCmdDlg>},     {20, &CheckKind<cWarpCmdDlg>},        {21, &CheckKind<cTargetCmdDlg>},
      {22, &CheckKind<cStatusCmdDlg>},      {23, &CheckKind<cStatus2CmdDlg>},     {24, &CheckKind<cVanishCmdDlg>},
      {25, &CheckKind<cItemGetCmdDlg>},     {26, &CheckKind<cGraphicCmdDlg>},     {27, &CheckKind<cAnimeSetCmdDlg>},
      {28, &CheckKind<cAnimeCmdDlg>},       {29, &CheckKind<cEffectCmdDlg>},      {30, &CheckKind<cCharaEffectCmdDlg>},
      {31, &CheckKind<cScrEffectCmdDlg>},   {32, &CheckKind<cPictureCmdDlg>},     {33, &CheckKind<cScreenColorCmdDlg>},
      {34, &CheckKind<cBackgroundCmdDlg>},  {35, &CheckKind<cSoundCmdDlg>},       {36, &CheckKind<cBgmCmdDlg>},
      {37, &CheckKind<cCodeCmdDlg>},        {38, &CheckKind<cArrangeCmdDlg>},     {39, &CheckKind<cLoopCmdDlg>},
  };
  // The commands made here, in one flow: written, read back and written again, byte for byte.
  cEdFlow flow;
  for (const auto& k : KINDS) {
    cEdCommand made;
    k.pfn(k.nKind, made);
    flow.m_vCommand.push_back(made);
  }
  // The only message: the sound chosen in the sound dialog has no file to play.
  for (const cShownBox& box : m_Boxes.Shown()) EXPECT_EQ("読み込み失敗！", box.strText);
  const std::vector<uint8_t> image = WriteImage([&](cDataWriter& out) { flow.Write(out); });
  cEdFlow back;
  ASSERT_EQ(1, ParseImage(image, [&](cDataReader& in) { return back.Read(in); }));
  EXPECT_EQ(flow.m_vCommand, back.m_vCommand);
  EXPECT_EQ(HexOf(image), HexOf(WriteImage([&](cDataWriter& out) { back.Write(out); })));
}

namespace {

cEdCommand CommandOf(int nKind) {
  cEdCommand cmd;
  cmd.m_nKind = static_cast<int8_t>(nKind);
  return cmd;
}

}  // namespace

TEST_F(ControlCmdDlgTest, FlowOperationOwnsAFreshListAndReachesOtherCharactersByID) {
  // A new command keeps its own empty list, time 0 and parallel even when cancelled.
  cEdCommand cmd = CommandOf(16);
  cmd.m_nTime = 9;
  bool bUseChecked = true;
  EXPECT_EQ(0, RunDlg<cFlowOpCmdDlg>(cmd, 1, [&](cFlowOpCmdDlg* p) {
              bUseChecked = Checked(p, IDC_FO_USE_COND);
              Press(p, IDC_CMD_CANCEL);
            }));
  EXPECT_FALSE(bUseChecked);
  ASSERT_TRUE(cmd.m_pCondList);
  EXPECT_EQ(cCondList(), *cmd.m_pCondList);
  EXPECT_EQ(0, cmd.m_nTime);
  EXPECT_EQ(1, cmd.m_bParallel);

  // "ターゲット2" forces "指定IDのフロー" at once, and it is stored.
  int nRangeShown = -1;
  bool bRangeEnabled = true, bIdEnabled = false, bListEnabled = true;
  EXPECT_EQ(1, RunDlg<cFlowOpCmdDlg>(cmd, 0, [&](cFlowOpCmdDlg* p) {
              bListEnabled = Enabled(p, IDC_FO_COND_LIST);
              Choose(p, IDC_FO_OWNER, 2);
              nRangeShown = static_cast<int>(SendDlgItemMessageA(p->m_hWnd, IDC_FO_RANGE, CB_GETCURSEL, 0, 0));
              bRangeEnabled = Enabled(p, IDC_FO_RANGE);
              bIdEnabled = Enabled(p, IDC_FO_ID);
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_FALSE(bListEnabled);  // "条件あり" is off
  EXPECT_EQ(2, nRangeShown);
  EXPECT_FALSE(bRangeEnabled);
  EXPECT_TRUE(bIdEnabled);
  EXPECT_EQ(2, cmd.m_vParam[3]);
  EXPECT_EQ(2, cmd.m_vParam[1]);
}

TEST_F(ControlCmdDlgTest, MessagePauseAndParallelAreEachOthersOpposite) {
  for (bool bPause : {true, false}) {
    SCOPED_TRACE(bPause);
    cEdCommand cmd = CommandOf(19);
    EXPECT_EQ(1, RunDlg<cMessageCmdDlg>(cmd, 1, [&](cMessageCmdDlg* p) {
                Choose(p, IDC_MS_TIME_MODE, 2);  // "時間で指定" lets the pause be chosen
                Tick(p, IDC_MS_PAUSE, bPause);
                Tick(p, IDC_MS_INSTANT, true);
                Press(p, IDC_CMD_OK);
              }));
    EXPECT_EQ(bPause ? 1 : 0, cmd.m_vParam[8]);
    EXPECT_EQ(bPause ? 0 : 1, cmd.m_bParallel);
    EXPECT_EQ(1, cmd.m_vParam[7]) << "an instant display lasts one tick";
  }
  // Erasing a message leaves only its ID to set.
  cEdCommand cmd = CommandOf(19);
  bool bTextEnabled = true, bIdEnabled = false;
  RunDlg<cMessageCmdDlg>(cmd, 1, [&](cMessageCmdDlg* p) {
    Tick(p, IDC_MS_ERASE, true);
    Tick(p, IDC_MS_USE_ID, true);
    bTextEnabled = Enabled(p, IDC_MS_TEXT);
    bIdEnabled = Enabled(p, IDC_MS_ID);
    Press(p, IDC_CMD_CANCEL);
  });
  EXPECT_FALSE(bTextEnabled);
  EXPECT_TRUE(bIdEnabled);
}

TEST_F(ControlCmdDlgTest, StatusOperationFollowsTheChosenStatus) {
  cEdCommand cmd = CommandOf(22);
  std::vector<std::string> vSystem;
  bool bNotInvincible = true, bPercentHp = true, bCalcHp = false, bPercentId = true, bCalcId = true;
  EXPECT_EQ(1, RunDlg<cStatusCmdDlg>(cmd, 1, [&](cStatusCmdDlg* p) {
              Choose(p, IDC_ST_LEFT_OWNER, 5);  // "システム"
              for (int i = 0; i < ItemCount(p, IDC_ST_LEFT_STATUS); ++i) vSystem.push_back(ItemText(p, IDC_ST_LEFT_STATUS, i));
              bNotInvincible = Enabled(p, IDC_ST_NOT_INVINCIBLE);
              Choose(p, IDC_ST_LEFT_OWNER, 0);
              Choose(p, IDC_ST_LEFT_STATUS, 1);  // "HP"
              bPercentHp = Enabled(p, IDC_ST_PERCENT);
              bCalcHp = Enabled(p, IDC_ST_CALC);
              Choose(p, IDC_ST_LEFT_STATUS, 5);  // "キャラID"
              bPercentId = Enabled(p, IDC_ST_PERCENT);
              bCalcId = Enabled(p, IDC_ST_CALC);
              Choose(p, IDC_ST_LEFT_STATUS, 10);  // "体当たりの衝撃": a constant of -20 to 20
              SetDlgItemTextA(p->m_hWnd, IDC_ST_CONST, "50");
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_EQ((std::vector<std::string>{"時間", "横スクロール速度", "縦スクロール速度", "スコア", "残り人数"}), vSystem);
  EXPECT_FALSE(bNotInvincible);
  EXPECT_FALSE(bPercentHp);
  EXPECT_TRUE(bCalcHp);
  EXPECT_FALSE(bPercentId);
  EXPECT_FALSE(bCalcId);
  EXPECT_EQ(10, cmd.m_vParam[4]);
  EXPECT_EQ(20, cmd.m_vParam[7]);
}

TEST_F(ControlCmdDlgTest, GiantSizeRaisesTheStoredValueAtOnceEvenOnCancel) {
  cEdCommand cmd = CommandOf(23);
  cmd.m_vParam = {0, 5, 0};  // 自分, 巨大化, below its first value
  EXPECT_EQ(0, RunDlg<cStatus2CmdDlg>(cmd, 0, [](cStatus2CmdDlg* p) { Press(p, IDC_CMD_CANCEL); }));
  EXPECT_EQ(1, cmd.m_vParam[2]);
  // The owner "システム" offers the two scroll directions, each with its two modes, from the first.
  std::vector<std::string> vAttr;
  int nOptions = 0, nShown = -1;
  RunDlg<cStatus2CmdDlg>(cmd, 0, [&](cStatus2CmdDlg* p) {
    Choose(p, IDC_S2_OWNER, 5);
    for (int i = 0; i < ItemCount(p, IDC_S2_ATTR); ++i) vAttr.push_back(ItemText(p, IDC_S2_ATTR, i));
    nShown = static_cast<int>(SendDlgItemMessageA(p->m_hWnd, IDC_S2_ATTR, CB_GETCURSEL, 0, 0));
    nOptions = ItemCount(p, IDC_S2_VALUE);
    Press(p, IDC_CMD_CANCEL);
  });
  EXPECT_EQ((std::vector<std::string>{"横スクロール", "縦スクロール"}), vAttr);
  EXPECT_EQ(0, nShown);
  EXPECT_EQ(2, nOptions);
}

TEST_F(ControlCmdDlgTest, WarpToAbsoluteCoordinatesUnchecksTheMirroring) {
  cEdCommand cmd = CommandOf(20);
  bool bFlipEnabled = true;
  EXPECT_EQ(1, RunDlg<cWarpCmdDlg>(cmd, 1, [&](cWarpCmdDlg* p) {
              Choose(p, IDC_WP_SET_TYPE, 5);
              Tick(p, IDC_WP_FLIP_X, true);
              Tick(p, IDC_WP_FLIP_Y, true);
              Choose(p, IDC_WP_TARGET_TYPE, 1);
              bFlipEnabled = Enabled(p, IDC_WP_FLIP_X) || Enabled(p, IDC_WP_FLIP_Y);
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_FALSE(bFlipEnabled);
  ASSERT_TRUE(cmd.m_pMove);
  EXPECT_EQ(5, cmd.m_pMove->m_nAimType);
  EXPECT_EQ(0, cmd.m_pMove->m_bMirrorX);
  EXPECT_EQ(0, cmd.m_pMove->m_bMirrorY);
  EXPECT_EQ(2, cmd.m_pMove->m_nDistance);
}

TEST_F(ControlCmdDlgTest, PictureAndEffectPauseDecideTheParallelFlag) {
  cEdCommand pic = CommandOf(32);
  bool bOthersOff = false, bIdOn = false;
  EXPECT_EQ(1, RunDlg<cPictureCmdDlg>(pic, 1, [&](cPictureCmdDlg* p) {
              Choose(p, IDC_PI_PICTURE, 0);  // erase
              Tick(p, IDC_PI_USE_ID, true);
              bOthersOff = !Enabled(p, IDC_PI_POS) && !Enabled(p, IDC_PI_TIME_MODE) && !Enabled(p, IDC_PI_SCALE);
              bIdOn = Enabled(p, IDC_PI_ID) && Enabled(p, IDC_PI_PICTURE);
              Choose(p, IDC_PI_PICTURE, 1);
              Choose(p, IDC_PI_TIME_MODE, 1);  // "ステージ終了まで表示" takes the pause away
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_TRUE(bOthersOff);
  EXPECT_TRUE(bIdOn);
  EXPECT_EQ((cChkVector<int32_t>{1, 0, 0, 0, 0, 0, 1, 100, 1, 10, 0, 0, 1, 0, 0}), pic.m_vParam);
  EXPECT_EQ(1, pic.m_bParallel);

  cEdCommand eff = CommandOf(29);
  EXPECT_EQ(1, RunDlg<cEffectCmdDlg>(eff, 1, [](cEffectCmdDlg* p) {
              Tick(p, IDC_EF_PAUSE, true);
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_EQ(0, eff.m_bParallel);
}

TEST_F(ControlCmdDlgTest, BgmStopIsStoredAsZeroAndPlaysNothing) {
  cEdCommand cmd = CommandOf(36);
  std::string strFirst;
  EXPECT_EQ(1, RunDlg<cBgmCmdDlg>(cmd, 1, [&](cBgmCmdDlg* p) {
              strFirst = ItemText(p, IDC_BGM_BGM, 0);
              Choose(p, IDC_BGM_BGM, 0);
              SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BGM_PLAY, BN_CLICKED), 0);
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_EQ("BGMの停止", strFirst);
  EXPECT_EQ(0, cmd.m_vParam[0]);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(ControlCmdDlgTest, CodeIsStoredOnlyOnceTheEvaluatorTakesIt) {
  cEdCommand cmd = CommandOf(37);
  cmd.m_strText = "C1 = 1";
  bool bOpenAfterRefusal = false;
  size_t nBoxes = 0;
  EXPECT_EQ(1, RunDlg<cCodeCmdDlg>(cmd, 0, [&](cCodeCmdDlg* p) {
              SetDlgItemTextA(p->m_hWnd, IDC_CD_CODE, "(1 + 2");
              SendMessageA(p->m_hWnd, WM_COMMAND, IDC_CMD_OK, 0);
              bOpenAfterRefusal = !p->m_vCtrls.empty();  // a closing dialog lets go of its controls
              nBoxes = m_Boxes.Shown().size();
              SetDlgItemTextA(p->m_hWnd, IDC_CD_CODE, "C5 = rand(0,5)");
              Press(p, IDC_CMD_OK);
            }));
  EXPECT_TRUE(bOpenAfterRefusal);
  EXPECT_GE(nBoxes, 1u);
  EXPECT_EQ("C5 = rand(0,5)", cmd.m_strText);
}

TEST_F(ControlCmdDlgTest, ArrangeOffersTheSettingsOfTheTargetKind) {
  cEdCommand cmd = CommandOf(38);
  std::vector<std::string> vWait;
  bool bWaitOff = false, bRenameChara = true;
  int nCharaVars = 0;
  EXPECT_EQ(0, RunDlg<cArrangeCmdDlg>(cmd, 1, [&](cArrangeCmdDlg* p) {
              Choose(p, IDC_AR_KIND, 0);  // "ウエイト"
              for (int i = 0; i < ItemCount(p, IDC_AR_SETTING); ++i) vWait.push_back(ItemText(p, IDC_AR_SETTING, i));
              bWaitOff = !Enabled(p, IDC_AR_OP) && !Enabled(p, IDC_AR_VAR_SET) && !Enabled(p, IDC_AR_VAR) &&
                         !Enabled(p, IDC_AR_RENAME) && Enabled(p, IDC_AR_SETTING);
              Choose(p, IDC_AR_KIND, 1);
              Choose(p, IDC_AR_VAR_SET, 2);  // "キャラ変数"
              nCharaVars = ItemCount(p, IDC_AR_VAR);
              bRenameChara = Enabled(p, IDC_AR_RENAME);
              Press(p, IDC_CMD_CANCEL);
            }));
  EXPECT_EQ(2, cmd.m_vParam[0]) << "a new arrange targets the straight move";
  EXPECT_EQ(1, cmd.m_vParam[4]);
  EXPECT_EQ((std::vector<std::string>{"×　非対応"}), vWait);
  EXPECT_TRUE(bWaitOff);
  EXPECT_EQ(8, nCharaVars);
  EXPECT_FALSE(bRenameChara);
}

namespace {

// Runs dialog D on the command, renames the variable shown in the combo (after choosing position
// nPos when given) to "新しい名前", and cancels; the combo's text after the rename.
template <class D>
std::string RenameAndCancel(cEdCommand cmd, uint16_t wCombo, int nPos, uint16_t wButton) {
  std::string strShown;
  cAnswerWhenUp<cStringDlg> name([](cStringDlg* s) {
    SetDlgItemTextA(s->m_hWnd, IDC_INPUT_EDIT, "新しい名前");
    PostMessageA(s->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_INPUT_OK, BN_CLICKED), 0);
  });
  EXPECT_EQ(0, RunDlg<D>(cmd, 0, [&](D* p) {
              if (nPos >= 0) Choose(p, wCombo, nPos);
              SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(wButton, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, wButton)));
              char sz[128] = "";
              GetDlgItemTextA(p->m_hWnd, wCombo, sz, sizeof sz);
              strShown = sz;
              Press(p, IDC_CMD_CANCEL);
            }));
  return strShown;
}

}  // namespace

TEST_F(ControlCmdDlgTest, RenamedVariablesStayAndOnlyTheNameCombosWriteCommonNamesAtOnce) {
  cTempDir dir(true);
  ASSERT_TRUE(CreateDirectoryA("data", nullptr));
  const cChkVector<cEdVarName> vOldCommon = GValInfo, vOldStage = Stage.m_vVarName;
  GValInfo.assign(1000, cEdVarName());
  Stage.m_vVarName.assign(1000, cEdVarName());

  cEdCommand status = CommandOf(22);
  status.m_vParam.assign(18, 0);
  status.m_vParam[0] = 1;  // a variable on the left
  status.m_vParam[2] = 5;
  cEdCommand arrange = CommandOf(38);
  arrange.m_vParam = {2, 0, 0, 0, 5};
  const struct {
    std::function<std::string()> fnRun;
    bool bStage, bWritten;
  } rows[] = {
      {[] { return RenameAndCancel<cMessageCmdDlg>(CommandOf(19), IDC_MS_COMMON_VAR, 4, IDC_MS_COMMON_RENAME); }, false,
       true},
      {[] { return RenameAndCancel<cMessageCmdDlg>(CommandOf(19), IDC_MS_STAGE_VAR, 4, IDC_MS_STAGE_RENAME); }, true,
       false},
      {[] { return RenameAndCancel<cCodeCmdDlg>(CommandOf(37), IDC_CD_COMMON_VAR, 4, IDC_CD_COMMON_RENAME); }, false,
       true},
      {[&] { return RenameAndCancel<cStatusCmdDlg>(status, IDC_ST_LEFT_VAR, -1, IDC_ST_LEFT_RENAME); }, false, false},
      {[&] { return RenameAndCancel<cArrangeCmdDlg>(arrange, IDC_AR_VAR, -1, IDC_AR_RENAME); }, false, false},
  };
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
    SCOPED_TRACE(i);
    GValInfo[5].m_strName = "コイン";
    Stage.m_vVarName[5].m_strName = "スイッチ";
    EXPECT_EQ("005 新しい名前", rows[i].fnRun());
    EXPECT_EQ(rows[i].bStage ? "新しい名前" : "スイッチ", Stage.m_vVarName[5].m_strName);
    EXPECT_EQ(rows[i].bStage ? "コイン" : "新しい名前", GValInfo[5].m_strName);
    ASSERT_EQ(rows[i].bWritten, FileExists(GVALINFO_FILE));
    if (!rows[i].bWritten) continue;
    cChkVector<cEdVarName> vRead;
    ASSERT_TRUE(ReadVarNames(vRead, GVALINFO_FILE));
    ASSERT_EQ(1000u, vRead.size());
    EXPECT_EQ("新しい名前", vRead[5].m_strName);
    DeleteFileA(GVALINFO_FILE);
  }
  GValInfo = vOldCommon;
  Stage.m_vVarName = vOldStage;
}

TEST_F(ControlCmdDlgTest, EnablingFollowsTheChoicesShown) {
  // The graphic number of a character's own bitmap stays within the bitmaps, without the picker.
  Database.m_vBmpCharaExc.assign(4, cEdBmpCharaExc());
  cEdCommand gr = CommandOf(26);
  gr.m_vParam = {1, 119, 0};
  std::string strNumber;
  bool bList = true;
  RunDlg<cGraphicCmdDlg>(gr, 0, [&](cGraphicCmdDlg* p) {
    Choose(p, IDC_GR_KIND, 4);
    char sz[16] = "";
    GetDlgItemTextA(p->m_hWnd, IDC_GR_NUMBER, sz, sizeof sz);
    strNumber = sz;
    bList = Enabled(p, IDC_GR_LIST);
    Press(p, IDC_CMD_OK);
  });
  EXPECT_EQ("3", strNumber);
  EXPECT_FALSE(bList);
  EXPECT_EQ((cChkVector<int32_t>{4, 3, 0}), gr.m_vParam);

  // "元の色に戻す" takes the instant display away with its count.
  cEdCommand col = CommandOf(33);
  bool bInstantChecked = true, bCountOn = true, bSliderOn = true, bTimeOn = false;
  RunDlg<cScreenColorCmdDlg>(col, 1, [&](cScreenColorCmdDlg* p) {
    Tick(p, IDC_SCOL_INSTANT, true);
    Tick(p, IDC_SCOL_RESTORE, true);
    bInstantChecked = Checked(p, IDC_SCOL_INSTANT);
    bCountOn = Enabled(p, IDC_SCOL_COUNT);
    bSliderOn = Enabled(p, IDC_SCOL_R);
    bTimeOn = Enabled(p, IDC_SCOL_TIME);
    Press(p, IDC_CMD_OK);
  });
  EXPECT_FALSE(bInstantChecked);
  EXPECT_FALSE(bCountOn);
  EXPECT_FALSE(bSliderOn);
  EXPECT_TRUE(bTimeOn);
  EXPECT_EQ(1, col.m_vParam[4]);
  EXPECT_EQ(0, col.m_vParam[6]);

  // Range and faction pick among all characters or shots only.
  cEdCommand van = CommandOf(24);
  std::vector<bool> vRange;
  RunDlg<cVanishCmdDlg>(van, 1, [&](cVanishCmdDlg* p) {
    for (int i : {0, 1, 3}) {
      Choose(p, IDC_VN_WHAT, i);
      vRange.push_back(Enabled(p, IDC_VN_RANGE) && Enabled(p, IDC_VN_FACTION));
    }
    Press(p, IDC_CMD_CANCEL);
  });
  EXPECT_EQ((std::vector<bool>{true, true, false}), vRange);

  // The target filters count only for the choices that search among characters.
  cEdCommand tg = CommandOf(21);
  std::vector<bool> vFilters;
  RunDlg<cTargetCmdDlg>(tg, 1, [&](cTargetCmdDlg* p) {
    for (int i : {0, 2, 3}) {
      Choose(p, IDC_TG_WHOM, i);
      vFilters.push_back(Enabled(p, IDC_TG_NOT_SELF));
      vFilters.push_back(Enabled(p, IDC_TG_RANGE));
    }
    Press(p, IDC_CMD_CANCEL);
  });
  EXPECT_EQ((std::vector<bool>{false, false, true, true, true, false}), vFilters);

  // A common palette entry offers only the common palette's items.
  const int32_t nOldContext = StageEditState.m_nEditContext;
  StageEditState.m_nEditContext = EDIT_COMMON_PALETTE;
  cEdCommand ig = CommandOf(25);
  int nPalettes = 0;
  RunDlg<cItemGetCmdDlg>(ig, 1, [&](cItemGetCmdDlg* p) {
    nPalettes = ItemCount(p, IDC_IG_PALETTE);
    Press(p, IDC_CMD_CANCEL);
  });
  StageEditState.m_nEditContext = nOldContext;
  EXPECT_EQ(1, nPalettes);
}
