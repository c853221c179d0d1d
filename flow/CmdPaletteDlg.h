// The command palettes: one button per command kind, captioned with the kind's name. A press
// stamps the kind into the command and runs that kind's dialog; the palette's result is the
// dialog's. Opened on an existing command, only the command's own dialog appears.
//
// The palette's window is gone before the kind's dialog opens, and an existing command's dialog
// opens without the palette's window ever being made: the dialog is owned by the window that
// opened the palette, so closing it hands the activation straight back to the author's sheet
// instead of through a hidden palette, and an edit pays for its own dialog only.
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

  // The palette's modal run, which the command lists call in place of the dialog base's: an
  // existing command of a kind with a dialog goes straight to that dialog; any other command shows
  // the palette, and the kind pressed there closes it before the kind's dialog opens (dwFlags are
  // the palette window's run flags). The dialog's result; 0 when the palette was closed without a
  // kind. It hides the dialog base's run: call it on the palette's own type (the lists' element
  // dialogs are run on their own class).
  INT_PTR DoModal(DWORD dwFlags);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // A kind's button closes the palette with that kind chosen; Escape closes it as its close box
  // does.
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // The caption of kind k's button, and the dialog the kind opens.
  const std::string& KindName(int nKind) const;
  const cCmdDlgKind& DlgKind(int nKind) const;
  // Runs the kind's dialog over the command list that opened the palette, owned by the window that
  // opened the palette; its result.
  virtual INT_PTR OpenCmdDlg(int nKind);
  // After every message the palette handles: the character palette redraws its owner's lists.
  virtual void RedrawParentList() {}

  cCmdEditInfo m_Info;
  int32_t m_bItem;  // the command's numbering: 0 character kinds, 1 item kinds
  cChkVector<cCmdButton> m_vButtons;
  cChkVector<cCtrlBind<cButtonCtrl, cButtonParam>> m_vPush;
  cDialog* m_alpDlg[BUTTON_RECORDS] = {};

 private:
  // The kind whose button was pressed on the palette's window; 0 while none was.
  int m_nChosen = 0;

  // nKind when it has a button with a dialog, else 0.
  int KindWithDialog(int nKind) const;
  // Stamps the kind and numbering into the command, then runs the kind's dialog; its result.
  INT_PTR RunKind(int nKind);
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
