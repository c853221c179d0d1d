// Memory bitmaps that every picture of the editor is drawn into, the project's shared 256-colour
// palette with its transparency settings, and the BMP loader.
#pragma once

#include <windows.h>
#include <cstdint>

// The shared palette (blue, green, red, reserved per entry), read from a BMP file's colour table.
extern RGBQUAD g_Palette[256];
// Transparent index of 8-bit images (drawn black through entry 0 of their colour table).
extern uint8_t g_nKeyIndex;
// Index written into 8-bit masks for opaque pixels.
extern uint8_t g_nMaskIndex;
// Transparent colour of 24- and 32-bit images: blue, green, red, zero, compared in memory order.
extern RGBQUAD g_nKeyColour;

// What reading a BMP file's colour table found. PALETTE_UNREADABLE: the file is there but holds no
// whole colour table after a header this loader knows (an OS/2 header, a file cut short) or
// cannot be opened.
enum ePaletteRead { PALETTE_READ, PALETTE_NOT_FOUND, PALETTE_UNREADABLE, PALETTE_NOT_8BIT };
// Reads the 256-entry colour table of an 8-bit BMP file into pDst (1024 bytes); pDst is unchanged
// unless the result is PALETTE_READ. A file of another bit count has no such table: what follows
// its header is a shorter table or pixels.
ePaletteRead ReadPaletteFile(RGBQUAD* pDst, const char* pszPath);
// Reads the colour table of a BMP file into g_Palette; false (palette unchanged) when it fails.
bool LoadPalette(const char* pszPath);
// Reads the 256-entry colour table of a BMP file into pDst (1024 bytes). 0 when the path cannot
// be made absolute, the file cannot be opened, is not 8-bit or holds no whole table; pDst is then
// unchanged.
int ReadBmpPalette(RGBQUAD* pDst, const char* pszPath);
// g_nKeyIndex := the first palette index of this colour (unchanged when none has it).
void SetKeyColour(RGBQUAD colour);
// g_nKeyColour := the colour.
void SetKeyValue(RGBQUAD colour);
// g_nMaskIndex := the first palette index of this colour (unchanged when none has it).
void FindPaletteIndex(RGBQUAD colour);

// A load request: a file, or "E" for an empty (white) surface of the given size.
struct cBmpLoadRequest {
  char szPath[MAX_PATH] = "";
  int32_t nBits = 8;        // empty surfaces only
  int32_t bMask = 0;        // build the transparency mask
  int32_t nMirrorW = 0;     // cell width of the mirroring, 0 none
  int32_t nMirrorH = 0;     // cell height of the mirroring, 0 none
  int32_t nWidth = 0;       // empty surfaces only
  int32_t nHeight = 0;      // empty surfaces only

  // False (path emptied) when the path does not fit.
  bool SetPath(const char* pszPath);
};

// The path of a load request that asks for an empty surface.
extern const char* const EMPTY_SURFACE_PATH;

// A memory device context holding a top-down DIB section of 8 (coloured by g_Palette), 24 or
// 32 bits per pixel, optionally with a mask of the same size, plus one pen and one font.
class cSurface {
 public:
  HDC m_hDC;
  HBITMAP m_hBmp, m_hOldBmp;
  BITMAP m_Bitmap;
  uint8_t* m_pBits;  // top-down rows of Pitch() bytes
  int32_t m_nWidth, m_nHeight;
  HFONT m_hFont;
  HDC m_hMaskDC;
  HBITMAP m_hMaskBmp, m_hOldMaskBmp;
  uint8_t* m_pMaskBits;
  HPEN m_hPen;
  HGDIOBJ m_hOldPen;

  cSurface() { Clear(); }
  ~cSurface() { Release(); }
  cSurface(const cSurface&) = delete;
  cSurface& operator=(const cSurface&) = delete;
  cSurface(cSurface&& o) noexcept;
  cSurface& operator=(cSurface&& o) noexcept;

  void Clear();
  void Release();
  void ReleaseBitmaps();

  // A white image of the size; 8 bits or the given count (24 or 32). Bitmaps held before are
  // released. 1 or 0.
  int Create(int32_t nWidth, int32_t nHeight, int32_t nBits, int bMask);
  int LoadBmp(const cBmpLoadRequest& req);
  // Files only: the path is always opened as a file, even "E".
  int LoadBmp(const char* pszPath, int32_t nBits, int bMask, int32_t nMirrorW, int32_t nMirrorH);

  void Blt(int x, int y, int w, int h, const cSurface& src, int sx, int sy, int bNoMask);
  void Stretch(int x, int y, int w, int h, const cSurface& src, int sx, int sy, int sw, int sh,
               int bNoMask);
  void Fill(COLORREF colour);
  void FillRgb(uint8_t blue, uint8_t green, uint8_t red);
  int SetPen(int nStyle, int nWidth, COLORREF colour);
  void ReleasePen();
  void Line(int x1, int y1, int x2, int y2);
  void FrameRect(int x, int y, int w, int h);
  void Grid(int x, int y, int w, int h, int nCellW, int nCellH, COLORREF colour);
  void SetFont(const char* pszFace, int nCharW, int nCharH);
  // Text lines (split at line feeds) 20 dots apart; nBkMode 1 transparent, 2 opaque.
  void DrawText(int x, int y, const char* pszText, COLORREF colour, int nBkMode);
  void PrintText(int x, int y, const char* pszFormat, ...);

  int Bits() const { return m_hBmp ? m_Bitmap.bmBitsPixel : 0; }
  // Bytes per row of the image and the mask (rows are padded to 4 bytes).
  int Pitch() const;

 private:
  int LoadFile(const cBmpLoadRequest& req);
  void Mirror(int32_t nCellW, int32_t nCellH);
  void BuildMask();
  void BlackenKeyColour();
  void ClearFourthBytes();
};
