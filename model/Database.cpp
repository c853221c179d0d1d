#include "model/Database.h"

#include <array>

#include "model/EffectKindTables.h"
#include "model/FileSet.h"

cEdDatabase Database;

const char* const SwordDirNames[5] = {"前", "後", "上", "下", ""};

const char* const cEdDatabase::s_apszFiles[LIST_COUNT] = {
    "data\\database\\AnimeSet.dat",    "data\\database\\Anime.dat",
    "data\\database\\Bmp_CharaExc.dat", "data\\database\\SwordType.dat",
    "data\\database\\Effect.dat",      "data\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat",   "data\\database\\Picture.dat",
    "data\\database\\Sound.dat",       "data\\database\\Bgm.dat",
};

const char* const cEdDatabase::s_pszJournal = "data\\database\\Replacing.~set";

// ---------------------------------------------------------------------------------------------
// Animations

void cEdAnimePattern::SetDefault() {
  Clear();
  m_nTime = 1;
}

void cEdAnimePattern::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_nFrame);
  reg.AddInt(&m_nTime);
  reg.AddInt(&m_bRunCmd);
}

void cEdAnime::SetDefault() {
  Clear();
  m_vPattern.assign(1, cEdAnimePattern());
  m_nSampleKind = 1;
}

void cEdAnime::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  if (nVersion >= 55) {
    reg.AddShort(&m_nSampleNo);
    reg.AddChar(&m_nSampleKind);
    reg.AddShort(&m_nSampleFrame);
  }
}

int cEdAnime::Read(cDataReader& in) { return cDataRecord::Read(in) && ReadRecords(in, m_vPattern); }

void cEdAnime::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveRecords(out, m_vPattern);
}

namespace {

const char* const ANIME_SLOT_NAMES[4] = {"立ち", "立ち移動", "飛行", "飛行移動"};

}  // namespace

void cEdAnimeSet::SetDefault() {
  Clear();
  m_nInvincibleShift = 4;
  m_nBlockShift = 8;
  m_nFlyShift = 0;
  m_vSlot.resize(4);
  for (int i = 0; i < 4; ++i) m_vSlot[i].m_strName = ANIME_SLOT_NAMES[i];
}

void cEdAnimeSet::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  reg.AddInt(&m_nInvincibleShift);
  reg.AddInt(&m_nBlockShift);
  if (nVersion >= 119) reg.AddInt(&m_nFlyShift);
}

int cEdAnimeSet::Read(cDataReader& in) {
  if (!cDataRecord::Read(in) || !ReadRecords(in, m_vSlot)) return 0;
  // Older sets had fewer or more slots; the set always has four since then.
  if (g_nFileVersion < 119) m_vSlot.resize(4);
  if (g_nFileVersion < 128) {
    m_vSlot.resize(4);
    m_vSlot[2].m_strName = ANIME_SLOT_NAMES[2];
    m_vSlot[3].m_strName = ANIME_SLOT_NAMES[3];
  }
  return 1;
}

void cEdAnimeSet::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveRecords(out, m_vSlot);
}

// ---------------------------------------------------------------------------------------------
// Named files

int cEdNamedEntry::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  if (g_nFileVersion < 153) m_bNameIsFile = 0;
  return 1;
}

void cEdNamedFile::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  if (nVersion >= 151) reg.AddInt(&m_bNameIsFile);
  reg.AddString(&m_strPath);
}

void cEdBmpCharaExc::SetDefault() {
  Clear();
  m_bGiant = 0;
  m_nGiantSize = 2;
}

void cEdBmpCharaExc::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  if (nVersion >= 152) reg.AddInt(&m_bNameIsFile);
  reg.AddString(&m_strPath);
  if (nVersion >= 172) {
    reg.AddInt(&m_bGiant);
    reg.AddInt(&m_nGiantSize);
  }
}

// ---------------------------------------------------------------------------------------------
// Swords

void cEdSwordPos::SetDefault() {
  Clear();
  m_bFlipX = 1;
}

void cEdSwordPos::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddInt(&m_nX);
  reg.AddInt(&m_nY);
  if (nVersion >= 138) {
    reg.AddInt(&m_bFlipX);
    reg.AddInt(&m_bFlipY);
  }
  reg.AddInt(&m_nDir);
  reg.AddInt(&m_nSrcX);
  reg.AddInt(&m_nSrcY);
  reg.AddInt(&m_nWidth);
  reg.AddInt(&m_nHeight);
  reg.AddInt(&m_nTime);
}

void cEdSwordType::SetDefault() {
  Clear();
  cEdSwordPos pos;
  pos.m_nTime = 1;
  m_vPos.assign(1, pos);
}

void cEdSwordType::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  if (nVersion >= 151) reg.AddInt(&m_bNameIsFile);
  reg.AddString(&m_strBmpLeft);
  reg.AddString(&m_strBmpRight);
}

int cEdSwordType::Read(cDataReader& in) { return cEdNamedEntry::Read(in) && ReadRecords(in, m_vPos); }

void cEdSwordType::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveRecords(out, m_vPos);
}

// ---------------------------------------------------------------------------------------------
// Effects

void cEdEffectFrame::SetDefault() {
  Clear();
  m_nTime = 1;
}

void cEdEffectFrame::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddInt(&m_nFrame);
  reg.AddInt(&m_nTime);
}

void cEdEffect::SetDefault() {
  Clear();
  m_nWidth = 32;
  m_nHeight = 32;
  m_bAllowZoom = 0;
}

void cEdEffect::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddString(&m_strName);
  if (nVersion >= 151) reg.AddInt(&m_bNameIsFile);
  reg.AddString(&m_strPath);
  reg.AddInt(&m_nWidth);
  reg.AddInt(&m_nHeight);
  reg.AddInt(&m_bAllowZoom);
}

int cEdEffect::Read(cDataReader& in) { return cEdNamedEntry::Read(in) && ReadRecords(in, m_vFrame); }

void cEdEffect::Write(cDataWriter& out) {
  cDataRecord::Write(out);
  SaveRecords(out, m_vFrame);
}

void cEdKindEffect::SetDefault() {
  Clear();
  m_nKind = 1;
}

void cEdKindEffect::RegisterFields(cFieldRegistrar& reg, int32_t) const {
  reg.AddString(&m_strName);
  reg.AddInt(&m_nKind);
  reg.AddInt(m_anParam, 5);
}

namespace {

// Versions up to 510 stored no roughness for these kinds: they get the kind's default.
struct cParamUpgrade {
  int32_t nKind;
  int nParam;  // counted from 1
};

void UpgradeParams(cEdKindEffect& e, const cParamUpgrade* pSteps, int nSteps, const cEffectParamInfo* pTable) {
  if (g_nFileVersion > 510) return;
  for (int i = 0; i < nSteps; ++i)
    if (e.m_nKind == pSteps[i].nKind)
      e.m_anParam[pSteps[i].nParam - 1] = pTable[EFFECT_PARAMS * pSteps[i].nKind + pSteps[i].nParam - 1].m_nDefault;
}

const cParamUpgrade CHARA_UPGRADES[] = {{4, 5}, {5, 5}, {10, 4}};
const cParamUpgrade SCR_UPGRADES[] = {{6, 5}, {7, 5}, {10, 4}};

}  // namespace

int cEdCharaEffect::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  UpgradeParams(*this, CHARA_UPGRADES, 3, CharaEffectParams);
  return 1;
}

int cEdScrEffect::Read(cDataReader& in) {
  if (!cDataRecord::Read(in)) return 0;
  UpgradeParams(*this, SCR_UPGRADES, 3, ScrEffectParams);
  return 1;
}

// ---------------------------------------------------------------------------------------------
// The database

namespace {

template <class V>
void FillDefault(V& v, size_t n) {
  v.clear();
  v.resize(n);
}

// Calls fn(list, index) for each of the ten lists in member order; stops when fn returns 0.
template <class F>
int ForEachList(cEdDatabase& db, F fn) {
  return fn(db.m_vAnimeSet, 0) && fn(db.m_vAnime, 1) && fn(db.m_vBmpCharaExc, 2) && fn(db.m_vSwordType, 3) &&
         fn(db.m_vEffect, 4) && fn(db.m_vCharaEffect, 5) && fn(db.m_vScrEffect, 6) && fn(db.m_vPicture, 7) &&
         fn(db.m_vSound, 8) && fn(db.m_vBgm, 9);
}

}  // namespace

cEdDatabase::cEdDatabase() {
  FillDefault(m_vAnimeSet, 1);
  FillDefault(m_vAnime, 2);
  FillDefault(m_vBmpCharaExc, 2);
  FillDefault(m_vSwordType, 1);
  FillDefault(m_vEffect, 2);
  FillDefault(m_vCharaEffect, 2);
  FillDefault(m_vScrEffect, 2);
  FillDefault(m_vPicture, 2);
  FillDefault(m_vSound, 2);
  FillDefault(m_vBgm, 2);
  m_vAnime[0].m_strName = "なし";
  m_vAnime[1].m_strName = "アクションA";
}

int cEdDatabase::LoadAll() {
  std::string strStuck;
  if (!RecoverFileSet(s_pszJournal, s_apszFiles, LIST_COUNT, &strStuck)) {
    ReportLoadError(strStuck.c_str());
    return 0;
  }
  int bOk = ForEachList(*this, [](auto& v, int i) {
    if (LoadFromFile(v, s_apszFiles[i])) return 1;
    ReportLoadError(s_apszFiles[i]);
    return 0;
  });
  if (!bOk) return 0;
  ClearNoneKinds();
  return 1;
}

int cEdDatabase::SaveAll(std::vector<std::string>* pvFailed, bool* pbPending) {
  ClearNoneKinds();
  std::vector<std::string> vFailed;
  auto Result = [&](int bAll, bool bPending) {
    if (pvFailed) pvFailed->swap(vFailed);
    if (pbPending) *pbPending = bPending;
    return bAll;
  };
  // A set whose replacing was cut short is completed before new staged files could mix with it.
  std::string strStuck;
  if (!RecoverFileSet(s_pszJournal, s_apszFiles, LIST_COUNT, &strStuck)) {
    vFailed.push_back(strStuck);
    return Result(0, true);
  }
  // The files refer to one another (anime sets to animations, characters' pictures to their
  // exceptions ...): all are written whole beside their targets before any replaces its old
  // file, so that a failure leaves the old set on disk rather than a mix of old and new.
  std::array<std::string, LIST_COUNT> aStaged;
  for (int i = 0; i < LIST_COUNT; ++i) aStaged[i] = StagedPathOf(s_apszFiles[i]);
  std::array<cDataWriter, LIST_COUNT> aOut;
  ForEachList(*this, [&aOut, &aStaged, &vFailed](auto& v, int i) {
    if (!SaveToTempFile(v, aStaged[i].c_str(), aOut[i])) vFailed.push_back(s_apszFiles[i]);
    return 1;  // every file is tried, so that the message names all that fail
  });
  if (vFailed.empty())
    for (int i = 0; i < LIST_COUNT; ++i)
      if (!TargetReplaceable(s_apszFiles[i])) vFailed.push_back(s_apszFiles[i]);
  if (vFailed.empty())
    for (int i = 0; i < LIST_COUNT; ++i) {
      if (!TakeFileSetStep()) return Result(0, false);
      if (!CommitTempFile(aOut[i])) vFailed.push_back(s_apszFiles[i]);
    }
  if (!vFailed.empty()) {
    DropStagedFiles(s_apszFiles, LIST_COUNT);
    return Result(0, false);
  }
  // The moves onto the targets go through a journal: a process that dies among them leaves the
  // set for the next start to complete.
  if (ReplaceFileSet(s_pszJournal, s_apszFiles, LIST_COUNT, &vFailed)) return Result(1, false);
  if (!vFailed.empty()) return Result(0, true);
  for (const char* psz : s_apszFiles) vFailed.push_back(psz);
  return Result(0, false);
}

void cEdDatabase::ClearNoneKinds() {
  if (m_vCharaEffect.empty()) FillDefault(m_vCharaEffect, 2);
  if (m_vScrEffect.empty()) FillDefault(m_vScrEffect, 2);
  m_vCharaEffect[0].m_nKind = 0;
  m_vScrEffect[0].m_nKind = 0;
}
