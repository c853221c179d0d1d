// A flow: one event script of a character, or of an item's "フローの変更" command. When it may start
// (its trigger), the basic conditions and key conditions that must hold, and the commands it runs.
// Flows own commands and item commands own flows, so the two nest; every operation descends.
#pragma once

#include <cstdint>
#include <string>

#include "model/Command.h"
#include "model/Cond.h"
#include "model/DataRecord.h"

// One pattern of key states with a press-time window.
class cEdKeyCond : public cDataRecord {
 public:
  enum { KEY_COUNT = 19 };  // neutral, the 8 directions, any direction, neutral, Z X C V A S D F

  int8_t m_bFrontBack = 0;     // the horizontal keys mean forward and back
  int16_t m_nTimeMin = 0;      // sixtieths of a second
  int16_t m_nTimeMax = 0;
  int8_t m_bTimeInfinite = 0;  // window "1～∞"
  int8_t m_nJudge = 0;         // KeyJudgeNames
  cChkVector<int8_t> m_vKeyState;  // per key: KeyStateNames

  cEdKeyCond() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;

  bool operator==(const cEdKeyCond& o) const { return IsEqual(*this, o) && m_vKeyState == o.m_vKeyState; }
  bool operator!=(const cEdKeyCond& o) const { return !(*this == o); }
};

// The deepest flows may nest (a flow at the top is level 1); files never hold deeper ones.
constexpr int MAX_FLOW_DEPTH = 16;

class cEdFlow : public cDataRecord {
 public:
  std::string m_strMemo;      // from version 676
  int8_t m_nId = 0;           // FlowIdSlotNames
  int8_t m_nGroup = 0;        // FlowGroupNames
  int8_t m_bTestPlayOnly = 0;
  int8_t m_nCondJudge = 0;    // CondJudgeNames
  int8_t m_bLatch = 0;        // once the conditions held, they count as held
  int8_t m_nTrigger = 0;      // FlowTriggerNames
  int8_t m_bSetTarget = 0;    // from version 762: the character of the trigger becomes a target
  int8_t m_nTargetNo = 0;     // from version 767: which target, 0-3
  int8_t m_nKeyEase = 3;      // tolerance for entering several key conditions, 0-15
  int8_t m_bHoldRepeat = 0;   // holding the keys repeats the flow
  cCondVector m_vCond;
  cChkVector<cEdKeyCond> m_vKeyCond;
  cChkVector<cEdCommand> m_vCommand;

  cEdFlow() { SetDefault(); }
  // The containers are kept: a default flow of an existing one keeps its lists.
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // Write for a flow whose owner has just validated it: the same bytes without validating again.
  void WriteValidated(cDataWriter& out);

  // Validates every condition and command; 0 when a command (at any depth) has a kind outside its
  // table.
  int Validate();
  void ClampItemRefs();
  // No memo, ID, group or trigger and nothing in its lists: the character's validation drops it.
  bool IsEmpty() const;

  bool operator==(const cEdFlow& o) const;
  bool operator!=(const cEdFlow& o) const { return !(*this == o); }

 private:
  void Upgrade();
};
