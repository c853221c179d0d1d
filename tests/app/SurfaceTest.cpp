#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/Surface.h"
#include "support/TestSupport.h"

namespace {

typedef std::vector<unsigned char> cBytes;

// What a test BMP file looks like; pixels are given top-down, rows without padding.
struct sBmpShape {
  sBmpShape(int32_t w, int32_t h, int bits = 8) : nWidth(w), nHeight(h), nBits(bits) {}
  int32_t nWidth;
  int32_t nHeight;
  int nBits;
  bool bTopDown = false;
  uint32_t nCompression = BI_RGB;
  uint32_t nInfoSize = 40;
  uint32_t nGap = 0;  // bytes between the colour table and the pixels
  // Bit-field masks (red, green, blue) of a BI_BITFIELDS file: inside a header of 52 bytes or
  // more, else right after it.
  uint32_t aMasks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
};

void Put16(cBytes& v, uint32_t n) {
  v.push_back(n & 0xFF);
  v.push_back((n >> 8) & 0xFF);
}
void Put32(cBytes& v, uint32_t n) {
  Put16(v, n & 0xFFFF);
  Put16(v, n >> 16);
}

cBytes MakeBmp(const sBmpShape& s, const cBytes& pixels) {
  const uint32_t nRow = s.nWidth * s.nBits / 8;
  const uint32_t nStride = (nRow + 3) / 4 * 4;
  const uint32_t nTable = s.nBits <= 8 ? 1024 : 0;
  const bool bMasks = s.nCompression == BI_BITFIELDS;
  const uint32_t nMasksAfter = bMasks && s.nInfoSize < 52 ? 12 : 0;
  const uint32_t nOff = 14 + s.nInfoSize + nMasksAfter + nTable + s.nGap;
  cBytes v;
  v.push_back('B');
  v.push_back('M');
  Put32(v, nOff + nStride * s.nHeight);
  Put32(v, 0);
  Put32(v, nOff);
  Put32(v, s.nInfoSize);
  Put32(v, s.nWidth);
  Put32(v, static_cast<uint32_t>(s.bTopDown ? -s.nHeight : s.nHeight));
  Put16(v, 1);
  Put16(v, s.nBits);
  Put32(v, s.nCompression);
  Put32(v, nStride * s.nHeight);
  Put32(v, 2835);
  Put32(v, 2835);
  Put32(v, nTable ? 256 : 0);
  Put32(v, 0);
  if (bMasks && s.nInfoSize >= 52)
    for (uint32_t m : s.aMasks) Put32(v, m);
  v.resize(14 + s.nInfoSize, 0);
  if (nMasksAfter)
    for (uint32_t m : s.aMasks) Put32(v, m);
  // A grey colour table: the loader must not use it.
  for (uint32_t i = 0; i < nTable / 4; ++i) Put32(v, i * 0x010101);
  v.resize(nOff, 0xEE);
  for (int32_t k = 0; k < s.nHeight; ++k) {
    int32_t nSrcRow = s.bTopDown ? k : s.nHeight - 1 - k;
    const unsigned char* p = pixels.data() + nSrcRow * nRow;
    v.insert(v.end(), p, p + nRow);
    v.resize(v.size() + nStride - nRow, 0xCC);  // padding that must never reach the image
  }
  return v;
}

const unsigned char* Px(const cSurface& s, int x, int y) {
  GdiFlush();
  return s.m_pBits + y * s.Pitch() + x * (s.Bits() / 8);
}
const unsigned char* MaskPx(const cSurface& s, int x, int y) {
  GdiFlush();
  return s.m_pMaskBits + y * s.Pitch() + x * (s.Bits() / 8);
}
std::string Bgr(const unsigned char* p) { return HexOf(cBytes(p, p + 3)); }
std::string Bgr(const RGBQUAD& c) { return HexOf(cBytes{c.rgbBlue, c.rgbGreen, c.rgbRed}); }

const RGBQUAD MAGENTA = {255, 0, 255, 0};
const RGBQUAD BLACK = {0, 0, 0, 0};

// Every test starts from a known project palette and transparency setting and leaves the
// process-wide values as it found them.
class SurfaceTest : public testing::Test {
 protected:
  void SetUp() override {
    memcpy(m_SavedPalette, g_Palette, sizeof g_Palette);
    m_nSavedKey = g_nKeyIndex;
    m_nSavedMask = g_nMaskIndex;
    m_SavedKeyColour = g_nKeyColour;
    for (int i = 0; i < 256; ++i)
      g_Palette[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i),
                             static_cast<BYTE>(i / 2), static_cast<BYTE>(i % 7)};
    g_Palette[0] = MAGENTA;             // the key colour; entry 0 still shows black
    g_Palette[3] = BLACK;               // the first black entry: the mask index
    g_Palette[15] = BLACK;
    g_Palette[255] = RGBQUAD{1, 2, 3, 0};  // entry 255 still shows white
    SetKeyColour(g_Palette[0]);
    FindPaletteIndex(g_Palette[15]);
    SetKeyValue(MAGENTA);
  }
  void TearDown() override {
    memcpy(g_Palette, m_SavedPalette, sizeof g_Palette);
    g_nKeyIndex = m_nSavedKey;
    g_nMaskIndex = m_nSavedMask;
    g_nKeyColour = m_SavedKeyColour;
  }
  std::string Write(const std::string& strName, const cBytes& v) {
    std::string strPath = m_Dir.File(strName);
    EXPECT_TRUE(WriteFileBytes(strPath, v));
    return strPath;
  }
  // A 32-bit surface filled with one colour, to draw on.
  void Background(cSurface& s, int w, int h) {
    ASSERT_EQ(1, s.Create(w, h, 32, 0));
    s.FillRgb(30, 20, 10);
  }

  cTempDir m_Dir;
  cMsgBoxRecorder m_Boxes;

 private:
  RGBQUAD m_SavedPalette[256];
  uint8_t m_nSavedKey, m_nSavedMask;
  RGBQUAD m_SavedKeyColour;
};

}  // namespace

TEST_F(SurfaceTest, KeyAndMaskIndexAreTheFirstEntriesOfTheirColours) {
  EXPECT_EQ(0, g_nKeyIndex);
  EXPECT_EQ(3, g_nMaskIndex);
  g_Palette[1] = RGBQUAD{9, 9, 9, 0};
  g_Palette[2] = RGBQUAD{9, 9, 9, 0};
  SetKeyColour(RGBQUAD{9, 9, 9, 77});  // the reserved byte is not compared
  EXPECT_EQ(1, g_nKeyIndex);
  SetKeyColour(RGBQUAD{200, 201, 202, 0});  // no entry has it: unchanged
  FindPaletteIndex(RGBQUAD{200, 201, 202, 0});
  EXPECT_EQ(1, g_nKeyIndex);
  EXPECT_EQ(3, g_nMaskIndex);
}

TEST_F(SurfaceTest, EightBitSurfaceIsWhiteAndShowsEntriesZeroAndLastAsBlackAndWhite) {
  cSurface s;
  ASSERT_EQ(1, s.Create(6, 3, 8, 1));
  EXPECT_EQ(6, s.m_nWidth);
  EXPECT_EQ(3, s.m_nHeight);
  EXPECT_EQ(8, s.Bits());
  RGBQUAD table[256];
  ASSERT_EQ(256u, GetDIBColorTable(s.m_hDC, 0, 256, table));
  EXPECT_EQ("00 00 00", Bgr(table[0]));
  EXPECT_EQ("FF FF FF", Bgr(table[255]));
  EXPECT_EQ(Bgr(g_Palette[7]), Bgr(table[7]));
  EXPECT_EQ(g_Palette[7].rgbReserved, table[7].rgbReserved);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(255, *Px(s, x, y));
      EXPECT_EQ(0, *MaskPx(s, x, y));
    }
}

TEST_F(SurfaceTest, CreateRefusesSizesAndDepthsItCannotMake) {
  cSurface s;
  EXPECT_EQ(0, s.Create(0, 5, 8, 0));
  EXPECT_EQ(0, s.Create(5, -1, 24, 0));
  EXPECT_EQ(0, s.Create(5, 5, 16, 0));
  EXPECT_EQ(nullptr, s.m_hBmp);
  EXPECT_EQ(nullptr, s.m_hDC);
}

TEST_F(SurfaceTest, EightBitSheetLoadsWithItsKeyMaskAndDrawsThroughIt) {
  // 5 dots wide: 3 bytes of padding per stored row; a gap between table and pixels.
  sBmpShape shape(5, 3);
  shape.nGap = 6;
  const cBytes pixels = {0, 7, 8, 0, 9,    //
                         10, 0, 0, 11, 12,  //
                         13, 14, 15, 16, 0};
  std::string strPath = Write("sheet8.bmp", MakeBmp(shape, pixels));
  cSurface s;
  ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 0, 0));
  EXPECT_TRUE(m_Boxes.Shown().empty());
  ASSERT_EQ(5, s.m_nWidth);
  ASSERT_EQ(3, s.m_nHeight);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      unsigned char v = pixels[y * 5 + x];
      EXPECT_EQ(v, *Px(s, x, y));
      EXPECT_EQ(v == 0 ? 255 : 3, *MaskPx(s, x, y));
    }

  cSurface dst;
  Background(dst, 8, 4);
  dst.Blt(1, 1, 5, 3, s, 0, 0, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      unsigned char v = pixels[y * 5 + x];
      EXPECT_EQ(v == 0 ? "1E 14 0A" : Bgr(g_Palette[v]), Bgr(Px(dst, x + 1, y + 1)));
    }
  EXPECT_EQ("1E 14 0A", Bgr(Px(dst, 0, 0)));
}

TEST_F(SurfaceTest, TwentyFourBitKeyColourTurnsBlackWithAWhiteMaskAndTheBackgroundShows) {
  // 3 dots of 3 bytes: 3 bytes of padding per stored row.
  sBmpShape shape(3, 2, 24);
  const cBytes pixels = {255, 0,  255, 1, 2, 3,  4,   5, 6,  //
                         7,   8,  9,   255, 0, 255, 255, 0, 254};
  std::string strPath = Write("sheet24.bmp", MakeBmp(shape, pixels));
  cSurface s;
  ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 0, 0));
  ASSERT_EQ(24, s.Bits());
  const char* const image[2][3] = {{"00 00 00", "01 02 03", "04 05 06"},
                                   {"07 08 09", "00 00 00", "FF 00 FE"}};
  const bool key[2][3] = {{true, false, false}, {false, true, false}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      EXPECT_EQ(image[y][x], Bgr(Px(s, x, y)));
      EXPECT_EQ(key[y][x] ? "FF FF FF" : "00 00 00", Bgr(MaskPx(s, x, y)));
    }

  cSurface dst;
  Background(dst, 3, 2);
  dst.Blt(0, 0, 3, 2, s, 0, 0, 0);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(key[y][x] ? "1E 14 0A" : image[y][x], Bgr(Px(dst, x, y)));

  // The no-mask flag copies the image as it is, blackened key pixels included.
  cSurface plain;
  Background(plain, 3, 2);
  plain.Blt(0, 0, 3, 2, s, 0, 0, 1);
  EXPECT_EQ("00 00 00", Bgr(Px(plain, 0, 0)));
  EXPECT_EQ("01 02 03", Bgr(Px(plain, 1, 0)));
}

// Rows without padding are read as one block and turned in place: every row lands where it
// belongs (the middle one of an odd height too), and the mask covers whole rows wide enough to be
// built many pixels at a time, with a remainder.
TEST_F(SurfaceTest, UnpaddedSheetsLoadEveryRowInPlaceWithTheirMask) {
  struct sCase {
    int32_t nWidth, nHeight;
    bool bTopDown;
  } const aCases[] = {{36, 5, false}, {36, 5, true}, {36, 4, false}, {4, 1, false}, {68, 3, false}};
  for (const sCase& c : aCases) {
    SCOPED_TRACE(testing::Message() << c.nWidth << "x" << c.nHeight << (c.bTopDown ? " top-down" : ""));
    sBmpShape shape(c.nWidth, c.nHeight);
    shape.bTopDown = c.bTopDown;
    cBytes pixels(static_cast<size_t>(c.nWidth * c.nHeight));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = i % 5 == 2 ? 0 : static_cast<unsigned char>(1 + i % 251);
    std::string strPath = Write("unpadded.bmp", MakeBmp(shape, pixels));
    cSurface s;
    ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 0, 0));
    ASSERT_EQ(c.nWidth, s.Pitch());
    for (int y = 0; y < c.nHeight; ++y)
      for (int x = 0; x < c.nWidth; ++x) {
        const unsigned char v = pixels[y * c.nWidth + x];
        ASSERT_EQ(v, *Px(s, x, y)) << x << "," << y;
        ASSERT_EQ(v == 0 ? 255 : 3, *MaskPx(s, x, y)) << x << "," << y;
      }
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(SurfaceTest, TopDownThirtyTwoBitFileLoadsAndBltsThroughItsMaskOntoTwentyFourBits) {
  sBmpShape shape(2, 2, 32);
  shape.bTopDown = true;
  shape.nInfoSize = 124;  // a later header version: the pixels start where the header says
  const cBytes pixels = {10, 20, 30, 0, 255, 0, 255, 0,  //
                         40, 50, 60, 0, 70, 80, 90, 0};
  std::string strPath = Write("sheet32.bmp", MakeBmp(shape, pixels));
  cSurface s;
  ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 0, 0));
  ASSERT_EQ(32, s.Bits());
  EXPECT_EQ("0A 14 1E", Bgr(Px(s, 0, 0)));
  EXPECT_EQ("00 00 00", Bgr(Px(s, 1, 0)));
  EXPECT_EQ("28 32 3C", Bgr(Px(s, 0, 1)));
  EXPECT_EQ("46 50 5A", Bgr(Px(s, 1, 1)));

  cSurface dst;
  ASSERT_EQ(1, dst.Create(2, 2, 24, 0));
  dst.FillRgb(30, 20, 10);
  dst.Blt(0, 0, 2, 2, s, 0, 0, 0);
  EXPECT_EQ("0A 14 1E", Bgr(Px(dst, 0, 0)));
  EXPECT_EQ("1E 14 0A", Bgr(Px(dst, 1, 0)));
  EXPECT_EQ("46 50 5A", Bgr(Px(dst, 1, 1)));
}

TEST_F(SurfaceTest, KeyColourIsBlackenedWithoutAMaskAndStretchDrawsThroughAMask) {
  std::string strPath =
      Write("key24.bmp", MakeBmp(sBmpShape(2, 1, 24), {255, 0, 255, 1, 2, 3}));
  cSurface plain;
  ASSERT_EQ(1, plain.LoadBmp(strPath.c_str(), 8, 0, 0, 0));
  EXPECT_EQ(nullptr, plain.m_hMaskDC);
  EXPECT_EQ("00 00 00", Bgr(Px(plain, 0, 0)));
  EXPECT_EQ("01 02 03", Bgr(Px(plain, 1, 0)));

  cSurface s;
  ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 0, 0));
  cSurface dst;
  Background(dst, 4, 2);
  dst.Stretch(0, 0, 4, 2, s, 0, 0, 2, 1, 0);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ("1E 14 0A", Bgr(Px(dst, 0, y)));
    EXPECT_EQ("1E 14 0A", Bgr(Px(dst, 1, y)));
    EXPECT_EQ("01 02 03", Bgr(Px(dst, 2, y)));
    EXPECT_EQ("01 02 03", Bgr(Px(dst, 3, y)));
  }
}

TEST_F(SurfaceTest, MirroringTurnsEachCellOrStripOnItsOwn) {
  sBmpShape shape(4, 2);
  std::string strPath = Write("mirror.bmp", MakeBmp(shape, {1, 2, 3, 4, 5, 6, 7, 8}));
  struct {
    int cw, ch;
    cBytes expected;
  } const cases[] = {
      {0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
      {2, 0, {2, 1, 4, 3, 6, 5, 8, 7}},
      {3, 0, {3, 2, 1, 4, 7, 6, 5, 8}},  // the rest narrower than a strip stays
      {4, 0, {4, 3, 2, 1, 8, 7, 6, 5}},
      {0, 1, {1, 2, 3, 4, 5, 6, 7, 8}},
      {0, 2, {5, 6, 7, 8, 1, 2, 3, 4}},
      {2, 2, {6, 5, 8, 7, 2, 1, 4, 3}},  // cells turn upside down and left to right
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cw << " x " << c.ch);
    cSurface s;
    ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 0, c.cw, c.ch));
    cBytes got;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) got.push_back(*Px(s, x, y));
    EXPECT_EQ(HexOf(c.expected), HexOf(got));
  }
}

TEST_F(SurfaceTest, MirroredCopyBuildsItsMaskFromTheMirroredImage) {
  sBmpShape shape(4, 1);
  std::string strPath = Write("mirrormask.bmp", MakeBmp(shape, {0, 5, 6, 7}));
  cSurface s;
  ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 2, 0));
  EXPECT_EQ(5, *Px(s, 0, 0));
  EXPECT_EQ(0, *Px(s, 1, 0));
  EXPECT_EQ(3, *MaskPx(s, 0, 0));
  EXPECT_EQ(255, *MaskPx(s, 1, 0));
}

// Paint programs write 32-bit files as bit fields with the standard masks and an alpha byte:
// they load as the plain 32-bit kind, the alpha byte ignored, whatever the header version.
TEST_F(SurfaceTest, ThirtyTwoBitBitFieldsWithStandardMasksLoad) {
  for (uint32_t nInfo : {40u, 108u, 124u}) {
    SCOPED_TRACE(nInfo);
    sBmpShape shape(2, 1, 32);
    shape.nCompression = BI_BITFIELDS;
    shape.nInfoSize = nInfo;
    std::string strPath = Write("fields.bmp", MakeBmp(shape, {10, 20, 30, 0xFF, 255, 0, 255, 0x80}));
    cSurface s;
    ASSERT_EQ(1, s.LoadBmp(strPath.c_str(), 8, 1, 0, 0));
    ASSERT_EQ(32, s.Bits());
    EXPECT_EQ("0A 14 1E 00", HexOf(cBytes(Px(s, 0, 0), Px(s, 0, 0) + 4)));
    EXPECT_EQ("00 00 00 00", HexOf(cBytes(Px(s, 1, 0), Px(s, 1, 0) + 4)));  // the key colour
    EXPECT_EQ("FF FF FF", Bgr(MaskPx(s, 1, 0)));
    EXPECT_EQ("00 00 00", Bgr(MaskPx(s, 0, 0)));
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(SurfaceTest, BrokenOrForeignFilesFailWithTheirMessage) {
  const std::string strCannot = " が読み込めません！";
  const std::string strFormat =
      " の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。";
  const std::string strOs2 = " の読み込みに失敗しました！\nOS/2形式のビットマップには対応していません。";
  sBmpShape spec8(4, 4);
  const cBytes good8 = MakeBmp(spec8, cBytes(16, 1));
  auto With = [](sBmpShape s, int nBits, uint32_t nCompression) {
    s.nBits = nBits;
    s.nCompression = nCompression;
    return MakeBmp(s, cBytes(s.nWidth * s.nHeight * nBits / 8, 1));
  };
  auto Fields = [](uint32_t nInfo, uint32_t nRed, int nBits) {
    sBmpShape s(4, 4, nBits);
    s.nCompression = BI_BITFIELDS;
    s.nInfoSize = nInfo;
    s.aMasks[0] = nRed;
    return MakeBmp(s, cBytes(s.nWidth * s.nHeight * nBits / 8, 1));
  };
  const cBytes fields = Fields(40, 0x00FF0000, 32);
  // The 12-byte header of the old OS/2 kind: 16-bit width and height, planes, bit count.
  cBytes os2 = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26 + 48, 0, 0, 0, 12, 0, 0, 0, 4, 0, 4, 0, 1, 0, 24, 0};
  os2.resize(os2.size() + 48, 7);
  auto Patched = [&](size_t nAt, uint32_t n) {
    cBytes v = good8;
    memcpy(&v[nAt], &n, 4);
    return v;
  };
  struct {
    const char* name;
    cBytes bytes;
    const std::string& message;
  } const cases[] = {
      {"truncated", cBytes(good8.begin(), good8.end() - 5), strCannot},
      {"headers only", cBytes(good8.begin(), good8.begin() + 54), strCannot},
      {"short header", cBytes(good8.begin(), good8.begin() + 30), strCannot},
      {"empty", cBytes(), strCannot},
      {"pixels beyond the end", Patched(10, 0x7FFFFFF0), strCannot},
      {"pixels inside the header", Patched(10, 20), strCannot},
      {"zero width", Patched(18, 0), strCannot},
      {"negative width", Patched(18, static_cast<uint32_t>(-4)), strCannot},
      {"zero height", Patched(22, 0), strCannot},
      {"lowest height", Patched(22, 0x80000000u), strCannot},
      {"huge size", Patched(18, 0x40000000), strCannot},
      {"small info header", Patched(14, 20), strCannot},
      {"OS/2 header", os2, strOs2},
      {"OS/2 header only", cBytes(os2.begin(), os2.begin() + 26), strOs2},
      {"run-length 8 bits", With(spec8, 8, BI_RLE8), strFormat},
      {"bit fields 32 bits, other masks", Fields(40, 0x000000FF, 32), strFormat},
      {"bit fields 32 bits, other masks in a later header", Fields(124, 0xFF000000, 32), strFormat},
      {"bit fields 32 bits without its masks", cBytes(fields.begin(), fields.begin() + 60), strCannot},
      {"bit fields 16 bits", Fields(40, 0xF800, 16), strFormat},
      {"4 bits", With(spec8, 4, BI_RGB), strFormat},
      {"16 bits", With(spec8, 16, BI_RGB), strFormat},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string strPath = Write("broken.bmp", c.bytes);
    m_Boxes.Clear();
    cSurface s;
    EXPECT_EQ(0, s.LoadBmp(strPath.c_str(), 8, 1, 32, 0));
    EXPECT_EQ(nullptr, s.m_hBmp);
    ASSERT_EQ(1u, m_Boxes.Shown().size());
    EXPECT_EQ(strPath + c.message, m_Boxes.Shown()[0].strText);
  }
}

TEST_F(SurfaceTest, FailedLoadKeepsTheImageThatWasThere) {
  cSurface s;
  ASSERT_EQ(1, s.Create(2, 2, 24, 0));
  s.FillRgb(1, 2, 3);
  std::string strPath = Write("short.bmp", cBytes(20, 0));
  EXPECT_EQ(0, s.LoadBmp(strPath.c_str(), 8, 0, 0, 0));
  ASSERT_NE(nullptr, s.m_pBits);
  EXPECT_EQ("01 02 03", Bgr(Px(s, 1, 1)));
}

TEST_F(SurfaceTest, MissingOrEmptyPathFailsAsUnreadable) {
  for (const std::string& strPath : {m_Dir.File("none.bmp"), std::string()}) {
    m_Boxes.Clear();
    cBmpLoadRequest req;
    req.SetPath(strPath.c_str());
    cSurface s;
    EXPECT_EQ(0, s.LoadBmp(req));
    ASSERT_EQ(1u, m_Boxes.Shown().size());
    EXPECT_EQ(strPath + " が読み込めません！", m_Boxes.Shown()[0].strText);
  }
}

TEST_F(SurfaceTest, RequestForEAsksForAnEmptySurfaceAndTheShortFormOpensAFileNamedE) {
  cTempDir cwd(true);
  cBmpLoadRequest req;
  req.SetPath("E");
  req.nBits = 8;
  req.bMask = 1;
  req.nWidth = 256;
  req.nHeight = 480;
  cSurface s;
  ASSERT_EQ(1, s.LoadBmp(req));  // no file named E exists here
  EXPECT_EQ(256, s.m_nWidth);
  EXPECT_EQ(480, s.m_nHeight);
  EXPECT_NE(nullptr, s.m_hMaskDC);
  EXPECT_EQ(255, *Px(s, 255, 479));
  EXPECT_TRUE(m_Boxes.Shown().empty());

  req.nWidth = 0;  // a size the surface cannot have
  EXPECT_EQ(0, s.LoadBmp(req));
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("E が読み込めません！", m_Boxes.Shown()[0].strText);

  sBmpShape shape(4, 1);
  ASSERT_TRUE(WriteFileBytes("E", MakeBmp(shape, {1, 2, 3, 4})));
  cSurface f;
  ASSERT_EQ(1, f.LoadBmp("E", 8, 0, 0, 0));
  EXPECT_EQ(4, f.m_nWidth);
  EXPECT_EQ(3, *Px(f, 2, 0));
  DeleteFileA("E");
}

TEST_F(SurfaceTest, PaletteIsReadAfterTheInfoHeaderAndKeptWhenReadingFails) {
  sBmpShape shape(4, 1);
  shape.nInfoSize = 124;
  std::string strV5 = Write("pal5.bmp", MakeBmp(shape, {1, 2, 3, 4}));
  ASSERT_TRUE(LoadPalette(strV5.c_str()));
  EXPECT_EQ("07 07 07", Bgr(g_Palette[7]));
  EXPECT_EQ("FF FF FF", Bgr(g_Palette[255]));

  g_Palette[7] = MAGENTA;
  EXPECT_FALSE(LoadPalette(m_Dir.File("none.bmp").c_str()));
  cBytes v = ReadFileBytes(strV5);
  v.resize(14 + 124 + 1000);
  EXPECT_FALSE(LoadPalette(Write("cut.bmp", v).c_str()));
  EXPECT_EQ(Bgr(MAGENTA), Bgr(g_Palette[7]));

  RGBQUAD conv[256] = {};
  shape.nInfoSize = 40;
  EXPECT_EQ(1, ReadBmpPalette(conv, Write("pal.bmp", MakeBmp(shape, {1, 2, 3, 4})).c_str()));
  EXPECT_EQ("09 09 09", Bgr(conv[9]));

  // Another bit count has no 256-entry table: what follows its header is never taken for one.
  for (int nBits : {1, 4, 24, 32}) {
    SCOPED_TRACE(nBits);
    sBmpShape other(8, 1, nBits);
    conv[9] = MAGENTA;
    EXPECT_EQ(PALETTE_NOT_8BIT, ReadPaletteFile(conv, Write("other.bmp", MakeBmp(other, cBytes(32, 9))).c_str()));
    EXPECT_EQ(Bgr(MAGENTA), Bgr(conv[9]));
  }
  // A file that is not there is told from one that is there but holds no table.
  EXPECT_EQ(PALETTE_NOT_FOUND, ReadPaletteFile(conv, m_Dir.File("none.bmp").c_str()));
  EXPECT_EQ(PALETTE_UNREADABLE, ReadPaletteFile(conv, m_Dir.File("cut.bmp").c_str()));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(SurfaceTest, FillLinesAndFrame) {
  cSurface s;
  ASSERT_EQ(1, s.Create(5, 4, 24, 0));
  s.FillRgb(3, 2, 1);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ("03 02 01", Bgr(Px(s, x, y)));
  ASSERT_EQ(1, s.SetPen(PS_SOLID, 1, RGB(255, 255, 255)));
  s.FrameRect(0, 0, 4, 3);
  s.ReleasePen();
  EXPECT_EQ("FF FF FF", Bgr(Px(s, 0, 0)));
  EXPECT_EQ("FF FF FF", Bgr(Px(s, 4, 0)));
  EXPECT_EQ("FF FF FF", Bgr(Px(s, 4, 3)));
  EXPECT_EQ("FF FF FF", Bgr(Px(s, 0, 3)));
  EXPECT_EQ("03 02 01", Bgr(Px(s, 2, 1)));
}

TEST_F(SurfaceTest, GridDrawsEveryCellLineAndTheFarEdges) {
  cSurface s;
  ASSERT_EQ(1, s.Create(640, 480, 32, 0));
  s.Fill(0);
  s.Grid(0, 0, 640, 480, 32, 32, 0xFFFFFF);
  auto White = [&](int x, int y) { return Bgr(Px(s, x, y)) == "FF FF FF"; };
  std::vector<int> columns, rows;
  for (int x = 0; x < 640; ++x)
    if (White(x, 5)) columns.push_back(x);
  for (int y = 0; y < 480; ++y)
    if (White(5, y)) rows.push_back(y);
  std::vector<int> expectedColumns, expectedRows;
  for (int x = 0; x < 640; x += 32) expectedColumns.push_back(x);
  expectedColumns.push_back(639);
  for (int y = 0; y < 480; y += 32) expectedRows.push_back(y);
  expectedRows.push_back(479);
  EXPECT_EQ(expectedColumns, columns);
  EXPECT_EQ(expectedRows, rows);
  EXPECT_TRUE(White(320, 479));
  EXPECT_EQ(nullptr, s.m_hPen);

  cSurface t;
  ASSERT_EQ(1, t.Create(8, 8, 32, 0));
  t.Fill(0);
  t.Grid(0, 0, 8, 8, 0, 4, 0xFFFFFF);  // no cell width: nothing drawn
  EXPECT_FALSE(Bgr(Px(t, 0, 0)) == "FF FF FF");
}

TEST_F(SurfaceTest, SecondPenReplacesTheFirstAndReleaseRestoresTheOriginal) {
  cSurface s;
  ASSERT_EQ(1, s.Create(4, 4, 32, 0));
  HGDIOBJ hOriginal = GetCurrentObject(s.m_hDC, OBJ_PEN);
  ASSERT_EQ(1, s.SetPen(PS_SOLID, 1, RGB(255, 0, 0)));
  HPEN hFirst = s.m_hPen;
  ASSERT_EQ(1, s.SetPen(PS_DOT, 1, RGB(0, 255, 0)));
  HPEN hSecond = s.m_hPen;
  EXPECT_EQ(hSecond, GetCurrentObject(s.m_hDC, OBJ_PEN));
  if (hFirst != hSecond) {
    EXPECT_EQ(0u, GetObjectType(hFirst));
  }
  EXPECT_EQ(TRANSPARENT, GetBkMode(s.m_hDC));
  s.ReleasePen();
  EXPECT_EQ(hOriginal, GetCurrentObject(s.m_hDC, OBJ_PEN));
  EXPECT_EQ(0u, GetObjectType(hSecond));
  EXPECT_EQ(nullptr, s.m_hPen);
}

TEST_F(SurfaceTest, DrawTextPutsEachLineTwentyDotsLower) {
  auto Rows = [](const char* pszText) {
    cSurface s;
    EXPECT_EQ(1, s.Create(40, 60, 32, 0));
    s.Fill(0);
    s.DrawText(2, 3, pszText, 0xFFFFFF, TRANSPARENT);
    std::vector<bool> v(60, false);
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 40; ++x)
        if (Px(s, x, y)[0] != 0) v[y] = true;
    return v;
  };
  std::vector<bool> one = Rows("I");
  std::vector<bool> two = Rows("I\nI");
  ASSERT_NE(std::find(one.begin(), one.end(), true), one.end());
  for (int y = 0; y < 60; ++y) {
    SCOPED_TRACE(y);
    EXPECT_EQ(one[y] || (y >= 20 && one[y - 20]), two[y]);
  }
}

TEST_F(SurfaceTest, MovedSurfaceTakesItsBitmapsAlong) {
  std::vector<cSurface> v(1);
  ASSERT_EQ(1, v[0].Create(3, 3, 8, 1));
  HBITMAP hBmp = v[0].m_hBmp;
  v.resize(20);  // the vector moves its elements
  EXPECT_EQ(hBmp, v[0].m_hBmp);
  EXPECT_EQ(255, *Px(v[0], 2, 2));
  cSurface other = std::move(v[0]);
  EXPECT_EQ(nullptr, v[0].m_hBmp);
  EXPECT_EQ(hBmp, other.m_hBmp);
}
