// The editor's toolbar strips: 16 x 15 images side by side on the button face.
#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

const cToolStrip kStrips[] = {
    {"ToolBar_Palette.bmp", 3},       // block, character and item palette
    {"ToolBar_TestPlay.bmp", 2},      // test play of the stage, of the whole game
    {"ToolBar_Pen.bmp", 5},           // pen, line, rectangle, fill, parameter edit
    {"ToolBar_PltEdit.bmp", 2},       // right click edits the entry, right click opens the menu
    {"ToolBar_WorldPalette.bmp", 2},  // map chip palette, event palette
};

const uint8_t K = COL_BLACK;

void BlockIcon(cCanvas& c) {
  c.Fill(1, 1, 14, 13, Shade(RAMP_RED, 8));
  for (int y = 1; y < 14; y += 4) c.HLine(1, 14, y + 3, Shade(RAMP_GREY, 12));
  for (int r = 0; r < 4; ++r)
    for (int x = (r % 2) ? 4 : 8; x < 15; x += 8) c.VLine(x, 1 + r * 4, 3 + r * 4, Shade(RAMP_GREY, 12));
  c.Frame(0, 0, 16, 15, K);
}

void CharaIcon(cCanvas& c) {
  c.Disc(8, 5, 4, Shade(RAMP_SKIN, 10));
  c.Ellipse(8.5, 3, 4.5, 2.5, Shade(RAMP_BROWN, 7));
  c.Set(6, 5, K);
  c.Set(9, 5, K);
  c.Fill(4, 9, 8, 4, Shade(RAMP_BLUE, 9));
  c.Fill(5, 13, 2, 2, Shade(RAMP_BROWN, 5));
  c.Fill(9, 13, 2, 2, Shade(RAMP_BROWN, 5));
  c.Outline(K);
}

void ItemIcon(cCanvas& c) {
  c.Ellipse(8, 7.5, 6, 6.5, Shade(RAMP_GOLD, 10));
  c.Ellipse(8, 7.5, 4, 4.5, Shade(RAMP_GOLD, 8));
  c.VLine(8, 5, 10, Shade(RAMP_GOLD, 13));
  c.Set(5, 3, COL_WHITE);
  c.Outline(K);
}

void PlayIcon(cCanvas& c, bool bAll) {
  if (bAll) {
    c.Polygon({{2, 2}, {9, 7.5}, {2, 13}}, Shade(RAMP_GREEN, 9));
    c.Polygon({{8, 2}, {15, 7.5}, {8, 13}}, Shade(RAMP_GREEN, 11));
  } else {
    c.Polygon({{4, 1}, {14, 7.5}, {4, 14}}, Shade(RAMP_GREEN, 10));
    c.Line(5, 3, 5, 11, Shade(RAMP_GREEN, 13));
  }
  c.Outline(K);
}

void PenIcon(cCanvas& c) {
  c.ThickLine(4, 11, 12, 3, 3, Shade(RAMP_GOLD, 11));
  c.ThickLine(11, 4, 13, 2, 3, Shade(RAMP_PINK, 10));
  c.Polygon({{1, 14}, {2, 10}, {5, 13}}, Shade(RAMP_SKIN, 12));
  c.Set(1, 14, K);
  c.Outline(K);
}

void LineIcon(cCanvas& c) {
  c.ThickLine(2, 12, 13, 2, 2, Shade(RAMP_BLUE, 8));
  c.Fill(1, 11, 3, 3, K);
  c.Fill(12, 1, 3, 3, K);
}

void RectIcon(cCanvas& c) {
  c.Frame(1, 2, 14, 11, Shade(RAMP_BLUE, 8));
  c.Frame(2, 3, 12, 9, Shade(RAMP_BLUE, 8));
}

void FillIcon(cCanvas& c) {
  c.Polygon({{2, 6}, {8, 1}, {14, 7}, {8, 13}}, Shade(RAMP_STONE, 12));
  c.Polygon({{2, 6}, {14, 7}, {8, 13}}, Shade(RAMP_BLUE, 9));
  c.Outline(K);
  c.Fill(13, 9, 2, 5, Shade(RAMP_BLUE, 9));
  c.Set(13, 13, K);
  c.Set(14, 13, K);
}

void ParamIcon(cCanvas& c) {
  c.Fill(2, 1, 11, 13, COL_WHITE);
  for (int y = 3; y < 13; y += 3) c.HLine(4, 10, y, Shade(RAMP_GREY, 8));
  c.Frame(2, 1, 11, 13, K);
  c.ThickLine(8, 12, 13, 6, 2, Shade(RAMP_GOLD, 10));
  c.Set(7, 13, K);
}

void MouseIcon(cCanvas& c, bool bMenu) {
  c.RoundRect(1, 2, 8, 12, 3, COL_WHITE);
  c.Fill(5, 2, 3, 5, Shade(RAMP_RED, 10));
  c.VLine(4, 2, 6, Shade(RAMP_GREY, 8));
  c.HLine(2, 7, 7, Shade(RAMP_GREY, 8));
  c.Outline(K);
  if (bMenu) {
    c.Fill(10, 4, 6, 10, COL_WHITE);
    c.Frame(10, 4, 6, 10, K);
    for (int y = 6; y < 13; y += 2) c.HLine(11, 14, y, Shade(RAMP_BLUE, 8));
  } else {
    c.ThickLine(10, 13, 14, 6, 2, Shade(RAMP_GOLD, 10));
    c.Set(10, 14, K);
    c.Set(14, 5, Shade(RAMP_PINK, 9));
  }
}

void ChipsIcon(cCanvas& c) {
  const int ramps[4] = {RAMP_GREEN, RAMP_BLUE, RAMP_GOLD, RAMP_BROWN};
  for (int k = 0; k < 4; ++k) c.Fill(1 + (k % 2) * 7, 1 + (k / 2) * 7, 7, 6, Shade(ramps[k], 9));
  c.Frame(0, 0, 16, 14, K);
  c.HLine(0, 15, 7, K);
  c.VLine(8, 0, 13, K);
}

void EventIcon(cCanvas& c) {
  c.VLine(4, 1, 14, Shade(RAMP_BROWN, 6));
  c.VLine(5, 1, 14, Shade(RAMP_BROWN, 8));
  c.Polygon({{6, 1}, {15, 4.5}, {6, 8}}, Shade(RAMP_RED, 10));
  c.Outline(K);
}

}  // namespace

const cToolStrip* ToolStrips(int* pnCount) {
  *pnCount = int(sizeof kStrips / sizeof kStrips[0]);
  return kStrips;
}

cCanvas MakeToolStrip(int nStrip) {
  int n = kStrips[nStrip].nImages;
  cCanvas strip(16 * n, 15);
  for (int k = 0; k < n; ++k) {
    cCanvas c(16, 15);
    switch (nStrip * 10 + k) {
      case 0: BlockIcon(c); break;
      case 1: CharaIcon(c); break;
      case 2: ItemIcon(c); break;
      case 10: PlayIcon(c, false); break;
      case 11: PlayIcon(c, true); break;
      case 20: PenIcon(c); break;
      case 21: LineIcon(c); break;
      case 22: RectIcon(c); break;
      case 23: FillIcon(c); break;
      case 24: ParamIcon(c); break;
      case 30: MouseIcon(c, false); break;
      case 31: MouseIcon(c, true); break;
      case 40: ChipsIcon(c); break;
      default: EventIcon(c); break;
    }
    strip.Paste(c, k * 16, 0);
  }
  return strip;
}
