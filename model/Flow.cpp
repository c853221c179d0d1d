#include "model/Flow.h"

namespace {

// Flows nest inside item commands, which nest inside flows. What the editor builds is at most a
// few levels deep; a damaged file could nest deep enough to exhaust the stack, so reading refuses
// anything deeper than MAX_FLOW_DEPTH, and writing does not make a file that reading would refuse.
// Reading and writing share the count (neither runs inside the other on one thread).
thread_local int t_nFlowDepth = 0;

// Looks the count up once: a thread-local value is slow to find here, and a stage writes a flow
// for every third character.
class cFlowDepth {
 public:
  cFlowDepth() : m_nDepth(++t_nFlowDepth) {}
  ~cFlowDepth() { --m_nDepth; }
  bool TooDeep() const { return m_nDepth > MAX_FLOW_DEPTH; }

 private:
  int& m_nDepth;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Key conditions

void cEdKeyCond::SetDefault() {
  Clear();
  m_vKeyState.assign(KEY_COUNT, 0);
}

void cEdKeyCond::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddChar(&m_bFrontBack);
  reg.AddShort(&m_nTimeMin);
  reg.AddShort(&m_nTimeMax);
  reg.AddChar(&m_bTimeInfinite);
  reg.AddChar(&m_nJudge);
}

int cEdKeyCond::Read(cDataReader& in) {
  // The stored length is kept, whatever it is; only a new key condition has exactly 19 keys.
  return cDataRecord::Read(in) && ReadValueVector(in, m_vKeyState);
}

void cEdKeyCond::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveValueVector(out, m_vKeyState);
}

// ---------------------------------------------------------------------------------------------
// Flows

void cEdFlow::SetDefault() {
  Clear();
  m_nKeyEase = 3;
}

void cEdFlow::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  if (nVersion > 675) reg.AddString(&m_strMemo);
  reg.AddChar(&m_nId);
  reg.AddChar(&m_nGroup);
  reg.AddChar(&m_bTestPlayOnly);
  reg.AddChar(&m_nCondJudge);
  reg.AddChar(&m_bLatch);
  reg.AddChar(&m_nTrigger);
  if (nVersion > 761) reg.AddChar(&m_bSetTarget);
  if (nVersion > 766) reg.AddChar(&m_nTargetNo);
  reg.AddChar(&m_nKeyEase);
  reg.AddChar(&m_bHoldRepeat);
}

int cEdFlow::Read(cDataReader& in) {
  cFlowDepth depth;
  if (depth.TooDeep()) return in.Fail();
  int bOk = cDataRecord::Read(in) && LoadCondVector(m_vCond, in) && ReadRecords(in, m_vKeyCond) &&
            ReadRecords(in, m_vCommand);
  if (g_nFileVersion < 778) Upgrade();
  Validate();
  return bOk;
}

// Trigger kinds were inserted by later versions; each step sees the numbering the one before left.
void cEdFlow::Upgrade() {
  const int32_t v = g_nFileVersion;
  if (v <= 131 && m_nTrigger >= 11) m_nTrigger = ShiftByte(m_nTrigger, 1);
  if (v < 163 && m_nTrigger != 0) m_nGroup = 0;
  if (v < 164 && m_nTrigger >= 5) m_nTrigger = ShiftByte(m_nTrigger, 2);
  if (v < 762 && m_nTrigger >= 18) m_nTrigger = ShiftByte(m_nTrigger, 3);  // the attack kinds
}

void cEdFlow::Write(cDataWriter& out) {
  Validate();  // every command is written clamped to the current database
  WriteValidated(out);
}

void cEdFlow::WriteValidated(cDataWriter& out) {
  // A file the reader would refuse is never written: the save fails and the old file stays.
  cFlowDepth depth;
  if (depth.TooDeep()) {
    out.Fail();
    return;
  }
  cDataRecord::Write(out);
  SaveCondVector(m_vCond, out);
  SaveRecords(out, m_vKeyCond);
  WriteValidatedCommands(out, m_vCommand);
}

int cEdFlow::Validate() { return ValidateCommands(m_vCommand); }

void cEdFlow::ClampItemRefs() {
  for (cEdCommand& cmd : m_vCommand) cmd.ClampItemRefs();
}

bool cEdFlow::IsEmpty() const {
  return m_strMemo.empty() && m_nId == 0 && m_nGroup == 0 && m_nTrigger == 0 && m_vCond.empty() &&
         m_vKeyCond.empty() && m_vCommand.empty();
}

bool cEdFlow::operator==(const cEdFlow& o) const {
  return IsEqual(*this, o) && m_vCond == o.m_vCond && m_vKeyCond == o.m_vKeyCond && m_vCommand == o.m_vCommand;
}
