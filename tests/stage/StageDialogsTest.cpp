// The stage's own dialogs opened from the stage window's commands on the sample project's demo
// stage: the stage options (undo depth against free memory, wheel direction), the new stage
// (template, palettes, the questions and refusals) and the stage settings sheet's basic page
// (size and anchors, feedback labels, enable rules, OK and Cancel).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "startup/StartUp.h"
#include "app/WindowList.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/StageDialogIds.h"
#include "resources/StageIds.h"
#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "stage/NewStageDlg.h"
#include "stage/StageOptionsDlg.h"
#include "stage/StageSettingsSheet.h"
#include "stage/StageWnd.h"
#include "support/EditorSession.h"
#include "support/ModalStep.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"
#include "tests/stage/StageRereadCut.h"

namespace {

uint64_t s_nFreeMem = 0;
uint64_t TestFreeMem() { return s_nFreeMem; }

class StageDialogsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpWnd = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpWnd);
    ASSERT_EQ(1, StageEditState.m_bStageOpen);
    DrainMessages();
    s_nFreeMem = uint64_t(1) << 40;
    SetFreeMemFn(TestFreeMem);
  }
  void TearDown() override {
    SetFreeMemFn(nullptr);
    ShutDownStartedEditor();
  }
  void Command(uint16_t wId) { SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, wId, 0); }
  // An undo depth with one step taken.
  void UndoWithOneStep(int32_t nDepth) {
    Stage.m_nUndoDepth = nDepth;
    StageEditState.AllocUndo(nDepth, Stage.m_nPitch, Stage.m_nHeight);
    if (nDepth > 0) m_lpWnd->PushUndo(UNDO_ALL);
    StageEditState.m_bStageChanged = 0;
  }
  uint64_t Snapshot() const { return cStageEditState::SnapshotSize(Stage.m_nPitch, Stage.m_nHeight); }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpWnd = nullptr;
};

TEST_F(StageDialogsTest, StageOptionsChangeTheUndoDepthWhenMemoryAllowsAndStoreTheWheelDirection) {
  const char* const MEMORY_SHORT = "メモリ不足により、「元に戻せる回数」が変更できませんでした！";
  struct {
    const char* pszName;
    int32_t nOld;
    const char* pszTyped;
    int nFreeSnapshots;  // free memory in snapshots of the stage
    int32_t nDepth;      // afterwards
    int32_t nSteps;      // undo steps kept
    bool bRefused;
  } aCases[] = {
      {"lowered: the store emptied", 5, "2", 100, 2, 0, false},
      {"unchanged: the history kept", 3, "3", 0, 3, 1, false},
      // Two more snapshots per step for the check; the store itself then wants 1 + 2 x 4.
      {"raised with room for the new steps", 1, "4", 9, 4, 0, false},
      {"raised beyond the memory: refused, history kept", 1, "4", 5, 1, 1, true},
      {"typed past the range: the maximum", 0, "12", 100, 9, 0, false},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    s_nFreeMem = uint64_t(1) << 40;
    UndoWithOneStep(c.nOld);
    Stage.m_nWheelDir = 0;
    m_Boxes.Clear();
    s_nFreeMem = static_cast<uint64_t>(c.nFreeSnapshots) * Snapshot();
    cWhenUp<cStageOptionDlg> drive([&](cStageOptionDlg* p) {
      EXPECT_EQ(std::to_string(c.nOld), TextOf(p, IDC_OPT_UNDO_DEPTH));
      EXPECT_FALSE(IsWindowEnabled(m_lpWnd->m_hWnd));
      Type(p, IDC_OPT_UNDO_DEPTH, c.pszTyped);
      Choose(p, IDC_OPT_WHEEL_DIR, 1);
      Click(p, IDC_STGDLG_OK);
    });
    Command(ID_STAGE_OPTIONS);
    ASSERT_TRUE(drive.Ran());
    EXPECT_TRUE(IsWindowEnabled(m_lpWnd->m_hWnd));
    EXPECT_EQ(nullptr, m_lpWnd->m_lpEditor[cStageWnd::EDITOR_STAGE_OPTIONS]);
    EXPECT_EQ(c.nDepth, Stage.m_nUndoDepth);
    EXPECT_EQ(c.nSteps, StageEditState.m_Undo.m_nCount);
    EXPECT_EQ(c.nDepth, StageEditState.m_Undo.Allocated());
    EXPECT_EQ(1, Stage.m_nWheelDir);
    EXPECT_EQ(1, StageEditState.m_bStageChanged);
    ASSERT_EQ(c.bRefused ? 1u : 0u, m_Boxes.Shown().size());
    if (c.bRefused) EXPECT_EQ(MEMORY_SHORT, m_Boxes.Shown()[0].strText);
  }
}

TEST_F(StageDialogsTest, StageOptionsCancelStoresNothing) {
  UndoWithOneStep(3);
  Stage.m_nWheelDir = 0;
  cWhenUp<cStageOptionDlg> drive([&](cStageOptionDlg* p) {
    Type(p, IDC_OPT_UNDO_DEPTH, "7");
    Choose(p, IDC_OPT_WHEEL_DIR, 1);
    Click(p, IDC_STGDLG_CANCEL);
  });
  Command(ID_STAGE_OPTIONS);
  ASSERT_TRUE(drive.Ran());
  EXPECT_EQ(3, Stage.m_nUndoDepth);
  EXPECT_EQ(0, Stage.m_nWheelDir);
  EXPECT_EQ(1, StageEditState.m_Undo.m_nCount);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
}

}  // namespace

namespace {

const char* const SAVE_QUESTION = "ステージが変更された可能性があります。\n保存しますか？";

class NewStageTest : public StageDialogsTest {
 protected:
  void SetUp() override {
    StageDialogsTest::SetUp();
    // Two versions of a template; the newer one is told by its name.
    for (const char* psz : {"775", "778"}) {
      Stage.Reset();
      Stage.m_strName = std::string("tmpl ") + psz;
      ASSERT_TRUE(Stage.Save((std::string("data\\stg4\\Tmpl.stg4_") + psz).c_str()));
    }
    Stage.Reset();
    Stage.m_strName = "open";
    Stage.SetSize(40, 30, 0, 0);
    StageEditState.m_bStageOpen = 1;
    StageEditState.m_strStagePath = "data\\stg4\\Open.stg4_778";
    UndoWithOneStep(2);
    StageEditState.m_bStageChanged = 1;
  }
  // Runs the dialog through the command with these inputs and OK; the dialog's result.
  void RunWith(const char* pszTemplate, int nPalette, const char* pszPalFile) {
    cWhenUp<cNewStageDlg> drive([&](cNewStageDlg* p) {
      Type(p, IDC_NEW_TEMPLATE, pszTemplate);
      Choose(p, IDC_NEW_PALETTE, nPalette);
      Type(p, IDC_NEW_PAL_FILE, pszPalFile);
      Click(p, IDC_STGDLG_OK);
    });
    Command(ID_STAGE_NEW);
    ASSERT_TRUE(drive.Ran());
    EXPECT_EQ(nullptr, m_lpWnd->m_lpEditor[cStageWnd::EDITOR_NEW_STAGE]);
  }
};

TEST_F(NewStageTest, CopiesTheNewestTemplateWithTheCommonPaletteAndRebuildsTheWindow) {
  HWND hOld = m_lpWnd->m_hWnd;
  PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][LAYER_BLOCK] = SRC_COMMON;
  PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][LAYER_CHARA] = SRC_NONE;
  ASSERT_GT(CommonPalette.m_vBlock.size(), 2);
  m_Boxes.Answer(IDNO);  // the changed stage is not saved first
  RunWith("data\\stg4\\Tmpl.stg4_***", 2, "");
  ASSERT_EQ(2u, m_Boxes.Shown().size());
  EXPECT_EQ(SAVE_QUESTION, m_Boxes.Shown()[0].strText);
  EXPECT_EQ("現在のステージは破棄されます。\n新規作成しますか？\n", m_Boxes.Shown()[1].strText);
  EXPECT_EQ("新規作成の確認", m_Boxes.Shown()[1].strCaption);
  EXPECT_EQ("tmpl 778", Stage.m_strName);
  EXPECT_EQ(20, Stage.m_nWidth);
  ASSERT_EQ(CommonPalette.m_vBlock.size(), Stage.m_vPalBlock.size());
  EXPECT_EQ(SRC_COMMON, Stage.m_vPalBlock[2].m_nInheritPal);
  EXPECT_EQ(2, Stage.m_vPalBlock[2].m_nInheritNo);
  EXPECT_EQ(CommonPalette.m_vBlock[2].m_nGraphic, Stage.m_vPalBlock[2].m_nGraphic);
  EXPECT_EQ(SRC_NONE, Stage.m_vPalChara[1].m_nInheritPal);
  EXPECT_EQ(1, StageEditState.m_bStageOpen);
  EXPECT_TRUE(StageEditState.m_strStagePath.empty());
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  // The inputs are remembered and written with the configuration.
  EXPECT_EQ("data\\stg4\\Tmpl.stg4_***", EditConfig.m_strNewStageTemplate);
  EXPECT_EQ(2, EditConfig.m_nNewStagePalette);
  cEditConfig saved;
  ASSERT_TRUE(saved.Load(EDIT_CONFIG_FILE));
  EXPECT_EQ(2, saved.m_nNewStagePalette);
  ASSERT_TRUE(WaitForStageWindowRebuild(hOld));
  m_lpWnd = FrameWnd.m_lpStageWnd;
  ASSERT_TRUE(m_lpWnd);
  char sz[64];
  GetWindowTextA(m_lpWnd->m_hWnd, sz, sizeof sz);
  EXPECT_STREQ("Kordane4", sz);
}

TEST_F(NewStageTest, EmptyTemplateGivesAnEmptyStageWithEmptyPalettes) {
  StageEditState.m_bStageOpen = 0;
  RunWith("", 1, "");
  EXPECT_TRUE(m_Boxes.Shown().empty());  // nothing open: nothing asked
  EXPECT_EQ(20, Stage.m_nWidth);
  EXPECT_EQ(15, Stage.m_nHeight);
  EXPECT_NE("open", Stage.m_strName);
  EXPECT_EQ(1, StageEditState.m_bStageOpen);
  int nPlaced = 0;
  for (const cEdBlock& b : Stage.m_vBlockGrid) nPlaced += b.m_nGraphic != 0;
  EXPECT_EQ(0, nPlaced);
  // Emptied, then brought up to the palettes' minimum by the validation.
  EXPECT_LE(Stage.m_vPalBlock.size(), 2);
}

TEST_F(NewStageTest, DeclinedOrMissingFilesKeepTheOpenStage) {
  struct {
    const char* pszName;
    int nAnswer;
    const char* pszTemplate;
    int nPalette;
    const char* pszPalFile;
    const char* pszError;  // null: none
    int32_t nUndoSteps;
  } aCases[] = {
      {"declined", IDNO, "data\\stg4\\Tmpl.stg4_***", 1, "", nullptr, 1},
      {"palette file missing", IDYES, "data\\stg4\\Tmpl.stg4_***", 3, "data\\plt4\\none.plt4",
       "ステージパレットファイル data\\plt4\\none.plt4 が見つかりません！", 1},
      {"palette path empty", IDYES, "data\\stg4\\Tmpl.stg4_***", 3, "",
       "ステージパレットファイル  が見つかりません！", 1},
      // A damaged file is found out before anything changes; the editor goes on.
      {"palette file damaged", IDYES, "data\\stg4\\Tmpl.stg4_***", 3, "data\\plt4\\Cut.plt4",
       "data\\plt4\\Cut.plt4 の読み込みに失敗しました！", 1},
      // The undo steps of the open stage stay with it, and the store keeps taking new ones.
      {"template missing", IDYES, "data\\stg4\\None.stg4_***", 1, "",
       "ステージファイル data\\stg4\\None.stg4_*** が見つかりません！", 1},
      {"template damaged", IDYES, "data\\stg4\\Bad.stg4_***", 1, "",
       "ステージファイル data\\stg4\\Bad.stg4_778 の読み込みに失敗しました！", 1},
  };
  CreateDirectoryA("data\\plt4", nullptr);
  ASSERT_TRUE(Stage.SavePalettes("data\\plt4\\Cut.plt4"));
  std::vector<unsigned char> vCut = ReadFileBytes("data\\plt4\\Cut.plt4");
  ASSERT_GT(vCut.size(), 40u);
  vCut.resize(vCut.size() / 2);
  ASSERT_TRUE(WriteFileBytes("data\\plt4\\Cut.plt4", vCut));
  std::vector<unsigned char> vBad = ReadFileBytes("data\\stg4\\Tmpl.stg4_778");
  ASSERT_GT(vBad.size(), 40u);
  vBad.resize(vBad.size() / 2);
  ASSERT_TRUE(WriteFileBytes("data\\stg4\\Bad.stg4_778", vBad));
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    UndoWithOneStep(2);
    m_Boxes.Clear();
    m_Boxes.Answer(c.nAnswer);
    RunWith(c.pszTemplate, c.nPalette, c.pszPalFile);
    ASSERT_EQ(c.pszError ? 2u : 1u, m_Boxes.Shown().size());
    if (c.pszError) EXPECT_EQ(c.pszError, m_Boxes.Shown()[1].strText);
    EXPECT_EQ("open", Stage.m_strName);
    EXPECT_EQ(40, Stage.m_nWidth);
    EXPECT_EQ("data\\stg4\\Open.stg4_778", StageEditState.m_strStagePath);
    EXPECT_EQ(c.nUndoSteps, StageEditState.m_Undo.m_nCount);
    EXPECT_EQ(2, StageEditState.m_Undo.Allocated());
    DrainMessages();
    EXPECT_TRUE(IsWindow(g_hMainWnd));
    EXPECT_EQ(m_lpWnd, FrameWnd.m_lpStageWnd);
  }
}

// A template that changes between the check and the reading costs the open stage its cells: what
// is left is a new, empty stage, which a save must not write over the open stage's file.
TEST_F(NewStageTest, TemplateCutWhileReadLeavesANewStageWithoutAFile) {
  ASSERT_EQ(1, SaveLargeStage("data\\stg4\\Large.stg4_778"));
  HWND hOld = m_lpWnd->m_hWnd;
  m_Boxes.Answer(IDNO);
  m_Boxes.Answer(IDYES);
  {
    cCutBetweenReadings cut("data\\stg4\\Large.stg4_778");
    RunWith("data\\stg4\\Large.stg4_***", 0, "");
  }
  ASSERT_EQ(3u, m_Boxes.Shown().size());
  EXPECT_EQ("ステージファイル data\\stg4\\Large.stg4_778 の読み込みに失敗しました！", m_Boxes.Shown()[2].strText);
  EXPECT_EQ(0u, Stage.m_vBlockGrid.Held());
  EXPECT_EQ(0, StageEditState.m_bStageOpen);
  EXPECT_TRUE(StageEditState.m_strStagePath.empty());
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  EXPECT_EQ(Stage.m_nUndoDepth, StageEditState.m_Undo.Allocated());
  EXPECT_TRUE(WaitForStageWindowRebuild(hOld));
  m_lpWnd = FrameWnd.m_lpStageWnd;
}

TEST_F(NewStageTest, PaletteFileIsChosenOnlyWithItsChoice) {
  cWhenUp<cNewStageDlg> drive([&](cNewStageDlg* p) {
    for (int nChoice = 0; nChoice < 4; ++nChoice) {
      Choose(p, IDC_NEW_PALETTE, nChoice);
      EXPECT_EQ(nChoice == 3, IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_NEW_PAL_FILE)) != 0) << nChoice;
      EXPECT_EQ(nChoice == 3, IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_NEW_PAL_FILE_BROWSE)) != 0) << nChoice;
    }
    cFileDlgRecorder dlgs;
    Click(p, IDC_NEW_TEMPLATE_BROWSE);
    Click(p, IDC_NEW_PAL_FILE_BROWSE);
    EXPECT_EQ(2u, dlgs.Asked().size());
    if (dlgs.Asked().size() == 2) {
      EXPECT_EQ((std::vector<std::string>{"StageFile ( *.stg4_* )", "*.stg4_*"}), dlgs.Asked()[0].vFilter);
      EXPECT_EQ((std::vector<std::string>{"PaletteFile ( *.plt4 )", "*.plt4"}), dlgs.Asked()[1].vFilter);
    }
    Click(p, IDC_STGDLG_CANCEL);
  });
  m_Boxes.Answer(IDNO);  // the changed stage is not saved first
  Command(ID_TB_NEW);
  ASSERT_TRUE(drive.Ran());
  EXPECT_EQ("open", Stage.m_strName);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(SAVE_QUESTION, m_Boxes.Shown()[0].strText);
}

}  // namespace

namespace {

void SetCheck(cDialog* p, int nId, int nState) {
  HWND hCheck = GetDlgItem(p->m_hWnd, nId);
  SendMessageA(hCheck, BM_SETCHECK, static_cast<WPARAM>(nState), 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hCheck));
}

class StageSettingsTest : public StageDialogsTest {
 protected:
  void SetUp() override {
    StageDialogsTest::SetUp();
    EditConfig.m_nResizeDirX = EditConfig.m_nResizeDirY = 0;
    Stage.SetSize(100, 30, 0, 0);
    cEdStage::ClearBlockGrid(Stage.m_vBlockGrid, Stage.m_nPitch * Stage.m_nHeight);
    Stage.m_vBlockGrid[Stage.CellIndex(0, 0)].m_nGraphic = 7;
    UndoWithOneStep(3);
  }
  // Opens the sheet from the command; its basic page once it is initialised.
  cStageBasicPage* Open() {
    Command(ID_STAGE_SETTINGS);
    cStageBasicPage* p = nullptr;
    bool bUp = PumpUntil([&] {
      m_hSheet = FindWindowA(nullptr, "ステージの設定");
      p = cStageBasicPage::Current();
      return m_hSheet && p && p->m_bInit;
    });
    return bUp ? p : nullptr;
  }
  // Presses a sheet button and waits until the main loop's pre-translation has reaped the sheet.
  bool Press(int nButton) {
    PostMessageA(m_hSheet, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
    return PumpThroughMainLoopUntil(
        [&] { return !IsWindow(m_hSheet) && !m_lpWnd->m_lpSheet[cStageWnd::SHEET_STAGE_SETTINGS]; });
  }
  int32_t BlockAt(int32_t x, int32_t y) { return Stage.m_vBlockGrid[Stage.CellIndex(x, y)].m_nGraphic; }

  HWND m_hSheet = nullptr;
};

TEST_F(StageSettingsTest, OkResizesTheStageAtItsAnchorAndGivesTheWindowBack) {
  const char* const MEMORY_SHORT = "メモリ不足により、サイズの変更に失敗しました！";
  struct {
    const char* pszName;
    const char* pszWidth;
    const char* pszHeight;
    int nDirX;
    int nFreeSnapshots;
    int32_t nWidth, nHeight;
    int32_t nBlockCol;  // where the block of column 0 ends up
    size_t nBoxes;
  } aCases[] = {
      {"wider at the left", "120", "30", 1, 1000, 120, 30, 20, 0},
      {"narrower at the left", "90", "30", 1, 0, 90, 30, -1, 0},  // shrinking never checks memory
      {"below the least size", "10", "10", 0, 1000, 20, 15, 0, 0},
      {"growth beyond the memory, once per commit pass", "120", "40", 0, 1, 100, 30, 0, 2},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszName);
    // Each case on a freshly started editor.
    if (&c != aCases) {
      TearDown();
      SetUp();
    }
    m_Boxes.Clear();
    cStageBasicPage* p = Open();
    ASSERT_TRUE(p);
    EXPECT_FALSE(IsWindowEnabled(m_lpWnd->m_hWnd));
    EXPECT_EQ("100", TextOf(p, IDC_BASIC_WIDTH));
    s_nFreeMem = static_cast<uint64_t>(c.nFreeSnapshots) * Snapshot();
    Type(p, IDC_BASIC_WIDTH, c.pszWidth);
    Type(p, IDC_BASIC_HEIGHT, c.pszHeight);
    Choose(p, IDC_BASIC_DIR_X, c.nDirX);
    Type(p, IDC_BASIC_NAME, "renamed");
    ASSERT_TRUE(Press(PSBTN_OK));
    EXPECT_EQ(c.nWidth, Stage.m_nWidth);
    EXPECT_EQ(c.nHeight, Stage.m_nHeight);
    if (c.nBlockCol >= 0) EXPECT_EQ(7, BlockAt(c.nBlockCol, 0));
    EXPECT_EQ("renamed", Stage.m_strName);
    EXPECT_EQ(0, StageEditState.m_Undo.m_nCount);  // OK starts the history afresh
    EXPECT_EQ(c.nDirX, EditConfig.m_nResizeDirX);
    EXPECT_EQ(1, StageEditState.m_bStageChanged);
    EXPECT_EQ(c.nBoxes, m_Boxes.Shown().size());
    for (const cShownBox& b : m_Boxes.Shown()) EXPECT_EQ(MEMORY_SHORT, b.strText);
    EXPECT_TRUE(IsWindowEnabled(m_lpWnd->m_hWnd));
  }
}

TEST_F(StageSettingsTest, CancelKeepsTheStageAsItWas) {
  cStageBasicPage* p = Open();
  ASSERT_TRUE(p);
  Type(p, IDC_BASIC_WIDTH, "200");
  Type(p, IDC_BASIC_NAME, "renamed");
  SetCheck(p, IDC_BASIC_TIME_ON, 1);
  Stage.m_bTimeLimit = 0;
  ASSERT_TRUE(Press(PSBTN_CANCEL));
  EXPECT_EQ(100, Stage.m_nWidth);
  EXPECT_NE("renamed", Stage.m_strName);
  EXPECT_EQ(0, Stage.m_bTimeLimit);
  EXPECT_EQ(7, BlockAt(0, 0));
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  // The history is kept: the step taken before the sheet still undoes.
  EXPECT_EQ(3, StageEditState.m_Undo.Allocated());
  EXPECT_EQ(1, StageEditState.m_Undo.m_nCount);
  EXPECT_TRUE(IsWindowEnabled(m_lpWnd->m_hWnd));
}

TEST_F(StageSettingsTest, LabelsFollowWhatIsTypedAndChecksEnableTheirControls) {
  Stage.m_bMinXOn = Stage.m_bMaxXOn = 0;
  Stage.m_nMinX = 0;
  Stage.m_nMaxX = 99;
  Stage.m_bSkipClearWait = 0;
  cStageBasicPage* p = Open();
  ASSERT_TRUE(p);
  HWND hLeft = GetDlgItem(p->m_hWnd, IDC_BASIC_HIDDEN_LEFT);
  EXPECT_FALSE(IsWindowVisible(hLeft));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_BASIC_MIN_X)));
  SetCheck(p, IDC_BASIC_MIN_X_ON, 1);
  EXPECT_TRUE(IsWindowVisible(hLeft));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(p->m_hWnd, IDC_BASIC_MIN_X)));
  Type(p, IDC_BASIC_MIN_X, "90");  // lowered to width - 20 for the label
  EXPECT_EQ("隠れる幅 80(bl)", TextOf(p, IDC_BASIC_HIDDEN_LEFT));
  EXPECT_EQ("隠れる幅 0(bl)", TextOf(p, IDC_BASIC_HIDDEN_RIGHT));
  Type(p, IDC_BASIC_WIDTH, "150");
  EXPECT_EQ("隠れる幅 90(bl)", TextOf(p, IDC_BASIC_HIDDEN_LEFT));
  EXPECT_EQ("隠れる幅 50(bl)", TextOf(p, IDC_BASIC_HIDDEN_RIGHT));

  for (int nSkip : {1, 0}) {
    SetCheck(p, IDC_BASIC_SKIP_WAIT, nSkip);
    for (int nId = IDC_BASIC_RANK_SCORE; nId <= IDC_BASIC_RANK_SP; ++nId)
      EXPECT_EQ(nSkip == 0, IsWindowEnabled(GetDlgItem(p->m_hWnd, nId)) != 0) << nId;
  }

  // Memory for the stage's snapshot and one more: two snapshots of the typed size do not fit.
  s_nFreeMem = Snapshot();
  Type(p, IDC_BASIC_WIDTH, "100");
  EXPECT_EQ("※元に戻せる回数 3 → 0", TextOf(p, IDC_BASIC_UNDO_NOTE));
  std::string strKb = std::to_string((2 * Snapshot()) >> 10) + " KB";
  EXPECT_NE(std::string::npos, TextOf(p, IDC_BASIC_MEMORY).find(strKb));
  s_nFreeMem = uint64_t(1) << 40;
  Type(p, IDC_BASIC_WIDTH, "101");
  EXPECT_EQ("", TextOf(p, IDC_BASIC_UNDO_NOTE));
  ASSERT_TRUE(Press(PSBTN_CANCEL));
}

}  // namespace
