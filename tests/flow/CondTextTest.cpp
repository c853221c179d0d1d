#include <gtest/gtest.h>

#include <string>

#include "flow/CondText.h"
#include "flow/FlowTextWorld.h"

namespace {

cCond Cond(int8_t nKind) {
  cCond c;
  c.m_nKind = nKind;
  return c;
}

cCond VarCond(int8_t nKind, int16_t nVar, int32_t nValue, int8_t nCompare) {
  cCond c = Cond(nKind);
  c.m_nVar = nVar;
  c.m_nValue = nValue;
  c.m_nCompare = nCompare;
  return c;
}

// A status condition: the left side as subject, item and variable, the right side as its kind.
cCond Status(int8_t nSubject, int8_t nItem, int16_t nVar, int8_t nRightType, int8_t nCompare) {
  cCond c = Cond(4);
  c.m_nSubject = nSubject;
  c.m_nItem = nItem;
  c.m_nVar = nVar;
  c.m_nRightType = nRightType;
  c.m_nCompare = nCompare;
  return c;
}

cCond RightStatus(cCond c, int8_t nSubject, int8_t nItem, int16_t nVar) {
  c.m_nRightSubject = nSubject;
  c.m_nRightItem = nItem;
  c.m_nRightVar = nVar;
  return c;
}

cCond Flag(int8_t nKind, int8_t nSubject, int8_t nItem, int16_t nValue, int8_t nCompare) {
  cCond c = Cond(nKind);
  c.m_nSubject = nSubject;
  c.m_nItem = nItem;
  c.m_nVar = nValue;
  c.m_nCompare = nCompare;
  return c;
}

struct cCondCase {
  const char* pszSelf;  // with a character data sheet current
  const char* pszHero;  // with a block data sheet current
  cCond (*fnMake)();
};

const cCondCase s_Cases[] = {
    {"", "", [] { return Cond(0); }},
    {"コモン変数条件 ： 「005 スコア倍率」 が 3 以上", "コモン変数条件 ： 「005 スコア倍率」 が 3 以上",
     [] { return VarCond(1, 5, 3, 2); }},
    {"コモン変数条件 ： 「007 」 が 0 である", "コモン変数条件 ： 「007 」 が 0 である", [] { return VarCond(1, 7, 0, 0); }},
    {"コモン変数条件 ： 「999 」 が 0 である", "コモン変数条件 ： 「999 」 が 0 である", [] { return VarCond(1, 999, 0, 0); }},
    {"ステージ変数条件 ： 「003 扉」 が -1 でない", "ステージ変数条件 ： 「003 扉」 が -1 でない",
     [] { return VarCond(2, 3, -1, 1); }},
    {"キャラ変数条件 ： キャラ変数 「1 キャラ変数-1」が 0 である", "キャラ変数条件 ： キャラ変数 「1 キャラ変数-1」が 0 である",
     [] { return VarCond(3, 1, 0, 0); }},
    {"キャラ変数条件 ： キャラ変数 「」が 0 の倍数でない", "キャラ変数条件 ： キャラ変数 「」が 0 の倍数でない",
     [] { return VarCond(3, 9, 0, 7); }},

    {"ステータス条件 ： 自分 の HP が 50% 以上", "ステータス条件 ： 主人公 の HP が 50% 以上",
     [] {
       cCond c = Status(0, 1, 0, 0, 2);
       c.m_nValue = 50;
       c.m_bPercent = 1;
       return c;
     }},
    {"ステータス条件 ： ターゲット2 の 「4 キャラ変数-4」 が 1～10 より上",
     "ステータス条件 ： ターゲット2 の 「4 キャラ変数-4」 が 1～10 より上",
     [] {
       cCond c = Status(2, 0, 4, 1, 4);
       c.m_nRandMin = 1;
       c.m_nRandMax = 10;
       return c;
     }},
    {"ステータス条件 ： スコア が 自分 の 倒したら獲得するスコア でない",
     "ステータス条件 ： スコア が 主人公 の 倒したら獲得するスコア でない",
     [] { return RightStatus(Status(5, 3, 0, 2, 1), 0, 14, 0); }},
    {"ステータス条件 ： 自分 の SP が ターゲット1 の 「2 キャラ変数-2」 より下",
     "ステータス条件 ： 主人公 の SP が ターゲット1 の 「2 キャラ変数-2」 より下",
     [] { return RightStatus(Status(0, 2, 0, 2, 5), 1, 0, 2); }},
    {"ステータス条件 ： 自分 の 防御力 が 時間 の倍数である", "ステータス条件 ： 主人公 の 防御力 が 時間 の倍数である",
     [] { return RightStatus(Status(0, 11, 0, 2, 6), 5, 0, 0); }},
    {"ステータス条件 ： 「005 スコア倍率」が 「003 扉」 以下", "ステータス条件 ： 「005 スコア倍率」が 「003 扉」 以下",
     [] {
       cCond c = Status(0, 0, 5, 3, 3);
       c.m_nLeftType = 1;
       c.m_nRightVarSet = 1;
       c.m_nRightVar = 3;
       return c;
     }},
    {"ステータス条件 ： 「003 扉」が -7 である", "ステータス条件 ： 「003 扉」が -7 である",
     [] {
       cCond c = Status(0, 0, 3, 0, 0);
       c.m_nLeftType = 1;
       c.m_nLeftVarSet = 1;
       c.m_nValue = -7;
       return c;
     }},
    {"ステータス条件 ： でない", "ステータス条件 ： でない",
     [] {
       cCond c = Status(0, 0, 3, 4, 1);
       c.m_nLeftType = 2;
       return c;
     }},
    {"ステータス条件 ： 0 である", "ステータス条件 ： 0 である", [] { return Status(6, 1, 0, 0, 0); }},
    {"ステータス条件 ： 自分 の  が 0 である", "ステータス条件 ： 主人公 の  が 0 である", [] { return Status(0, 40, 0, 0, 0); }},

    {"ステータス条件2 ： 自分 の 巨大化 が しない である", "ステータス条件2 ： 主人公 の 巨大化 が しない である",
     [] { return Flag(5, 0, 5, 1, 0); }},
    {"ステータス条件2 ： 自分 の 巨大化 が ×100 でない", "ステータス条件2 ： 主人公 の 巨大化 が ×100 でない",
     [] { return Flag(5, 0, 5, 10, 1); }},
    {"ステータス条件2 ： ターゲット3 の 飛行 が ON (ブロックに当たると即死) である",
     "ステータス条件2 ： ターゲット3 の 飛行 が ON (ブロックに当たると即死) である", [] { return Flag(5, 3, 3, 3, 0); }},
    {"ステータス条件2 ： 横スクロール が オートスクロール でない", "ステータス条件2 ： 横スクロール が オートスクロール でない",
     [] { return Flag(5, 5, 0, 1, 1); }},
    {"ステータス条件2 ： 自分 の 透明 が  である", "ステータス条件2 ： 主人公 の 透明 が  である",
     [] { return Flag(5, 0, 1, 2, 0); }},

    {"ステータス条件3 ： 自分 が ブロックに乗っている(ブロックキャラも含む) でないなら",
     "ステータス条件3 ： 主人公 が ブロックに乗っている(ブロックキャラも含む) でないなら", [] { return Flag(6, 0, 2, 0, 1); }},
    {"ステータス条件3 ： ターゲット4 が 存在している なら", "ステータス条件3 ： ターゲット4 が 存在している なら",
     [] { return Flag(6, 4, 4, 0, 0); }},

    {"距離条件 ： 主人公 が 円 10 以内", "距離条件 ： 主人公 が 円 10 以内",
     [] {
       cCond c = Flag(7, 0, 3, 0, 0);
       c.m_nShape = 6;
       c.m_nValue = 10;
       c.m_nRightVar = 15;  // extra dots and the display fields are not shown
       c.m_nLeftType = 1;
       return c;
     }},
    {"距離条件 ： ターゲット1 が 前Y 4 外", "距離条件 ： ターゲット1 が 前Y 4 外",
     [] {
       cCond c = Flag(7, 1, 0, 0, 1);
       c.m_nShape = 4;
       c.m_nValue = 4;
       return c;
     }},

    {"", "", [] { return Cond(8); }},
};

class CondText : public cFlowTextWorld {};

}  // namespace

TEST_F(CondText, EveryKindReadsInBothWordings) {
  for (const cCondCase& row : s_Cases) {
    const cCond cond = row.fnMake();
    std::string line = "stale";
    m_Ctx.m_eSheet = SHEET_CHARA;
    FormatCondLine(line, cond, m_Ctx);
    EXPECT_TRUE(SameLine(row.pszSelf, line)) << "kind " << int(cond.m_nKind);
    m_Ctx.m_eSheet = SHEET_BLOCK;
    FormatCondLine(line, cond, m_Ctx);
    EXPECT_TRUE(SameLine(row.pszHero, line)) << "kind " << int(cond.m_nKind);
  }
}

TEST_F(CondText, EveryComparisonWordEndsTheLine) {
  struct {
    int8_t nKind;
    const char* const* ppszWords;
  } const kinds[] = {{1, CondCompareNames}, {4, CondCompareNames}, {5, CondCompareNames},
                     {6, CondIfNames},      {7, CondWithinNames}};
  for (const auto& k : kinds) {
    for (int8_t i = 0; k.ppszWords[i][0] != 0; ++i) {
      std::string line;
      FormatCondLine(line, Flag(k.nKind, 0, 1, 0, i), m_Ctx);
      const std::string strTail = std::string(" ") + k.ppszWords[i];
      ASSERT_GE(line.size(), strTail.size());
      EXPECT_EQ(strTail, line.substr(line.size() - strTail.size())) << int(k.nKind) << " " << int(i);
    }
  }
}

TEST_F(CondText, SubjectWordsFollowTheCurrentSheet) {
  const struct {
    eDataSheet eSheet;
    bool bItemCmdPalette;
    bool bSystem;
    const char* pszFirst;
    size_t nCount;
  } rows[] = {
      {SHEET_BLOCK, false, false, "主人公", 5},  {SHEET_BLOCK, true, true, "主人公", 6},
      {SHEET_CHARA, false, true, "自分", 6},     {SHEET_CHARA, false, false, "自分", 5},
      {SHEET_ITEM, false, true, "主人公", 6},    {SHEET_ITEM, true, true, "自分", 6},
      {SHEET_NONE, true, true, nullptr, 0},
  };
  for (const auto& row : rows) {
    m_Ctx.m_eSheet = row.eSheet;
    m_Ctx.m_bItemCmdPalette = row.bItemCmdPalette;
    cChkVector<std::string> v = {"old"};
    MakeTargetNameList(v, row.bSystem, m_Ctx);
    ASSERT_EQ(row.nCount, v.size()) << row.eSheet;
    if (row.nCount == 0) continue;
    EXPECT_EQ(row.pszFirst, v[0]);
    EXPECT_EQ("ターゲット1", v[1]);
    EXPECT_EQ("ターゲット4", v[4]);
    if (row.bSystem) {
      EXPECT_EQ("システム", v[5]);
    }
  }
}

TEST_F(CondText, NoCurrentSheetLeavesTheSubjectOut) {
  m_Ctx.m_eSheet = SHEET_NONE;
  cCond c = Status(0, 1, 0, 0, 2);
  c.m_nValue = 50;
  std::string line;
  FormatCondLine(line, c, m_Ctx);
  EXPECT_TRUE(SameLine("ステータス条件 ：  の HP が 50 以上", line));
}

TEST_F(CondText, ListCallbackFollowsTheInstalledContext) {
  const cCond c = Flag(6, 0, 0, 0, 0);
  std::string line;
  cInstalledContext installed(m_Ctx);
  m_Ctx.m_eSheet = SHEET_ITEM;
  m_Ctx.m_bItemCmdPalette = true;
  FormatCondText(line, 2, c);
  EXPECT_TRUE(SameLine("ステータス条件3 ： 自分 が 左向き なら", line));
  m_Ctx.m_bItemCmdPalette = false;  // the item sheet went back to its first page
  FormatCondText(line, 2, c);
  EXPECT_TRUE(SameLine("ステータス条件3 ： 主人公 が 左向き なら", line));
}
