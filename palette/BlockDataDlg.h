// The block data dialog: the single page of the block data sheet, on one block record (a placed
// block, a stage or common palette entry, or the project's default block).
#pragma once

#include "palette/RecordPage.h"

class cBlockDataDlg : public cRecordPage<cEdBlock, cBlockDataDlg> {
 public:
  cBlockDataDlg(cWindow* lpParent, cWindowList* lpWindowList);

  void SetupCtrls(const cEdBlock* lpRec) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void DrawPreviews() override;

  cChkVector<cEdBlock> m_vPalette;
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_Cond;
  cItemVector m_vInheritNames;
  cItemVector m_vItemNames;
  // The action whose X limits were applied last; -1 until a record is shown.
  int8_t m_nLastAction = -1;

 protected:
  void OnSetActive() override;
  void AfterInheritClick() override { RunChangeHandlers(); }
  void Commit() override { CommitBlockRecord(m_Work, m_vPalette); }
  void RememberPage(int32_t nPage) override;
  void OnPageMessage(UINT uMsg) override;

 private:
  void OnInheritPal();
  void OnGraphicKind();
  void OnMarkShow();
  void OnAction();
  void OnItemPal();
  void OnStep(int32_t nStep);
};
