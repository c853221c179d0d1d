#include "flow/CommandText.h"

#include <cstdint>

#include "app/TextFormat.h"
#include "flow/TextWords.h"
#include "model/ArrangeTable.h"
#include "model/Cond.h"
#include "model/Database.h"

namespace {

enum { OWNER_SYSTEM = 5, FLOW_BY_ID = 2, EFFECT_ROUND_TRIP = 2, ARRANGE_CHARA_VAR = 2 };

// Parameter i, or 0 when a short parameter vector has none.
int32_t P(const cEdCommand& c, int i) { return static_cast<size_t>(i) < c.m_vParam.size() ? c.m_vParam.data()[i] : 0; }

const char* ParallelFormat(const cEdCommand& c, const char* pszPlain, const char* pszParallel) {
  return c.m_bParallel == 1 ? pszParallel : pszPlain;
}

// The prefixes take their values as 16-bit numbers, as the times are stored.
void TimePrefix(std::string& line, const cEdCommand& c, int32_t nTime) {
  FormatStr(line, ParallelFormat(c, "%d", "P-%d"), static_cast<int16_t>(nTime));
}

void TextPrefix(std::string& line, const cEdCommand& c, const char* pszText) {
  FormatStr(line, ParallelFormat(c, "%s", "P-%s"), pszText);
}

void TotalPrefix(std::string& line, const cEdCommand& c, int32_t nTotal) {
  FormatStr(line, ParallelFormat(c, "%d(%d)", "P-%d(%d)"), 0, static_cast<int16_t>(nTotal));
}

void EstimatePrefix(std::string& line, const cEdCommand& c, double dTenths) {
  std::string str;
  FormatStr(str, "%0.1lf?", dTenths);
  TextPrefix(line, c, str.c_str());
}

void KindPart(std::string& line, const cEdCommand& c) {
  const cCmdKindInfo* pInfo = FindCmdKindInfo(c.m_bItem, c.m_nKind);
  FormatAppend(line, " ◆ %s ◆", pInfo != nullptr ? pInfo->m_strName.c_str() : "");
}

template <class V>
const V* DbList(const cFlowTextContext& ctx, V cEdDatabase::*pList) {
  return ctx.m_pDatabase != nullptr ? &(ctx.m_pDatabase->*pList) : nullptr;
}

template <class V>
const char* DbName(const cFlowTextContext& ctx, V cEdDatabase::*pList, int32_t i) {
  const V* pv = DbList(ctx, pList);
  return pv != nullptr ? NameOf(*pv, i) : "";
}

void SummonPart(std::string& line, const cFlowTextContext& ctx, int nPalette, int nLayer, int32_t nNo) {
  FormatAppend(line, " 「%s」", NumberedName(ctx.PaletteNames(nPalette, nLayer), nNo).c_str());
}

void DirectionPart(std::string& line, int nDirection, int nAngle) {
  FormatAppend(line, " %s", Word(MoveDirectionNames, nDirection));
  if (nAngle != 0) FormatAppend(line, "%d", nAngle);
}

// ---------------------------------------------------------------------------------------------
// Moves

enum { SPEC_TIME_SPEED = 0, SPEC_TIME_DISTANCE = 1, SPEC_SPEED_DISTANCE = 2 };
enum { CIRCLE_BY_TIME = 0, CIRCLE_BY_SPEED = 1 };

// Tenths of a second to cover the distance at the speed (tenths of a dot per frame, 60 frames).
double StraightEstimate(const cEdMove& m) {
  if (m.m_nSpeed == 0) return 0.0;
  const double dDots = m.m_nDistanceUnit == 1 ? m.m_nDistance : m.m_nDistance * 16.0;
  return dDots / (m.m_nSpeed / 10.0) / 6.0;
}

// Tenths of a second to turn from the start angle to the end angle by the angle step.
double CircleEstimate(const cEdMove& m) {
  if (m.m_nSpeed == 0) return 0.0;
  return static_cast<double>(m.m_nDistance - m.m_nAngle) / m.m_nSpeed * 10.0 / 6.0;
}

void MovePrefix(std::string& line, const cEdCommand& c) {
  if (c.m_pMove && c.m_pMove->m_nSpecType == SPEC_SPEED_DISTANCE)
    EstimatePrefix(line, c, StraightEstimate(*c.m_pMove));
  else
    TimePrefix(line, c, c.m_nTime);
}

void MoveTail(std::string& line, const cEdCommand& c, const cEdMove& m) {
  const char* pszUnit = m.m_nDistanceUnit == 1 ? "dot" : "";
  switch (m.m_nSpecType) {
    case SPEC_TIME_SPEED:
      FormatAppend(line, " 時%d 速%d", c.m_nTime, m.m_nSpeed);
      break;
    case SPEC_TIME_DISTANCE:
      FormatAppend(line, " 時%d 距%d%s", c.m_nTime, m.m_nDistance, pszUnit);
      break;
    case SPEC_SPEED_DISTANCE:
      FormatAppend(line, " 速%d 距%d%s", m.m_nSpeed, m.m_nDistance, pszUnit);
      break;
    default:
      break;
  }
}

void FmtStraight(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  MovePrefix(line, c);
  KindPart(line, c);
  if (!c.m_pMove) return;
  const cEdMove& m = *c.m_pMove;
  if (m.m_nAimType == 0) {
    DirectionPart(line, m.m_nDirection, m.m_nAngle);
  } else if (m.m_nAimType == 1) {
    if (m.m_bUseTargetX && m.m_bUseTargetY)
      FormatAppend(line, " 目標(%d,%d)", m.m_nTargetX, m.m_nTargetY);
    else if (m.m_bUseTargetX)
      FormatAppend(line, " 目標(%d,-)", m.m_nTargetX);
    else if (m.m_bUseTargetY)
      FormatAppend(line, " 目標(-,%d)", m.m_nTargetY);
    else
      line += " 目標(-,-)";
  }
  MoveTail(line, c, m);
}

void FmtGroundTurn(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  MovePrefix(line, c);
  KindPart(line, c);
  if (c.m_pMove) MoveTail(line, c, *c.m_pMove);
}

void FmtCircle(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  const cEdMove* pm = c.m_pMove.get();
  if (pm != nullptr && pm->m_nSpecType == CIRCLE_BY_SPEED)
    EstimatePrefix(line, c, CircleEstimate(*pm));
  else
    TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  if (pm == nullptr) return;
  if (pm->m_nSpecType == CIRCLE_BY_TIME)
    FormatAppend(line, " 時%d", c.m_nTime);
  else if (pm->m_nSpecType == CIRCLE_BY_SPEED)
    FormatAppend(line, " 速%d", pm->m_nSpeed);
  FormatAppend(line, " 角%d～%d", pm->m_nAngle, pm->m_nDistance);
}

// Charge and homing moves.
void FmtTargetMove(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  MovePrefix(line, c);
  KindPart(line, c);
  if (!c.m_pMove) return;
  FormatAppend(line, " %s", Word(TargetSlotNames, c.m_pMove->m_nTarget));
  MoveTail(line, c, *c.m_pMove);
}

void FmtEvade(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  MovePrefix(line, c);
  KindPart(line, c);
  if (!c.m_pMove) return;
  const cEdMove& m = *c.m_pMove;
  if (m.m_nAimType == 0)
    DirectionPart(line, m.m_nDirection, m.m_nAngle);
  else if (m.m_nAimType == 1)
    FormatAppend(line, " 目標(%d,%d)", m.m_nTargetX, m.m_nTargetY);
  MoveTail(line, c, m);
}

void FmtTurn(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  FormatAppend(line, " %s", Word(TurnNames, P(c, 0)));
}

void FmtJump(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TextPrefix(line, c, "?");
  KindPart(line, c);
  if (P(c, 0) == 0 || P(c, 0) == 1)
    FormatAppend(line, " 高さ%d", P(c, 2));
  else if (P(c, 0) == 2)
    FormatAppend(line, " 高さ%d～%d", P(c, 2), P(c, 4));
}

// ---------------------------------------------------------------------------------------------
// Shots, swords and summons

void FmtShot(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  if (!c.m_pShot) return;
  const cEdShot& s = *c.m_pShot;
  FormatAppend(line, " %s 数%d(%d)", Word(ShotFormationNames, s.m_nFormation), s.m_nCount, s.m_nClones);
  DirectionPart(line, s.m_nDirection, s.m_nAngle);
  FormatAppend(line, " 速%d 威%d %s", s.m_nSpeed, s.m_nPower, Word(ShotMoveTypeNames, s.m_nMoveType));
}

void FmtSword(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  if (!c.m_pShot) return;
  FormatAppend(line, " %s 威%d", DbName(ctx, &cEdDatabase::m_vSwordType, c.m_pShot->m_nMoveType),
                  c.m_pShot->m_nPower);
}

void SummonTail(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx, int nLayer) {
  if (c.m_pShot) SummonPart(line, ctx, c.m_pShot->m_nSummonPalette, nLayer, c.m_pShot->m_nSummonNo);
}

void FmtBlockSummon(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  if (!c.m_pShot) return;
  if (c.m_pShot->m_nSummonType == 1)
    line += " ブロックを消す";
  else if (c.m_pShot->m_nSummonType == 0 || c.m_pShot->m_nSummonType == 2)
    SummonTail(line, c, ctx, PAL_BLOCK);
}

void FmtCharaSummon(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  SummonTail(line, c, ctx, PAL_CHARA);
}

void FmtItemSummon(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  SummonTail(line, c, ctx, PAL_ITEM);
}

// ---------------------------------------------------------------------------------------------
// Flow and game control

// Kinds whose line is the prefix "0" and the kind alone.
void FmtPlain(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
}

void FmtWait(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
}

void FmtFlowOp(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  FormatAppend(line, " %s の %s を %s", Word(FlowOpOwnerNames, P(c, 3)), Word(FlowOpRangeNames, P(c, 1)),
                  Word(FlowOpNames, P(c, 0)));
  if (P(c, 1) == FLOW_BY_ID) FormatAppend(line, " (ID:%s)", Word(FlowIdSlotNames, P(c, 2)));
  if (c.m_pCondList && c.m_pCondList->m_bUseCond) line += "  ★条件あり★";
}

void FmtGameWait(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, P(c, 0));
  KindPart(line, c);
}

// How long a message or a picture stays: until a key ("?"), to the end of the stage ("P-0(∞)") or
// for a given time.
void ShowTimePrefix(std::string& line, const cEdCommand& c, int32_t nMode, int32_t nTime) {
  line.clear();
  if (nMode == 0)
    line = "?";
  else if (nMode == 1)
    line = "P-0(∞)";
  else if (nMode == 2)
    TotalPrefix(line, c, nTime);
}

// Messages, effects and pictures: the erasing command reads "P-0" and what it erases; otherwise the
// prefix already in the line stays and the shown thing is named.
void ShowOrErase(std::string& line, const cEdCommand& c, bool bErase, const char* pszErase, const char* pszShown) {
  if (bErase) line = "P-0";
  KindPart(line, c);
  FormatAppend(line, " %s", bErase ? pszErase : pszShown);
}

void FmtMessage(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  const bool bErase = P(c, 15) != 0;
  if (!bErase) ShowTimePrefix(line, c, P(c, 6), P(c, 7));
  ShowOrErase(line, c, bErase, "メッセージの消去", c.m_strText.c_str());
}

void FmtWarp(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  if (!c.m_pMove) return;
  const cEdMove& m = *c.m_pMove;
  FormatAppend(line, " %s", Word(WarpSetTypeNames, m.m_nAimType));
  if (m.m_nAimType >= 0 && m.m_nAimType <= 4)
    FormatAppend(line, " %s 距%d", Word(MoveDirectionNames, m.m_nDirection), m.m_nDistance);
  else if (m.m_nAimType == 5)
    FormatAppend(line, " %s (%d,%d)", Word(WarpTargetTypeNames, m.m_nTargetType), m.m_nTargetX, m.m_nTargetY);
}

void FmtSetTarget(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  FormatAppend(line, " %s を %s にする", Word(TargetSlotNames, P(c, 0)), Word(TargetWhomNames, P(c, 1)));
}

// ---------------------------------------------------------------------------------------------
// Statuses

bool IsCharaOwner(int32_t n) { return n >= 0 && n < OWNER_SYSTEM; }
const char* OwnerWord(int32_t n) { return Word(CharaStatusSubjectNames, n); }

void VarPart(std::string& line, const cFlowTextContext& ctx, int32_t nSet, int32_t nNo, const char* pszAfter) {
  FormatAppend(line, " 「%s」%s", NumberedName(ctx.VarNames(nSet), nNo).c_str(), pszAfter);
}

void StatusLeft(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  if (P(c, 0) == 1) {
    VarPart(line, ctx, P(c, 1), P(c, 2), "を");
  } else if (P(c, 0) == 0) {
    const int32_t nOwner = P(c, 3);
    if (IsCharaOwner(nOwner) && P(c, 4) == 0)
      FormatAppend(line, " %s の 「%s」を", OwnerWord(nOwner), CharaVarWord(P(c, 2)));
    else if (IsCharaOwner(nOwner))
      FormatAppend(line, " %s の %s を", OwnerWord(nOwner), NameOf(StatusInfoTable, P(c, 4)));
    else if (nOwner == OWNER_SYSTEM)
      FormatAppend(line, " %s を", NameOf(SystemValueTable, P(c, 4)));
  }
}

void StatusRight(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  switch (P(c, 6)) {
    case 0:
      FormatAppend(line, " %d", P(c, 7));
      break;
    case 1:
      FormatAppend(line, " %d～%d", P(c, 8), P(c, 9));
      break;
    case 2: {
      const int32_t nOwner = P(c, 12);
      if (IsCharaOwner(nOwner) && P(c, 13) == 0)
        FormatAppend(line, " %s の 「%s」", OwnerWord(nOwner), CharaVarWord(P(c, 11)));
      else if (IsCharaOwner(nOwner))
        FormatAppend(line, " %s の %s", OwnerWord(nOwner), NameOf(StatusInfoTable, P(c, 13)));
      else if (nOwner == OWNER_SYSTEM)
        FormatAppend(line, " %s", NameOf(SystemValueTable, P(c, 13)));
      break;
    }
    case 3:
      VarPart(line, ctx, P(c, 10), P(c, 11), "");
      break;
    default:
      break;
  }
}

void FmtStatus(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  StatusLeft(line, c, ctx);
  FormatAppend(line, " %s", Word(VarOpNames, P(c, 5)));
  StatusRight(line, c, ctx);
  if (P(c, 14) != 0) line += "%";
}

void FmtStatus2(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  const int32_t nOwner = P(c, 0);
  const int32_t nAttr = P(c, 1);
  if (IsCharaOwner(nOwner)) {
    FormatAppend(line, " %s の %s を", OwnerWord(nOwner), NameOf(Status2InfoTable, nAttr));
    FormatAppend(line, " %s にする", OptionWordOf(Status2InfoTable, nAttr, P(c, 2)));
  } else if (nOwner == OWNER_SYSTEM) {
    FormatAppend(line, " %s を %s にする", NameOf(ScrollInfoTable, nAttr), OptionWordOf(ScrollInfoTable, nAttr, P(c, 2)));
  }
}

void FmtVanish(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  if (P(c, 0) == 0 || P(c, 0) == 1)
    FormatAppend(line, " %s %s 対象勢力%d", Word(VanishWhatNames, P(c, 0)), Word(VanishRangeNames, P(c, 2)), P(c, 1));
  else
    FormatAppend(line, " %s", Word(VanishWhatNames, P(c, 0)));
}

void FmtItemGet(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, c.m_nTime);
  KindPart(line, c);
  SummonPart(line, ctx, P(c, 0), PAL_ITEM, P(c, 1));
}

// ---------------------------------------------------------------------------------------------
// Presentation

// Kinds that name the database record of parameter 0 (anime sets, sounds, music).
template <auto pList>
void FmtRecordName(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  FormatAppend(line, " %s", DbName(ctx, pList, P(c, 0)));
}

// The display times of an animation's patterns, the running sum capped at 9999 after each addition.
int32_t AnimeTotal(const cFlowTextContext& ctx, int32_t nAnime) {
  const cChkVector<cEdAnime>* pv = DbList(ctx, &cEdDatabase::m_vAnime);
  const cEdAnime* pAnime = pv != nullptr ? EntryOf(*pv, nAnime) : nullptr;
  if (pAnime == nullptr) return 0;
  int64_t nSum = 0;  // a stored time may be anything
  for (const cEdAnimePattern& pat : pAnime->m_vPattern) {
    nSum += pat.m_nTime;
    if (nSum > 9999) nSum = 9999;
  }
  return static_cast<int32_t>(nSum);
}

// The display times of an effect's frames, summed in 16 bits without a cap.
int32_t EffectTotal(const cFlowTextContext& ctx, int32_t nEffect) {
  const cChkVector<cEdEffect>* pv = DbList(ctx, &cEdDatabase::m_vEffect);
  const cEdEffect* pEffect = pv != nullptr ? EntryOf(*pv, nEffect) : nullptr;
  if (pEffect == nullptr) return 0;
  uint16_t nSum = 0;
  for (const cEdEffectFrame& frame : pEffect->m_vFrame) nSum = static_cast<uint16_t>(nSum + frame.m_nTime);
  return static_cast<int16_t>(nSum);
}

void FmtAnime(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TotalPrefix(line, c, AnimeTotal(ctx, P(c, 0)));
  KindPart(line, c);
  FormatAppend(line, " %s", DbName(ctx, &cEdDatabase::m_vAnime, P(c, 0)));
}

void FmtEffect(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  const bool bErase = P(c, 0) == 0;
  if (!bErase) TotalPrefix(line, c, EffectTotal(ctx, P(c, 0)));
  ShowOrErase(line, c, bErase, "エフェクトの消去", DbName(ctx, &cEdDatabase::m_vEffect, P(c, 0)));
}

// Character and screen effects: the prefix totals the effect's run time (parameter 1), twice over
// for a round trip.
template <class V>
void FormatKindEffect(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx, V cEdDatabase::*pList) {
  const V* pv = DbList(ctx, pList);
  const auto* pEffect = pv != nullptr ? EntryOf(*pv, P(c, 0)) : nullptr;
  int32_t nTotal = pEffect != nullptr ? pEffect->m_anParam[0] : 0;
  if (P(c, 1) == EFFECT_ROUND_TRIP) nTotal = static_cast<int32_t>(static_cast<uint32_t>(nTotal) * 2u);
  TotalPrefix(line, c, nTotal);
  KindPart(line, c);
  if (P(c, 0) == 0)
    line += " なし";
  else
    FormatAppend(line, " %s", pEffect != nullptr ? pEffect->m_strName.c_str() : "");
  if (P(c, 1) != 0) FormatAppend(line, " %s", Word(EffectModeNames, P(c, 1)));
  if (P(c, 2) != 0) line += " ループ実行";
}

void FmtCharaEffect(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  FormatKindEffect(line, c, ctx, &cEdDatabase::m_vCharaEffect);
}

void FmtScrEffect(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  FormatKindEffect(line, c, ctx, &cEdDatabase::m_vScrEffect);
}

void FmtPicture(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  const bool bErase = P(c, 0) == 0;
  if (!bErase) ShowTimePrefix(line, c, P(c, 8), P(c, 9));
  ShowOrErase(line, c, bErase, "ピクチャーの消去", DbName(ctx, &cEdDatabase::m_vPicture, P(c, 0)));
}

void FmtScreenColour(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  const bool bFlash = P(c, 6) != 0;
  TotalPrefix(line, c, bFlash ? static_cast<int32_t>(static_cast<uint32_t>(P(c, 5)) * static_cast<uint32_t>(P(c, 7)))
                              : P(c, 5));
  KindPart(line, c);
  if (P(c, 4) != 0) {
    line += " 元に戻す";
    return;
  }
  FormatAppend(line, " R%d G%d B%d %d%%", P(c, 0), P(c, 1), P(c, 2), P(c, 3));
  if (bFlash) FormatAppend(line, " 瞬間表示 × %d", P(c, 7));
}

void FmtBackground(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  FormatAppend(line, " %d番 を %s", P(c, 0), Word(BackgroundOpNames, P(c, 1)));
}

// ---------------------------------------------------------------------------------------------
// Code, arrange and loop

void FmtCode(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  FormatAppend(line, " %s", c.m_strText.c_str());
}

void FmtArrange(std::string& line, const cEdCommand& c, const cFlowTextContext& ctx) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  const cChkVector<cArrangeParamInfo>* pParams = EntryOf(ArrangeParamTable, P(c, 0));
  if (pParams == nullptr || pParams->empty()) {
    line += " ※不正です。設定を見直して下さい。";
    return;
  }
  const cArrangeParamInfo* pParam = EntryOf(*pParams, P(c, 1));
  FormatAppend(line, " 次の 「%s」 の %s %s", NameOf(CmdKindTable, P(c, 0)),
                  pParam != nullptr ? pParam->m_strCaption.c_str() : "", Word(VarOpNames, P(c, 2)));
  const int32_t nVar = P(c, 4);
  if (P(c, 3) == 0 || P(c, 3) == 1) {
    VarPart(line, ctx, P(c, 3), nVar, "");
  } else if (P(c, 3) == ARRANGE_CHARA_VAR) {
    std::string strNo;
    FormatZeroPad(strNo, nVar, 3);
    FormatAppend(line, " 「%s %s」", strNo.c_str(), CharaVarWord(nVar));
  }
}

void FmtLoop(std::string& line, const cEdCommand& c, const cFlowTextContext&) {
  TimePrefix(line, c, 0);
  KindPart(line, c);
  FormatAppend(line, " 後続 %d 個のコマンドを %d 回繰り返す", P(c, 1), P(c, 0));
}

const CmdTextFn s_aCharaFns[CMD_KIND_COUNT] = {
    nullptr,                                   // 0
    FmtWait,                                   // 1 ウエイト
    FmtStraight,                               // 2 直線移動
    FmtGroundTurn,                             // 3 地上折り返し移動
    FmtCircle,                                 // 4 円移動
    FmtTargetMove,                             // 5 突撃移動
    FmtTargetMove,                             // 6 誘導移動
    FmtEvade,                                  // 7 画面外回避移動
    FmtWait,                                   // 8 移動の無効化
    FmtTurn,                                   // 9 向き変更
    FmtJump,                                   // 10 ジャンプ
    FmtShot,                                   // 11 ショット
    FmtSword,                                  // 12 ソード
    FmtBlockSummon,                            // 13 ブロック召喚
    FmtCharaSummon,                            // 14 キャラ召喚
    FmtItemSummon,                             // 15 アイテム召喚
    FmtFlowOp,                                 // 16 フローの操作
    FmtPlain,                                  // 17 ステージクリア
    FmtGameWait,                               // 18 ゲームウエイト
    FmtMessage,                                // 19 メッセージ
    FmtWarp,                                   // 20 ワープ
    FmtSetTarget,                              // 21 ターゲットの設定
    FmtStatus,                                 // 22 ステータスの操作
    FmtStatus2,                                // 23 ステータスの操作2
    FmtVanish,                                 // 24 消滅
    FmtItemGet,                                // 25 アイテムの取得
    FmtPlain,                                  // 26 グラフィックの変更
    FmtRecordName<&cEdDatabase::m_vAnimeSet>,  // 27 基本アニメセットの変更
    FmtAnime,                                  // 28 アニメの実行
    FmtEffect,                                 // 29 エフェクトの実行
    FmtCharaEffect,                            // 30 キャラエフェクトの実行
    FmtScrEffect,                              // 31 画面エフェクトの実行
    FmtPicture,                                // 32 ピクチャーの表示
    FmtScreenColour,                           // 33 画面の色を変更
    FmtBackground,                             // 34 背景の変更
    FmtRecordName<&cEdDatabase::m_vSound>,     // 35 効果音の再生
    FmtRecordName<&cEdDatabase::m_vBgm>,       // 36 BGMの再生
    FmtCode,                                   // 37 コードの実行
    FmtArrange,                                // 38 アレンジ
    FmtLoop,                                   // 39 ループ
};


}  // namespace

CmdTextFn CharaCmdTextFn(int nKind) { return nKind >= 0 && nKind < CMD_KIND_COUNT ? s_aCharaFns[nKind] : nullptr; }

CmdTextFn ItemCmdTextFn(int nKind) {
  if (nKind == 1) return FmtPlain;  // "フローの変更" shows no settings
  return nKind >= 2 && nKind < ITEM_CMD_KIND_COUNT ? CharaCmdTextFn(nKind + ITEM_CMD_KIND_OFFSET) : nullptr;
}

void FormatCmdLine(std::string& line, const cEdCommand& cmd, const cFlowTextContext& ctx) {
  line.clear();
  const CmdTextFn pfn = cmd.m_bItem != 0 ? ItemCmdTextFn(cmd.m_nKind) : CharaCmdTextFn(cmd.m_nKind);
  if (pfn != nullptr) pfn(line, cmd, ctx);
}

void CmdListText(std::string& line, int /*nRow*/, const cEdCommand& cmd) {
  cFlowTextContext ctx;
  GetFlowTextContext(ctx);
  FormatCmdLine(line, cmd, ctx);
}
