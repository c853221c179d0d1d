// The pure text rules of the value edits and the string edits.
#include <gtest/gtest.h>

#include "app/TextFormat.h"
#include "controls/EditValCtrl.h"

TEST(NumberTextTest, FullWidthDigitsMinusAndPointMapToSingleBytes) {
  struct {
    const char* pszWide;
    char c;
  } const aCases[] = {
      {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'}, {"７", '7'},
      {"８", '8'}, {"９", '9'}, {"０", '0'}, {"－", '-'}, {"．", '.'}, {"ー", 0},   {"。", 0},
      {"Ａ", 0},   {"＋", 0},   {"あ", 0},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszWide);
    ASSERT_EQ(2u, strlen(c.pszWide));
    EXPECT_EQ(c.c, FullWidthNumberChar(static_cast<unsigned char>(c.pszWide[0]),
                                       static_cast<unsigned char>(c.pszWide[1])));
  }
  EXPECT_EQ("12.5", NumberCharsOfComposition("１２．５"));
  EXPECT_EQ("-3", NumberCharsOfComposition("－a３漢"));
  EXPECT_EQ("", NumberCharsOfComposition("123"));
}

TEST(NumberTextTest, CleaningKeepsDigitsPointsAndOneLeadingMinus) {
  struct {
    const char* pszIn;
    const char* pszOut;
  } const aCases[] = {
      {"1-2.5x", "12.5"}, {"x-1.5", "-1.5"}, {"--5", "-5"}, {"1.2.3", "1.2.3"},
      {"あ-1", "-1"},     {"abc", ""},       {"-", "-"},    {"１２", ""},
  };
  for (const auto& c : aCases) {
    std::string s = c.pszIn;
    CleanNumberText(s);
    EXPECT_EQ(c.pszOut, s) << c.pszIn;
  }
}

TEST(NumberTextTest, IntegerParseSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(0, ParseIntSaturated(""));
  EXPECT_EQ(0, ParseIntSaturated("-"));
  EXPECT_EQ(-5, ParseIntSaturated("-05"));
  EXPECT_EQ(12, ParseIntSaturated("12.9"));
  EXPECT_EQ(1000000000000LL, ParseIntSaturated("99999999999999999999999"));
  EXPECT_EQ(-1000000000000LL, ParseIntSaturated("-99999999999999999999999"));
}

TEST(NumberTextTest, TypeIndexesAndLimits) {
  EXPECT_EQ(0, GetTypeIndex<int8_t>());
  EXPECT_EQ(0, GetTypeIndex<char>());
  EXPECT_EQ(1, GetTypeIndex<uint8_t>());
  EXPECT_EQ(2, GetTypeIndex<int16_t>());
  EXPECT_EQ(3, GetTypeIndex<uint16_t>());
  EXPECT_EQ(4, GetTypeIndex<int32_t>());
  EXPECT_EQ(5, GetTypeIndex<uint32_t>());
  EXPECT_EQ(6, GetTypeIndex<float>());
  EXPECT_EQ(7, GetTypeIndex<double>());
  EXPECT_EQ(-1, GetTypeIndex<int64_t>());
  const int64_t aMax[] = {127, 255, 32767, 65535, 2147483647LL, 4294967295LL, -1, -1, -1};
  const int64_t aMin[] = {-128, 0, -32768, 0, -2147483648LL, 0, -1, -1, -1};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(aMax[i], GetTypeMax(i)) << i;
    EXPECT_EQ(aMin[i], GetTypeMin(i)) << i;
  }
  EXPECT_EQ(-1, GetTypeMax(-1));
}

TEST(NumberTextTest, DecimalPlacesOfSteps) {
  const struct {
    double d;
    int n;
  } aCases[] = {{1, 0}, {0.5, 1}, {0.25, 2}, {10.5, 1}, {0.1, 1}, {0.01, 2}, {10.0, 0}, {0.0000000001, 10}};
  for (const auto& c : aCases) EXPECT_EQ(c.n, GetDecimalPlaces(c.d)) << c.d;
}

TEST(NumberTextTest, KeyFilterLetsThroughWhatCanFormANumberAndControlCodes) {
  for (int c = 0; c < 256; ++c) {
    bool bExpected = c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 1 && c <= 39);
    EXPECT_EQ(bExpected, IsValueEditChar(static_cast<WPARAM>(c))) << c;
  }
}

TEST(NumberTextTest, DoubleBytePairsAndCharacterCounts) {
  struct {
    const char* psz;
    bool bPair;
    int nChars;
  } const aCases[] = {
      {"あ", true, 1},
      {"ソ", true, 1},        // trail byte 0x5C, the backslash
      {"\x81\x7F", false, 2}, // 0x7F is no trail byte
      {"\x81", false, 1},     // a lone lead byte counts one
      {"ab", false, 2},
      {"a\r\nb", false, 3},   // the line feed belongs to its carriage return
      {"ｱｲ", false, 2},       // single-byte katakana
      {"漢字ab", true, 4},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.psz);
    EXPECT_EQ(c.bPair, IsDbcsPair(c.psz));
    EXPECT_EQ(c.nChars, CountChars(c.psz));
  }
}

TEST(NumberTextTest, FormatAppendKeepsTheTextBefore) {
  std::string s = "A";
  FormatAppend(s, " %d", 7);
  EXPECT_EQ("A 7", s);
}
