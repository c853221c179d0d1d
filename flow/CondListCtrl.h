// The condition list: a bound list over conditions, configured alike by all its owners (the block
// data dialog, character and item data page 1, the flow page and the flow-operation command),
// with the condition-kind dialog as the dialog that edits one condition. The list itself cuts,
// copies, pastes and deletes; inserting goes through the owner, which opens the dialog on the new
// condition.
#pragma once

#include <cstdint>

#include "controls/ListCtrl.h"
#include "model/Cond.h"

// Who owns a condition list, as the condition dialogs are told.
enum { COND_OWNER_DATA = 0, COND_OWNER_FLOW = 1, COND_OWNER_FLOWOP = 2 };

// What an owner hands the condition dialogs: the condition being edited (inside the working
// vector), whether it was just inserted, and the owner code.
struct cCondEditContext {
  cCond* lpCond = nullptr;
  int32_t bNew = 0;
  int32_t nOwner = COND_OWNER_DATA;
};

// Conditions copied in one dialog pass to the next one opened: the block, character and item data
// dialogs share CondClipboard, the flow page has FlowCondClipboard. Both start empty.
extern cCondVector CondClipboard;
extern cCondVector FlowCondClipboard;

class cCondKindDlg;

class cCondListCtrl : public cListCtrl<cCond> {
 public:
  enum { MAX_CONDS = 99 };

  // The parameters every owner uses: no editor record, multiple selection, the condition line as
  // row text, no numbers, 0 to 99 conditions, all listed, end row.
  static void SetParam(cListParam<cCond>& Param, uint16_t wId, cCondVector* lpSrc, cCondVector* lpWork);

  // The key and menu ids of the owner (after attaching): the flow page has its own set. The list
  // handles neither insert nor clear; the owner inserts (OnOwnerCommand).
  void SetOwnerIds(int32_t nOwner);
  // Opens the condition-kind dialog on the current condition; its result, 0 without one.
  int EditCurrent();
  // Inserts a condition and opens the dialog on it; cancelling takes it out again.
  int InsertCond();
  // Any other command of the owner: the insert keys and menu item, then the list's own keys and
  // menu items. 1 when the list handled the command (the owner then redraws); 0 for a paste it
  // refused, which changes nothing.
  int OnOwnerCommand(WPARAM wParam);
  // 1 when the clipboard holds a condition of the kind (owners that refuse pasting distance
  // conditions ask before a paste).
  int ClipboardHasKind(int32_t nKind) const;
  // The process clipboard's conditions come in when the owner initialises and go back when it is
  // destroyed.
  void LoadClipboard(const cCondVector& v) { m_vClip = v; }
  void StoreClipboard(cCondVector& v) const { v = m_vClip; }

  int32_t m_nOwner = COND_OWNER_DATA;
  // Set by the owners whose conditions cannot be distance conditions (the block data dialog and
  // the item's first page): a paste that would bring one is refused with a message.
  int32_t m_bRefuseDistancePaste = 0;
  cCondEditContext m_Context;
  cCondKindDlg* m_lpCondDlg = nullptr;

 private:
  int OpenDialog(int32_t bNew);
  // The paste key or menu item of this owner, while the list has the focus, with a distance
  // condition on the clipboard of an owner that refuses them: the message, and 1.
  int RefusePaste(uint16_t wId);
};
