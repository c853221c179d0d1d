#include "app/StartUpServices.h"

#include <string>

#include "app/AppGlobals.h"
#include "model/Stage.h"

namespace {
HINSTANCE s_hInstance = nullptr;
std::string s_strCurDir;
}  // namespace

void StoreAppInstance(HINSTANCE hInstance) { s_hInstance = hInstance; }

HINSTANCE GetAppInstance() { return s_hInstance ? s_hInstance : GetModuleHandleA(nullptr); }

void InitDataFormat() {}

void BuildStartUpTables() {}

void RememberCurDir() {
  char sz[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, sz);
  s_strCurDir = sz;
}

bool PrepareDefaultData() { return true; }

void CreateProjectFolders() {}

void InitMusicPlayer() {}

bool OpenWaveDevice() { return true; }

bool LoadEditConfig() { return true; }

int32_t ConfigToolBarHeight() { return 28; }

int32_t ConfigStatusBarHeight() { return 20; }

bool LoadProjectData() { return true; }

void ForgetLastStage() {}

void OpenLastStageIfAny() {}

void SaveConfigOnExit() {}

void SaveVarNames() {}

void CloseSoundDevices() {}

void StopStageLoadThread() { StageLoadThread.Stop(); }
