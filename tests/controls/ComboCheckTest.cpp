// Combo boxes over a table or a vector of item texts, check boxes over byte fields, the slider
// with its buddy, and the picture control's surfaces.
#include <gtest/gtest.h>

#include "BoundTestDlg.h"

namespace {

class ComboCheckTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(WindowList.m_vWindows.empty()); }
  int CurSel(cBoundTestDlg& dlg, int nId) {
    return static_cast<int>(SendMessageA(dlg.Item(nId), CB_GETCURSEL, 0, 0));
  }
  int Count(cBoundTestDlg& dlg, int nId) {
    return static_cast<int>(SendMessageA(dlg.Item(nId), CB_GETCOUNT, 0, 0));
  }
  cMsgBoxRecorder m_Boxes;
};

const char* const s_aEmpty[] = {""};

}  // namespace

TEST_F(ComboCheckTest, TableComboSelectsByValueMinusMinimum) {
  struct {
    int16_t nValue;
    int nSel;
  } const aCases[] = {{0, 0}, {1, 1}, {2, 2}, {3, -1}, {-1, -1}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nValue);
    cTestRecord rec;
    rec.nCombo = c.nValue;
    cBoundTestDlg dlg(&rec);
    ASSERT_TRUE(dlg.Open());
    EXPECT_EQ(3, Count(dlg, IDC_T_COMBO));
    EXPECT_EQ(c.nSel, CurSel(dlg, IDC_T_COMBO));
    // Nothing selected: the field keeps what it holds.
    dlg.CtrlsToData();
    EXPECT_EQ(c.nValue, rec.nCombo);
    SendMessageA(dlg.Item(IDC_T_COMBO), CB_SETCURSEL, 2, 0);
    dlg.CtrlsToData();
    EXPECT_EQ(2, rec.nCombo);
  }
}

TEST_F(ComboCheckTest, VectorComboFromMinimumOneStoresTheRecordIndex) {
  cTestRecord rec;
  rec.cComboChar = 2;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  auto* lpCombo = FindCtrl(dlg.m_vComboChar, IDC_T_COMBO_CHAR);
  ASSERT_NE(nullptr, lpCombo);
  EXPECT_EQ(1, CurSel(dlg, IDC_T_COMBO_CHAR));
  EXPECT_EQ(2, lpCombo->GetCurData());
  SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_SETCURSEL, 0, 0);
  dlg.CtrlsToData();
  EXPECT_EQ(1, rec.cComboChar);
  SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(0, lpCombo->GetCurData());
  dlg.CtrlsToData();
  EXPECT_EQ(1, rec.cComboChar);
}

TEST_F(ComboCheckTest, RefillKeepsAValueThatStillHasAnItemElseTheFirst) {
  struct {
    int8_t nValue;
    int nSelAfter;
  } const aCases[] = {{7, 0}, {3, 2}, {5, 4}, {6, 0}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nValue);
    cTestRecord rec;
    rec.cComboChar = c.nValue;
    cBoundTestDlg dlg(&rec);
    dlg.m_vNames.resize(10, "名");
    ASSERT_TRUE(dlg.Open());
    auto* lpCombo = FindCtrl(dlg.m_vComboChar, IDC_T_COMBO_CHAR);
    ASSERT_EQ(10, Count(dlg, IDC_T_COMBO_CHAR));
    dlg.m_vNames.resize(5);
    lpCombo->Refill();
    EXPECT_EQ(5, Count(dlg, IDC_T_COMBO_CHAR));
    EXPECT_EQ(c.nSelAfter, CurSel(dlg, IDC_T_COMBO_CHAR));
    EXPECT_EQ(c.nValue, rec.cComboChar);  // a refill never writes the field
  }
}

TEST_F(ComboCheckTest, EmptyTableGivesNoItemAndLeavesTheField) {
  cTestRecord rec;
  rec.nCombo = 2;
  cBoundTestDlg dlg(&rec);
  dlg.m_vCombo[0].m_Param.SetTable(IDC_T_COMBO, &rec.nCombo, s_aEmpty, 0);
  ASSERT_TRUE(dlg.Open());
  EXPECT_EQ(0, Count(dlg, IDC_T_COMBO));
  EXPECT_EQ(-1, CurSel(dlg, IDC_T_COMBO));
  dlg.CtrlsToData();
  EXPECT_EQ(2, rec.nCombo);
  // Filled later from a table, the same value is selected again.
  FindCtrl(dlg.m_vCombo, IDC_T_COMBO)->SetItemTable(g_aTestColours);
  EXPECT_EQ(0, CurSel(dlg, IDC_T_COMBO));  // nothing was selected: the first item
}

TEST_F(ComboCheckTest, SetMinRaisesTheFieldAndKeepsThePosition) {
  cTestRecord rec;
  rec.nCombo = 1;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  auto* lpCombo = FindCtrl(dlg.m_vCombo, IDC_T_COMBO);
  lpCombo->SetMin(5);
  EXPECT_EQ(5, rec.nCombo);
  EXPECT_EQ(1, CurSel(dlg, IDC_T_COMBO));
  EXPECT_EQ(6, lpCombo->GetCurData());
  lpCombo->SetCurData(9);  // past the last value: nothing
  EXPECT_EQ(-1, CurSel(dlg, IDC_T_COMBO));
  lpCombo->Adjust();
  EXPECT_EQ(0, CurSel(dlg, IDC_T_COMBO));
}

TEST_F(ComboCheckTest, CheckBoxesOverByteFields) {
  cTestRecord rec;
  rec.cCheck = 1;
  rec.bCheckU = 0;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  EXPECT_EQ(BST_CHECKED, SendMessageA(dlg.Item(IDC_T_CHECK), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(dlg.Item(IDC_T_CHECK_U), BM_GETCHECK, 0, 0));
  SendMessageA(dlg.Item(IDC_T_CHECK), BM_CLICK, 0, 0);
  SendMessageA(dlg.Item(IDC_T_CHECK_U), BM_CLICK, 0, 0);
  EXPECT_EQ(1, rec.cCheck);  // only storing writes the fields
  dlg.CtrlsToData();
  EXPECT_EQ(0, rec.cCheck);
  EXPECT_EQ(1, rec.bCheckU);
  auto* lpCheck = FindCtrl(dlg.m_vCheckU, IDC_T_CHECK_U);
  lpCheck->SetCheck(0);
  EXPECT_EQ(0, lpCheck->GetCheck());
  EXPECT_EQ(1, rec.bCheckU);
  // A click reports the box whatever the notification.
  EXPECT_EQ(IDC_T_CHECK, dlg.ChangedCtrlId(MAKEWPARAM(IDC_T_CHECK, BN_DOUBLECLICKED)));
}

TEST_F(ComboCheckTest, SliderFollowsItsThumbInTheBuddyAndStoresThePosition) {
  cTestRecord rec;
  rec.nSlider = 40;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  HWND hSlider = dlg.Item(IDC_T_SLIDER), hBuddy = dlg.Item(IDC_T_SLIDER_BUDDY);
  EXPECT_EQ(40, SendMessageA(hSlider, TBM_GETPOS, 0, 0));
  EXPECT_EQ("40", TextOf(hBuddy));
  EXPECT_EQ(10, SendMessageA(hSlider, TBM_GETPAGESIZE, 0, 0));
  EXPECT_EQ(100, SendMessageA(hSlider, TBM_GETRANGEMAX, 0, 0));
  SendMessageA(hSlider, TBM_SETPOS, TRUE, 70);
  SendMessageA(dlg.m_hWnd, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 70), reinterpret_cast<LPARAM>(hSlider));
  EXPECT_EQ("70", TextOf(hBuddy));
  dlg.CtrlsToData();
  EXPECT_EQ(70, rec.nSlider);
  // Past the maximum: the thumb at the end, the maximum in the buddy and stored.
  rec.nSlider = 150;
  dlg.DataToCtrls();
  EXPECT_EQ(100, SendMessageA(hSlider, TBM_GETPOS, 0, 0));
  EXPECT_EQ("100", TextOf(hBuddy));
  dlg.CtrlsToData();
  EXPECT_EQ(100, rec.nSlider);
  // Disabling the slider disables its buddy.
  EnableCtrlById(dlg.m_vSlider, IDC_T_SLIDER, 0);
  EXPECT_FALSE(IsWindowEnabled(hBuddy));
}

TEST_F(ComboCheckTest, SliderWithoutBuddyWorksAlone) {
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  dlg.m_vSlider[0].m_Param.Set(IDC_T_SLIDER, &rec.nSlider, 0, 255, 30, 1, 0);
  ASSERT_TRUE(dlg.Open());
  EXPECT_EQ("", TextOf(dlg.Item(IDC_T_SLIDER_BUDDY)));
  SendMessageA(dlg.Item(IDC_T_SLIDER), TBM_SETPOS, TRUE, 200);
  SendMessageA(dlg.m_hWnd, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(dlg.Item(IDC_T_SLIDER)));
  dlg.CtrlsToData();
  EXPECT_EQ(200, rec.nSlider);
}

TEST_F(ComboCheckTest, PictureControlGetsASurfaceOfItsGivenOrOwnSize) {
  struct {
    int32_t nWidth, nHeight;
  } const aCases[] = {{32, 32}, {0, 0}};
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.nWidth);
    cTestRecord rec;
    cBoundTestDlg dlg(&rec);
    dlg.m_vBitmap[0].m_Param.Set(IDC_T_PICTURE, c.nWidth, c.nHeight);
    ASSERT_TRUE(dlg.Open());
    RECT rc;
    GetClientRect(dlg.Item(IDC_T_PICTURE), &rc);
    if (c.nWidth) {
      EXPECT_EQ(32, rc.right);
      EXPECT_EQ(32, rc.bottom);
    }
    const cBitmapCtrl& pic = dlg.m_vBitmap[0].m_Ctrl;
    EXPECT_EQ(rc.right, pic.m_Surface.m_nWidth);
    EXPECT_EQ(rc.bottom, pic.m_Surface.m_nHeight);
    EXPECT_EQ(32, pic.m_Surface.Bits());
    EXPECT_NE(nullptr, pic.m_Window.m_hDC);
    // Drawn and copied to the window as the owners do.
    BitBlt(pic.m_Window.m_hDC, 0, 0, pic.m_Surface.m_nWidth, pic.m_Surface.m_nHeight, pic.m_Surface.m_hDC, 0, 0,
           SRCCOPY);
  }
}
