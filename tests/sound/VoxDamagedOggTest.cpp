// The ogg player library opens every tune a project names, on the window thread: a damaged file
// must be refused (or decoded as far as it is sound) without a crash, a hang or a huge allocation.
// The damaged copies are made from the sine fixture with their page checksums made valid again,
// so the damage reaches the decoder instead of being dropped by the page reader.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <cstring>
#include <functional>

#include "app/VoxApi.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

typedef int64_t (*CountFramesFn)(const char*);

constexpr int64_t FIXTURE_FRAMES = 5000;
constexpr size_t PAGE_HEADER = 27;

typedef std::vector<unsigned char> cBytes;

uint32_t OggCrc(const unsigned char* p, size_t n) {
  uint32_t crc = 0;
  for (size_t i = 0; i < n; ++i) {
    crc ^= static_cast<uint32_t>(p[i]) << 24;
    for (int b = 0; b < 8; ++b) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
  }
  return crc;
}

struct cPage {
  size_t nStart;  // offset of "OggS"
  size_t nSize;   // header, lacing values and body
  size_t nBody;   // offset of the body
};

std::vector<cPage> Pages(const cBytes& v) {
  std::vector<cPage> vPages;
  size_t n = 0;
  while (n + PAGE_HEADER <= v.size() && memcmp(&v[n], "OggS", 4) == 0) {
    const size_t nSegs = v[n + 26];
    size_t nBody = 0;
    for (size_t i = 0; i < nSegs; ++i) nBody += v[n + PAGE_HEADER + i];
    vPages.push_back({n, PAGE_HEADER + nSegs + nBody, n + PAGE_HEADER + nSegs});
    n += PAGE_HEADER + nSegs + nBody;
  }
  return vPages;
}

void FixCrc(cBytes& v, const cPage& page) {
  memset(&v[page.nStart + 22], 0, 4);
  const uint32_t crc = OggCrc(&v[page.nStart], page.nSize);
  for (int i = 0; i < 4; ++i) v[page.nStart + 22 + i] = static_cast<unsigned char>(crc >> (8 * i));
}

void Put32(cBytes& v, size_t n, uint32_t dw) {
  for (int i = 0; i < 4; ++i) v[n + i] = static_cast<unsigned char>(dw >> (8 * i));
}

// Rewrites the comment packet (the first packet of the second page) and lays the page out again.
cBytes WithComment(const cBytes& vFixture, const std::function<void(cBytes&)>& fnChange) {
  const cPage page = Pages(vFixture).at(1);
  const size_t nSegs = vFixture[page.nStart + 26];
  size_t nSeg = 0, nOld = 0;
  while (vFixture[page.nStart + PAGE_HEADER + nSeg] == 255) nOld += 255, ++nSeg;
  nOld += vFixture[page.nStart + PAGE_HEADER + nSeg++];
  cBytes vComment(vFixture.begin() + page.nBody, vFixture.begin() + page.nBody + nOld);
  fnChange(vComment);
  cBytes vLacing(vComment.size() / 255, 255);
  vLacing.push_back(static_cast<unsigned char>(vComment.size() % 255));
  vLacing.insert(vLacing.end(), vFixture.begin() + page.nStart + PAGE_HEADER + nSeg,
                 vFixture.begin() + page.nStart + PAGE_HEADER + nSegs);
  cBytes v(vFixture.begin(), vFixture.begin() + page.nStart + PAGE_HEADER);
  v[page.nStart + 26] = static_cast<unsigned char>(vLacing.size());
  v.insert(v.end(), vLacing.begin(), vLacing.end());
  v.insert(v.end(), vComment.begin(), vComment.end());
  v.insert(v.end(), vFixture.begin() + page.nBody + nOld, vFixture.end());
  FixCrc(v, Pages(v).at(1));
  return v;
}

// Offsets inside the comment packet: type and "vorbis", vendor length, vendor, comment count.
constexpr size_t VENDOR_LENGTH_AT = 7;
size_t CommentCountAt(const cBytes& vComment) {
  return VENDOR_LENGTH_AT + 4 + (vComment[VENDOR_LENGTH_AT] | vComment[VENDOR_LENGTH_AT + 1] << 8);
}

// One byte of the page's body inverted, the checksum made valid or left stale.
cBytes Flipped(const cBytes& vFixture, size_t nPage, size_t nAt, bool bFixCrc) {
  cBytes v = vFixture;
  const cPage page = Pages(v).at(nPage);
  v[page.nBody + nAt] ^= 0xFF;
  if (bFixCrc) FixCrc(v, page);
  return v;
}

SIZE_T PeakCommit() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return pmc.PeakPagefileUsage;
}

struct cDamage {
  const char* pszName;
  cBytes vBytes;
  bool bHeaderDamage;  // must be refused; otherwise decoding may keep what is sound
};

}  // namespace

TEST(VoxStandIn, RefusesDamagedTunesWithoutCrashOrHugeAllocation) {
  HMODULE hLib = LoadLibraryA("Vox.dll");
  ASSERT_NE(nullptr, hLib);
  auto pfnCount = reinterpret_cast<CountFramesFn>(reinterpret_cast<void*>(GetProcAddress(hLib, "VoxCountFrames")));
  auto pfnCreate = reinterpret_cast<CreateVoxFn>(reinterpret_cast<void*>(GetProcAddress(hLib, "CreateVox")));
  ASSERT_NE(nullptr, pfnCount);
  ASSERT_NE(nullptr, pfnCreate);
  const cBytes vFixture = ReadFileBytes(BesideTests("VoxSineFixture.ogg"));
  const std::vector<cPage> vPages = Pages(vFixture);
  ASSERT_GE(vPages.size(), 3u);

  std::vector<cDamage> vCases = {
      {"comment count 0x7fffffff",
       WithComment(vFixture, [](cBytes& c) { Put32(c, CommentCountAt(c), 0x7FFFFFFF); }), true},
      {"comment count 0x20000001",
       WithComment(vFixture, [](cBytes& c) { Put32(c, CommentCountAt(c), 0x20000001); }), true},
      {"first comment length 0xffffffff",
       WithComment(vFixture,
                   [](cBytes& c) {
                     const size_t n = CommentCountAt(c);
                     Put32(c, n, 1);
                     c.insert(c.begin() + n + 4, {0xFF, 0xFF, 0xFF, 0xFF});
                   }),
       true},
      {"vendor length 0x7ffffff0",
       WithComment(vFixture, [](cBytes& c) { Put32(c, VENDOR_LENGTH_AT, 0x7FFFFFF0); }), true},
      {"cut inside the first page", cBytes(vFixture.begin(), vFixture.begin() + 40), true},
      {"cut inside the comment", cBytes(vFixture.begin(), vFixture.begin() + vPages[1].nBody + 20), true},
      {"cut inside the codebooks", cBytes(vFixture.begin(), vFixture.begin() + vPages[1].nBody + 200), true},
      {"first page flipped", Flipped(vFixture, 0, 10, true), true},
      {"codebook byte flipped", Flipped(vFixture, 1, vPages[1].nSize / 2, true), false},
      {"cut before the end", cBytes(vFixture.begin(), vFixture.end() - 100), false},
      {"audio flipped", Flipped(vFixture, 2, 40, true), false},
      {"audio flipped, stale checksum", Flipped(vFixture, 2, 40, false), false},
  };
  for (size_t nAt = 0; nAt + 1 < vPages[1].nSize - PAGE_HEADER; nAt += 97)
    vCases.push_back({"setup flipped", Flipped(vFixture, 1, nAt, true), false});

  cTempDir dir;
  const SIZE_T nPeakBefore = PeakCommit();
  cVox* pVox = pfnCreate();
  ASSERT_NE(nullptr, pVox);
  for (size_t i = 0; i < vCases.size(); ++i) {
    const cDamage& d = vCases[i];
    SCOPED_TRACE(d.pszName);
    const std::string strPath = dir.File("damaged" + std::to_string(i) + ".ogg");
    ASSERT_TRUE(WriteFileBytes(strPath, d.vBytes));
    const int64_t qFrames = pfnCount(strPath.c_str());
    pVox->Unload();
    const bool bLoaded = pVox->Load(strPath.c_str());
    EXPECT_EQ(qFrames >= 0, bLoaded);
    if (d.bHeaderDamage) EXPECT_EQ(-1, qFrames);
    EXPECT_LE(qFrames, FIXTURE_FRAMES);
  }
  pVox->Release();
  // Wine does not keep the peak monotonic: it can read below the figure taken before, which an
  // unsigned difference would turn into a huge growth.
  const int64_t qGrowth = static_cast<int64_t>(PeakCommit()) - static_cast<int64_t>(nPeakBefore);
  EXPECT_LT(qGrowth, int64_t(64) << 20);
  // The sound file itself, and a copy whose comment page was laid out again unchanged (so the
  // damage above reached the decoder's header parsing), still decode in full.
  EXPECT_EQ(FIXTURE_FRAMES, pfnCount(BesideTests("VoxSineFixture.ogg").c_str()));
  const std::string strSame = dir.File("relaid.ogg");
  ASSERT_TRUE(WriteFileBytes(strSame, WithComment(vFixture, [](cBytes&) {})));
  EXPECT_EQ(FIXTURE_FRAMES, pfnCount(strSame.c_str()));
  FreeLibrary(hLib);
}
