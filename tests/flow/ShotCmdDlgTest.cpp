// The shot and sword dialogs: the parameter edits that follow the formation and the movement type,
// the graphic preview, the obtained item's palettes and the sword's time.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <utility>

#include "flow/ShotCmdDlgs.h"
#include "model/Database.h"
#include "model/Globals.h"
#include "model/StageEditState.h"
#include "resources/ShotCmdIds.h"
#include "support/TestSupport.h"
#include "CmdDlgTestSupport.h"

namespace {

class ShotCmdDlgTest : public testing::Test {
 protected:
  void SetUp() override { InitCommonControls(); }
};

// What the three parameter edits show: caption, text and enabled state.
struct cParamView {
  std::array<std::string, 3> captions, texts;
  std::array<bool, 3> enabled;
  bool operator==(const cParamView& o) const {
    return captions == o.captions && texts == o.texts && enabled == o.enabled;
  }
};
std::ostream& operator<<(std::ostream& os, const cParamView& v) {
  for (int i = 0; i < 3; ++i) os << "[" << v.captions[i] << " " << v.texts[i] << " " << v.enabled[i] << "]";
  return os;
}

cParamView ViewOf(cCmdDlg* p, const int (&anCaption)[3], const int (&anEdit)[3]) {
  cParamView v;
  for (int i = 0; i < 3; ++i) {
    v.captions[i] = TextOf(p, anCaption[i]);
    v.texts[i] = TextOf(p, anEdit[i]);
    v.enabled[i] = IsEnabledId(p, anEdit[i]);
  }
  return v;
}

const int FORM_CAPTIONS[3] = {IDC_SH_FORM_CAPTION1, IDC_SH_FORM_CAPTION2, IDC_SH_FORM_CAPTION3};
const int FORM_EDITS[3] = {IDC_SH_FORM_PARAM1, IDC_SH_FORM_PARAM2, IDC_SH_FORM_PARAM3};
const int TYPE_CAPTIONS[3] = {IDC_SH_TYPE_CAPTION1, IDC_SH_TYPE_CAPTION2, IDC_SH_TYPE_CAPTION3};
const int TYPE_EDITS[3] = {IDC_SH_TYPE_PARAM1, IDC_SH_TYPE_PARAM2, IDC_SH_TYPE_PARAM3};

cEdCommand ExistingShot(int nFormation, std::array<int16_t, 3> form, int nType, std::array<int16_t, 3> type) {
  cEdCommand cmd;
  cmd.m_nKind = 11;
  cmd.m_pShot = std::make_shared<cEdShot>();
  cmd.m_pShot->m_nFormation = static_cast<int8_t>(nFormation);
  cmd.m_pShot->m_nMoveType = static_cast<int8_t>(nType);
  for (int i = 0; i < 3; ++i) {
    cmd.m_pShot->m_nFormParam[i] = form[i];
    cmd.m_pShot->m_nMoveParam[i] = type[i];
  }
  return cmd;
}

}  // namespace

TEST_F(ShotCmdDlgTest, FormationSwitchSetsCaptionsRangesAndDefaultsAndKeepsStoredValuesOnOpening) {
  struct cStep {
    int nFormation;  // -1: as opened
    cParamView view;
    bool bAimTicked, bAimEnabled, bShiftEnabled, bObjectEnabled;
  };
  const cStep steps[] = {
      {-1, {{"間隔(hbl)", "列の数", "列の間隔(hbl)"}, {"5", "7", "2"}, {true, true, true}}, true, false, false, true},
      {5, {{"距離(hbl)", "", ""}, {"6", "0", "0"}, {true, false, false}}, true, false, false, true},
      {3, {{"間隔(hbl)", "列の数", "列の間隔(hbl)"}, {"0", "1", "0"}, {true, true, true}}, true, false, false, true},
      {4, {{"", "", ""}, {"0", "0", "0"}, {false, false, false}}, false, false, false, false},
      {2, {{"角度", "", ""}, {"30", "0", "0"}, {true, false, false}}, false, true, true, false},
  };
  cEdCommand cmd = ExistingShot(3, {5, 7, 2}, 0, {0, 0, 0});
  std::vector<cParamView> vSeen;
  std::vector<std::array<bool, 4>> vFlags;
  bool bTargetFollowsObject = false, bTargetOffForExplosion = false;
  ASSERT_EQ(1, RunCmdOfKind(cmd, false, 11, &CurrentCmdDlg<cShotCmdDlg>, [&](cCmdDlg* p) {
              for (const cStep& s : steps) {
                if (s.nFormation >= 0) Choose(p, IDC_SH_FORMATION, s.nFormation);
                vSeen.push_back(ViewOf(p, FORM_CAPTIONS, FORM_EDITS));
                vFlags.push_back({IsTickedId(p, IDC_SH_AIM_TARGET), IsEnabledId(p, IDC_SH_AIM_TARGET),
                                  IsEnabledId(p, IDC_SH_SHIFT_BY_ANGLE), IsEnabledId(p, IDC_SH_OBJECT)});
                if (s.nFormation == 3) {
                  const bool bOnForTarget = IsEnabledId(p, IDC_SH_TARGET);
                  Choose(p, IDC_SH_OBJECT, 1);
                  bTargetFollowsObject = bOnForTarget && !IsEnabledId(p, IDC_SH_TARGET);
                  Choose(p, IDC_SH_OBJECT, 0);
                }
                if (s.nFormation == 4) bTargetOffForExplosion = !IsEnabledId(p, IDC_SH_TARGET);
              }
              Choose(p, IDC_SH_FORMATION, 3);
              PressOk(p);
            }));
  for (size_t i = 0; i < vSeen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(steps[i].view, vSeen[i]);
    EXPECT_EQ((std::array<bool, 4>{steps[i].bAimTicked, steps[i].bAimEnabled, steps[i].bShiftEnabled,
                                   steps[i].bObjectEnabled}),
              vFlags[i]);
  }
  EXPECT_TRUE(bTargetFollowsObject);
  EXPECT_TRUE(bTargetOffForExplosion);
  // Back on "落雷" from "爆発": its defaults are stored.
  EXPECT_EQ(3, cmd.m_pShot->m_nFormation);
  EXPECT_EQ(0, cmd.m_pShot->m_nFormParam[0]);
  EXPECT_EQ(1, cmd.m_pShot->m_nFormParam[1]);
  EXPECT_EQ(1, cmd.m_pShot->m_bAimAtTarget);
}

TEST_F(ShotCmdDlgTest, MoveTypeSwitchSetsItsParametersAndTheTargetCombo) {
  struct cStep {
    int nType;
    cParamView view;
    bool bTarget;
  };
  const cStep steps[] = {
      {-1, {{"波の最大(hbl)", "波の速度", "開始角度"}, {"50", "60", "70"}, {true, true, true}}, false},
      {3, {{"軌道変更(hbl)", "", ""}, {"0", "0", "0"}, {true, false, false}}, true},
      {6, {{"誘導開始(hbl)", "誘導終了(hbl)", ""}, {"0", "999", "0"}, {true, true, false}}, true},
      {8, {{"波の最大(hbl)", "波の速度", "開始角度"}, {"4", "4", "0"}, {true, true, true}}, false},
      {0, {{"", "", ""}, {"0", "0", "0"}, {false, false, false}}, false},
  };
  cEdCommand cmd = ExistingShot(0, {0, 0, 0}, 8, {50, 60, 70});
  std::vector<std::pair<cParamView, bool>> vSeen;
  RunCmdOfKind(cmd, false, 11, &CurrentCmdDlg<cShotCmdDlg>, [&](cCmdDlg* p) {
    for (const cStep& s : steps) {
      if (s.nType >= 0) Choose(p, IDC_SH_MOVE_TYPE, s.nType);
      vSeen.emplace_back(ViewOf(p, TYPE_CAPTIONS, TYPE_EDITS), IsEnabledId(p, IDC_SH_TYPE_TARGET));
    }
    PressCancel(p);
  });
  ASSERT_EQ(std::size(steps), vSeen.size());
  for (size_t i = 0; i < vSeen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(steps[i].view, vSeen[i].first);
    EXPECT_EQ(steps[i].bTarget, vSeen[i].second);
  }
  EXPECT_EQ(50, cmd.m_pShot->m_nMoveParam[0]);
}

TEST_F(ShotCmdDlgTest, PreviewCopiesTheGraphicsCellFromTheShotSheet) {
  ASSERT_GT(ChipBitmaps.size(), static_cast<size_t>(CHIP_SHOT));
  cSurface old = std::move(ChipBitmaps[CHIP_SHOT]);
  cSurface& sheet = ChipBitmaps[CHIP_SHOT];
  ASSERT_EQ(1, sheet.Create(128, 480, 24, 0));
  auto Paint = [&](int x, int y, COLORREF c) {
    RECT rc = {x, y, x + 16, y + 16};
    HBRUSH h = CreateSolidBrush(c);
    FillRect(sheet.m_hDC, &rc, h);
    DeleteObject(h);
  };
  Paint(32, 16, RGB(255, 0, 0));
  Paint(0, 464, RGB(0, 255, 0));
  cEdCommand cmd;
  COLORREF c31 = 0, c29 = 0, cLeftEdge = 0;
  RunCmdOfKind(cmd, true, 11, &CurrentCmdDlg<cShotCmdDlg>, [&](cCmdDlg* p) {
    cShotCmdDlg* s = static_cast<cShotCmdDlg*>(p);
    cSurface& pic = s->m_Ctrls.m_vPicture[0].m_Ctrl.m_Surface;
    Type(p, IDC_SH_GRAPHIC, "31");
    s->DrawGraphic(IDC_SH_PREVIEW);
    c31 = GetPixel(pic.m_hDC, 8, 8);
    cLeftEdge = GetPixel(pic.m_hDC, 15, 15);
    Type(p, IDC_SH_GRAPHIC, "29");
    s->DrawGraphic(IDC_SH_PREVIEW);
    c29 = GetPixel(pic.m_hDC, 0, 0);
    PressCancel(p);
  });
  ChipBitmaps[CHIP_SHOT] = std::move(old);
  EXPECT_EQ(RGB(255, 0, 0), c31);
  EXPECT_EQ(RGB(255, 0, 0), cLeftEdge);
  EXPECT_EQ(RGB(0, 255, 0), c29);
}

TEST_F(ShotCmdDlgTest, ObtainedItemPalettesFollowTheEditedEntry) {
  for (int nContext : {EDIT_CELL, EDIT_COMMON_PALETTE}) {
    SCOPED_TRACE(nContext);
    const int32_t nOld = StageEditState.m_nEditContext;
    StageEditState.m_nEditContext = nContext;
    cEdCommand cmd;
    int nItems = 0;
    bool bEntryOffForNone = false, bEntryOnForCommon = false;
    RunCmdOfKind(cmd, true, 11, &CurrentCmdDlg<cShotCmdDlg>, [&](cCmdDlg* p) {
      nItems = static_cast<int>(SendDlgItemMessageA(p->m_hWnd, IDC_SH_DROP_PALETTE, CB_GETCOUNT, 0, 0));
      bEntryOffForNone = !IsEnabledId(p, IDC_SH_DROP_ITEM);
      Choose(p, IDC_SH_DROP_PALETTE, 1);
      bEntryOnForCommon = IsEnabledId(p, IDC_SH_DROP_ITEM);
      PressCancel(p);
    });
    StageEditState.m_nEditContext = nOld;
    EXPECT_EQ(nContext == EDIT_COMMON_PALETTE ? 2 : 3, nItems);
    EXPECT_TRUE(bEntryOffForNone);
    EXPECT_TRUE(bEntryOnForCommon);
  }
}

TEST_F(ShotCmdDlgTest, NewShotAndSwordStartWithTheirValuesAndTheSwordTimeFollowsItsType) {
  const auto vOldSwords = Database.m_vSwordType;
  Database.m_vSwordType.assign(2, cEdSwordType());
  Database.m_vSwordType[0].m_vPos.assign(2, cEdSwordPos());
  Database.m_vSwordType[0].m_vPos[0].m_nTime = 3;
  Database.m_vSwordType[0].m_vPos[1].m_nTime = 4;
  Database.m_vSwordType[1].m_vPos.assign(1, cEdSwordPos());
  Database.m_vSwordType[1].m_vPos[0].m_nTime = 10;

  cEdCommand shot;
  std::string strGiant;
  bool bSameSide = false, bPierce = false;
  ASSERT_EQ(1, RunCmdOfKind(shot, true, 11, &CurrentCmdDlg<cShotCmdDlg>, [&](cCmdDlg* p) {
              strGiant = ComboText(p, IDC_SH_GIANT);
              bSameSide = IsTickedId(p, IDC_SH_SAME_FACTION);
              bPierce = IsTickedId(p, IDC_SH_PIERCE_BLOCK);
              PressOk(p);
            }));
  EXPECT_EQ("しない", strGiant);
  EXPECT_TRUE(bSameSide);
  EXPECT_TRUE(bPierce);
  const cEdShot& s = *shot.m_pShot;
  EXPECT_EQ(1, s.m_nGraphic);
  EXPECT_EQ(20, s.m_nSpeed);
  EXPECT_EQ(1, s.m_nPower);
  EXPECT_EQ(3, s.m_nZ);
  EXPECT_EQ(1, s.m_nGiant);
  EXPECT_EQ(1, shot.m_nTime);

  cEdCommand sword;
  std::string strFirst, strSecond;
  bool bTimeOff = false;
  ASSERT_EQ(1, RunCmdOfKind(sword, true, 12, &CurrentCmdDlg<cSwordCmdDlg>, [&](cCmdDlg* p) {
              strFirst = TextOf(p, IDC_CMD_TIME);
              bTimeOff = !IsEnabledId(p, IDC_CMD_TIME);
              Choose(p, IDC_SW_TYPE, 1);
              strSecond = TextOf(p, IDC_CMD_TIME);
              PressOk(p);
            }));
  Database.m_vSwordType = vOldSwords;
  EXPECT_EQ("7", strFirst);
  EXPECT_EQ("10", strSecond);
  EXPECT_TRUE(bTimeOff);
  EXPECT_EQ(10, sword.m_nTime);
  EXPECT_EQ(1, sword.m_pShot->m_nMoveType);
  EXPECT_EQ(10, sword.m_pShot->m_nPower);
  EXPECT_EQ(1, sword.m_pShot->m_bPierceChara);
}
