#include "flow/CmdPaletteDlg.h"

#include "app/MsgBox.h"
#include "flow/ItemAcquirePage.h"
#include "model/CommandKindTable.h"
#include "resources/CmdDialogIds.h"

namespace {

// Button k stands for kind k; id 1299 is never used, and record 0 has no button.
uint16_t ButtonId(int k) { return static_cast<uint16_t>(k <= 32 ? 1266 + k : 1267 + k); }

}  // namespace

cCmdPaletteBase::cCmdPaletteBase(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre, int32_t bItem)
    : cDialog(wTemplateId, lpOwner, nKind, lpWindowList, lpAnchor, bCentre), m_bItem(bItem) {
  m_lpParentClass = lpOwner;
  m_vButtons.resize(BUTTON_RECORDS);
  const int nKinds = bItem ? ITEM_CMD_KIND_COUNT : CMD_KIND_COUNT;
  for (int k = 1; k < BUTTON_RECORDS; ++k) {
    const bool bShown = k < nKinds;
    m_vButtons[k].Set(ButtonId(k), bShown ? DlgKind(k).m_wTemplateId : 0, &m_alpDlg[k], 0, bShown ? 1 : 0);
  }
  if (lpInfo) m_Info = *lpInfo;
  SetLayout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  m_vPush.resize(BUTTON_RECORDS - 1);
  for (int k = 0; k < BUTTON_RECORDS - 1; ++k) m_vPush[k].m_Param.Set(m_vButtons[k + 1].m_wButtonId);
}

const std::string& cCmdPaletteBase::KindName(int nKind) const {
  static const std::string s_strNone;
  const cCmdKindInfo* lpInfo = FindCmdKindInfo(m_bItem, nKind);
  return lpInfo ? lpInfo->m_strName : s_strNone;
}

const cCmdDlgKind& cCmdPaletteBase::DlgKind(int nKind) const {
  return m_bItem ? ItemCmdDlgKind(nKind) : CharaCmdDlgKind(nKind);
}

void cCmdPaletteBase::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrls(m_vPush);
  for (int k = 0; k < static_cast<int>(m_vPush.size()); ++k) {
    if (m_vButtons[k + 1].m_bVisible)
      m_vPush[k].m_Ctrl.SetText(KindName(k + 1).c_str());
    else
      m_vPush[k].m_Ctrl.Show(0);
  }
  DataToCtrls();
  m_bInit = 1;
}

int cCmdPaletteBase::KindWithDialog(int nKind) const {
  if (nKind <= 0 || nKind >= BUTTON_RECORDS) return 0;
  const cCmdButton& b = m_vButtons[nKind];
  return b.m_wButtonId && b.m_wDialogId ? nKind : 0;
}

INT_PTR cCmdPaletteBase::DoModal(DWORD dwFlags) {
  cEdCommand* lpCmd = m_Info.m_lpCommand;
  // A command without a kind (a damaged or old file holds one) is given one as a new command is:
  // its kind's dialog then writes the kind's defaults.
  if (lpCmd && lpCmd->m_nKind == 0) m_Info.m_bNew = 1;
  int nKind = lpCmd && !m_Info.m_bNew ? KindWithDialog(lpCmd->m_nKind) : 0;
  if (!nKind) {
    // The palette waits for a kind; the kind's dialog opens once its window is gone.
    m_nChosen = 0;
    cDialog::DoModal(dwFlags);
    nKind = m_nChosen;
  }
  return nKind ? RunKind(nKind) : 0;
}

INT_PTR cCmdPaletteBase::RunKind(int nKind) {
  // The kind goes in first, so that the dialog sizes the parameters for it.
  m_Info.m_lpCommand->m_bItem = static_cast<int8_t>(m_bItem);
  m_Info.m_lpCommand->m_nKind = static_cast<int8_t>(nKind);
  return OpenCmdDlg(nKind);
}

void cCmdPaletteBase::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  const uint16_t wId = LOWORD(wParam);
  // Escape reaches the palette, which has no cancel button, as the dialog manager's IDCANCEL.
  if (wId == IDCANCEL) {
    Close(0);
    return;
  }
  // The first kind pressed counts; a second click queued behind it finds the palette closing.
  if (!m_Info.m_lpCommand || wId == 0 || m_nChosen) return;
  for (int k = 1; k < BUTTON_RECORDS; ++k) {
    if (m_vButtons[k].m_wButtonId != wId || !KindWithDialog(k)) continue;
    m_nChosen = k;
    Close(0);
    return;
  }
}

INT_PTR cCmdPaletteBase::OpenCmdDlg(int nKind) {
  return OpenCmdDlgOfKind(DlgKind(nKind), m_lpParentClass, m_alpDlg[nKind], &m_Info, &WindowList,
                          m_lpAnchorCtrl);
}

LRESULT cCmdPaletteBase::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  if (uMsg == WM_CLOSE) Close(0);
  if (uMsg != WM_CLOSE && !r) return 0;
  RedrawParentList();
  return 1;
}

// ---------------------------------------------------------------------------------------------

cCmdPaletteDlg::cCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cCmdPaletteDlg, cCmdPaletteBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor,
                                                    bCentre, 0) {}

cCmdPaletteDlg::cCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                               cWindowList* lpWindowList, cWindow*, int32_t bCentre)
    : cCmdPaletteDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, static_cast<cControl*>(nullptr), bCentre) {}

void cCmdPaletteDlg::RedrawParentList() {
  cDialog* lpParent = dynamic_cast<cDialog*>(m_lpParentClass);
  if (!lpParent) {
    DebugErrorBox("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u",
                  static_cast<unsigned>(reinterpret_cast<uintptr_t>(m_lpParentClass)));
    return;
  }
  lpParent->RedrawList();
}

cItemCmdPaletteDlg::cItemCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                       cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre)
    : cDialogClass<cItemCmdPaletteDlg, cCmdPaletteBase>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList,
                                                        lpAnchor, bCentre, 1) {}

cItemCmdPaletteDlg::cItemCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                                       cWindowList* lpWindowList, cWindow*, int32_t bCentre)
    : cItemCmdPaletteDlg(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, static_cast<cControl*>(nullptr),
                         bCentre) {}

INT_PTR cItemCmdPaletteDlg::OpenCmdDlg(int nKind) {
  // No item page, no item being edited: nothing opens, and the list takes a new command out again.
  cItemAcquirePage* lpPage = cItemAcquirePage::Current();
  if (!lpPage) return 0;
  return OpenCmdDlgOfKind(DlgKind(nKind), m_lpParentClass, m_alpDlg[nKind], &m_Info, &WindowList,
                          &lpPage->m_CmdList);
}
