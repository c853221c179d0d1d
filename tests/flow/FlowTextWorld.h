// A small world for the line-text tests: a database with named entries and known times, palette
// entry names, variable names, and a context that points at them.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "flow/FlowTextContext.h"
#include "model/ArrangeTable.h"
#include "model/CommandKindTable.h"
#include "model/Database.h"
#include "support/TestSupport.h"

template <class T>
T Named(const char* pszName) {
  T rec;
  rec.m_strName = pszName;
  return rec;
}

inline cEdAnime AnimeOf(const char* pszName, std::initializer_list<int32_t> times) {
  cEdAnime a = Named<cEdAnime>(pszName);
  a.m_vPattern.clear();  // a new anime has one pattern
  for (int32_t t : times) {
    cEdAnimePattern p;
    p.m_nTime = t;
    a.m_vPattern.push_back(p);
  }
  return a;
}

inline cEdEffect EffectOf(const char* pszName, std::initializer_list<int32_t> times) {
  cEdEffect e = Named<cEdEffect>(pszName);
  e.m_vFrame.clear();
  for (int32_t t : times) {
    cEdEffectFrame f;
    f.m_nTime = t;
    e.m_vFrame.push_back(f);
  }
  return e;
}

template <class T>
T KindEffectOf(const char* pszName, int32_t nRunTime) {
  T e = Named<T>(pszName);
  e.m_anParam[0] = nRunTime;
  return e;
}

class cFlowTextWorld : public ::testing::Test {
 protected:
  cFlowTextWorld() {
    m_Db.m_vAnimeSet = {Named<cEdAnimeSet>("基本"), Named<cEdAnimeSet>("飛行")};
    m_Db.m_vAnime = {AnimeOf("停止", {}), AnimeOf("歩き", {30, 40}), AnimeOf("長い", {5000, 6000})};
    m_Db.m_vSwordType = {Named<cEdSwordType>("ロングソード")};
    m_Db.m_vEffect = {EffectOf("-", {}), EffectOf("爆発", {10, 20}), EffectOf("長大", {6000, 6000}),
                      EffectOf("巨大", {20000, 20000})};
    m_Db.m_vCharaEffect = {KindEffectOf<cEdCharaEffect>("なし", 0), KindEffectOf<cEdCharaEffect>("点滅", 10)};
    m_Db.m_vScrEffect = {KindEffectOf<cEdScrEffect>("なし", 0), KindEffectOf<cEdScrEffect>("振動", 15)};
    m_Db.m_vPicture = {Named<cEdPicture>("-"), Named<cEdPicture>("タイトル")};
    m_Db.m_vSound = {Named<cEdSound>("-"), Named<cEdSound>("ジャンプ音")};
    m_Db.m_vBgm = {Named<cEdBgm>("-"), Named<cEdBgm>("ステージ1")};

    m_vCommonVars.assign(10, std::string());
    m_vCommonVars[5] = "スコア倍率";  // entry 7 keeps an empty name
    m_vStageVars.assign(10, std::string());
    m_vStageVars[3] = "扉";

    m_Ctx.m_pDatabase = &m_Db;
    m_Ctx.m_aPalette[PAL_COMMON][PAL_BLOCK] = cNameView::Of(m_vCommonBlocks);
    m_Ctx.m_aPalette[PAL_COMMON][PAL_CHARA] = cNameView::Of(m_vCommonCharas);
    m_Ctx.m_aPalette[PAL_COMMON][PAL_ITEM] = cNameView::Of(m_vCommonItems);
    m_Ctx.m_aPalette[PAL_STAGE][PAL_CHARA] = cNameView::Of(m_vStageCharas);  // the stage has no blocks or items
    m_Ctx.m_CommonVars = cNameView::Of(m_vCommonVars);
    m_Ctx.m_StageVars = cNameView::Of(m_vStageVars);
    m_Ctx.m_eSheet = SHEET_CHARA;

    const char* const modes[] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
    BuildScrollInfoTable(modes);
    BuildArrangeParamTable();
  }

  cEdDatabase m_Db;
  std::vector<std::string> m_vCommonBlocks = {"", "土", "草"};
  std::vector<std::string> m_vCommonCharas = {"", "主人公", "スライム", "コウモリ"};
  std::vector<std::string> m_vCommonItems = {"", "コイン"};
  std::vector<std::string> m_vStageCharas = {"", "ボス"};
  std::vector<std::string> m_vCommonVars;
  std::vector<std::string> m_vStageVars;
  cFlowTextContext m_Ctx;
};

// A failed comparison shows both lines as text and as bytes.
inline ::testing::AssertionResult SameLine(const std::string& strExpected, const std::string& strActual) {
  if (strExpected == strActual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected \"" << strExpected << "\"\n  actual \"" << strActual
                                       << "\"\n  expected bytes " << HexOf({strExpected.begin(), strExpected.end()})
                                       << "\n  actual bytes   " << HexOf({strActual.begin(), strActual.end()});
}

// Installs a context function that hands out the given context, for the lists' row callbacks;
// the previous function is back when the guard ends.
class cInstalledContext {
 public:
  explicit cInstalledContext(const cFlowTextContext& ctx) {
    s_pCtx = &ctx;
    m_pfnOld = SetFlowTextContextFn([](cFlowTextContext& out) { out = *s_pCtx; });
  }
  ~cInstalledContext() { SetFlowTextContextFn(m_pfnOld); }

 private:
  static inline const cFlowTextContext* s_pCtx = nullptr;
  FlowTextContextFn m_pfnOld;
};
