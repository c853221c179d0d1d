// The flow page: the flows of a character, each with its trigger, ID, group, memo, basic
// conditions, key conditions and commands. It is a page of the character data sheet, editing the
// sheet's working copy of the character, or runs on its own as a modal dialog on the flows of an
// item's "フローの変更" command (StandaloneFlowEdit), writing them back only on its OK.
//
// The flow list edits a working copy of the flows and copies the selected flow into the page's
// current flow; the other controls and the three detail lists edit that current flow, which goes
// back into the working copy after each change.
#pragma once

#include <functional>

#include "app/Dialog.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "flow/CondListCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/EditStrCtrl.h"
#include "controls/EditValCtrl.h"
#include "controls/FlowLists.h"
#include "flow/CmdDlg.h"
#include "model/Chara.h"

class cKeyCondDlg;
class cCmdPaletteDlg;
struct cKeyCondEditInfo;

template <class C, class P>
using cBindVector = cChkVector<cCtrlBind<C, P>>;

class cFlowPage : public cDialogClass<cFlowPage> {
 public:
  // A page of the character data sheet (nKind KIND_PAGE) on the record, which gets one default
  // flow at once when it has none; or, as a dialog (KIND_DIALOG) without a record, the standalone
  // run on StandaloneFlowEdit's flows.
  cFlowPage(cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList, cEdChara* lpChara);
  // The page of the character data sheet, on the character the sheet edits
  // (StageEditState.m_lpCharaTarget).
  cFlowPage(cWindow* lpOwner, cWindowList* lpWindowList);
  ~cFlowPage() override;

  // Loads the character (or the standalone flows) and binds every control to it.
  void SetupCtrls(cEdChara* lpChara);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  bool IsStandalone() const { return m_bStandalone != 0; }

  // Set by the sheet that hosts the page: its working copy of the palette the character comes
  // from (for "←" and "→"; none for a placed character or the default one), and what it does with
  // the page's working copy when the page is left (share it with the other pages).
  cChkVector<cEdChara>* m_lpCharaList = nullptr;
  std::function<void(const cEdChara&)> m_fnShare;

  cEdChara m_WorkChara;  // the flows of the standalone run are its m_vFlow
  cFlowVector m_vFlowWork;
  cEdFlow m_EditFlow;

  cCtrlBind<cFlowListCtrl, cListParam<cEdFlow>> m_FlowBind;
  cCtrlBind<cCondListCtrl, cListParam<cCond>> m_CondBind;
  cCtrlBind<cKeyCondListCtrl, cListParam<cEdKeyCond>> m_KeyBind;
  cCtrlBind<cCmdListCtrl, cListParam<cEdCommand>> m_CmdBind;
  cFlowListCtrl& m_FlowList = m_FlowBind.m_Ctrl;
  cCondListCtrl& m_CondList = m_CondBind.m_Ctrl;
  cKeyCondListCtrl& m_cgKeyCondList = m_KeyBind.m_Ctrl;
  cCmdListCtrl& m_CmdList = m_CmdBind.m_Ctrl;

  cBindVector<cCheckCtrl<uint8_t>, cCheckParam<uint8_t>> m_vInherit;
  cBindVector<cEditValCtrl<int8_t>, cEditValParam<int8_t>> m_vValue;
  cBindVector<cEditStrCtrl, cEditStrParam> m_vStr;
  cBindVector<cCheckCtrl<int8_t>, cCheckParam<int8_t>> m_vCheck;
  cBindVector<cComboCtrl<int8_t>, cComboParam<int8_t>> m_vCombo;
  cBindVector<cBitmapCtrl, cBitmapParam> m_vBitmap;
  cBindVector<cButtonCtrl, cButtonParam> m_vButton;
  cBindVector<cStaticCtrl, cStaticParam> m_vStatic;

  // The element dialogs while they run.
  cKeyCondDlg* m_lpKeyCondDlg = nullptr;
  cCmdPaletteDlg* m_lpCmdPalette = nullptr;

 private:
  int32_t m_bStandalone = 0;
  // Made and not yet past its first notification from the sheet.
  bool m_bJustMade = false;

  // The inheritance check box follows the working copy (which the sheet may have replaced).
  void BindInheritCheck();
  void Step(int32_t nStep);
  // The fields of the flow that has become current, enabled for it.
  void ShowCurrentFlow();
  void OnTriggerChanged();
  void OnTargetXChanged();
  void ApplyInheritLock();
  void ApplyInheritEnabling();
  void TakeInheritedFlows();
  // The current flow goes back into its row of the working copy.
  void StoreEditor();
  int EditKeyCond(int32_t bNew);
  int EditCmd(int32_t bNew);
  void InsertKeyCond();
  void InsertCmd();
  // Ctrl+I in a detail list of a page that gets its keys through the keyboard hook.
  bool OnInsertKey(WPARAM wKey);
  void ShowNo();
  void StoreBoundValues();
  void RestoreListSelections();
  bool IsInheritChecked();
  cCheckCtrl<int8_t>* FindCheck(uint32_t nId) { return FindCtrl(m_vCheck, nId); }
  cComboCtrl<int8_t>* FindCombo(uint32_t nId) { return FindCtrl(m_vCombo, nId); }
};
