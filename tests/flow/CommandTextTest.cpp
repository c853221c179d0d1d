#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/CommandText.h"
#include "flow/FlowTextWorld.h"

namespace {

cEdCommand Cmd(int nKind, std::vector<int32_t> vParam = {}, int16_t nTime = 0, int8_t bParallel = 0) {
  cEdCommand c;
  c.m_nKind = static_cast<int8_t>(nKind);
  c.m_vParam.assign(vParam.begin(), vParam.end());
  c.m_nTime = nTime;
  c.m_bParallel = bParallel;
  return c;
}

cEdCommand ItemCmd(int nKind, std::vector<int32_t> vParam = {}, int16_t nTime = 0, int8_t bParallel = 0) {
  cEdCommand c = Cmd(nKind, vParam, nTime, bParallel);
  c.m_bItem = 1;
  return c;
}

cEdMove& Move(cEdCommand& c) {
  if (!c.m_pMove) CreateShared(c.m_pMove);
  return *c.m_pMove;
}

cEdShot& Shot(cEdCommand& c) {
  if (!c.m_pShot) CreateShared(c.m_pShot);
  return *c.m_pShot;
}

// A move given by its way of setting time, speed and distance.
cEdCommand MoveCmd(int nKind, int16_t nTime, int8_t nSpec, int16_t nSpeed, int16_t nDistance, int8_t nUnit = 0) {
  cEdCommand c = Cmd(nKind, {}, nTime);
  cEdMove& m = Move(c);
  m.m_nSpecType = nSpec;
  m.m_nSpeed = nSpeed;
  m.m_nDistance = nDistance;
  m.m_nDistanceUnit = nUnit;
  return c;
}

cEdCommand Straight(int8_t nAim, int8_t nDir, int16_t nAngle, int8_t bUseX, int8_t bUseY) {
  cEdCommand c = MoveCmd(2, 30, 0, 10, 0);
  cEdMove& m = Move(c);
  m.m_nAimType = nAim;
  m.m_nDirection = nDir;
  m.m_nAngle = nAngle;
  m.m_bUseTargetX = bUseX;
  m.m_bUseTargetY = bUseY;
  m.m_nTargetX = 3;
  m.m_nTargetY = -2;
  return c;
}

cEdCommand Summon(int nKind, int8_t nType, int8_t nPalette, int16_t nNo) {
  cEdCommand c = Cmd(nKind, {}, 5);
  Shot(c).m_nSummonType = nType;
  Shot(c).m_nSummonPalette = nPalette;
  Shot(c).m_nSummonNo = nNo;
  return c;
}

cEdCommand Warp(int8_t nAim, int8_t nDir, int8_t nCoord) {
  cEdCommand c = Cmd(20);
  Move(c).m_nAimType = nAim;
  Move(c).m_nDirection = nDir;
  Move(c).m_nDistance = 5;
  Move(c).m_nTargetType = nCoord;
  Move(c).m_nTargetX = 10;
  Move(c).m_nTargetY = 20;
  return c;
}

cEdCommand WithText(cEdCommand c, const char* pszText) {
  c.m_strText = pszText;
  return c;
}

struct cCmdCase {
  const char* pszExpected;
  cEdCommand (*fnMake)();
};

// One or more rows per kind: prefixes, tails, and stored values the lookups must survive.
const cCmdCase s_Cases[] = {
    {"10 ◆ ウエイト ◆", [] { return Cmd(1, {}, 10); }},
    {"P-0 ◆ ウエイト ◆", [] { return Cmd(1, {}, 0, 1); }},
    {"-5 ◆ ウエイト ◆", [] { return Cmd(1, {}, -5); }},

    {"30 ◆ 直線移動 ◆ 右 時30 速10", [] { return Straight(0, 3, 0, 1, 1); }},
    {"30 ◆ 直線移動 ◆ 前45 時30 速10", [] { return Straight(0, 0, 45, 1, 1); }},
    {"30 ◆ 直線移動 ◆ 左上-30 時30 速10", [] { return Straight(0, 8, -30, 1, 1); }},
    {"30 ◆ 直線移動 ◆ 目標(3,-2) 時30 速10", [] { return Straight(1, 0, 0, 1, 1); }},
    {"30 ◆ 直線移動 ◆ 目標(3,-) 時30 速10", [] { return Straight(1, 0, 0, 1, 0); }},
    {"30 ◆ 直線移動 ◆ 目標(-,-2) 時30 速10", [] { return Straight(1, 0, 0, 0, 1); }},
    {"30 ◆ 直線移動 ◆ 目標(-,-) 時30 速10", [] { return Straight(1, 0, 0, 0, 0); }},
    {"30 ◆ 直線移動 ◆ 時30 速10", [] { return Straight(2, 0, 0, 1, 1); }},
    {"20 ◆ 直線移動 ◆ 前 時20 距5", [] { return MoveCmd(2, 20, 1, 10, 5); }},
    {"20 ◆ 直線移動 ◆ 前 時20 距5dot", [] { return MoveCmd(2, 20, 1, 10, 5, 1); }},
    {"0.0? ◆ 直線移動 ◆ 前 速0 距4", [] { return MoveCmd(2, 20, 2, 0, 4); }},
    {"5.3? ◆ 直線移動 ◆ 前 速20 距4", [] { return MoveCmd(2, 20, 2, 20, 4); }},
    {"P-0.3? ◆ 直線移動 ◆ 前 速20 距4dot",
     [] {
       cEdCommand c = MoveCmd(2, 20, 2, 20, 4, 1);
       c.m_bParallel = 1;
       return c;
     }},
    {"20 ◆ 直線移動 ◆ 前", [] { return MoveCmd(2, 20, 3, 20, 4); }},
    {"30 ◆ 直線移動 ◆", [] { return Cmd(2, {}, 30); }},

    {"15 ◆ 地上折り返し移動 ◆ 時15 速8", [] { return MoveCmd(3, 15, 0, 8, 0); }},
    {"8.0? ◆ 地上折り返し移動 ◆ 速10 距3", [] { return MoveCmd(3, 15, 2, 10, 3); }},

    {"40 ◆ 円移動 ◆ 時40 角0～360",
     [] {
       cEdCommand c = MoveCmd(4, 40, 0, 10, 360);
       return c;
     }},
    {"85.7? ◆ 円移動 ◆ 速7 角90～450",
     [] {
       cEdCommand c = MoveCmd(4, 40, 1, 7, 450);
       Move(c).m_nAngle = 90;
       return c;
     }},
    {"0.0? ◆ 円移動 ◆ 速0 角0～360", [] { return MoveCmd(4, 40, 1, 0, 360); }},
    {"40 ◆ 円移動 ◆ 角0～360", [] { return MoveCmd(4, 40, 2, 7, 360); }},

    {"10 ◆ 突撃移動 ◆ ターゲット2 時10 距3",
     [] {
       cEdCommand c = MoveCmd(5, 10, 1, 10, 3);
       Move(c).m_nTarget = 1;
       return c;
     }},
    {"5.3? ◆ 誘導移動 ◆ ターゲット1 速30 距6", [] { return MoveCmd(6, 10, 2, 30, 6); }},
    {"10 ◆ 誘導移動 ◆  時10 速10",
     [] {
       cEdCommand c = MoveCmd(6, 10, 0, 10, 0);
       Move(c).m_nTarget = 9;
       return c;
     }},

    {"30 ◆ 画面外回避移動 ◆ 目標(3,-2) 時30 速10",
     [] {
       cEdCommand c = Straight(1, 0, 0, 0, 0);
       c.m_nKind = 7;
       return c;
     }},
    {"30 ◆ 画面外回避移動 ◆ 左上-30 時30 速10",
     [] {
       cEdCommand c = Straight(0, 8, -30, 1, 1);
       c.m_nKind = 7;
       return c;
     }},

    {"5 ◆ 移動の無効化 ◆", [] { return Cmd(8, {}, 5); }},
    {"0 ◆ 向き変更 ◆ ターゲット1がいる方の逆を向く", [] { return Cmd(9, {3}); }},
    {"0 ◆ 向き変更 ◆ ", [] { return Cmd(9, {12}); }},

    {"? ◆ ジャンプ ◆ 高さ48", [] { return Cmd(10, {0, 0, 48, 0, 0}, 25); }},
    {"? ◆ ジャンプ ◆ 高さ48", [] { return Cmd(10, {1, 0, 48, 0, 0}); }},
    {"P-? ◆ ジャンプ ◆ 高さ32～64", [] { return Cmd(10, {2, 0, 32, 0, 64}, 25, 1); }},
    {"? ◆ ジャンプ ◆", [] { return Cmd(10, {3, 0, 32, 0, 64}); }},

    {"12 ◆ ショット ◆ 拡散 数5(1) 後10 速40 威3 主人公を狙う",
     [] {
       cEdCommand c = Cmd(11, {}, 12);
       cEdShot& s = Shot(c);
       s.m_nFormation = 2;
       s.m_nCount = 5;
       s.m_nClones = 1;
       s.m_nDirection = 1;
       s.m_nAngle = 10;
       s.m_nSpeed = 40;
       s.m_nPower = 3;
       s.m_nMoveType = 1;
       return c;
     }},
    {"12 ◆ ショット ◆", [] { return Cmd(11, {}, 12); }},

    {"9 ◆ ソード ◆ ロングソード 威7",
     [] {
       cEdCommand c = Cmd(12, {}, 9);
       Shot(c).m_nPower = 7;
       return c;
     }},
    {"9 ◆ ソード ◆  威7",
     [] {
       cEdCommand c = Cmd(12, {}, 9);
       Shot(c).m_nMoveType = 4;
       Shot(c).m_nPower = 7;
       return c;
     }},

    {"5 ◆ ブロック召喚 ◆ ブロックを消す", [] { return Summon(13, 1, 0, 2); }},
    {"5 ◆ ブロック召喚 ◆ 「002 草」", [] { return Summon(13, 0, 0, 2); }},
    {"5 ◆ ブロック召喚 ◆ 「001 」", [] { return Summon(13, 2, 1, 1); }},
    {"5 ◆ ブロック召喚 ◆", [] { return Summon(13, 3, 0, 2); }},
    {"5 ◆ キャラ召喚 ◆ 「003 コウモリ」", [] { return Summon(14, 0, 0, 3); }},
    {"5 ◆ キャラ召喚 ◆ 「001 ボス」", [] { return Summon(14, 0, 1, 1); }},
    {"5 ◆ キャラ召喚 ◆ 「005 」", [] { return Summon(14, 0, 0, 5); }},
    {"5 ◆ キャラ召喚 ◆ 「001 」", [] { return Summon(14, 0, 2, 1); }},
    {"5 ◆ アイテム召喚 ◆ 「001 コイン」", [] { return Summon(15, 0, 0, 1); }},

    {"0 ◆ フローの操作 ◆ 自分 の 指定IDのフロー を 開始 (ID:A)  ★条件あり★",
     [] {
       cEdCommand c = Cmd(16, {0, 2, 1, 0});
       CreateShared(c.m_pCondList);
       c.m_pCondList->m_bUseCond = 1;
       return c;
     }},
    {"0 ◆ フローの操作 ◆ ターゲット2 の このフロー を 永久停止",
     [] {
       cEdCommand c = Cmd(16, {5, 0, 1, 2});
       CreateShared(c.m_pCondList);
       return c;
     }},
    {"0 ◆ フローの操作 ◆ 自分 の このフロー以外全て を 終了", [] { return Cmd(16, {1, 1}); }},

    {"0 ◆ ステージクリア ◆", [] { return Cmd(17, {1, 2, 3}, 40); }},
    {"P-0 ◆ ステージクリア ◆", [] { return Cmd(17, {}, 0, 1); }},
    {"30 ◆ ゲームウエイト ◆", [] { return Cmd(18, {30}); }},
    {"4464 ◆ ゲームウエイト ◆", [] { return Cmd(18, {70000}); }},

    {"P-0 ◆ メッセージ ◆ メッセージの消去",
     [] {
       cEdCommand c = Cmd(19, {0, 0, 0, 0, 0, 0, 2, 50, 0, 0, 0, 0, 0, 0, 0, 1}, 0, 0);
       return WithText(c, "消える");
     }},
    {"? ◆ メッセージ ◆ 100%達成", [] { return WithText(Cmd(19, {}), "100%達成"); }},
    {"P-0(∞) ◆ メッセージ ◆ やあ", [] { return WithText(Cmd(19, {0, 0, 0, 0, 0, 0, 1}), "やあ"); }},
    {"P-0(50) ◆ メッセージ ◆ やあ", [] { return WithText(Cmd(19, {0, 0, 0, 0, 0, 0, 2, 50}, 0, 1), "やあ"); }},
    {" ◆ メッセージ ◆ やあ", [] { return WithText(Cmd(19, {0, 0, 0, 0, 0, 0, 3, 50}), "やあ"); }},

    {"0 ◆ ワープ ◆ 方向と距離で指定 右 距5", [] { return Warp(0, 3, 0); }},
    {"0 ◆ ワープ ◆ ターゲット2からの方向と距離で指定 入力方向 距5", [] { return Warp(2, 12, 0); }},
    {"0 ◆ ワープ ◆ 目標座標で指定 絶対座標 (10,20)", [] { return Warp(5, 0, 1); }},
    {"0 ◆ ワープ ◆ ", [] { return Warp(6, 0, 1); }},
    {"0 ◆ ワープ ◆", [] { return Cmd(20); }},

    {"0 ◆ ターゲットの設定 ◆ ターゲット4 を 子キャラ（条件付き。後で召喚したキャラ優先) にする",
     [] { return Cmd(21, {3, 6}); }},

    {"0 ◆ ステータスの操作 ◆ 自分 の HP を ＋ 10", [] { return Cmd(22, {0, 0, 0, 0, 1, 1, 0, 10}); }},
    {"0 ◆ ステータスの操作 ◆ 「005 スコア倍率」を ＝ 1～6", [] { return Cmd(22, {1, 0, 5, 0, 0, 0, 1, 0, 1, 6}); }},
    {"0 ◆ ステータスの操作 ◆ 「003 扉」を × ターゲット1 の 最大HP",
     [] { return Cmd(22, {1, 1, 3, 0, 0, 3, 2, 0, 0, 0, 0, 0, 1, 3}); }},
    {"0 ◆ ステータスの操作 ◆ ターゲット2 の 「3 キャラ変数-3」を － スコア",
     [] { return Cmd(22, {0, 0, 3, 2, 0, 2, 2, 0, 0, 0, 0, 0, 5, 3}); }},
    {"0 ◆ ステータスの操作 ◆ 残り人数 を ÷ X の余り 自分 の 「8 キャラ変数-8」%",
     [] { return Cmd(22, {0, 0, 0, 5, 4, 5, 2, 0, 0, 0, 0, 8, 0, 0, 1}); }},
    {"0 ◆ ステータスの操作 ◆ 自分 の 倒したら獲得するスコア を X ％ 「007 」",
     [] { return Cmd(22, {0, 0, 0, 0, 14, 6, 3, 0, 0, 0, 0, 7}); }},
    {"0 ◆ ステータスの操作 ◆ 「-001 」を ＝ 「005 」", [] { return Cmd(22, {1, 0, -1, 0, 0, 0, 3, 0, 0, 0, 2, 5}); }},
    {"0 ◆ ステータスの操作 ◆ 自分 の 「」を ＝ 0", [] { return Cmd(22); }},
    {"0 ◆ ステータスの操作 ◆ ", [] { return Cmd(22, {2, 0, 0, 0, 0, 9, 4}); }},

    {"0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を しない にする", [] { return Cmd(23, {0, 5, 1}); }},
    {"0 ◆ ステータスの操作2 ◆ ターゲット1 の 巨大化 を ×100 にする", [] { return Cmd(23, {1, 5, 10}); }},
    {"0 ◆ ステータスの操作2 ◆ 自分 の 飛行 を ON (ブロックに当たる) にする", [] { return Cmd(23, {0, 3, 2}); }},
    {"0 ◆ ステータスの操作2 ◆ 縦スクロール を オートスクロール にする", [] { return Cmd(23, {5, 1, 1}); }},
    {"0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を  にする", [] { return Cmd(23, {0, 5, 0}); }},
    {"0 ◆ ステータスの操作2 ◆", [] { return Cmd(23, {6, 1, 1}); }},

    {"0 ◆ 消滅 ◆ ショット 画面内 対象勢力3", [] { return Cmd(24, {1, 3, 0}); }},
    {"0 ◆ 消滅 ◆ 子以下のキャラと子以下のショット", [] { return Cmd(24, {4, 3, 1}); }},

    {"0 ◆ アイテムの取得 ◆ 「001 コイン」", [] { return Cmd(25, {0, 1}); }},
    {"P-7 ◆ アイテムの取得 ◆ 「009 」", [] { return Cmd(25, {1, 9}, 7, 1); }},

    {"0 ◆ グラフィックの変更 ◆", [] { return Cmd(26, {1, 2, 3}, 12); }},
    {"0 ◆ 基本アニメセットの変更 ◆ 飛行", [] { return Cmd(27, {1}); }},
    {"0 ◆ 基本アニメセットの変更 ◆ ", [] { return Cmd(27, {7}); }},

    {"0(70) ◆ アニメの実行 ◆ 歩き", [] { return Cmd(28, {1}); }},
    {"P-0(9999) ◆ アニメの実行 ◆ 長い", [] { return Cmd(28, {2}, 0, 1); }},
    {"0(0) ◆ アニメの実行 ◆ ", [] { return Cmd(28, {-3}); }},

    {"P-0 ◆ エフェクトの実行 ◆ エフェクトの消去", [] { return Cmd(29, {0}); }},
    {"0(30) ◆ エフェクトの実行 ◆ 爆発", [] { return Cmd(29, {1}); }},
    {"0(12000) ◆ エフェクトの実行 ◆ 長大", [] { return Cmd(29, {2}); }},
    {"0(-25536) ◆ エフェクトの実行 ◆ 巨大", [] { return Cmd(29, {3}); }},

    {"0(10) ◆ キャラエフェクトの実行 ◆ 点滅", [] { return Cmd(30, {1, 0, 0}); }},
    {"P-0(20) ◆ キャラエフェクトの実行 ◆ 点滅 往復実行 ループ実行", [] { return Cmd(30, {1, 2, 1}, 0, 1); }},
    {"0(0) ◆ キャラエフェクトの実行 ◆ なし 反転実行", [] { return Cmd(30, {0, 1, 0}); }},
    {"0(0) ◆ キャラエフェクトの実行 ◆ ", [] { return Cmd(30, {5, 0, 0}); }},
    {"0(15) ◆ 画面エフェクトの実行 ◆ 振動 反転実行", [] { return Cmd(31, {1, 1, 0}); }},
    {"0(30) ◆ 画面エフェクトの実行 ◆ 振動 往復実行", [] { return Cmd(31, {1, 2, 0}); }},

    {"P-0 ◆ ピクチャーの表示 ◆ ピクチャーの消去", [] { return Cmd(32, {0, 0, 0, 0, 0, 0, 0, 0, 2, 40}); }},
    {"? ◆ ピクチャーの表示 ◆ タイトル", [] { return Cmd(32, {1}); }},
    {"P-0(∞) ◆ ピクチャーの表示 ◆ タイトル", [] { return Cmd(32, {1, 0, 0, 0, 0, 0, 0, 0, 1}); }},
    {"P-0(40) ◆ ピクチャーの表示 ◆ タイトル", [] { return Cmd(32, {1, 0, 0, 0, 0, 0, 0, 0, 2, 40}, 0, 1); }},

    {"0(20) ◆ 画面の色を変更 ◆ R255 G128 B0 50%", [] { return Cmd(33, {255, 128, 0, 50, 0, 20, 0, 3}); }},
    {"0(60) ◆ 画面の色を変更 ◆ R255 G128 B0 50% 瞬間表示 × 3", [] { return Cmd(33, {255, 128, 0, 50, 0, 20, 1, 3}); }},
    {"0(20) ◆ 画面の色を変更 ◆ 元に戻す", [] { return Cmd(33, {255, 128, 0, 50, 1, 20, 1, 1}); }},

    {"0 ◆ 背景の変更 ◆ 2番 を 反転(表示⇔非表示)", [] { return Cmd(34, {2, 2}); }},
    {"0 ◆ 効果音の再生 ◆ ジャンプ音", [] { return Cmd(35, {1}); }},
    {"0 ◆ BGMの再生 ◆ ステージ1", [] { return Cmd(36, {1, 0}); }},
    {"0 ◆ コードの実行 ◆ C5 = rand(0,5)", [] { return WithText(Cmd(37), "C5 = rand(0,5)"); }},

    {"0 ◆ アレンジ ◆ 次の 「ソード」 の 威力 ＋ 「005 スコア倍率」", [] { return Cmd(38, {12, 2, 1, 0, 5}); }},
    {"0 ◆ アレンジ ◆ 次の 「ソード」 の 勢力 ＝ 「003 扉」", [] { return Cmd(38, {12, 0, 0, 1, 3}); }},
    {"0 ◆ アレンジ ◆ 次の 「ソード」 の 衝撃 × 「002 2 キャラ変数-2」", [] { return Cmd(38, {12, 3, 3, 2, 2}); }},
    {"0 ◆ アレンジ ◆ 次の 「ソード」 の  ＝", [] { return Cmd(38, {12, 9, 0, 3, 2}); }},
    {"0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。", [] { return Cmd(38, {1, 0, 0, 0, 1}); }},
    {"0 ◆ アレンジ ◆ ※不正です。設定を見直して下さい。", [] { return Cmd(38, {99}); }},

    {"0 ◆ ループ ◆ 後続 2 個のコマンドを 3 回繰り返す", [] { return Cmd(39, {3, 2}); }},

    // Item numbering: the kind name from the item table, the text of character kind k + 15.
    {"0 ◆ フローの変更 ◆", [] { return ItemCmd(1, {1, 2}, 30); }},
    {"0 ◆ ステージクリア ◆", [] { return ItemCmd(2); }},
    {"P-15 ◆ ゲームウエイト ◆", [] { return ItemCmd(3, {15}, 0, 1); }},
    {"0 ◆ ステータスの操作 ◆ 自分 の HP を ＋ 10", [] { return ItemCmd(7, {0, 0, 0, 0, 1, 1, 0, 10}); }},
    {"3 ◆ アイテムの取得 ◆ 「001 コイン」", [] { return ItemCmd(10, {0, 1}, 3); }},
    {"0 ◆ ループ ◆ 後続 1 個のコマンドを 2 回繰り返す", [] { return ItemCmd(24, {2, 1}); }},

    // Kinds without a formatter have an empty line.
    {"", [] { return Cmd(0, {}, 10); }},
    {"", [] { return Cmd(40, {}, 10); }},
    {"", [] { return Cmd(-1, {}, 10); }},
    {"", [] { return ItemCmd(0, {}, 10); }},
    {"", [] { return ItemCmd(25, {}, 10); }},
};

class CommandText : public cFlowTextWorld {};

}  // namespace

TEST_F(CommandText, EveryKindReadsAsItsTable) {
  for (const cCmdCase& row : s_Cases) {
    const cEdCommand cmd = row.fnMake();
    std::string line = "stale";
    FormatCmdLine(line, cmd, m_Ctx);
    EXPECT_TRUE(SameLine(row.pszExpected, line)) << "kind " << int(cmd.m_nKind) << " item " << int(cmd.m_bItem);
  }
}

TEST_F(CommandText, TextIsShiftJis) {
  std::string line;
  FormatCmdLine(line, Cmd(1, {}, 0, 1), m_Ctx);
  EXPECT_EQ("50 2D 30 20 81 9F 20 83 45 83 47 83 43 83 67 20 81 9F", HexOf({line.begin(), line.end()}));
  FormatCmdLine(line, WithText(Cmd(19, {0, 0, 0, 0, 0, 0, 1}), ""), m_Ctx);
  EXPECT_EQ("50 2D 30 28 81 87 29", HexOf({line.begin(), line.begin() + 7}));  // "P-0(∞)"
}

TEST_F(CommandText, ItemKindsShareTheCharacterFormatters) {
  for (int k = 2; k < ITEM_CMD_KIND_COUNT; ++k) {
    // Same parameters, same line: the item table names the kinds as the character table does.
    const std::vector<int32_t> params = {1, 2, 1, 0, 1, 1, 2, 3, 4, 5, 0, 1, 0, 1, 0, 0, 0, 0};
    std::string strItem;
    std::string strChara;
    FormatCmdLine(strItem, ItemCmd(k, params, 4), m_Ctx);
    FormatCmdLine(strChara, Cmd(k + ITEM_CMD_KIND_OFFSET, params, 4), m_Ctx);
    EXPECT_TRUE(SameLine(strChara, strItem)) << k;
  }
}

TEST_F(CommandText, AnEmptyWorldGivesEmptyNamesAndZeroTotals) {
  const cFlowTextContext empty;
  const cCmdCase rows[] = {
      {"0(0) ◆ アニメの実行 ◆ ", [] { return Cmd(28, {1}); }},
      {"0 ◆ ソード ◆  威0",
       [] {
         cEdCommand c = Cmd(12);
         Shot(c);
         return c;
       }},
      {"5 ◆ キャラ召喚 ◆ 「003 」", [] { return Summon(14, 0, 0, 3); }},
      {"0 ◆ ステータスの操作 ◆ 「005 」を ＝ 0", [] { return Cmd(22, {1, 0, 5}); }},
  };
  for (const cCmdCase& row : rows) {
    std::string line;
    FormatCmdLine(line, row.fnMake(), empty);
    EXPECT_TRUE(SameLine(row.pszExpected, line));
  }
}

TEST_F(CommandText, ListCallbackAsksTheInstalledContext) {
  std::string line;
  const cEdCommand cmd = Summon(14, 0, 1, 1);
  CmdListText(line, 0, cmd);
  EXPECT_TRUE(SameLine("5 ◆ キャラ召喚 ◆ 「001 」", line));  // nothing installed: no names

  cInstalledContext installed(m_Ctx);
  CmdListText(line, 3, cmd);
  EXPECT_TRUE(SameLine("5 ◆ キャラ召喚 ◆ 「001 ボス」", line));
}
