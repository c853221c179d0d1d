#include "model/Block.h"

#include "model/Inherit.h"
#include "model/RecordUpgrade.h"

void cEdBlock::SetDefault() {
  Clear();
  m_nBlockType = 1;
  m_bbInherit.assign(INHERIT_GROUPS, 0);
  m_nNoFaction = -1;
  m_nGraphic = 0;
}

void cEdBlock::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddChar(&m_nInheritPal);
  reg.AddShort(&m_nInheritNo);
  reg.AddString(&m_strName);
  reg.AddChar(&m_nCondJudge);
  reg.AddChar(&m_bLatch);
  reg.AddShort(&m_nGraphic);
  reg.AddChar(&m_nSheet);
  reg.AddShort(&m_nFrame);
  reg.AddChar(&m_bFront);
  reg.AddChar(&m_bTransparent);
  reg.AddChar(&m_nMark);
  reg.AddShort(&m_nMarkNo);
  reg.AddChar(&m_nBlockType);
  reg.AddChar(&m_nNoFaction);
  reg.AddChar(&m_nAction);
  reg.AddInt(&m_nActionX);
  reg.AddChar(&m_nItemPal);
  reg.AddShort(&m_nItemNo);
  reg.AddChar(&m_bNoSummon);
}

int cEdBlock::Read(cDataReader& in) {
  if (!cDataRecord::Read(in) || !in.ReadValue(m_nX) || !in.ReadValue(m_nY) ||
      !ReadValueVector(in, m_bbInherit) || !LoadCondVector(m_vCond, in))
    return 0;
  if (g_nFileVersion < 219) RaiseShotGraphic(m_nSheet, m_nGraphic);
  InheritAndValidate(*this);
  return 1;
}

void cEdBlock::Write(cDataWriter& out) {
  Validate();
  WriteValidated(out);
}

void cEdBlock::WriteValidated(cDataWriter& out) {
  cDataRecord::Write(out);
  WriteAfterBase(out);
}

void cEdBlock::WriteAfterBase(cDataWriter& out) {
  out.WriteValue(m_nX);
  out.WriteValue(m_nY);
  SaveValueVector(out, m_bbInherit);
  SaveCondVector(m_vCond, out);
}

void cEdBlock::Validate() {
  DropBadSource(*this, PAL_BLOCK);
  for (cCond& cond : m_vCond) cond.Validate();
  if (m_nGraphic == 0) {
    m_nBlockType = 0;
    m_bNoSummon = 0;
  }
}

void cEdBlock::ValidateItemRef() {
  if (IsBadSource(m_nItemPal, m_nItemNo, PAL_ITEM)) {
    m_nItemPal = 0;
    m_nItemNo = 0;
  }
}

bool cEdBlock::operator==(const cEdBlock& o) const { return (m_nGraphic == 0 && o.m_nGraphic == 0) || SameFields(o); }

bool cEdBlock::SameFields(const cEdBlock& o) const {
  return IsEqual(*this, o) && m_bbInherit == o.m_bbInherit && m_vCond == o.m_vCond;
}
