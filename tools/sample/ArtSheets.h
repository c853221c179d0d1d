// The picture sheets of the sample project, each drawn procedurally in palette indices.
#pragma once

#include "Canvas.h"

// Chip sheets of 32 x 32 cells; cell n of a 15-row sheet lies at column n / 15, row n % 15.
cCanvas MakeBlockSheet();               // 256 x 480, 120 blocks
cCanvas MakeCharacterSheet(int nSheet);  // 640 x 480: 15 characters of 20 frames, nSheet 0 .. 7
cCanvas MakeItemSheet();                // 512 x 480: 120 items of two 32 x 32 frames
cCanvas MakeMiniItemSheet();            // 256 x 240: the same items at 16 x 16
cCanvas MakeShotSheet();                // 128 x 480: 120 shots of two 16 x 16 frames
cCanvas MakeMarkSheet();                // 256 x 480: 120 marks
cCanvas MakeSymbolSheet();              // 416 x 16: the symbols "a" to "z"
cCanvas MakeAccessorySheet();           // 256 x 128: 32 accessories
cCanvas MakeWorldChipSheet();           // 160 x 480: 75 map chips, five to a row
cCanvas MakeWorldEventSheet();          // 64 x 480: 15 events, numbered and unnumbered
cCanvas MakeStageBack();                // 640 x 480
cCanvas MakeWorldBack();                // 640 x 480
cCanvas MakePaletteImage();             // 128 x 128: every entry as an 8 x 8 swatch

struct cToolStrip {
  const char* pszName;  // file name under e_bmp
  int nImages;          // 16 x 15 images side by side
};
// The toolbar strips; index 0 is the button face, drawn as light grey.
const cToolStrip* ToolStrips(int* pnCount);
cCanvas MakeToolStrip(int nStrip);

// One item drawn into a fresh 32 x 32 canvas without its outline; returns the outline colour.
// Shared by the item, small item and symbol sheets.
uint8_t PaintItem(cCanvas& c, int nMotif, int nVariant);
const int ITEM_MOTIFS = 15;
const int ITEM_VARIANTS = 8;

// Seven rows of five dots ('#' set) of "0"-"9", "A"-"Z", "?", "!", "+", "-"; null otherwise.
const char* const* Glyph5x7(char ch);
// Draws the text with 6 dots per character; characters without a glyph leave a gap.
void DrawText5x7(cCanvas& c, int x, int y, const char* psz, uint8_t col, int nScale = 1);
