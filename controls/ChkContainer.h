// Containers whose element access by index survives a bad index: the access is logged, the
// application is told to end, and the caller still gets an element that exists, so the operation
// in progress can run to its end without touching memory outside the container.
#pragma once

#include <list>
#include <string>
#include <vector>
#include <cstdio>
#include <cstdint>

// What a bad index does to the frame window: the containers of the data model and the editors
// destroy it; the shell's own containers post WM_CLOSE so the user is asked first.
enum eChkFail { CHK_DESTROY_FRAME = 0, CHK_POST_CLOSE = 1 };

// Writes the message to the error log and the report log and ends the application as the policy says.
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
