// Conditions: one test of game state (a variable, a status, a flag, a situation or the distance to
// a character), held in vectors by blocks, characters, items and flows, and the condition list of
// the command "フローの操作". One record serves all seven kinds; a kind leaves the fields it does
// not use at 0.
#pragma once

#include <cstdint>

#include "model/DataRecord.h"

// The upgrade steps move stored kinds and choices past entries that later versions inserted. The
// stored value is a signed byte, and it wraps as it did for the writers of those versions.
inline int8_t ShiftByte(int8_t n, int d) { return static_cast<int8_t>(n + d); }

class cCond : public cDataRecord {
 public:
  int8_t m_nKind = 0;         // index into CondKindNames
  int32_t m_nValue = 0;       // constant compared with; distance condition: hbl
  int32_t m_nRandMin = 0;     // status condition, right side "乱数"
  int32_t m_nRandMax = 0;
  int8_t m_nSubject = 0;      // self or hero, targets 1-4, "システム"
  int8_t m_nItem = 0;         // status, flag, situation or range colour
  int8_t m_nLeftType = 0;     // status: 0 status, 1 variable; distance: range display
  int8_t m_nLeftVarSet = 0;   // 0 common, 1 stage
  int16_t m_nVar = 0;         // variable number; status condition 2: the flag's value
  int8_t m_nRightType = 0;    // status: constant, random, status, variable; distance: show unplaced
  int8_t m_nRightSubject = 0; // distance: show while transparent
  int8_t m_nRightItem = 0;
  int8_t m_nRightVarSet = 0;
  int16_t m_nRightVar = 0;    // distance: dots added to the distance
  int8_t m_nCompare = 0;      // CondCompareNames; situation: CondIfNames; distance: CondWithinNames
  int8_t m_bPercent = 0;
  int8_t m_nShape = 0;        // distance: CondShapeNames

  cCond() { SetDefault(); }
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  // Variables and statuses outside their tables are kept as stored: nothing to repair.
  void Validate() {}

  bool operator==(const cCond& o) const { return IsEqual(*this, o) != 0; }
  bool operator!=(const cCond& o) const { return !(*this == o); }

 private:
  // Files before version 110 hold two 16-bit values here that no version uses; they are read into
  // this scratch and never stored again.
  int16_t m_nDiscarded = 0;
};

typedef cChkVector<cCond> cCondVector;

// The condition vectors of blocks, characters, items, flows and condition lists.
inline int LoadCondVector(cCondVector& v, cDataReader& in) { return ReadRecords(in, v); }
inline void SaveCondVector(cCondVector& v, cDataWriter& out) { SaveRecords(out, v); }

// The conditions of "フローの操作": an on/off switch and how the conditions combine.
class cCondList : public cDataRecord {
 public:
  int8_t m_bUseCond = 0;    // "条件あり"
  int8_t m_nCondJudge = 0;  // CondJudgeNames
  cCondVector m_vCond;      // stored from version 766

  cCondList() { SetDefault(); }
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;

  bool operator==(const cCondList& o) const { return IsEqual(*this, o) && m_vCond == o.m_vCond; }
  bool operator!=(const cCondList& o) const { return !(*this == o); }
};

// The words of conditions. Each table but CondKindNames closes with an empty string (the size
// counts it); CondKindNames is indexed by the kind, entry 0 being the empty kind.
extern const char* const CondKindNames[8];
extern const char* const CondJudgeNames[3];      // how a flow's or a list's conditions combine
extern const char* const CondTargetNames[6];     // distance condition: from whom
extern const char* const CondShapeNames[8];      // distance condition: the range's shape
extern const char* const CondWithinNames[3];     // distance condition: inside or outside
extern const char* const CondRangeShowNames[4];  // distance condition: range display
extern const char* const CharaVarNames[9];       // character variables 1 to 8
extern const char* const VarOpNames[8];          // variable operations of commands
extern const char* const CondCompareNames[9];
extern const char* const CondIfNames[3];         // status condition 3: the outcome
