#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "flow/FlowRowText.h"
#include "flow/FlowTextWorld.h"

namespace {

cEdFlow FlowOf(int nCommands, int8_t nGroup, int8_t nId) {
  cEdFlow f;
  f.m_vCommand.resize(static_cast<size_t>(nCommands));
  f.m_nGroup = nGroup;
  f.m_nId = nId;
  return f;
}

// Times as given; the listed slots pressed, or released with bReleased.
cEdKeyCond KeyOf(int16_t nMin, int16_t nMax, int8_t bInfinite, int8_t nJudge, std::initializer_list<int> slots,
                 bool bReleased = false) {
  cEdKeyCond k;
  k.m_nTimeMin = nMin;
  k.m_nTimeMax = nMax;
  k.m_bTimeInfinite = bInfinite;
  k.m_nJudge = nJudge;
  for (int i : slots) k.m_vKeyState[i] = bReleased ? 2 : 1;
  return k;
}

}  // namespace

TEST(FlowRowText, FlowRowCountsCommandsAndNamesGroupAndId) {
  const struct {
    const char* pszExpected;
    cEdFlow flow;
  } rows[] = {
      {"×0 - -", cEdFlow()},
      {"×3 - A", FlowOf(3, 0, 1)},
      {"×1 z Z", FlowOf(1, 26, 26)},
      {"×12 b -", FlowOf(12, 2, 0)},
      {"×0  ", FlowOf(0, 27, -1)},  // values no combo stores
  };
  for (const auto& row : rows) {
    std::string line = "stale";
    FlowListText(line, 0, row.flow);
    EXPECT_TRUE(SameLine(row.pszExpected, line));
  }
}

TEST(FlowRowText, KeyConditionRowShowsTimesAndPressedKeys) {
  const struct {
    const char* pszExpected;
    cEdKeyCond key;
  } rows[] = {
      {"0～0 ： ", cEdKeyCond()},
      {"1～10 ： → + Z ", KeyOf(1, 10, 0, 0, {2, 11})},
      {"1～∞ ： 方n ･ アn ", KeyOf(5, 9, 1, 1, {0, 10})},
      {"1～999 ： ← / ↑ / Z ", KeyOf(1, 999, 0, 2, {1, 3, 11})},
      {"1～999 ： ", KeyOf(1, 999, 0, 0, {2, 11, 18}, true)},
      {"1～∞ ： ", KeyOf(1, 999, 1, 0, {})},
      {"方n + ← + → + ↑ + ↓ + ←↑ + ←↓ + →↑ + →↓ + 方向 + アn + Z + X + C + V + A + S + D + F ",
       KeyOf(3, 4, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})},
  };
  for (const auto& row : rows) {
    std::string line = "stale";
    KeyCondListText(line, 0, row.key);
    std::string expected = row.pszExpected;
    if (expected.find("：") == std::string::npos) expected = "3～4 ： " + expected;
    EXPECT_TRUE(SameLine(expected, line));
  }
}

TEST(FlowRowText, KeyConditionRowIsShiftJis) {
  std::string line;
  KeyCondListText(line, 0, KeyOf(1, 1, 1, 1, {11, 12}));
  EXPECT_EQ("31 81 60 81 87 20 81 46 20 5A 20 A5 20 58 20", HexOf({line.begin(), line.end()}));  // "1～∞ ： Z ･ X "
}

TEST(FlowRowText, KeyConditionRowSurvivesAShortStateVector) {
  cEdKeyCond k = KeyOf(2, 8, 0, 0, {});
  k.m_vKeyState.assign(5, 0);
  k.m_vKeyState[4] = 1;
  k.m_nJudge = 7;  // no mark
  std::string line;
  KeyCondListText(line, 0, k);
  EXPECT_TRUE(SameLine("2～8 ： ↓ ", line));
}
