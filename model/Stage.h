// The stage the editor has open: its settings for the game program, three layers of cells (blocks,
// characters, items), its own palettes, its background layers and the names of its variables.
//
// Each layer is a grid of m_nPitch x m_nHeight cells (cStageGrid: only cells that were written hold
// records); cell (x, y) is cell x + (y << m_nShift), the pitch being the smallest power of two not
// below the width. Columns from the width to the pitch are padding and stay empty. A cell is placed
// when its graphic number is not 0; the player is a placed character whose m_nControl is 0.
//
// Stored as a stage file (data\stg4\<name>.stg4_778): the stage's field and string sections, the
// ranking items, the five vanishing records, the three palettes, the placed cells of each layer as
// (index, record) pairs in row-major order, the backgrounds, the variable names and a trailer.
#pragma once

#include <cstdint>
#include <string>

#include "app/Thread.h"
#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/DataRecord.h"
#include "model/Inherit.h"
#include "model/Item.h"
#include "model/StageGrid.h"
#include "model/StageRecords.h"
#include "model/VarName.h"

// The editor offers 20 to 512 cells a side; a stored size outside 1 to 512 is a damaged file.
constexpr int32_t STAGE_SIZE_MAX = 512;
constexpr int32_t STAGE_VAR_COUNT = 1000;
constexpr int32_t STAGE_AUTO_VANISH_COUNT = 5;
// The undo steps a stage keeps, as the stage options allow them.
constexpr int32_t STAGE_UNDO_DEPTH_MAX = 9;
// The last 32-bit value of every stage file from version 173 on; a missing one means a broken save.
constexpr int32_t STAGE_TRAILER = 123456789;

struct cCellPos {
  int32_t x;
  int32_t y;
};

class cEdStage : public cDataRecord {
 public:
  std::string m_strName;
  int32_t m_nWidth;
  int32_t m_nPitch;
  int32_t m_nShift;
  int32_t m_nHeight;
  int32_t m_bMinXOn, m_bMaxXOn, m_bMinYOn, m_bMaxYOn;  // scroll limits switched on
  int32_t m_nMinX, m_nMaxX, m_nMinY, m_nMaxY;          // scroll limits in cells
  int32_t m_nFrameRate;
  int32_t m_bTimeLimit;
  int32_t m_nTimeLimit;
  int32_t m_nWarnTime;
  int32_t m_nScrollModeX, m_nScrollModeY;  // ScrollModeNames
  int32_t m_nAutoScrollX, m_nAutoScrollY;
  double m_dGravity;
  int32_t m_nHitLevel;       // 1-19, HitLevelNames
  int32_t m_nShotPrecision;  // ShotPrecisionNames
  int32_t m_nBgm;            // index into the database's music list
  int32_t m_bBgmLoop;        // from version 166
  int32_t m_bBgmKeep;        // from version 199
  int32_t m_bUseZ;
  int32_t m_bStockLoad;
  int32_t m_bStockSave;
  int32_t m_bStatusWindow;   // from version 183
  int32_t m_bSkipClearWait;  // from version 184
  int32_t m_bShowStageX;
  int32_t m_bShowReady;  // from version 225
  int32_t m_bShowClear;
  int32_t m_bShowGameOver;
  // Hit ranges in dots (width, height) and their positions (RangePosNames).
  int32_t m_nHeroWalkBlockW, m_nHeroWalkBlockH, m_nHeroFlyBlockW, m_nHeroFlyBlockH;  // from version 200
  int32_t m_nHeroWalkCharaW, m_nHeroWalkCharaH;
  int32_t m_nHeroFlyCharaW, m_nHeroFlyCharaH;  // from version 155
  int32_t m_nHeroShotW, m_nHeroShotH;
  int32_t m_nHeroItemW, m_nHeroItemH;
  int32_t m_nHeroWalkBlockPos, m_nHeroFlyBlockPos;  // from version 200
  int32_t m_nHeroWalkCharaPos, m_nHeroFlyCharaPos;  // from version 155
  int32_t m_nShowBlockRange;                         // from version 200; RangeShowNames
  int32_t m_nShowCharaRange, m_nShowShotRange, m_nShowItemRange;
  int32_t m_nBlockRangeColor;  // from version 200; RangeColorNames
  int32_t m_nCharaRangeColor, m_nShotRangeColor, m_nItemRangeColor;
  int32_t m_nEnemyWalkBlockW, m_nEnemyWalkBlockH, m_nEnemyFlyBlockW, m_nEnemyFlyBlockH;  // from version 200
  int32_t m_nEnemyWalkCharaW, m_nEnemyWalkCharaH;
  int32_t m_nEnemyFlyCharaW, m_nEnemyFlyCharaH;  // from version 155
  int32_t m_nEnemyShotW, m_nEnemyShotH;
  int32_t m_nEnemyWalkBlockPos, m_nEnemyFlyBlockPos;  // from version 200
  int32_t m_nEnemyWalkCharaPos, m_nEnemyFlyCharaPos;  // from version 155
  int32_t m_nItemCharaW, m_nItemCharaH;
  int32_t m_nHeroShotCharaW, m_nHeroShotCharaH, m_nHeroShotShotW, m_nHeroShotShotH;
  int32_t m_nEnemyShotCharaW, m_nEnemyShotCharaH, m_nEnemyShotShotW, m_nEnemyShotShotH;
  int32_t m_nUndoDepth;
  int32_t m_nWidthDots, m_nHeightDots;
  // Derived from the hit level for the game program (SetSpeedLevel).
  int32_t m_nLevelEff;
  double m_dLevel, m_dLevelSq, m_dSpeedLimit, m_dGravityStep, m_dSpeedStep;
  int32_t m_nLevel8;
  int32_t m_bNoDamageOffScreen;
  int32_t m_nHeroSameInvuln, m_nHeroInvuln, m_nEnemySameInvuln, m_nEnemyInvuln;

  cChkVector<int32_t> m_vRankItems;  // score, time left, clear time, HP left, SP left (1 = on)
  cEdAutoVanish m_AutoVanish[STAGE_AUTO_VANISH_COUNT];
  cChkVector<cEdBlock> m_vPalBlock;
  cChkVector<cEdChara> m_vPalChara;
  cChkVector<cEdItem> m_vPalItem;
  cStageGrid<cEdBlock> m_vBlockGrid;
  cStageGrid<cEdChara> m_vCharaGrid;
  cStageGrid<cEdItem> m_vItemGrid;
  cChkVector<cEdBackground> m_vBackground;
  cChkVector<cEdVarName> m_vVarName;
  int32_t m_nWheelDir = 0;  // WheelDirNames; an editor setting, not stored in the stage file
  std::string m_strLoadPath;  // the file the threaded load reads
  int32_t m_bLoadOk = 0;      // set by the load worker when the file was read
  // Set when a failed load had already freed the cells the stage held: it is a new stage now.
  int32_t m_bDroppedOnRead = 0;

  cEdStage();
  // A stage holds three-quarters of a million records at most: it is never copied by accident.
  cEdStage(const cEdStage&) = delete;
  cEdStage& operator=(const cEdStage&) = delete;

  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  void SetDefault() override { Reset(); }
  // The stage file body. A damaged file (a short read, a size outside 1..512, a cell outside the
  // grid) is a failed read that leaves the stage as it was.
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;

  // A new empty stage of 20 x 15 cells.
  void Reset();
  // Lays the grids out for a new size. With nDirX 1 the columns are added or removed on the left,
  // with nDirY 1 the rows at the top. A player that would fall outside is put into cell (0, 0).
  // 0 for a size outside 1..512; the stage is then unchanged.
  int SetSize(int32_t nWidth, int32_t nHeight, int32_t nDirX, int32_t nDirY);
  // Repairs the settings and the palettes, validates every palette entry and every cell.
  void Validate();
  // Validates every palette entry and every cell; with bRefs also their palette references.
  void ValidateAll(int bRefs);
  // Stores the hit level and recomputes the values derived from it.
  void SetSpeedLevel(int32_t nLevel);

  int32_t CellIndex(int32_t x, int32_t y) const { return x + (y << m_nShift); }
  // The first player in row-major order, or (-1, -1).
  cCellPos FindPlayer() const;
  bool HasPlayer() const { return FindPlayer().x != -1; }
  // Clears every player but the last one in row-major order.
  void KeepOnePlayer();
  // Puts a character into a cell so that the stage keeps at most one player: a player displaced
  // from the cell moves to the first empty cell, and a new player replaces the old one. The given
  // character's control group is no longer inherited (the caller's record changes too).
  void SetCharaCell(int32_t nIndex, cEdChara& chara);
  void SetCharaCell(int32_t x, int32_t y, cEdChara& chara) { SetCharaCell(CellIndex(x, y), chara); }

  // Replace a grid or palette vector with nCount default records.
  static void ClearBlockGrid(cChkVector<cEdBlock>& v, int32_t nCount);
  static void ClearCharaGrid(cChkVector<cEdChara>& v, int32_t nCount);
  static void ClearItemGrid(cChkVector<cEdItem>& v, int32_t nCount);
  // The same for a stage layer, which becomes nCount empty cells: the cells that held elements are
  // touched through the grid first, so that an undo step open on it brings them back.
  static void ClearBlockGrid(cStageGrid<cEdBlock>& v, int32_t nCount);
  static void ClearCharaGrid(cStageGrid<cEdChara>& v, int32_t nCount);
  static void ClearItemGrid(cStageGrid<cEdItem>& v, int32_t nCount);

  // After the common palette's entries of a layer changed: the stage entries inheriting from it,
  // then the cells inheriting from it, then the cells inheriting from the stage palette.
  void ReapplyBlockInherit();
  void ReapplyCharaInherit();
  void ReapplyItemInherit();
  // After the stage palette's entries of a layer changed: the cells inheriting from it.
  void RefreshBlockCells();
  void RefreshCharaCells();
  void RefreshItemCells();

  // The stage palette file. LoadPalettes re-applies inheritance to the cells that take it from
  // the stage palette; neither validates. 0 when the file cannot be read or written.
  int SavePalettes(const char* pszPath);
  int LoadPalettes(const char* pszPath);

  // Reads the file on the stage-load worker while this thread drops its messages. 1 when the
  // stage now holds the file's stage; 0 on a failed read (after the error box) or on WM_QUIT
  // (the quit stays queued for the message loop and the stage is left as it was).
  int LoadThreaded(const char* pszPath);
  // A stage file of version 174 or later whose trailer is missing was left by a save that broke
  // off: it is replaced by its backup in data\work\ when there is one. Always 1.
  static int Recover(const char* pszPath);

  // Points the palette inheritance of source kind 2 at this stage's palettes.
  void AttachPalettes();

 private:
  // The members Read does not replace: an older file leaves them as they were.
  void CopySettings(const cEdStage& src);
  void Swap(cEdStage& o);
  // With bCells the stage takes the file's cells; without, they are only read through (and the
  // stage is neither upgraded nor validated), to find a damaged file before anything is freed.
  int ReadBody(cDataReader& in, bool bCells);
  int ReadCells(cDataReader& in, bool bCells, bool bRefs);
  // SetSize; with bForRead the grids (empty before) are left empty with room for every cell, for
  // the reader to fill in the order of the file.
  int Resize(int32_t nWidth, int32_t nHeight, int32_t nDirX, int32_t nDirY, bool bForRead);
  void ValidateSettingsAndPalettes();
  // Validate for a stage just read: its cells were validated as they were read, against the same
  // palettes and database, so only their palette references are left to check (none with
  // bCellRefsDone: they were checked as they were read).
  void ValidateAfterRead(bool bCellRefsDone);
  void Upgrade();
  void WriteCells(cDataWriter& out);
  // The size, the size in dots and the pitch; the grids are left alone.
  void SetDims(int32_t nWidth, int32_t nHeight);
  void ClampScroll();
  cStagePalettes OwnPalettes();
};

extern cEdStage Stage;
// The worker that reads stage files; the frame window stops it when it is destroyed.
extern cThread StageLoadThread;

// A function the load worker runs before it reads the file; tests put one here to act while a
// threaded load is under way. Null: none. Returns the one it replaces.
typedef void (*StageLoadHookFn)();
StageLoadHookFn SetStageLoadHook(StageLoadHookFn pfn);
// Run between the reading that checks a stage file and the one that keeps its cells, after the
// open stage's cells were freed; tests change the file here. Returns the one it replaces.
StageLoadHookFn SetStageRereadHook(StageLoadHookFn pfn);

// Where a broken stage file's backup is kept while a save is under way.
constexpr const char* STAGE_BACKUP_FOLDER = "data\\work\\";
