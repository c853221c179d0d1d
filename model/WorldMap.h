// The world map between the stages: a grid of 32-dot map chips over a background colour and an
// optional background image, the player's start cell, and events placed on cells. An event has
// one or more pages, each a complete description of the event with its own appearance
// conditions; template events are the entries of the event palette that new events copy.
// Stored in "data\WorldMap.dat", which the game program reads.
//
// Cell (x, y) of the chip grid is element x + (y << m_nShift); the elements x >= width of each row
// hold 0 and are never drawn.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
#include "model/DataRecord.h"

// m_nType of an event page, and what clearing a world does to the game (m_nGameClear).
extern const char* const WmEventTypeNames[4];  // "ワールド", "道", "壁"
extern const char* const WmGameClearNames[4];  // "しない", "2周目へ突入", "タイトルへ戻る"

enum eWmEventType { WM_EVENT_WORLD = 0, WM_EVENT_ROAD = 1, WM_EVENT_WALL = 2 };

constexpr int WM_WORLD_NO_MAX = 999;
// Chips of a new map.
constexpr int WM_DEFAULT_CHIPS = 10;
// No file of this program can hold a larger chip grid (DATA_FILE_MAX), so no map is made larger.
constexpr int64_t WM_GRID_MAX = int64_t(DATA_FILE_MAX) / 4;

class cEdWmChip : public cDataRecord {
 public:
  int32_t m_nChipData = 0;  // stored for the game program only
  int32_t m_bBlock = 0;     // 1: cannot be walked on
  int32_t m_nGraphic = 0;   // picture in the chip sheet, five per row
  std::string m_strChipData;  // stored for the game program only
  std::string m_strName;

  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

class cEdWmEventPage : public cDataRecord {
 public:
  int32_t m_nType = 0;  // eWmEventType
  int32_t m_nGraphic = 0;
  int32_t m_nWorldNo = 0;  // 0..999; 0 no number (counts as cleared from the start)
  int32_t m_bPassFree = 0;
  int32_t m_bReplay = 0;
  int32_t m_nGameClear = 0;  // index into WmGameClearNames
  // Appearance conditions: a world cleared (0 none), a common variable compared with a value
  // (variable 0 none; the comparison indexes the condition comparison wording), a total score.
  int32_t m_nCondWorld = 0;
  int32_t m_nCondVar = 0;
  int32_t m_nCondValue = 0;
  int32_t m_nCondCmp = 0;
  int32_t m_nCondScore = 0;  // from 209
  // Variation (from 758): a common variable set before the world starts.
  int32_t m_bVariation = 0;
  int32_t m_nVarVar = 1;
  int32_t m_nVarValue = 0;
  std::string m_strWorldName;
  std::string m_strStage;  // the stage file the world begins with

  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
};

class cEdWmEvent : public cDataRecord {
 public:
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  std::string m_strName;
  cChkVector<cEdWmEventPage> m_vPages = cChkVector<cEdWmEventPage>(1);

  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
};

class cEdWorldMap : public cDataRecord {
 public:
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nPitch = 0;  // the smallest power of two not below the width
  int32_t m_nShift = 0;  // pitch = 1 << shift
  int32_t m_nStartX = 0;
  int32_t m_nStartY = 0;
  int32_t m_nBgColor = 0;  // index into the project's 256-colour palette
  int32_t m_bBgImage = 0;
  std::string m_strName;  // stored with the map; nothing in the editor shows it
  std::string m_strBgImage;

  cChkVector<cEdWmChip> m_vChips;
  cChkVector<int32_t> m_vGrid;  // chip indices, pitch x height
  cChkVector<cEdWmEvent> m_vEvents;
  cChkVector<cEdWmEvent> m_vTemplates;

  cEdWorldMap() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  // Reads the map; a width, height, pitch or grid that do not agree make a damaged file, after
  // which the map holds its defaults.
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;

  static void CalcPitch(int32_t nWidth, int32_t& nPitch, int32_t& nShift);
  // Resizes the map keeping the cells both sizes share. 0, changing nothing, for a size below 1 or
  // a grid larger than WM_GRID_MAX.
  int SetSize(int32_t nWidth, int32_t nHeight);
  void ClearChips();
  int HasEventAt(int32_t x, int32_t y) const;
  // The first placed event at the cell, or null.
  cEdWmEvent* FindEventAt(int32_t x, int32_t y);
  int RemoveEventsAt(int32_t x, int32_t y);
  // Moves the event to the cell and places a copy of it there in place of what stood there.
  void PlaceEvent(cEdWmEvent& event, int32_t x, int32_t y);
  // Erases that very element of m_vEvents; 0 when it is not one.
  int RemoveEvent(const cEdWmEvent* pEvent);
  // The smallest world number 1..999 that no world page of a placed event other than pIgnore uses;
  // 0 when all are used.
  int32_t FirstFreeWorldNo(const cEdWmEvent* pIgnore) const;
  void AssignWorldNos(cEdWmEvent& event, const cEdWmEvent* pIgnore) const;
  // Pulls the start cell inside the map and drops the events the map no longer holds.
  void Validate();
};

// The project's world map, read at project load from "data\WorldMap.dat".
extern cEdWorldMap WorldMap;
