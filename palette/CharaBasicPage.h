// Page 1 of the character data sheet: inheritance, name, operator, force and character ID,
// appearance conditions, facing, clones and initial offsets, with a preview. As the first page it
// holds the palette copy that every page steps over, and commits the sheet.
#pragma once

#include "palette/RecordPage.h"

class cCharaBasicPage : public cRecordPage<cEdChara, cCharaBasicPage> {
 public:
  cCharaBasicPage(cWindow* lpParent, cWindowList* lpWindowList);

  void SetupCtrls(const cEdChara* lpRec) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void DrawPreviews() override;
  void EnableGroup(int k) override;

  cChkVector<cEdChara> m_vPalette;
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_Cond;
  cItemVector m_vInheritNames;

 protected:
  void OnSetActive() override;
  void AfterInheritClick() override { RunChangeHandlers(); }
  void Commit() override { CommitCharaRecord(m_Work, m_vPalette); }
  void RememberPage(int32_t nPage) override;
  void OnPageMessage(UINT uMsg) override;

 private:
  void OnInheritPal();
  void OnStep(int32_t nStep);
  void EnableComputerSets() { EnableComputerOnly(ComboValue(1256) > 0); }
};
