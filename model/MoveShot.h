// The parts that a command owns for the kinds that need them: the move parameters of the move kinds
// and of "ワープ", and the shot parameters of "ショット", "ソード" and the three summons. Each kind's
// dialog shows only the fields it uses; the record always stores all of them.
//
// A per-clone field ("＋分身値×", m_n...Clone) is multiplied by the clone number of a multiplied
// shot or character and added to the field before it.
#pragma once

#include <cstdint>

#include "model/DataRecord.h"
#include "model/EffectKindTables.h"

class cEdMove : public cDataRecord {
 public:
  int8_t m_nAimType = 0;      // straight: direction or target; warp: also from targets 1-4
  int8_t m_nDirection = 0;    // MoveDirectionNames; circle move: CircleDirectionNames
  int16_t m_nAngle = 0;       // circle move: start angle
  int16_t m_nAngleClone = 0;
  int8_t m_bMirrorRotate = 1;  // from version 158
  int8_t m_bUseTargetX = 1;
  int8_t m_bUseTargetY = 1;
  int16_t m_nTargetX = 0;     // cells
  int16_t m_nTargetY = 0;
  int16_t m_nTargetXDot = 0;  // dots added to the cells
  int16_t m_nTargetYDot = 0;
  int8_t m_nTargetType = 0;
  int8_t m_bUntilArrive = 1;
  int8_t m_bNoMoveX = 0;
  int8_t m_bNoMoveY = 0;
  int8_t m_bMirrorX = 1;
  int8_t m_bMirrorY = 0;
  int8_t m_bReverseOnTurn = 1;
  int8_t m_bSteady = 0;
  int8_t m_bKeepFacing = 0;  // from version 162
  int8_t m_nSpecType = 0;    // which two of time, speed and distance are given
  int16_t m_nSpeed = 10;     // circle move: degrees per step
  int16_t m_nSpeedClone = 0;
  int16_t m_nDistance = 0;   // circle move: end angle
  int16_t m_nDistanceClone = 0;
  int8_t m_nDistanceUnit = 0;  // from version 159: 0 hbl, 1 dot
  int16_t m_nRadius = 0;       // circle move: radius; homing move: imprecision
  int16_t m_nRadiusClone = 0;
  int8_t m_bInertia = 0;
  int16_t m_nMaxSpeed = 0;
  double m_dTurnRate = 1.0;
  int8_t m_bNoMoveAnime = 0;  // from version 162
  int8_t m_nTarget = 0;       // from version 767: target 1-4 of charge and homing moves

  cEdMove() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  void Validate() {}

  bool operator==(const cEdMove& o) const { return IsEqual(*this, o) != 0; }
  bool operator!=(const cEdMove& o) const { return !(*this == o); }
};

class cEdShot : public cDataRecord {
 public:
  int8_t m_nCount = 0;  // summons: how many
  int8_t m_nFormation = 0;
  int16_t m_nFormParam[3] = {};  // captions: ShotFormationParams
  int8_t m_nAimAt = 0;           // from version 671: target, hero or self
  int8_t m_nDirection = 0;
  int8_t m_bAimAtTarget = 0;
  int8_t m_nTarget = 0;  // from version 767
  int16_t m_nAngle = 0;
  int16_t m_nAngleClone = 0;
  int8_t m_bMirrorRotate = 1;  // from version 158
  int16_t m_nSpread = 0;
  int8_t m_bShiftByAngle = 0;
  int8_t m_nClones = 0;
  int16_t m_nOffsetX = 0;
  int16_t m_nOffsetXClone = 0;
  int16_t m_nOffsetY = 0;
  int16_t m_nOffsetYClone = 0;
  int8_t m_bMirrorX = 1;
  int8_t m_bMirrorY = 0;
  int16_t m_nGraphic = 0;
  int8_t m_nZ = 0;
  int8_t m_bTransparent = 0;
  int8_t m_bSameSide = 1;
  int8_t m_nSide = 0;
  int8_t m_nSpare1 = 0;  // stored, edited by nothing
  int8_t m_nGiant = 1;   // 1 none, n: n x n
  int8_t m_nSpare2 = 0;
  int8_t m_nMoveType = 0;  // ShotMoveTypeNames; "ソード": the sword type
  int16_t m_nMoveParam[3] = {};  // captions: ShotMoveTypeParams
  int8_t m_nMoveTarget = 0;      // from version 767
  int8_t m_bScrollSync = 0;      // from version 211
  int16_t m_nSpeed = 0;
  int16_t m_nSpeedClone = 0;
  int8_t m_bAccel = 0;  // from version 213, with the two after it
  int16_t m_nAccel = 0;
  int16_t m_nAccelClone = 0;
  int16_t m_nRange = 0;  // hbl; character and item summons: lifetime
  int8_t m_bRange = 0;
  int16_t m_nRangeClone = 0;
  int8_t m_bNoVanishAtEnd = 0;
  int8_t m_bLifeTime = 0;
  int16_t m_nLifeTime = 0;
  int16_t m_nLifeTimeClone = 0;
  int8_t m_bPierceBlock = 0;
  int8_t m_bPierceChara = 0;
  int8_t m_bPierceBlockChara = 0;  // from version 636
  int8_t m_bVanishByShot = 0;
  int8_t m_nVanishValue = 0;
  int32_t m_nPower = 0;
  int16_t m_nSpare3 = 0;
  int8_t m_nImpact = 0;
  int16_t m_nEffect = 0;      // index into the database's effects
  int8_t m_nItemPalette = 0;  // 0 none, 1 common, 2 stage
  int16_t m_nItemNo = 0;
  int8_t m_nSummonType = 0;
  int8_t m_bFailOnHero = 0;
  int8_t m_bFailOnEnemy = 0;  // from version 197
  int8_t m_nSummonPalette = 0;  // 0 common, 1 stage
  int16_t m_nSummonNo = 0;
  int8_t m_nSummonSide = 0;
  int8_t m_bNoScore = 0;
  int8_t m_bFaceOpposite = 0;
  int8_t m_bAttack = 0;       // from version 762, with the one after it
  int8_t m_nValidFlowId = 0;  // FlowIdNames

  cEdShot() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // A size of 0 or less becomes 1; an effect outside the database's effects becomes 0.
  void Validate();

  bool operator==(const cEdShot& o) const { return IsEqual(*this, o) != 0; }
  bool operator!=(const cEdShot& o) const { return !(*this == o); }
};

// What the three parameters of each shot formation and move type mean, their values and defaults:
// entry 3 x n + i describes parameter i of formation (move type) n; an empty caption marks a
// parameter that the pattern does not use.
constexpr int SHOT_FORMATIONS = 6;
constexpr int SHOT_MOVE_TYPES = 10;
extern const cEffectParamInfo ShotFormationParams[SHOT_FORMATIONS * 3];
extern const cEffectParamInfo ShotMoveTypeParams[SHOT_MOVE_TYPES * 3];
