#include "controls/ListCtrl.h"

#include "resources/ListIds.h"

namespace {

// The list boxes this process has subclassed and the object each stands for. Looked up on every
// message the list box receives, so kept in the process: a window property costs a trip to the
// window server per lookup on some systems, which a refill of a long list pays once per row.
struct cBoxEntry {
  HWND hWnd;
  cListCtrlBase* lpList;
};
std::vector<cBoxEntry> s_vBoxes;

cListCtrlBase* FindBox(HWND hWnd) {
  for (const cBoxEntry& e : s_vBoxes)
    if (e.hWnd == hWnd) return e.lpList;
  return nullptr;
}

void SetBox(HWND hWnd, cListCtrlBase* lpList) {
  for (size_t i = 0; i < s_vBoxes.size(); ++i) {
    if (s_vBoxes[i].hWnd != hWnd) continue;
    if (lpList)
      s_vBoxes[i].lpList = lpList;
    else
      s_vBoxes.erase(s_vBoxes.begin() + static_cast<std::ptrdiff_t>(i));
    return;
  }
  if (lpList) s_vBoxes.push_back({hWnd, lpList});
}

ListBeepFn s_pfnBeep = nullptr;

// Sets or clears style bits of a window with no more than the style messages: the frame keeps
// its layout until the window is positioned again.
void SetStyleBits(HWND hWnd, LONG_PTR nBits, bool bOn) {
  const LONG_PTR nStyle = GetWindowLongPtrA(hWnd, GWL_STYLE);
  SetWindowLongPtrA(hWnd, GWL_STYLE, bOn ? (nStyle | nBits) : (nStyle & ~nBits));
}

// Standard id sets by mode (0 record lists, 1 sub-lists) and type (1 to 4), in entry order
// cut, copy, paste, new, insert, clear, delete.
const uint16_t s_aAccelIds[2][4][cListCtrlBase::CMD_COUNT] = {
    {{ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, ID_ACC_NEW_1, 0, ID_ACC_CLEAR_1, 0},
     {ID_ACC_CUT_2, ID_ACC_COPY_2, ID_ACC_PASTE_2, ID_ACC_NEW_2, 0, ID_ACC_CLEAR_2, 0},
     {ID_ACC_CUT_3, ID_ACC_COPY_3, ID_ACC_PASTE_3, ID_ACC_NEW_3, 0, ID_ACC_CLEAR_3, 0},
     {ID_ACC_CUT_4, ID_ACC_COPY_4, ID_ACC_PASTE_4, ID_ACC_NEW_4, 0, ID_ACC_CLEAR_4, 0}},
    {{ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, 0, ID_ACC_INSERT_1, 0, ID_ACC_DELETE_1},
     {ID_ACC_CUT_2, ID_ACC_COPY_2, ID_ACC_PASTE_2, 0, ID_ACC_INSERT_2, 0, ID_ACC_DELETE_2},
     {ID_ACC_CUT_3, ID_ACC_COPY_3, ID_ACC_PASTE_3, 0, ID_ACC_INSERT_3, 0, ID_ACC_DELETE_3},
     {ID_ACC_CUT_4, ID_ACC_COPY_4, ID_ACC_PASTE_4, 0, ID_ACC_INSERT_4, 0, ID_ACC_DELETE_4}},
};
const uint16_t s_aPopupIds[2][4][cListCtrlBase::CMD_COUNT] = {
    {{ID_POP_CUT_1, ID_POP_COPY_1, ID_POP_PASTE_1, 0, 0, ID_POP_CLEAR_1, 0},
     {ID_POP_CUT_2, ID_POP_COPY_2, ID_POP_PASTE_2, 0, 0, ID_POP_CLEAR_2, 0},
     {ID_POP_CUT_3, ID_POP_COPY_3, ID_POP_PASTE_3, 0, 0, ID_POP_CLEAR_3, 0},
     {ID_POP_CUT_4, ID_POP_COPY_4, ID_POP_PASTE_4, 0, 0, ID_POP_CLEAR_4, 0}},
    {{ID_POP_CUT_1, ID_POP_COPY_1, ID_POP_PASTE_1, 0, ID_POP_INSERT_1, 0, ID_POP_DELETE_1},
     {ID_POP_CUT_2, ID_POP_COPY_2, ID_POP_PASTE_2, 0, ID_POP_INSERT_2, 0, ID_POP_DELETE_2},
     {ID_POP_CUT_3, ID_POP_COPY_3, ID_POP_PASTE_3, 0, ID_POP_INSERT_3, 0, ID_POP_DELETE_3},
     {ID_POP_CUT_4, ID_POP_COPY_4, ID_POP_PASTE_4, 0, ID_POP_INSERT_4, 0, ID_POP_DELETE_4}},
};

// The key of each entry: Ctrl+X, C, V, I, I, then Delete twice (with or without Control).
const WPARAM s_aKeys[cListCtrlBase::CMD_COUNT] = {'X', 'C', 'V', 'I', 'I', VK_DELETE, VK_DELETE};
const int FIRST_PLAIN_KEY = cListCtrlBase::CMD_CLEAR;

bool KnownSet(int32_t nMode, int32_t nType) { return nMode >= 0 && nMode <= 1 && nType >= 1 && nType <= 4; }

void StoreIds(uint16_t* pDest, const uint16_t* pSrc) {
  for (int i = 0; i < cListCtrlBase::CMD_COUNT; ++i) pDest[i] = pSrc[i];
}

}  // namespace

ListBeepFn SetListBeepFn(ListBeepFn pfn) {
  ListBeepFn pPrev = s_pfnBeep;
  s_pfnBeep = pfn;
  return pPrev;
}

void ListBeep() {
  if (s_pfnBeep)
    s_pfnBeep();
  else
    MessageBeep(0);
}

cListCtrlBase::cListCtrlBase() : m_strEndRow(64, '-') {
  m_nKind = KIND_LIST;
  SetAccelIds(ID_ACC_CUT_1, ID_ACC_COPY_1, ID_ACC_PASTE_1, ID_ACC_NEW_1, ID_ACC_INSERT_1, ID_ACC_CLEAR_1,
              ID_ACC_DELETE_1);
  SetPopupIds(ID_POP_CUT_1, ID_POP_COPY_1, ID_POP_PASTE_1, 0, ID_POP_INSERT_1, ID_POP_CLEAR_1, ID_POP_DELETE_1);
}

cListCtrlBase::~cListCtrlBase() {
  DestroyPopupMenu();
  // A list box that outlives its object must not reach it any more.
  if (m_hWnd && FindBox(m_hWnd) == this) {
    if (IsWindow(m_hWnd)) SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_lpfnOldProc));
    SetBox(m_hWnd, nullptr);
  }
}

LRESULT cListCtrlBase::Send(UINT uMsg, WPARAM wParam, LPARAM lParam) const {
  if (!m_hWnd) return LB_ERR;
  // The list's own messages go straight to the list box's procedure while this object stands for
  // it on this thread; the subclass would only find this object again.
  if (m_lpfnOldProc && FindBox(m_hWnd) == this && GetCurrentThreadId() == m_dwBoxThread) {
    // What the owner froze takes its first change frozen.
    if (m_bRedrawOff && !m_bBoxFrozen && ChangesBox(uMsg)) const_cast<cListCtrlBase*>(this)->FreezeBox();
    return CallWindowProcA(m_lpfnOldProc, m_hWnd, uMsg, wParam, lParam);
  }
  return SendMessageA(m_hWnd, uMsg, wParam, lParam);
}

bool cListCtrlBase::ChangesBox(UINT uMsg) {
  switch (uMsg) {
    case LB_ADDSTRING: case LB_INSERTSTRING: case LB_DELETESTRING: case LB_RESETCONTENT: case LB_SETSEL:
    case LB_SETCURSEL: case LB_SELITEMRANGEEX: case LB_SETCARETINDEX: case LB_SETTOPINDEX:
    case LB_SETHORIZONTALEXTENT:
      return true;
    default:
      return false;
  }
}

void cListCtrlBase::FreezeBox() {
  if (m_bBoxFrozen || !m_hWnd) return;
  ReadView(m_FrozenView);
  Send(WM_SETREDRAW, FALSE);
  m_bBoxFrozen = true;
}

void cListCtrlBase::ThawBox() {
  if (!m_bBoxFrozen || !m_hWnd) return;
  m_bBoxFrozen = false;
  // A list box that draws again sets its scroll bars and paints them at once, changed or not,
  // which costs more than all its rows. Where the bars stay as they are, they are out of its style
  // for that moment, which leaves them unpainted; they change only with the rows shown, the top
  // row or the extent, and then the list box paints them itself.
  const cScrollBars before = cScrollBars::Read(m_hWnd);
  const LONG_PTR nQuiet = BarsStay(before) ? before.nBars : 0;
  // What waits to be painted already (uncovered, or scrolled while frozen) stays so.
  HRGN hWaiting = CreateRectRgn(0, 0, 0, 0);
  if (hWaiting && GetUpdateRgn(m_hWnd, hWaiting, FALSE) == ERROR) {
    DeleteObject(hWaiting);
    hWaiting = nullptr;
  }
  if (nQuiet) SetStyleBits(m_hWnd, nQuiet, false);
  Send(WM_SETREDRAW, TRUE);
  if (nQuiet) SetStyleBits(m_hWnd, nQuiet, true);
  m_bExtentSent = false;
  const cScrollBars after = cScrollBars::Read(m_hWnd);
  if (after == before && hWaiting) {
    // The list box asks for all its rows on drawing again; the rows that changed are enough.
    RECT rcClient;
    if (GetClientRect(m_hWnd, &rcClient)) ValidateRect(m_hWnd, &rcClient);
    InvalidateRgn(m_hWnd, hWaiting, TRUE);
    DeleteObject(hWaiting);
    PaintChangedRows();
    return;
  }
  if (hWaiting) DeleteObject(hWaiting);
  m_FrozenView = cView();
  if (!nQuiet) {
    InvalidateRect(m_hWnd, nullptr, TRUE);
    return;
  }
  // The bars changed after all while out of the style: each is shown as its new state asks, and
  // the frame painted with the rows.
  for (int nBar : {SB_HORZ, SB_VERT}) {
    const LONG_PTR nBit = nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    if (!(nQuiet & nBit)) continue;
    const SCROLLINFO& si = after.aInfo[nBar];
    const int nPage = si.nPage > 0 ? static_cast<int>(si.nPage) - 1 : 0;
    ShowScrollBar(m_hWnd, nBar, si.nMin < si.nMax - nPage ? TRUE : FALSE);
  }
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

bool cListCtrlBase::BarsStay(const cScrollBars& Bars) const {
  const LONG_PTR nStyle = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  if (!Bars.nBars || m_bExtentSent || (nStyle & (LBS_DISABLENOSCROLL | LBS_MULTICOLUMN))) return false;
  if (!(Bars.nBars & WS_VSCROLL)) return true;
  // The vertical bar shows the rows, the top row and a page of rows; drawing again moves the top
  // row up where rows were taken from the end of a page.
  const SCROLLINFO& v = Bars.aInfo[SB_VERT];
  const int nCount = GetCount(), nTop = static_cast<int>(Send(LB_GETTOPINDEX));
  return v.nMin == 0 && v.nMax == nCount - 1 && v.nPos == nTop &&
         (nTop == 0 || nTop + static_cast<int>(v.nPage) <= nCount);
}

cListCtrlBase::cScrollBars cListCtrlBase::cScrollBars::Read(HWND hWnd) {
  cScrollBars s;
  s.nBars = GetWindowLongPtrA(hWnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
  for (int nBar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO& si = s.aInfo[nBar];
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(hWnd, nBar, &si)) si = SCROLLINFO{};
  }
  return s;
}

bool cListCtrlBase::cScrollBars::operator==(const cScrollBars& o) const {
  if (nBars != o.nBars) return false;
  for (int i = 0; i < 2; ++i) {
    const SCROLLINFO &a = aInfo[i], &b = o.aInfo[i];
    if (a.nMin != b.nMin || a.nMax != b.nMax || a.nPage != b.nPage || a.nPos != b.nPos) return false;
  }
  return true;
}

void cListCtrlBase::ReadView(cView& View) const {
  View.vRows.clear();
  View.nTop = -1;
  const int nHeight = static_cast<int>(Send(LB_GETITEMHEIGHT, 0));
  RECT rc;
  if (nHeight <= 0 || !GetClientRect(m_hWnd, &rc)) return;
  View.nTop = static_cast<int>(Send(LB_GETTOPINDEX));
  const int nCount = GetCount(), nCaret = GetCaretIndex();
  View.vRows.resize(static_cast<size_t>((rc.bottom - rc.top + nHeight - 1) / nHeight));
  for (int i = 0; i < static_cast<int>(View.vRows.size()); ++i) {
    cViewRow& r = View.vRows[i];
    const int nRow = View.nTop + i;
    r.bExists = nRow < nCount;
    if (!r.bExists) continue;
    r.bSelected = Send(LB_GETSEL, static_cast<WPARAM>(nRow)) > 0;
    r.bCaret = nRow == nCaret;
    const LRESULT nLen = Send(LB_GETTEXTLEN, static_cast<WPARAM>(nRow));
    if (nLen <= 0) continue;
    r.strText.resize(static_cast<size_t>(nLen) + 1);
    const LRESULT nGot = Send(LB_GETTEXT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&r.strText[0]));
    r.strText.resize(static_cast<size_t>(nGot > 0 && nGot <= nLen ? nGot : 0));
  }
}

void cListCtrlBase::PaintChangedRows() {
  cView now;
  ReadView(now);
  const int nHeight = static_cast<int>(Send(LB_GETITEMHEIGHT, 0));
  RECT rcClient;
  const bool bRowsAlike = now.nTop >= 0 && now.nTop == m_FrozenView.nTop &&
                          now.vRows.size() == m_FrozenView.vRows.size() && nHeight > 0 &&
                          GetClientRect(m_hWnd, &rcClient);
  if (!bRowsAlike) {
    InvalidateRect(m_hWnd, nullptr, TRUE);
  } else {
    for (size_t i = 0; i < now.vRows.size(); ++i) {
      if (now.vRows[i] == m_FrozenView.vRows[i]) continue;
      const RECT rc = {0, static_cast<LONG>(i) * nHeight, rcClient.right, static_cast<LONG>(i + 1) * nHeight};
      InvalidateRect(m_hWnd, &rc, TRUE);
    }
  }
  m_FrozenView = cView();
}

void cListCtrlBase::SetSel(int32_t bSel, int32_t nRow) const {
  // Row -1 would mean every row.
  if (nRow < 0) return;
  Send(LB_SETSEL, bSel ? TRUE : FALSE, nRow);
}

int cListCtrlBase::RowCount() const {
  int n = ElementCount() - m_nFirst;
  return (n > 0 ? n : 0) + (m_bEndRow ? 1 : 0);
}

bool cListCtrlBase::IsDataRow(int32_t nRow) const { return nRow >= 0 && m_nFirst + nRow < ElementCount(); }

int cListCtrlBase::IsEndRow(int32_t nRow) const {
  return m_bEndRow && m_nFirst + nRow == ElementCount() ? 1 : 0;
}

void cListCtrlBase::AttachBox(cDialog* lpOwner, uint16_t wId) {
  cControl::Attach(lpOwner, wId);
  if (!m_hWnd) return;
  // The rows stay in vector order.
  ClearStyle(LBS_SORT);
  ForgetRows();
  // A list box hides its horizontal scroll bar, and drops the style with it, while its extent fits;
  // a passing extent wider than any list shows whether its template has one.
  m_bSideways = (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_HSCROLL) != 0;
  if (!m_bSideways) {
    const LRESULT nExtent = Send(LB_GETHORIZONTALEXTENT);
    Send(LB_SETHORIZONTALEXTENT, 0x7FFF);
    m_bSideways = (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_HSCROLL) != 0;
    Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(nExtent));
  }
  // A list box is subclassed once; attaching it again only points it at this object.
  cListCtrlBase* lpPrev = FindBox(m_hWnd);
  m_dwBoxThread = GetWindowThreadProcessId(m_hWnd, nullptr);
  if (!lpPrev) {
    SetBox(m_hWnd, this);
    m_lpfnOldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cListCtrlBase::ListCtrlProc)));
  } else if (lpPrev != this) {
    m_lpfnOldProc = lpPrev->m_lpfnOldProc;
    SetBox(m_hWnd, this);
  }
}

void cListCtrlBase::ResetSelection() {
  m_nCurSel = m_nPrevSel = m_nAnchor = -1;
  m_nTopIndex = 0;
}

LRESULT CALLBACK cListCtrlBase::ListCtrlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cListCtrlBase* p = FindBox(hWnd);
  WNDPROC lpfnOld = p ? p->m_lpfnOldProc : nullptr;
  if (!lpfnOld) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_DESTROY:
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpfnOld));
      SetBox(hWnd, nullptr);
      break;
    case WM_SETREDRAW:
      // The owner's freeze is kept here; the list box itself is frozen only once rows change.
      p->m_bRedrawOff = wParam == 0;
      if (wParam) p->ThawBox();
      return 0;
    case WM_VSCROLL:
      // Read before the list box scrolls: the closing SB_ENDSCROLL brings the final top row.
      p->m_nTopIndex = static_cast<int32_t>(CallWindowProcA(lpfnOld, hWnd, LB_GETTOPINDEX, 0, 0));
      break;
    default:
      break;
  }
  return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
}

void cListCtrlBase::MarkRows(int32_t nRow, int32_t nOld, int32_t nNew) {
  m_bMarked = true;
  m_nMarkRow = nRow;
  m_nMarkOld = nOld;
  m_nMarkNew = nNew;
}

void cListCtrlBase::ForgetRows() {
  m_bTextsValid = m_bRowsShown = m_bMarked = false;
  m_vText.clear();
  m_vRows.clear();
  m_vRowWidth.clear();
  m_nExtent = 0;
}

void cListCtrlBase::MakeTexts(int nFirst, int nListed) {
  const int nHad = static_cast<int>(m_vText.size());
  const bool bSplice = m_bMarked && m_bTextsValid && m_nMarkRow >= 0 && m_nMarkOld >= 0 && m_nMarkNew >= 0 &&
                       m_nMarkRow + m_nMarkOld <= nHad && nHad - m_nMarkOld + m_nMarkNew == nListed;
  m_bMarked = false;
  int nFrom = 0, nTo = nListed;
  if (bSplice) {
    const auto it = m_vText.begin() + m_nMarkRow;
    if (m_nMarkNew > m_nMarkOld)
      m_vText.insert(it + m_nMarkOld, static_cast<size_t>(m_nMarkNew - m_nMarkOld), std::string());
    else
      m_vText.erase(it + m_nMarkNew, it + m_nMarkOld);
    nFrom = m_nMarkRow;
    nTo = m_nMarkRow + m_nMarkNew;
  } else {
    m_vText.resize(static_cast<size_t>(nListed));
  }
  for (int i = nFrom; i < nTo; ++i) {
    m_vText[i].clear();
    RowText(m_vText[i], nFirst + i);
  }
  m_bTextsValid = true;
}

void cListCtrlBase::Redraw() {
  const int n = ElementCount();
  const int nFirst = m_nFirst < 0 ? 0 : m_nFirst;
  const int nListed = n > nFirst ? n - nFirst : 0;
  MakeTexts(nFirst, nListed);
  std::vector<std::string> vRows(static_cast<size_t>(nListed + (m_bEndRow ? 1 : 0)));
  if (m_bNumbering) {
    const int nDigits = GetDigitCountU(static_cast<uint32_t>(n > m_nFirst ? n - m_nFirst : 0));
    std::string strNo;
    for (int r = 0; r < nListed; ++r) {
      FormatZeroPad(strNo, nFirst + r - m_nFirst + 1, nDigits);
      FormatStr(vRows[r], "%s %s", strNo.c_str(), m_vText[r].c_str());
    }
  } else {
    for (int r = 0; r < nListed; ++r) vRows[r] = m_vText[r];
  }
  if (m_bEndRow) vRows.back() = m_strEndRow;
  // The list box takes the rows without painting each (frozen at the first change: a list box
  // that draws again paints its scroll bars at once, which costs more than all its rows); a list
  // frozen by its owner stays frozen.
  ShowRows(vRows);
  ShowSelection();
  if (!m_bRedrawOff) ThawBox();
}

void cListCtrlBase::ShowRows(std::vector<std::string>& vRows) {
  const int nOld = static_cast<int>(m_vRows.size()), nNew = static_cast<int>(vRows.size());
  // Rows kept in place must end up as a refill would leave them: no caret of their own, which
  // only a row with a selection to show can stand for.
  const bool bSelKnown = m_nCurSel >= 0 && (!m_bMultiSel || m_nAnchor >= 0);
  if (m_bRowsShown && bSelKnown && GetCount() == nOld) {
    int p = 0;
    while (p < nOld && p < nNew && m_vRows[p] == vRows[p]) ++p;
    int q = 0;
    while (q < nOld - p && q < nNew - p && m_vRows[nOld - 1 - q] == vRows[nNew - 1 - q]) ++q;
    const int nDel = nOld - p - q, nIns = nNew - p - q;
    // Replacing a few rows beats refilling; numbering moves every row after an insertion.
    if (nDel + nIns <= nNew / 2 + 8) {
      // Unchanged rows with their caret in view end up as a refill leaves them without it.
      if (nDel + nIns == 0 && CaretInView()) return;
      FreezeBox();
      for (int k = 0; k < nDel; ++k) Send(LB_DELETESTRING, static_cast<WPARAM>(p));
      for (int k = 0; k < nIns; ++k)
        Send(LB_INSERTSTRING, static_cast<WPARAM>(p + k), reinterpret_cast<LPARAM>(vRows[p + k].c_str()));
      // The selection shown next sets the caret again, and the list box brings it into view then.
      // Moving the caret away first would scroll the list box to its top and back, which moves
      // its painted rows even while it is frozen. The caret on the first row is the exception: it
      // stays where the rows left it unless the first row comes into view.
      if (m_bMultiSel && m_nCurSel == 0)
        Send(LB_SETCARETINDEX, 0);
      else
        m_bCaretAgain = true;
      m_vRows.swap(vRows);
      if (m_bSideways) {
        m_vRowWidth.erase(m_vRowWidth.begin() + p, m_vRowWidth.begin() + p + nDel);
        m_vRowWidth.insert(m_vRowWidth.begin() + p, static_cast<size_t>(nIns), 0);
        MeasureRows(p, p + nIns);
      }
      return;
    }
  }
  FreezeBox();
  Send(LB_RESETCONTENT);
  size_t nBytes = 0;
  for (const std::string& str : vRows) nBytes += str.size() + 1;
  Send(LB_INITSTORAGE, static_cast<WPARAM>(nNew), static_cast<LPARAM>(nBytes));
  for (const std::string& str : vRows) Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(str.c_str()));
  m_vRows.swap(vRows);
  m_bRowsShown = m_hWnd != nullptr;
  if (m_bSideways) {
    m_vRowWidth.assign(m_vRows.size(), 0);
    MeasureRows(0, nNew);
  }
}

void cListCtrlBase::MeasureRows(int nFrom, int nTo) {
  if (!m_hWnd) return;
  if (nFrom < nTo) {
    HDC hDC = GetDC(m_hWnd);
    if (!hDC) return;
    HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
    for (int i = nFrom; i < nTo; ++i) {
      // The end row is a divider as wide as any list: it gets no scroll bar of its own.
      if (m_bEndRow && i == static_cast<int>(m_vRows.size()) - 1) {
        m_vRowWidth[i] = 0;
        continue;
      }
      SIZE sz = {};
      const std::string& str = m_vRows[i];
      GetTextExtentPoint32A(hDC, str.c_str(), static_cast<int>(str.size()), &sz);
      m_vRowWidth[i] = sz.cx;
    }
    SelectObject(hDC, hOld);
    ReleaseDC(m_hWnd, hDC);
  }
  // The list box leaves a little room before and after each row's text.
  const int ROW_MARGIN = 4;
  int nWidest = 0;
  for (int w : m_vRowWidth) nWidest = w > nWidest ? w : nWidest;
  const int nExtent = nWidest > 0 ? nWidest + ROW_MARGIN : 0;
  if (nExtent == m_nExtent) return;
  m_nExtent = nExtent;
  if (m_bBoxFrozen) m_bExtentSent = true;
  Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(nExtent));
}

bool cListCtrlBase::CaretInView() const {
  if (m_nCurSel < 0 || GetCaretIndex() != m_nCurSel) return false;
  const int nTop = m_nTopIndex, nHeight = static_cast<int>(Send(LB_GETITEMHEIGHT, 0));
  RECT rc;
  if (nHeight <= 0 || !GetClientRect(m_hWnd, &rc)) return false;
  return static_cast<int>(Send(LB_GETTOPINDEX)) == nTop && m_nCurSel >= nTop &&
         m_nCurSel < nTop + (rc.bottom - rc.top) / nHeight;
}

// Each message only where it changes something: a change freezes the list box, whose thaw paints
// its scroll bars again.
void cListCtrlBase::ShowTopRow() const {
  if (Send(LB_GETTOPINDEX) != m_nTopIndex) Send(LB_SETTOPINDEX, static_cast<WPARAM>(m_nTopIndex));
}

void cListCtrlBase::ShowCaret() {
  const bool bAgain = m_bCaretAgain && m_nCurSel >= 0;
  m_bCaretAgain = false;
  if (bAgain || GetCaretIndex() != m_nCurSel) Send(LB_SETCARETINDEX, static_cast<WPARAM>(m_nCurSel));
}

void cListCtrlBase::ShowCurSel() {
  const bool bAgain = m_bCaretAgain && m_nCurSel >= 0;
  m_bCaretAgain = false;
  const int nSel = static_cast<int>(Send(LB_GETCURSEL));
  if (!bAgain && (m_nCurSel == -1 ? nSel == -1 : (nSel == m_nCurSel && GetCaretIndex() == m_nCurSel))) return;
  Send(LB_SETCURSEL, static_cast<WPARAM>(m_nCurSel));
}

void cListCtrlBase::ShowSelection() {
  ShowTopRow();
  if (!m_bMultiSel) {
    ShowCurSel();
    return;
  }
  ShowFlags(m_vSelFlags, true);
  ShowCaret();
  Send(LB_SETANCHORINDEX, static_cast<WPARAM>(m_nAnchor));
}

void cListCtrlBase::ReadFlags(std::vector<int32_t>& vFlags, int nRows) const {
  vFlags.assign(static_cast<size_t>(nRows > 0 ? nRows : 0), 0);
  const int nSel = static_cast<int>(Send(LB_GETSELCOUNT));
  if (nSel <= 0) return;
  std::vector<int> vRows(static_cast<size_t>(nSel));
  const int nGot = static_cast<int>(Send(LB_GETSELITEMS, static_cast<WPARAM>(nSel), reinterpret_cast<LPARAM>(vRows.data())));
  for (int k = 0; k < nGot && k < nSel; ++k)
    if (vRows[k] >= 0 && vRows[k] < nRows) vFlags[vRows[k]] = 1;
}

void cListCtrlBase::ShowFlags(const std::vector<int32_t>& vFlags, bool bClearRest) const {
  const int nRows = GetCount();
  if (nRows <= 0) return;
  std::vector<int32_t> vNow;
  ReadFlags(vNow, nRows);
  const int nFlags = static_cast<int>(vFlags.size());
  const int nCover = bClearRest ? nRows : (nFlags < nRows ? nFlags : nRows);
  auto fnWant = [&](int i) { return i < nFlags && vFlags[i] != 0; };
  int i = 0;
  while (i < nCover) {
    const bool bWant = fnWant(i);
    if (bWant == (vNow[i] != 0)) {
      ++i;
      continue;
    }
    int j = i;
    while (j + 1 < nCover && fnWant(j + 1) == bWant && (vNow[j + 1] != 0) != bWant) ++j;
    if (i == j)
      Send(LB_SETSEL, bWant ? TRUE : FALSE, i);
    else if (bWant)
      Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(i), j);
    else
      Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(j), i);
    i = j + 1;
  }
}

void cListCtrlBase::RestoreSel() {
  if (m_bMultiSel) {
    if (!m_bAllowNoSel) {
      size_t nRows = static_cast<size_t>(GetCount() > 0 ? GetCount() : 0);
      if (m_vSelFlags.size() > nRows) {
        m_vSelFlags.resize(nRows);
        if (m_vPrevSelFlags.size() > nRows) m_vPrevSelFlags.resize(nRows);
        if (!CountSelected(m_vSelFlags)) {
          if (!m_vSelFlags.empty()) m_vSelFlags[0] = 1;
          m_nCurSel = 0;
        }
      }
      if (!CountSelected(m_vSelFlags)) {
        if (m_vSelFlags.size() == m_vPrevSelFlags.size()) {
          m_vSelFlags = m_vPrevSelFlags;
          m_nCurSel = m_nPrevSel;
          if (!CountSelected(m_vSelFlags) && !m_vSelFlags.empty()) {
            m_vSelFlags[0] = 1;
            m_nCurSel = 0;
          }
        } else {
          if (m_vSelFlags.empty()) m_vSelFlags.push_back(0);
          m_vSelFlags[0] = 1;
          m_nCurSel = 0;
        }
        m_nAnchor = m_nCurSel;
      }
    }
    ShowFlags(m_vSelFlags, false);
    Send(LB_SETANCHORINDEX, static_cast<WPARAM>(m_nAnchor));
    ShowCaret();
    ShowTopRow();
    m_vPrevSelFlags = m_vSelFlags;
  } else {
    if (!m_bAllowNoSel) {
      if (m_nCurSel == -1) m_nCurSel = m_nPrevSel == -1 ? 0 : m_nPrevSel;
      if (m_nCurSel >= GetCount()) m_nCurSel = 0;
    }
    ShowCurSel();
    ShowTopRow();
  }
  m_nPrevSel = m_nCurSel;
  Thaw();
}

// What changed while the list was frozen is painted now; a list that was not frozen has painted
// its changes as they came.
void cListCtrlBase::Thaw() {
  m_bRedrawOff = false;
  ThawBox();
}

void cListCtrlBase::OnKillFocus() { Send(LB_SETCURSEL, static_cast<WPARAM>(m_nCurSel)); }

void cListCtrlBase::SetCurSel(int32_t nRow, int32_t bLoad) {
  m_nCurSel = nRow;
  if (m_nCurSel == -1 && !m_bAllowNoSel) m_nCurSel = 0;
  int nRows = RowCount();
  if (static_cast<uint32_t>(m_nCurSel) >= static_cast<uint32_t>(nRows)) m_nCurSel = -1;
  if (bLoad) LoadEditor();
  if (!m_bMultiSel) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(m_nCurSel));
    return;
  }
  // Flags that lag behind the rows (after a paste) are brought up to them first.
  if (m_vSelFlags.size() < static_cast<size_t>(nRows)) m_vSelFlags.resize(static_cast<size_t>(nRows), 0);
  if (static_cast<uint32_t>(m_nCurSel) < m_vSelFlags.size())
    m_vSelFlags[m_nCurSel] = 1;
  else
    m_nCurSel = static_cast<int32_t>(m_vSelFlags.size()) - 1;
  SetSel(TRUE, m_nCurSel);
  Send(LB_SETCARETINDEX, static_cast<WPARAM>(m_nCurSel));
  m_nAnchor = m_nCurSel;
  Send(LB_SETANCHORINDEX, static_cast<WPARAM>(m_nAnchor));
}

void cListCtrlBase::SelectOnly(int32_t nRow, int32_t bLoad) {
  if (m_bMultiSel) {
    m_nCurSel = m_nAnchor = -1;
    for (int32_t& f : m_vSelFlags) f = 0;
    if (GetCount() > 0) Send(LB_SETSEL, FALSE, -1);
  }
  SetCurSel(nRow, bLoad);
}

void cListCtrlBase::SelectNext(int32_t bLoad) {
  int32_t nNext = m_nCurSel + 1;
  if (m_bMultiSel) {
    for (int32_t& f : m_vSelFlags) f = 0;
    if (nNext >= 0 && nNext < static_cast<int>(m_vSelFlags.size())) m_vSelFlags[nNext] = 1;
  }
  SetCurSel(nNext, bLoad);
}

int cListCtrlBase::GetCurSel() const {
  if (GetCount() <= 0) return -1;
  if (!m_bMultiSel) return static_cast<int>(Send(LB_GETCURSEL));
  int nCaret = GetCaretIndex();
  if (nCaret >= 0 && nCaret < static_cast<int>(m_vSelFlags.size()) && m_vSelFlags[nCaret]) return nCaret;
  return -1;
}

int cListCtrlBase::GetCurDataIndex() const {
  int nRow = GetCurSel();
  return IsDataRow(nRow) ? nRow + m_nFirst : -1;
}

int cListCtrlBase::GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
int cListCtrlBase::GetCaretIndex() const { return static_cast<int>(Send(LB_GETCARETINDEX)); }
int cListCtrlBase::GetAnchorIndex() const { return static_cast<int>(Send(LB_GETANCHORINDEX)); }

int cListCtrlBase::CountSelected(const std::vector<int32_t>& vFlags) {
  int n = 0;
  for (int32_t f : vFlags)
    if (f) ++n;
  return n;
}

int cListCtrlBase::SelectAtPoint(POINT ptScreen) {
  if (!HitTest(ptScreen)) return 0;
  m_nTopIndex = static_cast<int32_t>(Send(LB_GETTOPINDEX));
  POINT pt = ptScreen;
  ScreenToClient(m_hWnd, &pt);
  // The rows as the list box lays them out; a click on the top border truncates to the top row.
  int nHeight = static_cast<int>(Send(LB_GETITEMHEIGHT, 0));
  if (nHeight <= 0) return 0;
  int nRow = pt.y / nHeight + m_nTopIndex;
  int nRows = GetCount();
  if (nRow < 0 || nRow >= nRows) return 0;
  if (m_bMultiSel) {
    Send(LB_SETANCHORINDEX, static_cast<WPARAM>(nRow));
    Send(LB_SETCARETINDEX, static_cast<WPARAM>(nRow));
    m_vSelFlags.resize(static_cast<size_t>(nRows), 0);
    m_vPrevSelFlags.resize(static_cast<size_t>(nRows), 0);
    if (m_vSelFlags[nRow]) {
      SetSel(TRUE, nRow);
    } else {
      for (int32_t& f : m_vSelFlags) f = 0;
      m_vSelFlags[nRow] = 1;
      ShowFlags(m_vSelFlags, false);
    }
    m_nAnchor = nRow;
  } else {
    Send(LB_SETCURSEL, static_cast<WPARAM>(nRow));
  }
  m_nCurSel = nRow;
  SetFocus(m_hWnd);
  LoadEditor();
  return 1;
}

void cListCtrlBase::OnKeyDown(WPARAM wKey, LPARAM, int32_t bCtrlHeld) {
  // Every entry whose key matches sends its command; one key can send two.
  for (int i = 0; i < CMD_COUNT; ++i) {
    if (!m_wAccelId[i] || wKey != s_aKeys[i]) continue;
    if (i < FIRST_PLAIN_KEY && !bCtrlHeld) continue;
    SendMessageA(m_hOwner, WM_COMMAND, m_wAccelId[i], 0);
  }
}

int cListCtrlBase::RunCommand(const uint16_t* pIds, WPARAM wParam) {
  uint16_t wId = LOWORD(wParam);
  if (!m_hWnd || GetFocus() != m_hWnd || wId == 0) return 0;
  for (int i = 0; i < CMD_COUNT; ++i) {
    if (pIds[i] != wId) continue;
    int r = 0;
    switch (i) {
      case CMD_CUT: r = Cut(); break;
      case CMD_COPY: r = Copy(); break;
      case CMD_PASTE: r = Paste(); break;
      case CMD_NEW: r = New(); break;
      case CMD_INSERT: r = Insert(); break;
      case CMD_CLEAR: r = Clear(); break;
      default: r = Delete(-1, 0); break;
    }
    return r ? 1 : 0;
  }
  return 0;
}

int cListCtrlBase::OnAccelKey(WPARAM wParam) { return RunCommand(m_wAccelId, wParam); }
int cListCtrlBase::OnPopupCommand(WPARAM wParam) { return RunCommand(m_wPopupId, wParam); }

int cListCtrlBase::SetAccelMenu(uint16_t wAccelId, uint16_t wMenuId, int32_t nMode, int32_t nType) {
  int bAccel = LoadAccelIds(wAccelId, nMode, nType);
  int bMenu = LoadPopupMenu(wMenuId, nMode, nType);
  return bAccel && bMenu ? 1 : 0;
}

int cListCtrlBase::LoadAccelIds(uint16_t wAccelId, int32_t nMode, int32_t nType) {
  // The table fires only while this list box has the focus.
  if (m_lpOwner) m_lpOwner->AddAccel(m_hWnd, wAccelId);
  if (!KnownSet(nMode, nType)) {
    DebugErrorBox("アクセラレータのIDが用意されていません！");
    return 0;
  }
  StoreIds(m_wAccelId, s_aAccelIds[nMode][nType - 1]);
  return 1;
}

void cListCtrlBase::DestroyPopupMenu() {
  if (m_hMenuRoot) DestroyMenu(m_hMenuRoot);
  m_hMenuRoot = nullptr;
  m_hPopupMenu = nullptr;
}

int cListCtrlBase::LoadPopupMenu(uint16_t wMenuId, int32_t nMode, int32_t nType) {
  SetPopupEx(wMenuId, m_wPopupId[0], m_wPopupId[1], m_wPopupId[2], m_wPopupId[3], m_wPopupId[4],
             m_wPopupId[5], m_wPopupId[6]);
  if (!KnownSet(nMode, nType)) {
    DebugErrorBox("ポップアップメニューのIDが用意されていません！");
    return 0;
  }
  StoreIds(m_wPopupId, s_aPopupIds[nMode][nType - 1]);
  return 1;
}

void cListCtrlBase::SetAccelEx(uint16_t wAccelId, uint16_t wCut, uint16_t wCopy, uint16_t wPaste,
                               uint16_t wNew, uint16_t wInsert, uint16_t wClear, uint16_t wDelete) {
  if (m_lpOwner) m_lpOwner->AddAccel(m_hWnd, wAccelId);
  SetAccelIds(wCut, wCopy, wPaste, wNew, wInsert, wClear, wDelete);
}

void cListCtrlBase::SetPopupEx(uint16_t wMenuId, uint16_t wCut, uint16_t wCopy, uint16_t wPaste,
                               uint16_t wNew, uint16_t wInsert, uint16_t wClear, uint16_t wDelete) {
  // A menu loaded before (the dialog opened again) goes first: one menu per list at a time.
  DestroyPopupMenu();
  HINSTANCE hInst = m_lpOwner ? m_lpOwner->m_hInstance : GetModuleHandleA(nullptr);
  m_hMenuRoot = LoadMenuA(hInst, MAKEINTRESOURCEA(wMenuId));
  m_hPopupMenu = m_hMenuRoot ? GetSubMenu(m_hMenuRoot, 0) : nullptr;
  SetPopupIds(wCut, wCopy, wPaste, wNew, wInsert, wClear, wDelete);
}

void cListCtrlBase::SetAccelIds(uint16_t wCut, uint16_t wCopy, uint16_t wPaste, uint16_t wNew,
                                uint16_t wInsert, uint16_t wClear, uint16_t wDelete) {
  const uint16_t a[CMD_COUNT] = {wCut, wCopy, wPaste, wNew, wInsert, wClear, wDelete};
  StoreIds(m_wAccelId, a);
}

void cListCtrlBase::SetPopupIds(uint16_t wCut, uint16_t wCopy, uint16_t wPaste, uint16_t wNew,
                                uint16_t wInsert, uint16_t wClear, uint16_t wDelete) {
  const uint16_t a[CMD_COUNT] = {wCut, wCopy, wPaste, wNew, wInsert, wClear, wDelete};
  StoreIds(m_wPopupId, a);
}
