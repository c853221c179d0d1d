// The common palette: the project-wide block, character and item entries that stage palettes and
// placed cells inherit from, stored in data\CommonPalette.cplt4. Also the stage palette file, which
// holds a stage's three palettes on their own.
//
// Entry 0 of every palette vector is the empty entry and never a source; after validation every
// vector has at least two entries. Common entries never inherit: their flags are cleared on reading.
#pragma once

#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/DataRecord.h"
#include "model/Item.h"

class cEdPalette : public cDataRecord {
 public:
  cChkVector<cEdBlock> m_vBlock;
  cChkVector<cEdChara> m_vChara;
  cChkVector<cEdItem> m_vItem;

  cEdPalette() { SetDefault(); }
  // One empty entry per vector.
  void SetDefault() override;
  // A damaged file leaves the palette as it was.
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;

  // Gives each vector its second entry (a copy of the project's default record) when it lacks one,
  // then validates every entry and repairs its references into the palettes.
  void Validate();
  // Validates every entry; with bRefs also repairs the references into the palettes.
  void ValidateEntries(int bRefs);
};

extern cEdPalette CommonPalette;

constexpr const char* COMMON_PALETTE_FILE = "data\\CommonPalette.cplt4";

// The stage palette file: the three vectors right after the data version, with no record sections.
// Neither reading nor writing validates the palettes as a whole or resets entry 0; each entry reads
// and writes itself (inheritance and its own validation). Loading fails cleanly: on a missing or
// damaged file the vectors are left as they were.
int LoadPaletteFile(const char* pszPath, cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                    cChkVector<cEdItem>& vItem);
int SavePaletteFile(const char* pszPath, cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                    cChkVector<cEdItem>& vItem);
