// The project's folder layout and file names, the creation of the data folder from its factory
// copy, and the load of the whole project at start-up: common-variable names, database, system
// data, common palette, project options, world map, the default stage, the palettes, the chip
// sheets and the character-specific bitmaps; then the stage that was open last.
#pragma once

#include <windows.h>

#include <string>

#include "app/Surface.h"
#include "base/ChkContainer.h"
#include "model/DataRecord.h"
#include "model/Database.h"

// Created at every start, in this order; errors are ignored.
constexpr int EDITOR_FOLDER_COUNT = 2;
extern const char* const EditorFolders[EDITOR_FOLDER_COUNT];
constexpr int PROJECT_FOLDER_COUNT = 22;
extern const char* const ProjectFolders[PROJECT_FOLDER_COUNT];

constexpr const char* DATA_DIR = "data\\";
constexpr const char* DEFAULT_DIR = "default\\";
constexpr const char* OLD_STAGE_DIR = "data\\stg4\\old_ver\\";
constexpr const char* STAGE_WORK_DIR = "data\\work\\";
constexpr const char* GVALINFO_FILE = "data\\GValInfo.dat";
constexpr const char* SYSTEM_FILE = "data\\System.dat";
constexpr const char* WORLD_MAP_FILE = "data\\WorldMap.dat";
constexpr const char* DEFAULT_STAGE = "data\\stg4\\Default.stg4_***";
constexpr const char* FACTORY_DEFAULT_STAGE = "default\\stg4\\Default.stg4_***";
constexpr const char* STAGE_EXT = "stg4";
constexpr const char* PALETTE_FILE = "bmp\\plt\\Palette.bmp";
constexpr const char* CONV_PALETTE_FILE = "bmp\\plt\\Palette2.bmp";

// The names of a character's invincibility effects, ended by an empty string.
extern const char* const InvincibleColorNames[11];

// The common variables' names count.
constexpr int GVAL_COUNT = 1000;

// Creates the folders of both lists in order; existing ones are left alone.
void CreateProjectFolders();

// With no data folder but a factory copy, asks and copies "default\" to "data\". True when a data
// folder is there afterwards; false (no message beyond the question) otherwise.
bool CreateDefaultData(HWND hOwner);

// Reads a variable-name file: the count and each name. False only when the file cannot be
// opened; a damaged file keeps the names read before the damage and sets *pbDamaged.
template <class V>
bool ReadVarNames(V& v, const char* pszPath, bool* pbDamaged = nullptr) {
  cDataReader in;
  if (!OpenForRead(pszPath, in)) return false;
  V read;
  const bool bDamaged = !ReadRecords(in, read, READ_REPLACE);
  if (pbDamaged) *pbDamaged = bDamaged;
  if (g_bStripCR)
    for (auto& e : read) e.StripCR();
  v.swap(read);
  return true;
}

// Copies a damaged file to a free name beside it ("<file>.broken", then "<file>.broken2" ...), so
// that writing the file again loses nothing of it. The copy's path, or empty when no copy was made.
std::string SetDamagedFileAside(const char* pszPath);

// Loads the whole project; on the first failure its message is shown and false returned.
bool LoadProject();

// Opens the stage that the editor configuration names, after restoring a file that a broken save
// left incomplete. True when it was loaded; otherwise the stage is a new 32 by 32 one and no stage
// is open. The undo store is sized for the stage either way.
bool OpenLastStage(const std::string& strPath);

// Releases every surface, then loads two per entry of the list from entry 1 on (entry 0 is the
// "none" entry): the bitmap and its mirrored copy. False, after a message, when one fails.
bool LoadBmpPairs(cChkVector<cSurface>& vSurfaces, cChkVector<cEdBmpCharaExc>& vList);

// The chip sheets of every slot and the picker sheets composed from them; false, after a
// message, when a fixed sheet cannot be loaded. Slots 0 and 23 come from the paths given.
bool LoadChipBitmaps(const std::string& strStageBack, const std::string& strWorldBack);
