#include "stage/StageOptionsDlg.h"

#include "app/MsgBox.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/StageOptionTables.h"
#include "resources/StageDialogIds.h"
#include "stage/StageDialogRun.h"

cStageOptionDlg::cStageOptionDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList)
    : cDialogClass<cStageOptionDlg>(wTemplateId, lpOwner, nKind, lpWindowList) {
  m_Ctrls.Value(IDC_OPT_UNDO_DEPTH, &Stage.m_nUndoDepth, 0, STAGE_UNDO_DEPTH_MAX, IDC_OPT_UNDO_DEPTH_SPIN);
  m_Ctrls.Combo(IDC_OPT_WHEEL_DIR, &Stage.m_nWheelDir, WheelDirNames, 0);
}

cStageOptionDlg::~cStageOptionDlg() { Dispose(); }

void cStageOptionDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  m_Ctrls.AttachAll(this);
  DataToCtrls();
  m_bInit = 1;
}

void cStageOptionDlg::Commit() {
  const int32_t nOld = Stage.m_nUndoDepth;
  CtrlsToData();
  StageEditState.m_bStageChanged = 1;
  const int32_t nNew = Stage.m_nUndoDepth;
  if (nNew == nOld) return;
  if (nNew > nOld) {
    // Counted in 64 bits: the extra steps of a large stage are more than 32 bits can hold, and a
    // product that wrapped would let a raise through that memory cannot carry.
    uint64_t nNeed = 2 * static_cast<uint64_t>(nNew - nOld) *
                     cStageEditState::SnapshotSize(Stage.m_nPitch, Stage.m_nHeight);
    if (FreeMem() < nNeed) {
      Stage.m_nUndoDepth = nOld;
      ErrorBox("メモリ不足により、「元に戻せる回数」が変更できませんでした！");
      return;
    }
  }
  StageEditState.AllocUndo(nNew, Stage.m_nPitch, Stage.m_nHeight);
}

void cStageOptionDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  CloseOnOkCancel(wParam, IDC_STGDLG_OK, IDC_STGDLG_CANCEL, [this] { Commit(); });
}

LRESULT cStageOptionDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return CloseBoxProc(hWnd, uMsg, wParam, lParam);
}

void RunStageOptionDlg(cStageWnd* lpWnd) {
  RunStageDialog<cStageOptionDlg>(lpWnd, cStageWnd::EDITOR_STAGE_OPTIONS, IDD_STAGE_OPTIONS);
}
