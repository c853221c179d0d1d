// Page 1 of the character data sheet: inheritance, name, operator, force and character ID,
// appearance conditions, facing, clones and initial offsets, with a preview. As the first page it
// holds the palette copy that every page steps over, and commits the sheet.
#pragma once

#include "palette/RecordPage.h"

class cCharaBasicPage : public cFirstRecordPage<cCharaKind, cCharaBasicPage> {
 public:
  cCharaBasicPage(cWindow* lpParent, cWindowList* lpWindowList);

  void EnableGroup(int k) override;

 protected:
  void BindFields(cEdChara& w, cCtrlSet& c) override;
  cEdChara PreviewRecord() override;
  void AfterInheritSource() override;
  // The operator as the page shows it.
  bool IsComputerOperated() override;
};
