#include "SampleData.h"

#include <windows.h>

#include <functional>
#include <memory>

#include "model/Database.h"
#include "model/Globals.h"
#include "model/Inherit.h"
#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/ProjectLoad.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/SystemData.h"
#include "model/WorldMap.h"

namespace {

// Writes each file once: an existing file is the author's and stays.
class cDataWriterSet {
 public:
  cDataWriterSet(const std::string& strBase, std::vector<std::string>* pvFailed)
      : m_strBase(strBase), m_pvFailed(pvFailed) {}

  void File(const std::string& strRel, const std::function<int(const char*)>& save) {
    std::string strPath = m_strBase + strRel;
    if (GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    if (save(strPath.c_str())) return;
    m_bOk = false;
    if (m_pvFailed) m_pvFailed->push_back(strPath);
  }
  bool Ok() const { return m_bOk; }

 private:
  std::string m_strBase;
  std::vector<std::string>* m_pvFailed;
  bool m_bOk = true;
};

// "data\..." of the editor's file names becomes "default\..." of the factory copy.
std::string FactoryPath(const char* pszDataPath) {
  std::string s = pszDataPath;
  const std::string strData = DATA_DIR;
  if (s.compare(0, strData.size(), strData) == 0) s = DEFAULT_DIR + s.substr(strData.size());
  return s;
}

void WriteDatabase(cDataWriterSet& w) {
  auto db = std::make_unique<cEdDatabase>();
  db->ClearNoneKinds();
  const char* const* f = cEdDatabase::s_apszFiles;
  w.File(FactoryPath(f[0]), [&](const char* p) { return SaveToFile(db->m_vAnimeSet, p); });
  w.File(FactoryPath(f[1]), [&](const char* p) { return SaveToFile(db->m_vAnime, p); });
  w.File(FactoryPath(f[2]), [&](const char* p) { return SaveToFile(db->m_vBmpCharaExc, p); });
  w.File(FactoryPath(f[3]), [&](const char* p) { return SaveToFile(db->m_vSwordType, p); });
  w.File(FactoryPath(f[4]), [&](const char* p) { return SaveToFile(db->m_vEffect, p); });
  w.File(FactoryPath(f[5]), [&](const char* p) { return SaveToFile(db->m_vCharaEffect, p); });
  w.File(FactoryPath(f[6]), [&](const char* p) { return SaveToFile(db->m_vScrEffect, p); });
  w.File(FactoryPath(f[7]), [&](const char* p) { return SaveToFile(db->m_vPicture, p); });
  w.File(FactoryPath(f[8]), [&](const char* p) { return SaveToFile(db->m_vSound, p); });
  w.File(FactoryPath(f[9]), [&](const char* p) { return SaveToFile(db->m_vBgm, p); });
}

cEdBlock Block(const char* pszName, int16_t nGraphic, int8_t nType) {
  cEdBlock b;
  b.m_strName = pszName;
  b.m_nGraphic = nGraphic;
  b.m_nBlockType = nType;
  return b;
}

cEdChara Chara(const char* pszName, int16_t nGraphic, int8_t nControl, int32_t nHp) {
  cEdChara c;
  c.m_strName = pszName;
  c.m_nGraphic = nGraphic;
  c.m_nControl = nControl;
  c.m_nFaction = nControl == 0 ? 0 : 1;
  c.m_nHp = nHp;
  return c;
}

cEdItem Item(const char* pszName, int16_t nGraphic) {
  cEdItem i;
  i.m_strName = pszName;
  i.m_nGraphic = nGraphic;
  return i;
}

std::unique_ptr<cEdPalette> SamplePalette() {
  auto pal = std::make_unique<cEdPalette>();
  const cSampleEntries& e = SampleEntries();
  pal->m_vBlock.insert(pal->m_vBlock.end(), e.vBlock.begin(), e.vBlock.end());
  pal->m_vChara.insert(pal->m_vChara.end(), e.vChara.begin(), e.vChara.end());
  pal->m_vItem.insert(pal->m_vItem.end(), e.vItem.begin(), e.vItem.end());
  pal->Validate();
  return pal;
}

// A common palette entry as the pen places it: a copy that inherits from its entry.
template <class T>
T Placed(const cChkVector<T>& vPalette, int nEntry, int nLayer) {
  T cell = vPalette[nEntry];
  SetInherit(cell, nLayer, SRC_COMMON, int16_t(nEntry), PrjOption.DefFlags(INHERIT_PLACE_COMMON, nLayer));
  return cell;
}

// A stage one and a half screens wide: ground with a gap, brick and wooden platforms, a prize
// block, coins and a gem to collect, the player on the left and three enemies.
std::unique_ptr<cEdStage> DemoStage(const cEdPalette& pal) {
  auto st = std::make_unique<cEdStage>();
  st->m_strName = "サンプルステージ";
  st->SetSize(30, 15, 0, 0);
  auto block = [&](int x, int y, int nEntry) {
    st->m_vBlockGrid[st->CellIndex(x, y)] = Placed(pal.m_vBlock, nEntry, LAYER_BLOCK);
  };
  auto item = [&](int x, int y, int nEntry) {
    st->m_vItemGrid[st->CellIndex(x, y)] = Placed(pal.m_vItem, nEntry, LAYER_ITEM);
  };
  auto chara = [&](int x, int y, int nEntry) {
    cEdChara c = Placed(pal.m_vChara, nEntry, LAYER_CHARA);
    st->SetCharaCell(x, y, c);
  };
  // Palette entries: 1 grass, 2 soil, 3 bricks, 5 planks, 6 prize block, 10 cloud.
  for (int x = 0; x < 30; ++x) {
    if (x >= 17 && x <= 18) continue;  // a gap to jump over
    block(x, 13, 1);
    block(x, 14, 2);
  }
  for (int x = 6; x <= 9; ++x) block(x, 10, 3);
  block(8, 10, 6);
  for (int x = 12; x <= 15; ++x) block(x, 7, 5);
  for (int x = 21; x <= 23; ++x) block(x, 9, 10);
  for (int x = 25; x <= 26; ++x) block(x, 11, 3);
  // Items: 1 coin, 2 gem, 3 heart.
  for (int x = 6; x <= 9; ++x)
    if (x != 8) item(x, 9, 1);
  for (int x = 12; x <= 15; ++x) item(x, 6, 1);
  item(22, 8, 2);
  item(26, 10, 3);
  // Characters: 1 the player, 2 slime, 3 bat, 4 walker.
  chara(2, 12, 1);
  chara(11, 12, 2);
  chara(14, 4, 3);
  chara(24, 12, 4);
  return st;
}

}  // namespace

// Graphic numbers address the sample sheets: block n and character n sit at column n / 15, row
// n % 15 of their sheet (characters: sheet n / 15); item n at column n / 15 of two frames.
const cSampleEntries& SampleEntries() {
  static const cSampleEntries s = [] {
    cSampleEntries e;
    e.vBlock = {Block("草地", 1, 1),      Block("土", 2, 1),        Block("レンガ", 3, 1),
                Block("石", 4, 1),        Block("木の板", 5, 1),    Block("ハテナブロック", 9, 1),
                Block("はしご", 8, 0),    Block("水面", 6, 0),      Block("トゲ", 12, 2),
                Block("雲", 13, 1)};
    e.vChara = {Chara("主人公", 1, 0, 10), Chara("スライム", 15, 1, 3), Chara("コウモリ", 30, 1, 2),
                Chara("ウォーカー", 45, 1, 5)};
    e.vItem = {Item("コイン", 1), Item("宝石", 2), Item("ハート", 3), Item("スター", 15)};
    return e;
  }();
  return s;
}

bool WriteSampleData(const std::string& strProjectDir, std::vector<std::string>* pvFailed) {
  std::string strBase = strProjectDir;
  if (!strBase.empty() && strBase.back() != '\\' && strBase.back() != '/') strBase += '\\';
  for (const char* psz : {"default", "default\\database", "default\\stg4", "e_data"})
    CreateDirectoryA((strBase + psz).c_str(), nullptr);

  cDataWriterSet w(strBase, pvFailed);
  WriteDatabase(w);
  w.File(FactoryPath(SYSTEM_FILE), [](const char* p) { return std::make_unique<cEdSystem>()->Save(p); });
  std::unique_ptr<cEdPalette> pal = SamplePalette();
  w.File(FactoryPath(COMMON_PALETTE_FILE), [&](const char* p) { return pal->Save(p); });
  w.File(FactoryPath(PRJ_OPTION_FILE), [](const char* p) { return std::make_unique<cEdPrjOption>()->Save(p); });
  w.File(FactoryPath(WORLD_MAP_FILE), [](const char* p) { return std::make_unique<cEdWorldMap>()->Save(p); });
  w.File(FactoryPath(GVALINFO_FILE), [](const char* p) {
    cChkVector<cEdVarName> v(GVAL_COUNT);
    return SaveToFile(v, p);
  });
  w.File(FactoryPath(SAMPLE_DEFAULT_STAGE), [](const char* p) { return std::make_unique<cEdStage>()->Save(p); });
  {
    // Placed cells check their inheritance against the common palette, which must be the
    // sample's while the demo stage is written.
    auto keep = std::make_unique<cEdPalette>(CommonPalette);
    CommonPalette = *pal;
    w.File(FactoryPath(SAMPLE_DEMO_STAGE), [&](const char* p) { return DemoStage(*pal)->Save(p); });
    CommonPalette = *keep;
  }
  w.File(EDIT_CONFIG_FILE, [](const char* p) {
    auto cfg = std::make_unique<cEditConfig>();
    cfg->m_strLastStage = SAMPLE_DEMO_STAGE;
    return cfg->Save(p);
  });
  return w.Ok();
}
