// The stage window's files and test play, on the sample project's demo stage: saving in place
// with the backup, saving under a new name, the file of an older data version, the question
// before closing, opening a stage, and starting the stand-in game with its launch guard. Then
// saves that fail, for every kind of file the editor writes (a write that fails at its first, a
// middle or its last block, a target held open by another program): the old file stays byte for
// byte, the author is told which file, the edits and the changed marks stay, nothing is left
// beside the file, and the same save works once the fault is gone; the questions before a changed
// stage is closed or replaced; and the toolbar bitmaps over many rebuilds of the stage window.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "stage/FrameWnd.h"
#include "app/Paths.h"
#include "startup/StartUp.h"
#include "app/Window.h"
#include "model/DataFile.h"
#include "model/DataRecord.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/ProjectLoad.h"
#include "model/FileSet.h"
#include "model/SaveMarks.h"
#include "model/SaveTemp.h"
#include "model/Database.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/SystemData.h"
#include "model/WorldMap.h"
#include "resources/StageIds.h"
#include "stage/StageWnd.h"
#include "stage/TestPlay.h"
#include "support/EditorSession.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"
#include "tests/stage/StageRereadCut.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

const char* const DEMO = "data\\stg4\\Sample.stg4_778";
const char* const DEMO_BACKUP = "data\\work\\Sample.stg4_778";

// The file dialogs' answers: the chosen path (empty: cancelled) and what the last one was asked.
struct cFileDlgScript {
  std::string strAnswer;
  cFileDlgAsk ask = {};
  std::string strProposed;
  std::string strFilterText, strFilterPattern;  // the filter's first description and pattern
  std::string strDefExt;
  int nAsked = 0;
};
cFileDlgScript g_Dlg;

int AnswerFileDlg(const cFileDlgAsk& ask) {
  g_Dlg.ask = ask;
  g_Dlg.strProposed = ask.pszFile;
  g_Dlg.strFilterText = ask.pszFilter;
  g_Dlg.strDefExt = ask.pszDefExt ? ask.pszDefExt : "";
  g_Dlg.strFilterPattern = ask.pszFilter + strlen(ask.pszFilter) + 1;
  ++g_Dlg.nAsked;
  if (g_Dlg.strAnswer.empty()) return 0;
  lstrcpynA(ask.pszFile, g_Dlg.strAnswer.c_str(), ask.nSize);
  return 1;
}

// What the stage file's writer sees: whether the backup is there while it writes, and whether
// it is to fail.
int g_nWrites = 0;
bool g_bBackupWhileWriting = false;
bool g_bFailWrites = false;
int WatchWrite(HANDLE h, const void* p, DWORD n) {
  ++g_nWrites;
  if (GetFileAttributesA(DEMO_BACKUP) != INVALID_FILE_ATTRIBUTES) g_bBackupWhileWriting = true;
  if (g_bFailWrites) return 0;
  DWORD dw = 0;
  return WriteFile(h, p, n, &dw, nullptr) && dw == n;
}

bool EndsWith(const std::string& s, const std::string& t) {
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// The writer's seam: counts the blocks written for one target (known by its temporary file,
// which is named after it) and fails the block asked for (0: none).
struct cWriteFault {
  std::string strTemp;
  int nBlocks = 0;
  int nFailAt = 0;
};
cWriteFault g_Fault;

int FaultyWrite(HANDLE h, const void* p, DWORD n) {
  if (FileExists(g_Fault.strTemp) && ++g_Fault.nBlocks == g_Fault.nFailAt) return 0;
  DWORD dw = 0;
  return WriteFile(h, p, n, &dw, nullptr) && dw == n;
}

std::string FirstTempOf(const std::string& strTarget) { return strTarget + ".~0.tmp"; }

// Files beside the target whose names begin with the target's.
std::vector<std::string> FilesBeside(const std::string& strTarget) {
  std::vector<std::string> v;
  WIN32_FIND_DATAA fd;
  HANDLE hFind = FindFirstFileA((strTarget + "*").c_str(), &fd);
  if (hFind == INVALID_HANDLE_VALUE) return v;
  do v.push_back(fd.cFileName);
  while (FindNextFileA(hFind, &fd));
  FindClose(hFind);
  return v;
}

class StageFilesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpWnd = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpWnd);
    ASSERT_EQ(DEMO, StageEditState.m_strStagePath);
    DrainMessages();
    g_Dlg = cFileDlgScript();
    m_pPrevDlg = SetFileDlgFn(AnswerFileDlg);
    g_nWrites = 0;
    g_bBackupWhileWriting = g_bFailWrites = false;
    g_Fault = cWriteFault();
    g_bTestPlayLaunching = 0;
  }
  void TearDown() override {
    SetFileDlgFn(m_pPrevDlg);
    SetDataFileWriteFn(nullptr);
    g_bTestPlayLaunching = 0;
    ShutDownStartedEditor();
  }
  void Command(uint16_t wId) { SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, wId, 0); }
  // Marks the stage changed with a block of its own in the first cell.
  void ChangeStage(int16_t nGraphic = 77) {
    Stage.m_vBlockGrid[0].m_nInheritPal = 0;
    Stage.m_vBlockGrid[0].m_nGraphic = nGraphic;
    StageEditState.m_bStageChanged = 1;
  }
  int32_t FirstBlockOnDisk(const std::string& strPath) {
    cEdStage* p = new cEdStage;
    int32_t n = p->Load(strPath.c_str()) ? p->m_vBlockGrid[0].m_nGraphic : -1;
    delete p;
    return n;
  }
  bool BoxShown(const std::string& strText) {
    // A box may say more below the line looked for (the database's says what became of the set).
    for (const cShownBox& b : m_Boxes.Shown())
      if (b.strText == strText || b.strText.rfind(strText + "\n", 0) == 0) return true;
    return false;
  }
  static std::string SaveFailed(const std::string& strPath) { return strPath + " の保存に失敗しました！"; }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpWnd = nullptr;
  FileDlgFn m_pPrevDlg = nullptr;
};

TEST_F(StageFilesTest, SaveOverKeepsTheBackupInTheWorkFolderOnlyWhileWriting) {
  SetDataFileWriteFn(WatchWrite);
  Command(ID_STAGE_SAVE);
  EXPECT_EQ(0, g_Dlg.nAsked);
  // An unchanged stage is not written (the common palette is).
  const int nPaletteWrites = g_nWrites;
  EXPECT_FALSE(g_bBackupWhileWriting);

  ChangeStage();
  Command(ID_STAGE_SAVE);
  EXPECT_GT(g_nWrites, nPaletteWrites);
  EXPECT_TRUE(g_bBackupWhileWriting);
  EXPECT_FALSE(FileExists(m_Dir.File(DEMO_BACKUP)));
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  EXPECT_EQ(77, FirstBlockOnDisk(DEMO));
  EXPECT_EQ(0, g_Dlg.nAsked);
}

TEST_F(StageFilesTest, FailedSaveOverKeepsTheBackupTheOldFileAndTheChangedMark) {
  const std::vector<unsigned char> vBefore = ReadFileBytes(DEMO);
  SetDataFileWriteFn(WatchWrite);
  g_bFailWrites = true;
  ChangeStage();
  EXPECT_EQ(0, m_lpWnd->SaveStage(0));
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  EXPECT_EQ(vBefore, ReadFileBytes(DEMO_BACKUP));
  EXPECT_EQ(vBefore, ReadFileBytes(DEMO));
}

TEST_F(StageFilesTest, SaveAsWritesTheChosenFileAndEditsItFromThenOn) {
  ChangeStage();
  g_Dlg.strAnswer = m_Dir.File("data\\stg4\\New.stg4_778");
  Command(ID_SAVE_AS);
  ASSERT_EQ(1, g_Dlg.nAsked);
  EXPECT_TRUE(g_Dlg.ask.bSave);
  EXPECT_STREQ("data\\stg4\\", g_Dlg.ask.pszInitDir);
  EXPECT_STREQ("保存先のファイルの選択", g_Dlg.ask.pszTitle);
  EXPECT_EQ("stg4_778", g_Dlg.strDefExt);
  EXPECT_EQ("StageFile ( *.stg4_778 )", g_Dlg.strFilterText);
  EXPECT_EQ("*.stg4_778", g_Dlg.strFilterPattern);
  EXPECT_EQ("", g_Dlg.strProposed);
  EXPECT_EQ(77, FirstBlockOnDisk("data\\stg4\\New.stg4_778"));
  EXPECT_TRUE(EndsWith(StageEditState.m_strStagePath, "data\\stg4\\New.stg4_778"));
  EXPECT_TRUE(PathIsRelativeA(StageEditState.m_strStagePath.c_str()));
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  char szTitle[512];
  GetWindowTextA(m_lpWnd->m_hWnd, szTitle, sizeof szTitle);
  EXPECT_TRUE(EndsWith(szTitle, "New.stg4_778"));

  // From then on Ctrl+S writes in place.
  Stage.m_vBlockGrid[0].m_nGraphic = 78;
  StageEditState.m_bStageChanged = 1;
  Command(ID_STAGE_SAVE);
  EXPECT_EQ(1, g_Dlg.nAsked);
  EXPECT_EQ(78, FirstBlockOnDisk("data\\stg4\\New.stg4_778"));

  // A cancelled dialog, or a file that cannot be written, changes nothing.
  const std::string strPath = StageEditState.m_strStagePath;
  g_Dlg.strAnswer.clear();
  StageEditState.m_bStageChanged = 1;
  EXPECT_EQ(0, m_lpWnd->SaveStage(1));
  g_Dlg.strAnswer = m_Dir.File("data\\stg4\\Third.stg4_778");
  SetDataFileWriteFn(WatchWrite);
  g_bFailWrites = true;
  EXPECT_EQ(0, m_lpWnd->SaveStage(1));
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  EXPECT_EQ(strPath, StageEditState.m_strStagePath);
  EXPECT_FALSE(FileExists("data\\stg4\\Third.stg4_778"));
}

TEST_F(StageFilesTest, SavingAnOlderVersionFileHandlesTheOldFileByTheProjectOption) {
  const char* const OLD = "data\\stg4\\Sample.stg4_500";
  const char* const MOVED = "data\\stg4\\old_ver\\Sample.stg4_500";
  struct {
    int32_t nOption;
    const char* pszChosen;
    bool bOldStays, bMoved;
  } const aCases[] = {
      {0, "data\\stg4\\Sample.stg4_778", false, true},
      {1, "data\\stg4\\Sample.stg4_778", true, false},
      {2, "data\\stg4\\Sample.stg4_778", false, false},
      {2, "data\\stg4\\Other.stg4_778", true, false},
      // The very file of the older version chosen again is written, never removed.
      {2, OLD, true, false},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(std::to_string(c.nOption) + " " + c.pszChosen);
    ASSERT_TRUE(CopyFileA(DEMO, OLD, FALSE));
    DeleteFileA(MOVED);
    PrjOption.m_nOldVerStage = c.nOption;
    StageEditState.m_strStagePath = OLD;
    ChangeStage();
    g_Dlg.strAnswer = m_Dir.File(c.pszChosen);
    Command(ID_STAGE_SAVE);
    EXPECT_EQ("data\\stg4\\Sample.stg4_778", g_Dlg.strProposed);
    EXPECT_EQ(c.bOldStays, FileExists(OLD));
    EXPECT_EQ(c.bMoved, FileExists(MOVED));
    EXPECT_EQ(77, FirstBlockOnDisk(c.pszChosen));
    DeleteFileA(OLD);
  }
}

TEST_F(StageFilesTest, ClosingAsksForTheStageThenTheCommonPalette) {
  struct {
    std::vector<int> vAnswers;
    bool bPaletteChanged;
    int32_t nResult;
    bool bStageSaved;
    size_t nBoxes;
  } const aCases[] = {
      {{IDCANCEL}, true, 0, false, 1},
      {{IDNO, IDNO}, true, 1, false, 2},
      {{IDYES}, false, 1, true, 1},
      // Cancelling the second question keeps the window although the stage was saved.
      {{IDYES, IDCANCEL}, true, 0, true, 2},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nBoxes);
    ChangeStage();
    Stage.m_vBlockGrid[0].m_nGraphic = static_cast<int16_t>(90 + c.nBoxes);
    StageEditState.m_bPaletteChanged = c.bPaletteChanged;
    m_Boxes.Clear();
    for (int n : c.vAnswers) m_Boxes.Answer(n);
    EXPECT_EQ(c.nResult, m_lpWnd->AskSave());
    ASSERT_EQ(c.nBoxes, m_Boxes.Shown().size());
    EXPECT_EQ("ステージが変更された可能性があります。\n保存しますか？", m_Boxes.Shown()[0].strText);
    EXPECT_EQ("保存確認", m_Boxes.Shown()[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), m_Boxes.Shown()[0].uType);
    if (c.nBoxes > 1)
      EXPECT_EQ("コモンパレットが変更された可能性があります。\n保存しますか？", m_Boxes.Shown()[1].strText);
    EXPECT_EQ(c.bStageSaved, FirstBlockOnDisk(DEMO) == 90 + static_cast<int32_t>(c.nBoxes));
    EXPECT_EQ(c.bStageSaved ? 0 : 1, StageEditState.m_bStageChanged);
  }
}

TEST_F(StageFilesTest, OpenLoadsTheChosenStageOnTheWorkerAndKeepsItsRelativePath) {
  HWND hOld = m_lpWnd->m_hWnd;
  ChangeStage();
  ASSERT_TRUE(Stage.Save("data\\stg4\\Other.stg4_778"));
  Stage.m_vBlockGrid[0].m_nGraphic = 5;
  g_Dlg.strAnswer = m_Dir.File("data\\stg4\\Other.stg4_778");
  m_Boxes.Answer(IDNO);  // the changed stage is not saved first
  Command(ID_STAGE_OPEN);
  EXPECT_FALSE(g_Dlg.ask.bSave);
  EXPECT_STREQ("data\\stg4", g_Dlg.ask.pszInitDir);
  EXPECT_STREQ("読み込むファイルの選択", g_Dlg.ask.pszTitle);
  EXPECT_EQ("StageFile ( *.stg4_ )", g_Dlg.strFilterText);
  EXPECT_EQ("*.stg4_*", g_Dlg.strFilterPattern);
  EXPECT_EQ(77, Stage.m_vBlockGrid[0].m_nGraphic);
  EXPECT_TRUE(EndsWith(StageEditState.m_strStagePath, "data\\stg4\\Other.stg4_778"));
  EXPECT_TRUE(PathIsRelativeA(StageEditState.m_strStagePath.c_str()));
  EXPECT_EQ(1, StageEditState.m_bStageOpen);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  // The window is rebuilt for the new stage.
  EXPECT_TRUE(WaitForStageWindowRebuild(hOld));
  m_lpWnd = FrameWnd.m_lpStageWnd;
  EXPECT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_NE(5, FirstBlockOnDisk(DEMO));
}

TEST_F(StageFilesTest, FailedOpenKeepsTheEditorAndTheStageAfterTheLoadersMessage) {
  ASSERT_TRUE(WriteFileBytes(m_Dir.File("data\\stg4\\Bad.stg4_778"), {1, 2, 3}));
  ChangeStage();
  m_lpWnd->PushUndo(UNDO_BLOCK);
  const int32_t nAllocated = StageEditState.m_Undo.m_nAllocated, nSteps = StageEditState.m_Undo.m_nCount;
  ASSERT_LT(0, nAllocated);
  ASSERT_LT(0, nSteps);
  g_Dlg.strAnswer = m_Dir.File("data\\stg4\\Bad.stg4_778");
  EXPECT_EQ(0, m_lpWnd->OpenStage());
  // The kept stage keeps its undo store and its steps.
  EXPECT_EQ(nAllocated, StageEditState.m_Undo.m_nAllocated);
  EXPECT_EQ(nSteps, StageEditState.m_Undo.m_nCount);
  EXPECT_TRUE(IsWindow(g_hMainWnd));
  EXPECT_EQ(77, Stage.m_vBlockGrid[0].m_nGraphic);
  EXPECT_EQ(DEMO, StageEditState.m_strStagePath);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(0u, m_Boxes.Shown()[0].strText.find("ステージファイル "));
}

// A file that changes after it was checked and the open stage was freed fails the second
// reading: the window is left with a new stage that no longer names the file, so a later save
// cannot write it over the file.
TEST_F(StageFilesTest, AFileChangedBetweenItsTwoReadingsLeavesANewStageWithoutItsPath) {
  const std::string strPath = m_Dir.File("data\\stg4\\Large.stg4_778");
  ASSERT_EQ(1, SaveLargeStage(strPath));
  HWND hOld = m_lpWnd->m_hWnd;
  g_Dlg.strAnswer = strPath;
  {
    cCutBetweenReadings cut(strPath);
    EXPECT_EQ(0, m_lpWnd->OpenStage());
  }
  EXPECT_EQ(1, Stage.m_bDroppedOnRead);
  EXPECT_TRUE(StageEditState.m_strStagePath.empty());
  EXPECT_EQ(0, StageEditState.m_bStageOpen);
  EXPECT_EQ(0u, Stage.m_vBlockGrid.Held());
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(0u, m_Boxes.Shown()[0].strText.find("ステージファイル "));
  EXPECT_TRUE(WaitForStageWindowRebuild(hOld));
  m_lpWnd = FrameWnd.m_lpStageWnd;
}

TEST_F(StageFilesTest, CancelledDialogWarnsWhenTheOpenStageFileWasRenamed) {
  EXPECT_EQ(0, m_lpWnd->OpenStage());
  EXPECT_TRUE(m_Boxes.Shown().empty());
  ASSERT_TRUE(MoveFileA(DEMO, "data\\stg4\\Renamed.stg4_778"));
  EXPECT_EQ(0, m_lpWnd->OpenStage());
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("警告", m_Boxes.Shown()[0].strCaption);
  EXPECT_EQ(0u, m_Boxes.Shown()[0].strText.find("現在編集中のステージのファイル名が変更された可能性があります。"));
}

TEST_F(StageFilesTest, StagePalettesAreSavedAndLoadedThroughTheirDialogs) {
  g_Dlg.strAnswer = m_Dir.File("data\\plt4\\Mine.plt4");
  EXPECT_EQ(1, m_lpWnd->SaveStagePalette());
  EXPECT_STREQ("data\\plt4\\", g_Dlg.ask.pszInitDir);
  EXPECT_EQ("plt4", g_Dlg.strDefExt);
  const size_t nEntries = Stage.m_vPalBlock.size();
  Stage.m_vPalBlock.resize(nEntries + 3);
  StageEditState.m_bStageChanged = 1;
  EXPECT_EQ(1, m_lpWnd->LoadStagePalette());
  EXPECT_STREQ("data\\plt4", g_Dlg.ask.pszInitDir);
  EXPECT_EQ(nEntries, Stage.m_vPalBlock.size());
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  // A file that cannot be read leaves the palettes and the editor.
  g_Dlg.strAnswer = m_Dir.File("data\\plt4\\Missing.plt4");
  EXPECT_EQ(0, m_lpWnd->LoadStagePalette());
  EXPECT_TRUE(IsWindow(g_hMainWnd));
  EXPECT_EQ(nEntries, Stage.m_vPalBlock.size());
}

// Test play against a copy of the stand-in game in the project folder.
// One kind of save: its file, an edit, the save itself, and whether the edit and the changed mark
// are still there.
struct cSaveKind {
  const char* pszName;
  std::string strPath;
  std::function<void(int)> fnEdit;  // the edit, told a value to leave
  std::function<void()> fnSave;
  std::function<bool(int)> fnKept;  // the edit in memory and, where there is one, its mark
};

// A read-only target cannot be arranged here: the tests run as the system's administrator, whom
// neither a read-only folder nor a read-only file stops.
enum { FAULT_FIRST, FAULT_MIDDLE, FAULT_LAST, FAULT_HELD_OPEN, FAULT_COUNT };
const char* const FAULT_NAMES[FAULT_COUNT] = {"first block", "middle block", "last block", "held open"};

TEST_F(StageFilesTest, EveryKindOfSaveThatFailsKeepsTheOldFileTellsWhichAndWorksOnceTheFaultIsGone) {
  SetDataFileWriteFn(FaultyWrite);
  std::vector<cSaveKind> vKinds = {
      {"stage", DEMO, [this](int n) { ChangeStage(static_cast<int16_t>(n)); },
       [this] { Command(ID_STAGE_SAVE); },
       [](int n) { return Stage.m_vBlockGrid[0].m_nGraphic == n && StageEditState.m_bStageChanged == 1; }},
      {"common palette", COMMON_PALETTE_FILE,
       [](int n) {
         CommonPalette.m_vBlock[1].m_nGraphic = static_cast<int16_t>(n);
         StageEditState.m_bPaletteChanged = 1;
       },
       [this] { Command(ID_SAVE_COMMON_PALETTE); },
       [](int n) { return CommonPalette.m_vBlock[1].m_nGraphic == n && StageEditState.m_bPaletteChanged == 1; }},
      {"system", SYSTEM_FILE, [](int n) { SystemData.m_strTitle = std::to_string(n); },
       [] { SaveKept(KEPT_SYSTEM); },
       [](int n) { return SystemData.m_strTitle == std::to_string(n); }},
      {"project options", PRJ_OPTION_FILE, [](int n) { PrjOption.m_strGamePath = std::to_string(n); },
       [] { SaveKept(KEPT_PRJ_OPTION); },
       [](int n) { return PrjOption.m_strGamePath == std::to_string(n); }},
      {"world map", WORLD_MAP_FILE, [](int n) { WorldMap.m_vGrid[0] = n; },
       [] { SaveOrReport(WorldMap, WORLD_MAP_FILE); }, [](int n) { return WorldMap.m_vGrid[0] == n; }},
      {"editor configuration", EDIT_CONFIG_FILE, [](int n) { EditConfig.m_strLastStage = std::to_string(n); },
       [] { SaveKept(KEPT_EDIT_CONFIG); },
       [](int n) { return EditConfig.m_strLastStage == std::to_string(n); }},
      {"variable names", GVALINFO_FILE, [](int n) { GValInfo[3].m_strName = std::to_string(n); },
       [] { SaveVarNames(); }, [](int n) { return GValInfo[3].m_strName == std::to_string(n); }},
  };
  int nValue = 100;
  for (const cSaveKind& k : vKinds) {
    // How many blocks a save of this file takes, from a save that works.
    k.fnEdit(++nValue);
    g_Fault = cWriteFault();
    g_Fault.strTemp = FirstTempOf(k.strPath);
    k.fnSave();
    const int nBlocks = g_Fault.nBlocks;
    ASSERT_GT(nBlocks, 0) << k.pszName;
    for (int f = 0; f < FAULT_COUNT; ++f) {
      SCOPED_TRACE(std::string(k.pszName) + ", " + FAULT_NAMES[f]);
      const std::vector<unsigned char> vBefore = ReadFileBytes(k.strPath);
      ASSERT_FALSE(vBefore.empty());
      k.fnEdit(++nValue);
      g_Fault = cWriteFault();
      g_Fault.strTemp = FirstTempOf(k.strPath);
      g_Fault.nFailAt = f == FAULT_FIRST ? 1 : f == FAULT_MIDDLE ? (nBlocks + 1) / 2 : f == FAULT_LAST ? nBlocks : 0;
      HANDLE hHeld = INVALID_HANDLE_VALUE;
      if (f == FAULT_HELD_OPEN)
        hHeld = CreateFileA(k.strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      m_Boxes.Clear();
      k.fnSave();
      if (hHeld != INVALID_HANDLE_VALUE) CloseHandle(hHeld);
      EXPECT_EQ(vBefore, ReadFileBytes(k.strPath));
      EXPECT_TRUE(BoxShown(SaveFailed(k.strPath)));
      EXPECT_TRUE(k.fnKept(nValue));
      EXPECT_EQ(1u, FilesBeside(k.strPath).size());

      // The same save again, without the fault.
      g_Fault.nFailAt = 0;
      m_Boxes.Clear();
      k.fnSave();
      EXPECT_FALSE(BoxShown(SaveFailed(k.strPath)));
      EXPECT_NE(vBefore, ReadFileBytes(k.strPath));
      EXPECT_EQ(1u, FilesBeside(k.strPath).size());
    }
  }
}

TEST_F(StageFilesTest, ClosingWithASaveThatFailsKeepsTheEditorAndAsksAgain) {
  SetDataFileWriteFn(FaultyWrite);
  ChangeStage(81);
  g_Fault.strTemp = FirstTempOf(DEMO);
  g_Fault.nFailAt = 1;
  m_Boxes.Answer(IDYES);
  SendMessageA(m_lpWnd->m_hWnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(g_hMainWnd));
  EXPECT_TRUE(IsWindow(m_lpWnd->m_hWnd));
  EXPECT_TRUE(BoxShown(SaveFailed(DEMO)));
  EXPECT_EQ(1, StageEditState.m_bStageChanged);
  EXPECT_EQ(81, Stage.m_vBlockGrid[0].m_nGraphic);

  // A common palette that cannot be written keeps the editor as well, and stays marked.
  StageEditState.m_bStageChanged = 0;
  StageEditState.m_bPaletteChanged = 1;
  g_Fault = cWriteFault();
  g_Fault.strTemp = FirstTempOf(COMMON_PALETTE_FILE);
  g_Fault.nFailAt = 1;
  m_Boxes.Clear();
  m_Boxes.Answer(IDYES);
  EXPECT_EQ(0, m_lpWnd->AskSave());
  EXPECT_TRUE(BoxShown(SaveFailed(COMMON_PALETTE_FILE)));
  EXPECT_EQ(1, StageEditState.m_bPaletteChanged);
}

// The files written as soon as they change have no changed mark: a save of one that failed is
// asked for again when the editor closes, once per file, until a save of it works.
TEST_F(StageFilesTest, ClosingAsksAgainForEachFileWhoseSaveFailed) {
  SetDataFileWriteFn(FaultyWrite);
  struct {
    eKeptFile nKept;
    const char* pszPath;
    const char* pszQuestion;
    std::function<void(int)> fnEdit;
  } const aKinds[] = {
      {KEPT_DATABASE, "data\\database\\Sound.dat", "データベースが保存されていません。\n保存しますか？",
       [](int n) { Database.m_vSound[0].m_strName = std::to_string(n); }},
      {KEPT_SYSTEM, SYSTEM_FILE, "システムの設定が保存されていません。\n保存しますか？",
       [](int n) { SystemData.m_strTitle = std::to_string(n); }},
      {KEPT_PRJ_OPTION, PRJ_OPTION_FILE, "プロジェクトオプションが保存されていません。\n保存しますか？",
       [](int n) { PrjOption.m_strGamePath = std::to_string(n); }},
      {KEPT_EDIT_CONFIG, EDIT_CONFIG_FILE, "エディターの設定が保存されていません。\n保存しますか？",
       [](int n) { EditConfig.m_strLastStage = std::to_string(n); }},
      {KEPT_VAR_NAMES, GVALINFO_FILE, "変数名が保存されていません。\n保存しますか？",
       [](int n) { GValInfo[3].m_strName = std::to_string(n); }},
  };
  int nValue = 200;
  for (const auto& k : aKinds) {
    SCOPED_TRACE(k.pszPath);
    const std::vector<unsigned char> vBefore = ReadFileBytes(k.pszPath);
    k.fnEdit(++nValue);
    g_Fault = cWriteFault();
    // The database's files are made whole beside their targets under a staged name first.
    g_Fault.strTemp = FirstTempOf(k.nKept == KEPT_DATABASE ? StagedPathOf(k.pszPath) : k.pszPath);
    g_Fault.nFailAt = 1;
    m_Boxes.Clear();
    EXPECT_EQ(0, SaveKept(k.nKept));
    EXPECT_TRUE(BoxShown(SaveFailed(k.pszPath)));
    EXPECT_TRUE(HasFailedSave(k.nKept));

    // Cancel, and Yes with a save that fails again, keep the editor; the mark stays.
    for (int nAnswer : {IDCANCEL, IDYES}) {
      g_Fault.nBlocks = 0;
      m_Boxes.Clear();
      m_Boxes.Answer(nAnswer);
      SendMessageA(m_lpWnd->m_hWnd, WM_CLOSE, 0, 0);
      EXPECT_TRUE(IsWindow(m_lpWnd->m_hWnd));
      ASSERT_FALSE(m_Boxes.Shown().empty());
      EXPECT_EQ(k.pszQuestion, m_Boxes.Shown()[0].strText);
      EXPECT_EQ("保存確認", m_Boxes.Shown()[0].strCaption);
      EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), m_Boxes.Shown()[0].uType);
      EXPECT_EQ(nAnswer == IDYES, BoxShown(SaveFailed(k.pszPath)));
      EXPECT_TRUE(HasFailedSave(k.nKept));
      EXPECT_EQ(vBefore, ReadFileBytes(k.pszPath));
    }
    // Yes once the fault is gone writes the edit and clears the mark: nothing more is asked.
    g_Fault.nFailAt = 0;
    m_Boxes.Clear();
    m_Boxes.Answer(IDYES);
    EXPECT_EQ(1, m_lpWnd->AskSave());
    EXPECT_FALSE(HasFailedSave(k.nKept));
    EXPECT_NE(vBefore, ReadFileBytes(k.pszPath));
    m_Boxes.Clear();
    EXPECT_EQ(1, m_lpWnd->AskSave());
    EXPECT_TRUE(m_Boxes.Shown().empty());

    // No goes on to close without the file, and gives it up for the run: the later saves of the
    // closing windows try nothing and show nothing; only the author's own commit tries again.
    const std::vector<unsigned char> vSaved = ReadFileBytes(k.pszPath);
    k.fnEdit(++nValue);
    g_Fault.nBlocks = 0;
    g_Fault.nFailAt = 1;
    EXPECT_EQ(0, SaveKept(k.nKept));
    m_Boxes.Clear();
    m_Boxes.Answer(IDNO);
    EXPECT_EQ(1, m_lpWnd->AskSave());
    EXPECT_EQ(1u, m_Boxes.Shown().size());
    EXPECT_FALSE(HasFailedSave(k.nKept));
    g_Fault.nFailAt = 0;
    m_Boxes.Clear();
    EXPECT_EQ(0, SaveKept(k.nKept));
    EXPECT_EQ(1, m_lpWnd->AskSave());
    EXPECT_TRUE(m_Boxes.Shown().empty());
    EXPECT_EQ(vSaved, ReadFileBytes(k.pszPath));
    EXPECT_EQ(1, CommitKept(k.nKept));
    EXPECT_NE(vSaved, ReadFileBytes(k.pszPath));
    m_Boxes.Clear();
    EXPECT_EQ(1, m_lpWnd->AskSave());
    EXPECT_TRUE(m_Boxes.Shown().empty());
  }
}

// Opening another stage, closing the stage and a new stage ask the closing question first.
TEST_F(StageFilesTest, ReplacingOrClosingAChangedStageAsksToSaveItFirst) {
  SetDataFileWriteFn(FaultyWrite);
  const char* const QUESTION = "ステージが変更された可能性があります。\n保存しますか？";
  struct {
    uint16_t wCommand;
    int nAnswer;
    bool bFailSave;
    bool bReplaced;  // the window was rebuilt for another stage, or none
    bool bSaved;
  } const aCases[] = {
      {ID_CLOSE_STAGE, IDCANCEL, false, false, false},
      {ID_CLOSE_STAGE, IDYES, true, false, false},
      {ID_STAGE_OPEN, IDCANCEL, false, false, false},
      {ID_STAGE_OPEN, IDYES, true, false, false},
      {ID_STAGE_NEW, IDCANCEL, false, false, false},
      {ID_STAGE_NEW, IDYES, true, false, false},
      {ID_CLOSE_STAGE, IDYES, false, true, true},
  };
  int16_t nGraphic = 60;
  for (const auto& c : aCases) {
    SCOPED_TRACE(std::to_string(c.wCommand) + " " + std::to_string(c.nAnswer) + (c.bFailSave ? " failing" : ""));
    HWND hOld = m_lpWnd->m_hWnd;
    ChangeStage(++nGraphic);
    g_Fault = cWriteFault();
    g_Fault.strTemp = FirstTempOf(DEMO);
    g_Fault.nFailAt = c.bFailSave ? 1 : 0;
    m_Boxes.Clear();
    m_Boxes.Answer(c.nAnswer);
    Command(c.wCommand);
    ASSERT_FALSE(m_Boxes.Shown().empty());
    EXPECT_EQ(QUESTION, m_Boxes.Shown()[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), m_Boxes.Shown()[0].uType);
    EXPECT_EQ(c.bFailSave, BoxShown(SaveFailed(DEMO)));
    EXPECT_EQ(c.bSaved, FirstBlockOnDisk(DEMO) == nGraphic);
    if (c.bReplaced) {
      ASSERT_TRUE(WaitForStageWindowRebuild(hOld));
      m_lpWnd = FrameWnd.m_lpStageWnd;
      EXPECT_EQ(0, StageEditState.m_bStageOpen);
      continue;
    }
    DrainMessages();
    EXPECT_EQ(hOld, m_lpWnd->m_hWnd);
    EXPECT_EQ(1, StageEditState.m_bStageOpen);
    EXPECT_EQ(1, StageEditState.m_bStageChanged);
    EXPECT_EQ(nGraphic, Stage.m_vBlockGrid[0].m_nGraphic);
    EXPECT_EQ(DEMO, StageEditState.m_strStagePath);
  }
}

TEST_F(StageFilesTest, TheBackupIsTheWholeOldFileAndReplacesAnOlderOne) {
  SetDataFileWriteFn(FaultyWrite);
  // A backup cut short by an earlier save, and a temporary file of a killed one.
  ASSERT_TRUE(WriteFileBytes(DEMO_BACKUP, {}));
  ASSERT_TRUE(WriteFileBytes(std::string(DEMO_BACKUP) + ".~0.tmp", {1, 2, 3}));
  ASSERT_TRUE(WriteFileBytes(std::string(DEMO) + ".~1f.tmp", {1, 2, 3}));
  const std::vector<unsigned char> vOld = ReadFileBytes(DEMO);
  ChangeStage(71);
  g_Fault.strTemp = FirstTempOf(DEMO);
  g_Fault.nFailAt = 1;  // the demo stage goes to its temporary file in one piece
  Command(ID_STAGE_SAVE);
  EXPECT_EQ(vOld, ReadFileBytes(DEMO_BACKUP));
  EXPECT_EQ(std::vector<std::string>{"Sample.stg4_778"}, FilesBeside(DEMO_BACKUP));
  EXPECT_EQ(std::vector<std::string>{"Sample.stg4_778"}, FilesBeside(DEMO));
  g_Fault.nFailAt = 0;
  Command(ID_STAGE_SAVE);
  EXPECT_FALSE(FileExists(DEMO_BACKUP));
  EXPECT_EQ(71, FirstBlockOnDisk(DEMO));
}

TEST_F(StageFilesTest, OnlyOurOwnLeftoversOfTheSameFileAreRemoved) {
  SetDataFileWriteFn(FaultyWrite);
  const std::string strTarget = "data\\PrjOption.dat";
  const char* const aOurs[] = {".~0.tmp", ".~a3.tmp"};
  const char* const aOthers[] = {".~zz.tmp", ".tmp", ".~0.bak"};
  for (const char* p : aOurs) ASSERT_TRUE(WriteFileBytes(strTarget + p, {1}));
  for (const char* p : aOthers) ASSERT_TRUE(WriteFileBytes(strTarget + p, {1}));
  ASSERT_TRUE(WriteFileBytes("data\\Other.dat.~0.tmp", {1}));
  HANDLE hBusy = CreateFileA((strTarget + ".~1.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, hBusy);
  ASSERT_EQ(1, SaveOrReport(PrjOption, strTarget.c_str()));
  for (const char* p : aOurs) EXPECT_FALSE(FileExists(strTarget + p)) << p;
  for (const char* p : aOthers) EXPECT_TRUE(FileExists(strTarget + p)) << p;
  EXPECT_TRUE(FileExists("data\\Other.dat.~0.tmp"));
  // A save of the same file going on elsewhere keeps its temporary file.
  EXPECT_TRUE(FileExists(strTarget + ".~1.tmp"));
  CloseHandle(hBusy);
  EXPECT_EQ(1, RemoveSaveTempFiles(strTarget.c_str()));
}

// The GDI objects of the process. The system's count is a stub under Wine; there a handle whose
// upper half is 0 names the object in that slot of the table, whatever its generation.
int GdiObjects() {
  int n = 0;
  for (uintptr_t i = 1; i < 0x10000; ++i)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++n;
  return n;
}

TEST_F(StageFilesTest, ToolbarBitmapsAndGdiObjectsStayFlatOverManyRebuildsOfTheStageWindow) {
  auto Rebuild = [this](int nTimes) {
    for (int i = 0; i < nTimes; ++i) {
      HWND hOld = m_lpWnd->m_hWnd;
      PostMessageA(g_hMainWnd, WM_USER, 1, 0);
      if (!WaitForStageWindowRebuild(hOld)) return false;
      m_lpWnd = FrameWnd.m_lpStageWnd;
    }
    return true;
  };
  // The first rebuilds may make what is made once per process (cached brushes, fonts).
  ASSERT_TRUE(Rebuild(3));
  const int32_t nBefore = LiveToolBitmaps();
  EXPECT_GT(nBefore, 0);
  const int nObjects = GdiObjects();
  HBITMAP hProbe = CreateBitmap(1, 1, 1, 1, nullptr);
  EXPECT_EQ(nObjects + 1, GdiObjects());  // the count sees one more object
  DeleteObject(hProbe);
  ASSERT_TRUE(Rebuild(50));
  EXPECT_EQ(nBefore, LiveToolBitmaps());
  EXPECT_EQ(nObjects, GdiObjects());
}

class TestPlayTest : public StageFilesTest {
 protected:
  void SetUp() override {
    StageFilesTest::SetUp();
    PrjOption.m_bAutoGamePath = 1;
  }
  void TearDown() override {
    // The game must be gone before its folder is removed.
    if (m_hGame) {
      PostMessageA(m_hGame, WM_CLOSE, 0, 0);
      PumpUntil([&] { return !IsWindow(m_hGame); }, 20000);
    }
    if (m_hProcess) {
      PumpUntil([&] { return WaitForSingleObject(m_hProcess, 0) == WAIT_OBJECT_0; }, 20000);
      CloseHandle(m_hProcess);
    }
    StageFilesTest::TearDown();
  }
  bool PutGame() { return CopyFileA(BesideTests("game\\Game.exe").c_str(), "Game.exe", FALSE) != 0; }
  bool WaitGame() {
    bool bFound = PumpUntil([&] {
      m_hGame = FindWindowA("Kordane4_GameStandIn", nullptr);
      return m_hGame != nullptr;
    }, 20000);
    DWORD dwPid = 0;
    if (bFound) GetWindowThreadProcessId(m_hGame, &dwPid);
    if (dwPid) m_hProcess = OpenProcess(SYNCHRONIZE, FALSE, dwPid);
    return bFound;
  }
  HWND m_hGame = nullptr;
  HANDLE m_hProcess = nullptr;
};

TEST_F(TestPlayTest, F5SavesStartsTheGameOnceAndItsReturnFreesTheGuard) {
  ASSERT_TRUE(PutGame());
  ChangeStage();
  StageEditState.m_bPaletteChanged = 1;
  // F5 arrives as the accelerator and as the hooked key: one start.
  Command(ID_ACC_F5);
  Command(ID_STAGE_TESTPLAY);
  EXPECT_TRUE(m_Boxes.Shown().empty());
  EXPECT_EQ(1, g_bTestPlayLaunching);
  EXPECT_EQ(0, g_bAppActive);
  EXPECT_EQ(0, StageEditState.m_bStageChanged);
  EXPECT_EQ(0, StageEditState.m_bPaletteChanged);
  EXPECT_EQ(77, FirstBlockOnDisk(DEMO));
  EXPECT_EQ(0, StageEditState.m_Undo.m_nCount);
  ASSERT_TRUE(WaitGame());
  EXPECT_EQ(std::string(DEMO) + "\r\n", ReadFileText("GameLaunch.txt"));

  // Later than the repeat time, a start while the game runs is refused with a message.
  g_dwTestPlayLaunchTime -= TESTPLAY_REPEAT_MS + 1000;
  Command(ID_STAGE_TESTPLAY);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(0u, m_Boxes.Shown()[0].strText.find("二重起動はできません！"));
  EXPECT_EQ(1, g_bTestPlayLaunching);

  // The game's report at its end (WM_COPYDATA of kind 0) frees the guard.
  PostMessageA(m_hGame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([] { return g_bTestPlayLaunching == 0; }, 20000));
  m_hGame = nullptr;
  // After test play the stage counts as saved: closing asks nothing about it.
  m_Boxes.Clear();
  EXPECT_EQ(1, m_lpWnd->AskSave());
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(TestPlayTest, WholeGameStartsWithoutAStageParameter) {
  ASSERT_TRUE(PutGame());
  Command(ID_GAME_TESTPLAY);
  ASSERT_TRUE(WaitGame());
  EXPECT_TRUE(m_Boxes.Shown().empty());
  EXPECT_TRUE(PumpUntil([] { return ReadFileText("GameLaunch.txt") == "\r\n"; }));
}

TEST_F(TestPlayTest, RefusalsLeaveTheGuardFree) {
  Command(ID_STAGE_TESTPLAY);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("ゲームプログラムが見つかりません！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ(0, g_bTestPlayLaunching);

  ASSERT_TRUE(PutGame());
  cEdStage::ClearCharaGrid(Stage.m_vCharaGrid, Stage.m_nPitch * Stage.m_nHeight);
  m_Boxes.Clear();
  Command(ID_STAGE_TESTPLAY);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("プレイヤーが配置されていません！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ(0, g_bTestPlayLaunching);

  StageEditState.m_strStagePath.clear();
  m_Boxes.Clear();
  Command(ID_STAGE_TESTPLAY);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(0u, m_Boxes.Shown()[0].strText.find("ステージファイルのパスが無効です！"));
  EXPECT_EQ(0, g_bTestPlayLaunching);
  EXPECT_FALSE(FileExists("GameLaunch.txt"));
}

}  // namespace
