// Saves that fail, in the running editor on the sample project: every kind of file the editor
// writes, with a write that fails at its first, a middle or its last block, a target held open by
// another program and a read-only target. The old file stays byte for byte, the author is told
// which file, the edits and the changed marks stay, nothing is left beside the file, and the same
// save works once the fault is gone. Then the questions before a changed stage is closed or
// replaced, the stage backup, and the toolbar bitmaps over many rebuilds of the stage window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/FrameWnd.h"
#include "app/StartUp.h"
#include "app/StartUpServices.h"
#include "app/Window.h"
#include "model/DataFile.h"
#include "model/DataRecord.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/ProjectLoad.h"
#include "model/SaveTemp.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/SystemData.h"
#include "model/WorldMap.h"
#include "resources/StageIds.h"
#include "stage/StageWnd.h"
#include "support/EditorSession.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

const char* const DEMO = "data\\stg4\\Sample.stg4_778";
const char* const DEMO_BACKUP = "data\\work\\Sample.stg4_778";

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

class SaveFaultsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFrameClass(GetModuleHandleA(nullptr)); }
  void SetUp() override {
    ASSERT_TRUE(MakeSampleProject(m_Dir.Path(), true));
    ASSERT_TRUE(StartUp());
    m_lpWnd = FrameWnd.m_lpStageWnd;
    ASSERT_TRUE(m_lpWnd);
    ASSERT_EQ(DEMO, StageEditState.m_strStagePath);
    DrainMessages();
    g_Fault = cWriteFault();
    SetDataFileWriteFn(FaultyWrite);
  }
  void TearDown() override {
    SetDataFileWriteFn(nullptr);
    ShutDownStartedEditor();
  }
  void Command(uint16_t wId) { SendMessageA(m_lpWnd->m_hWnd, WM_COMMAND, wId, 0); }
  void ChangeStage(int16_t nGraphic) {
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
    for (const cShownBox& b : m_Boxes.Shown())
      if (b.strText == strText) return true;
    return false;
  }
  static std::string SaveFailed(const std::string& strPath) { return strPath + " の保存に失敗しました！"; }

  cTempDir m_Dir{true};
  cMsgBoxRecorder m_Boxes;
  cStageWnd* m_lpWnd = nullptr;
};

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

TEST_F(SaveFaultsTest, EveryKindOfSaveThatFailsKeepsTheOldFileTellsWhichAndWorksOnceTheFaultIsGone) {
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
       [] { SaveOrReport(SystemData, SYSTEM_FILE); },
       [](int n) { return SystemData.m_strTitle == std::to_string(n); }},
      {"project options", PRJ_OPTION_FILE, [](int n) { PrjOption.m_strGamePath = std::to_string(n); },
       [] { SaveOrReport(PrjOption, PRJ_OPTION_FILE); },
       [](int n) { return PrjOption.m_strGamePath == std::to_string(n); }},
      {"world map", WORLD_MAP_FILE, [](int n) { WorldMap.m_vGrid[0] = n; },
       [] { SaveOrReport(WorldMap, WORLD_MAP_FILE); }, [](int n) { return WorldMap.m_vGrid[0] == n; }},
      {"editor configuration", EDIT_CONFIG_FILE, [](int n) { EditConfig.m_strLastStage = std::to_string(n); },
       [] { SaveOrReport(EditConfig, EDIT_CONFIG_FILE); },
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

TEST_F(SaveFaultsTest, ClosingWithASaveThatFailsKeepsTheEditorAndAsksAgain) {
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

// Opening another stage, closing the stage and a new stage ask the closing question first.
TEST_F(SaveFaultsTest, ReplacingOrClosingAChangedStageAsksToSaveItFirst) {
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

TEST_F(SaveFaultsTest, TheBackupIsTheWholeOldFileAndReplacesAnOlderOne) {
  // A backup cut short by an earlier save, and a temporary file of a killed one.
  ASSERT_TRUE(WriteFileBytes(DEMO_BACKUP, {}));
  ASSERT_TRUE(WriteFileBytes(std::string(DEMO_BACKUP) + ".~0.tmp", {1, 2, 3}));
  ASSERT_TRUE(WriteFileBytes(std::string(DEMO) + ".~1f.tmp", {1, 2, 3}));
  const std::vector<unsigned char> vOld = ReadFileBytes(DEMO);
  ChangeStage(71);
  g_Fault.strTemp = FirstTempOf(DEMO);
  g_Fault.nFailAt = 2;
  Command(ID_STAGE_SAVE);
  EXPECT_EQ(vOld, ReadFileBytes(DEMO_BACKUP));
  EXPECT_EQ(std::vector<std::string>{"Sample.stg4_778"}, FilesBeside(DEMO_BACKUP));
  EXPECT_EQ(std::vector<std::string>{"Sample.stg4_778"}, FilesBeside(DEMO));
  g_Fault.nFailAt = 0;
  Command(ID_STAGE_SAVE);
  EXPECT_FALSE(FileExists(DEMO_BACKUP));
  EXPECT_EQ(71, FirstBlockOnDisk(DEMO));
}

TEST_F(SaveFaultsTest, OnlyOurOwnLeftoversOfTheSameFileAreRemoved) {
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

TEST_F(SaveFaultsTest, ToolbarBitmapsStayFlatOverManyRebuildsOfTheStageWindow) {
  const int32_t nBefore = LiveToolBitmaps();
  EXPECT_GT(nBefore, 0);
  const int nObjects = GdiObjects();
  HBITMAP hProbe = CreateBitmap(1, 1, 1, 1, nullptr);
  EXPECT_EQ(nObjects + 1, GdiObjects());  // the count sees one more object
  DeleteObject(hProbe);
  for (int i = 0; i < 50; ++i) {
    HWND hOld = m_lpWnd->m_hWnd;
    PostMessageA(g_hMainWnd, WM_USER, 1, 0);
    ASSERT_TRUE(WaitForStageWindowRebuild(hOld)) << i;
    m_lpWnd = FrameWnd.m_lpStageWnd;
  }
  EXPECT_EQ(nBefore, LiveToolBitmaps());
  EXPECT_EQ(nObjects, GdiObjects());
}

}  // namespace
