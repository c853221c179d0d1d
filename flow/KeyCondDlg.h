// The key-condition dialog: for each of 19 keys and key states whether it must be pressed, released
// or is not looked at, how long the press must last, and how the keys combine. Edits the key
// condition in place; OK stores, Cancel leaves it as it was.
#pragma once

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditValCtrl.h"
#include "model/Flow.h"

struct cKeyCondEditInfo {
  cEdKeyCond* m_lpKeyCond = nullptr;
  int32_t m_bNew = 0;  // not read by the dialog
};

class cKeyCondDlg : public cDialogClass<cKeyCondDlg> {
 public:
  enum { TIME_MIN = 1, TIME_MAX = 999 };

  cKeyCondDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cKeyCondEditInfo* lpInfo,
              cWindowList* lpWindowList, cControl* lpAnchor, int32_t bCentre);
  cKeyCondDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cKeyCondEditInfo* lpInfo,
              cWindowList* lpWindowList, cWindow* lpAnchor, int32_t bCentre);
  ~cKeyCondDlg() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // The upper bound follows the lower one as typed; both times are off while "1～∞" is checked.
  void UpdateEnable();

  cKeyCondEditInfo m_Info;
  cCtrlSet m_Ctrls;
};
