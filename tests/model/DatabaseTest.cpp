#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/Database.h"
#include "model/EffectKindTables.h"
#include "model/FileSet.h"
#include "model/RecordTestSupport.h"
#include "support/TestSupport.h"

namespace {

const char* const FILES[] = {"AnimeSet.dat",  "Anime.dat",     "Bmp_CharaExc.dat", "SwordType.dat", "Effect.dat",
                             "CharaEffect.dat", "ScrEffect.dat", "Picture.dat",      "Sound.dat",     "Bgm.dat"};

// A project folder with data\database\ as the current directory's content.
class DatabaseFiles : public testing::Test {
 protected:
  DatabaseFiles() : m_Dir(true) {
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\database", nullptr);
  }
  static std::string Path(const char* pszName) { return std::string("data\\database\\") + pszName; }
  cTempDir m_Dir;
  cMsgBoxRecorder m_Boxes;
};

template <class V>
std::vector<uint8_t> ListImage(V& v) {
  return WriteImage([&v](cDataWriter& out) { SaveRecords(out, v); });
}

template <class V>
int ReadList(V& v, const std::vector<uint8_t>& img) {
  return ParseImage(img, [&v](cDataReader& in) { return ReadRecords(in, v, READ_RESIZE); });
}

// One anime in a file of the given version (the sample fields are stored from 55 on).
cImage& Anime(cImage& img, const char* pszName) {
  return img.I(3).H(0).C(1).H(0).I(1).S(pszName).I(0);
}

}  // namespace

// --- Default contents and their files ----------------------------------------------------------------

TEST(Database, DefaultContents) {
  cEdDatabase db;
  EXPECT_EQ(1u, db.m_vAnimeSet.size());
  ASSERT_EQ(2u, db.m_vAnime.size());
  EXPECT_EQ("なし", db.m_vAnime[0].m_strName);
  EXPECT_EQ("アクションA", db.m_vAnime[1].m_strName);
  EXPECT_EQ(1u, db.m_vSwordType.size());
  ASSERT_EQ(1u, db.m_vSwordType[0].m_vPos.size());
  EXPECT_EQ(1, db.m_vSwordType[0].m_vPos[0].m_nTime);
  EXPECT_EQ(1, db.m_vSwordType[0].m_vPos[0].m_bFlipX);
  const cEdAnimeSet& set = db.m_vAnimeSet[0];
  ASSERT_EQ(4u, set.m_vSlot.size());
  EXPECT_EQ("立ち", set.m_vSlot[0].m_strName);
  EXPECT_EQ("飛行移動", set.m_vSlot[3].m_strName);
  EXPECT_EQ(1u, set.m_vSlot[3].m_vPattern.size());
  EXPECT_EQ(1, db.m_vCharaEffect[0].m_nKind);  // "no effect" only once loaded or saved
  EXPECT_EQ(2u, db.m_vBmpCharaExc.size());
  EXPECT_EQ(2u, db.m_vBgm.size());
}

TEST_F(DatabaseFiles, DefaultFilesHoldTheHandComputedBytes) {
  cEdDatabase db;
  ASSERT_EQ(1, db.SaveAll());
  cImage bgm;
  bgm.I(778).I(2);
  for (int i = 0; i < 2; ++i) bgm.I(1).I(0).I(2).S("").S("");
  EXPECT_EQ(HexOf(bgm), HexOf(ReadFileBytes(Path("Bgm.dat"))));

  cImage fx;
  fx.I(778).I(2);
  fx.I(2).I(0).I(0).I(0).I(0).I(0).I(0).I(1).S("");  // entry 0: no effect
  fx.I(2).I(1).I(0).I(0).I(0).I(0).I(0).I(1).S("");
  EXPECT_EQ(HexOf(fx), HexOf(ReadFileBytes(Path("CharaEffect.dat"))));

  cImage anime;
  anime.I(778).I(2);
  anime.I(3).H(0).C(1).H(0).I(1).S("なし").I(1).I(3).I(0).I(1).I(0).I(0);
  anime.I(3).H(0).C(1).H(0).I(1).S("アクションA").I(1).I(3).I(0).I(1).I(0).I(0);
  EXPECT_EQ(HexOf(anime), HexOf(ReadFileBytes(Path("Anime.dat"))));

  cImage sword;
  sword.I(778).I(1).I(1).I(0).I(3).S("").S("").S("");
  sword.I(1).I(10).I(0).I(0).I(1).I(0).I(0).I(0).I(0).I(0).I(0).I(1).I(0);
  EXPECT_EQ(HexOf(sword), HexOf(ReadFileBytes(Path("SwordType.dat"))));
}

TEST_F(DatabaseFiles, EveryDefaultFileRoundTripsByteExact) {
  cEdDatabase db;
  ASSERT_EQ(1, db.SaveAll());
  std::vector<std::vector<uint8_t>> first;
  for (const char* f : FILES) first.push_back(ReadFileBytes(Path(f)));

  cEdDatabase fresh;
  ASSERT_EQ(1, fresh.LoadAll());
  EXPECT_TRUE(m_Boxes.Shown().empty());
  for (const char* f : FILES) ASSERT_TRUE(DeleteFileA(Path(f).c_str()));
  ASSERT_EQ(1, fresh.SaveAll());
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_FALSE(first[i].empty());
    EXPECT_EQ(HexOf(first[i]), HexOf(ReadFileBytes(Path(FILES[i])))) << FILES[i];
  }
}

// The ten files are one set: when some cannot be written, none replaces its old file, and no
// temporary file stays behind.
TEST_F(DatabaseFiles, FailedFileKeepsEveryOldFileOfTheSet) {
  cEdDatabase db;
  ASSERT_EQ(1, db.SaveAll());
  std::vector<std::vector<uint8_t>> vOld;
  for (const char* f : FILES) vOld.push_back(ReadFileBytes(Path(f)));
  db.m_vAnime.resize(5);
  db.m_vBgm.resize(7);
  static int s_nWrites;
  s_nWrites = 0;
  // The first four files are written whole, every later write fails.
  DataFileWriteFn pPrev = SetDataFileWriteFn([](HANDLE h, const void* p, DWORD n) -> int {
    if (++s_nWrites > 4) return 0;
    DWORD nDone = 0;
    return WriteFile(h, p, n, &nDone, nullptr) && nDone == n;
  });
  std::vector<std::string> vFailed;
  const int bSaved = db.SaveAll(&vFailed);
  SetDataFileWriteFn(pPrev);
  EXPECT_EQ(0, bSaved);
  ASSERT_EQ(6u, vFailed.size());
  EXPECT_EQ(Path("Effect.dat"), vFailed[0]);
  EXPECT_EQ(Path("Bgm.dat"), vFailed[5]);
  for (size_t i = 0; i < vOld.size(); ++i) EXPECT_EQ(HexOf(vOld[i]), HexOf(ReadFileBytes(Path(FILES[i])))) << FILES[i];
  WIN32_FIND_DATAA fd;
  HANDLE hFind = FindFirstFileA("data\\database\\*.tmp", &fd);
  EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << fd.cFileName;
  if (hFind != INVALID_HANDLE_VALUE) FindClose(hFind);
  ASSERT_EQ(1, db.SaveAll());  // the next save writes the whole set
  cEdDatabase fresh;
  ASSERT_EQ(1, fresh.LoadAll());
  EXPECT_EQ(5u, fresh.m_vAnime.size());
  EXPECT_EQ(7u, fresh.m_vBgm.size());
}

// The sizes of the ten lists, in file order: each list of the new set below differs in size from
// the old one, so that a load tells which set every file came from.
std::vector<size_t> ListSizes(const cEdDatabase& db) {
  return {db.m_vAnimeSet.size(), db.m_vAnime.size(),       db.m_vBmpCharaExc.size(), db.m_vSwordType.size(),
          db.m_vEffect.size(),   db.m_vCharaEffect.size(), db.m_vScrEffect.size(),   db.m_vPicture.size(),
          db.m_vSound.size(),    db.m_vBgm.size()};
}

// A save cut short after any of its steps (a file made whole beside its target, the journal, each
// of the ten moves, the journal's removal), as a killed process leaves it: the next load finds the
// whole old set or the whole new set, and nothing of the save is left lying about.
TEST_F(DatabaseFiles, SaveCutShortAfterAnyStepLeavesTheNextLoadAWholeSet) {
  cEdDatabase oldSet;
  cEdDatabase newSet;
  newSet.m_vAnimeSet.resize(3);
  newSet.m_vAnime.resize(4);
  newSet.m_vBmpCharaExc.resize(5);
  newSet.m_vSwordType.resize(6);
  newSet.m_vEffect.resize(7);
  newSet.m_vCharaEffect.resize(8);
  newSet.m_vScrEffect.resize(9);
  newSet.m_vPicture.resize(10);
  newSet.m_vSound.resize(11);
  newSet.m_vBgm.resize(12);
  const std::vector<size_t> vOld = ListSizes(oldSet);
  const std::vector<size_t> vNew = ListSizes(newSet);
  int nNewFrom = -1;
  for (int k = 0;; ++k) {
    SCOPED_TRACE(k);
    ASSERT_EQ(1, oldSet.SaveAll());
    SetFileSetStepLimit(k);
    newSet.SaveAll();
    const bool bStopped = FileSetStopped();
    SetFileSetStepLimit(-1);

    cEdDatabase loaded;
    ASSERT_EQ(1, loaded.LoadAll());
    const std::vector<size_t> vLoaded = ListSizes(loaded);
    EXPECT_TRUE(vLoaded == vOld || vLoaded == vNew);
    // Once the journal is down, every later stop finds the new set.
    if (vLoaded == vNew && nNewFrom < 0) nNewFrom = k;
    if (nNewFrom >= 0) EXPECT_TRUE(vLoaded == vNew);
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA("data\\database\\*.~*", &fd);
    EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << "left behind: " << fd.cFileName;
    if (hFind != INVALID_HANDLE_VALUE) FindClose(hFind);
    if (!bStopped) break;
    ASSERT_LT(k, 100);
  }
  // Cut short among the moves too: the ten files made whole and the journal come first.
  EXPECT_EQ(cEdDatabase::LIST_COUNT + 1, nNewFrom);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

// --- Loading ---------------------------------------------------------------------------------------

TEST_F(DatabaseFiles, MissingSoundFileStopsTheLoadAndNamesTheFile) {
  cEdDatabase db;
  db.m_vPicture.resize(3);
  db.m_vBgm.resize(5);
  ASSERT_EQ(1, db.SaveAll());
  ASSERT_TRUE(DeleteFileA(Path("Sound.dat").c_str()));

  cEdDatabase fresh;
  EXPECT_EQ(0, fresh.LoadAll());
  EXPECT_EQ(3u, fresh.m_vPicture.size());  // the eighth list was read
  EXPECT_EQ(2u, fresh.m_vBgm.size());      // the tenth was not
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("エラー", m_Boxes.Shown()[0].strCaption);
  EXPECT_EQ("data\\database\\Sound.dat の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。",
            m_Boxes.Shown()[0].strText);
}

TEST_F(DatabaseFiles, DamagedListFileIsALoadErrorNamingIt) {
  cEdDatabase db;
  ASSERT_EQ(1, db.SaveAll());
  std::vector<uint8_t> v = ReadFileBytes(Path("Effect.dat"));
  v.resize(v.size() - 3);
  ASSERT_TRUE(WriteFileBytes(Path("Effect.dat"), v));
  cEdDatabase fresh;
  fresh.m_vEffect[1].m_nWidth = 77;
  EXPECT_EQ(0, fresh.LoadAll());
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ(0u, m_Boxes.Shown()[0].strText.find("data\\database\\Effect.dat の読み込み"));
  EXPECT_EQ(77, fresh.m_vEffect[1].m_nWidth);  // the damaged list keeps what it held
}

TEST_F(DatabaseFiles, EntryZeroOfTheEffectListsIsNoEffectAndEmptyListsGetTheirDefaults) {
  cEdDatabase db;
  ASSERT_EQ(1, db.SaveAll());
  ASSERT_TRUE(WriteFileBytes(Path("CharaEffect.dat"), cImage().I(778).I(1).I(2).I(3).I(5).I(0).I(0).I(0).I(0).I(1).S("x")));
  ASSERT_TRUE(WriteFileBytes(Path("ScrEffect.dat"), cImage().I(778).I(0)));
  cEdDatabase fresh;
  ASSERT_EQ(1, fresh.LoadAll());
  ASSERT_EQ(1u, fresh.m_vCharaEffect.size());
  EXPECT_EQ(0, fresh.m_vCharaEffect[0].m_nKind);
  EXPECT_EQ(5, fresh.m_vCharaEffect[0].m_anParam[0]);
  ASSERT_EQ(2u, fresh.m_vScrEffect.size());
  EXPECT_EQ(0, fresh.m_vScrEffect[0].m_nKind);
  EXPECT_EQ(1, fresh.m_vScrEffect[1].m_nKind);

  fresh.m_vCharaEffect[0].m_nKind = 3;
  ASSERT_EQ(1, fresh.SaveAll());
  EXPECT_EQ(HexOf(cImage().I(778).I(1).I(2).I(0).I(5).I(0).I(0).I(0).I(0).I(1).S("x")),
            HexOf(ReadFileBytes(Path("CharaEffect.dat"))));
}

// A file that cannot be replaced is found out before the first one is: none is written.
TEST_F(DatabaseFiles, SaveAllReportsAFileThatCannotBeReplacedAndWritesNone) {
  ASSERT_TRUE(CreateDirectoryA(Path("Sound.dat").c_str(), nullptr));
  cEdDatabase db;
  std::vector<std::string> vFailed;
  EXPECT_EQ(0, db.SaveAll(&vFailed));
  EXPECT_EQ(std::vector<std::string>{Path("Sound.dat")}, vFailed);
  EXPECT_FALSE(FileExists(Path("Bgm.dat")));
  EXPECT_FALSE(FileExists(Path("AnimeSet.dat")));
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

// --- Upgrades --------------------------------------------------------------------------------------

TEST(DatabaseUpgrade, AnimeSetsGetExactlyFourSlots) {
  // Version 118: no flying offset, two slots.
  cImage v118;
  v118.I(118).I(1).I(2).I(6).I(9).I(1).S("set").I(2);
  Anime(v118, "a");
  Anime(v118, "b");
  cChkVector<cEdAnimeSet> sets;
  ASSERT_EQ(1, ReadList(sets, v118));
  ASSERT_EQ(1u, sets.size());
  const cEdAnimeSet& s = sets[0];
  EXPECT_EQ(6, s.m_nInvincibleShift);
  EXPECT_EQ(0, s.m_nFlyShift);
  ASSERT_EQ(4u, s.m_vSlot.size());
  EXPECT_EQ("a", s.m_vSlot[0].m_strName);
  EXPECT_EQ("b", s.m_vSlot[1].m_strName);
  EXPECT_EQ("飛行", s.m_vSlot[2].m_strName);
  EXPECT_EQ("飛行移動", s.m_vSlot[3].m_strName);
  EXPECT_EQ(1u, s.m_vSlot[2].m_vPattern.size());  // a default animation
  EXPECT_EQ(1, s.m_vSlot[2].m_nSampleKind);

  // Version 125: six slots, the last two dropped.
  cImage v125;
  v125.I(125).I(1).I(3).I(4).I(8).I(2).I(1).S("set").I(6);
  for (const char* n : {"s1", "s2", "s3", "s4", "s5", "s6"}) Anime(v125, n);
  ASSERT_EQ(1, ReadList(sets, v125));
  ASSERT_EQ(4u, sets[0].m_vSlot.size());
  EXPECT_EQ(2, sets[0].m_nFlyShift);
  EXPECT_EQ("s2", sets[0].m_vSlot[1].m_strName);
  EXPECT_EQ("飛行", sets[0].m_vSlot[2].m_strName);
  EXPECT_EQ("飛行移動", sets[0].m_vSlot[3].m_strName);

  // Version 128 keeps the names it stored.
  cImage v128;
  v128.I(128).I(1).I(3).I(4).I(8).I(0).I(1).S("set").I(4);
  for (const char* n : {"s1", "s2", "s3", "s4"}) Anime(v128, n);
  ASSERT_EQ(1, ReadList(sets, v128));
  EXPECT_EQ("s3", sets[0].m_vSlot[2].m_strName);
}

TEST(DatabaseUpgrade, AnimeBeforeVersion55HasNoSampleFields) {
  cChkVector<cEdAnime> v;
  ASSERT_EQ(1, ReadList(v, cImage().I(54).I(1).I(0).I(1).S("old").I(1).I(3).I(2).I(5).I(1).I(0)));
  ASSERT_EQ(1u, v.size());
  EXPECT_EQ(1, v[0].m_nSampleKind);
  EXPECT_EQ(2, v[0].m_vPattern[0].m_nFrame);
  EXPECT_EQ(1, v[0].m_vPattern[0].m_bRunCmd);
}

TEST(DatabaseUpgrade, EffectRoughnessGetsItsDefaultUpToVersion510) {
  struct {
    int32_t nVersion;
    bool bScreen;
    int32_t nKind;
    int32_t anExpect[5];
  } cases[] = {
      {510, false, 4, {1, 2, 3, 4, 2}},   {510, false, 5, {1, 2, 3, 4, 2}},
      {510, false, 10, {1, 2, 3, 2, 5}},  {510, false, 1, {1, 2, 3, 4, 5}},
      {511, false, 4, {1, 2, 3, 4, 5}},   {510, true, 6, {1, 2, 3, 4, 8}},
      {510, true, 7, {1, 2, 3, 4, 10}},   {510, true, 10, {1, 2, 3, 8, 5}},
      {511, true, 7, {1, 2, 3, 4, 5}},
  };
  for (auto& c : cases) {
    std::vector<uint8_t> img = cImage().I(c.nVersion).I(1).I(2).I(c.nKind).I(1).I(2).I(3).I(4).I(5).I(1).S("e");
    std::vector<int32_t> got;
    if (c.bScreen) {
      cChkVector<cEdScrEffect> v;
      ASSERT_EQ(1, ReadList(v, img));
      got.assign(v[0].m_anParam, v[0].m_anParam + 5);
    } else {
      cChkVector<cEdCharaEffect> v;
      ASSERT_EQ(1, ReadList(v, img));
      got.assign(v[0].m_anParam, v[0].m_anParam + 5);
    }
    EXPECT_EQ(std::vector<int32_t>(c.anExpect, c.anExpect + 5), got) << c.nVersion << " " << c.bScreen << " " << c.nKind;
  }
}

TEST(DatabaseUpgrade, NameFollowsFileFlagIsClearedBeforeVersion153) {
  cChkVector<cEdSound> v;
  ASSERT_EQ(1, ReadList(v, cImage().I(152).I(1).I(1).I(1).I(2).S("n").S("p")));
  EXPECT_EQ(0, v[0].m_bNameIsFile);
  EXPECT_EQ("p", v[0].m_strPath);
  ASSERT_EQ(1, ReadList(v, cImage().I(153).I(1).I(1).I(1).I(2).S("n").S("p")));
  EXPECT_EQ(1, v[0].m_bNameIsFile);

  // Before 151 the flag was not stored at all; character bitmaps have it from 152 and the giant
  // settings from 172.
  cChkVector<cEdBmpCharaExc> b;
  ASSERT_EQ(1, ReadList(b, cImage().I(151).I(1).I(0).I(2).S("n").S("p")));
  EXPECT_EQ("p", b[0].m_strPath);
  EXPECT_EQ(2, b[0].m_nGiantSize);
  ASSERT_EQ(1, ReadList(b, cImage().I(172).I(1).I(3).I(1).I(1).I(5).I(2).S("n").S("p")));
  EXPECT_EQ(1, b[0].m_bNameIsFile);
  EXPECT_EQ(1, b[0].m_bGiant);
  EXPECT_EQ(5, b[0].m_nGiantSize);
}

TEST(DatabaseRecords, SoundStringsAreNameThenPathWithTheFlagInTheFieldSection) {
  cChkVector<cEdSound> v(1);
  v[0].m_strName = "n";
  v[0].m_bNameIsFile = 1;
  v[0].m_strPath = "p";
  EXPECT_EQ(HexOf(cImage().I(778).I(1).I(1).I(1).I(2).S("n").S("p")), HexOf(ListImage(v)));
}

TEST(DatabaseRecords, SwordPositionsBeforeVersion138HaveNoMirrorFlags) {
  cChkVector<cEdSwordType> v;
  cImage img;
  img.I(137).I(1).I(0).I(3).S("sw").S("l").S("r").I(1);
  img.I(8).I(1).I(2).I(3).I(4).I(5).I(6).I(7).I(8).I(0);
  ASSERT_EQ(1, ReadList(v, img));
  const cEdSwordPos& p = v[0].m_vPos[0];
  EXPECT_EQ(1, p.m_bFlipX);
  EXPECT_EQ(3, p.m_nDir);
  EXPECT_EQ(8, p.m_nTime);
  EXPECT_EQ("r", v[0].m_strBmpRight);
}

// --- Damaged files ---------------------------------------------------------------------------------

namespace {

// Reads damaged images of one list: every truncation must fail, and so must counts that cannot
// fit; seeded bit flips must end as a failure or as data that writes and reads back unchanged.
template <class V>
void DamageList(const std::vector<uint8_t>& img, std::mt19937& rng, int nFlips) {
  for (size_t n = 0; n < img.size(); ++n) {
    V v;
    ASSERT_EQ(0, ReadList(v, std::vector<uint8_t>(img.begin(), img.begin() + n))) << n;
  }
  for (size_t pos = 4; pos + 4 <= img.size(); ++pos)
    for (int32_t k : {0x7FFFFFFF, -1, 0x10000}) {
      std::vector<uint8_t> bad = img;
      memcpy(&bad[pos], &k, 4);
      V v;
      ReadList(v, bad);
    }
  for (int i = 0; i < nFlips; ++i) {
    std::vector<uint8_t> bad = img;
    int nBits = 1 + static_cast<int>(rng() % 3);
    for (int b = 0; b < nBits; ++b) bad[rng() % bad.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
    V v;
    if (!ReadList(v, bad)) continue;
    std::vector<uint8_t> again = ListImage(v);
    V w;
    ASSERT_EQ(1, ReadList(w, again));
    ASSERT_EQ(HexOf(again), HexOf(ListImage(w)));
  }
}

}  // namespace

TEST(DatabaseDamage, DamagedListFilesFailCleanlyOrReadAsValidData) {
  cEdDatabase db;
  db.ClearNoneKinds();
  db.m_vEffect[1].m_vFrame.resize(2);
  db.m_vSound[1].m_strName = "音";
  std::mt19937 rng(20240611);
  const int FLIPS = 400;
  DamageList<cChkVector<cEdAnimeSet>>(ListImage(db.m_vAnimeSet), rng, FLIPS);
  DamageList<cChkVector<cEdAnime>>(ListImage(db.m_vAnime), rng, FLIPS);
  DamageList<cChkVector<cEdBmpCharaExc>>(ListImage(db.m_vBmpCharaExc), rng, FLIPS);
  DamageList<cChkVector<cEdSwordType>>(ListImage(db.m_vSwordType), rng, FLIPS);
  DamageList<cChkVector<cEdEffect>>(ListImage(db.m_vEffect), rng, FLIPS);
  DamageList<cChkVector<cEdCharaEffect>>(ListImage(db.m_vCharaEffect), rng, FLIPS);
  DamageList<cChkVector<cEdScrEffect>>(ListImage(db.m_vScrEffect), rng, FLIPS);
  DamageList<cChkVector<cEdPicture>>(ListImage(db.m_vPicture), rng, FLIPS);
  DamageList<cChkVector<cEdSound>>(ListImage(db.m_vSound), rng, FLIPS);
  DamageList<cChkVector<cEdBgm>>(ListImage(db.m_vBgm), rng, FLIPS);
}

// --- Effect-kind tables ----------------------------------------------------------------------------

TEST(EffectKindTables, ShapesAndSampleEntries) {
  EXPECT_STREQ("ぼかし", CharaEffectNames[15]);
  EXPECT_STREQ("", CharaEffectNames[CHARA_EFFECT_KINDS]);
  EXPECT_STREQ("Direct3D有効時：遅い\nDirect3D無効時：画面が16bit色以上でのみ有効。遅い", CharaEffectNotes[15]);
  EXPECT_STREQ("", CharaEffectNotes[CHARA_EFFECT_KINDS]);
  EXPECT_STREQ("モザイク", ScrEffectNames[12]);
  EXPECT_STREQ("", ScrEffectNames[SCR_EFFECT_KINDS]);
  EXPECT_STREQ("", ScrEffectNotes[SCR_EFFECT_KINDS]);

  auto defaults = [](const cEffectParamInfo* t, int k) {
    std::vector<int> v;
    for (int p = 0; p < EFFECT_PARAMS; ++p) v.push_back(t[EFFECT_PARAMS * k + p].m_nDefault);
    return v;
  };
  EXPECT_EQ((std::vector<int>{10, 100, 5, 0, 0}), defaults(CharaEffectParams, 12));
  EXPECT_EQ((std::vector<int>{10, 2, 0, 0, 0}), defaults(CharaEffectParams, 6));
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0}), defaults(CharaEffectParams, 0));
  EXPECT_STREQ("", CharaEffectParams[EFFECT_PARAMS * 6 + 2].m_strCaption);
  const cEffectParamInfo& shift = ScrEffectParams[EFFECT_PARAMS * 12 + 3];
  EXPECT_STREQ("ズレX(dot)", shift.m_strCaption);
  EXPECT_EQ(-320, shift.m_nMin);
  EXPECT_EQ(320, shift.m_nMax);

  // Every used parameter's default lies inside its limits; unused ones are all zero.
  for (auto t : {std::make_pair(CharaEffectParams, CHARA_EFFECT_KINDS), std::make_pair(ScrEffectParams, SCR_EFFECT_KINDS)})
    for (int i = 0; i < (t.second + 1) * EFFECT_PARAMS; ++i) {
      const cEffectParamInfo& e = t.first[i];
      if (*e.m_strCaption) {
        EXPECT_LE(e.m_nMin, e.m_nDefault) << i;
        EXPECT_LE(e.m_nDefault, e.m_nMax) << i;
      } else {
        EXPECT_EQ(0, e.m_nMin | e.m_nMax | e.m_nDefault) << i;
      }
      if (i % EFFECT_PARAMS == 0 && i > 0) EXPECT_STREQ("実行時間(1/10s)", e.m_strCaption) << i;
    }
}
