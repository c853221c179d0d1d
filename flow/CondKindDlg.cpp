#include "flow/CondKindDlg.h"

cCondKindDlg::cCondKindDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cCondEditContext* lpContext,
                           cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cCondKindDlg>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
  if (lpContext) m_Context = *lpContext;
}

cCondKindDlg::cCondKindDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cCondEditContext* lpContext,
                           cWindowList* lpWindowList, cWindow* lpAnchor, int32_t bCentre)
    : cDialogClass<cCondKindDlg>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
  if (lpContext) m_Context = *lpContext;
}

LRESULT cCondKindDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg != WM_INITDIALOG) return r;
  m_bInit = 1;
  return TRUE;
}

void cCondKindDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  cDialog::OnCommand(wParam, lParam);
  if (!m_bInit) return;
  if (LOWORD(wParam) == IDOK) Close(1);
  if (LOWORD(wParam) == IDCANCEL) Close(0);
}
