// One layer of stage cells. Writing a cell through the grid's index access tells a watcher first,
// while the cell still holds its old record: the undo store keeps the old records of exactly the
// cells an edit changes instead of copying whole layers.
//
// Reads through a const grid and the bulk passes (iteration, data()) tell nobody: loading,
// resizing and re-applying inheritance either happen with the undo store emptied or give the same
// cells when they run again after an undo.
#pragma once

#include <cstdint>
#include <utility>

#include "base/ChkContainer.h"

class cCellWatcher {
 public:
  // Cell nIndex of layer nLayer (eStageLayer) is about to be written; pOld is its record now.
  virtual void CellTouched(int32_t nLayer, int32_t nIndex, const void* pOld) = 0;

 protected:
  ~cCellWatcher() = default;
};

template <class T>
class cStageGrid : public cChkVector<T> {
  typedef cChkVector<T> base;

 public:
  using base::base;
  cStageGrid() {}
  // The watcher belongs to the grid object, not to its cells: copies and moves take the cells only.
  cStageGrid(const cStageGrid& o) : base(o) {}
  cStageGrid(cStageGrid&& o) noexcept : base(std::move(o)) {}
  cStageGrid& operator=(const cStageGrid& o) {
    base::operator=(o);
    return *this;
  }

  // A cell to write: the watcher is told before it is handed out.
  T& operator[](int i) {
    if (m_pWatcher && i >= 0 && static_cast<size_t>(i) < base::size())
      m_pWatcher->CellTouched(m_nLayer, i, base::data() + i);
    return base::operator[](i);
  }
  const T& operator[](int i) const { return base::operator[](i); }
  // The record of a cell for reading, whatever the constness of the grid.
  const T& Get(int i) const { return base::operator[](i); }
  // Tells the watcher as a write would, without writing: for records handed out by pointer.
  void Touch(int i) {
    if (m_pWatcher && i >= 0 && static_cast<size_t>(i) < base::size())
      m_pWatcher->CellTouched(m_nLayer, i, base::data() + i);
  }

  void SetWatcher(cCellWatcher* pWatcher, int32_t nLayer) const {
    m_pWatcher = pWatcher;
    m_nLayer = nLayer;
  }
  cCellWatcher* Watcher() const { return m_pWatcher; }

 private:
  mutable cCellWatcher* m_pWatcher = nullptr;
  mutable int32_t m_nLayer = 0;
};
