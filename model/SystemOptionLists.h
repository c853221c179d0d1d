// The vocabularies of the system record's index fields, shown by the system settings sheet: font
// faces, bitmap formats and full-screen colour depths. Each list closes with one empty string; the
// size given here counts it. Project files store indices into these lists, so the order is fixed.
#pragma once

extern const char* const FontNames[123];     // m_nFont; the default, index 60, is "ＭＳ Ｐゴシック"
extern const char* const BmpModeNames[3];    // m_nBmpMode
extern const char* const DDDepthNames[4];    // m_nDDBpp (DirectDraw)
extern const char* const D3DDepthNames[3];   // m_nD3DBpp (Direct3D)
