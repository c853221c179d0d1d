#include "palette/ItemBasicPage.h"

#include "model/PaletteOptionTables.h"

namespace {

enum : uint16_t {
  ID_OFFSET_X = 1040,
  ID_OFFSET_X_SPIN = 1045,
  ID_OFFSET_Y = 1048,
  ID_OFFSET_Y_SPIN = 1049,
  ID_PREVIEW1 = 1060,
  ID_PREVIEW2 = 1070,
  ID_Z = 1256,
  ID_Z_SPIN = 1257,
  ID_GRAPHIC_CHECK = 1028,
};

const cInheritGroup GROUPS[8] = {
    {1024, 0, {IDC_DP_NAME}},
    {1025, 1, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_DP_JUDGE, IDC_DP_LATCH}},
    {1026, 2, {ID_OFFSET_X}},
    {1027, 3, {ID_OFFSET_Y}},
    {ID_GRAPHIC_CHECK, 4, {IDC_DP_GRAPHIC_KIND, IDC_DP_GRAPHIC_NO, IDC_DP_GRAPHIC_PICK, IDC_DP_FRAME}},
    {1029, 5, {ID_Z}},
    {1030, 6, {IDC_DP_TRANSPARENT}},
    {1031, 7, {IDC_DP_MARK_SHOW, IDC_DP_MARK_NO, IDC_DP_MARK_PICK}},
};
const cGraphicPart GRAPHIC = {SheetNames2, ID_GRAPHIC_CHECK, 0, {0, 39}, {0, 239}};

}  // namespace

cItemBasicPage::cItemBasicPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cFirstRecordPage<cItemKind, cItemBasicPage>(IDD_ITEM_BASIC, lpParent, lpWindowList) {
  SetGroups(GROUPS);
  m_bRefuseDistancePaste = 1;
  UseGraphic(GRAPHIC);
  Start();
}

void cItemBasicPage::BindFields(cEdItem& w, cCtrlSet& c) {
  BindGraphic(w, w.m_nFrame, c);
  c.Value(ID_OFFSET_X, &w.m_nOffsetX, -640, 640, ID_OFFSET_X_SPIN);
  c.Value(ID_OFFSET_Y, &w.m_nOffsetY, -640, 640, ID_OFFSET_Y_SPIN);
  c.Value(ID_Z, &w.m_nZ, 0, 7, ID_Z_SPIN);
  Picture(c, ID_PREVIEW1);
  Picture(c, ID_PREVIEW2);
}

cEdItem cItemBasicPage::PreviewRecord() {
  // Only what the page shows: the item's other fields (its giant size among them) are left out.
  cEdItem rec;
  ReadGraphic(rec, &cEdItem::m_nFrame);
  return rec;
}
