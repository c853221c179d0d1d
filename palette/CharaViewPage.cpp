#include "palette/CharaViewPage.h"

#include "model/Command.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/PaletteOptionTables.h"
#include "model/ProjectLoad.h"

namespace {

enum : uint16_t {
  ID_FIX_DIR = 1059,
  ID_PREVIEW1 = 1060,
  ID_SCROLL_SYNC = 1061,
  ID_PREVIEW2 = 1070,
  ID_DEATH_MODE = 1179,
  ID_START_LOOP = 1186,
  ID_Z = 1256,
  ID_Z_SPIN = 1257,
  ID_INVINCIBLE = 1261,
  ID_BLOCK = 1262,
  ID_ANIME_SET = 1263,
  ID_DEATH_EFFECT = 1264,
  ID_FLY = 1265,
  ID_GIANT = 1266,
  ID_SIGHT = 1267,
  ID_SIGHT_RANGE = 1268,
  ID_SIGHT_RANGE_SPIN = 1269,
  ID_START_EFFECT = 1270,
  ID_INVINCIBLE_EFFECT = 1271,
  ID_START_MODE = 1452,
  ID_GRAPHIC_CHECK = 1024,
  ID_BLOCK_CHECK = 1034,
  ID_SIGHT_CHECK = 1041,
};

const cInheritGroup GROUPS[14] = {
    {ID_GRAPHIC_CHECK, 9, {IDC_DP_GRAPHIC_KIND, IDC_DP_GRAPHIC_NO, IDC_DP_GRAPHIC_PICK, IDC_DP_FRAME}},
    {1025, 10, {ID_ANIME_SET}},
    {1026, 11, {ID_Z}},
    {1027, 12, {IDC_DP_TRANSPARENT}},
    {1028, 13, {ID_START_EFFECT, ID_START_MODE, ID_START_LOOP}},
    {1029, 14, {ID_DEATH_EFFECT, ID_DEATH_MODE}},
    {1030, 15, {IDC_DP_MARK_SHOW, IDC_DP_MARK_NO, IDC_DP_MARK_PICK}},
    {1031, 16, {ID_FIX_DIR}},
    {1032, 17, {ID_FLY}},
    {1033, 18, {ID_INVINCIBLE, ID_INVINCIBLE_EFFECT}},
    {ID_BLOCK_CHECK, 19, {ID_BLOCK}},
    {1035, 20, {ID_GIANT}},
    {11036, 21, {ID_SCROLL_SYNC}},
    {ID_SIGHT_CHECK, 22, {ID_SIGHT, ID_SIGHT_RANGE}},
};
const cComputerOnlySet COMPUTER_ONLY[1] = {{ID_BLOCK_CHECK, {ID_BLOCK}}};
// The item under IDC_DP_FRAME is the shift of the graphic.
const cGraphicPart GRAPHIC = {SheetNames2, ID_GRAPHIC_CHECK, -999, {-19, 19}, {-239, 239}};

}  // namespace

cCharaViewPage::cCharaViewPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cRecordPage<cCharaKind, cCharaViewPage>(IDD_CHARA_VIEW, lpParent, lpWindowList, 1) {
  SetGroups(GROUPS);
  SetComputerOnly(COMPUTER_ONLY);
  UseGraphic(GRAPHIC);
  Event(cControl::KIND_COMBO, ID_FLY, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_INVINCIBLE, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_BLOCK, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_SIGHT, [](cDialog* p) { Self(p)->OnSight(); });
  Start();
}

void cCharaViewPage::BindFields(cEdChara& w, cCtrlSet& c) {
  BindGraphic(w, w.m_nGraphicShift, c);
  c.Value(ID_Z, &w.m_nZ, 0, 7, ID_Z_SPIN);
  c.Value(ID_SIGHT_RANGE, &w.m_nSightRange, 0, 40, ID_SIGHT_RANGE_SPIN);
  c.Check(ID_FIX_DIR, &w.m_bFixDir);
  c.Check(ID_START_LOOP, &w.m_bStartEffectLoop);
  c.Check(ID_SCROLL_SYNC, &w.m_bScrollSync);
  MakeDbNameList(m_vAnimeSetNames, Database.m_vAnimeSet, nullptr, 0, 2, 1);
  MakeDbNameList(m_vCharaEffectNames, Database.m_vCharaEffect, "なし", 0, 3, 0);
  c.Combo(ID_ANIME_SET, &w.m_nAnimeSet, &m_vAnimeSetNames, 0);
  c.Combo(ID_START_EFFECT, &w.m_nStartEffect, &m_vCharaEffectNames, 0);
  c.Combo(ID_DEATH_EFFECT, &w.m_nDeathEffect, &m_vCharaEffectNames, 0);
  c.Combo(ID_START_MODE, &w.m_nStartEffectMode, EffectModeNames);
  c.Combo(ID_DEATH_MODE, &w.m_nDeathEffectMode, EffectModeNames);
  c.Combo(ID_FLY, &w.m_nFly, FlyNames);
  c.Combo(ID_INVINCIBLE, &w.m_nInvincible, InvincibleNames);
  c.Combo(ID_INVINCIBLE_EFFECT, &w.m_nInvincibleEffect, InvincibleColorNames);
  c.Combo(ID_BLOCK, &w.m_bBlock, CharaBlockNames);
  c.Combo(ID_GIANT, &w.m_nGiant, GiantNames, 1);
  c.Combo(ID_SIGHT, &w.m_nSightShape, SightNames);
  Picture(c, ID_PREVIEW1);
  Picture(c, ID_PREVIEW2);
}

void cCharaViewPage::OnSight() {
  if (!IsItemEnabled(ID_SIGHT) || IsChecked(ID_SIGHT_CHECK)) return;
  if (m_Work.m_nControl != 0) {
    EnableItem(ID_SIGHT, false);
    EnableItem(ID_SIGHT_RANGE, false);
    return;
  }
  EnableItem(ID_SIGHT, true);
  EnableItem(ID_SIGHT_RANGE, ComboValue(ID_SIGHT) != 0);
}

cEdChara cCharaViewPage::PreviewRecord() {
  cEdChara rec = m_Work;
  ReadGraphic(rec, &cEdChara::m_nGraphicShift);
  rec.m_nAnimeSet = static_cast<int16_t>(ComboValue(ID_ANIME_SET));
  rec.m_nFly = static_cast<int8_t>(ComboValue(ID_FLY));
  rec.m_nInvincible = static_cast<int8_t>(ComboValue(ID_INVINCIBLE));
  rec.m_bBlock = static_cast<int8_t>(ComboValue(ID_BLOCK));
  return rec;
}
