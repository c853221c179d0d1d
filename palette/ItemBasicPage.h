// Page 1 of the item data sheet: inheritance, name, appearance conditions, initial offsets and
// display (graphic, frame, Z order, transparency, mark), with a preview. As the first page it
// holds the palette copy that the pages step over, and commits the sheet.
#pragma once

#include "palette/RecordPage.h"

class cItemBasicPage : public cRecordPage<cEdItem, cItemBasicPage> {
 public:
  cItemBasicPage(cWindow* lpParent, cWindowList* lpWindowList);

  void SetupCtrls(const cEdItem* lpRec) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void DrawPreviews() override;

  cChkVector<cEdItem> m_vPalette;
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_Cond;
  cItemVector m_vInheritNames;

 protected:
  void OnSetActive() override;
  void AfterInheritClick() override { RunChangeHandlers(); }
  void Commit() override { CommitItemRecord(m_Work, m_vPalette); }
  void RememberPage(int32_t nPage) override;
  void OnPageMessage(UINT uMsg) override;

 private:
  void OnInheritPal();
  void OnGraphicKind();
  void OnMarkShow();
  void OnStep(int32_t nStep);
};
