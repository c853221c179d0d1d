// The project options sheet: edits reach PrjOption and data\PrjOption.dat on OK, nothing on
// Cancel; the inheritance check boxes sit on their flags and the "ステージ→配置" lists store 0 or 2.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <memory>
#include <string>

#include "app/WindowList.h"
#include "model/Inherit.h"
#include "model/PrjOption.h"
#include "model/StageEditState.h"
#include "palette/CharaBasicPage.h"
#include "palette/DataSheets.h"
#include "project/PrjOptionSheet.h"
#include "resources/ProjectSheetIds.h"
#include "support/TestSupport.h"

namespace {

class PrjOptionSheetTest : public ::testing::Test {
 protected:
  PrjOptionSheetTest() : m_Dir(true) {}
  void SetUp() override {
    InitCommonControls();
    CreateDirectoryA("data", nullptr);
    PrjOption.SetDefault();
  }
  void TearDown() override {
    SafeDelete(g_lpPrjOptionSheet);
    PrjOption.SetDefault();
    EXPECT_TRUE(WindowList.m_vSheets.empty());
  }

  // Opens the sheet and creates both pages, leaving the given one shown.
  void Open(int nPage) {
    OpenPrjOptionSheet(nullptr);
    ASSERT_NE(nullptr, g_lpPrjOptionSheet);
    ASSERT_TRUE(g_lpPrjOptionSheet->m_hSheet);
    g_lpPrjOptionSheet->SetCurPage(1);
    g_lpPrjOptionSheet->SetCurPage(nPage);
    ASSERT_TRUE(General());
    ASSERT_TRUE(Inherit());
  }
  HWND General() const { return g_lpPrjOptionSheet->m_lpGeneral->m_hWnd; }
  HWND Inherit() const { return g_lpPrjOptionSheet->m_lpInherit->m_hWnd; }
  HWND Sheet() const { return g_lpPrjOptionSheet->m_hSheet; }

  // What a click on a check box does: the new state, then its notice to the page.
  static void Click(HWND hPage, int nId) {
    HWND h = GetDlgItem(hPage, nId);
    SendMessageA(h, BM_SETCHECK, SendMessageA(h, BM_GETCHECK, 0, 0) ? BST_UNCHECKED : BST_CHECKED, 0);
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(h));
  }
  static void Choose(HWND hPage, int nId, int nPos) {
    HWND h = GetDlgItem(hPage, nId);
    SendMessageA(h, CB_SETCURSEL, nPos, 0);
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
  }
  static std::string ComboText(HWND hPage, int nId) {
    char sz[256] = "";
    GetDlgItemTextA(hPage, nId, sz, sizeof sz);
    return sz;
  }
  // The main loop's next turn, which deletes a closed sheet.
  static void NextLoopTurn() {
    MSG msg = {};
    msg.message = WM_NULL;
    WindowList.PreTranslate(&msg);
  }

  cTempDir m_Dir;
  cMsgBoxRecorder m_Boxes;
};

TEST_F(PrjOptionSheetTest, NewOptionsShowTheirDefaultsAndEveryFlagHasItsCaptionedBox) {
  Open(1);
  EXPECT_EQ("プロジェクトオプション", [&] {
    char sz[64] = "";
    GetWindowTextA(Sheet(), sz, sizeof sz);
    return std::string(sz);
  }());
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ("継承しない", ComboText(Inherit(), PrjInheritComboIds[k]));
    EXPECT_EQ("コモンパレット", ComboText(Inherit(), PrjInheritComboIds[3 + k]));
    EXPECT_EQ("ステージパレット", ComboText(Inherit(), PrjInheritComboIds[6 + k]));
  }
  // The table walks block, character, item; each by situation; rows in flag order. The third
  // column carries the row's caption.
  const char* const* aNames[3] = {BlockInheritNames, CharaInheritNames, ItemInheritNames};
  const int aRows[3] = {11, 37, 13};
  int i = 0;
  for (int nKind = 0; nKind < 3; ++nKind)
    for (int nSit = 0; nSit < 3; ++nSit)
      for (int nRow = 0; nRow < aRows[nKind]; ++nRow, ++i) {
        SCOPED_TRACE(testing::Message() << "kind " << nKind << " situation " << nSit << " row " << nRow);
        HWND h = GetDlgItem(Inherit(), PrjInheritCheckIds[i]);
        ASSERT_TRUE(h);
        EXPECT_EQ(PrjOption.DefFlags(nSit, nKind)[nRow], SendMessageA(h, BM_GETCHECK, 0, 0));
        if (nSit == 2) {
          char sz[128] = "";
          GetWindowTextA(h, sz, sizeof sz);
          EXPECT_STREQ(aNames[nKind][nRow], sz);
        }
      }
  EXPECT_EQ(-1, PrjInheritCheckIds[i]);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(PrjOptionSheetTest, OkStoresBothPagesIntoTheOptionsAndTheirFile) {
  PrjOption.m_anDefInheritPal[INHERIT_PLACE_STAGE][PAL_CHARA] = SRC_NONE;
  Open(0);
  EXPECT_EQ("継承しない", ComboText(Inherit(), IDC_INH_CHARA_STAGE_PLACE));

  // "全般": the path edit follows "自動で取得" at once.
  HWND hPath = GetDlgItem(General(), IDC_PRJ_GAME_PATH);
  EXPECT_FALSE(IsWindowEnabled(hPath));
  Click(General(), IDC_PRJ_AUTO_GAME);
  EXPECT_TRUE(IsWindowEnabled(hPath));
  SetWindowTextA(hPath, "game\\Game.exe");
  Choose(General(), IDC_PRJ_OLD_STAGE, 2);

  g_lpPrjOptionSheet->SetCurPage(1);
  Click(Inherit(), 1257);  // block, "ステージ", "ブロック名": off to on
  Click(Inherit(), 1201);  // character, "ステージ→配置", "出現条件": off to on
  Click(Inherit(), 1362);  // item, "ステージ→配置", "効果": on to off
  Choose(Inherit(), IDC_INH_BLOCK_STAGE_PLACE, 0);
  Choose(Inherit(), IDC_INH_CHARA_STAGE_PLACE, 1);
  Choose(Inherit(), IDC_INH_ITEM_COMMON_PLACE, 0);
  // Nothing reaches the options before the commit.
  EXPECT_EQ(1, PrjOption.m_bAutoGamePath);
  EXPECT_EQ(0, PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, PAL_BLOCK)[0]);

  HWND hSheet = Sheet();
  SendMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  NextLoopTurn();
  EXPECT_EQ(nullptr, g_lpPrjOptionSheet);
  EXPECT_FALSE(IsWindow(hSheet));

  std::unique_ptr<cEdPrjOption> lpExpected(new cEdPrjOption);
  cEdPrjOption& e = *lpExpected;
  e.m_bAutoGamePath = 0;
  e.m_strGamePath = "game\\Game.exe";
  e.m_nOldVerStage = 2;
  e.DefFlags(INHERIT_NEW_STAGE_ENTRY, PAL_BLOCK)[0] = 1;
  e.DefFlags(INHERIT_PLACE_STAGE, PAL_CHARA)[4] = 1;
  e.DefFlags(INHERIT_PLACE_STAGE, PAL_ITEM)[12] = 0;
  e.m_anDefInheritPal[INHERIT_PLACE_STAGE][PAL_BLOCK] = SRC_NONE;
  e.m_anDefInheritPal[INHERIT_PLACE_STAGE][PAL_CHARA] = SRC_STAGE;
  e.m_anDefInheritPal[INHERIT_PLACE_COMMON][PAL_ITEM] = SRC_NONE;

  std::unique_ptr<cEdPrjOption> lpFile(new cEdPrjOption);
  ASSERT_EQ(1, lpFile->Load(PRJ_OPTION_FILE));
  for (const cEdPrjOption* p : {static_cast<const cEdPrjOption*>(&PrjOption), static_cast<const cEdPrjOption*>(lpFile.get())}) {
    SCOPED_TRACE(p == &PrjOption ? "PrjOption" : "data\\PrjOption.dat");
    EXPECT_EQ(e.m_bAutoGamePath, p->m_bAutoGamePath);
    EXPECT_EQ(e.m_strGamePath, p->m_strGamePath);
    EXPECT_EQ(e.m_nOldVerStage, p->m_nOldVerStage);
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(e.DefInheritCheck[n], p->DefInheritCheck[n]) << n;
      EXPECT_EQ(e.m_anDefInheritPal[n / 3][n % 3], p->m_anDefInheritPal[n / 3][n % 3]) << n;
    }
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(PrjOptionSheetTest, GameProgramBrowseListsProgramsByPattern) {
  Open(0);
  cFileDlgRecorder dlgs;
  HWND h = GetDlgItem(General(), IDC_PRJ_GAME_BROWSE);
  SendMessageA(General(), WM_COMMAND, MAKEWPARAM(IDC_PRJ_GAME_BROWSE, BN_CLICKED), reinterpret_cast<LPARAM>(h));
  ASSERT_EQ(1u, dlgs.Asked().size());
  EXPECT_EQ((std::vector<std::string>{"ExeFile ( *.exe )", "*.exe"}), dlgs.Asked()[0].vFilter);
}

TEST_F(PrjOptionSheetTest, CancelKeepsTheOptionsAndWritesNothingWhileAnyClickEnablesApply) {
  PrjOption.m_anDefInheritPal[INHERIT_PLACE_STAGE][PAL_ITEM] = SRC_STAGE;
  Open(0);
  HWND hApply = GetDlgItem(Sheet(), 0x3021);
  ASSERT_TRUE(hApply);
  EXPECT_FALSE(IsWindowEnabled(hApply));
  // The default-record buttons change nothing here, yet the sheet counts them as a change.
  SendMessageA(General(), WM_COMMAND, MAKEWPARAM(IDC_PRJ_DEF_BLOCK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(General(), IDC_PRJ_DEF_BLOCK)));
  EXPECT_TRUE(IsWindowEnabled(hApply));

  Click(General(), IDC_PRJ_AUTO_GAME);
  Click(Inherit(), 1307);
  Choose(Inherit(), IDC_INH_ITEM_STAGE_PLACE, 0);
  SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  NextLoopTurn();
  EXPECT_EQ(nullptr, g_lpPrjOptionSheet);
  EXPECT_EQ(1, PrjOption.m_bAutoGamePath);
  EXPECT_EQ(1, PrjOption.DefFlags(INHERIT_PLACE_COMMON, PAL_BLOCK)[0]);
  EXPECT_EQ(SRC_STAGE, PrjOption.m_anDefInheritPal[INHERIT_PLACE_STAGE][PAL_ITEM]);
  EXPECT_FALSE(FileExists(PRJ_OPTION_FILE));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(PrjOptionSheetTest, DefaultRecordButtonsOpenTheDataSheetOnTheDefaultRecord) {
  Open(0);
  StageEditState.m_bStageChanged = 0;
  StageEditState.m_bPaletteChanged = 0;
  SendMessageA(General(), WM_COMMAND, MAKEWPARAM(IDC_PRJ_DEF_CHARA, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(General(), IDC_PRJ_DEF_CHARA)));
  cPropSheet*& lpSlot = g_lpPrjOptionSheet->m_lpGeneral->m_lpDataSheet[1];
  ASSERT_TRUE(lpSlot);
  EXPECT_EQ(EDIT_DEFAULT, StageEditState.m_nEditContext);
  EXPECT_EQ(&PrjOption.m_DefChara, StageEditState.m_lpCharaTarget);
  EXPECT_EQ(static_cast<void*>(lpSlot), static_cast<void*>(StageEditState.m_lpCharaSheet));
  EXPECT_FALSE(IsWindowEnabled(Sheet()));
  cCharaBasicPage* p = static_cast<cCharaDataSheet*>(lpSlot)->m_lpBasic;
  SetDlgItemTextA(p->m_hWnd, 1002, "既定キャラ");
  HWND hData = lpSlot->m_hSheet;
  SendMessageA(hData, PSM_PRESSBUTTON, PSBTN_OK, 0);
  ASSERT_TRUE(PumpUntil([&] {
    NextLoopTurn();
    return lpSlot == nullptr;
  }));
  EXPECT_EQ("既定キャラ", PrjOption.m_DefChara.m_strName);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  EXPECT_EQ(0, StageEditState.m_bPaletteChanged);
  EXPECT_TRUE(IsWindowEnabled(Sheet()));
}

}  // namespace

// OK and Apply reach both pages; a file that cannot be written is reported once per press.
TEST_F(PrjOptionSheetTest, FailedSaveIsOneBoxPerPressWithBothPagesMade) {
  ASSERT_TRUE(CreateDirectoryA("data\\PrjOption.dat", nullptr));  // cannot be replaced
  Open(1);
  SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
  EXPECT_EQ(1u, m_Boxes.Shown().size());
  SendMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
  NextLoopTurn();
  ASSERT_EQ(2u, m_Boxes.Shown().size());
  for (const auto& box : m_Boxes.Shown()) EXPECT_EQ("data\\PrjOption.dat の保存に失敗しました！", box.strText);
}
