#include "ListTestDlg.h"

#include "controls/InputDlg.h"
#include "app/TextFormat.h"
#include "support/TestSupport.h"

void SmallRowText(std::string& str, int, const cSmall& e) { FormatStr(str, "%s (%d)", e.m_strName.c_str(), e.m_nValue); }

cSmallVector SmallRecords(int n) {
  cSmallVector v;
  v.push_back(cSmall("hidden", -1));
  for (int i = 1; i <= n; ++i) v.push_back(cSmall(("r" + std::to_string(i)).c_str(), i));
  return v;
}

int cElemDlg::s_nAnswer = IDOK;
int cElemDlg::s_nOpened = 0;
std::function<void()> cElemDlg::s_fnOnOk;

LRESULT cElemDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg != WM_INITDIALOG) return r;
  m_bInit = 1;
  ++s_nOpened;
  PostMessageA(hWnd, WM_COMMAND, static_cast<WPARAM>(s_nAnswer), 0);
  return TRUE;
}

void cElemDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  cDialog::OnCommand(wParam, lParam);
  if (LOWORD(wParam) == IDOK) {
    if (s_fnOnOk) s_fnOnOk();
    Close(1);
  } else if (LOWORD(wParam) == IDCANCEL) {
    Close(0);
  }
}

cListTestDlg::cListTestDlg(cSmallVector* lpSrc)
    : cDialogClass<cListTestDlg>(IDD_LIST_TEST, nullptr, cWindow::KIND_DIALOG, &WindowList) {
  m_BindA.m_Param.Set(IDC_LIST_A, lpSrc, &m_vWork, &m_Edit, 1, SmallRowText, 1, 1, 999, 1, 1, 0);
  m_BindB.m_Param.Set(IDC_LIST_B, nullptr, &m_vSub, nullptr, 0, SmallRowText, 0, 0, 99, 0, 1, 0);
}

bool cListTestDlg::Open() {
  DoModeless(0, 1);
  return m_hWnd != nullptr;
}

void cListTestDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachList(m_BindA);
  AttachList(m_BindB);
  m_ListA.SetAccelMenu(IDR_ACCEL_REC1, IDR_POPUP_REC1, 0, 1);
  m_ListB.SetAccelMenu(IDR_ACCEL_SUB1, IDR_POPUP_SUB1, 1, 1);
  m_bInit = 1;
}

LRESULT cListTestDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_INITDIALOG) return TRUE;
  if (uMsg == WM_CONTEXTMENU && m_bInit) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    for (cListCtrlBase* p : {static_cast<cListCtrlBase*>(&m_ListA), static_cast<cListCtrlBase*>(&m_ListB)}) {
      if (!p->SelectAtPoint(pt)) continue;
      m_vPopups.push_back(p->m_hPopupMenu);
      if (m_bTrackPopup) PopupMenu(p->m_hPopupMenu);
      break;
    }
    return TRUE;
  }
  return r;
}

void cListTestDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  cDialog::OnCommand(wParam, lParam);
  if (!m_bInit) return;
  WORD wId = LOWORD(wParam), wCode = HIWORD(wParam);
  if (wId == IDCANCEL) {
    Close(0);
    return;
  }
  int r = -1;
  if (wCode == LBN_SELCHANGE && wId == IDC_LIST_A) r = m_ListA.OnSelChange();
  if (wCode == LBN_SELCHANGE && wId == IDC_LIST_B) r = m_ListB.OnSelChange();
  if (wCode == BN_CLICKED && lParam) {
    switch (wId) {
      case IDC_BTN_NEW: r = m_ListA.New(); break;
      case IDC_BTN_INSERT:
        r = m_ListA.InsertEdit(m_lpElemDlg, IDD_LIST_ELEM, &WindowList, 0, 1);
        break;
      case IDC_BTN_DELETE: r = m_ListA.Delete(-1, 0); break;
      case IDC_BTN_COUNT: {
        int32_t nCount = static_cast<int32_t>(m_vWork.size()) - 1;
        r = InputValue(this, &WindowList, &nCount, 1, 999, "データ数", &m_ListA, 1) ? m_ListA.SetCount(nCount) : 0;
        break;
      }
      case IDC_BTN_EDIT:
        r = static_cast<int>(m_ListA.Edit(m_lpElemDlg, IDD_LIST_ELEM, &WindowList, 0, 1));
        break;
      default: break;
    }
  }
  for (cListCtrlBase* p : {static_cast<cListCtrlBase*>(&m_ListA), static_cast<cListCtrlBase*>(&m_ListB)}) {
    if (p->OnAccelKey(wParam)) r = 1;
    if (p->OnPopupCommand(wParam)) r = 1;
  }
  m_vResults.push_back(r);
  RedrawList();
}


std::vector<int> SelectedRows(HWND hList) {
  std::vector<int> v;
  int n = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
  LONG_PTR style = GetWindowLongPtrA(hList, GWL_STYLE);
  bool bMulti = (style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
  for (int i = 0; i < n; ++i) {
    bool bSel = bMulti ? SendMessageA(hList, LB_GETSEL, i, 0) > 0 : SendMessageA(hList, LB_GETCURSEL, 0, 0) == i;
    if (bSel) v.push_back(i);
  }
  return v;
}

void UserSelect(cDialog& dlg, cListCtrlBase& list, const std::vector<int>& vRows, int nCaret) {
  HWND h = list.m_hWnd;
  if (list.m_bMultiSel) {
    int n = static_cast<int>(SendMessageA(h, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) SendMessageA(h, LB_SETSEL, FALSE, i);
    for (int r : vRows) SendMessageA(h, LB_SETSEL, TRUE, r);
    SendMessageA(h, LB_SETCARETINDEX, nCaret, 0);
    SendMessageA(h, LB_SETANCHORINDEX, nCaret, 0);
  } else {
    SendMessageA(h, LB_SETCURSEL, nCaret, 0);
  }
  SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(list.m_wId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

int cBeepCounter::s_nBeeps = 0;

cBeepCounter::cBeepCounter() {
  s_nBeeps = 0;
  m_pfnPrev = SetListBeepFn(&cBeepCounter::Beep);
}

cBeepCounter::~cBeepCounter() { SetListBeepFn(m_pfnPrev); }
