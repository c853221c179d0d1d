// The record base: every persistent object of the program derives from cDataRecord. A record
// names, per data version, which of its members are stored and in which order; the base then
// reads, writes, clears, copies and compares those members without knowing the class.
//
// Record encoding (after the file's 32-bit data version, model/DataFile.h):
//   field section   32-bit count n, then each registered field's raw bytes (size x count)
//   string section  32-bit count m, then each registered string (length with the zero, bytes)
//   containers      whatever the class's Write writes after the base part
//
// The registration is built once per record class and data version and shared by every instance
// (a stage holds three-quarters of a million records); an instance holds its members and a vptr.
//
// Deriving a record:
//
//   class cEdThing : public cDataRecord {
//    public:
//     std::string m_strName;
//     int32_t m_nA = 0;
//     int16_t m_anB[3] = {};
//     int32_t m_nNew = 5;                   // stored from data version 119 on
//     cChkVector<cEdPart> m_vPart;           // a container: written after the base part
//
//     cEdThing() { SetDefault(); }
//     void SetDefault() override { Clear(); m_nNew = 5; m_vPart.clear(); }
//     void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override {
//       reg.AddString(&m_strName);          // strings and fields go to separate sections,
//       reg.AddInt(&m_nA);                  // each in the order of these calls
//       reg.AddShort(m_anB, 3);             // an array is one field of three elements
//       if (nVersion >= 119) reg.AddInt(&m_nNew);
//     }
//     int Read(cDataReader& in) override {
//       if (!cDataRecord::Read(in) || !ReadRecords(in, m_vPart)) return 0;
//       if (g_nFileVersion < 128) { ... upgrade steps in ascending version order ... }
//       return 1;
//     }
//     void Write(cDataWriter& out) override {
//       cDataRecord::Write(out);
//       SaveRecords(out, m_vPart);
//     }
//   };
//
// Rules:
// - A record without stored members of its own (a holder of containers) needs no RegisterFields:
//   the base registers nothing and its encoding is the two zero counts.
// - RegisterFields only registers: it is called once per class and version on whichever instance
//   needs the layout first, and never for a particular instance's values. Register members of
//   this object only (the pointer types pick the element size; bool and enums are refused on
//   purpose). nVersion is already limited to 0..g_nDataVersion, so plain comparisons are safe.
// - Members that an older version did not store keep the value they had before Read, so give every
//   member its default in the constructor (SetDefault).
// - Copy construction and assignment are the compiler's: they copy every member, strings and
//   containers deeply. Write none unless a member needs a deep copy of its own (shared parts).
// - Read returns 0 on a damaged file: pass the result of the base and of every container read on.
//   The reader stays failed after the first error, so upgrade steps may still run; they only have
//   to be safe on whatever was read.
// - Write builds the file image in memory; only CloseFile touches the disk. A Write override calls
//   the base first and then writes its containers in the order Read reads them.
// - No virtual inheritance: a member's offset from the record must be the same in every instance.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <typeinfo>

#include "base/ChkContainer.h"
#include "model/DataFile.h"

struct cFieldDesc {
  uint32_t m_nOffset;  // from the cDataRecord part of the object
  int32_t m_nCount;
  uint8_t m_nSize;  // 1, 2, 4 or 8
};

struct cStringDesc {
  uint32_t m_nOffset;
};

// One element of a field: where it lies in the record and in the field section.
struct cFieldOp {
  uint32_t m_nRec;
  uint32_t m_nImg;
};

// A long array field, copied whole.
struct cFieldBulk {
  uint32_t m_nRec;
  uint32_t m_nImg;
  uint32_t m_nBytes;
};

// The stored members of one record class at one data version, in registration order.
struct cFieldLayout {
  cShellVector<cFieldDesc> m_vField;
  cShellVector<cStringDesc> m_vString;
  size_t m_nFieldBytes = 0;  // the field section without its count
  // The whole field section again, by element size: copying a record's fields is then a few loops
  // without a decision per field (a grid holds three-quarters of a million records).
  cShellVector<cFieldOp> m_vOp[4];  // elements of 1, 2, 4 and 8 bytes
  cShellVector<cFieldBulk> m_vBulk;
  // Set when two fields share bytes (a scratch member read more than once): reading then keeps to
  // the registration order, so that the last field read wins as it always did.
  bool m_bOverlap = false;
  // Set when a field holds doubles, which compare as numbers, not as bytes.
  bool m_bDouble = false;
  // What the layout is of, so that a cache slot can tell whether it holds the one asked for.
  const std::type_info* m_pType = nullptr;
  int32_t m_nVersion = 0;
};

class cDataRecord;

// Collects a class's registration into its layout; handed to RegisterFields.
class cFieldRegistrar {
 public:
  void AddChar(const int8_t* p, int nCount = 1) { Add(p, nCount, 1); }
  void AddChar(const uint8_t* p, int nCount = 1) { Add(p, nCount, 1); }
  void AddChar(const char* p, int nCount = 1) { Add(p, nCount, 1); }
  void AddShort(const int16_t* p, int nCount = 1) { Add(p, nCount, 2); }
  void AddShort(const uint16_t* p, int nCount = 1) { Add(p, nCount, 2); }
  void AddInt(const int32_t* p, int nCount = 1) { Add(p, nCount, 4); }
  void AddInt(const uint32_t* p, int nCount = 1) { Add(p, nCount, 4); }
  void AddDouble(const double* p, int nCount = 1) { Add(p, nCount, 8); }
  void AddString(const std::string* p);

 private:
  friend class cDataRecord;
  cFieldRegistrar(const cDataRecord* pOwner, cFieldLayout& layout) : m_pOwner(pOwner), m_Layout(layout) {}
  bool OffsetOf(const void* p, size_t nBytes, uint32_t& nOffset) const;
  void Add(const void* p, int nCount, int nSize);

  const cDataRecord* m_pOwner;
  cFieldLayout& m_Layout;
};

class cDataRecord {
 public:
  virtual ~cDataRecord() {}

  // Called on the source before copying fields and on both records before comparing.
  virtual void PrepareFields(int32_t nVersion) { (void)nVersion; }
  // Declares the stored members for a data version (see the top of this file).
  virtual void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
    (void)reg;
    (void)nVersion;
  }
  // Reads the field and string sections with the registration of g_nFileVersion; 0 when the file
  // is damaged (a short read, a count above the registration, a bad string length).
  virtual int Read(cDataReader& in);
  // Writes the field and string sections with the registration of g_nDataVersion.
  virtual void Write(cDataWriter& out);
  // The same with that registration at hand: a writer of many records of one class looks it up once.
  void WriteBase(cDataWriter& out, const cFieldLayout& layout);
  // The base default: every registered field 0, every registered string empty.
  virtual void SetDefault() { Clear(); }

  void Clear();
  // Copies the registered fields and strings of a record of the same class.
  void CopyFields(const cDataRecord& src);
  // 1 when two records of the same class hold the same registered fields (8-byte ones compared
  // as doubles) and the same strings, byte for byte; else 0.
  static int IsEqual(const cDataRecord& a, const cDataRecord& b);
  // Removes every carriage return from this record's registered strings (not from nested records).
  void StripCR();
  int ReadStrings(cDataReader& in);
  void WriteStrings(cDataWriter& out);

  // The file operations on a path: 1 on success, 0 when the file cannot be opened or written or is
  // damaged. They show no message: the caller does.
  int Load(const char* pszPath);
  int Save(const char* pszPath);
  // Loads the newest of "<path with the extension>_999" down to "_000"; 0 when none exists.
  int LoadLatest(const char* pszPath, const char* pszExt);

  // The shared registration of this record's class at a data version.
  const cFieldLayout& Layout(int32_t nVersion) const;

 protected:
  cDataRecord() {}
  cDataRecord(const cDataRecord&) {}
  cDataRecord& operator=(const cDataRecord&) { return *this; }

 private:
  // Builds or finds the layout on a miss of the cache; kept out of line so that the lookup stays
  // small (it runs for every record that is read, written or cleared).
  const cFieldLayout& FindLayout(const std::type_info& t, int32_t nVersion) const;
  int ReadFields(cDataReader& in, const cFieldLayout& layout);
  int ReadStrings(cDataReader& in, const cFieldLayout& layout);
  void WriteStrings(cDataWriter& out, const cFieldLayout& layout);
};

// ---------------------------------------------------------------------------------------------
// Containers, written after a record's base part. Each is a 32-bit count and its elements.

// The smallest record encoding (two zero counts), which bounds a record count by the file.
constexpr size_t MIN_RECORD_BYTES = 8;

enum eReadMode {
  READ_REPLACE,  // empty the vector, then read k fresh default elements
  READ_RESIZE,   // keep the first k elements (read over), drop the rest, append defaults up to k
};

template <class V>
int ReadRecords(cDataReader& in, V& v, eReadMode eMode = READ_REPLACE) {
  int32_t k = 0;
  if (!in.ReadCount(k, MIN_RECORD_BYTES)) return 0;
  if (eMode == READ_REPLACE)
    v.clear();
  else if (v.size() > static_cast<size_t>(k))
    v.erase(v.begin() + k, v.end());
  // Elements are added as they are read, so a damaged count allocates no more than the file holds;
  // a short vector gets its room at once instead of growing through every smaller size.
  const size_t nRoom = static_cast<size_t>(k < 64 ? k : 64);
  if (v.capacity() < nRoom) v.reserve(nRoom);
  for (int32_t i = 0; i < k; ++i) {
    if (static_cast<size_t>(i) == v.size()) v.emplace_back();
    if (!v.data()[i].Read(in)) return 0;
  }
  return 1;
}

template <class V>
void SaveRecords(cDataWriter& out, V& v) {
  out.WriteInt(static_cast<int32_t>(v.size()));
  for (auto& e : v) e.Write(out);
}

// Vectors of 8-bit or 32-bit values (inheritance flags, switches): new elements are 0.
template <class V>
int ReadValueVector(cDataReader& in, V& v) {
  typedef typename V::value_type T;
  static_assert(sizeof(T) == 1 || sizeof(T) == 4, "bytes or 32-bit integers");
  int32_t k = 0;
  if (!in.ReadCount(k, sizeof(T))) return 0;
  v.assign(static_cast<size_t>(k), T());
  return in.ReadRaw(v.data(), static_cast<size_t>(k) * sizeof(T));
}

template <class V>
void SaveValueVector(cDataWriter& out, const V& v) {
  typedef typename V::value_type T;
  static_assert(sizeof(T) == 1 || sizeof(T) == 4, "bytes or 32-bit integers");
  out.WriteInt(static_cast<int32_t>(v.size()));
  out.WriteRaw(v.data(), v.size() * sizeof(T));
}

// Vectors of strings, each in the string-section encoding; read in the replace mode.
template <class V>
int ReadStringVector(cDataReader& in, V& v) {
  int32_t k = 0;
  if (!in.ReadCount(k, 4)) return 0;
  v.clear();
  v.resize(static_cast<size_t>(k));
  for (auto& s : v)
    if (!in.ReadString(s)) return 0;
  return 1;
}

template <class V>
void SaveStringVector(cDataWriter& out, V& v) {
  out.WriteInt(static_cast<int32_t>(v.size()));
  for (auto& s : v) out.WriteString(s);
}

// An optional part: a 32-bit presence flag, then the part's record when present. A non-zero flag
// gives the owner a new default part and reads it; a zero flag releases the part.
template <class T>
int ReadShared(cDataReader& in, std::shared_ptr<T>& p) {
  int32_t bPresent = 0;
  if (!in.ReadInt(bPresent)) return 0;
  if (!bPresent) {
    p.reset();
    return 1;
  }
  p = std::make_shared<T>();
  return p->Read(in);
}

template <class T>
void SaveShared(cDataWriter& out, const std::shared_ptr<T>& p) {
  out.WriteInt(p ? 1 : 0);
  if (p) p->Write(out);
}

// ---------------------------------------------------------------------------------------------
// Files that hold a bare vector of records after the data version (the database lists, the
// common-variable names).

// Reads the list in the resize-in-place mode (each element runs its own upgrades) and strips
// carriage returns when g_bStripCR is on. 0 when the file cannot be opened or is damaged; the
// vector is then left as it was.
template <class V>
int LoadFromFile(V& v, const char* pszPath) {
  cDataReader in;
  if (!OpenForRead(pszPath, in)) return 0;
  try {
    V read(v);
    if (!ReadRecords(in, read, READ_RESIZE)) return 0;
    if (g_bStripCR)
      for (auto& e : read) e.StripCR();
    v.swap(read);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

// Saves the record; when the file could not be written the author is told, naming it.
int SaveOrReport(cDataRecord& rec, const char* pszPath);

// The data version, the count and each record, written whole to the temporary file beside the
// target; CommitTempFile then puts it in place. 0 when it cannot be written.
template <class V>
int SaveToTempFile(V& v, const char* pszPath, cDataWriter& out) {
  if (!OpenForWrite(pszPath, out)) return 0;
  try {
    SaveRecords(out, v);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return WriteTempFile(out);
}

// The same, replacing the target at once; 0 when the file cannot be written.
template <class V>
int SaveToFile(V& v, const char* pszPath) {
  cDataWriter out;
  return SaveToTempFile(v, pszPath, out) && CommitTempFile(out);
}
