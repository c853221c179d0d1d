#include <gtest/gtest.h>

#include <cstdint>

#include "app/Log.h"
#include "base/ChkContainer.h"
#include "support/TestSupport.h"

namespace {

struct s76 {
  char b[76];
};

// Sends the report log to a temporary file so a test can read what a bad index wrote.
class ChkTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CreateReportLog(m_Dir.File("r.txt").c_str())); }
  std::string Log() { return ReadFileText(m_Dir.File("r.txt")); }
  cTempDir m_Dir;
};

}  // namespace

TEST_F(ChkTest, BadVectorIndexLogsAndReturnsElementZero) {
  cChkVector<s76> v(5);
  v[0].b[0] = 'z';
  EXPECT_EQ('z', v[-1].b[0]);
  EXPECT_EQ('z', v[5].b[0]);
  EXPECT_EQ(&v[4], &v.back());
  EXPECT_EQ("err V[-1] ( 5 , 76 )\r\nerr V[5] ( 5 , 76 )\r\n", Log());
}

TEST_F(ChkTest, BadIndexIntoEmptyVectorGivesADefaultElementWithoutGrowing) {
  cChkVector<int32_t> v;
  int32_t& a = v[0];
  EXPECT_EQ(0u, v.size());
  a = 9;  // shared like the list's fallback
  EXPECT_EQ(&a, &v[3]);
  EXPECT_EQ("err V[0] ( 0 , 4 )\r\nerr V[3] ( 0 , 4 )\r\n", Log());
}

TEST_F(ChkTest, BadListIndexReturnsTheSameFallbackTwice) {
  cChkList<int16_t> l;
  l.push_back(1);
  EXPECT_EQ(1, l[0]);
  int16_t* p = &l[1];
  EXPECT_EQ(p, &l[-4]);
  EXPECT_EQ("err L[1] ( 1 , 2 )\r\nerr L[-4] ( 1 , 2 )\r\n", Log());
}

TEST_F(ChkTest, InsertEraseAndAssign) {
  cChkVector<int> v;
  v.InsertAt(0, 1);  // empty: appends
  v.InsertAt(1, 5);  // at the size: appends
  v.InsertAt(1, 3);
  v.InsertAt(static_cast<uint32_t>(-1), 7);
  EXPECT_EQ((std::vector<int>{1, 3, 5, 7}), static_cast<std::vector<int>&>(v));
  v.push_back(9);
  EXPECT_EQ(0, v.EraseAt(5));
  EXPECT_EQ(0, v.EraseRange(3, 4));  // erases 7 and 9, then runs out
  EXPECT_EQ((std::vector<int>{1, 3, 5}), static_cast<std::vector<int>&>(v));
  EXPECT_EQ(3, v.Fill(2));

  cChkVector<int> big(7, 4), empty;
  big = v;
  EXPECT_EQ((std::vector<int>{2, 2, 2}), static_cast<std::vector<int>&>(big));
  big = empty;
  EXPECT_TRUE(big.empty());
  EXPECT_EQ("", Log());
}

TEST_F(ChkTest, ByteVectorLoadAndSave) {
  std::string path = m_Dir.File("b.bin");
  cChkVector<uint8_t> v;
  v.push_back(1);
  v.push_back(0xFF);
  FILE* fp = fopen(path.c_str(), "wb");
  EXPECT_EQ(2, v.Save(fp));
  fclose(fp);
  EXPECT_EQ("02 00 00 00 01 FF", HexOf(ReadFileBytes(path)));

  WriteFileBytes(path, {0, 0, 0, 0, 0x55});
  fp = fopen(path.c_str(), "rb");
  EXPECT_EQ(0, v.Load(fp));
  EXPECT_EQ(4, ftell(fp));
  fclose(fp);

  // A count larger than the rest of the file reads nothing instead of allocating it.
  WriteFileBytes(path, {0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
  fp = fopen(path.c_str(), "rb");
  EXPECT_EQ(0, v.Load(fp));
  fclose(fp);
}

TEST_F(ChkTest, FlagVectorChecksItsIndexLikeTheVector) {
  cFlagVector<11> v;
  v.assign(3, 0);
  v[1] = 7;
  EXPECT_EQ(7, v[1]);
  v[0] = 5;
  EXPECT_EQ(5, v[-1]);
  EXPECT_EQ(5, v[3]);
  cFlagVector<11> empty;
  uint8_t& a = empty[0];
  EXPECT_EQ(0u, empty.size());
  EXPECT_EQ(&a, &empty[2]);
  EXPECT_EQ("err V[-1] ( 3 , 1 )\r\nerr V[3] ( 3 , 1 )\r\nerr V[0] ( 0 , 1 )\r\nerr V[2] ( 0 , 1 )\r\n", Log());
}

// Growing and shrinking across the inline room keeps the flags and fills new ones, whichever side
// of the room the vector starts and ends on; copies, moves and swaps carry the flags along.
TEST_F(ChkTest, FlagVectorKeepsItsFlagsAcrossTheInlineRoom) {
  const size_t sizes[] = {0, 1, 11, 12, 13, 40, 41, 300};
  for (size_t nFrom : sizes)
    for (size_t nTo : sizes) {
      SCOPED_TRACE(testing::Message() << nFrom << " -> " << nTo);
      std::vector<uint8_t> want(nFrom);
      for (size_t i = 0; i < nFrom; ++i) want[i] = static_cast<uint8_t>(i + 1);
      cFlagVector<11> v;
      v.assign(want.begin(), want.end());
      EXPECT_EQ(want, static_cast<std::vector<uint8_t>>(v));
      v.resize(nTo, 0xAA);
      want.resize(nTo, 0xAA);
      EXPECT_EQ(want, static_cast<std::vector<uint8_t>>(v));

      cFlagVector<11> copy(v), moved(std::move(copy)), other;
      EXPECT_TRUE(moved == v);
      EXPECT_TRUE(copy.empty());
      other.assign(5, 1);
      other.swap(moved);
      EXPECT_EQ(want, static_cast<std::vector<uint8_t>>(other));
      EXPECT_EQ(std::vector<uint8_t>(5, 1), static_cast<std::vector<uint8_t>>(moved));
      EXPECT_TRUE(moved != v);
      v = moved;
      EXPECT_TRUE(v == moved);
      v.assign(v.begin() + 1, v.end());  // from a range inside itself
      EXPECT_EQ(std::vector<uint8_t>(4, 1), static_cast<std::vector<uint8_t>>(v));
    }
  EXPECT_EQ("", Log());
}
