#include "ArtFiles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

void Put16(cBytes& v, uint32_t n) {
  v.push_back(uint8_t(n));
  v.push_back(uint8_t(n >> 8));
}

void Put32(cBytes& v, uint32_t n) {
  Put16(v, n & 0xFFFF);
  Put16(v, n >> 16);
}

void PutBe16(cBytes& v, uint32_t n) {
  v.push_back(uint8_t(n >> 8));
  v.push_back(uint8_t(n));
}

void PutBe32(cBytes& v, uint32_t n) {
  PutBe16(v, n >> 16);
  PutBe16(v, n & 0xFFFF);
}

void PutText(cBytes& v, const char* psz) {
  while (*psz) v.push_back(uint8_t(*psz++));
}

// Both headers of an uncompressed bottom-up BMP.
cBytes BmpHeaders(int nWidth, int nHeight, int nBits, uint32_t nTableBytes) {
  uint32_t nStride = ((uint32_t(nWidth) * nBits + 31) / 32) * 4;
  uint32_t nOffset = 14 + 40 + nTableBytes;
  cBytes v;
  PutText(v, "BM");
  Put32(v, nOffset + nStride * uint32_t(nHeight));
  Put32(v, 0);
  Put32(v, nOffset);
  Put32(v, 40);
  Put32(v, uint32_t(nWidth));
  Put32(v, uint32_t(nHeight));
  Put16(v, 1);
  Put16(v, uint32_t(nBits));
  Put32(v, 0);  // BI_RGB
  Put32(v, nStride * uint32_t(nHeight));
  Put32(v, 2835);  // 72 dpi
  Put32(v, 2835);
  Put32(v, nBits == 8 ? 256 : 0);
  Put32(v, 0);
  return v;
}

void PutRowsBottomUp(cBytes& v, const std::vector<uint8_t>& vRows, uint32_t nRowBytes, int nHeight) {
  uint32_t nStride = (nRowBytes + 3) & ~3u;
  for (int y = nHeight - 1; y >= 0; --y) {
    const uint8_t* p = vRows.data() + size_t(y) * nRowBytes;
    v.insert(v.end(), p, p + nRowBytes);
    v.insert(v.end(), nStride - nRowBytes, 0);
  }
}

void PutVarLen(cBytes& v, uint32_t n) {
  uint8_t tmp[5];
  int k = 0;
  tmp[k++] = n & 0x7F;
  while (n >>= 7) tmp[k++] = uint8_t(0x80 | (n & 0x7F));
  while (k) v.push_back(tmp[--k]);
}

}  // namespace

cBytes MakeBmp8(int nWidth, int nHeight, const std::vector<uint8_t>& vPixels,
                const cColourTable& table) {
  cBytes v = BmpHeaders(nWidth, nHeight, 8, 1024);
  cColourTable t = table;
  t.resize(1024, 0);
  v.insert(v.end(), t.begin(), t.end());
  PutRowsBottomUp(v, vPixels, uint32_t(nWidth), nHeight);
  return v;
}

cBytes MakeBmp24(int nWidth, int nHeight, const std::vector<uint8_t>& vBgr) {
  cBytes v = BmpHeaders(nWidth, nHeight, 24, 0);
  PutRowsBottomUp(v, vBgr, uint32_t(nWidth) * 3, nHeight);
  return v;
}

cBytes MakeWave(int nSampleRate, const std::vector<int16_t>& vSamples) {
  uint32_t nData = uint32_t(vSamples.size()) * 2;
  cBytes v;
  PutText(v, "RIFF");
  Put32(v, 4 + 8 + 16 + 8 + nData);
  PutText(v, "WAVE");
  PutText(v, "fmt ");
  Put32(v, 16);
  Put16(v, 1);  // PCM
  Put16(v, 1);  // mono
  Put32(v, uint32_t(nSampleRate));
  Put32(v, uint32_t(nSampleRate) * 2);
  Put16(v, 2);
  Put16(v, 16);
  PutText(v, "data");
  Put32(v, nData);
  for (int16_t s : vSamples) Put16(v, uint16_t(s));
  return v;
}

cBytes MakeMidi0(uint16_t nDivision, uint32_t nTempoUs, uint8_t cProgram,
                 const std::vector<cMidiNote>& vNotes) {
  struct cEvent {
    uint32_t nTick;
    int nOrder;  // note-offs before note-ons at the same tick
    uint8_t b[3];
  };
  std::vector<cEvent> vEvents;
  for (const cMidiNote& n : vNotes) {
    vEvents.push_back({n.nStart, 1, {0x90, n.cKey, n.cVelocity}});
    vEvents.push_back({n.nStart + n.nLength, 0, {0x80, n.cKey, 0}});
  }
  std::stable_sort(vEvents.begin(), vEvents.end(), [](const cEvent& a, const cEvent& b) {
    return a.nTick != b.nTick ? a.nTick < b.nTick : a.nOrder < b.nOrder;
  });

  cBytes track;
  track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
  track.push_back(uint8_t(nTempoUs >> 16));
  track.push_back(uint8_t(nTempoUs >> 8));
  track.push_back(uint8_t(nTempoUs));
  track.insert(track.end(), {0x00, 0xC0, cProgram});
  uint32_t nNow = 0;
  for (const cEvent& e : vEvents) {
    PutVarLen(track, e.nTick - nNow);
    nNow = e.nTick;
    track.insert(track.end(), e.b, e.b + 3);
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

  cBytes v;
  PutText(v, "MThd");
  PutBe32(v, 6);
  PutBe16(v, 0);
  PutBe16(v, 1);
  PutBe16(v, nDivision);
  PutText(v, "MTrk");
  PutBe32(v, uint32_t(track.size()));
  v.insert(v.end(), track.begin(), track.end());
  return v;
}

bool WriteWholeFile(const std::string& strPath, const cBytes& vBytes) {
  std::string strTmp = strPath + ".tmp";
  FILE* fp = fopen(strTmp.c_str(), "wb");
  if (!fp) return false;
  bool ok = vBytes.empty() || fwrite(vBytes.data(), 1, vBytes.size(), fp) == vBytes.size();
  ok = fflush(fp) == 0 && ok;
  ok = fclose(fp) == 0 && ok;
  if (ok) ok = MoveFileExA(strTmp.c_str(), strPath.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) DeleteFileA(strTmp.c_str());
  return ok;
}
