#include "flow/ItemAcquirePage.h"

#include <commctrl.h>
#include <prsht.h>

#include "flow/CmdPaletteDlg.h"
#include "flow/CommandText.h"
#include "flow/PageParts.h"
#include "flow/SoundPreview.h"
#include "model/Database.h"
#include "model/PaletteOptionTables.h"
#include "model/StageEditState.h"
#include "controls/EntryStep.h"
#include "resources/CmdDialogIds.h"
#include "resources/ItemAcquirePageIds.h"
#include "resources/ListIds.h"

namespace {

struct cInheritGroup {
  uint16_t wCheck;
  uint16_t awCtrls[4];  // 0 ends the list
};

const cInheritGroup INHERIT_GROUPS[cItemAcquirePage::INHERIT_GROUP_COUNT] = {
    {IDC_IA_INHERIT_GIANT, {IDC_IA_GIANT, 0, 0, 0}},
    {IDC_IA_INHERIT_TAKE, {IDC_IA_TAKE_TYPE, 0, 0, 0}},
    {IDC_IA_INHERIT_SHOW, {IDC_IA_SHOW_ON_TAKE, 0, 0, 0}},
    {IDC_IA_INHERIT_SOUND, {IDC_IA_SOUND, 0, 0, 0}},
    {IDC_IA_INHERIT_CMDS, {IDC_IA_CMD_INSERT, IDC_IA_CMD_EDIT, IDC_IA_CMD_DELETE, IDC_IA_CMD_LIST}},
};

cCmdEditInfo s_CmdInfo;

}  // namespace

cItemAcquirePage::cItemAcquirePage(cWindow* lpOwner, cWindowList* lpWindowList, cEdItem* lpItem)
    : cDialogClass<cItemAcquirePage>(IDD_ITEM_ACQUIRE, lpOwner, cWindow::KIND_PAGE, lpWindowList) {
  m_lpParentClass = lpOwner;
  m_Ctrls.SetAttachOrder({cCtrlSet::CHECKU8, cCtrlSet::CHECK8, cCtrlSet::COMBO16, cCtrlSet::COMBO8, cCtrlSet::PICTURE,
                          cCtrlSet::BUTTON, cCtrlSet::STATIC});
  m_Ctrls.m_vCheckU8.resize(INHERIT_GROUP_COUNT);
  m_Ctrls.m_vCheck8.resize(1);
  m_Ctrls.m_vCombo16.resize(1);
  m_Ctrls.m_vCombo8.resize(2);
  m_Ctrls.m_vPicture.resize(1);
  m_Ctrls.m_vPicture[0].m_Param.Set(IDC_IA_PICTURE, 32, 32);
  m_Ctrls.m_vButton.resize(2);
  m_Ctrls.m_vButton[0].m_Param.Set(IDC_IA_PREV);
  m_Ctrls.m_vButton[1].m_Param.Set(IDC_IA_NEXT);
  m_Ctrls.m_vStatic.resize(1);
  m_Ctrls.m_vStatic[0].m_Param.Set(IDC_IA_NO);
  SetupCtrls(lpItem ? *lpItem : cEdItem());
}

cItemAcquirePage::cItemAcquirePage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cItemAcquirePage(lpOwner, lpWindowList, StageEditState.m_lpItemTarget) {}

void cItemAcquirePage::SetupCtrls(const cEdItem& Item) {
  m_Work = Item;
  Bind();
}

void cItemAcquirePage::Bind() {
  if (m_Work.m_bbInherit.size() < static_cast<size_t>(cEdItem::INHERIT_GROUPS))
    m_Work.m_bbInherit.resize(cEdItem::INHERIT_GROUPS, 0);
  m_CmdBind.m_Param.Set(IDC_IA_CMD_LIST, nullptr, &m_Work.m_vCommand, nullptr, 1, CmdListText, 0, 0, MAX_CMDS, 0, 1,
                        0);
  for (int k = 0; k < INHERIT_GROUP_COUNT; ++k)
    m_Ctrls.m_vCheckU8[k].m_Param.Set(INHERIT_GROUPS[k].wCheck, &m_Work.m_bbInherit[FIRST_INHERIT_FLAG + k]);
  m_Ctrls.m_vCheck8[0].m_Param.Set(IDC_IA_SHOW_ON_TAKE, &m_Work.m_bShowOnTake);
  MakeDbNameList(m_vSoundNames, Database.m_vSound, "なし", 0, 2, 0);
  m_Ctrls.m_vCombo16[0].m_Param.SetVector(IDC_IA_SOUND, &m_Work.m_nSound, &m_vSoundNames, 0);
  m_Ctrls.m_vCombo8[0].m_Param.SetTable(IDC_IA_GIANT, &m_Work.m_nGiant, GiantNames, 1);
  m_Ctrls.m_vCombo8[1].m_Param.SetTable(IDC_IA_TAKE_TYPE, &m_Work.m_nTakeType, ItemTakeTypeNames, 0);
  if (!m_bInit || !HasLiveWindow()) return;
  RebindList(m_CmdBind);
  m_Ctrls.RebindAll(this);
}

void cItemAcquirePage::ShowNo() {
  const int32_t nContext = StageEditState.m_nEditContext;
  if (nContext != EDIT_STAGE_PALETTE && nContext != EDIT_COMMON_PALETTE) return;
  SetEntryNoText(m_Ctrls.m_vStatic[0].m_Ctrl, StageEditState.m_nBrushEntry);
}

void cItemAcquirePage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  AttachList(m_CmdBind);
  m_Ctrls.AttachAll(this);
  SetItemCmdListIds(m_CmdList);
  const int32_t nContext = StageEditState.m_nEditContext;
  if (nContext == EDIT_STAGE_PALETTE || nContext == EDIT_COMMON_PALETTE) {
    ShowNo();
  } else {
    m_Ctrls.m_vStatic[0].m_Ctrl.Show(0);
    m_Ctrls.m_vButton[0].m_Ctrl.Show(0);
    m_Ctrls.m_vButton[1].m_Ctrl.Show(0);
  }
  DataToCtrls();
  m_CmdList.SetCurSel(0, 1);
  for (int k = 0; k < INHERIT_GROUP_COUNT; ++k) EnableGroup(k);
  RefreshChecks();
  m_bInit = 1;
}

void cItemAcquirePage::EnableGroup(int k) {
  if (k < 0 || k >= INHERIT_GROUP_COUNT) return;
  const bool bLocked = m_Ctrls.m_vCheckU8[k].m_Ctrl.GetCheck() != 0;
  for (uint16_t wId : INHERIT_GROUPS[k].awCtrls) {
    if (!wId) break;
    if (HWND h = GetDlgItem(m_hWnd, wId)) EnableWindow(h, bLocked ? FALSE : TRUE);
  }
}

void cItemAcquirePage::RefreshChecks() {
  const bool bInherits = m_Work.m_nInheritPal != 0;
  for (auto& b : m_Ctrls.m_vCheckU8) b.m_Ctrl.Enable(bInherits);
}

void cItemAcquirePage::ReapplyInherit() {
  CtrlsToData();
  m_Work.ApplyInherit();
  DataToCtrls();
}

int cItemAcquirePage::EditCmd(int32_t bNew) {
  const int nIndex = m_CmdList.GetCurDataIndex();
  if (nIndex == -1) return 0;
  s_CmdInfo.m_lpCommand = &m_Work.m_vCommand[nIndex];
  s_CmdInfo.m_bNew = bNew;
  return static_cast<int>(m_CmdList.Edit(m_lpCmdPalette, IDD_ITEM_CMD_PALETTE, &s_CmdInfo, &WindowList, 0, 1,
                                         static_cast<cWindow*>(nullptr)));
}

void cItemAcquirePage::InsertCmd() {
  if (m_CmdList.GetCurSel() == -1) return;
  m_CmdList.InsertWith([&] { return EditCmd(1); });
}

void cItemAcquirePage::Step(int32_t nStep) {
  if (!m_lpItemList) return;
  StepEditRecord(StageEditState.m_lpItemTarget, StageEditState.m_nBrushEntry, nStep, *this, m_Work, *m_lpItemList,
                 [&](cEdItem& rec) { SetupCtrls(rec); }, &m_Ctrls.m_vStatic[0].m_Ctrl);
  m_CmdList.SelectOnly(0, 1);
  DataToCtrls();
  for (int k = 0; k < INHERIT_GROUP_COUNT; ++k) EnableGroup(k);
  RefreshChecks();
}

void cItemAcquirePage::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  // Notifications raised while the page fills its controls are no edits; the lists frozen for
  // the command must paint again all the same.
  if (!m_bInit) {
    ThawLists();
    return;
  }
  const uint16_t wId = LOWORD(wParam);
  const WORD wCode = HIWORD(wParam);
  const bool bClick = wCode == BN_CLICKED;
  const bool bListFocus = m_CmdList.m_hWnd && GetFocus() == m_CmdList.m_hWnd;
  if (wId == IDC_IA_CMD_LIST && wCode == LBN_SELCHANGE) {
    m_CmdList.OnSelChange();
  } else if ((wId == IDC_IA_CMD_LIST && wCode == LBN_DBLCLK) || (wId == IDC_IA_CMD_EDIT && bClick)) {
    EditCmd(0);
  } else if ((wId == IDC_IA_CMD_INSERT && bClick) || ((wId == ID_POP_INSERT_1 || wId == ID_ACC_INSERT_1) && bListFocus)) {
    InsertCmd();
  } else if (wId == IDC_IA_CMD_DELETE && bClick) {
    if (m_CmdList.GetCurDataIndex() != -1) m_CmdList.Delete(-1, 0);
  } else if (bClick && (wId == IDC_IA_PREV || wId == IDC_IA_NEXT)) {
    Step(wId == IDC_IA_PREV ? -1 : 1);
  } else {
    for (int k = 0; k < INHERIT_GROUP_COUNT; ++k) {
      if (!bClick || wId != INHERIT_GROUPS[k].wCheck) continue;
      if (m_Ctrls.m_vCheckU8[k].m_Ctrl.GetCheck()) ReapplyInherit();
      EnableGroup(k);
      RefreshChecks();
    }
    // The author hears a sound as soon as it is chosen.
    if (wId == IDC_IA_SOUND && wCode == CBN_SELCHANGE) PreviewSound(m_hWnd, m_Ctrls.m_vCombo16, IDC_IA_SOUND);
  }
  const int nBefore = m_CmdList.GetCount();
  if (m_CmdList.OnAccelKey(wParam) || m_CmdList.OnPopupCommand(wParam)) {
    if (IsPasteCommand(m_CmdList, wParam) && m_CmdList.GetCurDataIndex() != -1) {
      // Every pasted command may come from another item or stage: each is brought inside the
      // palettes there are here, not only the one at the current row.
      const int nPasted = m_CmdList.GetCount() - nBefore;
      const int nFirst = m_CmdList.GetCurDataIndex();
      for (int i = 0; i < nPasted && nFirst + i < static_cast<int>(m_Work.m_vCommand.size()); ++i)
        m_Work.m_vCommand[nFirst + i].ClampItemRefs();
      m_CmdList.Redraw();
    }
  }
  m_CmdList.RestoreSel();
  if (m_hWnd) SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT cItemAcquirePage::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_CONTEXTMENU:
      if (!m_bInit) break;
      PopupListMenu(*this, {&m_CmdList}, lParam);
      r = 1;
      break;
    case WM_KEYDOWN:
      // Ctrl+I of a page that gets its keys through the keyboard hook.
      if (m_bInit && !m_bModeless && wParam == 'I' && cHook::IsCtrlHeld() && GetFocus() == m_CmdList.m_hWnd) {
        InsertCmd();
        r = 1;
      }
      break;
    case WM_NOTIFY:
      // The other pages may have replaced the working copy meanwhile.
      if (HandlePageNotify(*this, lParam, m_Work, m_fnShare, [&] {
            Bind();
            UpdateCtrls(0);
            for (int k = 0; k < INHERIT_GROUP_COUNT; ++k) EnableGroup(k);
            RefreshChecks();
            ShowNo();
          }))
        r = 1;
      break;
    case WM_CLOSE:
      Close(0);
      r = 1;
      break;
    case WM_INITDIALOG:
      m_CmdList.m_vClip = ItemCmdClipboard;
      return TRUE;
    case WM_DESTROY:
      ItemCmdClipboard = m_CmdList.m_vClip;
      m_bInit = 0;
      return 1;
    default:
      break;
  }
  if (!r) return 0;
  if (m_bInit) Draw();
  return 1;
}

void cItemAcquirePage::Draw() {
  if (!m_bInit || m_Ctrls.m_vPicture.empty()) return;
  DrawEntryPreview(m_Ctrls.m_vPicture[0].m_Ctrl, m_Work);
}
