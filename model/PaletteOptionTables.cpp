#include "model/PaletteOptionTables.h"

// Plain arrays of literals: they are complete before any constructor of the program runs, so other
// tables may copy from them during their own static initialisation.

const char* const InheritSrcNames[4] = {"継承しない", "コモンパレット", "ステージパレット", ""};
const char* const InheritSrcNamesCommon[3] = {"継承しない", "コモンパレット", ""};
const char* const InheritSrcNamesStage[3] = {"継承しない", "ステージパレット", ""};
const char* const InheritSrcNamesNone[2] = {"継承しない", ""};
const char* const ItemPalNames[4] = {"なし", "コモンパレット", "ステージパレット", ""};
const char* const ItemPalNamesCommon[3] = {"なし", "コモンパレット", ""};

const char* const SheetNames[6] = {"ブロック", "キャラ", "アイテム", "ショット", "専用bmp", ""};
const char* const SheetNames2[6] = {"ブロック", "キャラ", "アイテム", "ショット", "専用bmp", ""};
const char* const TransparentNames[3] = {"OFF", "ON", ""};
const char* const MarkShowNames[4] = {"表示しない", "表示する", "エディターでのみ表示", ""};
const char* const GiantNames[11] = {"しない", "×4",  "×9",  "×16", "×25", "×36",
                                    "×49",   "×64", "×81", "×100", ""};
const char* const GiantNames2[10] = {"×4",  "×9",  "×16", "×25",  "×36",
                                     "×49", "×64", "×81", "×100", ""};

const char* const BlockTypeNames[4] = {"当たらない", "当たる", "主人公が当たると即死", ""};
const char* const NoFactionNames[10] = {"なし", "0", "1", "2", "3", "4", "5", "6", "7", ""};
const char* const BlockActionNames[7] = {"なし",
                                         "ジャンプ X=高さ(hbl)",
                                         "ジャンプ禁止",
                                         "移動速度変更 X=％",
                                         "左移動 X=移動速度",
                                         "右移動 X=移動速度",
                                         ""};

const char* const ControlNames[3] = {"プレイヤー", "コンピューター", ""};
const char* const PlayerNoNames[2] = {"1", ""};
const char* const FlyNames[5] = {"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)",
                                 "ON (ブロックに当たると即死)", ""};
const char* const InvincibleNames[4] = {"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)",
                                        ""};
const char* const CharaBlockNames[3] = {"OFF", "ON", ""};
const char* const SightNames[6] = {"画面内全て",
                                   "キャラを中心とした円形",
                                   "キャラの前方に円形",
                                   "キャラを中心とした正方形",
                                   "キャラの前方に正方形",
                                   ""};
const char* const BodyHitRangeNames[5] = {"キャラ対キャラの当たり判定範囲（推奨）",
                                          "キャラ対ショットの当たり判定範囲",
                                          "ショット対キャラの当たり判定範囲", "32×32", ""};
const char* const ActRangeNames[5] = {"画面内", "X座標のみ画面内", "Y座標のみ画面内", "全範囲", ""};
const char* const ActJudgeNames[4] = {"範囲かグループが真なら成立",
                                      "一度範囲かグループが真になると、以後無条件で成立",
                                      "範囲とグループが偽なら成立", ""};
const char* const OnOffNames[3] = {"OFF", "ON", ""};
