// The editor configuration: what this copy of the editor remembers between sessions on this
// machine (the last stage, bar heights, tool-window placements, the choices of the new-stage
// dialog, the data sheets' last pages, the resize directions, the world-map event palette's and
// the bitmap conversion tool's options). Stored as e_data\EditConfig.dat.
#pragma once

#include <cstdint>
#include <string>

#include "model/DataRecord.h"

// The stored position of one window. Reading pulls a position that lies off the screen back onto
// it; sizes are taken as stored.
class cWndPlacement : public cDataRecord {
 public:
  int32_t m_bValid = 0;  // 0: the window uses its built-in position
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_bShow = 1;

  cWndPlacement() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  // What a window stores when it is destroyed.
  void Set(int32_t nX, int32_t nY, int32_t nWidth, int32_t nHeight);
};

// Indexes of cEditConfig::m_aPlace.
enum eWndPlace {
  PLACE_STAGE = 0,
  PLACE_COMMON_BLOCK = 1,
  PLACE_STAGE_BLOCK = 2,
  PLACE_COMMON_CHARA = 3,
  PLACE_STAGE_CHARA = 4,
  PLACE_COMMON_ITEM = 5,
  PLACE_STAGE_ITEM = 6,
  PLACE_CHARA_GROUP = 7,
  PLACE_WORLD_MAP = 8,
  PLACE_MAP_CHIPS = 9,
  PLACE_MAP_EVENTS = 10,
  PLACE_COUNT = 11
};

class cEditConfig : public cDataRecord {
 public:
  std::string m_strLastStage;
  int32_t m_nStatusBarHeight;
  int32_t m_nToolBarHeight;
  std::string m_strNewStageTemplate;  // newest numbered version of it is read
  int32_t m_nNewStagePalette;         // index into NewStagePalNames
  std::string m_strNewStagePalFile;
  int32_t m_nBlockSheetPage;
  int32_t m_nCharaSheetPage;
  int32_t m_nItemSheetPage;
  int32_t m_nResizeDirX;  // 1: a resize adds or removes columns on the left
  int32_t m_nResizeDirY;  // 1: rows at the top
  int32_t m_bWmEditPlaced;
  int32_t m_bWmEditBeforePlace;
  int32_t m_bWmAutoWorldNo;
  int32_t m_bConvUseTransparent;
  int32_t m_nConvTransparent;
  int32_t m_bConvReplaceLine;
  int32_t m_nConvLineIn;
  int32_t m_nConvLineOut;
  int32_t m_bConvOverwrite;
  std::string m_strConvOutDir;
  cWndPlacement m_aPlace[PLACE_COUNT];

  cEditConfig() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  // A damaged file leaves the configuration as it was.
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // The three common palette windows are shown or hidden together, and so are the stage ones.
  void SyncPaletteShow();

 private:
  int ReadBody(cDataReader& in);
  std::string m_strDropped;  // strings of old files that nothing uses any more
};

extern cEditConfig EditConfig;

constexpr const char* EDIT_CONFIG_FILE = "e_data\\EditConfig.dat";

// The choices of cEditConfig::m_nNewStagePalette, closed by an empty string.
extern const char* const NewStagePalNames[5];
