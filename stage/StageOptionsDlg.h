// The stage options: the undo depth and the mouse wheel's scroll direction, two settings the
// open stage carries for the editor rather than for the game. OK stores both; a raised depth
// is refused when the free memory cannot hold the extra snapshots, and any change of the depth
// allocates the undo store anew (which empties it).
#pragma once

#include <cstdint>

#include "app/Dialog.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditValCtrl.h"

class cStageWnd;

class cStageOptionDlg : public cDialogClass<cStageOptionDlg> {
 public:
  cStageOptionDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cStageOptionDlg() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // OK: stores both controls, marks the stage changed and re-sizes the undo store.
  void Commit();

  cCtrlSet m_Ctrls;
};

// The stage window's stage-options command: deletes the dialog still held in the window's slot,
// runs a new one modally with the other registered windows disabled and deletes it.
void RunStageOptionDlg(cStageWnd* lpWnd);
