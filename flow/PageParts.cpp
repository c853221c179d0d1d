#include "flow/PageParts.h"

cListCtrlBase* PopupListMenu(cWindow& Wnd, std::initializer_list<cListCtrlBase*> Lists, LPARAM lParam) {
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  for (cListCtrlBase* p : Lists) {
    if (!p->m_hPopupMenu || !p->SelectAtPoint(pt)) continue;
    Wnd.m_ptCursor = pt;
    Wnd.PopupMenu(p->m_hPopupMenu);
    return p;
  }
  return nullptr;
}
