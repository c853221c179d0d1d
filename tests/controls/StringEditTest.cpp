// The string edit: limits by characters or bytes, per line and in lines; an edit past the limit
// is undone, a text set by the program is cut, and no text ever keeps half a character.
#include <gtest/gtest.h>

#include "BoundTestDlg.h"

namespace {

class StringEditTest : public testing::Test {
 protected:
  void SetUp() override {
    m_Rec.strName.clear();
    m_Rec.strBytes.clear();
    ASSERT_TRUE(m_Dlg.Open());
  }
  cEditStrCtrl& Edit(int i) { return m_Dlg.m_vStr[i].m_Ctrl; }
  cMsgBoxRecorder m_Boxes;
  cTestRecord m_Rec;
  cBoundTestDlg m_Dlg{&m_Rec};
};

std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

}  // namespace

TEST_F(StringEditTest, CharacterLimitAcceptsTwelveDoubleByteCharactersAndUndoesTheThirteenth) {
  HWND hName = m_Dlg.Item(IDC_T_NAME);
  for (int i = 0; i < 12; ++i) PasteInto(hName, "あ");
  EXPECT_EQ(Repeat("あ", 12), TextOf(hName));
  PasteInto(hName, "い");
  EXPECT_EQ(Repeat("あ", 12), TextOf(hName));
  // In the middle too: the whole edit goes, not the last character.
  SendMessageA(hName, EM_SETSEL, 3, 3);
  PasteInto(hName, "x");
  EXPECT_EQ(Repeat("あ", 12), TextOf(hName));
  m_Dlg.CtrlsToData();
  EXPECT_EQ(24u, m_Rec.strName.size());
}

TEST_F(StringEditTest, SetTextCutsToTheLimitByWholeCharacters) {
  Edit(0).SetText(Repeat("あ", 14));
  EXPECT_EQ(Repeat("あ", 12), TextOf(m_Dlg.Item(IDC_T_NAME)));
  Edit(0).SetText("abcdefghijk" + Repeat("漢", 3));
  EXPECT_EQ("abcdefghijk漢", TextOf(m_Dlg.Item(IDC_T_NAME)));
  std::string str;
  Edit(0).GetText(str);
  EXPECT_EQ("abcdefghijk漢", str);
  EXPECT_EQ("", m_Rec.strName);  // only storing writes the string
}

TEST_F(StringEditTest, ByteLimitKeepsTheFirstBytesAndNeverHalfACharacter) {
  struct {
    const char* pszPaste;
    const char* pszKept;
  } const aCases[] = {
      {"abcdefgh", "abcde"},
      {"abcdあ", "abcd"},
      {"aあいう", "aあい"},
      {"ソソソ", "ソソ"},
  };
  HWND hBytes = m_Dlg.Item(IDC_T_BYTES);
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszPaste);
    SetWindowTextA(hBytes, "");
    PasteInto(hBytes, c.pszPaste);
    EXPECT_EQ(c.pszKept, TextOf(hBytes));
    m_Dlg.CtrlsToData();
    EXPECT_EQ(c.pszKept, m_Rec.strBytes);
  }
  // The read itself never keeps half a character, whatever the box holds.
  SetWindowTextA(hBytes, "abcdあ");
  std::string str;
  Edit(1).GetText(str);
  EXPECT_EQ("abcd", str);
}

TEST_F(StringEditTest, MultiLineTextWrapsLongLinesAndKeepsItsLineCount) {
  HWND hMemo = m_Dlg.Item(IDC_T_MEMO);
  Edit(2).SetText(Repeat("a", 40));
  EXPECT_EQ(Repeat("a", 39) + "\r\na", TextOf(hMemo));
  std::string strLines;
  for (int i = 0; i < 31; ++i) strLines += (i ? "\r\n" : "") + std::to_string(i);
  Edit(2).SetText(strLines);
  std::string strShown = TextOf(hMemo);
  EXPECT_EQ(29, CountLines(strShown));
  EXPECT_EQ(strShown.size() - 4, strShown.rfind("\r\n28"));
  // A thirtieth line typed in is undone.
  SendMessageA(hMemo, EM_SETSEL, strShown.size(), strShown.size());
  PasteInto(hMemo, "\r\nx");
  EXPECT_EQ(strShown, TextOf(hMemo));
  // Double-byte characters count one each on a line.
  Edit(2).SetText(Repeat("字", 39));
  EXPECT_EQ(Repeat("字", 39), TextOf(hMemo));
}

TEST_F(StringEditTest, ParameterSettersFillTheLimits) {
  cEditStrParam p;
  std::string s;
  p.Set(0x11003, &s, 12, 1);
  EXPECT_EQ(0x1003, p.wId);
  EXPECT_EQ(13, p.nLimit);
  EXPECT_EQ(12, p.nLineMax);
  EXPECT_EQ(1, p.nLines);
  p.Set(1003, &s, 260, 0);
  EXPECT_EQ(261, p.nLimit);
  EXPECT_EQ(0, p.nLineMax);
  p.SetEx(1003, &s, 1, 39, 29);
  EXPECT_EQ(0, p.nLimit);
  EXPECT_EQ(39, p.nLineMax);
  EXPECT_EQ(29, p.nLines);
  EXPECT_EQ(1, p.bWide);
  EXPECT_EQ(cEditStrCtrl::DEFAULT_LIMIT, Edit(2).m_nLimit);
  EXPECT_EQ(cEditStrCtrl::DEFAULT_LINE_MAX, Edit(1).m_nLineMax);
}
