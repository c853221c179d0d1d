// The eight character sheets: one character per row, 20 frames of 32 x 32 per row, all facing
// left (the editor mirrors them for the other facing).
// Frames: 0-3 stand and walk, 4-7 the same flashing (invincible), 8-11 the same guarding,
// 12 jump, 13 fall, 14 wind-up, 15 attack, 16-17 hurt, 18 down, 19 cheer.
#include <cmath>

#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

const int N = 32;

struct cPose {
  int nStep = 0;  // walk phase: 0 and 2 upright, 1 and 3 in stride
  int dx = 0, dy = 0;
  int nSquash = 0;  // -1 stretched, 1 squashed
  int nEyes = 0;    // 0 open, 1 closed, 2 hurt
  bool bAttack = false, bWindup = false, bGuard = false, bJump = false, bFall = false;
  bool bFlash = false, bDown = false, bCheer = false, bHurt = false;
};

cPose PoseOf(int nFrame) {
  cPose p;
  int f = nFrame;
  if (f < 12) {
    p.nStep = f % 4;
    p.dy = (p.nStep % 2) ? 0 : 0;
    if (p.nStep == 2) p.dy = -1;
    p.bFlash = f >= 4 && f < 8;
    p.bGuard = f >= 8;
    return p;
  }
  switch (f) {
    case 12: p.bJump = true; p.dy = -3; p.nSquash = -1; break;
    case 13: p.bFall = true; p.dy = -2; break;
    case 14: p.bWindup = true; p.dx = 1; break;
    case 15: p.bAttack = true; p.dx = 1; break;
    case 16: p.bHurt = true; p.nEyes = 2; p.dx = 2; break;
    case 17: p.bHurt = true; p.nEyes = 2; p.dx = 3; p.dy = -2; break;
    case 18: p.bDown = true; p.nEyes = 2; break;
    case 19: p.bCheer = true; p.nEyes = 1; p.dy = -2; break;
  }
  return p;
}

// Lightens every colour and rims the figure in white: the invincible look.
void Flash(cCanvas& c) {
  cCanvas src = c;
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      uint8_t v = src.Get(x, y);
      if (!v) continue;
      bool rim = !src.Get(x - 1, y) || !src.Get(x + 1, y) || !src.Get(x, y - 1) || !src.Get(x, y + 1);
      int r = RampOf(v);
      if (rim && v >= 10 && v <= 15) c.Set(x, y, COL_WHITE);
      else if (r >= 0) c.Set(x, y, Shade(r, (v - 16) % 16 + 3));
    }
}

// Turns the figure onto its back (head to the right) and lays it on the ground.
cCanvas LieDown(const cCanvas& src) {
  cCanvas r(N, N);
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) r.Set(N - 1 - y, x, src.Get(x, y));
  int bottom = 0;
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x)
      if (r.Get(x, y)) bottom = y;
  cCanvas out(N, N);
  out.Paste(r, 0, N - 1 - bottom);
  return out;
}

// Two eyes looking left, from the left eye's top-left corner; gap between them.
void Eyes(cCanvas& c, int x, int y, int gap, int mode, uint8_t ink, int h = 3) {
  for (int k = 0; k < 2; ++k) {
    int ex = x + k * gap;
    if (mode == 1) {
      c.HLine(ex, ex + 1, y + h - 1, ink);
    } else if (mode == 2) {  // squeezed shut: "><"
      c.Set(ex + (k ? 1 : 0), y, ink);
      c.Set(ex + (k ? 0 : 1), y + 1, ink);
      c.Set(ex + (k ? 1 : 0), y + 2, ink);
    } else {
      c.Fill(ex, y, 2, h, ink);
      c.Set(ex, y, COL_WHITE);
    }
  }
}

// Big white eyes with pupils, for the creatures.
void BigEyes(cCanvas& c, double x, double y, double gap, double r, int mode, bool bAngry) {
  for (int k = 0; k < 2; ++k) {
    double ex = x + k * gap;
    if (mode == 1) {
      c.HLine(int(ex - r), int(ex + r - 1), int(y + 1), COL_BLACK);
      continue;
    }
    if (mode == 2) {
      int ix = int(ex), iy = int(y);
      c.Line(ix - 2, iy - 2, ix + 1, iy + 1, COL_BLACK);
      c.Line(ix + 1, iy - 2, ix - 2, iy + 1, COL_BLACK);
      continue;
    }
    c.Ellipse(ex, y, r, r * 1.25, COL_WHITE);
    c.Ellipse(ex - r * 0.35, y + r * 0.1, r * 0.55, r * 0.8, COL_BLACK);
    if (bAngry) c.Line(int(ex - r), int(y - r * 1.5 + (k ? 1 : -1)), int(ex + r),
                       int(y - r * 1.5 + (k ? -1 : 1)), COL_BLACK);
  }
}

// ---------------------------------------------------------------- people

struct cHuman {
  int nSkin, nHair, nShirt, nPants;
  int nHat;  // 0 none, 1 helmet, 2 pointed hat, 3 hood, 4 crown, 5 bandana
  int nHatRamp;
  bool bLongHair, bDress, bBeard, bBald, bSkeleton, bVisor;
};

void Arm(cCanvas& c, int sx, int sy, int hx, int hy, int shirt, int lvl, int skin) {
  c.ThickLine(sx, sy, hx, hy, 3, Shade(shirt, lvl));
  c.Disc(hx + 0.5, hy + 0.5, 1.7, Shade(skin, 10));
}

void Sword(cCanvas& c, int x, int y, bool bUp) {
  if (bUp) {
    c.ThickLine(x + 1, y - 2, x + 6, y - 11, 2, Shade(RAMP_STONE, 13));
    c.Line(x - 1, y - 2, x + 3, y, Shade(RAMP_GOLD, 9));
  } else {
    c.Fill(0, y - 1, x - 1, 2, Shade(RAMP_STONE, 13));
    c.HLine(0, x - 2, y - 1, Shade(RAMP_GREY, 15));
    c.VLine(x - 1, y - 4, y + 2, Shade(RAMP_GOLD, 9));
  }
}

void DrawHuman(cCanvas& c, const cHuman& h, const cPose& p) {
  cCanvas t(N, N);
  int ox = p.dx, oy = p.dy;
  auto X = [&](int x) { return x + ox; };
  auto Y = [&](int y) { return y + oy; };
  int skin = h.bSkeleton ? RAMP_GREY : h.nSkin;
  int skinBase = h.bSkeleton ? 14 : 10;

  // Feet: where each leg ends for this pose.
  int fxF = 13, fyF = 29, fxB = 18, fyB = 29;
  if (p.nStep == 1) { fxF = 10; fxB = 21; fyB = 28; }
  if (p.nStep == 3) { fxF = 19; fyF = 28; fxB = 11; }
  if (p.bJump) { fxF = 11; fyF = 26; fxB = 19; fyB = 25; }
  if (p.bFall) { fxF = 12; fyF = 29; fxB = 20; fyB = 27; }
  if (p.bAttack) { fxF = 9; fxB = 21; }
  if (p.bHurt) { fxF = 15; fxB = 20; fyF = 28; }

  // Hands.
  int hxF = 12, hyF = 24, hxB = 20, hyB = 24;
  if (p.nStep == 1) { hxF = 9; hyF = 23; }
  if (p.nStep == 3) { hxF = 16; hxB = 22; hyB = 22; }
  if (p.bJump || p.bFall) { hxF = 9; hyF = 14; hxB = 22; hyB = 14; }
  if (p.bCheer) { hxF = 10; hyF = 9; hxB = 22; hyB = 9; }
  if (p.bHurt) { hxF = 8; hyF = 15; hxB = 24; hyB = 16; }
  if (p.bAttack) { hxF = 7; hyF = 19; }
  if (p.bWindup) { hxF = 19; hyF = 12; }
  if (p.bGuard) { hxF = 9; hyF = 20; }

  // Long hair and the far arm and leg first.
  if (h.bLongHair && h.nHat != 3)
    t.RoundRect(X(15), Y(6), 9, 15, 3, Shade(h.nHair, 7));
  Arm(t, X(19), Y(18), X(hxB), Y(hyB), h.nShirt, 5, skin);
  if (!h.bDress || p.bJump || p.bFall) {
    int legW = h.bSkeleton ? 2 : 4;
    t.ThickLine(X(18), Y(24), X(fxB), Y(fyB), legW, Shade(h.bSkeleton ? RAMP_GREY : h.nPants, h.bSkeleton ? 12 : 6));
    t.Fill(X(fxB - 3), Y(fyB + 1), 5, 2, Shade(RAMP_BROWN, 3));
    t.ThickLine(X(14), Y(24), X(fxF), Y(fyF), legW, Shade(h.bSkeleton ? RAMP_GREY : h.nPants, h.bSkeleton ? 14 : 8));
    t.Fill(X(fxF - 3), Y(fyF + 1), 5, 2, Shade(RAMP_BROWN, 5));
    t.Set(X(fxF - 3), Y(fyF + 1), Shade(RAMP_BROWN, 8));
  }
  if (h.bDress) {
    if (!(p.bJump || p.bFall)) {
      t.Fill(X(fxB - 2), Y(29), 4, 2, Shade(RAMP_BROWN, 3));
      t.Fill(X(fxF - 2), Y(29), 4, 2, Shade(RAMP_BROWN, 5));
    }
    int sway = p.nStep == 1 ? -1 : p.nStep == 3 ? 1 : 0;
    t.Polygon({{X(12) + 0.0, Y(20) + 0.0}, {X(20) + 0.0, Y(20) + 0.0},
               {X(23 + sway) + 0.0, Y(29) + 0.0}, {X(9 + sway) + 0.0, Y(29) + 0.0}},
              Shade(h.nShirt, 8));
    t.Line(X(10 + sway), Y(28), X(22 + sway), Y(28), Shade(h.nShirt, 5));
    t.Line(X(12), Y(21), X(10 + sway), Y(27), Shade(h.nShirt, 10));
  }

  // Body.
  if (h.bSkeleton) {
    t.RoundRect(X(12), Y(16), 8, 9, 2, Shade(RAMP_GREY, 4));
    for (int y = 17; y < 24; y += 2) t.HLine(X(12), X(19), Y(y), Shade(RAMP_GREY, 14));
    t.VLine(X(15), Y(16), Y(24), Shade(RAMP_GREY, 14));
  } else {
    t.RoundRect(X(11), Y(16), 10, 9, 2, Shade(h.nShirt, 8));
    t.VLine(X(11), Y(18), Y(23), Shade(h.nShirt, 10));
    t.VLine(X(20), Y(18), Y(23), Shade(h.nShirt, 6));
    if (!h.bDress) t.HLine(X(11), X(20), Y(23), Shade(h.nPants, 4));
    if (!h.bDress) t.Set(X(14), Y(23), Shade(RAMP_GOLD, 11));
  }

  // Head.
  if (!h.bBald && !h.bSkeleton) t.Ellipse(X(16) + 0.5, Y(9) + 0.0, 7.5, 7.0, Shade(h.nHair, 8));
  t.Ellipse(X(14) + 0.5, Y(10) + 0.5, 6.0, 6.0, Shade(skin, skinBase));
  t.Ellipse(X(13) + 0.5, Y(9) + 0.5, 3.0, 2.5, Shade(skin, skinBase + 1));
  if (h.bBald) t.Ellipse(X(17) + 0.5, Y(9) + 0.5, 5.5, 6.0, Shade(skin, skinBase - 1));
  if (h.bSkeleton) t.Ellipse(X(16), Y(9), 6.5, 6.5, Shade(RAMP_GREY, 14));
  if (!h.bBald && !h.bSkeleton) {
    t.Ellipse(X(14) + 0.5, Y(5) + 0.0, 6.5, 2.5, Shade(h.nHair, 9));
    t.Set(X(9), Y(6), Shade(h.nHair, 9));
    t.Set(X(20), Y(12), Shade(h.nHair, 7));
    t.HLine(X(12), X(17), Y(3), Shade(h.nHair, 11));
  }
  t.Set(X(19), Y(10), Shade(skin, skinBase - 2));  // ear
  if (h.bBeard) t.Ellipse(X(13), Y(15), 4.0, 3.0, Shade(h.nHair, 12));

  // Hats.
  switch (h.nHat) {
    case 1:
      t.Ellipse(X(16), Y(8), 8.0, 6.5, Shade(h.nHatRamp, 9));
      t.Fill(X(8), Y(8), 17, 3, 0);
      t.HLine(X(8), X(23), Y(8), Shade(h.nHatRamp, 6));
      t.Set(X(11), Y(3), Shade(h.nHatRamp, 14));
      t.Set(X(12), Y(3), Shade(h.nHatRamp, 13));
      t.Fill(X(19), Y(8), 5, 6, Shade(h.nHatRamp, 7));
      break;
    case 2:
      t.Ellipse(X(16), Y(5) + 0.5, 10.0, 2.0, Shade(h.nHatRamp, 7));
      t.Polygon({{X(9) + 0.0, Y(5) + 0.0}, {X(22) + 0.0, Y(5) + 0.0}, {X(24) + 0.0, Y(-4) + 0.0},
                 {X(20) + 0.0, Y(-6) + 0.0}},
                Shade(h.nHatRamp, 9));
      t.Line(X(11), Y(4), X(21), Y(4), Shade(RAMP_GOLD, 11));
      break;
    case 3: {
      cCanvas hood(N, N);
      hood.Ellipse(X(16) + 0.5, Y(10), 8.0, 8.5, Shade(h.nHatRamp, 8));
      hood.Fill(X(8), Y(14), 17, 6, Shade(h.nHatRamp, 8));
      hood.Ellipse(X(13) + 0.5, Y(11), 4.5, 4.0, 0);
      t.Paste(hood, 0, 0);
      t.Fill(X(9), Y(9), 8, 5, 0);
      t.Ellipse(X(13) + 0.5, Y(11), 4.5, 4.0, Shade(skin, skinBase));
      break;
    }
    case 4:
      t.Fill(X(10), Y(2), 11, 3, Shade(RAMP_GOLD, 10));
      for (int k = 0; k < 3; ++k) {
        t.Set(X(10 + k * 5), Y(0), Shade(RAMP_GOLD, 12));
        t.Set(X(10 + k * 5), Y(1), Shade(RAMP_GOLD, 11));
      }
      t.Set(X(15), Y(3), Shade(RAMP_RED, 10));
      t.HLine(X(10), X(20), Y(2), Shade(RAMP_GOLD, 13));
      break;
    case 5:
      t.Fill(X(9), Y(4), 14, 3, Shade(h.nHatRamp, 8));
      t.HLine(X(9), X(22), Y(4), Shade(h.nHatRamp, 11));
      t.Line(X(23), Y(6), X(26), Y(9), Shade(h.nHatRamp, 7));
      t.Line(X(23), Y(5), X(27), Y(7), Shade(h.nHatRamp, 8));
      break;
  }

  // Face.
  uint8_t ink = h.bSkeleton ? COL_BLACK : INK_BLUE;
  if (h.bVisor) {
    t.Fill(X(9), Y(9), 9, 3, COL_BLACK);
    t.HLine(X(10), X(16), Y(10), Shade(RAMP_RED, p.nEyes == 2 ? 6 : 12));
  } else if (h.bSkeleton) {
    t.Fill(X(10), Y(8), 3, 3, COL_BLACK);
    t.Fill(X(14), Y(8), 3, 3, COL_BLACK);
    if (p.nEyes != 1) {
      t.Set(X(11), Y(9), Shade(RAMP_RED, 12));
      t.Set(X(15), Y(9), Shade(RAMP_RED, 12));
    }
    t.HLine(X(11), X(15), Y(13), COL_BLACK);
  } else {
    Eyes(t, X(10), Y(9), 4, p.nEyes, ink);
    bool open = p.bAttack || p.bHurt;
    if (open) t.Fill(X(11), Y(13), 2, 2, Shade(RAMP_RED, 4));
    else if (!h.bBeard) t.HLine(X(11), X(12), Y(13), Shade(skin, skinBase - 3));
  }

  // Torso front and near arm.
  Arm(t, X(13), Y(18), X(hxF), Y(hyF), h.nShirt, 7, skin);
  if (p.bAttack) Sword(t, X(hxF), Y(hyF), false);
  if (p.bWindup) Sword(t, X(hxF), Y(hyF), true);
  if (p.bGuard) {
    t.Ellipse(X(7) + 0.5, Y(20), 4.5, 6.5, Shade(RAMP_STONE, 12));
    t.Ellipse(X(7) + 0.5, Y(20), 3.5, 5.5, Shade(h.nHat ? h.nHatRamp : RAMP_BLUE, 8));
    t.Disc(X(7) + 0.5, Y(20), 1.5, Shade(RAMP_GOLD, 12));
  }
  t.Outline(h.bSkeleton ? INK_GREY : INK_BROWN);
  c.Paste(t, 0, 0);
}

const cHuman kPeople[15] = {
    // skin, hair, shirt, pants, hat, hat ramp, long hair, dress, beard, bald, skeleton, visor
    {RAMP_SKIN, RAMP_BROWN, RAMP_BLUE, RAMP_BROWN, 0, 0, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_BROWN, RAMP_BLUE, RAMP_BROWN, 5, RAMP_RED, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_GOLD, RAMP_PINK, RAMP_PINK, 0, 0, true, true, false, false, false, false},
    {RAMP_SKIN, RAMP_BROWN, RAMP_BLUE, RAMP_STONE, 1, RAMP_STONE, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_GREY, RAMP_PURPLE, RAMP_PURPLE, 2, RAMP_PURPLE, false, true, true, false, false, false},
    {RAMP_SKIN, RAMP_GREY, RAMP_STONE, RAMP_STONE, 3, RAMP_STONE, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_ORANGE, RAMP_GREEN, RAMP_BROWN, 0, 0, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_RED, RAMP_ORANGE, RAMP_ORANGE, 0, 0, true, true, false, false, false, false},
    {RAMP_SKIN, RAMP_GREY, RAMP_BROWN, RAMP_BROWN, 0, 0, false, true, true, true, false, false},
    {RAMP_SKIN, RAMP_GOLD, RAMP_PINK, RAMP_PINK, 4, RAMP_GOLD, true, true, false, false, false, false},
    {RAMP_SKIN, RAMP_GREY, RAMP_RED, RAMP_RED, 4, RAMP_GOLD, false, true, true, false, false, false},
    {RAMP_SKIN, RAMP_BROWN, RAMP_GREEN, RAMP_BROWN, 1, RAMP_GREEN, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_BROWN, RAMP_STONE, RAMP_PURPLE, 5, RAMP_PURPLE, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_GOLD, RAMP_CYAN, RAMP_BLUE, 0, 0, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_BROWN, RAMP_ORANGE, RAMP_ORANGE, 0, 0, false, true, false, true, false, false},
};

const cHuman kFoes[15] = {
    {RAMP_GREY, RAMP_GREY, RAMP_GREY, RAMP_GREY, 0, 0, false, false, false, false, true, false},
    {RAMP_GREEN, RAMP_BROWN, RAMP_BROWN, RAMP_STONE, 0, 0, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_GREY, RAMP_PURPLE, RAMP_STONE, 1, RAMP_PURPLE, false, false, false, false, false, true},
    {RAMP_STONE, RAMP_STONE, RAMP_STONE, RAMP_BLUE, 1, RAMP_STONE, false, false, false, false, false, true},
    {RAMP_GREEN, RAMP_GREEN, RAMP_BROWN, RAMP_BROWN, 5, RAMP_RED, false, false, false, true, false, false},
    {RAMP_GREEN, RAMP_GREY, RAMP_RED, RAMP_BROWN, 1, RAMP_BROWN, false, false, false, false, false, false},
    {RAMP_SKIN, RAMP_PURPLE, RAMP_PURPLE, RAMP_PURPLE, 2, RAMP_STONE, true, true, false, false, false, false},
    {RAMP_PURPLE, RAMP_GREY, RAMP_RED, RAMP_RED, 3, RAMP_RED, false, true, false, false, false, false},
    {RAMP_SKIN, RAMP_BROWN, RAMP_RED, RAMP_BROWN, 5, RAMP_RED, false, false, true, false, false, false},
    {RAMP_SKIN, RAMP_GREY, RAMP_BROWN, RAMP_STONE, 3, RAMP_BROWN, false, false, false, false, false, false},
    {RAMP_CYAN, RAMP_CYAN, RAMP_CYAN, RAMP_BLUE, 1, RAMP_CYAN, false, false, false, false, false, true},
    {RAMP_SKIN, RAMP_RED, RAMP_ORANGE, RAMP_RED, 1, RAMP_RED, false, false, false, false, false, true},
    {RAMP_STONE, RAMP_STONE, RAMP_BROWN, RAMP_BROWN, 0, 0, false, false, false, true, false, false},
    {RAMP_GOLD, RAMP_GOLD, RAMP_GOLD, RAMP_GOLD, 3, RAMP_GOLD, false, false, false, false, false, false},
    {RAMP_STONE, RAMP_GREY, RAMP_PURPLE, RAMP_GREY, 0, 0, false, false, false, false, false, false},
};

// ---------------------------------------------------------------- creatures

void DrawSlime(cCanvas& c, int ramp, const cPose& p) {
  cCanvas t(N, N);
  double w = 12, h = 9;
  if (p.nStep == 1) { w = 13.5; h = 7.5; }
  if (p.nStep == 3) { w = 10.5; h = 10.5; }
  if (p.nSquash < 0) { w = 10; h = 11.5; }
  if (p.bGuard) { w = 13.5; h = 6.5; }
  if (p.bHurt) { w = 13; h = 7.5; }
  if (p.bDown) { w = 14.5; h = 4; }
  double cx = 16 + p.dx, base = 30.5 + p.dy;
  t.Ball(cx, base, w, h * 2, ramp, 9, true);
  t.Fill(0, int(base), N, N, 0);
  for (int x = 0; x < N; ++x)
    if (t.Get(x, int(base) - 1)) t.Set(x, int(base) - 1, Shade(ramp, 5));
  double top = base - h * 2 * 0.95;
  double ey = p.bDown ? base - 3 : top + h * 0.9;
  BigEyes(t, cx - w * 0.45, ey, w * 0.5, p.bDown ? 1.6 : 2.2, p.nEyes, false);
  if (p.bAttack || p.bHurt) t.Ellipse(cx - w * 0.3, ey + 4.5, 2.5, 1.5, Shade(RAMP_RED, 3));
  else if (!p.bDown) t.HLine(int(cx - w * 0.4), int(cx - w * 0.2), int(ey + 4), Shade(ramp, 4));
  t.Outline(Shade(ramp, 2));
  if (p.bGuard) t.Ring(cx - 2, base - 7, 13, 1.5, Shade(RAMP_CYAN, 13));
  c.Paste(t, 0, 0);
}

void DrawBat(cCanvas& c, int ramp, const cPose& p) {
  cCanvas t(N, N);
  int phase = p.nStep;
  double cx = 16 + p.dx, cy = 15 + p.dy + (phase == 2 ? 1 : 0);
  if (p.bJump || p.bCheer) phase = 0;
  if (p.bFall) phase = 2;
  if (p.bDown) {  // fallen to the ground, wings spread flat
    phase = 1;
    cy = 24;
  }
  double tipY[4] = {3, 12, 22, 12};
  double ty = tipY[phase];
  uint8_t wing = Shade(ramp, 6), bone = Shade(ramp, 3);
  if (!p.bGuard) {
    for (int side = -1; side <= 1; side += 2) {
      double sx = cx + side * 4, tx = cx + side * 15;
      cPoints pts = {{sx, cy - 3}, {tx, ty + cy - 15}, {tx - side * 1, ty + cy - 8},
                     {cx + side * 10, cy + 2}, {cx + side * 7, cy + 1}, {sx, cy + 4}};
      t.Polygon(pts, wing);
      t.Line(int(sx), int(cy - 3), int(tx), int(ty + cy - 15), bone);
      t.Line(int(sx), int(cy - 2), int(cx + side * 10), int(cy + 2), bone);
    }
  }
  t.Ball(cx, cy, 5.5, 6.5, ramp, 8, false);
  t.Polygon({{cx - 5, cy - 4}, {cx - 4, cy - 10}, {cx - 1, cy - 5}}, Shade(ramp, 8));
  t.Polygon({{cx + 1, cy - 5}, {cx + 4, cy - 10}, {cx + 5, cy - 4}}, Shade(ramp, 7));
  if (p.bGuard) {  // wrapped in its wings
    t.Ellipse(cx, cy + 2, 8, 8, wing);
    t.Line(int(cx), int(cy - 5), int(cx), int(cy + 9), bone);
    t.Ellipse(cx, cy - 2, 4, 3, Shade(ramp, 8));
  }
  uint8_t eye = Shade(RAMP_RED, 12);
  if (p.nEyes == 0) {
    t.Fill(int(cx - 4), int(cy - 2), 2, 2, eye);
    t.Fill(int(cx), int(cy - 2), 2, 2, eye);
    t.Set(int(cx - 4), int(cy - 2), COL_WHITE);
    t.Set(int(cx), int(cy - 2), COL_WHITE);
  } else {
    Eyes(t, int(cx - 4), int(cy - 3), 4, p.nEyes, COL_BLACK);
  }
  t.Set(int(cx - 3), int(cy + 2), COL_WHITE);
  t.Set(int(cx), int(cy + 2), COL_WHITE);
  if (p.bAttack) t.Fill(int(cx - 3), int(cy + 1), 4, 2, Shade(RAMP_RED, 3));
  t.Outline(COL_BLACK);
  c.Paste(t, 0, 0);
}

void DrawWalker(cCanvas& c, int ramp, const cPose& p) {
  cCanvas t(N, N);
  double cx = 16 + p.dx, cy = 17 + p.dy;
  double rx = 12, ry = 10;
  if (p.nSquash < 0) ry = 11;
  if (p.bGuard) cy += 2;
  // Feet.
  int f1 = 10, f2 = 21;
  if (p.nStep == 1) { f1 = 7; f2 = 20; }
  if (p.nStep == 3) { f1 = 12; f2 = 24; }
  if (!p.bDown) {
    t.Ellipse(f2 + p.dx, 28.5 + p.dy - (p.nStep == 1), 4.5, 2.5, INK_BROWN);
    t.Ellipse(f1 + p.dx, 28.5 + p.dy - (p.nStep == 3), 4.5, 2.5, Shade(RAMP_BROWN, 3));
  }
  if (p.bDown) {
    cy = 26;
    ry = 5;
    rx = 13;
  }
  if (!p.bDown) {  // two little horns
    t.Polygon({{cx - 8, cy - ry + 4}, {cx - 10, cy - ry - 3}, {cx - 4, cy - ry + 1}}, Shade(RAMP_GOLD, 13));
    t.Polygon({{cx + 3, cy - ry + 1}, {cx + 7, cy - ry - 4}, {cx + 8, cy - ry + 3}}, Shade(RAMP_GOLD, 11));
  }
  t.Ball(cx, cy, rx, ry, ramp, 8, false);
  t.Ellipse(cx - 3, cy + ry * 0.45, rx * 0.55, ry * 0.4, Shade(ramp, 12));
  if (p.bGuard) {  // a helmet against blows
    t.Ball(cx, cy - 3, rx + 1, ry - 2, RAMP_STONE, 9, true);
    t.Fill(0, int(cy - 3), N, 1, 0);
    t.HLine(int(cx - rx), int(cx + rx), int(cy - 3), Shade(RAMP_STONE, 5));
  }
  double ey = cy - (p.bDown ? 1 : 2);
  BigEyes(t, cx - 6, ey, 6, p.bDown ? 1.8 : 2.4, p.nEyes, !p.bGuard && p.nEyes == 0);
  if (p.bAttack || p.bHurt)
    t.Ellipse(cx - 3, cy + 4.5, 3, 1.8, Shade(RAMP_RED, 3));
  else if (!p.bDown) {
    t.HLine(int(cx - 7), int(cx - 1), int(cy + 4), COL_BLACK);
    t.Set(int(cx - 6), int(cy + 3), COL_WHITE);
    t.Set(int(cx - 2), int(cy + 3), COL_WHITE);
  }
  t.Outline(INK_BROWN);
  c.Paste(t, 0, 0);
}

void DrawGhost(cCanvas& c, int ramp, const cPose& p) {
  cCanvas t(N, N);
  static const int bob[4] = {0, -1, -2, -1};
  double cx = 16 + p.dx, cy = 12 + p.dy + bob[p.nStep];
  if (p.bDown) cy = 20;
  t.Ball(cx, cy, 10, 9, ramp, 12, false);
  t.Fill(int(cx - 10), int(cy), 21, 9, Shade(ramp, 11));
  t.VLine(int(cx + 9), int(cy), int(cy + 8), Shade(ramp, 8));
  t.VLine(int(cx + 8), int(cy), int(cy + 8), Shade(ramp, 9));
  t.VLine(int(cx - 10), int(cy), int(cy + 8), Shade(ramp, 13));
  for (int k = 0; k < 5; ++k) {  // the wavy hem
    double wx = cx - 10 + k * 5 + 2 + (p.nStep % 2);
    t.Disc(wx, cy + 9, 2.5, Shade(ramp, 11));
  }
  for (int k = 0; k < 5; ++k) t.Disc(cx - 10 + k * 5 + (p.nStep % 2), cy + 11, 1.5, 0);
  if (p.bDown) t.Fill(0, 27, N, 5, 0);
  // Little arms reaching forward.
  double ay = cy + (p.bAttack ? -2 : 2);
  t.Ellipse(cx - 11, ay, 3, 2, Shade(ramp, 12));
  t.Ellipse(cx + 10, ay + 1, 2.5, 2, Shade(ramp, 9));
  BigEyes(t, cx - 6, cy - 1, 5, 1.8, p.nEyes, false);
  if (p.nEyes == 0) {
    t.Ellipse(cx - 6, cy - 1, 1.6, 2.4, COL_BLACK);
    t.Ellipse(cx - 1, cy - 1, 1.6, 2.4, COL_BLACK);
  }
  t.Ellipse(cx - 3.5, cy + 4, p.bAttack || p.bHurt ? 2 : 1.2, p.bAttack || p.bHurt ? 2.2 : 1.2,
            COL_BLACK);
  t.Set(int(cx - 9), int(cy + 2), Shade(RAMP_PINK, 11));
  t.Outline(Shade(ramp, 4));
  if (p.bGuard) t.Ring(cx - 2, cy + 3, 13, 1.5, Shade(RAMP_GOLD, 13));
  c.Paste(t, 0, 0);
}

void DrawBird(cCanvas& c, int ramp, const cPose& p) {
  cCanvas t(N, N);
  int phase = p.nStep;
  if (p.bJump || p.bCheer) phase = 0;
  double cx = 17 + p.dx, cy = 16 + p.dy + (phase == 2 ? 1 : 0);
  if (p.bDown) cy = 24;
  // Tail.
  t.Polygon({{cx + 6, cy}, {cx + 14, cy - 4}, {cx + 14, cy + 3}}, Shade(ramp, 6));
  t.Ball(cx, cy, 9, 7.5, ramp, 9, false);
  t.Ellipse(cx - 3, cy + 3, 5, 3.5, Shade(RAMP_GOLD, 13));
  // Beak.
  bool open = p.bAttack || p.bHurt;
  t.Polygon({{cx - 8, cy - 3}, {cx - 14, cy - 1 + (open ? -1 : 0)}, {cx - 8, cy}},
            Shade(RAMP_ORANGE, 11));
  if (open) t.Polygon({{cx - 8, cy}, {cx - 13, cy + 2}, {cx - 8, cy + 1}}, Shade(RAMP_ORANGE, 8));
  // Wing.
  static const double wy[4] = {-14, -2, 11, -2};
  if (p.bGuard) {
    t.Ellipse(cx - 3, cy + 1, 7, 5, Shade(ramp, 6));
  } else if (!p.bDown) {
    double y = wy[phase];
    double tx = phase % 2 ? 13 : 10;
    t.Polygon({{cx - 1, cy - 1}, {cx + 7, cy - 1}, {cx + tx, cy + y}, {cx + tx - 6, cy + y + (y < 0 ? 2 : -2)}},
              Shade(ramp, 5));
    t.Line(int(cx), int(cy - 1), int(cx + 4), int(cy + y + (y < 0 ? 2 : -2)), Shade(ramp, 11));
  }
  // Crest and eye.
  t.Polygon({{cx - 4, cy - 7}, {cx - 2, cy - 11}, {cx, cy - 7}}, Shade(ramp, 10));
  if (p.nEyes == 0) {
    t.Disc(cx - 5, cy - 3, 1.8, COL_WHITE);
    t.Fill(int(cx - 6), int(cy - 4), 1, 2, COL_BLACK);
  } else {
    Eyes(t, int(cx - 6), int(cy - 4), 10, p.nEyes, COL_BLACK);
  }
  // Feet.
  if (!p.bJump && !p.bDown && !p.bFall) {
    t.VLine(int(cx - 2), int(cy + 7), int(cy + 9), Shade(RAMP_ORANGE, 8));
    t.VLine(int(cx + 2), int(cy + 7), int(cy + 9), Shade(RAMP_ORANGE, 8));
  }
  t.Outline(COL_BLACK);
  c.Paste(t, 0, 0);
}

void DrawFish(cCanvas& c, int ramp, const cPose& p) {
  cCanvas t(N, N);
  static const int swish[4] = {0, -2, 0, 2};
  double cx = 15 + p.dx, cy = 16 + p.dy;
  if (p.bDown) cy = 25;
  int sw = swish[p.nStep];
  t.Polygon({{cx + 8, cy}, {cx + 15, cy - 7 + sw}, {cx + 13, cy + sw}, {cx + 15, cy + 7 + sw}},
            Shade(ramp, 7));
  t.Polygon({{cx - 3, cy - 6}, {cx + 3, cy - 12}, {cx + 7, cy - 5}}, Shade(ramp, 6));
  t.Ball(cx, cy, 11, 7, ramp, 9, false);
  for (int k = 0; k < 3; ++k)
    for (int y = -5; y <= 5; ++y) {
      int x = int(cx - 1 + k * 4);
      if (t.Get(x, int(cy + y))) t.Set(x, int(cy + y), Shade(ramp, 6));
    }
  t.Ellipse(cx - 3, cy + 3, 6, 2.5, Shade(ramp, 12));
  t.Polygon({{cx + 1, cy + 1}, {cx + 5, cy + 4}, {cx + 1, cy + 5}}, Shade(ramp, 6));
  if (p.nEyes == 0) {
    t.Disc(cx - 6, cy - 2, 2.2, COL_WHITE);
    t.Fill(int(cx - 8), int(cy - 3), 2, 2, COL_BLACK);
  } else {
    Eyes(t, int(cx - 7), int(cy - 3), 10, p.nEyes, COL_BLACK);
  }
  if (p.bAttack || p.bHurt) t.Disc(cx - 10, cy + 2, 1.5, Shade(RAMP_RED, 3));
  else t.HLine(int(cx - 11), int(cx - 9), int(cy + 2), Shade(ramp, 3));
  t.Outline(COL_BLACK);
  if (p.bAttack) {
    t.Ring(4, 10, 2.5, 1, Shade(RAMP_CYAN, 13));
    t.Ring(2, 17, 1.8, 1, Shade(RAMP_CYAN, 13));
  }
  if (p.bGuard) t.Ring(cx, cy, 14.5, 1.5, Shade(RAMP_CYAN, 13));
  c.Paste(t, 0, 0);
}

void PaintCharacter(cCanvas& c, int nSheet, int nRow, int nFrame) {
  static const int kSlimes[15] = {RAMP_GREEN, RAMP_BLUE, RAMP_RED, RAMP_GOLD, RAMP_PURPLE,
                                  RAMP_PINK, RAMP_CYAN, RAMP_ORANGE, RAMP_STONE, RAMP_BROWN,
                                  RAMP_GREY, RAMP_SKIN, RAMP_GREEN, RAMP_BLUE, RAMP_RED};
  static const int kBats[15] = {RAMP_PURPLE, RAMP_STONE, RAMP_BROWN, RAMP_RED, RAMP_BLUE,
                                RAMP_GREEN, RAMP_PINK, RAMP_GREY, RAMP_ORANGE, RAMP_CYAN,
                                RAMP_GOLD, RAMP_PURPLE, RAMP_STONE, RAMP_BROWN, RAMP_RED};
  static const int kWalkers[15] = {RAMP_BROWN, RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE,
                                   RAMP_ORANGE, RAMP_STONE, RAMP_GOLD, RAMP_PINK, RAMP_CYAN,
                                   RAMP_GREY, RAMP_BROWN, RAMP_RED, RAMP_BLUE, RAMP_GREEN};
  static const int kGhosts[15] = {RAMP_STONE, RAMP_CYAN, RAMP_PURPLE, RAMP_PINK, RAMP_GREEN,
                                  RAMP_BLUE, RAMP_GOLD, RAMP_GREY, RAMP_RED, RAMP_ORANGE,
                                  RAMP_SKIN, RAMP_STONE, RAMP_CYAN, RAMP_PURPLE, RAMP_PINK};
  static const int kBirds[15] = {RAMP_BLUE, RAMP_RED, RAMP_GREEN, RAMP_GOLD, RAMP_CYAN,
                                 RAMP_PURPLE, RAMP_BROWN, RAMP_PINK, RAMP_ORANGE, RAMP_STONE,
                                 RAMP_GREY, RAMP_BLUE, RAMP_RED, RAMP_GREEN, RAMP_GOLD};
  static const int kFish[15] = {RAMP_ORANGE, RAMP_BLUE, RAMP_CYAN, RAMP_RED, RAMP_GOLD,
                                RAMP_GREEN, RAMP_PINK, RAMP_PURPLE, RAMP_STONE, RAMP_BROWN,
                                RAMP_GREY, RAMP_ORANGE, RAMP_BLUE, RAMP_CYAN, RAMP_RED};
  cPose p = PoseOf(nFrame);
  cCanvas t(N, N);
  switch (nSheet) {
    case 0:
      if (nRow == 0) {  // graphic number 0: an empty cell
        c.DottedFrame(INK_GREY);
        return;
      }
      DrawHuman(t, kPeople[nRow], p);
      break;
    case 1: DrawSlime(t, kSlimes[nRow], p); break;
    case 2: DrawBat(t, kBats[nRow], p); break;
    case 3: DrawWalker(t, kWalkers[nRow], p); break;
    case 4: DrawGhost(t, kGhosts[nRow], p); break;
    case 5: DrawBird(t, kBirds[nRow], p); break;
    case 6: DrawFish(t, kFish[nRow], p); break;
    default: DrawHuman(t, kFoes[nRow], p); break;
  }
  if (p.bDown && (nSheet == 0 || nSheet == 7)) t = LieDown(t);
  if (p.bFlash) Flash(t);
  // The later rows of a kind differ a little in shade, so no two look alike.
  if (nSheet >= 1 && nSheet <= 6 && nRow >= 11) {
    int d = nRow % 2 ? 2 : -2;
    t.Remap([d](uint8_t v) { int r = RampOf(v); return r >= 0 && r != RAMP_GREY ? Shade(r, (v - 16) % 16 + d) : v; });
  }
  c.Paste(t, 0, 0);
}

}  // namespace

cCanvas MakeCharacterSheet(int nSheet) {
  cCanvas sheet(640, 480);
  for (int row = 0; row < 15; ++row)
    for (int f = 0; f < 20; ++f) {
      cCanvas cell(N, N);
      PaintCharacter(cell, nSheet, row, f);
      sheet.Paste(cell, f * N, row * N);
    }
  return sheet;
}
