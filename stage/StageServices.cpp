#include "stage/StageServices.h"

#include <string>
#include <utility>

#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"

bool StagePathSet() { return !StageEditState.m_strStagePath.empty(); }

void AllocUndoForStage() {
  StageEditState.AllocUndo(Stage.m_nUndoDepth, Stage.m_nPitch, Stage.m_nHeight);
}

void ClearTestPlayGuard() { g_bTestPlayLaunching = 0; }

void ResetStageEditKeepingStage() {
  std::string strPath = std::move(StageEditState.m_strStagePath);
  int32_t bOpen = StageEditState.m_bStageOpen;
  StageEditState.Reset();
  StageEditState.m_strStagePath = std::move(strPath);
  StageEditState.m_bStageOpen = bOpen;
}

void ResetMouseState() { MouseState.Reset(); }

void StopStageLoadThread() { StageLoadThread.Stop(); }
