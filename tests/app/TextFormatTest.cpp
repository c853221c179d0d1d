#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>

#include "app/TextFormat.h"

TEST(TextFormat, LiteralsAreShiftJis) {
  EXPECT_EQ(std::string("\x83\x5C"), std::string("ソ"));
  EXPECT_EQ(std::string("\x81\x60"), std::string("～"));
}

TEST(TextFormat, SignedDigitsTable) {
  struct {
    int32_t v;
    int w;
    bool zeros, plus;
    const char* want;
  } cases[] = {
      {7, 3, true, false, "007"},
      {-7, 3, true, false, "-007"},
      {1234, 2, true, false, "1234"},
      {5, 3, false, false, "  5"},
      {5, 3, true, false, "005"},
      {-12, 4, true, false, "-0012"},
      {7, 0, false, true, "+7"},
      {0, 0, false, false, "0"},
      {0, 3, false, false, "  0"},
      {INT_MIN, 0, false, false, "-2147483648"},
      {INT_MIN, 12, true, false, "-002147483648"},
      {INT_MAX, 0, false, true, "+2147483647"},
  };
  for (auto& c : cases) {
    std::string s;
    FormatSignedDigits(s, c.v, c.w, c.zeros, c.plus);
    EXPECT_EQ(c.want, s) << c.v << " width " << c.w;
  }
  std::string s;
  FormatZeroPad(s, -7, 3);
  EXPECT_EQ("-007", s);
}

TEST(TextFormat, DigitCounts) {
  EXPECT_EQ(1, GetDigitCount(0));
  EXPECT_EQ(1, GetDigitCount(-5));
  EXPECT_EQ(10, GetDigitCount(INT_MAX));
  EXPECT_EQ(10, GetDigitCount(INT_MIN));
  EXPECT_EQ(1, GetDigitCountU(0));
  EXPECT_EQ(10, GetDigitCountU(4294967295u));
}

static int Bounded(char* buf, size_t n, const char* fmt, ...) {
  va_list a;
  va_start(a, fmt);
  int r = FormatBounded(buf, n, fmt, a);
  va_end(a);
  return r;
}

TEST(TextFormat, BoundedFormatNeverSplitsADoubleByteCharacter) {
  char buf[6];
  // "aソソ" is 5 bytes: a 6-byte buffer holds it whole.
  EXPECT_EQ(5, Bounded(buf, sizeof buf, "%s", "aソソ"));
  EXPECT_EQ(std::string("aソソ"), buf);
  // "aaソソ" is 6 bytes: the second ソ would be cut in half, so it goes whole.
  EXPECT_EQ(4, Bounded(buf, sizeof buf, "%s", "aaソソ"));
  EXPECT_EQ(std::string("aaソ"), buf);

  std::string big(FORMAT_BUF_SIZE + 10, 'x');
  std::string s;
  FormatStr(s, "%s", big.c_str());
  EXPECT_EQ(static_cast<size_t>(FORMAT_BUF_SIZE - 1), s.size());
}

TEST(TextFormat, AppendingBoundsEachPieceOnItsOwn) {
  std::string s = "ab";
  FormatAppend(s, " %s=%d", "ソ", 7);
  EXPECT_EQ("ab ソ=7", s);
  // A line grows past one buffer's worth piece by piece; each piece is cut on its own.
  std::string big(FORMAT_BUF_SIZE + 10, 'x');
  FormatAppend(s, "%s", big.c_str());
  FormatAppend(s, "%s", s.c_str());  // the text itself as an argument
  EXPECT_EQ(static_cast<size_t>(7 + FORMAT_BUF_SIZE - 1 + FORMAT_BUF_SIZE - 1), s.size());
}
