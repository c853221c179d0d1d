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
#include "app/FrameWnd.h"
#include "app/StartUp.h"
#include "app/WindowList.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "resources/StageDialogIds.h"
#include "resources/StageIds.h"
#include "stage/StageOptionsDlg.h"
#include "stage/StageWnd.h"
#include "support/EditorSession.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

namespace {

uint64_t s_nFreeMem = 0;
uint64_t TestFreeMem() { return s_nFreeMem; }

// Runs the step once inside the modal loop of the dialog of class D, when it is up and
// initialised: a thread timer polls for it, and the modal loop dispatches its ticks.
template <class D>
struct cWhenUp {
  static std::function<void(D*)>& Step() {
    static std::function<void(D*)> fn;
    return fn;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD) {
    D* p = D::Current();
    if (!p || !p->m_hWnd || !p->m_bInit || !Step()) return;
    KillTimer(nullptr, nTimer);
    std::function<void(D*)> fn = Step();
    Step() = nullptr;
    fn(p);
  }
  explicit cWhenUp(std::function<void(D*)> fn) {
    Step() = std::move(fn);
    SetTimer(nullptr, 0, 10, &cWhenUp::Tick);
  }
  ~cWhenUp() { Step() = nullptr; }
  bool Ran() const { return !Step(); }
};

void Click(cDialog* p, int nId) {
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, nId)));
}
void Type(cDialog* p, int nId, const char* pszText) { SetDlgItemTextA(p->m_hWnd, nId, pszText); }
void Choose(cDialog* p, int nId, int nPos) {
  HWND hCombo = GetDlgItem(p->m_hWnd, nId);
  SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nPos), 0);
  SendMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}
std::string TextOf(cDialog* p, int nId) {
  char sz[512] = "";
  GetDlgItemTextA(p->m_hWnd, nId, sz, sizeof sz);
  return sz;
}

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
    EndEditorSession();
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
