#include "startup/EditorLinks.h"

#include "app/AppGlobals.h"
#include "app/EditorLinks.h"
#include "model/StageEditState.h"
#include "palette/CharaGroupWnd.h"
#include "palette/DataSheets.h"
#include "palette/PaletteWnd.h"
#include "project/BmpConvDlg.h"
#include "project/DatabaseSheet.h"
#include "project/PrjOptionSheet.h"
#include "project/SystemSheet.h"
#include "project/WorldMapWnd.h"
#include "stage/StageWnd.h"

namespace {

// The stage palette window of the layer keeps the sheet; without one a slot of the opener does.
void OpenCellSheet(int32_t nLayer, cWindow* lpOpener) {
  cPaletteWnd* lpPal = cPaletteWnd::Instance(cPaletteWnd::PALETTE_STAGE, nLayer);
  static cPropSheet* s_lpSpare[LAYER_COUNT] = {};
  switch (nLayer) {
    case LAYER_BLOCK:
      OpenBlockDataSheet(lpOpener, lpPal ? &lpPal->m_lpBlockSheet : &s_lpSpare[nLayer]);
      break;
    case LAYER_CHARA:
      OpenCharaDataSheet(lpOpener, lpPal ? &lpPal->m_lpCharaSheet : &s_lpSpare[nLayer]);
      break;
    default:
      OpenItemDataSheet(lpOpener, lpPal ? &lpPal->m_lpItemSheet : &s_lpSpare[nLayer]);
      break;
  }
}

// The system sheet outlives a rebuild of the stage window; the main loop clears the slot when it
// reaps the closed sheet.
cSystemSheet* s_lpSystemSheet = nullptr;

// The project-level sheets call back into whichever stage window is current when they close.
void SystemSheetClosed() {
  if (g_pCurEditor) g_pCurEditor->OnSystemClosed();
}
void PrjOptionSheetClosed() {
  if (g_pCurEditor) g_pCurEditor->OnPrjOptionClosed();
}

void OpenSystem(cWindow* lpOwner) {
  SetSystemClosedFn(SystemSheetClosed);
  OpenSystemSheet(lpOwner, &s_lpSystemSheet);
}

void OpenPrjOption(cWindow* lpOwner) {
  SetPrjOptionClosedFn(PrjOptionSheetClosed);
  OpenPrjOptionSheet(lpOwner);
}

}  // namespace

void InstallEditorLinks() {
  cEditorLinks links;
  links.pfnNewPaletteWnd = NewPaletteWnd;
  links.pfnNewCharaGroupWnd = NewCharaGroupWnd;
  links.pfnCheckPaletteToolButtons = CheckPaletteToolButtons;
  links.pfnRefreshBrushOfLayer = RefreshBrushOfLayer;
  links.pfnUpdatePaletteScrollBars = UpdatePaletteScrollBars;
  links.pfnOpenCellSheet = OpenCellSheet;
  links.pfnOpenDatabaseSheet = OpenDatabaseSheet;
  links.pfnOpenWorldMapWnd = OpenWorldMapWnd;
  links.pfnOpenSystemSheet = OpenSystem;
  links.pfnOpenPrjOptionSheet = OpenPrjOption;
  links.pfnOpenBmpConvDlg = OpenBmpConvDlg;
  SetEditorLinks(links);
}
