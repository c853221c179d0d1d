#include "ArtPalette.h"

#include <cmath>

namespace {

struct cRgb {
  int r, g, b;
};

// Dark end, own colour (shade 9) and light end of each ramp.
const cRgb kRamps[RAMP_COUNT][3] = {
    {{0, 0, 0}, {153, 153, 153}, {255, 255, 255}},        // grey
    {{44, 8, 20}, {214, 44, 52}, {255, 205, 190}},        // red
    {{8, 36, 24}, {70, 170, 52}, {222, 255, 170}},        // green
    {{10, 14, 58}, {52, 100, 226}, {205, 228, 255}},      // blue
    {{62, 38, 10}, {238, 188, 34}, {255, 250, 205}},      // gold
    {{66, 22, 10}, {240, 122, 34}, {255, 226, 172}},      // orange
    {{34, 20, 14}, {150, 92, 50}, {242, 212, 164}},       // brown
    {{84, 42, 32}, {238, 172, 126}, {255, 238, 218}},     // skin
    {{8, 38, 54}, {42, 178, 210}, {212, 250, 255}},       // cyan
    {{30, 12, 52}, {142, 66, 204}, {236, 212, 255}},      // purple
    {{62, 10, 42}, {232, 92, 162}, {255, 216, 236}},      // pink
    {{22, 26, 38}, {122, 130, 150}, {230, 234, 242}},     // stone
};

const cRgb kPlain[10] = {
    {0, 177, 0},  // 0: transparent key
    {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},
    {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 248, 232},
};

const cRgb kInks[6] = {
    {72, 40, 24},  // 10 brown
    {96, 18, 24},  // 11 red
    {18, 60, 28},  // 12 green
    {20, 28, 84},  // 13 blue
    {52, 52, 60},  // 14 grey
    {0, 0, 0},     // 15 black
};

int Mix(int a, int b, double t) { return int(std::lround(a + (b - a) * t)); }

cRgb Entry(int i) {
  if (i < 10) return kPlain[i];
  if (i < 16) return kInks[i - 10];
  if (i < 208) {
    int ramp = (i - 16) / 16, level = (i - 16) % 16;
    const cRgb* k = kRamps[ramp];
    if (ramp == RAMP_GREY) return {level * 17, level * 17, level * 17};
    if (level <= 9) {
      double t = level / 9.0;
      return {Mix(k[0].r, k[1].r, t), Mix(k[0].g, k[1].g, t), Mix(k[0].b, k[1].b, t)};
    }
    double t = (level - 9) / 6.0;
    return {Mix(k[1].r, k[2].r, t), Mix(k[1].g, k[2].g, t), Mix(k[1].b, k[2].b, t)};
  }
  if (i < 240) {
    // Saturated hue circle for colour cycling.
    double h = (i - 208) / 32.0 * 6.0;
    int sector = int(h);
    double f = h - sector;
    int up = Mix(40, 255, f), down = Mix(255, 40, f);
    switch (sector) {
      case 0: return {255, up, 40};
      case 1: return {down, 255, 40};
      case 2: return {40, 255, up};
      case 3: return {40, down, 255};
      case 4: return {up, 40, 255};
      default: return {255, 40, down};
    }
  }
  if (i < 255) {
    double t = (i - 240) / 14.0;
    return {Mix(36, 214, t), Mix(84, 238, t), Mix(196, 255, t)};
  }
  return {255, 255, 255};
}

}  // namespace

int RampOf(uint8_t c) { return (c >= 16 && c < 208) ? (c - 16) / 16 : -1; }

cColourTable MakeProjectPalette() {
  cColourTable t(1024, 0);
  for (int i = 0; i < 256; ++i) {
    cRgb c = Entry(i);
    t[i * 4 + 0] = uint8_t(c.b);
    t[i * 4 + 1] = uint8_t(c.g);
    t[i * 4 + 2] = uint8_t(c.r);
  }
  return t;
}

void PaletteRgb(uint8_t c, uint8_t& r, uint8_t& g, uint8_t& b) {
  cRgb e = Entry(c);
  r = uint8_t(e.r);
  g = uint8_t(e.g);
  b = uint8_t(e.b);
}
