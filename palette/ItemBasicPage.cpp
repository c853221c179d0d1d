#include "palette/ItemBasicPage.h"

#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/PaletteOptionTables.h"
#include "model/Stage.h"
#include "controls/GraphicPickDlg.h"

namespace {

enum : uint16_t {
  ID_NAME = 1002,
  ID_GRAPHIC_NO = 1036,
  ID_GRAPHIC_SPIN = 1037,
  ID_FRAME = 1038,
  ID_FRAME_SPIN = 1039,
  ID_OFFSET_X = 1040,
  ID_OFFSET_X_SPIN = 1045,
  ID_MARK_SPIN = 1047,
  ID_OFFSET_Y = 1048,
  ID_OFFSET_Y_SPIN = 1049,
  ID_LATCH = 1051,
  ID_PREVIEW1 = 1060,
  ID_PREVIEW2 = 1070,
  ID_GRAPHIC_KIND = 1254,
  ID_JUDGE = 1255,
  ID_Z = 1256,
  ID_Z_SPIN = 1257,
  ID_TRANSPARENT = 1258,
  ID_MARK_SHOW = 1260,
  ID_INHERIT_PAL = 1268,
  ID_INHERIT_NO = 1269,
  ID_MARK_PICK = 1445,
  ID_GRAPHIC_PICK = 1446,
  ID_MARK_NO = 11040,
};

const cInheritGroup GROUPS[8] = {
    {1024, 0, {ID_NAME}},
    {1025, 1, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, ID_JUDGE, ID_LATCH}},
    {1026, 2, {ID_OFFSET_X}},
    {1027, 3, {ID_OFFSET_Y}},
    {1028, 4, {ID_GRAPHIC_KIND, ID_GRAPHIC_NO, ID_GRAPHIC_PICK, ID_FRAME}},
    {1029, 5, {ID_Z}},
    {1030, 6, {ID_TRANSPARENT}},
    {1031, 7, {ID_MARK_SHOW, ID_MARK_NO, ID_MARK_PICK}},
};

const char* const* InheritPalNames() {
  switch (StageEditState.m_nEditContext) {
    case EDIT_CELL:
      return InheritSrcNames;
    case EDIT_STAGE_PALETTE:
      return InheritSrcNamesCommon;
    default:
      return InheritSrcNamesNone;
  }
}

cItemBasicPage* Self(cDialog* p) { return static_cast<cItemBasicPage*>(p); }

}  // namespace

cItemBasicPage::cItemBasicPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cRecordPage<cEdItem, cItemBasicPage>(IDD_ITEM_BASIC, lpParent, lpWindowList, 0) {
  m_pGroups = GROUPS;
  m_nGroups = 8;
  m_lpCond = &m_Cond;
  m_bRefuseDistancePaste = 1;
  Event(cControl::KIND_BUTTON, IDC_DP_PREV, [](cDialog* p) { Self(p)->OnStep(-1); });
  Event(cControl::KIND_BUTTON, IDC_DP_NEXT, [](cDialog* p) { Self(p)->OnStep(1); });
  Event(cControl::KIND_COMBO, ID_INHERIT_PAL, [](cDialog* p) { Self(p)->OnInheritPal(); });
  Event(cControl::KIND_COMBO, ID_INHERIT_NO, [](cDialog* p) { Self(p)->ReapplyInherit(); });
  Event(cControl::KIND_COMBO, ID_GRAPHIC_KIND, [](cDialog* p) { Self(p)->OnGraphicKind(); });
  Event(cControl::KIND_EDITVAL, ID_GRAPHIC_NO, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_BUTTON, ID_GRAPHIC_PICK, [](cDialog* p) {
    cItemBasicPage* d = Self(p);
    uint16_t n = 0;
    if (PickGraphic(&n, d->ComboValue(ID_GRAPHIC_KIND), d, d->FindItem(ID_GRAPHIC_PICK)))
      d->SetEditValue(d->m_vEdit16, ID_GRAPHIC_NO, static_cast<int16_t>(n));
  });
  Event(cControl::KIND_EDITVAL, ID_FRAME, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_COMBO, ID_MARK_SHOW, [](cDialog* p) { Self(p)->OnMarkShow(); });
  Event(cControl::KIND_EDITVAL, ID_MARK_NO, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_BUTTON, ID_MARK_PICK, [](cDialog* p) {
    cItemBasicPage* d = Self(p);
    uint16_t n = 0;
    if (RunGraphicPickDlg(&n, 4, d, d->FindItem(ID_MARK_PICK)))
      d->SetEditValue(d->m_vEdit16, ID_MARK_NO, static_cast<int16_t>(n));
  });
  m_vPalette = PaletteCopyFor(static_cast<const cEdItem*>(nullptr));
  m_lpPalette = &m_vPalette;
  SetupCtrls(StageEditState.m_lpItemTarget);
}

void cItemBasicPage::SetupCtrls(const cEdItem* lpRec) {
  if (!lpRec) return;
  m_Work = *lpRec;
  SizeFlags();
  cEdItem& w = m_Work;
  cCondListCtrl::SetParam(m_Cond.m_Param, IDC_COND_LIST, nullptr, &w.m_vCond);
  m_vInherit.resize(8);
  for (int k = 0; k < 8; ++k) m_vInherit[k].m_Param.Set(GROUPS[k].wCheck, &w.m_bbInherit[GROUPS[k].nFlag]);
  m_vEdit16.resize(5);
  m_vEdit16[0].m_Param.Set(ID_GRAPHIC_NO, &w.m_nGraphic, 1, 999, ID_GRAPHIC_SPIN, 1);
  m_vEdit16[1].m_Param.Set(ID_FRAME, &w.m_nFrame, 0, 999, ID_FRAME_SPIN, 1);
  m_vEdit16[2].m_Param.Set(ID_MARK_NO, &w.m_nMarkNo, 0, 119, ID_MARK_SPIN, 1);
  m_vEdit16[3].m_Param.Set(ID_OFFSET_X, &w.m_nOffsetX, -640, 640, ID_OFFSET_X_SPIN, 1);
  m_vEdit16[4].m_Param.Set(ID_OFFSET_Y, &w.m_nOffsetY, -640, 640, ID_OFFSET_Y_SPIN, 1);
  m_vEdit8.resize(1);
  m_vEdit8[0].m_Param.Set(ID_Z, &w.m_nZ, 0, 7, ID_Z_SPIN, 1);
  m_vEditStr.resize(1);
  m_vEditStr[0].m_Param.Set(ID_NAME, &w.m_strName, 20, 1);
  m_vCheck.resize(1);
  m_vCheck[0].m_Param.Set(ID_LATCH, &w.m_bLatch);
  m_vCombo16.resize(1);
  m_vCombo16[0].m_Param.SetVector(ID_INHERIT_NO, &w.m_nInheritNo, &m_vInheritNames, 1);
  m_vCombo8.resize(5);
  m_vCombo8[0].m_Param.SetTable(ID_INHERIT_PAL, &w.m_nInheritPal, InheritPalNames(), 0);
  m_vCombo8[1].m_Param.SetTable(ID_JUDGE, &w.m_nCondJudge, CondJudgeNames, 0);
  m_vCombo8[2].m_Param.SetTable(ID_GRAPHIC_KIND, &w.m_nSheet, SheetNames2, 0);
  m_vCombo8[3].m_Param.SetTable(ID_TRANSPARENT, &w.m_bTransparent, TransparentNames, 0);
  m_vCombo8[4].m_Param.SetTable(ID_MARK_SHOW, &w.m_nMark, MarkShowNames, 0);
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
  if (w.m_nInheritPal == SRC_COMMON) MakeNumberedNameList(m_vInheritNames, CommonPalette.m_vItem);
  if (w.m_nInheritPal == SRC_STAGE) MakeNumberedNameList(m_vInheritNames, Stage.m_vPalItem);
  if (!m_bInit) return;
  RebindList(m_Cond);
  RebindAll();
}

void cItemBasicPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowWindow(GetDlgItem(m_hWnd, IDC_DP_VIEW), SW_HIDE);
  AttachList(m_Cond);
  AttachAll();
  m_Cond.m_Ctrl.SetOwnerIds(COND_OWNER_DATA);
  m_Cond.m_Ctrl.SelectOnly(0, 1);
  const int32_t nContext = StageEditState.m_nEditContext;
  if (nContext == EDIT_COMMON_PALETTE || nContext == EDIT_DEFAULT) {
    EnableItem(ID_INHERIT_PAL, false);
    EnableItem(ID_INHERIT_NO, false);
  }
  ShowEntryNumber();
  DataToCtrls();
  EnableAllGroups();
  RunChangeHandlers();
  m_bInit = 1;
}

void cItemBasicPage::OnSetActive() {
  UpdateCtrls(0);
  m_Cond.m_Ctrl.Redraw();
  RunChangeHandlers();
  ShowEntryNumber();
}

void cItemBasicPage::RememberPage(int32_t nPage) { EditConfig.m_nItemSheetPage = nPage; }

void cItemBasicPage::OnPageMessage(UINT uMsg) {
  if (uMsg == WM_INITDIALOG) m_Cond.m_Ctrl.LoadClipboard(CondClipboard);
  if (uMsg == WM_DESTROY) {
    m_Cond.m_Ctrl.StoreClipboard(CondClipboard);
    DataSheetClosed(LAYER_ITEM);
  }
  OnCondListRightClick();
}

void cItemBasicPage::OnInheritPal() {
  const int32_t v = ComboValue(ID_INHERIT_PAL);
  if (v <= 0) {
    EnableItem(ID_INHERIT_NO, false);
    for (int k = 0; k < m_nGroups; ++k) {
      CheckDlgButton(m_hWnd, GROUPS[k].wCheck, BST_UNCHECKED);
      EnableItem(GROUPS[k].wCheck, false);
      EnableGroup(k);
    }
    // Every group of the item, those of the acquisition page too.
    CtrlsToData();
    for (size_t i = 0; i < m_Work.m_bbInherit.size(); ++i) m_Work.m_bbInherit[static_cast<int>(i)] = 0;
    for (size_t i = 0; i < m_vEvents.size(); ++i) {
      const cCtrlEvent& e = m_vEvents[i];
      if (e.nType != cControl::KIND_BUTTON && e.nId != ID_INHERIT_PAL && e.pfnHandler) e.pfnHandler(this);
    }
  } else {
    EnableItem(ID_INHERIT_NO, true);
    for (int k = 0; k < m_nGroups; ++k) EnableItem(GROUPS[k].wCheck, true);
    if (v == SRC_COMMON) SetComboNameList(m_vCombo16, ID_INHERIT_NO, m_vInheritNames, CommonPalette.m_vItem);
    if (v == SRC_STAGE) SetComboNameList(m_vCombo16, ID_INHERIT_NO, m_vInheritNames, Stage.m_vPalItem);
  }
  ReapplyInherit();
}

void cItemBasicPage::OnGraphicKind() {
  if (!IsItemEnabled(ID_GRAPHIC_KIND)) return;
  if (!IsChecked(1028)) {
    const int32_t nKind = ComboValue(ID_GRAPHIC_KIND);
    if (nKind == 1) {
      EnableItem(ID_FRAME, true);
      SetEditRange<int16_t>(m_vEdit16, ID_FRAME, 0, 39);
      SetEditRange<int16_t>(m_vEdit16, ID_GRAPHIC_NO, 1, 119);
      EnableItem(ID_GRAPHIC_PICK, true);
    } else if (nKind == 4) {
      EnableItem(ID_FRAME, true);
      SetEditRange<int16_t>(m_vEdit16, ID_FRAME, 0, 239);
      const int32_t nMax = static_cast<int32_t>(Database.m_vBmpCharaExc.size()) - 1;
      SetEditRange<int16_t>(m_vEdit16, ID_GRAPHIC_NO, 1, static_cast<int16_t>(nMax < 1 ? 1 : nMax));
      EnableItem(ID_GRAPHIC_PICK, false);
    } else {
      EnableItem(ID_FRAME, false);
      SetEditRange<int16_t>(m_vEdit16, ID_GRAPHIC_NO, 1, 119);
      EnableItem(ID_GRAPHIC_PICK, true);
    }
  }
  DrawPreviews();
}

void cItemBasicPage::OnMarkShow() {
  if (IsItemEnabled(ID_MARK_SHOW)) {
    const bool bShow = ComboValue(ID_MARK_SHOW) != 0;
    EnableItem(ID_MARK_NO, bShow);
    EnableItem(ID_MARK_PICK, bShow);
  }
  DrawPreviews();
}

void cItemBasicPage::OnStep(int32_t nStep) {
  StepEntry(StageEditState.m_lpItemTarget, nStep);
  m_Cond.m_Ctrl.SelectOnly(0, 1);
  RunChangeHandlers();
}

void cItemBasicPage::DrawPreviews() {
  if (!m_bInit) return;
  // Only what the page shows: the item's other fields (its giant size among them) are left out.
  cEdItem rec;
  rec.m_nSheet = static_cast<int8_t>(ComboValue(ID_GRAPHIC_KIND));
  rec.m_nGraphic = EditValue<int16_t>(m_vEdit16, ID_GRAPHIC_NO, m_Work.m_nGraphic);
  rec.m_nFrame = EditValue<int16_t>(m_vEdit16, ID_FRAME, m_Work.m_nFrame);
  rec.m_nMark = static_cast<int8_t>(ComboValue(ID_MARK_SHOW));
  rec.m_nMarkNo = EditValue<int16_t>(m_vEdit16, ID_MARK_NO, m_Work.m_nMarkNo);
  DrawRecordPreview(rec);
}
