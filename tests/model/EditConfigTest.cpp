#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "model/EditConfig.h"
#include "model/RecordTestSupport.h"
#include "support/TestSupport.h"

namespace {

// A placement as versions 122 and later store it.
cImage& Place(cImage& img, int32_t bValid, int32_t nX, int32_t nY, int32_t nW, int32_t nH, int32_t bShow) {
  return img.I(6).I(bValid).I(nX).I(nY).I(nW).I(nH).I(bShow).I(0);
}

cImage& DefaultPlaces(cImage& img) {
  for (int i = 0; i < PLACE_COUNT; ++i) Place(img, 0, 0, 0, 0, 0, 1);
  return img;
}

int ReadConfig(cEditConfig& cfg, const std::vector<uint8_t>& img) {
  return ParseImage(img, [&cfg](cDataReader& in) { return cfg.Read(in); });
}

// Every member away from its default, so that a read shows which members it set.
void Scramble(cEditConfig& cfg) {
  cfg.m_nStatusBarHeight = 33;
  cfg.m_nToolBarHeight = 44;
  cfg.m_nResizeDirX = 1;
  cfg.m_nResizeDirY = 1;
  cfg.m_strLastStage = "old";
  for (cWndPlacement& p : cfg.m_aPlace) p.Set(5, 6, 7, 8);
}

}  // namespace

TEST(EditConfig, FreshConfigurationHasTheHandComputedImage) {
  cEditConfig cfg;
  cImage img;
  img.I(778).I(17);
  img.I(20).I(28).I(1).I(0).I(0).I(0).I(0).I(0);  // bars, palette choice, sheet pages, directions
  img.I(0).I(1).I(1).I(1).I(0).I(0).I(1).I(15).I(0);  // world-map palette, bitmap conversion
  img.I(4).S("").S("data\\stg4\\Default.stg4_***").S("").S("bmp\\convert");
  DefaultPlaces(img);
  EXPECT_EQ(HexOf(img), HexOf(WriteImage([&cfg](cDataWriter& out) { cfg.Write(out); })));
}

TEST(EditConfig, FileRoundTripsByteExact) {
  cTempDir dir;
  cEditConfig cfg;
  cfg.m_strLastStage = "data\\stg4\\ステージ.stg4_778";
  cfg.m_aPlace[PLACE_STAGE].Set(10, 20, 640, 480);
  cfg.m_aPlace[PLACE_WORLD_MAP].Set(0, 0, 300, 200);
  cfg.m_nConvLineOut = 12;
  std::string a = dir.File("a.dat"), b = dir.File("b.dat");
  ASSERT_EQ(1, cfg.Save(a.c_str()));
  cEditConfig back;
  ASSERT_EQ(1, back.Load(a.c_str()));
  EXPECT_EQ("data\\stg4\\ステージ.stg4_778", back.m_strLastStage);
  EXPECT_EQ(640, back.m_aPlace[PLACE_STAGE].m_nWidth);
  ASSERT_EQ(1, back.Save(b.c_str()));
  EXPECT_EQ(HexOf(ReadFileBytes(a)), HexOf(ReadFileBytes(b)));
}

TEST(EditConfig, Version250UpgradesTheBarHeightsAndKeepsTheResizeDirections) {
  cImage img;
  img.I(250).I(15);
  img.I(7).I(1).I(2).I(3).I(1).I(1);  // palette choice, sheet pages, directions
  img.I(1).I(0).I(0).I(0).I(9).I(1).I(2).I(3).I(1);
  img.I(4).S("last").S("tmpl").S("pal").S("out");
  for (int i = 0; i < PLACE_COUNT; ++i) Place(img, 1, 10 + i, 20, 30, 40, i != PLACE_COMMON_BLOCK);
  cEditConfig cfg;
  Scramble(cfg);
  ASSERT_EQ(1, ReadConfig(cfg, img));
  EXPECT_EQ(20, cfg.m_nStatusBarHeight);
  EXPECT_EQ(28, cfg.m_nToolBarHeight);
  EXPECT_EQ(1, cfg.m_nResizeDirX);
  EXPECT_EQ(1, cfg.m_nResizeDirY);
  EXPECT_EQ(7, cfg.m_nNewStagePalette);
  EXPECT_EQ(3, cfg.m_nItemSheetPage);
  EXPECT_EQ(9, cfg.m_nConvTransparent);
  EXPECT_EQ(3, cfg.m_nConvLineOut);
  EXPECT_EQ("last", cfg.m_strLastStage);
  EXPECT_EQ("out", cfg.m_strConvOutDir);
  EXPECT_EQ(13, cfg.m_aPlace[PLACE_COMMON_CHARA].m_nX);
  // Hidden common block palette hides all three common palettes; the stage ones stay shown.
  EXPECT_EQ(0, cfg.m_aPlace[PLACE_COMMON_ITEM].m_bShow);
  EXPECT_EQ(1, cfg.m_aPlace[PLACE_STAGE_ITEM].m_bShow);
}

TEST(EditConfig, OldVersionsSkipTheirDroppedStringsAndKeepTheDefaultPlacements) {
  struct {
    int32_t nVersion;
    cImage img;
  } cases[3];
  // 120: the dropped string first, no pages from 130, no placements at all.
  cases[0].nVersion = 120;
  cases[0].img.I(120).I(12).I(4).I(5).I(6).I(0).I(1).I(1).I(1).I(0).I(0).I(2).I(3).I(0);
  cases[0].img.I(3).S("dropped").S("last").S("out");
  // 130: a second dropped string after the pages; the placements follow.
  cases[1].nVersion = 130;
  cases[1].img.I(130).I(13).I(2).I(4).I(5).I(6).I(0).I(1).I(1).I(1).I(0).I(0).I(2).I(3).I(0);
  cases[1].img.I(5).S("last").S("tmpl").S("pal").S("dropped").S("out");
  for (int i = 0; i < PLACE_COUNT; ++i) Place(cases[1].img, 1, 1, 2, 3, 4, 1);
  // 86: before the sheet pages and the line colours.
  cases[2].nVersion = 86;
  cases[2].img.I(86).I(6).I(0).I(1).I(1).I(1).I(0).I(0);
  cases[2].img.I(3).S("dropped").S("last").S("out");
  for (auto& c : cases) {
    SCOPED_TRACE(c.nVersion);
    cEditConfig cfg;
    Scramble(cfg);
    ASSERT_EQ(1, ReadConfig(cfg, c.img));
    EXPECT_EQ("last", cfg.m_strLastStage);
    EXPECT_EQ("out", cfg.m_strConvOutDir);
    EXPECT_EQ(c.nVersion >= 95 ? 6 : 0, cfg.m_nItemSheetPage);
    EXPECT_EQ(0, cfg.m_nResizeDirX);
    EXPECT_EQ(20, cfg.m_nStatusBarHeight);
    EXPECT_EQ(c.nVersion >= 87 ? 3 : 15, cfg.m_nConvLineOut);
    const cWndPlacement& p = cfg.m_aPlace[PLACE_MAP_EVENTS];
    if (c.nVersion >= 130) {
      EXPECT_EQ(1, p.m_bValid);
      EXPECT_EQ(4, p.m_nHeight);
    } else {
      EXPECT_EQ(5, p.m_nX);  // untouched: what the object held before
    }
  }
}

TEST(EditConfig, PlacementsAreClampedToTheScreenWhenRead) {
  int32_t nW = GetSystemMetrics(SM_CXFULLSCREEN), nH = GetSystemMetrics(SM_CYFULLSCREEN);
  struct {
    int32_t nX, nY, nWantX, nWantY;
  } cases[] = {{-300, 10, 0, 10}, {nW + 500, -1, nW, 0}, {nW, nH + 1, nW, nH}, {100, 200, 100, 200}};
  for (auto& c : cases) {
    cImage img;
    Place(img.I(778), 1, c.nX, c.nY, 5000, -7, 1);
    cWndPlacement p;
    ASSERT_EQ(1, ParseImage(img, [&p](cDataReader& in) { return p.Read(in); }));
    EXPECT_EQ(c.nWantX, p.m_nX);
    EXPECT_EQ(c.nWantY, p.m_nY);
    EXPECT_EQ(5000, p.m_nWidth);  // sizes are taken as stored
    EXPECT_EQ(-7, p.m_nHeight);
  }
}

TEST(EditConfig, HidingTheCommonBlockPaletteHidesAllCommonPalettesWhenSaved) {
  cEditConfig cfg;
  cfg.m_aPlace[PLACE_COMMON_BLOCK].m_bShow = 0;
  cfg.m_aPlace[PLACE_STAGE_CHARA].m_bShow = 0;  // follows the stage block palette again
  WriteImage([&cfg](cDataWriter& out) { cfg.Write(out); });
  EXPECT_EQ(0, cfg.m_aPlace[PLACE_COMMON_CHARA].m_bShow);
  EXPECT_EQ(0, cfg.m_aPlace[PLACE_COMMON_ITEM].m_bShow);
  EXPECT_EQ(1, cfg.m_aPlace[PLACE_STAGE_CHARA].m_bShow);
}

TEST(EditConfig, DamagedFilesFailAndLeaveTheConfigurationAsItWas) {
  cEditConfig good;
  std::vector<uint8_t> img = WriteImage([&good](cDataWriter& out) { good.Write(out); });
  for (size_t nCut : {size_t(4), size_t(10), size_t(90), img.size() - 1}) {
    SCOPED_TRACE(nCut);
    cEditConfig cfg;
    Scramble(cfg);
    ASSERT_EQ(0, ReadConfig(cfg, std::vector<uint8_t>(img.begin(), img.begin() + nCut)));
    EXPECT_EQ(33, cfg.m_nStatusBarHeight);
    EXPECT_EQ("old", cfg.m_strLastStage);
    EXPECT_EQ(5, cfg.m_aPlace[PLACE_MAP_EVENTS].m_nX);
  }
  std::vector<uint8_t> bad = img;
  bad[4] = 99;  // more fields than the version registers
  cEditConfig cfg;
  EXPECT_EQ(0, ReadConfig(cfg, bad));
}
