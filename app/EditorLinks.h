// How the stage window reaches the editors that sit above it: the palette windows it keeps as
// tool windows, the data sheet of a placed element, and the project's sheets and windows its
// commands open. Start-up fills the links; the editors above call the stage window directly
// when they close. A link that is not filled does nothing and makes no window.
#pragma once

#include <cstdint>
#include <utility>

class cDialog;
class cWindow;

struct cEditorLinks {
  // The stage window's tool windows: the palette window of a tool slot, the character group window.
  cDialog* (*pfnNewPaletteWnd)(int32_t nToolSlot, cWindow* lpStageWnd) = nullptr;
  cDialog* (*pfnNewCharaGroupWnd)(cWindow* lpStageWnd) = nullptr;
  // The palette windows follow the stage window: the layer shown checks their tool buttons, an
  // entry edited from a palette becomes the layer's brush again, a resized stage moves their
  // scroll bars.
  void (*pfnCheckPaletteToolButtons)(int32_t nLayer) = nullptr;
  void (*pfnRefreshBrushOfLayer)(int32_t nLayer) = nullptr;
  void (*pfnUpdatePaletteScrollBars)() = nullptr;
  // The data sheet of the layer's element that the edit target points at.
  void (*pfnOpenCellSheet)(int32_t nLayer, cWindow* lpOpener) = nullptr;
  // The project's editors: the database, the world map (kept in the opener's slot), the system
  // settings, the project options and the bitmap tool.
  void (*pfnOpenDatabaseSheet)(cWindow* lpOwner) = nullptr;
  void (*pfnOpenWorldMapWnd)(cWindow* lpStageWnd, cDialog** ppSlot) = nullptr;
  void (*pfnOpenSystemSheet)(cWindow* lpOwner) = nullptr;
  void (*pfnOpenPrjOptionSheet)(cWindow* lpOwner) = nullptr;
  void (*pfnOpenBmpConvDlg)(cWindow* lpOwner) = nullptr;
};

const cEditorLinks& EditorLinks();
// Installs the links; returns those it replaces.
cEditorLinks SetEditorLinks(const cEditorLinks& Links);

// Calls a link, or gives what a missing one stands for: nothing, no window.
template <class R, class... P, class... A>
R CallLink(R (*pfn)(P...), A&&... args) {
  if (!pfn) return R();
  return pfn(std::forward<A>(args)...);
}
