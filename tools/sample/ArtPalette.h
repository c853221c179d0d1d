// The project palette of the sample: entry 0 the transparent key, 1 to 9 plain colours,
// 10 to 15 line colours (15 black, the mask index), 16 to 207 twelve ramps of sixteen shades,
// 208 to 239 a hue circle, 240 to 254 a sky gradient, 255 white.
#pragma once

#include <cstdint>

#include "ArtFiles.h"

enum eRamp {
  RAMP_GREY,  // 16 black .. 31 white
  RAMP_RED,
  RAMP_GREEN,
  RAMP_BLUE,
  RAMP_GOLD,
  RAMP_ORANGE,
  RAMP_BROWN,
  RAMP_SKIN,
  RAMP_CYAN,
  RAMP_PURPLE,
  RAMP_PINK,
  RAMP_STONE,
  RAMP_COUNT
};

const uint8_t COL_KEY = 0;
const uint8_t INK_BROWN = 10;
const uint8_t INK_RED = 11;
const uint8_t INK_GREEN = 12;
const uint8_t INK_BLUE = 13;
const uint8_t INK_GREY = 14;
const uint8_t COL_BLACK = 15;
const uint8_t COL_HUE0 = 208;  // 32 hues
const uint8_t COL_SKY0 = 240;  // 15 shades, deep to pale
const uint8_t COL_WHITE = 255;

// Shade 0 (darkest) to 15 (lightest) of a ramp; 9 is its own colour. Out-of-range shades clamp.
inline uint8_t Shade(int nRamp, int nLevel) {
  if (nLevel < 0) nLevel = 0;
  if (nLevel > 15) nLevel = 15;
  return uint8_t(16 + nRamp * 16 + nLevel);
}

// The ramp of a ramp colour, -1 for the other entries.
int RampOf(uint8_t c);

// The whole colour table (1024 bytes, blue, green, red, reserved).
cColourTable MakeProjectPalette();

// Red, green and blue of an entry.
void PaletteRgb(uint8_t c, uint8_t& r, uint8_t& g, uint8_t& b);
