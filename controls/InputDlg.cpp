#include "controls/InputDlg.h"

#include <new>

#include "app/MsgBox.h"
#include "app/Paths.h"
#include "resources/InputDlgIds.h"

template <class T>
void cInputDlgBase<T>::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  SetWindowTextA(this->m_hWnd, m_strCaption.c_str());
  AttachOwnCtrls();
  this->DataToCtrls();
  AfterDataShown();
  this->m_bInit = 1;
}

// OK stores the bound controls into the caller's variable and confirms; Cancel leaves it.
template <class T>
void cInputDlgBase<T>::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!this->CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_INPUT_OK:
      this->CtrlsToData();
      this->Close(1);
      break;
    case IDC_INPUT_CANCEL:
      this->Close(0);
      break;
    default:
      break;
  }
}

// WM_CLOSE (the close box) cancels; WM_INITDIALOG lets the dialog manager focus the first
// field, so typing replaces the selected text at once.
template <class T>
LRESULT cInputDlgBase<T>::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nDefault = this->DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_CLOSE) {
    this->Close(0);
    return 1;
  }
  if (uMsg == WM_INITDIALOG) return TRUE;
  return nDefault ? 1 : 0;
}

template class cInputDlgBase<cValueDlg>;
template class cInputDlgBase<cStringDlg>;
template class cInputDlgBase<cNoticeDlg>;

namespace {

// Runs a modal input dialog as the only object of its class; 0 when it cannot be made.
template <class D, class... A>
int RunInput(A... args) {
  D* lpOld = D::Current();
  SafeDelete(lpOld);
  D* lpDlg = new (std::nothrow) D(args...);
  if (!lpDlg) {
    OutOfMemory();
    return 0;
  }
  int nResult = static_cast<int>(lpDlg->DoModal(0));
  SafeDelete(lpDlg);
  return nResult;
}

template <class... A>
void RunNotice(A... args) {
  cNoticeDlg* lpOld = cNoticeDlg::Current();
  SafeDelete(lpOld);
  cNoticeDlg* lpDlg = new (std::nothrow) cNoticeDlg(args...);
  if (!lpDlg) {
    OutOfMemory();
    return;
  }
  lpDlg->DoModeless(cDialog::RUN_DISABLE_OTHERS, 1);
  if (!lpDlg->m_vStatic.empty()) lpDlg->m_vStatic[0].m_Ctrl.SetText(lpDlg->m_strText.c_str());
}

}  // namespace

// ---- number ----

cValueDlg::cValueDlg(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin,
                     int32_t nMax, const char* pszCaption)
    : cInputDlgBase(IDD_INPUT_VALUE, lpParent, KIND_DIALOG, lpWindowList) {
  SetUp(pnValue, nMin, nMax, pszCaption);
}

cValueDlg::cValueDlg(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin,
                     int32_t nMax, const char* pszCaption, int32_t x, int32_t y)
    : cInputDlgBase(IDD_INPUT_VALUE, lpParent, KIND_DIALOG, lpWindowList, x, y) {
  SetUp(pnValue, nMin, nMax, pszCaption);
}

cValueDlg::cValueDlg(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin,
                     int32_t nMax, const char* pszCaption, cControl* lpAnchor, int32_t bCentre)
    : cInputDlgBase(IDD_INPUT_VALUE, lpParent, KIND_DIALOG, lpWindowList, lpAnchor, bCentre) {
  SetUp(pnValue, nMin, nMax, pszCaption);
}

void cValueDlg::SetUp(int32_t* pnValue, int32_t nMin, int32_t nMax, const char* pszCaption) {
  m_pnValue = pnValue;
  m_strCaption = pszCaption ? pszCaption : "";
  m_vEditVal.resize(1);
  m_vEditVal[0].m_Param.Set(IDC_INPUT_EDIT, pnValue, nMin, nMax, IDC_INPUT_SPIN, 1);
}

void cValueDlg::AfterDataShown() { SendDlgItemMessageA(m_hWnd, IDC_INPUT_EDIT, EM_SETSEL, 0, 99); }



// ---- text ----

cStringDlg::cStringDlg(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax,
                       int32_t bWide, const char* pszCaption)
    : cInputDlgBase(IDD_INPUT_STRING, lpParent, KIND_DIALOG, lpWindowList) {
  SetUp(pStr, nMax, bWide, pszCaption);
}

cStringDlg::cStringDlg(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax,
                       int32_t bWide, const char* pszCaption, int32_t x, int32_t y)
    : cInputDlgBase(IDD_INPUT_STRING, lpParent, KIND_DIALOG, lpWindowList, x, y) {
  SetUp(pStr, nMax, bWide, pszCaption);
}

cStringDlg::cStringDlg(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax,
                       int32_t bWide, const char* pszCaption, cControl* lpAnchor, int32_t bCentre)
    : cInputDlgBase(IDD_INPUT_STRING, lpParent, KIND_DIALOG, lpWindowList, lpAnchor, bCentre) {
  SetUp(pStr, nMax, bWide, pszCaption);
}

void cStringDlg::SetUp(std::string* pStr, int32_t nMax, int32_t bWide, const char* pszCaption) {
  m_pStr = pStr;
  m_strCaption = pszCaption ? pszCaption : "";
  m_vEditStr.resize(1);
  m_vEditStr[0].m_Param.Set(IDC_INPUT_EDIT, pStr, nMax, bWide);
}

void cStringDlg::AfterDataShown() { SendDlgItemMessageA(m_hWnd, IDC_INPUT_EDIT, EM_SETSEL, 0, 99); }



// ---- notice ----

cNoticeDlg::cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText,
                       const char* pszCaption, int32_t bWait)
    : cInputDlgBase(IDD_NOTICE, lpParent, KIND_DIALOG, lpWindowList) {
  SetUp(pszText, pszCaption, bWait);
}

cNoticeDlg::cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText,
                       const char* pszCaption, int32_t bWait, int32_t x, int32_t y)
    : cInputDlgBase(IDD_NOTICE, lpParent, KIND_DIALOG, lpWindowList, x, y) {
  SetUp(pszText, pszCaption, bWait);
}

cNoticeDlg::cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText,
                       const char* pszCaption, int32_t bWait, cWindow* lpAnchor, int32_t bCentre)
    : cInputDlgBase(IDD_NOTICE, lpParent, KIND_DIALOG, lpWindowList, lpAnchor, bCentre) {
  SetUp(pszText, pszCaption, bWait);
}

cNoticeDlg::cNoticeDlg(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText,
                       const char* pszCaption, int32_t bWait, cControl* lpAnchor, int32_t bCentre)
    : cInputDlgBase(IDD_NOTICE, lpParent, KIND_DIALOG, lpWindowList, lpAnchor, bCentre) {
  SetUp(pszText, pszCaption, bWait);
}

void cNoticeDlg::SetUp(const char* pszText, const char* pszCaption, int32_t bWait) {
  m_strText = pszText ? pszText : "";
  m_strCaption = pszCaption ? pszCaption : "";
  m_vStatic.resize(1);
  m_vStatic[0].m_Param.Set(IDC_NOTICE_TEXT);
  if (bWait) SetWaitCursor();
}

void cNoticeDlg::AfterDataShown() { m_vStatic[0].m_Ctrl.SetText(m_strText.c_str()); }



// ---- entry points ----

int InputValue(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
               const char* pszCaption, cControl* lpAnchor, int32_t bCentre) {
  return RunInput<cValueDlg>(lpParent, lpWindowList, pnValue, nMin, nMax, pszCaption, lpAnchor, bCentre);
}

int InputValueAt(cWindow* lpParent, cWindowList* lpWindowList, int32_t* pnValue, int32_t nMin, int32_t nMax,
                 const char* pszCaption, int32_t x, int32_t y) {
  return RunInput<cValueDlg>(lpParent, lpWindowList, pnValue, nMin, nMax, pszCaption, x, y);
}

int InputString(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
                const char* pszCaption, cControl* lpAnchor, int32_t bCentre) {
  return RunInput<cStringDlg>(lpParent, lpWindowList, pStr, nMax, bWide, pszCaption, lpAnchor, bCentre);
}

int InputStringAt(cWindow* lpParent, cWindowList* lpWindowList, std::string* pStr, int32_t nMax, int32_t bWide,
                  const char* pszCaption, int32_t x, int32_t y) {
  return RunInput<cStringDlg>(lpParent, lpWindowList, pStr, nMax, bWide, pszCaption, x, y);
}

void ShowNotice(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
                cWindow* lpAnchor, int32_t bCentre, int32_t bWait) {
  RunNotice(lpParent, lpWindowList, pszText, pszCaption, bWait, lpAnchor, bCentre);
}

void ShowNoticeAt(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
                  int32_t x, int32_t y, int32_t bWait) {
  RunNotice(lpParent, lpWindowList, pszText, pszCaption, bWait, x, y);
}

void ShowNoticeByCtrl(cWindow* lpParent, cWindowList* lpWindowList, const char* pszText, const char* pszCaption,
                      cControl* lpAnchor, int32_t bCentre, int32_t bWait) {
  RunNotice(lpParent, lpWindowList, pszText, pszCaption, bWait, lpAnchor, bCentre);
}

void CloseNotice() {
  cNoticeDlg* lpDlg = cNoticeDlg::Current();
  SafeDelete(lpDlg);
  SetArrowCursor();
}
