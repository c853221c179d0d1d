// The stage settings sheet beyond its basic page: the two advanced pages (bindings, enable rules,
// the default suffixes of the range captions, what a page never shown stores) and the background
// list with its dialog (insert and cancel, the limit of eight, colour mode, the colour sample).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/Paths.h"
#include "startup/StartUp.h"
#include "app/Surface.h"
#include "stage/FrameWnd.h"
#include "app/WindowList.h"
#include "controls/ListCtrl.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/ListIds.h"
#include "resources/StageDialogIds.h"
#include "resources/StageIds.h"
#include "resources/StageSettingsIds.h"
#include "stage/BackgroundDlg.h"
#include "stage/StageAdvancedPages.h"
#include "stage/StageSettingsSheet.h"
#include "stage/StageWnd.h"
#include "support/CaptionFit.h"
#include "support/EditorSession.h"
#include "support/ModalStep.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

int g_nBeeps = 0;

class StageAdvancedSettingsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpWnd = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpWnd);
    DrainMessages();
    g_nBeeps = 0;
    m_pfnBeep = SetListBeepFn([] { ++g_nBeeps; });
  }
  void TearDown() override {
    SetListBeepFn(m_pfnBeep);
    ShutDownStartedEditor();
  }
  cStageBasicPage* Open() {
    SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, ID_STAGE_SETTINGS, 0);
    cStageBasicPage* p = nullptr;
    bool bUp = PumpUntil([&] {
      m_hSheet = FindWindowA(nullptr, "ステージの設定");
      p = cStageBasicPage::Current();
      return m_hSheet && p && p->m_bInit;
    });
    return bUp ? p : nullptr;
  }
  template <class P>
  P* ShowPage(int nIndex) {
    SendMessageA(m_hSheet, PSM_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    P* p = nullptr;
    bool bUp = PumpUntil([&] {
      p = P::Current();
      return p && p->m_hWnd && p->m_bInit;
    });
    return bUp ? p : nullptr;
  }
  bool Press(int nButton) {
    PostMessageA(m_hSheet, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
    return PumpThroughMainLoopUntil(
        [&] { return !IsWindow(m_hSheet) && !m_lpWnd->m_lpSheet[cStageWnd::SHEET_STAGE_SETTINGS]; });
  }
  static void SetCheck(cDialog* p, int nId, int nState) {
    HWND hCheck = GetDlgItem(p->m_hWnd, nId);
    SendMessageA(hCheck, BM_SETCHECK, static_cast<WPARAM>(nState), 0);
    SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hCheck));
  }
  static bool Enabled(cDialog* p, int nId) { return IsWindowEnabled(GetDlgItem(p->m_hWnd, nId)) != 0; }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpWnd = nullptr;
  HWND m_hSheet = nullptr;
  ListBeepFn m_pfnBeep = nullptr;
};

TEST_F(StageAdvancedSettingsTest, GeneralPageStoresLevelsAndVanishingAtOk) {
  Stage.m_AutoVanish[0].Set(1, 7);
  Stage.m_nFrameRate = 60;
  ASSERT_TRUE(Open());
  cStageAdvancedPage* p = ShowPage<cStageAdvancedPage>(1);
  ASSERT_TRUE(p);
  EXPECT_EQ("7", TextOf(p, IDC_ADV_VANISH_MARGIN0));
  // Clearing the left flag of record 0 greys its margin; the margin keeps its value.
  EXPECT_TRUE(Enabled(p, IDC_ADV_VANISH_MARGIN0));
  SetCheck(p, IDC_ADV_VANISH_FLAG0, 0);
  EXPECT_FALSE(Enabled(p, IDC_ADV_VANISH_MARGIN0));
  EXPECT_TRUE(Enabled(p, IDC_ADV_VANISH_MARGIN0 + 1));
  // The last record's bottom margin, and its flag.
  SetCheck(p, IDC_ADV_VANISH_FLAG0 + 19, 1);
  Type(p, IDC_ADV_VANISH_MARGIN0 + 19, "42");
  Choose(p, IDC_ADV_HIT_LEVEL, 10);  // "レベル1 (速度制限=600)"
  Choose(p, IDC_ADV_SHOT_PRECISION, 3);
  Type(p, IDC_ADV_FRAME_RATE, "500");  // held to 30..120 when stored
  SetCheck(p, IDC_ADV_USE_Z, 0);
  SetCheck(p, IDC_ADV_NO_DAMAGE_OFF, 1);
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(11, Stage.m_nHitLevel);
  EXPECT_EQ(1, Stage.m_nLevelEff);  // the derived values follow when the sheet closes
  EXPECT_EQ(3, Stage.m_nShotPrecision);
  EXPECT_EQ(120, Stage.m_nFrameRate);
  EXPECT_EQ(0, Stage.m_bUseZ);
  EXPECT_EQ(1, Stage.m_bNoDamageOffScreen);
  EXPECT_EQ(0, Stage.m_AutoVanish[0].m_bLeft);
  EXPECT_EQ(7, Stage.m_AutoVanish[0].m_nLeft);
  EXPECT_EQ(1, Stage.m_AutoVanish[4].m_bBottom);
  EXPECT_EQ(42, Stage.m_AutoVanish[4].m_nBottom);
  EXPECT_EQ(1, StageEditState.m_bStageChanged);

  // The tenth item stores 10.
  ASSERT_TRUE(Open());
  p = ShowPage<cStageAdvancedPage>(1);
  ASSERT_TRUE(p);
  Choose(p, IDC_ADV_HIT_LEVEL, 9);
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(10, Stage.m_nHitLevel);
}

TEST_F(StageAdvancedSettingsTest, PagesNeverShownOrCancelledStoreNothing) {
  Stage.m_nFrameRate = 60;
  Stage.m_nHeroShotW = 12;
  ASSERT_TRUE(Open());
  // Changed behind the sheet: an advanced page never shown must not write its old view back.
  Stage.m_nFrameRate = 45;
  Stage.m_nHeroShotW = 9;
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(45, Stage.m_nFrameRate);
  EXPECT_EQ(9, Stage.m_nHeroShotW);

  ASSERT_TRUE(Open());
  cStageAdvancedPage* p = ShowPage<cStageAdvancedPage>(1);
  ASSERT_TRUE(p);
  Type(p, IDC_ADV_FRAME_RATE, "90");
  cStageAdvanced2Page* p2 = ShowPage<cStageAdvanced2Page>(2);
  ASSERT_TRUE(p2);
  Type(p2, IDC_ADV2_HERO_SHOT_W, "20");
  ASSERT_TRUE(Press(PSBTN_CANCEL));
  EXPECT_EQ(45, Stage.m_nFrameRate);
  EXPECT_EQ(9, Stage.m_nHeroShotW);
}

// The range captions carry their defaults only once the page runs, and the edits' ranges are set
// then: both pages are measured as they show.
TEST_F(StageAdvancedSettingsTest, CaptionsWithTheirDefaultsAndTheWidestValuesShowWhole) {
  ASSERT_TRUE(Open());
  for (int nPage : {1, 2}) {
    SCOPED_TRACE(nPage);
    cDialog* p = nPage == 1 ? static_cast<cDialog*>(ShowPage<cStageAdvancedPage>(1))
                            : static_cast<cDialog*>(ShowPage<cStageAdvanced2Page>(2));
    ASSERT_TRUE(p);
    const HWND hPage = p->m_hWnd;
    for (const std::string& s : caption_fit::CutCaptions(hPage)) ADD_FAILURE() << s;
    for (const std::string& s : caption_fit::CutValues(hPage)) ADD_FAILURE() << s;
    for (const std::string& s : caption_fit::Overlaps(hPage)) ADD_FAILURE() << s;
  }
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}

TEST_F(StageAdvancedSettingsTest, RangePageAppendsDefaultsOncePerWindowAndGreysHiddenColours) {
  Stage.m_nShowBlockRange = 0;
  Stage.m_nShowShotRange = 1;
  for (int nRound = 0; nRound < 2; ++nRound) {
    SCOPED_TRACE(nRound);
    ASSERT_TRUE(Open());
    cStageAdvanced2Page* p = ShowPage<cStageAdvanced2Page>(2);
    ASSERT_TRUE(p);
    EXPECT_EQ("歩行時：対ブロック (16,24,下)", TextOf(p, IDC_ADV2_CAP_HERO_WALK_BLOCK));
    EXPECT_EQ("飛行時：対キャラ (16,16,中)", TextOf(p, IDC_ADV2_CAP_HERO_FLY_CHARA));
    EXPECT_EQ("対ショット (12,8)", TextOf(p, IDC_ADV2_CAP_HERO_SHOT));
    EXPECT_EQ("対ショット (16,16)", TextOf(p, IDC_ADV2_CAP_ESHOT_SHOT));
    // Back and forth between the pages adds nothing.
    ASSERT_TRUE(ShowPage<cStageBasicPage>(0));
    ASSERT_TRUE(ShowPage<cStageAdvanced2Page>(2));
    EXPECT_EQ("対キャラ (28,28)", TextOf(p, IDC_ADV2_CAP_ITEM_CHARA));
    EXPECT_FALSE(Enabled(p, IDC_ADV2_COLOR_BLOCK));
    EXPECT_TRUE(Enabled(p, IDC_ADV2_COLOR_SHOT));
    Choose(p, IDC_ADV2_SHOW_BLOCK, 2);  // "枠のみ表示"
    EXPECT_TRUE(Enabled(p, IDC_ADV2_COLOR_BLOCK));
    Choose(p, IDC_ADV2_SHOW_SHOT, 0);  // "表示しない"
    EXPECT_FALSE(Enabled(p, IDC_ADV2_COLOR_SHOT));
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
  ASSERT_TRUE(Open());
  cStageAdvanced2Page* p = ShowPage<cStageAdvanced2Page>(2);
  ASSERT_TRUE(p);
  Choose(p, IDC_ADV2_SHOW_BLOCK, 2);
  Choose(p, IDC_ADV2_COLOR_BLOCK, 7);
  Choose(p, IDC_ADV2_HERO_WALK_BLOCK_POS, 0);
  Type(p, IDC_ADV2_HERO_WALK_BLOCK_H, "0");  // held to 1..32
  Type(p, IDC_ADV2_HSHOT_CHARA_W, "17");     // the shots' ranges end at 16
  Type(p, IDC_ADV2_ENEMY_FLY_CHARA_W, "14");
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(2, Stage.m_nShowBlockRange);
  EXPECT_EQ(7, Stage.m_nBlockRangeColor);
  EXPECT_EQ(0, Stage.m_nHeroWalkBlockPos);
  EXPECT_EQ(1, Stage.m_nHeroWalkBlockH);
  EXPECT_EQ(16, Stage.m_nHeroShotCharaW);
  EXPECT_EQ(14, Stage.m_nEnemyFlyCharaW);
}

// ---- the background list ----

TEST_F(StageAdvancedSettingsTest, InsertOnAnEmptyListAppendsADefaultLayerAndOpensItsDialog) {
  Stage.m_vBackground.clear();
  cStageBasicPage* p = Open();
  ASSERT_TRUE(p);
  HWND hList = GetDlgItem(p->m_hWnd, IDC_BASIC_BG_LIST);
  ASSERT_EQ(1u, RowTexts(hList).size());  // only the end row
  EXPECT_EQ(std::string(64, '-'), RowText(hList, 0));

  // Cancelled: the new layer goes again.
  bool bSeen = false;
  {
    cWhenUp<cBackgroundDlg> step([&](cBackgroundDlg* d) {
      bSeen = true;
      EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(d->m_hWnd, IDC_BG_SHOW));
      EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(d->m_hWnd, IDC_BG_BY_COLOR));
      EXPECT_EQ("16", TextOf(d, IDC_BG_COLOR));
      Click(d, IDC_STGDLG_CANCEL);
    });
    Click(p, IDC_BASIC_BG_INSERT);
  }
  EXPECT_TRUE(bSeen);
  EXPECT_EQ(0u, p->m_vBackground.size());

  // Confirmed: a colour layer, hidden at the start.
  {
    cWhenUp<cBackgroundDlg> step([&](cBackgroundDlg* d) {
      SetCheck(d, IDC_BG_SHOW, 0);
      SetCheck(d, IDC_BG_BY_COLOR, 1);
      Type(d, IDC_BG_COLOR, "40");
      Click(d, IDC_STGDLG_OK);
    });
    Click(p, IDC_BASIC_BG_INSERT);
  }
  ASSERT_EQ(1u, p->m_vBackground.size());
  EXPECT_EQ("1 ‐ 色番号40", RowText(hList, 0));
  EXPECT_TRUE(Stage.m_vBackground.empty());  // nothing before the sheet applies
  ASSERT_TRUE(Press(PSBTN_OK));
  ASSERT_EQ(1u, Stage.m_vBackground.size());
  const cEdBackground& b = Stage.m_vBackground[0];
  EXPECT_EQ(0, b.m_bShowAtStart);
  EXPECT_EQ(1, b.m_bUseColor);
  EXPECT_EQ(40, b.m_nColor);
  EXPECT_DOUBLE_EQ(0.1, b.m_dScrollX);
}

TEST_F(StageAdvancedSettingsTest, ListHoldsAtMostEightLayersAndCancelDropsItsEdits) {
  Stage.m_vBackground.assign(7, cEdBackground());
  Stage.m_vBackground[0].m_strImage = "bmp\\back\\sky.bmp";
  cStageBasicPage* p = Open();
  ASSERT_TRUE(p);
  HWND hList = GetDlgItem(p->m_hWnd, IDC_BASIC_BG_LIST);
  EXPECT_EQ("1 ○ bmp\\back\\sky.bmp", RowText(hList, 0));
  cListCtrl<cEdBackground>& list = p->m_BgList.m_Ctrl;
  // Two layers on seven would pass the maximum: the paste is refused whole.
  list.SetCurSel(0, 1);
  SendMessageA(hList, LB_SETSEL, TRUE, 1);
  list.OnSelChange();
  ASSERT_EQ(1, list.Copy());
  ASSERT_EQ(2u, list.m_vClip.size());
  g_nBeeps = 0;
  EXPECT_EQ(0, list.Paste());
  EXPECT_EQ(7u, p->m_vBackground.size());
  list.SelectOnly(0, 1);
  ASSERT_EQ(1, list.Copy());
  ASSERT_EQ(1, list.Paste());
  EXPECT_EQ(8u, p->m_vBackground.size());
  EXPECT_EQ(0, list.Paste());
  Activate(m_hSheet);
  SetFocus(hList);
  ASSERT_EQ(hList, GetFocus());
  SendMessageA(p->m_hWnd, WM_COMMAND, ID_ACC_INSERT_1, 0);  // Ctrl+I
  Click(p, IDC_BASIC_BG_INSERT);                             // refused before any dialog
  EXPECT_EQ(4, g_nBeeps);
  EXPECT_EQ(8u, p->m_vBackground.size());
  ASSERT_TRUE(Press(PSBTN_CANCEL));
  EXPECT_EQ(7u, Stage.m_vBackground.size());
}

TEST_F(StageAdvancedSettingsTest, ColourModeGreysThePictureControlsAndTheSampleFollowsTheTypedNumber) {
  Stage.m_vBackground.assign(1, cEdBackground());
  const RGBQUAD keep40 = g_Palette[40];
  g_Palette[40] = RGBQUAD{0x12, 0x34, 0x56, 0};
  cStageBasicPage* p = Open();
  ASSERT_TRUE(p);
  cFileDlgRecorder files;
  bool bSeen = false;
  {
    cWhenUp<cBackgroundDlg> step([&](cBackgroundDlg* d) {
      bSeen = true;
      const int PICTURE[] = {IDC_BG_IMAGE, IDC_BG_BROWSE, IDC_BG_SPEED_X, IDC_BG_SPEED_Y, IDC_BG_AUTO_X, IDC_BG_AUTO_Y};
      EXPECT_FALSE(Enabled(d, IDC_BG_COLOR));
      for (int nId : PICTURE) EXPECT_TRUE(Enabled(d, nId)) << nId;
      Click(d, IDC_BG_BROWSE);
      SetCheck(d, IDC_BG_BY_COLOR, 1);
      EXPECT_TRUE(Enabled(d, IDC_BG_COLOR));
      for (int nId : PICTURE) EXPECT_FALSE(Enabled(d, nId)) << nId;
      const uint8_t* px = d->m_Sample.m_Surface.m_pBits;
      ASSERT_TRUE(px);
      Type(d, IDC_BG_COLOR, "40");  // shown before it is stored
      GdiFlush();
      EXPECT_EQ(0x12, px[0]);
      EXPECT_EQ(0x34, px[1]);
      EXPECT_EQ(0x56, px[2]);
      for (const char* pszOutside : {"300", "-5"}) {
        Type(d, IDC_BG_COLOR, pszOutside);
        GdiFlush();
        EXPECT_EQ(0, px[0] | px[1] | px[2]) << pszOutside;
      }
      Type(d, IDC_BG_COLOR, "300");
      Click(d, IDC_STGDLG_OK);
    });
    Click(p, IDC_BASIC_BG_EDIT);
  }
  g_Palette[40] = keep40;
  ASSERT_TRUE(bSeen);
  ASSERT_EQ(1u, files.Asked().size());
  EXPECT_EQ("bmp\\back\\", files.Asked()[0].strInitDir);
  EXPECT_EQ("ビットマップの選択", files.Asked()[0].strTitle);
  ASSERT_EQ(2u, files.Asked()[0].vFilter.size());
  EXPECT_EQ("*.bmp", files.Asked()[0].vFilter[1]);
  EXPECT_EQ(207, p->m_vBackground[0].m_nColor);  // the edit's range applies when it is stored
  EXPECT_EQ(1, p->m_vBackground[0].m_bUseColor);
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_EQ(207, Stage.m_vBackground[0].m_nColor);
}

}  // namespace
