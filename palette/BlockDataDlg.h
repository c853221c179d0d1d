// The block data dialog: the single page of the block data sheet, on one block record (a placed
// block, a stage or common palette entry, or the project's default block).
#pragma once

#include "palette/RecordPage.h"

class cBlockDataDlg : public cFirstRecordPage<cBlockKind, cBlockDataDlg> {
 public:
  cBlockDataDlg(cWindow* lpParent, cWindowList* lpWindowList);

  cItemVector m_vItemNames;
  // The action whose X limits were applied last; -1 until the shown record's are.
  int8_t m_nLastAction = -1;

 protected:
  void BindFields(cEdBlock& w, cCtrlSet& c) override;
  cEdBlock PreviewRecord() override;

 private:
  void OnAction();
  void OnItemPal();
};
