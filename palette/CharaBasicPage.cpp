#include "palette/CharaBasicPage.h"

#include "model/PaletteOptionTables.h"

namespace {

enum : uint16_t {
  ID_OFFSET_X = 1040,
  ID_OFFSET_X_SPIN = 1045,
  ID_CLONE_X = 1046,
  ID_CLONE_X_SPIN = 1047,
  ID_OFFSET_Y = 1048,
  ID_OFFSET_Y_SPIN = 1049,
  ID_CLONE_Y = 1050,
  ID_FACE_RIGHT = 1052,
  ID_FLIP_X = 1053,
  ID_CLONE_Y_SPIN = 1054,
  ID_FLIP_Y = 1055,
  ID_PREVIEW = 1060,
  ID_CONTROL = 1256,
  ID_PLAYER_NO = 1257,
  ID_CLONES = 1259,
  ID_CLONES_SPIN = 1260,
  ID_FACTION = 1261,
  ID_FACTION_SPIN = 1262,
  ID_CHARA_ID = 1263,
  ID_CHARA_ID_SPIN = 1264,
};
enum { OPERATOR_GROUP = 1 };

const cInheritGroup GROUPS[9] = {
    {1024, 0, {IDC_DP_NAME}},
    {1025, 1, {ID_CONTROL, ID_PLAYER_NO}},
    {1026, 2, {ID_FACTION}},
    {1027, 3, {ID_CHARA_ID}},
    {1028, 4, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_DP_JUDGE, IDC_DP_LATCH}},
    {1029, 5, {ID_FACE_RIGHT}},
    {1030, 6, {ID_CLONES}},
    {1031, 7, {ID_OFFSET_X, ID_CLONE_X, ID_FLIP_X}},
    {1032, 8, {ID_OFFSET_Y, ID_CLONE_Y, ID_FLIP_Y}},
};
const cComputerOnlySet COMPUTER_ONLY[2] = {
    {1028, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_DP_JUDGE, IDC_DP_LATCH}},
    {1030, {ID_CLONES}},
};

bool OperatorFixed() {
  return StageEditState.m_nEditContext == EDIT_CELL || StageEditState.m_nEditContext == EDIT_DEFAULT;
}

}  // namespace

cCharaBasicPage::cCharaBasicPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cFirstRecordPage<cCharaKind, cCharaBasicPage>(IDD_CHARA_BASIC, lpParent, lpWindowList) {
  SetGroups(GROUPS);
  SetComputerOnly(COMPUTER_ONLY);
  Event(cControl::KIND_COMBO, ID_CONTROL, [](cDialog* p) {
    if (Self(p)->IsItemEnabled(ID_CONTROL)) Self(p)->EnableComputerSets();
  });
  Event(cControl::KIND_CHECK, ID_FACE_RIGHT, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_EDITVAL, ID_CLONES, [](cDialog*) {});
  // Every character edited here has a flow to start from.
  if (cEdChara* lpTarget = StageEditState.m_lpCharaTarget)
    if (lpTarget->m_vFlow.empty()) lpTarget->m_vFlow.push_back(cEdFlow());
  Start();
}

void cCharaBasicPage::BindFields(cEdChara& w, cCtrlSet& c) {
  c.Value(ID_OFFSET_X, &w.m_nOffsetX, -640, 640, ID_OFFSET_X_SPIN);
  c.Value(ID_CLONE_X, &w.m_nCloneOffsetX, -640, 640, ID_CLONE_X_SPIN);
  c.Value(ID_OFFSET_Y, &w.m_nOffsetY, -640, 640, ID_OFFSET_Y_SPIN);
  c.Value(ID_CLONE_Y, &w.m_nCloneOffsetY, -640, 640, ID_CLONE_Y_SPIN);
  c.Value(ID_FACTION, &w.m_nFaction, 0, 7, ID_FACTION_SPIN);
  c.Value(ID_CHARA_ID, &w.m_nCharaId, 0, 99, ID_CHARA_ID_SPIN);
  c.Value(ID_CLONES, &w.m_nClones, 0, 32, ID_CLONES_SPIN);
  c.Check(ID_FACE_RIGHT, &w.m_bFaceRight);
  c.Check(ID_FLIP_X, &w.m_bFlipOffsetX);
  c.Check(ID_FLIP_Y, &w.m_bFlipOffsetY);
  c.Combo(ID_CONTROL, &w.m_nControl, ControlNames);
  c.Combo(ID_PLAYER_NO, &w.m_nPlayerNo, PlayerNoNames);
  Picture(c, ID_PREVIEW);
}

void cCharaBasicPage::EnableGroup(int k) {
  cRecordPageBase::EnableGroup(k);
  // The operator of a placed character or of the default record is not edited here.
  if (k == OPERATOR_GROUP && OperatorFixed()) {
    EnableItem(ID_CONTROL, false);
    EnableItem(ID_PLAYER_NO, false);
  }
}

void cCharaBasicPage::AfterInheritSource() {
  if (OperatorFixed()) EnableItem(GROUPS[OPERATOR_GROUP].wCheck, false);
}

bool cCharaBasicPage::IsComputerOperated() { return ComboValue(ID_CONTROL) > 0; }

cEdChara cCharaBasicPage::PreviewRecord() {
  cEdChara rec = m_Work;
  rec.m_bFaceRight = IsChecked(ID_FACE_RIGHT) ? 1 : 0;
  return rec;
}
