#include <windows.h>

#include <gtest/gtest.h>

#include "app/Log.h"
#include "app/MsgBox.h"
#include "support/TestSupport.h"

namespace {

// Points both logs into a temporary folder and restores the test run's own report log afterwards.
class LogTest : public testing::Test {
 protected:
  void SetUp() override {
    m_strReport = m_Dir.File("Report_Editor.txt");
    m_strError = m_Dir.File("EC_Editor.txt");
    ASSERT_TRUE(CreateReportLog(m_strReport.c_str()));
  }
  void TearDown() override { SetErrorLog(0, "EC_Editor.txt"); }
  cTempDir m_Dir;
  std::string m_strReport, m_strError;
};

}  // namespace

TEST_F(LogTest, ReportLogTruncatesAtCreationAndAppendsLines) {
  ReportLog("App : ver %s", "778");
  ReportLog("%d-%d", 1, 2);
  std::string text = ReadFileText(m_strReport);
  EXPECT_EQ("App : ver 778\r\n1-2\r\n", text);  // text mode
  ASSERT_TRUE(CreateReportLog(m_strReport.c_str()));
  EXPECT_EQ("", ReadFileText(m_strReport));
}

TEST_F(LogTest, ErrorLogOffWritesNothingOnTruncatesOnceThenAppends) {
  SetErrorLog(0, m_strError.c_str());
  ErrorLog("never");
  ErrorLogF("%s", "never");
  EXPECT_FALSE(FileExists(m_strError));

  WriteFileBytes(m_strError, {'o', 'l', 'd', '\n'});
  SetErrorLog(1, m_strError.c_str());
  ErrorLog("first");
  ErrorLogF("second %d", 2);
  EXPECT_EQ("first\r\nsecond 2\r\n", ReadFileText(m_strError));
}

TEST_F(LogTest, PercentInALoggedArgumentIsWrittenUnchanged) {
  SetErrorLog(1, m_strError.c_str());
  ASSERT_TRUE(ReportAndErrorLog("name %s", "100% %d %s"));
  EXPECT_EQ("name 100% %d %s\r\n", ReadFileText(m_strReport));
  EXPECT_NE(std::string::npos, ReadFileText(m_strError).find("name 100% %d %s\r\n"));
}

TEST_F(LogTest, SystemReportHasEveryLine) {
  ASSERT_TRUE(WriteSystemInfo());
  std::string text = ReadFileText(m_strReport);
  for (const char* key : {"OS : ", "CPU : ", "Mem Total : ", "Mem Free : ", "Vir Total : ", "Vir Free : ", "HD Free : "})
    EXPECT_NE(std::string::npos, text.find(key)) << key;
}

TEST(SystemReport, FreeMemoryIsTheWhole64BitFigure) {
  MEMORYSTATUSEX ms;
  ms.dwLength = sizeof ms;
  ASSERT_TRUE(GlobalMemoryStatusEx(&ms));
  const uint64_t nFree = GetFreePhysMem();
  const uint64_t nSlack = uint64_t(256) << 20;  // other processes come and go between the calls
  EXPECT_LT(nFree, ms.ullAvailPhys + nSlack);
  EXPECT_GT(nFree + nSlack, ms.ullAvailPhys);
}

TEST(SystemReport, OsNames) {
  EXPECT_STREQ("Windows 3.1", OsNameOf(0, 9, 9));
  EXPECT_STREQ("Windows 98", OsNameOf(1, 4, 10));
  EXPECT_STREQ("Windows XP", OsNameOf(2, 5, 1));
  EXPECT_STREQ("Windows 7", OsNameOf(2, 6, 1));
  EXPECT_STREQ("", OsNameOf(2, 10, 0));
  EXPECT_STREQ("", OsNameOf(1, 4, 11));
}

TEST(MessageBoxes, DebugBoxOnlyWithErrorLogAndOutOfMemoryText) {
  cMsgBoxRecorder rec;
  SetErrorLog(0, "EC_Editor.txt");
  EXPECT_EQ(0, DebugErrorBox("id %d", 5));
  EXPECT_TRUE(rec.Shown().empty());
  ErrorBox("file %s", "a.dat");
  OutOfMemory();
  ASSERT_EQ(2u, rec.Shown().size());
  EXPECT_EQ("file a.dat", rec.Shown()[0].strText);
  EXPECT_EQ("エラー", rec.Shown()[0].strCaption);
  EXPECT_EQ("メモリが不足しています！", rec.Shown()[1].strText);
}
