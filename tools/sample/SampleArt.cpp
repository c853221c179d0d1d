#include "SampleArt.h"

#include <windows.h>

#include <cmath>
#include <functional>

#include "ArtFiles.h"
#include "ArtPalette.h"
#include "ArtSheets.h"

namespace {

struct cArtFile {
  std::string strPath;  // relative to the project folder
  std::function<cBytes()> make;
};

cBytes Bmp8(const cCanvas& c) {
  return MakeBmp8(c.Width(), c.Height(), c.Pixels(), MakeProjectPalette());
}

// Toolbar pictures are 24-bit so the button face is exactly the system's light grey.
cBytes ToolBmp(const cCanvas& c) {
  std::vector<uint8_t> bgr;
  bgr.reserve(c.Pixels().size() * 3);
  for (uint8_t v : c.Pixels()) {
    uint8_t r = 192, g = 192, b = 192;
    if (v) PaletteRgb(v, r, g, b);
    bgr.push_back(b);
    bgr.push_back(g);
    bgr.push_back(r);
  }
  return MakeBmp24(c.Width(), c.Height(), bgr);
}

// A little two-note chime: bell partials with an exponential decay.
cBytes Chime() {
  const int rate = 22050;
  const double notes[2][2] = {{0.0, 1318.5}, {0.11, 1975.5}};  // E6, then B6
  std::vector<int16_t> v(size_t(rate * 0.9));
  for (size_t i = 0; i < v.size(); ++i) {
    double t = double(i) / rate, s = 0;
    for (auto& n : notes) {
      double u = t - n[0];
      if (u < 0) continue;
      double env = std::exp(-u * 5.5) * std::min(1.0, u * 400);
      s += env * (std::sin(2 * kPi * n[1] * u) + 0.35 * std::sin(2 * kPi * n[1] * 2.76 * u) +
                  0.15 * std::sin(2 * kPi * n[1] * 5.4 * u));
    }
    v[i] = int16_t(std::lround(s * 0.32 * 32767 / 1.5));
  }
  return MakeWave(rate, v);
}

// A short cheerful phrase on the glockenspiel at 132 beats a minute.
cBytes Tune() {
  const uint16_t q = 480;
  const uint8_t keys[] = {72, 76, 79, 84, 83, 79, 81, 77, 76, 74, 72};
  const uint16_t lens[] = {1, 1, 1, 2, 1, 1, 2, 1, 1, 1, 3};
  std::vector<cMidiNote> v;
  uint32_t t = 0;
  for (size_t i = 0; i < sizeof keys; ++i) {
    uint32_t len = lens[i] * q / 2;
    v.push_back({t, len - 20, keys[i], uint8_t(i % 4 == 0 ? 100 : 84)});
    t += len;
  }
  v.push_back({0, q * 3, 48, 70});
  v.push_back({q * 3, q * 3, 53, 70});
  v.push_back({q * 6, q * 2, 48, 70});
  return MakeMidi0(q, 454545, 9, v);
}

std::vector<cArtFile> ArtFiles() {
  std::vector<cArtFile> v;
  v.push_back({"bmp\\plt\\Palette.bmp", [] { return Bmp8(MakePaletteImage()); }});
  v.push_back({"bmp\\plt\\Palette2.bmp", [] { return Bmp8(MakePaletteImage()); }});
  v.push_back({"bmp\\Block.bmp", [] { return Bmp8(MakeBlockSheet()); }});
  for (int k = 0; k < 8; ++k)
    v.push_back({"bmp\\Character" + std::to_string(k + 1) + ".bmp",
                 [k] { return Bmp8(MakeCharacterSheet(k)); }});
  v.push_back({"bmp\\Item.bmp", [] { return Bmp8(MakeItemSheet()); }});
  v.push_back({"bmp\\Item_Mini.bmp", [] { return Bmp8(MakeMiniItemSheet()); }});
  v.push_back({"bmp\\Shot.bmp", [] { return Bmp8(MakeShotSheet()); }});
  v.push_back({"bmp\\Mark.bmp", [] { return Bmp8(MakeMarkSheet()); }});
  v.push_back({"bmp\\WorldMapChip.bmp", [] { return Bmp8(MakeWorldChipSheet()); }});
  v.push_back({"bmp\\WorldEvent.bmp", [] { return Bmp8(MakeWorldEventSheet()); }});
  v.push_back({"bmp\\Symbol.bmp", [] { return Bmp8(MakeSymbolSheet()); }});
  v.push_back({"bmp\\Accessory.bmp", [] { return Bmp8(MakeAccessorySheet()); }});
  v.push_back({"bmp\\Back.bmp", [] { return Bmp8(MakeStageBack()); }});
  v.push_back({"bmp\\WorldBack.bmp", [] { return Bmp8(MakeWorldBack()); }});
  int nStrips = 0;
  const cToolStrip* pStrips = ToolStrips(&nStrips);
  for (int k = 0; k < nStrips; ++k)
    v.push_back({std::string("e_bmp\\") + pStrips[k].pszName,
                 [k] { return ToolBmp(MakeToolStrip(k)); }});
  v.push_back({"wave\\free.wav", Chime});
  v.push_back({"bgm\\Free.mid", Tune});
  return v;
}

}  // namespace

bool WriteSampleArt(const std::string& strProjectDir, std::vector<std::string>* pvFailed) {
  std::string strBase = strProjectDir;
  if (!strBase.empty() && strBase.back() != '\\' && strBase.back() != '/') strBase += '\\';
  for (const char* psz : {"bmp", "bmp\\plt", "e_bmp", "wave", "bgm"})
    CreateDirectoryA((strBase + psz).c_str(), nullptr);

  bool ok = true;
  for (const cArtFile& f : ArtFiles()) {
    std::string strPath = strBase + f.strPath;
    if (GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    if (WriteWholeFile(strPath, f.make())) continue;
    ok = false;
    if (pvFailed) pvFailed->push_back(strPath);
  }
  return ok;
}
