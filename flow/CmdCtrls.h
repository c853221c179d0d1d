// What the dialogs of the control, status, presentation and code commands share: the one command
// dialog base with its control set, each dialog class tied to its template, and a dialog opened on
// nothing editing a scratch command.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "flow/BoundCmdDlg.h"
#include "flow/CondPageDlg.h"
#include "resources/CmdDialogIds.h"

// The base of these dialogs: T fills m_Ctrls in its constructor (after the new-command values).
template <class T>
class cCmdDlgOf : public cDialogClass<T, cBoundCmdDlg> {
 public:
  cCmdDlgOf(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cCmdEditInfo* lpInfo, cWindowList* lpWindowList,
            cControl* lpAnchor, int32_t bCentre)
      : cDialogClass<T, cBoundCmdDlg>(wTemplateId, lpOwner, nKind, lpInfo, lpWindowList, lpAnchor, bCentre) {
    this->EditScratchWhenNone();
  }
};
