#include "model/EditConfig.h"

#include <windows.h>

#include <utility>

cEditConfig EditConfig;

const char* const NewStagePalNames[5] = {"上記ステージのパレットをそのまま使用", "データなし",
                                         "コモンパレットをコピー", "ステージパレットファイルからコピー", ""};

namespace {

int32_t ClampInto(int32_t n, int32_t nLow, int32_t nHigh) { return n < nLow ? nLow : (n > nHigh ? nHigh : n); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Window placements

void cWndPlacement::SetDefault() {
  Clear();
  m_bShow = 1;
}

void cWndPlacement::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  if (nVersion >= 72) reg.AddInt(&m_bValid);
  reg.AddInt(&m_nX);
  reg.AddInt(&m_nY);
  reg.AddInt(&m_nWidth);
  reg.AddInt(&m_nHeight);
  if (nVersion >= 122) reg.AddInt(&m_bShow);
}

int cWndPlacement::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  // The screen may have shrunk since the position was stored.
  m_nX = ClampInto(m_nX, 0, GetSystemMetrics(SM_CXFULLSCREEN));
  m_nY = ClampInto(m_nY, 0, GetSystemMetrics(SM_CYFULLSCREEN));
  return 1;
}

void cWndPlacement::Set(int32_t nX, int32_t nY, int32_t nWidth, int32_t nHeight) {
  m_bValid = 1;
  m_nX = nX;
  m_nY = nY;
  m_nWidth = nWidth;
  m_nHeight = nHeight;
}

// ---------------------------------------------------------------------------------------------
// Editor configuration

void cEditConfig::SetDefault() {
  Clear();
  m_nStatusBarHeight = 20;
  m_nToolBarHeight = 28;
  m_strNewStageTemplate = "data\\stg4\\Default.stg4_***";
  m_nNewStagePalette = 1;
  m_bWmEditBeforePlace = 1;
  m_bWmAutoWorldNo = 1;
  m_bConvUseTransparent = 1;
  m_nConvLineIn = 1;
  m_nConvLineOut = 15;
  m_strConvOutDir = "bmp\\convert";
}

void cEditConfig::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  if (nVersion < 129) reg.AddString(&m_strDropped);
  if (nVersion >= 73) reg.AddString(&m_strLastStage);
  if (nVersion >= 288) {
    reg.AddInt(&m_nStatusBarHeight);
    reg.AddInt(&m_nToolBarHeight);
  }
  if (nVersion >= 130) {
    reg.AddString(&m_strNewStageTemplate);
    reg.AddInt(&m_nNewStagePalette);
    reg.AddString(&m_strNewStagePalFile);
  }
  if (nVersion >= 95) {
    reg.AddInt(&m_nBlockSheetPage);
    reg.AddInt(&m_nCharaSheetPage);
    reg.AddInt(&m_nItemSheetPage);
  }
  if (nVersion >= 198) {
    reg.AddInt(&m_nResizeDirX);
    reg.AddInt(&m_nResizeDirY);
  }
  if (nVersion == 130) reg.AddString(&m_strDropped);
  reg.AddInt(&m_bWmEditPlaced);
  reg.AddInt(&m_bWmEditBeforePlace);
  reg.AddInt(&m_bWmAutoWorldNo);
  reg.AddInt(&m_bConvUseTransparent);
  reg.AddInt(&m_nConvTransparent);
  if (nVersion >= 87) {
    reg.AddInt(&m_bConvReplaceLine);
    reg.AddInt(&m_nConvLineIn);
    reg.AddInt(&m_nConvLineOut);
  }
  reg.AddInt(&m_bConvOverwrite);
  reg.AddString(&m_strConvOutDir);
}

int cEditConfig::Read(cDataReader& in) {
  cEditConfig read(*this);
  if (!read.ReadBody(in)) return 0;
  *this = std::move(read);
  return 1;
}

int cEditConfig::ReadBody(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  // Versions 71 to 129 kept the placements in the project options, which skip them.
  if (g_nFileVersion >= 130)
    for (cWndPlacement& p : m_aPlace)
      if (!p.Read(in)) return 0;
  if (g_nFileVersion < 198) {
    m_nResizeDirX = 0;
    m_nResizeDirY = 0;
  }
  if (g_nFileVersion < 288) {
    m_nStatusBarHeight = 20;
    m_nToolBarHeight = 28;
  }
  m_strDropped.clear();
  SyncPaletteShow();
  return 1;
}

void cEditConfig::Write(cDataWriter& out) {
  SyncPaletteShow();
  cDataRecord::Write(out);
  for (cWndPlacement& p : m_aPlace) p.Write(out);
}

void cEditConfig::SyncPaletteShow() {
  m_aPlace[PLACE_COMMON_CHARA].m_bShow = m_aPlace[PLACE_COMMON_BLOCK].m_bShow;
  m_aPlace[PLACE_COMMON_ITEM].m_bShow = m_aPlace[PLACE_COMMON_BLOCK].m_bShow;
  m_aPlace[PLACE_STAGE_CHARA].m_bShow = m_aPlace[PLACE_STAGE_BLOCK].m_bShow;
  m_aPlace[PLACE_STAGE_ITEM].m_bShow = m_aPlace[PLACE_STAGE_BLOCK].m_bShow;
}
