#include "flow/ItemFlowCmdDlg.h"

#include "app/WindowList.h"
#include "flow/FlowPage.h"
#include "flow/StandaloneFlowEdit.h"
#include "model/CommandKindTable.h"
#include "resources/CmdDialogIds.h"

namespace {
enum { OP_ADD = 0, OP_CHANGE = 1, OP_DELETE = 2 };
}

cItemFlowCmdDlg::cItemFlowCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cItemFlowCmdDlg, cBoundCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                  bCentre) {
  m_Ctrls.Button(IDC_IF_FLOWS);
  if (!m_Info.m_lpCommand || Command().m_vParam.size() < 2) return;
  m_Ctrls.Combo(IDC_IF_OP, &Command().m_vParam[0], ItemFlowOpNames);
  m_Ctrls.Combo(IDC_IF_ID, &Command().m_vParam[1], ItemFlowDelIdNames);
}

void cItemFlowCmdDlg::AfterDataShown() {
  // The template names the operation; the kind's own name is what the author picked.
  const cCmdKindInfo* lpKind = FindCmdKindInfo(1, 1);
  if (lpKind) SetWindowTextA(m_hWnd, lpKind->m_strName.c_str());
}

void cItemFlowCmdDlg::UpdateEnable() {
  if (m_Ctrls.m_vCombo32.size() < 2) return;
  const int32_t nOp = m_Ctrls.m_vCombo32[0].m_Ctrl.GetCurData();
  if (nOp < OP_ADD || nOp > OP_DELETE) return;
  m_Ctrls.m_vCombo32[1].m_Ctrl.Enable(nOp != OP_ADD);
  m_Ctrls.m_vButton[0].m_Ctrl.Enable(nOp != OP_DELETE);
}

void cItemFlowCmdDlg::EditFlows() {
  if (!m_Info.m_lpCommand || m_Ctrls.m_vCombo32.size() < 2) return;
  cEdCommand& cmd = Command();
  StandaloneFlowEdit.m_pvFlow = &cmd.m_vFlow;
  StandaloneFlowEdit.m_nOperation = m_Ctrls.m_vCombo32[0].m_Ctrl.GetCurData();
  StandaloneFlowEdit.m_nId = m_Ctrls.m_vCombo32[1].m_Ctrl.GetCurData();
  // The page always has a flow to show, even when it is then cancelled.
  if (cmd.m_vFlow.empty()) cmd.m_vFlow.push_back(cEdFlow());
  m_lpFlowPage = new (std::nothrow) cFlowPage(this, cWindow::KIND_DIALOG, &WindowList, nullptr);
  if (!m_lpFlowPage) {
    StandaloneFlowEdit.m_pvFlow = nullptr;
    OutOfMemory();
    return;
  }
  Enable(0);
  m_lpFlowPage->DoModal(0);
  SafeDelete(m_lpFlowPage);
  StandaloneFlowEdit.m_pvFlow = nullptr;
  Enable(1);
}

int cItemFlowCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_IF_FLOWS)) return 0;
  EditFlows();
  return 1;
}
