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
    : cDialogClass<cItemFlowCmdDlg, cCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  m_vButton.resize(1);
  m_vButton[0].m_Param.Set(IDC_IF_FLOWS);
  if (!m_Info.m_lpCommand || Command().m_vParam.size() < 2) return;
  m_vCombo.resize(2);
  m_vCombo[0].m_Param.SetTable(IDC_IF_OP, &Command().m_vParam[0], ItemFlowOpNames, 0);
  m_vCombo[1].m_Param.SetTable(IDC_IF_ID, &Command().m_vParam[1], ItemFlowDelIdNames, 0);
}

void cItemFlowCmdDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cCmdDlg::OnInitDialog(wParam, lParam);
  // The template names the operation; the kind's own name is what the author picked.
  const cCmdKindInfo* lpKind = FindCmdKindInfo(1, 1);
  if (lpKind) SetWindowTextA(m_hWnd, lpKind->m_strName.c_str());
  AttachCtrls(m_vCombo);
  AttachCtrls(m_vButton);
  DataToCtrls();
  UpdateEnable();
  m_bInit = 1;
}

void cItemFlowCmdDlg::UpdateEnable() {
  if (m_vCombo.size() < 2) return;
  const int32_t nOp = m_vCombo[0].m_Ctrl.GetCurData();
  if (nOp < OP_ADD || nOp > OP_DELETE) return;
  m_vCombo[1].m_Ctrl.Enable(nOp != OP_ADD);
  m_vButton[0].m_Ctrl.Enable(nOp != OP_DELETE);
}

void cItemFlowCmdDlg::EditFlows() {
  if (!m_Info.m_lpCommand || m_vCombo.size() < 2) return;
  cEdCommand& cmd = Command();
  StandaloneFlowEdit.m_pvFlow = &cmd.m_vFlow;
  StandaloneFlowEdit.m_nOperation = m_vCombo[0].m_Ctrl.GetCurData();
  StandaloneFlowEdit.m_nId = m_vCombo[1].m_Ctrl.GetCurData();
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

void cItemFlowCmdDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDC_IF_FLOWS && HIWORD(wParam) == BN_CLICKED) {
    if (m_bInit) EditFlows();
    return;
  }
  cCmdDlg::OnCommand(wParam, lParam);
}
