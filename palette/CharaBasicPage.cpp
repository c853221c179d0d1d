#include "palette/CharaBasicPage.h"

#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/PaletteOptionTables.h"
#include "model/Stage.h"

namespace {

enum : uint16_t {
  ID_NAME = 1002,
  ID_OFFSET_X = 1040,
  ID_OFFSET_X_SPIN = 1045,
  ID_CLONE_X = 1046,
  ID_CLONE_X_SPIN = 1047,
  ID_OFFSET_Y = 1048,
  ID_OFFSET_Y_SPIN = 1049,
  ID_CLONE_Y = 1050,
  ID_LATCH = 1051,
  ID_FACE_RIGHT = 1052,
  ID_FLIP_X = 1053,
  ID_CLONE_Y_SPIN = 1054,
  ID_FLIP_Y = 1055,
  ID_PREVIEW = 1060,
  ID_JUDGE = 1255,
  ID_CONTROL = 1256,
  ID_PLAYER_NO = 1257,
  ID_CLONES = 1259,
  ID_CLONES_SPIN = 1260,
  ID_FACTION = 1261,
  ID_FACTION_SPIN = 1262,
  ID_CHARA_ID = 1263,
  ID_CHARA_ID_SPIN = 1264,
  ID_INHERIT_PAL = 1268,
  ID_INHERIT_NO = 1269,
};
enum { OPERATOR_GROUP = 1 };

const cInheritGroup GROUPS[9] = {
    {1024, 0, {ID_NAME}},
    {1025, 1, {ID_CONTROL, ID_PLAYER_NO}},
    {1026, 2, {ID_FACTION}},
    {1027, 3, {ID_CHARA_ID}},
    {1028, 4, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, ID_JUDGE, ID_LATCH}},
    {1029, 5, {ID_FACE_RIGHT}},
    {1030, 6, {ID_CLONES}},
    {1031, 7, {ID_OFFSET_X, ID_CLONE_X, ID_FLIP_X}},
    {1032, 8, {ID_OFFSET_Y, ID_CLONE_Y, ID_FLIP_Y}},
};
const cComputerOnlySet COMPUTER_ONLY[2] = {
    {1028, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, ID_JUDGE, ID_LATCH}},
    {1030, {ID_CLONES}},
};

bool OperatorFixed() {
  return StageEditState.m_nEditContext == EDIT_CELL || StageEditState.m_nEditContext == EDIT_DEFAULT;
}

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

cCharaBasicPage* Self(cDialog* p) { return static_cast<cCharaBasicPage*>(p); }

}  // namespace

cCharaBasicPage::cCharaBasicPage(cWindow* lpParent, cWindowList* lpWindowList)
    : cRecordPage<cEdChara, cCharaBasicPage>(IDD_CHARA_BASIC, lpParent, lpWindowList, 0) {
  m_pGroups = GROUPS;
  m_nGroups = 9;
  m_pComputerOnly = COMPUTER_ONLY;
  m_nComputerOnly = 2;
  m_lpCond = &m_Cond;
  Event(cControl::KIND_BUTTON, IDC_DP_PREV, [](cDialog* p) { Self(p)->OnStep(-1); });
  Event(cControl::KIND_BUTTON, IDC_DP_NEXT, [](cDialog* p) { Self(p)->OnStep(1); });
  Event(cControl::KIND_COMBO, ID_INHERIT_PAL, [](cDialog* p) { Self(p)->OnInheritPal(); });
  Event(cControl::KIND_COMBO, ID_INHERIT_NO, [](cDialog* p) {
    Self(p)->ReapplyInherit();
    Self(p)->EnableComputerSets();
  });
  Event(cControl::KIND_COMBO, ID_CONTROL, [](cDialog* p) {
    if (Self(p)->IsItemEnabled(ID_CONTROL)) Self(p)->EnableComputerSets();
  });
  Event(cControl::KIND_CHECK, ID_FACE_RIGHT, [](cDialog* p) { Self(p)->DrawPreviews(); });
  Event(cControl::KIND_EDITVAL, ID_CLONES, [](cDialog*) {});
  // Every character edited here has a flow to start from.
  if (cEdChara* lpTarget = StageEditState.m_lpCharaTarget)
    if (lpTarget->m_vFlow.empty()) lpTarget->m_vFlow.push_back(cEdFlow());
  m_vPalette = PaletteCopyFor(static_cast<const cEdChara*>(nullptr));
  m_lpPalette = &m_vPalette;
  SetupCtrls(StageEditState.m_lpCharaTarget);
}

void cCharaBasicPage::SetupCtrls(const cEdChara* lpRec) {
  if (!lpRec) return;
  m_Work = *lpRec;
  SizeFlags();
  cEdChara& w = m_Work;
  cCondListCtrl::SetParam(m_Cond.m_Param, IDC_COND_LIST, nullptr, &w.m_vCond);
  m_vInherit.resize(9);
  for (int k = 0; k < 9; ++k) m_vInherit[k].m_Param.Set(GROUPS[k].wCheck, &w.m_bbInherit[GROUPS[k].nFlag]);
  m_vEdit16.resize(4);
  m_vEdit16[0].m_Param.Set(ID_OFFSET_X, &w.m_nOffsetX, -640, 640, ID_OFFSET_X_SPIN, 1);
  m_vEdit16[1].m_Param.Set(ID_CLONE_X, &w.m_nCloneOffsetX, -640, 640, ID_CLONE_X_SPIN, 1);
  m_vEdit16[2].m_Param.Set(ID_OFFSET_Y, &w.m_nOffsetY, -640, 640, ID_OFFSET_Y_SPIN, 1);
  m_vEdit16[3].m_Param.Set(ID_CLONE_Y, &w.m_nCloneOffsetY, -640, 640, ID_CLONE_Y_SPIN, 1);
  m_vEdit8.resize(3);
  m_vEdit8[0].m_Param.Set(ID_FACTION, &w.m_nFaction, 0, 7, ID_FACTION_SPIN, 1);
  m_vEdit8[1].m_Param.Set(ID_CHARA_ID, &w.m_nCharaId, 0, 99, ID_CHARA_ID_SPIN, 1);
  m_vEdit8[2].m_Param.Set(ID_CLONES, &w.m_nClones, 0, 32, ID_CLONES_SPIN, 1);
  m_vEditStr.resize(1);
  m_vEditStr[0].m_Param.Set(ID_NAME, &w.m_strName, 20, 1);
  m_vCheck.resize(4);
  m_vCheck[0].m_Param.Set(ID_LATCH, &w.m_bLatch);
  m_vCheck[1].m_Param.Set(ID_FACE_RIGHT, &w.m_bFaceRight);
  m_vCheck[2].m_Param.Set(ID_FLIP_X, &w.m_bFlipOffsetX);
  m_vCheck[3].m_Param.Set(ID_FLIP_Y, &w.m_bFlipOffsetY);
  m_vCombo16.resize(1);
  m_vCombo16[0].m_Param.SetVector(ID_INHERIT_NO, &w.m_nInheritNo, &m_vInheritNames, 1);
  m_vCombo8.resize(4);
  m_vCombo8[0].m_Param.SetTable(ID_INHERIT_PAL, &w.m_nInheritPal, InheritPalNames(), 0);
  m_vCombo8[1].m_Param.SetTable(ID_CONTROL, &w.m_nControl, ControlNames, 0);
  m_vCombo8[2].m_Param.SetTable(ID_PLAYER_NO, &w.m_nPlayerNo, PlayerNoNames, 0);
  m_vCombo8[3].m_Param.SetTable(ID_JUDGE, &w.m_nCondJudge, CondJudgeNames, 0);
  m_vPicture.resize(1);
  m_vPicture[0].m_Param.Set(ID_PREVIEW, PREVIEW_SIZE, PREVIEW_SIZE);
  m_vButton.resize(2);
  m_vButton[0].m_Param.Set(IDC_DP_PREV);
  m_vButton[1].m_Param.Set(IDC_DP_NEXT);
  m_vStatic.resize(1);
  m_vStatic[0].m_Param.Set(IDC_DP_NO);
  if (w.m_nInheritPal == SRC_COMMON) MakeNumberedNameList(m_vInheritNames, CommonPalette.m_vChara);
  if (w.m_nInheritPal == SRC_STAGE) MakeNumberedNameList(m_vInheritNames, Stage.m_vPalChara);
  if (!m_bInit) return;
  RebindList(m_Cond);
  RebindAll();
}

void cCharaBasicPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
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

void cCharaBasicPage::EnableGroup(int k) {
  cRecordPageBase::EnableGroup(k);
  // The operator of a placed character or of the default record is not edited here.
  if (k == OPERATOR_GROUP && OperatorFixed()) {
    EnableItem(ID_CONTROL, false);
    EnableItem(ID_PLAYER_NO, false);
  }
}

void cCharaBasicPage::OnSetActive() {
  UpdateCtrls(0);
  m_Cond.m_Ctrl.Redraw();
  EnableComputerSets();
  RunChangeHandlers();
  ShowEntryNumber();
}

void cCharaBasicPage::RememberPage(int32_t nPage) { EditConfig.m_nCharaSheetPage = nPage; }

void cCharaBasicPage::OnPageMessage(UINT uMsg) {
  if (uMsg == WM_INITDIALOG) m_Cond.m_Ctrl.LoadClipboard(CondClipboard);
  if (uMsg == WM_DESTROY) {
    m_Cond.m_Ctrl.StoreClipboard(CondClipboard);
    DataSheetClosed(LAYER_CHARA);
  }
  OnCondListRightClick();
}

void cCharaBasicPage::OnInheritPal() {
  const int32_t v = ComboValue(ID_INHERIT_PAL);
  if (v <= 0) {
    EnableItem(ID_INHERIT_NO, false);
    for (int k = 0; k < m_nGroups; ++k) {
      CheckDlgButton(m_hWnd, GROUPS[k].wCheck, BST_UNCHECKED);
      EnableItem(GROUPS[k].wCheck, false);
      EnableGroup(k);
    }
    // Every group of the character, those of the other pages too.
    CtrlsToData();
    for (size_t i = 0; i < m_Work.m_bbInherit.size(); ++i) m_Work.m_bbInherit[static_cast<int>(i)] = 0;
    for (size_t i = 0; i < m_vEvents.size(); ++i) {
      const cCtrlEvent& e = m_vEvents[i];
      if (e.nType != cControl::KIND_BUTTON && e.nId != ID_INHERIT_PAL && e.pfnHandler) e.pfnHandler(this);
    }
  } else {
    EnableItem(ID_INHERIT_NO, true);
    for (int k = 0; k < m_nGroups; ++k) EnableItem(GROUPS[k].wCheck, true);
    if (v == SRC_COMMON) SetComboNameList(m_vCombo16, ID_INHERIT_NO, m_vInheritNames, CommonPalette.m_vChara);
    if (v == SRC_STAGE) SetComboNameList(m_vCombo16, ID_INHERIT_NO, m_vInheritNames, Stage.m_vPalChara);
  }
  if (OperatorFixed()) EnableItem(GROUPS[OPERATOR_GROUP].wCheck, false);
  ReapplyInherit();
  EnableComputerSets();
}

void cCharaBasicPage::OnStep(int32_t nStep) {
  StepEntry(StageEditState.m_lpCharaTarget, nStep);
  m_Cond.m_Ctrl.SelectOnly(0, 1);
  RunChangeHandlers();
  EnableComputerSets();
}

void cCharaBasicPage::DrawPreviews() {
  if (!m_bInit) return;
  cEdChara rec = m_Work;
  rec.m_bFaceRight = IsChecked(ID_FACE_RIGHT) ? 1 : 0;
  DrawRecordPreview(rec);
}
