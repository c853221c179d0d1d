// Palette inheritance: a block, character or item names an entry of the common palette or of the
// open stage's palette as its source and takes the flagged groups of its fields from it. This
// module finds the source vectors, applies and sets inheritance, and names the field groups.
#pragma once

#include <cstdint>

#include "base/ChkContainer.h"
#include "model/RefChecks.h"
#include "model/StageGrid.h"

class cEdBlock;
class cEdChara;
class cEdItem;

// The palettes a source kind names (m_nInheritPal; also a block's m_nItemPal).
enum eSourcePal { SRC_NONE = 0, SRC_COMMON = 1, SRC_STAGE = 2 };

// The open stage's palettes, which source kind 2 names. The stage points these at its own vectors;
// until it does, there is nothing to inherit from and nothing to check a stage reference against.
struct cStagePalettes {
  cChkVector<cEdBlock>* pBlock;
  cChkVector<cEdChara>* pChara;
  cChkVector<cEdItem>* pItem;
};
// Returns the palettes it replaces.
cStagePalettes SetStagePalettes(const cStagePalettes& pal);

// While alive, source kind 2 names the given palettes (a stage being read or validated); the ones
// named before are put back afterwards.
class cStagePalScope {
 public:
  explicit cStagePalScope(const cStagePalettes& pal) : m_Prev(SetStagePalettes(pal)) {}
  ~cStagePalScope() { SetStagePalettes(m_Prev); }
  cStagePalScope(const cStagePalScope&) = delete;
  cStagePalScope& operator=(const cStagePalScope&) = delete;

 private:
  cStagePalettes m_Prev;
};

// The vector of a record's layer in the palette of a source kind; null for other kinds.
cChkVector<cEdBlock>* SourceVector(int nSrc, const cEdBlock*);
cChkVector<cEdChara>* SourceVector(int nSrc, const cEdChara*);
cChkVector<cEdItem>* SourceVector(int nSrc, const cEdItem*);
// The entry count of a layer of a source kind's palette; 0 for other kinds and absent palettes.
int32_t SourceCount(int nSrc, ePalLayer eLayer);
// True for kind 1, and for kind 2 while the stage's palettes are known.
bool HasSource(int nSrc, ePalLayer eLayer);
// True when the kind names a palette that is there and the number is not below its count (as
// unsigned, so a negative number is outside too).
bool IsBadSource(int nSrc, int32_t nNo, ePalLayer eLayer);

// While one is alive on a thread, records read on that thread neither apply inheritance nor check
// their source: the common palette holds it while its entries are read, so that no entry copies
// from or is checked against a palette that is still being filled. The palette validates its
// entries once they are all in place.
class cInheritHold {
 public:
  cInheritHold();
  ~cInheritHold();
  cInheritHold(const cInheritHold&) = delete;
  cInheritHold& operator=(const cInheritHold&) = delete;
};
bool IsInheritHeld();

// Validation of a record's source: a number outside the named palette drops the kind and the
// number. Nothing is checked while inheritance is held.
template <class T>
void DropBadSource(T& rec, ePalLayer eLayer) {
  if (IsInheritHeld() || !IsBadSource(rec.m_nInheritPal, rec.m_nInheritNo, eLayer)) return;
  rec.m_nInheritPal = 0;
  rec.m_nInheritNo = 0;
}

// The last steps of reading a record: its inheritance (unless held), then its validation.
template <class T>
void InheritAndValidate(T& rec) {
  if (!IsInheritHeld()) rec.ApplyInherit();
  rec.Validate();
}

// Sets a record's source and flags, then applies its inheritance. A number not below the named
// palette's count clears the kind, the number and every flag instead.
void SetInherit(cEdBlock& rec, int nLayer, int nPal, int16_t nNo, cChkVector<uint8_t> vFlags);
void SetInherit(cEdChara& rec, int nLayer, int nPal, int16_t nNo, cChkVector<uint8_t> vFlags);
void SetInherit(cEdItem& rec, int nLayer, int nPal, int16_t nNo, cChkVector<uint8_t> vFlags);

// The captions of the field groups, in flag order, each closed by an empty string.
extern const char* const BlockInheritNames[12];
extern const char* const CharaInheritNames[38];
extern const char* const ItemInheritNames[14];

// After the common palette's entries of a layer changed: the stage palette entries that inherit
// from the common palette first, so that the cells inheriting from those entries see the new
// values, then the cells that inherit from the common palette, then those that inherit from the
// stage palette. Empty records are left alone.
template <class T, class F>
void EachRecord(cChkVector<T>& v, F fn) {
  for (T& e : v) fn(e);
}
// A stage layer: only the cells that hold records (the others read as an empty record).
template <class T, class F>
void EachRecord(cStageGrid<T>& v, F fn) {
  v.ForEachRecord([&fn](T& e) { fn(e); });
}

template <class T, class G>
void ReapplyCommonInherit(cChkVector<T>& vStagePal, G& vGrid) {
  for (T& e : vStagePal)
    if (e.m_nGraphic != 0 && e.m_nInheritPal == SRC_COMMON) e.ApplyInherit();
  for (int nSrc : {SRC_COMMON, SRC_STAGE})
    EachRecord(vGrid, [nSrc](T& e) {
      if (e.m_nGraphic != 0 && e.m_nInheritPal == nSrc) e.ApplyInherit();
    });
}

// After the stage palette's entries of a layer changed: every placed cell inheriting from it.
template <class G>
void RefreshStageInherit(G& vGrid) {
  EachRecord(vGrid, [](auto& e) {
    if (e.m_nGraphic != 0 && e.m_nInheritPal == SRC_STAGE) e.ApplyInherit();
  });
}
