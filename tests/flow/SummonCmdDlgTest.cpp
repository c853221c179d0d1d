// The summon dialogs: the entry list that follows the chosen palette, the enable rules and the
// values a new summon starts with.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "flow/SummonCmdDlgs.h"
#include "model/Palette.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/ShotCmdIds.h"
#include "support/TestSupport.h"
#include "CmdDlgTestSupport.h"

namespace {

template <class V>
void Name(V& v, size_t n, const char* pszPrefix) {
  v.assign(n, typename V::value_type());
  for (size_t i = 0; i < n; ++i) v[i].m_strName = pszPrefix + std::to_string(i);
}

// Four blocks in the common palette, three in the stage's (entry 0 is never offered).
class SummonCmdDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_vCommon = CommonPalette.m_vBlock;
    m_vStage = Stage.m_vPalBlock;
    Name(CommonPalette.m_vBlock, 4, "c");
    Name(Stage.m_vPalBlock, 3, "s");
  }
  void TearDown() override {
    CommonPalette.m_vBlock = m_vCommon;
    Stage.m_vPalBlock = m_vStage;
  }
  cChkVector<cEdBlock> m_vCommon, m_vStage;
};

int ComboCount(cDialog* p, int nId) {
  return static_cast<int>(SendDlgItemMessageA(p->m_hWnd, nId, CB_GETCOUNT, 0, 0));
}

}  // namespace

TEST_F(SummonCmdDlgTest, PaletteSwitchRefillsTheEntriesAndKeepsTheNumber) {
  cEdCommand cmd;
  cmd.m_pShot = std::make_shared<cEdShot>();
  cmd.m_pShot->m_nSummonPalette = 0;
  cmd.m_pShot->m_nSummonNo = 2;
  int nCommon = 0, nStage = 0;
  std::string strCommon, strStage;
  ASSERT_EQ(1, RunCmdOfKind(cmd, false, 13, &CurrentCmdDlg<cBlockSummonCmdDlg>, [&](cCmdDlg* p) {
              nCommon = ComboCount(p, IDC_SM_ENTRY);
              strCommon = ComboText(p, IDC_SM_ENTRY);
              Choose(p, IDC_SM_PALETTE, 1);
              nStage = ComboCount(p, IDC_SM_ENTRY);
              strStage = ComboText(p, IDC_SM_ENTRY);
              PressOk(p);
            }));
  EXPECT_EQ(3, nCommon);
  EXPECT_EQ("002 c2", strCommon);
  EXPECT_EQ(2, nStage);
  EXPECT_EQ("002 s2", strStage);
  EXPECT_EQ(1, cmd.m_pShot->m_nSummonPalette);
  EXPECT_EQ(2, cmd.m_pShot->m_nSummonNo);
}

TEST_F(SummonCmdDlgTest, NewBlockSummonAndItsTypeRule) {
  cEdCommand cmd;
  std::string strType, strPalette, strEntry, strCount;
  bool bEnemy = false, bHero = true, bOffForRemoval = false, bOnAgain = false;
  ASSERT_EQ(1, RunCmdOfKind(cmd, true, 13, &CurrentCmdDlg<cBlockSummonCmdDlg>, [&](cCmdDlg* p) {
              strType = ComboText(p, IDC_SM_TYPE);
              strPalette = ComboText(p, IDC_SM_PALETTE);
              strEntry = ComboText(p, IDC_SM_ENTRY);
              strCount = TextOf(p, IDC_SH_COUNT);
              bEnemy = IsTickedId(p, IDC_SM_FAIL_ON_ENEMY);
              bHero = IsTickedId(p, IDC_SM_FAIL_ON_HERO);
              Choose(p, IDC_SM_TYPE, 1);
              bOffForRemoval = !IsEnabledId(p, IDC_SM_PALETTE) && !IsEnabledId(p, IDC_SM_ENTRY) &&
                               !IsEnabledId(p, IDC_SM_FAIL_ON_HERO) && !IsEnabledId(p, IDC_SM_FAIL_ON_ENEMY);
              Choose(p, IDC_SM_TYPE, 2);
              bOnAgain = IsEnabledId(p, IDC_SM_PALETTE) && IsEnabledId(p, IDC_SM_ENTRY) &&
                         IsEnabledId(p, IDC_SM_FAIL_ON_HERO) && IsEnabledId(p, IDC_SM_FAIL_ON_ENEMY);
              PressOk(p);
            }));
  EXPECT_EQ("ブロックを召喚", strType);
  EXPECT_EQ("コモンパレット", strPalette);
  EXPECT_EQ("001 c1", strEntry);
  EXPECT_EQ("1", strCount);
  EXPECT_TRUE(bEnemy);
  EXPECT_FALSE(bHero);
  EXPECT_TRUE(bOffForRemoval);
  EXPECT_TRUE(bOnAgain);
  EXPECT_EQ(2, cmd.m_pShot->m_nSummonType);
  EXPECT_EQ(1, cmd.m_pShot->m_nSummonNo);
  EXPECT_EQ(1, cmd.m_pShot->m_nCount);
}

TEST_F(SummonCmdDlgTest, CommonPaletteEntriesOfferOnlyTheCommonPalette) {
  const int32_t nOld = StageEditState.m_nEditContext;
  StageEditState.m_nEditContext = EDIT_COMMON_PALETTE;
  cEdCommand cmd;
  int nPalettes = 0;
  RunCmdOfKind(cmd, true, 13, &CurrentCmdDlg<cBlockSummonCmdDlg>, [&](cCmdDlg* p) {
    nPalettes = ComboCount(p, IDC_SM_PALETTE);
    PressCancel(p);
  });
  StageEditState.m_nEditContext = nOld;
  EXPECT_EQ(1, nPalettes);
}

TEST_F(SummonCmdDlgTest, NewCharaAndItemSummonsAndTheirRules) {
  cEdCommand chara;
  std::string strLimit;
  bool bLimit = false, bZero = false, bFactionOff = false, bFactionOn = false, bTargetRule = false;
  std::string strFaction;
  ASSERT_EQ(1, RunCmdOfKind(chara, true, 14, &CurrentCmdDlg<cCharaSummonCmdDlg>, [&](cCmdDlg* p) {
              bLimit = IsTickedId(p, IDC_SM_USE_LIMIT);
              strLimit = TextOf(p, IDC_SM_LIMIT);
              bZero = IsTickedId(p, IDC_SM_ZERO_SCORE);
              bFactionOff = !IsEnabledId(p, IDC_SM_FACTION);
              Choose(p, IDC_SM_TYPE, 2);
              bFactionOn = IsEnabledId(p, IDC_SM_FACTION);
              Type(p, IDC_SM_FACTION, "9");
              SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SM_FACTION, EN_KILLFOCUS),
                           reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, IDC_SM_FACTION)));  // the box is left
              strFaction = TextOf(p, IDC_SM_FACTION);
              Choose(p, IDC_SH_FORMATION, 3);
              const bool bBoth = IsEnabledId(p, IDC_SH_OBJECT) && IsEnabledId(p, IDC_SH_TARGET);
              Choose(p, IDC_SH_OBJECT, 2);
              bTargetRule = bBoth && !IsEnabledId(p, IDC_SH_TARGET);
              PressOk(p);
            }));
  EXPECT_TRUE(bLimit);
  EXPECT_EQ("100", strLimit);
  EXPECT_TRUE(bZero);
  EXPECT_TRUE(bFactionOff);
  EXPECT_TRUE(bFactionOn);
  EXPECT_EQ("8", strFaction);
  EXPECT_TRUE(bTargetRule);
  EXPECT_EQ(8, chara.m_pShot->m_nSide);
  EXPECT_EQ(2, chara.m_pShot->m_nSummonSide);

  cEdCommand item;
  bool bItemTarget = false;
  ASSERT_EQ(1, RunCmdOfKind(item, true, 15, &CurrentCmdDlg<cItemSummonCmdDlg>, [&](cCmdDlg* p) {
              Choose(p, IDC_SH_FORMATION, 5);
              Choose(p, IDC_SH_OBJECT, 2);
              bItemTarget = IsEnabledId(p, IDC_SH_TARGET);
              PressOk(p);
            }));
  EXPECT_TRUE(bItemTarget);
  EXPECT_EQ(1, item.m_pShot->m_bNoScore);
  EXPECT_EQ(1, item.m_pShot->m_bRange);
  EXPECT_EQ(100, item.m_pShot->m_nRange);
  EXPECT_EQ(6, item.m_pShot->m_nFormParam[0]);
}
