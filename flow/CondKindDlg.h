// The condition-kind dialog: edits one condition of a condition list, handed over through the
// list owner's edit context. A new condition (or one of no kind yet) chooses its kind from seven
// buttons; an existing one goes straight to the page of its kind, and the dialog is never seen.
// The result is the page's: 1 after OK, 0 after Cancel or closing.
#pragma once

#include <cstdint>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "controls/CtrlSet.h"
#include "base/ChkContainer.h"
#include "flow/CondListCtrl.h"
#include "controls/CtrlBind.h"

class cCondKindDlg : public cDialogClass<cCondKindDlg> {
 public:
  enum { KIND_COUNT = 8, KIND_DISTANCE = 7 };

  // One kind: its button and page template, and the slot that holds its page while it runs.
  struct cCondKindBtn {
    uint16_t wButtonId = 0;
    uint16_t wPageId = 0;
    cDialog** lplpPage = nullptr;
    int32_t nReserved = 0;

    void Set(uint16_t wButton, uint16_t wPage, cDialog** lplp) {
      wButtonId = wButton;
      wPageId = wPage;
      lplpPage = lplp;
      nReserved = 0;
      if (lplpPage) *lplpPage = nullptr;
    }
  };

  // The anchor is a control or a window.
  template <class A>
  cCondKindDlg(uint16_t wTemplateId, cWindow* lpParent, int32_t nKind, cCondEditContext* lpContext,
               cWindowList* lpWindowList, A* lpAnchor, int32_t bCentre)
      : cDialogClass<cCondKindDlg>(wTemplateId, lpParent, nKind, lpWindowList, lpAnchor, bCentre) {
    SetUp(lpContext);
  }
  ~cCondKindDlg() override { Dispose(); }

  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  // The lists of the dialog that opened this one show their selection again.
  void RedrawParentList();
  // Runs the page of the kind modally on the condition; its result.
  int OpenCondPage(int32_t nKind);

  // A copy of the owner's record: the condition, whether it is new, and who asks.
  cCondEditContext m_Context;
  cCondKindBtn m_aKindBtn[KIND_COUNT];
  cCtrlSet m_Ctrls;
  cDialog* m_aPage[KIND_COUNT] = {};

 private:
  void SetUp(cCondEditContext* lpContext);
};

// The condition list next to which a condition page is placed: the data sheets name the list of
// the current sheet through the function installed here (the block data page's list, the shown
// page's list of a character or item sheet). Without a function, or when it names none, the page
// is placed at the list the dialog was opened from; with no data sheet current, over the dialog.
// Installing returns the function it replaces.
typedef cControl* (*CondPageAnchorFn)();
CondPageAnchorFn SetCondPageAnchorFn(CondPageAnchorFn pfn);
