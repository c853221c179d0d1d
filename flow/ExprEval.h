// The check of the code-execution command's expression. The editor cannot run the code, so it runs
// the whole evaluation with scratch values in place of the game's values and reports every error
// it meets in an error box; the command is stored only when the check passes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What an evaluation reads from outside: the compatibility switch of the system data that selects
// the evaluation of version 7.51 and before, and the random draw of "rand" (an integer from lo to
// hi inclusive, lo <= hi). The caller fills it from the system data at every check.
struct cExprEnv {
  int32_t m_bCompat751 = 0;
  int32_t (*m_pfnRandRange)(int32_t nLo, int32_t nHi) = nullptr;
};

class cExprEvaluator {
 public:
  explicit cExprEvaluator(const cExprEnv& env) : m_Env(env) {}

  // 1 when the whole expression was evaluated without error, 0 after one or more errors were shown.
  // The context is handed down to the nested evaluations and not otherwise read.
  int CheckExpression(const char* pszText, int nContext);
  // First pass: groups and function calls are replaced by their values, then the rest is evaluated.
  int32_t EvalExpression(const std::string& strText, int nContext);
  // Second pass: blank-separated tokens evaluated by operator precedence.
  int32_t EvalTokens(const std::string& strText, int nContext);

  bool HasError() const { return m_bError; }

 private:
  // A value and whether it is known to the editor: a value that comes from the game (a variable, a
  // field, a system value, a random draw) is only a stand-in, so a division by it is never reported.
  struct cValue {
    int32_t nValue;
    bool bKnown;
  };
  struct cToken;

  cValue EvalExpr(const std::string& strText, int nContext);
  cValue EvalTok(const std::string& strText, int nContext);
  bool ReadTokens(const std::string& strText, std::vector<cToken>& vTokens, cValue& cur);
  bool Apply(const cToken& a, const cToken& op, const cToken& b, const std::string& strText,
             cValue& r);
  void Report(const char* pszFormat, ...);

  cExprEnv m_Env;
  bool m_bError = false;
  int32_t m_nScratch = 0;  // the storage that assignments to game values write
};

// The check as the code-execution dialog runs it.
int CheckExpression(const char* pszText, int nContext, const cExprEnv& env);
