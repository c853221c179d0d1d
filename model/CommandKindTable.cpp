#include "model/CommandKindTable.h"

#include "model/PaletteOptionTables.h"

// The word tables are plain arrays of literals, complete before any constructor runs; the record
// tables below are built from them during static initialisation (the kind tables of this file in
// the order they are defined).

const cChkVector<cCmdKindInfo> CmdKindTable = {
    {"", 0},
    {"ウエイト", 0},
    {"直線移動", 0},
    {"地上折り返し移動", 0},
    {"円移動", 0},
    {"突撃移動", 0},
    {"誘導移動", 0},
    {"画面外回避移動", 0},
    {"移動の無効化", 0},
    {"向き変更", 1},
    {"ジャンプ", 5},
    {"ショット", 0},
    {"ソード", 0},
    {"ブロック召喚", 0},
    {"キャラ召喚", 0},
    {"アイテム召喚", 0},
    {"フローの操作", 4},
    {"ステージクリア", 9},
    {"ゲームウエイト", 1},
    {"メッセージ", 18},
    {"ワープ", 0},
    {"ターゲットの設定", 16},
    {"ステータスの操作", 18},
    {"ステータスの操作2", 3},
    {"消滅", 3},
    {"アイテムの取得", 2},
    {"グラフィックの変更", 3},
    {"基本アニメセットの変更", 1},
    {"アニメの実行", 1},
    {"エフェクトの実行", 8},
    {"キャラエフェクトの実行", 3},
    {"画面エフェクトの実行", 3},
    {"ピクチャーの表示", 15},
    {"画面の色を変更", 8},
    {"背景の変更", 2},
    {"効果音の再生", 1},
    {"BGMの再生", 2},
    {"コードの実行", 0},
    {"アレンジ", 5},
    {"ループ", 2},
};

namespace {

cChkVector<cCmdKindInfo> BuildItemCmdKindTable() {
  cChkVector<cCmdKindInfo> v = {{"", 0}, {"フローの変更", 2}};
  for (int k = 2; k < ITEM_CMD_KIND_COUNT; ++k) v.push_back(CmdKindTable[k + ITEM_CMD_KIND_OFFSET]);
  return v;
}

cChkVector<std::string> WordsOf(const char* const* ppszTable) {
  cChkVector<std::string> v;
  for (int i = 0; ppszTable[i][0] != 0; ++i) v.push_back(ppszTable[i]);
  return v;
}

cStatusOptionInfo MakeFlag(const char* pszName, int32_t nMin, int32_t nMax, int32_t nFirst,
                           const char* const* ppszOptions) {
  cStatusOptionInfo info;
  info.m_strName = pszName;
  info.m_nMin = nMin;
  info.m_nMax = nMax;
  info.m_nFirst = nFirst;
  info.m_vOptions = WordsOf(ppszOptions);
  return info;
}

}  // namespace

const cChkVector<cCmdKindInfo> ItemCmdKindTable = BuildItemCmdKindTable();

const cCmdKindInfo* FindCmdKindInfo(int nNumbering, int nKind) {
  const cChkVector<cCmdKindInfo>& table = nNumbering == 0 ? CmdKindTable : ItemCmdKindTable;
  if (nKind < 0 || nKind >= static_cast<int>(table.size())) return nullptr;
  return &table[nKind];
}

const char* const ItemFlowOpNames[4] = {"追加", "変更", "削除", ""};
const char* const ItemFlowDelIdNames[28] = {"全て削除", "A", "B", "C", "D", "E", "F", "G", "H", "I",
                                            "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S",
                                            "T", "U", "V", "W", "X", "Y", "Z", ""};

const char* const FlowIdSlotNames[28] = {"-", "A", "B", "C", "D", "E", "F", "G", "H", "I",
                                         "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S",
                                         "T", "U", "V", "W", "X", "Y", "Z", ""};
const char* const FlowIdNames[28] = {"全て", "A", "B", "C", "D", "E", "F", "G", "H", "I",
                                     "J",    "K", "L", "M", "N", "O", "P", "Q", "R", "S",
                                     "T",    "U", "V", "W", "X", "Y", "Z", ""};
const char* const FlowGroupNames[28] = {"-", "a", "b", "c", "d", "e", "f", "g", "h", "i",
                                        "j", "k", "l", "m", "n", "o", "p", "q", "r", "s",
                                        "t", "u", "v", "w", "x", "y", "z", ""};
const char* const FlowTriggerNames[24] = {"常時",
                                          "ダメージを受けた時",
                                          "衝撃を受けた時",
                                          "死亡した時",
                                          "キャラに当たった時",
                                          "ブロックキャラに当たった時",
                                          "ブロックキャラに乗っている時",
                                          "ショットに当たった時",
                                          "アイテムに当たった時",
                                          "ブロックに当たった時",
                                          "自分の左右にブロックが当たった時",
                                          "自分の左にブロックが当たった時",
                                          "自分の右にブロックが当たった時",
                                          "自分の上下にブロックが当たった時",
                                          "自分の上にブロックが当たった時",
                                          "自分の下にブロックが当たった時",
                                          "主人公に乗られている時",
                                          "キャラに乗られている時",
                                          "アタックでダメージを与えた時",
                                          "アタックで衝撃を与えた時",
                                          "アタックを当てた時",
                                          "ステージ開始前",
                                          "なし（フローの操作コマンドで実行）",
                                          ""};
const char* const KeyStateNames[4] = {"--", "押", "離", ""};
const char* const KeyJudgeNames[4] = {"全てのキーが真なら成立", "1つ以上のキーが真なら成立",
                                      "1つだけキーが真なら成立", ""};

const char* const FlowOpOwnerNames[6] = {"自分", "ターゲット1", "ターゲット2", "ターゲット3",
                                         "ターゲット4", ""};
const char* const CharaCondSubjectNames[6] = {"自分", "ターゲット1", "ターゲット2", "ターゲット3",
                                              "ターゲット4", ""};
const char* const CharaStatusSubjectNames[7] = {"自分",        "ターゲット1", "ターゲット2",
                                                "ターゲット3", "ターゲット4", "システム",
                                                ""};
const char* const HeroSubjectNames[6] = {"主人公", "ターゲット1", "ターゲット2", "ターゲット3",
                                         "ターゲット4", ""};
const char* const HeroStatusSubjectNames[7] = {"主人公",      "ターゲット1", "ターゲット2",
                                               "ターゲット3", "ターゲット4", "システム",
                                               ""};
const char* const TargetSlotNames[5] = {"ターゲット1", "ターゲット2", "ターゲット3", "ターゲット4",
                                        ""};

const char* const FlowOpRangeNames[4] = {"このフロー", "このフロー以外全て", "指定IDのフロー", ""};
const char* const FlowOpNames[7] = {"開始", "終了", "一時停止", "再開", "削除", "永久停止", ""};

const char* const StatusLeftKindNames[3] = {"ステータス", "変数", ""};
const char* const StatusRightKindNames[5] = {"定数", "乱数", "ステータス", "変数", ""};
const char* const VarSetNames[3] = {"コモン変数", "ステージ変数", ""};
const char* const StatusCalcNames[4] = {"通常の計算", "最大値に対する％で指定",
                                        "現在値に対する％で指定", ""};
const char* const SingleOnNames[2] = {"ON", ""};
const char* const Status3StateNames[6] = {"左向き", "右向き",
                                          "ブロックに乗っている(ブロックキャラも含む)",
                                          "画面内にいる", "存在している", ""};

// {name, minimum, maximum, percentage in conditions, percentage in commands}
const cChkVector<cStatusInfo> StatusInfoTable = {
    {"キャラ変数", -999999, 999999, 0, 1},
    {"HP", -999999, 999999, 1, 1},
    {"SP", -999999, 999999, 1, 1},
    {"最大HP", -999999, 999999, 0, 1},
    {"最大SP", -999999, 999999, 0, 1},
    {"キャラID", -99, 99, 0, 0},
    {"Z座標", -8, 8, 0, 0},
    {"マーク番号", -119, 119, 0, 0},
    {"視界範囲(hbl)", -40, 40, 0, 1},
    {"体当たりの威力", -999999, 999999, 0, 1},
    {"体当たりの衝撃", -20, 20, 0, 1},
    {"防御力", -999999, 999999, 0, 1},
    {"衝撃耐性", -20, 20, 0, 1},
    {"止まりやすさ", -200, 200, 0, 1},
    {"倒したら獲得するスコア", -999999, 999999, 0, 1},
};

const cChkVector<cStatusInfo> SystemValueTable = {
    {"時間", -999, 999, 0, 1},
    {"横スクロール速度", -480, 480, 0, 1},
    {"縦スクロール速度", -480, 480, 0, 1},
    {"スコア", -999999, 999999, 0, 1},
    {"残り人数", -99, 99, 0, 1},
};

const cChkVector<cStatusOptionInfo> Status2InfoTable = {
    MakeFlag("消滅", 0, 0, 0, SingleOnNames),
    MakeFlag("透明", 0, 1, 0, TransparentNames),
    MakeFlag("向き固定", 0, 1, 0, OnOffNames),
    MakeFlag("飛行", 0, 3, 0, FlyNames),
    MakeFlag("無敵", 0, 2, 0, InvincibleNames),
    MakeFlag("巨大化", 1, 10, 1, GiantNames),
    MakeFlag("オートスクロールとシンクロ", 0, 1, 0, OnOffNames),
};

cChkVector<cStatusOptionInfo> ScrollInfoTable;

void BuildScrollInfoTable(const char* const* ppszScrollModes) {
  ScrollInfoTable = {MakeFlag("横スクロール", 0, 1, 0, ppszScrollModes),
                     MakeFlag("縦スクロール", 0, 1, 0, ppszScrollModes)};
}

const char* const StageClearDestNames[5] = {"次のステージへ", "番号で指定", "パスで指定",
                                            "ワールドクリア", ""};
const char* const StageClearFacingNames[4] = {"左向き", "右向き", "ステージクリア時の向きと同じ", ""};
const char* const MessagePosNames[10] = {"画面中央に表示",     "自分の上に表示",     "自分の下に表示",
                                         "自分の中心に表示",   "主人公の上に表示",   "主人公の下に表示",
                                         "主人公の中心に表示", "画面座標で指定",     "ステージ座標で指定",
                                         ""};
const char* const MessageTimeNames[4] = {"進行キーが押されるまで表示", "ステージ終了まで表示",
                                         "時間で指定", ""};
const char* const TargetWhomNames[12] = {"主人公",
                                         "自分",
                                         "最も近いキャラ",
                                         "キャラ（キャラIDで指定）",
                                         "親キャラ（自分を召喚したキャラ）",
                                         "子キャラ（最後に召喚したキャラ）",
                                         "子キャラ（条件付き。後で召喚したキャラ優先)",
                                         "ターゲット1",
                                         "ターゲット2",
                                         "ターゲット3",
                                         "ターゲット4",
                                         ""};
const char* const TargetRangeNames[4] = {"全範囲（画面内のキャラ優先）", "全範囲", "画面内", ""};
const char* const TargetNoneNames[3] = {"ターゲット無し", "ターゲットを変更しない", ""};
const char* const VanishWhatNames[7] = {"キャラ",
                                        "ショット",
                                        "子以下のキャラ",
                                        "子のショット",
                                        "子以下のキャラと子以下のショット",
                                        "子以下のキャラと孫以下のショット",
                                        ""};
const char* const VanishRangeNames[3] = {"画面内", "全範囲", ""};
const char* const ItemGetPalNames[3] = {"コモンパレット", "ステージパレット", ""};
const char* const ItemGetPalCommonNames[2] = {"コモンパレット", ""};
const char* const EffectPosNames[6] = {"画面中央に表示", "キャラの中心に表示", "主人公の中心に表示",
                                       "画面座標で指定", "ステージ座標で指定", ""};
const char* const PictureTimeNames[4] = {"進行キーが押されるまで表示", "ステージ終了まで表示",
                                         "時間で指定", ""};
const char* const EffectModeNames[4] = {"通常実行", "反転実行", "往復実行", ""};
const char* const BackgroundOpNames[4] = {"表示", "非表示", "反転(表示⇔非表示)", ""};
const char* const ArrangeVarKindNames[4] = {"コモン変数", "ステージ変数", "キャラ変数", ""};

const char* const MoveSetTypeNames[3] = {"方向で指定", "目標座標で指定", ""};
const char* const WarpSetTypeNames[7] = {"方向と距離で指定",
                                         "ターゲット1からの方向と距離で指定",
                                         "ターゲット2からの方向と距離で指定",
                                         "ターゲット3からの方向と距離で指定",
                                         "ターゲット4からの方向と距離で指定",
                                         "目標座標で指定",
                                         ""};
const char* const MoveDirectionNames[14] = {"前",   "後",   "左",   "右",   "前Y",  "後Y",      "上",
                                            "下",   "左上", "左下", "右上", "右下", "入力方向", ""};
const char* const MoveTargetTypeNames[5] = {"配置位置からの相対座標", "相対座標", "絶対座標",
                                            "画面座標", ""};
const char* const WarpTargetTypeNames[4] = {"相対座標", "絶対座標", "画面座標", ""};
const char* const CircleDirectionNames[5] = {"右回り", "左回り", "左向きなら右回り、右向きなら左回り",
                                             "左向きなら左回り、右向きなら右回り", ""};
const char* const TurnNames[13] = {"左を向く",
                                   "右を向く",
                                   "ターゲット1がいる方を向く",
                                   "ターゲット1がいる方の逆を向く",
                                   "ターゲット2がいる方を向く",
                                   "ターゲット2がいる方の逆を向く",
                                   "ターゲット3がいる方を向く",
                                   "ターゲット3がいる方の逆を向く",
                                   "ターゲット4がいる方を向く",
                                   "ターゲット4がいる方の逆を向く",
                                   "最後にブロックが当たった方を向く",
                                   "最後にブロックが当たった方の逆を向く",
                                   ""};
const char* const MoveTimeModeNames[4] = {"時間と速度を指定", "時間と距離を指定", "速度と距離を指定",
                                          ""};
const char* const CircleTimeModeNames[3] = {"時間を指定", "速度を指定", ""};
const char* const JumpTypeNames[4] = {"高さがキーで調節できない",
                                      "高さがキーで調節できる(主人公のみ有効)",
                                      "慣性移動速度に応じて高さを決定(主人公のみ有効)", ""};
const char* const DistanceUnitNames[3] = {"(hbl)で指定", "(dot)で指定", ""};

const char* const ShotFormationNames[7] = {"直進A", "直進B", "拡散", "落雷", "爆発", "包囲", ""};
const char* const ShotObjectNames[4] = {"ターゲット", "主人公", "自分", ""};
const char* const ShotMoveTypeNames[11] = {"直進",
                                           "主人公を狙う",
                                           "近いキャラを狙う",
                                           "ターゲットを狙う",
                                           "主人公へ誘導",
                                           "近いキャラへ誘導（対象死亡時、誘導を無効化）",
                                           "ターゲットへ誘導",
                                           "近いキャラへ誘導（対象死亡時、対象を変更）",
                                           "ウェーブ",
                                           "落下",
                                           ""};
const char* const BlockSummonTypeNames[4] = {"ブロックを召喚", "ブロックを消す",
                                             "ブロックがなければ召喚、ブロックがあれば消す", ""};
const char* const SummonPaletteNames[3] = {"コモンパレット", "ステージパレット", ""};
const char* const SummonPaletteCommonNames[2] = {"コモンパレット", ""};
const char* const SummonFactionModeNames[4] = {"パレットの設定に準ずる", "使用者と同じ", "番号で指定",
                                               ""};
