// The system settings sheet, opened in-process: edits on several pages reach SystemData and
// "data\System.dat" on OK and Apply, Cancel keeps the record, and the pages' enable rules.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "app/WindowList.h"
#include "model/DataFile.h"
#include "model/SystemData.h"
#include "project/SysCompat2Page.h"
#include "project/SysGeneralPage.h"
#include "project/SysIniPage.h"
#include "project/SysModePage.h"
#include "project/SysSoundPage.h"
#include "project/SysStatusPage.h"
#include "project/SystemSheet.h"
#include "resources/SystemSheetIds.h"
#include "support/TestSupport.h"

namespace {

int g_nClosed = 0;
void CountClosed() { ++g_nClosed; }

class SystemSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    SystemData.SetDefault();
    CreateDirectoryA("data", nullptr);
    g_nClosed = 0;
    m_pfnPrevClosed = SetSystemClosedFn(&CountClosed);
  }
  void TearDown() override {
    if (m_lpSheet) {
      SendMessageA(m_lpSheet->m_hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
      Reap();
    }
    SetSystemClosedFn(m_pfnPrevClosed);
    SystemData.SetDefault();
    EXPECT_TRUE(WindowList.m_vSheets.empty());
    EXPECT_TRUE(WindowList.m_vWindows.empty());
  }

  void Open() {
    OpenSystemSheet(nullptr, &m_lpSheet);
    ASSERT_TRUE(m_lpSheet);
    ASSERT_TRUE(m_lpSheet->m_hSheet);
  }
  // Shows the page so that its window exists, and returns that window.
  HWND Page(int nIndex) {
    m_lpSheet->SetCurPage(nIndex);
    return m_lpSheet->m_vPages[nIndex]->m_hWnd;
  }
  // The main loop deletes the closed sheet at its next message.
  bool Reap() {
    return PumpUntil([&] {
      MSG msg = {};
      WindowList.PreTranslate(&msg);
      return m_lpSheet == nullptr;
    });
  }
  void Press(int nButton) { SendMessageA(m_lpSheet->m_hSheet, PSM_PRESSBUTTON, nButton, 0); }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cSystemSheet* m_lpSheet = nullptr;
  SystemClosedFn m_pfnPrevClosed = nullptr;
};

// What the author does to a control: a check box toggled, a list entry chosen, a text typed.
void Toggle(HWND hPage, int nId) {
  HWND h = GetDlgItem(hPage, nId);
  LRESULT n = SendMessageA(h, BM_GETCHECK, 0, 0);
  SendMessageA(h, BM_SETCHECK, n == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
  SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(h));
}
void Choose(HWND hPage, int nId, int nPos) {
  HWND h = GetDlgItem(hPage, nId);
  SendMessageA(h, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
  SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}
void Type(HWND hPage, int nId, const char* psz) { SetDlgItemTextA(hPage, nId, psz); }
void Click(HWND hPage, int nId) {
  SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(hPage, nId)));
}
bool Enabled(HWND hPage, int nId) { return IsWindowEnabled(GetDlgItem(hPage, nId)) != 0; }
bool Checked(HWND hPage, int nId) {
  return SendMessageA(GetDlgItem(hPage, nId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

cEdSystem LoadWritten() {
  cEdSystem s;
  EXPECT_TRUE(s.Load("data\\System.dat"));
  return s;
}

TEST_F(SystemSheetTest, OkStoresTheVisitedPagesIntoTheRecordAndTheFile) {
  SystemData.m_vLives[0] = 7;  // page "2" is never shown: its fields keep what they hold
  Open();
  HWND hGeneral = Page(0);
  Type(hGeneral, IDC_SG_TITLE, "冒険ゲーム");
  Toggle(hGeneral, IDC_SG_CLEAR_1UP);
  EXPECT_TRUE(Enabled(hGeneral, IDC_SG_1UP_SCORE));
  Type(hGeneral, IDC_SG_1UP_SCORE, "2500000");  // above the range: held to 999999
  Choose(hGeneral, IDC_SG_FONT, 0);
  HWND hSound = Page(2);
  Toggle(hSound, IDC_SS_STOCK_2);
  Choose(hSound, IDC_SS_BGM_1, 1);
  Type(hSound, IDC_SS_SE_3, "wave\\err.wav");
  HWND hTerms = Page(4);
  Type(hTerms, IDC_TM_TERM_0, "せかい");
  HWND hCompat2 = Page(7);
  Toggle(hCompat2, IDC_SC_COMPAT_19);
  EXPECT_EQ("", SystemData.m_strTitle);  // nothing reaches the record before the commit

  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  const cEdSystem& s = SystemData;
  EXPECT_EQ("冒険ゲーム", s.m_strTitle);
  EXPECT_EQ(1, s.m_b1UpOnClear);
  EXPECT_EQ(999999, s.m_n1UpScore);
  EXPECT_EQ(0, s.m_nFont);
  EXPECT_EQ(1, s.m_vStock[2]);
  EXPECT_EQ(1, s.m_vBgm[1]);
  EXPECT_EQ("wave\\err.wav", s.m_vSounds[3]);
  EXPECT_EQ("せかい", s.m_vTerms[0]);
  EXPECT_EQ(1, s.m_bCompat772);
  EXPECT_EQ(7, s.m_vLives[0]);
  EXPECT_EQ(5, s.m_vLives[1]);

  cEdSystem w = LoadWritten();
  EXPECT_EQ("冒険ゲーム", w.m_strTitle);
  EXPECT_EQ(999999, w.m_n1UpScore);
  EXPECT_EQ(1, w.m_vBgm[1]);
  EXPECT_EQ("せかい", w.m_vTerms[0]);
  EXPECT_EQ(1, w.m_bCompat772);
  EXPECT_EQ(7, w.m_vLives[0]);
  // Pages "1" and "8" were created: each tells the stage window that the sheet closed.
  EXPECT_EQ(2, g_nClosed);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(SystemSheetTest, ApplyingTwiceWritesTheSameFileAndKeepsTheSheetOpen) {
  Open();
  HWND hMode = Page(1);
  Type(hMode, IDC_SM_WORLDS, "12");
  Toggle(hMode, IDC_SM_RANK_ITEM_1_2);
  Press(PSBTN_APPLYNOW);
  std::vector<unsigned char> vFirst = ReadFileBytes("data\\System.dat");
  ASSERT_FALSE(vFirst.empty());
  EXPECT_EQ(12, SystemData.m_nWorlds);
  EXPECT_EQ(0, SystemData.m_vRanking[1].m_vItems[2]);
  cEdSystem Before = SystemData;
  DeleteFileA("data\\System.dat");
  Press(PSBTN_APPLYNOW);
  EXPECT_EQ(vFirst, ReadFileBytes("data\\System.dat"));
  EXPECT_EQ(Before.m_nWorlds, SystemData.m_nWorlds);
  ASSERT_NE(nullptr, m_lpSheet);
  EXPECT_TRUE(IsWindow(m_lpSheet->m_hSheet));
}

TEST_F(SystemSheetTest, CancelKeepsTheRecordAndWritesNothing) {
  Open();
  HWND hGeneral = Page(0);
  Type(hGeneral, IDC_SG_TITLE, "捨てる");
  HWND hIni = Page(5);
  Type(hIni, IDC_SI_KEY_0, "Other");
  Press(PSBTN_CANCEL);
  ASSERT_TRUE(Reap());
  EXPECT_EQ("", SystemData.m_strTitle);
  EXPECT_EQ("Direct3D", SystemData.m_vIniOptions[0].m_strKey);
  EXPECT_FALSE(FileExists("data\\System.dat"));
  EXPECT_EQ(1, g_nClosed);  // only page "1" of the closing pages was created
}

TEST_F(SystemSheetTest, IniEntryStoredAsTextIsEditedAsText) {
  SystemData.m_vIniOptions[0].SetText("Direct3D", "abc");
  SystemData.m_vIniOptions[0].m_nDefault = 3;
  Open();
  HWND hIni = Page(5);
  char sz[64] = "";
  GetDlgItemTextA(hIni, IDC_SI_VALUE_0, sz, sizeof sz);
  EXPECT_STREQ("abc", sz);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(hIni, IDC_SI_SPIN_0)));
  Type(hIni, IDC_SI_VALUE_0, "xyz");
  Type(hIni, IDC_SI_VALUE_1, "150");  // a number entry: held to 99
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ(1, SystemData.m_vIniOptions[0].m_nKind);
  EXPECT_EQ("xyz", SystemData.m_vIniOptions[0].m_strDefault);
  EXPECT_EQ(3, SystemData.m_vIniOptions[0].m_nDefault);
  EXPECT_EQ(99, SystemData.m_vIniOptions[1].m_nDefault);
}

// Each case: a page, what the author does there, and the state of the controls afterwards.
struct cRuleCase {
  const char* pszName;
  int nPage;
  std::vector<int> vToggles;           // check boxes clicked in order
  int nChooseId, nChoosePos;           // then a list entry chosen (0: none)
  std::vector<int> vEnabled, vDisabled;
  std::vector<int> vChecked, vUnchecked;
};

TEST_F(SystemSheetTest, EnableRulesFollowTheControls) {
  const cRuleCase aCases[] = {
      {"new record, page 1", 0, {}, 0, 0, {}, {IDC_SG_1UP_SCORE, IDC_SG_FX_SPEED}, {}, {}},
      {"1UP and effect on", 0, {IDC_SG_CLEAR_1UP, IDC_SG_INVINCIBLE_FX}, 0, 0,
       {IDC_SG_1UP_SCORE, IDC_SG_FX_SPEED}, {}, {}, {}},
      {"infinite lives disable the lives edit", 1, {}, 0, 0, {},
       {IDC_SM_LIVES_0, IDC_SM_LIVES_1, IDC_SM_LIVES_2}, {}, {}},
      {"finite lives enable it", 1, {IDC_SM_INFINITE_1}, 0, 0, {IDC_SM_LIVES_1}, {IDC_SM_LIVES_0}, {}, {}},
      {"shared lives off clears and disables the map options", 1, {IDC_SM_SHARE_LIVES}, 0, 0, {},
       {IDC_SM_DEATH_TO_MAP, IDC_SM_MAP_LIVES}, {}, {IDC_SM_DEATH_TO_MAP, IDC_SM_MAP_LIVES}},
      {"shared lives on again leaves them unchecked", 1, {IDC_SM_SHARE_LIVES, IDC_SM_SHARE_LIVES}, 0, 0,
       {IDC_SM_DEATH_TO_MAP, IDC_SM_MAP_LIVES}, {}, {}, {IDC_SM_DEATH_TO_MAP, IDC_SM_MAP_LIVES}},
      {"ranking off disables its items and keeps them", 1, {IDC_SM_RANK_ON_2}, 0, 0,
       {IDC_SM_RANK_ITEM_0_0, IDC_SM_RANK_ITEM_1_4}, {IDC_SM_RANK_ITEM_2_0, IDC_SM_RANK_ITEM_2_4},
       {IDC_SM_RANK_ITEM_2_0, IDC_SM_RANK_ITEM_2_4}, {}},
      {"8-bit bitmaps have no transparent colour", 2, {}, 0, 0, {},
       {IDC_SS_KEY_R, IDC_SS_KEY_G, IDC_SS_KEY_B}, {}, {}},
      {"24-bit bitmaps do", 2, {}, IDC_SS_BMP_MODE, 1, {IDC_SS_KEY_R, IDC_SS_KEY_G, IDC_SS_KEY_B}, {}, {}, {}},
      {"reset after death needs the stock", 2, {IDC_SS_STOCK_0, IDC_SS_STOCK_2}, 0, 0,
       {IDC_SS_RESET_1, IDC_SS_RESET_2}, {IDC_SS_RESET_0, IDC_SS_RESET_11}, {}, {}},
      {"hidden status entry disables its symbol, text and digits", 3, {IDC_ST_SHOW_1}, 0, 0,
       {IDC_ST_SHOW_NUM_2}, {IDC_ST_SYMBOL_1, IDC_ST_TEXT_1, IDC_ST_DIGITS_1}, {IDC_ST_SYMBOL_1}, {}},
      {"a new record shows symbols instead of texts", 3, {}, 0, 0, {IDC_ST_DIGITS_4},
       {IDC_ST_TEXT_4, IDC_ST_TEXT_0}, {}, {}},
      {"text shown again", 3, {IDC_ST_SYMBOL_0}, 0, 0, {IDC_ST_TEXT_0}, {}, {}, {}},
      {"menu rows and ranking kinds follow their boxes", 3,
       {IDC_ST_TITLE_SHOW_6, IDC_ST_MAP_SHOW_0, IDC_ST_OPT_SHOW_3}, 0, 0, {IDC_ST_TITLE_TEXT_5},
       {IDC_ST_TITLE_TEXT_6, IDC_ST_MAP_TEXT_0, IDC_ST_OPT_TEXT_3, IDC_ST_RANK_KIND_0, IDC_ST_RANK_KIND_3},
       {}, {}},
  };
  for (const cRuleCase& c : aCases) {
    SCOPED_TRACE(c.pszName);
    SystemData.SetDefault();
    Open();
    HWND hPage = Page(c.nPage);
    for (int nId : c.vToggles) Toggle(hPage, nId);
    if (c.nChooseId) Choose(hPage, c.nChooseId, c.nChoosePos);
    for (int nId : c.vEnabled) EXPECT_TRUE(Enabled(hPage, nId)) << nId;
    for (int nId : c.vDisabled) EXPECT_FALSE(Enabled(hPage, nId)) << nId;
    for (int nId : c.vChecked) EXPECT_TRUE(Checked(hPage, nId)) << nId;
    for (int nId : c.vUnchecked) EXPECT_FALSE(Checked(hPage, nId)) << nId;
    Press(PSBTN_CANCEL);
    ASSERT_TRUE(Reap());
  }
}

TEST_F(SystemSheetTest, DisabledControlsStillStoreTheirValues) {
  SystemData.m_vStatus[1].m_bShowSymbol = 1;
  Open();
  HWND hStatus = Page(3);
  Type(hStatus, IDC_ST_TEXT_1, "点");  // disabled (symbol shown), still stored
  HWND hMode = Page(1);
  Type(hMode, IDC_SM_LIVES_0, "42");  // disabled (infinite), still stored
  Toggle(hMode, IDC_SM_SHARE_LIVES);  // clears the two map options
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  EXPECT_EQ("点", SystemData.m_vStatus[1].m_strText);
  EXPECT_EQ(42, SystemData.m_vLives[0]);
  EXPECT_EQ(0, SystemData.m_bShareLives);
  EXPECT_EQ(0, SystemData.m_bDeathToMap);
  EXPECT_EQ(0, SystemData.m_bMapLives);
}

TEST_F(SystemSheetTest, SoundBrowseListsWaveFilesByPattern) {
  Open();
  cFileDlgRecorder dlgs;
  Click(Page(2), IDC_SS_SE_BROWSE_1);
  ASSERT_EQ(1u, dlgs.Asked().size());
  EXPECT_EQ("wave\\", dlgs.Asked()[0].strInitDir);
  EXPECT_EQ((std::vector<std::string>{"WaveFile ( *.wav )", "*.wav"}), dlgs.Asked()[0].vFilter);
}

TEST_F(SystemSheetTest, SoundTestPlaysOnlyAPathAndReportsWhatCannotPlay) {
  Open();
  HWND hSound = Page(2);
  Click(hSound, IDC_SS_SE_PLAY_0);  // empty path: nothing
  Click(hSound, IDC_SS_BGM_PLAY_0);  // "なし": nothing
  EXPECT_TRUE(m_Boxes.Shown().empty());
  Type(hSound, IDC_SS_SE_0, "wave\\a.txt");
  Click(hSound, IDC_SS_SE_PLAY_0);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("読み込み失敗！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("エラー", m_Boxes.Shown()[0].strCaption);
}

}  // namespace

// OK and Apply reach every committing page that was made (here all four); a file that cannot be
// written is reported once per press, not once per page.
TEST_F(SystemSheetTest, FailedSaveIsOneBoxPerPressWhateverPagesWereVisited) {
  ASSERT_TRUE(CreateDirectoryA("data\\System.dat", nullptr));  // cannot be replaced
  Open();
  for (int nPage : {0, 1, 6, 7}) ASSERT_TRUE(Page(nPage));
  Type(Page(0), IDC_SG_TITLE, "題");
  Press(PSBTN_APPLYNOW);
  EXPECT_EQ(1u, m_Boxes.Shown().size());
  Press(PSBTN_OK);
  ASSERT_TRUE(Reap());
  ASSERT_EQ(2u, m_Boxes.Shown().size());
  for (const auto& box : m_Boxes.Shown()) EXPECT_EQ("data\\System.dat の保存に失敗しました！", box.strText);
  EXPECT_EQ("題", SystemData.m_strTitle);
}
