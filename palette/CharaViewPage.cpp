#include "palette/CharaViewPage.h"

#include "model/Command.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "model/PaletteOptionTables.h"
#include "model/ProjectLoad.h"
#include "controls/GraphicPickDlg.h"

namespace {

enum : uint16_t {
  ID_GRAPHIC_NO = 1036,
  ID_GRAPHIC_SPIN = 1037,
  ID_SHIFT = 1038,
  ID_SHIFT_SPIN = 1039,
  ID_MARK_SPIN = 1047,
  ID_FIX_DIR = 1059,
  ID_PREVIEW1 = 1060,
  ID_SCROLL_SYNC = 1061,
  ID_PREVIEW2 = 1070,
  ID_DEATH_MODE = 1179,
  ID_START_LOOP = 1186,
  ID_GRAPHIC_KIND = 1254,
  ID_Z = 1256,
  ID_Z_SPIN = 1257,
  ID_TRANSPARENT = 1258,
  ID_MARK_SHOW = 1260,
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
  ID_MARK_PICK = 1445,
  ID_GRAPHIC_PICK = 1446,
  ID_START_MODE = 1452,
  ID_MARK_NO = 11040,
  ID_GRAPHIC_CHECK = 1024,
  ID_BLOCK_CHECK = 1034,
  ID_SIGHT_CHECK = 1041,
};

const cInheritGroup GROUPS[14] = {
    {1024, 9, {ID_GRAPHIC_KIND, ID_GRAPHIC_NO, ID_GRAPHIC_PICK, ID_SHIFT}},
    {1025, 10, {ID_ANIME_SET}},
    {1026, 11, {ID_Z}},
    {1027, 12, {ID_TRANSPARENT}},
    {1028, 13, {ID_START_EFFECT, ID_START_MODE, ID_START_LOOP}},
    {1029, 14, {ID_DEATH_EFFECT, ID_DEATH_MODE}},
    {1030, 15, {ID_MARK_SHOW, ID_MARK_NO, ID_MARK_PICK}},
    {1031, 16, {ID_FIX_DIR}},
    {1032, 17, {ID_FLY}},
    {1033, 18, {ID_INVINCIBLE, ID_INVINCIBLE_EFFECT}},
    {1034, 19, {ID_BLOCK}},
    {1035, 20, {ID_GIANT}},
    {11036, 21, {ID_SCROLL_SYNC}},
    {1041, 22, {ID_SIGHT, ID_SIGHT_RANGE}},
};
const cComputerOnlySet COMPUTER_ONLY[1] = {{ID_BLOCK_CHECK, {ID_BLOCK}}};

cCharaViewPage* Self(cDialog* p) { return static_cast<cCharaViewPage*>(p); }

}  // namespace

cCharaViewPage::cCharaViewPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cRecordPage<cEdChara, cCharaViewPage>(IDD_CHARA_VIEW, lpParent, lpWindowList, 1) {
  m_pGroups = GROUPS;
  m_nGroups = 14;
  m_pComputerOnly = COMPUTER_ONLY;
  m_nComputerOnly = 1;
  Event(cControl::KIND_BUTTON, IDC_DP_PREV, [](cDialog* p) { Self(p)->OnStep(-1); });
  Event(cControl::KIND_BUTTON, IDC_DP_NEXT, [](cDialog* p) { Self(p)->OnStep(1); });
  Event(cControl::KIND_COMBO, ID_GRAPHIC_KIND, [](cDialog* p) { Self(p)->OnGraphicKind(); });
  Event(cControl::KIND_EDITVAL, ID_GRAPHIC_NO, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_BUTTON, ID_GRAPHIC_PICK, [](cDialog* p) {
    cCharaViewPage* d = Self(p);
    uint16_t n = 0;
    if (PickGraphic(&n, d->ComboValue(ID_GRAPHIC_KIND), d, d->FindItem(ID_GRAPHIC_PICK)))
      d->SetEditValue(d->m_vEdit16, ID_GRAPHIC_NO, static_cast<int16_t>(n));
  });
  Event(cControl::KIND_EDITVAL, ID_SHIFT, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_MARK_SHOW, [](cDialog* p) { Self(p)->OnMarkShow(); });
  Event(cControl::KIND_EDITVAL, ID_MARK_NO, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_BUTTON, ID_MARK_PICK, [](cDialog* p) {
    cCharaViewPage* d = Self(p);
    uint16_t n = 0;
    if (RunGraphicPickDlg(&n, 4, d, d->FindItem(ID_MARK_PICK)))
      d->SetEditValue(d->m_vEdit16, ID_MARK_NO, static_cast<int16_t>(n));
  });
  Event(cControl::KIND_COMBO, ID_FLY, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_INVINCIBLE, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_BLOCK, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_SIGHT, [](cDialog* p) { Self(p)->OnSight(); });
  SetupCtrls(StageEditState.m_lpCharaTarget);
}

void cCharaViewPage::SetupCtrls(const cEdChara* lpRec) {
  if (!lpRec) return;
  m_Work = *lpRec;
  SizeFlags();
  cEdChara& w = m_Work;
  m_vInherit.resize(14);
  for (int k = 0; k < 14; ++k) m_vInherit[k].m_Param.Set(GROUPS[k].wCheck, &w.m_bbInherit[GROUPS[k].nFlag]);
  m_vEdit16.resize(3);
  m_vEdit16[0].m_Param.Set(ID_GRAPHIC_NO, &w.m_nGraphic, 1, 999, ID_GRAPHIC_SPIN, 1);
  m_vEdit16[1].m_Param.Set(ID_SHIFT, &w.m_nGraphicShift, -999, 999, ID_SHIFT_SPIN, 1);
  m_vEdit16[2].m_Param.Set(ID_MARK_NO, &w.m_nMarkNo, 0, 119, ID_MARK_SPIN, 1);
  m_vEdit8.resize(2);
  m_vEdit8[0].m_Param.Set(ID_Z, &w.m_nZ, 0, 7, ID_Z_SPIN, 1);
  m_vEdit8[1].m_Param.Set(ID_SIGHT_RANGE, &w.m_nSightRange, 0, 40, ID_SIGHT_RANGE_SPIN, 1);
  m_vCheck.resize(3);
  m_vCheck[0].m_Param.Set(ID_FIX_DIR, &w.m_bFixDir);
  m_vCheck[1].m_Param.Set(ID_START_LOOP, &w.m_bStartEffectLoop);
  m_vCheck[2].m_Param.Set(ID_SCROLL_SYNC, &w.m_bScrollSync);
  MakeDbNameList(m_vAnimeSetNames, Database.m_vAnimeSet, nullptr, 0, 2, 1);
  MakeDbNameList(m_vCharaEffectNames, Database.m_vCharaEffect, "なし", 0, 3, 0);
  m_vCombo16.resize(3);
  m_vCombo16[0].m_Param.SetVector(ID_ANIME_SET, &w.m_nAnimeSet, &m_vAnimeSetNames, 0);
  m_vCombo16[1].m_Param.SetVector(ID_START_EFFECT, &w.m_nStartEffect, &m_vCharaEffectNames, 0);
  m_vCombo16[2].m_Param.SetVector(ID_DEATH_EFFECT, &w.m_nDeathEffect, &m_vCharaEffectNames, 0);
  m_vCombo8.resize(11);
  m_vCombo8[0].m_Param.SetTable(ID_GRAPHIC_KIND, &w.m_nSheet, SheetNames2, 0);
  m_vCombo8[1].m_Param.SetTable(ID_TRANSPARENT, &w.m_bTransparent, TransparentNames, 0);
  m_vCombo8[2].m_Param.SetTable(ID_START_MODE, &w.m_nStartEffectMode, EffectModeNames, 0);
  m_vCombo8[3].m_Param.SetTable(ID_DEATH_MODE, &w.m_nDeathEffectMode, EffectModeNames, 0);
  m_vCombo8[4].m_Param.SetTable(ID_MARK_SHOW, &w.m_nMark, MarkShowNames, 0);
  m_vCombo8[5].m_Param.SetTable(ID_FLY, &w.m_nFly, FlyNames, 0);
  m_vCombo8[6].m_Param.SetTable(ID_INVINCIBLE, &w.m_nInvincible, InvincibleNames, 0);
  m_vCombo8[7].m_Param.SetTable(ID_INVINCIBLE_EFFECT, &w.m_nInvincibleEffect, InvincibleColorNames, 0);
  m_vCombo8[8].m_Param.SetTable(ID_BLOCK, &w.m_bBlock, CharaBlockNames, 0);
  m_vCombo8[9].m_Param.SetTable(ID_GIANT, &w.m_nGiant, GiantNames, 1);
  m_vCombo8[10].m_Param.SetTable(ID_SIGHT, &w.m_nSightShape, SightNames, 0);
  m_vPicture.resize(2);
  m_vPicture[0].m_Param.Set(ID_PREVIEW1, PREVIEW_SIZE, PREVIEW_SIZE);
  m_vPicture[1].m_Param.Set(ID_PREVIEW2, PREVIEW_SIZE, PREVIEW_SIZE);
  m_vButton.resize(4);
  m_vButton[0].m_Param.Set(ID_GRAPHIC_PICK);
  m_vButton[1].m_Param.Set(ID_MARK_PICK);
  m_vButton[2].m_Param.Set(IDC_DP_PREV);
  m_vButton[3].m_Param.Set(IDC_DP_NEXT);
  m_vStatic.resize(1);
  m_vStatic[0].m_Param.Set(IDC_DP_NO);
  if (m_bInit) RebindAll();
}

void cCharaViewPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowWindow(GetDlgItem(m_hWnd, IDC_DP_VIEW), SW_HIDE);
  AttachAll();
  ShowEntryNumber();
  DataToCtrls();
  EnableAllGroups();
  RefreshChecks();
  m_bInit = 1;
}

void cCharaViewPage::OnSetActive() {
  UpdateCtrls(0);
  EnableAllGroups();
  EnableComputerSets();
  RefreshChecks();
  ShowEntryNumber();
}

void cCharaViewPage::AfterInheritClick() {
  EnableComputerSets();
  RefreshChecks();
}

void cCharaViewPage::RefreshChecks() {
  const bool bInherits = m_Work.m_nInheritPal != SRC_NONE;
  for (int k = 0; k < m_nGroups; ++k) EnableItem(GROUPS[k].wCheck, bInherits);
  RunChangeHandlers();
}

void cCharaViewPage::OnGraphicKind() {
  if (!IsItemEnabled(ID_GRAPHIC_KIND)) return;
  if (!IsChecked(ID_GRAPHIC_CHECK)) {
    const int32_t nKind = ComboValue(ID_GRAPHIC_KIND);
    if (nKind == 1) {
      EnableItem(ID_SHIFT, true);
      SetEditRange<int16_t>(m_vEdit16, ID_SHIFT, -19, 19);
      SetEditRange<int16_t>(m_vEdit16, ID_GRAPHIC_NO, 1, 119);
      EnableItem(ID_GRAPHIC_PICK, true);
    } else if (nKind == 4) {
      EnableItem(ID_SHIFT, true);
      SetEditRange<int16_t>(m_vEdit16, ID_SHIFT, -239, 239);
      const int32_t nMax = static_cast<int32_t>(Database.m_vBmpCharaExc.size()) - 1;
      SetEditRange<int16_t>(m_vEdit16, ID_GRAPHIC_NO, 1, static_cast<int16_t>(nMax < 1 ? 1 : nMax));
      EnableItem(ID_GRAPHIC_PICK, false);
    } else {
      EnableItem(ID_SHIFT, false);
      SetEditRange<int16_t>(m_vEdit16, ID_GRAPHIC_NO, 1, 119);
      EnableItem(ID_GRAPHIC_PICK, true);
    }
  }
  DrawPreviews();
}

void cCharaViewPage::OnMarkShow() {
  if (IsItemEnabled(ID_MARK_SHOW)) {
    const bool bShow = ComboValue(ID_MARK_SHOW) != 0;
    EnableItem(ID_MARK_NO, bShow);
    EnableItem(ID_MARK_PICK, bShow);
  }
  DrawPreviews();
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

void cCharaViewPage::OnStep(int32_t nStep) {
  StepEntry(StageEditState.m_lpCharaTarget, nStep);
  RunChangeHandlers();
  EnableComputerSets();
}

void cCharaViewPage::DrawPreviews() {
  if (!m_bInit) return;
  cEdChara rec = m_Work;
  rec.m_nSheet = static_cast<int8_t>(ComboValue(ID_GRAPHIC_KIND));
  rec.m_nGraphic = EditValue<int16_t>(m_vEdit16, ID_GRAPHIC_NO, rec.m_nGraphic);
  rec.m_nGraphicShift = EditValue<int16_t>(m_vEdit16, ID_SHIFT, rec.m_nGraphicShift);
  rec.m_nAnimeSet = static_cast<int16_t>(ComboValue(ID_ANIME_SET));
  rec.m_nFly = static_cast<int8_t>(ComboValue(ID_FLY));
  rec.m_nInvincible = static_cast<int8_t>(ComboValue(ID_INVINCIBLE));
  rec.m_bBlock = static_cast<int8_t>(ComboValue(ID_BLOCK));
  rec.m_nMark = static_cast<int8_t>(ComboValue(ID_MARK_SHOW));
  rec.m_nMarkNo = EditValue<int16_t>(m_vEdit16, ID_MARK_NO, rec.m_nMarkNo);
  DrawRecordPreview(rec);
}
