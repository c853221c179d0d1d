// Long lists after each editing operation: the rows, their texts, the end row, the selection, the
// caret, the anchor and the top row are what a complete refill of the list box gives, shown beside
// it in a second list box of the same template that is emptied and filled row by row from the
// data. The list changes only the rows that differ, so stale texts or a lost selection would show.
// Also: a list whose template scrolls sideways can be scrolled to its widest row.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ListTestDlg.h"
#include "app/TextFormat.h"
#include "support/TestSupport.h"

namespace {

// What a list box shows, row by row, and its scroll bars: which are there (bit 0 the horizontal,
// bit 1 the vertical), and the range, page and position of each.
struct cShown {
  std::vector<std::string> vRows;
  std::vector<int> vSelected;
  int nCaret, nAnchor, nTop, nCurSel;
  int nBars;
  std::vector<int> vScroll;
  bool operator==(const cShown& o) const {
    return vRows == o.vRows && vSelected == o.vSelected && nCaret == o.nCaret && nAnchor == o.nAnchor &&
           nTop == o.nTop && nCurSel == o.nCurSel && nBars == o.nBars && vScroll == o.vScroll;
  }
};

void PrintTo(const cShown& s, std::ostream* os) {
  *os << s.vRows.size() << " rows, top " << s.nTop << ", caret " << s.nCaret << ", anchor " << s.nAnchor
      << ", cursel " << s.nCurSel << ", selected {";
  for (int r : s.vSelected) *os << r << " ";
  *os << "}, bars " << s.nBars << " {";
  for (int n : s.vScroll) *os << n << " ";
  *os << "}";
  for (size_t i = 0; i < s.vRows.size(); ++i)
    if (i < 3 || i + 3 >= s.vRows.size()) *os << "\n  " << i << ": " << s.vRows[i];
}

cShown Shown(HWND h) {
  cShown s;
  s.vRows = RowTexts(h);
  s.vSelected = SelectedRows(h);
  s.nCaret = static_cast<int>(SendMessageA(h, LB_GETCARETINDEX, 0, 0));
  s.nAnchor = static_cast<int>(SendMessageA(h, LB_GETANCHORINDEX, 0, 0));
  s.nTop = static_cast<int>(SendMessageA(h, LB_GETTOPINDEX, 0, 0));
  s.nCurSel = static_cast<int>(SendMessageA(h, LB_GETCURSEL, 0, 0));
  const LONG_PTR nStyle = GetWindowLongPtrA(h, GWL_STYLE);
  s.nBars = ((nStyle & WS_HSCROLL) ? 1 : 0) | ((nStyle & WS_VSCROLL) ? 2 : 0);
  for (int nBar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO si = {sizeof si, SIF_ALL};
    if (!GetScrollInfo(h, nBar, &si)) si = SCROLLINFO{};
    s.vScroll.insert(s.vScroll.end(), {si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos});
  }
  return s;
}

// The list box's window as it is painted on the screen, frame and scroll bars included.
std::vector<uint32_t> Painted(HWND h) {
  RECT rc;
  GetWindowRect(h, &rc);
  const int nW = rc.right - rc.left, nH = rc.bottom - rc.top;
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof bi.bmiHeader, nW, -nH, 1, 32, BI_RGB};
  void* pBits = nullptr;
  HDC hWin = GetWindowDC(h);
  HDC hMem = CreateCompatibleDC(hWin);
  HBITMAP hBmp = CreateDIBSection(hWin, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
  std::vector<uint32_t> v;
  if (hBmp) {
    HGDIOBJ hOld = SelectObject(hMem, hBmp);
    BitBlt(hMem, 0, 0, nW, nH, hWin, 0, 0, SRCCOPY);
    GdiFlush();
    v.assign(static_cast<const uint32_t*>(pBits), static_cast<const uint32_t*>(pBits) + size_t(nW) * nH);
    SelectObject(hMem, hOld);
    DeleteObject(hBmp);
  }
  DeleteDC(hMem);
  ReleaseDC(h, hWin);
  return v;
}

// A list box of the same template beside the list, filled the plain way: emptied, every row of the
// data added in turn (numbered from 1 with as many digits as the listed count has, then the end
// row), then the list's remembered top row, selection, caret and anchor applied.
class cPlainRefill {
 public:
  // The template's styles: a list box drops WS_HSCROLL while its scroll bar is hidden.
  cPlainRefill(const cListCtrlBase& list, DWORD dwTemplateStyle) {
    HWND h = list.m_hWnd;
    RECT rc;
    GetWindowRect(h, &rc);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&rc), 2);
    m_hWnd = CreateWindowExA(static_cast<DWORD>(GetWindowLongPtrA(h, GWL_EXSTYLE)), "LISTBOX", "", static_cast<DWORD>(GetWindowLongPtrA(h, GWL_STYLE)) | dwTemplateStyle, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, GetParent(h), nullptr, GetModuleHandleA(nullptr),
                             nullptr);
    SendMessageA(m_hWnd, WM_SETFONT, SendMessageA(h, WM_GETFONT, 0, 0), FALSE);
  }
  ~cPlainRefill() { DestroyWindow(m_hWnd); }

  template <class T>
  cShown Fill(const cListCtrl<T>& list, const cChkVector<T>& vData) {
    auto send = [&](UINT m, WPARAM w, LPARAM l) { SendMessageA(m_hWnd, m, w, l); };
    send(LB_RESETCONTENT, 0, 0);
    // The same scrolling room sideways (which decides how many rows a page has).
    send(LB_SETHORIZONTALEXTENT, SendMessageA(list.m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0), 0);
    const int nListed = static_cast<int>(vData.size()) - list.m_nFirst;
    const int nDigits = static_cast<int>(std::to_string(nListed).size());
    for (int i = 0; i < nListed; ++i) {
      std::string strText;
      list.m_lpfnRowText(strText, list.m_nFirst + i, vData[list.m_nFirst + i]);
      if (list.m_bNumbering) {
        std::string strNo = std::to_string(i + 1);
        strText = std::string(static_cast<size_t>(nDigits) - strNo.size(), '0') + strNo + " " + strText;
      }
      send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strText.c_str()));
    }
    if (list.m_bEndRow) send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.m_strEndRow.c_str()));
    send(LB_SETTOPINDEX, static_cast<WPARAM>(list.m_nTopIndex), 0);
    if (list.m_bMultiSel) {
      for (size_t i = 0; i < list.m_vSelFlags.size(); ++i)
        if (list.m_vSelFlags[i]) send(LB_SETSEL, TRUE, static_cast<LPARAM>(i));
      send(LB_SETANCHORINDEX, static_cast<WPARAM>(list.m_nAnchor), 0);
      send(LB_SETCARETINDEX, static_cast<WPARAM>(list.m_nCurSel), 0);
    } else {
      send(LB_SETCURSEL, static_cast<WPARAM>(list.m_nCurSel), 0);
    }
    send(LB_SETTOPINDEX, static_cast<WPARAM>(list.m_nTopIndex), 0);
    return Shown(m_hWnd);
  }

 private:
  HWND m_hWnd = nullptr;
};

class ListRefillTest : public testing::Test {
 protected:
  void Open(int nListed, int nSub) {
    m_vSrc = SmallRecords(nListed);
    m_lpDlg.reset(new cListTestDlg(&m_vSrc));
    for (int i = 0; i < nSub; ++i) m_lpDlg->m_vSub.push_back(cSmall(("s" + std::to_string(i)).c_str(), i));
    ASSERT_TRUE(m_lpDlg->Open());
    m_lpDlg->m_ListB.DataToCtrl();
    m_lpDlg->RedrawList();
  }
  void TearDown() override {
    m_lpDlg.reset();
    cElemDlg::s_fnOnOk = nullptr;
    cElemDlg::s_nAnswer = IDOK;
  }
  cListTestDlg& Dlg() { return *m_lpDlg; }
  void Command(cListCtrlBase& list, WORD wId) {
    SetFocus(list.m_hWnd);
    SendMessageA(Dlg().m_hWnd, WM_COMMAND, MAKEWPARAM(wId, 1), 0);
  }
  void Button(WORD wId) {
    SendMessageA(Dlg().m_hWnd, WM_COMMAND, MAKEWPARAM(wId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Dlg().m_hWnd, wId)));
  }
  // The user scrolls the list with its scroll bar, then selects.
  void ScrollTo(cListCtrlBase& list, int nTop) {
    SendMessageA(list.m_hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, nTop), 0);
    SendMessageA(list.m_hWnd, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  }

  cSmallVector m_vSrc;
  std::unique_ptr<cListTestDlg> m_lpDlg;
};

}  // namespace

TEST_F(ListRefillTest, EachOperationOnALongListShowsWhatAWholeRefillShows) {
  // 99 listed records: the first insertion makes every number three digits wide.
  Open(99, 90);
  cListCtrl<cSmall>& a = Dlg().m_ListA;
  cListCtrl<cSmall>& b = Dlg().m_ListB;
  cPlainRefill plainA(a, 0), plainB(b, WS_HSCROLL);
  struct cStep {
    const char* pszWhat;
    std::function<void()> fnDo;
  };
  const cStep aSteps[] = {
      {"scroll and select a run of rows",
       [&] {
         ScrollTo(a, 40);
         UserSelect(Dlg(), a, {50, 51, 52, 53}, 50);
       }},
      {"append (numbers grow a digit)", [&] { Button(IDC_BTN_NEW); }},
      {"select again", [&] { UserSelect(Dlg(), a, {60}, 60); }},
      {"scroll the current row out of view, then the selection is shown again", [&] {
         ScrollTo(a, 0);
         SendMessageA(Dlg().m_hWnd, WM_COMMAND, MAKEWPARAM(a.m_wId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(a.m_hWnd));
       }},
      {"select a row in view (no row to replace)", [&] {
         ScrollTo(a, 55);
         UserSelect(Dlg(), a, {59, 60}, 60);
       }},
      {"insert through the element dialog",
       [&] {
         cElemDlg::s_fnOnOk = [&] { Dlg().m_vWork[61].m_strName = "inserted"; };
         Button(IDC_BTN_INSERT);
       }},
      {"delete scattered rows", [&] {
         UserSelect(Dlg(), a, {10, 11, 45, 70}, 45);
         Button(IDC_BTN_DELETE);
       }},
      {"copy three rows", [&] {
         UserSelect(Dlg(), a, {3, 4, 5}, 3);
         Command(a, ID_ACC_COPY_1);
       }},
      {"paste in the middle", [&] {
         UserSelect(Dlg(), a, {80}, 80);
         Command(a, ID_ACC_PASTE_1);
       }},
      {"paste on the end row", [&] {
         UserSelect(Dlg(), a, {a.GetCount() - 1}, a.GetCount() - 1);
         Command(a, ID_ACC_PASTE_1);
       }},
      {"cut two rows", [&] {
         UserSelect(Dlg(), a, {20, 21}, 21);
         Command(a, ID_ACC_CUT_1);
       }},
      {"clear a run of rows", [&] {
         UserSelect(Dlg(), a, {30, 31, 32}, 31);
         Command(a, ID_ACC_CLEAR_1);
       }},
      {"edit the current row in its dialog",
       [&] {
         UserSelect(Dlg(), a, {64}, 64);
         cElemDlg::s_fnOnOk = [&] { Dlg().m_vWork[65].m_nValue = 4242; };
         Button(IDC_BTN_EDIT);
       }},
      {"edit the editor record and take it back", [&] {
         Dlg().m_Edit.m_strName = "edited";
         a.Reselect();
         Dlg().RedrawList();
       }},
      {"the data changes behind the list and is shown again", [&] {
         m_vSrc = SmallRecords(98);
         m_vSrc[7].m_strName = "outside";
         a.DataToCtrl();
         Dlg().RedrawList();
       }},
      {"the sub-list: scroll, select, insert", [&] {
         ScrollTo(b, 50);
         UserSelect(Dlg(), b, {60}, 60);
         Command(b, ID_ACC_INSERT_1);
       }},
      {"the sub-list: copy, paste two back", [&] {
         Command(b, ID_ACC_COPY_1);
         UserSelect(Dlg(), b, {70}, 70);
         Command(b, ID_ACC_PASTE_1);
         Command(b, ID_ACC_PASTE_1);
       }},
      {"the sub-list: delete the last element", [&] {
         UserSelect(Dlg(), b, {b.GetCount() - 2}, b.GetCount() - 2);
         Command(b, ID_ACC_DELETE_1);
       }},
  };
  for (const cStep& step : aSteps) {
    SCOPED_TRACE(step.pszWhat);
    step.fnDo();
    EXPECT_EQ(plainA.Fill(a, Dlg().m_vWork), Shown(a.m_hWnd));
    EXPECT_EQ(plainB.Fill(b, Dlg().m_vSub), Shown(b.m_hWnd));
  }
  // The steps did what they say: the last data came from outside, the sub-list grew by two.
  EXPECT_EQ("07 outside (7)", RowText(a.m_hWnd, 6));
  EXPECT_EQ(93, b.GetCount());
}

TEST_F(ListRefillTest, SidewaysExtentFollowsTheWidestRowWhereTheTemplateScrollsSideways) {
  Open(3, 4);
  cListCtrl<cSmall>& b = Dlg().m_ListB;
  auto extent = [](const cListCtrlBase& list) {
    return static_cast<int>(SendMessageA(list.m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0));
  };
  auto width = [&](const std::string& str) {
    HDC hDC = GetDC(b.m_hWnd);
    HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(b.m_hWnd, WM_GETFONT, 0, 0)));
    SIZE sz = {};
    GetTextExtentPoint32A(hDC, str.c_str(), static_cast<int>(str.size()), &sz);
    SelectObject(hDC, hOld);
    ReleaseDC(b.m_hWnd, hDC);
    return static_cast<int>(sz.cx);
  };
  // The widest row, not the end row (a divider as wide as any list).
  auto widest = [&] {
    std::vector<std::string> v = RowTexts(b.m_hWnd);
    int n = 0;
    for (size_t i = 0; i + 1 < v.size(); ++i) n = std::max(n, width(v[i]));
    return n;
  };
  const int nShort = widest();
  EXPECT_GE(extent(b), nShort);
  EXPECT_LE(extent(b), nShort + 8);
  // A longer row widens it; taking that row out brings it back.
  const std::string strLong(120, 'W');
  Dlg().m_vSub[2].m_strName = strLong;
  b.DataToCtrl();
  const int nLong = width(strLong + " (2)");
  EXPECT_GE(extent(b), nLong);
  EXPECT_LE(extent(b), nLong + 8);
  UserSelect(Dlg(), b, {2}, 2);
  Command(b, ID_ACC_DELETE_1);
  EXPECT_GE(extent(b), widest());
  EXPECT_LE(extent(b), nShort + 8);
  // A list without a horizontal scroll bar in its template is left alone.
  EXPECT_EQ(0, extent(Dlg().m_ListA));
}

// The list box takes its changes out of sight and paints its frame only where a scroll bar changed:
// after each operation the list on the screen, scroll bars and rows, is what painting it all again
// gives, also when the changes make a bar appear, grow, move or go.
TEST_F(ListRefillTest, AfterEachOperationTheListIsPaintedAsAWholeRepaintPaintsIt) {
  Open(60, 3);
  cListCtrl<cSmall>& a = Dlg().m_ListA;
  cListCtrl<cSmall>& b = Dlg().m_ListB;
  auto outside = [&](cListCtrlBase& list, std::function<void()> fnChange) {
    fnChange();
    list.DataToCtrl();
    Dlg().RedrawList();
  };
  struct cStep {
    const char* pszWhat;
    cListCtrlBase& list;
    std::function<void()> fnDo;
  };
  const cStep aSteps[] = {
      {"select a row far down (the list scrolls)", a, [&] { UserSelect(Dlg(), a, {55}, 55); }},
      {"edit the current row in its dialog (no bar changes)", a,
       [&] {
         cElemDlg::s_fnOnOk = [&] { Dlg().m_vWork[56].m_nValue = 4242; };
         Button(IDC_BTN_EDIT);
       }},
      {"cut half the rows (the thumb grows and moves)", a,
       [&] {
         std::vector<int> v;
         for (int i = 10; i < 40; ++i) v.push_back(i);
         UserSelect(Dlg(), a, v, 10);
         Command(a, ID_ACC_CUT_1);
       }},
      {"paste them back (the thumb shrinks)", a,
       [&] {
         UserSelect(Dlg(), a, {3}, 3);
         Command(a, ID_ACC_PASTE_1);
       }},
      {"the data grows behind the list", a, [&] { outside(a, [&] { m_vSrc = SmallRecords(90); }); }},
      {"the data shrinks to a few rows (the vertical bar goes)", a, [&] { outside(a, [&] { m_vSrc = SmallRecords(3); }); }},
      {"rows are added until the vertical bar comes back", a,
       [&] {
         for (int i = 0; i < 30; ++i) Button(IDC_BTN_NEW);
       }},
      {"the sub-list takes a row too wide for it (the horizontal bar appears)", b,
       [&] { outside(b, [&] { Dlg().m_vSub[1].m_strName = std::string(150, 'W'); }); }},
      {"the sub-list, scrolled sideways, has its wide row narrowed (the thumb grows)", b,
       [&] {
         SendMessageA(b.m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 300), 0);
         outside(b, [&] { Dlg().m_vSub[1].m_strName = std::string(40, 'W'); });
       }},
      {"the sub-list loses the wide row (the bar goes)", b,
       [&] {
         UserSelect(Dlg(), b, {1}, 1);
         Command(b, ID_ACC_DELETE_1);
       }},
  };
  for (const cStep& step : aSteps) {
    SCOPED_TRACE(step.pszWhat);
    step.fnDo();
    HWND h = step.list.m_hWnd;
    UpdateWindow(h);
    const std::vector<uint32_t> vShown = Painted(h);
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const std::vector<uint32_t> vRepainted = Painted(h);
    ASSERT_FALSE(vShown.empty());
    EXPECT_TRUE(vShown == vRepainted);
  }
  // The steps did what they say.
  EXPECT_EQ(34, a.GetCount());
  EXPECT_EQ(3, b.GetCount());
  EXPECT_NE(0, GetWindowLongPtrA(a.m_hWnd, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(0, GetWindowLongPtrA(b.m_hWnd, GWL_STYLE) & WS_HSCROLL);
}
