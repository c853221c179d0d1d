#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ArtPalette.h"

void cCanvas::Fill(int x, int y, int w, int h, uint8_t c) {
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, m_nWidth), y1 = std::min(y + h, m_nHeight);
  for (int j = y0; j < y1; ++j)
    for (int i = x0; i < x1; ++i) m_vPixels[size_t(j) * m_nWidth + i] = c;
}

void cCanvas::Frame(int x, int y, int w, int h, uint8_t c) {
  HLine(x, x + w - 1, y, c);
  HLine(x, x + w - 1, y + h - 1, c);
  VLine(x, y, y + h - 1, c);
  VLine(x + w - 1, y, y + h - 1, c);
}

void cCanvas::DottedFrame(uint8_t c) {
  for (int k = 0; k < std::max(m_nWidth, m_nHeight); k += 2) {
    Set(k, 0, c);
    Set(k, m_nHeight - 1, c);
    Set(0, k, c);
    Set(m_nWidth - 1, k, c);
  }
}

void cCanvas::Line(int x0, int y0, int x1, int y1, uint8_t c) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void cCanvas::ThickLine(int x0, int y0, int x1, int y1, int nWidth, uint8_t c) {
  double r = nWidth / 2.0;
  int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int k = 0; k <= n; ++k) {
    double t = n ? double(k) / n : 0.0;
    double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
    if (nWidth <= 1)
      Set(int(std::lround(x)), int(std::lround(y)), c);
    else
      Disc(x + 0.5, y + 0.5, r, c);
  }
}

void cCanvas::Ellipse(double cx, double cy, double rx, double ry, uint8_t c) {
  if (rx <= 0 || ry <= 0) return;
  int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
  int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
    }
}

void cCanvas::Ring(double cx, double cy, double r, double nWidth, uint8_t c) {
  int x0 = int(std::floor(cx - r)), x1 = int(std::ceil(cx + r));
  int y0 = int(std::floor(cy - r)), y1 = int(std::ceil(cy + r));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d <= r && d > r - nWidth) Set(x, y, c);
    }
}

void cCanvas::Ball(double cx, double cy, double rx, double ry, int nRamp, int nBase, bool bSpot) {
  if (rx <= 0 || ry <= 0) return;
  int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
  int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      double d2 = dx * dx + dy * dy;
      if (d2 > 1.0) continue;
      double lit = -(dx * 0.6 + dy * 0.8);  // light from the upper left
      int level = nBase + int(std::lround(lit * 3.0));
      if (d2 > 0.72 && lit < 0.1) level -= 1;  // a darker rim on the shadow side
      Set(x, y, Shade(nRamp, level));
    }
  if (bSpot) {
    double sx = cx - rx * 0.42, sy = cy - ry * 0.48;
    double s = std::max(1.0, std::min(rx, ry) * 0.18);
    Ellipse(sx, sy, s, s * 0.8, Shade(nRamp, nBase + 5));
  }
}

void cCanvas::Polygon(const cPoints& pts, uint8_t c) {
  if (pts.size() < 3) return;
  double ymin = pts[0].second, ymax = ymin;
  for (auto& p : pts) {
    ymin = std::min(ymin, p.second);
    ymax = std::max(ymax, p.second);
  }
  for (int y = int(std::floor(ymin)); y <= int(std::ceil(ymax)); ++y) {
    double sy = y + 0.5;
    std::vector<double> xs;
    for (size_t i = 0; i < pts.size(); ++i) {
      auto a = pts[i], b = pts[(i + 1) % pts.size()];
      if ((a.second <= sy && b.second > sy) || (b.second <= sy && a.second > sy))
        xs.push_back(a.first + (sy - a.second) / (b.second - a.second) * (b.first - a.first));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      for (int x = int(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x) Set(x, y, c);
  }
}

void cCanvas::RoundRect(int x, int y, int w, int h, int r, uint8_t c) {
  Fill(x + r, y, w - 2 * r, h, c);
  Fill(x, y + r, w, h - 2 * r, c);
  if (r <= 0) return;
  Disc(x + r, y + r, r, c);
  Disc(x + w - r, y + r, r, c);
  Disc(x + r, y + h - r, r, c);
  Disc(x + w - r, y + h - r, r, c);
}

void cCanvas::Outline(uint8_t cInk) {
  std::vector<uint8_t> v = m_vPixels;
  for (int y = 0; y < m_nHeight; ++y)
    for (int x = 0; x < m_nWidth; ++x) {
      if (Get(x, y)) continue;
      bool near = Get(x - 1, y) || Get(x + 1, y) || Get(x, y - 1) || Get(x, y + 1);
      if (near) v[size_t(y) * m_nWidth + x] = cInk;
    }
  m_vPixels.swap(v);
}

void cCanvas::Remap(const std::function<uint8_t(uint8_t)>& fn) {
  for (uint8_t& c : m_vPixels)
    if (c) c = fn(c);
}

void cCanvas::Replace(uint8_t cFrom, uint8_t cTo) {
  for (uint8_t& c : m_vPixels)
    if (c == cFrom) c = cTo;
}

void cCanvas::Paste(const cCanvas& src, int dx, int dy, bool bOpaque) {
  for (int y = 0; y < src.m_nHeight; ++y)
    for (int x = 0; x < src.m_nWidth; ++x) {
      uint8_t c = src.Get(x, y);
      if (c || bOpaque) Set(dx + x, dy + y, c);
    }
}

cCanvas cCanvas::Crop(int x, int y, int w, int h) const {
  cCanvas out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) out.Set(i, j, Get(x + i, y + j));
  return out;
}

void cCanvas::MirrorX() {
  for (int y = 0; y < m_nHeight; ++y)
    std::reverse(m_vPixels.begin() + size_t(y) * m_nWidth,
                 m_vPixels.begin() + size_t(y + 1) * m_nWidth);
}

cCanvas cCanvas::Half() const {
  cCanvas out(m_nWidth / 2, m_nHeight / 2);
  for (int y = 0; y < out.m_nHeight; ++y)
    for (int x = 0; x < out.m_nWidth; ++x) {
      uint8_t c[4] = {Get(2 * x, 2 * y), Get(2 * x + 1, 2 * y), Get(2 * x, 2 * y + 1),
                      Get(2 * x + 1, 2 * y + 1)};
      int nOpaque = 0;
      for (uint8_t k : c) nOpaque += k != 0;
      if (nOpaque < 2) continue;
      uint8_t best = 0;
      int bestCount = 0;
      for (int i = 0; i < 4; ++i) {
        if (!c[i]) continue;
        int n = 0;
        for (int j = 0; j < 4; ++j) n += c[j] == c[i];
        // Ties go to the darker line colours so thin outlines survive.
        if (n > bestCount || (n == bestCount && c[i] >= 10 && c[i] <= 15)) {
          best = c[i];
          bestCount = n;
        }
      }
      out.Set(x, y, best);
    }
  return out;
}

int cCanvas::CountOpaque() const {
  int n = 0;
  for (uint8_t c : m_vPixels) n += c != 0;
  return n;
}

uint32_t DotHash(int x, int y, int nSeed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(nSeed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}
