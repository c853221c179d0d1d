// Page 1 of the item data sheet: inheritance, name, appearance conditions, initial offsets and
// display (graphic, frame, Z order, transparency, mark), with a preview. As the first page it
// holds the palette copy that the pages step over, and commits the sheet.
#pragma once

#include "palette/RecordPage.h"

class cItemBasicPage : public cFirstRecordPage<cItemKind, cItemBasicPage> {
 public:
  cItemBasicPage(cWindow* lpParent, cWindowList* lpWindowList);

 protected:
  void BindFields(cEdItem& w, cCtrlSet& c) override;
  cEdItem PreviewRecord() override;
};
