// Reads and writes a grid of three-quarters of a million small records (a 512 x 512 stage on three
// layers) and prints the time and the memory it takes.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "model/DataRecord.h"

namespace {

// Shaped like a placed block: eighteen small fields, a name and a vector of flags.
class cCell : public cDataRecord {
 public:
  int8_t m_nInheritPal = 0;
  int16_t m_nInheritNo = 0;
  std::string m_strName;
  int8_t m_ac[8] = {};
  int16_t m_an[6] = {};
  int32_t m_nActionX = 0;
  cChkVector<uint8_t> m_bbInherit;

  void RegisterFields(cFieldRegistrar& reg, int32_t) const override {
    reg.AddChar(&m_nInheritPal);
    reg.AddShort(&m_nInheritNo);
    reg.AddString(&m_strName);
    for (int i = 0; i < 8; ++i) reg.AddChar(&m_ac[i]);
    for (int i = 0; i < 6; ++i) reg.AddShort(&m_an[i]);
    reg.AddInt(&m_nActionX);
  }
  int Read(cDataReader& in) override { return cDataRecord::Read(in) && ReadValueVector(in, m_bbInherit); }
  void Write(cDataWriter& out) override {
    cDataRecord::Write(out);
    SaveValueVector(out, m_bbInherit);
  }
};

double Ms(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

size_t WorkingSetMiB() {
  PROCESS_MEMORY_COUNTERS pmc = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return pmc.PagefileUsage / (1024 * 1024);
}

}  // namespace

int main() {
  const int CELLS = 512 * 512 * 3;
  size_t nBase = WorkingSetMiB();
  LARGE_INTEGER t0, t1, t2, t3;
  QueryPerformanceCounter(&t0);
  cChkVector<cCell> grid(CELLS);
  for (auto& c : grid) c.m_bbInherit.assign(11, 0);
  QueryPerformanceCounter(&t1);
  cDataWriter out;  // an image in memory: a writer opened for a file would stream it out
  out.WriteInt(g_nDataVersion);
  SaveRecords(out, grid);
  QueryPerformanceCounter(&t2);
  cChkVector<cCell> back;
  cDataReader in;
  in.OpenImage(out.Bytes());
  int bOk = ReadRecords(in, back);
  QueryPerformanceCounter(&t3);
  printf("records %d, sizeof %u bytes, file image %u bytes\n", CELLS, static_cast<unsigned>(sizeof(cCell)),
         static_cast<unsigned>(out.Bytes().size()));
  printf("build %.0f ms, write %.0f ms, read %.0f ms (%s)\n", Ms(t0, t1), Ms(t1, t2), Ms(t2, t3), bOk ? "ok" : "failed");
  printf("memory for two grids and the image: %u MiB\n", static_cast<unsigned>(WorkingSetMiB() - nBase));
  return bOk ? 0 : 1;
}
