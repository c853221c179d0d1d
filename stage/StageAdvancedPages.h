// The two advanced pages of the stage settings sheet: "高度な設定" (frame rate, hit-judgement level
// and precision, the Z and off-screen switches, the automatic vanishing of objects that leave the
// screen) and "高度な設定2" (the hit-detection ranges and how the game shows the hero's). Both are
// plain bindings to the open stage; the sheet stores them when it applies, and a page the author
// never showed stores nothing.
#pragma once

#include <cstdint>

#include "app/Dialog.h"
#include "controls/ButtonCtrl.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/EditValCtrl.h"

// PSM_CHANGED to the page's sheet, so that its apply button becomes available.
void TellSheetChanged(cDialog* lpPage);

class cStageAdvancedPage : public cDialogClass<cStageAdvancedPage> {
 public:
  cStageAdvancedPage(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cStageAdvancedPage() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // Each vanish flag enables its margin.
  void UpdateEnables();
  void Refresh() { UpdateEnables(); }

  cCtrlSet m_Ctrls;
};

class cStageAdvanced2Page : public cDialogClass<cStageAdvanced2Page> {
 public:
  cStageAdvanced2Page(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cStageAdvanced2Page() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  // A range colour is offered only while its range is shown.
  void UpdateEnables();
  void Refresh() { UpdateEnables(); }

  cCtrlSet m_Ctrls;

 private:
  // The template's row captions get the new-stage defaults appended, once per window.
  void AppendDefaults();
};
