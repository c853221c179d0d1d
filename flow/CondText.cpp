#include "flow/CondText.h"

#include "app/TextFormat.h"
#include "flow/TextWords.h"
#include "model/CommandKindTable.h"

namespace {

enum { SUBJECT_SYSTEM = 5 };

// The subject word of a status condition; empty when the current sheet gives no words.
std::string SubjectWord(const cFlowTextContext& ctx, int nSubject) {
  cChkVector<std::string> v;
  MakeTargetNameList(v, true, ctx);
  const std::string* p = EntryOf(v, nSubject);
  return p != nullptr ? *p : std::string();
}

bool IsCharaSubject(int nSubject) { return nSubject >= 0 && nSubject < SUBJECT_SYSTEM; }

void AppendVarCompare(std::string& line, const cCond& c, const cNameView& names) {
  FormatAppend(line, " ： 「%s」 が %d %s", NumberedName(names, c.m_nVar).c_str(), c.m_nValue,
                  Word(CondCompareNames, c.m_nCompare));
}

void AppendStatusLeft(std::string& line, const cCond& c, const cFlowTextContext& ctx) {
  if (c.m_nLeftType == 0 && IsCharaSubject(c.m_nSubject)) {
    const std::string strWho = SubjectWord(ctx, c.m_nSubject);
    if (c.m_nItem == 0)
      FormatAppend(line, " %s の 「%s」 が", strWho.c_str(), CharaVarWord(c.m_nVar));
    else
      FormatAppend(line, " %s の %s が", strWho.c_str(), NameOf(StatusInfoTable, c.m_nItem));
  } else if (c.m_nLeftType == 0 && c.m_nSubject == SUBJECT_SYSTEM) {
    FormatAppend(line, " %s が", NameOf(SystemValueTable, c.m_nItem));
  } else if (c.m_nLeftType == 1) {
    FormatAppend(line, " 「%s」が", NumberedName(ctx.VarNames(c.m_nLeftVarSet), c.m_nVar).c_str());
  }
}

void AppendStatusRight(std::string& line, const cCond& c, const cFlowTextContext& ctx) {
  switch (c.m_nRightType) {
    case 0:
      FormatAppend(line, " %d", c.m_nValue);
      break;
    case 1:
      FormatAppend(line, " %d～%d", c.m_nRandMin, c.m_nRandMax);
      break;
    case 2:
      if (IsCharaSubject(c.m_nRightSubject)) {
        const std::string strWho = SubjectWord(ctx, c.m_nRightSubject);
        if (c.m_nRightItem == 0)
          FormatAppend(line, " %s の 「%s」", strWho.c_str(), CharaVarWord(c.m_nRightVar));
        else
          FormatAppend(line, " %s の %s", strWho.c_str(), NameOf(StatusInfoTable, c.m_nRightItem));
      } else if (c.m_nRightSubject == SUBJECT_SYSTEM) {
        FormatAppend(line, " %s", NameOf(SystemValueTable, c.m_nRightItem));
      }
      break;
    case 3:
      FormatAppend(line, " 「%s」", NumberedName(ctx.VarNames(c.m_nRightVarSet), c.m_nRightVar).c_str());
      break;
    default:
      break;
  }
}

void AppendStatus(std::string& line, const cCond& c, const cFlowTextContext& ctx) {
  line += " ：";
  AppendStatusLeft(line, c, ctx);
  AppendStatusRight(line, c, ctx);
  if (c.m_bPercent) line += "%";
  FormatAppend(line, " %s", Word(CondCompareNames, c.m_nCompare));
}

void AppendStatus2(std::string& line, const cCond& c, const cFlowTextContext& ctx) {
  line += " ：";
  if (IsCharaSubject(c.m_nSubject)) {
    FormatAppend(line, " %s の %s が %s", SubjectWord(ctx, c.m_nSubject).c_str(),
                    NameOf(Status2InfoTable, c.m_nItem), OptionWordOf(Status2InfoTable, c.m_nItem, c.m_nVar));
  } else if (c.m_nSubject == SUBJECT_SYSTEM) {
    FormatAppend(line, " %s が %s", NameOf(ScrollInfoTable, c.m_nItem),
                    OptionWordOf(ScrollInfoTable, c.m_nItem, c.m_nVar));
  }
  FormatAppend(line, " %s", Word(CondCompareNames, c.m_nCompare));
}

}  // namespace

void MakeTargetNameList(cChkVector<std::string>& v, bool bSystem, const cFlowTextContext& ctx) {
  v.clear();
  const eSubjectWording eWording = ctx.SubjectWording();
  if (eWording == WORDING_NONE) return;
  const char* const* ppszWords = eWording == WORDING_SELF ? CharaStatusSubjectNames : HeroStatusSubjectNames;
  const int nCount = bSystem ? SUBJECT_SYSTEM + 1 : SUBJECT_SYSTEM;
  for (int i = 0; i < nCount; ++i) v.push_back(ppszWords[i]);
}

void FormatCondLine(std::string& line, const cCond& c, const cFlowTextContext& ctx) {
  FormatStr(line, "%s", Word(CondKindNames, c.m_nKind));
  switch (c.m_nKind) {
    case 1:
    case 2:
      AppendVarCompare(line, c, ctx.VarNames(c.m_nKind - 1));
      break;
    case 3:
      FormatAppend(line, " ： キャラ変数 「%s」が %d %s", CharaVarWord(c.m_nVar), c.m_nValue,
                      Word(CondCompareNames, c.m_nCompare));
      break;
    case 4:
      AppendStatus(line, c, ctx);
      break;
    case 5:
      AppendStatus2(line, c, ctx);
      break;
    case 6:
      FormatAppend(line, " ： %s が %s %s", SubjectWord(ctx, c.m_nSubject).c_str(),
                      Word(Status3StateNames, c.m_nItem), Word(CondIfNames, c.m_nCompare));
      break;
    case 7:
      // Distance conditions call subject 0 the hero whatever sheet is current.
      FormatAppend(line, " ： %s が %s %d %s", Word(CondTargetNames, c.m_nSubject), Word(CondShapeNames, c.m_nShape),
                      c.m_nValue, Word(CondWithinNames, c.m_nCompare));
      break;
    default:
      break;
  }
}

void FormatCondText(std::string& line, int /*nRow*/, const cCond& cond) {
  cFlowTextContext ctx;
  GetFlowTextContext(ctx);
  FormatCondLine(line, cond, ctx);
}
