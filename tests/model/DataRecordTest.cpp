#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/Log.h"
#include "model/DataRecord.h"
#include "model/RecordTestSupport.h"
#include "support/TestSupport.h"

namespace {

class cNoFields : public cDataRecord {};

class cTwoStrings : public cDataRecord {
 public:
  std::string m_strA, m_strB;
  void RegisterFields(cFieldRegistrar& reg, int32_t) const override {
    reg.AddString(&m_strA);
    reg.AddString(&m_strB);
  }
};

// One member of every width, an array, and strings between them in the registration.
class cMixed : public cDataRecord {
 public:
  int8_t m_c = 0;
  std::string m_strName;
  int16_t m_an[2] = {};
  int32_t m_n = 0;
  std::string m_strPath;
  double m_d = 0;
  void RegisterFields(cFieldRegistrar& reg, int32_t) const override {
    reg.AddChar(&m_c);
    reg.AddString(&m_strName);
    reg.AddShort(m_an, 2);
    reg.AddInt(&m_n);
    reg.AddString(&m_strPath);
    reg.AddDouble(&m_d);
  }
};

class cGated : public cDataRecord {
 public:
  int32_t m_nOld = 0;
  int32_t m_nNew = 7;  // stored from version 119 on
  cGated() { SetDefault(); }
  void SetDefault() override {
    Clear();
    m_nNew = 7;
  }
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override {
    reg.AddInt(&m_nOld);
    if (nVersion >= 119) reg.AddInt(&m_nNew);
  }
};

// A record with containers of every kind.
class cHolder : public cDataRecord {
 public:
  int32_t m_n = 0;
  cChkVector<cGated> m_vRec;
  cChkVector<uint8_t> m_bb;
  cChkVector<int32_t> m_vn;
  cChkVector<std::string> m_vstr;
  std::shared_ptr<cGated> m_pPart;
  void RegisterFields(cFieldRegistrar& reg, int32_t) const override { reg.AddInt(&m_n); }
  int Read(cDataReader& in) override {
    return cDataRecord::Read(in) && ReadRecords(in, m_vRec) && ReadValueVector(in, m_bb) &&
           ReadValueVector(in, m_vn) && ReadStringVector(in, m_vstr) && ReadShared(in, m_pPart);
  }
  void Write(cDataWriter& out) override {
    cDataRecord::Write(out);
    SaveRecords(out, m_vRec);
    SaveValueVector(out, m_bb);
    SaveValueVector(out, m_vn);
    SaveStringVector(out, m_vstr);
    SaveShared(out, m_pPart);
  }
};

template <class R>
std::vector<uint8_t> ImageOf(R& r) {
  return WriteImage([&r](cDataWriter& out) { r.Write(out); });
}

template <class R>
int ReadInto(R& r, const std::vector<uint8_t>& v) {
  return ParseImage(v, [&r](cDataReader& in) { return r.Read(in); });
}

const int32_t V = 778;

}  // namespace

// --- Hand-computed anchors -----------------------------------------------------------------------

TEST(RecordFormat, RecordWithoutFieldsWritesTwoZeroCounts) {
  cNoFields r;
  EXPECT_EQ(HexOf(cImage().I(V).I(0).I(0)), HexOf(ImageOf(r)));
  EXPECT_EQ("0A 03 00 00 00 00 00 00 00 00 00 00", HexOf(ImageOf(r)));
}

TEST(RecordFormat, EmptyStringIsLengthOneWithoutBytes) {
  cTwoStrings r;
  r.m_strB = "abc";
  EXPECT_EQ("0A 03 00 00 00 00 00 00 02 00 00 00 01 00 00 00 04 00 00 00 61 62 63 00", HexOf(ImageOf(r)));
}

TEST(RecordFormat, FieldsInRegistrationOrderThenStrings) {
  cMixed r;
  r.m_c = -1;
  r.m_an[0] = 0x0102;
  r.m_an[1] = 0x0304;
  r.m_n = 0x11223344;
  r.m_d = 1.0;
  r.m_strName = "n";
  r.m_strPath = "p";
  EXPECT_EQ(HexOf(cImage().I(V).I(4).C(-1).H(0x0102).H(0x0304).I(0x11223344).D(1.0).I(2).S("n").S("p")),
            HexOf(ImageOf(r)));

  cMixed back;
  ASSERT_EQ(1, ReadInto(back, ImageOf(r)));
  EXPECT_EQ(1, cDataRecord::IsEqual(r, back));
  back.m_an[1] = 0x0305;  // only the second element of the array differs
  EXPECT_EQ(0, cDataRecord::IsEqual(r, back));
}

TEST(RecordFormat, MemberFromVersion119StaysDefaultInAVersion118File) {
  cGated r;
  ASSERT_EQ(1, ReadInto(r, cImage().I(118).I(1).I(5).I(0)));
  EXPECT_EQ(118, g_nFileVersion);
  EXPECT_EQ(5, r.m_nOld);
  EXPECT_EQ(7, r.m_nNew);
  EXPECT_EQ(HexOf(cImage().I(V).I(2).I(5).I(7).I(0)), HexOf(ImageOf(r)));

  // A later version reads like the current one.
  cGated later;
  ASSERT_EQ(1, ReadInto(later, cImage().I(900).I(2).I(1).I(2).I(0)));
  EXPECT_EQ(2, later.m_nNew);
}

TEST(RecordFormat, ContainersOfEveryKind) {
  cHolder r;
  r.m_n = 3;
  r.m_vRec.resize(2);
  r.m_vRec[1].m_nOld = 9;
  r.m_bb = {1, 0xFF};
  r.m_vn = {-1};
  r.m_vstr = {"", "x"};
  std::vector<uint8_t> noPart = ImageOf(r);
  EXPECT_EQ(HexOf(cImage()
                      .I(V).I(1).I(3).I(0)                        // base part
                      .I(2).I(2).I(0).I(7).I(0).I(2).I(9).I(7).I(0)  // two records
                      .I(2).C(1).C(-1)                            // bytes
                      .I(1).I(-1)                                 // 32-bit values
                      .I(2).S("").S("x")                          // strings
                      .I(0)),                                     // no part
            HexOf(noPart));

  r.m_pPart = std::make_shared<cGated>();
  r.m_pPart->m_nOld = 4;
  std::vector<uint8_t> withPart = ImageOf(r);
  std::vector<uint8_t> tail(withPart.end() - 20, withPart.end());
  EXPECT_EQ(HexOf(cImage().I(1).I(2).I(4).I(7).I(0)), HexOf(tail));

  cHolder back;
  back.m_vRec.resize(5);  // replace mode: exactly the two read
  ASSERT_EQ(1, ReadInto(back, withPart));
  EXPECT_EQ(2u, back.m_vRec.size());
  EXPECT_EQ(9, back.m_vRec[1].m_nOld);
  ASSERT_TRUE(back.m_pPart);
  EXPECT_EQ(4, back.m_pPart->m_nOld);
  EXPECT_EQ(HexOf(withPart), HexOf(ImageOf(back)));

  ASSERT_EQ(1, ReadInto(back, noPart));  // a zero flag releases the part
  EXPECT_FALSE(back.m_pPart);
}

// Inline flags and flags in a heap block are stored as any byte vector is; a count that does not fit
// in the rest of the file is a failed read that allocates nothing.
TEST(RecordFormat, FlagVectorsAreStoredAsByteVectors) {
  for (size_t n : {size_t(0), size_t(3), size_t(40), size_t(41), size_t(200)}) {
    SCOPED_TRACE(n);
    cChkVector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) bytes.data()[i] = static_cast<uint8_t>(i * 7);
    cFlagVector<37> flags;
    flags.assign(bytes.begin(), bytes.end());
    const std::vector<uint8_t> image = WriteImage([&](cDataWriter& out) { SaveValueVector(out, bytes); });
    EXPECT_EQ(HexOf(image), HexOf(WriteImage([&](cDataWriter& out) { SaveValueVector(out, flags); })));
    cFlagVector<37> back;
    back.assign(2, 9);
    ASSERT_EQ(1, ParseImage(image, [&](cDataReader& in) { return ReadValueVector(in, back); }));
    EXPECT_TRUE(back == flags);
  }
  cFlagVector<11> v;
  EXPECT_EQ(0, ParseImage(cImage().I(V).I(5).C(1).C(2), [&](cDataReader& in) { return ReadValueVector(in, v); }));
  EXPECT_EQ(0, ParseImage(cImage().I(V).I(-1), [&](cDataReader& in) { return ReadValueVector(in, v); }));
}

TEST(RecordFormat, ResizeModeKeepsThePresentElementsUpToTheCount) {
  cChkVector<cGated> v(5);
  v[0].m_nNew = 1;
  v[3].m_nNew = 3;
  std::vector<uint8_t> img = cImage().I(118).I(2).I(1).I(10).I(0).I(1).I(11).I(0);
  ASSERT_EQ(1, ParseImage(img, [&v](cDataReader& in) { return ReadRecords(in, v, READ_RESIZE); }));
  ASSERT_EQ(2u, v.size());
  EXPECT_EQ(1, v[0].m_nNew);  // kept, only read over
  EXPECT_EQ(10, v[0].m_nOld);
  EXPECT_EQ(11, v[1].m_nOld);
}

// --- Strings ---------------------------------------------------------------------------------------

TEST(RecordStrings, WritingCutsAtTheFirstZeroAndAtTheLimitWithoutSplittingACharacter) {
  struct {
    std::string in;
    std::string out;
  } cases[] = {
      {std::string("ab\0cd", 5), "ab"},
      {std::string(6000, 'x'), std::string(5119, 'x')},
      // a double-byte character on bytes 5119 and 5120 is dropped whole
      {std::string(5118, 'x') + "\x83\x5C" + "yz", std::string(5118, 'x')},
  };
  for (auto& c : cases) {
    cTwoStrings r;
    r.m_strA = c.in;
    std::vector<uint8_t> img = ImageOf(r);
    EXPECT_EQ(c.out, r.m_strA);  // the member itself is cut too
    cTwoStrings back;
    ASSERT_EQ(1, ReadInto(back, img));
    EXPECT_EQ(c.out, back.m_strA);
  }
}

TEST(RecordStrings, StoredStringEndsAtItsFirstZeroOrAtItsLength) {
  cTwoStrings r;
  ASSERT_EQ(1, ReadInto(r, cImage().I(V).I(0).I(2).I(4).C('a').C(0).C('b').C(0).I(3).C('a').C('b').C('c')));
  EXPECT_EQ("a", r.m_strA);
  EXPECT_EQ("abc", r.m_strB);
}

TEST(RecordStrings, CarriageReturnsAreKeptUnlessStrippingIsOn) {
  std::vector<uint8_t> img = cImage().I(V).I(0).I(1).S("a\r\nb");
  cTwoStrings r;
  ASSERT_EQ(1, ReadInto(r, img));
  EXPECT_EQ("a\r\nb", r.m_strA);
  g_bStripCR = 1;
  ASSERT_EQ(1, ReadInto(r, img));
  g_bStripCR = 0;
  EXPECT_EQ("a\nb", r.m_strA);
}

// --- Copying and comparing -------------------------------------------------------------------------

TEST(RecordCopy, CopiesAndComparisons) {
  cMixed a;
  a.m_strName = "name";
  a.m_an[1] = 4;
  cMixed b(a), c;
  c = a;
  EXPECT_EQ("name", b.m_strName);
  EXPECT_EQ(4, c.m_an[1]);
  EXPECT_EQ(1, cDataRecord::IsEqual(a, c));

  c.m_strName = "Name";  // byte for byte, case counts
  EXPECT_EQ(0, cDataRecord::IsEqual(a, c));
  c.CopyFields(a);
  EXPECT_EQ(1, cDataRecord::IsEqual(a, c));

  a.m_d = 0.0;
  c.m_d = -0.0;  // 8-byte fields compare as numbers
  EXPECT_EQ(1, cDataRecord::IsEqual(a, c));
  cTwoStrings other;
  EXPECT_EQ(0, cDataRecord::IsEqual(a, other));
}

TEST(RecordCopy, ClearZeroesTheRegisteredMembersOnly) {
  cHolder h;
  h.m_n = 5;
  h.m_vn = {1};
  h.Clear();
  EXPECT_EQ(0, h.m_n);
  EXPECT_EQ(1u, h.m_vn.size());
}

// --- Shared layouts --------------------------------------------------------------------------------

TEST(RecordLayout, OneLayoutPerClassAndVersionAndNoneInTheInstance) {
  EXPECT_EQ(sizeof(void*), sizeof(cNoFields));
  EXPECT_EQ(sizeof(void*) + 8, sizeof(cGated));
  cGated a, b;
  EXPECT_EQ(&a.Layout(778), &b.Layout(778));
  EXPECT_EQ(2u, a.Layout(778).m_vField.size());
  EXPECT_EQ(1u, a.Layout(118).m_vField.size());
  EXPECT_NE(&a.Layout(118), &a.Layout(778));
  EXPECT_EQ(&a.Layout(778), &a.Layout(5000));  // later versions register what the current one does
  cMixed m;
  EXPECT_NE(static_cast<const void*>(&a.Layout(778)), static_cast<const void*>(&m.Layout(778)));
  // Offsets, not addresses: a copy on the heap reads into its own members.
  std::unique_ptr<cGated> p(new cGated(a));
  ASSERT_EQ(1, ReadInto(*p, cImage().I(V).I(2).I(1).I(2).I(0)));
  EXPECT_EQ(2, p->m_nNew);
  EXPECT_EQ(7, a.m_nNew);
}

namespace {

int32_t g_nNotAMember;

// Registers something that is not one of its members: refused, so the file format never depends
// on memory outside the record.
class cBadRegistration : public cDataRecord {
 public:
  int32_t m_n = 0;
  void RegisterFields(cFieldRegistrar& reg, int32_t) const override {
    reg.AddInt(&g_nNotAMember);
    reg.AddInt(&m_n);
  }
};

}  // namespace

TEST(RecordLayout, RegisteringSomethingOutsideTheRecordIsLoggedAndIgnored) {
  cTempDir dir;
  ASSERT_TRUE(CreateReportLog(dir.File("r.txt").c_str()));
  cBadRegistration r;
  EXPECT_EQ(1u, r.Layout(778).m_vField.size());
  EXPECT_NE(std::string::npos, ReadFileText(dir.File("r.txt")).find("err field registration"));
}

// --- Damaged files ---------------------------------------------------------------------------------

TEST(RecordDamage, EveryTruncationAndBadCountIsAFailedRead) {
  cHolder r;
  r.m_vRec.resize(2);
  r.m_bb = {1, 2, 3};
  r.m_vn = {4};
  r.m_vstr = {"abc"};
  r.m_pPart = std::make_shared<cGated>();
  std::vector<uint8_t> img = ImageOf(r);
  for (size_t n = 0; n < img.size(); ++n) {
    cHolder back;
    EXPECT_EQ(0, ReadInto(back, std::vector<uint8_t>(img.begin(), img.begin() + n))) << n;
  }

  cGated g;
  cTwoStrings s;
  std::vector<uint8_t> bad[] = {
      cImage().I(V).I(3).I(1).I(2).I(3).I(0),  // more fields than registered
      cImage().I(V).I(-1).I(0),                 // negative field count
      cImage().I(118).I(2).I(1).I(2).I(0),      // a version-119 field in a version-118 file
  };
  for (auto& b : bad) EXPECT_EQ(0, ReadInto(g, b)) << HexOf(b);
  std::vector<uint8_t> badStrings[] = {
      cImage().I(V).I(0).I(3).S("").S("").S(""),  // more strings than registered
      cImage().I(V).I(0).I(1).I(0),                // length 0
      cImage().I(V).I(0).I(1).I(0x7FFFFFFF).C('a'),
      cImage().I(V).I(0).I(1).I(-5),
  };
  for (auto& b : badStrings) EXPECT_EQ(0, ReadInto(s, b)) << HexOf(b);

  // Counts that cannot fit in the rest of the file never allocate.
  int32_t counts[] = {0x7FFFFFFF, -1, 1 << 20};
  for (int32_t k : counts) {
    cHolder h;
    EXPECT_EQ(0, ReadInto(h, cImage().I(V).I(1).I(0).I(0).I(k).Empty())) << k;
    EXPECT_EQ(0, ReadInto(h, cImage().I(V).I(1).I(0).I(0).I(0).I(k).I(1))) << k;
    EXPECT_EQ(0, ReadInto(h, cImage().I(V).I(1).I(0).I(0).I(0).I(0).I(k).I(1))) << k;
    EXPECT_EQ(0, ReadInto(h, cImage().I(V).I(1).I(0).I(0).I(0).I(0).I(0).I(k).I(1))) << k;
  }
  EXPECT_EQ(0, ReadInto(g, cImage().I(-3).I(0).I(0)));  // negative version
}

// --- Files -----------------------------------------------------------------------------------------

TEST(RecordFile, SaveThenLoadAndMissingFiles) {
  cTempDir dir;
  cMixed a;
  a.m_n = 42;
  a.m_strPath = "bmp\\x.bmp";
  std::string path = dir.File("m.dat");
  ASSERT_EQ(1, a.Save(path.c_str()));
  EXPECT_EQ(HexOf(ImageOf(a)), HexOf(ReadFileBytes(path)));
  cMixed b;
  ASSERT_EQ(1, b.Load(path.c_str()));
  EXPECT_EQ(1, cDataRecord::IsEqual(a, b));

  EXPECT_EQ(0, b.Load(dir.File("none.dat").c_str()));
  EXPECT_EQ(0, a.Save(dir.File("no\\such\\folder.dat").c_str()));
  ASSERT_TRUE(WriteFileBytes(dir.File("short.dat"), {0x0A, 0x03}));
  EXPECT_EQ(0, b.Load(dir.File("short.dat").c_str()));
}

// A file of some megabytes is written from an image of several blocks and read on from the disk in
// pieces: strings and a byte vector larger than a piece come through whole, and a file cut
// anywhere, at a piece's edge too, is a failed load.
TEST(RecordFile, LargeFilesReadWholeAndCutOnesFail) {
  cTempDir dir;
  cHolder a;
  a.m_n = 5;
  a.m_vRec.resize(30000);
  for (size_t i = 0; i < a.m_vRec.size(); ++i) a.m_vRec.data()[i].m_nOld = static_cast<int32_t>(i);
  for (int i = 0; i < 900; ++i) a.m_vstr.push_back(std::string(static_cast<size_t>(i * 7 % 5000), 'a' + i % 26));
  a.m_bb.resize(600000);
  for (size_t i = 0; i < a.m_bb.size(); ++i) a.m_bb.data()[i] = static_cast<uint8_t>(i % 251);
  a.m_vn = {7, 8};
  const std::string path = dir.File("big.dat");
  ASSERT_EQ(1, a.Save(path.c_str()));
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  ASSERT_GT(bytes.size(), 2500000u);
  cHolder b;
  ASSERT_EQ(1, b.Load(path.c_str()));
  EXPECT_TRUE(bytes == ImageOf(b));
  ASSERT_EQ(a.m_vRec.size(), b.m_vRec.size());
  EXPECT_EQ(29999, b.m_vRec.back().m_nOld);
  EXPECT_TRUE(a.m_vstr == b.m_vstr);
  EXPECT_TRUE(a.m_bb == b.m_bb);
  EXPECT_TRUE(a.m_vn == b.m_vn);

  const size_t PIECE = 256 * 1024;
  for (size_t n : {PIECE - 1, PIECE, PIECE + 1, 2 * PIECE + 3, bytes.size() / 2, bytes.size() - 1}) {
    ASSERT_TRUE(WriteFileBytes(dir.File("cut.dat"), std::vector<uint8_t>(bytes.begin(), bytes.begin() + n)));
    cHolder c;
    EXPECT_EQ(0, c.Load(dir.File("cut.dat").c_str())) << n;
  }
}

TEST(RecordFile, EmptyPathReadsErrAndOverlongPathsAreRefused) {
  cTempDir dir(true);
  ASSERT_TRUE(WriteFileBytes("err", cImage().I(300).I(1).I(6).I(0)));
  cGated g;
  EXPECT_EQ(1, g.Load(""));
  EXPECT_EQ(300, g_nFileVersion);
  EXPECT_EQ(6, g.m_nOld);
  EXPECT_EQ(0, g.Save(""));

  std::string longPath(300, 'a');
  EXPECT_EQ(0, g.Load(longPath.c_str()));
  EXPECT_EQ(0, g.Save(longPath.c_str()));
  EXPECT_EQ(0, g.LoadLatest(longPath.c_str(), "stg4"));
}

TEST(RecordFile, LoadLatestTakesTheHighestNumber) {
  cTempDir dir(true);
  CreateDirectoryA("stg4", nullptr);
  cGated g;
  EXPECT_EQ(0, g.LoadLatest("stg4\\Default.stg4_***", "stg4"));
  ASSERT_TRUE(WriteFileBytes("stg4\\Default.stg4_005", cImage().I(V).I(1).I(5).I(0)));
  ASSERT_TRUE(WriteFileBytes("stg4\\Default.stg4_100", cImage().I(V).I(1).I(100).I(0)));
  ASSERT_EQ(1, g.LoadLatest("stg4\\Default.stg4_***", "stg4"));
  EXPECT_EQ(100, g.m_nOld);
}

namespace {

size_t g_nWriteLimit;

// Writes no more than g_nWriteLimit bytes in all, then reports failure.
int WriteUpToLimit(HANDLE h, const void* p, DWORD n) {
  DWORD nNow = static_cast<DWORD>(n < g_nWriteLimit ? n : g_nWriteLimit);
  DWORD nDone = 0;
  if (nNow) WriteFile(h, p, nNow, &nDone, nullptr);
  g_nWriteLimit -= nDone;
  return nDone == n ? 1 : 0;
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> v;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return v;
  do {
    if (strcmp(fd.cFileName, ".") && strcmp(fd.cFileName, "..")) v.push_back(fd.cFileName);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return v;
}

}  // namespace

TEST(RecordFile, ASaveThatFailsPartWayLeavesTheOldFileIntact) {
  cTempDir dir;
  std::string path = dir.File("keep.dat");
  cTwoStrings old;
  old.m_strA = "old";
  ASSERT_EQ(1, old.Save(path.c_str()));
  std::vector<uint8_t> before = ReadFileBytes(path);

  cTwoStrings now;
  now.m_strA = "a longer new text";
  size_t nSize = ImageOf(now).size();
  DataFileWriteFn pPrev = SetDataFileWriteFn(WriteUpToLimit);
  for (size_t k = 0; k < nSize; ++k) {
    g_nWriteLimit = k;
    EXPECT_EQ(0, now.Save(path.c_str())) << k;
    EXPECT_EQ(HexOf(before), HexOf(ReadFileBytes(path))) << k;
    EXPECT_EQ(std::vector<std::string>{"keep.dat"}, FilesIn(dir.Path())) << k;
  }
  g_nWriteLimit = nSize;
  EXPECT_EQ(1, now.Save(path.c_str()));
  SetDataFileWriteFn(pPrev);
  EXPECT_EQ(HexOf(ImageOf(now)), HexOf(ReadFileBytes(path)));
  EXPECT_EQ(std::vector<std::string>{"keep.dat"}, FilesIn(dir.Path()));
}

TEST(RecordFile, SaveOntoAFolderFailsAndRemovesItsTemporaryFile) {
  cTempDir dir;
  std::string path = dir.File("sub");
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
  cNoFields r;
  EXPECT_EQ(0, r.Save(path.c_str()));
  EXPECT_EQ(std::vector<std::string>{"sub"}, FilesIn(dir.Path()));
}

TEST(RecordFile, RandRangeStaysInsideEitherOrder) {
  for (int i = 0; i < 200; ++i) {
    int32_t n = RandRange(5, -3);
    EXPECT_GE(n, -3);
    EXPECT_LE(n, 5);
  }
  EXPECT_EQ(7, RandRange(7, 7));
  int32_t w = RandRange(INT32_MIN, INT32_MAX);
  (void)w;
}

// A save's worker threads are kept: a job started after another has ended runs on the thread that
// ran the first, jobs that run at once run on threads of their own, and Wait returns only once
// the job has returned.
TEST(KeptThread, ThreadsAreReusedOnceFreeAndWaitWaitsForTheJob) {
  DWORD nFirst = 0, nSecond = 0, nHeld = 0, nBeside = 0;
  {
    cKeptThread t;
    ASSERT_TRUE(t.Start([&] { nFirst = GetCurrentThreadId(); }));
    t.Wait();
    EXPECT_FALSE(t.Running());
    ASSERT_TRUE(t.Start([&] { nSecond = GetCurrentThreadId(); }));
  }  // the destructor waits
  EXPECT_NE(0u, nFirst);
  EXPECT_NE(GetCurrentThreadId(), nFirst);
  EXPECT_EQ(nFirst, nSecond);

  HANDLE hGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool bDone = false;
  cKeptThread held, beside;
  ASSERT_TRUE(held.Start([&] {
    nHeld = GetCurrentThreadId();
    WaitForSingleObject(hGo, INFINITE);
    bDone = true;
  }));
  ASSERT_TRUE(beside.Start([&] { nBeside = GetCurrentThreadId(); }));
  beside.Wait();
  EXPECT_NE(0u, nBeside);
  EXPECT_FALSE(bDone);
  SetEvent(hGo);
  held.Wait();
  EXPECT_TRUE(bDone);
  EXPECT_NE(nHeld, nBeside);
  CloseHandle(hGo);
}
