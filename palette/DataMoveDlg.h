// The data-move dialog: moves a range of a palette's entries to another place, inserts copies of
// the range, or deletes it, on the palette of the window that opened it. OK applies the operation
// and re-applies the inheritance of what takes fields from that palette; entry 0, the empty
// entry, never moves.
#pragma once

#include <cstdint>
#include <string>

#include "app/Dialog.h"
#include "base/ChkContainer.h"
#include "controls/ComboCtrl.h"
#include "controls/CtrlBind.h"
#include "controls/CtrlSet.h"
#include "controls/SetDlg.h"
#include "controls/EditValCtrl.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/Item.h"

enum eDataMoveOp { DATA_MOVE = 0, DATA_COPY_INSERT = 1, DATA_DELETE = 2 };

// The operation on one palette vector. A range whose first entry lies after its last changes
// nothing; a move whose target lies inside the range or right after it (from <= target <= to + 1)
// leaves every entry where it is.
template <class T>
void ApplyDataMove(cChkVector<T>& v, int32_t nFrom, int32_t nTo, int32_t nTarget, int32_t nOp) {
  const int32_t n = nTo - nFrom + 1;
  // Entry 0, the empty entry, is never part of the range nor a target.
  if (n <= 0 || nFrom < 1) return;
  if (nOp == DATA_DELETE) {
    v.EraseRange(static_cast<uint32_t>(nFrom), n);
    return;
  }
  if (nOp == DATA_MOVE && nTarget >= nFrom && nTarget <= nTo + 1) return;
  if (nTarget < 1) return;
  cChkVector<T> vRange;
  for (int32_t i = nFrom; i <= nTo && i < static_cast<int32_t>(v.size()); ++i) vRange.push_back(v[i]);
  int32_t nAt = nTarget;
  if (nOp == DATA_MOVE) {
    v.EraseRange(static_cast<uint32_t>(nFrom), static_cast<int>(vRange.size()));
    // The target's entry has moved up by the range's length when it came after the range.
    if (nTarget > nTo) nAt = nTarget - static_cast<int32_t>(vRange.size());
  }
  for (size_t i = 0; i < vRange.size(); ++i) v.InsertAt(static_cast<uint32_t>(nAt) + static_cast<uint32_t>(i), vRange[i]);
}

class cDataMoveDlg : public cSetDlg<cDataMoveDlg> {
 public:
  cDataMoveDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList,
               cChkVector<cEdBlock>* lpPalette, int32_t nPaletteFlag, int32_t x, int32_t y);
  cDataMoveDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList,
               cChkVector<cEdChara>* lpPalette, int32_t nPaletteFlag, int32_t x, int32_t y);
  cDataMoveDlg(uint16_t wTemplateId, cWindow* lpOwner, int32_t nKind, cWindowList* lpWindowList,
               cChkVector<cEdItem>* lpPalette, int32_t nPaletteFlag, int32_t x, int32_t y);

  void OnCommand(WPARAM wParam, LPARAM lParam) override;

  // The target is meaningless when deleting.
  void UpdateEnables() override;
  // OK: the operation, the brush kept inside the palette, inheritance, clipboard and flags.
  void Commit();

  int32_t m_nPaletteFlag = 0;
  int32_t m_nRecordKind = 0;
  cChkVector<cEdBlock>* m_lpvBlock = nullptr;
  cChkVector<cEdChara>* m_lpvChara = nullptr;
  cChkVector<cEdItem>* m_lpvItem = nullptr;
  int32_t m_nCount = 0;
  int32_t m_nFrom = 1;
  int32_t m_nTo = 1;
  int32_t m_nTarget = 1;
  int32_t m_nOperation = DATA_MOVE;
  cItemVector m_vOperationNames;

 private:
  void Init(int32_t nPaletteFlag, int32_t nRecordKind, int32_t nCount);
  int32_t PaletteCount() const;
};
