// The BMP loader of cSurface, and the shared palette with its transparency settings.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/Surface.h"

RGBQUAD g_Palette[256];
uint8_t g_nKeyIndex = 0;
uint8_t g_nMaskIndex = 0;
RGBQUAD g_nKeyColour = {0, 0, 0, 0};

const char* const EMPTY_SURFACE_PATH = "E";

namespace {

const char* const MSG_CANNOT_READ = "%s が読み込めません！";
const char* const MSG_UNSUPPORTED =
    "%s の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。";
const char* const MSG_OS2_HEADER = "%s の読み込みに失敗しました！\nOS/2形式のビットマップには対応していません。";

constexpr int FILE_HEADER_SIZE = 14;
constexpr uint32_t INFO_HEADER_MIN = 40;   // the classic header; later versions extend it
constexpr uint32_t INFO_HEADER_MAX = 124;  // the largest header version
constexpr uint32_t OS2_HEADER_SIZE = 12;   // the old OS/2 header: 16-bit sizes, 3-byte colours
// Bit-field masks follow a classic header and sit inside the later ones, at the same place.
constexpr uint32_t MASKS_BYTES = 12;
constexpr uint32_t INFO_HEADER_WITH_MASKS = 52;
// The only bit fields the loader takes: blue, green, red in the first three bytes of a pixel,
// as paint programs write 32-bit files; the fourth byte (alpha) is ignored.
constexpr uint32_t RED_MASK = 0x00FF0000, GREEN_MASK = 0x0000FF00, BLUE_MASK = 0x000000FF;
constexpr int PALETTE_BYTES = 256 * 4;

class cFileCloser {
 public:
  explicit cFileCloser(FILE* fp) : m_fp(fp) {}
  ~cFileCloser() {
    if (m_fp) fclose(m_fp);
  }
  cFileCloser(const cFileCloser&) = delete;
  cFileCloser& operator=(const cFileCloser&) = delete;

 private:
  FILE* m_fp;
};

uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

int64_t FileSize(FILE* fp) {
  if (_fseeki64(fp, 0, SEEK_END) != 0) return -1;
  int64_t n = _ftelli64(fp);
  if (_fseeki64(fp, 0, SEEK_SET) != 0) return -1;
  return n;
}

bool SameBgr(const uint8_t* p, const RGBQUAD& c) {
  return p[0] == c.rgbBlue && p[1] == c.rgbGreen && p[2] == c.rgbRed;
}

bool SameBgr(const RGBQUAD& a, const RGBQUAD& b) {
  return a.rgbBlue == b.rgbBlue && a.rgbGreen == b.rgbGreen && a.rgbRed == b.rgbRed;
}

// What the loader needs of the two headers.
struct sBmpLayout {
  int32_t nWidth = 0;
  int32_t nHeight = 0;  // always positive
  bool bBottomUp = true;
  int32_t nBits = 0;
  bool bIgnoreAlpha = false;  // 32 bits in bit fields: the fourth byte is alpha, not reserved
  int64_t nOffBits = 0;    // where the first stored row begins
  int64_t nStride = 0;     // stored bytes per row, padded to 4
  int64_t nRowBytes = 0;   // pixel bytes per row
};

enum eLayoutResult { LAYOUT_OK, LAYOUT_UNSUPPORTED, LAYOUT_OS2, LAYOUT_BROKEN };

bool StandardMasks(const uint8_t* pMasks) {
  return U32(pMasks) == RED_MASK && U32(pMasks + 4) == GREEN_MASK && U32(pMasks + 8) == BLUE_MASK;
}

eLayoutResult ReadLayout(FILE* fp, sBmpLayout& lay) {
  const int64_t nSize = FileSize(fp);
  uint8_t h[FILE_HEADER_SIZE + INFO_HEADER_MIN + MASKS_BYTES] = {};
  const size_t nHave = nSize < 0 ? 0 : static_cast<size_t>(std::min<int64_t>(nSize, sizeof h));
  if (nHave < FILE_HEADER_SIZE + 4 || fread(h, 1, nHave, fp) != nHave) return LAYOUT_BROKEN;
  const uint32_t nInfoSize = U32(h + 14);
  if (nInfoSize == OS2_HEADER_SIZE) return LAYOUT_OS2;
  if (nHave < FILE_HEADER_SIZE + INFO_HEADER_MIN) return LAYOUT_BROKEN;
  lay.nOffBits = U32(h + 10);
  int32_t nWidth = static_cast<int32_t>(U32(h + 18));
  int32_t nHeight = static_cast<int32_t>(U32(h + 22));
  lay.nBits = U16(h + 28);
  const uint32_t nCompression = U32(h + 30);
  if (lay.nBits != 8 && lay.nBits != 24 && lay.nBits != 32) return LAYOUT_UNSUPPORTED;
  if (nInfoSize < INFO_HEADER_MIN || nInfoSize > INFO_HEADER_MAX) return LAYOUT_BROKEN;
  int64_t nHeaderEnd = FILE_HEADER_SIZE + nInfoSize;
  if (nCompression == BI_BITFIELDS && lay.nBits == 32) {
    if (nInfoSize < INFO_HEADER_WITH_MASKS) nHeaderEnd += MASKS_BYTES;
    if (nHave < sizeof h) return LAYOUT_BROKEN;
    if (!StandardMasks(h + FILE_HEADER_SIZE + INFO_HEADER_MIN)) return LAYOUT_UNSUPPORTED;
    lay.bIgnoreAlpha = true;
  } else if (nCompression != BI_RGB) {
    // Run-length files and other bit fields are another format, whatever their bit count.
    return LAYOUT_UNSUPPORTED;
  }
  if (nWidth <= 0 || nHeight == 0 || nHeight == INT_MIN) return LAYOUT_BROKEN;
  lay.nWidth = nWidth;
  lay.bBottomUp = nHeight > 0;
  lay.nHeight = nHeight > 0 ? nHeight : -nHeight;
  lay.nRowBytes = static_cast<int64_t>(nWidth) * (lay.nBits / 8);
  lay.nStride = (lay.nRowBytes + 3) / 4 * 4;
  if (lay.nOffBits < nHeaderEnd) return LAYOUT_BROKEN;
  // Every row must be in the file (the last one may go without its padding); this also bounds
  // the size of the surface by the size of the file.
  int64_t nEnd = lay.nOffBits + lay.nStride * (lay.nHeight - 1) + lay.nRowBytes;
  if (nEnd > nSize) return LAYOUT_BROKEN;
  return LAYOUT_OK;
}

// The stored rows into surface bits of nPitch bytes a row, top row first. Rows without padding
// are one block in the file as in the surface: one read, and the order of the rows turned in place
// for a bottom-up file, instead of a seek and a read per row (a system call each). Padded rows are
// read one by one, so that the surface's padding keeps what Create put there.
bool ReadRows(FILE* fp, const sBmpLayout& lay, uint8_t* pBits, int64_t nPitch) {
  if (lay.nRowBytes == nPitch && lay.nStride == nPitch) {
    const size_t nBytes = static_cast<size_t>(lay.nStride * lay.nHeight);
    if (_fseeki64(fp, lay.nOffBits, SEEK_SET) != 0 || fread(pBits, 1, nBytes, fp) != nBytes) return false;
    if (!lay.bBottomUp) return true;
    for (int32_t k = 0; k < lay.nHeight / 2; ++k) {
      uint8_t* pTop = pBits + k * nPitch;
      std::swap_ranges(pTop, pTop + nPitch, pBits + (lay.nHeight - 1 - k) * nPitch);
    }
    return true;
  }
  for (int32_t k = 0; k < lay.nHeight; ++k) {
    const int32_t nRow = lay.bBottomUp ? lay.nHeight - 1 - k : k;
    if (_fseeki64(fp, lay.nOffBits + lay.nStride * k, SEEK_SET) != 0 ||
        fread(pBits + nRow * nPitch, 1, lay.nRowBytes, fp) != static_cast<size_t>(lay.nRowBytes))
      return false;
  }
  return true;
}

}  // namespace

bool cBmpLoadRequest::SetPath(const char* pszPath) {
  size_t n = strlen(pszPath);
  if (n >= sizeof szPath) {
    szPath[0] = 0;
    return false;
  }
  memcpy(szPath, pszPath, n + 1);
  return true;
}

ePaletteRead ReadPaletteFile(RGBQUAD* pDst, const char* pszPath) {
  char szAbs[MAX_PATH];
  if (strlen(pszPath) >= sizeof szAbs) return PALETTE_UNREADABLE;
  strcpy(szAbs, pszPath);
  if (!MakeAbsolutePath(szAbs)) return PALETTE_UNREADABLE;
  FILE* fp = fopen(pszPath, "rb");
  if (!fp) return GetFileAttributesA(pszPath) == INVALID_FILE_ATTRIBUTES ? PALETTE_NOT_FOUND : PALETTE_UNREADABLE;
  cFileCloser closer(fp);
  // The colour table follows the info header, whose size depends on its version.
  uint8_t h[FILE_HEADER_SIZE + INFO_HEADER_MIN];
  if (fread(h, 1, sizeof h, fp) != sizeof h) return PALETTE_UNREADABLE;
  uint32_t nInfoSize = U32(h + FILE_HEADER_SIZE);
  if (nInfoSize < INFO_HEADER_MIN || nInfoSize > INFO_HEADER_MAX) return PALETTE_UNREADABLE;
  if (U16(h + 28) != 8) return PALETTE_NOT_8BIT;
  uint8_t table[PALETTE_BYTES];
  if (fseek(fp, FILE_HEADER_SIZE + static_cast<long>(nInfoSize), SEEK_SET) != 0) return PALETTE_UNREADABLE;
  if (fread(table, 1, sizeof table, fp) != sizeof table) return PALETTE_UNREADABLE;
  memcpy(pDst, table, sizeof table);
  return PALETTE_READ;
}

int ReadBmpPalette(RGBQUAD* pDst, const char* pszPath) { return ReadPaletteFile(pDst, pszPath) == PALETTE_READ; }

bool LoadPalette(const char* pszPath) { return ReadBmpPalette(g_Palette, pszPath) != 0; }

void SetKeyColour(RGBQUAD colour) {
  for (int i = 0; i < 256; ++i) {
    if (!SameBgr(g_Palette[i], colour)) continue;
    g_nKeyIndex = static_cast<uint8_t>(i);
    return;
  }
}

void SetKeyValue(RGBQUAD colour) { g_nKeyColour = colour; }

void FindPaletteIndex(RGBQUAD colour) {
  for (int i = 0; i < 256; ++i) {
    if (!SameBgr(g_Palette[i], colour)) continue;
    g_nMaskIndex = static_cast<uint8_t>(i);
    return;
  }
}

int cSurface::LoadBmp(const cBmpLoadRequest& req) {
  if (strcmp(req.szPath, EMPTY_SURFACE_PATH) != 0) return LoadFile(req);
  if (Create(req.nWidth, req.nHeight, req.nBits, req.bMask)) return 1;
  ErrorBox(MSG_CANNOT_READ, req.szPath);
  return 0;
}

int cSurface::LoadBmp(const char* pszPath, int32_t nBits, int bMask, int32_t nMirrorW,
                      int32_t nMirrorH) {
  cBmpLoadRequest req;
  if (!req.SetPath(pszPath)) {
    ErrorBox(MSG_CANNOT_READ, pszPath);
    return 0;
  }
  req.nBits = nBits;
  req.bMask = bMask;
  req.nMirrorW = nMirrorW;
  req.nMirrorH = nMirrorH;
  return LoadFile(req);
}

int cSurface::LoadFile(const cBmpLoadRequest& req) {
  FILE* fp = fopen(req.szPath, "rb");
  if (!fp) {
    ErrorBox(MSG_CANNOT_READ, req.szPath);
    return 0;
  }
  cFileCloser closer(fp);
  sBmpLayout lay;
  switch (ReadLayout(fp, lay)) {
    case LAYOUT_OK: break;
    case LAYOUT_UNSUPPORTED: ErrorBox(MSG_UNSUPPORTED, req.szPath); return 0;
    case LAYOUT_OS2: ErrorBox(MSG_OS2_HEADER, req.szPath); return 0;
    case LAYOUT_BROKEN: ErrorBox(MSG_CANNOT_READ, req.szPath); return 0;
  }
  if (!Create(lay.nWidth, lay.nHeight, lay.nBits, req.bMask)) {
    if (lay.nBits == 8) ErrorBox(MSG_CANNOT_READ, req.szPath);
    return 0;
  }
  if (!ReadRows(fp, lay, m_pBits, Pitch())) {
    // The file changed under us: no half-read image is kept.
    ReleaseBitmaps();
    ErrorBox(MSG_CANNOT_READ, req.szPath);
    return 0;
  }
  if (lay.bIgnoreAlpha) ClearFourthBytes();
  Mirror(req.nMirrorW, req.nMirrorH);
  if (req.bMask) BuildMask();
  if (lay.nBits != 8) BlackenKeyColour();
  return 1;
}

void cSurface::Mirror(int32_t nCellW, int32_t nCellH) {
  if (nCellW < 0) nCellW = 0;
  if (nCellH < 0) nCellH = 0;
  if (!nCellW && !nCellH) return;
  const int nPixel = Bits() / 8;
  const int nPitch = Pitch();
  auto At = [&](int x, int y) { return m_pBits + static_cast<int64_t>(y) * nPitch + x * nPixel; };
  auto Swap = [&](uint8_t* a, uint8_t* b) {
    for (int i = 0; i < nPixel; ++i) {
      uint8_t t = a[i];
      a[i] = b[i];
      b[i] = t;
    }
  };
  const int nCellsX = nCellW ? m_nWidth / nCellW : 1;
  const int nCellsY = nCellH ? m_nHeight / nCellH : 1;
  const int cw = nCellW ? nCellW : m_nWidth;   // a strip spans the whole width ...
  const int ch = nCellH ? nCellH : m_nHeight;  // ... or the whole height
  for (int cy = 0; cy < nCellsY; ++cy) {
    for (int cx = 0; cx < nCellsX; ++cx) {
      const int x0 = cx * cw, y0 = cy * ch;
      // Each pixel of the cell's first half trades places with its image: left to right when a
      // cell width is given, top to bottom when a cell height is given, both for cells.
      const int64_t nCount = static_cast<int64_t>(cw) * ch;
      for (int64_t i = 0; i < nCount; ++i) {
        int x = static_cast<int>(i % cw), y = static_cast<int>(i / cw);
        int mx = nCellW ? cw - 1 - x : x;
        int my = nCellH ? ch - 1 - y : y;
        int64_t j = static_cast<int64_t>(my) * cw + mx;
        if (j <= i) continue;
        Swap(At(x0 + x, y0 + y), At(x0 + mx, y0 + my));
      }
    }
  }
}

void cSurface::BuildMask() {
  const int nPixel = Bits() / 8;
  const int nPitch = Pitch();
  // The indices are read once: a byte stored through pDst could be one of them as far as the
  // compiler knows, which would keep the palette loop from working many pixels at a time.
  const uint8_t nKey = g_nKeyIndex, nMask = g_nMaskIndex;
  for (int32_t y = 0; y < m_nHeight; ++y) {
    const uint8_t* pSrc = m_pBits + static_cast<int64_t>(y) * nPitch;
    uint8_t* pDst = m_pMaskBits + static_cast<int64_t>(y) * nPitch;
    if (nPixel == 1) {
      for (int32_t x = 0; x < m_nWidth; ++x) pDst[x] = pSrc[x] == nKey ? 255 : nMask;
      continue;
    }
    for (int32_t x = 0; x < m_nWidth; ++x, pSrc += nPixel, pDst += nPixel) {
      uint8_t v = SameBgr(pSrc, g_nKeyColour) ? 255 : 0;
      pDst[0] = pDst[1] = pDst[2] = v;
      if (nPixel == 4) pDst[3] = 0;
    }
  }
}

void cSurface::BlackenKeyColour() {
  const int nPixel = Bits() / 8;
  const int nPitch = Pitch();
  for (int32_t y = 0; y < m_nHeight; ++y) {
    uint8_t* p = m_pBits + static_cast<int64_t>(y) * nPitch;
    for (int32_t x = 0; x < m_nWidth; ++x, p += nPixel)
      if (SameBgr(p, g_nKeyColour)) memset(p, 0, nPixel);
  }
}

void cSurface::ClearFourthBytes() {
  const int nPitch = Pitch();
  for (int32_t y = 0; y < m_nHeight; ++y) {
    uint8_t* p = m_pBits + static_cast<int64_t>(y) * nPitch;
    for (int32_t x = 0; x < m_nWidth; ++x, p += 4) p[3] = 0;
  }
}
