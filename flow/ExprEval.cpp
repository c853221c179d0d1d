#include "flow/ExprEval.h"

#include <cstdarg>
#include <cstddef>

#include "app/MsgBox.h"
#include "app/TextFormat.h"

namespace {

// Keyword tables; the value of a word is its position.
const char* const FunctionWords[] = {"rand", ""};
const char* const OperatorWords[] = {"=", "+", "-", "*", "/", "%", ""};
const char* const ObjectWords[] = {"my", "tg", "tg1", "tg2", "tg3", "tg4", "pl", "sys", ""};
const char* const VarSetWords[] = {"C", "S", ""};
const char* const FieldWords[] = {"v1",  "v2",  "v3",   "v4",    "v5",    "v6",  "v7",  "v8",
                                  "hp",  "sp",  "mhp",  "msp",   "cid",   "z",   "mark", "sight",
                                  "power", "imp", "def", "impd", "stop", "getsc", ""};
const char* const SystemWords[] = {"time", "scrlx", "scrly", "score", "life", ""};

enum eOp { OP_ASSIGN = 0, OP_ADD, OP_SUB, OP_MUL, OP_DIV, OP_MOD };
// Precedence level of each operator, evaluated from level 0 up.
const int OperatorLevel[] = {2, 1, 1, 0, 0, 0};
constexpr int LEVEL_COUNT = 3;

enum eTokenKind { TK_CONST = 0, TK_VAR, TK_FIELD, TK_SYSTEM, TK_OPERATOR };

constexpr int32_t CONST_MIN = -999999;
constexpr int32_t CONST_MAX = 999999;
constexpr int32_t GAME_MIN = 0;
constexpr int32_t GAME_MAX = 2147483647;
// What a game value stands at during the check; any value would do, since it is never "known".
constexpr int32_t SCRATCH_VALUE = 1;

// A group or call whose value is only a stand-in is written back into the text behind this byte,
// so that the second pass keeps it unknown; it is left out wherever the text is shown.
constexpr char UNKNOWN_MARK = '\x01';

int FindWord(const char* const* ppszTable, const std::string& str) {
  for (int i = 0; ppszTable[i][0] != 0; ++i)
    if (str == ppszTable[i]) return i;
  return -1;
}

// Results wrap like the game's 32-bit integers; the wider type keeps INT_MIN / -1 from trapping.
int32_t Wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

std::string Visible(const std::string& str) {
  std::string out;
  for (char c : str)
    if (c != UNKNOWN_MARK) out += c;
  return out;
}

// The position of the ")" that closes the "(" at i, or npos.
size_t FindClosing(const std::string& e, size_t i) {
  int nDepth = 0;
  for (size_t k = i; k < e.size(); ++k) {
    if (e[k] == '(') ++nDepth;
    if (e[k] == ')' && --nDepth == 0) return k;
  }
  return std::string::npos;
}

// Decimal digits with an optional leading sign, read as a 32-bit integer (longer numbers wrap).
bool ParseConstant(const std::string& str, int32_t& nValue) {
  size_t i = 0;
  bool bNeg = false;
  if (!str.empty() && (str[0] == '-' || str[0] == '+')) {
    bNeg = str[0] == '-';
    i = 1;
  }
  if (i == str.size()) return false;
  uint32_t u = 0;
  for (; i < str.size(); ++i) {
    if (str[i] < '0' || str[i] > '9') return false;
    u = u * 10u + static_cast<uint32_t>(str[i] - '0');
  }
  nValue = static_cast<int32_t>(bNeg ? 0u - u : u);
  return true;
}

}  // namespace

struct cExprEvaluator::cToken {
  int nKind = TK_CONST;
  int32_t nValue = 0;
  bool bKnown = true;
  int32_t* pStore = nullptr;  // what an assignment to this token writes; none for constants
  int nOp = -1;
  int32_t nMin = CONST_MIN;
  int32_t nMax = CONST_MAX;
};

void cExprEvaluator::Report(const char* pszFormat, ...) {
  m_bError = true;
  char sz[MSG_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  ErrorBoxText(sz);
}

int cExprEvaluator::CheckExpression(const char* pszText, int nContext) {
  m_bError = false;
  EvalExpr(pszText ? pszText : "", nContext);
  return m_bError ? 0 : 1;
}

int32_t cExprEvaluator::EvalExpression(const std::string& strText, int nContext) {
  return EvalExpr(strText, nContext).nValue;
}

int32_t cExprEvaluator::EvalTokens(const std::string& strText, int nContext) {
  return EvalTok(strText, nContext).nValue;
}

cExprEvaluator::cValue cExprEvaluator::EvalExpr(const std::string& strText, int nContext) {
  std::string e = strText;
  size_t s = 0;
  size_t i = 0;
  for (;;) {
    if (i >= e.size()) return EvalTok(e, nContext);
    if (e[i] == ' ') {
      s = ++i;
      continue;
    }
    if (e[i] != '(') {
      ++i;
      continue;
    }
    size_t j = FindClosing(e, i);
    if (j == std::string::npos) {
      Report("\")\"が見つかりません！");
      return {0, true};
    }
    cValue v;
    if (i == s) {
      v = EvalExpr(e.substr(i + 1, j - i - 1), nContext);
    } else {
      std::string strName = e.substr(s, i - s);
      if (FindWord(FunctionWords, strName) < 0) {
        ++i;  // not a function: the second pass rejects the token
        continue;
      }
      std::vector<cValue> vArgs;
      size_t nStart = i + 1;
      int nDepth = 0;
      for (size_t k = i + 1; k <= j; ++k) {
        if (e[k] == '(') ++nDepth;
        if (e[k] == ')' && k < j) --nDepth;
        if (k == j || (e[k] == ',' && nDepth == 0)) {
          if (k > nStart) vArgs.push_back(EvalExpr(e.substr(nStart, k - nStart), nContext));
          nStart = k + 1;
        }
      }
      if (vArgs.size() != 2) {
        Report("関数 %s の引数が不正です！", Visible(strName).c_str());
        return {0, true};
      }
      int32_t nLo = vArgs[0].nValue < vArgs[1].nValue ? vArgs[0].nValue : vArgs[1].nValue;
      int32_t nHi = vArgs[0].nValue < vArgs[1].nValue ? vArgs[1].nValue : vArgs[0].nValue;
      v.nValue = m_Env.m_pfnRandRange ? m_Env.m_pfnRandRange(nLo, nHi) : nLo;
      v.bKnown = false;
    }
    std::string strValue = std::to_string(v.nValue);
    if (!v.bKnown) strValue.insert(strValue.begin(), UNKNOWN_MARK);
    e = e.substr(0, s) + strValue + e.substr(j + 1);
    i = s;
  }
}

bool cExprEvaluator::ReadTokens(const std::string& strText, std::vector<cToken>& vTokens,
                                cValue& cur) {
  std::string tok;
  for (size_t i = 0; i <= strText.size(); ++i) {
    char c = i < strText.size() ? strText[i] : ' ';
    if (c == '.') {
      if (FindWord(ObjectWords, tok) < 0) {
        Report("オブジェクト \"%s.\" が認識できません！", Visible(tok).c_str());
        return false;
      }
      tok.clear();  // which object a field names does not matter to the check
      continue;
    }
    if (c != ' ') {
      tok += c;
      continue;
    }
    if (tok.empty()) continue;
    cToken t;
    int nOp = FindWord(OperatorWords, tok);
    if (nOp >= 0) {
      t.nKind = TK_OPERATOR;
      t.nOp = nOp;
      t.bKnown = false;  // an operator read as an operand has no value of its own
    } else if (tok[0] == VarSetWords[0][0] || tok[0] == VarSetWords[1][0]) {
      t.nKind = TK_VAR;
    } else if (FindWord(FieldWords, tok) >= 0) {
      t.nKind = TK_FIELD;
    } else if (FindWord(SystemWords, tok) >= 0) {
      t.nKind = TK_SYSTEM;
    } else {
      bool bUnknown = tok[0] == UNKNOWN_MARK;
      if (!ParseConstant(bUnknown ? tok.substr(1) : tok, t.nValue)) {
        Report("定数 \"%s\" が認識できません！", Visible(tok).c_str());
        return false;
      }
      t.bKnown = !bUnknown;
    }
    if (t.nKind != TK_CONST && t.nKind != TK_OPERATOR) {
      t.nValue = SCRATCH_VALUE;
      t.bKnown = false;
      t.pStore = &m_nScratch;
      if (t.nKind != TK_VAR) {
        t.nMin = GAME_MIN;
        t.nMax = GAME_MAX;
      }
    }
    if (t.nKind != TK_OPERATOR) cur = {t.nValue, t.bKnown};
    vTokens.push_back(t);
    tok.clear();
  }
  return true;
}

bool cExprEvaluator::Apply(const cToken& a, const cToken& op, const cToken& b,
                           const std::string& strText, cValue& r) {
  r.bKnown = a.bKnown && b.bKnown;
  int64_t x = a.nValue;
  int64_t y = b.nValue;
  switch (op.nOp) {
    case OP_ASSIGN:
      if (!a.pStore) {
        Report("代入先が不正です！");
        return false;
      }
      r.nValue = b.nValue < a.nMin ? a.nMin : b.nValue > a.nMax ? a.nMax : b.nValue;
      r.bKnown = b.bKnown;
      *a.pStore = r.nValue;
      return true;
    case OP_ADD:
      r.nValue = Wrap32(x + y);
      return true;
    case OP_SUB:
      r.nValue = Wrap32(x - y);
      return true;
    case OP_MUL:
      r.nValue = Wrap32(x * y);
      return true;
    default:
      break;
  }
  if (y == 0) {
    if (b.bKnown) {
      Report("0除算が行われました！(%s)", Visible(strText).c_str());
      return false;
    }
    r.nValue = 0;  // only the game knows the divisor
    return true;
  }
  r.nValue = Wrap32(op.nOp == OP_DIV ? x / y : x % y);
  return true;
}

cExprEvaluator::cValue cExprEvaluator::EvalTok(const std::string& strText, int /*nContext*/) {
  std::vector<cToken> v;
  cValue cur{0, true};
  if (!ReadTokens(strText, v, cur)) return {0, true};
  for (int nLevel = 0; nLevel < LEVEL_COUNT; ++nLevel) {
    for (;;) {
      size_t k = 0;
      while (k < v.size() && !(v[k].nKind == TK_OPERATOR && OperatorLevel[v[k].nOp] == nLevel)) ++k;
      if (k == v.size()) break;
      if (k == 0 || k + 1 == v.size()) {
        Report("演算子 \"%s\" の使い方が不正です！", OperatorWords[v[k].nOp]);
        return {0, true};
      }
      cValue r;
      if (!Apply(v[k - 1], v[k], v[k + 1], strText, r)) return {0, true};
      cToken t;
      t.nValue = r.nValue;
      t.bKnown = r.bKnown;
      v[k - 1] = t;
      // Up to version 7.51 the right operand stayed behind the result and took part again.
      size_t nEnd = m_Env.m_bCompat751 ? k + 1 : k + 2;
      v.erase(v.begin() + static_cast<ptrdiff_t>(k), v.begin() + static_cast<ptrdiff_t>(nEnd));
      cur = r;
    }
  }
  return cur;
}

int CheckExpression(const char* pszText, int nContext, const cExprEnv& env) {
  cExprEvaluator eval(env);
  return eval.CheckExpression(pszText, nContext);
}
