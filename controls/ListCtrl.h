// The bound list control: a list box of a dialog bound to a vector of records. It shows one row per
// element (optionally numbered) and an optional end row that stands for the place after the last
// element; it edits a working copy of the vector that is written back only on request; it copies
// the current element into an editor record that the page's other controls show; it keeps the
// selection (single or multiple) across refills; and it offers the editing operations, the list's
// own clipboard, the keys, accelerator tables and popup menu.
//
// Row r shows element m_nFirst + r. Elements before m_nFirst are kept and written back but never
// shown, counted against the limits or touched by an operation. Selection indexes are rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "app/Control.h"
#include "app/Dialog.h"
#include "app/MsgBox.h"
#include "app/TextFormat.h"
#include "app/WindowList.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"

// A refused editing operation is a plain beep (MessageBeep(0)) and nothing else; tests count the
// refusals through this seam. Returns the previous function; null restores the system's.
typedef void (*ListBeepFn)();
ListBeepFn SetListBeepFn(ListBeepFn pfn);
void ListBeep();

// The parts of the list that do not depend on the element type: selection bookkeeping, the
// command ids, the popup menu and the subclassed list box.
class cListCtrlBase : public cControl {
 public:
  // The seven command entries, in this order everywhere.
  enum { CMD_CUT, CMD_COPY, CMD_PASTE, CMD_NEW, CMD_INSERT, CMD_CLEAR, CMD_DELETE, CMD_COUNT };

  cListCtrlBase();
  ~cListCtrlBase() override;
  cListCtrlBase(const cListCtrlBase&) = delete;
  cListCtrlBase& operator=(const cListCtrlBase&) = delete;

  void RestoreSel() override;
  void Thaw() override;
  // Whether the list box takes changes without painting them (WM_SETREDRAW FALSE).
  bool RedrawOff() const { return m_bRedrawOff; }
  void OnKillFocus() override;
  void OnKeyDown(WPARAM wKey, LPARAM lParam, int32_t bCtrlHeld) override;

  // Refills the rows and shows the remembered selection; leaves redrawing as it is. Only the rows
  // whose text changed are replaced, and only the texts of the elements an operation changed are
  // made again (all of them after an outside change, which the list cannot see).
  void Redraw();
  void SetCurSel(int32_t nRow, int32_t bLoad);
  void SelectOnly(int32_t nRow, int32_t bLoad);
  void SelectNext(int32_t bLoad);
  int GetCurSel() const;
  int GetCurDataIndex() const;
  int IsEndRow(int32_t nRow) const;
  int GetCount() const;
  int GetCaretIndex() const;
  int GetAnchorIndex() const;
  static int CountSelected(const std::vector<int32_t>& vFlags);
  int SelectAtPoint(POINT ptScreen);

  // Keys, accelerator tables and the popup menu. Mode 0 record lists, 1 sub-lists; type 1 to 4.
  int SetAccelMenu(uint16_t wAccelId, uint16_t wMenuId, int32_t nMode, int32_t nType);
  int LoadAccelIds(uint16_t wAccelId, int32_t nMode, int32_t nType);
  int LoadPopupMenu(uint16_t wMenuId, int32_t nMode, int32_t nType);
  void SetAccelEx(uint16_t wAccelId, uint16_t wCut, uint16_t wCopy, uint16_t wPaste, uint16_t wNew,
                  uint16_t wInsert, uint16_t wClear, uint16_t wDelete);
  void SetPopupEx(uint16_t wMenuId, uint16_t wCut, uint16_t wCopy, uint16_t wPaste, uint16_t wNew,
                  uint16_t wInsert, uint16_t wClear, uint16_t wDelete);
  void SetAccelIds(uint16_t wCut, uint16_t wCopy, uint16_t wPaste, uint16_t wNew, uint16_t wInsert,
                   uint16_t wClear, uint16_t wDelete);
  void SetPopupIds(uint16_t wCut, uint16_t wCopy, uint16_t wPaste, uint16_t wNew, uint16_t wInsert,
                   uint16_t wClear, uint16_t wDelete);
  int OnAccelKey(WPARAM wParam);
  int OnPopupCommand(WPARAM wParam);

  // The editing operations, run by the keys and menus.
  virtual int Cut() = 0;
  virtual int Copy() = 0;
  virtual int Paste() = 0;
  virtual int New() = 0;
  virtual int Insert() = 0;
  virtual int Clear() = 0;
  virtual int Delete(int32_t nRow, int32_t bOnlyThis) = 0;
  virtual void LoadEditor() = 0;

  int32_t m_nCurSel = -1;
  int32_t m_nAnchor = -1;
  std::vector<int32_t> m_vSelFlags;
  int32_t m_nPrevSel = -1;
  std::vector<int32_t> m_vPrevSelFlags;
  int32_t m_nTopIndex = 0;
  int32_t m_bMultiSel = 0;
  int32_t m_bNumbering = 0;
  int32_t m_nMinCount = 0;
  int32_t m_nMaxCount = 0;
  int32_t m_bAllowNoSel = 0;
  int32_t m_nFirst = 0;
  int32_t m_bEndRow = 0;
  uint16_t m_wAccelId[CMD_COUNT];
  uint16_t m_wPopupId[CMD_COUNT];
  std::string m_strEndRow;
  HMENU m_hPopupMenu = nullptr;

 protected:
  virtual int ElementCount() const = 0;
  virtual void RowText(std::string& strText, int nIndex) = 0;

  // What the next Redraw may take as the only change since the rows were last shown: listed
  // elements [nRow, nRow + nOld) became the elements [nRow, nRow + nNew). Without a mark (or when
  // the counts do not agree) every text is made again.
  void MarkRows(int32_t nRow, int32_t nOld, int32_t nNew);
  // The rows and texts shown are no guide to the data any more (another vector, another list box).
  void ForgetRows();

  // Rows the data gives: listed elements and the end row.
  int RowCount() const;
  // A row that shows an element (neither none, nor the end row, nor past it).
  bool IsDataRow(int32_t nRow) const;
  bool AtMax() const { return ElementCount() >= m_nFirst + m_nMaxCount; }
  bool AtMin() const { return ElementCount() <= m_nFirst + m_nMinCount; }
  // The list box part of attaching: style, window property and subclassing.
  void AttachBox(cDialog* lpOwner, uint16_t wId);
  void ResetSelection();
  int RunCommand(const uint16_t* pIds, WPARAM wParam);
  LRESULT Send(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SetSel(int32_t bSel, int32_t nRow) const;
  // Makes the list box's selection agree with the flags, over the rows they cover (and, with
  // bClearRest, none selected after them), with one message per run of rows that differ.
  void ShowFlags(const std::vector<int32_t>& vFlags, bool bClearRest) const;
  // The flags of every row as the list box holds them, read in one message.
  void ReadFlags(std::vector<int32_t>& vFlags, int nRows) const;

 private:
  HMENU m_hMenuRoot = nullptr;
  // The texts of the listed elements and the rows as the list box holds them (with the end row),
  // with each row's width where the list box scrolls sideways (0 where it does not).
  std::vector<std::string> m_vText;
  std::vector<std::string> m_vRows;
  std::vector<int> m_vRowWidth;
  bool m_bTextsValid = false;
  bool m_bRowsShown = false;
  bool m_bMarked = false;
  int32_t m_nMarkRow = 0, m_nMarkOld = 0, m_nMarkNew = 0;
  int m_nExtent = 0;
  // The list box's template gives it a horizontal scroll bar: its extent follows the widest row.
  bool m_bSideways = false;
  // WM_SETREDRAW as the owner last sent it. The list box itself is frozen (m_bBoxFrozen) only
  // once something in it changes.
  bool m_bRedrawOff = false;
  bool m_bBoxFrozen = false;
  // Rows were replaced in place: the caret is set again where the selection is shown next, as a
  // refill would leave it, even where it already is.
  bool m_bCaretAgain = false;
  // The thread the list box belongs to: only there are its messages called directly.
  DWORD m_dwBoxThread = 0;
  void MakeTexts(int nFirst, int nListed);
  void ShowRows(std::vector<std::string>& vRows);
  void MeasureRows(int nFrom, int nTo);
  void ShowSelection();
  bool CaretInView() const;
  void ShowTopRow() const;
  void ShowCaret();
  void ShowCurSel();
  // The rows in view as the list box shows them: thawing paints again only the rows that differ
  // from what they were when it froze.
  struct cViewRow {
    std::string strText;
    bool bExists = false, bSelected = false, bCaret = false;
    bool operator==(const cViewRow& o) const {
      return bExists == o.bExists && bSelected == o.bSelected && bCaret == o.bCaret && strText == o.strText;
    }
  };
  struct cView {
    int nTop = -1;
    std::vector<cViewRow> vRows;
  };
  cView m_FrozenView;
  // What the list box's scroll bars show: which are there, and the range, page and position of each.
  struct cScrollBars {
    LONG_PTR nBars = 0;
    SCROLLINFO aInfo[2] = {};
    static cScrollBars Read(HWND hWnd);
    bool operator==(const cScrollBars& o) const;
  };
  // Whether drawing again leaves the scroll bars as they are now.
  bool BarsStay(const cScrollBars& Bars) const;
  // The extent changed while the list box was frozen (its bars may have changed with it).
  bool m_bExtentSent = false;
  void ReadView(cView& View) const;
  void PaintChangedRows();
  // The list box frozen for a batch of changes, and drawing again.
  void FreezeBox();
  void ThawBox();
  static bool ChangesBox(UINT uMsg);
  void DestroyPopupMenu();
  static LRESULT CALLBACK ListCtrlProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

// Resets an element to its defaults: records by their own SetDefault, other values by assignment.
template <class T>
auto ResetElement(T& v, int) -> decltype(v.SetDefault(), void()) {
  v.SetDefault();
}
template <class T>
void ResetElement(T& v, long) {
  v = T();
}
template <class T>
void ResetElement(T& v) {
  ResetElement(v, 0);
}

template <class T>
struct cListParam {
  typedef void (*RowTextFn)(std::string& strText, int nIndex, const T& Element);

  uint16_t wId = 0;
  int32_t bMultiSel = 0;
  cChkVector<T>* lpSrc = nullptr;
  cChkVector<T>* lpWork = nullptr;
  T* lpEditRec = nullptr;
  int32_t bNumbering = 0;
  int32_t nMinCount = 0;
  int32_t nMaxCount = 0;
  int32_t nFirst = 0;
  int32_t bEndRow = 0;
  int32_t bAllowNoSel = 0;
  RowTextFn lpfnRowText = nullptr;

  cListParam& Set(uint32_t nId, cChkVector<T>* lpSrcIn, cChkVector<T>* lpWorkIn, T* lpEditRecIn,
                  int32_t bMultiSelIn, RowTextFn lpfn, int32_t bNumberingIn, int32_t nMin,
                  int32_t nMax, int32_t nFirstIn, int32_t bEndRowIn, int32_t bAllowNoSelIn) {
    wId = static_cast<uint16_t>(nId);
    lpSrc = lpSrcIn;
    lpWork = lpWorkIn;
    lpEditRec = lpEditRecIn;
    bMultiSel = bMultiSelIn;
    lpfnRowText = lpfn;
    bNumbering = bNumberingIn;
    nMinCount = nMin;
    nMaxCount = nMax;
    nFirst = nFirstIn;
    bEndRow = bEndRowIn;
    bAllowNoSel = bAllowNoSelIn;
    return *this;
  }
};

template <class T>
class cListCtrl : public cListCtrlBase {
 public:
  typedef cChkVector<T> Vector;

  cListCtrl() {}

  void Attach(cDialog* lpOwner, const cListParam<T>& Param);
  void DataToCtrl() override;
  void CtrlToData() override;
  int OnSelChange();
  int Reselect();
  void LoadEditor() override;

  int New() override;
  int Insert() override;
  int Clear() override;
  int Delete(int32_t nRow, int32_t bOnlyThis) override;
  int Copy() override;
  int Cut() override;
  int Paste() override;
  int SetCount(int32_t nCount);

  // Opens the current element's dialog modally: D is the element's dialog class, constructed with
  // (template id, owner, dialog kind, window list, anchor control, centre flag). Mode 1 hides the
  // registered windows meanwhile, mode 2 disables them. The dialog's result; 0 when no element is
  // current or the dialog could not be created.
  template <class D>
  INT_PTR EditInDialog(D*& lpDlg, uint16_t wTemplateId, cWindowList* lpWindowList, int32_t nMode,
                       int32_t bCentre) {
    return RunElementDialog(lpDlg, nMode, lpWindowList, [&]() -> D* {
      cControl* lpAnchor = bCentre ? this : nullptr;
      return new (std::nothrow) D(wTemplateId, m_lpOwner, cWindow::KIND_DIALOG, lpWindowList, lpAnchor,
                                  bCentre ? 1 : 0);
    });
  }
  // The same for element dialogs that take an edit context: D is constructed with (template id,
  // owner, dialog kind, context, window list, anchor, centre flag); the anchor is the given window,
  // else this list when the centre flag is set.
  template <class D, class C>
  INT_PTR EditInDialog(D*& lpDlg, uint16_t wTemplateId, C* lpContext, cWindowList* lpWindowList,
                       int32_t nMode, int32_t bCentre, cWindow* lpAnchorWnd) {
    return RunElementDialog(lpDlg, nMode, lpWindowList, [&]() -> D* {
      if (lpAnchorWnd)
        return new (std::nothrow) D(wTemplateId, m_lpOwner, cWindow::KIND_DIALOG, lpContext, lpWindowList,
                                    lpAnchorWnd, bCentre);
      cControl* lpAnchor = bCentre ? this : nullptr;
      return new (std::nothrow) D(wTemplateId, m_lpOwner, cWindow::KIND_DIALOG, lpContext, lpWindowList,
                                  lpAnchor, bCentre ? 1 : 0);
    });
  }
  template <class D>
  INT_PTR Edit(D*& lpDlg, uint16_t wTemplateId, cWindowList* lpWindowList, int32_t nMode, int32_t bCentre) {
    return EditInDialog(lpDlg, wTemplateId, lpWindowList, nMode, bCentre);
  }
  template <class D, class C>
  INT_PTR Edit(D*& lpDlg, uint16_t wTemplateId, C* lpContext, cWindowList* lpWindowList, int32_t nMode,
               int32_t bCentre, cWindow* lpAnchorWnd) {
    return EditInDialog(lpDlg, wTemplateId, lpContext, lpWindowList, nMode, bCentre, lpAnchorWnd);
  }
  // The same with the dialog run by the caller (fnRun gives its result): the other windows as the
  // mode asks meanwhile, and the current element's row shown again when the dialog confirmed.
  template <class F>
  INT_PTR EditWith(int32_t nMode, cWindowList* lpWindowList, F&& fnRun);
  // Inserts a new element and opens its dialog on it; a cancelled dialog takes the new element,
  // and nothing else, out again. 1 when the element was added, 0 when refused or cancelled.
  template <class D>
  int InsertEdit(D*& lpDlg, uint16_t wTemplateId, cWindowList* lpWindowList, int32_t nMode, int32_t bCentre) {
    return InsertWith([&] { return EditInDialog(lpDlg, wTemplateId, lpWindowList, nMode, bCentre); });
  }
  // The same with the opening of the dialog left to the caller (run after the insertion).
  template <class F>
  int InsertWith(F&& fnEdit) {
    if (!Insert()) return 0;
    m_bNextOnConfirm = true;
    const bool bConfirmed = fnEdit() != 0;
    const bool bMoved = !m_bNextOnConfirm;
    m_bNextOnConfirm = false;
    if (!bConfirmed) {
      Delete(m_nCurSel, 1);
      return 0;
    }
    if (!bMoved) SelectNext(1);
    return 1;
  }

  // Text lists (the bitmap tool's files): append one path or several, optionally without
  // duplicates, or cut the list down to its hidden elements.
  void AddItem(const std::string& str, int32_t bUnique);
  void AddItems(const Vector& v, int32_t bUnique);
  void ResetToCount();

  Vector* m_lpSrc = nullptr;
  Vector* m_lpWork = nullptr;
  T* m_lpEditRec = nullptr;
  Vector m_vClip;
  T m_Default{};
  // Set by InsertWith while its dialog runs: the dialog's confirmation moves to the next row.
  bool m_bNextOnConfirm = false;
  typename cListParam<T>::RowTextFn m_lpfnRowText = nullptr;

 protected:
  int ElementCount() const override { return m_lpWork ? static_cast<int>(m_lpWork->size()) : 0; }
  void RowText(std::string& strText, int nIndex) override {
    if (m_lpfnRowText) m_lpfnRowText(strText, nIndex, (*m_lpWork)[nIndex]);
  }

 private:
  T& Element(int32_t nRow) { return (*m_lpWork)[m_nFirst + nRow]; }
  void Refresh() {
    Redraw();
    RestoreSel();
  }
  void ResetEditor() {
    if (m_lpEditRec) ResetElement(*m_lpEditRec);
  }
  void AfterGrowth();
  template <class D, class F>
  INT_PTR RunElementDialog(D*& lpDlg, int32_t nMode, cWindowList* lpWindowList, F&& fnCreate);
};

// ---------------------------------------------------------------------------------------------

template <class T>
void cListCtrl<T>::Attach(cDialog* lpOwner, const cListParam<T>& Param) {
  m_lpSrc = Param.lpSrc;
  m_lpWork = Param.lpWork;
  if (m_lpSrc && m_lpWork) *m_lpWork = *m_lpSrc;
  m_nFirst = Param.nFirst;
  m_bEndRow = Param.bEndRow;
  if (m_lpWork && Param.bMultiSel) {
    int nRows = ElementCount() + m_bEndRow - m_nFirst;
    if (nRows > 0) m_vSelFlags.assign(static_cast<size_t>(nRows), 0);
  }
  m_lpEditRec = Param.lpEditRec;
  m_bMultiSel = Param.bMultiSel;
  AttachBox(lpOwner, Param.wId);
  m_lpfnRowText = Param.lpfnRowText;
  m_bNumbering = Param.bNumbering;
  m_nMinCount = Param.nMinCount;
  m_nMaxCount = Param.nMaxCount;
  m_bAllowNoSel = Param.bAllowNoSel;
  if (m_nMinCount <= 0 && !m_bEndRow) m_bAllowNoSel = 1;
  ResetSelection();
  if (m_lpWork && !m_lpWork->empty()) SetCurSel(0, 1);
  Redraw();
  RestoreSel();
}

template <class T>
void cListCtrl<T>::DataToCtrl() {
  if (m_lpSrc && m_lpWork) *m_lpWork = *m_lpSrc;
  if (m_lpEditRec) {
    // No row and the end row count as past the end: the last element becomes current.
    int n = ElementCount();
    if (static_cast<uint32_t>(GetCurDataIndex()) >= static_cast<uint32_t>(n)) {
      int32_t nRow = n - 1 - m_nFirst;
      if (m_bMultiSel)
        SelectOnly(nRow, 1);
      else
        SetCurSel(nRow, 1);
    }
    LoadEditor();
  }
  Redraw();
}

template <class T>
void cListCtrl<T>::CtrlToData() {
  if (m_lpSrc && m_lpWork) *m_lpSrc = *m_lpWork;
}

template <class T>
void cListCtrl<T>::LoadEditor() {
  if (!m_lpEditRec || !IsDataRow(m_nCurSel)) return;
  *m_lpEditRec = Element(m_nCurSel);
}

template <class T>
int cListCtrl<T>::OnSelChange() {
  m_nTopIndex = static_cast<int32_t>(Send(LB_GETTOPINDEX));
  if (m_bMultiSel) {
    int nRows = GetCount();
    if (nRows < 0) nRows = 0;
    ReadFlags(m_vSelFlags, nRows);
    m_vPrevSelFlags.resize(static_cast<size_t>(nRows), 0);
    m_nCurSel = GetCaretIndex();
    m_nAnchor = GetAnchorIndex();
    bool bCaretSelected = m_nCurSel >= 0 && m_nCurSel < nRows && m_vSelFlags[m_nCurSel];
    if (m_lpEditRec && !bCaretSelected) {
      for (int i = 0; i < nRows; ++i) {
        if (!m_vSelFlags[i]) continue;
        m_nCurSel = m_nAnchor = i;
        Send(LB_SETCARETINDEX, i);
        Send(LB_SETANCHORINDEX, i);
        break;
      }
    }
  } else {
    m_nCurSel = GetCurSel();
  }
  // A selection changes no element: every text stays as made.
  if (!IsDataRow(m_nCurSel)) {
    if (m_lpEditRec) *m_lpEditRec = m_Default;
    MarkRows(0, 0, 0);
    Redraw();
    return 0;
  }
  LoadEditor();
  MarkRows(0, 0, 0);
  Redraw();
  return 1;
}

template <class T>
int cListCtrl<T>::Reselect() {
  if (!IsDataRow(m_nCurSel)) return 0;
  // The page edits the editor record; its edits go back into the element.
  if (m_lpEditRec) Element(m_nCurSel) = *m_lpEditRec;
  MarkRows(m_nCurSel, 1, 1);
  Refresh();
  return 1;
}

template <class T>
int cListCtrl<T>::New() {
  if (!m_lpWork || AtMax()) {
    ListBeep();
    return 0;
  }
  m_lpWork->push_back(T());
  m_nCurSel = ElementCount() - 1 - m_nFirst;
  MarkRows(m_nCurSel, 0, 1);
  LoadEditor();
  if (m_bMultiSel) {
    // The new element, now in the editor, is the one selection: a following clear or delete must
    // not hit the rows selected before.
    m_vSelFlags.assign(static_cast<size_t>(RowCount()), 0);
    m_vSelFlags[m_nCurSel] = 1;
    m_nAnchor = m_nCurSel;
  }
  Refresh();
  return 1;
}

template <class T>
int cListCtrl<T>::Insert() {
  m_nCurSel = GetCurSel();
  if (m_nCurSel == -1) m_nCurSel = 0;
  if (!m_lpWork || AtMax()) {
    ListBeep();
    return 0;
  }
  m_lpWork->InsertAt(static_cast<uint32_t>(m_nFirst + m_nCurSel), T());
  // Appending may have put the element elsewhere than the row asked for (an empty vector).
  if (!IsDataRow(m_nCurSel)) m_nCurSel = ElementCount() - 1 - m_nFirst;
  MarkRows(m_nCurSel, 0, 1);
  LoadEditor();
  if (m_bMultiSel) {
    // The flags stay with the row positions; the new element, current now, is among the selected
    // rows (its element dialog opens on the current selection).
    m_vSelFlags.push_back(0);
    m_vPrevSelFlags.push_back(0);
    if (m_nCurSel >= 0 && m_nCurSel < static_cast<int>(m_vSelFlags.size())) m_vSelFlags[m_nCurSel] = 1;
  }
  Refresh();
  return 1;
}

template <class T>
int cListCtrl<T>::Clear() {
  if (!m_bMultiSel) {
    m_nCurSel = GetCurSel();
    if (IsDataRow(m_nCurSel)) {
      ResetElement(Element(m_nCurSel));
      MarkRows(m_nCurSel, 1, 1);
      LoadEditor();
    }
  } else {
    int nLow = -1, nHigh = -1;
    for (int i = 0; i < static_cast<int>(m_vSelFlags.size()); ++i) {
      if (!m_vSelFlags[i] || !IsDataRow(i)) continue;
      ResetElement(Element(i));
      if (nLow < 0) nLow = i;
      nHigh = i;
    }
    if (nLow >= 0)
      MarkRows(nLow, nHigh - nLow + 1, nHigh - nLow + 1);
    else
      MarkRows(0, 0, 0);
    LoadEditor();
  }
  Refresh();
  return 1;
}

template <class T>
int cListCtrl<T>::Delete(int32_t nRow, int32_t bOnlyThis) {
  if (!m_lpWork) {
    ListBeep();
    return 0;
  }
  if (!m_bMultiSel) {
    m_nCurSel = nRow == -1 ? GetCurSel() : nRow;
    if (!IsDataRow(m_nCurSel)) {
      MarkRows(0, 0, 0);
      Refresh();
      return 1;
    }
    if (AtMin()) {
      ListBeep();
      return 0;
    }
    m_lpWork->EraseAt(static_cast<uint32_t>(m_nFirst + m_nCurSel));
    MarkRows(m_nCurSel, 1, 0);
    if (m_nFirst + m_nCurSel >= ElementCount()) {
      --m_nCurSel;
      Send(LB_SETCURSEL, static_cast<WPARAM>(m_nCurSel));
      if (m_lpEditRec) {
        if (ElementCount() > m_nFirst) {
          LoadEditor();
        } else {
          ResetEditor();
          m_nCurSel = -1;
        }
      }
    } else {
      LoadEditor();
    }
    Refresh();
    return 1;
  }

  if (AtMin()) {
    ListBeep();
    return 0;
  }
  if (nRow != -1) m_nCurSel = nRow;
  int nErased = 0;
  // The rows from the first erased to the last erased, as they were numbered before.
  int nSpanFirst = -1, nSpanEnd = -1;
  if (bOnlyThis) {
    // The one row asked for, whether or not it is flagged (a new element that is taken out again).
    if (IsDataRow(m_nCurSel)) {
      m_lpWork->EraseAt(static_cast<uint32_t>(m_nFirst + m_nCurSel));
      if (m_nCurSel < static_cast<int>(m_vSelFlags.size())) m_vSelFlags.erase(m_vSelFlags.begin() + m_nCurSel);
      nErased = 1;
      nSpanFirst = m_nCurSel;
      nSpanEnd = m_nCurSel + 1;
    }
  } else {
    int i = 0;
    while (i < static_cast<int>(m_vSelFlags.size()) && !AtMin()) {
      if (!m_vSelFlags[i] || !IsDataRow(i)) {
        ++i;
        continue;
      }
      if (i < m_nCurSel) --m_nCurSel;
      m_lpWork->EraseAt(static_cast<uint32_t>(m_nFirst + i));
      m_vSelFlags.erase(m_vSelFlags.begin() + i);
      if (nSpanFirst < 0) nSpanFirst = i;
      nSpanEnd = i + nErased + 1;
      ++nErased;
    }
  }
  if (!nErased) {
    ListBeep();
    return 0;
  }
  MarkRows(nSpanFirst, nSpanEnd - nSpanFirst, nSpanEnd - nSpanFirst - nErased);
  // Only the current row stays selected.
  for (int32_t& f : m_vSelFlags) f = 0;
  if (m_nCurSel >= 0 && m_nCurSel < static_cast<int>(m_vSelFlags.size())) m_vSelFlags[m_nCurSel] = 1;
  if (IsDataRow(m_nCurSel)) {
    LoadEditor();
  } else if (m_lpEditRec) {
    ResetEditor();
    if (ElementCount() <= m_nFirst && !m_bEndRow) m_nCurSel = -1;
  }
  Refresh();
  return 1;
}

template <class T>
int cListCtrl<T>::Copy() {
  if (!m_lpWork) return 0;
  if (!m_bMultiSel) {
    m_nCurSel = GetCurSel();
    if (!IsDataRow(m_nCurSel)) {
      ListBeep();
      return 0;
    }
    m_vClip.assign(1, Element(m_nCurSel));
    return 1;
  }
  // The end row's flag is left out; with nothing selected the clipboard becomes empty.
  m_vClip.clear();
  for (int i = 0; i < static_cast<int>(m_vSelFlags.size()); ++i)
    if (m_vSelFlags[i] && IsDataRow(i)) m_vClip.push_back(Element(i));
  return 1;
}

template <class T>
int cListCtrl<T>::Cut() {
  if (!Copy()) return 0;
  return Delete(-1, 0) ? 1 : 0;
}

template <class T>
int cListCtrl<T>::Paste() {
  m_nCurSel = GetCurSel();
  // A list never holds more than its maximum: a clipboard that does not fit is refused whole.
  int nAfter = ElementCount() + static_cast<int>(m_vClip.size());
  if (m_nCurSel == -1 || !m_lpWork || AtMax() || nAfter > m_nFirst + m_nMaxCount) {
    ListBeep();
    return 0;
  }
  if (!m_vClip.empty()) {
    Vector vClip(m_vClip);
    // On the end row (or past it) the elements go after the last one.
    const int nListed = ElementCount() - m_nFirst;
    for (int i = 0; i < static_cast<int>(vClip.size()); ++i)
      m_lpWork->InsertAt(static_cast<uint32_t>(m_nFirst + m_nCurSel + i), vClip[i]);
    MarkRows(m_nCurSel < nListed ? m_nCurSel : nListed, 0, static_cast<int32_t>(vClip.size()));
    LoadEditor();
  } else {
    MarkRows(0, 0, 0);
  }
  Refresh();
  return 1;
}

template <class T>
int cListCtrl<T>::SetCount(int32_t nCount) {
  if (nCount < m_nMinCount || nCount > m_nMaxCount || !m_lpWork) {
    ListBeep();
    return 0;
  }
  const int32_t nHad = ElementCount() - m_nFirst;
  m_lpWork->resize(static_cast<size_t>(m_nFirst + nCount));
  const int32_t nKept = nHad < nCount ? nHad : nCount;
  MarkRows(nKept, nHad - nKept, nCount - nKept);
  if (m_nCurSel < 0 || m_nFirst + m_nCurSel >= ElementCount()) {
    m_nCurSel = 0;
    if (m_bMultiSel) {
      for (int32_t& f : m_vSelFlags) f = 0;
      if (!m_vSelFlags.empty()) m_vSelFlags[0] = 1;
      m_nAnchor = 0;
    } else {
      Send(LB_SETCURSEL, 0);
    }
    if (m_lpEditRec) {
      if (ElementCount() > m_nFirst) {
        LoadEditor();
      } else {
        ResetEditor();
        if (!m_bEndRow) m_nCurSel = -1;
      }
    }
  } else {
    LoadEditor();
  }
  Refresh();
  return 1;
}

template <class T>
template <class F>
INT_PTR cListCtrl<T>::EditWith(int32_t nMode, cWindowList* lpWindowList, F&& fnRun) {
  const int nIndex = GetCurDataIndex();
  if (nIndex == -1) return 0;
  auto fnOthers = [&](int32_t bOn) {
    if (!lpWindowList) return;
    if (nMode == 1) lpWindowList->ShowAll(bOn);
    if (nMode == 2) lpWindowList->EnableAll(bOn);
  };
  fnOthers(0);
  const INT_PTR nResult = fnRun();
  // The dialog edits the element it was opened on. An inserted element's confirmation also moves
  // to the next row, before the windows hidden meanwhile show again: they paint the list once.
  // The row and the move reach the list box frozen together, and it draws again once: a list box
  // that draws again repaints its scroll bars at once, which costs more than all its rows.
  if (nResult) {
    if (m_hWnd) SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    MarkRows(nIndex - m_nFirst, 1, 1);
    Redraw();
    if (m_bNextOnConfirm) {
      m_bNextOnConfirm = false;
      SelectNext(1);
    }
    RestoreSel();
  }
  fnOthers(1);
  return nResult;
}

template <class T>
template <class D, class F>
INT_PTR cListCtrl<T>::RunElementDialog(D*& lpDlg, int32_t nMode, cWindowList* lpWindowList, F&& fnCreate) {
  return EditWith(nMode, lpWindowList, [&]() -> INT_PTR {
    lpDlg = fnCreate();
    if (!lpDlg) {
      OutOfMemory();
      return 0;
    }
    const INT_PTR nResult = lpDlg->DoModal(0);
    SafeDelete(lpDlg);
    return nResult;
  });
}

template <class T>
void cListCtrl<T>::AfterGrowth() {
  OnSelChange();
  Refresh();
}

template <class T>
void cListCtrl<T>::AddItem(const std::string& str, int32_t bUnique) {
  if (!m_lpWork) return;
  if (bUnique)
    m_lpWork->PushUnique(str);
  else
    m_lpWork->push_back(str);
  AfterGrowth();
}

template <class T>
void cListCtrl<T>::AddItems(const Vector& v, int32_t bUnique) {
  if (!m_lpWork) return;
  if (bUnique)
    m_lpWork->AppendUnique(v);
  else
    m_lpWork->Append(v);
  AfterGrowth();
}

template <class T>
void cListCtrl<T>::ResetToCount() {
  if (m_lpWork && static_cast<int>(m_lpWork->size()) > m_nFirst)
    m_lpWork->resize(static_cast<size_t>(m_nFirst < 0 ? 0 : m_nFirst));
  AfterGrowth();
}
