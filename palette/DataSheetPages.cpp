#include "palette/DataSheetPages.h"

#include "app/PropSheet.h"
#include "flow/FlowPage.h"
#include "flow/ItemAcquirePage.h"
#include "palette/CharaBasicPage.h"
#include "palette/DataSheets.h"
#include "palette/ItemBasicPage.h"

namespace {

// The sheet's first page exists already: its palette copy is what the arrows step over.
bool MakeFlowPage(cCharaDataSheet& Sheet) {
  cFlowPage* lpPage = nullptr;
  if (!NewSheetPage(lpPage, Sheet.m_lpOwner, Sheet.m_lpWindowList)) return false;
  if (Sheet.m_lpBasic) lpPage->m_lpCharaList = &Sheet.m_lpBasic->m_vPalette;
  lpPage->m_fnShare = [&Sheet](const cEdChara& rec) { Sheet.ShareRecord(rec, cCharaDataSheet::PAGE_FLOW); };
  Sheet.m_lpFlowPage = lpPage;
  Sheet.m_lpFlowWork = &lpPage->m_WorkChara;
  return true;
}

bool MakeAcquirePage(cItemDataSheet& Sheet) {
  cItemAcquirePage* lpPage = nullptr;
  if (!NewSheetPage(lpPage, Sheet.m_lpOwner, Sheet.m_lpWindowList)) return false;
  if (Sheet.m_lpBasic) lpPage->m_lpItemList = &Sheet.m_lpBasic->m_vPalette;
  lpPage->m_fnShare = [&Sheet](const cEdItem& rec) { Sheet.ShareRecord(rec, cItemDataSheet::PAGE_ACQUIRE); };
  Sheet.m_lpAcquirePage = lpPage;
  Sheet.m_lpAcquireWork = &lpPage->m_Work;
  return true;
}

}  // namespace

void InstallDataSheetPages() {
  cSheetPageMakers makers;
  makers.pfnFlow = MakeFlowPage;
  makers.pfnAcquire = MakeAcquirePage;
  SetSheetPageMakers(makers);
}
