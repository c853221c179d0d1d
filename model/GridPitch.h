// Grids of cells (the stage layers, the world map's chips) are stored row by row with a row pitch
// that is a power of two, so that cell (x, y) is element x + (y << shift).
#pragma once

#include <cstdint>

// The smallest power of two not below the width, and its exponent (width 20: 32 and 5; 1: 1 and 0).
inline void CalcPitch(int32_t nWidth, int32_t& nPitch, int32_t& nShift) {
  nShift = 0;
  for (int32_t n = nWidth - 1; n != 0; n /= 2) ++nShift;
  nPitch = 1 << nShift;
}
