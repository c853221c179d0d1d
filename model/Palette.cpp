#include "model/Palette.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <exception>
#include <memory>
#include <new>
#include <system_error>
#include <thread>

#include "model/Inherit.h"
#include "model/PrjOption.h"
#include "model/RefChecks.h"

cEdPalette CommonPalette;

namespace {

// What commands check their palette references against; a stage reference is left alone while
// no stage has shown its palettes.
int32_t CountForCommands(ePalette ePal, ePalLayer eLayer) {
  const int nSrc = ePal == PAL_COMMON ? SRC_COMMON : SRC_STAGE;
  return HasSource(nSrc, eLayer) ? SourceCount(nSrc, eLayer) : INT32_MAX;
}

const PaletteCountFn s_pfnBefore = SetPaletteCountFn(CountForCommands);

template <class T>
void GiveSecondEntry(cChkVector<T>& v, const T& def) {
  if (v.size() >= 2) return;
  v.resize(2);
  v.data()[1] = def;
}

template <class T>
void ResetEntry0AndFlags(cChkVector<T>& v) {
  if (!v.empty()) v.data()[0] = T();
  for (T& e : v) std::fill(e.m_bbInherit.begin(), e.m_bbInherit.end(), 0);
}

int ReadThree(cDataReader& in, cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
              cChkVector<cEdItem>& vItem) {
  return ReadRecords(in, vBlock) && ReadRecords(in, vChara) && ReadRecords(in, vItem);
}

void WriteThree(cDataWriter& out, cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                cChkVector<cEdItem>& vItem) {
  SaveRecords(out, vBlock);
  SaveRecords(out, vChara);
  SaveRecords(out, vItem);
}

void CheckRefs(cEdBlock& e) { e.ValidateItemRef(); }
void CheckRefs(cEdChara& e) { e.ClampItemRefs(); }
void CheckRefs(cEdItem& e) { e.ClampItemRefs(); }

// A vector whose entries have made this many bytes has the rest of them validated on a thread of
// its own (see cValidateAhead); a smaller palette is done before a thread would have started.
constexpr size_t VALIDATE_AHEAD_BYTES = 1u << 20;

// Validates the entries of a vector from entry iFirst on, one after the other, on a thread of its
// own, while the saving thread writes those already validated: that thread then finds each entry
// where the validation has just read it, and the two run side by side. An entry's validation reads
// only the sizes of the palettes and of the database, which stay as they are meanwhile, and writing
// an entry reads nothing of another.
template <class V>
class cValidateAhead {
 public:
  // Throws std::system_error when no thread can be had.
  cValidateAhead(V& v, size_t iFirst) : m_v(v), m_nDone(iFirst), m_Thread([this, iFirst] { Run(iFirst); }) {}
  ~cValidateAhead() {
    m_bStop.store(true, std::memory_order_relaxed);
    m_Thread.join();
  }
  cValidateAhead(const cValidateAhead&) = delete;
  cValidateAhead& operator=(const cValidateAhead&) = delete;

  // Waits until entry i is validated; throws here what the validation threw there (running out of
  // memory), as if it had run here.
  void WaitFor(size_t i) {
    while (m_nDone.load(std::memory_order_acquire) <= i) {
      if (m_bFailed.load(std::memory_order_acquire)) std::rethrow_exception(m_pError);
      std::this_thread::yield();
    }
  }

 private:
  void Run(size_t iFirst) {
    try {
      for (size_t i = iFirst; i < m_v.size() && !m_bStop.load(std::memory_order_relaxed); ++i) {
        auto& e = m_v.data()[i];
        e.Validate();
        CheckRefs(e);
        m_nDone.store(i + 1, std::memory_order_release);
      }
    } catch (...) {
      m_pError = std::current_exception();
      m_bFailed.store(true, std::memory_order_release);
    }
  }
  V& m_v;
  std::atomic<size_t> m_nDone;
  std::atomic<bool> m_bStop{false}, m_bFailed{false};
  std::exception_ptr m_pError;
  std::thread m_Thread;
};

// The entries of a vector, each validated with its references checked as it is written: one pass
// over a palette of many megabytes instead of three. An entry's validation reads only the sizes of
// the palettes, which stay as they are meanwhile, so doing it entry by entry is doing it vector by
// vector. Inheritance held on this thread would not be held on another, so then every entry is
// validated here.
template <class V>
void SaveValidating(cDataWriter& out, V& v) {
  out.WriteInt(static_cast<int32_t>(v.size()));
  const size_t nStart = out.Size();
  bool bAheadTried = IsInheritHeld();
  std::unique_ptr<cValidateAhead<V>> pAhead;
  for (size_t i = 0; i < v.size(); ++i) {
    auto& e = v.data()[i];
    if (!bAheadTried && out.Size() - nStart >= VALIDATE_AHEAD_BYTES) {
      bAheadTried = true;
      try {
        pAhead.reset(new cValidateAhead<V>(v, i));
      } catch (const std::system_error&) {
      }
    }
    if (pAhead) {
      pAhead->WaitFor(i);
    } else {
      e.Validate();
      CheckRefs(e);
    }
    e.WriteValidated(out);
  }
}

}  // namespace

void cEdPalette::SetDefault() {
  Clear();
  m_vBlock.assign(1, cEdBlock());
  m_vChara.assign(1, cEdChara());
  m_vItem.assign(1, cEdItem());
}

int cEdPalette::Read(cDataReader& in) {
  cChkVector<cEdBlock> vBlock;
  cChkVector<cEdChara> vChara;
  cChkVector<cEdItem> vItem;
  {
    cInheritHold hold;
    if (!cDataRecord::Read(in) || !ReadThree(in, vBlock, vChara, vItem)) return 0;
  }
  m_vBlock.swap(vBlock);
  m_vChara.swap(vChara);
  m_vItem.swap(vItem);
  ResetEntry0AndFlags(m_vBlock);
  ResetEntry0AndFlags(m_vChara);
  ResetEntry0AndFlags(m_vItem);
  Validate();
  return 1;
}

void cEdPalette::Write(cDataWriter& out) {
  GiveSecondEntry(m_vBlock, PrjOption.m_DefBlock);
  GiveSecondEntry(m_vChara, PrjOption.m_DefChara);
  GiveSecondEntry(m_vItem, PrjOption.m_DefItem);
  cDataRecord::Write(out);
  SaveValidating(out, m_vBlock);
  SaveValidating(out, m_vChara);
  SaveValidating(out, m_vItem);
}

void cEdPalette::Validate() {
  GiveSecondEntry(m_vBlock, PrjOption.m_DefBlock);
  GiveSecondEntry(m_vChara, PrjOption.m_DefChara);
  GiveSecondEntry(m_vItem, PrjOption.m_DefItem);
  ValidateEntries(1);
}

void cEdPalette::ValidateEntries(int bRefs) {
  for (cEdBlock& e : m_vBlock) e.Validate();
  for (cEdChara& e : m_vChara) e.Validate();
  for (cEdItem& e : m_vItem) e.Validate();
  if (!bRefs) return;
  for (cEdBlock& e : m_vBlock) e.ValidateItemRef();
  for (cEdChara& e : m_vChara) e.ClampItemRefs();
  for (cEdItem& e : m_vItem) e.ClampItemRefs();
}

int LoadPaletteFile(const char* pszPath, cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                    cChkVector<cEdItem>& vItem) {
  cDataReader in;
  if (!OpenForRead(pszPath, in)) return 0;
  cChkVector<cEdBlock> vB;
  cChkVector<cEdChara> vC;
  cChkVector<cEdItem> vI;
  try {
    if (!ReadThree(in, vB, vC, vI) || !in.Ok()) return 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  vBlock.swap(vB);
  vChara.swap(vC);
  vItem.swap(vI);
  return 1;
}

int SavePaletteFile(const char* pszPath, cChkVector<cEdBlock>& vBlock, cChkVector<cEdChara>& vChara,
                    cChkVector<cEdItem>& vItem) {
  cDataWriter out;
  if (!OpenForWrite(pszPath, out)) return 0;
  try {
    WriteThree(out, vBlock, vChara, vItem);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return CloseFile(out);
}
