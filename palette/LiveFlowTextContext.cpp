#include "palette/LiveFlowTextContext.h"

#include "flow/ItemAcquirePage.h"
#include "model/Database.h"
#include "model/Globals.h"
#include "model/Palette.h"
#include "model/Stage.h"
#include "model/StageEditState.h"
#include "palette/DataSheets.h"

namespace {

// The item sheet shows its acquisition page and that page's command palette runs: what is edited now
// belongs to a flow the item hands to a character, whose subject 0 is that character itself.
bool ItemCmdPaletteOpen(const cItemDataSheet& Sheet) {
  if (Sheet.GetCurPage() != cItemDataSheet::PAGE_ACQUIRE) return false;
  const cItemAcquirePage* lpPage = static_cast<const cItemAcquirePage*>(Sheet.m_lpAcquirePage);
  return lpPage != nullptr && lpPage->m_lpCmdPalette != nullptr;
}

}  // namespace

void FillLiveFlowTextContext(cFlowTextContext& ctx) {
  ctx = cFlowTextContext();
  ctx.m_pDatabase = &Database;
  ctx.m_aPalette[PAL_COMMON][PAL_BLOCK] = cNameView::Of(CommonPalette.m_vBlock);
  ctx.m_aPalette[PAL_COMMON][PAL_CHARA] = cNameView::Of(CommonPalette.m_vChara);
  ctx.m_aPalette[PAL_COMMON][PAL_ITEM] = cNameView::Of(CommonPalette.m_vItem);
  ctx.m_aPalette[PAL_STAGE][PAL_BLOCK] = cNameView::Of(Stage.m_vPalBlock);
  ctx.m_aPalette[PAL_STAGE][PAL_CHARA] = cNameView::Of(Stage.m_vPalChara);
  ctx.m_aPalette[PAL_STAGE][PAL_ITEM] = cNameView::Of(Stage.m_vPalItem);
  ctx.m_CommonVars = cNameView::Of(GValInfo);
  ctx.m_StageVars = cNameView::Of(Stage.m_vVarName);
  // The data sheet constructed last is the current one; the lists that redraw belong to it.
  if (StageEditState.m_lpBlockSheet)
    ctx.m_eSheet = SHEET_BLOCK;
  else if (StageEditState.m_lpCharaSheet)
    ctx.m_eSheet = SHEET_CHARA;
  else if (StageEditState.m_lpItemSheet) {
    ctx.m_eSheet = SHEET_ITEM;
    ctx.m_bItemCmdPalette = ItemCmdPaletteOpen(*StageEditState.m_lpItemSheet);
  }
}
