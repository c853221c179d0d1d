#include "model/WorldMap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RecordImages.h"
#include "TableCheck.h"
#include "model/RecordTestSupport.h"
#include "support/TestSupport.h"

namespace {

const int32_t V = 778;

cEdWmEvent EventAt(int32_t x, int32_t y, const char* pszName = "") {
  cEdWmEvent e;
  e.m_nX = x;
  e.m_nY = y;
  e.m_strName = pszName;
  return e;
}

cEdWmEvent WorldEvent(int32_t x, int32_t y, int32_t nType, int32_t nWorldNo) {
  cEdWmEvent e = EventAt(x, y);
  e.m_vPages[0].m_nType = nType;
  e.m_vPages[0].m_nWorldNo = nWorldNo;
  return e;
}

std::vector<std::string> Names(const cEdWorldMap& map) {
  std::vector<std::string> v;
  for (const cEdWmEvent& e : map.m_vEvents) v.push_back(e.m_strName);
  return v;
}

int32_t& Cell(cEdWorldMap& map, int32_t x, int32_t y) { return map.m_vGrid[x + (y << map.m_nShift)]; }

}  // namespace

// --- The file from defaults -----------------------------------------------------------------------

TEST(WorldMapFile, DefaultsAreTheHandComputedImage) {
  cEdWorldMap map;
  cImage expect;
  expect.I(V).I(8).I(20).I(15).I(32).I(5).I(9).I(7).I(16).I(0).I(2).S("ワールド").S("");
  expect.I(10);
  for (int i = 0; i < 10; ++i) expect.I(3).I(0).I(i < 5 ? 1 : 0).I(i).I(2).S("").S(i < 5 ? "通行不可" : "通行可");
  expect.I(480).Bytes(std::vector<uint8_t>(480 * 4, 0));
  expect.I(0);                                   // no events
  expect.I(1).I(2).I(0).I(0).I(1).S("デフォルト");  // one template event
  expect.I(1).I(14);                             // with one page
  for (int i = 0; i < 14; ++i) expect.I(i == 12 ? 1 : 0);  // variation variable 1
  expect.I(2).S("").S("");
  EXPECT_EQ(HexOf(expect), HexOf(ImageOf(map)));
  // Shift-JIS in the file: "ワールド" is 83 8F 81 5B 83 8B 83 68.
  std::vector<uint8_t> img = ImageOf(map);
  EXPECT_EQ("09 00 00 00 83 8F 81 5B 83 8B 83 68 00", HexOf(std::vector<uint8_t>(img.begin() + 44, img.begin() + 57)));
}

TEST(WorldMapFile, RoundTripsByteExactThroughFiles) {
  cTempDir dir;
  const std::string first = dir.File("WorldMap.dat"), second = dir.File("WorldMap2.dat");
  for (int bDefault = 1; bDefault >= 0; --bDefault) {
    SCOPED_TRACE(bDefault ? "defaults" : "edited");
    cEdWorldMap a;
    if (!bDefault) {
      ASSERT_EQ(1, a.SetSize(40, 20));
      Cell(a, 39, 19) = 7;
      a.m_strBgImage = "bmp\\WorldBack.bmp";
      a.m_bBgImage = 1;
      a.m_vChips[3].m_strChipData = "data";
      cEdWmEvent e = WorldEvent(0, 0, WM_EVENT_WORLD, 4);
      e.m_vPages.push_back(cEdWmEventPage());
      e.m_vPages[1].m_bVariation = 1;
      e.m_vPages[1].m_nCondScore = -5;
      e.m_vPages[1].m_strStage = "stg4\\a.stg4";
      a.PlaceEvent(e, 39, 19);
      a.m_vTemplates.clear();
    }
    ASSERT_EQ(1, a.Save(first.c_str()));
    cEdWorldMap b;
    b.m_vEvents.push_back(EventAt(1, 1));  // reading replaces every list
    ASSERT_EQ(1, b.Load(first.c_str()));
    ASSERT_EQ(1, b.Save(second.c_str()));
    EXPECT_EQ(HexOf(ReadFileBytes(first)), HexOf(ReadFileBytes(second)));
    EXPECT_EQ(bDefault ? 0u : 1u, b.m_vEvents.size());
  }
}

TEST(WorldMapFile, EventPagesOfVersions208And757) {
  cEdWmEventPage src;
  src.m_nCondCmp = 3;
  src.m_nCondScore = 55;
  src.m_bVariation = 1;
  src.m_nVarVar = 9;
  src.m_nVarValue = -2;
  src.m_strWorldName = "w";

  // A page of 208 has no score condition, whatever the page held before reading.
  std::vector<uint8_t> img208 = WriteImageOfVersion(208, [&src](cDataWriter& out) { src.Write(out); });
  EXPECT_EQ(HexOf(cImage().I(208).I(10).I(0).I(0).I(0).I(0).I(0).I(0).I(0).I(0).I(0).I(3).I(2).S("w").S("")),
            HexOf(img208));
  cEdWmEventPage p;
  p.m_nCondScore = 55;
  ASSERT_EQ(1, ReadInto(p, img208));
  EXPECT_EQ(0, p.m_nCondScore);
  EXPECT_EQ(3, p.m_nCondCmp);
  EXPECT_EQ("w", p.m_strWorldName);

  // A whole map of 757: the pages read into fresh ones keep the variation's defaults.
  cEdWorldMap map;
  cEdWmEvent e;
  e.m_vPages[0] = src;
  map.PlaceEvent(e, 2, 3);
  std::vector<uint8_t> img757 = WriteImageOfVersion(757, [&map](cDataWriter& out) { map.Write(out); });
  cEdWorldMap back;
  ASSERT_EQ(1, ReadInto(back, img757));
  ASSERT_EQ(1u, back.m_vEvents.size());
  const cEdWmEventPage& q = back.m_vEvents[0].m_vPages[0];
  EXPECT_EQ(55, q.m_nCondScore);
  EXPECT_EQ(0, q.m_bVariation);
  EXPECT_EQ(1, q.m_nVarVar);
  EXPECT_EQ(0, q.m_nVarValue);
  EXPECT_EQ("w", q.m_strWorldName);
}

TEST(WorldMapFile, FixedListsOfEventTypesAndGameClear) {
  EXPECT_TRUE(IsClosedTable(WmEventTypeNames));
  EXPECT_TRUE(IsClosedTable(WmGameClearNames));
  EXPECT_STREQ("壁", WmEventTypeNames[WM_EVENT_WALL]);
  EXPECT_STREQ("2周目へ突入", WmGameClearNames[1]);
}

// --- Operations ------------------------------------------------------------------------------------

TEST(WorldMapSize, PitchOfAWidth) {
  struct {
    int32_t w, pitch, shift;
  } cases[] = {{1, 1, 0}, {2, 2, 1}, {20, 32, 5}, {32, 32, 5}, {33, 64, 6}, {200, 256, 8}};
  for (auto& c : cases) {
    int32_t nPitch = -1, nShift = -1;
    cEdWorldMap::CalcPitch(c.w, nPitch, nShift);
    EXPECT_EQ(c.pitch, nPitch) << c.w;
    EXPECT_EQ(c.shift, nShift) << c.w;
  }
}

TEST(WorldMapSize, GrowingKeepsTheCellsAndShrinkingDropsWhatLiesOutside) {
  cEdWorldMap map;
  Cell(map, 19, 14) = 7;
  Cell(map, 0, 1) = 3;
  ASSERT_EQ(1, map.SetSize(33, 15));
  EXPECT_EQ(64, map.m_nPitch);
  EXPECT_EQ(6, map.m_nShift);
  EXPECT_EQ(960u, map.m_vGrid.size());
  EXPECT_EQ(7, Cell(map, 19, 14));
  EXPECT_EQ(3, Cell(map, 0, 1));
  for (int32_t x = 20; x < 64; ++x) EXPECT_EQ(0, Cell(map, x, 14)) << x;

  // Shrinking: the events outside and the start cell follow at the next write.
  map.m_vEvents.push_back(EventAt(3, 2, "in"));
  map.m_vEvents.push_back(EventAt(12, 2, "right"));  // three outside in a row
  map.m_vEvents.push_back(EventAt(3, 6, "below"));
  map.m_vEvents.push_back(EventAt(30, 2, "far right"));
  map.m_vEvents.push_back(EventAt(9, 4, "corner"));
  ASSERT_EQ(1, map.SetSize(10, 5));
  EXPECT_EQ(16, map.m_nPitch);
  EXPECT_EQ(80u, map.m_vGrid.size());
  EXPECT_EQ(3, Cell(map, 0, 1));
  EXPECT_EQ(5u, map.m_vEvents.size());  // SetSize itself leaves them
  ImageOf(map);
  EXPECT_EQ((std::vector<std::string>{"in", "corner"}), Names(map));
  EXPECT_EQ(9, map.m_nStartX);
  EXPECT_EQ(4, map.m_nStartY);
}

TEST(WorldMapSize, SizesBelowOneOrBeyondAnyFileChangeNothing) {
  cEdWorldMap map;
  cMsgBoxRecorder boxes;
  for (auto wh : {std::make_pair(0, 15), std::make_pair(20, 0), std::make_pair(-1, 15), std::make_pair(20, -3),
                  std::make_pair(0x40000000, 15), std::make_pair(1 << 20, 1 << 20)}) {
    EXPECT_EQ(0, map.SetSize(wh.first, wh.second)) << wh.first << " x " << wh.second;
    EXPECT_EQ(20, map.m_nWidth);
    EXPECT_EQ(15, map.m_nHeight);
    EXPECT_EQ(480u, map.m_vGrid.size());
  }
  EXPECT_TRUE(boxes.Shown().empty());  // diagnostics only while the error log is on
}

TEST(WorldMapEvents, PlaceFindAndRemove) {
  cEdWorldMap map;
  map.m_vEvents.push_back(EventAt(4, 4, "a"));
  map.m_vEvents.push_back(EventAt(5, 5, "b"));
  map.m_vEvents.push_back(EventAt(4, 4, "c"));
  EXPECT_EQ(1, map.HasEventAt(5, 5));
  EXPECT_EQ(0, map.HasEventAt(5, 4));
  ASSERT_NE(nullptr, map.FindEventAt(4, 4));
  EXPECT_EQ("a", map.FindEventAt(4, 4)->m_strName);
  EXPECT_EQ(nullptr, map.FindEventAt(0, 0));

  cEdWmEvent tpl = EventAt(0, 0, "new");
  map.PlaceEvent(tpl, 4, 4);
  EXPECT_EQ((std::vector<std::string>{"b", "new"}), Names(map));
  EXPECT_EQ(4, tpl.m_nX);  // the given event moves too
  EXPECT_EQ(4, map.m_vEvents[1].m_nY);

  // Placing one of the placed events moves it.
  map.PlaceEvent(map.m_vEvents[0], 4, 4);
  EXPECT_EQ((std::vector<std::string>{"b"}), Names(map));
  EXPECT_EQ(4, map.m_vEvents[0].m_nX);

  // Removal by identity, not by equality.
  map.m_vEvents.push_back(map.m_vEvents[0]);
  cEdWmEvent outside = map.m_vEvents[0];
  EXPECT_EQ(0, map.RemoveEvent(&outside));
  EXPECT_EQ(0, map.RemoveEvent(nullptr));
  map.m_vEvents[1].m_strName = "second";
  EXPECT_EQ(1, map.RemoveEvent(&map.m_vEvents[1]));
  EXPECT_EQ((std::vector<std::string>{"b"}), Names(map));

  EXPECT_EQ(1, map.RemoveEventsAt(4, 4));
  EXPECT_EQ(0, map.RemoveEventsAt(4, 4));
  EXPECT_TRUE(map.m_vEvents.empty());
}

TEST(WorldMapEvents, FirstFreeWorldNumberAndAssignment) {
  cEdWorldMap map;
  EXPECT_EQ(1, map.FirstFreeWorldNo(nullptr));
  map.m_vEvents.push_back(WorldEvent(0, 0, WM_EVENT_WORLD, 1));
  map.m_vEvents.push_back(WorldEvent(1, 0, WM_EVENT_WORLD, 2));
  map.m_vEvents.push_back(WorldEvent(2, 0, WM_EVENT_WORLD, 4));
  map.m_vEvents.push_back(WorldEvent(3, 0, WM_EVENT_ROAD, 3));  // roads use no number
  EXPECT_EQ(3, map.FirstFreeWorldNo(nullptr));
  EXPECT_EQ(1, map.FirstFreeWorldNo(&map.m_vEvents[0]));  // the event the placement replaces
  // A world page on a later page counts too.
  map.m_vEvents[3].m_vPages.push_back(cEdWmEventPage());
  map.m_vEvents[3].m_vPages[1].m_nWorldNo = 3;
  EXPECT_EQ(5, map.FirstFreeWorldNo(nullptr));

  cEdWmEvent e = WorldEvent(9, 9, WM_EVENT_WORLD, 0);
  e.m_vPages.push_back(cEdWmEventPage());
  e.m_vPages.push_back(cEdWmEventPage());
  e.m_vPages[2].m_nType = WM_EVENT_WALL;
  e.m_vPages[2].m_nWorldNo = 77;
  map.AssignWorldNos(e, &map.m_vEvents[2]);
  EXPECT_EQ(4, e.m_vPages[0].m_nWorldNo);
  EXPECT_EQ(4, e.m_vPages[1].m_nWorldNo);
  EXPECT_EQ(77, e.m_vPages[2].m_nWorldNo);

  cEdWorldMap full;
  full.m_vEvents.push_back(EventAt(0, 0));
  full.m_vEvents[0].m_vPages.assign(999, cEdWmEventPage());
  for (int i = 0; i < 999; ++i) full.m_vEvents[0].m_vPages[i].m_nWorldNo = i + 1;
  EXPECT_EQ(0, full.FirstFreeWorldNo(nullptr));
  EXPECT_EQ(1, full.FirstFreeWorldNo(&full.m_vEvents[0]));
}

TEST(WorldMapEvents, ClearChipsZeroesTheGridOnly) {
  cEdWorldMap map;
  Cell(map, 3, 3) = 9;
  map.ClearChips();
  EXPECT_EQ(480u, map.m_vGrid.size());
  EXPECT_EQ(0, Cell(map, 3, 3));
  EXPECT_EQ(10u, map.m_vChips.size());
}

// --- Damaged files ------------------------------------------------------------------------------

TEST(WorldMapDamage, TruncationsCountsAndSizesThatDisagreeAreFailedLoads) {
  cEdWorldMap src;
  src.m_vEvents.push_back(EventAt(1, 2, "e"));
  std::vector<uint8_t> img = ImageOf(src);
  for (size_t n = 0; n < img.size(); ++n) {
    cEdWorldMap b;
    EXPECT_EQ(0, ReadInto(b, std::vector<uint8_t>(img.begin(), img.begin() + n))) << n << " bytes";
  }

  const size_t nWidth = 8, nHeight = 12, nPitch = 16, nShift = 20;
  const size_t nChips = 4 + 4 + 32 + 4 + 13 + 4;
  // Five chips named "通行不可" (8 bytes), five "通行可" (6 bytes).
  const size_t nGrid = nChips + 4 + 5 * (4 + 12 + 4 + 4 + 4 + 9) + 5 * (4 + 12 + 4 + 4 + 4 + 7);
  ASSERT_EQ(10, *reinterpret_cast<const int32_t*>(&img[nChips]));
  ASSERT_EQ(480, *reinterpret_cast<const int32_t*>(&img[nGrid]));
  struct {
    const char* what;
    size_t nAt;
    int32_t nValue;
  } patches[] = {
      {"width beyond the pitch", nWidth, 33},  {"width 0", nWidth, 0},          {"negative width", nWidth, -20},
      {"taller than the grid", nHeight, 16},   {"pitch", nPitch, 64},           {"shift", nShift, 4},
      {"huge chip count", nChips, 0x7FFFFFFF}, {"huge grid", nGrid, 0x40000000}, {"short grid", nGrid, 479},
  };
  for (auto& p : patches) {
    std::vector<uint8_t> bad = img;
    memcpy(&bad[p.nAt], &p.nValue, 4);
    cEdWorldMap b;
    b.m_vEvents.push_back(EventAt(0, 0));
    EXPECT_EQ(0, ReadInto(b, bad)) << p.what;
    // A failed load leaves a map whose cells can all be reached.
    EXPECT_EQ(20, b.m_nWidth) << p.what;
    EXPECT_EQ(480u, b.m_vGrid.size()) << p.what;
    EXPECT_TRUE(b.m_vEvents.empty()) << p.what;
  }

  // A width that needs the same pitch is a map of another width, not damage.
  std::vector<uint8_t> narrow = img;
  int32_t n21 = 21;
  memcpy(&narrow[nWidth], &n21, 4);
  cEdWorldMap b;
  ASSERT_EQ(1, ReadInto(b, narrow));
  EXPECT_EQ(21, b.m_nWidth);
}
