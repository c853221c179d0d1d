#include "model/SystemData.h"

#include <initializer_list>

cEdSystem SystemData;

namespace {

SysMusicCountFn g_pfnMusicCount = nullptr;

// Inserts x at i into a list that has n entries afterwards: the later entries move one place up
// and the last one falls off, as the list grew in the version that added the entry.
template <class V, class T>
void InsertKeepSize(V& v, size_t n, uint32_t i, const T& x) {
  v.resize(n);
  v.ShiftUp(i);
  v[static_cast<int>(i)] = x;
}

cEdSysIniOption NumberOption(const char* pszKey, int32_t nValue) {
  cEdSysIniOption o;
  o.SetNumber(pszKey, nValue);
  return o;
}

cEdSysStatusItem StatusItem(const char* pszText, int32_t nDigits) {
  cEdSysStatusItem s;
  s.m_bShow = 1;
  s.m_bShowSymbol = 1;
  s.m_strText = pszText;
  s.m_nDigits = nDigits;
  return s;
}

template <class V>
void SetMenu(V& v, std::initializer_list<const char*> texts) {
  v.clear();
  for (const char* psz : texts) v.push_back(cEdSysMenuItem(psz));
}

}  // namespace

SysMusicCountFn SetSysMusicCountFn(SysMusicCountFn pfn) {
  SysMusicCountFn pPrev = g_pfnMusicCount;
  g_pfnMusicCount = pfn;
  return pPrev;
}

// ---------------------------------------------------------------------------------------------
// Sub-records

void cEdSysMenuItem::SetDefault() {
  Clear();
  m_bShow = 1;
}

void cEdSysMenuItem::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_bShow);
  reg.AddString(&m_strText);
}

void cEdSysStatusItem::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddInt(&m_bShow);
  reg.AddInt(&m_bShowSymbol);
  reg.AddString(&m_strText);
  reg.AddInt(&m_nDigits);
  if (nVersion >= 204) reg.AddInt(&m_bShowValue);
  if (nVersion >= 587) {
    reg.AddInt(&m_nBarLimit);
    reg.AddInt(&m_nBarUnit);
  }
}

int cEdSysStatusItem::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  // Older game programs always showed the number.
  if (g_nFileVersion < 204) m_bShowValue = 1;
  return 1;
}

void cEdSysIniOption::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_nKind);
  reg.AddString(&m_strKey);
  reg.AddInt(&m_nDefault);
  reg.AddString(&m_strDefault);
}

void cEdSysIniOption::SetNumber(const char* pszKey, int32_t nValue) {
  m_strKey = pszKey;
  m_nKind = 0;
  m_nDefault = nValue;
}

void cEdSysIniOption::SetText(const char* pszKey, const char* pszText) {
  m_strKey = pszKey;
  m_nKind = 1;
  m_strDefault = pszText;
}

void cEdSysRanking::SetDefault() {
  Clear();
  m_vItems.assign(SYS_RANK_ITEM_COUNT, 0);
}

void cEdSysRanking::RegisterFields(cFieldRegistrar& reg, int32_t) const { reg.AddInt(&m_bRanking); }

int cEdSysRanking::Read(cDataReader& in) { return cDataRecord::Read(in) && ReadValueVector(in, m_vItems); }

void cEdSysRanking::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveValueVector(out, m_vItems);
}

// ---------------------------------------------------------------------------------------------
// The system record

void cEdSystem::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strTitle);
  if (nVersion >= 185) reg.AddInt(&m_b1UpOnClear);
  reg.AddInt(&m_n1UpScore);
  reg.AddInt(&m_bHidePause);
  reg.AddInt(&m_bSymbol);
  if (nVersion >= 205) reg.AddInt(&m_nFont);
  if (nVersion >= 170) reg.AddInt(&m_bEvenPitch);
  if (nVersion >= 113) reg.AddInt(&m_bTestFlows);
  if (nVersion >= 184) reg.AddInt(&m_bReplaySave);
  if (nVersion >= 157) reg.AddInt(&m_bTitleImage);
  reg.AddInt(&m_bShareLives);
  if (nVersion >= 191) {
    reg.AddInt(&m_bDeathToMap);
    reg.AddInt(&m_bMapLives);
  }
  reg.AddInt(&m_nWorlds);
  reg.AddInt(&m_bAllWorlds);
  if (nVersion >= 167) {
    reg.AddInt(&m_bStoryHiScore);
    reg.AddInt(&m_bStoryTotal);
  }
  if (nVersion >= 188) reg.AddInt(&m_bStoryResetVars);
  if (nVersion >= 224) reg.AddInt(&m_bStoryRetry);
  if (nVersion >= 167) {
    reg.AddInt(&m_bChalHiScore);
    reg.AddInt(&m_bChalTotal);
  }
  if (nVersion >= 188) reg.AddInt(&m_bChalResetVars);
  if (nVersion >= 224) reg.AddInt(&m_bChalRetry);
  if (nVersion >= 188) reg.AddInt(&m_bFreeResetVars);
  if (nVersion >= 192) reg.AddInt(&m_bTestResetVars);
  if (nVersion >= 187) {
    reg.AddInt(&m_nBmpMode);
    reg.AddChar(&m_cTransR);
    reg.AddChar(&m_cTransG);
    reg.AddChar(&m_cTransB);
  }
  if (nVersion >= 214) reg.AddInt(&m_bCompat212);
  if (nVersion >= 221 && nVersion <= 259) reg.AddInt(&m_nDropped);
  if (nVersion >= 261) reg.AddInt(&m_bCompat260);
  if (nVersion >= 272) reg.AddInt(&m_bDeathEffect);
  if (nVersion >= 287) reg.AddInt(&m_bInvincibleEffect);
  if (nVersion >= 515) reg.AddInt(&m_nEffectSpeed);
  if (nVersion >= 289) reg.AddInt(&m_bColorAnime);
  if (nVersion >= 757) reg.AddInt(&m_bStoryToMap);
  if (nVersion >= 525) reg.AddInt(&m_bCompat523);
  if (nVersion >= 555) reg.AddInt(&m_bCompat554);
  if (nVersion >= 637) reg.AddInt(&m_bCompat616);
  if (nVersion >= 669) reg.AddInt(&m_bCompat668);
  if (nVersion >= 677) reg.AddInt(&m_bCompat676);
  if (nVersion >= 695) reg.AddInt(&m_bCompat694);
  if (nVersion >= 696) reg.AddInt(&m_bCompatHidden);
  if (nVersion >= 697) reg.AddInt(&m_bCompat696);
  if (nVersion >= 721) reg.AddInt(&m_bCompat720);
  if (nVersion >= 728) reg.AddInt(&m_bCompat722);
  if (nVersion >= 733) reg.AddInt(&m_bCompat732);
  if (nVersion >= 744) reg.AddInt(&m_bCompat734);
  if (nVersion >= 749) reg.AddInt(&m_bCompat747);
  if (nVersion >= 752) reg.AddInt(&m_bCompat751);
  if (nVersion >= 763) {
    reg.AddInt(&m_bCompat759Hit);
    reg.AddInt(&m_bCompat759Shot);
  }
  if (nVersion >= 768) reg.AddInt(&m_bCompat759Move);
  if (nVersion >= 773) reg.AddInt(&m_bCompat772);
  if (nVersion >= 670) {
    reg.AddInt(&m_nD3DBpp);
    reg.AddInt(&m_nDDBpp);
  }
}

void cEdSystem::SetDefault() {
  Clear();
  m_b1UpOnClear = 0;
  m_n1UpScore = 100;
  m_bHidePause = 1;
  m_bSymbol = 0;
  m_nFont = 60;  // "ＭＳ Ｐゴシック"
  m_bEvenPitch = 0;
  m_bTestFlows = 0;
  m_bReplaySave = 1;
  m_bTitleImage = 1;
  m_bShareLives = 1;
  m_bDeathToMap = 1;
  m_bMapLives = 1;
  m_nWorlds = 40;
  m_bAllWorlds = 1;
  m_bStoryHiScore = m_bStoryTotal = m_bStoryResetVars = m_bStoryRetry = 1;
  m_bChalHiScore = m_bChalTotal = m_bChalResetVars = m_bChalRetry = 1;
  m_bFreeResetVars = 1;
  m_bTestResetVars = 0;
  m_nEffectSpeed = 16;
  m_bStoryToMap = 1;
  m_nDDBpp = 2;
  m_nDropped = 0;

  m_vStock.assign({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0});
  m_vResetOnDeath.assign(SYS_STOCK_COUNT, 0);
  m_vResetOnDeath[SYS_STOCK_HP] = 1;
  m_vResetOnDeath[SYS_STOCK_SP] = 1;

  m_vStatus.clear();
  m_vStatus.push_back(StatusItem("スコア", 4));  // world score
  m_vStatus.push_back(StatusItem("スコア", 3));
  m_vStatus.push_back(StatusItem("HP", 0));
  m_vStatus.push_back(StatusItem("SP", 0));
  m_vStatus.push_back(StatusItem("人", 2));  // remaining lives

  m_vLives.assign({5, 5, 5, 99});
  m_vInfinite.assign(SYS_MODE_COUNT, 1);
  m_vRanking.assign(SYS_MODE_COUNT, cEdSysRanking());
  for (int i = 0; i < 3; ++i) {
    m_vRanking[i].m_bRanking = 1;
    m_vRanking[i].m_vItems.assign(SYS_RANK_ITEM_COUNT, 1);
  }

  m_vTerms.assign({"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア",
                   "スコア", "残り時間", "クリア時間", "残りHP", "残りSP",
                   "ステージに挑む", "やっぱりやめる", "セーブする", "やっぱりやめる",
                   "オートセーブＯＮ", "オートセーブＯＦＦ", "保存先が不明です！一度は「セーブ」して下さい！",
                   "タイトルへ戻る", "やっぱりやめる", "しゅうりょう", "つづける", "リトライ",
                   "マップへ戻る", "リトライ", "マップへ戻る", "Vキーでジャンルの切り替え",
                   "スペースキーでタイトルへ戻る", "スペースキーで終了", "F3キーでランキングへ登録"});
  m_vSounds.assign(SYS_SOUND_COUNT, std::string());
  m_vBgm.assign(SYS_BGM_COUNT, 0);
  m_vBgmLoop.assign(SYS_BGM_COUNT, 1);

  SetMenu(m_vTitleMenu, {"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"});
  SetMenu(m_vMapMenu, {"セーブ", "オートセーブ", "もどる", "タイトルへ"});
  SetMenu(m_vOptionMenu, {"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる"});
  m_vRankKinds.assign({"手動登録（登録名入力）", "手動登録（登録名固定）", "自動登録（登録名入力）",
                       "自動登録（登録名固定）"});

  m_vIniOptions.assign(SYS_INI_OPTION_COUNT, cEdSysIniOption());
  m_vIniOptions[0].SetNumber("Direct3D", 2);
  m_vIniOptions[1].SetNumber("WindowMode", 0);
  m_vIniOptions[2].SetNumber("Bpp", 0);
  m_vIniOptions[3].SetNumber("VSync", 2);
  m_vIniOptions[4].SetNumber("D3D_FontCache", 0);
  m_vIniOptions[5].SetNumber("DD_FontCache", 1);
  m_vIniOptions[6].SetNumber("DD_VideoStretch", 0);
  m_vIniOptions[7].SetNumber("ShowFps", 1);
  m_vIniOptions[8].SetText("FreeStage", "");
  m_vIniOptions[9].SetNumber("English", 0);
}

int cEdSystem::Read(cDataReader& in) {
  const int32_t v = g_nFileVersion;
  // A container that the file's version did not store keeps what it held; the upgrades fill it.
  int bOk = cDataRecord::Read(in) && ReadValueVector(in, m_vStock) &&
            (v < 501 || ReadValueVector(in, m_vResetOnDeath)) && ReadRecords(in, m_vStatus) &&
            ReadValueVector(in, m_vLives) && (v < 191 || ReadValueVector(in, m_vInfinite)) &&
            (v < 186 || ReadRecords(in, m_vRanking)) && ReadStringVector(in, m_vTerms) &&
            ReadStringVector(in, m_vSounds) && ReadValueVector(in, m_vBgm) &&
            (v < 202 || ReadValueVector(in, m_vBgmLoop)) && ReadRecords(in, m_vTitleMenu) &&
            ReadRecords(in, m_vMapMenu) && ReadRecords(in, m_vOptionMenu) &&
            (v < 674 || ReadStringVector(in, m_vRankKinds)) && ReadRecords(in, m_vIniOptions);
  if (!bOk) return 0;
  Upgrade(v);
  Validate();
  return 1;
}

// Replays the record's history on a file of version v, oldest step first, so that every value
// lands where the current version keeps it.
void cEdSystem::Upgrade(int32_t v) {
  if (v < 113) m_bTestFlows = 0;
  if (v < 157) m_bTitleImage = 0;
  if (v < 167) m_bStoryHiScore = m_bStoryTotal = m_bChalHiScore = m_bChalTotal = 1;
  if (v < 168) InsertKeepSize(m_vStock, SYS_STOCK_COUNT, 16, uint8_t(1));
  if (v < 169) {
    InsertKeepSize(m_vMapMenu, SYS_MAP_MENU_COUNT, 1, cEdSysMenuItem("オートセーブ"));
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 12, std::string("保存先が不明です！一度は「セーブ」して下さい！"));
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 12, std::string("オートセーブＯＦＦ"));
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 12, std::string("オートセーブＯＮ"));
  }
  if (v < 170) m_bEvenPitch = 0;
  if (v < 181) {
    for (cEdSysRanking& r : m_vRanking) {
      r.m_vItems.resize(SYS_RANK_ITEM_COUNT);
      r.m_vItems[3] = 0;
      r.m_vItems[4] = 0;
    }
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 8, std::string("残りHP"));
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 9, std::string("残りSP"));
  }
  if (v < 184) m_bReplaySave = 1;
  if (v < 185) m_b1UpOnClear = 1;
  if (v < 187) {
    m_nBmpMode = 0;
    m_cTransR = 0;
    m_cTransG = 177;
    m_cTransB = 0;
  }
  if (v < 188) m_bStoryResetVars = m_bChalResetVars = m_bFreeResetVars = 1;
  if (v < 191) {
    m_vInfinite.assign({0, 0, 0, 1});
    m_bDeathToMap = 0;
    m_bMapLives = 0;
  }
  if (v < 192) m_bTestResetVars = 1;
  if (v < 193) {
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 22, std::string("リトライ"));
    InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 23, std::string("マップへ戻る"));
  }
  if (v < 201) InsertKeepSize(m_vStock, SYS_STOCK_COUNT, 14, uint8_t(0));
  if (v < 202) m_vBgmLoop.assign(SYS_BGM_COUNT, 1);
  if (v < 205) m_nFont = 60;
  if (v < 210) InsertKeepSize(m_vStock, SYS_STOCK_COUNT, 9, uint8_t(0));
  if (v < 214) m_bCompat212 = 1;
  if (v < 224) m_bStoryRetry = m_bChalRetry = 0;
  if (v < 261) m_bCompat260 = 1;
  if (v < 272) m_bDeathEffect = 0;
  if (v < 286) {
    InsertKeepSize(m_vIniOptions, SYS_INI_OPTION_COUNT, 0, NumberOption("Direct3D", 1));
    // Entry 3 (VSync) only takes the defaults 0 to 2 from now on.
    if (m_vIniOptions[3].m_nDefault >= 3) m_vIniOptions[3].m_nDefault = 2;
  }
  if (v < 287) m_bInvincibleEffect = 0;
  if (v < 289) m_bColorAnime = m_nBmpMode == 0 ? 1 : 0;
  if (v < 501) m_vResetOnDeath.assign(SYS_STOCK_COUNT, 0);
  if (v < 515) m_nEffectSpeed = 16;
  if (v < 525) m_bCompat523 = 1;
  if (v < 555) m_bCompat554 = 1;
  if (v < 567) InsertKeepSize(m_vIniOptions, SYS_INI_OPTION_COUNT, 4, NumberOption("DD_VideoStretch", 0));
  if (v < 568) {
    InsertKeepSize(m_vIniOptions, SYS_INI_OPTION_COUNT, 4, NumberOption("D3D_FontCache", 0));
    InsertKeepSize(m_vIniOptions, SYS_INI_OPTION_COUNT, 5, NumberOption("DD_FontCache", 1));
  }
  if (v < 587) {
    m_vStatus.resize(SYS_STATUS_COUNT);
    for (int i = 2; i <= 3; ++i) {  // HP and SP: the bar turns at a third
      m_vStatus[i].m_nBarLimit = 33;
      m_vStatus[i].m_nBarUnit = 1;
    }
  }
  // The one switch that not every older file gets: only files of 6.16 and before.
  if (v < 637) m_bCompat616 = v <= 616 ? 1 : 0;
  if (v < 669) m_bCompat668 = 1;
  if (v < 670) {
    m_nD3DBpp = 0;
    m_nDDBpp = 2;
  }
  if (v < 672) {
    m_vIniOptions.resize(SYS_INI_OPTION_COUNT);
    m_vIniOptions[9] = NumberOption("English", 0);
  }
  if (v < 677) m_bCompat676 = 1;
  if (v < 695) m_bCompat694 = 1;
  if (v < 696) m_bCompatHidden = 1;
  if (v < 697) m_bCompat696 = 1;
  if (v < 721) m_bCompat720 = 1;
  if (v < 728) m_bCompat722 = 1;
  if (v < 733) m_bCompat732 = 1;
  if (v < 744) m_bCompat734 = 1;
  if (v < 749) m_bCompat747 = 1;
  if (v < 752) m_bCompat751 = 1;
  if (v < 756) InsertKeepSize(m_vTerms, SYS_TERM_COUNT, 22, std::string("マップへ戻る"));
  if (v < 757) m_bStoryToMap = 0;
  if (v < 763) m_bCompat759Hit = m_bCompat759Shot = 1;
  if (v < 768) m_bCompat759Move = 1;
  if (v < 773) m_bCompat772 = 1;
}

void cEdSystem::Validate() {
  if (!g_pfnMusicCount) return;
  const size_t nMusic = g_pfnMusicCount();
  for (int32_t& n : m_vBgm)
    if (static_cast<uint32_t>(n) >= nMusic) n = 0;
}

void cEdSystem::Write(cDataWriter& out) {
  Validate();
  cDataRecord::Write(out);
  SaveValueVector(out, m_vStock);
  SaveValueVector(out, m_vResetOnDeath);
  SaveRecords(out, m_vStatus);
  SaveValueVector(out, m_vLives);
  SaveValueVector(out, m_vInfinite);
  SaveRecords(out, m_vRanking);
  SaveStringVector(out, m_vTerms);
  SaveStringVector(out, m_vSounds);
  SaveValueVector(out, m_vBgm);
  SaveValueVector(out, m_vBgmLoop);
  SaveRecords(out, m_vTitleMenu);
  SaveRecords(out, m_vMapMenu);
  SaveRecords(out, m_vOptionMenu);
  SaveStringVector(out, m_vRankKinds);
  SaveRecords(out, m_vIniOptions);
}
