#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "model/Inherit.h"
#include "model/PaletteRecordImages.h"
#include "model/Stage.h"
#include "model/StageTestSupport.h"
#include "support/TestSupport.h"

namespace {

constexpr int IF_INHERIT_NO = 2;

std::vector<uint8_t> StageBytes(cEdStage& st) {
  return WriteImage([&st](cDataWriter& out) { st.Write(out); });
}

// The bytes before the block cells of a validated stage: its sections, vectors and palettes.
std::vector<uint8_t> Prefix(cEdStage& st) {
  st.Validate();
  return WriteImage([&st](cDataWriter& out) {
    st.cDataRecord::Write(out);
    SaveValueVector(out, st.m_vRankItems);
    for (cEdAutoVanish& av : st.m_AutoVanish) av.Write(out);
    SaveRecords(out, st.m_vPalBlock);
    SaveRecords(out, st.m_vPalChara);
    SaveRecords(out, st.m_vPalItem);
  });
}

// The bytes after the item cells: backgrounds, names and the trailer (without a data version).
std::vector<uint8_t> Suffix(cEdStage& st) {
  std::vector<uint8_t> v = WriteImage([&st](cDataWriter& out) {
    SaveRecords(out, st.m_vBackground);
    SaveRecords(out, st.m_vVarName);
    out.WriteInt(STAGE_TRAILER);
  });
  return std::vector<uint8_t>(v.begin() + 4, v.end());
}

// A version-778 file of a fresh stage with hand-made cell sections.
std::vector<uint8_t> FreshStageWithCells(const cImage& cells) {
  cEdStage st;
  cImage img;
  img.Bytes(Prefix(st)).Bytes(cells).Bytes(Suffix(st));
  return img.Get();
}

// A file as a writer of an older version left it: the stage's sections at that version, its
// vectors, one default palette entry per layer, no cells, its backgrounds, nNames names and, from
// version 173 on, the trailer.
std::vector<uint8_t> OldStageImage(int32_t v, cEdStage& st, int nNames) {
  cImage img;
  img.I(v).Base(st, v);
  img.I(static_cast<int32_t>(st.m_vRankItems.size()));
  for (int32_t n : st.m_vRankItems) img.I(n);
  for (cEdAutoVanish& av : st.m_AutoVanish) img.Base(av, v);
  BlockImage(img.I(1), v, {});
  CharaImage(img.I(1), v, {});
  ItemImage(img.I(1), v, {});
  img.I(0).I(0).I(0);
  img.I(static_cast<int32_t>(st.m_vBackground.size()));
  for (cEdBackground& bg : st.m_vBackground) img.Base(bg, v);
  img.I(nNames);
  for (int i = 0; i < nNames; ++i) img.I(0).I(1).S("v" + std::to_string(i));
  if (v >= 173) img.I(STAGE_TRAILER);
  return img.Get();
}

int LoadImage(cEdStage& st, const std::vector<uint8_t>& img) {
  return ParseImage(img, [&st](cDataReader& in) { return st.Read(in); });
}

// One cell pair of a layer as the file holds it.
struct cCellPair {
  int32_t nIndex, nX, nY, nMark, nLink;
};

int32_t MarkOf(const cEdChara& c) { return c.m_nHp; }
int32_t LinkOf(const cEdChara& c) { return c.m_nItemLink; }
template <class T>
int32_t MarkOf(const T&) {
  return 0;
}
template <class T>
int32_t LinkOf(const T&) {
  return 0;
}

template <class T>
void ReadPairs(cDataReader& in, std::vector<cCellPair>& v) {
  int32_t n = 0;
  in.ReadInt(n);
  for (int32_t i = 0; i < n && in.Ok(); ++i) {
    T rec;
    int32_t nIndex = 0;
    in.ReadInt(nIndex);
    rec.Read(in);
    v.push_back(cCellPair{nIndex, rec.m_nX, rec.m_nY, MarkOf(rec), LinkOf(rec)});
  }
}

// A stage with something in every part of the file.
void Populate(cEdStage& st) {
  st.m_strName = "はじまりの森";
  st.m_nTimeLimit = 321;
  st.m_AutoVanish[1].Set(1, 3);
  st.m_vRankItems.data()[2] = 0;
  st.m_vPalBlock.resize(3);
  st.m_vPalBlock[2].m_strName = "岩";
  st.m_vPalBlock[2].m_nGraphic = 12;
  st.m_vBlockGrid.Unwatched(st.CellIndex(3, 2)).m_nGraphic = 4;
  st.m_vBlockGrid.Unwatched(st.CellIndex(19, 14)).m_nGraphic = 5;
  cEdChara enemy = PlacedChara(1, 40);
  enemy.m_strName = "こうもり";
  enemy.m_vFlow.resize(1);
  enemy.m_vFlow[0].m_nTrigger = 2;
  enemy.m_vFlow[0].m_vCond.resize(1);
  enemy.m_vCond.resize(2);
  st.m_vCharaGrid.Unwatched(st.CellIndex(6, 1)) = enemy;
  st.m_vCharaGrid.Unwatched(st.CellIndex(0, 14)) = PlacedChara(0, 10);
  st.m_vItemGrid.Unwatched(st.CellIndex(6, 1)).m_nGraphic = 2;
  st.m_vBackground.resize(2);
  st.m_vBackground[1].m_strImage = "bmp\\back\\空.bmp";
  st.m_vVarName[999].m_strName = "最後";
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Layout

TEST(StageFile, AFreshStageWritesTheDefaultFileAndReadsItBackByteExact) {
  cImage img;
  img.I(778).I(98);
  for (int32_t n : {20, 32, 5, 15, 0, 0, 0, 0, 0, 0, 0, 0, 60, 0, 200, 20, 0, 0, 0, 0}) img.I(n);
  img.D(0.4);
  for (int32_t n : {10, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 1,            // hit level .. game over
                    16, 24, 16, 16, 16, 24, 16, 16, 12, 8, 16, 16,        // hero ranges
                    1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,                   // positions, display, colours
                    16, 24, 16, 16, 12, 24, 12, 16, 30, 30, 1, 0, 1, 0,   // enemy ranges
                    28, 28, 16, 16, 16, 16, 16, 16, 16, 16, 1, 640, 480, 10})
    img.I(n);
  img.D(10).D(100).D(60).D(0.4 / 100.0).D(6).I(80).I(1).I(30).I(0).I(30).I(0);
  img.I(1).S("");
  img.I(5).I(1).I(1).I(1).I(1).I(1);
  // Nothing vanishes automatically but the shots: at every edge, the enemies' ten cells beyond it.
  for (int i = 0; i < 3; ++i) img.I(8).I(0).I(0).I(0).I(0).I(0).I(0).I(0).I(0).I(0);
  img.I(8).I(1).I(1).I(1).I(1).I(0).I(0).I(0).I(0).I(0);
  img.I(8).I(1).I(1).I(1).I(1).I(10).I(10).I(10).I(10).I(0);
  cImage& head = img;
  // Validation gives each palette entry 1 from the project defaults, numbered 1 with no source.
  BlockImage(head.I(2), 778, {{BF_NO_FACTION, -1}});
  BlockImage(head, 778, {{BF_GRAPHIC, 1}, {BF_BLOCK_TYPE, 1}, {BF_NO_FACTION, -1}, {BF_INHERIT_NO, 1}});
  CharaImage(head.I(2), 778, FRESH_CHARA);
  CharaImage(head, 778, WithField(WithField(FRESH_CHARA, CF_GRAPHIC, 1), CF_INHERIT_NO, 1));
  ItemImage(head.I(2), 778, FRESH_ITEM);
  ItemImage(head, 778, WithField(WithField(FRESH_ITEM, IF_GRAPHIC, 1), IF_INHERIT_NO, 1));
  head.I(0).I(0).I(0);
  head.I(1).I(10).I(1).I(1).I(16).I(0).D(0.1).D(0.1).I(0).I(0).D(0).D(0).I(1).S("");
  head.I(1000);
  for (int i = 0; i < 1000; ++i) head.I(0).I(1).S("");
  head.I(STAGE_TRAILER);

  cTempDir dir;
  const std::string a = dir.File("a.stg4_778"), b = dir.File("b.stg4_778");
  cEdStage st;
  ASSERT_EQ(1, st.Save(a.c_str()));
  EXPECT_EQ(HexOf(head), HexOf(ReadFileBytes(a)));
  cEdStage back;
  back.m_strName = "before";
  ASSERT_EQ(1, back.Load(a.c_str()));
  EXPECT_EQ("", back.m_strName);
  ASSERT_EQ(1, back.Save(b.c_str()));
  EXPECT_EQ(HexOf(ReadFileBytes(a)), HexOf(ReadFileBytes(b)));
}

TEST(StageFile, AStageWithEveryPartRoundTripsByteExact) {
  cTempDir dir;
  const std::string a = dir.File("a.stg4_778"), b = dir.File("b.stg4_778");
  cEdStage st;
  Populate(st);
  ASSERT_EQ(1, st.Save(a.c_str()));
  cEdStage back;
  ASSERT_EQ(1, back.Load(a.c_str()));
  EXPECT_EQ("はじまりの森", back.m_strName);
  EXPECT_EQ(321, back.m_nTimeLimit);
  EXPECT_EQ(3, back.m_AutoVanish[1].m_nBottom);
  EXPECT_EQ(0, back.m_vRankItems[2]);
  EXPECT_EQ("岩", back.m_vPalBlock[2].m_strName);
  EXPECT_EQ(2u, back.m_vBackground.size());
  EXPECT_EQ("最後", back.m_vVarName[999].m_strName);
  const cEdChara& enemy = back.m_vCharaGrid[back.CellIndex(6, 1)];
  EXPECT_EQ("こうもり", enemy.m_strName);
  EXPECT_EQ(1u, enemy.m_vFlow.size());
  EXPECT_EQ(2u, enemy.m_vCond.size());
  EXPECT_EQ(10, back.m_vCharaGrid[back.CellIndex(0, 14)].m_nHp);
  ASSERT_EQ(1, back.Save(b.c_str()));
  EXPECT_EQ(HexOf(ReadFileBytes(a)), HexOf(ReadFileBytes(b)));
}

TEST(StageFile, PlacedCellsAreWrittenRowByRowWithTheirIndexPositionAndItemLink) {
  cEdStage st;  // 20 wide: pitch 32
  for (int x : {2, 5, 9}) st.m_vItemGrid.Unwatched(x).m_nGraphic = 3;
  st.m_vItemGrid.Unwatched(st.CellIndex(3, 2)).m_nGraphic = 3;
  st.m_vCharaGrid.Unwatched(st.CellIndex(3, 2)) = PlacedChara(1, 1);  // carries: the fourth item
  st.m_vCharaGrid.Unwatched(9) = PlacedChara(1, 2);                    // carries: the third item
  st.m_vCharaGrid.Unwatched(5) = PlacedChara(1, 3);                    // carries: the second item
  st.m_vCharaGrid.Unwatched(7) = PlacedChara(1, 4);                    // no item on its cell
  st.m_vCharaGrid.Unwatched(2) = PlacedChara(0, 5);                    // the player carries nothing
  st.m_vCharaGrid.Unwatched(st.CellIndex(4, 2)) = PlacedChara(1, 6);
  st.m_vCharaGrid.Unwatched(st.CellIndex(4, 2)).m_bHoldItem = 0;
  st.m_vItemGrid.Unwatched(st.CellIndex(4, 2)).m_nGraphic = 3;  // an item it does not take
  st.m_vBlockGrid.Unwatched(st.CellIndex(3, 2)).m_nGraphic = 1;
  const size_t nCells = Prefix(st).size();

  std::vector<uint8_t> file = StageBytes(st);
  cImage tail;
  tail.I(778).Bytes(std::vector<uint8_t>(file.begin() + nCells, file.end()));
  std::vector<cCellPair> vBlocks, vCharas, vItems;
  ASSERT_EQ(1, ParseImage(tail, [&](cDataReader& in) {
              ReadPairs<cEdBlock>(in, vBlocks);
              ReadPairs<cEdChara>(in, vCharas);
              ReadPairs<cEdItem>(in, vItems);
              return 1;
            }));
  ASSERT_EQ(1u, vBlocks.size());
  EXPECT_EQ(67, vBlocks[0].nIndex);
  EXPECT_EQ(3, vBlocks[0].nX);
  EXPECT_EQ(2, vBlocks[0].nY);
  ASSERT_EQ(6u, vCharas.size());
  const int32_t aIndex[6] = {2, 5, 7, 9, 67, 68}, aMark[6] = {5, 3, 4, 2, 1, 6}, aLink[6] = {-1, 1, -1, 2, 3, -1};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(aIndex[i], vCharas[i].nIndex) << i;
    EXPECT_EQ(aIndex[i] % 32, vCharas[i].nX) << i;
    EXPECT_EQ(aIndex[i] / 32, vCharas[i].nY) << i;
    EXPECT_EQ(aMark[i], vCharas[i].nMark) << i;
    EXPECT_EQ(aLink[i], vCharas[i].nLink) << i;
  }
  ASSERT_EQ(5u, vItems.size());
  EXPECT_EQ(67, vItems[3].nIndex);
  EXPECT_EQ(68, vItems[4].nIndex);
}

// ---------------------------------------------------------------------------------------------
// Older versions

TEST(StageFile, OlderFilesAreUpgradedStepByStep) {
  for (int32_t v : {60, 154, 155, 165, 166, 172, 173, 180, 181, 182, 183, 184, 198, 199, 207, 208, 224, 225, 600, 753,
                    754, 778}) {
    SCOPED_TRACE(v);
    cEdStage src;
    src.m_nHeroWalkCharaW = 22;
    src.m_nHeroFlyCharaW = 7;
    src.m_nEnemyWalkCharaH = 26;
    src.m_nHeroWalkCharaPos = 1;
    src.m_nBlockRangeColor = 2;
    src.m_nEnemyWalkBlockH = 20;
    src.m_bStatusWindow = 0;
    src.m_bSkipClearWait = 1;
    src.m_bBgmKeep = 1;
    src.m_bShowReady = 1;
    src.m_vRankItems = v < 181 ? cChkVector<int32_t>{1, 0, 1} : cChkVector<int32_t>{1, 0, 1, 1, 1};
    src.m_vBackground[0].m_nColor = 40;
    src.m_vBackground[0].m_dScrollX = 2.5;
    cEdStage st;
    st.m_bStatusWindow = 0;
    st.m_bSkipClearWait = 1;
    st.m_bBgmKeep = 1;
    st.m_bShowReady = 1;
    st.m_nWheelDir = 1;
    ASSERT_EQ(1, LoadImage(st, OldStageImage(v, src, 3)));
    EXPECT_EQ(v < 155 ? 22 : 7, st.m_nHeroFlyCharaW);
    EXPECT_EQ(v < 155 ? 26 : 16, st.m_nEnemyFlyCharaH);
    EXPECT_EQ(v < 155 ? 0 : 1, st.m_nHeroWalkCharaPos);
    EXPECT_EQ(v < 166 ? 1 : 0, st.m_bBgmLoop);
    EXPECT_EQ(v < 181 ? (std::vector<int32_t>{1, 0, 1, 0, 0}) : (std::vector<int32_t>{1, 0, 1, 1, 1}),
              std::vector<int32_t>(st.m_vRankItems));
    EXPECT_EQ(v < 183 ? 1 : 0, st.m_bStatusWindow);
    EXPECT_EQ(v < 184 ? 0 : 1, st.m_bSkipClearWait);
    EXPECT_EQ(v < 199 ? 0 : 1, st.m_bBgmKeep);
    EXPECT_EQ(v < 200 ? 5 : 2, st.m_nBlockRangeColor);
    EXPECT_EQ(v < 200 ? 30 : 20, st.m_nEnemyWalkBlockH);
    EXPECT_EQ(v < 208 ? 0 : 1, st.m_nWheelDir);
    EXPECT_EQ(v < 225 ? 0 : 1, st.m_bShowReady);
    EXPECT_EQ(v < 754 ? 1000u : 3u, st.m_vVarName.size());
    EXPECT_EQ("v2", st.m_vVarName[2].m_strName);
    EXPECT_EQ(40, st.m_vBackground[0].m_nColor);
    EXPECT_DOUBLE_EQ(v < 61 ? 0.1 : 2.5, st.m_vBackground[0].m_dScrollX);
  }
}

TEST(StageFile, TheTrailerIsReadFromVersion173OnAndItsValueIgnored) {
  cEdStage src;
  std::vector<uint8_t> v172 = OldStageImage(172, src, 2), v173 = OldStageImage(173, src, 2);
  cEdStage st;
  EXPECT_EQ(1, LoadImage(st, v172));
  v173[v173.size() - 1] ^= 0x55;
  EXPECT_EQ(1, LoadImage(st, v173));
  v173.resize(v173.size() - 4);
  EXPECT_EQ(0, LoadImage(st, v173));  // a version-173 file that ends before its trailer is cut short
  v172.resize(v172.size() - 1);
  EXPECT_EQ(0, LoadImage(st, v172));
}

// ---------------------------------------------------------------------------------------------
// Damaged files

TEST(StageFile, DamagedFilesAreFailedLoadsThatLeaveTheStageAsItWas) {
  cEdStage src;
  Populate(src);
  const std::vector<uint8_t> good = StageBytes(src);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> bad;
  for (size_t n = 0; n < good.size(); n += n < 600 ? 7 : 997)
    bad.emplace_back("cut at " + std::to_string(n), std::vector<uint8_t>(good.begin(), good.begin() + n));
  bad.emplace_back("no trailer", std::vector<uint8_t>(good.begin(), good.end() - 4));
  struct {
    const char* pszName;
    int nOffset;  // of the width or the height in the field section
    int32_t nValue;
  } sizes[] = {{"width 0", 8, 0},       {"width -1", 8, -1},     {"width 513", 8, 513},
               {"width huge", 8, 0x7fffffff}, {"height 0", 20, 0}, {"height 100000", 20, 100000}};
  for (const auto& s : sizes) {
    std::vector<uint8_t> v = good;
    memcpy(v.data() + s.nOffset, &s.nValue, 4);
    bad.emplace_back(s.pszName, v);
  }
  const cImage oneBlock = cImage().I(3);
  struct {
    const char* pszName;
    int32_t nCount, nIndex;
  } cells[] = {{"index at the grid's end", 1, 480}, {"negative index", 1, -1}, {"index in the padding", 1, 25 + 32 * 3},
               {"index huge", 1, 0x40000000}, {"count beyond the file", 0x7fffffff, 0}, {"negative count", -2, 0}};
  for (const auto& c : cells) {
    cImage img;
    img.I(c.nCount).I(c.nIndex);
    BlockImage(img, 778, {{BF_GRAPHIC, 3}});
    img.I(0).I(0);
    bad.emplace_back(c.pszName, FreshStageWithCells(img));
  }
  {
    cImage img;
    img.I(1).I(19 + 32 * 14);  // the last cell is fine
    BlockImage(img, 778, {{BF_GRAPHIC, 3}});
    img.I(0).I(0);
    cEdStage st;
    ASSERT_EQ(1, LoadImage(st, FreshStageWithCells(img)));
    EXPECT_EQ(3, st.m_vBlockGrid[19 + 32 * 14].m_nGraphic);
  }

  cTempDir dir;
  const std::string path = dir.File("bad.stg4_778");
  for (const auto& b : bad) {
    SCOPED_TRACE(b.first);
    cEdStage st;
    st.m_strName = "kept";
    st.SetSize(30, 20, 0, 0);
    st.m_vBlockGrid[5].m_nGraphic = 9;
    ASSERT_TRUE(WriteFileBytes(path, b.second));
    EXPECT_EQ(0, st.Load(path.c_str()));
    EXPECT_EQ("kept", st.m_strName);
    EXPECT_EQ(30, st.m_nWidth);
    EXPECT_EQ(20, st.m_nHeight);
    EXPECT_EQ(32u * 20u, st.m_vBlockGrid.size());
    EXPECT_EQ(9, st.m_vBlockGrid[5].m_nGraphic);
  }
}

// ---------------------------------------------------------------------------------------------
// The stage palette file

TEST(StageFile, UndoDepthIsClampedToWhatTheOptionsAllowWhenRead) {
  // A damaged depth would size the undo store from a large share of free memory.
  cTempDir dir;
  const std::string strPath = dir.File("a.stg4_778");
  struct { int32_t nStored, nRead; } aCases[] = {{0x7FFFFFFF, 9}, {10, 9}, {-1, 0}, {INT32_MIN, 0}, {0, 0}, {4, 4}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nStored);
    cEdStage st;
    st.m_nUndoDepth = c.nStored;
    ASSERT_EQ(1, st.Save(strPath.c_str()));
    cEdStage back;
    ASSERT_EQ(1, back.Load(strPath.c_str()));
    EXPECT_EQ(c.nRead, back.m_nUndoDepth);
  }
}

TEST(StageFile, PaletteFileHoldsThePalettesAsTheyAreAndLoadingRefreshesInheritingCells) {
  cTempDir dir;
  const std::string path = dir.File("pal.plt4");
  cEdStage st;
  st.m_vPalBlock.data()[0].m_nGraphic = 6;  // neither saving nor loading resets entry 0
  ASSERT_EQ(1, st.SavePalettes(path.c_str()));
  cImage img;
  img.I(778).I(1);
  BlockImage(img, 778, {{BF_GRAPHIC, 6}, {BF_BLOCK_TYPE, 1}, {BF_NO_FACTION, -1}});
  CharaImage(img.I(1), 778, FRESH_CHARA);
  ItemImage(img.I(1), 778, FRESH_ITEM);
  EXPECT_EQ(HexOf(img), HexOf(ReadFileBytes(path)));

  st.m_vPalItem.resize(2);
  st.m_vPalItem[1].m_nGraphic = 44;
  st.m_vPalItem[1].m_nSound = 1;
  ASSERT_EQ(1, st.SavePalettes(path.c_str()));
  cEdStage other;
  cEdItem cell;
  cell.m_nGraphic = 1;
  cell.m_nInheritPal = SRC_STAGE;
  cell.m_nInheritNo = 1;
  cell.m_bbInherit[4] = 1;  // the graphic
  other.m_vPalItem.resize(2);
  other.m_vItemGrid[other.CellIndex(1, 1)] = cell;
  ASSERT_EQ(1, other.LoadPalettes(path.c_str()));
  EXPECT_EQ(6, other.m_vPalBlock[0].m_nGraphic);
  EXPECT_EQ(44, other.m_vItemGrid[other.CellIndex(1, 1)].m_nGraphic);
  EXPECT_EQ(0, other.m_vItemGrid[other.CellIndex(1, 1)].m_nSound);
  EXPECT_EQ(0, other.LoadPalettes(dir.File("none.plt4").c_str()));
  EXPECT_EQ(2u, other.m_vPalItem.size());
}

// ---------------------------------------------------------------------------------------------
// Recovery and the threaded load

namespace {

// A project folder with the stage folders; the current directory while it lives.
class StageFolder : public testing::Test {
 protected:
  StageFolder() : m_Dir(true) {
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\stg4", nullptr);
    CreateDirectoryA("data\\work", nullptr);
  }
  // A stage file with the name as its stage name; without its trailer when broken.
  static std::vector<uint8_t> StageFile(const char* pszName, bool bBroken, int32_t nVersion = 778) {
    cEdStage st;
    st.m_strName = pszName;
    std::vector<uint8_t> v = StageBytes(st);
    memcpy(v.data(), &nVersion, 4);
    if (bBroken) v.resize(v.size() - 4);
    return v;
  }
  cTempDir m_Dir;
  cMsgBoxRecorder m_Boxes;
};

const char* const STAGE = ".\\data\\stg4\\森.stg4_778";
const char* const STAGE_FILE = "data\\stg4\\森.stg4_778";
const char* const BACKUP = "data\\work\\森.stg4_778";

}  // namespace

TEST_F(StageFolder, ABrokenFileIsReplacedByItsBackupBeforeItIsRead) {
  const std::vector<uint8_t> backup = StageFile("backup", false);
  ASSERT_TRUE(WriteFileBytes(STAGE_FILE, StageFile("broken", true)));
  ASSERT_TRUE(WriteFileBytes(BACKUP, backup));
  cEdStage st;
  EXPECT_EQ(1, st.LoadThreaded(STAGE));
  EXPECT_EQ("backup", st.m_strName);
  EXPECT_EQ(HexOf(backup), HexOf(ReadFileBytes(STAGE_FILE)));
  EXPECT_FALSE(FileExists(BACKUP));
  EXPECT_FALSE(FileExists(std::string(STAGE_FILE) + ".broken"));
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("ファイルの復旧", m_Boxes.Shown()[0].strCaption);
  EXPECT_EQ(std::string("破損ファイル ") + STAGE + " を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…",
            m_Boxes.Shown()[0].strText);
}

TEST_F(StageFolder, WithoutABackupTheBrokenFileStaysAndTheLoadFails) {
  const std::vector<uint8_t> broken = StageFile("broken", true);
  ASSERT_TRUE(WriteFileBytes(STAGE_FILE, broken));
  cEdStage st;
  st.m_strName = "kept";
  EXPECT_EQ(0, st.LoadThreaded(STAGE_FILE));  // a path without ".\" is handled alike
  EXPECT_EQ("kept", st.m_strName);
  EXPECT_EQ(HexOf(broken), HexOf(ReadFileBytes(STAGE_FILE)));
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(std::string("ステージファイル ") + STAGE_FILE + " の読み込みに失敗しました！", m_Boxes.Shown()[0].strText);
}

TEST_F(StageFolder, ABackupThatIsNotAWholeStageFileNeverReplacesTheBrokenFile) {
  const std::vector<uint8_t> whole = StageFile("backup", false);
  const std::vector<uint8_t> aBackups[] = {
      {},                                                      // a full disk
      std::vector<uint8_t>(whole.begin(), whole.end() - 1),   // a copy cut short
      std::vector<uint8_t>(whole.begin(), whole.begin() + 200),
      {0x15, 0xCD, 0x5B, 0x07},                               // the trailer value alone
  };
  const std::vector<uint8_t> broken = StageFile("broken", true);
  for (const std::vector<uint8_t>& backup : aBackups) {
    SCOPED_TRACE(backup.size());
    ASSERT_TRUE(WriteFileBytes(STAGE_FILE, broken));
    ASSERT_TRUE(WriteFileBytes(BACKUP, backup));
    m_Boxes.Clear();
    cEdStage st;
    st.m_strName = "kept";
    EXPECT_EQ(0, st.LoadThreaded(STAGE));
    EXPECT_EQ("kept", st.m_strName);
    EXPECT_EQ(HexOf(broken), HexOf(ReadFileBytes(STAGE_FILE)));
    EXPECT_EQ(HexOf(backup), HexOf(ReadFileBytes(BACKUP)));
    // Said twice: the file could not be recovered, then it could not be read.
    ASSERT_EQ(2u, m_Boxes.Shown().size());
    EXPECT_EQ(std::string("破損ファイル ") + STAGE + " を復旧できませんでした！\nバックアップ " + BACKUP +
                  " が完全ではありません。",
              m_Boxes.Shown()[0].strText);
  }
}

TEST_F(StageFolder, FilesBeforeVersion174AreNotChecked) {
  std::vector<uint8_t> old = StageFile("old", false, 173);
  old[old.size() - 1] ^= 0x55;  // not the trailer value, which version 173 does not check
  ASSERT_TRUE(WriteFileBytes(STAGE_FILE, old));
  ASSERT_TRUE(WriteFileBytes(BACKUP, StageFile("backup", false)));
  EXPECT_EQ(1, cEdStage::Recover(STAGE));
  EXPECT_EQ(HexOf(old), HexOf(ReadFileBytes(STAGE_FILE)));
  EXPECT_TRUE(FileExists(BACKUP));
  EXPECT_EQ(1, cEdStage::Recover("data\\stg4\\none.stg4_778"));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

namespace {

constexpr UINT WM_NOISE = WM_APP + 7;
constexpr UINT WM_PROBE = WM_APP + 8;
std::atomic<int> s_nDispatched{0};
HWND s_hProbe = nullptr;
DWORD s_nMainThread = 0;

// The probe, a sent message, answers whether posted messages still wait in the thread's queue.
LRESULT CALLBACK ProbeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_PROBE) return HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE ? 1 : 0;
  if (uMsg == WM_NOISE) ++s_nDispatched;
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// On the load worker: posts to the waiting thread and goes on once all of it was taken.
void PostNoiseAndWait() {
  for (int i = 0; i < 5; ++i) {
    PostMessageA(s_hProbe, WM_NOISE, i, 0);
    PostThreadMessageA(s_nMainThread, WM_NOISE, i, 0);
  }
  while (SendMessageA(s_hProbe, WM_PROBE, 0, 0) != 0) Sleep(1);
}

// On the load worker: goes on only once it was asked to end, leaving the request queued.
void WaitForQuit() {
  MSG msg;
  while (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) Sleep(1);
}

// On the load worker: never answers.
void Hang() { WaitForSingleObject(GetCurrentProcess(), INFINITE); }

class ThreadedLoad : public StageFolder {
 protected:
  ThreadedLoad() {
    s_nMainThread = GetCurrentThreadId();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "StageLoadProbe";
    RegisterClassA(&wc);
    s_hProbe = CreateWindowA("StageLoadProbe", "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    s_nDispatched = 0;
    WriteFileBytes(STAGE_FILE, StageFile("loaded", false));
    m_Stage.m_strName = "kept";
    m_Stage.SetSize(40, 20, 0, 0);
    m_Prev = SetStagePalettes({&m_vBlock, &m_vChara, &m_vItem});
  }
  ~ThreadedLoad() override {
    SetStageLoadHook(nullptr);
    SetStagePalettes(m_Prev);
    DestroyWindow(s_hProbe);
  }
  // The quit that the load left for the message loop, with its exit code; 0 when there is none.
  static bool TakeQuit(WPARAM& nCode) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    nCode = msg.wParam;
    return true;
  }
  cEdStage m_Stage;
  cChkVector<cEdBlock> m_vBlock;
  cChkVector<cEdChara> m_vChara;
  cChkVector<cEdItem> m_vItem;
  cStagePalettes m_Prev;
};

}  // namespace

TEST_F(ThreadedLoad, MessagesPostedMeanwhileAreDropped) {
  ASSERT_NE(nullptr, s_hProbe);
  SetStageLoadHook(PostNoiseAndWait);
  EXPECT_EQ(1, m_Stage.LoadThreaded(STAGE));
  EXPECT_EQ("loaded", m_Stage.m_strName);
  EXPECT_EQ(20, m_Stage.m_nWidth);
  EXPECT_EQ(0, s_nDispatched.load());
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_NOISE, WM_NOISE, PM_REMOVE));
  EXPECT_FALSE(StageLoadThread.IsHeld());
  EXPECT_TRUE(m_Boxes.Shown().empty());
  EXPECT_EQ(&m_vBlock, SourceVector(SRC_STAGE, static_cast<const cEdBlock*>(nullptr)));
}

TEST_F(ThreadedLoad, AQuitEndsTheLoadAndStaysQueuedForTheLoop) {
  SetStageLoadHook(WaitForQuit);
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 3, 0);
  EXPECT_EQ(0, m_Stage.LoadThreaded(STAGE));
  EXPECT_EQ("kept", m_Stage.m_strName);  // the worker gave up before it replaced anything
  EXPECT_EQ(40, m_Stage.m_nWidth);
  EXPECT_FALSE(StageLoadThread.IsHeld());
  EXPECT_TRUE(m_Boxes.Shown().empty());
  WPARAM nCode = 0;
  EXPECT_TRUE(TakeQuit(nCode));
  EXPECT_EQ(3u, nCode);
  EXPECT_EQ(&m_vChara, SourceVector(SRC_STAGE, static_cast<const cEdChara*>(nullptr)));
}

TEST_F(ThreadedLoad, AWorkerThatDoesNotAnswerIsEndedAfterItsTries) {
  SetStageLoadHook(Hang);
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 4, 0);
  EXPECT_EQ(0, m_Stage.LoadThreaded(STAGE));
  EXPECT_EQ("kept", m_Stage.m_strName);
  EXPECT_FALSE(StageLoadThread.IsHeld());
  WPARAM nCode = 0;
  EXPECT_TRUE(TakeQuit(nCode));
  EXPECT_EQ(4u, nCode);
  EXPECT_EQ(&m_vItem, SourceVector(SRC_STAGE, static_cast<const cEdItem*>(nullptr)));
}

TEST_F(ThreadedLoad, ADamagedFileFailsOnTheWorkerWithTheLoadErrorBox) {
  std::vector<uint8_t> v = StageFile("huge", false);
  const int32_t nWidth = 1 << 30;
  memcpy(v.data() + 8, &nWidth, 4);
  ASSERT_TRUE(WriteFileBytes(STAGE_FILE, v));
  EXPECT_EQ(0, m_Stage.LoadThreaded(STAGE));
  EXPECT_EQ("kept", m_Stage.m_strName);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(std::string("ステージファイル ") + STAGE + " の読み込みに失敗しました！", m_Boxes.Shown()[0].strText);
}

namespace {

int s_nWrites = 0;
int s_nFailAt = -1;  // the write that fails, counted from 0; -1 none
int CountedWrite(HANDLE h, const void* p, DWORD n) {
  if (s_nWrites++ == s_nFailAt) return 0;
  DWORD nDone = 0;
  return WriteFile(h, p, n, &nDone, nullptr) && nDone == n;
}

}  // namespace

// A large stage goes to disk in many writes, those beyond its first tens of megabytes made by a
// worker while the next piece is filled; whichever of them fails, the old file stays as it was and
// no temporary file is left beside it.
TEST(StageFile, ASaveThatFailsAtAnyOfItsWritesKeepsTheOldFile) {
  cTempDir dir;
  const std::string path = dir.File("big.stg4_778");
  std::unique_ptr<cEdStage> pOld(new cEdStage);
  ASSERT_EQ(1, pOld->Save(path.c_str()));
  const std::vector<uint8_t> before = ReadFileBytes(path);

  std::unique_ptr<cEdStage> pNew(new cEdStage);
  pNew->SetSize(512, 512, 0, 0);
  for (int32_t y = 0; y < 512; ++y)
    for (int32_t x = 0; x < 512; ++x) {
      pNew->m_vBlockGrid.Unwatched(pNew->CellIndex(x, y)).m_nGraphic = 1;
      pNew->m_vCharaGrid.Unwatched(pNew->CellIndex(x, y)).m_nGraphic = 1;
      pNew->m_vItemGrid.Unwatched(pNew->CellIndex(x, y)).m_nGraphic = 2;
    }
  DataFileWriteFn pPrev = SetDataFileWriteFn(CountedWrite);
  s_nWrites = 0;
  s_nFailAt = -1;
  const std::string strOther = dir.File("other.stg4_778");
  ASSERT_EQ(1, pNew->Save(strOther.c_str()));
  const int nWrites = s_nWrites;
  ASSERT_GT(nWrites, 8);  // streamed, not written in one piece
  for (int nFail : {0, 1, nWrites / 2, nWrites - 2, nWrites - 1}) {
    s_nWrites = 0;
    s_nFailAt = nFail;
    EXPECT_EQ(0, pNew->Save(path.c_str())) << nFail;
    EXPECT_TRUE(ReadFileBytes(path) == before) << nFail;
    std::vector<std::string> vLeft;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir.Path() + "\\*.tmp").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      vLeft.push_back(fd.cFileName);
      FindClose(h);
    }
    EXPECT_TRUE(vLeft.empty()) << nFail;
  }
  SetDataFileWriteFn(pPrev);
  s_nFailAt = -1;
  EXPECT_EQ(1, pNew->Save(path.c_str()));
  EXPECT_TRUE(ReadFileBytes(path) == ReadFileBytes(strOther));
}

// A stage of many cells has its layers prepared (validated, inherited, counted) on several
// threads; the file is the same byte for byte as the one a single thread makes (as it does while
// inheritance is held), and reading it gives records to the placed cells only.
TEST(StageFile, AStagePreparedOnThreadsIsTheSameFileAsOnePreparedOnOneThread) {
  std::unique_ptr<cEdStage> pSt(new cEdStage);
  pSt->SetSize(300, 260, 0, 0);
  size_t anPlaced[3] = {};
  for (int32_t y = 0; y < 260; ++y)
    for (int32_t x = 0; x < 300; ++x) {
      const int n = x + 300 * y;
      const int32_t i = pSt->CellIndex(x, y);
      if (n % 3 == 0) {
        cEdBlock& b = pSt->m_vBlockGrid.Unwatched(i);
        b.m_nGraphic = static_cast<int16_t>(1 + n % 9);
        if (n % 7 == 0) b.m_strName = "壁" + std::to_string(n % 13);
        ++anPlaced[0];
      }
      if (n % 5 == 1 && n != 1) {
        pSt->m_vCharaGrid.Unwatched(i) = PlacedChara(1, n % 90);
        ++anPlaced[1];
      }
      if (n % 4 == 1) {
        pSt->m_vItemGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + n % 3);
        ++anPlaced[2];
      }
    }
  pSt->m_vCharaGrid.Unwatched(1) = PlacedChara(0, 1);
  ++anPlaced[1];
  std::vector<uint8_t> vOneGo;
  {
    cInheritHold hold;
    vOneGo = StageBytes(*pSt);
  }
  const std::vector<uint8_t> vRuns = StageBytes(*pSt);
  ASSERT_GT(vRuns.size(), 1000000u);
  EXPECT_TRUE(vRuns == vOneGo);

  cTempDir dir;
  const std::string strPath = dir.File("runs.stg4_778");
  ASSERT_EQ(1, pSt->Save(strPath.c_str()));
  std::unique_ptr<cEdStage> pRead(new cEdStage);
  ASSERT_EQ(1, pRead->Load(strPath.c_str()));
  EXPECT_EQ(anPlaced[0], pRead->m_vBlockGrid.Held());
  EXPECT_EQ(anPlaced[1], pRead->m_vCharaGrid.Held());
  EXPECT_EQ(anPlaced[2], pRead->m_vItemGrid.Held());
  EXPECT_TRUE(StageBytes(*pRead) == vRuns);
}

// ---------------------------------------------------------------------------------------------
// The writer against a plain, field-by-field encoding

namespace {

// The stage file as a plain writer makes it: the stage validated, every placed cell inside the
// stage taking its inheritance, then per layer its count and, for every such cell, its index and
// its own Write (which validates it once more) with its position and item link.
std::vector<uint8_t> PlainStageBytes(cEdStage& st) {
  std::vector<uint8_t> v = Prefix(st);
  cStagePalScope scope(cStagePalettes{&st.m_vPalBlock, &st.m_vPalChara, &st.m_vPalItem});
  const int32_t nShift = st.m_nShift, nMask = (1 << nShift) - 1;
  auto inside = [&](int32_t i) { return (i & nMask) < st.m_nWidth && (i >> nShift) < st.m_nHeight; };
  auto inherit = [&](auto& grid) {
    grid.ForEach([&](int32_t i, auto& c) {
      if (inside(i) && c.m_nGraphic != 0) c.ApplyInherit();
    });
  };
  inherit(st.m_vBlockGrid);
  inherit(st.m_vItemGrid);
  inherit(st.m_vCharaGrid);
  std::vector<int32_t> vItemNo(st.m_vCharaGrid.size(), -1);
  int32_t nItems = 0;
  st.m_vItemGrid.ForEach([&](int32_t i, const cEdItem& it) {
    if (inside(i) && it.m_nGraphic != 0) vItemNo[static_cast<size_t>(i)] = nItems++;
  });
  st.m_vCharaGrid.ForEach([&](int32_t i, cEdChara& c) {
    const int32_t nItem = vItemNo[static_cast<size_t>(i)];
    if (inside(i)) c.m_nItemLink = c.m_nControl == 1 && c.m_bHoldItem != 0 && nItem >= 0 ? nItem : -1;
  });
  const std::vector<uint8_t> vCells = WriteImage([&](cDataWriter& out) {
    auto layer = [&](auto& grid) {
      int32_t n = 0;
      grid.ForEach([&](int32_t i, const auto& c) { n += inside(i) && c.m_nGraphic != 0; });
      out.WriteInt(n);
      grid.ForEach([&](int32_t i, auto& c) {
        if (!inside(i) || c.m_nGraphic == 0) return;
        c.m_nX = static_cast<int16_t>(i & nMask);
        c.m_nY = static_cast<int16_t>(i >> nShift);
        out.WriteInt(i);
        c.Write(out);
      });
    };
    layer(st.m_vBlockGrid);
    layer(st.m_vCharaGrid);
    layer(st.m_vItemGrid);
  });
  v.insert(v.end(), vCells.begin() + 4, vCells.end());
  const std::vector<uint8_t> vSuffix = Suffix(st);
  v.insert(v.end(), vSuffix.begin(), vSuffix.end());
  return v;
}

cEdFlow FlowOf(int n) {
  cEdFlow f;
  f.m_nTrigger = static_cast<int8_t>(1 + n % 4);
  f.m_vCond.resize(1);
  f.m_vCommand.resize(2);
  f.m_vCommand[0].m_nKind = 1;
  f.m_vCommand[0].m_nTime = static_cast<int16_t>(n % 50);
  return f;
}

// Every cell placed on three layers, with cells in the padding beyond the width too; neighbours
// now equal, now not.
void FullVaried(cEdStage& st) {
  st.SetSize(37, 23, 0, 0);
  for (int32_t i = 0; i < static_cast<int32_t>(st.m_vBlockGrid.size()); ++i) {
    const int n = i / 3;
    cEdBlock& b = st.m_vBlockGrid.Unwatched(i);
    b.m_nGraphic = static_cast<int16_t>(1 + n % 5);
    if (n % 5 == 0) b.m_strName = "レンガ" + std::to_string(n % 4);
    if (n % 7 == 0) b.m_vCond.resize(1 + n % 2);
    cEdChara& c = st.m_vCharaGrid.Unwatched(i);
    c.m_nGraphic = static_cast<int16_t>(1 + n % 3);
    c.m_nControl = i == 0 ? 0 : 1;
    c.m_nHp = 10 + n % 4;
    if (n % 3 == 0) c.m_vFlow.push_back(FlowOf(n));
    cEdItem& it = st.m_vItemGrid.Unwatched(i);
    it.m_nGraphic = static_cast<int16_t>(1 + n % 2);
    if (n % 4 == 0) it.m_vCommand.resize(1);
  }
}

// A large stage of areas of one record each, a few cells placed apart, written in many pieces.
void LargeAreas(cEdStage& st) {
  st.SetSize(300, 260, 0, 0);
  cEdBlock wall;
  wall.m_nGraphic = 3;
  wall.m_strName = "壁";
  wall.m_vCond.resize(1);
  cEdChara enemy = PlacedChara(1, 40);
  enemy.m_vFlow.push_back(FlowOf(2));
  for (int32_t y = 0; y < 260; ++y)
    for (int32_t x = 0; x < 300; ++x) {
      const int32_t i = st.CellIndex(x, y);
      if (y % 50 < 30) st.m_vBlockGrid.Unwatched(i) = wall;
      if (y % 40 < 10 && x % 100 < 60) st.m_vCharaGrid.Unwatched(i) = enemy;
      if (x % 17 == 0) st.m_vItemGrid.Unwatched(i).m_nGraphic = static_cast<int16_t>(1 + y % 2);
    }
  st.m_vCharaGrid.Unwatched(st.CellIndex(299, 259)) = PlacedChara(0, 1);
}

// Equal characters in a row that carry the items under them: equal records, links of their own.
void ItemsLinked(cEdStage& st) {
  st.SetSize(40, 6, 0, 0);
  cEdChara carrier = PlacedChara(1, 5);
  carrier.m_bHoldItem = 1;
  for (int32_t x = 0; x < 40; ++x) {
    if (x % 3 != 1) st.m_vItemGrid.Unwatched(st.CellIndex(x, 2)).m_nGraphic = 4;
    st.m_vCharaGrid.Unwatched(st.CellIndex(x, 2)) = carrier;
    st.m_vCharaGrid.Unwatched(st.CellIndex(x, 3)) = carrier;
  }
  st.m_vCharaGrid.Unwatched(st.CellIndex(39, 2)).m_bHoldItem = 0;
  st.m_vCharaGrid.Unwatched(0) = PlacedChara(0, 1);
}

// Neighbours that compare equal but are not written alike, or that differ only once written:
// turn rates of 0 and -0, a name cut at its zero byte beside the cut name, names longer than a
// string may be beside their cut form, cells equal until they take their inheritance.
void EdgeRecords(cEdStage& st) {
  st.SetSize(20, 4, 0, 0);
  for (int k = 0; k < 2; ++k) {
    cEdChara c = PlacedChara(1, 3);
    c.m_vFlow.push_back(FlowOf(1));
    c.m_vFlow[0].m_vCommand[1].m_pMove = std::make_shared<cEdMove>();
    c.m_vFlow[0].m_vCommand[1].m_pMove->m_dTurnRate = k ? -0.0 : 0.0;
    st.m_vCharaGrid.Unwatched(st.CellIndex(2 + k, 0)) = c;
    cEdItem it;
    it.m_nGraphic = 1;
    it.m_vCommand.resize(1);
    it.m_vCommand[0].m_pMove = std::make_shared<cEdMove>();
    it.m_vCommand[0].m_pMove->m_dTurnRate = k ? -0.0 : 0.0;
    st.m_vItemGrid.Unwatched(st.CellIndex(2 + k, 0)) = it;
  }
  const std::string strLong(DATA_STRING_MAX + 40, 'a');
  const char* const apszName[4] = {"ab", nullptr, "ab", nullptr};
  for (int x = 0; x < 4; ++x) {
    cEdBlock& b = st.m_vBlockGrid.Unwatched(st.CellIndex(5 + x, 1));
    b.m_nGraphic = 2;
    b.m_strName = apszName[x] ? std::string(apszName[x]) : x == 1 ? std::string("ab\0cd", 5) : strLong;
  }
  st.m_vBlockGrid.Unwatched(st.CellIndex(9, 1)) = st.m_vBlockGrid[st.CellIndex(8, 1)];
  st.m_vBlockGrid.Unwatched(st.CellIndex(9, 1)).m_strName.resize(DATA_STRING_MAX);
  st.m_vPalBlock.resize(4);
  st.m_vPalBlock[2].m_nGraphic = 8;
  st.m_vPalBlock[2].m_nFrame = 1;
  st.m_vPalBlock[3].m_nGraphic = 9;
  st.m_vPalBlock[3].m_nFrame = 2;
  for (int x = 0; x < 6; ++x) {
    cEdBlock& b = st.m_vBlockGrid.Unwatched(st.CellIndex(x, 3));
    b.m_nGraphic = 5;
    b.m_nInheritPal = 2;
    b.m_nInheritNo = static_cast<int16_t>(x < 3 ? 2 : 3);
    std::vector<uint8_t> vFlags(cEdBlock::INHERIT_GROUPS, 1);
    b.m_bbInherit.assign(vFlags.begin(), vFlags.end());
  }
}

}  // namespace

// The writer encodes a run of equal records once and takes its bytes for the cells after it; the
// file is the same byte for byte as the plain encoding of every cell on its own.
TEST(StageFile, TheWriterGivesTheBytesOfAPlainCellByCellEncoding) {
  const struct {
    const char* pszName;
    void (*pfnMake)(cEdStage&);
  } aCase[] = {
      {"full", FullVaried}, {"large areas", LargeAreas}, {"items linked", ItemsLinked}, {"edge records", EdgeRecords}};
  for (const auto& c : aCase) {
    std::unique_ptr<cEdStage> pA(new cEdStage), pB(new cEdStage);
    c.pfnMake(*pA);
    c.pfnMake(*pB);
    const std::vector<uint8_t> vWriter = StageBytes(*pA), vPlain = PlainStageBytes(*pB);
    ASSERT_EQ(vPlain.size(), vWriter.size()) << c.pszName;
    const auto it = std::mismatch(vPlain.begin(), vPlain.end(), vWriter.begin());
    EXPECT_TRUE(it.first == vPlain.end()) << c.pszName << ": first difference at byte " << (it.first - vPlain.begin());
    // A second save of the same stage writes the same file again.
    EXPECT_TRUE(StageBytes(*pA) == vWriter) << c.pszName;
  }
}

// A file of more than a few hundred kilobytes is read on in a window, through once to check it and
// then again into the stage: the stage read is the stage written, and a file cut anywhere, also
// in its last window, leaves the open stage as it was.
TEST(StageFile, ALargeFileReadTwiceInAWindowIsTheStageWrittenAndACutOneChangesNothing) {
  cTempDir dir;
  const std::string strPath = dir.File("large.stg4_778"), strCut = dir.File("cut.stg4_778");
  std::vector<uint8_t> vBytes;
  {
    std::unique_ptr<cEdStage> pSrc(new cEdStage);
    pSrc->SetSize(200, 100, 0, 0);
    for (int32_t y = 0; y < 100; ++y)
      for (int32_t x = 0; x < 200; ++x) {
        cEdBlock& b = pSrc->m_vBlockGrid.Unwatched(pSrc->CellIndex(x, y));
        b.m_nGraphic = static_cast<int16_t>(1 + (x + y) % 7);
        if ((x + y) % 5 == 0) b.m_strName = "壁" + std::to_string(x);
      }
    ASSERT_EQ(1, pSrc->Save(strPath.c_str()));
    vBytes = ReadFileBytes(strPath);
    ASSERT_GT(vBytes.size(), 3u * 256u * 1024u);
  }
  std::unique_ptr<cEdStage> pSt(new cEdStage);
  pSt->m_vBlockGrid.Unwatched(5).m_nGraphic = 9;
  for (size_t nCut : {vBytes.size() / 2, vBytes.size() - 5}) {
    SCOPED_TRACE(nCut);
    ASSERT_TRUE(WriteFileBytes(strCut, std::vector<uint8_t>(vBytes.begin(), vBytes.begin() + nCut)));
    EXPECT_EQ(0, pSt->Load(strCut.c_str()));
    EXPECT_EQ(20, pSt->m_nWidth);
    EXPECT_EQ(1u, pSt->m_vBlockGrid.Held());
    EXPECT_EQ(9, pSt->m_vBlockGrid[5].m_nGraphic);
  }
  ASSERT_EQ(1, pSt->Load(strPath.c_str()));
  EXPECT_EQ(200, pSt->m_nWidth);
  EXPECT_EQ(20000u, pSt->m_vBlockGrid.Held());
  EXPECT_EQ(vBytes, StageBytes(*pSt));
}

// Opening a stage over another frees the other's records: a part that only the first stage's
// record holds is gone once the second is read.
TEST(StageFile, OpeningAStageOverAnotherFreesTheOthersRecords) {
  cTempDir dir;
  const std::string strFirst = dir.File("first.stg4_778"), strSecond = dir.File("second.stg4_778");
  {
    cEdStage st;
    cEdItem it;
    it.m_nGraphic = 2;
    it.m_vCommand.resize(1);
    it.m_vCommand[0].m_pMove = std::make_shared<cEdMove>();
    for (int i = 0; i < 4; ++i) st.m_vItemGrid.Unwatched(st.CellIndex(i, 1)) = it;
    ASSERT_EQ(1, st.Save(strFirst.c_str()));
    cEdStage other;
    other.m_vBlockGrid.Unwatched(3).m_nGraphic = 6;
    ASSERT_EQ(1, other.Save(strSecond.c_str()));
  }
  std::unique_ptr<cEdStage> pSt(new cEdStage);
  ASSERT_EQ(1, pSt->Load(strFirst.c_str()));
  const std::weak_ptr<cEdMove> pMove = pSt->m_vItemGrid[pSt->CellIndex(2, 1)].m_vCommand[0].m_pMove;
  ASSERT_EQ(1, pMove.use_count());
  ASSERT_EQ(1, pSt->Load(strSecond.c_str()));
  EXPECT_TRUE(pMove.expired());
  EXPECT_EQ(0u, pSt->m_vItemGrid.Held());
  EXPECT_EQ(6, pSt->m_vBlockGrid[3].m_nGraphic);
  // A damaged file still leaves the open stage as it was.
  const std::string strBroken = dir.File("broken.stg4_778");
  std::vector<uint8_t> v = ReadFileBytes(strSecond);
  v.resize(v.size() / 2);
  WriteFileBytes(strBroken, v);
  EXPECT_EQ(0, pSt->Load(strBroken.c_str()));
  EXPECT_EQ(6, pSt->m_vBlockGrid[3].m_nGraphic);
}
