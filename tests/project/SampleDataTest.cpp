// The sample project's data files: written through the editor's own writers, every one reads back
// into a fresh object that writes the same bytes again; the palette shows the sample sheets.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SampleData.h"
#include "model/Database.h"
#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/SystemData.h"
#include "model/WorldMap.h"
#include "support/TestSupport.h"

namespace {

template <class T>
std::function<int(const char*, const char*)> RecordTrip() {
  return [](const char* pszIn, const char* pszOut) {
    auto p = std::make_unique<T>();
    return p->Load(pszIn) && p->Save(pszOut);
  };
}

template <class T>
std::function<int(const char*, const char*)> ListTrip() {
  return [](const char* pszIn, const char* pszOut) {
    cChkVector<T> v;
    return LoadFromFile(v, pszIn) && SaveToFile(v, pszOut);
  };
}

// The common palette of the sample while a test reads its stages (their cells inherit from it).
class cSamplePaletteScope {
 public:
  cSamplePaletteScope() : m_Keep(CommonPalette) { EXPECT_TRUE(CommonPalette.Load("default\\CommonPalette.cplt4")); }
  ~cSamplePaletteScope() { CommonPalette = m_Keep; }

 private:
  cEdPalette m_Keep;
};

TEST(SampleData, EveryFileReadsBackAndWritesTheSameBytes) {
  cTempDir dir(true);
  std::vector<std::string> vFailed;
  ASSERT_TRUE(WriteSampleData(dir.Path(), &vFailed));
  EXPECT_TRUE(vFailed.empty());
  cSamplePaletteScope palette;
  struct cCase {
    const char* pszPath;
    std::function<int(const char*, const char*)> trip;
  } const aCases[] = {
      {"default\\System.dat", RecordTrip<cEdSystem>()},
      {"default\\CommonPalette.cplt4", RecordTrip<cEdPalette>()},
      {"default\\PrjOption.dat", RecordTrip<cEdPrjOption>()},
      {"default\\WorldMap.dat", RecordTrip<cEdWorldMap>()},
      {"e_data\\EditConfig.dat", RecordTrip<cEditConfig>()},
      {"default\\database\\AnimeSet.dat", ListTrip<cEdAnimeSet>()},
      {"default\\database\\Anime.dat", ListTrip<cEdAnime>()},
      {"default\\database\\Bmp_CharaExc.dat", ListTrip<cEdBmpCharaExc>()},
      {"default\\database\\SwordType.dat", ListTrip<cEdSwordType>()},
      {"default\\database\\Effect.dat", ListTrip<cEdEffect>()},
      {"default\\database\\CharaEffect.dat", ListTrip<cEdCharaEffect>()},
      {"default\\database\\ScrEffect.dat", ListTrip<cEdScrEffect>()},
      {"default\\database\\Picture.dat", ListTrip<cEdPicture>()},
      {"default\\database\\Sound.dat", ListTrip<cEdSound>()},
      {"default\\database\\Bgm.dat", ListTrip<cEdBgm>()},
      {"default\\GValInfo.dat", ListTrip<cEdVarName>()},
      {"default\\stg4\\Default.stg4_778", RecordTrip<cEdStage>()},
      {"default\\stg4\\Sample.stg4_778", RecordTrip<cEdStage>()},
  };
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.pszPath);
    std::vector<unsigned char> v = ReadFileBytes(c.pszPath);
    ASSERT_GE(v.size(), 4u);
    EXPECT_EQ(778, v[0] | v[1] << 8 | v[2] << 16 | v[3] << 24);
    ASSERT_TRUE(c.trip(c.pszPath, "again.dat"));
    EXPECT_EQ(v, ReadFileBytes("again.dat"));
  }
}

TEST(SampleData, ExistingFilesAreLeftAsTheyAre) {
  cTempDir dir(true);
  CreateDirectoryA("default", nullptr);
  ASSERT_TRUE(WriteFileBytes("default\\System.dat", {7}));
  ASSERT_TRUE(WriteSampleData(dir.Path()));
  EXPECT_EQ((std::vector<unsigned char>{7}), ReadFileBytes("default\\System.dat"));
  EXPECT_TRUE(FileExists("default\\WorldMap.dat"));
}

TEST(SampleData, CommonPaletteHasAPlayerEnemiesBlocksAndItemsOnTheSampleSheets) {
  cTempDir dir(true);
  ASSERT_TRUE(WriteSampleData(dir.Path()));
  auto pal = std::make_unique<cEdPalette>();
  ASSERT_TRUE(pal->Load("default\\CommonPalette.cplt4"));
  const cSampleEntries& e = SampleEntries();
  ASSERT_EQ(e.vBlock.size() + 1, pal->m_vBlock.size());
  ASSERT_EQ(e.vChara.size() + 1, pal->m_vChara.size());
  ASSERT_EQ(e.vItem.size() + 1, pal->m_vItem.size());
  int nPlayers = 0, nEnemies = 0;
  for (size_t i = 1; i < pal->m_vChara.size(); ++i) {
    const cEdChara& c = pal->m_vChara[int(i)];
    EXPECT_EQ(e.vChara[i - 1].m_strName, c.m_strName);
    EXPECT_EQ(1, c.m_nSheet);                      // the character sheets
    EXPECT_LT(c.m_nGraphic, 8 * 15);               // eight sheets of fifteen
    (c.m_nControl == 0 ? nPlayers : nEnemies)++;
  }
  EXPECT_EQ(1, nPlayers);
  EXPECT_GE(nEnemies, 1);
  for (size_t i = 1; i < pal->m_vBlock.size(); ++i) {
    EXPECT_EQ(0, pal->m_vBlock[int(i)].m_nSheet);
    EXPECT_GT(pal->m_vBlock[int(i)].m_nGraphic, 0);  // 0 is the empty cell
    EXPECT_LT(pal->m_vBlock[int(i)].m_nGraphic, 120);
  }
  for (size_t i = 1; i < pal->m_vItem.size(); ++i) {
    EXPECT_EQ(2, pal->m_vItem[int(i)].m_nSheet);
    EXPECT_GT(pal->m_vItem[int(i)].m_nGraphic, 0);
  }
}

TEST(SampleData, DemoStageHoldsOnePlayerEnemiesBlocksAndItemsFromTheCommonPalette) {
  cTempDir dir(true);
  ASSERT_TRUE(WriteSampleData(dir.Path()));
  cSamplePaletteScope palette;
  auto st = std::make_unique<cEdStage>();
  ASSERT_TRUE(st->Load("default\\stg4\\Sample.stg4_778"));
  int nBlocks = 0, nItems = 0, nPlayers = 0, nEnemies = 0;
  for (int y = 0; y < st->m_nHeight; ++y)
    for (int x = 0; x < st->m_nWidth; ++x) {
      const cEdBlock& b = st->m_vBlockGrid[st->CellIndex(x, y)];
      const cEdChara& c = st->m_vCharaGrid[st->CellIndex(x, y)];
      const cEdItem& i = st->m_vItemGrid[st->CellIndex(x, y)];
      nBlocks += b.m_nGraphic != 0;
      nItems += i.m_nGraphic != 0;
      if (c.m_nGraphic) (c.m_nControl == 0 ? nPlayers : nEnemies)++;
      // Placed from the common palette, the cells follow their entries.
      for (int nPal : {b.m_nGraphic ? b.m_nInheritPal : 1, i.m_nGraphic ? i.m_nInheritPal : 1,
                       c.m_nGraphic ? c.m_nInheritPal : 1})
        EXPECT_EQ(1, nPal) << x << "," << y;
    }
  EXPECT_EQ(1, nPlayers);
  EXPECT_GE(nEnemies, 2);
  EXPECT_GE(nBlocks, 40);
  EXPECT_GE(nItems, 5);
  // The first start opens it.
  auto cfg = std::make_unique<cEditConfig>();
  ASSERT_TRUE(cfg->Load("e_data\\EditConfig.dat"));
  EXPECT_EQ(SAMPLE_DEMO_STAGE, cfg->m_strLastStage);
}

}  // namespace
