// The control set of a dialog: the order its kinds attach in, what it finds by id of which kind,
// and whether it reports a missing id.
#include <gtest/gtest.h>

#include "BoundTestDlg.h"
#include "app/Log.h"
#include "app/Window.h"
#include "controls/CtrlSet.h"

namespace {

class CtrlSetTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(WindowList.m_vWindows.empty()); }

  // Binds the test dialog's items of several kinds to the record in a set.
  void Fill(cCtrlSet& set, cTestRecord& rec) {
    set.Button(IDC_T_BUTTON);
    set.Value(IDC_T_SHORT, &rec.nShort, 1, 119, IDC_T_SHORT_SPIN);
    set.Value(IDC_T_REAL, &rec.dReal, 0.0, 9.9, IDC_T_REAL_SPIN, 0.1);
    set.Value(IDC_T_UCHAR, &rec.bUChar, 0, 255, IDC_T_UCHAR_SPIN);
    set.Combo(IDC_T_COMBO, &rec.nCombo, g_aTestColours);
    set.Combo(IDC_T_COMBO_CHAR, &rec.cComboChar, &m_vNames, 1);
    set.Check(IDC_T_CHECK, &rec.cCheck);
    set.Check(IDC_T_CHECK_U, &rec.bCheckU);
    set.Static(IDC_T_LABEL);
    set.Picture(IDC_T_PICTURE, 32, 32);
  }

  cMsgBoxRecorder m_Boxes;
  cItemVector m_vNames = {"001 一", "002 二", "003 三", "004 四"};
};

}  // namespace

TEST_F(CtrlSetTest, KindsAttachInTheSetsOrderAndEachKindInRegistrationOrder) {
  cTestRecord rec;
  rec.nCombo = 2;
  cBoundTestDlg dlg(&rec);
  cCtrlSet set;
  Fill(set, rec);
  set.Check(IDC_T_CHECK_U, &rec.bCheckU);  // a second of its kind, after the first
  set.SetAttachOrder({cCtrlSet::CHECKU8, cCtrlSet::BUTTON, cCtrlSet::EDIT16});
  size_t nBefore = 0;
  dlg.m_fnInit = [&](cBoundTestDlg* p) {
    nBefore = p->m_vCtrls.size();
    set.AttachAll(p);
    p->DataToCtrls();
  };
  ASSERT_TRUE(dlg.Open());
  const std::vector<cControl*> vExpected = {
      &set.m_vCheckU8[0].m_Ctrl, &set.m_vCheckU8[1].m_Ctrl, &set.m_vButton[0].m_Ctrl,
      &set.m_vEdit16[0].m_Ctrl,  &set.m_vEditReal[0].m_Ctrl, &set.m_vEditU8[0].m_Ctrl,
      &set.m_vCheck8[0].m_Ctrl,  &set.m_vCombo16[0].m_Ctrl, &set.m_vCombo8[0].m_Ctrl,
      &set.m_vStatic[0].m_Ctrl,  &set.m_vPicture[0].m_Ctrl};
  ASSERT_EQ(nBefore + vExpected.size(), dlg.m_vCtrls.size());
  EXPECT_EQ(vExpected, std::vector<cControl*>(dlg.m_vCtrls.begin() + nBefore, dlg.m_vCtrls.end()));

  // Every kind is found by id, typed or not, and reads what the screen shows.
  EXPECT_EQ(dlg.Item(IDC_T_REAL), set.Val<double>(IDC_T_REAL)->m_hWnd);
  EXPECT_EQ(dlg.Item(IDC_T_PICTURE), set.Ctrl(IDC_T_PICTURE)->m_hWnd);
  EXPECT_EQ(dlg.Item(IDC_T_LABEL), set.Stc(IDC_T_LABEL)->m_hWnd);
  EXPECT_EQ(2, set.ComboValue(IDC_T_COMBO));
  EXPECT_EQ(2, set.ComboValue(IDC_T_COMBO_CHAR));
  EXPECT_TRUE(set.IsChecked(IDC_T_CHECK));
  set.SetChecked(IDC_T_CHECK, false);
  set.SetCheckState(IDC_T_CHECK_U, BST_INDETERMINATE);
  EXPECT_EQ(BST_UNCHECKED, set.CheckState(IDC_T_CHECK));
  EXPECT_EQ(1, rec.cCheck);  // the field waits for the dialog's store
  EXPECT_EQ(BST_INDETERMINATE, set.CheckState(IDC_T_CHECK_U));
  set.Enable({IDC_T_SHORT, IDC_T_BUTTON}, false);
  EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_T_SHORT)));
  EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_T_SHORT_SPIN)));
  EXPECT_FALSE(IsWindowEnabled(dlg.Item(IDC_T_BUTTON)));
  set.Show(IDC_T_LABEL, false);
  EXPECT_FALSE(IsWindowVisible(dlg.Item(IDC_T_LABEL)));
  EXPECT_TRUE(m_Boxes.Shown().empty());
  dlg.Dispose();
}

TEST_F(CtrlSetTest, RebindShowsTheNewFieldsAndLeavesTheDialogsListAlone) {
  cTestRecord rec, other;
  other.nShort = 77;
  other.cCheck = 0;
  cBoundTestDlg dlg(&rec);
  cCtrlSet set;
  Fill(set, rec);
  dlg.m_fnInit = [&](cBoundTestDlg* p) { set.AttachAll(p); };
  ASSERT_TRUE(dlg.Open());
  const size_t nCtrls = dlg.m_vCtrls.size();
  set.m_vEdit16[0].m_Param.pData = &other.nShort;
  set.m_vCheck8[0].m_Param.pData = &other.cCheck;
  set.RebindAll(&dlg);
  EXPECT_EQ(nCtrls, dlg.m_vCtrls.size());
  set.m_vEdit16[0].m_Ctrl.DataToCtrl();
  set.m_vCheck8[0].m_Ctrl.DataToCtrl();
  EXPECT_EQ("77", TextOf(dlg.Item(IDC_T_SHORT)));
  EXPECT_FALSE(set.IsChecked(IDC_T_CHECK));
  dlg.Dispose();
}

TEST_F(CtrlSetTest, AMissingIdIsReportedOnlyWhereTheSetReports) {
  cTestRecord rec;
  cTempDir dir;
  SetErrorLog(1, dir.File("EC_Editor.txt").c_str());
  cCtrlSet quiet;
  Fill(quiet, rec);
  quiet.SetReportMissing(false);
  EXPECT_EQ(nullptr, quiet.Ctrl(1102));
  EXPECT_EQ(nullptr, quiet.Val<int16_t>(IDC_T_REAL));  // there, but of another kind
  EXPECT_EQ(-1, quiet.ComboValue(IDC_T_CHECK));
  EXPECT_EQ(0, quiet.CheckState(IDC_T_COMBO));
  quiet.Enable(1102, true);
  EXPECT_TRUE(m_Boxes.Shown().empty());

  cCtrlSet loud;
  Fill(loud, rec);
  EXPECT_EQ(&loud.m_vButton[0].m_Ctrl, loud.Btn(0x10000 + IDC_T_BUTTON));
  EXPECT_EQ(nullptr, loud.Find(1102));
  EXPECT_TRUE(m_Boxes.Shown().empty());
  EXPECT_EQ(nullptr, loud.Ctrl(1102));
  EXPECT_EQ(nullptr, loud.Cb<int8_t>(IDC_T_COMBO));
  EXPECT_EQ(nullptr, loud.ParamOf<cComboCtrl<int16_t>>(1103));
  SetErrorLog(0, "EC_Editor.txt");
  ASSERT_EQ(3u, m_Boxes.Shown().size());
  EXPECT_EQ("コントロールID 【1102】 が見つかりません！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("コントロールID 【9111】 が見つかりません！", m_Boxes.Shown()[1].strText);
  EXPECT_EQ("コントロールID 【1103】 が見つかりません！", m_Boxes.Shown()[2].strText);
}
