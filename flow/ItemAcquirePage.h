// Page 2 of the item data sheet: what happens when the item is taken (its enlargement, how often it
// can be taken, whether it shows above the taker, its sound) and the effect list, the commands that
// run on acquisition, numbered as item commands and edited through the item command palette.
#pragma once

#include <functional>

#include "app/Dialog.h"
#include "app/BitmapCtrl.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/FlowLists.h"
#include "flow/CmdDlg.h"
#include "model/Item.h"

class cItemCmdPaletteDlg;

class cItemAcquirePage : public cDialogClass<cItemAcquirePage> {
 public:
  enum { INHERIT_GROUP_COUNT = 5, FIRST_INHERIT_FLAG = 8 };

  // A page of the item data sheet on the item it edits (the sheet's edit target).
  cItemAcquirePage(cWindow* lpOwner, cWindowList* lpWindowList, cEdItem* lpItem);
  // On the item the sheet edits (StageEditState.m_lpItemTarget).
  cItemAcquirePage(cWindow* lpOwner, cWindowList* lpWindowList);
  ~cItemAcquirePage() override { Dispose(); }

  // Copies the item into the working copy and binds every control to it.
  void SetupCtrls(const cEdItem& Item);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  // Set by the sheet: its working copy of the palette the item comes from (for "←" and "→"; none
  // for a placed item or the default one), and what it does with the page's working copy when the
  // page is left (share it with the other pages).
  cChkVector<cEdItem>* m_lpItemList = nullptr;
  std::function<void(const cEdItem&)> m_fnShare;

  cEdItem m_Work;
  cCtrlBind<cCmdListCtrl, cListParam<cEdCommand>> m_CmdBind;
  cCmdListCtrl& m_CmdList = m_CmdBind.m_Ctrl;
  // The item command palette while it runs on one of this page's commands.
  cItemCmdPaletteDlg* m_lpCmdPalette = nullptr;

  // The inheritance boxes are the 8-bit unsigned checks, in group order.
  cCtrlSet m_Ctrls;
  cItemVector m_vSoundNames;

 private:
  void Bind();
  // Group k's controls are locked while its inheritance box is checked.
  void EnableGroup(int k);
  // The inheritance boxes are off for an item that inherits from no palette.
  void RefreshChecks();
  void ReapplyInherit();
  int EditCmd(int32_t bNew);
  void InsertCmd();
  void Step(int32_t nStep);
  void ShowNo();
};
