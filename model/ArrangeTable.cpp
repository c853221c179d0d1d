#include "model/ArrangeTable.h"

#include <climits>
#include <initializer_list>

#include "model/CommandKindTable.h"

cChkVector<cChkVector<cArrangeParamInfo>> ArrangeParamTable;

namespace {

struct cEntry {
  const char* pszCaption;
  int32_t nMin;
  int32_t nMax;
};

void SetKind(int nKind, std::initializer_list<cEntry> entries) {
  cChkVector<cArrangeParamInfo>& v = ArrangeParamTable[nKind];
  v.clear();
  for (const cEntry& e : entries) {
    cArrangeParamInfo info;
    info.m_strCaption = e.pszCaption;
    info.m_nMin = e.nMin;
    info.m_nMax = e.nMax;
    v.push_back(info);
  }
}

const int32_t FREE_MAX = INT_MAX;  // the formation's and move type's own parameters

}  // namespace

void BuildArrangeParamTable() {
  ArrangeParamTable.clear();
  ArrangeParamTable.resize(CMD_KIND_COUNT);

  const std::initializer_list<cEntry> straight = {
      {"目標X(bl)", -640, 640}, {"目標X(dot)", -640, 640}, {"目標Y(bl)", -640, 640},
      {"目標Y(dot)", -640, 640}, {"角度", -7200, 7200},     {"分身値による増加角度", -7200, 7200},
  };
  SetKind(2, straight);
  SetKind(5, straight);
  SetKind(6, {{"誘導性能の悪さ", 0, 10},
              {"分身値による増加誘導性能の悪さ", 0, 10},
              {"目標X(bl)", -640, 640},
              {"目標X(dot)", -640, 640},
              {"目標Y(bl)", -640, 640},
              {"目標Y(dot)", -640, 640}});
  SetKind(11, {{"グラフィック", 1, 120},
               {"Z座標", 0, 7},
               {"フォーメーション固有1", 0, FREE_MAX},
               {"フォーメーション固有2", 0, FREE_MAX},
               {"フォーメーション固有3", 0, FREE_MAX},
               {"発射数", 1, 127},
               {"発射数に対する分身数", 0, 20},
               {"角度のズレ", -7200, 7200},
               {"分身値による角度のズレ", -7200, 7200},
               {"分散角度", 0, 180},
               {"発射位置のズレX(dot)", -640, 640},
               {"分身値による発射位置のズレX(dot)", -640, 640},
               {"発射位置のズレY(dot)", -640, 640},
               {"分身値による発射位置のズレY(dot)", -640, 640},
               {"勢力", 0, 7},
               {"移動タイプ固有1", 0, FREE_MAX},
               {"移動タイプ固有2", 0, FREE_MAX},
               {"移動タイプ固有3", 0, FREE_MAX},
               {"速度", -200, 200},
               {"分身値による増加速度", -200, 200},
               {"加速度", -200, 200},
               {"分身値による増加加速度", -200, 200},
               {"飛距離(hbl)", 0, 64},
               {"分身値による増加飛距離", -40, 40},
               {"存在時間(1/10s)", 1, 999},
               {"分身値よる増加存在時間", -99, 99},
               {"消滅値", 1, 9},
               {"威力", -999999, 999999},
               {"衝撃", -20, 20}});
  SetKind(12, {{"勢力", 0, 7}, {"Z座標", 0, 7}, {"威力", -999999, 999999}, {"衝撃", -20, 20}});
  SetKind(13, {{"フォーメーション固有1", 0, FREE_MAX},
               {"フォーメーション固有2", 0, FREE_MAX},
               {"フォーメーション固有3", 0, FREE_MAX},
               {"数", 1, 127},
               {"召喚位置のズレX(dot)", -640, 640},
               {"召喚位置のズレY(dot)", -640, 640}});
  SetKind(14, {{"存在時間(1/10s)", 1, 9999},
               {"勢力", 0, 7},
               {"フォーメーション固有1", 0, FREE_MAX},
               {"フォーメーション固有2", 0, FREE_MAX},
               {"フォーメーション固有3", 0, FREE_MAX},
               {"数", 1, 127},
               {"召喚位置のズレX(dot)", -640, 640},
               {"召喚位置のズレY(dot)", -640, 640}});
  SetKind(15, {{"存在時間(1/10s)", 1, 9999},
               {"フォーメーション固有1", 0, FREE_MAX},
               {"フォーメーション固有2", 0, FREE_MAX},
               {"フォーメーション固有3", 0, FREE_MAX},
               {"数", 1, 127},
               {"召喚位置のズレX(dot)", -640, 640},
               {"召喚位置のズレY(dot)", -640, 640}});
  SetKind(17, {{"次のステージの番号", 1, 99},
               {"次のステージの初期位置X(bl)", 0, 999},
               {"次のステージの初期位置Y(bl)", 0, 999},
               {"クリア後のワールドマップの位置X", 0, 999},
               {"クリア後のワールドマップの位置Y", 0, 999}});
  SetKind(19, {{"メッセージID", 0, 999},
               {"座標X(bl)", 0, 20},
               {"座標Y(bl)", 0, 15},
               {"表示位置のズレX(dot)", -999, 999},
               {"表示位置のズレY(dot)", -999, 999}});
  SetKind(20, {{"距離(hbl)", 0, 64},
               {"分身値による増加距離(hbl)", -40, 40},
               {"目標X(bl)", -640, 640},
               {"目標Y(bl)", -640, 640},
               {"目標Xのズレ(dot)", -640, 640},
               {"目標Yのズレ(dot)", -640, 640}});
  SetKind(21, {{"対象勢力", 0, 7}, {"対象キャラID", 0, 99}, {"キャラ変数と比較する数値", -999999, 999999}});
  SetKind(22, {{"乱数の最小値", -999999, 999999}, {"乱数の最大値", -999999, 999999}});
  SetKind(24, {{"対象勢力", 0, 7}});
  SetKind(26, {{"グラフィック", 1, 119}, {"ズレ", -999, 999}});
  SetKind(29, {{"座標X(bl)", 0, 511},
               {"座標Y(bl)", 0, 511},
               {"表示位置のズレX(dot)", -999, 999},
               {"表示位置のズレY(dot)", -999, 999},
               {"表示倍率(%)", 1, 1000}});
  SetKind(32, {{"ピクチャーID", 0, 999},
               {"座標X(bl)", 0, 511},
               {"座標Y(bl)", 0, 511},
               {"表示位置のズレX(dot)", -999, 999},
               {"表示位置のズレY(dot)", -999, 999},
               {"表示倍率(%)", 1, 1000}});
  SetKind(33, {{"R", 0, 255}, {"G", 0, 255}, {"B", 0, 255}, {"%", 0, 100}});
  SetKind(34, {{"背景番号", 1, 8}});
}
