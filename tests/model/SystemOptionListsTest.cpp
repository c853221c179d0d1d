#include "model/SystemOptionLists.h"

#include "TableCheck.h"

TEST(SystemOptionLists, ListsCloseAfterTheirEntries) {
  EXPECT_TRUE(IsClosedTable(FontNames));
  EXPECT_TRUE(IsClosedTable(BmpModeNames));
  EXPECT_TRUE(IsClosedTable(DDDepthNames));
  EXPECT_TRUE(IsClosedTable(D3DDepthNames));
}

TEST(SystemOptionLists, StoredIndicesNameTheirFaces) {
  EXPECT_STREQ("System", FontNames[0]);
  EXPECT_STREQ("Times New Roman Baltic", FontNames[37]);
  EXPECT_EQ("82 6C 82 72 20 83 53 83 56 83 62 83 4E", HexOfText(FontNames[59]));
  // The system record's default face.
  EXPECT_EQ("82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E", HexOfText(FontNames[60]));
  // Half-width katakana stay single bytes.
  EXPECT_EQ("48 47 BA DE BC AF B8 45", HexOfText(FontNames[86]));
  EXPECT_EQ("48 47 91 6E 89 70 CC DF DA BE DE DD BD 45 42", HexOfText(FontNames[117]));
  EXPECT_STREQ("Sydnie", FontNames[121]);
  EXPECT_STREQ("1677万色(24bit) カラーパレットなし", BmpModeNames[1]);
  EXPECT_STREQ("8bit(256色)", DDDepthNames[2]);
  EXPECT_STREQ("16bit(32768色)", D3DDepthNames[1]);
}
