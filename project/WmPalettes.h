// The palette window beside the world map editor: in chip mode the chip palette, from which the
// author picks the chip the pen paints; in event mode the event palette, which holds the template
// events, the three placing options and the template the pen places. The world map window owns
// the one that is open and replaces it when the mode changes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Dialog.h"
#include "controls/CtrlBind.h"
#include "controls/ListCtrl.h"
#include "model/EditConfig.h"
#include "model/WorldMap.h"
#include "project/SysPage.h"

// A window whose stored placement holds its outer rectangle takes that size once it exists
// (the window's own limits still hold).
void ApplyStoredOuterSize(HWND hWnd, const cWndPlacement& place);
// What a world map window stores when it goes: its position and its outer size.
void StoreOuterPlacement(HWND hWnd, eWndPlace nPlace);

class cChipPaletteWnd : public cDialogClass<cChipPaletteWnd> {
 public:
  enum { CELL = 32, COLS = 5, ROWS = 2, VIEW_W = COLS * CELL, VIEW_H = ROWS * CELL, MIN_H = CELL };
  enum { OFFSET_Y = 10, BACK_COLOUR = 53 };

  cChipPaletteWnd(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cChipPaletteWnd() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  // Picks the chip under a point of the view: it becomes the selection and a 1 x 1 brush.
  void SelectAt(int32_t x, int32_t y);

  int32_t m_nScrollRow = 0;

 private:
  void PlaceView();
  void UpdateScroll();
  void UpdateStatusText();
};

class cEventPaletteWnd : public cDialogClass<cEventPaletteWnd> {
 public:
  enum { OFFSET_Y = 10, MIN_W = 100, MIN_H = 100, MAX_W = 640, MAX_H = 480, TEMPLATES_MAX = 99 };

  cEventPaletteWnd(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList);
  ~cEventPaletteWnd() override { Dispose(); }

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void RedrawList() override;

  // The list's current row becomes the selected template and what the pen places.
  void SyncSelection();
  // The view's cut and copy: the list's clipboard becomes that one placed event.
  void SetClipboard(const cEdWmEvent& event);

  cCtrlBind<cListCtrl<cEdWmEvent>, cListParam<cEdWmEvent>> m_List;
  cSysPageCtrls m_Ctrls;

 private:
  // Runs the event dialog on the template at the list's current row; its result.
  INT_PTR EditCurrent(int32_t bNew);
  void InsertTemplate();
  void AskCount();
};
