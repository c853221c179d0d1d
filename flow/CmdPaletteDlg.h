// The command palettes: one button per command kind, captioned with the kind's name. A press
// stamps the kind into the command and runs that kind's dialog; the palette then closes at once
// with the dialog's result. Opened on an existing command, the palette presses the button of its
// kind before it is ever shown, so that only the command's own dialog appears.
//
// The palette of character flows numbers kinds by CmdKindTable; the palette of item commands (the
// item acquisition page's effect list) by ItemCmdKindTable.
#pragma once

#include <string>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "controls/CmdButton.h"
#include "controls/CtrlBind.h"
#include "flow/CmdDlg.h"

class cCmdPaletteBase : public cDialog {
 public:
  enum { BUTTON_RECORDS = 46 };

  cCmdPaletteBase(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                  cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre, int32_t bItem);
  ~cCmdPaletteBase() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // The caption of kind k's button, and the dialog the kind opens.
  const std::string& KindName(int nKind) const;
  const cCmdDlgKind& DlgKind(int nKind) const;
  // Runs the kind's dialog over the command list that opened the palette; its result.
  virtual INT_PTR OpenCmdDlg(int nKind);
  // After every message the palette handles: the character palette redraws its owner's lists.
  virtual void RedrawParentList() {}

  cCmdEditInfo m_Info;
  int32_t m_bItem;  // the command's numbering: 0 character kinds, 1 item kinds
  cChkVector<cCmdButton> m_vButtons;
  cChkVector<cCtrlBind<cButtonCtrl, cButtonParam>> m_vPush;
  cDialog* m_alpDlg[BUTTON_RECORDS] = {};
};

class cCmdPaletteDlg : public cDialogClass<cCmdPaletteDlg, cCmdPaletteBase> {
 public:
  cCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                 cWindowList* lpWindowList, cWindow* lpAnchor, int32_t bCentre);
  void RedrawParentList() override;
};

class cItemCmdPaletteDlg : public cDialogClass<cItemCmdPaletteDlg, cCmdPaletteBase> {
 public:
  cItemCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                     cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cItemCmdPaletteDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo,
                     cWindowList* lpWindowList, cWindow* lpAnchor, int32_t bCentre);
  // Item commands are edited only while an item's acquisition page is there to anchor them.
  INT_PTR OpenCmdDlg(int nKind) override;
};
