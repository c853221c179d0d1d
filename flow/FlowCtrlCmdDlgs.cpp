#include "flow/FlowCtrlCmdDlgs.h"

#include "app/Paths.h"
#include "model/SaveMarks.h"
#include "controls/NameLists.h"
#include "flow/PageParts.h"
#include "model/CommandKindTable.h"
#include "model/Globals.h"
#include "model/Stage.h"
#include "resources/ControlCmdIds.h"
#include "resources/ListIds.h"

namespace {

const int32_t VALUE_MIN = -999999, VALUE_MAX = 999999;

// "フローの操作": the owner "自分" and the range "指定IDのフロー".
const int32_t OWNER_SELF = 0;
const int32_t RANGE_BY_ID = 2;

// "ステージの移行".
enum { DEST_NUMBER = 1, DEST_PATH = 2 };

// "表示位置" of a message: the two that take coordinates.
const int32_t MSG_POS_SCREEN = 7, MSG_POS_STAGE = 8;
// "表示時間" of a message or a picture.
enum { TIME_UNTIL_KEY = 0, TIME_UNTIL_END = 1, TIME_GIVEN = 2 };

// "設定タイプ" of a warp up to this one goes by direction and distance; "目標タイプ" 0 is relative.
const int32_t WARP_LAST_BY_DIRECTION = 4;
const int32_t WARP_TARGET_RELATIVE = 0;

// "ターゲットの設定": the choices that search among characters.
enum { WHOM_NEAREST = 2, WHOM_BY_ID = 3, WHOM_CHILD_FILTERED = 6 };

}  // namespace

// ---------------------------------------------------------------------------------------------
// フローの操作

cFlowOpCmdDlg::cFlowOpCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                             cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  cEdCommand& c = Cmd();
  if (IsNew()) {
    c.m_nTime = 0;
    c.m_bParallel = 1;
    CreateShared(c.m_pCondList);
  }
  // A command that lost its list (a damaged file) gets an empty one rather than a list bound to nothing.
  if (!c.m_pCondList) CreateShared(c.m_pCondList);
  m_Ctrls.Combo(IDC_FO_OWNER, Param(3), FlowOpOwnerNames, 0);
  m_Ctrls.Combo(IDC_FO_RANGE, Param(1), FlowOpRangeNames, 0);
  m_Ctrls.Combo(IDC_FO_OP, Param(0), FlowOpNames, 0);
  m_Ctrls.Combo(IDC_FO_ID, Param(2), FlowIdSlotNames, 0);
  m_Ctrls.Check(IDC_FO_USE_COND, &c.m_pCondList->m_bUseCond);
  m_Ctrls.Combo(IDC_FO_JUDGE, &c.m_pCondList->m_nCondJudge, CondJudgeNames, 0);
  m_Ctrls.Button(IDC_FO_INSERT);
  m_Ctrls.Button(IDC_FO_EDIT);
  m_Ctrls.Button(IDC_FO_DELETE);
  cCondListCtrl::SetParam(m_CondBind.m_Param, IDC_FO_COND_LIST, &c.m_pCondList->m_vCond, &m_vCondWork);
}

void cFlowOpCmdDlg::AttachMore() {
  AttachList(m_CondBind);
  m_CondList.SetOwnerIds(COND_OWNER_FLOWOP);
  m_CondList.LoadClipboard(CondClipboard);
}

void cFlowOpCmdDlg::BeforeClose() { m_CondList.StoreClipboard(CondClipboard); }

int cFlowOpCmdDlg::OnOwnCommand(WPARAM wParam) {
  const uint16_t wId = LOWORD(wParam);
  const uint16_t wCode = HIWORD(wParam);
  bool bTaken = true;
  if (IsClick(wParam, IDC_FO_INSERT) || wId == ID_POP_INSERT_1 || wId == ID_ACC_INSERT_1) {
    m_CondList.InsertCond();
  } else if (IsClick(wParam, IDC_FO_EDIT) || (wId == IDC_FO_COND_LIST && wCode == LBN_DBLCLK)) {
    m_CondList.EditCurrent();
  } else if (IsClick(wParam, IDC_FO_DELETE)) {
    m_CondList.Delete(-1, 0);
  } else if (wId == IDC_FO_COND_LIST && wCode == LBN_SELCHANGE) {
    m_CondList.OnSelChange();
  } else {
    bTaken = m_CondList.OnOwnerCommand(wParam) != 0;
  }
  if (bTaken) m_CondList.RestoreSel();
  return bTaken ? 1 : 0;
}

void cFlowOpCmdDlg::AfterCommand(WPARAM) { m_CondList.RestoreSel(); }

LRESULT cFlowOpCmdDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_CONTEXTMENU && m_bInit) {
    PopupListMenu(*this, {&m_CondList}, lParam);
    return 1;
  }
  return cCmdDlgOf::MsgProc(hWnd, uMsg, wParam, lParam);
}

void cFlowOpCmdDlg::UpdateEnable() {
  const bool bUse = m_Ctrls.CheckState(IDC_FO_USE_COND) != 0;
  m_CondList.Enable(bUse ? 1 : 0);
  m_Ctrls.Enable({IDC_FO_JUDGE, IDC_FO_INSERT, IDC_FO_EDIT, IDC_FO_DELETE}, bUse);
  if (m_Ctrls.ComboValue(IDC_FO_OWNER) == OWNER_SELF) {
    m_Ctrls.Enable(IDC_FO_RANGE, true);
    m_Ctrls.Enable(IDC_FO_ID, m_Ctrls.ComboValue(IDC_FO_RANGE) == RANGE_BY_ID);
    return;
  }
  // Another character's flows are only reached by their ID.
  if (cComboCtrl<int32_t>* p = m_Ctrls.Cb(IDC_FO_RANGE)) p->SetCurData(RANGE_BY_ID);
  m_Ctrls.Enable(IDC_FO_RANGE, false);
  m_Ctrls.Enable(IDC_FO_ID, true);
}

// ---------------------------------------------------------------------------------------------
// ステージクリア

cStageClearCmdDlg::cStageClearCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  cEdCommand& c = Cmd();
  if (IsNew()) {
    c.m_nTime = 0;
    c.m_bParallel = 0;
    *Param(1) = 1;
    *Param(8) = 1;
  }
  m_Ctrls.Combo(IDC_SC_DEST, Param(0), StageClearDestNames, 0);
  m_Ctrls.Value(IDC_SC_NUMBER, Param(1), 1, 99, IDC_SC_NUMBER_SPIN);
  cEditStrParam path;
  m_Ctrls.Str(path.SetPath(IDC_SC_PATH, &c.m_strText));
  m_Ctrls.Button(IDC_SC_BROWSE);
  m_Ctrls.Check(IDC_SC_FORCE_POS, Param(5));
  m_Ctrls.Value(IDC_SC_POS_X, Param(6), 0, 999, IDC_SC_POS_X_SPIN);
  m_Ctrls.Value(IDC_SC_POS_Y, Param(7), 0, 999, IDC_SC_POS_Y_SPIN);
  m_Ctrls.Combo(IDC_SC_FACING, Param(8), StageClearFacingNames, 0);
  m_Ctrls.Check(IDC_SC_MAP_POS, Param(2));
  m_Ctrls.Value(IDC_SC_MAP_X, Param(3), 0, 999, IDC_SC_MAP_X_SPIN);
  m_Ctrls.Value(IDC_SC_MAP_Y, Param(4), 0, 999, IDC_SC_MAP_Y_SPIN);
}

int cStageClearCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (!IsClick(wParam, IDC_SC_BROWSE)) return 0;
  char szPath[MAX_PATH] = "";
  static const char FILTER[] = "StageFile ( *.stg4_* )\0*.stg4_*\0";
  if (!OpenFileDlg(m_hWnd, szPath, sizeof szPath, "data\\stg4", "ステージファイルの選択", FILTER, "stg4_*", 0,
                   nullptr))
    return 1;
  // The game opens the stage from the project folder: a path it cannot reach that way is not taken.
  if (!MakeRelativePath(szPath)) return 1;
  if (cEditStrCtrl* p = m_Ctrls.Edit(IDC_SC_PATH)) p->SetText(szPath);
  return 1;
}

void cStageClearCmdDlg::UpdateEnable() {
  const int32_t nDest = m_Ctrls.ComboValue(IDC_SC_DEST);
  m_Ctrls.Enable(IDC_SC_NUMBER, nDest == DEST_NUMBER);
  m_Ctrls.Enable({IDC_SC_PATH, IDC_SC_BROWSE}, nDest == DEST_PATH);
  m_Ctrls.Enable({IDC_SC_POS_X, IDC_SC_POS_Y, IDC_SC_FACING}, m_Ctrls.CheckState(IDC_SC_FORCE_POS) != 0);
  m_Ctrls.Enable({IDC_SC_MAP_X, IDC_SC_MAP_Y}, m_Ctrls.CheckState(IDC_SC_MAP_POS) != 0);
}

// ---------------------------------------------------------------------------------------------
// ゲームウエイト

cGameWaitCmdDlg::cGameWaitCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    Cmd().m_nTime = 0;
    Cmd().m_bParallel = 0;
    *Param(0) = 20;
  }
  m_Ctrls.Value(IDC_GW_TIME, Param(0), 0, 999, IDC_GW_TIME_SPIN);
}

// ---------------------------------------------------------------------------------------------
// メッセージ

cMessageCmdDlg::cMessageCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  cEdCommand& c = Cmd();
  if (IsNew()) {
    c.m_nTime = 0;
    c.m_bParallel = 0;
    c.m_strText.clear();
    static const struct {
      int n;
      int32_t v;
    } DEFAULTS[] = {{0, 0},  {5, 1},  {6, 0},  {7, 30}, {8, 1},  {10, 0}, {11, 0}, {12, 0},
                    {13, 0}, {14, 1}, {15, 0}, {16, 1}, {17, 0}};
    for (const auto& d : DEFAULTS) *Param(d.n) = d.v;
  }
  MakeNumberedNameList(m_vCommonVarNames, GValInfo);
  MakeNumberedNameList(m_vStageVarNames, Stage.m_vVarName);
  cEditStrParam text;
  m_Ctrls.Str(text.SetEx(IDC_MS_TEXT, &c.m_strText, 1, 39, 29));
  m_Ctrls.Check(IDC_MS_SHOW_VARS, Param(9));
  m_Ctrls.Check(IDC_MS_AUTO_UPDATE, Param(11));
  m_Ctrls.Value(IDC_MS_INTERVAL, Param(16), 1, 9999, IDC_MS_INTERVAL_SPIN);
  m_Ctrls.Combo(IDC_MS_COMMON_VAR, &m_nRefCommonVar, &m_vCommonVarNames, 1);
  m_Ctrls.Button(IDC_MS_COMMON_RENAME);
  m_Ctrls.Combo(IDC_MS_STAGE_VAR, &m_nRefStageVar, &m_vStageVarNames, 1);
  m_Ctrls.Button(IDC_MS_STAGE_RENAME);
  m_Ctrls.Combo(IDC_MS_POS, Param(0), MessagePosNames, 0);
  m_Ctrls.Value(IDC_MS_X, Param(1), 0, 20, IDC_MS_X_SPIN);
  m_Ctrls.Value(IDC_MS_Y, Param(2), 0, 15, IDC_MS_Y_SPIN);
  m_Ctrls.Value(IDC_MS_SHIFT_X, Param(3), -999, 999, IDC_MS_SHIFT_X_SPIN);
  m_Ctrls.Value(IDC_MS_SHIFT_Y, Param(4), -999, 999, IDC_MS_SHIFT_Y_SPIN);
  m_Ctrls.Check(IDC_MS_FIT, Param(5));
  m_Ctrls.Check(IDC_MS_FOLLOW, Param(10));
  m_Ctrls.Combo(IDC_MS_TIME_MODE, Param(6), MessageTimeNames, 0);
  m_Ctrls.Value(IDC_MS_TIME, Param(7), 1, 9999, IDC_MS_TIME_SPIN);
  m_Ctrls.Check(IDC_MS_INSTANT, Param(17));
  m_Ctrls.Check(IDC_MS_PAUSE, Param(8));
  m_Ctrls.Check(IDC_MS_WINDOW, Param(14));
  m_Ctrls.Check(IDC_MS_ERASE, Param(15));
  m_Ctrls.Check(IDC_MS_USE_ID, Param(12));
  m_Ctrls.Value(IDC_MS_ID, Param(13), 0, 999, IDC_MS_ID_SPIN);
}

int cMessageCmdDlg::OnOwnCommand(WPARAM wParam) {
  if (IsClick(wParam, IDC_MS_COMMON_RENAME)) {
    cComboCtrl<int16_t>* p = m_Ctrls.Cb<int16_t>(IDC_MS_COMMON_VAR);
    // The game reads the common names from their own file, so a rename is saved at once.
    if (p && RenameVariable(this, GValInfo, p->GetCurData(), m_vCommonVarNames, p, m_Ctrls.Btn(IDC_MS_COMMON_RENAME)))
      SaveVarNames();
    return 1;
  }
  if (IsClick(wParam, IDC_MS_STAGE_RENAME)) {
    cComboCtrl<int16_t>* p = m_Ctrls.Cb<int16_t>(IDC_MS_STAGE_VAR);
    // The stage's names are saved with the stage.
    if (p) RenameVariable(this, Stage.m_vVarName, p->GetCurData(), m_vStageVarNames, p, m_Ctrls.Btn(IDC_MS_STAGE_RENAME));
    return 1;
  }
  return 0;
}

void cMessageCmdDlg::AfterStore() { Cmd().m_bParallel = *Param(8) ? 0 : 1; }

void cMessageCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  if (c.CheckState(IDC_MS_ERASE)) {
    c.Enable({IDC_MS_TEXT, IDC_MS_SHOW_VARS, IDC_MS_AUTO_UPDATE, IDC_MS_INTERVAL, IDC_MS_WINDOW, IDC_MS_POS, IDC_MS_X,
              IDC_MS_Y, IDC_MS_SHIFT_X, IDC_MS_SHIFT_Y, IDC_MS_FIT, IDC_MS_FOLLOW, IDC_MS_TIME_MODE, IDC_MS_TIME,
              IDC_MS_INSTANT, IDC_MS_PAUSE},
             false);
  } else {
    c.Enable({IDC_MS_TEXT, IDC_MS_SHOW_VARS, IDC_MS_WINDOW, IDC_MS_POS, IDC_MS_SHIFT_X, IDC_MS_SHIFT_Y, IDC_MS_FIT,
              IDC_MS_TIME_MODE},
             true);
    const bool bVars = c.CheckState(IDC_MS_SHOW_VARS) != 0;
    c.Enable(IDC_MS_AUTO_UPDATE, bVars);
    c.Enable(IDC_MS_INTERVAL, bVars && c.CheckState(IDC_MS_AUTO_UPDATE));
    const int32_t nPos = c.ComboValue(IDC_MS_POS);
    c.Enable({IDC_MS_X, IDC_MS_Y}, nPos == MSG_POS_SCREEN || nPos == MSG_POS_STAGE);
    switch (c.ComboValue(IDC_MS_TIME_MODE)) {
      case TIME_UNTIL_KEY:
        c.Enable({IDC_MS_FOLLOW, IDC_MS_TIME, IDC_MS_INSTANT, IDC_MS_PAUSE}, false);
        c.SetCheckState(IDC_MS_PAUSE, 1);
        break;
      case TIME_UNTIL_END:
        c.Enable(IDC_MS_FOLLOW, true);
        c.Enable({IDC_MS_TIME, IDC_MS_INSTANT, IDC_MS_PAUSE}, false);
        c.SetCheckState(IDC_MS_PAUSE, 0);
        break;
      default:
        c.Enable({IDC_MS_FOLLOW, IDC_MS_INSTANT, IDC_MS_PAUSE}, true);
        if (c.CheckState(IDC_MS_INSTANT)) {
          // One sixtieth of a second: the time is a single tick.
          if (cEditValCtrl<int32_t>* p = c.Val(IDC_MS_TIME)) p->SetValue(1);
          c.Enable(IDC_MS_TIME, false);
        } else {
          c.Enable(IDC_MS_TIME, true);
        }
        break;
    }
  }
  c.Enable(IDC_MS_ID, c.CheckState(IDC_MS_USE_ID) != 0);
}

// ---------------------------------------------------------------------------------------------
// ワープ

cWarpCmdDlg::cWarpCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  cEdCommand& c = Cmd();
  if (IsNew()) {
    c.m_nTime = 0;
    c.m_bParallel = 1;
    CreateShared(c.m_pMove);
    c.m_pMove->m_nDistance = 2;
    c.m_pMove->m_bMirrorX = 0;
  }
  // A warp that lost its move part (a damaged file) gets a default one rather than controls bound to nothing.
  if (!c.m_pMove) CreateShared(c.m_pMove);
  cEdMove& m = *c.m_pMove;
  m_Ctrls.Combo(IDC_WP_SET_TYPE, &m.m_nAimType, WarpSetTypeNames, 0);
  m_Ctrls.Combo(IDC_WP_DIRECTION, &m.m_nDirection, MoveDirectionNames, 0);
  m_Ctrls.Value(IDC_WP_DISTANCE, &m.m_nDistance, 0, 64, IDC_WP_DISTANCE_SPIN);
  m_Ctrls.Value(IDC_WP_DISTANCE_CLONE, &m.m_nDistanceClone, -40, 40, IDC_WP_DISTANCE_CLONE_SPIN);
  m_Ctrls.Combo(IDC_WP_TARGET_TYPE, &m.m_nTargetType, WarpTargetTypeNames, 0);
  m_Ctrls.Value(IDC_WP_TARGET_X, &m.m_nTargetX, -640, 640, IDC_WP_TARGET_X_SPIN);
  m_Ctrls.Value(IDC_WP_TARGET_X_DOT, &m.m_nTargetXDot, -640, 640, IDC_WP_TARGET_X_DOT_SPIN);
  m_Ctrls.Check(IDC_WP_FLIP_X, &m.m_bMirrorX);
  m_Ctrls.Value(IDC_WP_TARGET_Y, &m.m_nTargetY, -640, 640, IDC_WP_TARGET_Y_SPIN);
  m_Ctrls.Value(IDC_WP_TARGET_Y_DOT, &m.m_nTargetYDot, -640, 640, IDC_WP_TARGET_Y_DOT_SPIN);
  m_Ctrls.Check(IDC_WP_FLIP_Y, &m.m_bMirrorY);
}

void cWarpCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  const bool bByDirection = c.ComboValue(IDC_WP_SET_TYPE) <= WARP_LAST_BY_DIRECTION;
  c.Enable({IDC_WP_DIRECTION, IDC_WP_DISTANCE, IDC_WP_DISTANCE_CLONE}, bByDirection);
  c.Enable({IDC_WP_TARGET_X, IDC_WP_TARGET_X_DOT, IDC_WP_FLIP_X, IDC_WP_TARGET_Y, IDC_WP_TARGET_Y_DOT, IDC_WP_FLIP_Y,
            IDC_WP_TARGET_TYPE},
           !bByDirection);
  if (bByDirection) return;
  // Mirroring by facing only means something for a target relative to the character.
  const bool bRelative = c.ComboValue(IDC_WP_TARGET_TYPE) == WARP_TARGET_RELATIVE;
  c.Enable({IDC_WP_FLIP_X, IDC_WP_FLIP_Y}, bRelative);
  if (bRelative) return;
  c.SetCheckState(IDC_WP_FLIP_X, 0);
  c.SetCheckState(IDC_WP_FLIP_Y, 0);
}

// ---------------------------------------------------------------------------------------------
// ターゲットの設定

cTargetCmdDlg::cTargetCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                             cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cCmdDlgOf(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  if (IsNew()) {
    Cmd().m_nTime = 0;
    Cmd().m_bParallel = 1;
    *Param(5) = 1;
    *Param(7) = 1;
    *Param(12) = 1;
  }
  m_Ctrls.Combo(IDC_TG_SLOT, Param(0), TargetSlotNames, 0);
  m_Ctrls.Combo(IDC_TG_WHOM, Param(1), TargetWhomNames, 0);
  m_Ctrls.Combo(IDC_TG_RANGE, Param(4), TargetRangeNames, 0);
  m_Ctrls.Value(IDC_TG_FACTION, Param(2), 0, 7, IDC_TG_FACTION_SPIN);
  m_Ctrls.Check(IDC_TG_ALL_FACTIONS, Param(3));
  m_Ctrls.Check(IDC_TG_USE_ID, Param(9));
  m_Ctrls.Value(IDC_TG_ID, Param(10), 0, 99, IDC_TG_ID_SPIN);
  m_Ctrls.Check(IDC_TG_USE_VAR, Param(11));
  m_Ctrls.Combo(IDC_TG_VAR, Param(12), CharaVarNames, 1);
  m_Ctrls.Value(IDC_TG_VALUE, Param(13), VALUE_MIN, VALUE_MAX, IDC_TG_VALUE_SPIN);
  m_Ctrls.Combo(IDC_TG_COMPARE, Param(14), CondCompareNames, 0);
  m_Ctrls.Check(IDC_TG_NOT_SELF, Param(5));
  m_Ctrls.Check(IDC_TG_NOT_INVINCIBLE_HIT, Param(6));
  m_Ctrls.Check(IDC_TG_NOT_INVINCIBLE_PASS, Param(7));
  m_Ctrls.Check(IDC_TG_NOT_BLOCK, Param(8));
  m_Ctrls.Combo(IDC_TG_IF_NONE, Param(15), TargetNoneNames, 0);
}

void cTargetCmdDlg::UpdateEnable() {
  cCtrlSet& c = m_Ctrls;
  const int32_t nWhom = c.ComboValue(IDC_TG_WHOM);
  const bool bSearch = nWhom == WHOM_NEAREST || nWhom == WHOM_BY_ID || nWhom == WHOM_CHILD_FILTERED;
  c.Enable(IDC_TG_RANGE, nWhom == WHOM_NEAREST);
  if (!bSearch) {
    c.Enable({IDC_TG_FACTION, IDC_TG_ALL_FACTIONS, IDC_TG_USE_ID, IDC_TG_ID, IDC_TG_USE_VAR, IDC_TG_VAR, IDC_TG_VALUE,
              IDC_TG_COMPARE, IDC_TG_NOT_SELF, IDC_TG_NOT_INVINCIBLE_HIT, IDC_TG_NOT_INVINCIBLE_PASS, IDC_TG_NOT_BLOCK},
             false);
    return;
  }
  c.Enable({IDC_TG_ALL_FACTIONS, IDC_TG_USE_ID, IDC_TG_USE_VAR, IDC_TG_NOT_SELF, IDC_TG_NOT_INVINCIBLE_HIT,
            IDC_TG_NOT_INVINCIBLE_PASS, IDC_TG_NOT_BLOCK},
           true);
  c.Enable(IDC_TG_FACTION, !c.CheckState(IDC_TG_ALL_FACTIONS));
  c.Enable(IDC_TG_ID, c.CheckState(IDC_TG_USE_ID) != 0);
  c.Enable({IDC_TG_VAR, IDC_TG_VALUE, IDC_TG_COMPARE}, c.CheckState(IDC_TG_USE_VAR) != 0);
}
