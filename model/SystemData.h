// The system record: the settings of the game as a whole (title, font, menus and messages, the
// status window, the rules of the play modes, ranking, stock, system sounds and menu music, the
// keys of the game program's "System.ini", the bitmap format and the compatibility switches).
// The editor stores them in "data\System.dat", which the game program reads.
//
// Every flag is a 32-bit value holding 0 or 1. The compatibility switches are 0 for new projects
// and, when an older file is read, 1 for projects older than the switch (one exception: see Read).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/ChkContainer.h"
#include "model/DataRecord.h"

// Indices of m_vStock and m_vResetOnDeath: the hero's properties carried from stage to stage.
enum eSysStock {
  SYS_STOCK_GRAPHIC, SYS_STOCK_ANIME_SET, SYS_STOCK_Z, SYS_STOCK_TRANSPARENT, SYS_STOCK_CHARA_EFFECT,
  SYS_STOCK_FIXED_DIR, SYS_STOCK_FLIGHT, SYS_STOCK_INVINCIBLE, SYS_STOCK_ENLARGE, SYS_STOCK_AUTOSCROLL,
  SYS_STOCK_VIEW, SYS_STOCK_HP, SYS_STOCK_SP, SYS_STOCK_MAX_HP, SYS_STOCK_MAX_SP, SYS_STOCK_BODY_RANGE,
  SYS_STOCK_BODY_POWER, SYS_STOCK_BODY_IMPACT, SYS_STOCK_DEFENCE, SYS_STOCK_IMPACT_RESIST,
  SYS_STOCK_INERTIA_STOP, SYS_STOCK_ACTION, SYS_STOCK_TIME, SYS_STOCK_LIVES, SYS_STOCK_BGM,
  SYS_STOCK_COUNT
};

// The entry counts of the system record's lists, as the defaults and every upgraded file hold them.
constexpr int SYS_STATUS_COUNT = 5;
constexpr int SYS_MODE_COUNT = 4;  // story, challenge, free and one entry no control changes
constexpr int SYS_RANK_ITEM_COUNT = 5;
constexpr int SYS_TERM_COUNT = 29;
constexpr int SYS_SOUND_COUNT = 17;
constexpr int SYS_BGM_COUNT = 4;  // title, story, challenge, option screens
constexpr int SYS_TITLE_MENU_COUNT = 7;
constexpr int SYS_MAP_MENU_COUNT = 4;
constexpr int SYS_OPTION_MENU_COUNT = 6;
constexpr int SYS_RANK_KIND_COUNT = 4;
constexpr int SYS_INI_OPTION_COUNT = 10;

// One menu entry: shown, with an empty text, unless set otherwise.
class cEdSysMenuItem : public cDataRecord {
 public:
  int32_t m_bShow = 1;
  std::string m_strText;  // at most 8 bytes

  cEdSysMenuItem() {}
  explicit cEdSysMenuItem(const char* pszText) : m_strText(pszText) {}
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

// One entry of the game's status window.
class cEdSysStatusItem : public cDataRecord {
 public:
  int32_t m_bShow = 0;
  int32_t m_bShowSymbol = 0;
  std::string m_strText;  // at most 5 bytes
  int32_t m_nDigits = 0;
  int32_t m_bShowValue = 0;  // from 204
  int32_t m_nBarLimit = 0;   // from 587: the bar changes colour at or below this
  int32_t m_nBarUnit = 0;    // from 587: 0 the value itself, 1 percent

  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
};

// One key of "System.ini" with the default the game program uses when the key is missing.
class cEdSysIniOption : public cDataRecord {
 public:
  int32_t m_nKind = 0;  // 0 numeric, 1 text
  std::string m_strKey;
  int32_t m_nDefault = 0;
  std::string m_strDefault;

  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  void SetNumber(const char* pszKey, int32_t nValue);
  void SetText(const char* pszKey, const char* pszText);
};

// Ranking of one play mode and which values it shows.
class cEdSysRanking : public cDataRecord {
 public:
  int32_t m_bRanking = 0;
  // score, remaining time, clear time, remaining HP, remaining SP
  cChkVector<uint8_t> m_vItems = cChkVector<uint8_t>(SYS_RANK_ITEM_COUNT, 0);

  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
};

class cEdSystem : public cDataRecord {
 public:
  std::string m_strTitle;  // at most 30 bytes
  int32_t m_b1UpOnClear = 0;
  int32_t m_n1UpScore = 0;
  int32_t m_bHidePause = 0;
  int32_t m_bSymbol = 0;
  int32_t m_nFont = 0;  // index into FontNames
  int32_t m_bEvenPitch = 0;
  int32_t m_bTestFlows = 0;
  int32_t m_bReplaySave = 0;
  int32_t m_bTitleImage = 0;
  int32_t m_bShareLives = 0;
  int32_t m_bDeathToMap = 0;
  int32_t m_bMapLives = 0;
  int32_t m_nWorlds = 0;
  int32_t m_bAllWorlds = 0;
  int32_t m_bStoryHiScore = 0;
  int32_t m_bStoryTotal = 0;
  int32_t m_bStoryResetVars = 0;
  int32_t m_bStoryRetry = 0;
  int32_t m_bChalHiScore = 0;
  int32_t m_bChalTotal = 0;
  int32_t m_bChalResetVars = 0;
  int32_t m_bChalRetry = 0;
  int32_t m_bFreeResetVars = 0;
  int32_t m_bTestResetVars = 0;
  int32_t m_nBmpMode = 0;  // index into BmpModeNames
  uint8_t m_cTransR = 0;   // the transparent colour of 24-bit mode
  uint8_t m_cTransG = 0;
  uint8_t m_cTransB = 0;
  int32_t m_bCompat212 = 0;
  int32_t m_bCompat260 = 0;
  int32_t m_bDeathEffect = 0;
  int32_t m_bInvincibleEffect = 0;
  int32_t m_nEffectSpeed = 0;
  int32_t m_bColorAnime = 0;
  int32_t m_bStoryToMap = 0;
  int32_t m_bCompat523 = 0;
  int32_t m_bCompat554 = 0;
  int32_t m_bCompat616 = 0;
  int32_t m_bCompat668 = 0;
  int32_t m_bCompat676 = 0;
  int32_t m_bCompat694 = 0;
  int32_t m_bCompatHidden = 0;  // no control shows it; kept and upgraded like the others
  int32_t m_bCompat696 = 0;
  int32_t m_bCompat720 = 0;
  int32_t m_bCompat722 = 0;
  int32_t m_bCompat732 = 0;
  int32_t m_bCompat734 = 0;
  int32_t m_bCompat747 = 0;
  int32_t m_bCompat751 = 0;  // read by the expression evaluator
  int32_t m_bCompat759Hit = 0;
  int32_t m_bCompat759Shot = 0;
  int32_t m_bCompat759Move = 0;
  int32_t m_bCompat772 = 0;
  int32_t m_nD3DBpp = 0;  // index into D3DDepthNames
  int32_t m_nDDBpp = 0;   // index into DDDepthNames

  cChkVector<uint8_t> m_vStock;
  cChkVector<uint8_t> m_vResetOnDeath;
  cChkVector<cEdSysStatusItem> m_vStatus;
  cChkVector<int32_t> m_vLives;
  cChkVector<int32_t> m_vInfinite;
  cChkVector<cEdSysRanking> m_vRanking;
  cChkVector<std::string> m_vTerms;
  cChkVector<std::string> m_vSounds;
  cChkVector<int32_t> m_vBgm;  // indices into the database's music list
  cChkVector<uint8_t> m_vBgmLoop;
  cChkVector<cEdSysMenuItem> m_vTitleMenu;
  cChkVector<cEdSysMenuItem> m_vMapMenu;
  cChkVector<cEdSysMenuItem> m_vOptionMenu;
  cChkVector<std::string> m_vRankKinds;
  cChkVector<cEdSysIniOption> m_vIniOptions;

  cEdSystem() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
  // Music indices outside the database's music list become 0.
  void Validate();

 private:
  void Upgrade(int32_t v);
  // Files of versions 221 to 259 store a value here that nothing uses any more.
  int32_t m_nDropped = 0;
};

// The number of entries of the database's music list, which bounds m_vBgm. The database module
// sets the function; while none is set the music indices are kept as they are.
typedef size_t (*SysMusicCountFn)();
SysMusicCountFn SetSysMusicCountFn(SysMusicCountFn pfn);

// The project's system record, read at project load from "data\System.dat".
extern cEdSystem SystemData;
