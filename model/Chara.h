// A character: one placeable actor of the character layer, the player's hero or a computer
// character. The same record is a palette entry, a cell of the character grid, the project's
// default character and the editors' working copy. Graphic number 0 is an empty cell.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Cond.h"
#include "model/DataRecord.h"
#include "model/Flow.h"

class cEdChara : public cDataRecord {
 public:
  enum { INHERIT_GROUPS = 37 };

  std::string m_strName;
  cCondVector m_vCond;  // appearance conditions
  cChkVector<cEdFlow> m_vFlow;
  cFlagVector<INHERIT_GROUPS> m_bbInherit;  // one flag per inheritable field group
  int32_t m_nHp;
  int32_t m_nSp;
  int32_t m_nBodyPower;
  int32_t m_nDefence;  // from version 168
  int32_t m_nScore;
  int32_t m_nItemLink = 0;  // ordinal of the carried item among the placed items, or -1
  int16_t m_nInheritNo;     // 0: no inheritance
  int16_t m_nOffsetX;
  int16_t m_nCloneOffsetX;  // added once per clone number
  int16_t m_nOffsetY;
  int16_t m_nCloneOffsetY;
  int16_t m_nGraphic;  // 0: empty cell
  int16_t m_nGraphicShift;
  int16_t m_nAnimeSet;  // index into the database's anime sets
  int16_t m_nStartEffect;  // character effects
  int16_t m_nDeathEffect;
  int16_t m_nMarkNo;
  int16_t m_nInertia;
  int16_t m_nBodyEffect;  // effects
  int16_t m_nGroupNo;
  int16_t m_nX = 0;  // cell position, set by the stage writer
  int16_t m_nY = 0;
  int8_t m_nInheritPal;  // eSourcePal
  int8_t m_nCondJudge;
  int8_t m_bLatch;
  int8_t m_bFaceRight;
  int8_t m_nClones;
  int8_t m_bFlipOffsetX;  // the X offset is mirrored when placed facing right
  int8_t m_bFlipOffsetY;
  int8_t m_nSheet;  // SheetNames2; 4 is a character-specific bitmap
  int8_t m_nZ;
  int8_t m_bTransparent;
  int8_t m_nStartEffectMode;  // from version 196
  int8_t m_bStartEffectLoop;
  int8_t m_nDeathEffectMode;  // from version 196
  int8_t m_nMark;
  int8_t m_nControl;  // 0 the player, 1 the computer
  int8_t m_nPlayerNo;
  int8_t m_nFaction;
  int8_t m_nCharaId;
  int8_t m_nFly;
  int8_t m_bFixDir;
  int8_t m_nInvincible;
  int8_t m_nInvincibleEffect;  // from version 285; InvincibleColorNames
  int8_t m_bBlock;
  int8_t m_nGiant;  // 1 none, n: n by n
  int8_t m_bScrollSync;  // from version 210
  int8_t m_nSightShape;
  int8_t m_nSightRange;
  int8_t m_nBodyHitRange;  // from version 201
  int8_t m_nBodyImpact;
  int8_t m_nImpactResist;
  int8_t m_bHoldItem;  // carries the item placed on its own cell
  int8_t m_bGroup;
  int8_t m_nActRange;
  int8_t m_nActJudge;

  cEdChara() { SetDefault(); }
  // Conditions and flows are kept; the position pair too.
  void SetDefault() override;
  // Turns a grid cell into an empty cell.
  void ClearCell();
  // Faces the other way: direction 0 becomes 1 and 1 becomes 0.
  void TurnRound() { m_bFaceRight = m_bFaceRight == 0 ? 1 : 0; }
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // Write without the validation, for a record validated since its last change.
  void WriteValidated(cDataWriter& out);
  // What WriteValidated writes after the base part: the position pair and what follows it.
  void WriteAfterBase(cDataWriter& out);

  // Repairs the inheritance source and the database references, keeps a player from being a block
  // or having clones, validates the flows and drops the empty ones.
  void Validate();
  // Clamps the palette references inside the flows (second validation pass only).
  void ClampItemRefs();
  void ApplyInherit();

  // Every stored field equal, empty cells too (the stage grid frees a cell given a record equal
  // to its empty one).
  bool SameFields(const cEdChara& o) const;
  // Two empty cells are equal; the position pair and the item link are not compared.
  bool operator==(const cEdChara& o) const;
  bool operator!=(const cEdChara& o) const { return !(*this == o); }

 private:
  void Upgrade();
};
