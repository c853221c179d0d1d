#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PaletteRecordImages.h"
#include "model/PrjOption.h"
#include "model/RecordTestSupport.h"
#include "support/TestSupport.h"

namespace {

// The common palette is put back after each test.
class CommonPaletteFile : public testing::Test {
 protected:
  CommonPaletteFile() : m_Saved(CommonPalette), m_strPath(m_Dir.File("CommonPalette.cplt4")) {}
  ~CommonPaletteFile() override { CommonPalette = m_Saved; }
  cEdPalette m_Saved;
  cTempDir m_Dir;
  std::string m_strPath;
};

}  // namespace

TEST_F(CommonPaletteFile, AFreshPaletteIsWrittenWithTwoEntriesPerLayer) {
  cEdPalette pal;
  EXPECT_EQ(1u, pal.m_vBlock.size());
  EXPECT_EQ(1u, pal.m_vChara.size());
  EXPECT_EQ(1u, pal.m_vItem.size());
  cImage img;
  img.I(778).Empty().I(2);
  BlockImage(img, 778, {{BF_NO_FACTION, -1}});  // the empty entry is written passable
  BlockImage(img, 778, {{BF_GRAPHIC, 1}, {BF_BLOCK_TYPE, 1}, {BF_NO_FACTION, -1}});
  CharaImage(img.I(2), 778, FRESH_CHARA);
  CharaImage(img, 778, WithField(FRESH_CHARA, CF_GRAPHIC, 1));
  ItemImage(img.I(2), 778, FRESH_ITEM);
  ItemImage(img, 778, WithField(FRESH_ITEM, IF_GRAPHIC, 1));
  EXPECT_EQ(HexOf(img), HexOf(RecordBytes(pal)));
  EXPECT_EQ(2u, pal.m_vItem.size());
}

TEST_F(CommonPaletteFile, RoundTripsByteExact) {
  ASSERT_EQ(1, CommonPalette.Save(m_strPath.c_str()));
  CommonPalette.m_vBlock.resize(5);
  CommonPalette.m_vBlock.data()[3].m_strName = "ブロック";
  CommonPalette.m_vBlock.data()[3].m_nGraphic = 12;
  CommonPalette.m_vChara.data()[1].m_vFlow.resize(1);
  CommonPalette.m_vChara.data()[1].m_vFlow.data()[0].m_nTrigger = 3;
  for (const char* pszName : {"a.cplt4", "b.cplt4"}) {
    std::string a = m_Dir.File(pszName), b = m_Dir.File(std::string("again_") + pszName);
    ASSERT_EQ(1, CommonPalette.Save(a.c_str()));
    cEdPalette read;
    ASSERT_EQ(1, read.Load(a.c_str()));
    ASSERT_EQ(1, read.Save(b.c_str()));
    EXPECT_EQ(HexOf(ReadFileBytes(a)), HexOf(ReadFileBytes(b)));
    CommonPalette = m_Saved;
  }
  ASSERT_EQ(1, CommonPalette.Load(m_strPath.c_str()));
  std::string c = m_Dir.File("c.cplt4");
  ASSERT_EQ(1, CommonPalette.Save(c.c_str()));
  EXPECT_EQ(HexOf(ReadFileBytes(m_strPath)), HexOf(ReadFileBytes(c)));
}

// A palette of megabytes has its later entries validated on a second thread while the first writes
// them: each is still written validated, as when the palette is validated whole and then written.
TEST_F(CommonPaletteFile, ALargePaletteIsWrittenAsValidatedWholeAndWrittenAfter) {
  cEdPalette pal;
  for (int i = 0; i < 800; ++i) {
    cEdChara c;
    c.m_nGraphic = static_cast<int16_t>(1 + i % 50);
    c.m_nAnimeSet = 30000;  // beyond the database: validated to 0
    cEdFlow f;
    f.m_nTrigger = 1;
    for (int k = 0; k < 60; ++k) {
      cEdCommand cmd;
      cmd.m_nKind = static_cast<int8_t>(1 + k % 2);
      cmd.m_nSound = 30000;
      cmd.m_vParam.assign(7, k);  // more than a kind takes
      f.m_vCommand.push_back(cmd);
    }
    c.m_vFlow.assign(2, f);
    pal.m_vChara.push_back(c);
  }
  cEdPalette plain(pal);
  plain.Validate();
  const std::vector<uint8_t> vPlain = WriteImage([&](cDataWriter& out) {
    plain.cDataRecord::Write(out);
    auto entries = [&out](auto& v) {
      out.WriteInt(static_cast<int32_t>(v.size()));
      for (auto& e : v) e.WriteValidated(out);
    };
    entries(plain.m_vBlock);
    entries(plain.m_vChara);
    entries(plain.m_vItem);
  });
  ASSERT_GT(vPlain.size(), 4u << 20);
  ASSERT_EQ(1, pal.Save(m_strPath.c_str()));
  const std::vector<uint8_t> vSaved = ReadFileBytes(m_strPath);
  ASSERT_EQ(vPlain.size(), vSaved.size());
  EXPECT_TRUE(vPlain == vSaved);
}

TEST_F(CommonPaletteFile, ReadingResetsEntry0ClearsFlagsAndGrowsShortVectors) {
  cImage img;
  img.I(778).Empty();
  BlockImage(img.I(1), 778, {{BF_GRAPHIC, 5}}, std::vector<uint8_t>(11, 1), "entry0");
  CharaImage(img.I(3), 778, WithField(FRESH_CHARA, CF_GRAPHIC, 4), std::vector<uint8_t>(37, 1), "zero");
  CharaImage(img, 778, WithField(FRESH_CHARA, CF_GRAPHIC, 4), std::vector<uint8_t>(37, 0), "one");
  // An entry naming another common entry as its source: it copies nothing while the palette is read.
  CharaImage(img, 778, WithField(WithField(WithField(FRESH_CHARA, CF_GRAPHIC, 4), CF_INHERIT_PAL, 1), CF_INHERIT_NO, 1),
             std::vector<uint8_t>(37, 1), "two");
  ItemImage(img.I(1), 778, FRESH_ITEM);
  ASSERT_TRUE(WriteFileBytes(m_strPath, img));

  ASSERT_EQ(1, CommonPalette.Load(m_strPath.c_str()));
  ASSERT_EQ(2u, CommonPalette.m_vBlock.size());
  EXPECT_TRUE(CommonPalette.m_vBlock[0] == cEdBlock());
  EXPECT_EQ("", CommonPalette.m_vBlock[0].m_strName);
  EXPECT_TRUE(CommonPalette.m_vBlock[1] == PrjOption.m_DefBlock);
  ASSERT_EQ(3u, CommonPalette.m_vChara.size());
  EXPECT_EQ("", CommonPalette.m_vChara[0].m_strName);
  EXPECT_EQ("two", CommonPalette.m_vChara[2].m_strName);
  EXPECT_EQ(1, CommonPalette.m_vChara[2].m_nInheritPal);  // the source is kept, its flags are not
  EXPECT_EQ(1, CommonPalette.m_vChara[2].m_nInheritNo);
  for (const cEdChara& c : CommonPalette.m_vChara)
    EXPECT_EQ(std::vector<uint8_t>(37, 0), static_cast<const std::vector<uint8_t>&>(c.m_bbInherit));
  ASSERT_EQ(2u, CommonPalette.m_vItem.size());
  EXPECT_TRUE(CommonPalette.m_vItem[1] == PrjOption.m_DefItem);
}

TEST_F(CommonPaletteFile, ASourceBeyondTheReadPaletteIsDroppedOnceAllEntriesAreIn) {
  cImage img;
  img.I(778).Empty().I(3);
  for (int i = 0; i < 3; ++i)
    BlockImage(img, 778, {{BF_GRAPHIC, 1}, {BF_INHERIT_PAL, 1}, {BF_INHERIT_NO, 1 + i}, {BF_ITEM_PAL, 1},
                          {BF_ITEM_NO, i}});
  img.I(0);
  ItemImage(img.I(2), 778, FRESH_ITEM);
  ItemImage(img, 778, WithField(FRESH_ITEM, IF_GRAPHIC, 1));
  ASSERT_TRUE(WriteFileBytes(m_strPath, img));
  ASSERT_EQ(1, CommonPalette.Load(m_strPath.c_str()));
  // Entry 2 is inside the three entries read, though not inside the palette held before the load.
  EXPECT_EQ(1, CommonPalette.m_vBlock[1].m_nInheritPal);
  EXPECT_EQ(2, CommonPalette.m_vBlock[1].m_nInheritNo);
  EXPECT_EQ(0, CommonPalette.m_vBlock[2].m_nInheritPal);
  EXPECT_EQ(1, CommonPalette.m_vBlock[1].m_nItemPal);  // the item palette's two entries
  EXPECT_EQ(0, CommonPalette.m_vBlock[2].m_nItemPal);
}

TEST_F(CommonPaletteFile, DamagedFilesFailAndLeaveThePaletteAsItWas) {
  CommonPalette.m_vBlock.resize(3);
  CommonPalette.m_vBlock.data()[2].m_nGraphic = 8;
  std::vector<uint8_t> img = RecordBytes(CommonPalette);
  cEdPalette pal;
  pal.m_vChara.resize(4);
  for (size_t nCut = 4; nCut < img.size(); nCut += 13) {
    ASSERT_EQ(0, ParseImage(std::vector<uint8_t>(img.begin(), img.begin() + nCut),
                            [&pal](cDataReader& in) { return pal.Read(in); }))
        << nCut;
    EXPECT_EQ(1u, pal.m_vBlock.size());
    EXPECT_EQ(4u, pal.m_vChara.size());
  }
  std::vector<uint8_t> bad = img;
  bad[12 + 3] = 0x40;  // a block count far beyond the file
  ASSERT_TRUE(WriteFileBytes(m_strPath, bad));
  EXPECT_EQ(0, pal.Load(m_strPath.c_str()));
  EXPECT_EQ(0, pal.Load(m_Dir.File("missing.cplt4").c_str()));
}

TEST_F(CommonPaletteFile, StagePaletteFileHoldsExactlyTheEntries) {
  cChkVector<cEdBlock> vBlock(1);
  vBlock.data()[0].m_nGraphic = 6;  // entry 0 is not reset by this file
  vBlock.data()[0].m_strName = "first";
  cChkVector<cEdChara> vChara;
  cChkVector<cEdItem> vItem(2);
  vItem.data()[1].m_nGraphic = 2;
  std::string path = m_Dir.File("stage.plt4");
  ASSERT_EQ(1, SavePaletteFile(path.c_str(), vBlock, vChara, vItem));

  cImage img;
  BlockImage(img.I(778).I(1), 778, {{BF_GRAPHIC, 6}, {BF_BLOCK_TYPE, 1}, {BF_NO_FACTION, -1}},
             std::vector<uint8_t>(11), "first");
  ItemImage(img.I(0).I(2), 778, FRESH_ITEM);
  ItemImage(img, 778, WithField(FRESH_ITEM, IF_GRAPHIC, 2));
  EXPECT_EQ(HexOf(img), HexOf(ReadFileBytes(path)));

  cChkVector<cEdBlock> rb(4);
  cChkVector<cEdChara> rc(4);
  cChkVector<cEdItem> ri;
  ASSERT_EQ(1, LoadPaletteFile(path.c_str(), rb, rc, ri));
  ASSERT_EQ(1u, rb.size());
  EXPECT_EQ("first", rb[0].m_strName);
  EXPECT_TRUE(rc.empty());
  EXPECT_EQ(2u, ri.size());

  std::vector<uint8_t> cut = ReadFileBytes(path);
  cut.pop_back();
  ASSERT_TRUE(WriteFileBytes(path, cut));
  EXPECT_EQ(0, LoadPaletteFile(path.c_str(), rb, rc, ri));
  EXPECT_EQ(1u, rb.size());
  EXPECT_EQ(2u, ri.size());
}
