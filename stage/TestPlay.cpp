// Test play: the game program started on the stage being edited (saved first) or on the whole
// game, guarded against a second start until the game reports back.
#include "stage/TestPlay.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "app/AppGlobals.h"
#include "app/GameFinder.h"
#include "app/MsgBox.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "stage/StageWnd.h"

DWORD g_dwTestPlayLaunchTime = 0;

namespace {

// The checks and saves before a stage test play; false (after its message) when it cannot go on.
bool PrepareStage(cStageWnd& wnd) {
  cStageEditState& st = StageEditState;
  if (st.m_strStagePath.empty()) {
    ErrorBoxText("ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！");
    return false;
  }
  if (!Stage.HasPlayer()) {
    MsgBox(wnd.m_hWnd, "プレイヤーが配置されていません！", "エラー", MB_OK);
    return false;
  }
  if (!wnd.SaveStage(0)) {
    ErrorBoxText("ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！");
    return false;
  }
  // The game would play the palette as it was on disk: a palette that failed to save stops here.
  if (!wnd.SaveCommonPalette()) return false;
  st.m_bStageChanged = 0;
  wnd.EmptyUndo();
  return true;
}

}  // namespace

void cStageWnd::TestPlay(int32_t bWholeGame) {
  char szGame[MAX_PATH] = "";
  if (!FindGameProgram(szGame, PrjOption.m_bAutoGamePath, PrjOption.m_strGamePath.c_str())) {
    ErrorBoxText("ゲームプログラムが見つかりません！");
    return;
  }
  const DWORD dwNow = timeGetTime();
  if (g_bTestPlayLaunching) {
    if (dwNow - g_dwTestPlayLaunchTime >= TESTPLAY_REPEAT_MS)
      ErrorBoxText("二重起動はできません！\n二重起動でないのにこのエラーが出る場合はエディタープログラムとゲームプログラムのバージョンが合っていない可能性があります。");
    return;
  }
  g_dwTestPlayLaunchTime = dwNow;
  g_bTestPlayLaunching = 1;
  if (StageEditState.m_bStageOpen && !PrepareStage(*this)) {
    g_bTestPlayLaunching = 0;
    return;
  }
  const char* pszParams = bWholeGame ? nullptr : StageEditState.m_strStagePath.c_str();
  HINSTANCE h = ShellExecuteA(g_hMainWnd, "open", szGame, pszParams, nullptr, SW_SHOW);
  if (reinterpret_cast<INT_PTR>(h) <= 32) {
    g_bTestPlayLaunching = 0;
    ErrorBoxOwned(g_hMainWnd, "ゲームプログラムが呼び出せません！");
  }
  g_bAppActive = 0;
}
