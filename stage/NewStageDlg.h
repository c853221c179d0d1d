// The new stage: replaces the open stage with a copy of the newest numbered version of a template
// stage file (or an empty stage when no template is named), whose stage palettes are then kept,
// emptied, copied from the common palette or read from a stage palette file. The three inputs
// live in EditConfig and are written with it after a stage was made.
#pragma once

#include <cstdint>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditStrCtrl.h"
#include "controls/SetDlg.h"

class cStageWnd;

class cNewStageDlg : public cSetDlg<cNewStageDlg> {
 public:
  cNewStageDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // The palette-file edit and its browse button serve only the palette-file choice.
  void UpdateEnables() override;
  // OK: 1 when the new stage is in place, 0 when the author declined or it could not be made.
  int32_t MakeStage();

 private:
  // Puts a chosen file's path, relative to the current directory, into the edit; nothing when
  // the path cannot be made relative.
  void Browse(uint16_t wEditId, const char* pszDir, const char* pszTitle, const char* pszFilter,
              const char* pszExt);
};

// The stage window's new-stage command: runs the dialog modally with the other registered windows
// disabled and deletes it; 1 when a new stage replaced the open one.
int32_t RunNewStageDlg(cStageWnd* lpWnd);
