#include "model/Inherit.h"

#include <algorithm>
#include <atomic>

#include "app/MsgBox.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"
#include "model/Palette.h"

const char* const BlockInheritNames[12] = {
    "ブロック名", "出現条件", "グラフィック", "キャラより手前に表示", "透明", "マーク", "ブロックタイプ",
    "無効勢力", "アクション", "取得アイテム", "ブロック召喚を無効化", ""};

const char* const CharaInheritNames[38] = {
    "キャラ名", "操作", "勢力", "キャラID", "出現条件", "右向き", "分身数", "初期位置のズレX",
    "初期位置のズレY", "グラフィック", "アニメセット", "Z座標", "透明", "初期エフェクト", "死亡エフェクト",
    "マーク", "向き固定", "飛行", "無敵", "ブロック", "巨大化", "オートスクロールとシンクロ", "視界", "HP",
    "SP", "体当たりの当たり判定", "体当たりの威力", "体当たりの衝撃", "体当たりのエフェクト", "防御力",
    "衝撃耐性", "止まりやすさ", "行動条件", "グループ", "スコア", "アイテムを所持", "行動", ""};

const char* const ItemInheritNames[14] = {
    "アイテム名", "出現条件", "初期位置のズレX", "初期位置のズレY", "グラフィック", "Z座標", "透明",
    "マーク", "巨大化", "取得タイプ", "キャラの頭上にアイテム表示", "効果音", "効果", ""};

// ---------------------------------------------------------------------------------------------
// Source palettes

namespace {

cStagePalettes g_StagePal = {nullptr, nullptr, nullptr};
thread_local int t_nHold = 0;
// Holds on any thread: while there are none, which is nearly always, no thread-local value has to
// be looked up (they are slow here) for every record that is read or validated.
std::atomic<int> g_nHolds{0};

template <class V>
int32_t CountOf(const V* pv) {
  return pv ? static_cast<int32_t>(pv->size()) : 0;
}

}  // namespace

cStagePalettes SetStagePalettes(const cStagePalettes& pal) {
  cStagePalettes old = g_StagePal;
  g_StagePal = pal;
  return old;
}

cChkVector<cEdBlock>* SourceVector(int nSrc, const cEdBlock*) {
  return nSrc == SRC_COMMON ? &CommonPalette.m_vBlock : nSrc == SRC_STAGE ? g_StagePal.pBlock : nullptr;
}

cChkVector<cEdChara>* SourceVector(int nSrc, const cEdChara*) {
  return nSrc == SRC_COMMON ? &CommonPalette.m_vChara : nSrc == SRC_STAGE ? g_StagePal.pChara : nullptr;
}

cChkVector<cEdItem>* SourceVector(int nSrc, const cEdItem*) {
  return nSrc == SRC_COMMON ? &CommonPalette.m_vItem : nSrc == SRC_STAGE ? g_StagePal.pItem : nullptr;
}

int32_t SourceCount(int nSrc, ePalLayer eLayer) {
  switch (eLayer) {
    case PAL_BLOCK:
      return CountOf(SourceVector(nSrc, static_cast<const cEdBlock*>(nullptr)));
    case PAL_CHARA:
      return CountOf(SourceVector(nSrc, static_cast<const cEdChara*>(nullptr)));
    case PAL_ITEM:
      return CountOf(SourceVector(nSrc, static_cast<const cEdItem*>(nullptr)));
  }
  return 0;
}

bool HasSource(int nSrc, ePalLayer eLayer) {
  if (nSrc == SRC_COMMON) return true;
  if (nSrc != SRC_STAGE) return false;
  return (eLayer == PAL_BLOCK && g_StagePal.pBlock) || (eLayer == PAL_CHARA && g_StagePal.pChara) ||
         (eLayer == PAL_ITEM && g_StagePal.pItem);
}

bool IsBadSource(int nSrc, int32_t nNo, ePalLayer eLayer) {
  return HasSource(nSrc, eLayer) && IsOutside(nNo, static_cast<size_t>(SourceCount(nSrc, eLayer)));
}

cInheritHold::cInheritHold() {
  ++g_nHolds;
  ++t_nHold;
}
cInheritHold::~cInheritHold() {
  --t_nHold;
  --g_nHolds;
}
bool IsInheritHeld() { return g_nHolds.load(std::memory_order_relaxed) > 0 && t_nHold > 0; }

// ---------------------------------------------------------------------------------------------
// Applying

namespace {

// The source entry of a record, or null when nothing is to be copied. A number outside the named
// palette drops the kind (the number is kept).
template <class T>
const T* FindSource(T& rec) {
  if (rec.m_nInheritNo == 0 || rec.m_nInheritPal == 0) return nullptr;
  cChkVector<T>* pv = SourceVector(rec.m_nInheritPal, &rec);
  if (!pv) return nullptr;
  if (IsOutside(rec.m_nInheritNo, pv->size())) {
    rec.m_nInheritPal = 0;
    return nullptr;
  }
  return pv->data() + rec.m_nInheritNo;
}

// Flags beyond the stored vector count as clear.
template <class T>
size_t FlagCount(const T& rec) {
  return std::min(rec.m_bbInherit.size(), static_cast<size_t>(T::INHERIT_GROUPS));
}

// Blocks and items share the name and the appearance-condition groups.
template <class T>
void CopyName(T& dst, const T& src) {
  dst.m_strName = src.m_strName;
}

template <class T>
void CopyConds(T& dst, const T& src) {
  dst.m_vCond = src.m_vCond;
  dst.m_nCondJudge = src.m_nCondJudge;
  dst.m_bLatch = src.m_bLatch;
}

void CopyBlockGroup(cEdBlock& d, const cEdBlock& s, size_t i) {
  switch (i) {
    case 0: CopyName(d, s); break;
    case 1: CopyConds(d, s); break;
    case 2: d.m_nSheet = s.m_nSheet; d.m_nGraphic = s.m_nGraphic; d.m_nFrame = s.m_nFrame; break;
    case 3: d.m_bFront = s.m_bFront; break;
    case 4: d.m_bTransparent = s.m_bTransparent; break;
    case 5: d.m_nMark = s.m_nMark; d.m_nMarkNo = s.m_nMarkNo; break;
    case 6: d.m_nBlockType = s.m_nBlockType; break;
    case 7: d.m_nNoFaction = s.m_nNoFaction; break;
    case 8: d.m_nAction = s.m_nAction; d.m_nActionX = s.m_nActionX; break;
    case 9: d.m_nItemPal = s.m_nItemPal; d.m_nItemNo = s.m_nItemNo; break;
    case 10: d.m_bNoSummon = s.m_bNoSummon; break;
  }
}

void CopyItemGroup(cEdItem& d, const cEdItem& s, size_t i) {
  switch (i) {
    case 0: CopyName(d, s); break;
    case 1: CopyConds(d, s); break;
    case 2: d.m_nOffsetX = s.m_nOffsetX; break;
    case 3: d.m_nOffsetY = s.m_nOffsetY; break;
    case 4: d.m_nSheet = s.m_nSheet; d.m_nGraphic = s.m_nGraphic; d.m_nFrame = s.m_nFrame; break;
    case 5: d.m_nZ = s.m_nZ; break;
    case 6: d.m_bTransparent = s.m_bTransparent; break;
    case 7: d.m_nMark = s.m_nMark; d.m_nMarkNo = s.m_nMarkNo; break;
    case 8: d.m_nGiant = s.m_nGiant; break;
    case 9: d.m_nTakeType = s.m_nTakeType; break;
    case 10: d.m_bShowOnTake = s.m_bShowOnTake; break;
    case 11: d.m_nSound = s.m_nSound; break;
    case 12: d.m_vCommand = s.m_vCommand; break;
  }
}

void CopyCharaGroup(cEdChara& d, const cEdChara& s, size_t i) {
  switch (i) {
    case 0: CopyName(d, s); break;
    case 1: d.m_nControl = s.m_nControl; d.m_nPlayerNo = s.m_nPlayerNo; break;
    case 2: d.m_nFaction = s.m_nFaction; break;
    case 3: d.m_nCharaId = s.m_nCharaId; break;
    case 4: CopyConds(d, s); break;
    case 5: d.m_bFaceRight = s.m_bFaceRight; break;
    case 6: d.m_nClones = s.m_nClones; break;
    case 7:
      d.m_nOffsetX = s.m_nOffsetX;
      d.m_nCloneOffsetX = s.m_nCloneOffsetX;
      d.m_bFlipOffsetX = s.m_bFlipOffsetX;
      break;
    case 8:
      d.m_nOffsetY = s.m_nOffsetY;
      d.m_nCloneOffsetY = s.m_nCloneOffsetY;
      d.m_bFlipOffsetY = s.m_bFlipOffsetY;
      break;
    case 9: d.m_nSheet = s.m_nSheet; d.m_nGraphic = s.m_nGraphic; d.m_nGraphicShift = s.m_nGraphicShift; break;
    case 10: d.m_nAnimeSet = s.m_nAnimeSet; break;
    case 11: d.m_nZ = s.m_nZ; break;
    case 12: d.m_bTransparent = s.m_bTransparent; break;
    case 13:
      d.m_nStartEffect = s.m_nStartEffect;
      d.m_nStartEffectMode = s.m_nStartEffectMode;
      d.m_bStartEffectLoop = s.m_bStartEffectLoop;
      break;
    case 14: d.m_nDeathEffect = s.m_nDeathEffect; d.m_nDeathEffectMode = s.m_nDeathEffectMode; break;
    case 15: d.m_nMark = s.m_nMark; d.m_nMarkNo = s.m_nMarkNo; break;
    case 16: d.m_bFixDir = s.m_bFixDir; break;
    case 17: d.m_nFly = s.m_nFly; break;
    case 18: d.m_nInvincible = s.m_nInvincible; d.m_nInvincibleEffect = s.m_nInvincibleEffect; break;
    case 19: d.m_bBlock = s.m_bBlock; break;
    case 20: d.m_nGiant = s.m_nGiant; break;
    case 21: d.m_bScrollSync = s.m_bScrollSync; break;
    case 22: d.m_nSightShape = s.m_nSightShape; d.m_nSightRange = s.m_nSightRange; break;
    case 23: d.m_nHp = s.m_nHp; break;
    case 24: d.m_nSp = s.m_nSp; break;
    case 25: d.m_nBodyHitRange = s.m_nBodyHitRange; break;
    case 26: d.m_nBodyPower = s.m_nBodyPower; break;
    case 27: d.m_nBodyImpact = s.m_nBodyImpact; break;
    case 28: d.m_nBodyEffect = s.m_nBodyEffect; break;
    case 29: d.m_nDefence = s.m_nDefence; break;
    case 30: d.m_nImpactResist = s.m_nImpactResist; break;
    case 31: d.m_nInertia = s.m_nInertia; break;
    case 32: d.m_nActRange = s.m_nActRange; d.m_nActJudge = s.m_nActJudge; break;
    case 33: d.m_nGroupNo = s.m_nGroupNo; d.m_bGroup = s.m_bGroup; break;
    case 34: d.m_nScore = s.m_nScore; break;
    case 35: d.m_bHoldItem = s.m_bHoldItem; break;
    case 36:
      d.m_vFlow = s.m_vFlow;
      // A character that acts from a palette entry always has a flow to edit.
      if (d.m_vFlow.empty()) d.m_vFlow.push_back(cEdFlow());
      break;
  }
}

template <class T, class F>
void Apply(T& rec, F copyGroup) {
  const T* pSrc = FindSource(rec);
  if (!pSrc) return;
  const size_t n = FlagCount(rec);
  for (size_t i = 0; i < n; ++i)
    if (rec.m_bbInherit.data()[i]) copyGroup(rec, *pSrc, i);
}

template <class T>
void Set(T& rec, ePalLayer eLayer, int nPal, int16_t nNo, cChkVector<uint8_t>& vFlags) {
  if (IsBadSource(nPal, nNo, eLayer)) {
    rec.m_nInheritPal = 0;
    rec.m_nInheritNo = 0;
    std::fill(rec.m_bbInherit.begin(), rec.m_bbInherit.end(), 0);
  } else {
    rec.m_nInheritPal = static_cast<int8_t>(nPal);
    rec.m_nInheritNo = nNo;
    if (rec.m_bbInherit.size() != vFlags.size())
      DebugErrorBox("%s", "lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？");
    rec.m_bbInherit.assign(vFlags.begin(), vFlags.end());
  }
  rec.ApplyInherit();
}

ePalLayer LayerOf(int nLayer) { return static_cast<ePalLayer>(nLayer); }

}  // namespace

void cEdBlock::ApplyInherit() { Apply(*this, CopyBlockGroup); }
void cEdChara::ApplyInherit() { Apply(*this, CopyCharaGroup); }
void cEdItem::ApplyInherit() { Apply(*this, CopyItemGroup); }

void SetInherit(cEdBlock& rec, int nLayer, int nPal, int16_t nNo, cChkVector<uint8_t> vFlags) {
  Set(rec, LayerOf(nLayer), nPal, nNo, vFlags);
}

void SetInherit(cEdChara& rec, int nLayer, int nPal, int16_t nNo, cChkVector<uint8_t> vFlags) {
  Set(rec, LayerOf(nLayer), nPal, nNo, vFlags);
}

void SetInherit(cEdItem& rec, int nLayer, int nPal, int16_t nNo, cChkVector<uint8_t> vFlags) {
  Set(rec, LayerOf(nLayer), nPal, nNo, vFlags);
}
