// What the flow page and the item acquisition page do alike: the entry's picture and the popup
// menu of the list under a right click.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <initializer_list>

#include "app/Dialog.h"
#include "app/PropSheet.h"
#include "app/Surface.h"
#include "app/BitmapCtrl.h"
#include "controls/ListCtrl.h"
#include "controls/GraphicDraw.h"

// The record's graphic at the picture's top left, on black.
template <class T>
void DrawEntryPreview(cBitmapCtrl& Pic, const T& rec) {
  if (!Pic.m_hWnd || !Pic.m_Window.m_hDC || !Pic.m_Surface.m_hDC) return;
  cSurface& s = Pic.m_Surface;
  s.Fill(RGB(0, 0, 0));
  DrawEntryGraphic(s, 0, 0, rec, 0);
  Pic.m_Window.Blt(0, 0, s.m_nWidth, s.m_nHeight, s, 0, 0, 1);
}

// WM_CONTEXTMENU (lParam the screen point): the first list with a row under the point selects it
// and pops up its menu over the window; that list, or null.
cListCtrlBase* PopupListMenu(cWindow& Wnd, std::initializer_list<cListCtrlBase*> Lists, LPARAM lParam);

// The sheet's notifications to a data page (WM_NOTIFY, lParam): leaving the page stores its
// controls and hands its working copy to fnShare; showing it runs fnShow. 1 when it was either.
// OK, 適用 and cancel are passed on to the sheet's first page when the sheet never made it.
template <class R, class F>
int HandlePageNotify(cDialog& Page, LPARAM lParam, R& Work, const std::function<void(const R&)>& fnShare, F&& fnShow) {
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (!pHdr || !Page.m_bInit) return 0;
  if (Page.m_lpSheet && pHdr->hwndFrom == Page.m_hSheetWnd) Page.m_lpSheet->PassEndToFirstPage(&Page, pHdr->code);
  if (pHdr->code == static_cast<UINT>(PSN_KILLACTIVE)) {
    Page.CtrlsToData();
    if (fnShare) fnShare(Work);
    SetWindowLongPtrA(Page.m_hWnd, DWLP_MSGRESULT, FALSE);
    return 1;
  }
  if (pHdr->code != static_cast<UINT>(PSN_SETACTIVE)) return 0;
  fnShow();
  SetWindowLongPtrA(Page.m_hWnd, DWLP_MSGRESULT, 0);
  return 1;
}
