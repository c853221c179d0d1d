// The sample project's pictures and sounds: every file the project load and the toolbars read,
// at the sizes the drawing code addresses, with the palette the loader relies on.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "SampleArt.h"
#include "support/TestSupport.h"

namespace {

typedef std::vector<unsigned char> cFile;

uint32_t U16(const cFile& v, size_t at) { return at + 2 <= v.size() ? v[at] | v[at + 1] << 8 : 0; }
uint32_t U32(const cFile& v, size_t at) { return U16(v, at) | U16(v, at + 2) << 16; }
uint32_t Be32(const cFile& v, size_t at) {
  return at + 4 <= v.size() ? uint32_t(v[at]) << 24 | v[at + 1] << 16 | v[at + 2] << 8 | v[at + 3] : 0;
}

struct cBmp {
  int nWidth = 0, nHeight = 0, nBits = 0;
  cFile table;                 // 1024 bytes for 8-bit files
  std::vector<uint8_t> vRows;  // top-down palette indices (8-bit files)
};

// Checks the headers of an uncompressed bottom-up BMP and reads it; failures are reported.
cBmp ReadBmp(const std::string& strPath) {
  cBmp b;
  cFile v = ReadFileBytes(strPath);
  EXPECT_GE(v.size(), 54u) << strPath;
  if (v.size() < 54) return b;
  EXPECT_EQ('B', v[0]) << strPath;
  EXPECT_EQ('M', v[1]) << strPath;
  EXPECT_EQ(v.size(), U32(v, 2)) << strPath;
  EXPECT_EQ(40u, U32(v, 14)) << strPath;
  b.nWidth = int(U32(v, 18));
  b.nHeight = int(U32(v, 22));
  b.nBits = int(U16(v, 28));
  EXPECT_EQ(1u, U16(v, 26)) << strPath;
  EXPECT_EQ(0u, U32(v, 30)) << strPath << ": BI_RGB";
  uint32_t nOffset = U32(v, 10);
  EXPECT_EQ(54u + (b.nBits == 8 ? 1024u : 0u), nOffset) << strPath;
  uint32_t nStride = ((uint32_t(b.nWidth) * b.nBits + 31) / 32) * 4;
  EXPECT_EQ(size_t(nOffset) + size_t(nStride) * b.nHeight, v.size()) << strPath;
  if (b.nBits != 8 || v.size() != size_t(nOffset) + size_t(nStride) * b.nHeight) return b;
  b.table.assign(v.begin() + 54, v.begin() + 54 + 1024);
  b.vRows.resize(size_t(b.nWidth) * b.nHeight);
  for (int y = 0; y < b.nHeight; ++y)
    for (int x = 0; x < b.nWidth; ++x)
      b.vRows[size_t(y) * b.nWidth + x] = v[nOffset + size_t(b.nHeight - 1 - y) * nStride + x];
  return b;
}

struct cExpected {
  const char* pszPath;
  int nWidth, nHeight, nBits;
  int nCellW, nCellH;  // 0: no cells
};

// Sizes as the drawing code, the graphic picker and the world map editor address the sheets.
const cExpected kBitmaps[] = {
    {"bmp\\plt\\Palette.bmp", 128, 128, 8, 0, 0},
    {"bmp\\plt\\Palette2.bmp", 128, 128, 8, 0, 0},
    {"bmp\\Block.bmp", 256, 480, 8, 32, 32},
    {"bmp\\Character1.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character2.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character3.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character4.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character5.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character6.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character7.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Character8.bmp", 640, 480, 8, 32, 32},
    {"bmp\\Item.bmp", 512, 480, 8, 32, 32},
    {"bmp\\Item_Mini.bmp", 256, 240, 8, 16, 16},
    {"bmp\\Shot.bmp", 128, 480, 8, 16, 16},
    {"bmp\\Mark.bmp", 256, 480, 8, 32, 32},
    {"bmp\\WorldMapChip.bmp", 160, 480, 8, 32, 32},
    {"bmp\\WorldEvent.bmp", 64, 480, 8, 32, 32},
    {"bmp\\Symbol.bmp", 416, 16, 8, 16, 16},
    {"bmp\\Accessory.bmp", 256, 128, 8, 32, 32},
    {"bmp\\Back.bmp", 640, 480, 8, 0, 0},
    {"bmp\\WorldBack.bmp", 640, 480, 8, 0, 0},
    {"e_bmp\\ToolBar_Palette.bmp", 48, 15, 24, 0, 0},
    {"e_bmp\\ToolBar_TestPlay.bmp", 32, 15, 24, 0, 0},
    {"e_bmp\\ToolBar_Pen.bmp", 80, 15, 24, 0, 0},
    {"e_bmp\\ToolBar_PltEdit.bmp", 32, 15, 24, 0, 0},
    {"e_bmp\\ToolBar_WorldPalette.bmp", 32, 15, 24, 0, 0},
};

class SampleArt : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_pDir = new cTempDir;
    s_bWritten = WriteSampleArt(s_pDir->Path(), &s_vFailed);
  }
  static void TearDownTestSuite() {
    delete s_pDir;
    s_pDir = nullptr;
  }
  static std::string File(const char* psz) { return s_pDir->File(psz); }

  static cTempDir* s_pDir;
  static bool s_bWritten;
  static std::vector<std::string> s_vFailed;
};

cTempDir* SampleArt::s_pDir = nullptr;
bool SampleArt::s_bWritten = false;
std::vector<std::string> SampleArt::s_vFailed;

TEST_F(SampleArt, WritesEveryBitmapAtTheSizeItIsAddressedBy) {
  ASSERT_TRUE(s_bWritten);
  EXPECT_TRUE(s_vFailed.empty());
  for (const cExpected& e : kBitmaps) {
    SCOPED_TRACE(e.pszPath);
    ASSERT_TRUE(FileExists(File(e.pszPath)));
    cBmp b = ReadBmp(File(e.pszPath));
    EXPECT_EQ(e.nWidth, b.nWidth);
    EXPECT_EQ(e.nHeight, b.nHeight);
    EXPECT_EQ(e.nBits, b.nBits);
    // The loader reads 8-bit rows without padding, so their width must be a multiple of 4.
    if (e.nBits == 8) {
      EXPECT_EQ(0, b.nWidth % 4);
    }
  }
}

TEST_F(SampleArt, PaletteHasUniqueKeyBlackMaskIndexAndWhite) {
  cBmp pal = ReadBmp(File("bmp\\plt\\Palette.bmp"));
  ASSERT_EQ(1024u, pal.table.size());
  auto rgb = [&](int i) {
    return std::vector<int>{pal.table[i * 4 + 2], pal.table[i * 4 + 1], pal.table[i * 4]};
  };
  EXPECT_EQ((std::vector<int>{0, 0, 0}), rgb(15));
  EXPECT_EQ((std::vector<int>{255, 255, 255}), rgb(255));
  // The key (entry 0) appears nowhere else, and no entry before 15 is black: the project load
  // takes the first match of each as the transparent and the mask index.
  for (int i = 1; i < 256; ++i) EXPECT_NE(rgb(0), rgb(i)) << "entry " << i;
  for (int i = 0; i < 15; ++i) EXPECT_NE(rgb(15), rgb(i)) << "entry " << i;

  for (const cExpected& e : kBitmaps) {
    if (e.nBits != 8) continue;
    SCOPED_TRACE(e.pszPath);
    EXPECT_EQ(pal.table, ReadBmp(File(e.pszPath)).table);
  }
}

TEST_F(SampleArt, EveryCellShowsSomething) {
  for (const cExpected& e : kBitmaps) {
    if (!e.nCellW) continue;
    SCOPED_TRACE(e.pszPath);
    cBmp b = ReadBmp(File(e.pszPath));
    ASSERT_EQ(size_t(e.nWidth) * e.nHeight, b.vRows.size());
    std::set<uint8_t> sheet(b.vRows.begin(), b.vRows.end());
    EXPECT_GE(sheet.size(), 8u);
    for (int cy = 0; cy < b.nHeight / e.nCellH; ++cy)
      for (int cx = 0; cx < b.nWidth / e.nCellW; ++cx) {
        std::set<uint8_t> cell;
        for (int y = 0; y < e.nCellH; ++y)
          for (int x = 0; x < e.nCellW; ++x)
            cell.insert(b.vRows[size_t(cy * e.nCellH + y) * b.nWidth + cx * e.nCellW + x]);
        EXPECT_GE(cell.size(), 2u) << "cell " << cx << "," << cy;
      }
  }
}

TEST_F(SampleArt, CharactersMoveBetweenTheirFirstTwoFrames) {
  for (int k = 1; k <= 8; ++k) {
    std::string strName = "bmp\\Character" + std::to_string(k) + ".bmp";
    cBmp b = ReadBmp(File(strName.c_str()));
    ASSERT_EQ(640u * 480u, b.vRows.size()) << strName;
    for (int row = (k == 1 ? 1 : 0); row < 15; ++row) {  // number 0 is the empty cell
      bool bDiffer = false;
      for (int y = 0; y < 32 && !bDiffer; ++y)
        for (int x = 0; x < 32 && !bDiffer; ++x)
          bDiffer = b.vRows[size_t(row * 32 + y) * 640 + x] != b.vRows[size_t(row * 32 + y) * 640 + 32 + x];
      EXPECT_TRUE(bDiffer) << strName << " row " << row;
    }
  }
}

TEST_F(SampleArt, SoundAndTuneAreWellFormed) {
  cFile w = ReadFileBytes(File("wave\\free.wav"));
  ASSERT_GE(w.size(), 44u);
  EXPECT_EQ("RIFF", std::string(w.begin(), w.begin() + 4));
  EXPECT_EQ(w.size() - 8, U32(w, 4));
  EXPECT_EQ("WAVEfmt ", std::string(w.begin() + 8, w.begin() + 16));
  EXPECT_EQ(1u, U16(w, 20));  // PCM
  EXPECT_EQ(U32(w, 24) * U16(w, 32), U32(w, 28));
  EXPECT_EQ("data", std::string(w.begin() + 36, w.begin() + 40));
  EXPECT_EQ(w.size() - 44, U32(w, 40));
  EXPECT_GT(U32(w, 40), 1000u);

  cFile m = ReadFileBytes(File("bgm\\Free.mid"));
  ASSERT_GE(m.size(), 22u);
  EXPECT_EQ("MThd", std::string(m.begin(), m.begin() + 4));
  EXPECT_EQ(6u, Be32(m, 4));
  EXPECT_EQ(0u, Be32(m, 8) >> 16);  // format 0
  EXPECT_EQ(1u, Be32(m, 8) & 0xFFFF);
  EXPECT_EQ("MTrk", std::string(m.begin() + 14, m.begin() + 18));
  EXPECT_EQ(m.size() - 22, Be32(m, 18));
  EXPECT_EQ((cFile{0x00, 0xFF, 0x51, 0x03}), cFile(m.begin() + 22, m.begin() + 26));
  EXPECT_EQ((cFile{0xFF, 0x2F, 0x00}), cFile(m.end() - 3, m.end()));
}

TEST(SampleArtFolder, KeepsFilesThatAlreadyExist) {
  cTempDir dir;
  ASSERT_TRUE(CreateDirectoryA(dir.File("bmp").c_str(), nullptr));
  cFile mine = {'m', 'i', 'n', 'e'};
  ASSERT_TRUE(WriteFileBytes(dir.File("bmp\\Block.bmp"), mine));
  EXPECT_TRUE(WriteSampleArt(dir.Path()));
  EXPECT_EQ(mine, ReadFileBytes(dir.File("bmp\\Block.bmp")));
  EXPECT_TRUE(FileExists(dir.File("bmp\\Item.bmp")));
  EXPECT_FALSE(FileExists(dir.File("bmp\\Item.bmp.tmp")));
}

TEST(SampleArtFolder, ReportsWhatItCannotWrite) {
  cTempDir dir;
  std::vector<std::string> vFailed;
  EXPECT_FALSE(WriteSampleArt(dir.File("missing\\deeper"), &vFailed));
  EXPECT_FALSE(vFailed.empty());
  EXPECT_FALSE(FileExists(dir.File("missing")));
}

}  // namespace
