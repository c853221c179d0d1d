// A block: one placeable tile of the block layer. The same record is a palette entry, a cell of
// the stage's block grid, the project's default block and the editors' working copy. A block whose
// graphic number is 0 is an empty cell.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
#include "model/Cond.h"
#include "model/DataRecord.h"

class cEdBlock : public cDataRecord {
 public:
  enum { INHERIT_GROUPS = 11 };

  std::string m_strName;
  cCondVector m_vCond;                       // appearance conditions
  cFlagVector<INHERIT_GROUPS> m_bbInherit;  // one flag per inheritable field group
  int32_t m_nActionX;
  int16_t m_nInheritNo;  // 0: no inheritance
  int16_t m_nGraphic;    // 0: empty cell
  int16_t m_nFrame;
  int16_t m_nMarkNo;
  int16_t m_nItemNo;
  int16_t m_nX = 0;  // cell position, set by the stage writer
  int16_t m_nY = 0;
  int8_t m_nInheritPal;  // eSourcePal
  int8_t m_nCondJudge;   // 0 all conditions, 1 one or more
  int8_t m_bLatch;
  int8_t m_nSheet;  // SheetNames
  int8_t m_bFront;
  int8_t m_bTransparent;
  int8_t m_nMark;       // MarkShowNames
  int8_t m_nBlockType;  // BlockTypeNames
  int8_t m_nNoFaction;  // -1 none, else a faction
  int8_t m_nAction;     // BlockActionNames
  int8_t m_nItemPal;    // eSourcePal
  int8_t m_bNoSummon;

  cEdBlock() { SetDefault(); }
  // Conditions are kept; the position pair too.
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // Write without the validation, for a record validated since its last change.
  void WriteValidated(cDataWriter& out);
  // What WriteValidated writes after the base part: the position pair and what follows it.
  void WriteAfterBase(cDataWriter& out);

  // Repairs the inheritance source against the palettes; an empty cell is passable and lockless.
  void Validate();
  // Repairs the item reference against the item palettes (second validation pass only).
  void ValidateItemRef();
  // Copies the flagged field groups from the source entry.
  void ApplyInherit();

  // Every stored field equal, empty cells too (the stage grid frees a cell given a record equal
  // to its empty one).
  bool SameFields(const cEdBlock& o) const;
  // Two empty cells are equal whatever else they hold; the position pair is not compared.
  bool operator==(const cEdBlock& o) const;
  bool operator!=(const cEdBlock& o) const { return !(*this == o); }
};
