// Building file images by hand for the record tests: little-endian values and strings in the
// string-section encoding, so that a fixture reads like the bytes it stands for.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/DataFile.h"
#include "model/DataRecord.h"

class cImage {
 public:
  cImage& I(int32_t v) { return Raw(&v, 4); }
  cImage& H(int16_t v) { return Raw(&v, 2); }
  cImage& C(int8_t v) { return Raw(&v, 1); }
  cImage& D(double v) { return Raw(&v, 8); }
  // A string as the string section stores it.
  cImage& S(const std::string& s) {
    I(static_cast<int32_t>(s.size() + 1));
    if (!s.empty()) Raw(s.c_str(), s.size() + 1);
    return *this;
  }
  // An empty record: no fields, no strings.
  cImage& Empty() { return I(0).I(0); }
  cImage& Bytes(const std::vector<uint8_t>& v) { return Raw(v.data(), v.size()); }
  // The field and string sections of a record as a writer of data version nVersion stored them:
  // the fields and strings registered for that version, holding the record's present values.
  cImage& Base(const cDataRecord& rec, int32_t nVersion) {
    const cFieldLayout& layout = rec.Layout(nVersion);
    const char* pRec = reinterpret_cast<const char*>(&rec);
    I(static_cast<int32_t>(layout.m_vField.size()));
    for (const cFieldDesc& d : layout.m_vField)
      Raw(pRec + d.m_nOffset, static_cast<size_t>(d.m_nSize) * static_cast<size_t>(d.m_nCount));
    I(static_cast<int32_t>(layout.m_vString.size()));
    for (const cStringDesc& d : layout.m_vString) S(*reinterpret_cast<const std::string*>(pRec + d.m_nOffset));
    return *this;
  }
  const std::vector<uint8_t>& Get() const { return m_v; }
  operator const std::vector<uint8_t>&() const { return m_v; }

 private:
  cImage& Raw(const void* p, size_t n) {
    const uint8_t* pb = static_cast<const uint8_t*>(p);
    m_v.insert(m_v.end(), pb, pb + n);
    return *this;
  }
  std::vector<uint8_t> m_v;
};

// Parses a whole file image with a reader in memory: the version goes to g_nFileVersion as when
// the file is opened, then fn reads the rest. 1 only when fn succeeded and the reader never failed.
template <class F>
int ParseImage(const std::vector<uint8_t>& vBytes, F fn) {
  cDataReader in;
  if (!in.OpenImage(vBytes)) return 0;
  return fn(in) && in.Ok() ? 1 : 0;
}

// Writes with a writer in memory and returns the image (data version first).
template <class F>
std::vector<uint8_t> WriteImage(F fn) {
  // Not opened for a file: a writer for a file streams its bytes out as the image grows.
  cDataWriter out;
  out.WriteInt(g_nDataVersion);
  fn(out);
  return out.Bytes();
}
