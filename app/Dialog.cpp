#include "app/Dialog.h"

#include "app/AppGlobals.h"
#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "resources/AppIds.h"

namespace {

const char* const DLG_PROP = "DLG_CLASS";

uint16_t s_wHScrollId = IDC_HSCROLL;
uint16_t s_wVScrollId = IDC_VSCROLL;

// Drag auto-scroll counts, one per side, shared by every dialog.
int32_t s_nScrollLeft = 0, s_nScrollRight = 0, s_nScrollUp = 0, s_nScrollDown = 0;

// A side steps at once when the cursor is more than this far beyond it, else every 8th call.
const int32_t AUTOSCROLL_FAR = 32;
const int32_t AUTOSCROLL_EVERY = 8;

}  // namespace

void cDialog::SetScrollBarIds(uint16_t wHorz, uint16_t wVert) {
  s_wHScrollId = wHorz;
  s_wVScrollId = wVert;
}

void cDialog::ResetAutoScroll() {
  s_nScrollLeft = s_nScrollRight = s_nScrollUp = s_nScrollDown = 0;
}

cDialog::cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList) {
  Init(nKind);
  InitParent(wTemplateId, lpParent, lpWindowList);
}

cDialog::cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                 cControl* lpAnchor, int32_t bCentre)
    : cWindow(lpAnchor, bCentre) {
  Init(nKind);
  InitParent(wTemplateId, lpParent, lpWindowList);
}

cDialog::cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                 cWindow* lpAnchor, int32_t bCentre)
    : cWindow(lpAnchor, bCentre) {
  Init(nKind);
  InitParent(wTemplateId, lpParent, lpWindowList);
}

cDialog::cDialog(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cWindowList* lpWindowList,
                 int32_t x, int32_t y)
    : cWindow(x, y) {
  Init(nKind);
  InitParent(wTemplateId, lpParent, lpWindowList);
}

cDialog::~cDialog() {
  // Derived destructors dispose first; this only catches one that did not.
  if (!m_bDisposed) Dispose();
  m_vCtrls.clear();
}

void cDialog::Init(int32_t nKind) {
  m_nKind = nKind;
  m_bInit = 0;
  m_bModeless = 0;
  m_dwRunFlags = 0;
  m_bNeedRefresh = 0;
}

void cDialog::InitParent(uint16_t wTemplateId, cWindow* lpParent, cWindowList* lpWindowList) {
  m_hParent = lpParent ? lpParent->m_hWnd : nullptr;
  m_lpParentClass = lpParent;
  m_lpfnOldProc = nullptr;
  InitTemplate(wTemplateId, m_hParent, lpWindowList);
}

bool cDialog::HasLiveWindow() const {
  return m_hWnd && IsWindow(m_hWnd) && GetPropA(m_hWnd, DLG_PROP) == this;
}

void cDialog::SetOthersForRun(DWORD dwFlags, bool bRunning) {
  if (!m_lpWindowList) return;
  if (dwFlags & RUN_HIDE_OTHERS) m_lpWindowList->ShowAll(bRunning ? 0 : 1);
  if (dwFlags & RUN_DISABLE_OTHERS) m_lpWindowList->EnableAll(bRunning ? 0 : 1);
}

INT_PTR cDialog::DoModal(DWORD dwFlags) {
  if (m_hWnd) return 0;
  Close(0);
  m_bModeless = 0;
  m_dwRunFlags = dwFlags;
  SetOthersForRun(dwFlags, true);
  INT_PTR nResult = DialogBoxParamA(m_hInstance, MAKEINTRESOURCEA(m_wTemplateId), m_hParent,
                                    reinterpret_cast<DLGPROC>(m_lpfnStaticProc), 0);
  m_hWnd = nullptr;
  SetOthersForRun(dwFlags, false);
  // A template that could not be run is no confirmation.
  return nResult == -1 ? 0 : nResult;
}

INT_PTR cDialog::DoModeless(DWORD dwFlags, int32_t bShow) {
  Close(0);
  if (m_hWnd) return reinterpret_cast<INT_PTR>(m_hWnd);
  m_bModeless = 1;
  m_dwRunFlags = dwFlags;
  SetOthersForRun(dwFlags, true);
  HWND hWnd = CreateDialogParamA(m_hInstance, MAKEINTRESOURCEA(m_wTemplateId), m_hParent,
                                 reinterpret_cast<DLGPROC>(m_lpfnStaticProc), 0);
  if (!hWnd) {
    SetOthersForRun(dwFlags | RUN_DISABLE_OTHERS, false);
    SystemResourceError();
    return 0;
  }
  if (!m_hWnd) m_hWnd = hWnd;
  return Show(bShow);
}

void cDialog::Close(int32_t nResult) {
  m_nResult = nResult;
  m_vCtrls.clear();
  // The handle may be that of a window the user already closed; only our own live window counts.
  if (!HasLiveWindow()) return;
  if (m_bModeless)
    DestroyWindow(m_hWnd);
  else
    EndDialog(m_hWnd, nResult);
}

void cDialog::Dispose() {
  if (m_bDisposed) return;
  m_bDisposed = 1;
  if (!m_bModeless || !m_hWnd) return;
  Close(0);
  if (!m_lpWindowList || !m_lpWindowList->RemoveWindow(m_lpRegistered))
    ErrorBox("ウインドウの破棄に失敗！");
}

void cDialog::DataToCtrls() {
  for (size_t i = 0; i < m_vCtrls.size(); ++i) m_vCtrls[i]->DataToCtrl();
}

void cDialog::CtrlsToData() {
  for (size_t i = 0; i < m_vCtrls.size(); ++i) m_vCtrls[i]->CtrlToData();
}

void cDialog::UpdateCtrls(int) { DataToCtrls(); }

void cDialog::UpdateCtrlsExcept(int, const cControl* lpCtrl) {
  for (size_t i = 0; i < m_vCtrls.size(); ++i)
    if (!lpCtrl || m_vCtrls[i]->m_wId != lpCtrl->m_wId) m_vCtrls[i]->DataToCtrl();
}

uint16_t cDialog::ChangedCtrlId(WPARAM wParam) const {
  uint16_t wId = LOWORD(wParam);
  WORD wCode = HIWORD(wParam);
  for (const cControl* c : m_vCtrls) {
    if (c->m_wId != wId) continue;
    switch (c->m_nKind) {
      case cControl::KIND_BUTTON:
        if (wCode == BN_CLICKED) return wId;
        break;
      case cControl::KIND_EDITVAL:
      case cControl::KIND_EDITSTR:
        if (wCode == EN_UPDATE) return wId;
        break;
      case cControl::KIND_CHECK:
        return wId;
      case cControl::KIND_COMBO:
        if (wCode == CBN_SELCHANGE) return wId;
        break;
      default:
        break;
    }
  }
  return 0;
}

void cDialog::RedrawList() {
  for (size_t i = 0; i < m_vCtrls.size(); ++i)
    if (m_vCtrls[i]->m_nKind == cControl::KIND_LIST) m_vCtrls[i]->RestoreSel();
}

void cDialog::OnCommand(WPARAM wParam, LPARAM) {
  uint16_t wId = LOWORD(wParam);
  WORD wCode = HIWORD(wParam);
  for (size_t i = 0; i < m_vCtrls.size(); ++i) {
    cControl* c = m_vCtrls[i];
    if (c->m_wId != wId) continue;
    bool bCalled = true;
    switch (c->m_nKind) {
      case cControl::KIND_EDITVAL:
      case cControl::KIND_EDITSTR:
        if (wCode == EN_UPDATE)
          c->OnChange();
        else if (wCode == EN_KILLFOCUS)
          c->OnKillFocus();
        else
          bCalled = false;
        break;
      case cControl::KIND_COMBO:
        if (wCode == CBN_SELCHANGE)
          c->OnChange();
        else
          bCalled = false;
        break;
      case cControl::KIND_LIST:
        if (wCode == LBN_SELCHANGE)
          c->OnChange();
        else if (wCode == LBN_KILLFOCUS)
          c->OnKillFocus();
        else
          bCalled = false;
        break;
      default:
        bCalled = false;
        break;
    }
    if (bCalled) break;
  }
  // Lists stay frozen until the command handler has finished with them (RestoreSel).
  for (size_t i = 0; i < m_vCtrls.size(); ++i) {
    cControl* c = m_vCtrls[i];
    if (c->m_nKind != cControl::KIND_LIST) continue;
    SendMessageA(c->m_hWnd, WM_SETREDRAW, FALSE, 0);
    c->AfterRedrawFreeze();
  }
}

void cDialog::ThawLists() {
  for (cControl* c : m_vCtrls)
    if (c->m_nKind == cControl::KIND_LIST) c->Thaw();
}

void cDialog::OnInitDialog(WPARAM, LPARAM) {
  m_vCtrls.clear();
  if (m_bModeless && m_lpWindowList) {
    m_lpWindowList->AddWindow(this);
    m_lpRegistered = this;
  }
  // Each new window of the object is tied to it once.
  if (GetPropA(m_hWnd, DLG_PROP) != this) {
    SetPropA(m_hWnd, DLG_PROP, this);
    m_lpfnOldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cDialog::SubclassProc)));
  }
  UpdateStyle();
  if (m_rcRequest.right != 0) SetClientSize(m_rcRequest.right, m_rcRequest.bottom);
  // The view item is attached bare so that every dialog can show or hide it.
  m_ViewParam.Set(VIEW_CTRL_ID, 0, 0);
  m_ViewCtrl.cControl::Attach(this, VIEW_CTRL_ID);
  if (m_dwScrollBars & SCROLL_H) {
    m_HScrollParam.Set(s_wHScrollId, 0, 0, 0, 0);
    m_HScroll.Attach(this, m_HScrollParam);
    m_vCtrls.push_back(&m_HScroll);
  }
  if (m_dwScrollBars & SCROLL_V) {
    m_VScrollParam.Set(s_wVScrollId, 0, 0, 0, 0);
    m_VScroll.Attach(this, m_VScrollParam);
    m_vCtrls.push_back(&m_VScroll);
  }
  PlaceScrollBars();
  if (m_dwScrollBars & SCROLL_H) m_HScroll.SetPos(0);
  if (m_dwScrollBars & SCROLL_V) m_VScroll.SetPos(0);
  Place();
  if (!m_Hook.Attach(m_hWnd, m_bModeless)) ErrorBox("KeyboardHookに失敗!");
  UpdateMouse(0, 7);
  m_MouseAtInit = m_Mouse;
  m_bMouseReady = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) ? 0 : 1;
}

void cDialog::PlaceScrollBars() {
  if ((m_dwScrollBars & SCROLL_H) && m_HScroll.m_hWnd) {
    SetWindowPos(m_HScroll.m_hWnd, nullptr, m_nViewX, m_nViewY + m_nViewH, m_nViewW,
                 GetSystemMetrics(SM_CYHSCROLL), SWP_NOZORDER | SWP_NOACTIVATE);
    m_HScroll.UpdatePos();
  }
  if ((m_dwScrollBars & SCROLL_V) && m_VScroll.m_hWnd) {
    SetWindowPos(m_VScroll.m_hWnd, nullptr, m_nViewX + m_nViewW, m_nViewY,
                 GetSystemMetrics(SM_CXVSCROLL), m_nViewH, SWP_NOZORDER | SWP_NOACTIVATE);
    m_VScroll.UpdatePos();
  }
}

void cDialog::OnOwnScroll(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cScrollCtrl& bar = uMsg == WM_HSCROLL ? m_HScroll : m_VScroll;
  if (!bar.m_hWnd || reinterpret_cast<HWND>(lParam) != bar.m_hWnd) return;
  SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(bar.m_hWnd, SB_CTL, &si)) return;
  int32_t nOld = si.nPos, nPos = si.nPos;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: nPos -= 1; break;
    case SB_LINEDOWN: nPos += 1; break;
    case SB_PAGEUP: nPos -= static_cast<int32_t>(si.nPage); break;
    case SB_PAGEDOWN: nPos += static_cast<int32_t>(si.nPage); break;
    case SB_THUMBTRACK: nPos = si.nTrackPos; break;
    case SB_TOP: nPos = si.nMin; break;
    case SB_BOTTOM: nPos = si.nMax; break;
    default: break;
  }
  SCROLLINFO siSet = {sizeof siSet, SIF_POS, 0, 0, 0, nPos, 0};
  SetScrollInfo(bar.m_hWnd, SB_CTL, &siSet, TRUE);
  if (bar.GetPos() != nOld) Draw();
}

LRESULT cDialog::DefProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nResult = cWindow::DefProc(hWnd, uMsg, wParam, lParam);
  if (m_bInit && m_ViewCtrl.m_hWnd && IsWindowVisible(m_ViewCtrl.m_hWnd)) {
    // Keys go to the view, not to the bars.
    HWND hFocus = GetFocus();
    if (hFocus && (hFocus == m_HScroll.m_hWnd || hFocus == m_VScroll.m_hWnd))
      SetFocus(m_ViewCtrl.m_hWnd);
  }
  switch (uMsg) {
    case WM_DESTROY:
      SetOthersForRun(m_dwRunFlags, false);
      break;
    case WM_SIZE:
      PlaceScrollBars();
      break;
    case WM_NOTIFY:
      for (size_t i = 0; i < m_vCtrls.size(); ++i)
        if (m_vCtrls[i]->OnNotify(wParam, lParam)) break;
      break;
    case WM_KEYDOWN: {
      struct cPageKey {
        WPARAM wKey;
        UINT uMsg;
        WORD wCode;
      };
      static const cPageKey s_aKeys[] = {
          {VK_PRIOR, WM_VSCROLL, SB_PAGEUP},  {VK_NEXT, WM_VSCROLL, SB_PAGEDOWN},
          {VK_HOME, WM_HSCROLL, SB_PAGELEFT}, {VK_END, WM_HSCROLL, SB_PAGERIGHT},
          {VK_LEFT, WM_HSCROLL, SB_LINELEFT}, {VK_RIGHT, WM_HSCROLL, SB_LINERIGHT},
          {VK_UP, WM_VSCROLL, SB_LINEUP},     {VK_DOWN, WM_VSCROLL, SB_LINEDOWN},
      };
      for (const cPageKey& k : s_aKeys) {
        if (k.wKey != wParam) continue;
        HWND hBar = k.uMsg == WM_VSCROLL ? m_VScroll.m_hWnd : m_HScroll.m_hWnd;
        if (hBar) PostMessageA(m_hWnd, k.uMsg, k.wCode, reinterpret_cast<LPARAM>(hBar));
      }
      if (!m_bModeless)
        for (size_t i = 0; i < m_vCtrls.size(); ++i)
          m_vCtrls[i]->OnKeyDown(wParam, lParam, cHook::IsCtrlHeld());
      break;
    }
    case WM_INITDIALOG:
      OnInitDialog(wParam, lParam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnOwnScroll(uMsg, wParam, lParam);
      for (size_t i = 0; i < m_vCtrls.size(); ++i) m_vCtrls[i]->OnScroll(wParam, lParam);
      break;
    case WM_HOOKED_KEY:
      SendMessageA(m_hWnd, WM_KEYDOWN, wParam, lParam);
      break;
    default:
      break;
  }
  return nResult;
}

namespace {

// One side of the view: its count steps the bar now and then, or at once when far beyond.
void AutoScrollSide(int32_t nBeyond, int32_t& nCount, cScrollCtrl& bar, int32_t nDelta,
                    int32_t* pnPos) {
  if (nBeyond <= 0) return;
  ++nCount;
  if (nBeyond <= AUTOSCROLL_FAR && nCount < AUTOSCROLL_EVERY) return;
  nCount = 0;
  if (!bar.m_hWnd) return;
  int32_t nPos = bar.Step(nDelta);
  if (pnPos) *pnPos = nPos;
}

}  // namespace

void cDialog::AutoScroll(int32_t* pnHorz, int32_t* pnVert) {
  int32_t x = m_Mouse.x, y = m_Mouse.y;
  // Distances beyond each side, counting the first dot outside as 1.
  AutoScrollSide(-x, s_nScrollLeft, m_HScroll, -1, pnHorz);
  AutoScrollSide(x - (m_nViewW - 1), s_nScrollRight, m_HScroll, +1, pnHorz);
  AutoScrollSide(-y, s_nScrollUp, m_VScroll, -1, pnVert);
  AutoScrollSide(y - (m_nViewH - 1), s_nScrollDown, m_VScroll, +1, pnVert);
}

void cDialog::AddBitmapCtrl(cBitmapCtrl* lpCtrl, const cBitmapParam& Param) {
  lpCtrl->Attach(this, Param);
  m_vCtrls.push_back(lpCtrl);
}

void cDialog::SystemResourceError() {
  DebugErrorBox("システムリソース不足です！");
  MessageBeep(0);
  PostMessageA(g_hMainWnd, WM_CLOSE, 0, 0);
}

namespace {

// Every template of ours has its cancel button under this id.
const int CANCEL_BUTTON_ID = 1001;

// The cancel button that Escape stands for: a push button the author could press now.
HWND EscapeCancelButton(HWND hDlg) {
  HWND hButton = GetDlgItem(hDlg, CANCEL_BUTTON_ID);
  if (!hButton || !IsWindowVisible(hButton) || !IsWindowEnabled(hButton)) return nullptr;
  char szClass[16] = "";
  GetClassNameA(hButton, szClass, sizeof szClass);
  if (lstrcmpiA(szClass, "Button") != 0) return nullptr;
  const LONG_PTR nType = GetWindowLongPtrA(hButton, GWL_STYLE) & BS_TYPEMASK;
  return nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON ? hButton : nullptr;
}

}  // namespace

LRESULT CALLBACK cDialog::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  cDialog* p = static_cast<cDialog*>(GetPropA(hWnd, DLG_PROP));
  WNDPROC lpfnOld = p ? p->m_lpfnOldProc : nullptr;
  if (!lpfnOld) return DefDlgProcA(hWnd, uMsg, wParam, lParam);
  // Escape reaches a dialog as the dialog manager's IDCANCEL, which none of our templates has:
  // it is a press of the dialog's own cancel button.
  if (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == 0 && !GetDlgItem(hWnd, IDCANCEL)) {
    if (HWND hCancel = EscapeCancelButton(hWnd)) {
      wParam = MAKEWPARAM(CANCEL_BUTTON_ID, BN_CLICKED);
      lParam = reinterpret_cast<LPARAM>(hCancel);
    }
  }
  if (uMsg == WM_NCDESTROY) {
    SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpfnOld));
    RemovePropA(hWnd, DLG_PROP);
  }
  return CallWindowProcA(lpfnOld, hWnd, uMsg, wParam, lParam);
}
