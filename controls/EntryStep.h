// Stepping a data page over the entries of its palette copy, and the "No." text of the entry it
// edits: the pages of the data sheets and the flow editor's pages in them step alike.
#pragma once

#include <cstdint>

#include "app/Control.h"
#include "app/Dialog.h"
#include "app/Window.h"
#include "base/ChkContainer.h"

// The control reads "No.<number>".
void SetEntryNoText(cControl& Ctrl, int32_t nNumber);

// Stores the page into entry nNo of its palette copy, steps nNo by nStep inside the author's
// entries 1 .. count - 1 (wrapping; entry 0 is never reached), points the edit target at the new
// entry, has the page load it (fnLoad (record)), shows it, updates the "No." control when one is
// given and redraws the page. The page's working record is what its controls are bound to.
// A palette without author entries only stores the page.
template <class T, class F>
void StepEditRecord(T*& lpTarget, int32_t& nNo, int32_t nStep, cDialog& Page, T& Working,
                    cChkVector<T>& vPalette, F fnLoad, cControl* lpNoCtrl) {
  Page.CtrlsToData();
  const int32_t nCount = static_cast<int32_t>(vPalette.size());
  if (nNo >= 0 && nNo < nCount) vPalette[nNo] = Working;
  if (nCount < 2) return;
  WrapAdd(nNo, nStep, 1, nCount - 1);
  // A number that was outside the author's entries comes back inside them.
  Clamp(nNo, 1, nCount - 1);
  lpTarget = &vPalette[nNo];
  fnLoad(*lpTarget);
  Page.DataToCtrls();
  if (lpNoCtrl) SetEntryNoText(*lpNoCtrl, nNo);
  Page.Draw();
}
