#include "model/Item.h"

#include "model/Database.h"
#include "model/Inherit.h"
#include "model/RecordUpgrade.h"

const char* const ItemTakeTypeNames[4] = {"1回だけ取れる", "何回でも取れる", "取れない", ""};

void cEdItem::SetDefault() {
  Clear();
  m_bbInherit.assign(INHERIT_GROUPS, 0);
  m_nSheet = 2;
  m_nGraphic = 0;
  m_bShowOnTake = 1;
  m_nGiant = 1;
  m_nZ = 6;
}

void cEdItem::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddChar(&m_nInheritPal);
  reg.AddShort(&m_nInheritNo);
  reg.AddString(&m_strName);
  reg.AddChar(&m_nCondJudge);
  reg.AddChar(&m_bLatch);
  reg.AddShort(&m_nOffsetX);
  reg.AddShort(&m_nOffsetY);
  reg.AddShort(&m_nGraphic);
  reg.AddChar(&m_nSheet);
  reg.AddShort(&m_nFrame);
  reg.AddChar(&m_nZ);
  reg.AddChar(&m_bTransparent);
  reg.AddChar(&m_nMark);
  reg.AddShort(&m_nMarkNo);
  reg.AddChar(&m_bShowOnTake);
  reg.AddChar(&m_nTakeType);
  reg.AddChar(&m_nGiant);
  reg.AddShort(&m_nSound);
}

int cEdItem::Read(cDataReader& in) {
  if (!cDataRecord::Read(in) || !in.ReadValue(m_nX) || !in.ReadValue(m_nY) ||
      !ReadValueVector(in, m_bbInherit) || !LoadCondVector(m_vCond, in) || !ReadRecords(in, m_vCommand))
    return 0;
  if (g_nFileVersion < 219) RaiseShotGraphic(m_nSheet, m_nGraphic);
  InheritAndValidate(*this);
  return 1;
}

void cEdItem::Write(cDataWriter& out) {
  Validate();
  WriteValidated(out);
}

void cEdItem::WriteValidated(cDataWriter& out) {
  cDataRecord::Write(out);
  WriteAfterBase(out);
}

void cEdItem::WriteAfterBase(cDataWriter& out) {
  out.WriteValue(m_nX);
  out.WriteValue(m_nY);
  SaveValueVector(out, m_bbInherit);
  SaveCondVector(m_vCond, out);
  // The validation above took in every command.
  WriteValidatedCommands(out, m_vCommand);
}

void cEdItem::Validate() {
  DropBadSource(*this, PAL_ITEM);
  if (m_nGiant <= 0) m_nGiant = 1;
  if (IsOutside(m_nSound, Database.m_vSound.size())) m_nSound = 0;
  for (cCond& cond : m_vCond) cond.Validate();
  ValidateCommands(m_vCommand);
}

void cEdItem::ClampItemRefs() {
  for (cEdCommand& cmd : m_vCommand) cmd.ClampItemRefs();
}

bool cEdItem::operator==(const cEdItem& o) const { return (m_nGraphic == 0 && o.m_nGraphic == 0) || SameFields(o); }

bool cEdItem::SameFields(const cEdItem& o) const {
  return IsEqual(*this, o) && m_bbInherit == o.m_bbInherit && m_vCond == o.m_vCond && m_vCommand == o.m_vCommand;
}
