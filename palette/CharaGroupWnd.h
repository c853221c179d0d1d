// The character group window: sixty small buttons, one per character group number, of which those
// that the placed characters of the open stage use appear pressed. It only shows; a click changes
// nothing. A tool window of the stage window, shown with the character layer, that passes the
// stage window's main commands and the space key on so the author can keep working from it.
#pragma once

#include <cstdint>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/CtrlBind.h"

class cCharaGroupWnd : public cDialogClass<cCharaGroupWnd> {
 public:
  enum { GROUP_COUNT = 60, MAX_W = 640, MAX_H = 480 };

  cCharaGroupWnd(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cCharaGroupWnd() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // The buttons from the stage's character grid as it is now.
  void Draw() override;

  // The button id of a group number.
  static uint16_t ButtonId(int32_t nGroup);

  cChkVector<cCtrlBind<cCheckCtrl<int32_t>, cCheckParam<int32_t>>> m_vCheck;
  int32_t m_anValue[GROUP_COUNT] = {};
  // Set when no place was stored: the window opens beside the stage window, clear of its caption.
  int32_t m_bBesideStage = 0;
};

// The group window of the stage window's tool windows.
cDialog* NewCharaGroupWnd(cWindow* lpStageWnd);
