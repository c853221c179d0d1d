#include "model/RefChecks.h"

#include "model/Database.h"

int16_t GetSwordTime(int32_t nSwordType) {
  if (IsOutside(nSwordType, Database.m_vSwordType.size())) return 0;
  int64_t nSum = 0;  // a stored time may be anything
  for (const cEdSwordPos& pos : Database.m_vSwordType[nSwordType].m_vPos) {
    nSum += pos.m_nTime;
    if (nSum > 9999) nSum = 9999;
  }
  return static_cast<int16_t>(nSum);
}

namespace {
PaletteCountFn g_pfnPaletteCount = nullptr;
}

PaletteCountFn SetPaletteCountFn(PaletteCountFn pfn) {
  PaletteCountFn pfnOld = g_pfnPaletteCount;
  g_pfnPaletteCount = pfn;
  return pfnOld;
}

PaletteCountFn GetPaletteCountFn() { return g_pfnPaletteCount; }
