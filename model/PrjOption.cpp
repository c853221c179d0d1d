#include "model/PrjOption.h"

#include <algorithm>
#include <utility>

#include "model/EditConfig.h"
#include "model/RecordUpgrade.h"

cEdPrjOption PrjOption;

const char* const OldVerStageNames[4] = {"旧バージョンのステージファイルを「old_ver」フォルダへ移動(推奨)",
                                         "旧バージョンのステージファイルをそのまま残す",
                                         "旧バージョンのステージファイルを削除", ""};

namespace {

const size_t GROUPS[3] = {cEdBlock::INHERIT_GROUPS, cEdChara::INHERIT_GROUPS, cEdItem::INHERIT_GROUPS};

// The groups a placed entry does not take from its palette entry by default: the appearance
// conditions of all three, and a character's facing, group and carried item.
const size_t NOT_INHERITED_ON_PLACE[3][4] = {{1}, {4, 5, 33, 35}, {1}};
const size_t NOT_INHERITED_COUNT[3] = {1, 4, 1};

}  // namespace

void cEdPrjOption::SetDefault() {
  Clear();
  m_bAutoGamePath = 1;
  m_strGamePath.clear();
  m_DefBlock.m_nGraphic = 1;
  m_DefChara.m_nGraphic = 1;
  m_DefItem.m_nGraphic = 1;
  for (int nSit = 0; nSit < 3; ++nSit)
    for (int nLayer = 0; nLayer < 3; ++nLayer) {
      m_anDefInheritPal[nSit][nLayer] = nSit;
      cChkVector<uint8_t>& v = DefFlags(nSit, nLayer);
      v.assign(GROUPS[nLayer], nSit == INHERIT_NEW_STAGE_ENTRY ? 0 : 1);
      if (nSit == INHERIT_NEW_STAGE_ENTRY) continue;
      for (size_t k = 0; k < NOT_INHERITED_COUNT[nLayer]; ++k) v.data()[NOT_INHERITED_ON_PLACE[nLayer][k]] = 0;
    }
}

void cEdPrjOption::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  if (nVersion < 130) {
    reg.AddString(&m_strDropped);
    reg.AddInt(&m_nDropped);
    reg.AddString(&m_strDropped);
    reg.AddString(&m_strDropped);
  }
  for (int nSit = 0; nSit < 3; ++nSit) {
    if (nVersion < (nSit == INHERIT_PLACE_COMMON ? 70 : 51)) continue;
    for (int nLayer = 0; nLayer < 3; ++nLayer) reg.AddInt(&m_anDefInheritPal[nSit][nLayer]);
  }
  reg.AddInt(&m_bAutoGamePath);
  reg.AddString(&m_strGamePath);
  if (nVersion >= 142) reg.AddInt(&m_nOldVerStage);
}

int cEdPrjOption::Read(cDataReader& in) {
  cEdPrjOption read(*this);
  if (!read.ReadBody(in)) return 0;
  *this = std::move(read);
  return 1;
}

int cEdPrjOption::ReadBody(cDataReader& in) {
  const int32_t v = g_nFileVersion;
  if (!cDataRecord::Read(in)) return 0;
  if (v >= 120 && !(m_DefBlock.Read(in) && m_DefChara.Read(in) && m_DefItem.Read(in))) return 0;
  // Versions 71 to 129 kept the editor's window placements here; they are read and dropped.
  if (v >= 71 && v <= 129) {
    cWndPlacement scratch;
    for (int i = 0; i < PLACE_COUNT; ++i)
      if (!scratch.Read(in)) return 0;
  }
  for (int nSit = 0; nSit < 3; ++nSit) {
    if (v < (nSit == INHERIT_PLACE_COMMON ? 70 : 50)) continue;
    for (int nLayer = 0; nLayer < 3; ++nLayer)
      if (!ReadValueVector(in, DefFlags(nSit, nLayer))) return 0;
  }
  m_strDropped.clear();
  m_nDropped = 0;
  if (v < 778) Upgrade();
  // The default records never inherit.
  std::fill(m_DefBlock.m_bbInherit.begin(), m_DefBlock.m_bbInherit.end(), 0);
  std::fill(m_DefChara.m_bbInherit.begin(), m_DefChara.m_bbInherit.end(), 0);
  std::fill(m_DefItem.m_bbInherit.begin(), m_DefItem.m_bbInherit.end(), 0);
  return 1;
}

// The insertions run in exactly this order, each at its index, so that on a file old enough for
// several of them a later insertion moves the flags inserted before it.
void cEdPrjOption::Upgrade() {
  const int32_t v = g_nFileVersion;
  if (v <= 80)
    for (int nSit = 0; nSit < 3; ++nSit) DefFlags(nSit, PAL_CHARA).resize(GROUPS[PAL_CHARA], 0);
  if (v < 88) {
    InsertFlag(PAL_BLOCK, 5);
    InsertFlag(PAL_CHARA, 14);
    InsertFlag(PAL_ITEM, 7);
  }
  if (v < 92)
    for (int nSit = 0; nSit < 3; ++nSit) DefFlags(nSit, PAL_BLOCK).resize(GROUPS[PAL_BLOCK], 0);
  if (v < 105) InsertFlag(PAL_CHARA, 3);
  if (v < 142) m_nOldVerStage = 0;
  if (v < 168) InsertFlag(PAL_CHARA, 27);
  if (v <= 200) InsertFlag(PAL_CHARA, 24);
  if (v < 210) InsertFlag(PAL_CHARA, 21);
}

// A new group is not inherited by new stage entries and is inherited by placed ones.
void cEdPrjOption::InsertFlag(int nLayer, size_t nPos) {
  for (int nSit = 0; nSit < 3; ++nSit)
    InsertInheritFlag(DefFlags(nSit, nLayer), GROUPS[nLayer], nPos, nSit == INHERIT_NEW_STAGE_ENTRY ? 0 : 1);
}

void cEdPrjOption::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  m_DefBlock.Write(out);
  m_DefChara.Write(out);
  m_DefItem.Write(out);
  for (const cChkVector<uint8_t>& v : DefInheritCheck) SaveValueVector(out, v);
}
