#include <gtest/gtest.h>

#include <cstring>

#include "app/Paths.h"
#include "support/TestSupport.h"

TEST(Paths, FileNameAndCutNeverSplitADoubleByteCharacter) {
  // "表" is 95 5C: its trail byte is a backslash.
  char sz[MAX_PATH] = "data\\表\\図表";
  GetFileName(sz);
  EXPECT_STREQ("図表", sz);
  char sz2[MAX_PATH] = "data\\図表";
  CutFileName(sz2);
  EXPECT_STREQ("data\\", sz2);
  char sz3[MAX_PATH] = "表";
  CutFileName(sz3);
  EXPECT_STREQ("", sz3);
  char sz4[MAX_PATH] = "\\a";
  CutFileName(sz4);
  EXPECT_STREQ("\\", sz4);
}

TEST(Paths, Extensions) {
  char sz[MAX_PATH];
  EXPECT_EQ(1, ChangeExtension(sz, "data\\stg4\\Default.stg4_***", "stg4"));
  EXPECT_STREQ("data\\stg4\\Default.stg4", sz);
  EXPECT_EQ(1, ChangeExtension(sz, "a.dir\\file", "x"));  // cuts at the folder's dot
  EXPECT_STREQ("a.x", sz);
  EXPECT_EQ(0, ChangeExtension(sz, "noext", "x"));
  EXPECT_STREQ("noext", sz);
  EXPECT_EQ(1, ChangeExtension(sz, "a.b.c", nullptr));
  EXPECT_STREQ("a.b", sz);
  EXPECT_EQ(1, HasExtension("x.wav", "wav"));
  EXPECT_EQ(0, HasExtension("x.WAV", "wav"));
  std::string s = "a\\b.plt4";
  EXPECT_EQ(1, StripExtensionStr(s));
  EXPECT_EQ("a\\b", s);
}

TEST(Paths, RelativeAndAbsolute) {
  cTempDir dir(true);
  CreateDirectoryA("sub", nullptr);
  char sz[MAX_PATH] = "sub\\x.bmp";
  EXPECT_EQ(1, MakeRelativePath(sz));
  EXPECT_STREQ("sub\\x.bmp", sz);

  std::string abs = dir.Path() + "\\sub\\x.bmp";
  strcpy(sz, abs.c_str());
  EXPECT_EQ(1, MakeRelativePath(sz));
  EXPECT_STREQ(".\\sub\\x.bmp", sz);

  strcpy(sz, "sub\\x.bmp");
  EXPECT_EQ(1, MakeAbsolutePath(sz));
  EXPECT_EQ(abs, std::string(sz));

  // Another drive has no relative path: unchanged, 0.
  char szOther[MAX_PATH] = "Q:\\elsewhere\\f.bmp";
  char szCwd[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, szCwd);
  if (toupper(szCwd[0]) != 'Q') {
    EXPECT_EQ(0, MakeRelativePath(szOther));
    EXPECT_STREQ("Q:\\elsewhere\\f.bmp", szOther);
  }
}

// The stage title and the remembered stage path use one form for a file of the project folder.
TEST(Paths, CurrentFolderPrefixGoesAndOtherPathsStay) {
  const struct {
    const char* pszIn;
    const char* pszOut;
  } aCases[] = {{".\\data\\stg4\\a.stg4_778", "data\\stg4\\a.stg4_778"},
                {"data\\stg4\\a.stg4_778", "data\\stg4\\a.stg4_778"},
                {"..\\other\\a.stg4_778", "..\\other\\a.stg4_778"},
                {".\\", ".\\"},
                {"", ""}};
  for (const auto& c : aCases) {
    std::string s = c.pszIn;
    DropCurrentFolderPrefix(s);
    EXPECT_EQ(c.pszOut, s) << c.pszIn;
  }
}

TEST(Paths, LatestNumberedFromNineHundredNinetyNineDown) {
  cTempDir dir(true);
  char szDst[MAX_PATH] = "untouched";
  EXPECT_EQ(0, FindLatestNumbered(szDst, "Default.stg4_***", "stg4"));
  EXPECT_STREQ("untouched", szDst);
  WriteFileBytes("Default.stg4_005", {});
  WriteFileBytes("Default.stg4_778", {});
  EXPECT_EQ(1, FindLatestNumbered(szDst, "Default.stg4_***", "stg4"));
  EXPECT_STREQ("Default.stg4_778", szDst);
  CreateDirectoryA("Default.stg4_999", nullptr);  // a folder counts as found
  std::string s;
  EXPECT_EQ(1, FindLatestNumberedStr(s, "Default.stg4_***", "stg4"));
  EXPECT_EQ("Default.stg4_999", s);
}

TEST(Paths, ListFilesAndChosenFiles) {
  cTempDir dir(true);
  CreateDirectoryA("w", nullptr);
  WriteFileBytes("w\\a.wav", {});
  cPathList v;
  EXPECT_EQ(0, ListFiles(v, "w", "mid"));
  EXPECT_TRUE(v.empty());
  EXPECT_EQ(1, ListFiles(v, "w", "wav"));
  ASSERT_EQ(1u, v.size());
  EXPECT_EQ("w\\a.wav", v[0]);

  const char multi[] = "C:\\d\0a.bmp\0b.bmp\0c.bmp\0\0";
  cPathList m;
  CollectChosenFiles(multi, sizeof multi, m);
  ASSERT_EQ(3u, m.size());
  EXPECT_EQ("C:\\d\\a.bmp", m[0]);
  EXPECT_EQ("C:\\d\\c.bmp", m[2]);
  const char single[] = "C:\\d\\a.bmp\0\0";
  cPathList one;
  CollectChosenFiles(single, sizeof single, one);
  ASSERT_EQ(1u, one.size());
  EXPECT_EQ("C:\\d\\a.bmp", one[0]);
}

TEST(Paths, ConfirmExitAsksTheExitQuestion) {
  cMsgBoxRecorder rec;
  rec.Answer(IDNO);
  EXPECT_FALSE(ConfirmExit(nullptr));
  EXPECT_TRUE(ConfirmExit(nullptr));
  ASSERT_EQ(2u, rec.Shown().size());
  EXPECT_EQ("終了しますか？\n", rec.Shown()[0].strText);
  EXPECT_EQ("終了確認", rec.Shown()[0].strCaption);
  EXPECT_EQ(static_cast<UINT>(MB_YESNO), rec.Shown()[0].uType);
}
