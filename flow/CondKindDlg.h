// The condition-kind dialog: edits one condition of a condition list, handed over through the
// list owner's edit context. So far it only confirms or cancels; the condition stays as it is.
#pragma once

#include "app/Dialog.h"
#include "controls/CondListCtrl.h"

class cCondKindDlg : public cDialogClass<cCondKindDlg> {
 public:
  cCondKindDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cCondEditContext* lpContext,
               cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cCondKindDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cCondEditContext* lpContext,
               cWindowList* lpWindowList, cWindow* lpAnchor, int32_t bCentre);
  ~cCondKindDlg() override { Dispose(); }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // A copy of the owner's record: the condition, whether it is new, and who asks.
  cCondEditContext m_Context;
};
