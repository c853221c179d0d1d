#include "flow/CondKindDlg.h"

#include <new>

#include "app/MsgBox.h"
#include "flow/FlowTextContext.h"
#include "flow/StatusCondPages.h"
#include "flow/VarCondPages.h"
#include "model/Cond.h"
#include "model/StageEditState.h"
#include "resources/CondKindIds.h"
#include "resources/CondPageIds.h"

namespace {

CondPageAnchorFn g_pfnAnchor = nullptr;

// Creates the page of the kind into its slot, runs it modally and deletes it again.
template <class P, class A>
int RunPage(cDialog*& lpSlot, uint16_t wPageId, cCondKindDlg* lpPicker, cWindowList* lpWindowList, A* lpAnchor) {
  P* lpPage = new (std::nothrow)
      P(wPageId, lpPicker, cWindow::KIND_DIALOG, lpPicker->m_Context, lpWindowList, lpAnchor, 1);
  if (!lpPage) {
    OutOfMemory();
    return 0;
  }
  lpSlot = lpPage;
  const int nResult = static_cast<int>(lpPage->DoModal(0));
  delete lpPage;
  lpSlot = nullptr;
  return nResult;
}

template <class A>
int RunPageOfKind(int32_t nKind, cDialog*& lpSlot, uint16_t wPageId, cCondKindDlg* lpPicker,
                  cWindowList* lpWindowList, A* lpAnchor) {
  switch (nKind) {
    case 1: return RunPage<cCommonVarCondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    case 2: return RunPage<cStageVarCondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    case 3: return RunPage<cCharaVarCondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    case 4: return RunPage<cStatusCondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    case 5: return RunPage<cStatus2CondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    case 6: return RunPage<cStatus3CondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    case 7: return RunPage<cDistanceCondDlg>(lpSlot, wPageId, lpPicker, lpWindowList, lpAnchor);
    default: return 0;
  }
}

}  // namespace

CondPageAnchorFn SetCondPageAnchorFn(CondPageAnchorFn pfn) {
  CondPageAnchorFn pfnOld = g_pfnAnchor;
  g_pfnAnchor = pfn;
  return pfnOld;
}

void cCondKindDlg::SetUp(cCondEditContext* lpContext) {
  if (lpContext) m_Context = *lpContext;
  static const uint16_t s_aButtons[KIND_COUNT] = {0, IDC_CK_COMMON_VAR, IDC_CK_STAGE_VAR, IDC_CK_CHARA_VAR,
                                                  IDC_CK_STATUS, IDC_CK_STATUS2, IDC_CK_STATUS3, IDC_CK_DISTANCE};
  static const uint16_t s_aPages[KIND_COUNT] = {0, IDD_COND_COMMON_VAR, IDD_COND_STAGE_VAR, IDD_COND_CHARA_VAR,
                                                IDD_COND_STATUS, IDD_COND_STATUS2, IDD_COND_STATUS3,
                                                IDD_COND_DISTANCE};
  m_aKindBtn[0].Set(0, 0, nullptr);
  for (int i = 1; i < KIND_COUNT; ++i) m_aKindBtn[i].Set(s_aButtons[i], s_aPages[i], &m_aPage[i]);
  for (int i = 1; i < KIND_COUNT; ++i) m_Ctrls.Button(s_aButtons[i]);
}

void cCondKindDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  m_Ctrls.AttachAll(this);
  for (int i = 1; i < KIND_COUNT; ++i) m_Ctrls.m_vButton[i - 1].m_Ctrl.SetText(CondKindNames[i]);
  // An appearance condition measures its distance from a character, so only characters have one.
  if (m_Context.nOwner == COND_OWNER_DATA && StageEditState.m_nLayer != LAYER_CHARA)
    m_Ctrls.Enable(IDC_CK_DISTANCE, false);
  DataToCtrls();
  // An existing condition goes straight to its page (whatever its button's state); the dialog
  // closes with the page's result before it is ever shown. Kind 0 has no page and stays here.
  if (!m_Context.bNew && m_Context.lpCond) {
    const int32_t nKind = m_Context.lpCond->m_nKind;
    if (nKind > 0 && nKind < KIND_COUNT)
      SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(m_aKindBtn[nKind].wButtonId, BN_CLICKED), 0);
  }
  m_bInit = 1;
}

void cCondKindDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  cDialog::OnCommand(wParam, lParam);
  const uint16_t wId = LOWORD(wParam);
  if (wId == IDCANCEL) {
    Close(0);
    return;
  }
  for (int i = 0; i < KIND_COUNT; ++i) {
    if (m_aKindBtn[i].wButtonId == 0 || m_aKindBtn[i].wButtonId != wId) continue;
    // The kind is set before the page runs and stays set when the page is cancelled.
    if (m_Context.lpCond) m_Context.lpCond->m_nKind = static_cast<int8_t>(i);
    Close(OpenCondPage(i));
    return;
  }
}

LRESULT cCondKindDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT nResult = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_CLOSE)
    Close(0);
  else if (uMsg == WM_INITDIALOG)
    nResult = TRUE;
  else if (!nResult)
    return 0;
  RedrawParentList();
  return 1;
}

void cCondKindDlg::RedrawParentList() {
  if (m_lpParentClass) {
    m_lpParentClass->RedrawList();
    return;
  }
  DebugErrorBox("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u", 0u);
}

int cCondKindDlg::OpenCondPage(int32_t nKind) {
  if (nKind <= 0 || nKind >= KIND_COUNT) return 0;
  cCondKindBtn& k = m_aKindBtn[nKind];
  cFlowTextContext ctx;
  GetFlowTextContext(ctx);
  // With no data sheet current the page still opens, over this dialog.
  if (ctx.m_eSheet == SHEET_NONE)
    return RunPageOfKind<cWindow>(nKind, *k.lplpPage, k.wPageId, this, m_lpWindowList, this);
  cControl* lpAnchor = g_pfnAnchor ? g_pfnAnchor() : nullptr;
  if (!lpAnchor) lpAnchor = m_lpAnchorCtrl;
  if (!lpAnchor) return RunPageOfKind<cWindow>(nKind, *k.lplpPage, k.wPageId, this, m_lpWindowList, this);
  return RunPageOfKind<cControl>(nKind, *k.lplpPage, k.wPageId, this, m_lpWindowList, lpAnchor);
}
