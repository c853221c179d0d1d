#include "model/DataRecord.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <typeindex>
#include <typeinfo>
#include <utility>

#include "app/Log.h"
#include "app/Paths.h"

namespace {

// A member lies inside its record: behind the vptr and within any size a record can have.
constexpr size_t MAX_RECORD_BYTES = 1u << 16;

template <class T>
T& MemberAt(const cDataRecord* pRec, uint32_t nOffset) {
  return *reinterpret_cast<T*>(reinterpret_cast<char*>(const_cast<cDataRecord*>(pRec)) + nOffset);
}

char* FieldAt(const cDataRecord* pRec, const cFieldDesc& d) { return &MemberAt<char>(pRec, d.m_nOffset); }

std::string& StringAt(const cDataRecord* pRec, const cStringDesc& d) {
  return MemberAt<std::string>(pRec, d.m_nOffset);
}

size_t FieldBytes(const cFieldDesc& d) { return static_cast<size_t>(d.m_nSize) * static_cast<size_t>(d.m_nCount); }

// Every registration gate is a version at or below the current one, so a later (or unsigned
// larger) file version registers exactly what the current version does.
int32_t LayoutVersion(int32_t nVersion) {
  uint32_t v = static_cast<uint32_t>(nVersion);
  uint32_t nMax = static_cast<uint32_t>(g_nDataVersion);
  return static_cast<int32_t>(v > nMax ? nMax : v);
}

// The layouts of every record class by data version. Built on first use and never freed, so a
// reference to a layout stays valid for the whole run. A stage file is read on a worker thread,
// hence the lock; the cache below keeps the lock off the path of a grid of records.
class cLayoutRegistry {
 public:
  const cFieldLayout* Find(const std::type_info& t, int32_t nVersion) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    auto it = m_Layouts.find(Key(t, nVersion));
    return it == m_Layouts.end() ? nullptr : it->second.get();
  }
  const cFieldLayout* Insert(const std::type_info& t, int32_t nVersion, std::unique_ptr<cFieldLayout> p) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    auto& slot = m_Layouts[Key(t, nVersion)];
    if (!slot) slot = std::move(p);
    return slot.get();
  }

 private:
  typedef std::pair<std::type_index, int32_t> tKey;
  static tKey Key(const std::type_info& t, int32_t n) { return tKey(std::type_index(t), n); }
  std::mutex m_Mutex;
  std::map<tKey, std::unique_ptr<cFieldLayout>> m_Layouts;
};

cLayoutRegistry& Registry() {
  static cLayoutRegistry* s_p = new cLayoutRegistry;  // outlives every static record
  return *s_p;
}

// Direct-mapped by class and version: a stage file of an older version alternates between some
// fifteen layouts on every cell, and each must stay found without the lock. Layouts are never
// freed and a slot is one pointer, so threads share the slots without a lock; a slot that was
// overwritten by another class only costs a lookup under the lock.
constexpr size_t LAYOUT_CACHE_SIZE = 64;
std::atomic<const cFieldLayout*> g_LayoutCache[LAYOUT_CACHE_SIZE];

size_t CacheSlot(const std::type_info* pType, int32_t nVersion) {
  size_t h = reinterpret_cast<uintptr_t>(pType) >> 3;
  h ^= static_cast<size_t>(nVersion) * 0x9E3779B1u;
  h ^= h >> 7;
  return h & (LAYOUT_CACHE_SIZE - 1);
}

// Splits the registration into the element lists of the layout.
void BuildOps(cFieldLayout& layout) {
  // Arrays longer than this are copied whole.
  constexpr int32_t MAX_SPLIT = 16;
  auto listOf = [](const cFieldDesc& d) {
    return d.m_nCount > MAX_SPLIT ? 4 : d.m_nSize == 1 ? 0 : d.m_nSize == 2 ? 1 : d.m_nSize == 4 ? 2 : 3;
  };
  // Runs and lists change the order in which the fields are copied, which matters only where two
  // fields share bytes.
  const cShellVector<cFieldDesc>& v = layout.m_vField;
  for (size_t i = 0; i < v.size(); ++i)
    for (size_t j = i + 1; j < v.size(); ++j)
      if (v[i].m_nOffset < v[j].m_nOffset + FieldBytes(v[j]) && v[j].m_nOffset < v[i].m_nOffset + FieldBytes(v[i]))
        layout.m_bOverlap = true;
  // Fields that follow each other in the record as they do in the section form one run, which is
  // copied in pieces of 8, 4, 2 and 1 bytes.
  uint32_t nRunRec = 0, nRunImg = 0, nRun = 0;
  auto flush = [&]() {
    for (int nList = 3; nList >= 0; --nList) {
      const uint32_t nPiece = 1u << nList;
      for (; nRun >= nPiece; nRun -= nPiece, nRunRec += nPiece, nRunImg += nPiece)
        layout.m_vOp[nList].push_back(cFieldOp{nRunRec, nRunImg});
    }
  };
  uint32_t nImg = 0;
  for (const cFieldDesc& d : layout.m_vField) {
    const uint32_t nBytes = static_cast<uint32_t>(FieldBytes(d));
    if (listOf(d) == 4) {
      layout.m_vBulk.push_back(cFieldBulk{d.m_nOffset, nImg, nBytes});
    } else {
      if (d.m_nOffset != nRunRec + nRun || nImg != nRunImg + nRun) {
        flush();
        nRunRec = d.m_nOffset;
        nRunImg = nImg;
      }
      nRun += nBytes;
    }
    nImg += nBytes;
  }
  flush();
}

template <size_t N>
inline void OpsToImage(uint8_t* pImg, const char* pRec, const cShellVector<cFieldOp>& v) {
  for (const cFieldOp& op : v) memcpy(pImg + op.m_nImg, pRec + op.m_nRec, N);
}

template <size_t N>
inline void OpsFromImage(char* pRec, const uint8_t* pImg, const cShellVector<cFieldOp>& v) {
  for (const cFieldOp& op : v) memcpy(pRec + op.m_nRec, pImg + op.m_nImg, N);
}

template <size_t N>
inline bool OpsEqual(const char* pa, const char* pb, const cShellVector<cFieldOp>& v) {
  for (const cFieldOp& op : v)
    if (memcmp(pa + op.m_nRec, pb + op.m_nRec, N) != 0) return false;
  return true;
}

template <size_t N>
inline void OpsZero(char* pRec, const cShellVector<cFieldOp>& v) {
  for (const cFieldOp& op : v) memset(pRec + op.m_nRec, 0, N);
}

void FieldsToImage(uint8_t* pImg, const cDataRecord* pRec, const cFieldLayout& layout) {
  const char* p = &MemberAt<char>(pRec, 0);
  OpsToImage<1>(pImg, p, layout.m_vOp[0]);
  OpsToImage<2>(pImg, p, layout.m_vOp[1]);
  OpsToImage<4>(pImg, p, layout.m_vOp[2]);
  OpsToImage<8>(pImg, p, layout.m_vOp[3]);
  for (const cFieldBulk& b : layout.m_vBulk) memcpy(pImg + b.m_nImg, p + b.m_nRec, b.m_nBytes);
}

void FieldsFromImage(cDataRecord* pRec, const uint8_t* pImg, const cFieldLayout& layout) {
  char* p = &MemberAt<char>(pRec, 0);
  OpsFromImage<1>(p, pImg, layout.m_vOp[0]);
  OpsFromImage<2>(p, pImg, layout.m_vOp[1]);
  OpsFromImage<4>(p, pImg, layout.m_vOp[2]);
  OpsFromImage<8>(p, pImg, layout.m_vOp[3]);
  for (const cFieldBulk& b : layout.m_vBulk) memcpy(p + b.m_nRec, pImg + b.m_nImg, b.m_nBytes);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Registration

bool cFieldRegistrar::OffsetOf(const void* p, size_t nBytes, uint32_t& nOffset) const {
  const char* pc = static_cast<const char*>(p);
  const char* pOwner = reinterpret_cast<const char*>(m_pOwner);
  if (pc < pOwner + sizeof(void*) || pc + nBytes > pOwner + MAX_RECORD_BYTES) {
    ReportAndErrorLog("err field registration of %s: not a member", typeid(*m_pOwner).name());
    return false;
  }
  nOffset = static_cast<uint32_t>(pc - pOwner);
  return true;
}

void cFieldRegistrar::Add(const void* p, int nCount, int nSize) {
  cFieldDesc d;
  if (nCount < 1 || !OffsetOf(p, static_cast<size_t>(nCount) * nSize, d.m_nOffset)) return;
  d.m_nCount = nCount;
  d.m_nSize = static_cast<uint8_t>(nSize);
  m_Layout.m_vField.push_back(d);
}

void cFieldRegistrar::AddString(const std::string* p) {
  cStringDesc d;
  if (!OffsetOf(p, sizeof(std::string), d.m_nOffset)) return;
  m_Layout.m_vString.push_back(d);
}

const cFieldLayout& cDataRecord::Layout(int32_t nVersion) const {
  const std::type_info& t = typeid(*this);
  int32_t v = LayoutVersion(nVersion);
  std::atomic<const cFieldLayout*>& slot = g_LayoutCache[CacheSlot(&t, v)];
  const cFieldLayout* p = slot.load(std::memory_order_acquire);
  if (p && p->m_pType == &t && p->m_nVersion == v) return *p;
  return FindLayout(t, v);
}

__attribute__((noinline)) const cFieldLayout& cDataRecord::FindLayout(const std::type_info& t, int32_t v) const {
  std::atomic<const cFieldLayout*>& slot = g_LayoutCache[CacheSlot(&t, v)];
  const cFieldLayout* p = Registry().Find(t, v);
  if (!p) {
    std::unique_ptr<cFieldLayout> pNew(new cFieldLayout);
    cFieldRegistrar reg(this, *pNew);
    RegisterFields(reg, v);
    for (const cFieldDesc& d : pNew->m_vField) {
      pNew->m_nFieldBytes += FieldBytes(d);
      if (d.m_nSize == 8) pNew->m_bDouble = true;
    }
    BuildOps(*pNew);
    pNew->m_pType = &t;
    pNew->m_nVersion = v;
    p = Registry().Insert(t, v, std::move(pNew));
  }
  slot.store(p, std::memory_order_release);
  return *p;
}

// ---------------------------------------------------------------------------------------------
// Reading and writing

int cDataRecord::ReadFields(cDataReader& in, const cFieldLayout& layout) {
  int32_t n = 0;
  if (!in.ReadInt(n)) return 0;
  // The sizes come from the registration, never from the file: a count that does not match it
  // means the file is not what its version says.
  if (n < 0 || n > static_cast<int32_t>(layout.m_vField.size())) return in.Fail();
  if (n == static_cast<int32_t>(layout.m_vField.size())) {
    // The usual case, the whole registration: one bounds check for the section.
    const uint8_t* p = in.Take(layout.m_nFieldBytes);
    if (!p) return 0;
    if (!layout.m_bOverlap) {
      FieldsFromImage(this, p, layout);
      return 1;
    }
    for (const cFieldDesc& d : layout.m_vField) {
      memcpy(FieldAt(this, d), p, FieldBytes(d));
      p += FieldBytes(d);
    }
    return 1;
  }
  for (int32_t i = 0; i < n; ++i) {
    const cFieldDesc& d = layout.m_vField.data()[i];
    if (!in.ReadRaw(FieldAt(this, d), FieldBytes(d))) return 0;
  }
  return 1;
}

int cDataRecord::ReadStrings(cDataReader& in, const cFieldLayout& layout) {
  int32_t m = 0;
  if (!in.ReadInt(m)) return 0;
  if (m < 0 || m > static_cast<int32_t>(layout.m_vString.size())) return in.Fail();
  for (int32_t i = 0; i < m; ++i)
    if (!in.ReadString(StringAt(this, layout.m_vString[i]))) return 0;
  if (g_bStripCR) StripCR();
  return 1;
}

int cDataRecord::ReadStrings(cDataReader& in) { return ReadStrings(in, Layout(g_nFileVersion)); }

int cDataRecord::Read(cDataReader& in) {
  const cFieldLayout& layout = Layout(g_nFileVersion);
  return ReadFields(in, layout) && ReadStrings(in, layout);
}

void cDataRecord::WriteStrings(cDataWriter& out) { WriteStrings(out, Layout(g_nDataVersion)); }

void cDataRecord::WriteStrings(cDataWriter& out, const cFieldLayout& layout) {
  out.WriteInt(static_cast<int32_t>(layout.m_vString.size()));
  for (const cStringDesc& d : layout.m_vString) out.WriteString(StringAt(this, d));
}

void cDataRecord::Write(cDataWriter& out) { WriteBase(out, Layout(g_nDataVersion)); }

void cDataRecord::WriteBase(cDataWriter& out, const cFieldLayout& layout) {
  // Most strings of a large file are empty: a record whose strings all are is claimed whole at once.
  const size_t nStrings = layout.m_vString.size();
  bool bEmpty = true;
  for (const cStringDesc& d : layout.m_vString)
    if (!StringAt(this, d).empty()) {
      bEmpty = false;
      break;
    }
  const size_t nFixed = 4 + layout.m_nFieldBytes + 4;
  uint8_t* p = out.Claim(bEmpty ? nFixed + 4 * nStrings : nFixed);
  const int32_t n = static_cast<int32_t>(layout.m_vField.size());
  memcpy(p, &n, 4);
  FieldsToImage(p + 4, this, layout);
  const int32_t m = static_cast<int32_t>(nStrings);
  memcpy(p + 4 + layout.m_nFieldBytes, &m, 4);
  if (bEmpty) {
    const int32_t nEmpty = 1;  // the length of an empty string, with its zero
    for (size_t i = 0; i < nStrings; ++i) memcpy(p + nFixed + 4 * i, &nEmpty, 4);
    return;
  }
  for (const cStringDesc& d : layout.m_vString) out.WriteString(StringAt(this, d));
}

// ---------------------------------------------------------------------------------------------
// Whole-record operations

void cDataRecord::Clear() {
  const cFieldLayout& layout = Layout(g_nDataVersion);
  char* p = &MemberAt<char>(this, 0);
  OpsZero<1>(p, layout.m_vOp[0]);
  OpsZero<2>(p, layout.m_vOp[1]);
  OpsZero<4>(p, layout.m_vOp[2]);
  OpsZero<8>(p, layout.m_vOp[3]);
  for (const cFieldBulk& b : layout.m_vBulk) memset(p + b.m_nRec, 0, b.m_nBytes);
  for (const cStringDesc& d : layout.m_vString) StringAt(this, d).clear();
}

namespace {

bool SameClass(const cDataRecord& a, const cDataRecord& b) {
  if (typeid(a) == typeid(b)) return true;
  ReportAndErrorLog("err records of different classes: %s, %s", typeid(a).name(), typeid(b).name());
  return false;
}

bool FieldsEqual(const char* pa, const char* pb, const cFieldDesc& d) {
  if (d.m_nSize != 8) return memcmp(pa, pb, FieldBytes(d)) == 0;
  for (int32_t k = 0; k < d.m_nCount; ++k) {
    double x, y;
    memcpy(&x, pa + 8 * k, 8);
    memcpy(&y, pb + 8 * k, 8);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

void cDataRecord::CopyFields(const cDataRecord& src) {
  if (this == &src || !SameClass(*this, src)) return;
  const_cast<cDataRecord&>(src).PrepareFields(g_nDataVersion);
  const cFieldLayout& layout = Layout(g_nDataVersion);
  for (const cFieldDesc& d : layout.m_vField) memcpy(FieldAt(this, d), FieldAt(&src, d), FieldBytes(d));
  for (const cStringDesc& d : layout.m_vString) StringAt(this, d) = StringAt(&src, d);
}

int cDataRecord::IsEqual(const cDataRecord& a, const cDataRecord& b) {
  if (!SameClass(a, b)) return 0;
  const_cast<cDataRecord&>(a).PrepareFields(g_nDataVersion);
  const_cast<cDataRecord&>(b).PrepareFields(g_nDataVersion);
  const cFieldLayout& layout = a.Layout(g_nDataVersion);
  if (layout.m_bDouble) {
    for (const cFieldDesc& d : layout.m_vField)
      if (!FieldsEqual(FieldAt(&a, d), FieldAt(&b, d), d)) return 0;
  } else {
    // Without doubles equal fields are equal bytes, and the element lists cover every byte of them.
    const char* pa = &MemberAt<char>(&a, 0);
    const char* pb = &MemberAt<char>(&b, 0);
    if (!OpsEqual<8>(pa, pb, layout.m_vOp[3]) || !OpsEqual<4>(pa, pb, layout.m_vOp[2]) ||
        !OpsEqual<2>(pa, pb, layout.m_vOp[1]) || !OpsEqual<1>(pa, pb, layout.m_vOp[0]))
      return 0;
    for (const cFieldBulk& k : layout.m_vBulk)
      if (memcmp(pa + k.m_nRec, pb + k.m_nRec, k.m_nBytes) != 0) return 0;
  }
  for (const cStringDesc& d : layout.m_vString)
    if (StringAt(&a, d) != StringAt(&b, d)) return 0;
  return 1;
}

void cDataRecord::StripCR() {
  for (const cStringDesc& d : Layout(g_nDataVersion).m_vString) {
    std::string& s = StringAt(this, d);
    s.erase(std::remove(s.begin(), s.end(), '\r'), s.end());
  }
}

int cDataRecord::Load(const char* pszPath) {
  cDataReader in;
  if (!OpenForRead(pszPath, in)) return 0;
  try {
    return Read(in) && in.Ok() ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int cDataRecord::Save(const char* pszPath) {
  cDataWriter out;
  if (!OpenForWrite(pszPath, out)) return 0;
  try {
    Write(out);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return CloseFile(out);
}

int SaveOrReport(cDataRecord& rec, const char* pszPath) { return CheckSaved(rec.Save(pszPath), pszPath); }

int cDataRecord::LoadLatest(const char* pszPath, const char* pszExt) {
  if (!pszPath || strlen(pszPath) > static_cast<size_t>(DATA_PATH_MAX)) return 0;
  char szFound[MAX_PATH];
  if (!FindLatestNumbered(szFound, pszPath, pszExt)) return 0;
  return Load(szFound);
}
