// Binding helpers: attaching typed control vectors, finding controls by id, change tests of the
// data pages, numbered name lists, index stepping; and one record round-tripped through every
// control kind.
#include <gtest/gtest.h>

#include "BoundTestDlg.h"
#include "app/Log.h"
#include "app/Window.h"

namespace {

class BindingTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(WindowList.m_vWindows.empty()); }
  cMsgBoxRecorder m_Boxes;
};

struct cNamed {
  std::string m_strName;
};

}  // namespace

TEST_F(BindingTest, RecordRoundTripsThroughEveryControlKind) {
  cTestRecord rec;
  rec.nShort = 12;
  rec.dReal = 2.5;
  rec.cChar = 30;
  rec.bUChar = 250;
  rec.strName = "勇者";
  rec.strBytes = "abc";
  rec.strMemo = "一行目\r\n二行目";
  rec.nCombo = 2;
  rec.cComboChar = 3;
  rec.cCheck = 0;
  rec.bCheckU = 1;
  rec.nSlider = 55;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());

  // Fields to controls.
  EXPECT_EQ("12", TextOf(dlg.Item(IDC_T_SHORT)));
  EXPECT_EQ("2.5", TextOf(dlg.Item(IDC_T_REAL)));
  EXPECT_EQ("30", TextOf(dlg.Item(IDC_T_CHAR)));
  EXPECT_EQ("250", TextOf(dlg.Item(IDC_T_UCHAR)));
  EXPECT_EQ("勇者", TextOf(dlg.Item(IDC_T_NAME)));
  EXPECT_EQ("abc", TextOf(dlg.Item(IDC_T_BYTES)));
  EXPECT_EQ("一行目\r\n二行目", TextOf(dlg.Item(IDC_T_MEMO)));
  EXPECT_EQ(2, SendMessageA(dlg.Item(IDC_T_COMBO), CB_GETCURSEL, 0, 0));
  EXPECT_EQ(2, SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_GETCURSEL, 0, 0));
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(dlg.Item(IDC_T_CHECK), BM_GETCHECK, 0, 0));
  EXPECT_EQ(BST_CHECKED, SendMessageA(dlg.Item(IDC_T_CHECK_U), BM_GETCHECK, 0, 0));
  EXPECT_EQ(55, SendMessageA(dlg.Item(IDC_T_SLIDER), TBM_GETPOS, 0, 0));
  EXPECT_EQ("55", TextOf(dlg.Item(IDC_T_SLIDER_BUDDY)));

  // Controls are edited; nothing reaches the record until the dialog stores.
  TypeInto(dlg.Item(IDC_T_SHORT), "99");
  SpinClick(dlg.m_hWnd, IDC_T_REAL_SPIN, 2);
  TypeInto(dlg.Item(IDC_T_CHAR), "-7");  // range 0..127
  SpinClick(dlg.m_hWnd, IDC_T_UCHAR_SPIN, -50);
  FindCtrl(dlg.m_vStr, IDC_T_NAME)->SetText("魔法使い");
  SetWindowTextA(dlg.Item(IDC_T_BYTES), "");
  PasteInto(dlg.Item(IDC_T_BYTES), "xyz");
  FindCtrl(dlg.m_vStr, IDC_T_MEMO)->SetText("三行目");
  SendMessageA(dlg.Item(IDC_T_COMBO), CB_SETCURSEL, 0, 0);
  SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_SETCURSEL, 3, 0);
  SendMessageA(dlg.Item(IDC_T_CHECK), BM_CLICK, 0, 0);
  SendMessageA(dlg.Item(IDC_T_CHECK_U), BM_CLICK, 0, 0);
  SendMessageA(dlg.Item(IDC_T_SLIDER), TBM_SETPOS, TRUE, 80);
  EXPECT_EQ(12, rec.nShort);
  EXPECT_EQ("勇者", rec.strName);

  // Controls to fields.
  dlg.CtrlsToData();
  EXPECT_EQ(99, rec.nShort);
  EXPECT_DOUBLE_EQ(2.7, rec.dReal);
  EXPECT_EQ(0, rec.cChar);
  EXPECT_EQ(200, rec.bUChar);
  EXPECT_EQ("魔法使い", rec.strName);
  EXPECT_EQ("xyz", rec.strBytes);
  EXPECT_EQ("三行目", rec.strMemo);
  EXPECT_EQ(0, rec.nCombo);
  EXPECT_EQ(4, rec.cComboChar);
  EXPECT_EQ(1, rec.cCheck);
  EXPECT_EQ(0, rec.bCheckU);
  EXPECT_EQ(80, rec.nSlider);

  // And back: a second record shown in the same dialog.
  cTestRecord other;
  other.nShort = 7;
  other.strName = "村人";
  dlg.m_vShort[0].m_Param.pData = &other.nShort;
  dlg.m_vStr[0].m_Param.pStr = &other.strName;
  size_t nCtrls = dlg.m_vCtrls.size();
  dlg.RebindCtrls(dlg.m_vShort);
  dlg.RebindCtrls(dlg.m_vStr);
  EXPECT_EQ(nCtrls, dlg.m_vCtrls.size());
  dlg.DataToCtrls();
  EXPECT_EQ("7", TextOf(dlg.Item(IDC_T_SHORT)));
  EXPECT_EQ("村人", TextOf(dlg.Item(IDC_T_NAME)));
}

TEST_F(BindingTest, AttachCtrlsAppendsInVectorOrderAfterWhatIsThere) {
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  cBindVec<cEditValCtrl<int16_t>, cEditValParam<int16_t>> vEdits(2);
  cBindVec<cButtonCtrl, cButtonParam> vButtons(3), vNone;
  vEdits[0].m_Param.Set(IDC_T_SHORT, &rec.nShort, 0, 10, 0, 1);
  vEdits[1].m_Param.Set(IDC_T_CHAR, &rec.nShort, 0, 10, 0, 1);
  vButtons[0].m_Param.Set(IDC_T_BUTTON);
  vButtons[1].m_Param.Set(IDC_T_LABEL);
  vButtons[2].m_Param.Set(IDC_T_CHECK);
  std::vector<cControl*> vBefore;
  dlg.m_fnInit = [&](cBoundTestDlg* p) {
    vBefore = p->m_vCtrls;
    EXPECT_EQ(0, p->AttachCtrls(vNone));
    EXPECT_EQ(2, p->AttachCtrls(vEdits));
    EXPECT_EQ(3, p->AttachCtrls(vButtons));
  };
  ASSERT_TRUE(dlg.Open());
  ASSERT_EQ(vBefore.size() + 5, dlg.m_vCtrls.size());
  std::vector<cControl*> vTail(dlg.m_vCtrls.end() - 5, dlg.m_vCtrls.end());
  EXPECT_EQ((std::vector<cControl*>{&vEdits[0].m_Ctrl, &vEdits[1].m_Ctrl, &vButtons[0].m_Ctrl,
                                    &vButtons[1].m_Ctrl, &vButtons[2].m_Ctrl}),
            vTail);
  EXPECT_EQ(dlg.Item(IDC_T_LABEL), vButtons[1].m_Ctrl.m_hWnd);
  dlg.Dispose();
}

TEST_F(BindingTest, FindCtrlTakesTheFirstMatchOfTheLow16BitsAndReportsAMissingId) {
  cBindVec<cButtonCtrl, cButtonParam> v(3), vNone;
  v[0].m_Param.Set(1100);
  v[1].m_Param.Set(1101);
  v[2].m_Param.Set(1101);
  EXPECT_EQ(&v[1].m_Ctrl, FindCtrl(v, 1101));
  EXPECT_EQ(&v[0].m_Ctrl, FindCtrl(v, 0x10000 + 1100));
  EXPECT_TRUE(m_Boxes.Shown().empty());

  cTempDir dir;
  SetErrorLog(1, dir.File("EC_Editor.txt").c_str());
  EXPECT_EQ(nullptr, FindCtrl(v, 1102));
  EXPECT_EQ(nullptr, FindCtrl(vNone, 1100));
  EXPECT_EQ(FALSE, EnableCtrlById(v, 1103, 1));
  EXPECT_EQ(FALSE, ShowCtrlById(v, 1103, 1));
  SetErrorLog(0, "EC_Editor.txt");
  ASSERT_EQ(4u, m_Boxes.Shown().size());
  EXPECT_EQ("コントロールID 【1102】 が見つかりません！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("コントロールID 【1103】 が見つかりません！", m_Boxes.Shown()[3].strText);
}

TEST_F(BindingTest, ShowCtrlByIdHidesAndShowsWithoutTouchingTheBinding) {
  cTestRecord rec;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  ShowCtrlById(dlg.m_vStatic, IDC_T_LABEL, 0);
  EXPECT_FALSE(IsWindowVisible(dlg.Item(IDC_T_LABEL)));
  ShowCtrlById(dlg.m_vButton, IDC_T_BUTTON, 0);
  EXPECT_FALSE(IsWindowVisible(dlg.Item(IDC_T_BUTTON)));
  ShowCtrlById(dlg.m_vStatic, IDC_T_LABEL, 1);
  EXPECT_TRUE(IsWindowVisible(dlg.Item(IDC_T_LABEL)));
  EXPECT_EQ(dlg.Item(IDC_T_BUTTON), FindCtrl(dlg.m_vButton, IDC_T_BUTTON)->m_hWnd);
}

TEST_F(BindingTest, ChangeTestsOfTheDataPagesMatchIdAndNotification) {
  struct {
    int32_t nType;
    WORD wCode;
    WORD wId;
    int nExpected;
  } const aCases[] = {
      {cControl::KIND_BUTTON, BN_CLICKED, 1100, 1},   {cControl::KIND_BUTTON, BN_DOUBLECLICKED, 1100, 0},
      {cControl::KIND_CHECK, BN_CLICKED, 1100, 1},    {cControl::KIND_EDITVAL, EN_CHANGE, 1100, 1},
      {cControl::KIND_EDITSTR, EN_CHANGE, 1100, 1},   {cControl::KIND_EDITVAL, EN_KILLFOCUS, 1100, 0},
      {cControl::KIND_COMBO, CBN_SELCHANGE, 1100, 1}, {cControl::KIND_LIST, LBN_SELCHANGE, 1100, 1},
      {cControl::KIND_COMBO, CBN_SELCHANGE, 1101, 0}, {cControl::KIND_STATIC, 0, 1100, 0},
  };
  for (const auto& c : aCases) {
    cCtrlEvent e;
    e.Set(c.nType, 1100, nullptr);
    EXPECT_EQ(c.nExpected, e.IsChange(MAKEWPARAM(c.wId, c.wCode))) << c.nType << "/" << c.wCode;
  }
}

TEST_F(BindingTest, NumberedNameListsStartAtRecordOne) {
  cChkVector<cNamed> vOne(1), vMany(1000);
  cItemVector vNames = {"stale"};
  MakeNumberedNameList(vNames, vOne);
  EXPECT_TRUE(vNames.empty());
  for (size_t i = 0; i < vMany.size(); ++i) vMany[static_cast<int>(i)].m_strName = "v" + std::to_string(i);
  MakeNumberedNameList(vNames, vMany);
  ASSERT_EQ(999u, vNames.size());
  EXPECT_EQ("001 v1", vNames[0]);
  EXPECT_EQ("999 v999", vNames[998]);

  cTestRecord rec;
  rec.cComboChar = 2;
  cBoundTestDlg dlg(&rec);
  ASSERT_TRUE(dlg.Open());
  cItemVector vList;
  cChkVector<cNamed> vRecs(3);
  vRecs[1].m_strName = "甲";
  vRecs[2].m_strName = "乙";
  SetComboNameList(dlg.m_vComboChar, IDC_T_COMBO_CHAR, vList, vRecs);
  EXPECT_EQ(2, SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(1, SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_GETCURSEL, 0, 0));
  char sz[64] = "";
  SendMessageA(dlg.Item(IDC_T_COMBO_CHAR), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(sz));
  EXPECT_STREQ("002 乙", sz);
}

TEST_F(BindingTest, WrapAddLandsOnTheOppositeEnd) {
  struct {
    int32_t nFrom, nStep, nLow, nHigh, nTo;
  } const aCases[] = {
      {1, -1, 1, 20, 20}, {20, 1, 1, 20, 1}, {5, 3, 1, 20, 8}, {19, 5, 1, 20, 1}, {2, -10, 1, 20, 20},
      {0, 1, 0, 0, 0},
  };
  for (const auto& c : aCases) {
    int32_t n = c.nFrom;
    EXPECT_EQ(c.nTo, WrapAdd(n, c.nStep, c.nLow, c.nHigh));
    EXPECT_EQ(c.nTo, n);
  }
}

TEST_F(BindingTest, SafeDeleteEmptiesTheHolder) {
  int nGone = 0;
  struct cObj {
    explicit cObj(int* p) : m_p(p) {}
    virtual ~cObj() { ++*m_p; }
    int* m_p;
  };
  cObj* p = new cObj(&nGone);
  SafeDelete(p);
  EXPECT_EQ(nullptr, p);
  SafeDelete(p);
  EXPECT_EQ(1, nGone);
}
