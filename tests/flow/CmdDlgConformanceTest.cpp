// What every command dialog owes its list: it opens on a new and on an existing command, OK stores
// what the controls show, Cancel leaves the command as it was, and every control it binds or looks
// up is in its template. One row per command kind; a kind whose dialog is built gets a row here.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Log.h"
#include "controls/EditValCtrl.h"
#include "flow/MoveCmdDlgs.h"
#include "flow/ShotCmdDlgs.h"
#include "flow/SummonCmdDlgs.h"
#include "model/Database.h"
#include "resources/MoveCmdIds.h"
#include "resources/ShotCmdIds.h"
#include "support/TestSupport.h"
#include "CmdDlgTestSupport.h"

namespace {

struct cKindCase {
  int nKind;
  const char* pszCaption;
  CurrentCmdDlgFn fnCurrent;
  // A value edit to type into, the text, and where OK must have stored it.
  int nEditId;
  const char* pszTyped;
  std::function<int(const cEdCommand&)> fnStored;
  int nExpected;
};

int TimeOf(const cEdCommand& c) { return c.m_nTime; }
int Param(const cEdCommand& c, size_t i) { return i < c.m_vParam.size() ? c.m_vParam[i] : -99999; }

const std::vector<cKindCase>& Cases() {
  static const std::vector<cKindCase> s_v = {
      {2, "直線移動", &CurrentCmdDlg<cLineMoveCmdDlg>, IDC_CMD_TIME, "25", TimeOf, 25},
      {3, "地上折り返し移動", &CurrentCmdDlg<cGroundTurnMoveCmdDlg>, IDC_CMD_TIME, "26", TimeOf, 26},
      {4, "円移動", &CurrentCmdDlg<cCircleMoveCmdDlg>, IDC_CM_RADIUS, "9",
       [](const cEdCommand& c) { return c.m_pMove ? c.m_pMove->m_nRadius : -1; }, 9},
      {5, "突撃移動", &CurrentCmdDlg<cChargeMoveCmdDlg>, IDC_MV_ANGLE, "-45",
       [](const cEdCommand& c) { return c.m_pMove ? c.m_pMove->m_nAngle : -1; }, -45},
      {6, "誘導移動", &CurrentCmdDlg<cHomingMoveCmdDlg>, IDC_MV_AIM_ERROR, "7",
       [](const cEdCommand& c) { return c.m_pMove ? c.m_pMove->m_nRadius : -1; }, 7},
      {7, "画面外回避移動", &CurrentCmdDlg<cAvoidMoveCmdDlg>, IDC_MV_SPEED, "33",
       [](const cEdCommand& c) { return c.m_pMove ? c.m_pMove->m_nSpeed : -1; }, 33},
      {8, "移動の無効化", &CurrentCmdDlg<cAvoidMoveCmdDlg>, IDC_CMD_TIME, "27", TimeOf, 27},
      {9, "向き変更", &CurrentCmdDlg<cTurnCmdDlg>, IDC_CMD_TIME_CLONE, "-3",
       [](const cEdCommand& c) { return c.m_nTimeClone; }, -3},
      {10, "ジャンプ", &CurrentCmdDlg<cJumpCmdDlg>, IDC_JP_MAX_HEIGHT, "12",
       [](const cEdCommand& c) { return Param(c, 2); }, 12},
      {11, "ショット", &CurrentCmdDlg<cShotCmdDlg>, IDC_SH_POWER, "55",
       [](const cEdCommand& c) { return c.m_pShot ? c.m_pShot->m_nPower : -1; }, 55},
      {12, "ソード", &CurrentCmdDlg<cSwordCmdDlg>, IDC_SH_IMPACT, "-5",
       [](const cEdCommand& c) { return c.m_pShot ? c.m_pShot->m_nImpact : -1; }, -5},
      {13, "ブロック召喚", &CurrentCmdDlg<cBlockSummonCmdDlg>, IDC_SH_OFFSET_X, "-32",
       [](const cEdCommand& c) { return c.m_pShot ? c.m_pShot->m_nOffsetX : -1; }, -32},
      {14, "キャラ召喚", &CurrentCmdDlg<cCharaSummonCmdDlg>, IDC_SM_LIMIT, "250",
       [](const cEdCommand& c) { return c.m_pShot ? c.m_pShot->m_nRange : -1; }, 250},
      {15, "アイテム召喚", &CurrentCmdDlg<cItemSummonCmdDlg>, IDC_SH_COUNT, "4",
       [](const cEdCommand& c) { return c.m_pShot ? c.m_pShot->m_nCount : -1; }, 4},
  };
  return s_v;
}

// Every bound control, and the up-down control of every value edit, has its window.
template <class T>
void ExpectSpinsThere(cControl* c, std::vector<int>& vMissing) {
  auto* e = dynamic_cast<cEditValCtrl<T>*>(c);
  if (e && e->m_Spin.m_wId != 0 && !e->m_Spin.m_hWnd) vMissing.push_back(e->m_Spin.m_wId);
}

std::vector<int> MissingCtrls(cCmdDlg* p) {
  std::vector<int> v;
  for (cControl* c : p->m_vCtrls) {
    if (!c->m_hWnd || GetDlgItem(p->m_hWnd, c->m_wId) != c->m_hWnd) v.push_back(c->m_wId);
    ExpectSpinsThere<int8_t>(c, v);
    ExpectSpinsThere<int16_t>(c, v);
    ExpectSpinsThere<int32_t>(c, v);
    ExpectSpinsThere<double>(c, v);
  }
  return v;
}

class CmdDlgConformanceTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_vAnime = Database.m_vAnime;
    m_vSound = Database.m_vSound;
    m_vEffect = Database.m_vEffect;
    m_vSword = Database.m_vSwordType;
    Database.m_vAnime.resize(3);
    Database.m_vSound.resize(3);
    Database.m_vEffect.resize(3);
    Database.m_vSwordType.resize(2);
    // A control looked up but missing from its template reports itself only while the error
    // log is on.
    SetErrorLog(1, m_Dir.File("EC_Editor.txt").c_str());
  }
  void TearDown() override {
    SetErrorLog(0, m_Dir.File("EC_Editor.txt").c_str());
    Database.m_vAnime = m_vAnime;
    Database.m_vSound = m_vSound;
    Database.m_vEffect = m_vEffect;
    Database.m_vSwordType = m_vSword;
  }
  cTempDir m_Dir;
  cChkVector<cEdAnime> m_vAnime;
  cChkVector<cEdSound> m_vSound;
  cChkVector<cEdEffect> m_vEffect;
  cChkVector<cEdSwordType> m_vSword;
};

}  // namespace

TEST_F(CmdDlgConformanceTest, EveryKindOpensNewAndExistingStoresOnOkAndKeepsOnCancel) {
  for (const cKindCase& k : Cases()) {
    SCOPED_TRACE(k.pszCaption);
    cMsgBoxRecorder boxes;
    cEdCommand cmd;
    std::string strCaption;
    std::vector<int> vMissing;
    ASSERT_EQ(1, RunCmdOfKind(cmd, true, k.nKind, k.fnCurrent, [&](cCmdDlg* p) {
                char sz[128] = "";
                GetWindowTextA(p->m_hWnd, sz, sizeof sz);
                strCaption = sz;
                vMissing = MissingCtrls(p);
                Type(p, k.nEditId, k.pszTyped);
                PressOk(p);
              }));
    EXPECT_EQ(k.pszCaption, strCaption);
    EXPECT_TRUE(vMissing.empty()) << vMissing.front();
    EXPECT_EQ(0, cmd.m_bItem);
    EXPECT_EQ(k.nKind, cmd.m_nKind);
    EXPECT_EQ(k.nExpected, k.fnStored(cmd));

    // Existing: Cancel after a change keeps everything; OK without a change stores what it showed,
    // which is what was stored.
    const cEdCommand before = cmd;
    EXPECT_EQ(0, RunCmdOfKind(cmd, false, k.nKind, k.fnCurrent, [&](cCmdDlg* p) {
                Type(p, k.nEditId, "1");
                PressCancel(p);
              }));
    EXPECT_EQ(before, cmd);
    EXPECT_EQ(1, RunCmdOfKind(cmd, false, k.nKind, k.fnCurrent, [&](cCmdDlg* p) { PressOk(p); }));
    EXPECT_EQ(before, cmd);
    for (const cShownBox& b : boxes.Shown()) EXPECT_EQ(std::string::npos, b.strText.find("コントロールID")) << b.strText;
  }
}
