// Items (one motif per row, a colour or kind per column, two frames each), the small items,
// and the shots (16 x 16, two frames each, flying left).
#include <cmath>

#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

const int kVariantRamps[ITEM_VARIANTS] = {RAMP_GOLD, RAMP_STONE, RAMP_RED, RAMP_BLUE,
                                          RAMP_GREEN, RAMP_PURPLE, RAMP_PINK, RAMP_CYAN};

cPoints StarPoints(double cx, double cy, double r1, double r2, int n, double rot) {
  cPoints pts;
  for (int k = 0; k < 2 * n; ++k) {
    double a = rot + k * kPi / n - kPi / 2;
    double r = (k % 2) ? r2 : r1;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

void Star(cCanvas& c, int ramp) {
  c.Polygon(StarPoints(16, 17, 14, 6, 5, 0), Shade(ramp, 9));
  c.Polygon(StarPoints(15, 16, 9, 4, 5, 0), Shade(ramp, 11));
  c.Polygon(StarPoints(14, 15, 4, 2, 5, 0), Shade(ramp, 14));
}

void Coin(cCanvas& c, int ramp, double squeeze) {
  c.Ellipse(16, 16, 11 * squeeze, 12, Shade(ramp, 6));
  c.Ellipse(15.5, 15.5, 10 * squeeze, 11, Shade(ramp, 10));
  c.Ellipse(16, 16, 7 * squeeze, 8, Shade(ramp, 8));
  c.Ellipse(15.5, 15.5, 6 * squeeze, 7, Shade(ramp, 10));
  c.Fill(15, 11, 2, 10, Shade(ramp, 6));
  c.Fill(16 - int(7 * squeeze), 8, 1, 3, Shade(ramp, 14));
}

void Gem(cCanvas& c, int ramp) {
  cPoints outer = {{6, 12}, {11, 6}, {21, 6}, {26, 12}, {16, 27}};
  c.Polygon(outer, Shade(ramp, 8));
  c.Polygon({{6, 12}, {11, 6}, {13, 12}}, Shade(ramp, 12));
  c.Polygon({{11, 6}, {21, 6}, {19, 12}, {13, 12}}, Shade(ramp, 13));
  c.Polygon({{21, 6}, {26, 12}, {19, 12}}, Shade(ramp, 10));
  c.Polygon({{6, 12}, {13, 12}, {16, 27}}, Shade(ramp, 10));
  c.Polygon({{19, 12}, {26, 12}, {16, 27}}, Shade(ramp, 5));
  c.Set(14, 8, COL_WHITE);
  c.Set(15, 8, COL_WHITE);
  c.Set(13, 9, Shade(ramp, 15));
}

void Heart(cCanvas& c, int ramp) {
  c.Disc(11, 12, 6.5, Shade(ramp, 9));
  c.Disc(21, 12, 6.5, Shade(ramp, 8));
  c.Polygon({{4.7, 14}, {27.3, 14}, {16, 27}}, Shade(ramp, 8));
  c.Polygon({{16, 14}, {27.3, 14}, {16, 27}}, Shade(ramp, 6));
  c.Disc(10, 10, 2.5, Shade(ramp, 13));
  c.Set(9, 9, COL_WHITE);
}

void Key(cCanvas& c, int ramp) {
  c.Ring(11, 11, 7, 3, Shade(ramp, 9));
  c.Ring(11, 11, 7, 1, Shade(ramp, 12));
  c.ThickLine(15, 15, 26, 26, 3, Shade(ramp, 9));
  c.Fill(21, 25, 3, 4, Shade(ramp, 7));
  c.Fill(24, 21, 4, 3, Shade(ramp, 7));
  c.Line(15, 14, 25, 24, Shade(ramp, 13));
}

void Potion(cCanvas& c, int ramp) {
  c.Ball(16, 20, 9, 9, RAMP_CYAN, 13, false);
  c.Fill(13, 5, 6, 8, Shade(RAMP_CYAN, 13));
  c.Ball(16, 21, 7.5, 7, ramp, 9, true);
  c.Fill(8, 15, 16, 2, 0);
  c.Ball(16, 21, 7.5, 7, ramp, 9, true);
  c.Fill(9, 14, 14, 3, Shade(RAMP_CYAN, 14));
  c.Fill(12, 2, 8, 4, Shade(RAMP_BROWN, 8));
  c.HLine(12, 19, 2, Shade(RAMP_BROWN, 11));
  c.Set(11, 16, COL_WHITE);
  c.Set(10, 18, COL_WHITE);
}

void Fruit(cCanvas& c, int kind) {
  switch (kind) {
    case 0:
    case 1: {
      int ramp = kind ? RAMP_GREEN : RAMP_RED;
      c.Ball(12, 18, 8, 9, ramp, 9);
      c.Ball(20, 18, 8, 9, ramp, 8, false);
      c.Line(16, 10, 17, 4, Shade(RAMP_BROWN, 6));
      c.Ellipse(21, 6, 4, 2, Shade(RAMP_GREEN, 10));
      break;
    }
    case 2:
      c.Line(11, 18, 17, 5, Shade(RAMP_GREEN, 7));
      c.Line(22, 20, 17, 5, Shade(RAMP_GREEN, 7));
      c.Ellipse(20, 5, 4, 2, Shade(RAMP_GREEN, 10));
      c.Ball(10, 21, 6, 6, RAMP_RED, 9);
      c.Ball(22, 23, 6, 6, RAMP_RED, 8);
      break;
    case 3:
      for (int k = 0; k < 4; ++k)
        for (int j = 0; j <= 3 - k; ++j) c.Ball(10 + j * 4 + k * 2, 10 + k * 5, 3.5, 3.5, RAMP_PURPLE, 9);
      c.Line(16, 7, 18, 2, Shade(RAMP_GREEN, 7));
      c.Ellipse(21, 4, 4, 2, Shade(RAMP_GREEN, 10));
      break;
    case 4:
      c.Ball(16, 17, 11, 11, RAMP_ORANGE, 10);
      for (int k = 0; k < 9; ++k) c.Set(9 + (k * 7) % 15, 13 + (k * 5) % 11, Shade(RAMP_ORANGE, 7));
      c.Ellipse(18, 6, 4, 2, Shade(RAMP_GREEN, 10));
      break;
    case 5:
      c.Polygon({{5, 10}, {27, 10}, {23, 22}, {16, 29}, {9, 22}}, Shade(RAMP_RED, 9));
      c.Ball(16, 13, 11, 5, RAMP_RED, 10, false);
      for (int k = 0; k < 8; ++k) c.Set(9 + (k * 5) % 14, 13 + (k * 3) % 12, Shade(RAMP_GOLD, 14));
      c.Polygon({{8, 9}, {16, 5}, {24, 9}, {16, 12}}, Shade(RAMP_GREEN, 9));
      break;
    case 6:
      c.Ellipse(16, 16, 12, 8, Shade(RAMP_GOLD, 11));
      c.Ellipse(15, 14, 8, 4, Shade(RAMP_GOLD, 13));
      c.Fill(26, 15, 3, 2, Shade(RAMP_GOLD, 7));
      break;
    default:
      c.Ball(16, 18, 11, 10, RAMP_PINK, 10);
      c.Line(16, 9, 18, 26, Shade(RAMP_PINK, 7));
      c.Ellipse(21, 7, 4, 2, Shade(RAMP_GREEN, 10));
      break;
  }
}

void Mushroom(cCanvas& c, int ramp) {
  c.RoundRect(10, 15, 12, 13, 3, Shade(RAMP_SKIN, 13));
  c.VLine(20, 17, 26, Shade(RAMP_SKIN, 9));
  c.Ball(16, 15, 14, 11, ramp, 9, false);
  c.Fill(0, 16, 32, 16, 0);
  c.RoundRect(10, 15, 12, 13, 3, Shade(RAMP_SKIN, 13));
  c.VLine(20, 17, 26, Shade(RAMP_SKIN, 9));
  c.HLine(3, 28, 15, Shade(ramp, 5));
  c.Disc(9, 9, 2.5, COL_WHITE);
  c.Disc(17, 6, 2.2, COL_WHITE);
  c.Disc(24, 10, 2.5, COL_WHITE);
  c.VLine(13, 18, 26, Shade(RAMP_SKIN, 15));
}

void Sword(cCanvas& c, int ramp) {
  c.Polygon({{6, 26}, {23, 9}, {27, 5}, {26, 10}, {9, 27}}, Shade(RAMP_STONE, 12));
  c.Line(7, 26, 25, 8, Shade(RAMP_GREY, 15));
  c.ThickLine(4, 19, 13, 28, 3, Shade(ramp, 9));
  c.ThickLine(3, 27, 6, 24, 3, Shade(RAMP_BROWN, 7));
  c.Disc(3, 29, 2, Shade(ramp, 11));
}

void Shield(cCanvas& c, int ramp) {
  cPoints pts = {{5, 5}, {27, 5}, {27, 16}, {16, 29}, {5, 16}};
  c.Polygon(pts, Shade(RAMP_STONE, 11));
  c.Polygon({{8, 8}, {24, 8}, {24, 16}, {16, 25}, {8, 16}}, Shade(ramp, 8));
  c.Polygon({{8, 8}, {16, 8}, {16, 25}, {8, 16}}, Shade(ramp, 10));
  c.Fill(15, 9, 2, 14, Shade(RAMP_GOLD, 11));
  c.Fill(10, 13, 12, 2, Shade(RAMP_GOLD, 11));
}

void Ring(cCanvas& c, int ramp) {
  c.Ellipse(16, 19, 10, 9, Shade(RAMP_GOLD, 9));
  c.Ellipse(16, 19, 7, 6, 0);
  c.Ring(16, 19, 10, 1, Shade(RAMP_GOLD, 12));
  c.Polygon({{10, 8}, {13, 4}, {19, 4}, {22, 8}, {16, 13}}, Shade(ramp, 10));
  c.Polygon({{13, 4}, {19, 4}, {16, 8}}, Shade(ramp, 13));
  c.Set(14, 5, COL_WHITE);
}

void Crown(cCanvas& c, int ramp, int jewel) {
  c.Polygon({{4, 26}, {4, 9}, {10, 16}, {16, 6}, {22, 16}, {28, 9}, {28, 26}}, Shade(ramp, 10));
  c.Fill(4, 21, 25, 5, Shade(ramp, 8));
  c.HLine(4, 28, 21, Shade(ramp, 13));
  c.Disc(4.5, 8, 2, Shade(jewel, 12));
  c.Disc(16.5, 5, 2, Shade(jewel, 12));
  c.Disc(28.5, 8, 2, Shade(jewel, 12));
  c.Disc(10.5, 23.5, 1.6, Shade(jewel, 10));
  c.Disc(16.5, 23.5, 1.6, Shade(RAMP_GREY, 15));
  c.Disc(22.5, 23.5, 1.6, Shade(jewel, 10));
}

void Bomb(cCanvas& c, int ramp) {
  c.Ball(15, 19, 10, 10, ramp, 5);
  c.Fill(18, 6, 6, 5, Shade(RAMP_STONE, 8));
  c.Line(23, 6, 26, 2, Shade(RAMP_BROWN, 9));
  c.Polygon(StarPoints(27, 3, 3.5, 1.5, 4, 0), Shade(RAMP_GOLD, 13));
  c.Set(27, 3, COL_WHITE);
}

void Orb(cCanvas& c, int ramp) {
  c.Ball(16, 14, 10, 10, ramp, 9);
  c.Ring(16, 14, 10, 1, Shade(ramp, 12));
  c.Polygon({{7, 29}, {10, 22}, {22, 22}, {25, 29}}, Shade(RAMP_BROWN, 8));
  c.HLine(8, 24, 28, Shade(RAMP_BROWN, 5));
  c.Disc(12, 10, 2.5, Shade(ramp, 15));
}

void Chest(cCanvas& c, int ramp) {
  c.Fill(3, 14, 26, 14, Shade(RAMP_BROWN, 8));
  c.Ball(16, 14, 13, 8, RAMP_BROWN, 9, false);
  c.Fill(3, 14, 26, 1, Shade(RAMP_BROWN, 5));
  c.Fill(3, 14, 26, 14, Shade(RAMP_BROWN, 8));
  c.HLine(3, 28, 15, Shade(RAMP_BROWN, 11));
  c.Fill(3, 6, 3, 22, Shade(ramp, 10));
  c.Fill(26, 6, 3, 22, Shade(ramp, 7));
  c.Fill(3, 13, 26, 2, Shade(ramp, 9));
  c.Fill(13, 13, 6, 7, Shade(ramp, 11));
  c.Fill(15, 16, 2, 2, COL_BLACK);
}

// A four-pointed glint for the second frame.
void Glint(cCanvas& c, int x, int y, int r) {
  c.HLine(x - r, x + r, y, COL_WHITE);
  c.VLine(x, y - r, y + r, COL_WHITE);
  if (r > 1) {
    c.Set(x - 1, y - 1, Shade(RAMP_GOLD, 14));
    c.Set(x + 1, y + 1, Shade(RAMP_GOLD, 14));
  }
}

// Shifts a picture up by one dot (the gentle bob of the second frame).
cCanvas Lifted(const cCanvas& src) {
  cCanvas out(src.Width(), src.Height());
  out.Paste(src, 0, -1);
  return out;
}

// ---------------------------------------------------------------- shots

void PaintShot(cCanvas& c, int motif, int ramp, int frame) {
  const double cx = 8, cy = 8;
  switch (motif) {
    case 0:  // fireball with a trailing tail
      c.Ellipse(cx + 3, cy, 5, 3.5 - frame, Shade(ramp, 8));
      c.Ellipse(cx + 5, cy + (frame ? 1 : -1), 3, 1.5, Shade(ramp, 10));
      c.Ball(cx - 1.5, cy, 4.5, 4.5, ramp, 11);
      c.Disc(cx - 2.5, cy - 0.5, 2, Shade(RAMP_GOLD, 14));
      break;
    case 1:  // energy ball
      c.Disc(cx, cy, 6 - frame, Shade(ramp, 7));
      c.Disc(cx, cy, 4.5 - frame, Shade(ramp, 11));
      c.Disc(cx - 0.5, cy - 0.5, 2.2, Shade(ramp, 15));
      break;
    case 2:  // arrow
      c.HLine(3, 14, 8, Shade(RAMP_BROWN, 9));
      c.HLine(3, 14, 7, Shade(RAMP_BROWN, 11));
      c.Polygon({{0, 7.5}, {5, 4}, {5, 11}}, Shade(RAMP_STONE, 12));
      c.Polygon({{12, 7.5}, {16, 4 + frame}, {15, 7.5}, {16, 11 - frame}}, Shade(ramp, 10));
      break;
    case 3:  // bullet
      c.RoundRect(3, 5, 10, 6, 3, Shade(ramp, 9));
      c.Fill(8, 5, 5, 6, Shade(ramp, 7));
      c.HLine(4, 10, 6, Shade(ramp, 13));
      if (frame) c.HLine(13, 15, 8, Shade(RAMP_GOLD, 13));
      break;
    case 4:  // spinning star
      c.Polygon(StarPoints(cx, cy, 7, 3, 5, frame * kPi / 5), Shade(ramp, 11));
      c.Disc(cx, cy, 1.5, Shade(ramp, 14));
      break;
    case 5:  // throwing star
      c.Polygon(StarPoints(cx, cy, 7.5, 2, 4, frame * kPi / 4), Shade(RAMP_STONE, 11));
      c.Disc(cx, cy, 1.6, Shade(ramp, 6));
      break;
    case 6:  // bubble
      c.Disc(cx, cy, 6 - frame * 0.5, Shade(ramp, 13));
      c.Disc(cx + 0.5, cy + 0.5, 4.5 - frame * 0.5, Shade(ramp, 11));
      c.Set(5, 5, COL_WHITE);
      c.Set(6, 4, COL_WHITE);
      break;
    case 7:  // beam
      c.Fill(0, 5, 16, 6, Shade(ramp, 8));
      c.Fill(0, 6 + frame, 16, 3 - frame, Shade(ramp, 13));
      c.HLine(0, 15, 7, Shade(ramp, 15));
      break;
    case 8:  // rock
      c.Polygon({{2, 9}, {5, 3}, {11, 2}, {14, 7}, {12, 13}, {5, 14}}, Shade(RAMP_BROWN, 8));
      c.Polygon({{5, 3}, {11, 2}, {8, 7}}, Shade(RAMP_BROWN, 11));
      c.Set(10 - frame * 4, 10, Shade(RAMP_BROWN, 5));
      break;
    case 9:  // leaf
      c.Ellipse(cx, cy, 7, 3.5 + frame * 0.8, Shade(ramp, 9));
      c.Line(2, 8, 14, 8, Shade(ramp, 6));
      c.HLine(4, 10, 6, Shade(ramp, 12));
      break;
    case 10:  // ice shard
      c.Polygon({{0, 8}, {6, 4}, {16, 6 + frame}, {16, 10 - frame}, {6, 12}}, Shade(RAMP_CYAN, 12));
      c.Line(2, 8, 14, 7, COL_WHITE);
      break;
    case 11:  // bolt
      c.Polygon({{1, 8}, {7, 2}, {8, 6}, {15, 4}, {9, 14}, {8, 10}}, Shade(ramp, 12));
      c.Line(4, 8, 7, 5, COL_WHITE);
      if (frame) c.Set(12, 6, COL_WHITE);
      break;
    case 12:  // boomerang
      if (frame) {
        c.ThickLine(3, 3, 8, 12, 3, Shade(ramp, 9));
        c.ThickLine(8, 12, 13, 3, 3, Shade(ramp, 8));
      } else {
        c.ThickLine(3, 12, 12, 7, 3, Shade(ramp, 9));
        c.ThickLine(3, 3, 3, 12, 3, Shade(ramp, 8));
      }
      break;
    case 13:  // music note
      c.Disc(5, 12, 3, Shade(ramp, 9));
      c.VLine(7, 2, 12, Shade(ramp, 9));
      c.VLine(8, 2, 11, Shade(ramp, 9));
      c.Line(8, 2, 12, 5 + frame, Shade(ramp, 9));
      c.Line(8, 3, 11, 6 + frame, Shade(ramp, 9));
      break;
    default:  // ring wave
      c.Ring(cx + 2, cy, 7 - frame, 2, Shade(ramp, 11));
      c.Fill(10, 0, 6, 16, 0);
      break;
  }
}

}  // namespace

uint8_t PaintItem(cCanvas& c, int nMotif, int nVariant) {
  int ramp = kVariantRamps[nVariant % ITEM_VARIANTS];
  switch (nMotif) {
    case 0: Star(c, ramp); return Shade(ramp, 2);
    case 1: {
      static const int metals[ITEM_VARIANTS] = {RAMP_GOLD, RAMP_STONE, RAMP_ORANGE, RAMP_RED,
                                                RAMP_GREEN, RAMP_BLUE, RAMP_PURPLE, RAMP_CYAN};
      Coin(c, metals[nVariant % ITEM_VARIANTS], 1.0);
      return Shade(metals[nVariant % ITEM_VARIANTS], 2);
    }
    case 2: {
      static const int gems[ITEM_VARIANTS] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_GOLD,
                                              RAMP_PURPLE, RAMP_CYAN, RAMP_PINK, RAMP_ORANGE};
      Gem(c, gems[nVariant % ITEM_VARIANTS]);
      return Shade(gems[nVariant % ITEM_VARIANTS], 1);
    }
    case 3: {
      static const int hearts[ITEM_VARIANTS] = {RAMP_RED, RAMP_PINK, RAMP_GOLD, RAMP_BLUE,
                                                RAMP_GREEN, RAMP_PURPLE, RAMP_ORANGE, RAMP_CYAN};
      Heart(c, hearts[nVariant % ITEM_VARIANTS]);
      return INK_RED;
    }
    case 4: Key(c, ramp); return Shade(ramp, 2);
    case 5: {
      static const int potions[ITEM_VARIANTS] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE,
                                                 RAMP_GOLD, RAMP_PINK, RAMP_ORANGE, RAMP_CYAN};
      Potion(c, potions[nVariant % ITEM_VARIANTS]);
      return INK_BLUE;
    }
    case 6: Fruit(c, nVariant); return INK_BROWN;
    case 7: {
      static const int caps[ITEM_VARIANTS] = {RAMP_RED, RAMP_GREEN, RAMP_BLUE, RAMP_PURPLE,
                                              RAMP_GOLD, RAMP_ORANGE, RAMP_PINK, RAMP_CYAN};
      Mushroom(c, caps[nVariant % ITEM_VARIANTS]);
      return INK_BROWN;
    }
    case 8: Sword(c, ramp); return INK_GREY;
    case 9: {
      static const int shields[ITEM_VARIANTS] = {RAMP_BLUE, RAMP_RED, RAMP_GREEN, RAMP_GOLD,
                                                 RAMP_PURPLE, RAMP_STONE, RAMP_CYAN, RAMP_ORANGE};
      Shield(c, shields[nVariant % ITEM_VARIANTS]);
      return INK_GREY;
    }
    case 10: {
      static const int stones[ITEM_VARIANTS] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE,
                                                RAMP_CYAN, RAMP_PINK, RAMP_ORANGE, RAMP_GREY};
      Ring(c, stones[nVariant % ITEM_VARIANTS]);
      return INK_BROWN;
    }
    case 11: {
      static const int jewels[ITEM_VARIANTS] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE,
                                                RAMP_CYAN, RAMP_PINK, RAMP_ORANGE, RAMP_RED};
      Crown(c, nVariant == 1 || nVariant == 6 ? RAMP_STONE : RAMP_GOLD, jewels[nVariant % ITEM_VARIANTS]);
      return INK_BROWN;
    }
    case 12: {
      static const int bombs[ITEM_VARIANTS] = {RAMP_STONE, RAMP_GREY, RAMP_RED, RAMP_BLUE,
                                               RAMP_GREEN, RAMP_PURPLE, RAMP_PINK, RAMP_CYAN};
      Bomb(c, bombs[nVariant % ITEM_VARIANTS]);
      return COL_BLACK;
    }
    case 13: {
      static const int orbs[ITEM_VARIANTS] = {RAMP_CYAN, RAMP_PURPLE, RAMP_RED, RAMP_GREEN,
                                              RAMP_BLUE, RAMP_GOLD, RAMP_PINK, RAMP_ORANGE};
      Orb(c, orbs[nVariant % ITEM_VARIANTS]);
      return INK_BLUE;
    }
    default: Chest(c, ramp); return INK_BROWN;
  }
}

cCanvas MakeItemSheet() {
  cCanvas sheet(512, 480);
  for (int n = 0; n < 120; ++n) {
    int col = n / 15, row = n % 15;
    cCanvas a(32, 32), b(32, 32);
    if (n == 0) {
      a.DottedFrame(INK_GREY);
      b.DottedFrame(INK_GREY);
    } else {
      uint8_t ink = PaintItem(a, row, col);
      if (row == 1) {  // a coin turns
        static const int metals[ITEM_VARIANTS] = {RAMP_GOLD, RAMP_STONE, RAMP_ORANGE, RAMP_RED,
                                                  RAMP_GREEN, RAMP_BLUE, RAMP_PURPLE, RAMP_CYAN};
        Coin(b, metals[col], 0.45);
      } else {
        PaintItem(b, row, col);
      }
      a.Outline(ink);
      b.Outline(ink);
      b = Lifted(b);
      Glint(b, 26, 6, 2);
    }
    sheet.Paste(a, col * 64, row * 32);
    sheet.Paste(b, col * 64 + 32, row * 32);
  }
  return sheet;
}

cCanvas MakeMiniItemSheet() {
  cCanvas sheet(256, 240);
  for (int n = 0; n < 120; ++n) {
    int col = n / 15, row = n % 15;
    cCanvas a(16, 16), b(16, 16);
    if (n == 0) {
      a.DottedFrame(INK_GREY);
      b.DottedFrame(INK_GREY);
    } else {
      cCanvas big(32, 32);
      uint8_t ink = PaintItem(big, row, col);
      a = big.Half();
      a.Outline(ink);
      b = Lifted(a);
      Glint(b, 13, 2, 1);
    }
    sheet.Paste(a, col * 32, row * 16);
    sheet.Paste(b, col * 32 + 16, row * 16);
  }
  return sheet;
}

cCanvas MakeShotSheet() {
  static const int kShotRamps[4] = {RAMP_ORANGE, RAMP_CYAN, RAMP_GREEN, RAMP_PURPLE};
  static const int kAltRamps[4] = {RAMP_RED, RAMP_BLUE, RAMP_GOLD, RAMP_PINK};
  cCanvas sheet(128, 480);
  for (int n = 0; n < 120; ++n) {
    int col = n / 30, row = n % 30;
    int motif = row % 15;
    int ramp = row < 15 ? kShotRamps[col] : kAltRamps[col];
    for (int f = 0; f < 2; ++f) {
      cCanvas cell(16, 16);
      if (n == 0) {
        cell.DottedFrame(INK_GREY);
      } else {
        PaintShot(cell, motif, ramp, f);
        cell.Outline(motif == 6 ? Shade(ramp, 4) : Shade(ramp, 2));
      }
      sheet.Paste(cell, col * 32 + f * 16, row * 16);
    }
  }
  return sheet;
}
