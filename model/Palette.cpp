#include "model/Palette.h"

#include <algorithm>
#include <climits>
#include <new>

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

// The entries of a vector, each validated with its references checked as it is written: one pass
// over a palette of many megabytes instead of three, which finds each entry in the cache where its
// validation has just left it. An entry's validation reads only the sizes of the palettes, which
// stay as they are meanwhile, so doing it entry by entry is doing it vector by vector.
template <class V>
void SaveValidating(cDataWriter& out, V& v) {
  out.WriteInt(static_cast<int32_t>(v.size()));
  for (auto& e : v) {
    e.Validate();
    CheckRefs(e);
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
