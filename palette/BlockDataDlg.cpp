#include "palette/BlockDataDlg.h"

#include "model/Palette.h"
#include "model/PaletteOptionTables.h"
#include "model/Stage.h"
#include "resources/DataSheetIds.h"

namespace {

enum : uint16_t {
  ID_PREVIEW2 = 1060,
  ID_PREVIEW1 = 1070,
  ID_X_SPIN = 1087,
  ID_X = 1130,
  ID_FRONT = 1181,
  ID_NO_SUMMON = 1182,
  ID_BLOCK_TYPE = 1259,
  ID_NO_FACTION = 1262,
  ID_ACTION = 1263,
  ID_ITEM_PAL = 1270,
  ID_ITEM_NO = 12640,
};

const cInheritGroup GROUPS[cEdBlock::INHERIT_GROUPS] = {
    {1024, 0, {IDC_DP_NAME}},
    {1025, 1, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_DP_JUDGE, IDC_DP_LATCH}},
    {1026, 2, {IDC_DP_GRAPHIC_KIND, IDC_DP_GRAPHIC_NO, IDC_DP_GRAPHIC_PICK, IDC_DP_FRAME}},
    {1027, 3, {ID_FRONT}},
    {1028, 4, {IDC_DP_TRANSPARENT}},
    {1029, 5, {IDC_DP_MARK_SHOW, IDC_DP_MARK_NO, IDC_DP_MARK_PICK}},
    {1030, 6, {ID_BLOCK_TYPE}},
    {1031, 7, {ID_NO_FACTION}},
    {1032, 8, {ID_ACTION, ID_X}},
    {1033, 9, {ID_ITEM_PAL, ID_ITEM_NO}},
    {1034, 10, {ID_NO_SUMMON}},
};
const cGraphicPart GRAPHIC = {SheetNames, 0, 0, {0, 39}, {0, 239}};

// X limits and default by action.
struct cActionLimits {
  int32_t nMin, nMax, nDefault;
};
const cActionLimits BlockActionTable[6] = {{0, 0, 0}, {1, 20, 7}, {0, 0, 0}, {0, 500, 200}, {1, 200, 30}, {1, 200, 30}};

}  // namespace

cBlockDataDlg::cBlockDataDlg(cWindow* lpParent, cWindowList* lpWindowList)
    : cFirstRecordPage<cBlockKind, cBlockDataDlg>(IDD_BLOCK_DATA, lpParent, lpWindowList) {
  SetGroups(GROUPS);
  m_bRefuseDistancePaste = 1;
  UseGraphic(GRAPHIC);
  Event(cControl::KIND_COMBO, ID_ACTION, [](cDialog* p) { Self(p)->OnAction(); });
  Event(cControl::KIND_COMBO, ID_ITEM_PAL, [](cDialog* p) { Self(p)->OnItemPal(); });
  Event(cControl::KIND_COMBO, ID_ITEM_NO, [](cDialog*) {});
  Start();
}

void cBlockDataDlg::BindFields(cEdBlock& w, cCtrlSet& c) {
  // Another record: its stored X stands until its action is changed.
  m_nLastAction = -1;
  BindGraphic(w, w.m_nFrame, c);
  c.Value(ID_X, &w.m_nActionX, -999, 999, ID_X_SPIN);
  c.Check(ID_FRONT, &w.m_bFront);
  c.Check(ID_NO_SUMMON, &w.m_bNoSummon);
  c.Combo(ID_ITEM_NO, &w.m_nItemNo, &m_vItemNames, 1);
  c.Combo(ID_BLOCK_TYPE, &w.m_nBlockType, BlockTypeNames);
  c.Combo(ID_NO_FACTION, &w.m_nNoFaction, NoFactionNames, -1);
  c.Combo(ID_ACTION, &w.m_nAction, BlockActionNames);
  const bool bItemsStage = StageEditState.m_nEditContext == EDIT_CELL ||
                           StageEditState.m_nEditContext == EDIT_STAGE_PALETTE;
  c.Combo(ID_ITEM_PAL, &w.m_nItemPal, bItemsStage ? ItemPalNames : ItemPalNamesCommon);
  Picture(c, ID_PREVIEW1);
  Picture(c, ID_PREVIEW2);
  if (w.m_nItemPal == SRC_COMMON) MakeNumberedNameList(m_vItemNames, CommonPalette.m_vItem);
  if (w.m_nItemPal == SRC_STAGE) MakeNumberedNameList(m_vItemNames, Stage.m_vPalItem);
}

void cBlockDataDlg::OnAction() {
  if (!IsItemEnabled(ID_ACTION)) return;
  int32_t nAction = ComboValue(ID_ACTION);
  if (nAction < 0 || nAction > 5) nAction = 0;
  const cActionLimits& a = BlockActionTable[nAction];
  EnableItem(ID_X, !(a.nMin == 0 && a.nMax == 0));
  SetEditRange<int32_t>(ID_X, a.nMin, a.nMax);
  if (m_nLastAction != -1 && m_nLastAction != nAction) SetEditValue<int32_t>(ID_X, a.nDefault);
  m_nLastAction = static_cast<int8_t>(nAction);
}

void cBlockDataDlg::OnItemPal() {
  if (!IsItemEnabled(ID_ITEM_PAL)) return;
  const int32_t v = ComboValue(ID_ITEM_PAL);
  EnableItem(ID_ITEM_NO, v > 0);
  if (v == SRC_COMMON) SetComboNameList(m_Ctrls.m_vCombo16, ID_ITEM_NO, m_vItemNames, CommonPalette.m_vItem);
  if (v == SRC_STAGE) SetComboNameList(m_Ctrls.m_vCombo16, ID_ITEM_NO, m_vItemNames, Stage.m_vPalItem);
}

cEdBlock cBlockDataDlg::PreviewRecord() {
  cEdBlock rec = m_Work;
  ReadGraphic(rec, &cEdBlock::m_nFrame);
  return rec;
}
