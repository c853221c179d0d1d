// The entry commands of the palette windows: the popup menu of an entry (edit, cut, copy, paste,
// insert, delete, append), the menu bar's data count and data move, and the palette clipboard
// that carries an entry from one palette to another. Nothing outside the edited palette is
// renumbered: whatever inherits from entry N takes its fields from the entry that has number N
// after the change, and a number past the end is dropped when inheritance is applied again.
#include <new>

#include "controls/InputDlg.h"
#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "controls/CtrlBind.h"
#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/DataMoveDlg.h"
#include "palette/PaletteWnd.h"
#include "resources/PaletteEntryIds.h"
#include "resources/PaletteIds.h"
#include "stage/StageWnd.h"

namespace {

// One record kind's palette vector, clipboard holder and default record, so that each command is
// written once for the three kinds.
template <class T>
struct cKindOf {
  cChkVector<T>& vPal;
  cChkVector<T>& vHolder;
  const T& def;
};

cKindOf<cEdBlock> BlockKind(int32_t nPaletteFlag) {
  return {nPaletteFlag ? Stage.m_vPalBlock : CommonPalette.m_vBlock, StageEditState.PaletteClipboard.m_vBlock,
          PrjOption.m_DefBlock};
}
cKindOf<cEdChara> CharaKind(int32_t nPaletteFlag) {
  return {nPaletteFlag ? Stage.m_vPalChara : CommonPalette.m_vChara, StageEditState.PaletteClipboard.m_vChara,
          PrjOption.m_DefChara};
}
cKindOf<cEdItem> ItemKind(int32_t nPaletteFlag) {
  return {nPaletteFlag ? Stage.m_vPalItem : CommonPalette.m_vItem, StageEditState.PaletteClipboard.m_vItem,
          PrjOption.m_DefItem};
}

// Runs fn on the palette of that flag and record kind.
template <class F>
void ForKind(int32_t nPaletteFlag, int32_t nRecordKind, F fn) {
  switch (nRecordKind) {
    case 0: fn(BlockKind(nPaletteFlag)); break;
    case 1: fn(CharaKind(nPaletteFlag)); break;
    case 2: fn(ItemKind(nPaletteFlag)); break;
    default: break;
  }
}

void MarkChanged(int32_t nPaletteFlag) {
  if (nPaletteFlag == cPaletteWnd::PALETTE_STAGE)
    StageEditState.m_bStageChanged = 1;
  else
    StageEditState.m_bPaletteChanged = 1;
}

bool Outside(int32_t nNo, size_t nCount) { return static_cast<uint32_t>(nNo) >= nCount; }

// A new stage palette entry inherits, by default, from the common entry with its own number.
template <class T>
void InheritAsNewStageEntry(T& rec, int32_t nRecordKind, int32_t nNo) {
  SetInherit(rec, nRecordKind, PrjOption.m_anDefInheritPal[INHERIT_NEW_STAGE_ENTRY][nRecordKind],
             static_cast<int16_t>(nNo), PrjOption.DefFlags(INHERIT_NEW_STAGE_ENTRY, nRecordKind));
}

// Common palette entries never inherit.
template <class T>
void NoInherit(T& rec) {
  rec.m_nInheritPal = SRC_NONE;
}

// Inheritance of the stage palette and the placed elements, then the common palette's own check.
void ReapplyAllInherit() {
  Stage.ValidateAll(1);
  Stage.ReapplyBlockInherit();
  Stage.ReapplyCharaInherit();
  Stage.ReapplyItemInherit();
  CommonPalette.ValidateEntries(1);
}

void RedrawStageView() {
  cStageWnd* lpStage = cStageWnd::Current();
  if (lpStage && lpStage->m_hWnd) lpStage->Draw();
}

void SetItemEnabled(HMENU hMenu, uint16_t wId, bool bEnable) {
  EnableMenuItem(hMenu, wId, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void cPaletteWnd::CopyEntry(int32_t nNo) {
  ForKind(m_nPaletteFlag, m_nRecordKind, [&](auto k) {
    if (Outside(nNo, k.vPal.size())) return;
    k.vHolder.assign(1, k.vPal[nNo]);
  });
}

void cPaletteWnd::PasteEntry(int32_t nNo) {
  const int32_t nFlag = m_nPaletteFlag;
  ForKind(nFlag, m_nRecordKind, [&](auto k) {
    if (k.vHolder.empty() || k.vPal.empty()) return;
    if (Outside(nNo, k.vPal.size())) nNo = static_cast<int32_t>(k.vPal.size()) - 1;
    auto& rec = k.vPal[nNo];
    rec = k.vHolder[0];
    // A pasted entry never inherits from its own palette.
    if (nFlag == PALETTE_COMMON || rec.m_nInheritPal == SRC_STAGE) rec.m_nInheritPal = SRC_NONE;
    MarkChanged(nFlag);
  });
}

void cPaletteWnd::InsertNewEntry(int32_t nNo) {
  const int32_t nFlag = m_nPaletteFlag, nKind = m_nRecordKind;
  ForKind(nFlag, nKind, [&](auto k) {
    k.vPal.InsertAt(static_cast<uint32_t>(nNo), k.def);
    const int32_t nNew = Outside(nNo, k.vPal.size()) ? static_cast<int32_t>(k.vPal.size()) - 1 : nNo;
    if (nFlag == PALETTE_STAGE) {
      // After an append the number names the new entry.
      nNo = nNew;
      InheritAsNewStageEntry(k.vPal[nNew], nKind, nNew);
    } else {
      NoInherit(k.vPal[nNew]);
    }
    MarkChanged(nFlag);
  });
  cPaletteClipboard& clip = StageEditState.PaletteClipboard;
  if (clip.m_bHasData && clip.m_nSrcPalette == nFlag && clip.m_nSrcNo >= nNo) ++clip.m_nSrcNo;
}

void cPaletteWnd::InsertCopiedEntry(int32_t nNo) {
  InsertNewEntry(nNo);
  PasteEntry(nNo);
  cPaletteClipboard& clip = StageEditState.PaletteClipboard;
  if (!clip.m_bCutPending) return;
  // The cut entry goes from wherever it was cut: this palette or the twin's.
  DeleteEntryOf(clip.m_nSrcPalette, clip.m_nSrcNo);
  clip.m_bCutPending = 0;
  clip.m_bHasData = 0;
}

void cPaletteWnd::DeleteEntryOf(int32_t nPaletteFlag, int32_t nNo) {
  cPaletteWnd* lpWnd = Instance(nPaletteFlag, m_nRecordKind);
  if (lpWnd) {
    lpWnd->DeleteEntry(nNo);
    return;
  }
  // The window is not there (only while the tool windows are being rebuilt): the same steps on
  // its palette.
  const int32_t nSave = m_nPaletteFlag;
  m_nPaletteFlag = nPaletteFlag;
  DeleteEntry(nNo);
  m_nPaletteFlag = nSave;
}

void cPaletteWnd::DeleteEntry(int32_t nNo) {
  const int32_t nFlag = m_nPaletteFlag;
  ForKind(nFlag, m_nRecordKind, [&](auto k) {
    if (Outside(nNo, k.vPal.size())) return;
    k.vPal.EraseAt(static_cast<uint32_t>(nNo));
    MarkChanged(nFlag);
  });
  cStageEditState& st = StageEditState;
  cPaletteClipboard& clip = st.PaletteClipboard;
  if (clip.m_bHasData && clip.m_nSrcPalette == nFlag) {
    if (clip.m_nSrcNo == nNo) {
      clip.m_bHasData = 0;
      clip.m_bCutPending = 0;
    } else if (clip.m_nSrcNo > nNo) {
      --clip.m_nSrcNo;
    }
  }
  if (st.m_nBrushEntry < 1 || st.m_nBrushPalette != nFlag) return;
  if (st.m_nBrushEntry == nNo)
    st.m_nBrushEntry = 0;
  else if (st.m_nBrushEntry > nNo)
    --st.m_nBrushEntry;
  else
    return;
  RefreshBrushOfLayer(m_nRecordKind);
}

void cPaletteWnd::SetEntryMenuState(int32_t nIndex) {
  HMENU h = m_hPopupMenu;
  if (!h) return;
  const cPaletteClipboard& clip = StageEditState.PaletteClipboard;
  const bool bData = clip.m_bHasData != 0;
  SetItemEnabled(h, ID_ENTRY_PASTE, bData);
  SetItemEnabled(h, ID_ENTRY_INSERT_COPIED, bData);
  SetItemEnabled(h, ID_ENTRY_APPEND_COPIED, bData);
  if (nIndex == 0) {
    // The empty entry is no entry of the author's: only the appends apply to it.
    for (uint16_t w : {ID_ENTRY_EDIT, ID_ENTRY_CUT, ID_ENTRY_COPY, ID_ENTRY_PASTE, ID_ENTRY_INSERT_COPIED,
                       ID_ENTRY_INSERT_NEW, ID_ENTRY_DELETE})
      SetItemEnabled(h, w, false);
  } else {
    for (uint16_t w : {ID_ENTRY_EDIT, ID_ENTRY_CUT, ID_ENTRY_COPY, ID_ENTRY_INSERT_NEW, ID_ENTRY_DELETE})
      SetItemEnabled(h, w, true);
    // A cut entry is moved by inserting it, never pasted over another.
    if (bData) SetItemEnabled(h, ID_ENTRY_PASTE, !clip.m_bCutPending);
  }
  SetItemEnabled(h, ID_ENTRY_APPEND_NEW, true);
}

bool cPaletteWnd::OnEntryCommand(uint16_t wId) {
  cStageEditState& st = StageEditState;
  cPaletteClipboard& clip = st.PaletteClipboard;
  const int32_t s = st.m_nBrushEntry;
  // The commands on the selected entry need an author's entry of this palette: the menu offers
  // them on no other, and entry 0 stays the empty entry.
  const bool bOnEntry = st.m_nBrushPalette == m_nPaletteFlag && s >= 1 && s < GetEntryCount();
  switch (wId) {
    case ID_ENTRY_EDIT:
      if (!bOnEntry) return true;
      OpenEntryData(s);
      ReapplyAllInherit();
      st.ClearPaletteClipboard();
      RedrawStageView();
      return true;
    case ID_ENTRY_CUT:
    case ID_ENTRY_COPY:
      if (!bOnEntry) return true;
      CopyEntry(s);
      clip.m_bHasData = 1;
      clip.m_bCutPending = wId == ID_ENTRY_CUT ? 1 : 0;
      clip.m_nSrcPalette = st.m_nBrushPalette;
      clip.m_nSrcNo = s;
      return true;
    case ID_ENTRY_PASTE:
      if (!bOnEntry || !clip.m_bHasData || clip.m_bCutPending) return true;
      PasteEntry(s);
      AfterEntryChange(true, true);
      return true;
    case ID_ENTRY_INSERT_COPIED:
      if (!bOnEntry || !clip.m_bHasData) return true;
      InsertCopiedEntry(s);
      AfterEntryChange(true, true);
      return true;
    case ID_ENTRY_APPEND_COPIED:
      if (!clip.m_bHasData) return true;
      InsertCopiedEntry(APPEND);
      AfterEntryChange(true, false);
      return true;
    case ID_ENTRY_INSERT_NEW:
      if (!bOnEntry) return true;
      InsertNewEntry(s);
      AfterEntryChange(true, true);
      return true;
    case ID_ENTRY_APPEND_NEW:
      InsertNewEntry(APPEND);
      AfterEntryChange(true, false);
      return true;
    case ID_ENTRY_DELETE:
      if (!bOnEntry) return true;
      DeleteEntry(s);
      AfterEntryChange(true, true);
      return true;
    case ID_PALETTE_DATA_COUNT:
      AskDataCount();
      return true;
    case ID_PALETTE_DATA_MOVE:
      RunDataMove();
      return true;
    default:
      return false;
  }
}

void cPaletteWnd::AfterEntryChange(bool bScrollRange, bool bBrush) {
  ReapplyAllInherit();
  if (bScrollRange) UpdateScrollBar();
  RedrawStageView();
  if (bBrush) SelectToBrush();
}

void cPaletteWnd::AskDataCount() {
  int32_t n = GetEntryCount() - 1;
  RECT rc = {0, 0, 0, 0};
  if (m_hWnd) GetWindowRect(m_hWnd, &rc);
  WindowList.EnableAll(0);
  const int nOk = InputValueAt(this, &WindowList, &n, 1, MAX_AUTHOR_ENTRIES, "データ数", rc.left, rc.top);
  WindowList.EnableAll(1);
  if (!nOk) return;
  SetDataCount(n);
}

void cPaletteWnd::SetDataCount(int32_t n) {
  if (n < 1) n = 1;
  if (n > MAX_AUTHOR_ENTRIES) n = MAX_AUTHOR_ENTRIES;
  const int32_t nFlag = m_nPaletteFlag, nKind = m_nRecordKind;
  ForKind(nFlag, nKind, [&](auto k) {
    const int32_t c = static_cast<int32_t>(k.vPal.size());
    k.vPal.resize(static_cast<size_t>(n) + 1, k.def);
    for (int32_t j = c; j <= n; ++j) {
      if (nFlag == PALETTE_STAGE)
        InheritAsNewStageEntry(k.vPal[j], nKind, j);
      else
        NoInherit(k.vPal[j]);
    }
  });
  const bool bCommon = nFlag == PALETTE_COMMON;
  switch (nKind) {
    case 0: bCommon ? Stage.ReapplyBlockInherit() : Stage.RefreshBlockCells(); break;
    case 1: bCommon ? Stage.ReapplyCharaInherit() : Stage.RefreshCharaCells(); break;
    default: bCommon ? Stage.ReapplyItemInherit() : Stage.RefreshItemCells(); break;
  }
  MarkChanged(nFlag);
  StageEditState.ClearPaletteClipboard();
  AfterEntryChange(true, true);
}

void cPaletteWnd::RunDataMove() {
  RECT rc = {0, 0, 0, 0};
  if (m_hWnd) GetWindowRect(m_hWnd, &rc);
  SafeDelete(m_lpDataMoveDlg);
  const int32_t K = KIND_DIALOG;
  switch (m_nRecordKind) {
    case 0:
      m_lpDataMoveDlg = new (std::nothrow)
          cDataMoveDlg(IDD_DATA_MOVE, this, K, &WindowList, m_lpvBlock, m_nPaletteFlag, rc.left, rc.top);
      break;
    case 1:
      m_lpDataMoveDlg = new (std::nothrow)
          cDataMoveDlg(IDD_DATA_MOVE, this, K, &WindowList, m_lpvChara, m_nPaletteFlag, rc.left, rc.top);
      break;
    default:
      m_lpDataMoveDlg = new (std::nothrow)
          cDataMoveDlg(IDD_DATA_MOVE, this, K, &WindowList, m_lpvItem, m_nPaletteFlag, rc.left, rc.top);
      break;
  }
  if (!m_lpDataMoveDlg) {
    OutOfMemory();
    return;
  }
  m_lpDataMoveDlg->DoModal(RUN_DISABLE_OTHERS);
  SafeDelete(m_lpDataMoveDlg);
  AfterEntryChange(true, true);
}
