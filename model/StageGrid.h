// One layer of stage cells, sparse: an empty cell costs a few bits and reads as the layer's empty
// record; only cells that were written hold a record of their own. Records live in chunks and never
// move while their cell holds them, so a record handed out by reference stays where it is until its
// cell is emptied (a pinned record not even then: see Pin).
//
// Records lie in chunks that grow with the grid, from 256 slots to a few thousand: a small stage
// takes little room, and a large one takes its records in chunks of the system's own. A grid that
// is told how many records are coming before it has any (a load) takes a first chunk of just that
// many, up to a full chunk, and grows as usual from there. The chunks
// of a freed grid wait for the next grid's records until ReleaseSpare gives them back, so that
// opening a stage over another leaves no heap grown by the first.
//
// The cells are indexed in pages of 64: a page has a bit per cell that holds a record and finds the
// records either as a run of consecutive slots (the n-th held cell of the page in slot base + n, as
// a load or a row-by-row copy lays them out) or, once edits have broken that order, through a list
// of 64 slot numbers of its own.
//
// Writing a cell through the grid (operator[], Set, Erase) tells a watcher first, while the cell
// still holds its old record: the undo store keeps the old records of exactly the cells an edit
// changes. Reads, the bulk writes (Unwatched, Release, Assign) and the passes over the records
// (ForEach) tell nobody: loading, resizing and re-applying inheritance either happen with the
// undo store emptied or give the same cells when they run again after an undo.
//
// A fill writes one record into a whole area, and so does the undo store giving such an area back:
// inside a cShareScope, the cells written from the same record (SetShared, PutShared) share one
// record of the grid, whose pages are then lists, until a cell is written on its own (operator[],
// Unwatched, Pin, Set), which gives it a copy of its own first. Such a fill costs the grid a slot
// number per cell instead of a record on fresh memory, which a large area would take for each
// cell. The passes that change each record alike (ForEachRecord: validation, inheritance) change
// a shared record once; the passes that see cells one by one (ForEach, ForRange, which the stage
// writer runs on several threads and which may store a cell's own position into its record) give
// every cell its own record first.
#pragma once

#include <cstdint>
#include <cstdio>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include <windows.h>

#include "base/ChkContainer.h"

class cCellWatcher {
 public:
  // Cell nIndex of layer nLayer (eStageLayer) is about to be written; pOld is its record now
  // (the layer's empty record for a cell that holds none).
  virtual void CellTouched(int32_t nLayer, int32_t nIndex, const void* pOld) = 0;

 protected:
  ~cCellWatcher() = default;
};

template <class T>
class cStageGrid {
 public:
  cStageGrid() {}
  ~cStageGrid() { clear(); }
  // The watcher and the pin belong to the grid object, not to its cells: copies and moves take the
  // cells only.
  cStageGrid(const cStageGrid& o) { CopyCells(o); }
  cStageGrid(cStageGrid&& o) noexcept { swap(o); }
  cStageGrid& operator=(const cStageGrid& o) {
    if (this != &o) {
      cStageGrid t(o);
      swap(t);
    }
    return *this;
  }
  cStageGrid& operator=(cStageGrid&& o) noexcept {
    swap(o);
    return *this;
  }

  // What every empty cell reads as.
  static const T& EmptyRecord() {
    static const T s_Empty{};
    return s_Empty;
  }

  size_t size() const { return m_nCells; }
  bool empty() const { return m_nCells == 0; }
  // Records held: the cells written since they were last emptied.
  size_t Held() const { return m_nLive; }
  // Bytes the grid itself takes: its index and its record chunks (not what the records keep on
  // the heap).
  size_t Footprint() const {
    return m_vPage.capacity() * sizeof(cPage) + m_vList.capacity() * sizeof(cList) +
           BaseOf(m_vChunk.size()) * sizeof(cSlot) + (m_vFree.size() + m_vFreeList.capacity()) * sizeof(uint32_t);
  }

  // nCells empty cells; every record held before is freed first. The chunks stay for the records
  // to come: a layer emptied and filled again does not take its memory anew.
  void Assign(size_t nCells) {
    Empty();
    m_vPage.assign((nCells + 63) / 64, cPage());
    m_nCells = nCells;
  }
  void clear() {
    Empty();
    for (size_t c = 0; c < m_vChunk.size(); ++c) FreeChunk(m_vChunk[c], SlotsOf(c));
    std::vector<cSlot*>().swap(m_vChunk);
    m_nFirst = 0;
  }
  // The records about to be written, for a grid that has no chunk yet (a new or cleared one): its
  // first chunk takes room for that many, not for the next step of the growing chunks, which
  // leaves a small stage's last chunk mostly empty. Never more than a full chunk, whatever the
  // count says (a damaged file may name one cell many times); the grid grows as usual beyond it.
  void ReserveFirst(size_t nRecords) {
    if (!m_vChunk.empty() || m_nUsed) return;
    const size_t nFull = size_t(1) << LAST_SHIFT;
    m_nFirst = static_cast<uint32_t>(nRecords < nFull ? nRecords : nFull);
  }
  // Swaps the cells, not the watchers; a pin stays with its record.
  void swap(cStageGrid& o) noexcept {
    m_vPage.swap(o.m_vPage);
    m_vList.swap(o.m_vList);
    m_vFreeList.swap(o.m_vFreeList);
    m_vChunk.swap(o.m_vChunk);
    std::swap(m_nFirst, o.m_nFirst);
    m_vFree.swap(o.m_vFree);
    std::swap(m_nCells, o.m_nCells);
    std::swap(m_nUsed, o.m_nUsed);
    std::swap(m_nLive, o.m_nLive);
    std::swap(m_pPinned, o.m_pPinned);
    std::swap(m_nPinnedCell, o.m_nPinnedCell);
    m_mShare.swap(o.m_mShare);
    m_vShareKey.swap(o.m_vShareKey);
    const bool bShared = m_bAnyShared.load(std::memory_order_relaxed);
    m_bAnyShared.store(o.m_bAnyShared.load(std::memory_order_relaxed), std::memory_order_relaxed);
    o.m_bAnyShared.store(bShared, std::memory_order_relaxed);
  }

  // The record of a cell for reading.
  const T& Get(int i) const {
    if (!Has(i)) return BadIndex(i);
    const size_t k = static_cast<size_t>(i);
    return HeldAt(k) ? *Rec(SlotOf(k)) : EmptyRecord();
  }
  const T& operator[](int i) const { return Get(i); }
  // Placed: the cell holds an element (a graphic).
  bool Placed(int i) const { return Holds(i) && Rec(SlotOf(static_cast<size_t>(i)))->m_nGraphic != 0; }
  // The cell holds a record of its own.
  bool Holds(int i) const { return Has(i) && HeldAt(static_cast<size_t>(i)); }

  // A cell to write: the watcher is told, then the cell gets a record of its own if it had none.
  T& operator[](int i) {
    if (!Has(i)) return BadIndex(i);
    Touch(i);
    return Make(static_cast<size_t>(i));
  }
  // Writes a record into a cell; a record equal to the empty one empties it.
  void Set(int i, const T& rec) {
    if (!Has(i)) {
      BadIndex(i);
      return;
    }
    Touch(i);
    const size_t k = static_cast<size_t>(i);
    if (IsEmptyRecord(rec))
      Release(i);
    else if (HeldAt(k))
      Make(k) = rec;
    else
      Make(k, &rec);
  }
  // Set inside a cShareScope: the cells given the same rec object share one record.
  void SetShared(int i, const T& rec) {
    if (!Has(i)) {
      BadIndex(i);
      return;
    }
    Touch(i);
    PutSharedAt(static_cast<size_t>(i), rec);
  }
  // The same without telling the watcher (the undo store putting records back).
  void PutShared(int i, const T& rec) {
    if (!Has(i)) {
      BadIndex(i);
      return;
    }
    PutSharedAt(static_cast<size_t>(i), rec);
  }
  // While one lives, SetShared and PutShared share records between the cells written from the same
  // object, which must not change meanwhile.
  class cShareScope {
   public:
    explicit cShareScope(cStageGrid& g) : m_Grid(g) { m_Grid.m_vShareKey.clear(); }
    ~cShareScope() { m_Grid.m_vShareKey.clear(); }
    cShareScope(const cShareScope&) = delete;
    cShareScope& operator=(const cShareScope&) = delete;

   private:
    cStageGrid& m_Grid;
  };
  // Cells that share a record with another cell.
  size_t SharingCells() const {
    size_t n = 0;
    for (const auto& e : m_mShare) n += e.second;
    return n;
  }
  // Empties a cell.
  void Erase(int i) {
    if (!Has(i)) {
      BadIndex(i);
      return;
    }
    Touch(i);
    Release(i);
  }
  // Tells the watcher as a write would, without writing: for records handed out by reference.
  void Touch(int i) {
    if (m_pWatcher && Has(i)) m_pWatcher->CellTouched(m_nLayer, i, &Get(i));
  }

  // A cell to write that the watcher is not told of (loading, setting up, bulk passes).
  T& Unwatched(int i) {
    if (!Has(i)) return BadIndex(i);
    return Make(static_cast<size_t>(i));
  }
  // Empties a cell without telling the watcher. A pinned record stays with its cell, emptied.
  void Release(int i) {
    if (!Holds(i)) return;
    const size_t k = static_cast<size_t>(i);
    cPage& pg = m_vPage[k >> 6];
    const uint64_t bit = uint64_t(1) << (k & 63);
    const uint32_t n = SlotOf(k);
    T* pRec = Rec(n);
    if (pRec == m_pPinned) {
      *pRec = EmptyRecord();
      return;
    }
    const auto itShare = m_bAnyShared.load(std::memory_order_relaxed) ? m_mShare.find(n) : m_mShare.end();
    const bool bShared = itShare != m_mShare.end();
    // A run of slots stays a run when its first or last cell goes; otherwise the page takes a list.
    const bool bFirst = (pg.nBits & (bit - 1)) == 0, bLast = (pg.nBits & ~(bit | (bit - 1))) == 0;
    if (!pg.nList && !bFirst && !bLast) ToList(pg);
    // A shared record stays for the other cells that hold it.
    if (!bShared) m_vFree.push_back(n);
    if (!pg.nList && bFirst) ++pg.nBase;
    pg.nBits &= ~bit;
    if (bShared)
      DropShare(itShare);
    else
      FreedSlot(n, pRec);
    --m_nLive;
    if (pg.nBits == 0) {
      if (pg.nList) {
        try {
          m_vFreeList.push_back(pg.nList - 1);
          pg.nList = 0;
        } catch (const std::bad_alloc&) {
        }
      }
      if (!pg.nList) pg.nBase = 0;
    }
  }
  // Empties a cell without telling the watcher when its record equals the empty one.
  void Tidy(int i) {
    if (Holds(i) && IsEmptyRecord(Get(i))) Release(i);
  }

  // The record of a cell for a holder that keeps its address (a data sheet editing the cell): the
  // cell gets a record of its own, and emptying the cell keeps that record in place, emptied, until
  // another record is pinned or the grid is laid out anew. The watcher is told as for a write.
  T& Pin(int i) {
    T& rec = (*this)[i];
    if (Has(i)) {
      m_pPinned = &rec;
      m_nPinnedCell = i;
    }
    return rec;
  }

  // The cell that a record of this grid lies in, or -1 (for any other address too).
  int32_t IndexOf(const T* p) const {
    if (!p) return -1;
    // The undo store asks at every step for the records the data sheets hold, which are pinned.
    if (p == m_pPinned) return m_nPinnedCell;
    const uintptr_t pc = reinterpret_cast<uintptr_t>(p);
    int64_t nSlot = -1;
    for (size_t c = 0; c < m_vChunk.size() && nSlot < 0; ++c) {
      const uintptr_t pb = reinterpret_cast<uintptr_t>(m_vChunk[c]);
      if (pc < pb || pc >= pb + sizeof(cSlot) * SlotsOf(c) || (pc - pb) % sizeof(cSlot) != 0) continue;
      nSlot = static_cast<int64_t>(BaseOf(c) + (pc - pb) / sizeof(cSlot));
    }
    if (nSlot < 0) return -1;
    for (size_t g = 0; g < m_vPage.size(); ++g) {
      const cPage& pg = m_vPage[g];
      for (uint64_t bits = pg.nBits; bits != 0; bits &= bits - 1) {
        const size_t k = g * 64 + static_cast<size_t>(__builtin_ctzll(bits));
        if (SlotOf(k) == static_cast<uint32_t>(nSlot)) return static_cast<int32_t>(k);
      }
    }
    return -1;
  }

  // fn(index, record) for every cell that holds a record, in index order; fn changes records, never
  // which cells hold one.
  // Every cell is given a record of its own first.
  template <class Fn>
  void ForEach(Fn fn) {
    ForRange(0, m_nCells, fn);
  }
  template <class Fn>
  void ForEach(Fn fn) const {
    WalkSlots(0, m_nCells, [this, &fn](int32_t i, uint32_t n) { fn(i, static_cast<const T&>(*Rec(n))); });
  }
  // The same for the cells [iBegin, iEnd). Passes over disjoint ranges may run on threads of their
  // own at once: the one that comes first gives the cells of the whole grid records of their own
  // while the others wait.
  template <class Fn>
  void ForRange(size_t iBegin, size_t iEnd, Fn fn) {
    if (m_bAnyShared.load(std::memory_order_acquire)) {
      std::lock_guard<std::mutex> lk(ShareLock());
      if (m_bAnyShared.load(std::memory_order_relaxed)) UnshareAll();
    }
    if (!m_vShareKey.empty()) m_vShareKey.clear();
    WalkSlots(iBegin, iEnd, [this, &fn](int32_t i, uint32_t n) { fn(i, *Rec(n)); });
  }
  // fn(record) once for every record the grid holds, a shared one once: for changes that every cell
  // holding the record would get alike.
  template <class Fn>
  void ForEachRecord(Fn fn) {
    m_vShareKey.clear();
    if (!m_bAnyShared.load(std::memory_order_relaxed)) {
      WalkSlots(0, m_nCells, [this, &fn](int32_t, uint32_t n) { fn(*Rec(n)); });
      return;
    }
    std::unordered_set<uint32_t> seen;
    WalkSlots(0, m_nCells, [this, &fn, &seen](int32_t, uint32_t n) {
      if (m_mShare.count(n) && !seen.insert(n).second) return;
      fn(*Rec(n));
    });
  }

 private:
  // fn(cell, slot) for every cell of [iBegin, iEnd) that holds a record, in index order.
  template <class Fn>
  void WalkSlots(size_t iBegin, size_t iEnd, Fn fn) const {
    if (iEnd > m_nCells) iEnd = m_nCells;
    if (iBegin >= iEnd) return;
    for (size_t g = iBegin >> 6; g <= (iEnd - 1) >> 6; ++g) {
      const cPage& pg = m_vPage[g];
      uint64_t bits = pg.nBits;
      if (g == iBegin >> 6) bits &= ~uint64_t(0) << (iBegin & 63);
      if (g == (iEnd - 1) >> 6 && ((iEnd - 1) & 63) != 63) bits &= (uint64_t(1) << (((iEnd - 1) & 63) + 1)) - 1;
      if (pg.nList) {
        for (; bits != 0; bits &= bits - 1) {
          const size_t k = g * 64 + static_cast<size_t>(__builtin_ctzll(bits));
          fn(static_cast<int32_t>(k), m_vList[pg.nList - 1].a[k & 63]);
        }
        continue;
      }
      // A run: the held cells' slots follow each other from the first one in range.
      uint32_t n = pg.nBase + static_cast<uint32_t>(PopCount(pg.nBits & ~bits & ((bits & (0 - bits)) - 1)));
      for (; bits != 0; bits &= bits - 1, ++n) {
        const size_t k = g * 64 + static_cast<size_t>(__builtin_ctzll(bits));
        fn(static_cast<int32_t>(k), n);
      }
    }
  }

 public:

  // Gives the chunks that freed grids of this kind left back to the system (a stage opened over
  // another calls it once the other is freed).
  static void ReleaseSpare() {
    std::vector<cSlot*> v;
    {
      cSpare& spare = Spare();
      std::lock_guard<std::mutex> lk(spare.mx);
      v.swap(spare.v);
    }
    for (cSlot* p : v) VirtualFree(p, 0, MEM_RELEASE);
  }

  // Every cell in index order, empty ones as the empty record.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T*;
    using reference = const T&;
    const_iterator(const cStageGrid* g, size_t i) : m_pGrid(g), m_i(i) {}
    const T& operator*() const { return m_pGrid->Get(static_cast<int>(m_i)); }
    const T* operator->() const { return &**this; }
    const_iterator& operator++() {
      ++m_i;
      return *this;
    }
    bool operator==(const const_iterator& o) const { return m_i == o.m_i; }
    bool operator!=(const const_iterator& o) const { return m_i != o.m_i; }

   private:
    const cStageGrid* m_pGrid;
    size_t m_i;
  };
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, m_nCells); }

  // Every cell as a plain vector (tests and tools comparing whole layers).
  cChkVector<T> ToVector() const {
    cChkVector<T> v;
    v.reserve(m_nCells);
    for (size_t i = 0; i < m_nCells; ++i) v.push_back(Get(static_cast<int>(i)));
    return v;
  }

  void SetWatcher(cCellWatcher* pWatcher, int32_t nLayer) const {
    m_pWatcher = pWatcher;
    m_nLayer = nLayer;
  }
  cCellWatcher* Watcher() const { return m_pWatcher; }

 private:
  // Chunk 0 holds 256 slots, chunks 1 to 4 double that from 256 to 2048, every later one holds 4096.
  static constexpr uint32_t FIRST_SHIFT = 8, LAST_SHIFT = 12;
  // Chunks of at least this many bytes are taken from the system directly and given back to it.
  static constexpr size_t SYSTEM_CHUNK_BYTES = 64u << 10;
  // Raw room for a record, built while a cell holds it.
  struct cSlot {
    alignas(T) unsigned char aRoom[sizeof(T)];
  };
  static size_t ChunkSlots(size_t c) {
    if (c == 0) return size_t(1) << FIRST_SHIFT;
    if (c <= LAST_SHIFT - FIRST_SHIFT) return size_t(1) << (c + FIRST_SHIFT - 1);
    return size_t(1) << LAST_SHIFT;
  }
  // The first slot of chunk c, and the number of slots of the chunks before it.
  static size_t ChunkBase(size_t c) {
    if (c == 0) return 0;
    if (c <= LAST_SHIFT - FIRST_SHIFT) return size_t(1) << (c + FIRST_SHIFT - 1);
    return (c - (LAST_SHIFT - FIRST_SHIFT)) << LAST_SHIFT;
  }
  // The same for this grid, whose first chunk may have been sized by ReserveFirst: the usual
  // chunks then follow it.
  size_t SlotsOf(size_t c) const {
    if (!m_nFirst) return ChunkSlots(c);
    return c == 0 ? m_nFirst : ChunkSlots(c - 1);
  }
  size_t BaseOf(size_t c) const {
    if (!m_nFirst) return ChunkBase(c);
    return c == 0 ? 0 : m_nFirst + ChunkBase(c - 1);
  }
  // The full-size chunks that freed grids left, kept for the next records of this kind: memory
  // touched once costs nothing more, and a fresh page costs about as much as writing a record to it.
  // ReleaseSpare gives them back to the system. Grids are built on the load worker too, hence the
  // lock.
  struct cSpare {
    std::mutex mx;
    std::vector<cSlot*> v;
  };
  static cSpare& Spare() {
    static cSpare* s_p = new cSpare;  // outlives every static grid
    return *s_p;
  }
  static cSlot* NewChunk(size_t nSlots) {
    const size_t nBytes = nSlots * sizeof(cSlot);
    if (nBytes < SYSTEM_CHUNK_BYTES) return new cSlot[nSlots];
    if (nSlots == (size_t(1) << LAST_SHIFT)) {
      cSpare& spare = Spare();
      std::lock_guard<std::mutex> lk(spare.mx);
      if (!spare.v.empty()) {
        cSlot* p = spare.v.back();
        spare.v.pop_back();
        return p;
      }
    }
    void* p = VirtualAlloc(nullptr, nBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!p) throw std::bad_alloc();
    return static_cast<cSlot*>(p);
  }
  static void FreeChunk(cSlot* p, size_t nSlots) {
    if (nSlots * sizeof(cSlot) < SYSTEM_CHUNK_BYTES) {
      delete[] p;
      return;
    }
    if (nSlots == (size_t(1) << LAST_SHIFT)) {
      cSpare& spare = Spare();
      try {
        std::lock_guard<std::mutex> lk(spare.mx);
        spare.v.push_back(p);
        return;
      } catch (const std::bad_alloc&) {
      }
    }
    VirtualFree(p, 0, MEM_RELEASE);
  }
  // 64 cells: which hold records, and where those are (nList 0: slots nBase, nBase + 1, ... in
  // the order of the cells; else the slots in list nList - 1).
  struct cPage {
    uint64_t nBits = 0;
    uint32_t nBase = 0;
    uint32_t nList = 0;
  };
  struct cList {
    uint32_t a[64];
  };

  static int PopCount(uint64_t n) { return n ? __builtin_popcountll(n) : 0; }
  static bool IsEmptyRecord(const T& rec) { return rec.m_nGraphic == 0 && rec.SameFields(EmptyRecord()); }

  bool Has(int i) const { return i >= 0 && static_cast<size_t>(i) < m_nCells; }
  bool HeldAt(size_t k) const { return (m_vPage[k >> 6].nBits >> (k & 63) & 1) != 0; }
  // The slot of a cell that holds a record.
  uint32_t SlotOf(size_t k) const {
    const cPage& pg = m_vPage[k >> 6];
    if (pg.nList) return m_vList[pg.nList - 1].a[k & 63];
    return pg.nBase + static_cast<uint32_t>(__builtin_popcountll(pg.nBits & ((uint64_t(1) << (k & 63)) - 1)));
  }
  T* Rec(uint32_t n) const {
    cSlot* const* pChunk = m_vChunk.data();
    if (n < m_nFirst) return reinterpret_cast<T*>(pChunk[0][n].aRoom);
    if (m_nFirst) {
      n -= m_nFirst;
      ++pChunk;
    }
    size_t c, nOff;
    if (n < (1u << FIRST_SHIFT)) {
      c = 0, nOff = n;
    } else if (n < (1u << LAST_SHIFT)) {
      const uint32_t k = 31 - static_cast<uint32_t>(__builtin_clz(n));
      c = k - FIRST_SHIFT + 1, nOff = n - (1u << k);
    } else {
      c = (LAST_SHIFT - FIRST_SHIFT) + (n >> LAST_SHIFT), nOff = n & ((1u << LAST_SHIFT) - 1);
    }
    return reinterpret_cast<T*>(pChunk[c][nOff].aRoom);
  }

  // No cells: every record freed, the index dropped; the chunks stay.
  void Empty() {
    WalkSlots(0, m_nCells, [this](int32_t, uint32_t n) {
      if (m_mShare.empty()) {
        Rec(n)->~T();
        return;
      }
      // A shared record goes with the last of its cells.
      auto it = m_mShare.find(n);
      if (it != m_mShare.end() && --it->second > 0) return;
      if (it != m_mShare.end()) m_mShare.erase(it);
      Rec(n)->~T();
    });
    m_mShare.clear();
    m_vShareKey.clear();
    m_bAnyShared.store(false, std::memory_order_relaxed);
    std::vector<cPage>().swap(m_vPage);
    std::vector<cList>().swap(m_vList);
    std::vector<uint32_t>().swap(m_vFreeList);
    std::deque<uint32_t>().swap(m_vFree);
    m_nCells = 0;
    m_nUsed = 0;
    m_nLive = 0;
    m_pPinned = nullptr;
    m_nPinnedCell = -1;
  }

  // Gives a page whose slots run its own list of them.
  void ToList(cPage& pg) {
    uint32_t nList;
    if (!m_vFreeList.empty()) {
      nList = m_vFreeList.back();
      m_vFreeList.pop_back();
    } else {
      m_vList.emplace_back();
      nList = static_cast<uint32_t>(m_vList.size() - 1);
    }
    cList& l = m_vList[nList];
    uint32_t n = pg.nBase;
    for (uint64_t bits = pg.nBits; bits != 0; bits &= bits - 1) l.a[__builtin_ctzll(bits)] = n++;
    pg.nList = nList + 1;
  }

  // The cell's own record, made as a copy of pInit (the empty record for null) when it had none.
  T& Make(size_t k, const T* pInit = nullptr) {
    if (HeldAt(k)) {
      // A cell written on its own takes its own copy of a shared record, and a record written in
      // place may no longer be what a share scope took it for.
      m_vShareKey.clear();
      const uint32_t n = SlotOf(k);
      return m_bAnyShared.load(std::memory_order_relaxed) && m_mShare.count(n) ? Unshare(k, n) : *Rec(n);
    }
    // Everything that can fail comes before the cell changes.
    const bool bReuse = !m_vFree.empty();
    if (!bReuse && m_nUsed >= BaseOf(m_vChunk.size())) {
      m_vChunk.reserve(m_vChunk.size() + 1);
      m_vChunk.push_back(NewChunk(SlotsOf(m_vChunk.size())));
    }
    const uint32_t n = bReuse ? m_vFree.front() : m_nUsed;
    cPage& pg = m_vPage[k >> 6];
    const uint64_t bit = uint64_t(1) << (k & 63);
    // A run takes the new slot when the page is empty or the cell comes after its cells and the
    // slot after their slots.
    const bool bRun = !pg.nList && (pg.nBits == 0 || ((pg.nBits & ~(bit - 1)) == 0 &&
                                                      n == pg.nBase + static_cast<uint32_t>(__builtin_popcountll(pg.nBits))));
    if (!bRun && !pg.nList) ToList(pg);
    T* pRec = Rec(n);
    new (pRec) T(pInit ? *pInit : EmptyRecord());
    if (bReuse)
      m_vFree.pop_front();
    else
      ++m_nUsed;
    if (pg.nList)
      m_vList[pg.nList - 1].a[k & 63] = n;
    else if (pg.nBits == 0)
      pg.nBase = n;
    pg.nBits |= bit;
    ++m_nLive;
    return *pRec;
  }

  // A slot for a new record: a freed one first, else the next of the chunks (a chunk is added when
  // they are full). Nothing changes when it throws.
  uint32_t TakeSlot() {
    if (!m_vFree.empty()) {
      const uint32_t n = m_vFree.front();
      m_vFree.pop_front();
      return n;
    }
    if (m_nUsed >= BaseOf(m_vChunk.size())) {
      m_vChunk.reserve(m_vChunk.size() + 1);
      m_vChunk.push_back(NewChunk(SlotsOf(m_vChunk.size())));
    }
    return m_nUsed++;
  }

  // The record of slot n was destroyed or is about to be: no share scope may hand it out again.
  void FreedSlot(uint32_t n, T* pRec) {
    for (size_t j = 0; j < m_vShareKey.size(); ++j)
      if (m_vShareKey[j].nSlot == n) {
        m_vShareKey.erase(m_vShareKey.begin() + static_cast<std::ptrdiff_t>(j));
        break;
      }
    pRec->~T();
  }

  // One cell fewer shares the record; a record left to one cell is that cell's own.
  void DropShare(typename std::unordered_map<uint32_t, uint32_t>::iterator it) {
    if (--it->second <= 1) {
      for (cShareKey& key : m_vShareKey)
        if (key.pCount == &it->second) key.pCount = nullptr;
      m_mShare.erase(it);
    }
    if (m_mShare.empty()) m_bAnyShared.store(false, std::memory_order_release);
  }

  // Cell k, which holds shared slot n, gets a copy of its own.
  T& Unshare(size_t k, uint32_t n) {
    cPage& pg = m_vPage[k >> 6];
    if (!pg.nList) ToList(pg);
    const bool bReuse = !m_vFree.empty();
    const uint32_t m = TakeSlot();
    try {
      new (Rec(m)) T(*Rec(n));
    } catch (...) {
      if (bReuse)
        m_vFree.push_front(m);
      else
        --m_nUsed;
      throw;
    }
    m_vList[pg.nList - 1].a[k & 63] = m;
    DropShare(m_mShare.find(n));
    return *Rec(m);
  }

  // Gives every cell that shares a record a copy of its own.
  void UnshareAll() {
    m_vShareKey.clear();
    for (size_t g = 0; g < m_vPage.size() && !m_mShare.empty(); ++g) {
      const cPage& pg = m_vPage[g];
      if (!pg.nList) continue;
      for (uint64_t bits = pg.nBits; bits != 0; bits &= bits - 1) {
        const size_t k = g * 64 + static_cast<size_t>(__builtin_ctzll(bits));
        const uint32_t n = m_vList[pg.nList - 1].a[k & 63];
        if (m_mShare.count(n)) Unshare(k, n);
      }
    }
    m_bAnyShared.store(false, std::memory_order_release);
  }

  void PutSharedAt(size_t k, const T& rec) {
    if (IsEmptyRecord(rec)) {
      Release(static_cast<int>(k));
      return;
    }
    // Mostly the record of the cell before, which is looked at first.
    cShareKey* pKey = nullptr;
    if (!m_vShareKey.empty() && m_vShareKey.back().pSrc == &rec) {
      pKey = &m_vShareKey.back();
    } else {
      for (size_t j = 0; j < m_vShareKey.size(); ++j)
        if (m_vShareKey[j].pSrc == &rec) {
          std::swap(m_vShareKey[j], m_vShareKey.back());
          pKey = &m_vShareKey.back();
          break;
        }
    }
    const uint32_t nKey = pKey ? pKey->nSlot : UINT32_MAX;
    if (HeldAt(k)) {
      const uint32_t n = SlotOf(k);
      if (n == nKey) return;
      // A pinned record stays the cell's own, written in place.
      if (Rec(n) == m_pPinned) {
        *Rec(n) = rec;
        return;
      }
      Release(static_cast<int>(k));
    }
    if (nKey == UINT32_MAX) {
      Make(k, &rec);
      // A scope shares the records of a brush's cells, not of a whole stage: beyond that, cells
      // take records of their own.
      if (m_vShareKey.size() < MAX_SHARE_KEYS) m_vShareKey.push_back(cShareKey{&rec, SlotOf(k), nullptr});
      return;
    }
    cPage& pg = m_vPage[k >> 6];
    if (!pg.nList) ToList(pg);
    // The count is found once per run of the same record, not once per cell.
    if (pKey->pCount) {
      ++*pKey->pCount;
    } else {
      auto it = m_mShare.find(nKey);
      if (it == m_mShare.end())
        it = m_mShare.emplace(nKey, 2).first;
      else
        ++it->second;
      pKey->pCount = &it->second;
      m_bAnyShared.store(true, std::memory_order_release);
    }
    m_vList[pg.nList - 1].a[k & 63] = nKey;
    pg.nBits |= uint64_t(1) << (k & 63);
    ++m_nLive;
  }

  static std::mutex& ShareLock() {
    static std::mutex* s_p = new std::mutex;  // outlives every static grid
    return *s_p;
  }

  void CopyCells(const cStageGrid& o) {
    Assign(o.m_nCells);
    o.ForEach([&](int32_t i, const T& rec) { Make(static_cast<size_t>(i), &rec); });
  }

  T& BadIndex(int i) const {
    char sz[64];
    snprintf(sz, sizeof sz, "err V[%d] ( %d , %d )", i, static_cast<int>(m_nCells), static_cast<int>(sizeof(T)));
    ChkReportBadIndex(sz, CHK_DESTROY_FRAME);
    return FallbackElement<T>();
  }

  std::vector<cPage> m_vPage;
  std::vector<cList> m_vList;         // slot lists of the pages that have one
  std::vector<uint32_t> m_vFreeList;  // lists no page uses
  std::vector<cSlot*> m_vChunk;  // chunk c holds SlotsOf(c) slots
  uint32_t m_nFirst = 0;         // the slots of chunk 0 when ReserveFirst sized it, else 0
  // Slots freed by emptied cells, taken again first and in the order they were freed: cells
  // emptied and written again in the order of the cells keep their pages' runs.
  std::deque<uint32_t> m_vFree;
  size_t m_nCells = 0;
  uint32_t m_nUsed = 0;  // slots ever taken from the chunks
  size_t m_nLive = 0;
  T* m_pPinned = nullptr;
  int32_t m_nPinnedCell = -1;
  // Slots that more than one cell holds, and by how many cells.
  std::unordered_map<uint32_t, uint32_t> m_mShare;
  // Set while m_mShare holds any: the passes over the records read it, on the writer's threads too.
  std::atomic<bool> m_bAnyShared{false};
  // Inside a share scope: the records written so far and the slots they went to.
  static constexpr size_t MAX_SHARE_KEYS = 64;
  struct cShareKey {
    const T* pSrc;
    uint32_t nSlot;
    uint32_t* pCount;  // its count in m_mShare once it has one
  };
  std::vector<cShareKey> m_vShareKey;
  mutable cCellWatcher* m_pWatcher = nullptr;
  mutable int32_t m_nLayer = 0;
};
