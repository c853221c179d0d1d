// Marks (small badges the editor draws over a cell), the text symbols "a" to "z", the
// accessories, and the little dot font they use.
#include <cmath>
#include <cstring>
#include <string>

#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

struct cGlyph {
  char ch;
  const char* rows[7];
};

const cGlyph kFont[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'?', {" ### ", "#   #", "    #", "   # ", "  #  ", "     ", "  #  "}},
    {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
    {'+', {"     ", "  #  ", "  #  ", "#####", "  #  ", "  #  ", "     "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
};

// An arrow of the given length through (cx, cy); direction 0 left, 1 up, 2 right, 3 down,
// 4 up-left, 5 up-right, 6 down-right, 7 down-left.
void Arrow(cCanvas& c, double cx, double cy, double r, int dir, uint8_t col) {
  static const double angles[8] = {180, -90, 0, 90, -135, -45, 45, 135};
  double a = angles[dir] * kPi / 180, ca = std::cos(a), sa = std::sin(a);
  const double shape[7][2] = {{-1, -0.28}, {0.05, -0.28}, {0.05, -0.8}, {1, 0},
                              {0.05, 0.8}, {0.05, 0.28}, {-1, 0.28}};
  cPoints pts;
  for (auto& p : shape) pts.push_back({cx + r * (p[0] * ca - p[1] * sa), cy + r * (p[0] * sa + p[1] * ca)});
  c.Polygon(pts, col);
}

// The simple shapes shared by marks and symbols, drawn into a square of side s at (x, y).
void Shape(cCanvas& c, int kind, double x, double y, double s, int ramp) {
  double cx = x + s / 2, cy = y + s / 2, r = s / 2 - 1;
  uint8_t fill = Shade(ramp, 10), light = Shade(ramp, 13);
  switch (kind) {
    case 0:  // circle
      c.Ring(cx, cy, r, std::max(2.0, s / 6), fill);
      break;
    case 1:  // cross
      c.ThickLine(int(x + 2), int(y + 2), int(x + s - 3), int(y + s - 3), int(std::max(2.0, s / 6)), fill);
      c.ThickLine(int(x + s - 3), int(y + 2), int(x + 2), int(y + s - 3), int(std::max(2.0, s / 6)), fill);
      break;
    case 2:  // triangle
      c.Polygon({{cx, y + 1}, {x + s - 1, y + s - 1}, {x + 1, y + s - 1}}, fill);
      c.Polygon({{cx, y + 1 + s * 0.35}, {x + s * 0.72, y + s - 1 - s * 0.12}, {x + s * 0.28, y + s - 1 - s * 0.12}}, 0);
      break;
    case 3:  // square
      c.Fill(int(x + 1), int(y + 1), int(s - 2), int(s - 2), fill);
      c.Fill(int(x + 1 + s / 5), int(y + 1 + s / 5), int(s - 2 - 2 * s / 5), int(s - 2 - 2 * s / 5), 0);
      break;
    case 4: {  // star
      cPoints pts;
      for (int k = 0; k < 10; ++k) {
        double a = k * kPi / 5 - kPi / 2, rr = (k % 2) ? r * 0.45 : r;
        pts.push_back({cx + rr * std::cos(a), cy + 0.5 + rr * std::sin(a)});
      }
      c.Polygon(pts, fill);
      c.Set(int(cx - 1), int(cy - 1), light);
      break;
    }
    case 5:  // heart
      c.Disc(cx - r * 0.45, cy - r * 0.25, r * 0.55, fill);
      c.Disc(cx + r * 0.45, cy - r * 0.25, r * 0.55, fill);
      c.Polygon({{cx - r * 0.98, cy}, {cx + r * 0.98, cy}, {cx, cy + r}}, fill);
      c.Set(int(cx - r * 0.5), int(cy - r * 0.4), light);
      break;
    case 6:  // diamond
      c.Polygon({{cx, y + 1}, {x + s - 1, cy}, {cx, y + s - 1}, {x + 1, cy}}, fill);
      c.Polygon({{cx, y + 1}, {cx, cy}, {x + 1, cy}}, light);
      break;
    case 7:  // flag
      c.VLine(int(x + 2), int(y + 1), int(y + s - 1), Shade(RAMP_BROWN, 8));
      c.Polygon({{x + 3, y + 1}, {x + s - 1, y + s * 0.3}, {x + 3, y + s * 0.6}}, fill);
      break;
    case 8:  // music note
      c.Disc(x + s * 0.35, y + s * 0.75, s * 0.2, fill);
      c.Fill(int(x + s * 0.5), int(y + 1), std::max(1, int(s / 10)), int(s * 0.72), fill);
      c.ThickLine(int(x + s * 0.5), int(y + 1), int(x + s * 0.85), int(y + s * 0.3), 2, fill);
      break;
    case 9:  // smiling face
      c.Disc(cx, cy, r, fill);
      c.Fill(int(cx - r * 0.45), int(cy - r * 0.35), 1 + int(s / 16), 1 + int(s / 8), COL_BLACK);
      c.Fill(int(cx + r * 0.25), int(cy - r * 0.35), 1 + int(s / 16), 1 + int(s / 8), COL_BLACK);
      c.HLine(int(cx - r * 0.4), int(cx + r * 0.4), int(cy + r * 0.45), COL_BLACK);
      break;
    default:  // clock
      c.Disc(cx, cy, r, Shade(RAMP_GREY, 15));
      c.Ring(cx, cy, r, std::max(1.0, s / 8), fill);
      c.VLine(int(cx), int(cy - r * 0.6), int(cy), COL_BLACK);
      c.HLine(int(cx), int(cx + r * 0.5), int(cy), COL_BLACK);
      break;
  }
}

// A rounded badge with white text in the upper left corner of a cell.
void Badge(cCanvas& c, const std::string& str, int ramp) {
  int w = int(str.size()) * 6 + 3;
  c.RoundRect(1, 1, w, 11, 2, Shade(ramp, 8));
  c.HLine(3, w - 2, 2, Shade(ramp, 11));
  DrawText5x7(c, 3, 3, str.c_str(), COL_WHITE);
}

void Hat(cCanvas& c, int ramp) {
  c.Ellipse(16, 24, 13, 3.5, Shade(ramp, 7));
  c.Polygon({{7, 24}, {25, 24}, {19, 3}, {14, 5}}, Shade(ramp, 9));
  c.Polygon({{7, 24}, {13, 24}, {15, 5}, {14, 5}}, Shade(ramp, 11));
  c.Fill(8, 20, 16, 3, Shade(RAMP_GOLD, 11));
  c.Disc(19, 3, 2.5, Shade(RAMP_GOLD, 13));
}

void Bow(cCanvas& c, int ramp) {
  c.Polygon({{16, 15}, {4, 7}, {3, 22}}, Shade(ramp, 9));
  c.Polygon({{16, 15}, {28, 7}, {29, 22}}, Shade(ramp, 8));
  c.Polygon({{14, 17}, {9, 28}, {13, 27}, {16, 19}}, Shade(ramp, 7));
  c.Polygon({{18, 17}, {23, 28}, {19, 27}, {16, 19}}, Shade(ramp, 6));
  c.Line(5, 9, 13, 14, Shade(ramp, 12));
  c.Disc(16, 15, 3.5, Shade(ramp, 11));
}

void Glasses(cCanvas& c, int ramp) {
  c.Disc(9, 16, 6, Shade(ramp, 8));
  c.Disc(23, 16, 6, Shade(ramp, 8));
  c.Disc(9, 16, 4.5, Shade(RAMP_CYAN, 13));
  c.Disc(23, 16, 4.5, Shade(RAMP_CYAN, 13));
  c.Set(7, 14, COL_WHITE);
  c.Set(21, 14, COL_WHITE);
  c.HLine(14, 17, 14, Shade(ramp, 8));
  c.HLine(0, 3, 14, Shade(ramp, 8));
  c.HLine(28, 31, 14, Shade(ramp, 8));
}

void Wings(cCanvas& c, int ramp) {
  for (int side = -1; side <= 1; side += 2) {
    double bx = 16 + side * 2;
    for (int k = 0; k < 3; ++k)
      c.Ellipse(bx + side * (6 + k * 2), 12 + k * 4, 7 - k, 3, Shade(ramp, 13 - k * 2));
  }
  c.Ring(16, 5, 5, 1.5, Shade(RAMP_GOLD, 13));
}

}  // namespace

const char* const* Glyph5x7(char ch) {
  for (const cGlyph& g : kFont)
    if (g.ch == ch) return g.rows;
  return nullptr;
}

void DrawText5x7(cCanvas& c, int x, int y, const char* psz, uint8_t col, int nScale) {
  for (; *psz; ++psz, x += 6 * nScale) {
    const char* const* rows = Glyph5x7(*psz);
    if (!rows) continue;
    for (int j = 0; j < 7; ++j)
      for (int i = 0; i < 5; ++i)
        if (rows[j][i] == '#') c.Fill(x + i * nScale, y + j * nScale, nScale, nScale, col);
  }
}

cCanvas MakeMarkSheet() {
  static const int kBadgeRamps[5] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE, RAMP_ORANGE};
  cCanvas sheet(256, 480);
  for (int n = 0; n < 120; ++n) {
    cCanvas cell(32, 32);
    if (n == 0) {
      cell.DottedFrame(INK_GREY);
    } else if (n <= 8) {
      Arrow(cell, 10.5, 10.5, 8.5, n - 1, Shade(RAMP_GOLD, 12));
      cell.Outline(COL_BLACK);
    } else if (n <= 14) {
      static const int kinds[6] = {0, 1, 2, 3, 4, -1};
      static const int ramps[6] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE, RAMP_GOLD, RAMP_RED};
      if (kinds[n - 9] < 0) Badge(cell, "!", RAMP_RED);
      else Shape(cell, kinds[n - 9], 1, 1, 19, ramps[n - 9]);
      cell.Outline(COL_BLACK);
    } else if (n <= 41) {
      std::string s(1, n == 15 ? '?' : char('A' + n - 16));
      Badge(cell, s, RAMP_BLUE);
      cell.Outline(COL_BLACK);
    } else if (n <= 44) {
      static const int kinds[3] = {5, 6, 7};
      static const int ramps[3] = {RAMP_RED, RAMP_CYAN, RAMP_RED};
      Shape(cell, kinds[n - 42], 1, 1, 19, ramps[n - 42]);
      cell.Outline(COL_BLACK);
    } else {
      int number = n - 44;
      Badge(cell, std::to_string(number), kBadgeRamps[(n / 15 - 3) % 5]);
      cell.Outline(COL_BLACK);
    }
    sheet.Paste(cell, (n / 15) * 32, (n % 15) * 32);
  }
  return sheet;
}

cCanvas MakeSymbolSheet() {
  // "a" to "o": items at half size; "p" to "z": arrows and shapes.
  static const int itemMotif[15] = {3, 0, 1, 2, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 6};
  static const int itemVariant[15] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  cCanvas sheet(416, 16);
  for (int k = 0; k < 26; ++k) {
    cCanvas cell(16, 16);
    if (k < 15) {
      cCanvas big(32, 32);
      uint8_t ink = PaintItem(big, itemMotif[k], itemVariant[k]);
      cell = big.Half();
      cell.Outline(ink);
    } else if (k < 19) {
      static const int dirs[4] = {1, 3, 0, 2};
      Arrow(cell, 8, 8, 6.5, dirs[k - 15], Shade(RAMP_GOLD, 12));
      cell.Outline(COL_BLACK);
    } else {
      static const int kinds[7] = {0, 1, 2, 3, 8, 9, 10};
      static const int ramps[7] = {RAMP_RED, RAMP_BLUE, RAMP_GREEN, RAMP_PURPLE, RAMP_PINK, RAMP_GOLD, RAMP_STONE};
      Shape(cell, kinds[k - 19], 1, 1, 14, ramps[k - 19]);
      cell.Outline(COL_BLACK);
    }
    sheet.Paste(cell, k * 16, 0);
  }
  return sheet;
}

cCanvas MakeAccessorySheet() {
  static const int ramps[8] = {RAMP_PURPLE, RAMP_RED, RAMP_BLUE, RAMP_GREEN,
                               RAMP_GOLD, RAMP_PINK, RAMP_CYAN, RAMP_STONE};
  cCanvas sheet(256, 128);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 8; ++col) {
      cCanvas cell(32, 32);
      int ramp = ramps[col];
      switch (row) {
        case 0: Hat(cell, ramp); break;
        case 1: Bow(cell, ramp); break;
        case 2: Glasses(cell, ramp); break;
        default: Wings(cell, ramp); break;
      }
      cell.Outline(COL_BLACK);
      sheet.Paste(cell, col * 32, row * 32);
    }
  return sheet;
}
