#include "model/Chara.h"

#include <algorithm>

#include "model/Database.h"
#include "model/Inherit.h"
#include "model/RecordUpgrade.h"

void cEdChara::SetDefault() {
  m_nItemLink = 0;
  Clear();
  m_bbInherit.assign(INHERIT_GROUPS, 0);
  m_nControl = 1;
  m_nFaction = 1;
  m_nZ = 3;
  m_bStartEffectLoop = 1;
  m_nHp = 10;
  m_nDefence = 0;
  m_nSheet = 1;
  m_nGraphic = 0;
  m_nGiant = 1;
  m_nInertia = 10;
  m_bFixDir = 1;
  m_bHoldItem = 1;
}

void cEdChara::ClearCell() {
  SetDefault();
  m_nGraphic = 0;
}

void cEdChara::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddChar(&m_nInheritPal);
  reg.AddShort(&m_nInheritNo);
  reg.AddString(&m_strName);
  reg.AddChar(&m_nCondJudge);
  reg.AddChar(&m_bLatch);
  reg.AddChar(&m_bFaceRight);
  reg.AddChar(&m_nClones);
  reg.AddShort(&m_nOffsetX);
  reg.AddShort(&m_nCloneOffsetX);
  reg.AddShort(&m_nOffsetY);
  reg.AddShort(&m_nCloneOffsetY);
  reg.AddChar(&m_bFlipOffsetX);
  reg.AddChar(&m_bFlipOffsetY);
  reg.AddShort(&m_nGraphic);
  reg.AddChar(&m_nSheet);
  reg.AddShort(&m_nGraphicShift);
  reg.AddShort(&m_nAnimeSet);
  reg.AddChar(&m_nZ);
  reg.AddChar(&m_bTransparent);
  reg.AddShort(&m_nStartEffect);
  if (nVersion >= 196) reg.AddChar(&m_nStartEffectMode);
  reg.AddChar(&m_bStartEffectLoop);
  reg.AddShort(&m_nDeathEffect);
  if (nVersion >= 196) reg.AddChar(&m_nDeathEffectMode);
  reg.AddChar(&m_nMark);
  reg.AddShort(&m_nMarkNo);
  reg.AddChar(&m_nControl);
  reg.AddChar(&m_nPlayerNo);
  reg.AddChar(&m_nFaction);
  reg.AddChar(&m_nCharaId);
  reg.AddChar(&m_nFly);
  reg.AddChar(&m_bFixDir);
  reg.AddChar(&m_nInvincible);
  if (nVersion >= 285) reg.AddChar(&m_nInvincibleEffect);
  reg.AddChar(&m_bBlock);
  reg.AddChar(&m_nGiant);
  if (nVersion >= 210) reg.AddChar(&m_bScrollSync);
  reg.AddChar(&m_nSightShape);
  reg.AddChar(&m_nSightRange);
  reg.AddInt(&m_nHp);
  reg.AddInt(&m_nSp);
  reg.AddShort(&m_nInertia);
  if (nVersion >= 201) reg.AddChar(&m_nBodyHitRange);
  reg.AddInt(&m_nBodyPower);
  reg.AddChar(&m_nBodyImpact);
  reg.AddShort(&m_nBodyEffect);
  if (nVersion >= 168) reg.AddInt(&m_nDefence);
  reg.AddChar(&m_nImpactResist);
  reg.AddInt(&m_nScore);
  reg.AddChar(&m_bHoldItem);
  reg.AddChar(&m_bGroup);
  reg.AddShort(&m_nGroupNo);
  reg.AddChar(&m_nActRange);
  reg.AddChar(&m_nActJudge);
}

int cEdChara::Read(cDataReader& in) {
  if (!cDataRecord::Read(in) || !in.ReadValue(m_nX) || !in.ReadValue(m_nY) || !in.ReadValue(m_nItemLink) ||
      !ReadValueVector(in, m_bbInherit) || !LoadCondVector(m_vCond, in) || !ReadRecords(in, m_vFlow))
    return 0;
  if (g_nFileVersion < 778) Upgrade();
  InheritAndValidate(*this);
  return 1;
}

// The steps run in ascending version order; the three inserted groups end at 21, 25 and 29 on a
// file old enough for all of them, each later insertion moving the ones before it.
void cEdChara::Upgrade() {
  const int32_t v = g_nFileVersion;
  if (v < 168) {
    m_nDefence = 0;
    InsertInheritFlag(m_bbInherit, INHERIT_GROUPS, 27, 1);
  }
  if (v < 196) {
    m_nStartEffectMode = 0;
    m_nDeathEffectMode = 0;
  }
  if (v <= 200) {
    m_nBodyHitRange = 0;
    InsertInheritFlag(m_bbInherit, INHERIT_GROUPS, 24, 1);
  }
  if (v < 206 && m_nBodyHitRange >= 2) ++m_nBodyHitRange;
  if (v < 210) {
    m_bScrollSync = 0;
    InsertInheritFlag(m_bbInherit, INHERIT_GROUPS, 21, 1);
  }
  if (v < 219) RaiseShotGraphic(m_nSheet, m_nGraphic);
  if (v < 285) m_nInvincibleEffect = 1;
}

void cEdChara::Write(cDataWriter& out) {
  Validate();
  WriteValidated(out);
}

void cEdChara::WriteValidated(cDataWriter& out) {
  cDataRecord::Write(out);
  WriteAfterBase(out);
}

void cEdChara::WriteAfterBase(cDataWriter& out) {
  out.WriteValue(m_nX);
  out.WriteValue(m_nY);
  out.WriteValue(m_nItemLink);
  SaveValueVector(out, m_bbInherit);
  SaveCondVector(m_vCond, out);
  // The validation above took in every flow and command.
  out.WriteInt(static_cast<int32_t>(m_vFlow.size()));
  for (cEdFlow& flow : m_vFlow) flow.WriteValidated(out);
}

void cEdChara::Validate() {
  DropBadSource(*this, PAL_CHARA);
  if (m_nSheet == 4 && IsOutside(m_nGraphic, Database.m_vBmpCharaExc.size())) m_nGraphic = 1;
  if (m_nGiant <= 0) m_nGiant = 1;
  if (IsOutside(m_nAnimeSet, Database.m_vAnimeSet.size())) m_nAnimeSet = 0;
  if (IsOutside(m_nStartEffect, Database.m_vCharaEffect.size())) m_nStartEffect = 0;
  if (IsOutside(m_nDeathEffect, Database.m_vCharaEffect.size())) m_nDeathEffect = 0;
  if (IsOutside(m_nBodyEffect, Database.m_vEffect.size())) m_nBodyEffect = 0;
  if (m_nControl == 0) {
    m_bBlock = 0;
    m_nClones = 0;
  }
  for (cCond& cond : m_vCond) cond.Validate();
  for (cEdFlow& flow : m_vFlow) flow.Validate();
  auto itKept = std::remove_if(m_vFlow.begin(), m_vFlow.end(), [](const cEdFlow& f) { return f.IsEmpty(); });
  if (itKept != m_vFlow.end()) m_vFlow.erase(itKept, m_vFlow.end());
}

void cEdChara::ClampItemRefs() {
  for (cEdFlow& flow : m_vFlow) flow.ClampItemRefs();
}

bool cEdChara::operator==(const cEdChara& o) const { return (m_nGraphic == 0 && o.m_nGraphic == 0) || SameFields(o); }

bool cEdChara::SameFields(const cEdChara& o) const {
  return IsEqual(*this, o) && m_bbInherit == o.m_bbInherit && m_vCond == o.m_vCond && m_vFlow == o.m_vFlow;
}
