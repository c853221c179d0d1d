// An item: one placeable pick-up of the item layer; a palette entry, a cell of the item grid, the
// project's default item and the editors' working copy. Graphic number 0 is an empty cell.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Command.h"
#include "model/Cond.h"
#include "model/DataRecord.h"

class cEdItem : public cDataRecord {
 public:
  enum { INHERIT_GROUPS = 13 };

  std::string m_strName;
  cCondVector m_vCond;                // appearance conditions
  cChkVector<cEdCommand> m_vCommand;  // run when the item is taken, numbered as item commands
  cFlagVector<INHERIT_GROUPS> m_bbInherit;  // one flag per inheritable field group
  int16_t m_nInheritNo;  // 0: no inheritance
  int16_t m_nOffsetX;
  int16_t m_nOffsetY;
  int16_t m_nGraphic;  // 0: empty cell
  int16_t m_nFrame;
  int16_t m_nMarkNo;
  int16_t m_nSound;  // index into the database's sound effects
  int16_t m_nX = 0;  // cell position, set by the stage writer
  int16_t m_nY = 0;
  int8_t m_nInheritPal;  // eSourcePal
  int8_t m_nCondJudge;
  int8_t m_bLatch;
  int8_t m_nSheet;  // SheetNames2
  int8_t m_nZ;      // 0-7, higher is nearer the front
  int8_t m_bTransparent;
  int8_t m_nMark;
  int8_t m_nTakeType;  // ItemTakeTypeNames
  int8_t m_bShowOnTake;
  int8_t m_nGiant;  // 1 none, n: n by n

  cEdItem() { SetDefault(); }
  // Conditions and commands are kept; the position pair too.
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // Write without the validation, for a record validated since its last change.
  void WriteValidated(cDataWriter& out);
  // What WriteValidated writes after the base part: the position pair and what follows it.
  void WriteAfterBase(cDataWriter& out);

  // Repairs the inheritance source, the enlargement, the sound and every command.
  void Validate();
  // Clamps the palette references of every command (second validation pass only).
  void ClampItemRefs();
  void ApplyInherit();

  // Every stored field equal, empty cells too (the stage grid frees a cell given a record equal
  // to its empty one).
  bool SameFields(const cEdItem& o) const;
  bool operator==(const cEdItem& o) const;
  bool operator!=(const cEdItem& o) const { return !(*this == o); }
};

// The choices of cEdItem::m_nTakeType, closed by an empty string.
extern const char* const ItemTakeTypeNames[4];
