// Containers whose element access by index survives a bad index: the access is logged, the
// application is told to end, and the caller still gets an element that exists, so the operation
// in progress can run to its end without touching memory outside the container.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <list>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

// What a bad index does to the frame window: the containers of the data model and the editors
// destroy it; the shell's own containers post WM_CLOSE so the user is asked first.
enum eChkFail { CHK_DESTROY_FRAME = 0, CHK_POST_CLOSE = 1 };

// Writes the message to the error log and the report log and ends the application as the policy
// says. The application layer defines it (app/ChkReport.cpp): the containers sit below it.
void ChkReportBadIndex(const char* pszMsg, int nPolicy);

// 1 when the two texts are equal as the system compares them (lstrcmpA: letter case counts).
int StrEqual(const std::string& a, const std::string& b);

// One default element per type that lives for the whole run; shared by every failed access.
template <class T>
T& FallbackElement() {
  static T s_Fallback{};
  return s_Fallback;
}

template <class T, int POLICY = CHK_DESTROY_FRAME>
class cChkVector : public std::vector<T> {
  typedef std::vector<T> base;

 public:
  using base::base;
  cChkVector() {}
  cChkVector(const cChkVector& o) : base(o) {}
  cChkVector(cChkVector&& o) noexcept : base(std::move(o)) {}
  cChkVector(const base& o) : base(o) {}

  cChkVector& operator=(const cChkVector& o) {
    if (this == &o) return *this;
    base::resize(o.size());
    for (size_t i = 0; i < o.size(); ++i) base::operator[](i) = o.base::operator[](i);
    return *this;
  }
  cChkVector& operator=(cChkVector&& o) noexcept {
    base::operator=(std::move(o));
    return *this;
  }

  T& operator[](int i) { return At(i); }
  const T& operator[](int i) const { return const_cast<cChkVector*>(this)->At(i); }

  int EraseAt(uint32_t i) {
    if (i >= base::size()) return 0;
    base::erase(base::begin() + (&At(static_cast<int>(i)) - base::data()));
    return 1;
  }
  int EraseRange(uint32_t i, int nCount) {
    for (int k = 0; k < nCount; ++k)
      if (!EraseAt(i)) return 0;
    return 1;
  }
  void InsertAt(uint32_t i, const T& v) {
    if (i < base::size())
      base::insert(base::begin() + (&At(static_cast<int>(i)) - base::data()), v);
    else
      base::push_back(v);
  }
  // Moves the elements from i on one place up; the size stays, the last element is lost and
  // element i keeps its value for the caller to overwrite: an insertion at i that keeps the size.
  void ShiftUp(uint32_t i) {
    for (size_t j = base::size(); j > static_cast<size_t>(i) + 1; --j)
      base::operator[](j - 1) = base::operator[](j - 2);
  }
  int Fill(const T& v) {
    for (int i = 0; i < static_cast<int>(base::size()); ++i) (*this)[i] = v;
    return static_cast<int>(base::size());
  }
  T* UncheckedAt(int i) { return base::data() + i; }

  // Appends every element of the other vector, in order (the vector may be this one).
  void Append(const cChkVector& o) {
    cChkVector add(o);
    size_t n = base::size();
    base::resize(n + add.size());
    for (size_t i = 0; i < add.size(); ++i) base::operator[](n + i) = add.base::operator[](i);
  }
  // Text vectors (file lists): membership by StrEqual, and appending without duplicates.
  int Contains(std::string str) const {
    for (size_t i = 0; i < base::size(); ++i)
      if (StrEqual(base::operator[](i), str)) return 1;
    return 0;
  }
  int PushUnique(const std::string& str) {
    if (Contains(str)) return 0;
    base::push_back(str);
    return 1;
  }
  // Each element is tested against what is already there, its own earlier elements included.
  int AppendUnique(const cChkVector& o) {
    cChkVector add(o);
    int bAny = 0;
    for (size_t i = 0; i < add.size(); ++i)
      if (PushUnique(add.base::operator[](i))) bAny = 1;
    return bAny;
  }

  // Byte vectors inside data files: a 32-bit count, then one byte per element.
  int Load(FILE* fp) {
    int32_t n = 0;
    if (fread(&n, 4, 1, fp) != 1) n = 0;
    // Never trust the count: it must fit in what is left of the file.
    long nHere = ftell(fp);
    fseek(fp, 0, SEEK_END);
    long nLeft = ftell(fp) - nHere;
    fseek(fp, nHere, SEEK_SET);
    if (n < 0 || n > nLeft) n = 0;
    base::resize(static_cast<size_t>(n));
    for (int i = 0; i < static_cast<int>(base::size()); ++i) {
      uint8_t b = 0;
      fread(&b, 1, 1, fp);
      (*this)[i] = static_cast<T>(b);
    }
    return static_cast<int>(base::size());
  }
  int Save(FILE* fp) const {
    int32_t n = static_cast<int32_t>(base::size());
    fwrite(&n, 4, 1, fp);
    for (size_t i = 0; i < base::size(); ++i) {
      uint8_t b = static_cast<uint8_t>(base::operator[](i));
      fwrite(&b, 1, 1, fp);
    }
    return n;
  }

 private:
  T& At(int i) {
    if (i >= 0 && static_cast<size_t>(i) < base::size()) return base::operator[](static_cast<size_t>(i));
    char sz[64];
    snprintf(sz, sizeof sz, "err V[%d] ( %d , %d )", i, static_cast<int>(base::size()),
             static_cast<int>(sizeof(T)));
    ChkReportBadIndex(sz, POLICY);
    if (!base::empty()) return base::operator[](0);
    // An empty vector has no element 0: hand back one default element per type, as the list does,
    // without growing the vector (it may be saved later).
    return FallbackElement<T>();
  }
};

// The shell's vectors (field lists, sequencer, sound players, file dialogs) ask before ending.
template <class T>
using cShellVector = cChkVector<T, CHK_POST_CLOSE>;

// A vector of byte flags (a record's inheritance flags) that keeps up to about N of them inside the
// object: a grid holds three-quarters of a million records, and a heap block per record would cost
// more than the flags. A longer vector (a file may store any number) lives in a heap block of its
// exact size, whose address the inline room then holds. Access by index is checked as cChkVector's.
template <size_t N, int POLICY = CHK_DESTROY_FRAME>
class cFlagVector {
 public:
  typedef uint8_t value_type;
  typedef size_t size_type;
  typedef uint8_t* iterator;
  typedef const uint8_t* const_iterator;

  cFlagVector() {}
  cFlagVector(const cFlagVector& o) {
    if (o.OnHeap()) {
      assign(o.begin(), o.end());
      return;
    }
    memcpy(m_aRoom, o.m_aRoom, ROOM);
    m_nSize = o.m_nSize;
  }
  cFlagVector(cFlagVector&& o) noexcept { Take(o); }
  ~cFlagVector() { Free(); }
  cFlagVector& operator=(const cFlagVector& o) {
    if (this == &o) return *this;
    if (o.OnHeap() || OnHeap()) {
      assign(o.begin(), o.end());
      return *this;
    }
    memcpy(m_aRoom, o.m_aRoom, ROOM);
    m_nSize = o.m_nSize;
    return *this;
  }
  cFlagVector& operator=(cFlagVector&& o) noexcept {
    if (this != &o) {
      Free();
      Take(o);
    }
    return *this;
  }

  size_t size() const { return m_nSize; }
  bool empty() const { return m_nSize == 0; }
  uint8_t* data() { return OnHeap() ? Heap() : m_aRoom; }
  const uint8_t* data() const { return OnHeap() ? Heap() : m_aRoom; }
  iterator begin() { return data(); }
  iterator end() { return data() + m_nSize; }
  const_iterator begin() const { return data(); }
  const_iterator end() const { return data() + m_nSize; }

  uint8_t& operator[](int i) { return At(i); }
  const uint8_t& operator[](int i) const { return const_cast<cFlagVector*>(this)->At(i); }

  // New flags get the value; flags beyond the new size are dropped.
  void resize(size_t n, uint8_t v = 0) {
    if (n == m_nSize) return;
    const size_t nKeep = n < m_nSize ? n : m_nSize;
    if (n <= ROOM && !OnHeap()) {
      memset(m_aRoom + nKeep, v, n - nKeep);
      m_nSize = static_cast<uint32_t>(n);
      return;
    }
    Replace(n, data(), nKeep, v);
  }
  void assign(size_t n, uint8_t v) {
    resize(0);
    resize(n, v);
  }
  template <class It, class = typename std::enable_if<!std::is_integral<It>::value>::type>
  void assign(It first, It last) {
    const size_t n = static_cast<size_t>(std::distance(first, last));
    if (n > ROOM || OnHeap()) {
      // Through a scratch copy: the range may lie inside this vector.
      std::vector<uint8_t> v(first, last);
      Replace(n, v.data(), n, 0);
      return;
    }
    for (size_t i = 0; i < n && i < ROOM; ++i, ++first) m_aRoom[i] = static_cast<uint8_t>(*first);
    m_nSize = static_cast<uint32_t>(n);
  }
  void clear() { resize(0); }
  void swap(cFlagVector& o) noexcept {
    cFlagVector t(std::move(o));
    o = std::move(*this);
    *this = std::move(t);
  }

  bool operator==(const cFlagVector& o) const {
    return m_nSize == o.m_nSize && (m_nSize == 0 || memcmp(data(), o.data(), m_nSize) == 0);
  }
  bool operator!=(const cFlagVector& o) const { return !(*this == o); }
  operator std::vector<uint8_t>() const { return std::vector<uint8_t>(begin(), end()); }

 private:
  // The inline room holds the heap block's address when the flags do not fit.
  static constexpr size_t ROOM = N < sizeof(uint8_t*) ? sizeof(uint8_t*) : (N + 3) / 4 * 4;

  bool OnHeap() const { return m_nSize > ROOM; }
  uint8_t* Heap() const {
    uint8_t* p;
    memcpy(&p, m_aRoom, sizeof p);
    return p;
  }
  void Free() {
    if (OnHeap()) delete[] Heap();
    m_nSize = 0;
  }
  void Take(cFlagVector& o) {
    memcpy(m_aRoom, o.m_aRoom, ROOM);
    m_nSize = o.m_nSize;
    o.m_nSize = 0;
  }
  // Makes the vector n flags long: the first nKeep from pKeep, the rest v. Nothing changes when
  // the allocation fails.
  void Replace(size_t n, const uint8_t* pKeep, size_t nKeep, uint8_t v) {
    if (n > UINT32_MAX) throw std::bad_alloc();
    uint8_t* pNew = n > ROOM ? new uint8_t[n] : nullptr;
    uint8_t aNew[ROOM];
    uint8_t* pDst = pNew ? pNew : aNew;
    memcpy(pDst, pKeep, nKeep);
    memset(pDst + nKeep, v, n - nKeep);
    Free();
    if (pNew)
      memcpy(m_aRoom, &pNew, sizeof pNew);
    else
      memcpy(m_aRoom, aNew, n);
    m_nSize = static_cast<uint32_t>(n);
  }
  uint8_t& At(int i) {
    if (i >= 0 && static_cast<size_t>(i) < m_nSize) return data()[i];
    char sz[64];
    snprintf(sz, sizeof sz, "err V[%d] ( %d , %d )", i, static_cast<int>(m_nSize), 1);
    ChkReportBadIndex(sz, POLICY);
    if (m_nSize) return data()[0];
    return FallbackElement<uint8_t>();
  }

  uint8_t m_aRoom[ROOM] = {};
  uint32_t m_nSize = 0;
};

template <class T>
class cChkList : public std::list<T> {
  typedef std::list<T> base;

 public:
  using base::base;
  cChkList() {}

  T& operator[](int i) {
    if (i >= 0 && static_cast<size_t>(i) < base::size()) {
      auto it = base::begin();
      for (int k = 0; k < i; ++k) ++it;
      return *it;
    }
    char sz[64];
    snprintf(sz, sizeof sz, "err L[%d] ( %d , %d )", i, static_cast<int>(base::size()),
             static_cast<int>(sizeof(T)));
    ChkReportBadIndex(sz, CHK_DESTROY_FRAME);
    return FallbackElement<T>();
  }
};
