// An 8-bit picture in palette indices, top-down, with the few drawing operations the sample
// art is made of. Index 0 is the transparent key; everything outside the picture is clipped.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

typedef std::vector<std::pair<double, double>> cPoints;

const double kPi = 3.14159265358979323846;

class cCanvas {
 public:
  cCanvas() : m_nWidth(0), m_nHeight(0) {}
  cCanvas(int nWidth, int nHeight, uint8_t cFill = 0)
      : m_nWidth(nWidth), m_nHeight(nHeight), m_vPixels(size_t(nWidth) * nHeight, cFill) {}

  int Width() const { return m_nWidth; }
  int Height() const { return m_nHeight; }
  const std::vector<uint8_t>& Pixels() const { return m_vPixels; }

  uint8_t Get(int x, int y) const {
    return Inside(x, y) ? m_vPixels[size_t(y) * m_nWidth + x] : 0;
  }
  void Set(int x, int y, uint8_t c) {
    if (Inside(x, y)) m_vPixels[size_t(y) * m_nWidth + x] = c;
  }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }

  void Fill(int x, int y, int w, int h, uint8_t c);
  void Frame(int x, int y, int w, int h, uint8_t c);
  // Every other dot of the border: the look of an empty cell (graphic number 0).
  void DottedFrame(uint8_t c);
  void HLine(int x0, int x1, int y, uint8_t c) { Fill(x0, y, x1 - x0 + 1, 1, c); }
  void VLine(int x, int y0, int y1, uint8_t c) { Fill(x, y0, 1, y1 - y0 + 1, c); }
  void Line(int x0, int y0, int x1, int y1, uint8_t c);
  void ThickLine(int x0, int y0, int x1, int y1, int nWidth, uint8_t c);
  // Filled ellipse over the pixels whose centres lie inside it.
  void Ellipse(double cx, double cy, double rx, double ry, uint8_t c);
  void Disc(double cx, double cy, double r, uint8_t c) { Ellipse(cx, cy, r, r, c); }
  void Ring(double cx, double cy, double r, double nWidth, uint8_t c);
  // An ellipse lit from the upper left: shade base of the ramp in the middle, lighter toward
  // the light and darker away from it, with a small bright spot.
  void Ball(double cx, double cy, double rx, double ry, int nRamp, int nBase, bool bSpot = true);
  void Polygon(const cPoints& pts, uint8_t c);
  void RoundRect(int x, int y, int w, int h, int r, uint8_t c);

  // Every transparent pixel beside an opaque one (4-neighbourhood) becomes the ink.
  void Outline(uint8_t cInk);
  // Every opaque pixel passes through the map.
  void Remap(const std::function<uint8_t(uint8_t)>& fn);
  void Replace(uint8_t cFrom, uint8_t cTo);
  // Copies the opaque pixels (or all with bOpaque) of the source to (dx, dy).
  void Paste(const cCanvas& src, int dx, int dy, bool bOpaque = false);
  cCanvas Crop(int x, int y, int w, int h) const;
  void MirrorX();
  // Half size: each 2 x 2 block becomes its commonest opaque colour, or transparent when at
  // least three of the four are transparent.
  cCanvas Half() const;
  int CountOpaque() const;

 private:
  int m_nWidth, m_nHeight;
  std::vector<uint8_t> m_vPixels;
};

// A well-mixed number for a dot, so textures vary without a pattern and tile seamlessly.
uint32_t DotHash(int x, int y, int nSeed);

// A small deterministic generator, so every run draws the same pictures.
class cRng {
 public:
  explicit cRng(uint32_t nSeed) : m_n(nSeed * 2654435761u + 12345u) {}
  uint32_t Next() {
    m_n ^= m_n << 13;
    m_n ^= m_n >> 17;
    m_n ^= m_n << 5;
    return m_n;
  }
  int Below(int n) { return n > 0 ? int(Next() % uint32_t(n)) : 0; }

 private:
  uint32_t m_n;
};
