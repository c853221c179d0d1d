#include "startup/StartUpServices.h"

#include <string>

#include "app/AppGlobals.h"
#include "app/Bgm.h"
#include "app/MciSound.h"
#include "model/ArrangeTable.h"
#include "model/CommandKindTable.h"
#include "model/DataFile.h"
#include "model/DataRecord.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/SaveMarks.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/StageOptionTables.h"
#include "model/SystemData.h"
#include "palette/DataSheetPages.h"
#include "palette/LiveFlowTextContext.h"
#include "startup/EditorLinks.h"

namespace {

// The music player's one free track; the player keeps pointers to these tables.
char s_aOggPaths[1][BGM_OGG_PATH_SIZE] = {"bgm\\Free.ogg"};
char s_aMidiPaths[1][BGM_MIDI_PATH_SIZE] = {"bgm\\Free.mid"};

size_t DatabaseMusicCount() { return Database.m_vBgm.size(); }

}  // namespace

void StoreAppInstance(HINSTANCE hInstance) { AppInfo.m_hInstance = hInstance; }

HINSTANCE GetAppInstance() { return AppInfo.m_hInstance ? AppInfo.m_hInstance : GetModuleHandleA(nullptr); }

void InitDataFormat() {
  g_nDataVersion = EDITOR_DATA_VERSION;
  g_bStripCR = 0;
  // The system record's music indices are bounded by the database's music list.
  SetSysMusicCountFn(DatabaseMusicCount);
}

void BuildStartUpTables() {
  BuildArrangeParamTable();
  BuildScrollInfoTable(ScrollModeNames);
  // The list rows of commands and conditions read the live project.
  SetFlowTextContextFn(FillLiveFlowTextContext);
  // The character and item sheets take the flow editor's pages.
  InstallDataSheetPages();
  // The stage window opens the palette windows, the data sheets and the project's editors.
  InstallEditorLinks();
}

void RememberCurDir() {
  char sz[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, sz);
  CurDir = sz;
}

bool PrepareDefaultData() { return CreateDefaultData(nullptr); }

void InitMusicPlayer() { Music.Init(1, s_aOggPaths, s_aMidiPaths, 1); }

bool OpenWaveDevice() {
  MciSound.Init();
  return MciSound.Open("waveaudio", "wave\\free.wav", nullptr);
}

bool LoadEditConfig() { return EditConfig.Load(EDIT_CONFIG_FILE) != 0; }

int32_t ConfigToolBarHeight() { return EditConfig.m_nToolBarHeight; }

int32_t ConfigStatusBarHeight() { return EditConfig.m_nStatusBarHeight; }

bool LoadProjectData() { return LoadProject(); }

void ForgetLastStage() {
  EditConfig.m_strLastStage.clear();
  SaveKept(KEPT_EDIT_CONFIG);
}

void OpenLastStageIfAny() { OpenLastStage(EditConfig.m_strLastStage); }

void SaveConfigOnExit() {
  EditConfig.m_strLastStage = StageEditState.m_strStagePath;
  SaveKept(KEPT_EDIT_CONFIG);
}

void CloseSoundDevices() {
  MciSound.Shutdown();
  Music.Release();
}

