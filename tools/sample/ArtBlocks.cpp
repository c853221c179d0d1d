// The block sheet: ground, bricks, stone, wood, water, ladders, mechanisms and tiles.
// Blocks are drawn without a mask, so most fill their cell; the few that do not show black
// around them in the editor.
#include <cmath>

#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

const int N = 32;

int Wrap(int v) { return ((v % N) + N) % N; }

// Shifts every shade of one ramp lighter (delta > 0) or darker.
void Tone(cCanvas& c, int ramp, int delta) {
  c.Remap([=](uint8_t v) { return RampOf(v) == ramp ? Shade(ramp, (v - 16) % 16 + delta) : v; });
}

// A raised square: light top and left edges, dark bottom and right edges.
void Bevel(cCanvas& c, int x, int y, int w, int h, int ramp, int base, int edge = 2) {
  c.Fill(x, y, w, h, Shade(ramp, base));
  for (int k = 0; k < edge; ++k) {
    c.HLine(x + k, x + w - 1 - k, y + k, Shade(ramp, base + 3 - k));
    c.VLine(x + k, y + k, y + h - 1 - k, Shade(ramp, base + 2 - k));
    c.HLine(x + k, x + w - 1 - k, y + h - 1 - k, Shade(ramp, base - 4 + k));
    c.VLine(x + w - 1 - k, y + k, y + h - 1 - k, Shade(ramp, base - 3 + k));
  }
}

void Speckle(cCanvas& c, int x, int y, int w, int h, int ramp, int base, int seed, int density) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) {
      uint32_t r = DotHash(i, j, seed) % 100;
      if (int(r) < density) c.Set(i, j, Shade(ramp, base + ((r & 1) ? 1 : -1)));
    }
}

void Rivet(cCanvas& c, int x, int y, int ramp) {
  c.Set(x, y, Shade(ramp, 14));
  c.Set(x + 1, y, Shade(ramp, 11));
  c.Set(x, y + 1, Shade(ramp, 11));
  c.Set(x + 1, y + 1, Shade(ramp, 4));
}

// Bricks of bw x bh with one-dot mortar, every other row shifted by half a brick; tiles seamlessly.
void Brick(cCanvas& c, int ramp, int mortarRamp, int bw, int bh, int seed) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      int row = y / bh, yy = y % bh;
      int xo = (x + (row % 2) * (bw / 2)) % bw;
      uint8_t col;
      if (yy == bh - 1 || xo == bw - 1)
        col = Shade(mortarRamp, 4);
      else if (yy == 0)
        col = Shade(ramp, 11);
      else if (xo == 0)
        col = Shade(ramp, 10);
      else if (yy == bh - 2 || xo == bw - 2)
        col = Shade(ramp, 6);
      else {
        int brick = (x + (row % 2) * (bw / 2)) / bw + row * 7;
        int base = 8 + int(DotHash(brick, row, seed) % 2);
        uint32_t r = DotHash(x, y, seed) % 23;
        col = Shade(ramp, r == 0 ? base - 2 : r == 1 ? base + 2 : base);
      }
      c.Set(x, y, col);
    }
}

// Soil with pebbles.
void Dirt(cCanvas& c, int ramp, int base, int seed, int nStones) {
  c.Fill(0, 0, N, N, Shade(ramp, base));
  Speckle(c, 0, 0, N, N, ramp, base, seed, 14);
  cRng rng(seed);
  for (int k = 0; k < nStones; ++k) {
    int x = rng.Below(N), y = rng.Below(N);
    int w = 2 + rng.Below(3), h = 2 + rng.Below(2);
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) c.Set(Wrap(x + i), Wrap(y + j), Shade(ramp, base - 3));
    c.Set(Wrap(x), Wrap(y), Shade(ramp, base + 3));
    c.Set(Wrap(x + 1), Wrap(y), Shade(ramp, base + 2));
  }
}

// A grass (or snow, or sand) top hanging in tufts over soil.
void TopSoil(cCanvas& c, int topRamp, int topBase, int soilRamp, int soilBase, int seed,
             int nStones) {
  Dirt(c, soilRamp, soilBase, seed, nStones);
  static const int tuft[16] = {7, 8, 9, 10, 9, 8, 7, 7, 8, 10, 11, 10, 9, 8, 7, 6};
  for (int x = 0; x < N; ++x) {
    int g = tuft[x % 16] + ((x / 16) % 2 ? -1 : 0);
    for (int y = 0; y < g; ++y) {
      int lvl = y == 0 ? topBase + 4 : y == 1 ? topBase + 2 : y >= g - 2 ? topBase - 3 : topBase;
      if (y > 1 && y < g - 2 && DotHash(x, y, seed) % 7 == 0) lvl += 2;
      c.Set(x, y, Shade(topRamp, lvl));
    }
    c.Set(x, g, Shade(soilRamp, soilBase - 4));
    if (x % 4 == 1) c.Set(x, 1, Shade(topRamp, topBase + 5));
  }
}

// Cuts a rounded end into a platform piece (left or right) and rims it.
void PlatformEnd(cCanvas& c, bool bLeft, int soilRamp) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      int xe = bLeft ? x : N - 1 - x;
      double r = 7.0;
      bool out = false;
      if (xe < r && y < r) out = std::hypot(r - xe - 0.5, r - y - 0.5) > r;
      if (xe < r && y > N - 1 - r) out = std::hypot(r - xe - 0.5, y + 0.5 - (N - r)) > r;
      if (xe < 2 && y >= r && y <= N - 1 - r) out = xe < 1;
      if (out) c.Set(x, y, 0);
    }
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      if (!c.Get(x, y)) continue;
      int xn = bLeft ? x - 1 : x + 1;
      if (!c.Get(xn, y) || (y > 8 && !c.Get(x, y + 1)))
        c.Set(x, y, Shade(soilRamp, 3));
    }
}

void StoneBlock(cCanvas& c, int ramp, int base, int seed) {
  Bevel(c, 0, 0, N, N, ramp, base, 2);
  Speckle(c, 3, 3, N - 6, N - 6, ramp, base, seed, 12);
  cRng rng(seed);
  int x = 6 + rng.Below(18), y = 4 + rng.Below(8);
  for (int k = 0; k < 9; ++k) {
    c.Set(x, y, Shade(ramp, base - 4));
    c.Set(x + 1, y, Shade(ramp, base + 2));
    y += 1;
    x += rng.Below(3) - 1;
  }
}

// Rounded stones packed together: each dot belongs to its nearest centre (with wrap-around).
void Cobble(cCanvas& c, int ramp, int mortarRamp, int seed) {
  cRng rng(seed);
  double px[9], py[9];
  for (int k = 0; k < 9; ++k) {
    px[k] = (k % 3) * 10.7 + 3 + rng.Below(5);
    py[k] = (k / 3) * 10.7 + 3 + rng.Below(5);
  }
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      double d1 = 1e9, d2 = 1e9;
      int best = 0;
      double bdx = 0, bdy = 0;
      for (int k = 0; k < 9; ++k)
        for (int oy = -1; oy <= 1; ++oy)
          for (int ox = -1; ox <= 1; ++ox) {
            double dx = x + 0.5 - (px[k] + ox * N), dy = y + 0.5 - (py[k] + oy * N);
            double d = std::sqrt(dx * dx + dy * dy);
            if (d < d1) {
              d2 = d1;
              d1 = d;
              best = k;
              bdx = dx;
              bdy = dy;
            } else if (d < d2) {
              d2 = d;
            }
          }
      if (d2 - d1 < 1.6) {
        c.Set(x, y, Shade(mortarRamp, 3));
        continue;
      }
      double lit = -(bdx * 0.6 + bdy * 0.8) / 6.0;
      int lvl = 8 + int(best % 3 == 0) + int(std::lround(lit * 2.5));
      if (d2 - d1 < 2.6) lvl -= 2;
      c.Set(x, y, Shade(ramp, lvl));
    }
}

void Planks(cCanvas& c, int ramp, int base, bool bVertical, int seed) {
  cCanvas t(N, N);
  for (int y = 0; y < N; ++y) {
    int plank = y / 8, yy = y % 8;
    int pb = base + int(DotHash(plank, 0, seed) % 3) - 1;
    for (int x = 0; x < N; ++x) {
      int lvl = pb;
      if (yy == 0) lvl = pb + 3;
      if (yy == 7) lvl = 3;
      else if (yy == 6) lvl = pb - 3;
      else if (yy > 0) {
        double grain = std::sin((x + plank * 11) * 0.35 + yy * 1.3 + std::sin(x * 0.15 + plank) * 2);
        if (grain > 0.86) lvl = pb - 2;
      }
      t.Set(x, y, Shade(ramp, lvl));
    }
    if (yy == 3) {
      int nx = (plank % 2) ? 3 : 27;
      t.Set(nx, y, Shade(RAMP_STONE, 12));
      t.Set(nx + 1, y, Shade(RAMP_STONE, 6));
    }
  }
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) c.Set(x, y, bVertical ? t.Get(y, x) : t.Get(x, y));
}

void Crate(cCanvas& c, int ramp) {
  Planks(c, ramp, 7, true, 5);
  Bevel(c, 0, 0, N, 4, ramp, 9, 1);
  Bevel(c, 0, N - 4, N, 4, ramp, 9, 1);
  Bevel(c, 0, 0, 4, N, ramp, 9, 1);
  Bevel(c, N - 4, 0, 4, N, ramp, 9, 1);
  c.ThickLine(4, 5, 27, 26, 3, Shade(ramp, 10));
  c.Line(4, 7, 25, 27, Shade(ramp, 5));
  Rivet(c, 1, 1, RAMP_STONE);
  Rivet(c, N - 3, 1, RAMP_STONE);
  Rivet(c, 1, N - 3, RAMP_STONE);
  Rivet(c, N - 3, N - 3, RAMP_STONE);
}

// Water (or lava) with a wavy surface when bSurface, ripples and bubbles below.
void Liquid(cCanvas& c, int ramp, bool bSurface, int seed, int ramp2) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      int surf = bSurface ? 4 + int(std::lround(1.6 * std::sin(x * 2 * kPi / 16))) : -10;
      if (y < surf) continue;
      int lvl = 9 - (y - surf) / 9;
      if (y == surf) lvl = 14;
      else if (y == surf + 1) lvl = 12;
      double rip = std::sin(x * 0.55 + y * 0.2 + (y / 5) * 2.1 + seed);
      if (y > surf + 3 && rip > 0.93 && (y % 5) == 2) lvl = 12;
      c.Set(x, y, Shade(ramp, lvl));
    }
  if (ramp2 >= 0) {  // bubbles or blobs
    cRng rng(seed);
    for (int k = 0; k < 4; ++k) {
      int x = 3 + rng.Below(26), y = 10 + rng.Below(19);
      c.Disc(x, y, 1.5 + rng.Below(2), Shade(ramp2, 12));
      c.Set(x - 1, y - 1, Shade(ramp2, 15));
    }
  }
}

void Ladder(cCanvas& c, int ramp) {
  for (int x : {4, 25}) {
    c.Fill(x, 0, 3, N, Shade(ramp, 8));
    c.VLine(x, 0, N - 1, Shade(ramp, 11));
    c.VLine(x + 2, 0, N - 1, Shade(ramp, 5));
  }
  for (int y = 3; y < N; y += 8) {
    c.Fill(7, y, 18, 3, Shade(ramp, 9));
    c.HLine(7, 24, y, Shade(ramp, 12));
    c.HLine(7, 24, y + 2, Shade(ramp, 5));
  }
  c.Outline(INK_BROWN);
}

// The raised prize block with a star (or a coin, or nothing when used).
void PrizeBlock(cCanvas& c, int ramp, int kind) {
  Bevel(c, 0, 0, N, N, ramp, kind == 2 ? 6 : 9, 2);
  c.Frame(0, 0, N, N, kind == 2 ? INK_BROWN : Shade(ramp, 3));
  Rivet(c, 3, 3, ramp);
  Rivet(c, N - 5, 3, ramp);
  Rivet(c, 3, N - 5, ramp);
  Rivet(c, N - 5, N - 5, ramp);
  if (kind == 0) {  // a star emblem with a drop shadow
    for (int pass = 0; pass < 2; ++pass) {
      cPoints pts;
      for (int k = 0; k < 10; ++k) {
        double a = k * kPi / 5 - kPi / 2, r = (k % 2) ? 4.5 : 10.5;
        pts.push_back({16 + (pass ? 0 : 1) + r * std::cos(a), 17 + (pass ? 0 : 1) + r * std::sin(a)});
      }
      c.Polygon(pts, pass ? Shade(ramp, 15) : Shade(ramp, 5));
    }
  } else if (kind == 1) {
    c.Ball(16, 16, 7, 8, RAMP_GOLD, 10);
    c.Fill(15, 11, 2, 10, Shade(RAMP_GOLD, 6));
  }
}

void MetalBlock(cCanvas& c, int ramp, int base) {
  Bevel(c, 0, 0, N, N, ramp, base, 2);
  for (int k = 0; k < 5; ++k) c.Line(6 + k, 26, 26 + k - 1, 6 - 1, Shade(ramp, base + 3));
  c.Line(13, 26, 26, 13, Shade(ramp, base + 2));
  Rivet(c, 4, 4, ramp);
  Rivet(c, N - 6, 4, ramp);
  Rivet(c, 4, N - 6, ramp);
  Rivet(c, N - 6, N - 6, ramp);
}

void IceBlock(cCanvas& c, int ramp, bool bCracked) {
  Bevel(c, 0, 0, N, N, ramp, 11, 2);
  for (int k = 0; k < 3; ++k) c.Line(4 + k, 14, 14 + k, 4, Shade(ramp, 15));
  c.Line(17, 27, 27, 17, Shade(ramp, 14));
  if (bCracked) {
    c.Line(9, 29, 14, 20, Shade(ramp, 6));
    c.Line(14, 20, 12, 15, Shade(ramp, 6));
    c.Line(14, 20, 21, 18, Shade(ramp, 6));
  }
}

void Spikes(cCanvas& c, bool bDown) {
  cCanvas t(N, N);
  t.Fill(0, N - 5, N, 5, Shade(RAMP_STONE, 7));
  t.HLine(0, N - 1, N - 5, Shade(RAMP_STONE, 11));
  for (int k = 0; k < 4; ++k) {
    double x = k * 8;
    t.Polygon({{x, N - 5.0}, {x + 4, 6.0}, {x + 4, N - 5.0}}, Shade(RAMP_STONE, 12));
    t.Polygon({{x + 4, N - 5.0}, {x + 4, 6.0}, {x + 8, N - 5.0}}, Shade(RAMP_STONE, 6));
  }
  t.Outline(INK_GREY);
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) c.Set(x, y, bDown ? t.Get(x, N - 1 - y) : t.Get(x, y));
}

void Cloud(cCanvas& c, int ramp, int base) {
  const double blobs[][3] = {{8, 18, 7}, {16, 13, 9}, {25, 17, 7}, {12, 22, 6}, {21, 22, 7}};
  for (auto& b : blobs) c.Disc(b[0], b[1], b[2], Shade(ramp, base - 3));
  for (auto& b : blobs) c.Disc(b[0] - 1, b[1] - 1.5, b[2] - 1.2, Shade(ramp, base));
  c.Disc(13, 10, 3, Shade(ramp, base + 2));
  c.Outline(Shade(RAMP_STONE, 7));
}

void Bush(cCanvas& c, int ramp) {
  const double blobs[][3] = {{9, 20, 8}, {17, 15, 9}, {24, 21, 7}, {16, 23, 8}};
  for (auto& b : blobs) c.Ball(b[0], b[1], b[2], b[2], ramp, 8, false);
  c.Fill(3, 27, 26, 4, 0);
  for (int k = 0; k < 12; ++k) {
    cRng rng(k * 7 + 1);
    int x = 5 + rng.Below(22), y = 10 + rng.Below(14);
    if (c.Get(x, y)) c.Set(x, y, Shade(ramp, 13));
  }
  c.Outline(INK_GREEN);
}

void Trunk(cCanvas& c, int ramp) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      double g = std::sin(x * 0.9 + std::sin(y * 0.3) * 1.5);
      int lvl = 7 + (x < 8 ? 1 : 0) - (x > 24 ? 2 : 0);
      if (g > 0.7) lvl -= 3;
      else if (g < -0.8) lvl += 2;
      c.Set(x, y, Shade(ramp, lvl));
    }
}

void Leaves(cCanvas& c, int ramp, int seed) {
  c.Fill(0, 0, N, N, Shade(ramp, 4));
  cRng rng(seed);
  for (int k = 0; k < 22; ++k) {
    int x = rng.Below(N), y = rng.Below(N);
    double r = 3 + rng.Below(3);
    for (int oy = -1; oy <= 1; ++oy)
      for (int ox = -1; ox <= 1; ++ox) {
        cCanvas b(N, N);
        b.Ball(x + ox * N, y + oy * N, r, r * 0.8, ramp, 8 + rng.Below(2) * 0, false);
        c.Paste(b, 0, 0);
      }
  }
}

void Flowers(cCanvas& c, int ramp) {
  const int fx[3] = {7, 17, 26}, fy[3] = {14, 8, 16};
  for (int k = 0; k < 3; ++k) {
    c.VLine(fx[k], fy[k], N - 1, Shade(RAMP_GREEN, 7));
    c.Set(fx[k] + 1, fy[k] + 8, Shade(RAMP_GREEN, 10));
    c.Set(fx[k] + 2, fy[k] + 7, Shade(RAMP_GREEN, 10));
    int r = k == 1 ? ramp : (k == 0 ? RAMP_GOLD : RAMP_PINK);
    for (int p = 0; p < 5; ++p) {
      double a = p * 2 * kPi / 5 - kPi / 2;
      c.Disc(fx[k] + 0.5 + 3 * std::cos(a), fy[k] + 0.5 + 3 * std::sin(a), 2, Shade(r, 10));
    }
    c.Disc(fx[k] + 0.5, fy[k] + 0.5, 1.6, Shade(RAMP_GOLD, 13));
  }
  c.Outline(INK_GREEN);
}

void TallGrass(cCanvas& c, int ramp) {
  for (int k = 0; k < 11; ++k) {
    int x = 1 + k * 3, h = 10 + int(DotHash(k, 1, 3) % 14);
    int lean = int(DotHash(k, 2, 3) % 5) - 2;
    c.Line(x, N - 1, x + lean, N - h, Shade(ramp, 7 + k % 3 * 2));
    c.Line(x + 1, N - 1, x + 1 + lean, N - h + 2, Shade(ramp, 6));
  }
}

void Fence(cCanvas& c, int ramp) {
  for (int y : {10, 20}) {
    c.Fill(0, y, N, 4, Shade(ramp, 9));
    c.HLine(0, N - 1, y, Shade(ramp, 12));
    c.HLine(0, N - 1, y + 3, Shade(ramp, 5));
  }
  for (int x : {5, 21}) {
    c.Polygon({{x + 0.0, 6}, {x + 3.0, 2}, {x + 6.0, 6}, {x + 6.0, 31}, {x + 0.0, 31}},
              Shade(ramp, 9));
    c.VLine(x, 6, 30, Shade(ramp, 12));
    c.VLine(x + 5, 6, 30, Shade(ramp, 5));
  }
  c.Outline(INK_BROWN);
}

void LogEnd(cCanvas& c, int ramp) {
  c.Disc(16, 16, 15, Shade(ramp, 5));
  c.Disc(16, 16, 13, Shade(RAMP_GOLD, 8));
  for (int r = 3; r < 13; r += 3) c.Ring(16, 16, r, 1, Shade(RAMP_BROWN, 7));
  c.Outline(INK_BROWN);
}

void Vine(cCanvas& c, int ramp) {
  for (int y = 0; y < N; ++y) {
    int x = 16 + int(std::lround(4 * std::sin(y * 0.35)));
    c.Fill(x - 1, y, 3, 1, Shade(ramp, 7));
    c.Set(x - 1, y, Shade(ramp, 10));
  }
  for (int y = 3; y < N; y += 7) {
    int x = 16 + int(std::lround(4 * std::sin(y * 0.35)));
    int d = (y / 7) % 2 ? 1 : -1;
    c.Ellipse(x + d * 5, y + 1, 3.5, 2, Shade(ramp, 9));
    c.Set(x + d * 4, y, Shade(ramp, 13));
  }
  c.Outline(INK_GREEN);
}

void BigMushroom(cCanvas& c, int ramp) {
  c.Fill(12, 16, 8, 16, Shade(RAMP_SKIN, 12));
  c.VLine(12, 16, 31, Shade(RAMP_SKIN, 14));
  c.VLine(19, 16, 31, Shade(RAMP_SKIN, 8));
  c.Ball(16, 14, 15, 11, ramp, 9, false);
  c.Fill(0, 16, N, 3, 0);
  c.Fill(12, 16, 8, 3, Shade(RAMP_SKIN, 9));
  for (auto& s : {std::make_pair(9, 8), std::make_pair(20, 6), std::make_pair(25, 12)})
    c.Disc(s.first, s.second, 2.4, Shade(RAMP_GREY, 15));
  c.Outline(INK_RED);
}

void Pillar(cCanvas& c, int ramp, bool bTop) {
  for (int y = 0; y < N; ++y)
    for (int x = 6; x < 26; ++x) {
      double u = (x - 16 + 0.5) / 10.0;
      int lvl = 9 + int(std::lround(-u * 3)) - (u > 0.6 ? 1 : 0);
      if ((x - 6) % 5 == 4) lvl -= 2;
      c.Set(x, y, Shade(ramp, lvl));
    }
  if (bTop) {
    Bevel(c, 1, 0, 30, 6, ramp, 9, 1);
    Bevel(c, 3, 6, 26, 4, ramp, 8, 1);
  }
  c.Outline(INK_GREY);
}

void CastleWindow(cCanvas& c, int ramp) {
  Brick(c, ramp, RAMP_GREY, 16, 16, 9);
  c.Fill(9, 12, 14, 18, INK_GREY);
  c.Disc(16, 12, 7, INK_GREY);
  c.Fill(10, 12, 12, 17, Shade(RAMP_BLUE, 3));
  c.Disc(16, 12, 6, Shade(RAMP_BLUE, 3));
  c.VLine(15, 6, 28, Shade(RAMP_BROWN, 6));
  c.HLine(10, 21, 17, Shade(RAMP_BROWN, 6));
  c.Set(12, 9, Shade(RAMP_BLUE, 9));
  c.Set(11, 11, Shade(RAMP_BLUE, 8));
  c.Fill(8, 29, 16, 2, Shade(ramp, 12));
}

void Tiles(cCanvas& c, int ramp) {
  for (int k = 0; k < 4; ++k) Bevel(c, (k % 2) * 16, (k / 2) * 16, 16, 16, ramp, (k % 3) ? 8 : 10, 2);
}

void Door(cCanvas& c, int ramp, bool bTop) {
  c.Fill(0, 0, N, N, Shade(RAMP_STONE, 6));
  Speckle(c, 0, 0, N, N, RAMP_STONE, 6, 4, 10);
  if (bTop) {
    c.Disc(16, 20, 13, INK_BROWN);
    c.Fill(3, 20, 26, 12, INK_BROWN);
    cCanvas w(N, N);
    w.Disc(16, 20, 12, 1);
    w.Fill(4, 20, 24, 12, 1);
    for (int y = 0; y < N; ++y)
      for (int x = 0; x < N; ++x)
        if (w.Get(x, y)) c.Set(x, y, Shade(ramp, (x - 4) % 6 == 0 ? 5 : 8 + (x < 10)));
    c.HLine(4, 27, 26, Shade(RAMP_STONE, 5));
  } else {
    c.Fill(3, 0, 26, N, INK_BROWN);
    for (int y = 0; y < N; ++y)
      for (int x = 4; x < 28; ++x) c.Set(x, y, Shade(ramp, (x - 4) % 6 == 0 ? 5 : 8 + (x < 10)));
    c.HLine(4, 27, 8, Shade(RAMP_STONE, 5));
    c.Disc(22, 16, 2, Shade(RAMP_GOLD, 11));
    c.Set(21, 15, Shade(RAMP_GOLD, 15));
  }
}

void Bridge(cCanvas& c, int ramp) {
  for (int x = 0; x < N; ++x)
    for (int y = 8; y < 16; ++y) {
      int lvl = (x % 8 == 7) ? 3 : (y == 8 ? 12 : y == 15 ? 5 : 8 + (x / 8) % 2);
      c.Set(x, y, Shade(ramp, lvl));
    }
  for (int x = 0; x < N; ++x) {
    int y = 2 + int(std::lround(2 * std::sin(x * kPi / 32)));
    c.Set(x, y, Shade(RAMP_GOLD, 7));
    c.Set(x, y + 1, Shade(RAMP_GOLD, 4));
    if (x % 8 == 3) c.VLine(x, y, 7, Shade(RAMP_GOLD, 6));
  }
}

void Rope(cCanvas& c) {
  for (int y = 0; y < N; ++y)
    for (int x = 13; x < 19; ++x) {
      int lvl = ((x + y) % 4 < 2) ? 10 : 7;
      if (x == 13) lvl -= 2;
      c.Set(x, y, Shade(RAMP_GOLD, lvl - 1));
    }
}

void Chain(cCanvas& c) {
  for (int y = -4; y < N; y += 8) {
    if ((y / 8) % 2 == 0) {
      c.Ring(16, y + 6, 5, 2, Shade(RAMP_STONE, 9));
      c.Set(13, y + 3, Shade(RAMP_STONE, 14));
    } else {
      c.Fill(15, y + 1, 3, 10, Shade(RAMP_STONE, 7));
      c.VLine(15, y + 1, y + 10, Shade(RAMP_STONE, 12));
    }
  }
  c.Outline(INK_GREY);
}

void Torch(cCanvas& c) {
  c.Polygon({{13, 16}, {19, 16}, {18, 30}, {14, 30}}, Shade(RAMP_BROWN, 8));
  c.Fill(12, 15, 8, 3, Shade(RAMP_STONE, 9));
  c.Polygon({{16, 1}, {22, 10}, {20, 15}, {12, 15}, {10, 10}}, Shade(RAMP_ORANGE, 10));
  c.Polygon({{16, 5}, {19, 11}, {18, 14}, {14, 14}, {13, 11}}, Shade(RAMP_GOLD, 12));
  c.Disc(16, 12, 1.6, Shade(RAMP_GOLD, 15));
  c.Outline(INK_BROWN);
}

void Sign(cCanvas& c) {
  c.Fill(14, 14, 4, 18, Shade(RAMP_BROWN, 7));
  c.VLine(14, 14, 31, Shade(RAMP_BROWN, 10));
  Bevel(c, 3, 4, 26, 13, RAMP_BROWN, 9, 1);
  c.Polygon({{8, 10.5}, {14, 6.5}, {14, 9}, {23, 9}, {23, 12}, {14, 12}, {14, 14.5}},
            Shade(RAMP_GREY, 15));
  c.Outline(INK_BROWN);
}

void Barrel(cCanvas& c) {
  for (int y = 2; y < 31; ++y) {
    double bulge = 10 + 3 * std::sin((y - 2) * kPi / 28);
    for (int x = int(16 - bulge); x < int(16 + bulge); ++x) {
      double u = (x - 16 + 0.5) / bulge;
      int lvl = 8 + int(std::lround(-u * 3));
      c.Set(x, y, Shade(RAMP_BROWN, lvl));
    }
  }
  for (int y : {6, 16, 26})
    for (int x = 0; x < N; ++x)
      if (c.Get(x, y)) {
        c.Set(x, y, Shade(RAMP_STONE, 8));
        c.Set(x, y + 1, Shade(RAMP_STONE, 5));
      }
  c.Outline(INK_BROWN);
}

void Shelf(cCanvas& c) {
  c.Fill(0, 0, N, N, Shade(RAMP_BROWN, 4));
  c.Fill(0, 14, N, 3, Shade(RAMP_BROWN, 9));
  c.Fill(0, 29, N, 3, Shade(RAMP_BROWN, 9));
  const int ramps[] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_GOLD, RAMP_PURPLE, RAMP_CYAN};
  for (int row = 0; row < 2; ++row)
    for (int x = 1, k = row * 3; x < 30; ++k) {
      int w = 3 + int(DotHash(k, row, 7) % 2), h = 9 + int(DotHash(k, 3, 7) % 4);
      int y = row * 15 + 14 - h;
      int r = ramps[k % 6];
      c.Fill(x, y, w, h, Shade(r, 8));
      c.VLine(x, y, y + h - 1, Shade(r, 11));
      c.HLine(x, x + w - 1, y + 2, Shade(RAMP_GOLD, 11));
      x += w + 1;
    }
}

void Beam(cCanvas& c) {
  c.Fill(0, 8, N, 16, Shade(RAMP_BROWN, 8));
  c.HLine(0, N - 1, 8, Shade(RAMP_BROWN, 12));
  c.HLine(0, N - 1, 9, Shade(RAMP_BROWN, 10));
  c.HLine(0, N - 1, 23, Shade(RAMP_BROWN, 4));
  for (int x = 0; x < N; ++x)
    if (std::sin(x * 0.4) > 0.8) c.Set(x, 15, Shade(RAMP_BROWN, 6));
  Rivet(c, 4, 14, RAMP_STONE);
  Rivet(c, 26, 14, RAMP_STONE);
}

void Waterfall(cCanvas& c) {
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      double s = std::sin(x * 1.3 + std::sin(x * 0.7) * 2);
      int lvl = s > 0.6 ? 13 : s > 0 ? 10 : 8;
      if ((y + x * 3) % 11 == 0) lvl = 15;
      c.Set(x, y, Shade(RAMP_CYAN, lvl));
    }
}

void Icicles(cCanvas& c) {
  c.Fill(0, 0, N, 4, Shade(RAMP_CYAN, 12));
  const int len[] = {18, 11, 24, 14, 20, 9};
  for (int k = 0; k < 6; ++k) {
    double x = 1 + k * 5.2;
    c.Polygon({{x, 3}, {x + 5, 3}, {x + 2.5, 3.0 + len[k]}}, Shade(RAMP_CYAN, 11));
    c.Line(int(x + 1), 4, int(x + 2), 2 + len[k] / 2, Shade(RAMP_CYAN, 15));
  }
  c.Outline(Shade(RAMP_CYAN, 5));
}

void Cactus(cCanvas& c) {
  c.RoundRect(12, 2, 9, 30, 4, Shade(RAMP_GREEN, 8));
  c.RoundRect(3, 9, 6, 12, 3, Shade(RAMP_GREEN, 8));
  c.Fill(6, 18, 8, 4, Shade(RAMP_GREEN, 8));
  c.RoundRect(23, 6, 6, 12, 3, Shade(RAMP_GREEN, 8));
  c.Fill(19, 14, 6, 4, Shade(RAMP_GREEN, 8));
  for (int y = 4; y < 30; y += 4) {
    c.Set(14, y, Shade(RAMP_GREEN, 12));
    c.Set(18, y + 2, Shade(RAMP_GREEN, 5));
  }
  c.VLine(16, 4, 30, Shade(RAMP_GREEN, 6));
  c.Outline(INK_GREEN);
  c.Set(10, 6, Shade(RAMP_GOLD, 13));
  c.Set(22, 3, Shade(RAMP_GOLD, 13));
}

void Spring(cCanvas& c) {
  Bevel(c, 2, 4, 28, 5, RAMP_RED, 9, 1);
  for (int k = 0; k < 4; ++k) {
    int y = 10 + k * 4;
    c.Ellipse(16, y + 1.5, 10, 2, Shade(RAMP_STONE, 11));
    c.Ellipse(16, y + 1.5, 8, 1, Shade(RAMP_STONE, 5));
  }
  Bevel(c, 2, 27, 28, 5, RAMP_STONE, 7, 1);
  c.Outline(INK_GREY);
}

void Conveyor(cCanvas& c) {
  c.RoundRect(0, 6, N, 20, 9, Shade(RAMP_GREY, 4));
  for (int x : {6, 16, 26}) {
    c.Disc(x, 16, 5, Shade(RAMP_STONE, 9));
    c.Disc(x, 16, 2, Shade(RAMP_STONE, 5));
    c.Set(x - 2, 13, Shade(RAMP_STONE, 14));
  }
  for (int x = 2; x < N; x += 8) {
    c.Line(x + 3, 7, x + 1, 9, Shade(RAMP_GOLD, 11));
    c.Line(x + 1, 9, x + 3, 11, Shade(RAMP_GOLD, 11));
  }
}

void Pipe(cCanvas& c, int ramp, int kind) {  // 0 body, 1 top, 2 horizontal
  cCanvas t(N, N);
  for (int y = 0; y < N; ++y)
    for (int x = 3; x < 29; ++x) {
      double u = (x - 16 + 0.5) / 13.0;
      int lvl = 8 + int(std::lround(-u * 4));
      if (x == 8 || x == 9) lvl = 14;
      t.Set(x, y, Shade(ramp, lvl));
    }
  if (kind == 1)
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < N; ++x) {
        double u = (x - 16 + 0.5) / 16.0;
        int lvl = 9 + int(std::lround(-u * 4));
        if (x == 5 || x == 6) lvl = 14;
        if (y == 11) lvl = 3;
        t.Set(x, y, Shade(ramp, lvl));
      }
  t.Outline(INK_GREY);
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) c.Set(x, y, kind == 2 ? t.Get(y, x) : t.Get(x, y));
}

void Switch(cCanvas& c) {
  c.Ball(16, 22, 9, 7, RAMP_RED, 9);
  c.Fill(0, 22, N, 10, 0);
  c.Fill(11, 20, 10, 3, Shade(RAMP_RED, 7));
  Bevel(c, 2, 22, 28, 10, RAMP_STONE, 8, 2);
  c.Outline(INK_GREY);
}

void Grate(cCanvas& c) {
  for (int k = 0; k < 4; ++k) {
    c.Fill(k * 8 + 3, 0, 3, N, Shade(RAMP_STONE, 6));
    c.VLine(k * 8 + 3, 0, N - 1, Shade(RAMP_STONE, 10));
    c.Fill(0, k * 8 + 3, N, 3, Shade(RAMP_STONE, 7));
    c.HLine(0, N - 1, k * 8 + 3, Shade(RAMP_STONE, 11));
  }
}

void Glass(cCanvas& c) {
  c.Fill(0, 0, N, N, Shade(RAMP_CYAN, 13));
  c.Frame(0, 0, N, N, Shade(RAMP_STONE, 9));
  c.Frame(1, 1, N - 2, N - 2, Shade(RAMP_STONE, 13));
  for (int k = 0; k < 3; ++k) c.Line(5 + k, 12, 12 + k, 5, Shade(RAMP_GREY, 15));
  c.Line(20, 27, 27, 20, Shade(RAMP_GREY, 15));
}

void Crystal(cCanvas& c, int ramp) {
  c.Fill(0, 0, N, N, Shade(ramp, 6));
  c.Polygon({{0, 0}, {32, 0}, {16, 16}}, Shade(ramp, 12));
  c.Polygon({{0, 0}, {16, 16}, {0, 32}}, Shade(ramp, 10));
  c.Polygon({{32, 0}, {32, 32}, {16, 16}}, Shade(ramp, 6));
  c.Polygon({{0, 32}, {16, 16}, {32, 32}}, Shade(ramp, 4));
  c.Fill(8, 8, 16, 16, Shade(ramp, 9));
  c.Polygon({{8, 8}, {24, 8}, {16, 16}}, Shade(ramp, 11));
  c.Set(10, 10, Shade(ramp, 15));
  c.Set(11, 10, Shade(ramp, 14));
  c.Frame(0, 0, N, N, Shade(ramp, 3));
}

void PaintBlock(cCanvas& c, int n) {
  switch (n) {
    case 0: c.DottedFrame(INK_GREY); break;
    case 1: TopSoil(c, RAMP_GREEN, 9, RAMP_BROWN, 7, 1, 4); break;
    case 2: Dirt(c, RAMP_BROWN, 7, 2, 5); break;
    case 3: Brick(c, RAMP_RED, RAMP_GREY, 16, 8, 3); break;
    case 4: StoneBlock(c, RAMP_STONE, 8, 4); break;
    case 5: Planks(c, RAMP_BROWN, 9, false, 5); break;
    case 6: Liquid(c, RAMP_BLUE, true, 6, -1); break;
    case 7: Liquid(c, RAMP_BLUE, false, 7, -1); break;
    case 8: Ladder(c, RAMP_BROWN); break;
    case 9: PrizeBlock(c, RAMP_GOLD, 0); break;
    case 10: MetalBlock(c, RAMP_STONE, 9); break;
    case 11: IceBlock(c, RAMP_CYAN, false); break;
    case 12: Spikes(c, false); break;
    case 13: Cloud(c, RAMP_GREY, 14); break;
    case 14: Brick(c, RAMP_STONE, RAMP_GREY, 16, 16, 14); break;

    case 15: TopSoil(c, RAMP_GREEN, 9, RAMP_BROWN, 7, 15, 3); PlatformEnd(c, true, RAMP_BROWN); break;
    case 16: TopSoil(c, RAMP_GREEN, 9, RAMP_BROWN, 7, 16, 3); PlatformEnd(c, false, RAMP_BROWN); break;
    case 17:
      TopSoil(c, RAMP_GREEN, 9, RAMP_BROWN, 7, 17, 3);
      for (int x : {5, 14, 24}) {
        c.Disc(x, 4, 2, Shade(x == 14 ? RAMP_GOLD : RAMP_PINK, 11));
        c.Set(x, 4, Shade(RAMP_GOLD, 14));
      }
      break;
    case 18: Dirt(c, RAMP_BROWN, 7, 18, 11); break;
    case 19: Dirt(c, RAMP_BROWN, 5, 19, 4); break;
    case 20: Bush(c, RAMP_GREEN); break;
    case 21: Trunk(c, RAMP_BROWN); break;
    case 22: Leaves(c, RAMP_GREEN, 22); break;
    case 23: Flowers(c, RAMP_RED); break;
    case 24: TallGrass(c, RAMP_GREEN); break;
    case 25: Fence(c, RAMP_BROWN); break;
    case 26: LogEnd(c, RAMP_BROWN); break;
    case 27:
      StoneBlock(c, RAMP_STONE, 8, 27);
      for (int x = 0; x < N; ++x)
        for (int y = 0; y < 3 + int(DotHash(x, 0, 27) % 6); ++y) c.Set(x, y, Shade(RAMP_GREEN, y == 0 ? 11 : 8));
      break;
    case 28: Vine(c, RAMP_GREEN); break;
    case 29: BigMushroom(c, RAMP_RED); break;

    case 30: Brick(c, RAMP_GREY, RAMP_GREY, 16, 8, 30); break;
    case 31: Brick(c, RAMP_BLUE, RAMP_GREY, 16, 8, 31); break;
    case 32: Brick(c, RAMP_GOLD, RAMP_BROWN, 16, 8, 32); break;
    case 33: Brick(c, RAMP_GREEN, RAMP_GREY, 16, 8, 33); break;
    case 34: Brick(c, RAMP_PURPLE, RAMP_GREY, 16, 8, 34); break;
    case 35: Brick(c, RAMP_STONE, RAMP_STONE, 16, 8, 35); Tone(c, RAMP_STONE, 3); break;
    case 36: Brick(c, RAMP_BROWN, RAMP_GREY, 16, 8, 36); break;
    case 37: Cobble(c, RAMP_STONE, RAMP_GREY, 37); break;
    case 38: Cobble(c, RAMP_BROWN, RAMP_BROWN, 38); break;
    case 39: StoneBlock(c, RAMP_STONE, 5, 39); break;
    case 40: Brick(c, RAMP_STONE, RAMP_GREY, 16, 16, 40); Tone(c, RAMP_STONE, -3); break;
    case 41: Pillar(c, RAMP_STONE, false); break;
    case 42: Pillar(c, RAMP_STONE, true); break;
    case 43: CastleWindow(c, RAMP_STONE); break;
    case 44: Tiles(c, RAMP_STONE); break;

    case 45: Planks(c, RAMP_BROWN, 9, true, 45); break;
    case 46: Planks(c, RAMP_BROWN, 6, false, 46); break;
    case 47: Crate(c, RAMP_BROWN); break;
    case 48: Bridge(c, RAMP_BROWN); break;
    case 49: Door(c, RAMP_BROWN, true); break;
    case 50: Door(c, RAMP_BROWN, false); break;
    case 51: Ladder(c, RAMP_GOLD); break;
    case 52: Rope(c); break;
    case 53: Chain(c); break;
    case 54: Torch(c); break;
    case 55: Sign(c); break;
    case 56: Fence(c, RAMP_STONE); break;
    case 57: Barrel(c); break;
    case 58: Shelf(c); break;
    case 59: Beam(c); break;

    case 60: Liquid(c, RAMP_CYAN, true, 60, -1); break;
    case 61: Liquid(c, RAMP_BLUE, false, 61, RAMP_CYAN); Tone(c, RAMP_BLUE, -2); break;
    case 62: Waterfall(c); break;
    case 63: IceBlock(c, RAMP_CYAN, true); break;
    case 64: TopSoil(c, RAMP_STONE, 11, RAMP_BROWN, 6, 64, 3); c.Remap([](uint8_t v) { return RampOf(v) == RAMP_STONE ? Shade(RAMP_GREY, (v - 16) % 16 + 1) : v; }); break;
    case 65: Dirt(c, RAMP_GREY, 14, 65, 0); Speckle(c, 0, 0, N, N, RAMP_STONE, 12, 65, 8); break;
    case 66: Icicles(c); break;
    case 67: Liquid(c, RAMP_ORANGE, true, 67, RAMP_GOLD); break;
    case 68: Liquid(c, RAMP_RED, false, 68, RAMP_ORANGE); break;
    case 69: TopSoil(c, RAMP_GOLD, 10, RAMP_GOLD, 8, 69, 2); break;
    case 70: Dirt(c, RAMP_GOLD, 9, 70, 2); break;
    case 71: Brick(c, RAMP_GOLD, RAMP_ORANGE, 16, 16, 71); break;
    case 72: Cactus(c); break;
    case 73: Liquid(c, RAMP_GREEN, true, 73, -1); break;
    case 74: Liquid(c, RAMP_GREEN, false, 74, RAMP_GREEN); Tone(c, RAMP_GREEN, -3); break;

    case 75: PrizeBlock(c, RAMP_BLUE, 0); break;
    case 76: PrizeBlock(c, RAMP_BROWN, 2); break;
    case 77: PrizeBlock(c, RAMP_ORANGE, 1); break;
    case 78: MetalBlock(c, RAMP_BLUE, 8); break;
    case 79: MetalBlock(c, RAMP_GOLD, 9); break;
    case 80: Spikes(c, true); break;
    case 81: Spring(c); break;
    case 82: Conveyor(c); break;
    case 83: Pipe(c, RAMP_STONE, 1); break;
    case 84: Pipe(c, RAMP_STONE, 0); break;
    case 85: Pipe(c, RAMP_STONE, 2); break;
    case 86: Switch(c); break;
    case 87: Grate(c); break;
    case 88: Glass(c); break;
    case 89: Crystal(c, RAMP_BLUE); break;

    case 105: TopSoil(c, RAMP_ORANGE, 9, RAMP_BROWN, 6, 105, 4); break;
    case 106: TopSoil(c, RAMP_GREEN, 6, RAMP_BROWN, 5, 106, 4); break;
    case 107: TopSoil(c, RAMP_PURPLE, 9, RAMP_STONE, 5, 107, 4); break;
    case 108: TopSoil(c, RAMP_CYAN, 10, RAMP_BLUE, 4, 108, 4); break;
    case 109: TopSoil(c, RAMP_PINK, 11, RAMP_PURPLE, 5, 109, 4); break;
    case 110: TopSoil(c, RAMP_GREEN, 11, RAMP_GOLD, 7, 110, 3); break;
    case 111: TopSoil(c, RAMP_GREY, 13, RAMP_STONE, 6, 111, 4); break;
    case 112: Cloud(c, RAMP_STONE, 11); break;
    case 113: StoneBlock(c, RAMP_PURPLE, 7, 113); break;
    case 114: Brick(c, RAMP_RED, RAMP_GREY, 16, 8, 114); Tone(c, RAMP_RED, -3); break;
    case 115: Cobble(c, RAMP_GREEN, RAMP_GREEN, 115); Tone(c, RAMP_GREEN, -2); break;
    case 116: Brick(c, RAMP_BLUE, RAMP_BLUE, 16, 16, 116); Tone(c, RAMP_BLUE, -2); break;
    case 117: Tiles(c, RAMP_CYAN); break;
    case 118: PrizeBlock(c, RAMP_GOLD, 2); break;
    case 119: StoneBlock(c, RAMP_GREY, 4, 119); break;

    default: {
      static const int tileRamps[8] = {RAMP_RED, RAMP_GREEN, RAMP_BLUE, RAMP_GOLD,
                                       RAMP_ORANGE, RAMP_CYAN, RAMP_PURPLE, RAMP_PINK};
      static const int crystalRamps[7] = {RAMP_RED, RAMP_GREEN, RAMP_GOLD, RAMP_CYAN,
                                          RAMP_PURPLE, RAMP_PINK, RAMP_ORANGE};
      if (n >= 90 && n < 98) Tiles(c, tileRamps[n - 90]);
      else if (n >= 98 && n < 105) Crystal(c, crystalRamps[n - 98]);
      break;
    }
  }
}

}  // namespace

cCanvas MakeBlockSheet() {
  cCanvas sheet(256, 480);
  for (int n = 0; n < 120; ++n) {
    cCanvas cell(N, N);
    PaintBlock(cell, n);
    sheet.Paste(cell, (n / 15) * N, (n % 15) * N, true);
  }
  return sheet;
}
