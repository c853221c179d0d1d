#include "model/SystemData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "RecordImages.h"
#include "model/RecordTestSupport.h"
#include "support/TestSupport.h"

namespace {

const int32_t V = 778;

// A system record as a writer of version v stored it: the fields and strings of that version and
// only the containers that version had.
std::vector<uint8_t> ImageOfVersion(cEdSystem sys, int32_t v) {
  return WriteImageOfVersion(v, [&sys, v](cDataWriter& out) {
    sys.cDataRecord::Write(out);
    SaveValueVector(out, sys.m_vStock);
    if (v >= 501) SaveValueVector(out, sys.m_vResetOnDeath);
    SaveRecords(out, sys.m_vStatus);
    SaveValueVector(out, sys.m_vLives);
    if (v >= 191) SaveValueVector(out, sys.m_vInfinite);
    if (v >= 186) SaveRecords(out, sys.m_vRanking);
    SaveStringVector(out, sys.m_vTerms);
    SaveStringVector(out, sys.m_vSounds);
    SaveValueVector(out, sys.m_vBgm);
    if (v >= 202) SaveValueVector(out, sys.m_vBgmLoop);
    SaveRecords(out, sys.m_vTitleMenu);
    SaveRecords(out, sys.m_vMapMenu);
    SaveRecords(out, sys.m_vOptionMenu);
    if (v >= 674) SaveStringVector(out, sys.m_vRankKinds);
    SaveRecords(out, sys.m_vIniOptions);
  });
}

// The default list without the entries at the given indices (ascending).
template <class V>
V Without(V v, std::vector<int> indices) {
  for (auto it = indices.rbegin(); it != indices.rend(); ++it) v.erase(v.begin() + *it);
  return v;
}

std::vector<std::string> Keys(const cEdSystem& sys) {
  std::vector<std::string> v;
  for (const cEdSysIniOption& o : sys.m_vIniOptions)
    v.push_back(o.m_strKey + (o.m_nKind ? "=\"" + o.m_strDefault + "\"" : "=" + std::to_string(o.m_nDefault)));
  return v;
}

std::vector<std::string> Texts(const cChkVector<cEdSysMenuItem>& v) {
  std::vector<std::string> r;
  for (const cEdSysMenuItem& m : v) r.push_back(std::to_string(m.m_bShow) + m.m_strText);
  return r;
}

size_t g_nMusic = 0;
size_t MusicCount() { return g_nMusic; }

class cMusicCount {
 public:
  explicit cMusicCount(size_t n) : m_pPrev(SetSysMusicCountFn(MusicCount)), m_nPrev(g_nMusic) { g_nMusic = n; }
  ~cMusicCount() {
    SetSysMusicCountFn(m_pPrev);
    g_nMusic = m_nPrev;
  }

 private:
  SysMusicCountFn m_pPrev;
  size_t m_nPrev;
};

}  // namespace

// --- The file from defaults ---------------------------------------------------------------------

TEST(SystemFile, DefaultsStartWithTheHandComputedFieldsAndEndWithTheLastStartUpOption) {
  cEdSystem sys;
  std::vector<uint8_t> img = ImageOf(sys);
  cImage head;
  head.I(V).I(55);
  head.I(0).I(100).I(1).I(0).I(60).I(0).I(0).I(1).I(1);    // 1UP at clear .. title image
  head.I(1).I(1).I(1).I(40).I(1);                          // share lives .. all worlds
  head.I(1).I(1).I(1).I(1).I(1).I(1).I(1).I(1).I(1).I(0);  // story, challenge, free, test
  head.I(0).C(0).C(0).C(0);                                // bitmap mode, transparent colour
  head.I(0).I(0).I(0).I(0).I(16).I(0).I(1);                // compat 2.12 .. story to map
  for (int i = 0; i < 18; ++i) head.I(0);                  // compatibility 5.23 .. 7.72
  head.I(0).I(2);                                          // colour depths
  head.I(1).S("");                                         // the title
  head.I(25).Bytes({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0});
  head.I(25).Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  head.I(5).I(6).I(1).I(1).I(4).I(0).I(0).I(0).I(1).S("スコア");  // the first status entry
  ASSERT_GE(img.size(), head.Get().size());
  EXPECT_EQ(HexOf(head), HexOf(std::vector<uint8_t>(img.begin(), img.begin() + head.Get().size())));
  // Shift-JIS in the file: "スコア" is 83 58 83 52 83 41.
  EXPECT_EQ("07 00 00 00 83 58 83 52 83 41 00",
            HexOf(std::vector<uint8_t>(img.begin() + head.Get().size() - 11, img.begin() + head.Get().size())));

  std::vector<uint8_t> last = cImage().I(2).I(0).I(0).I(2).S("English").S("");
  ASSERT_GE(img.size(), last.size());
  EXPECT_EQ(HexOf(last), HexOf(std::vector<uint8_t>(img.end() - last.size(), img.end())));
}

TEST(SystemFile, DefaultsRoundTripByteExactThroughFiles) {
  cTempDir dir;
  const std::string first = dir.File("System.dat"), second = dir.File("System2.dat");
  cEdSystem a;
  ASSERT_EQ(1, a.Save(first.c_str()));
  cEdSystem b;
  b.m_vTerms.clear();  // reading replaces, whatever the object held
  b.m_nWorlds = 3;
  ASSERT_EQ(1, b.Load(first.c_str()));
  ASSERT_EQ(1, b.Save(second.c_str()));
  EXPECT_EQ(HexOf(ReadFileBytes(first)), HexOf(ReadFileBytes(second)));

  // The entry counts the file holds.
  EXPECT_EQ(25u, b.m_vStock.size());
  EXPECT_EQ(25u, b.m_vResetOnDeath.size());
  EXPECT_EQ(5u, b.m_vStatus.size());
  EXPECT_EQ(4u, b.m_vLives.size());
  EXPECT_EQ(4u, b.m_vInfinite.size());
  EXPECT_EQ(4u, b.m_vRanking.size());
  EXPECT_EQ(29u, b.m_vTerms.size());
  EXPECT_EQ(17u, b.m_vSounds.size());
  EXPECT_EQ(4u, b.m_vBgm.size());
  EXPECT_EQ(4u, b.m_vBgmLoop.size());
  EXPECT_EQ(7u, b.m_vTitleMenu.size());
  EXPECT_EQ(4u, b.m_vMapMenu.size());
  EXPECT_EQ(6u, b.m_vOptionMenu.size());
  EXPECT_EQ(4u, b.m_vRankKinds.size());
  EXPECT_EQ(10u, b.m_vIniOptions.size());
  EXPECT_EQ(40, b.m_nWorlds);
}

TEST(SystemFile, ChangedValuesOfTheCurrentVersionAreKeptWithoutAnyUpgrade) {
  cEdSystem a;
  a.m_strTitle = "ゲーム";
  a.m_bTestFlows = 1;       // an upgrade below 113 would clear it
  a.m_bCompat616 = 1;       // below 637 it would be decided by the version
  a.m_bStoryToMap = 0;
  a.m_cTransG = 200;
  a.m_nDDBpp = 3;
  a.m_vTerms[22] = "x";
  a.m_vTerms.push_back("extra");  // counts are the file's own
  a.m_vStatus[4].m_nBarLimit = 7;
  a.m_vRanking[3].m_vItems = {1, 0, 1};
  a.m_vIniOptions[3].m_nDefault = 4;
  a.m_vSounds[16] = "se\\rank.wav";
  std::vector<uint8_t> img = ImageOf(a);
  cEdSystem b;
  ASSERT_EQ(1, ReadInto(b, img));
  EXPECT_EQ(HexOf(img), HexOf(ImageOf(b)));
  EXPECT_EQ(1, b.m_bCompat616);
  EXPECT_EQ(30u, b.m_vTerms.size());
  EXPECT_EQ(4, b.m_vIniOptions[3].m_nDefault);
  EXPECT_EQ(3u, b.m_vRanking[3].m_vItems.size());
}

TEST(SystemFile, MusicIndicesOutsideTheMusicListAreWrittenAsZero) {
  cMusicCount music(5);
  cEdSystem a;
  a.m_vBgm = {5, -1, 4, 0};
  std::vector<uint8_t> img = ImageOf(a);
  EXPECT_EQ((std::vector<int32_t>{0, 0, 4, 0}), std::vector<int32_t>(a.m_vBgm.begin(), a.m_vBgm.end()));

  // And after reading: a file written against a longer list.
  cEdSystem wide;
  wide.m_vBgm = {9, 2, 5, 4};
  std::vector<uint8_t> wideImg;
  {
    cMusicCount more(10);
    wideImg = ImageOf(wide);
  }
  cEdSystem b;
  ASSERT_EQ(1, ReadInto(b, wideImg));
  EXPECT_EQ((std::vector<int32_t>{0, 2, 0, 4}), std::vector<int32_t>(b.m_vBgm.begin(), b.m_vBgm.end()));
}

// --- Upgrades of older files ----------------------------------------------------------------------

TEST(SystemUpgrade, StepsOfOlderVersions) {
  const cEdSystem def;
  struct cCase {
    const char* name;
    int32_t v;
    std::function<void(cEdSystem& file)> prepare;  // what the old file holds
    std::function<void(cEdSystem& reader)> before;  // what the reading object held
    std::function<void(const cEdSystem& r)> check;
  } cases[] = {
      {"terms of 160 move to where a current file holds them", 160,
       [&](cEdSystem& f) { f.m_vTerms = Without(def.m_vTerms, {8, 9, 14, 15, 16, 22, 23, 24}); },
       [](cEdSystem&) {},
       [&](const cEdSystem& r) {
         EXPECT_EQ(def.m_vTerms, r.m_vTerms);
         EXPECT_EQ("オートセーブＯＮ", r.m_vTerms[14]);
         EXPECT_EQ("オートセーブＯＦＦ", r.m_vTerms[15]);
         EXPECT_EQ("保存先が不明です！一度は「セーブ」して下さい！", r.m_vTerms[16]);
       }},
      {"terms of 168 get the save texts at 12 to 14 before step 181 moves them", 168,
       [&](cEdSystem& f) { f.m_vTerms = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"}; },
       [](cEdSystem&) {},
       [](const cEdSystem& r) {
         ASSERT_EQ(29u, r.m_vTerms.size());
         EXPECT_EQ("h", r.m_vTerms[7]);
         EXPECT_EQ("残りHP", r.m_vTerms[8]);
         EXPECT_EQ("残りSP", r.m_vTerms[9]);
         EXPECT_EQ("i", r.m_vTerms[10]);
         EXPECT_EQ("l", r.m_vTerms[13]);
         EXPECT_EQ("オートセーブＯＮ", r.m_vTerms[14]);
         EXPECT_EQ("m", r.m_vTerms[17]);
         EXPECT_EQ("", r.m_vTerms[18]);  // a filler of the resize
         EXPECT_EQ("マップへ戻る", r.m_vTerms[22]);
         EXPECT_EQ("リトライ", r.m_vTerms[23]);
         EXPECT_EQ("マップへ戻る", r.m_vTerms[24]);
       }},
      {"stock entries inserted at 16, 14 and 9", 160,
       [](cEdSystem& f) {
         f.m_vStock.clear();
         for (uint8_t b = 10; b < 32; ++b) f.m_vStock.push_back(b);
       },
       [](cEdSystem&) {},
       [](const cEdSystem& r) {
         std::vector<uint8_t> expect = {10, 11, 12, 13, 14, 15, 16, 17, 18, 0,  19, 20, 21,
                                        22, 23, 0,  24, 25, 1,  26, 27, 28, 29, 30, 31};
         EXPECT_EQ(expect, std::vector<uint8_t>(r.m_vStock.begin(), r.m_vStock.end()));
       }},
      {"map menu of 160 gets the auto-save entry; the rest of a 160 file", 160,
       [](cEdSystem& f) {
         f.m_vMapMenu.clear();
         for (const char* psz : {"セーブ", "もどる", "タイトルへ"}) f.m_vMapMenu.push_back(cEdSysMenuItem(psz));
         f.m_nBmpMode = 1;  // not stored before 187
         f.m_vStatus[2].m_bShowValue = 0;
       },
       [](cEdSystem& r) {
         r.m_bStoryHiScore = 0;
         r.m_bDeathEffect = 1;
         r.m_vRanking[0].m_vItems = {1, 1, 1, 1, 1};
       },
       [&](const cEdSystem& r) {
         EXPECT_EQ(Texts(def.m_vMapMenu), Texts(r.m_vMapMenu));
         EXPECT_EQ(1, r.m_bStoryHiScore);
         EXPECT_EQ(0, r.m_bDeathEffect);
         EXPECT_EQ(0, r.m_nBmpMode);
         EXPECT_EQ(0, r.m_cTransR);
         EXPECT_EQ(177, r.m_cTransG);
         EXPECT_EQ(0, r.m_cTransB);
         EXPECT_EQ(1, r.m_bColorAnime);  // 256 colours
         EXPECT_EQ((std::vector<uint8_t>{1, 1, 1, 0, 0}),
                   std::vector<uint8_t>(r.m_vRanking[0].m_vItems.begin(), r.m_vRanking[0].m_vItems.end()));
         EXPECT_EQ(1, r.m_vStatus[2].m_bShowValue);  // every number was shown before 204
         EXPECT_EQ(33, r.m_vStatus[2].m_nBarLimit);
         EXPECT_EQ(1, r.m_vStatus[3].m_nBarUnit);
         EXPECT_EQ(0, r.m_vStatus[4].m_nBarLimit);
         EXPECT_EQ(std::vector<uint8_t>(25, 0),
                   std::vector<uint8_t>(r.m_vResetOnDeath.begin(), r.m_vResetOnDeath.end()));
         EXPECT_EQ(1, r.m_bCompat212);
         EXPECT_EQ(1, r.m_bCompat772);
         EXPECT_EQ(0, r.m_bStoryToMap);
       }},
      {"24-bit file of 288 gets no colour animation", 288, [](cEdSystem& f) { f.m_nBmpMode = 1; },
       [](cEdSystem& r) { r.m_bColorAnime = 1; }, [](const cEdSystem& r) { EXPECT_EQ(0, r.m_bColorAnime); }},
      {"190 has no infinite lives and no death-to-map switches", 190, [](cEdSystem&) {},
       [](cEdSystem& r) {
         r.m_vInfinite = {1, 1, 1, 1, 1};
         r.m_bDeathToMap = r.m_bMapLives = 1;
       },
       [](const cEdSystem& r) {
         EXPECT_EQ((std::vector<int32_t>{0, 0, 0, 1}), std::vector<int32_t>(r.m_vInfinite.begin(), r.m_vInfinite.end()));
         EXPECT_EQ(0, r.m_bDeathToMap);
         EXPECT_EQ(0, r.m_bMapLives);
         EXPECT_EQ(0, r.m_bStoryRetry);
         EXPECT_EQ(0, r.m_bChalRetry);
       }},
      {"616 gets the block-summon switch", 616, [](cEdSystem&) {}, [](cEdSystem& r) { r.m_bCompat616 = 0; },
       [](const cEdSystem& r) {
         EXPECT_EQ(1, r.m_bCompat616);
         EXPECT_EQ(1, r.m_bCompat668);
         EXPECT_EQ(0, r.m_bCompat554);  // stored at 616: the default 0
       }},
      {"620 does not", 620, [](cEdSystem&) {}, [](cEdSystem& r) { r.m_bCompat616 = 1; },
       [](const cEdSystem& r) { EXPECT_EQ(0, r.m_bCompat616); }},
      {"637 keeps the stored 0", 637, [](cEdSystem& f) { f.m_bCompat616 = 0; },
       [](cEdSystem& r) { r.m_bCompat616 = 1; }, [](const cEdSystem& r) { EXPECT_EQ(0, r.m_bCompat616); }},
      {"637 keeps the stored 1", 637, [](cEdSystem& f) { f.m_bCompat616 = 1; },
       [](cEdSystem& r) { r.m_bCompat616 = 0; },
       [](const cEdSystem& r) {
         EXPECT_EQ(1, r.m_bCompat616);
         EXPECT_EQ(1, r.m_bCompat668);
       }},
      {"start-up options of 285: Direct3D inserted, VSync 4 becomes 2", 285,
       [](cEdSystem& f) {
         f.m_vIniOptions.assign(5, cEdSysIniOption());
         f.m_vIniOptions[0].SetNumber("WindowMode", 0);
         f.m_vIniOptions[1].SetNumber("Bpp", 0);
         f.m_vIniOptions[2].SetNumber("VSync", 4);
         f.m_vIniOptions[3].SetNumber("ShowFps", 1);
         f.m_vIniOptions[4].SetText("FreeStage", "");
       },
       [](cEdSystem&) {},
       [&](const cEdSystem& r) {
         cEdSystem expect;
         expect.m_vIniOptions[0].m_nDefault = 1;
         EXPECT_EQ(Keys(expect), Keys(r));
       }},
      {"start-up options of 286 keep VSync 4", 286,
       [](cEdSystem& f) {
         f.m_vIniOptions.assign(6, cEdSysIniOption());
         f.m_vIniOptions[0].SetNumber("Direct3D", 2);
         f.m_vIniOptions[1].SetNumber("WindowMode", 0);
         f.m_vIniOptions[2].SetNumber("Bpp", 0);
         f.m_vIniOptions[3].SetNumber("VSync", 4);
         f.m_vIniOptions[4].SetNumber("ShowFps", 1);
         f.m_vIniOptions[5].SetText("FreeStage", "");
       },
       [](cEdSystem&) {},
       [&](const cEdSystem& r) {
         cEdSystem expect;
         expect.m_vIniOptions[3].m_nDefault = 4;
         EXPECT_EQ(Keys(expect), Keys(r));
       }},
      {"a dropped value of 221 to 259 is read over and never written", 230,
       [](cEdSystem& f) {
         f.m_bCompat212 = 0;
         f.m_strTitle = "t";  // the string section follows the dropped value
       },
       [](cEdSystem&) {},
       [](const cEdSystem& r) {
         EXPECT_EQ(0, r.m_bCompat212);
         EXPECT_EQ("t", r.m_strTitle);
         EXPECT_EQ(1, r.m_bCompat260);
       }},
      {"755 gets the pause menu's map entry", 755,
       [&](cEdSystem& f) { f.m_vTerms = Without(def.m_vTerms, {22}); }, [](cEdSystem&) {},
       [&](const cEdSystem& r) {
         EXPECT_EQ(def.m_vTerms, r.m_vTerms);
         EXPECT_EQ(0, r.m_bCompat751);  // stored since 752
         EXPECT_EQ(1, r.m_bCompat759Hit);
         EXPECT_EQ(0, r.m_bStoryToMap);
       }},
      {"772 gets only the last switch", 772, [](cEdSystem&) {}, [](cEdSystem&) {},
       [](const cEdSystem& r) {
         EXPECT_EQ(1, r.m_bCompat772);
         EXPECT_EQ(0, r.m_bCompat759Move);
         EXPECT_EQ(1, r.m_bStoryToMap);
       }},
  };
  for (cCase& c : cases) {
    SCOPED_TRACE(c.name);
    cEdSystem file;
    c.prepare(file);
    std::vector<uint8_t> img = ImageOfVersion(file, c.v);
    ASSERT_EQ(c.v, *reinterpret_cast<const int32_t*>(img.data()));
    cEdSystem reader;
    c.before(reader);
    ASSERT_EQ(1, ReadInto(reader, img));
    c.check(reader);
    // Whatever was read, the record is written as a current file of the current counts.
    cEdSystem again;
    ASSERT_EQ(1, ReadInto(again, ImageOf(reader)));
    EXPECT_EQ(HexOf(ImageOf(reader)), HexOf(ImageOf(again)));
  }
}

// --- Damaged files ------------------------------------------------------------------------------

TEST(SystemDamage, TruncationsAndImpossibleCountsAreFailedLoads) {
  cEdSystem a;
  std::vector<uint8_t> img = ImageOf(a);
  for (size_t n = 0; n < img.size(); ++n) {
    cEdSystem b;
    EXPECT_EQ(0, ReadInto(b, std::vector<uint8_t>(img.begin(), img.begin() + n))) << n << " bytes";
  }

  // Field count above the registration; huge container counts; a string longer than the file.
  const size_t nFieldCount = 4, nStockCount = 4 + 4 + 211 + 4 + 4;
  ASSERT_EQ(25, *reinterpret_cast<const int32_t*>(&img[nStockCount]));
  struct {
    size_t nAt;
    int32_t nValue;
  } patches[] = {{nFieldCount, 56}, {nFieldCount, -1}, {nStockCount, 0x7FFFFFFF}, {nStockCount, -5},
                 {nStockCount - 4, 0x10000}};
  for (auto& p : patches) {
    std::vector<uint8_t> bad = img;
    memcpy(&bad[p.nAt], &p.nValue, 4);
    cEdSystem b;
    EXPECT_EQ(0, ReadInto(b, bad)) << p.nAt << " = " << p.nValue;
  }

  cTempDir dir;
  const std::string path = dir.File("System.dat");
  ASSERT_TRUE(WriteFileBytes(path, std::vector<unsigned char>(img.begin(), img.end() - 1)));
  cEdSystem c;
  EXPECT_EQ(0, c.Load(path.c_str()));
  EXPECT_EQ(0, c.Load(dir.File("none.dat").c_str()));
}

TEST(SystemRecord, ShiftUpInsertsKeepingTheSize) {
  cChkVector<int32_t> v = {1, 2, 3, 4};
  v.ShiftUp(1);
  EXPECT_EQ((std::vector<int32_t>{1, 2, 2, 3}), std::vector<int32_t>(v.begin(), v.end()));
  v.ShiftUp(3);  // the last index: nothing moves
  EXPECT_EQ((std::vector<int32_t>{1, 2, 2, 3}), std::vector<int32_t>(v.begin(), v.end()));
  v.ShiftUp(9);
  EXPECT_EQ(4u, v.size());
}
