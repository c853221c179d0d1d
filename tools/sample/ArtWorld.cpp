// The world map's chips and events, the two background pictures and the palette picture.
#include <cmath>

#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

const int N = 32;

void Ground(cCanvas& c, int ramp, int base, int seed) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      uint32_t r = DotHash(x, y, seed) % 29;
      int lvl = base + (r == 0 ? 2 : r == 1 ? -2 : r < 4 ? 1 : 0);
      c.Set(x, y, Shade(ramp, lvl));
    }
  // A few tufts.
  for (int k = 0; k < 4; ++k) {
    int x = 3 + int(DotHash(k, 1, seed) % 26), y = 4 + int(DotHash(k, 2, seed) % 24);
    c.Set(x, y, Shade(ramp, base - 3));
    c.Set(x + 2, y, Shade(ramp, base - 3));
    c.Set(x + 1, y - 1, Shade(ramp, base - 3));
  }
}

void Sea(cCanvas& c, int ramp, int base, int seed) {
  c.Fill(0, 0, N, N, Shade(ramp, base));
  for (int k = 0; k < 5; ++k) {
    int x = int(DotHash(k, 3, seed) % 26), y = 3 + k * 6;
    c.HLine(x, x + 3, y, Shade(ramp, base + 3));
    c.Set(x + 1, y - 1, Shade(ramp, base + 4));
    c.Set(x + 2, y - 1, Shade(ramp, base + 4));
  }
}

void Mountain(cCanvas& c, int ramp, bool bSnow) {
  c.Polygon({{1, 29}, {16, 3}, {31, 29}}, Shade(ramp, 9));
  c.Polygon({{16, 3}, {31, 29}, {18, 29}, {19, 16}}, Shade(ramp, 6));
  c.Polygon({{1, 29}, {16, 3}, {10, 18}}, Shade(ramp, 11));
  if (bSnow) c.Polygon({{11, 12}, {16, 3}, {21, 12}, {18, 10}, {16, 13}, {13, 10}}, Shade(RAMP_GREY, 15));
  c.HLine(1, 30, 29, Shade(ramp, 4));
}

void Tree(cCanvas& c, double x, double y, int ramp, bool bPine) {
  c.Fill(int(x) - 1, int(y) + 3, 3, 5, Shade(RAMP_BROWN, 5));
  if (bPine) {
    c.Polygon({{x - 6, y + 4}, {x + 0.5, y - 9}, {x + 7, y + 4}}, Shade(ramp, 6));
    c.Polygon({{x - 6, y + 4}, {x + 0.5, y - 9}, {x + 0.5, y + 4}}, Shade(ramp, 8));
  } else {
    c.Ball(x + 0.5, y - 1, 6, 6, ramp, 8, false);
  }
}

void Trees(cCanvas& c, int groundRamp, int treeRamp, bool bPine, int seed) {
  Ground(c, groundRamp, 7, seed);
  const double pos[5][2] = {{8, 8}, {24, 7}, {16, 17}, {7, 25}, {25, 25}};
  for (auto& p : pos) Tree(c, p[0], p[1], treeRamp, bPine);
}

void Road(cCanvas& c, int ramp, bool bH, bool bV) {
  Ground(c, RAMP_GREEN, 8, 11);
  if (bH) {
    c.Fill(0, 10, N, 12, Shade(ramp, 10));
    c.HLine(0, N - 1, 10, Shade(ramp, 7));
    c.HLine(0, N - 1, 21, Shade(ramp, 7));
  }
  if (bV) {
    c.Fill(10, 0, 12, N, Shade(ramp, 10));
    c.VLine(10, 0, N - 1, Shade(ramp, 7));
    c.VLine(21, 0, N - 1, Shade(ramp, 7));
    if (bH) c.Fill(11, 11, 10, 10, Shade(ramp, 10));
  }
  for (int k = 0; k < 6; ++k) {
    int x = 11 + int(DotHash(k, 4, 1) % 10), y = 11 + int(DotHash(k, 5, 1) % 10);
    c.Set(x, y, Shade(ramp, 8));
  }
}

void Coast(cCanvas& c, int side) {  // land on the given side: 0 top, 1 bottom, 2 left, 3 right
  Sea(c, RAMP_BLUE, 8, 20 + side);
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      int d = side == 0 ? y : side == 1 ? N - 1 - y : side == 2 ? x : N - 1 - x;
      int t = side < 2 ? x : y;
      int edge = 12 + int(std::lround(2 * std::sin(t * 0.4)));
      if (d < edge - 3) c.Set(x, y, Shade(RAMP_GREEN, 8 + int(DotHash(x, y, 5) % 13 == 0)));
      else if (d < edge) c.Set(x, y, Shade(RAMP_GOLD, 12));
      else if (d == edge) c.Set(x, y, Shade(RAMP_CYAN, 14));
    }
}

void Town(cCanvas& c, int roof) {
  Ground(c, RAMP_GREEN, 8, 30);
  const int hx[3] = {3, 17, 10}, hy[3] = {5, 4, 17};
  for (int k = 0; k < 3; ++k) {
    int x = hx[k], y = hy[k];
    c.Fill(x + 1, y + 6, 10, 7, Shade(RAMP_GOLD, 13));
    c.Polygon({{x - 0.5, y + 6.5}, {x + 6.0, y + 0.0}, {x + 12.5, y + 6.5}}, Shade(roof, 9));
    c.HLine(x, x + 11, y + 6, Shade(roof, 5));
    c.Fill(x + 5, y + 9, 2, 4, Shade(RAMP_BROWN, 5));
    c.Set(x + 2, y + 8, Shade(RAMP_BLUE, 8));
    c.Frame(x + 1, y + 6, 10, 7, Shade(RAMP_BROWN, 4));
  }
}

void CastleChip(cCanvas& c) {
  Ground(c, RAMP_GREEN, 8, 31);
  c.Fill(5, 12, 22, 17, Shade(RAMP_STONE, 10));
  for (int x = 5; x < 27; x += 4) c.Fill(x, 10, 2, 2, Shade(RAMP_STONE, 10));
  c.Fill(3, 6, 6, 23, Shade(RAMP_STONE, 11));
  c.Fill(23, 6, 6, 23, Shade(RAMP_STONE, 8));
  c.Polygon({{2, 6}, {6, 0}, {10, 6}}, Shade(RAMP_RED, 9));
  c.Polygon({{22, 6}, {26, 0}, {30, 6}}, Shade(RAMP_RED, 8));
  c.Fill(13, 20, 6, 9, Shade(RAMP_BROWN, 4));
  c.Disc(16, 20, 3, Shade(RAMP_BROWN, 4));
  c.Frame(5, 12, 22, 17, Shade(RAMP_STONE, 5));
}

void TowerChip(cCanvas& c) {
  Ground(c, RAMP_GREEN, 8, 32);
  c.Fill(11, 6, 10, 24, Shade(RAMP_STONE, 9));
  c.VLine(11, 6, 29, Shade(RAMP_STONE, 12));
  c.VLine(20, 6, 29, Shade(RAMP_STONE, 6));
  c.Polygon({{9, 7}, {16, -1}, {23, 7}}, Shade(RAMP_PURPLE, 9));
  c.Fill(15, 12, 2, 3, Shade(RAMP_GOLD, 13));
  c.Fill(14, 24, 4, 6, Shade(RAMP_BROWN, 4));
}

void Cave(cCanvas& c) {
  Ground(c, RAMP_GREEN, 8, 33);
  c.Polygon({{1, 30}, {8, 8}, {16, 3}, {25, 8}, {31, 30}}, Shade(RAMP_STONE, 8));
  c.Polygon({{16, 3}, {25, 8}, {31, 30}, {20, 30}}, Shade(RAMP_STONE, 6));
  c.Ellipse(16, 27, 7, 9, COL_BLACK);
  c.Fill(8, 27, 17, 4, Shade(RAMP_STONE, 5));
  c.Fill(9, 27, 15, 3, COL_BLACK);
}

void Bridge(cCanvas& c, bool bVertical) {
  Sea(c, RAMP_BLUE, 8, 34);
  cCanvas t(N, N);
  for (int y = 6; y < 26; ++y)
    for (int x = 0; x < N; ++x) t.Set(x, y, Shade(RAMP_BROWN, x % 6 == 5 ? 5 : 9));
  t.HLine(0, N - 1, 6, Shade(RAMP_BROWN, 4));
  t.HLine(0, N - 1, 25, Shade(RAMP_BROWN, 4));
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      uint8_t v = bVertical ? t.Get(y, x) : t.Get(x, y);
      if (v) c.Set(x, y, v);
    }
}

void Flowers(cCanvas& c) {
  Ground(c, RAMP_GREEN, 8, 35);
  const int ramps[3] = {RAMP_RED, RAMP_GOLD, RAMP_PINK};
  for (int k = 0; k < 9; ++k) {
    int x = 2 + int(DotHash(k, 6, 3) % 28), y = 2 + int(DotHash(k, 7, 3) % 28);
    int r = ramps[k % 3];
    c.Set(x, y - 1, Shade(r, 11));
    c.Set(x - 1, y, Shade(r, 11));
    c.Set(x + 1, y, Shade(r, 10));
    c.Set(x, y + 1, Shade(r, 9));
    c.Set(x, y, Shade(RAMP_GOLD, 14));
  }
}

void Rocks(cCanvas& c, int groundRamp) {
  Ground(c, groundRamp, 8, 36);
  const double r[4][3] = {{9, 10, 6}, {22, 9, 5}, {15, 22, 7}, {26, 24, 4}};
  for (auto& k : r) c.Ball(k[0], k[1], k[2], k[2] * 0.8, RAMP_STONE, 8, false);
}

void Wall(cCanvas& c) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      int row = y / 8, xo = (x + (row % 2) * 8) % 16;
      bool mortar = y % 8 == 7 || xo == 15;
      c.Set(x, y, mortar ? Shade(RAMP_STONE, 4) : Shade(RAMP_STONE, y % 8 == 0 ? 11 : 9));
    }
}

void Dunes(cCanvas& c) {
  Ground(c, RAMP_GOLD, 10, 40);
  for (int k = 0; k < 3; ++k)
    for (int x = 0; x < N; ++x) {
      int y = 6 + k * 10 + int(std::lround(3 * std::sin(x * 0.25 + k)));
      c.Set(x, y, Shade(RAMP_GOLD, 7));
      c.Set(x, y + 1, Shade(RAMP_GOLD, 8));
    }
}

void Cactus(cCanvas& c) {
  Ground(c, RAMP_GOLD, 10, 41);
  c.Fill(14, 7, 5, 20, Shade(RAMP_GREEN, 8));
  c.Fill(8, 12, 3, 8, Shade(RAMP_GREEN, 8));
  c.Fill(10, 18, 5, 3, Shade(RAMP_GREEN, 8));
  c.Fill(22, 10, 3, 7, Shade(RAMP_GREEN, 7));
  c.Fill(18, 15, 5, 3, Shade(RAMP_GREEN, 7));
  c.VLine(15, 8, 26, Shade(RAMP_GREEN, 11));
}

void Oasis(cCanvas& c) {
  Ground(c, RAMP_GOLD, 10, 42);
  c.Ellipse(16, 18, 12, 8, Shade(RAMP_CYAN, 9));
  c.Ellipse(14, 16, 6, 3, Shade(RAMP_CYAN, 12));
  c.Ring(16, 18, 12.5, 1, Shade(RAMP_GREEN, 8));
}

void Lava(cCanvas& c) {
  c.Fill(0, 0, N, N, Shade(RAMP_RED, 8));
  for (int k = 0; k < 8; ++k) {
    int x = int(DotHash(k, 8, 2) % 32), y = int(DotHash(k, 9, 2) % 32);
    c.Ellipse(x, y, 4, 2.5, Shade(RAMP_ORANGE, 11));
    c.Set(x - 1, y - 1, Shade(RAMP_GOLD, 14));
  }
}

void Volcano(cCanvas& c) {
  Ground(c, RAMP_GREY, 5, 43);
  c.Polygon({{1, 30}, {11, 6}, {21, 6}, {31, 30}}, Shade(RAMP_BROWN, 5));
  c.Polygon({{16, 6}, {21, 6}, {31, 30}, {20, 30}}, Shade(RAMP_BROWN, 3));
  c.Ellipse(16, 6, 5, 1.5, Shade(RAMP_ORANGE, 11));
  c.Polygon({{13, 6}, {19, 6}, {17, 16}, {15, 12}}, Shade(RAMP_ORANGE, 10));
  c.Disc(15, 2, 2, Shade(RAMP_GREY, 10));
  c.Disc(18, 0, 2, Shade(RAMP_GREY, 9));
}

void Stairs(cCanvas& c) {
  for (int k = 0; k < 4; ++k) {
    c.Fill(0, k * 8, N, 8, Shade(RAMP_STONE, 10 - k));
    c.HLine(0, N - 1, k * 8, Shade(RAMP_STONE, 13 - k));
    c.HLine(0, N - 1, k * 8 + 7, Shade(RAMP_STONE, 5 - k));
  }
}

void Pavement(cCanvas& c) {
  for (int k = 0; k < 4; ++k) {
    int x = (k % 2) * 16, y = (k / 2) * 16;
    c.Fill(x, y, 16, 16, Shade(RAMP_STONE, 10 + (k == 1 || k == 2)));
    c.HLine(x, x + 15, y, Shade(RAMP_STONE, 13));
    c.VLine(x + 15, y, y + 15, Shade(RAMP_STONE, 6));
    c.HLine(x, x + 15, y + 15, Shade(RAMP_STONE, 6));
  }
}

void Hills(cCanvas& c) {
  Ground(c, RAMP_GREEN, 8, 44);
  for (auto& h : {std::make_pair(9.0, 14.0), std::make_pair(23.0, 24.0)}) {
    c.Ellipse(h.first, h.second, 8, 6, Shade(RAMP_GREEN, 10));
    c.Ellipse(h.first - 2, h.second - 2, 4, 2.5, Shade(RAMP_GREEN, 12));
    c.HLine(int(h.first - 6), int(h.first + 6), int(h.second + 5), Shade(RAMP_GREEN, 5));
  }
}

void TallGrass(cCanvas& c) {
  Ground(c, RAMP_GREEN, 7, 45);
  for (int k = 0; k < 14; ++k) {
    int x = 1 + int(DotHash(k, 10, 4) % 30), y = 5 + int(DotHash(k, 11, 4) % 25);
    c.Line(x, y, x - 1, y - 4, Shade(RAMP_GREEN, 11));
    c.Line(x + 1, y, x + 2, y - 3, Shade(RAMP_GREEN, 10));
  }
}

void Palm(cCanvas& c) {
  Ground(c, RAMP_GOLD, 11, 46);
  for (int y = 10; y < 29; ++y) c.Fill(15 + (y - 10) / 6, y, 3, 1, Shade(RAMP_BROWN, y % 3 ? 8 : 6));
  c.Ellipse(9, 10, 8, 3, Shade(RAMP_GREEN, 8));
  c.Ellipse(24, 10, 8, 3, Shade(RAMP_GREEN, 7));
  c.Ellipse(16, 6, 4, 5, Shade(RAMP_GREEN, 9));
  c.Disc(14, 12, 1.6, Shade(RAMP_BROWN, 5));
  c.Disc(18, 12, 1.6, Shade(RAMP_BROWN, 5));
}

void Bushes(cCanvas& c) {
  Ground(c, RAMP_GREEN, 8, 47);
  const double b[4][2] = {{8, 9}, {24, 11}, {13, 23}, {26, 26}};
  for (auto& k : b) c.Ball(k[0], k[1], 5, 4, RAMP_GREEN, 6, false);
}

void Mushrooms(cCanvas& c) {
  Ground(c, RAMP_GREEN, 7, 48);
  const double m[3][2] = {{9, 12}, {22, 10}, {15, 24}};
  for (auto& k : m) {
    c.Fill(int(k[0]) - 1, int(k[1]), 3, 4, Shade(RAMP_SKIN, 13));
    c.Ellipse(k[0] + 0.5, k[1], 4.5, 3, Shade(RAMP_RED, 9));
    c.Set(int(k[0]) - 1, int(k[1]) - 1, COL_WHITE);
  }
}

void Swamp(cCanvas& c) {
  Ground(c, RAMP_GREEN, 5, 50);
  for (int k = 0; k < 4; ++k)
    c.Ellipse(4 + int(DotHash(k, 12, 6) % 24), 4 + int(DotHash(k, 13, 6) % 24), 5, 3, Shade(RAMP_GREEN, 3));
}

void Poison(cCanvas& c) {
  c.Fill(0, 0, N, N, Shade(RAMP_PURPLE, 6));
  for (int k = 0; k < 7; ++k) {
    int x = int(DotHash(k, 14, 7) % 30), y = int(DotHash(k, 15, 7) % 30);
    c.Ring(x, y, 2.5, 1, Shade(RAMP_PURPLE, 11));
  }
}

void Ice(cCanvas& c) {
  c.Fill(0, 0, N, N, Shade(RAMP_CYAN, 12));
  c.Line(3, 12, 12, 3, COL_WHITE);
  c.Line(16, 28, 28, 16, COL_WHITE);
  c.Line(8, 20, 14, 26, Shade(RAMP_CYAN, 9));
}

void PaintChip(cCanvas& c, int g) {
  switch (g) {
    case 0: Sea(c, RAMP_BLUE, 6, 0); break;
    case 1: Ground(c, RAMP_GREEN, 8, 1); Mountain(c, RAMP_BROWN, false); break;
    case 2: Trees(c, RAMP_GREEN, RAMP_GREEN, false, 2); break;
    case 3: Rocks(c, RAMP_BROWN); break;
    case 4: Wall(c); break;
    case 5: Ground(c, RAMP_GREEN, 8, 5); break;
    case 6: Road(c, RAMP_GOLD, true, false); break;
    case 7: Ground(c, RAMP_GOLD, 11, 7); break;
    case 8: Bridge(c, false); break;
    case 9: Flowers(c); break;

    case 10: Sea(c, RAMP_CYAN, 8, 10); break;
    case 11: Coast(c, 0); break;
    case 12: Coast(c, 1); break;
    case 13: Coast(c, 2); break;
    case 14: Coast(c, 3); break;

    case 15: Ground(c, RAMP_GREY, 14, 15); break;
    case 16: Ground(c, RAMP_GREY, 14, 16); Mountain(c, RAMP_STONE, true); break;
    case 17: Ground(c, RAMP_GREY, 14, 17); for (auto& p : {std::make_pair(8, 10), std::make_pair(23, 9), std::make_pair(16, 21)}) Tree(c, p.first, p.second, RAMP_GREEN, true); break;
    case 18: Ice(c); break;
    case 19: Road(c, RAMP_STONE, true, false); c.Remap([](uint8_t v) { return RampOf(v) == RAMP_GREEN ? Shade(RAMP_GREY, 14) : v; }); break;

    case 20: Dunes(c); break;
    case 21: Ground(c, RAMP_GOLD, 10, 21); Mountain(c, RAMP_ORANGE, false); break;
    case 22: Cactus(c); break;
    case 23: Oasis(c); break;
    case 24: Rocks(c, RAMP_GOLD); break;

    case 25: Swamp(c); break;
    case 26: Poison(c); break;
    case 27: Lava(c); break;
    case 28: Volcano(c); break;
    case 29: Ground(c, RAMP_GREY, 5, 29); break;

    case 30: Road(c, RAMP_GOLD, true, false); break;
    case 31: Road(c, RAMP_GOLD, false, true); break;
    case 32: Road(c, RAMP_GOLD, true, true); break;
    case 33: Stairs(c); break;
    case 34: Pavement(c); break;

    case 35: Town(c, RAMP_RED); break;
    case 36: CastleChip(c); break;
    case 37: TowerChip(c); break;
    case 38: Cave(c); break;
    case 39: Bridge(c, true); break;

    case 40: Hills(c); break;
    case 41: TallGrass(c); break;
    case 42: Palm(c); break;
    case 43: Bushes(c); break;
    case 44: Mushrooms(c); break;

    default: {
      // Rows 9 to 14: the first three rows again in autumn colours, then at night.
      int src = (g - 45) % 15;
      PaintChip(c, src);
      if (g < 60)
        c.Remap([](uint8_t v) { return RampOf(v) == RAMP_GREEN ? Shade(RAMP_ORANGE, (v - 16) % 16) : v; });
      else
        c.Remap([](uint8_t v) { int r = RampOf(v); return r >= 0 ? Shade(r, (v - 16) % 16 - 3) : v; });
      break;
    }
  }
}

// ---------------------------------------------------------------- events

void PaintEvent(cCanvas& c, int row, int roof) {
  switch (row) {
    case 0:  // castle
      c.Fill(6, 12, 20, 16, Shade(RAMP_STONE, 11));
      for (int x = 6; x < 26; x += 4) c.Fill(x, 9, 2, 3, Shade(RAMP_STONE, 11));
      c.Fill(3, 6, 6, 22, Shade(RAMP_STONE, 12));
      c.Fill(23, 6, 6, 22, Shade(RAMP_STONE, 9));
      c.Polygon({{2, 6}, {6, -1}, {10, 6}}, Shade(roof, 9));
      c.Polygon({{22, 6}, {26, -1}, {30, 6}}, Shade(roof, 8));
      c.Fill(13, 19, 6, 9, Shade(RAMP_BROWN, 4));
      c.Disc(16, 19, 3, Shade(RAMP_BROWN, 4));
      break;
    case 1:  // house
      c.Fill(7, 15, 18, 13, Shade(RAMP_GOLD, 13));
      c.Polygon({{3, 16}, {16, 3}, {29, 16}}, Shade(roof, 9));
      c.Polygon({{16, 3}, {29, 16}, {16, 16}}, Shade(roof, 7));
      c.Fill(14, 20, 5, 8, Shade(RAMP_BROWN, 5));
      c.Fill(9, 18, 4, 4, Shade(RAMP_BLUE, 9));
      break;
    case 2:  // cave
      c.Polygon({{1, 28}, {7, 9}, {16, 4}, {25, 9}, {31, 28}}, Shade(RAMP_STONE, 9));
      c.Polygon({{16, 4}, {25, 9}, {31, 28}, {20, 28}}, Shade(RAMP_STONE, 6));
      c.Ellipse(16, 25, 7, 9, COL_BLACK);
      c.Fill(8, 25, 17, 4, 0);
      c.Fill(9, 25, 15, 3, COL_BLACK);
      break;
    case 3:  // tower
      c.Fill(10, 8, 12, 21, Shade(RAMP_STONE, 10));
      c.VLine(10, 8, 28, Shade(RAMP_STONE, 13));
      c.VLine(21, 8, 28, Shade(RAMP_STONE, 6));
      c.Polygon({{8, 9}, {16, 0}, {24, 9}}, Shade(roof, 9));
      c.Fill(15, 13, 2, 4, Shade(RAMP_GOLD, 13));
      c.Fill(14, 22, 4, 7, Shade(RAMP_BROWN, 4));
      break;
    case 4:  // flag
      c.Fill(9, 3, 2, 26, Shade(RAMP_BROWN, 8));
      c.Polygon({{11, 3}, {27, 8}, {11, 14}}, Shade(roof, 10));
      c.Ellipse(10, 28, 6, 2, Shade(RAMP_STONE, 8));
      break;
    case 5: {  // star
      cPoints pts;
      for (int k = 0; k < 10; ++k) {
        double a = k * kPi / 5 - kPi / 2, r = (k % 2) ? 6.0 : 14.0;
        pts.push_back({16 + r * std::cos(a), 17 + r * std::sin(a)});
      }
      c.Polygon(pts, Shade(roof == RAMP_RED ? RAMP_GOLD : roof, 11));
      break;
    }
    case 6:  // gate
      c.Fill(4, 6, 24, 23, Shade(RAMP_STONE, 10));
      c.Fill(9, 12, 14, 17, COL_BLACK);
      c.Disc(16, 12, 7, COL_BLACK);
      for (int x = 10; x < 23; x += 3) c.VLine(x, 8, 28, Shade(RAMP_STONE, 6));
      c.HLine(4, 27, 6, Shade(roof, 9));
      break;
    case 7:  // big tree
      c.Fill(14, 18, 5, 11, Shade(RAMP_BROWN, 6));
      c.Ball(16, 12, 12, 10, roof == RAMP_RED ? RAMP_GREEN : RAMP_ORANGE, 8, false);
      break;
    case 8:  // ship
      c.Polygon({{2, 19}, {30, 19}, {25, 27}, {7, 27}}, Shade(RAMP_BROWN, 7));
      c.Fill(15, 3, 2, 16, Shade(RAMP_BROWN, 5));
      c.Polygon({{17, 4}, {28, 16}, {17, 16}}, Shade(RAMP_GREY, 15));
      c.Polygon({{14, 6}, {6, 16}, {14, 16}}, Shade(roof, 12));
      break;
    case 9:  // tent
      c.Polygon({{3, 28}, {16, 5}, {29, 28}}, Shade(roof, 9));
      c.Polygon({{16, 5}, {29, 28}, {16, 28}}, Shade(roof, 7));
      c.Polygon({{12, 28}, {16, 17}, {20, 28}}, COL_BLACK);
      break;
    case 10:  // stairs down
      for (int k = 0; k < 4; ++k) c.Fill(4 + k * 3, 8 + k * 5, 24 - k * 6, 5, Shade(RAMP_STONE, 12 - k * 2));
      c.Fill(16, 23, 6, 5, COL_BLACK);
      break;
    case 11:  // signpost
      c.Fill(15, 12, 3, 17, Shade(RAMP_BROWN, 6));
      c.Polygon({{4, 6}, {24, 6}, {28, 10}, {24, 14}, {4, 14}}, Shade(RAMP_BROWN, 10));
      c.HLine(7, 21, 10, Shade(RAMP_BROWN, 6));
      break;
    case 12:  // pyramid
      c.Polygon({{1, 28}, {16, 4}, {31, 28}}, Shade(RAMP_GOLD, 11));
      c.Polygon({{16, 4}, {31, 28}, {18, 28}}, Shade(RAMP_GOLD, 7));
      c.Fill(14, 22, 4, 6, COL_BLACK);
      break;
    case 13:  // shrine
      c.Fill(4, 6, 24, 4, Shade(roof, 9));
      c.Fill(2, 5, 28, 2, Shade(roof, 10));
      c.Fill(6, 12, 20, 2, Shade(roof, 8));
      c.Fill(7, 6, 3, 23, Shade(roof, 8));
      c.Fill(22, 6, 3, 23, Shade(roof, 7));
      break;
    default:  // node
      c.Disc(16, 16, 10, Shade(roof, 9));
      c.Disc(16, 16, 6, Shade(roof, 12));
      c.Disc(14, 14, 2, COL_WHITE);
      break;
  }
}

}  // namespace

cCanvas MakeWorldChipSheet() {
  cCanvas sheet(160, 480);
  for (int g = 0; g < 75; ++g) {
    cCanvas cell(N, N);
    PaintChip(cell, g);
    sheet.Paste(cell, (g % 5) * N, (g / 5) * N, true);
  }
  return sheet;
}

cCanvas MakeWorldEventSheet() {
  cCanvas sheet(64, 480);
  for (int row = 0; row < 15; ++row)
    for (int col = 0; col < 2; ++col) {
      cCanvas cell(N, N);
      PaintEvent(cell, row, col ? RAMP_BLUE : RAMP_RED);
      cell.Outline(COL_BLACK);
      sheet.Paste(cell, col * N, row * N);
    }
  return sheet;
}

cCanvas MakeStageBack() {
  const int w = 640, h = 480;
  cCanvas c(w, h);
  for (int y = 0; y < h; ++y) {
    // Sky from deep at the top to pale at the horizon, with a little ordered dithering.
    double t = std::min(1.0, y / 330.0) * 14;
    int lvl = int(t);
    double frac = t - lvl;
    for (int x = 0; x < w; ++x) {
      static const double bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
      int l = lvl + (frac * 16 > bayer[y % 4][x % 4] ? 1 : 0);
      c.Set(x, y, uint8_t(COL_SKY0 + std::min(14, l)));
    }
  }
  c.Disc(520, 90, 34, Shade(RAMP_GOLD, 14));
  c.Disc(520, 90, 28, Shade(RAMP_GOLD, 15));
  const double clouds[][3] = {{90, 80, 1}, {300, 130, 1.3}, {440, 60, 0.8}, {600, 170, 1}};
  for (int pass = 0; pass < 2; ++pass)
    for (auto& k : clouds)
      for (int b = 0; b < 5; ++b)
        c.Ellipse(k[0] + (b - 2) * 22 * k[2], k[1] - (b == 2 ? 12 : b % 2 ? 6 : 0) * k[2] - pass * 4,
                  22 * k[2], 14 * k[2], pass ? COL_WHITE : Shade(RAMP_STONE, 13));
  // Far mountains, then two rows of hills.
  for (int x = 0; x < w; ++x) {
    int m = 300 - int(70 * std::fabs(std::sin(x * 0.009 + 1.1)) + 30 * std::sin(x * 0.031));
    int snow = 252 + int(4 * std::sin(x * 0.21)) + int(3 * std::sin(x * 0.07));
    for (int y = m; y < h; ++y) c.Set(x, y, Shade(RAMP_STONE, y < snow ? 14 : y < m + 3 ? 13 : 11));
    int hl = 350 - int(35 * std::sin(x * 0.012) + 15 * std::sin(x * 0.043 + 2));
    for (int y = hl; y < h; ++y) c.Set(x, y, Shade(RAMP_GREEN, y < hl + 3 ? 12 : 10));
    int h2 = 405 - int(25 * std::sin(x * 0.017 + 4) + 10 * std::sin(x * 0.061));
    for (int y = h2; y < h; ++y) c.Set(x, y, Shade(RAMP_GREEN, y < h2 + 3 ? 10 : 8));
  }
  for (int k = 0; k < 9; ++k) {
    int x = 30 + k * 70 + int((k * 37) % 23);
    int base = 405 - int(25 * std::sin(x * 0.017 + 4) + 10 * std::sin(x * 0.061));
    c.Fill(x - 2, base - 14, 5, 16, Shade(RAMP_BROWN, 5));
    c.Ellipse(x + 0.5, base - 22, 12, 14, Shade(RAMP_GREEN, 6));
    c.Ellipse(x - 3, base - 27, 6, 6, Shade(RAMP_GREEN, 8));
  }
  return c;
}

cCanvas MakeWorldBack() {
  const int w = 640, h = 480;
  cCanvas c(w, h, Shade(RAMP_BLUE, 7));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double s = std::sin(x * 0.05 + std::sin(y * 0.07) * 2) * std::cos(y * 0.045 + x * 0.01);
      if (s > 0.55) c.Set(x, y, Shade(RAMP_BLUE, 8));
      if (s < -0.6) c.Set(x, y, Shade(RAMP_BLUE, 6));
    }
  for (int k = 0; k < 90; ++k) {
    int x = int(DotHash(k, 20, 9) % (w - 8)), y = int(DotHash(k, 21, 9) % h);
    c.HLine(x, x + 5, y, Shade(RAMP_BLUE, 11));
    c.HLine(x + 2, x + 3, y - 1, Shade(RAMP_BLUE, 12));
  }
  return c;
}

cCanvas MakePaletteImage() {
  cCanvas c(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) c.Set(x, y, uint8_t((y / 8) * 16 + x / 8));
  return c;
}
