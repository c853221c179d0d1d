#include "model/MoveShot.h"

#include "model/Database.h"
#include "model/RefChecks.h"

void cEdMove::SetDefault() {
  Clear();
  m_bMirrorRotate = 1;
  m_bUseTargetX = 1;
  m_bUseTargetY = 1;
  m_bUntilArrive = 1;
  m_bMirrorX = 1;
  m_bReverseOnTurn = 1;
  m_nSpeed = 10;
  m_dTurnRate = 1.0;
}

void cEdMove::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddChar(&m_nAimType);
  reg.AddChar(&m_nDirection);
  reg.AddShort(&m_nAngle);
  reg.AddShort(&m_nAngleClone);
  if (nVersion > 157) reg.AddChar(&m_bMirrorRotate);
  reg.AddChar(&m_bUseTargetX);
  reg.AddChar(&m_bUseTargetY);
  reg.AddShort(&m_nTargetX);
  reg.AddShort(&m_nTargetY);
  reg.AddShort(&m_nTargetXDot);
  reg.AddShort(&m_nTargetYDot);
  reg.AddChar(&m_nTargetType);
  reg.AddChar(&m_bUntilArrive);
  reg.AddChar(&m_bNoMoveX);
  reg.AddChar(&m_bNoMoveY);
  reg.AddChar(&m_bMirrorX);
  reg.AddChar(&m_bMirrorY);
  reg.AddChar(&m_bReverseOnTurn);
  reg.AddChar(&m_bSteady);
  if (nVersion > 161) reg.AddChar(&m_bKeepFacing);
  reg.AddChar(&m_nSpecType);
  reg.AddShort(&m_nSpeed);
  reg.AddShort(&m_nSpeedClone);
  reg.AddShort(&m_nDistance);
  reg.AddShort(&m_nDistanceClone);
  if (nVersion > 158) reg.AddChar(&m_nDistanceUnit);
  reg.AddShort(&m_nRadius);
  reg.AddShort(&m_nRadiusClone);
  reg.AddChar(&m_bInertia);
  reg.AddShort(&m_nMaxSpeed);
  reg.AddDouble(&m_dTurnRate);
  if (nVersion > 161) reg.AddChar(&m_bNoMoveAnime);
  if (nVersion > 766) reg.AddChar(&m_nTarget);
}

int cEdMove::Read(cDataReader& in) {
  int bOk = cDataRecord::Read(in);
  const int32_t v = g_nFileVersion;
  // An old part gets 0 where a new one gets its default: older writers behaved that way.
  if (v < 158) m_bMirrorRotate = 0;
  if (v < 159) m_nDistanceUnit = 0;
  if (v < 162) {
    m_bKeepFacing = 0;
    m_bNoMoveAnime = 0;
  }
  Validate();
  return bOk;
}

void cEdMove::Write(cDataWriter& out) {
  Validate();
  cDataRecord::Write(out);
}

void cEdShot::SetDefault() {
  Clear();
  m_bMirrorRotate = 1;
  m_bMirrorX = 1;
  m_bSameSide = 1;
  m_nGiant = 1;
}

void cEdShot::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddChar(&m_nCount);
  reg.AddChar(&m_nFormation);
  reg.AddShort(m_nFormParam, 3);
  if (nVersion > 670) reg.AddChar(&m_nAimAt);
  reg.AddChar(&m_nDirection);
  reg.AddChar(&m_bAimAtTarget);
  if (nVersion > 766) reg.AddChar(&m_nTarget);
  reg.AddShort(&m_nAngle);
  reg.AddShort(&m_nAngleClone);
  if (nVersion > 157) reg.AddChar(&m_bMirrorRotate);
  reg.AddShort(&m_nSpread);
  reg.AddChar(&m_bShiftByAngle);
  reg.AddChar(&m_nClones);
  reg.AddShort(&m_nOffsetX);
  reg.AddShort(&m_nOffsetXClone);
  reg.AddShort(&m_nOffsetY);
  reg.AddShort(&m_nOffsetYClone);
  reg.AddChar(&m_bMirrorX);
  reg.AddChar(&m_bMirrorY);
  reg.AddShort(&m_nGraphic);
  reg.AddChar(&m_nZ);
  reg.AddChar(&m_bTransparent);
  reg.AddChar(&m_bSameSide);
  reg.AddChar(&m_nSide);
  reg.AddChar(&m_nSpare1);
  reg.AddChar(&m_nGiant);
  reg.AddChar(&m_nSpare2);
  reg.AddChar(&m_nMoveType);
  reg.AddShort(m_nMoveParam, 3);
  if (nVersion > 766) reg.AddChar(&m_nMoveTarget);
  if (nVersion > 210) reg.AddChar(&m_bScrollSync);
  reg.AddShort(&m_nSpeed);
  reg.AddShort(&m_nSpeedClone);
  if (nVersion > 212) {
    reg.AddChar(&m_bAccel);
    reg.AddShort(&m_nAccel);
    reg.AddShort(&m_nAccelClone);
  }
  reg.AddShort(&m_nRange);
  reg.AddChar(&m_bRange);
  reg.AddShort(&m_nRangeClone);
  reg.AddChar(&m_bNoVanishAtEnd);
  reg.AddChar(&m_bLifeTime);
  reg.AddShort(&m_nLifeTime);
  reg.AddShort(&m_nLifeTimeClone);
  reg.AddChar(&m_bPierceBlock);
  reg.AddChar(&m_bPierceChara);
  if (nVersion > 635) reg.AddChar(&m_bPierceBlockChara);
  reg.AddChar(&m_bVanishByShot);
  reg.AddChar(&m_nVanishValue);
  reg.AddInt(&m_nPower);
  reg.AddShort(&m_nSpare3);
  reg.AddChar(&m_nImpact);
  reg.AddShort(&m_nEffect);
  reg.AddChar(&m_nItemPalette);
  reg.AddShort(&m_nItemNo);
  reg.AddChar(&m_nSummonType);
  reg.AddChar(&m_bFailOnHero);
  if (nVersion > 196) reg.AddChar(&m_bFailOnEnemy);
  reg.AddChar(&m_nSummonPalette);
  reg.AddShort(&m_nSummonNo);
  reg.AddChar(&m_nSummonSide);
  reg.AddChar(&m_bNoScore);
  reg.AddChar(&m_bFaceOpposite);
  if (nVersion > 761) {
    reg.AddChar(&m_bAttack);
    reg.AddChar(&m_nValidFlowId);
  }
}

int cEdShot::Read(cDataReader& in) {
  int bOk = cDataRecord::Read(in);
  const int32_t v = g_nFileVersion;
  if (v < 158) m_bMirrorRotate = 0;
  if (v < 197) m_bFailOnEnemy = m_bFailOnHero;
  if (v < 212) m_bScrollSync = (m_nMoveType >= 4 && m_nMoveType <= 7) ? 1 : 0;  // the homing types
  if (v < 213) {
    m_bAccel = 0;
    m_nAccel = 0;
    m_nAccelClone = 0;
  }
  if (v < 636) m_bPierceBlockChara = m_bPierceChara;
  if (v <= 670) m_nAimAt = 0;
  Validate();
  return bOk;
}

void cEdShot::Write(cDataWriter& out) {
  Validate();
  cDataRecord::Write(out);
}

void cEdShot::Validate() {
  if (m_nGiant <= 0) m_nGiant = 1;
  if (IsOutside(m_nEffect, Database.m_vEffect.size())) m_nEffect = 0;
}

namespace {
const cEffectParamInfo NONE = {"", 0, 0, 0};
const cEffectParamInfo SPACING = {"間隔(hbl)", 0, 40, 0};
const cEffectParamInfo DEFLECT = {"軌道変更(hbl)", 0, 40, 0};
const cEffectParamInfo HOMING_FROM = {"誘導開始(hbl)", 0, 40, 0};
const cEffectParamInfo HOMING_TO = {"誘導終了(hbl)", 0, 999, 999};
const cEffectParamInfo SIDE = {"対象勢力", 0, 7, 0};
}  // namespace

const cEffectParamInfo ShotFormationParams[SHOT_FORMATIONS * 3] = {
    SPACING, NONE, NONE,                                                  // 直進A
    SPACING, NONE, NONE,                                                  // 直進B
    {"角度", 0, 180, 30}, NONE, NONE,                                    // 拡散
    SPACING, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0},         // 落雷
    NONE, NONE, NONE,                                                     // 爆発
    {"距離(hbl)", 0, 40, 6}, NONE, NONE,                                 // 包囲
};

const cEffectParamInfo ShotMoveTypeParams[SHOT_MOVE_TYPES * 3] = {
    NONE, NONE, NONE,                                                      // 直進
    DEFLECT, NONE, NONE,                                                   // 主人公を狙う
    DEFLECT, SIDE, NONE,                                                   // 近いキャラを狙う
    DEFLECT, NONE, NONE,                                                   // ターゲットを狙う
    HOMING_FROM, HOMING_TO, NONE,                                          // 主人公へ誘導
    HOMING_FROM, HOMING_TO, SIDE,                                          // 近いキャラへ誘導 (無効化)
    HOMING_FROM, HOMING_TO, NONE,                                          // ターゲットへ誘導
    HOMING_FROM, HOMING_TO, SIDE,                                          // 近いキャラへ誘導 (変更)
    {"波の最大(hbl)", 0, 100, 4}, {"波の速度", 0, 100, 4}, {"開始角度", 0, 359, 0},  // ウェーブ
    DEFLECT, NONE, NONE,                                                   // 落下
};
