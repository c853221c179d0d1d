// The item command "フローの変更": add flows to the character who takes the item, change them, or
// delete the flows of one ID. The flows it adds or changes are edited in the flow page, run on its
// own from "フローの設定".
#pragma once

#include "flow/CmdDlg.h"

class cFlowPage;

class cItemFlowCmdDlg : public cDialogClass<cItemFlowCmdDlg, cBoundCmdDlg> {
 public:
  cItemFlowCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);

  // Shows the kind's own name as the caption.
  void AfterDataShown() override;
  // "フローの設定" runs the flow page.
  int OnOwnCommand(WPARAM wParam) override;
  // "追加" leaves the ID alone, "削除" has no flows to set.
  void UpdateEnable() override;

  // Runs the flow page on the command's flows (it writes them back on its own OK).
  void EditFlows();

  cFlowPage* m_lpFlowPage = nullptr;
};
