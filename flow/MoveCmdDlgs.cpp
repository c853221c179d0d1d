#include "flow/MoveCmdDlgs.h"

#include "app/MsgBox.h"
#include "controls/NameLists.h"
#include "flow/SoundPreview.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "resources/CmdDialogIds.h"
#include "resources/MoveCmdIds.h"

double CalcMoveRatio(int16_t nDistance, int16_t nSpeed, int nUnit) {
  if (nSpeed == 0) return 0.0;
  const double dDots = nUnit == 1 ? static_cast<double>(nDistance) : static_cast<double>(nDistance) * 16.0;
  return dDots / static_cast<double>(nSpeed);
}

bool IsMoveRatioValid(int16_t nDistance, int16_t nSpeed, int nUnit) {
  const double d = CalcMoveRatio(nDistance, nSpeed, nUnit);
  return d <= -0.1 || d >= 0.1;
}

void ShowMoveRatio(cControl* lpStatic, int16_t nDistance, int16_t nSpeed, int nUnit) {
  if (lpStatic) lpStatic->SetTextF("距離(dot)÷速度　＝　%0.2lf (※分身は無視)", CalcMoveRatio(nDistance, nSpeed, nUnit));
}

namespace {

const int16_t ANGLE_LIMIT = 7200, OFFSET_LIMIT = 640;

enum { MODE_TIME_SPEED = 0, MODE_TIME_DISTANCE = 1, MODE_SPEED_DISTANCE = 2 };

}  // namespace

cMoveCmdDlgBase::cMoveCmdDlgBase(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cBoundCmdDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  AttachWidestFirst();
}

bool cMoveCmdDlgBase::PrepareMove() {
  if (!m_Info.m_lpCommand) return false;
  cEdCommand& cmd = Command();
  if (m_Info.m_bNew || !cmd.m_pMove) CreateShared(cmd.m_pMove);
  if (m_Info.m_bNew) {
    cmd.m_nTime = 1;
    Move().m_nMaxSpeed = 200;
  }
  MakeDbNameList(m_vAnimeNames, Database.m_vAnime, "なし", 0, 2, 0);
  return true;
}

void cMoveCmdDlgBase::BindTimeGroup() {
  cEdMove& mv = Move();
  m_Ctrls.Combo(IDC_MV_TIME_MODE, &mv.m_nSpecType, MoveTimeModeNames);
  m_Ctrls.Value(IDC_MV_SPEED, &mv.m_nSpeed, -200, 200, IDC_MV_SPEED_SPIN);
  m_Ctrls.Value(IDC_MV_SPEED_CLONE, &mv.m_nSpeedClone, -200, 200, IDC_MV_SPEED_CLONE_SPIN);
  m_Ctrls.Value(IDC_MV_DISTANCE, &mv.m_nDistance, 1, 64, IDC_MV_DISTANCE_SPIN);
  m_Ctrls.Value(IDC_MV_DISTANCE_CLONE, &mv.m_nDistanceClone, -40, 40, IDC_MV_DISTANCE_CLONE_SPIN);
  m_Ctrls.Combo(IDC_MV_DIST_UNIT, &mv.m_nDistanceUnit, DistanceUnitNames);
  m_Ctrls.Static(IDC_MV_RATIO);
  m_Ctrls.Static(IDC_MV_RATIO_NOTE);
}

void cMoveCmdDlgBase::BindInertia() {
  cEdMove& mv = Move();
  m_Ctrls.Check(IDC_MV_INERTIA, &mv.m_bInertia);
  m_Ctrls.Value(IDC_MV_MAX_SPEED, &mv.m_nMaxSpeed, 0, 200, IDC_MV_MAX_SPEED_SPIN);
  m_Ctrls.Value(IDC_MV_TURN_RATE, &mv.m_dTurnRate, 0.0, 9.9, IDC_MV_TURN_RATE_SPIN, 0.1);
}

void cMoveCmdDlgBase::BindOther() {
  m_Ctrls.Check(IDC_MV_NO_MOVE_ANIME, &Move().m_bNoMoveAnime);
  m_Ctrls.Combo(IDC_MV_ANIME, &Command().m_nAnime, &m_vAnimeNames);
}

void cMoveCmdDlgBase::ApplyTimeRule() {
  const int32_t nMode = m_Ctrls.ComboValue(IDC_MV_TIME_MODE);
  const bool bTime = nMode != MODE_SPEED_DISTANCE;
  const bool bSpeed = nMode != MODE_TIME_DISTANCE;
  const bool bDistance = nMode != MODE_TIME_SPEED;
  m_Ctrls.Enable(IDC_CMD_TIME, bTime);
  m_Ctrls.Enable(IDC_CMD_TIME_CLONE, bTime);
  m_Ctrls.Enable(IDC_MV_SPEED, bSpeed);
  m_Ctrls.Enable(IDC_MV_SPEED_CLONE, bSpeed);
  m_Ctrls.Enable(IDC_MV_DISTANCE, bDistance);
  m_Ctrls.Enable(IDC_MV_DISTANCE_CLONE, bDistance);
  m_Ctrls.Enable(IDC_MV_DIST_UNIT, bDistance);
  const bool bRatio = nMode == MODE_SPEED_DISTANCE;
  m_Ctrls.Show(IDC_MV_RATIO, bRatio);
  m_Ctrls.Show(IDC_MV_RATIO_NOTE, bRatio);
  if (!bRatio) return;
  cEditValCtrl<int16_t>* lpDist = m_Ctrls.Val<int16_t>(IDC_MV_DISTANCE);
  cEditValCtrl<int16_t>* lpSpeed = m_Ctrls.Val<int16_t>(IDC_MV_SPEED);
  if (!lpDist || !lpSpeed) return;
  ShowMoveRatio(m_Ctrls.Ctrl(IDC_MV_RATIO), lpDist->ParseText(), lpSpeed->ParseText(), m_Ctrls.ComboValue(IDC_MV_DIST_UNIT));
}

void cMoveCmdDlgBase::ApplyInertiaRule() {
  const bool b = m_Ctrls.IsChecked(IDC_MV_INERTIA);
  m_Ctrls.Enable(IDC_MV_MAX_SPEED, b);
  m_Ctrls.Enable(IDC_MV_TURN_RATE, b);
}

void cMoveCmdDlgBase::ApplyTimedRules() {
  ApplyTimeRule();
  ApplyInertiaRule();
  ApplyAnimeRule();
}

void cMoveCmdDlgBase::ApplyAnimeRule() { m_Ctrls.Enable(IDC_MV_ANIME, m_Ctrls.IsChecked(IDC_MV_NO_MOVE_ANIME)); }

bool cMoveCmdDlgBase::CheckRatio() {
  if (m_Ctrls.ComboValue(IDC_MV_TIME_MODE) != MODE_SPEED_DISTANCE) return true;
  cEditValCtrl<int16_t>* lpDist = m_Ctrls.Val<int16_t>(IDC_MV_DISTANCE);
  cEditValCtrl<int16_t>* lpSpeed = m_Ctrls.Val<int16_t>(IDC_MV_SPEED);
  if (!lpDist || !lpSpeed) return true;
  if (IsMoveRatioValid(lpDist->ParseText(), lpSpeed->ParseText(), m_Ctrls.ComboValue(IDC_MV_DIST_UNIT))) return true;
  ErrorBox("「距離÷速度」を0.10以上、または-0.10以下にして下さい！");
  return false;
}

// ---------------------------------------------------------------------------------------------

cLineMoveCmdDlg::cLineMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cLineMoveCmdDlg, cMoveCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                     bCentre) {
  if (!PrepareMove()) return;
  cEdMove& mv = Move();
  BindTimeHeader();
  m_Ctrls.Combo(IDC_MV_SET_TYPE, &mv.m_nAimType, MoveSetTypeNames);
  m_Ctrls.Combo(IDC_MV_DIRECTION, &mv.m_nDirection, MoveDirectionNames);
  m_Ctrls.Check(IDC_MV_REVERSE_ON_TURN, &mv.m_bReverseOnTurn);
  m_Ctrls.Combo(IDC_MV_TARGET_TYPE, &mv.m_nTargetType, MoveTargetTypeNames);
  m_Ctrls.Check(IDC_MV_USE_TARGET_X, &mv.m_bUseTargetX);
  m_Ctrls.Value(IDC_MV_TARGET_X, &mv.m_nTargetX, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_X_SPIN);
  m_Ctrls.Value(IDC_MV_TARGET_X_DOT, &mv.m_nTargetXDot, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_X_DOT_SPIN);
  m_Ctrls.Check(IDC_MV_FLIP_X, &mv.m_bMirrorX);
  m_Ctrls.Check(IDC_MV_USE_TARGET_Y, &mv.m_bUseTargetY);
  m_Ctrls.Value(IDC_MV_TARGET_Y, &mv.m_nTargetY, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_Y_SPIN);
  m_Ctrls.Value(IDC_MV_TARGET_Y_DOT, &mv.m_nTargetYDot, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_Y_DOT_SPIN);
  m_Ctrls.Check(IDC_MV_FLIP_Y, &mv.m_bMirrorY);
  m_Ctrls.Check(IDC_MV_UNTIL_TARGET, &mv.m_bUntilArrive);
  m_Ctrls.Check(IDC_MV_NO_JITTER, &mv.m_bSteady);
  m_Ctrls.Value(IDC_MV_ANGLE, &mv.m_nAngle, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_MV_ANGLE_SPIN);
  m_Ctrls.Value(IDC_MV_ANGLE_CLONE, &mv.m_nAngleClone, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_MV_ANGLE_CLONE_SPIN);
  m_Ctrls.Check(IDC_MV_MIRROR_ANGLE, &mv.m_bMirrorRotate);
  m_Ctrls.Check(IDC_MV_NO_MOVE_X, &mv.m_bNoMoveX);
  m_Ctrls.Check(IDC_MV_NO_MOVE_Y, &mv.m_bNoMoveY);
  m_Ctrls.Check(IDC_MV_KEEP_FACING, &mv.m_bKeepFacing);
  BindTimeGroup();
  BindInertia();
  BindOther();
}

void cLineMoveCmdDlg::UpdateEnable() {
  if (!m_Info.m_lpCommand) return;
  static const uint32_t TARGET_IDS[] = {IDC_MV_TARGET_TYPE, IDC_MV_USE_TARGET_X, IDC_MV_TARGET_X,
                                        IDC_MV_TARGET_X_DOT, IDC_MV_FLIP_X,       IDC_MV_USE_TARGET_Y,
                                        IDC_MV_TARGET_Y,     IDC_MV_TARGET_Y_DOT, IDC_MV_FLIP_Y,
                                        IDC_MV_UNTIL_TARGET, IDC_MV_NO_JITTER};
  if (m_Ctrls.ComboValue(IDC_MV_SET_TYPE) != 1) {
    m_Ctrls.Enable(IDC_MV_DIRECTION, true);
    m_Ctrls.Enable(IDC_MV_REVERSE_ON_TURN, true);
    for (uint32_t nId : TARGET_IDS) m_Ctrls.Enable(nId, false);
    // "入力方向" leaves the rotation to the player's keys.
    m_Ctrls.Enable(IDC_MV_MIRROR_ANGLE, m_Ctrls.ComboValue(IDC_MV_DIRECTION) != 12);
  } else {
    m_Ctrls.Enable(IDC_MV_DIRECTION, false);
    m_Ctrls.Enable(IDC_MV_REVERSE_ON_TURN, false);
    for (uint32_t nId : {IDC_MV_TARGET_TYPE, IDC_MV_USE_TARGET_X, IDC_MV_USE_TARGET_Y, IDC_MV_UNTIL_TARGET,
                         IDC_MV_NO_JITTER})
      m_Ctrls.Enable(nId, true);
    // Absolute and screen coordinates do not depend on the way the character was placed.
    const int32_t nType = m_Ctrls.ComboValue(IDC_MV_TARGET_TYPE);
    const bool bFlips = nType != 2 && nType != 3;
    if (!bFlips) {
      m_Ctrls.SetChecked(IDC_MV_FLIP_X, false);
      m_Ctrls.SetChecked(IDC_MV_FLIP_Y, false);
    }
    m_Ctrls.Enable(IDC_MV_FLIP_X, bFlips);
    m_Ctrls.Enable(IDC_MV_FLIP_Y, bFlips);
    const bool bX = m_Ctrls.IsChecked(IDC_MV_USE_TARGET_X);
    m_Ctrls.Enable(IDC_MV_TARGET_X, bX);
    m_Ctrls.Enable(IDC_MV_TARGET_X_DOT, bX);
    if (!bX) m_Ctrls.Enable(IDC_MV_FLIP_X, false);
    const bool bY = m_Ctrls.IsChecked(IDC_MV_USE_TARGET_Y);
    m_Ctrls.Enable(IDC_MV_TARGET_Y, bY);
    m_Ctrls.Enable(IDC_MV_TARGET_Y_DOT, bY);
    if (!bY) m_Ctrls.Enable(IDC_MV_FLIP_Y, false);
    m_Ctrls.Enable(IDC_MV_MIRROR_ANGLE, true);
  }
  ApplyTimedRules();
}

// ---------------------------------------------------------------------------------------------

cGroundTurnMoveCmdDlg::cGroundTurnMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind,
                                             cCmdEditInfo* lpInfo, cWindowList* lpWindowList, cControl* lpAnchor,
                                             int32_t bCentre)
    : cDialogClass<cGroundTurnMoveCmdDlg, cMoveCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList,
                                                           lpAnchor, bCentre) {
  if (!PrepareMove()) return;
  BindTimeHeader();
  BindTimeGroup();
  BindInertia();
  BindOther();
}

void cGroundTurnMoveCmdDlg::UpdateEnable() {
  if (m_Info.m_lpCommand) ApplyTimedRules();
}

// ---------------------------------------------------------------------------------------------

cCircleMoveCmdDlg::cCircleMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cCircleMoveCmdDlg, cMoveCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                       bCentre) {
  if (!PrepareMove()) return;
  cEdMove& mv = Move();
  if (m_Info.m_bNew) {
    mv.m_nMaxSpeed = 0;  // the circle move has no inertia
    mv.m_nSpecType = 1;
    mv.m_nSpeed = 20;
    mv.m_nAngle = 0;
    mv.m_nDistance = 360;
    mv.m_nRadius = 6;
  }
  BindTimeHeader();
  m_Ctrls.Combo(IDC_CM_DIRECTION, &mv.m_nDirection, CircleDirectionNames);
  m_Ctrls.Check(IDC_MV_FLIP_X, &mv.m_bMirrorX);
  m_Ctrls.Check(IDC_MV_FLIP_Y, &mv.m_bMirrorY);
  m_Ctrls.Check(IDC_MV_UNTIL_TARGET, &mv.m_bNoMoveX);
  m_Ctrls.Check(IDC_MV_NO_MOVE_Y, &mv.m_bNoMoveY);
  m_Ctrls.Check(IDC_MV_KEEP_FACING, &mv.m_bKeepFacing);
  m_Ctrls.Combo(IDC_MV_TIME_MODE, &mv.m_nSpecType, CircleTimeModeNames);
  m_Ctrls.Value(IDC_MV_SPEED, &mv.m_nSpeed, -180, 180, IDC_MV_SPEED_SPIN);
  m_Ctrls.Value(IDC_MV_SPEED_CLONE, &mv.m_nSpeedClone, -180, 180, IDC_MV_SPEED_CLONE_SPIN);
  m_Ctrls.Value(IDC_CM_START, &mv.m_nAngle, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_CM_START_SPIN);
  m_Ctrls.Value(IDC_CM_START_CLONE, &mv.m_nAngleClone, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_CM_START_CLONE_SPIN);
  m_Ctrls.Value(IDC_CM_END, &mv.m_nDistance, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_CM_END_SPIN);
  m_Ctrls.Value(IDC_CM_END_CLONE, &mv.m_nDistanceClone, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_CM_END_CLONE_SPIN);
  m_Ctrls.Value(IDC_CM_RADIUS, &mv.m_nRadius, 0, 20, IDC_CM_RADIUS_SPIN);
  m_Ctrls.Value(IDC_CM_RADIUS_CLONE, &mv.m_nRadiusClone, -20, 20, IDC_CM_RADIUS_CLONE_SPIN);
  BindOther();
}

void cCircleMoveCmdDlg::UpdateEnable() {
  if (!m_Info.m_lpCommand) return;
  const bool bTime = m_Ctrls.ComboValue(IDC_MV_TIME_MODE) == 0;
  m_Ctrls.Enable(IDC_CMD_TIME, bTime);
  m_Ctrls.Enable(IDC_CMD_TIME_CLONE, bTime);
  m_Ctrls.Enable(IDC_MV_SPEED, !bTime);
  m_Ctrls.Enable(IDC_MV_SPEED_CLONE, !bTime);
  ApplyAnimeRule();
}

// ---------------------------------------------------------------------------------------------

namespace {

// The target rows that the charge and homing moves share.
void BindTargetOffset(cMoveCmdDlgBase& Dlg, cEdMove& mv) {
  Dlg.m_Ctrls.Combo(IDC_MV_TARGET_SLOT, &mv.m_nTarget, TargetSlotNames);
  Dlg.m_Ctrls.Value(IDC_MV_TARGET_X, &mv.m_nTargetX, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_X_SPIN);
  Dlg.m_Ctrls.Value(IDC_MV_TARGET_X_DOT, &mv.m_nTargetXDot, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_X_DOT_SPIN);
  Dlg.m_Ctrls.Check(IDC_MV_FLIP_X, &mv.m_bMirrorX);
  Dlg.m_Ctrls.Value(IDC_MV_TARGET_Y, &mv.m_nTargetY, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_Y_SPIN);
  Dlg.m_Ctrls.Value(IDC_MV_TARGET_Y_DOT, &mv.m_nTargetYDot, -OFFSET_LIMIT, OFFSET_LIMIT, IDC_MV_TARGET_Y_DOT_SPIN);
  Dlg.m_Ctrls.Check(IDC_MV_FLIP_Y, &mv.m_bMirrorY);
  Dlg.m_Ctrls.Check(IDC_MV_UNTIL_TARGET, &mv.m_bNoMoveX);
  Dlg.m_Ctrls.Check(IDC_MV_NO_MOVE_Y, &mv.m_bNoMoveY);
  Dlg.m_Ctrls.Check(IDC_MV_KEEP_FACING, &mv.m_bKeepFacing);
}

}  // namespace

cChargeMoveCmdDlg::cChargeMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cChargeMoveCmdDlg, cMoveCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                       bCentre) {
  if (!PrepareMove()) return;
  cEdMove& mv = Move();
  BindTimeHeader();
  BindTargetOffset(*this, mv);
  m_Ctrls.Value(IDC_MV_ANGLE, &mv.m_nAngle, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_MV_ANGLE_SPIN);
  m_Ctrls.Value(IDC_MV_ANGLE_CLONE, &mv.m_nAngleClone, -ANGLE_LIMIT, ANGLE_LIMIT, IDC_MV_ANGLE_CLONE_SPIN);
  m_Ctrls.Check(IDC_MV_MIRROR_ANGLE, &mv.m_bMirrorRotate);
  BindTimeGroup();
  BindInertia();
  BindOther();
}

void cChargeMoveCmdDlg::UpdateEnable() {
  if (m_Info.m_lpCommand) ApplyTimedRules();
}

cHomingMoveCmdDlg::cHomingMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cHomingMoveCmdDlg, cMoveCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                       bCentre) {
  if (!PrepareMove()) return;
  cEdMove& mv = Move();
  if (m_Info.m_bNew) mv.m_nRadius = 0;
  BindTimeHeader();
  BindTargetOffset(*this, mv);
  m_Ctrls.Value(IDC_MV_AIM_ERROR, &mv.m_nRadius, 0, 10, IDC_MV_AIM_ERROR_SPIN);
  m_Ctrls.Value(IDC_MV_AIM_ERROR_CLONE, &mv.m_nRadiusClone, 0, 10, IDC_MV_AIM_ERROR_CLONE_SPIN);
  m_Ctrls.Check(IDC_MV_NO_JITTER, &mv.m_bSteady);
  BindTimeGroup();
  BindInertia();
  BindOther();
}

void cHomingMoveCmdDlg::UpdateEnable() {
  if (m_Info.m_lpCommand) ApplyTimedRules();
}

// ---------------------------------------------------------------------------------------------

cAvoidMoveCmdDlg::cAvoidMoveCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                   cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cAvoidMoveCmdDlg, cMoveCmdDlgBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                      bCentre) {
  m_bHeaderOnly = wTemplateId == IDD_CMD_NO_MOVE;
  if (!PrepareMove()) return;
  BindTimeHeader();
  if (m_bHeaderOnly) return;
  cEdMove& mv = Move();
  m_Ctrls.Combo(IDC_MV_DIRECTION, &mv.m_nDirection, MoveDirectionNames);
  m_Ctrls.Check(IDC_MV_KEEP_FACING, &mv.m_bKeepFacing);
  BindTimeGroup();
  BindInertia();
  BindOther();
}

void cAvoidMoveCmdDlg::UpdateEnable() {
  if (m_Info.m_lpCommand && !m_bHeaderOnly) ApplyTimedRules();
}

// ---------------------------------------------------------------------------------------------

namespace {

enum { TURN_PARAM = 0 };
enum { JUMP_TYPE = 0, JUMP_MAX_SPEED = 1, JUMP_MAX_HEIGHT = 2, JUMP_MIN_SPEED = 3, JUMP_MIN_HEIGHT = 4 };

}  // namespace

cTurnCmdDlg::cTurnCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cTurnCmdDlg, cBoundCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  AttachWidestFirst();
  if (!m_Info.m_lpCommand || Command().m_vParam.size() <= TURN_PARAM) return;
  cEdCommand& cmd = Command();
  if (m_Info.m_bNew) {
    cmd.m_nTime = 1;
    cmd.m_vParam[TURN_PARAM] = 11;
  }
  MakeDbNameList(m_vAnimeNames, Database.m_vAnime, "なし", 0, 2, 0);
  MakeDbNameList(m_vSoundNames, Database.m_vSound, "なし", 0, 2, 0);
  BindTimeHeader();
  m_Ctrls.Combo(IDC_TN_TURN, &cmd.m_vParam[TURN_PARAM], TurnNames);
  m_Ctrls.Combo(IDC_MV_ANIME, &cmd.m_nAnime, &m_vAnimeNames);
  m_Ctrls.Combo(IDC_TN_SOUND, &cmd.m_nSound, &m_vSoundNames);
}

int cTurnCmdDlg::OnOwnCommand(WPARAM wParam) {
  const uint16_t wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wId == IDC_TN_SOUND && wCode == CBN_SELCHANGE && m_Info.m_lpCommand)
    PreviewSound(m_hWnd, m_Ctrls.m_vCombo16, IDC_TN_SOUND);
  return false;
}

cJumpCmdDlg::cJumpCmdDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                         cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cJumpCmdDlg, cBoundCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
  AttachWidestFirst();
  if (!m_Info.m_lpCommand || Command().m_vParam.size() <= JUMP_MIN_HEIGHT) return;
  cEdCommand& cmd = Command();
  cChkVector<int32_t>& vParam = cmd.m_vParam;
  if (m_Info.m_bNew) {
    cmd.m_nTime = 1;
    cmd.m_bParallel = 1;
    vParam[JUMP_MAX_SPEED] = 100;
    vParam[JUMP_MAX_HEIGHT] = 7;
    vParam[JUMP_MIN_SPEED] = 0;
    vParam[JUMP_MIN_HEIGHT] = 4;
  }
  MakeDbNameList(m_vAnimeNames, Database.m_vAnime, "なし", 0, 2, 0);
  MakeDbNameList(m_vSoundNames, Database.m_vSound, "なし", 0, 2, 0);
  m_Ctrls.Combo(IDC_JP_TYPE, &vParam[JUMP_TYPE], JumpTypeNames);
  m_Ctrls.Value(IDC_JP_MAX_SPEED, &vParam[JUMP_MAX_SPEED], 0, 200, IDC_JP_MAX_SPEED_SPIN);
  m_Ctrls.Value(IDC_JP_MAX_HEIGHT, &vParam[JUMP_MAX_HEIGHT], 1, 20, IDC_JP_MAX_HEIGHT_SPIN);
  m_Ctrls.Value(IDC_JP_MIN_SPEED, &vParam[JUMP_MIN_SPEED], 0, 200, IDC_JP_MIN_SPEED_SPIN);
  m_Ctrls.Value(IDC_JP_MIN_HEIGHT, &vParam[JUMP_MIN_HEIGHT], 1, 20, IDC_JP_MIN_HEIGHT_SPIN);
  m_Ctrls.Combo(IDC_MV_ANIME, &cmd.m_nAnime, &m_vAnimeNames);
  m_Ctrls.Combo(IDC_TN_SOUND, &cmd.m_nSound, &m_vSoundNames);
  m_Ctrls.Check(IDC_JP_MUTE_OFF_SCREEN, &cmd.m_bMuteOffScreen);
}

void cJumpCmdDlg::UpdateEnable() {
  if (m_Ctrls.m_vCombo32.empty()) return;
  const bool bBySpeed = m_Ctrls.ComboValue(IDC_JP_TYPE) == 2;
  m_Ctrls.Enable(IDC_JP_MAX_SPEED, bBySpeed);
  m_Ctrls.Enable(IDC_JP_MIN_SPEED, bBySpeed);
  m_Ctrls.Enable(IDC_JP_MIN_HEIGHT, bBySpeed);
}

int cJumpCmdDlg::OnOwnCommand(WPARAM wParam) {
  const uint16_t wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wId == IDC_TN_SOUND && wCode == CBN_SELCHANGE && !m_Ctrls.m_vCombo16.empty())
    PreviewSound(m_hWnd, m_Ctrls.m_vCombo16, IDC_TN_SOUND);
  return false;
}
