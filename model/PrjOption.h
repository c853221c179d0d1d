// The project options: the default block, character and item that new palette entries start from,
// the default inheritance of new and placed entries, the game program of test play, and what
// saving a stage does with its file of an older data version. Stored as data\PrjOption.dat.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/DataRecord.h"
#include "model/Item.h"
#include "model/RefChecks.h"

// The situations in which an editor sets a record's inheritance.
enum eInheritSituation {
  INHERIT_NEW_STAGE_ENTRY = 0,  // "ステージ": a stage palette entry is created
  INHERIT_PLACE_COMMON = 1,     // "コモン→配置": a common palette entry is placed on the stage
  INHERIT_PLACE_STAGE = 2,      // "ステージ→配置": a stage palette entry is placed on the stage
};

class cEdPrjOption : public cDataRecord {
 public:
  // Source palette kind per situation and layer (block, character, item).
  int32_t m_anDefInheritPal[3][3];
  int32_t m_bAutoGamePath;  // find the game program automatically
  std::string m_strGamePath;
  int32_t m_nOldVerStage;  // OldVerStageNames
  cEdBlock m_DefBlock;
  cEdChara m_DefChara;
  cEdItem m_DefItem;
  // Default flags per situation and layer, index 3 x situation + layer.
  cChkVector<uint8_t> DefInheritCheck[9];

  cEdPrjOption() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  // A damaged file leaves the options as they were.
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;

  cChkVector<uint8_t>& DefFlags(int nSituation, int nLayer) { return DefInheritCheck[3 * nSituation + nLayer]; }

 private:
  int ReadBody(cDataReader& in);
  void Upgrade();
  void InsertFlag(int nLayer, size_t nPos);
  // Members of files below version 130 that nothing uses any more.
  std::string m_strDropped;
  int32_t m_nDropped = 0;
};

extern cEdPrjOption PrjOption;

constexpr const char* PRJ_OPTION_FILE = "data\\PrjOption.dat";

// The choices of cEdPrjOption::m_nOldVerStage, closed by an empty string.
extern const char* const OldVerStageNames[4];
