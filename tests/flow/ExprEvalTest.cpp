#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "flow/ExprEval.h"
#include "support/TestSupport.h"

namespace {

std::vector<std::pair<int32_t, int32_t>> s_RandCalls;

// Draws the smaller bound, so results are fixed; records what the evaluator asked for.
int32_t LowestRand(int32_t nLo, int32_t nHi) {
  s_RandCalls.push_back({nLo, nHi});
  return nLo;
}

struct cRun {
  bool bError;
  int32_t nValue;
  std::vector<std::string> vMessages;
};

cRun Evaluate(const std::string& strText, int32_t bCompat = 0) {
  cMsgBoxRecorder rec;
  cExprEnv env;
  env.m_bCompat751 = bCompat;
  env.m_pfnRandRange = LowestRand;
  cExprEvaluator eval(env);
  cRun run;
  run.nValue = eval.EvalExpression(strText, 0);
  run.bError = eval.HasError();
  for (const cShownBox& box : rec.Shown()) {
    EXPECT_EQ(std::string("エラー"), box.strCaption) << strText;
    run.vMessages.push_back(box.strText);
  }
  return run;
}

struct cValueCase {
  const char* pszText;
  int32_t bCompat;
  int32_t nValue;
};

}  // namespace

TEST(ExprEval, ComputesByPrecedenceGroupsAndAssignment) {
  const cValueCase cases[] = {
      {"1 + 2 * 3", 0, 7},
      {"2 * 3 + 4 * 5", 0, 26},
      {"10 - 4 - 3", 0, 3},
      {"7 / 2", 0, 3},
      {"-7 / 2", 0, -3},
      {"-7 % 3", 0, -1},
      {"(1 + 2) * 3", 0, 9},
      {"((1 + 2) * (3 + 4))", 0, 21},
      {"2 * (3 + (4 - 1) * 2)", 0, 18},
      {"-5 + +3", 0, -2},
      {"", 0, 0},
      {"   ", 0, 0},
      {"1 2 3", 0, 3},  // no operator: the last operand read
      {"C1 = 3 + 4 * 2", 0, 11},
      {"my.hp = 100", 0, 100},
      {"sys.time = 7", 0, 7},
      {"tg3.v8 = 2", 0, 2},
      // An assigned value is kept in the range of its target.
      {"C1 = 5000000", 0, 999999},
      {"S7 = -5000000", 0, -999999},
      {"my.hp = -5", 0, 0},
      // Up to version 7.51 the right operand of an operation took part in the next one as well.
      {"1 + 2 + 3", 0, 6},
      {"1 + 2 + 3", 1, 5},
      {"C1 = 1 + 2 + 3", 0, 6},
      {"C1 = 1 + 2 + 3", 1, 3},
      {"2 * 3 * 4", 1, 12},
      // 32-bit results wrap instead of trapping.
      {"2147483647 + 1", 0, INT_MIN},
      {"-2147483648 - 1", 0, INT_MAX},
      {"65536 * 65536", 0, 0},
      {"-2147483648 / -1", 0, INT_MIN},
      {"-2147483648 % -1", 0, 0},
      {"4294967297", 0, 1},
  };
  for (const cValueCase& c : cases) {
    cRun run = Evaluate(c.pszText, c.bCompat);
    EXPECT_FALSE(run.bError) << c.pszText;
    EXPECT_TRUE(run.vMessages.empty()) << c.pszText;
    EXPECT_EQ(c.nValue, run.nValue) << c.pszText << " compat " << c.bCompat;
  }
}

TEST(ExprEval, RandDrawsFromTheOrderedRange) {
  struct {
    const char* pszText;
    std::vector<std::pair<int32_t, int32_t>> vCalls;
    int32_t nValue;
  } cases[] = {
      {"rand(1, 6)", {{1, 6}}, 1},
      {"rand(6, 1)", {{1, 6}}, 1},
      {"rand(1,,2)", {{1, 2}}, 1},  // empty pieces are no arguments
      {"rand(rand(5, 9), 3) * 2", {{5, 9}, {3, 5}}, 6},
      {"rand(-2147483648, 2147483647)", {{INT_MIN, INT_MAX}}, INT_MIN},
  };
  for (const auto& c : cases) {
    s_RandCalls.clear();
    cRun run = Evaluate(c.pszText);
    EXPECT_FALSE(run.bError) << c.pszText;
    EXPECT_EQ(c.vCalls, s_RandCalls) << c.pszText;
    EXPECT_EQ(c.nValue, run.nValue) << c.pszText;
  }
}

TEST(ExprEval, DivisionByGameValuesIsNotReported) {
  // Variables, fields and random draws have stand-in values; only the game knows them.
  for (const char* psz : {"10 / C1", "10 % my.hp", "100 / (C1 - C2)", "10 / rand(0, 1)",
                          "1 + * 2", "5 / + 3"}) {
    cRun run = Evaluate(psz);
    EXPECT_FALSE(run.bError) << psz;
    EXPECT_TRUE(run.vMessages.empty()) << psz;
  }
}

TEST(ExprEval, ReportsEveryErrorWithItsMessage) {
  const struct {
    const char* pszText;
    std::vector<std::string> vMessages;
  } cases[] = {
      {"(1 + 2", {"\")\"が見つかりません！"}},
      {"rand(1)", {"関数 rand の引数が不正です！"}},
      {"rand(1, 2, 3)", {"関数 rand の引数が不正です！"}},
      {"1+2", {"定数 \"1+2\" が認識できません！"}},
      {"foo.hp = 1", {"オブジェクト \"foo.\" が認識できません！"}},
      {"1 +", {"演算子 \"+\" の使い方が不正です！"}},
      {"+ 1", {"演算子 \"+\" の使い方が不正です！"}},
      {"= 5", {"演算子 \"=\" の使い方が不正です！"}},
      {"5 = 3", {"代入先が不正です！"}},
      {"10 / 0", {"0除算が行われました！(10 / 0)"}},
      {"10 % 0", {"0除算が行われました！(10 % 0)"}},
      {"C1 / 0", {"0除算が行われました！(C1 / 0)"}},
      // An error inside a group gives 0 there; the text around it goes on and may fail again.
      {"(1 / 0) + foo", {"0除算が行われました！(1 / 0)", "定数 \"foo\" が認識できません！"}},
      // A blank before the parenthesis makes it a group, and "rand" a word of its own.
      {"rand (1, 2)", {"定数 \"1,\" が認識できません！", "定数 \"rand\" が認識できません！"}},
      // The text shown is the text of the pass, with the group's value in place.
      {"(C1) + 1 / 0", {"0除算が行われました！(1 + 1 / 0)"}},
  };
  for (const auto& c : cases) {
    cRun run = Evaluate(c.pszText);
    EXPECT_TRUE(run.bError) << c.pszText;
    EXPECT_EQ(c.vMessages, run.vMessages) << c.pszText;
    EXPECT_EQ(0, run.nValue) << c.pszText;
  }
}

TEST(ExprEval, MessagesAreShiftJisBytes) {
  cRun run = Evaluate("5 = 3");
  ASSERT_EQ(1u, run.vMessages.size());
  const std::string& msg = run.vMessages[0];
  EXPECT_EQ("91 E3 93 FC 90 E6 82 AA 95 73 90 B3 82 C5 82 B7 81 49",
            HexOf(std::vector<unsigned char>(msg.begin(), msg.end())));
}

TEST(ExprEval, CheckPassesOnlyWithoutErrors) {
  cMsgBoxRecorder rec;
  cExprEnv env;
  env.m_pfnRandRange = LowestRand;
  EXPECT_EQ(1, CheckExpression("C1 = rand(1, 6) + 1", 0, env));
  EXPECT_EQ(0, CheckExpression("1+2", 0, env));
  EXPECT_EQ(1, CheckExpression("", 0, env));
  // The same evaluator clears its error state at every check.
  cExprEvaluator eval(env);
  EXPECT_EQ(0, eval.CheckExpression("10 / 0", 0));
  EXPECT_EQ(1, eval.CheckExpression("10 / 2", 0));
  EXPECT_EQ(2u, rec.Shown().size());
}

TEST(ExprEval, DeepNestingIsEvaluated) {
  std::string str = std::string(1000, '(') + "1 + 1" + std::string(1000, ')');
  cRun run = Evaluate(str);
  EXPECT_FALSE(run.bError);
  EXPECT_EQ(2, run.nValue);
}
