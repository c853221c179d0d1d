#include "SampleData.h"

#include <windows.h>

#include <functional>
#include <memory>

#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/ProjectLoad.h"
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
  w.File(FactoryPath(COMMON_PALETTE_FILE), [](const char* p) {
    auto pal = std::make_unique<cEdPalette>();
    const cSampleEntries& e = SampleEntries();
    pal->m_vBlock.insert(pal->m_vBlock.end(), e.vBlock.begin(), e.vBlock.end());
    pal->m_vChara.insert(pal->m_vChara.end(), e.vChara.begin(), e.vChara.end());
    pal->m_vItem.insert(pal->m_vItem.end(), e.vItem.begin(), e.vItem.end());
    return pal->Save(p);
  });
  w.File(FactoryPath(PRJ_OPTION_FILE), [](const char* p) { return std::make_unique<cEdPrjOption>()->Save(p); });
  w.File(FactoryPath(WORLD_MAP_FILE), [](const char* p) { return std::make_unique<cEdWorldMap>()->Save(p); });
  w.File(EDIT_CONFIG_FILE, [](const char* p) { return std::make_unique<cEditConfig>()->Save(p); });
  return w.Ok();
}
