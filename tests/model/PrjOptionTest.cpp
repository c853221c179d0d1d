#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/PaletteRecordImages.h"
#include "model/PrjOption.h"
#include "support/TestSupport.h"

namespace {

std::vector<uint8_t> AllBut(size_t n, std::vector<size_t> vOff) {
  std::vector<uint8_t> v(n, 1);
  for (size_t i : vOff) v[i] = 0;
  return v;
}

// The default records as a fresh object writes them.
cImage& DefaultRecords(cImage& img) {
  BlockImage(img, 778, {{BF_GRAPHIC, 1}, {BF_BLOCK_TYPE, 1}, {BF_NO_FACTION, -1}});
  CharaImage(img, 778, {{CF_GRAPHIC, 1}, {CF_SHEET, 1}, {17, 3}, {21, 1}, {CF_CONTROL, 1}, {28, 1}, {31, 1},
                        {35, 1}, {CF_HP, 10}, {41, 10}, {49, 1}});
  return ItemImage(img, 778, {{IF_GRAPHIC, 1}, {IF_SHEET, 2}, {10, 6}, {14, 1}, {IF_GIANT, 1}});
}

// A placement as versions 122 and later store it, or without the shown flag before.
cImage& OldPlaces(cImage& img, int32_t nVersion) {
  for (int i = 0; i < 11; ++i) {
    img.I(nVersion >= 122 ? 6 : 5).I(1).I(-500).I(3).I(4).I(5);
    if (nVersion >= 122) img.I(0);
    img.I(0);
  }
  return img;
}

int ReadOption(cEdPrjOption& opt, const std::vector<uint8_t>& img) {
  return ParseImage(img, [&opt](cDataReader& in) { return opt.Read(in); });
}

// The stored flags of one situation and layer: every flag set, none set, or alternating.
std::vector<uint8_t> Stored(int nSit, size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = nSit == 0 ? 1 : nSit == 1 ? 0 : static_cast<uint8_t>(i % 2);
  return v;
}

// What a situation's stored flags become once groups are inserted at the given final places.
std::vector<uint8_t> WithInserted(int nSit, std::vector<uint8_t> v, std::vector<size_t> vAt) {
  for (size_t p : vAt) v.insert(v.begin() + p, nSit == 0 ? 0 : 1);
  return v;
}

cImage& FlagVectors(cImage& img, bool bSit1, size_t nBlock, size_t nChara, size_t nItem) {
  for (int nSit = 0; nSit < 3; ++nSit) {
    if (nSit == 1 && !bSit1) continue;
    Flags(img, Stored(nSit, nBlock));
    Flags(img, Stored(nSit, nChara));
    Flags(img, Stored(nSit, nItem));
  }
  return img;
}

}  // namespace

TEST(PrjOption, DefaultsAndTheirHandComputedFile) {
  cEdPrjOption opt;
  EXPECT_EQ(1, opt.m_bAutoGamePath);
  EXPECT_EQ(1, opt.m_DefChara.m_nGraphic);
  EXPECT_EQ(2, opt.m_anDefInheritPal[2][1]);
  cImage img;
  img.I(778).I(11).I(0).I(0).I(0).I(1).I(1).I(1).I(2).I(2).I(2).I(1).I(0).I(1).S("");
  DefaultRecords(img);
  for (int nSit = 0; nSit < 3; ++nSit) {
    bool b = nSit == 0;
    Flags(img, b ? std::vector<uint8_t>(11) : AllBut(11, {1}));
    Flags(img, b ? std::vector<uint8_t>(37) : AllBut(37, {4, 5, 33, 35}));
    Flags(img, b ? std::vector<uint8_t>(13) : AllBut(13, {1}));
  }
  EXPECT_EQ(HexOf(img), HexOf(RecordBytes(opt)));
}

TEST(PrjOption, FileRoundTripsByteExact) {
  cTempDir dir;
  for (int bChanged = 0; bChanged < 2; ++bChanged) {
    cEdPrjOption opt;
    if (bChanged) {
      opt.m_strGamePath = "C:\\ゲーム\\Game.exe";
      opt.m_bAutoGamePath = 0;
      opt.m_nOldVerStage = 2;
      opt.m_DefChara.m_strName = "既定";
      opt.DefFlags(INHERIT_PLACE_STAGE, PAL_ITEM).data()[4] = 0;
      opt.m_anDefInheritPal[0][2] = 1;
    }
    std::string a = dir.File("a.dat"), b = dir.File("b.dat");
    ASSERT_EQ(1, opt.Save(a.c_str()));
    cEdPrjOption back;
    ASSERT_EQ(1, back.Load(a.c_str()));
    EXPECT_EQ(opt.m_strGamePath, back.m_strGamePath);
    EXPECT_TRUE(back.m_DefChara == opt.m_DefChara);
    ASSERT_EQ(1, back.Save(b.c_str()));
    EXPECT_EQ(HexOf(ReadFileBytes(a)), HexOf(ReadFileBytes(b)));
  }
}

TEST(PrjOption, Version100InsertsFourCharacterGroupsInTheirOrder) {
  cImage img;
  img.I(100).I(11).I(77).I(0).I(0).I(0).I(1).I(1).I(1).I(2).I(2).I(2).I(0);
  img.I(4).S("a").S("b").S("c").S("path");
  OldPlaces(img, 100);
  FlagVectors(img, true, 11, 33, 13);
  cEdPrjOption opt;
  opt.m_nOldVerStage = 2;
  ASSERT_EQ(1, ReadOption(opt, img));
  EXPECT_EQ("path", opt.m_strGamePath);
  EXPECT_EQ(0, opt.m_bAutoGamePath);
  EXPECT_EQ(0, opt.m_nOldVerStage);
  for (int nSit = 0; nSit < 3; ++nSit) {
    SCOPED_TRACE(nSit);
    EXPECT_EQ(HexOf(WithInserted(nSit, Stored(nSit, 33), {3, 21, 25, 29})),
              HexOf(opt.DefFlags(nSit, PAL_CHARA)));
    EXPECT_EQ(HexOf(Stored(nSit, 11)), HexOf(opt.DefFlags(nSit, PAL_BLOCK)));
    EXPECT_EQ(HexOf(Stored(nSit, 13)), HexOf(opt.DefFlags(nSit, PAL_ITEM)));
  }
}

TEST(PrjOption, OlderFilesTable) {
  struct {
    int32_t nVersion;
    bool bSit1;               // situation 1 is stored from 70 on
    size_t nBlock, nChara;    // stored flag counts
    std::vector<size_t> vBlockAt, vCharaAt, vItemAt;  // final places of inserted groups
  } cases[] = {
      {125, true, 11, 34, {}, {21, 25, 29}, {}},
      {141, true, 11, 34, {}, {21, 25, 29}, {}},
      {209, true, 11, 36, {}, {21}, {}},
      {87, true, 10, 32, {5}, {3, 15, 21, 25, 29}, {7}},
      {60, false, 10, 32, {5}, {3, 15, 21, 25, 29}, {7}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.nVersion);
    const int32_t v = c.nVersion;
    cImage img;
    img.I(v).I((v < 130) + (v >= 51 ? 6 : 0) + (v >= 70 ? 3 : 0) + 1 + (v >= 142));
    if (v < 130) img.I(5);
    img.I(0).I(0).I(0);
    if (v >= 70) img.I(1).I(1).I(1);
    img.I(2).I(2).I(2).I(1);
    if (v >= 142) img.I(2);
    if (v < 130)
      img.I(4).S("").S("").S("").S("p");
    else
      img.I(1).S("p");
    if (v >= 120) {
      // Default records that were stored with set flags and inheritance.
      BlockImage(img, v, {{BF_GRAPHIC, 3}}, std::vector<uint8_t>(11, 1));
      CharaImage(img, v, {{CF_GRAPHIC, 3}, {CF_CONTROL, 1}}, std::vector<uint8_t>(37, 1));
      ItemImage(img, v, {{IF_GRAPHIC, 3}, {IF_GIANT, 1}}, std::vector<uint8_t>(13, 1));
    }
    if (v >= 71 && v <= 129) OldPlaces(img, v);
    FlagVectors(img, c.bSit1, c.nBlock, c.nChara, 13 - c.vItemAt.size());
    cEdPrjOption opt;
    opt.m_nOldVerStage = 2;
    ASSERT_EQ(1, ReadOption(opt, img));
    EXPECT_EQ("p", opt.m_strGamePath);
    EXPECT_EQ(v < 142 ? 0 : 2, opt.m_nOldVerStage);
    EXPECT_EQ(std::vector<uint8_t>(11, 0), static_cast<std::vector<uint8_t>>(opt.m_DefBlock.m_bbInherit));
    EXPECT_EQ(std::vector<uint8_t>(37, 0), static_cast<std::vector<uint8_t>>(opt.m_DefChara.m_bbInherit));
    EXPECT_EQ(std::vector<uint8_t>(13, 0), static_cast<std::vector<uint8_t>>(opt.m_DefItem.m_bbInherit));
    EXPECT_EQ(v >= 120 ? 3 : 1, opt.m_DefItem.m_nGraphic);
    for (int nSit = 0; nSit < 3; ++nSit) {
      if (nSit == 1 && !c.bSit1) continue;
      SCOPED_TRACE(nSit);
      std::vector<uint8_t> block = WithInserted(nSit, Stored(nSit, c.nBlock), c.vBlockAt);
      block.resize(11);  // files below 92 held ten block flags
      EXPECT_EQ(HexOf(block), HexOf(opt.DefFlags(nSit, PAL_BLOCK)));
      EXPECT_EQ(HexOf(WithInserted(nSit, Stored(nSit, c.nChara), c.vCharaAt)), HexOf(opt.DefFlags(nSit, PAL_CHARA)));
      EXPECT_EQ(HexOf(WithInserted(nSit, Stored(nSit, 13 - c.vItemAt.size()), c.vItemAt)),
                HexOf(opt.DefFlags(nSit, PAL_ITEM)));
    }
  }
}

TEST(PrjOption, DamagedFilesFailAndLeaveTheOptionsAsTheyWere) {
  cEdPrjOption good;
  std::vector<uint8_t> img = RecordBytes(good);
  for (size_t nCut = 4; nCut < img.size(); nCut += 29) {
    cEdPrjOption opt;
    opt.m_strGamePath = "kept";
    opt.DefFlags(1, PAL_CHARA).assign(5, 9);
    ASSERT_EQ(0, ReadOption(opt, std::vector<uint8_t>(img.begin(), img.begin() + nCut))) << nCut;
    EXPECT_EQ("kept", opt.m_strGamePath);
    EXPECT_EQ(5u, opt.DefFlags(1, PAL_CHARA).size());
  }
}
