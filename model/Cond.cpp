#include "model/Cond.h"

namespace {

// A status condition's status indexes moved up when a status was inserted at nFrom. Subject 2
// stood for "システム" before targets 2-4 came, and the game statuses did not move.
void ShiftStatusItems(cCond& c, int nFrom) {
  if (c.m_nLeftType == 0 && c.m_nSubject != 2 && c.m_nItem >= nFrom) c.m_nItem = ShiftByte(c.m_nItem, 1);
  if (c.m_nRightType == 2 && c.m_nRightSubject != 2 && c.m_nRightItem >= nFrom)
    c.m_nRightItem = ShiftByte(c.m_nRightItem, 1);
}

}  // namespace

void cCond::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddChar(&m_nKind);
  reg.AddInt(&m_nValue);
  if (nVersion >= 110) {
    reg.AddInt(&m_nRandMin);
    reg.AddInt(&m_nRandMax);
    reg.AddChar(&m_nSubject);
    reg.AddChar(&m_nItem);
    reg.AddChar(&m_nLeftType);
    reg.AddChar(&m_nLeftVarSet);
    reg.AddShort(&m_nVar);
    reg.AddChar(&m_nRightType);
    reg.AddChar(&m_nRightSubject);
    reg.AddChar(&m_nRightItem);
    reg.AddChar(&m_nRightVarSet);
    reg.AddShort(&m_nRightVar);
  } else {
    reg.AddShort(&m_nDiscarded);
    reg.AddShort(&m_nDiscarded);
  }
  reg.AddChar(&m_nCompare);
  if (nVersion > 42) reg.AddChar(&m_bPercent);
  reg.AddChar(&m_nShape);
}

int cCond::Read(cDataReader& in) {
  int bOk = cDataRecord::Read(in);
  const int32_t v = g_nFileVersion;
  if (v >= 778) return bOk;
  // Each step sees the numbering left by the ones before it.
  if (v < 160 && m_nKind >= 5) m_nKind = ShiftByte(m_nKind, 2);  // status conditions 2 and 3 are new
  if (v <= 160 && m_nKind == 6 && m_nItem == 2) m_nCompare = static_cast<int8_t>(m_nCompare ^ 1);
  if (v < 168 && m_nKind == 4) ShiftStatusItems(*this, 10);
  if (v < 203 && m_nKind == 4) ShiftStatusItems(*this, 5);
  if (v < 210 && m_nKind == 5 && m_nSubject != 2 && m_nItem >= 6) m_nItem = ShiftByte(m_nItem, 1);
  if (v <= 656 && m_nKind == 7) m_nSubject = 0;
  if (v < 745 && m_nKind == 7) m_nLeftType = 0;
  if (v < 746 && m_nKind == 7) {
    m_nRightType = 1;
    m_nRightSubject = 1;
  }
  if (v <= 766 && (m_nKind == 4 || m_nKind == 5)) {
    // Targets 2-4 were inserted after target 1.
    if (m_nSubject >= 2) m_nSubject = ShiftByte(m_nSubject, 3);
    if (m_nRightSubject >= 2) m_nRightSubject = ShiftByte(m_nRightSubject, 3);
  }
  return bOk;
}

void cCondList::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddChar(&m_bUseCond);
  reg.AddChar(&m_nCondJudge);
}

int cCondList::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  if (g_nFileVersion < 766) return 1;  // older lists stored no conditions
  return LoadCondVector(m_vCond, in);
}

void cCondList::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveCondVector(m_vCond, out);
}

const char* const CondKindNames[8] = {"",           "コモン変数条件",  "ステージ変数条件", "キャラ変数条件",
                                      "ステータス条件", "ステータス条件2", "ステータス条件3",  "距離条件"};
const char* const CondJudgeNames[3] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};
const char* const CondTargetNames[6] = {"主人公", "ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4", ""};
const char* const CondShapeNames[8] = {"横", "前", "後", "縦", "前Y", "後Y", "円", ""};
const char* const CondWithinNames[3] = {"以内", "外", ""};
const char* const CondRangeShowNames[4] = {"表示しない", "表示する", "テストプレイ時のみ表示", ""};
const char* const CharaVarNames[9] = {"1 キャラ変数-1", "2 キャラ変数-2", "3 キャラ変数-3",
                                      "4 キャラ変数-4", "5 キャラ変数-5", "6 キャラ変数-6",
                                      "7 キャラ変数-7", "8 キャラ変数-8", ""};
const char* const VarOpNames[8] = {"＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％", ""};
const char* const CondCompareNames[9] = {"である", "でない",       "以上",         "以下", "より上",
                                         "より下", "の倍数である", "の倍数でない", ""};
const char* const CondIfNames[3] = {"なら", "でないなら", ""};
