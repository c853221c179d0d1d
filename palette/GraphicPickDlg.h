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
