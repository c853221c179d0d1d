// The value edit: what typing, pasting, the input method, the up-down arrows and leaving the box
// show, and what the field gets, for integer, byte and real fields.
#include <gtest/gtest.h>

#include <cstdio>

#include "BoundTestDlg.h"

namespace {

class ValueEditTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(WindowList.m_vWindows.empty()); }
  cMsgBoxRecorder m_Boxes;
};

std::string Fmt(double d) {
  char sz[64];
  snprintf(sz, sizeof sz, "%g", d);
  return sz;
}

}  // namespace

TEST_F(ValueEditTest, IntegerTypingKeepsTheNumberAndStoresAndShowsOnLeavingTheValueHeldToTheRange) {
  struct {
    int16_t nMin, nMax, nStart;
    const char* pszKeys;
    const char* pszTyped;  // shown after the last key
    int16_t nStored;
    const char* pszLeft;  // shown after the box lost the focus
  } const aCases[] = {
      {1, 119, 1, "150", "150", 119, "119"},
      {1, 512, 40, "4030", "4030", 512, "512"},
      {1, 119, 1, "15", "15", 15, "15"},
      {-20, 20, 0, "-05", "-5", -5, "-5"},
      {-20, 20, 0, "-", "-", 0, "-"},
      {-20, 20, 0, "-0", "-0", 0, "-0"},
      {-20, 20, 0, "-000", "-0", 0, "-0"},
      {-20, 20, 0, "-30", "-30", -20, "-20"},
      {1, 119, 5, "1a2", "12", 12, "12"},
      {1, 119, 5, "1.5", "15", 15, "15"},
      // A box that holds no number, or only what starts one, stores what it shows once held to
      // the range, and shows that when it is left.
      {1, 119, 5, "-", "-", 1, "1"},
      {1, 119, 5, "\b", "", 1, "1"},
      {0, 100, 5, "\b", "", 0, "0"},
      {-20, -5, -10, "-", "-", -5, "-5"},
      {-20, -5, -10, "\b", "", -5, "-5"},
      // Beyond the value type (a short) the number is held to the type at once.
      {1, 119, 5, "99999999999999999999", "32767", 119, "119"},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(std::string(c.pszKeys) + " in " + std::to_string(c.nMin) + ".." + std::to_string(c.nMax));
    cTestRecord rec;
    rec.nShort = c.nStart;
    cBoundTestDlg dlg(&rec);
    dlg.m_vShort[0].m_Param.Set(IDC_T_SHORT, &rec.nShort, c.nMin, c.nMax, IDC_T_SHORT_SPIN, 1);
    ASSERT_TRUE(dlg.Open());
    HWND hEdit = dlg.Item(IDC_T_SHORT);
    EXPECT_EQ(std::to_string(c.nStart), TextOf(hEdit));
    TypeInto(hEdit, c.pszKeys);
    EXPECT_EQ(c.pszTyped, TextOf(hEdit));
    dlg.CtrlsToData();
    EXPECT_EQ(c.nStored, rec.nShort);
    LeaveEdit(dlg.m_hWnd, IDC_T_SHORT);
    EXPECT_EQ(c.pszLeft, TextOf(hEdit));
    dlg.CtrlsToData();
    EXPECT_EQ(c.nStored, rec.nShort);
  }
}

TEST_F(ValueEditTest, TypingOnAfterATooLargeNumberKeepsTheTypedText) {
  cTestRecord rec;
  rec.nShort = 1;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  HWND hEdit = dlg.Item(IDC_T_SHORT);
  TypeInto(hEdit, "1");
  EXPECT_EQ("1", TextOf(hEdit));
  SendMessageA(hEdit, WM_CHAR, '5', 1);
  EXPECT_EQ("15", TextOf(hEdit));
  SendMessageA(hEdit, WM_CHAR, '0', 1);
  EXPECT_EQ("150", TextOf(hEdit));
  EXPECT_EQ(1, rec.nShort);  // only storing writes the field
  dlg.CtrlsToData();
  EXPECT_EQ(119, rec.nShort);
  // The author takes the last digit back and types on: nothing was rewritten on the way.
  SendMessageA(hEdit, WM_CHAR, '\b', 1);
  SendMessageA(hEdit, WM_CHAR, '\b', 1);
  SendMessageA(hEdit, WM_CHAR, '2', 1);
  EXPECT_EQ("12", TextOf(hEdit));
  dlg.CtrlsToData();
  EXPECT_EQ(12, rec.nShort);
}

TEST_F(ValueEditTest, ByteFieldsHoldTheirTypeLimitsAndSpinWithoutWrapping) {
  cTestRecord rec;
  rec.cChar = 120;
  rec.bUChar = 255;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  HWND hChar = dlg.Item(IDC_T_CHAR), hUChar = dlg.Item(IDC_T_UCHAR);

  SpinClick(dlg.m_hWnd, IDC_T_CHAR_SPIN, 1);  // 120 + 10 stops at 127, not -126
  EXPECT_EQ("127", TextOf(hChar));
  SpinClick(dlg.m_hWnd, IDC_T_UCHAR_SPIN, 1);
  EXPECT_EQ("255", TextOf(hUChar));
  dlg.CtrlsToData();
  EXPECT_EQ(127, rec.cChar);
  EXPECT_EQ(255, rec.bUChar);

  TypeInto(hUChar, "0");
  SpinClick(dlg.m_hWnd, IDC_T_UCHAR_SPIN, -1);
  EXPECT_EQ("0", TextOf(hUChar));
  TypeInto(hUChar, "300");
  EXPECT_EQ("255", TextOf(hUChar));
  dlg.CtrlsToData();
  EXPECT_EQ(0xFF, rec.bUChar);
}

TEST_F(ValueEditTest, SignedByteParseHoldsTheTypeBeforeTheRange) {
  cTestRecord rec;
  rec.cChar = 0;
  cBoundTestDlg dlg(&rec);
  dlg.m_vChar[0].m_Param.Set(IDC_T_CHAR, &rec.cChar, -128, 127, IDC_T_CHAR_SPIN, 1);
  ASSERT_TRUE(dlg.Open());
  auto& edit = dlg.m_vChar[0].m_Ctrl;
  HWND hChar = dlg.Item(IDC_T_CHAR);
  TypeInto(hChar, "300");
  EXPECT_EQ(127, edit.ParseText());
  EXPECT_EQ("127", TextOf(hChar));
  TypeInto(hChar, "-300");
  EXPECT_EQ(-128, edit.ParseText());
  EXPECT_EQ("-128", TextOf(hChar));
}

TEST_F(ValueEditTest, SignedByteRangeWrittenAsUnsignedBytesIsMinusTwentyToTwenty) {
  cTestRecord rec;
  rec.cChar = 0;
  cBoundTestDlg dlg(&rec);
  dlg.m_vChar[0].m_Param.Set(IDC_T_CHAR, &rec.cChar, static_cast<int8_t>(236), 20, IDC_T_CHAR_SPIN, 1);
  ASSERT_TRUE(dlg.Open());
  HWND hChar = dlg.Item(IDC_T_CHAR);
  TypeInto(hChar, "-30");
  LeaveEdit(dlg.m_hWnd, IDC_T_CHAR);
  EXPECT_EQ("-20", TextOf(hChar));
  TypeInto(hChar, "30");
  LeaveEdit(dlg.m_hWnd, IDC_T_CHAR);
  EXPECT_EQ("20", TextOf(hChar));
  int nLow = 0, nHigh = 0;
  SendMessageA(dlg.Item(IDC_T_CHAR_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLow),
               reinterpret_cast<LPARAM>(&nHigh));
  EXPECT_EQ(-20, nLow);
  EXPECT_EQ(20, nHigh);
}

TEST_F(ValueEditTest, SpinDownFromTheMinimumKeepsTheMinimum) {
  cTestRecord rec;
  rec.nShort = 1;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  SpinClick(dlg.m_hWnd, IDC_T_SHORT_SPIN, -1);
  EXPECT_EQ("1", TextOf(dlg.Item(IDC_T_SHORT)));
  SpinClick(dlg.m_hWnd, IDC_T_SHORT_SPIN, 3);
  EXPECT_EQ("4", TextOf(dlg.Item(IDC_T_SHORT)));
  // The up-down never writes the box itself.
  EXPECT_FALSE(GetWindowLongPtrA(dlg.Item(IDC_T_SHORT_SPIN), GWL_STYLE) & UDS_SETBUDDYINT);
}

TEST_F(ValueEditTest, RealFieldRoundsToTheStepAndShowsItsPlacesWhenLeft) {
  cTestRecord rec;
  rec.dReal = 1.0;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  HWND hReal = dlg.Item(IDC_T_REAL);
  EXPECT_EQ("1.0", TextOf(hReal));
  TypeInto(hReal, "2.345");
  EXPECT_EQ("2.345", TextOf(hReal));  // as typed while typing
  dlg.CtrlsToData();
  EXPECT_DOUBLE_EQ(2.3, rec.dReal);
  LeaveEdit(dlg.m_hWnd, IDC_T_REAL);
  EXPECT_EQ("2.3", TextOf(hReal));
  SpinClick(dlg.m_hWnd, IDC_T_REAL_SPIN, 1);
  EXPECT_EQ("2.4", TextOf(hReal));
  dlg.CtrlsToData();
  EXPECT_DOUBLE_EQ(2.4, rec.dReal);
  TypeInto(hReal, "12");  // beyond 9.9: as typed, the limit stored and shown once left
  EXPECT_EQ("12", TextOf(hReal));
  dlg.CtrlsToData();
  EXPECT_DOUBLE_EQ(9.9, rec.dReal);
  LeaveEdit(dlg.m_hWnd, IDC_T_REAL);
  EXPECT_EQ("9.9", TextOf(hReal));
  TypeInto(hReal, "3.");  // a number ending in a point stays as typed
  EXPECT_EQ("3.", TextOf(hReal));
}

TEST_F(ValueEditTest, EmptyRealFieldShowsItsEmptyValueWithTheStepsPlaces) {
  struct {
    double dMin, dMax, dStep;
    const char* pszLeft;
    double dStored;
  } const aCases[] = {
      {0.1, 1.0, 0.1, "0.1", 0.1},
      {0.0, 9.9, 0.1, "0.0", 0.0},
      {-640, 640, 0.01, "0.00", 0.0},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszLeft);
    cTestRecord rec;
    rec.dReal = 0.5;
    cBoundTestDlg dlg(&rec);
    dlg.m_vReal[0].m_Param.Set(IDC_T_REAL, &rec.dReal, c.dMin, c.dMax, IDC_T_REAL_SPIN, c.dStep);
    ASSERT_TRUE(dlg.Open());
    HWND hReal = dlg.Item(IDC_T_REAL);
    TypeInto(hReal, "\b");
    EXPECT_EQ("", TextOf(hReal));
    LeaveEdit(dlg.m_hWnd, IDC_T_REAL);
    EXPECT_EQ(c.pszLeft, TextOf(hReal));
    dlg.CtrlsToData();
    EXPECT_DOUBLE_EQ(c.dStored, rec.dReal);
  }
}

TEST_F(ValueEditTest, PastedTextKeepsOnlyWhatFormsANumber) {
  struct {
    const char* pszPaste;
    const char* pszShown;
    double dStored;
  } const aCases[] = {
      {"1-2.5x", "12.5", 12.5},
      {"x-1.5", "-1.5", -1.5},
      {"あ3い", "3", 3.0},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszPaste);
    cTestRecord rec;
    cBoundTestDlg dlg(&rec);
    dlg.m_vReal[0].m_Param.Set(IDC_T_REAL, &rec.dReal, -640, 640, IDC_T_REAL_SPIN, 0.01);
    ASSERT_TRUE(dlg.Open());
    HWND hReal = dlg.Item(IDC_T_REAL);
    SendMessageA(hReal, EM_SETSEL, 0, -1);
    PasteInto(hReal, c.pszPaste);
    EXPECT_EQ(c.pszShown, TextOf(hReal));
    dlg.CtrlsToData();
    EXPECT_EQ(Fmt(c.dStored), Fmt(rec.dReal));
  }
}

TEST_F(ValueEditTest, CompletedCompositionTypesOnlyItsFullWidthNumberCharacters) {
  cFakeIme ime;
  struct {
    const char* pszComposed;
    const char* pszShown;
  } const aCases[] = {
      {"１２．５", "12.5"},
      {"漢字", ""},
      {"12", ""},
      {"－３", "-3"},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszComposed);
    cTestRecord rec;
    cBoundTestDlg dlg(&rec);
    dlg.m_vReal[0].m_Param.Set(IDC_T_REAL, &rec.dReal, -640, 640, IDC_T_REAL_SPIN, 0.1);
    ASSERT_TRUE(dlg.Open());
    HWND hReal = dlg.Item(IDC_T_REAL);
    SetWindowTextA(hReal, "");
    cFakeIme::s_strResult = c.pszComposed;
    EXPECT_EQ(0, SendMessageA(hReal, WM_IME_COMPOSITION, 0, GCS_RESULTSTR));
    EXPECT_EQ(c.pszShown, TextOf(hReal));
  }
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  dlg.m_vReal[0].m_Param.Set(IDC_T_REAL, &rec.dReal, 0.0, 99.9, IDC_T_REAL_SPIN, 0.1);
  ASSERT_TRUE(dlg.Open());
  cFakeIme::s_strResult = "１２．５";
  SetWindowTextA(dlg.Item(IDC_T_REAL), "");
  SendMessageA(dlg.Item(IDC_T_REAL), WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  dlg.CtrlsToData();
  EXPECT_DOUBLE_EQ(12.5, rec.dReal);
}

TEST_F(ValueEditTest, AttachingTwiceKeepsOneSubclassAndStillFilters) {
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  HWND hEdit = dlg.Item(IDC_T_SHORT);
  LONG_PTR lpProc = GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&EditValProc), lpProc);
  dlg.RebindCtrls(dlg.m_vShort);
  EXPECT_EQ(lpProc, GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
  TypeInto(hEdit, "4x2");
  EXPECT_EQ("42", TextOf(hEdit));
  EXPECT_NE(nullptr, dlg.m_vShort[0].m_Ctrl.m_lpfnOldProc);
  EXPECT_FALSE(GetWindowLongPtrA(hEdit, GWL_STYLE) & ES_NUMBER);
}

TEST_F(ValueEditTest, DisablingTheEditDisablesItsUpDown) {
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  EnableCtrlById(dlg.m_vShort, IDC_T_SHORT, 0);
  EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_T_SHORT)));
  EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_T_SHORT_SPIN)));
  EnableCtrlById(dlg.m_vShort, IDC_T_SHORT, 1);
  EXPECT_TRUE(IsWindowEnabled(dlg.Item(IDC_T_SHORT_SPIN)));
}
