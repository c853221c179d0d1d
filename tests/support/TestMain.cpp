// Test entry: every test program logs into its own temporary report log and never shows a real
// message box (an unexpected box is answered and recorded instead of blocking the run). Every
// test starts from the program's state as a new process has it, whatever ran before it in the
// same process.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "app/Surface.h"
#include "model/SaveMarks.h"
#include "model/StageEditState.h"
#include "startup/EditorLinks.h"

static int UnexpectedBox(HWND, const char* pszText, const char* pszCaption, UINT uType) {
  fprintf(stderr, "unanswered message box: [%s] %s\n", pszCaption, pszText);
  UINT kind = uType & MB_TYPEMASK;
  return (kind == MB_YESNO || kind == MB_YESNOCANCEL) ? IDNO : IDOK;
}

// What the editor keeps for its whole run and a test may leave behind: the stage editing state
// beyond what start-up resets (the brush each layer keeps, the undo store, the clipboard), the
// transparency indexes a project load takes from its palette, the files whose save failed, and the
// editors' links a test may have replaced.
class cFreshState : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    cStageEditState& st = StageEditState;
    st.Reset();
    st.m_strStagePath.clear();
    for (cPaletteSel& sel : st.m_aLayerSel) sel.Reset();
    st.m_nEditContext = EDIT_CELL;
    st.m_nLineX = st.m_nLineY = st.m_nRectX = st.m_nRectY = 0;
    st.m_nRectW = st.m_nRectH = 1;
    st.ClearUndo();
    st.m_Undo.m_nAllocated = st.m_Redo.m_nAllocated = 0;
    st.PaletteClipboard.Clear();
    g_nKeyIndex = 0;
    g_nMaskIndex = 0;
    g_nKeyColour = RGBQUAD{0, 0, 0, 0};
    ForgetFailedSaves();
    InstallEditorLinks();
  }
};

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new cFreshState);
  SetMsgBoxFn(UnexpectedBox);
  char szTmp[MAX_PATH], szLog[MAX_PATH];
  GetTempPathA(MAX_PATH, szTmp);
  snprintf(szLog, sizeof szLog, "%sReport_Tests_%lu.txt", szTmp, GetCurrentProcessId());
  CreateReportLog(szLog);
  SetErrorLog(0, "EC_Editor.txt");
  int r = RUN_ALL_TESTS();
  DeleteFileA(szLog);
  return r;
}
