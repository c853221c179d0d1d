// Whole records to and from file images in memory, and images as a writer of an older data
// version stored them (for the upgrade tests): while a cDataVersionScope lives, records register,
// write and head their files with that version.
#pragma once

#include <cstdint>
#include <vector>

#include "model/DataFile.h"
#include "model/RecordTestSupport.h"

class cDataVersionScope {
 public:
  explicit cDataVersionScope(int32_t nVersion) : m_nSaved(g_nDataVersion) { g_nDataVersion = nVersion; }
  ~cDataVersionScope() { g_nDataVersion = m_nSaved; }
  cDataVersionScope(const cDataVersionScope&) = delete;
  cDataVersionScope& operator=(const cDataVersionScope&) = delete;

 private:
  int32_t m_nSaved;
};

// The image fn writes when the data version is nVersion (the version heads the image).
template <class F>
std::vector<uint8_t> WriteImageOfVersion(int32_t nVersion, F fn) {
  cDataVersionScope scope(nVersion);
  return WriteImage(fn);
}

// The file image of a record written now.
template <class R>
std::vector<uint8_t> ImageOf(R& r) {
  return WriteImage([&r](cDataWriter& out) { r.Write(out); });
}

// Reads a file image into a record: 1 when the record read it whole.
template <class R>
int ReadInto(R& r, const std::vector<uint8_t>& img) {
  return ParseImage(img, [&r](cDataReader& in) { return r.Read(in); });
}
