#pragma once
// The graphic picker: one sheet of the project's graphics as a grid of 32 x 32 cells; a click returns
// the cell's number. Callers set their number field only when the call returns non-zero.
#include <cstdint>

class cDialog;
class cControl;

// Graphic kinds 0..3 (block, character, item, shot) open the picker on the sheet of that kind; kind 4
// (character-specific bitmap) has no sheet: returns 0 at once and leaves the result unchanged.
int32_t PickGraphic(uint16_t* lpResult, int32_t nKind, cDialog* lpOwner, cControl* lpAnchor);

// Runs the picker modally on sheet 0..4 (blocks, characters, items, shots, marks). Returns 1 when a cell
// was clicked (its number is stored into the result), 0 when the picker was closed.
int32_t RunGraphicPickDlg(uint16_t* lpResult, int32_t nSheet, cDialog* lpOwner, cControl* lpAnchor);

#include "app/Dialog.h"

// The picker's dialog; RunGraphicPickDlg is how it is opened.
class cGraphicPickDlg : public cDialogClass<cGraphicPickDlg> {
 public:
  enum { CELL = 32, COLUMNS = 8, ROWS = 15, VIEW_W = CELL * COLUMNS, VIEW_H = CELL * ROWS, SHEETS = 5 };

  cGraphicPickDlg(uint16_t wTemplateId, cDialog* lpOwner, int32_t nKind, cWindowList* lpWindowList,
                  cControl* lpAnchor, int32_t bCentre);
  ~cGraphicPickDlg() override;

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void Draw() override;

  // The cell under the cursor at the last drawing; the numbers run down each column first.
  int32_t m_nCell = 0;
  uint16_t* m_lpResult = nullptr;
  int32_t m_nSheet = 0;
};
