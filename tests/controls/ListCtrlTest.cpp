#include <gtest/gtest.h>

#include <memory>

#include "ListTestDlg.h"
#include "controls/InputDlg.h"
#include "resources/InputDlgIds.h"
#include "support/TestSupport.h"

namespace {

std::vector<std::string> Names(const cSmallVector& v) {
  std::vector<std::string> r;
  for (size_t i = 0; i < v.size(); ++i) r.push_back(v[static_cast<int>(i)].m_strName);
  return r;
}

class ListCtrlTest : public testing::Test {
 protected:
  void Open(int nListed) {
    m_vSrc = SmallRecords(nListed);
    m_lpDlg.reset(new cListTestDlg(&m_vSrc));
    ASSERT_TRUE(m_lpDlg->Open());
  }
  void TearDown() override {
    m_lpDlg.reset();
    cElemDlg::s_fnOnOk = nullptr;
    cElemDlg::s_nAnswer = IDOK;
  }
  cListTestDlg& Dlg() { return *m_lpDlg; }
  cListCtrl<cSmall>& A() { return m_lpDlg->m_ListA; }
  cListCtrl<cSmall>& B() { return m_lpDlg->m_ListB; }
  // A command as a key, menu or button sends it, with the list focused: 1 when an operation ran
  // and succeeded.
  int Command(cListCtrlBase& list, WORD wId) {
    SetFocus(list.m_hWnd);
    size_t n = Dlg().m_vResults.size();
    SendMessageA(Dlg().m_hWnd, WM_COMMAND, MAKEWPARAM(wId, 1), 0);
    return Dlg().m_vResults.size() > n ? Dlg().m_vResults.back() : -2;
  }
  int Button(WORD wId) {
    size_t n = Dlg().m_vResults.size();
    SendMessageA(Dlg().m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Dlg().m_hWnd, wId)));
    return Dlg().m_vResults.size() > n ? Dlg().m_vResults.back() : -2;
  }

  cSmallVector m_vSrc;
  std::unique_ptr<cListTestDlg> m_lpDlg;
};

}  // namespace

TEST_F(ListCtrlTest, RowsAreNumberedFromTheFirstListedElementAndEndInTheEndRow) {
  Open(3);
  std::vector<std::string> vRows = RowTexts(A().m_hWnd);
  ASSERT_EQ(4u, vRows.size());
  EXPECT_EQ("1 r1 (1)", vRows[0]);
  EXPECT_EQ("3 r3 (3)", vRows[2]);
  EXPECT_EQ(std::string(64, '-'), vRows[3]);
  // Row 0 is current and its element, not the hidden one, is in the editor.
  EXPECT_EQ(std::vector<int>{0}, SelectedRows(A().m_hWnd));
  EXPECT_EQ("r1", Dlg().m_Edit.m_strName);
  EXPECT_EQ(1, A().GetCurDataIndex());
  // The number's width follows the listed count.
  struct {
    int nListed;
    const char* pszFirst;
    const char* pszLast;
  } const aCases[] = {{9, "1 r1 (1)", "9 r9 (9)"}, {10, "01 r1 (1)", "10 r10 (10)"},
                      {100, "001 r1 (1)", "100 r100 (100)"}};
  for (const auto& c : aCases) {
    Dlg().m_vWork = SmallRecords(c.nListed);
    A().Redraw();
    EXPECT_EQ(c.pszFirst, RowText(A().m_hWnd, 0)) << c.nListed;
    EXPECT_EQ(c.pszLast, RowText(A().m_hWnd, c.nListed - 1)) << c.nListed;
  }
}

TEST_F(ListCtrlTest, EmptyListShowsOnlyTheEndRowSelectedAndBlanksTheEditor) {
  Open(0);
  EXPECT_EQ(1, A().GetCount());
  EXPECT_EQ(std::vector<int>{0}, SelectedRows(A().m_hWnd));
  EXPECT_EQ(-1, A().GetCurDataIndex());
  Dlg().m_Edit = cSmall("stale", 5);
  UserSelect(Dlg(), A(), {0}, 0);
  EXPECT_EQ(0, Dlg().m_vResults.back());
  EXPECT_EQ(cSmall(), Dlg().m_Edit);
  // The sub-list without elements holds its end row only, selected as well.
  EXPECT_EQ(std::vector<int>{0}, SelectedRows(B().m_hWnd));
}

TEST_F(ListCtrlTest, AtTheMaximumNewInsertAndPasteBeepAndDeleteStillWorks) {
  Open(999);
  cBeepCounter beeps;
  UserSelect(Dlg(), A(), {4}, 4);
  EXPECT_EQ(1, Command(A(), ID_ACC_COPY_1));
  int nOpened = cElemDlg::s_nOpened;
  EXPECT_NE(1, Command(A(), ID_ACC_NEW_1));
  EXPECT_EQ(0, Button(IDC_BTN_NEW));
  EXPECT_EQ(0, Button(IDC_BTN_INSERT));
  EXPECT_EQ(nOpened, cElemDlg::s_nOpened);  // refused before any dialog opens
  EXPECT_NE(1, Command(A(), ID_ACC_PASTE_1));
  EXPECT_EQ(4, beeps.Count());
  EXPECT_EQ(1000u, Dlg().m_vWork.size());
  EXPECT_EQ(1, Button(IDC_BTN_DELETE));
  EXPECT_EQ(999u, Dlg().m_vWork.size());
  EXPECT_EQ("r6", Dlg().m_Edit.m_strName);
  EXPECT_EQ(4, beeps.Count());
}

TEST_F(ListCtrlTest, PasteThatWouldPassTheMaximumIsRefusedWhole) {
  Open(996);
  cBeepCounter beeps;
  UserSelect(Dlg(), A(), {0, 1, 2}, 0);
  ASSERT_EQ(1, Command(A(), ID_ACC_COPY_1));
  ASSERT_EQ(3u, A().m_vClip.size());
  EXPECT_EQ(1, Command(A(), ID_ACC_PASTE_1));  // 999: exactly the maximum
  EXPECT_EQ(1000u, Dlg().m_vWork.size());
  UserSelect(Dlg(), A(), {5}, 5);
  ASSERT_EQ(1, Button(IDC_BTN_DELETE));  // 998 listed, three on the clipboard
  EXPECT_NE(1, Command(A(), ID_ACC_PASTE_1));
  EXPECT_EQ(999u, Dlg().m_vWork.size());
  EXPECT_EQ(1, beeps.Count());
}

TEST_F(ListCtrlTest, AtTheMinimumDeleteAndCutBeepButCutKeepsTheCopy) {
  Open(1);
  cBeepCounter beeps;
  EXPECT_EQ(0, Button(IDC_BTN_DELETE));
  EXPECT_NE(1, Command(A(), ID_ACC_CUT_1));
  EXPECT_EQ(2, beeps.Count());
  ASSERT_EQ(2u, Dlg().m_vWork.size());
  ASSERT_EQ(1u, A().m_vClip.size());
  EXPECT_EQ("r1", A().m_vClip[0].m_strName);
  // Clear (Delete in a record list) resets the element instead.
  EXPECT_EQ(1, Command(A(), ID_ACC_CLEAR_1));
  EXPECT_EQ(cSmall(), Dlg().m_vWork[1]);
  EXPECT_EQ("hidden", Dlg().m_vWork[0].m_strName);
  EXPECT_EQ(2, beeps.Count());
}

TEST_F(ListCtrlTest, PasteOnTheEndRowAppendsInClipboardOrder) {
  Open(3);
  UserSelect(Dlg(), A(), {0, 2}, 2);
  ASSERT_EQ(1, Command(A(), ID_ACC_COPY_1));
  UserSelect(Dlg(), A(), {3}, 3);  // the end row
  EXPECT_EQ(cSmall(), Dlg().m_Edit);
  EXPECT_EQ(1, Command(A(), ID_ACC_PASTE_1));
  EXPECT_EQ((std::vector<std::string>{"hidden", "r1", "r2", "r3", "r1", "r3"}), Names(Dlg().m_vWork));
  EXPECT_EQ("r1", Dlg().m_Edit.m_strName);
  EXPECT_EQ(std::string(64, '-'), RowText(A().m_hWnd, 5));
  // The source changes only when the page stores.
  EXPECT_EQ(4u, m_vSrc.size());
  A().CtrlToData();
  EXPECT_EQ(6u, m_vSrc.size());
}

TEST_F(ListCtrlTest, DeletingSelectedRowsLeavesTheFirstOfThemCurrentAndAloneSelected) {
  Open(6);
  UserSelect(Dlg(), A(), {2, 3, 4}, 4);
  EXPECT_EQ(1, Button(IDC_BTN_DELETE));
  EXPECT_EQ((std::vector<std::string>{"hidden", "r1", "r2", "r6"}), Names(Dlg().m_vWork));
  EXPECT_EQ(std::vector<int>{2}, SelectedRows(A().m_hWnd));
  EXPECT_EQ(3, A().GetCurDataIndex());
  EXPECT_EQ("r6", Dlg().m_Edit.m_strName);
}

TEST_F(ListCtrlTest, DeletingEveryElementLeavesTheEndRowCurrentSoPasteStillWorks) {
  Open(3);
  Dlg().m_ListA.m_nMinCount = 0;
  UserSelect(Dlg(), A(), {0, 1, 2}, 1);
  ASSERT_EQ(1, Command(A(), ID_ACC_CUT_1));
  EXPECT_EQ(1u, Dlg().m_vWork.size());
  EXPECT_EQ(cSmall(), Dlg().m_Edit);
  EXPECT_EQ(std::vector<int>{0}, SelectedRows(A().m_hWnd));
  EXPECT_EQ(1, Command(A(), ID_ACC_PASTE_1));
  EXPECT_EQ((std::vector<std::string>{"hidden", "r1", "r2", "r3"}), Names(Dlg().m_vWork));
}

TEST_F(ListCtrlTest, ShrinkingTheCountPastTheCurrentRowSelectsRowZero) {
  Open(10);
  // The "データ数" button asks for the count in the value dialog, which shows the current one.
  std::string strShown;
  const char* pszTyped = "5";
  cAnswerWhenUp<cValueDlg> answer([&](cValueDlg* p) {
    char sz[16];
    GetDlgItemTextA(p->m_hWnd, IDC_INPUT_EDIT, sz, sizeof sz);
    strShown = sz;
    SetDlgItemTextA(p->m_hWnd, IDC_INPUT_EDIT, pszTyped);
    PostMessageA(p->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_INPUT_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(p->m_hWnd, IDC_INPUT_OK)));
  });
  UserSelect(Dlg(), A(), {7}, 7);
  EXPECT_EQ(1, Button(IDC_BTN_COUNT));
  EXPECT_EQ("10", strShown);
  EXPECT_EQ(6u, Dlg().m_vWork.size());
  EXPECT_EQ(std::vector<int>{0}, SelectedRows(A().m_hWnd));
  EXPECT_EQ("r1", Dlg().m_Edit.m_strName);
  // Growing appends default elements and keeps the current row.
  UserSelect(Dlg(), A(), {2}, 2);
  pszTyped = "7";
  EXPECT_EQ(1, Button(IDC_BTN_COUNT));
  EXPECT_EQ(8u, Dlg().m_vWork.size());
  EXPECT_EQ(cSmall(), Dlg().m_vWork[7]);
  EXPECT_EQ(std::vector<int>{2}, SelectedRows(A().m_hWnd));
  // Counts outside the limits are refused.
  cBeepCounter beeps;
  for (int n : {0, 1000}) EXPECT_EQ(0, A().SetCount(n)) << n;
  EXPECT_EQ(2, beeps.Count());
  EXPECT_EQ(8u, Dlg().m_vWork.size());
}

TEST_F(ListCtrlTest, InsertEditCancelledTakesOutOnlyTheNewElement) {
  Open(5);
  UserSelect(Dlg(), A(), {1, 2, 3}, 2);
  cElemDlg::s_nAnswer = IDCANCEL;
  int nOpened = cElemDlg::s_nOpened;
  EXPECT_EQ(0, Button(IDC_BTN_INSERT));
  EXPECT_EQ(nOpened + 1, cElemDlg::s_nOpened);
  EXPECT_EQ((std::vector<std::string>{"hidden", "r1", "r2", "r3", "r4", "r5"}), Names(Dlg().m_vWork));
  EXPECT_EQ(2, A().GetCurSel());
  EXPECT_EQ("r3", Dlg().m_Edit.m_strName);
  EXPECT_EQ(nullptr, Dlg().m_lpElemDlg);

  // Confirmed: the new element stays in front of the current one, which is current again, so a
  // second insertion lands after the first.
  cElemDlg::s_nAnswer = IDOK;
  int nNew = 0;
  cElemDlg::s_fnOnOk = [&] { Dlg().m_vWork[1 + A().m_nCurSel].m_strName = "n" + std::to_string(++nNew); };
  EXPECT_EQ(1, Button(IDC_BTN_INSERT));
  EXPECT_EQ(1, Button(IDC_BTN_INSERT));
  EXPECT_EQ((std::vector<std::string>{"hidden", "r1", "r2", "n1", "n2", "r3", "r4", "r5"}),
            Names(Dlg().m_vWork));
  EXPECT_EQ("r3", Dlg().m_Edit.m_strName);
  EXPECT_EQ(std::vector<int>{4}, SelectedRows(A().m_hWnd));
  EXPECT_EQ("4 n2 (0)", RowText(A().m_hWnd, 3));
}

TEST_F(ListCtrlTest, EditOpensNothingOnTheEndRow) {
  Open(2);
  int nOpened = cElemDlg::s_nOpened;
  UserSelect(Dlg(), A(), {2}, 2);
  EXPECT_EQ(0, Button(IDC_BTN_EDIT));
  EXPECT_EQ(nOpened, cElemDlg::s_nOpened);
  UserSelect(Dlg(), A(), {1}, 1);
  cElemDlg::s_fnOnOk = [&] { Dlg().m_vWork[2].m_strName = "edited"; };
  EXPECT_EQ(1, Button(IDC_BTN_EDIT));
  EXPECT_EQ("2 edited (2)", RowText(A().m_hWnd, 1));
}

TEST_F(ListCtrlTest, ReselectStoresThePageEditsAndDataToCtrlFallsBackToTheLastElement) {
  Open(4);
  UserSelect(Dlg(), A(), {1}, 1);
  Dlg().m_Edit.m_nValue = 77;
  EXPECT_EQ(1, A().Reselect());
  EXPECT_EQ(77, Dlg().m_vWork[2].m_nValue);
  EXPECT_EQ("2 r2 (77)", RowText(A().m_hWnd, 1));
  // The source shrinks under the current row: the last element becomes current.
  UserSelect(Dlg(), A(), {3}, 3);
  m_vSrc.resize(3);
  A().DataToCtrl();
  A().RestoreSel();
  EXPECT_EQ(3u, Dlg().m_vWork.size());
  EXPECT_EQ("r2", Dlg().m_Edit.m_strName);
  EXPECT_EQ(std::vector<int>{1}, SelectedRows(A().m_hWnd));
  // From the end row as well.
  UserSelect(Dlg(), A(), {2}, 2);
  A().DataToCtrl();
  A().RestoreSel();
  EXPECT_EQ("r2", Dlg().m_Edit.m_strName);
  EXPECT_EQ(1, A().Reselect());
}

TEST_F(ListCtrlTest, ScrollPositionAndSelectionSurviveAnOperation) {
  Open(60);
  HWND h = A().m_hWnd;
  SendMessageA(h, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
  SendMessageA(h, WM_VSCROLL, SB_ENDSCROLL, 0);
  ASSERT_EQ(30, SendMessageA(h, LB_GETTOPINDEX, 0, 0));
  UserSelect(Dlg(), A(), {33, 35}, 35);
  ASSERT_EQ(1, Command(A(), ID_ACC_CLEAR_1));
  EXPECT_EQ(cSmall(), Dlg().m_vWork[34]);
  EXPECT_EQ(cSmall(), Dlg().m_vWork[36]);
  EXPECT_EQ("r35", Dlg().m_vWork[35].m_strName);
  EXPECT_EQ(30, SendMessageA(h, LB_GETTOPINDEX, 0, 0));
  EXPECT_EQ((std::vector<int>{33, 35}), SelectedRows(h));
  // Appending keeps the scrolled position and makes the new row the one selection.
  ASSERT_EQ(1, Command(A(), ID_ACC_NEW_1));
  EXPECT_EQ(30, SendMessageA(h, LB_GETTOPINDEX, 0, 0));
  EXPECT_EQ(std::vector<int>{60}, SelectedRows(h));
  EXPECT_EQ(cSmall(), Dlg().m_Edit);
}

TEST_F(ListCtrlTest, RightClickPicksTheRowUnderTheCursorByTheRealRowHeight) {
  Open(5);
  HWND h = A().m_hWnd;
  RECT rcWin, rcItem;
  GetWindowRect(h, &rcWin);
  ASSERT_NE(LB_ERR, SendMessageA(h, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcItem)));
  POINT ptClient0 = {0, 0};
  ClientToScreen(h, &ptClient0);
  int nHeight = static_cast<int>(SendMessageA(h, LB_GETITEMHEIGHT, 0, 0));
  int x = rcWin.left + 10;
  struct {
    int y;
    int nRow;  // -1: nothing
  } const aCases[] = {
      {rcWin.top, 0},
      {ptClient0.y + nHeight - 1, 0},
      {ptClient0.y + nHeight, 1},
      {ptClient0.y + 5 * nHeight, 5},  // the end row counts
      {ptClient0.y + 6 * nHeight, -1},
      {rcWin.top - 1, -1},
  };
  for (const auto& c : aCases) {
    UserSelect(Dlg(), A(), {2}, 2);
    SetFocus(B().m_hWnd);
    int r = A().SelectAtPoint(POINT{x, c.y});
    EXPECT_EQ(c.nRow >= 0 ? 1 : 0, r) << c.y;
    if (c.nRow < 0) continue;
    EXPECT_EQ(std::vector<int>{c.nRow}, SelectedRows(h)) << c.y;
    EXPECT_EQ(h, GetFocus());
  }
  // On a row of the selection the whole selection stays.
  UserSelect(Dlg(), A(), {1, 3}, 1);
  EXPECT_EQ(1, A().SelectAtPoint(POINT{x, ptClient0.y + 3 * nHeight + 1}));
  EXPECT_EQ((std::vector<int>{1, 3}), SelectedRows(h));
  EXPECT_EQ(3, A().GetCurSel());
  EXPECT_EQ("r4", Dlg().m_Edit.m_strName);
}
