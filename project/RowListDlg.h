// What the dialogs that edit a list of rows beside the controls of the current row share (the
// patterns of an anime in the database sheet, the pages of a world map event): the list's own
// commands, the right click over the list, and storing the row's controls.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Dialog.h"

// "挿入", "削除", a row chosen, the list's keys and popup items; after any of them the other
// controls show the current row.
template <class L>
void RunRowListCommand(cDialog& Dlg, L& list, WPARAM wParam, uint16_t wListId, uint16_t wInsertId,
                       uint16_t wDeleteId) {
  const WORD wId = LOWORD(wParam), wCode = HIWORD(wParam);
  bool bRefresh = true;
  if (wCode == BN_CLICKED && wId == wInsertId)
    list.Insert();
  else if (wCode == BN_CLICKED && wId == wDeleteId)
    list.Delete(-1, 0);
  else if (wId == wListId && wCode == LBN_SELCHANGE)
    list.OnSelChange();
  else
    bRefresh = false;
  if (list.OnAccelKey(wParam) || list.OnPopupCommand(wParam)) {
    list.Redraw();
    bRefresh = true;
  }
  if (bRefresh) Dlg.UpdateCtrlsExcept(wListId, &list);
}

// WM_CONTEXTMENU over the list: the row under the pointer becomes the current one, the other
// controls show it and the list's popup menu opens. False when the click was not over the list.
template <class L>
bool PopupRowMenu(cDialog& Dlg, L& list, uint16_t wListId, WPARAM wParam, LPARAM lParam) {
  if (!Dlg.m_bInit || reinterpret_cast<HWND>(wParam) != list.m_hWnd) return false;
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (list.SelectAtPoint(pt)) {
    Dlg.UpdateCtrlsExcept(wListId, &list);
    Dlg.PopupMenu(list.m_hPopupMenu);
  }
  return true;
}

// Every bound control but the list stores into the current row.
inline void StoreRowCtrls(cDialog& Dlg, const cControl* lpList) {
  for (cControl* c : Dlg.m_vCtrls)
    if (c != lpList) c->CtrlToData();
}
