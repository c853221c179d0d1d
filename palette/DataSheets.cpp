#include "palette/DataSheets.h"

#include <new>

#include "app/AppGlobals.h"
#include "app/MsgBox.h"
#include "app/WindowList.h"
#include "model/EditConfig.h"
#include "model/Palette.h"
#include "model/PrjOption.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/BlockDataDlg.h"
#include "palette/CharaAbilityPage.h"
#include "palette/CharaBasicPage.h"
#include "palette/CharaViewPage.h"
#include "palette/ItemBasicPage.h"
#include "resources/DataSheetIds.h"
#include "stage/StageWnd.h"

namespace {

cSheetPageMakers s_PageMakers;

// The sheet constructed last is the current data sheet: the only one the condition and command
// dialogs see.
void SetCurrentSheet(cBlockDataSheet* lpBlock, cCharaDataSheet* lpChara, cItemDataSheet* lpItem) {
  StageEditState.m_lpBlockSheet = lpBlock;
  StageEditState.m_lpCharaSheet = lpChara;
  StageEditState.m_lpItemSheet = lpItem;
}

// Runs the sheet with its caption, open on the page the author looked at last: the pages before it
// are made only when the author goes to them.
bool ShowSheet(cPropSheet& sheet, const char* pszCaption, int32_t nPage) {
  sheet.Run(pszCaption, nPage);
  return sheet.m_hSheet != nullptr;
}

template <class S>
void OpenSheet(cWindow* lpOpener, cPropSheet** lppSlot) {
  WindowList.EnableAll(0);
  SafeDelete(*lppSlot);
  S* lpSheet = new (std::nothrow) S(1, lpOpener, &WindowList, lppSlot);
  if (!lpSheet) {
    OutOfMemory();
    WindowList.EnableAll(1);
    return;
  }
  *lppSlot = lpSheet;
  if (lpSheet->Create()) return;
  SafeDelete(*lppSlot);
  WindowList.EnableAll(1);
}

}  // namespace

cSheetPageMakers SetSheetPageMakers(const cSheetPageMakers& Makers) {
  const cSheetPageMakers old = s_PageMakers;
  s_PageMakers = Makers;
  return old;
}

template <class K>
void CommitRecord(const typename K::Rec& rec, cChkVector<typename K::Rec>& vPalette) {
  cStageEditState& st = StageEditState;
  const int32_t nEntry = st.m_nBrushEntry;
  const bool bEntryOk = nEntry >= 0 && nEntry < static_cast<int32_t>(vPalette.size());
  switch (st.m_nEditContext) {
    case EDIT_CELL:
      if (!K::Target()) return;
      // One step even when nothing changed: the author's undo then always finds this commit.
      if (g_pCurEditor) g_pCurEditor->PushUndo(K::nMask);
      *K::Target() = rec;
      st.m_bStageChanged = 1;
      break;
    case EDIT_STAGE_PALETTE:
      if (bEntryOk) vPalette[nEntry] = rec;
      K::StagePal() = vPalette;
      K::RefreshStage();
      st.m_bStageChanged = 1;
      break;
    case EDIT_COMMON_PALETTE:
      if (bEntryOk) vPalette[nEntry] = rec;
      K::CommonPal() = vPalette;
      K::RefreshCommon();
      st.m_bPaletteChanged = 1;
      break;
    case EDIT_DEFAULT:
      if (K::Target()) *K::Target() = rec;
      break;
    default:
      break;
  }
}

template <class K>
cChkVector<typename K::Rec> PaletteCopy() {
  switch (StageEditState.m_nEditContext) {
    case EDIT_STAGE_PALETTE:
      return K::StagePal();
    case EDIT_COMMON_PALETTE:
      return K::CommonPal();
    default:
      return cChkVector<typename K::Rec>();
  }
}

template void CommitRecord<cBlockKind>(const cEdBlock&, cChkVector<cEdBlock>&);
template void CommitRecord<cCharaKind>(const cEdChara&, cChkVector<cEdChara>&);
template void CommitRecord<cItemKind>(const cEdItem&, cChkVector<cEdItem>&);
template cChkVector<cEdBlock> PaletteCopy<cBlockKind>();
template cChkVector<cEdChara> PaletteCopy<cCharaKind>();
template cChkVector<cEdItem> PaletteCopy<cItemKind>();

void DataSheetClosed(int32_t nLayer) {
  if (!g_pCurEditor) {
    WindowList.EnableAll(1);
    return;
  }
  if (nLayer == LAYER_BLOCK)
    g_pCurEditor->OnBlockDataClosed();
  else if (nLayer == LAYER_CHARA)
    g_pCurEditor->OnCharaDataClosed();
  else
    g_pCurEditor->OnItemDataClosed();
}

void OpenBlockDataSheet(cWindow* lpOpener, cPropSheet** lppSlot) { OpenSheet<cBlockDataSheet>(lpOpener, lppSlot); }
void OpenCharaDataSheet(cWindow* lpOpener, cPropSheet** lppSlot) { OpenSheet<cCharaDataSheet>(lpOpener, lppSlot); }
void OpenItemDataSheet(cWindow* lpOpener, cPropSheet** lppSlot) { OpenSheet<cItemDataSheet>(lpOpener, lppSlot); }

// ---- block ----

cBlockDataSheet::cBlockDataSheet(int32_t nMode, cWindow* lpOpener, cWindowList* lpWindowList, cPropSheet** lppSlot)
    : cRecordSheet<cEdBlock>(nMode, lpOpener, lpWindowList, lppSlot) {
  SetCurrentSheet(this, nullptr, nullptr);
}

cBlockDataSheet::~cBlockDataSheet() {
  // The window first, so that the page sees its WM_DESTROY while it exists.
  DestroySheetWindow();
  SafeDelete(m_lpPage);
}

bool cBlockDataSheet::Create() {
  if (!NewSheetPage(m_lpPage, m_lpOwner, m_lpWindowList)) return false;
  m_vPages.push_back(m_lpPage);
  return ShowSheet(*this, "ブロックデータ", EditConfig.m_nBlockSheetPage);
}

// ---- character ----

cCharaDataSheet::cCharaDataSheet(int32_t nMode, cWindow* lpOpener, cWindowList* lpWindowList, cPropSheet** lppSlot)
    : cRecordSheet<cEdChara>(nMode, lpOpener, lpWindowList, lppSlot) {
  SetCurrentSheet(nullptr, this, nullptr);
}

cCharaDataSheet::~cCharaDataSheet() {
  DestroySheetWindow();
  SafeDelete(m_lpBasic);
  SafeDelete(m_lpView);
  SafeDelete(m_lpAbility);
  SafeDelete(m_lpFlowPage);
  m_lpFlowWork = nullptr;
}

bool cCharaDataSheet::Create() {
  // The page list in page order; the flow page steps over the first page's palette copy too.
  if (!NewSheetPage(m_lpBasic, m_lpOwner, m_lpWindowList)) return false;
  if (!NewSheetPage(m_lpView, m_lpOwner, m_lpWindowList)) return false;
  if (!NewSheetPage(m_lpAbility, m_lpOwner, m_lpWindowList)) return false;
  if (s_PageMakers.pfnFlow && !s_PageMakers.pfnFlow(*this)) return false;
  m_lpView->m_lpPalette = &m_lpBasic->m_vPalette;
  m_lpAbility->m_lpPalette = &m_lpBasic->m_vPalette;
  m_vPages.push_back(m_lpBasic);
  m_vPages.push_back(m_lpView);
  m_vPages.push_back(m_lpAbility);
  if (m_lpFlowPage) m_vPages.push_back(m_lpFlowPage);
  return ShowSheet(*this, "キャラデータ", EditConfig.m_nCharaSheetPage);
}

void cCharaDataSheet::EndUnmadeFirstPage(UINT uCode) {
  if (m_lpBasic) m_lpBasic->EndSheet(uCode);
}

void cCharaDataSheet::ClosedWithoutFirstPage() { DataSheetClosed(LAYER_CHARA); }

void cCharaDataSheet::ShareRecord(const cEdChara& rec, int nPageIndex) {
  if (nPageIndex < PAGE_BASIC || nPageIndex > PAGE_FLOW) return;
  if (nPageIndex != PAGE_BASIC && m_lpBasic) m_lpBasic->TakeRecord(rec);
  if (nPageIndex != PAGE_VIEW && m_lpView) m_lpView->TakeRecord(rec);
  if (nPageIndex != PAGE_ABILITY && m_lpAbility) m_lpAbility->TakeRecord(rec);
  if (nPageIndex != PAGE_FLOW && m_lpFlowWork) *m_lpFlowWork = rec;
}


// ---- item ----

cItemDataSheet::cItemDataSheet(int32_t nMode, cWindow* lpOpener, cWindowList* lpWindowList, cPropSheet** lppSlot)
    : cRecordSheet<cEdItem>(nMode, lpOpener, lpWindowList, lppSlot) {
  SetCurrentSheet(nullptr, nullptr, this);
}

cItemDataSheet::~cItemDataSheet() {
  DestroySheetWindow();
  SafeDelete(m_lpBasic);
  SafeDelete(m_lpAcquirePage);
  m_lpAcquireWork = nullptr;
}

bool cItemDataSheet::Create() {
  if (!NewSheetPage(m_lpBasic, m_lpOwner, m_lpWindowList)) return false;
  if (s_PageMakers.pfnAcquire && !s_PageMakers.pfnAcquire(*this)) return false;
  m_vPages.push_back(m_lpBasic);
  if (m_lpAcquirePage) m_vPages.push_back(m_lpAcquirePage);
  return ShowSheet(*this, "アイテムデータ", EditConfig.m_nItemSheetPage);
}

void cItemDataSheet::EndUnmadeFirstPage(UINT uCode) {
  if (m_lpBasic) m_lpBasic->EndSheet(uCode);
}

void cItemDataSheet::ClosedWithoutFirstPage() { DataSheetClosed(LAYER_ITEM); }

void cItemDataSheet::ShareRecord(const cEdItem& rec, int nPageIndex) {
  if (nPageIndex == PAGE_BASIC && m_lpAcquireWork) *m_lpAcquireWork = rec;
  if (nPageIndex == PAGE_ACQUIRE && m_lpBasic) m_lpBasic->TakeRecord(rec);
}

