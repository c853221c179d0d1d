// Hand-built images of blocks, characters and items as files of any data version store them: the
// field widths and version gates below are the stored layout, written out here on their own so that
// the tests do not only agree with the records' registration.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/RecordTestSupport.h"

struct cFieldRow {
  int nBytes;
  int32_t nFrom;  // stored from this data version on
};

// Field numbers count the fields only (the name is the one string).
const cFieldRow BLOCK_ROWS[18] = {{1, 0}, {2, 0}, {1, 0}, {1, 0}, {2, 0}, {1, 0}, {2, 0}, {1, 0}, {1, 0},
                                  {1, 0}, {2, 0}, {1, 0}, {1, 0}, {1, 0}, {4, 0}, {1, 0}, {2, 0}, {1, 0}};
const cFieldRow ITEM_ROWS[17] = {{1, 0}, {2, 0}, {1, 0}, {1, 0}, {2, 0}, {2, 0}, {2, 0}, {1, 0}, {2, 0},
                                 {1, 0}, {1, 0}, {1, 0}, {2, 0}, {1, 0}, {1, 0}, {1, 0}, {2, 0}};
const cFieldRow CHARA_ROWS[53] = {
    {1, 0}, {2, 0}, {1, 0},   {1, 0}, {1, 0}, {1, 0},   {2, 0}, {2, 0}, {2, 0},   {2, 0}, {1, 0},
    {1, 0}, {2, 0}, {1, 0},   {2, 0}, {2, 0}, {1, 0},   {1, 0}, {2, 0}, {1, 196}, {1, 0}, {2, 0},
    {1, 196}, {1, 0}, {2, 0}, {1, 0}, {1, 0}, {1, 0},   {1, 0}, {1, 0}, {1, 0},   {1, 0}, {1, 285},
    {1, 0}, {1, 0}, {1, 210}, {1, 0}, {1, 0}, {4, 0},   {4, 0}, {2, 0}, {1, 201}, {4, 0}, {1, 0},
    {2, 0}, {4, 168}, {1, 0}, {4, 0}, {1, 0}, {1, 0},   {2, 0}, {1, 0}, {1, 0}};

// Field numbers of the values the tests set.
enum {
  BF_INHERIT_PAL = 1, BF_INHERIT_NO = 2, BF_GRAPHIC = 5, BF_SHEET = 6, BF_BLOCK_TYPE = 12, BF_NO_FACTION = 13,
  BF_ITEM_PAL = 16, BF_ITEM_NO = 17, BF_NO_SUMMON = 18,
  IF_GRAPHIC = 7, IF_SHEET = 8, IF_GIANT = 16, IF_SOUND = 17,
  CF_INHERIT_PAL = 1, CF_INHERIT_NO = 2, CF_GRAPHIC = 13, CF_SHEET = 14, CF_START_MODE = 20, CF_CONTROL = 26,
  CF_INVINCIBLE_FX = 33, CF_SCROLL_SYNC = 36, CF_HP = 39, CF_BODY_HIT = 42, CF_DEFENCE = 46,
};

// The fields of a freshly constructed character and item that are not 0.
const std::map<int, int32_t> FRESH_CHARA = {{CF_SHEET, 1}, {17, 3}, {21, 1}, {CF_CONTROL, 1}, {28, 1}, {31, 1},
                                            {35, 1}, {CF_HP, 10}, {41, 10}, {49, 1}};
const std::map<int, int32_t> FRESH_ITEM = {{IF_SHEET, 2}, {10, 6}, {14, 1}, {IF_GIANT, 1}};

inline std::map<int, int32_t> WithField(std::map<int, int32_t> m, int nField, int32_t v) {
  m[nField] = v;
  return m;
}

// The field and string sections of a record at a version; fields not given are 0.
template <size_t N>
cImage& RecordSections(cImage& img, const cFieldRow (&rows)[N], int32_t nVersion,
                       const std::map<int, int32_t>& values, const std::string& strName = "") {
  int32_t nCount = 0;
  for (const cFieldRow& r : rows) nCount += nVersion >= r.nFrom;
  img.I(nCount);
  for (size_t i = 0; i < N; ++i) {
    if (nVersion < rows[i].nFrom) continue;
    auto it = values.find(static_cast<int>(i + 1));
    int32_t v = it == values.end() ? 0 : it->second;
    if (rows[i].nBytes == 1) img.C(static_cast<int8_t>(v));
    if (rows[i].nBytes == 2) img.H(static_cast<int16_t>(v));
    if (rows[i].nBytes == 4) img.I(v);
  }
  return img.I(1).S(strName);
}

inline cImage& Flags(cImage& img, const std::vector<uint8_t>& v) {
  return img.I(static_cast<int32_t>(v.size())).Bytes(v);
}

// Whole records after their sections: position, flags, no conditions (and no commands or flows).
inline cImage& BlockImage(cImage& img, int32_t nVersion, const std::map<int, int32_t>& values,
                          const std::vector<uint8_t>& vFlags = std::vector<uint8_t>(11), const std::string& strName = "") {
  RecordSections(img, BLOCK_ROWS, nVersion, values, strName).H(0).H(0);
  return Flags(img, vFlags).I(0);
}

inline cImage& ItemImage(cImage& img, int32_t nVersion, const std::map<int, int32_t>& values,
                         const std::vector<uint8_t>& vFlags = std::vector<uint8_t>(13), const std::string& strName = "") {
  RecordSections(img, ITEM_ROWS, nVersion, values, strName).H(0).H(0);
  return Flags(img, vFlags).I(0).I(0);
}

inline cImage& CharaImage(cImage& img, int32_t nVersion, const std::map<int, int32_t>& values,
                          const std::vector<uint8_t>& vFlags = std::vector<uint8_t>(37), const std::string& strName = "") {
  RecordSections(img, CHARA_ROWS, nVersion, values, strName).H(0).H(0).I(0);
  return Flags(img, vFlags).I(0).I(0);
}

// Reads one record from an image that starts with its data version.
template <class T>
int ReadRecordImage(T& rec, const std::vector<uint8_t>& img) {
  return ParseImage(img, [&rec](cDataReader& in) { return rec.Read(in); });
}

template <class T>
std::vector<uint8_t> RecordBytes(T& rec) {
  return WriteImage([&rec](cDataWriter& out) { rec.Write(out); });
}
