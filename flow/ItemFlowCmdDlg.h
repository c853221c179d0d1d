// The item command "フローの変更": add flows to the character who takes the item, change them, or
// delete the flows of one ID. The flows it adds or changes are edited in the flow page, run on its
// own from "フローの設定".
#pragma once

#include "flow/CmdDlg.h"

class cFlowPage;

class cItemFlowCmdDlg : public cDialogClass<cItemFlowCmdDlg, cCmdDlg> {
 public:
  cItemFlowCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  // "追加" leaves the ID alone, "削除" has no flows to set.
  void UpdateEnable() override;

  // Runs the flow page on the command's flows (it writes them back on its own OK).
  void EditFlows();

  cChkVector<cCtrlBind<cComboCtrl<int32_t>, cComboParam<int32_t>>> m_vCombo;
  cChkVector<cCtrlBind<cButtonCtrl, cButtonParam>> m_vButton;
  cFlowPage* m_lpFlowPage = nullptr;
};
