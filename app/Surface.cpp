#include "app/Surface.h"

#include <cstdarg>
#include <cstring>

#include "app/TextFormat.h"

namespace {

// Header and colour table of 8-bit surfaces; the other depths use the header alone.
struct sDibInfo {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

constexpr int TEXT_LINE_STEP = 20;
constexpr int PRINT_BUF_SIZE = 256;

void FillDibInfo(sDibInfo& info, int32_t nWidth, int32_t nHeight, int32_t nBits) {
  memset(&info, 0, sizeof info);
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = nWidth;
  info.bmiHeader.biHeight = -nHeight;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(nBits);
  info.bmiHeader.biCompression = BI_RGB;
  if (nBits != 8) return;
  info.bmiHeader.biClrUsed = 256;
  memcpy(info.bmiColors, g_Palette, sizeof info.bmiColors);
  // Whatever the project's palette holds there, 0 and 255 are black and white: the key index
  // and the transparent part of the masks rely on it.
  info.bmiColors[0].rgbBlue = info.bmiColors[0].rgbGreen = info.bmiColors[0].rgbRed = 0;
  info.bmiColors[255].rgbBlue = info.bmiColors[255].rgbGreen = info.bmiColors[255].rgbRed = 255;
}

// One DIB section selected into a new memory DC.
bool MakeDib(const sDibInfo& info, HBITMAP& hBmp, HDC& hDC, HBITMAP& hOld, uint8_t*& pBits) {
  void* p = nullptr;
  hBmp = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &p,
                          nullptr, 0);
  if (!hBmp) return false;
  pBits = static_cast<uint8_t*>(p);
  hDC = CreateCompatibleDC(nullptr);
  if (!hDC) return false;
  hOld = static_cast<HBITMAP>(SelectObject(hDC, hBmp));
  return true;
}

// Only a DC that holds our own bitmap was made here; any other (a window's) is not ours to delete.
void FreeDib(HBITMAP& hBmp, HDC& hDC, HBITMAP& hOld, uint8_t*& pBits) {
  if (hDC && hBmp) {
    if (hOld) SelectObject(hDC, hOld);
    DeleteDC(hDC);
  }
  if (hBmp) DeleteObject(hBmp);
  hBmp = nullptr;
  hDC = nullptr;
  hOld = nullptr;
  pBits = nullptr;
}

}  // namespace

void cSurface::Clear() {
  m_hDC = nullptr;
  m_hBmp = m_hOldBmp = nullptr;
  memset(&m_Bitmap, 0, sizeof m_Bitmap);
  m_pBits = nullptr;
  m_nWidth = m_nHeight = 0;
  m_hFont = nullptr;
  m_hMaskDC = nullptr;
  m_hMaskBmp = m_hOldMaskBmp = nullptr;
  m_pMaskBits = nullptr;
  m_hPen = nullptr;
  m_hOldPen = nullptr;
}

cSurface::cSurface(cSurface&& o) noexcept {
  memcpy(static_cast<void*>(this), &o, sizeof *this);
  o.Clear();
}

cSurface& cSurface::operator=(cSurface&& o) noexcept {
  if (this == &o) return *this;
  Release();
  memcpy(static_cast<void*>(this), &o, sizeof *this);
  o.Clear();
  return *this;
}

void cSurface::Release() {
  ReleasePen();
  ReleaseBitmaps();
  if (m_hFont) DeleteObject(m_hFont);
  m_hFont = nullptr;
}

void cSurface::ReleaseBitmaps() {
  FreeDib(m_hBmp, m_hDC, m_hOldBmp, m_pBits);
  FreeDib(m_hMaskBmp, m_hMaskDC, m_hOldMaskBmp, m_pMaskBits);
  memset(&m_Bitmap, 0, sizeof m_Bitmap);
  m_nWidth = m_nHeight = 0;
}

int cSurface::Pitch() const {
  int64_t nBits = static_cast<int64_t>(m_nWidth) * Bits();
  return static_cast<int>((nBits + 31) / 32 * 4);
}

int cSurface::Create(int32_t nWidth, int32_t nHeight, int32_t nBits, int bMask) {
  // A surface made again (a resized control, a reloaded sheet) gives its old bitmaps back first.
  ReleasePen();
  ReleaseBitmaps();
  if (nWidth <= 0 || nHeight <= 0) return 0;
  if (nBits != 8 && nBits != 24 && nBits != 32) return 0;
  sDibInfo info;
  FillDibInfo(info, nWidth, nHeight, nBits);
  if (!MakeDib(info, m_hBmp, m_hDC, m_hOldBmp, m_pBits) ||
      (bMask && !MakeDib(info, m_hMaskBmp, m_hMaskDC, m_hOldMaskBmp, m_pMaskBits))) {
    ReleaseBitmaps();
    return 0;
  }
  BitBlt(m_hDC, 0, 0, nWidth, nHeight, nullptr, 0, 0, WHITENESS);
  GdiFlush();
  m_nWidth = nWidth;
  m_nHeight = nHeight;
  GetObjectA(m_hBmp, sizeof m_Bitmap, &m_Bitmap);
  return 1;
}

void cSurface::Blt(int x, int y, int w, int h, const cSurface& src, int sx, int sy, int bNoMask) {
  if (src.m_hMaskDC && !bNoMask) {
    BitBlt(m_hDC, x, y, w, h, src.m_hMaskDC, sx, sy, SRCAND);
    BitBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, SRCPAINT);
    return;
  }
  BitBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, SRCCOPY);
}

void cSurface::Stretch(int x, int y, int w, int h, const cSurface& src, int sx, int sy, int sw,
                       int sh, int bNoMask) {
  if (src.m_hMaskDC && !bNoMask) {
    StretchBlt(m_hDC, x, y, w, h, src.m_hMaskDC, sx, sy, sw, sh, SRCAND);
    StretchBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, sw, sh, SRCPAINT);
    return;
  }
  StretchBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, sw, sh, SRCCOPY);
}

void cSurface::Fill(COLORREF colour) {
  SetPen(PS_SOLID, 1, colour);
  for (int y = 0; y < m_nHeight; ++y) Line(0, y, m_nWidth, y);
}

void cSurface::FillRgb(uint8_t blue, uint8_t green, uint8_t red) { Fill(RGB(red, green, blue)); }

int cSurface::SetPen(int nStyle, int nWidth, COLORREF colour) {
  ReleasePen();
  m_hPen = CreatePen(nStyle, nWidth, colour);
  if (!m_hPen) return 0;
  m_hOldPen = SelectObject(m_hDC, m_hPen);
  if (nStyle == PS_DOT) SetBkMode(m_hDC, TRANSPARENT);
  return 1;
}

void cSurface::ReleasePen() {
  if (!m_hPen) return;
  if (m_hOldPen) SelectObject(m_hDC, m_hOldPen);
  DeleteObject(m_hPen);
  m_hPen = nullptr;
  m_hOldPen = nullptr;
}

void cSurface::Line(int x1, int y1, int x2, int y2) {
  MoveToEx(m_hDC, x1, y1, nullptr);
  LineTo(m_hDC, x2, y2);
}

void cSurface::FrameRect(int x, int y, int w, int h) {
  MoveToEx(m_hDC, x, y, nullptr);
  LineTo(m_hDC, x + w, y);
  LineTo(m_hDC, x + w, y + h);
  LineTo(m_hDC, x, y + h);
  LineTo(m_hDC, x, y);
}

void cSurface::Grid(int x, int y, int w, int h, int nCellW, int nCellH, COLORREF colour) {
  if (nCellW == 0 || nCellH == 0) return;
  SetPen(PS_SOLID, 1, colour);
  for (int k = 0; k <= w / nCellW; ++k) Line(x + k * nCellW, y, x + k * nCellW, y + h);
  Line(x + w - 1, y, x + w - 1, y + h);
  for (int k = 0; k <= h / nCellH; ++k) Line(x, y + k * nCellH, x + w, y + k * nCellH);
  Line(x, y + h - 1, x + w, y + h - 1);
  ReleasePen();
}

void cSurface::SetFont(const char* pszFace, int nCharW, int nCharH) {
  if (m_hFont) DeleteObject(m_hFont);
  m_hFont = CreateFontA(nCharH, nCharW, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                        pszFace);
}

void cSurface::DrawText(int x, int y, const char* pszText, COLORREF colour, int nBkMode) {
  SetTextColor(m_hDC, colour);
  SetBkMode(m_hDC, nBkMode);
  HGDIOBJ hOldFont = m_hFont ? SelectObject(m_hDC, m_hFont) : nullptr;
  // A line feed is never the second byte of a double-byte character, so splitting is safe.
  const char* p = pszText;
  for (;;) {
    const char* pEnd = strchr(p, '\n');
    int n = pEnd ? static_cast<int>(pEnd - p) : static_cast<int>(strlen(p));
    TextOutA(m_hDC, x, y, p, n);
    if (!pEnd) break;
    p = pEnd + 1;
    y += TEXT_LINE_STEP;
  }
  if (hOldFont) SelectObject(m_hDC, hOldFont);
}

void cSurface::PrintText(int x, int y, const char* pszFormat, ...) {
  char sz[PRINT_BUF_SIZE];
  va_list args;
  va_start(args, pszFormat);
  FormatBounded(sz, sizeof sz, pszFormat, args);
  va_end(args);
  DrawText(x, y, sz, 0xFFFFFF, TRANSPARENT);
}
