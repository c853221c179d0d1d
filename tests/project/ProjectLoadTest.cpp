// Start-up's side of the project: the data folder made from its factory copy, the project folders
// and the load of the whole sample project with the failures that end it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ArtFiles.h"
#include "ArtSheets.h"
#include "SampleArt.h"
#include "SampleData.h"
#include "app/Surface.h"
#include "model/Database.h"
#include "model/Globals.h"
#include "model/ProjectLoad.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "model/SystemData.h"
#include "support/TestSupport.h"

namespace {

const char* const DEFAULT_DATA_TEXT = "データが存在しません！デフォルトデータを作成しますか？\n";
const char* const DEFAULT_DATA_CAPTION = "デフォルトデータ作成の確認";

// A fresh project folder, entered, holding the generated default\ and bmp\ (and no data\).
class SampleProject : public testing::Test {
 protected:
  SampleProject() : m_Dir(true) {}
  void SetUp() override {
    ASSERT_TRUE(WriteSampleArt(m_Dir.Path()));
    ASSERT_TRUE(WriteSampleData(m_Dir.Path()));
  }
  // The data folder as start-up makes it after Yes.
  void MakeData() {
    cMsgBoxRecorder boxes;
    ASSERT_TRUE(CreateDefaultData(nullptr));
    CreateProjectFolders();
  }
  cTempDir m_Dir;
};

// 8-bit pixels of a surface, top-down, without the row padding.
std::vector<uint8_t> PixelsOf(const cSurface& s, int x, int y, int w, int h) {
  std::vector<uint8_t> v;
  if (s.Bits() != 8) return v;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) v.push_back(s.m_pBits[size_t(j) * s.Pitch() + i]);
  return v;
}

std::vector<uint8_t> PixelsOf(const cCanvas& c, int x, int y, int w, int h) {
  std::vector<uint8_t> v;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) v.push_back(c.Get(i, j));
  return v;
}

TEST_F(SampleProject, DefaultDataQuestionNoLeavesNoDataYesCopiesTheWholeFolder) {
  {
    cMsgBoxRecorder boxes;
    boxes.Answer(IDNO);
    EXPECT_FALSE(CreateDefaultData(nullptr));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(DEFAULT_DATA_TEXT, boxes.Shown()[0].strText);
    EXPECT_EQ(DEFAULT_DATA_CAPTION, boxes.Shown()[0].strCaption);
    EXPECT_EQ(UINT(MB_YESNO), boxes.Shown()[0].uType & MB_TYPEMASK);
    EXPECT_EQ(nullptr, boxes.Shown()[0].hOwner);
    EXPECT_FALSE(FileExists("data"));
  }
  {
    cMsgBoxRecorder boxes;
    boxes.Answer(IDYES);
    EXPECT_TRUE(CreateDefaultData(nullptr));
    EXPECT_EQ(1u, boxes.Shown().size());
  }
  // The contents of default\ land in data\, not in data\default\.
  EXPECT_FALSE(FileExists("data\\default"));
  for (const char* psz : {"System.dat", "CommonPalette.cplt4", "PrjOption.dat", "WorldMap.dat",
                          "database\\AnimeSet.dat", "database\\Bgm.dat"}) {
    SCOPED_TRACE(psz);
    std::vector<unsigned char> v = ReadFileBytes(std::string("data\\") + psz);
    EXPECT_FALSE(v.empty());
    EXPECT_EQ(ReadFileBytes(std::string("default\\") + psz), v);
  }
  // With data\ there, nothing is asked.
  cMsgBoxRecorder boxes;
  EXPECT_TRUE(CreateDefaultData(nullptr));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST(DefaultData, WithoutFactoryCopyNothingIsAskedAndNoDataResults) {
  cTempDir dir(true);
  cMsgBoxRecorder boxes;
  EXPECT_FALSE(CreateDefaultData(nullptr));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_FALSE(FileExists("data"));
}

TEST(ProjectFolders, AllAreCreatedInOrderAndExistingOnesKeepTheirFiles) {
  cTempDir dir(true);
  CreateDirectoryA("data", nullptr);
  WriteFileBytes("data\\keep.txt", {1, 2, 3});
  CreateProjectFolders();
  for (const char* psz : EditorFolders) EXPECT_TRUE(FileExists(psz)) << psz;
  for (const char* psz : ProjectFolders) EXPECT_TRUE(FileExists(psz)) << psz;
  EXPECT_EQ(22, PROJECT_FOLDER_COUNT);
  EXPECT_STREQ("bgm", ProjectFolders[21]);
  EXPECT_EQ((std::vector<unsigned char>{1, 2, 3}), ReadFileBytes("data\\keep.txt"));
}

TEST(ProjectTables, InvincibleColourNamesEndWithAnEmptyText) {
  EXPECT_STREQ("なし", InvincibleColorNames[0]);
  EXPECT_STREQ("青紫", InvincibleColorNames[8]);
  EXPECT_STREQ("4色", InvincibleColorNames[9]);
  EXPECT_STREQ("", InvincibleColorNames[10]);
}

TEST_F(SampleProject, LoadsWithoutAMessageAndTheSheetsHoldTheGeneratedPixels) {
  MakeData();
  StageEditState.m_strStagePath = "data\\stg4\\x.stg4_778";
  StageEditState.m_bStageOpen = 1;
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadProject());
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(0, StageEditState.m_bStageOpen);
  EXPECT_TRUE(StageEditState.m_strStagePath.empty());

  cCanvas block = MakeBlockSheet();
  ASSERT_EQ(256, ChipBitmaps[CHIP_BLOCK].m_nWidth);
  EXPECT_EQ(PixelsOf(block, 0, 0, 256, 480), PixelsOf(ChipBitmaps[CHIP_BLOCK], 0, 0, 256, 480));
  EXPECT_EQ(PixelsOf(block, 0, 0, 256, 480), PixelsOf(ChipBitmaps[CHIP_PICK_BLOCK], 0, 0, 256, 480));

  // The second slot of a character pair faces the other way: each 32-dot cell is mirrored.
  cCanvas chara = MakeCharacterSheet(2);
  const cSurface& plain = ChipBitmaps[CHIP_CHARA + 4];
  const cSurface& mirrored = ChipBitmaps[CHIP_CHARA + 5];
  EXPECT_EQ(PixelsOf(chara, 0, 0, 640, 480), PixelsOf(plain, 0, 0, 640, 480));
  for (int y : {0, 17, 479})
    for (int x : {0, 5, 31, 32, 63, 639}) {
      int nMirrorX = x / 32 * 32 + 31 - x % 32;
      EXPECT_EQ(chara.Get(nMirrorX, y), mirrored.m_pBits[size_t(y) * mirrored.Pitch() + x]) << x << "," << y;
    }

  // Picker sheets: the first column of each character sheet; each shot centred in a 32-dot cell,
  // rows 0 to 14 of shot column j at x = 64j, rows 15 to 29 at x = 64j + 32.
  EXPECT_EQ(PixelsOf(MakeCharacterSheet(7), 0, 0, 32, 480), PixelsOf(ChipBitmaps[CHIP_PICK_CHARA], 224, 0, 32, 480));
  EXPECT_EQ(PixelsOf(MakeItemSheet(), 192, 0, 32, 480), PixelsOf(ChipBitmaps[CHIP_PICK_ITEM], 96, 0, 32, 480));
  cCanvas shots = MakeShotSheet();
  const cSurface& pick = ChipBitmaps[CHIP_PICK_SHOT];
  struct {
    int j, k;
  } const aShots[] = {{0, 0}, {0, 14}, {1, 15}, {3, 29}, {2, 7}};
  for (const auto& s : aShots) {
    SCOPED_TRACE(testing::Message() << "shot " << s.j << "," << s.k);
    int x = 32 * (s.k / 15) + 64 * s.j, y = 32 * (s.k % 15);
    EXPECT_EQ(PixelsOf(shots, 32 * s.j, 16 * s.k, 16, 16), PixelsOf(pick, x + 8, y + 8, 16, 16));
    EXPECT_EQ(std::vector<uint8_t>(8, 0), PixelsOf(pick, x, y, 8, 1));  // black around it
  }
  EXPECT_EQ(PixelsOf(MakeMarkSheet(), 0, 0, 256, 480), PixelsOf(ChipBitmaps[CHIP_PICK_MARK], 0, 0, 256, 480));

  // The conversion palette and the shared one come from the two palette files.
  EXPECT_EQ(0, memcmp(g_ConvPalette, g_Palette, sizeof g_ConvPalette));
  EXPECT_EQ(2 * Database.m_vBmpCharaExc.size(), CharaSpBitmaps.size());
}

TEST_F(SampleProject, EachMissingFileFailsTheLoadWithItsOwnMessage) {
  struct cCase {
    const char* pszRemove;
    const char* pszLastBox;
  } const aCases[] = {
      {"data\\System.dat",
       "data\\System.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。"},
      {"data\\WorldMap.dat",
       "data\\WorldMap.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。"},
      {"data\\database\\Sound.dat",
       "data\\database\\Sound.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。"},
      {"bmp\\plt\\Palette.bmp", "パレットの生成に失敗！\nbmp\\plt\\Palette.bmp が見つかりません！"},
      {"bmp\\plt\\Palette2.bmp", "パレットの生成に失敗！\nbmp\\plt\\Palette2.bmp が見つかりません！"},
      {"bmp\\Mark.bmp", "bmp\\Mark.bmp が読み込めません！"},
      {"bmp\\Character8.bmp", "bmp\\Character8.bmp が読み込めません！"},
  };
  MakeData();
  for (const cCase& c : aCases) {
    SCOPED_TRACE(c.pszRemove);
    std::vector<unsigned char> vKeep = ReadFileBytes(c.pszRemove);
    ASSERT_TRUE(DeleteFileA(c.pszRemove));
    cMsgBoxRecorder boxes;
    EXPECT_FALSE(LoadProject());
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(c.pszLastBox, boxes.Shown().back().strText);
    ASSERT_TRUE(WriteFileBytes(c.pszRemove, vKeep));
  }
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadProject());
  EXPECT_TRUE(boxes.Shown().empty());
}

// A palette bitmap that is there but holds no 256-colour table (another bit count, the old OS/2
// header, a file cut short): the load stops naming it and saying what is wrong, and the shared
// palette keeps what it had.
TEST_F(SampleProject, PaletteBitmapWithoutAColourTableIsRefusedByName) {
  MakeData();
  cBytes v24 = MakeBmp24(4, 4, std::vector<uint8_t>(48, 0x40));
  cBytes v1 = v24;
  v1[28] = 1;  // the bit count of a two-colour file
  // An 8-bit file with the OS/2 header: 16-bit sizes and a table of 3-byte colours.
  cBytes vOs2 = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 3, 0, 0,  // pixels at 26 + 768
                 12, 0, 0, 0, 4, 0, 4, 0, 1, 0, 8, 0};
  vOs2.resize(26 + 768 + 16, 0x11);
  cBytes vCut = ReadFileBytes("bmp\\plt\\Palette.bmp");
  ASSERT_GT(vCut.size(), 14u + 40 + 1024);
  vCut.resize(14 + 40 + 600);  // the header whole, the colour table not
  const std::string NOT_256 = " は256色のビットマップではありません。";
  const std::string UNREADABLE = " を読み込めませんでした！";
  struct {
    const char* pszFile;
    const cBytes& bytes;
    const std::string& strWhat;
  } const aCases[] = {
      {"bmp\\plt\\Palette.bmp", v24, NOT_256},     {"bmp\\plt\\Palette.bmp", v1, NOT_256},
      {"bmp\\plt\\Palette2.bmp", v1, NOT_256},     {"bmp\\plt\\Palette.bmp", vOs2, UNREADABLE},
      {"bmp\\plt\\Palette.bmp", vCut, UNREADABLE}, {"bmp\\plt\\Palette2.bmp", vCut, UNREADABLE},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(std::string(c.pszFile) + c.strWhat);
    std::vector<unsigned char> vKeep = ReadFileBytes(c.pszFile);
    ASSERT_TRUE(WriteFileBytes(c.pszFile, c.bytes));
    RGBQUAD keep[256];
    memcpy(keep, g_Palette, sizeof keep);
    cMsgBoxRecorder boxes;
    EXPECT_FALSE(LoadProject());
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(std::string("パレットの生成に失敗！\n") + c.pszFile + c.strWhat, boxes.Shown().back().strText);
    if (strcmp(c.pszFile, "bmp\\plt\\Palette.bmp") == 0) {
      EXPECT_EQ(0, memcmp(keep, g_Palette, sizeof keep));
    }
    ASSERT_TRUE(WriteFileBytes(c.pszFile, vKeep));
  }
}

TEST_F(SampleProject, CharacterBitmapsSkipEntryZeroAndMirrorGiantsByTheirCellWidth) {
  MakeData();
  cChkVector<cEdBmpCharaExc> vList(3);
  vList[0].m_strPath = "bmp\\Block.bmp";  // the "none" entry never gets bitmaps
  vList[1].m_strPath = "bmp\\Block.bmp";
  vList[1].m_bGiant = 1;
  vList[1].m_nGiantSize = 4;  // cells of 128 dots
  vList[2].m_strPath = "";
  cChkVector<cSurface> vSurfaces(7);
  vSurfaces[6].Create(8, 8, 8, 0);
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadBmpPairs(vSurfaces, vList));
  EXPECT_TRUE(boxes.Shown().empty());
  ASSERT_EQ(6u, vSurfaces.size());
  EXPECT_EQ(0, vSurfaces[0].Bits());
  EXPECT_EQ(0, vSurfaces[1].Bits());
  EXPECT_EQ(0, vSurfaces[4].Bits());
  cCanvas block = MakeBlockSheet();
  EXPECT_EQ(PixelsOf(block, 0, 0, 256, 480), PixelsOf(vSurfaces[2], 0, 0, 256, 480));
  EXPECT_EQ(block.Get(127, 40), vSurfaces[3].m_pBits[40 * vSurfaces[3].Pitch() + 0]);
  EXPECT_EQ(block.Get(128, 40), vSurfaces[3].m_pBits[40 * vSurfaces[3].Pitch() + 255]);

  vList[2].m_strPath = "bmp\\chara_sp\\none.bmp";
  ASSERT_FALSE(LoadBmpPairs(vSurfaces, vList));
  EXPECT_EQ("bmp\\chara_sp\\none.bmp の読み込みに失敗！", boxes.Shown().back().strText);
}

// A names file of the given count, name i being "v<i>".
void WriteNames(const char* pszPath, int nCount) {
  cChkVector<cEdVarName> v(nCount);
  for (int i = 0; i < nCount; ++i) v[i].m_strName = "v" + std::to_string(i);
  ASSERT_TRUE(SaveToFile(v, pszPath));
}

TEST_F(SampleProject, CommonVariableNamesAlwaysComeBackAsAThousand) {
  MakeData();
  struct {
    int nCount;
    const char* pszLast;
  } const aCases[] = {{998, ""}, {1000, "v999"}, {1200, "v999"}, {0, ""}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nCount);
    WriteNames(GVALINFO_FILE, c.nCount);
    cMsgBoxRecorder boxes;
    ASSERT_TRUE(LoadProject());
    ASSERT_EQ(1000u, GValInfo.size());
    EXPECT_EQ(c.nCount ? "v0" : "", GValInfo[0].m_strName);
    EXPECT_EQ(c.nCount > 997 ? "v997" : "", GValInfo[997].m_strName);
    EXPECT_EQ(c.pszLast, GValInfo[999].m_strName);
  }
  // A file that is not there fails the load and names itself.
  ASSERT_TRUE(DeleteFileA(GVALINFO_FILE));
  cMsgBoxRecorder boxes;
  EXPECT_FALSE(LoadProject());
  ASSERT_EQ(1u, boxes.Shown().size());
  EXPECT_EQ(0u, boxes.Shown()[0].strText.find("data\\GValInfo.dat の読み込みに失敗しました！"));
}

TEST_F(SampleProject, DamagedVariableNamesKeepWhatReadsTellOnceAndSetTheFileAside) {
  MakeData();
  WriteNames(GVALINFO_FILE, 1000);
  // The length of the name "v500" made huge: the names after it cannot be read.
  std::vector<unsigned char> v = ReadFileBytes(GVALINFO_FILE);
  const unsigned char aName[] = {5, 0, 0, 0, 'v', '5', '0', '0', 0};
  auto it = std::search(v.begin(), v.end(), std::begin(aName), std::end(aName));
  ASSERT_NE(v.end(), it);
  std::fill(it, it + 4, 0xFF);
  ASSERT_TRUE(WriteFileBytes(GVALINFO_FILE, v));
  const std::string strAside = std::string(GVALINFO_FILE) + ".broken";
  for (int nRun = 0; nRun < 2; ++nRun) {
    SCOPED_TRACE(nRun);
    cMsgBoxRecorder boxes;
    ASSERT_TRUE(LoadProject());
    ASSERT_EQ(1000u, GValInfo.size());
    EXPECT_EQ("v499", GValInfo[499].m_strName);
    EXPECT_EQ("", GValInfo[501].m_strName);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(std::string("data\\GValInfo.dat が壊れています。読み込めた変数名だけを使います。\n元のファイルは ") +
                  (nRun ? strAside + "2" : strAside) + " に残しました。",
              boxes.Shown()[0].strText);
    // The copy aside is the damaged file as it was; an earlier copy is not written over.
    EXPECT_EQ(HexOf(v), HexOf(ReadFileBytes(nRun ? strAside + "2" : strAside)));
  }
  // Written back whole, the file reads without a word.
  ASSERT_TRUE(SaveToFile(GValInfo, GVALINFO_FILE));
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadProject());
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ("v499", GValInfo[499].m_strName);
}

TEST_F(SampleProject, DefaultStageIsCopiedFromTheFactoryUnderItsOwnVersionWhenDataHasNone) {
  MakeData();
  std::vector<unsigned char> vStage = ReadFileBytes("default\\stg4\\Default.stg4_778");
  ASSERT_FALSE(vStage.empty());
  ASSERT_TRUE(DeleteFileA("data\\stg4\\Default.stg4_778"));
  ASSERT_TRUE(MoveFileA("default\\stg4\\Default.stg4_778", "default\\stg4\\Default.stg4_775"));
  WriteFileBytes("default\\stg4\\Default.stg4_012", {1});
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadProject());
  EXPECT_EQ(vStage, ReadFileBytes("data\\stg4\\Default.stg4_775"));
  EXPECT_FALSE(FileExists("data\\stg4\\Default.stg4_012"));
  // One already there is kept, and no other is added.
  WriteFileBytes("data\\stg4\\Default.stg4_775", {9});
  ASSERT_TRUE(LoadProject());
  EXPECT_EQ((std::vector<unsigned char>{9}), ReadFileBytes("data\\stg4\\Default.stg4_775"));
  EXPECT_FALSE(FileExists("data\\stg4\\Default.stg4_778"));
  // Neither in data\ nor in default\: loading goes on without one.
  DeleteFileA("data\\stg4\\Default.stg4_775");
  DeleteFileA("default\\stg4\\Default.stg4_775");
  DeleteFileA("default\\stg4\\Default.stg4_012");
  EXPECT_TRUE(LoadProject());
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SampleProject, LastStageOpensOrLeavesANewThirtyTwoByThirtyTwoStage) {
  MakeData();
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadProject());
  ASSERT_TRUE(OpenLastStage(SAMPLE_DEMO_STAGE));
  EXPECT_EQ(1, StageEditState.m_bStageOpen);
  EXPECT_EQ(SAMPLE_DEMO_STAGE, StageEditState.m_strStagePath);
  EXPECT_EQ("サンプルステージ", Stage.m_strName);
  EXPECT_TRUE(Stage.HasPlayer());

  EXPECT_TRUE(boxes.Shown().empty());

  // A stage that cannot be read is named to the author and left where it is; no stage at all
  // asks nothing.
  for (const char* psz : {"data\\stg4\\Missing.stg4_778", "bmp\\Block.bmp", ""}) {
    SCOPED_TRACE(psz);
    boxes.Clear();
    const bool bThere = GetFileAttributesA(psz) != INVALID_FILE_ATTRIBUTES;
    Stage.SetSize(40, 20, 0, 0);
    EXPECT_FALSE(OpenLastStage(psz));
    EXPECT_EQ(0, StageEditState.m_bStageOpen);
    EXPECT_TRUE(StageEditState.m_strStagePath.empty());
    if (!*psz) {
      EXPECT_TRUE(boxes.Shown().empty());
      continue;
    }
    EXPECT_EQ(32, Stage.m_nWidth);
    EXPECT_EQ(32, Stage.m_nHeight);
    EXPECT_FALSE(Stage.HasPlayer());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(std::string(psz) + " を開けませんでした。", boxes.Shown()[0].strText);
    EXPECT_EQ(bThere, GetFileAttributesA(psz) != INVALID_FILE_ATTRIBUTES);
  }
}

TEST_F(SampleProject, StageBackgroundImageLoadsIntoSlotZeroAndAnEmptyPathReleasesIt) {
  MakeData();
  Stage.Reset();
  Stage.m_vBackground[0].m_strImage = "bmp\\Back.bmp";
  cMsgBoxRecorder boxes;
  ASSERT_TRUE(LoadProject());
  EXPECT_EQ(640, ChipBitmaps[CHIP_STAGE_BACK].m_nWidth);
  EXPECT_EQ(PixelsOf(MakeStageBack(), 0, 0, 640, 480), PixelsOf(ChipBitmaps[CHIP_STAGE_BACK], 0, 0, 640, 480));
  Stage.m_vBackground[0].m_strImage.clear();
  ASSERT_TRUE(LoadProject());
  EXPECT_EQ(0, ChipBitmaps[CHIP_STAGE_BACK].Bits());
  EXPECT_TRUE(boxes.Shown().empty());
  Stage.Reset();
}

}  // namespace
