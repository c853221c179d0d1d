#include "flow/FlowPage.h"

#include <commctrl.h>
#include <prsht.h>

#include "app/KeyHook.h"
#include "app/MsgBox.h"
#include "flow/CmdPaletteDlg.h"
#include "flow/CommandText.h"
#include "flow/FlowRowText.h"
#include "flow/KeyCondDlg.h"
#include "flow/PageParts.h"
#include "flow/StandaloneFlowEdit.h"
#include "model/CommandKindTable.h"
#include "model/StageEditState.h"
#include "controls/EntryStep.h"
#include "resources/CmdDialogIds.h"
#include "resources/FlowPageIds.h"
#include "resources/ListIds.h"

namespace {

// The inheritance flag that takes the whole flow list from the inherited entry.
const int INHERIT_FLOWS = 36;

// What the inheritance check box locks.
const uint16_t INHERIT_LOCKED[] = {
    IDC_FP_FLOW_INSERT, IDC_FP_FLOW_DELETE, IDC_FP_FLOW_LIST,  IDC_FP_MEMO,        IDC_FP_TRIGGER,
    IDC_FP_TARGET_X,    IDC_FP_TARGET_SLOT, IDC_FP_GROUP,      IDC_FP_ID,          IDC_FP_TEST_ONLY,
    IDC_FP_COND_INSERT, IDC_FP_COND_EDIT,   IDC_FP_COND_DELETE, IDC_FP_COND_LIST,  IDC_FP_COND_JUDGE,
    IDC_FP_LATCH,       IDC_FP_KEY_INSERT,  IDC_FP_KEY_EDIT,   IDC_FP_KEY_DELETE,  IDC_FP_KEY_LIST,
    IDC_FP_KEY_EASE,    IDC_FP_HOLD_REPEAT, IDC_FP_CMD_INSERT, IDC_FP_CMD_EDIT,    IDC_FP_CMD_DELETE,
    IDC_FP_CMD_LIST};

// The triggers whose character can become a target.
bool TriggerHasCharacter(int nTrigger) {
  switch (nTrigger) {
    case 1: case 2: case 4: case 7: case 16: case 17: case 18: case 19: case 20:
      return true;
    default:
      return false;
  }
}

const char* const CondJudgeWords[] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};

const int8_t KEY_EASE_MAX = 15;
const int32_t MEMO_CHARS = 200;

template <class C, class P>
P& AddBind(cBindVector<C, P>& v) {
  v.resize(v.size() + 1);
  return v[static_cast<int>(v.size()) - 1].m_Param;
}

// The flow page's key-condition context, which the dialog copies.
cKeyCondEditInfo s_KeyInfo;
cCmdEditInfo s_CmdInfo;

}  // namespace

cFlowPage::cFlowPage(cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList, cEdChara* lpChara)
    : cDialogClass<cFlowPage>(IDD_FLOW_PAGE, lpOwner, nKind, lpWindowList) {
  m_lpParentClass = lpOwner;
  m_bStandalone = (!lpChara && nKind == KIND_DIALOG) ? 1 : 0;
  cEdFlow& f = m_EditFlow;
  AddBind(m_vInherit).Set(IDC_FP_INHERIT, nullptr);
  AddBind(m_vValue).Set(IDC_FP_KEY_EASE, &f.m_nKeyEase, 0, KEY_EASE_MAX, IDC_FP_KEY_EASE_SPIN, 1);
  AddBind(m_vStr).Set(IDC_FP_MEMO, &f.m_strMemo, MEMO_CHARS, 1);
  AddBind(m_vCheck).Set(IDC_FP_TEST_ONLY, &f.m_bTestPlayOnly);
  AddBind(m_vCheck).Set(IDC_FP_TARGET_X, &f.m_bSetTarget);
  AddBind(m_vCheck).Set(IDC_FP_LATCH, &f.m_bLatch);
  AddBind(m_vCheck).Set(IDC_FP_HOLD_REPEAT, &f.m_bHoldRepeat);
  AddBind(m_vCombo).SetTable(IDC_FP_ID, &f.m_nId, FlowIdSlotNames, 0);
  AddBind(m_vCombo).SetTable(IDC_FP_TRIGGER, &f.m_nTrigger, FlowTriggerNames, 0);
  AddBind(m_vCombo).SetTable(IDC_FP_GROUP, &f.m_nGroup, FlowGroupNames, 0);
  AddBind(m_vCombo).SetTable(IDC_FP_TARGET_SLOT, &f.m_nTargetNo, TargetSlotNames, 0);
  AddBind(m_vCombo).SetTable(IDC_FP_COND_JUDGE, &f.m_nCondJudge, CondJudgeWords, 0);
  AddBind(m_vBitmap).Set(IDC_FP_PICTURE, 32, 32);
  for (uint16_t wId : {IDC_FP_PREV, IDC_FP_NEXT, IDC_FP_OK, IDC_FP_CANCEL}) AddBind(m_vButton).Set(wId);
  for (uint16_t wId : {IDC_FP_NO, IDC_FP_NOTE}) AddBind(m_vStatic).Set(wId);
  SetupCtrls(lpChara);
}

cFlowPage::cFlowPage(cWindow* lpOwner, cWindowList* lpWindowList)
    : cFlowPage(lpOwner, KIND_PAGE, lpWindowList, StageEditState.m_lpCharaTarget) {}

cFlowPage::~cFlowPage() { Dispose(); }

void cFlowPage::SetupCtrls(cEdChara* lpChara) {
  if (lpChara) {
    // A character always has a flow to show; the record itself gets it.
    if (lpChara->m_vFlow.empty()) lpChara->m_vFlow.push_back(cEdFlow());
    m_WorkChara = *lpChara;
  } else if (m_bStandalone) {
    if (StandaloneFlowEdit.m_pvFlow)
      m_WorkChara.m_vFlow = *StandaloneFlowEdit.m_pvFlow;
    else
      m_WorkChara.m_vFlow.clear();
  }
  if (m_WorkChara.m_vFlow.empty()) m_WorkChara.m_vFlow.push_back(cEdFlow());
  m_FlowBind.m_Param.Set(IDC_FP_FLOW_LIST, &m_WorkChara.m_vFlow, &m_vFlowWork, &m_EditFlow, 1, FlowListText, 1, 1,
                         MAX_FLOWS, 0, 1, 0);
  cCondListCtrl::SetParam(m_CondBind.m_Param, IDC_FP_COND_LIST, nullptr, &m_EditFlow.m_vCond);
  m_KeyBind.m_Param.Set(IDC_FP_KEY_LIST, nullptr, &m_EditFlow.m_vKeyCond, nullptr, 1, KeyCondListText, 0, 0,
                        MAX_KEY_CONDS, 0, 1, 0);
  m_CmdBind.m_Param.Set(IDC_FP_CMD_LIST, nullptr, &m_EditFlow.m_vCommand, nullptr, 1, CmdListText, 0, 0, MAX_CMDS,
                        0, 1, 0);
  if (m_bInit && HasLiveWindow()) {
    RebindList(m_FlowBind);
    RebindList(m_CondBind);
    RebindList(m_KeyBind);
    RebindList(m_CmdBind);
  }
  BindInheritCheck();
}

void cFlowPage::BindInheritCheck() {
  // A damaged record may hold fewer flags than the character has groups.
  if (m_WorkChara.m_bbInherit.size() <= static_cast<size_t>(INHERIT_FLOWS))
    m_WorkChara.m_bbInherit.resize(cEdChara::INHERIT_GROUPS, 0);
  m_vInherit[0].m_Param.pData = &m_WorkChara.m_bbInherit[INHERIT_FLOWS];
  if (m_bInit && HasLiveWindow()) RebindCtrls(m_vInherit);
}

void cFlowPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (m_bStandalone) SetWindowTextA(m_hWnd, "フローデータ");
  if (m_ViewCtrl.m_hWnd) ShowWindow(m_ViewCtrl.m_hWnd, SW_HIDE);
  AttachList(m_FlowBind);
  AttachList(m_CondBind);
  AttachList(m_KeyBind);
  AttachList(m_CmdBind);
  AttachCtrls(m_vInherit);
  AttachCtrls(m_vValue);
  AttachCtrls(m_vStr);
  AttachCtrls(m_vCheck);
  AttachCtrls(m_vCombo);
  AttachCtrls(m_vBitmap);
  AttachCtrls(m_vButton);
  AttachCtrls(m_vStatic);
  SetFlowListIds(m_FlowList);
  m_CondList.SetOwnerIds(COND_OWNER_FLOW);
  SetKeyCondListIds(m_cgKeyCondList);
  SetCmdListIds(m_CmdList);
  if (!m_bStandalone) {
    ShowCtrlById(m_vButton, IDC_FP_OK, 0);
    ShowCtrlById(m_vButton, IDC_FP_CANCEL, 0);
    const int32_t nContext = StageEditState.m_nEditContext;
    if (nContext != EDIT_STAGE_PALETTE && nContext != EDIT_COMMON_PALETTE) {
      ShowCtrlById(m_vStatic, IDC_FP_NO, 0);
      ShowCtrlById(m_vButton, IDC_FP_PREV, 0);
      ShowCtrlById(m_vButton, IDC_FP_NEXT, 0);
    }
    ShowNo();
  } else {
    ShowCtrlById(m_vStatic, IDC_FP_NO, 0);
    ShowCtrlById(m_vButton, IDC_FP_PREV, 0);
    ShowCtrlById(m_vButton, IDC_FP_NEXT, 0);
    ShowCtrlById(m_vBitmap, IDC_FP_PICTURE, 0);
    ShowCtrlById(m_vInherit, IDC_FP_INHERIT, 0);
    m_FlowList.LoadEditor();
  }
  DataToCtrls();
  for (cListCtrlBase* p : {static_cast<cListCtrlBase*>(&m_FlowList), static_cast<cListCtrlBase*>(&m_CondList),
                           static_cast<cListCtrlBase*>(&m_cgKeyCondList), static_cast<cListCtrlBase*>(&m_CmdList)})
    p->SetCurSel(0, 1);
  UpdateCtrlsExcept(0, &m_FlowList);
  ApplyInheritLock();
  ApplyInheritEnabling();
  m_bInit = 1;
  m_bJustMade = true;
}

void cFlowPage::ShowNo() {
  const int32_t nContext = StageEditState.m_nEditContext;
  if (m_bStandalone || (nContext != EDIT_STAGE_PALETTE && nContext != EDIT_COMMON_PALETTE)) return;
  if (cStaticCtrl* p = FindCtrl(m_vStatic, IDC_FP_NO)) SetEntryNoText(*p, StageEditState.m_nBrushEntry);
}

bool cFlowPage::IsInheritChecked() {
  return !m_bStandalone && m_vInherit[0].m_Ctrl.GetCheck() != 0;
}

void cFlowPage::StoreEditor() {
  if (m_FlowList.GetCurDataIndex() == -1) return;
  m_FlowList.Reselect();
}

void cFlowPage::StoreBoundValues() {
  for (cControl* c : m_vCtrls)
    if (c->m_nKind != cControl::KIND_LIST) c->CtrlToData();
}

void cFlowPage::RestoreListSelections() {
  m_FlowList.RestoreSel();
  m_CondList.RestoreSel();
  m_cgKeyCondList.RestoreSel();
  m_CmdList.RestoreSel();
}

int cFlowPage::EditKeyCond(int32_t bNew) {
  const int nIndex = m_cgKeyCondList.GetCurDataIndex();
  if (nIndex == -1) return 0;
  s_KeyInfo.m_lpKeyCond = &m_EditFlow.m_vKeyCond[nIndex];
  s_KeyInfo.m_bNew = bNew;
  return static_cast<int>(m_cgKeyCondList.Edit(m_lpKeyCondDlg, IDD_KEY_COND, &s_KeyInfo, &WindowList, 0, 1,
                                               static_cast<cWindow*>(nullptr)));
}

int cFlowPage::EditCmd(int32_t bNew) {
  const int nIndex = m_CmdList.GetCurDataIndex();
  if (nIndex == -1) return 0;
  s_CmdInfo.m_lpCommand = &m_EditFlow.m_vCommand[nIndex];
  s_CmdInfo.m_bNew = bNew;
  return static_cast<int>(
      m_CmdList.Edit(m_lpCmdPalette, IDD_CMD_PALETTE, &s_CmdInfo, &WindowList, 0, 1, static_cast<cWindow*>(nullptr)));
}

void cFlowPage::InsertKeyCond() {
  m_cgKeyCondList.InsertWith([&] { return EditKeyCond(1); });
  StoreEditor();
}

void cFlowPage::InsertCmd() {
  // A command goes before the selected row, or at the end on the end row; no row, no command.
  if (m_CmdList.GetCurSel() == -1) return;
  m_CmdList.InsertWith([&] { return EditCmd(1); });
  StoreEditor();
}

void cFlowPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  CheckCommand(wParam);
  cDialog::OnCommand(wParam, lParam);
  // Showing the data raises notifications of its own; they are no edits of the author's. The
  // lists frozen for the command must paint again all the same.
  if (!m_bInit) {
    ThawLists();
    return;
  }
  const uint16_t wId = LOWORD(wParam);
  const WORD wCode = HIWORD(wParam);
  const bool bClick = wCode == BN_CLICKED;
  const bool bCmdFocus = m_CmdList.m_hWnd && GetFocus() == m_CmdList.m_hWnd;
  const bool bKeyFocus = m_cgKeyCondList.m_hWnd && GetFocus() == m_cgKeyCondList.m_hWnd;
  switch (wId) {
    case IDC_FP_FLOW_INSERT:
      if (bClick && m_FlowList.Insert()) ShowCurrentFlow();
      break;
    case IDC_FP_FLOW_DELETE:
      if (bClick && m_FlowList.Delete(-1, 0)) ShowCurrentFlow();
      break;
    case IDC_FP_FLOW_LIST:
      if (wCode != LBN_SELCHANGE) break;
      m_FlowList.OnSelChange();
      ShowCurrentFlow();
      break;
    case IDC_FP_COND_LIST:
      if (wCode == LBN_SELCHANGE) m_CondList.OnSelChange();
      if (wCode == LBN_DBLCLK && m_CondList.EditCurrent()) StoreEditor();
      break;
    case IDC_FP_COND_EDIT:
      if (bClick && m_CondList.EditCurrent()) StoreEditor();
      break;
    case IDC_FP_COND_INSERT:
      if (!bClick) break;
      m_CondList.InsertCond();
      StoreEditor();
      break;
    case IDC_FP_COND_DELETE:
      if (bClick && m_CondList.Delete(-1, 0)) StoreEditor();
      break;
    case IDC_FP_KEY_LIST:
      if (wCode == LBN_SELCHANGE) m_cgKeyCondList.OnSelChange();
      if (wCode == LBN_DBLCLK && EditKeyCond(0)) StoreEditor();
      break;
    case IDC_FP_KEY_EDIT:
      if (bClick && EditKeyCond(0)) StoreEditor();
      break;
    case IDC_FP_KEY_INSERT:
      if (bClick) InsertKeyCond();
      break;
    case ID_ACC_INSERT_3:
    case ID_POP_INSERT_3:
      if (bKeyFocus) InsertKeyCond();
      break;
    case IDC_FP_KEY_DELETE:
      if (bClick && m_cgKeyCondList.Delete(-1, 0)) StoreEditor();
      break;
    case IDC_FP_CMD_LIST:
      if (wCode == LBN_SELCHANGE) m_CmdList.OnSelChange();
      if (wCode == LBN_DBLCLK && EditCmd(0)) StoreEditor();
      break;
    case IDC_FP_CMD_EDIT:
      if (bClick && EditCmd(0)) StoreEditor();
      break;
    case IDC_FP_CMD_INSERT:
      if (bClick) InsertCmd();
      break;
    case ID_ACC_INSERT_4:
    case ID_POP_INSERT_4:
      if (bCmdFocus) InsertCmd();
      break;
    case IDC_FP_CMD_DELETE:
      if (bClick && m_CmdList.GetCurDataIndex() != -1 && m_CmdList.Delete(-1, 0)) StoreEditor();
      break;
    case IDC_FP_OK:
      if (!m_bStandalone || !bClick) break;
      CtrlsToData();
      if (StandaloneFlowEdit.m_pvFlow) *StandaloneFlowEdit.m_pvFlow = m_WorkChara.m_vFlow;
      Close(1);
      return;
    case IDC_FP_CANCEL:
      if (!bClick) break;
      Close(0);
      return;
    case IDC_FP_TEST:
      DebugErrorBox("m_cgKeyCondList.m_Ctrl.GetCurSel() = %d", m_cgKeyCondList.GetCurSel());
      break;
    default:
      if (wId == IDC_FP_INHERIT && bClick) {
        if (IsInheritChecked()) TakeInheritedFlows();
        ApplyInheritLock();
        ApplyInheritEnabling();
      }
      if (bClick && wId == IDC_FP_PREV) Step(-1);
      else if (bClick && wId == IDC_FP_NEXT) Step(1);
      else if (wCode == CBN_SELCHANGE && wId == IDC_FP_TRIGGER) OnTriggerChanged();
      else if (bClick && wId == IDC_FP_TARGET_X) OnTargetXChanged();
      break;
  }

  if (m_FlowList.OnAccelKey(wParam) || m_FlowList.OnPopupCommand(wParam)) {
    const int nIndex = m_FlowList.GetCurDataIndex();
    if (IsPasteCommand(m_FlowList, wParam) && nIndex != -1) {
      // Flows copied elsewhere may name palette entries this stage does not have.
      m_vFlowWork[nIndex].ClampItemRefs();
      m_EditFlow.ClampItemRefs();
    }
    ShowCurrentFlow();
  } else if (m_CondList.OnOwnerCommand(wParam)) {
    StoreEditor();
  } else if (m_cgKeyCondList.OnAccelKey(wParam) || m_cgKeyCondList.OnPopupCommand(wParam)) {
    // The operation has shown its rows; the flow's row counts them.
    StoreEditor();
  } else if (m_CmdList.OnAccelKey(wParam) || m_CmdList.OnPopupCommand(wParam)) {
    if (IsPasteCommand(m_CmdList, wParam) && m_CmdList.GetCurDataIndex() != -1) {
      // Bringing the references inside the palettes may change any command's text.
      m_EditFlow.ClampItemRefs();
      m_CmdList.Redraw();
    }
    StoreEditor();
  }
  if (wId == ID_ACC_INSERT_2 || wId == ID_POP_INSERT_2) StoreEditor();

  if (m_bInit && ChangedCtrlId(wParam)) {
    StoreBoundValues();
    StoreEditor();
  }
  RestoreListSelections();
  if (m_nKind == KIND_PAGE && m_hWnd) SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool cFlowPage::OnInsertKey(WPARAM wKey) {
  if (wKey != 'I' || !cHook::IsCtrlHeld()) return false;
  const HWND hFocus = GetFocus();
  if (hFocus && hFocus == m_CondList.m_hWnd) {
    m_CondList.InsertCond();
    StoreEditor();
    return true;
  }
  if (hFocus && hFocus == m_cgKeyCondList.m_hWnd) {
    InsertKeyCond();
    return true;
  }
  if (hFocus && hFocus == m_CmdList.m_hWnd) {
    InsertCmd();
    return true;
  }
  return false;
}

LRESULT cFlowPage::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_CONTEXTMENU:
      if (!m_bInit) break;
      // A flow selected this way is the current flow at once. Filling the controls with it raises
      // notifications, which are no edits of the author's: as when the selection changes through
      // the list's own notification, they are dropped. Taken for edits they would store what the
      // controls still showed of the flow before into this one.
      if (PopupListMenu(*this, {&m_FlowList, &m_CondList, &m_cgKeyCondList, &m_CmdList}, lParam) == &m_FlowList) {
        const int32_t bWasInCommand = m_bInCommand;
        m_bInCommand = 1;
        ShowCurrentFlow();
        m_bInCommand = bWasInCommand;
      }
      r = 1;
      break;
    case WM_NOTIFY:
      // The other pages may have replaced the working copy meanwhile; not so on the first showing
      // right after the page was made, which shows what it was made with.
      if (HandlePageNotify(*this, lParam, m_WorkChara, m_fnShare, [&] {
            if (m_bJustMade) return;
            BindInheritCheck();
            m_FlowList.LoadEditor();
            UpdateCtrls(0);
            RedrawList();
            ApplyInheritLock();
            ApplyInheritEnabling();
            ShowNo();
          }))
        r = 1;
      m_bJustMade = false;
      break;
    case WM_KEYDOWN:
      if (m_bInit && !m_bModeless && OnInsertKey(wParam)) r = 1;
      break;
    case WM_CLOSE:
      Close(0);
      r = 1;
      break;
    case WM_INITDIALOG:
      m_FlowList.m_vClip = FlowClipboard;
      m_CondList.LoadClipboard(FlowCondClipboard);
      m_cgKeyCondList.m_vClip = KeyCondClipboard;
      m_CmdList.m_vClip = CmdClipboard;
      return TRUE;
    case WM_DESTROY:
      FlowClipboard = m_FlowList.m_vClip;
      m_CondList.StoreClipboard(FlowCondClipboard);
      KeyCondClipboard = m_cgKeyCondList.m_vClip;
      CmdClipboard = m_CmdList.m_vClip;
      m_bInit = 0;
      return 1;
    default:
      break;
  }
  if (!r) return 0;
  if (m_bInit) Draw();
  return 1;
}

void cFlowPage::Draw() {
  if (!m_bInit || m_bStandalone || m_vBitmap.empty()) return;
  DrawEntryPreview(m_vBitmap[0].m_Ctrl, m_WorkChara);
}

void cFlowPage::Step(int32_t nStep) {
  if (m_bStandalone || !m_lpCharaList) return;
  cStaticCtrl* lpNo = FindCtrl(m_vStatic, IDC_FP_NO);
  StepEditRecord(StageEditState.m_lpCharaTarget, StageEditState.m_nBrushEntry, nStep, *this, m_WorkChara,
                 *m_lpCharaList, [&](cEdChara& rec) { SetupCtrls(&rec); }, lpNo);
  for (cListCtrlBase* p : {static_cast<cListCtrlBase*>(&m_FlowList), static_cast<cListCtrlBase*>(&m_CondList),
                           static_cast<cListCtrlBase*>(&m_cgKeyCondList), static_cast<cListCtrlBase*>(&m_CmdList)})
    p->SelectOnly(0, 1);
  UpdateCtrlsExcept(0, &m_FlowList);
  ApplyInheritLock();
  ApplyInheritEnabling();
}

void cFlowPage::ShowCurrentFlow() {
  UpdateCtrlsExcept(0, &m_FlowList);
  // The enabling follows the flow now shown, not the one shown before.
  ApplyInheritEnabling();
}

void cFlowPage::OnTriggerChanged() {
  cComboCtrl<int8_t>* lpTrigger = FindCombo(IDC_FP_TRIGGER);
  if (!lpTrigger) return;
  const int32_t nTrigger = lpTrigger->GetCurData();
  const char* pszNote = " ";
  if (nTrigger == 3) pszNote = "※実行時間0の並列実行コマンド（P-0）のみ実行可";
  if (nTrigger == 21) pszNote = "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可";
  if (cStaticCtrl* p = FindCtrl(m_vStatic, IDC_FP_NOTE)) p->SetText(pszNote);
  if (IsInheritChecked()) return;
  cComboCtrl<int8_t>* lpGroup = FindCombo(IDC_FP_GROUP);
  if (lpGroup) {
    if (nTrigger != 0) lpGroup->SetCurData(0);
    lpGroup->Enable(nTrigger == 0);
  }
  cCheckCtrl<int8_t>* lpTarget = FindCheck(IDC_FP_TARGET_X);
  if (lpTarget) {
    if (!TriggerHasCharacter(nTrigger)) lpTarget->SetCheck(0);
    lpTarget->Enable(TriggerHasCharacter(nTrigger));
  }
}

void cFlowPage::OnTargetXChanged() {
  // While the flows are inherited the slot stays locked with the rest.
  if (IsInheritChecked()) return;
  cCheckCtrl<int8_t>* lpTarget = FindCheck(IDC_FP_TARGET_X);
  if (lpTarget) EnableCtrlById(m_vCombo, IDC_FP_TARGET_SLOT, lpTarget->GetCheck() != 0);
}

void cFlowPage::ApplyInheritLock() {
  const bool bLocked = IsInheritChecked();
  // With the operation "変更" the IDs of an item's flows stay as they are for the whole run.
  const bool bIdLocked = m_bStandalone && StandaloneFlowEdit.m_nOperation == 1;
  for (uint16_t wId : INHERIT_LOCKED) {
    HWND h = GetDlgItem(m_hWnd, wId);
    if (!h) continue;
    EnableWindow(h, (bLocked || (wId == IDC_FP_ID && bIdLocked)) ? FALSE : TRUE);
  }
  // The spin moves with its value edit.
  if (HWND hSpin = GetDlgItem(m_hWnd, IDC_FP_KEY_EASE_SPIN)) EnableWindow(hSpin, bLocked ? FALSE : TRUE);
}

void cFlowPage::ApplyInheritEnabling() {
  if (!m_bStandalone) {
    const bool bInherits = m_WorkChara.m_nInheritPal == 1 || m_WorkChara.m_nInheritPal == 2;
    EnableCtrlById(m_vInherit, IDC_FP_INHERIT, bInherits);
  }
  OnTriggerChanged();
  OnTargetXChanged();
}

void cFlowPage::TakeInheritedFlows() {
  CtrlsToData();
  m_WorkChara.ApplyInherit();
  BindInheritCheck();
  DataToCtrls();
}
