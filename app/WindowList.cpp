#include "app/WindowList.h"

#include <algorithm>

#include "app/PropSheet.h"
#include "app/Window.h"

// Every walk below runs over a copy of the list and skips entries that have left it meanwhile:
// the calls it makes (commands from accelerators, dialog messages, per-frame steps, activation
// messages) may unregister or delete windows and sheets.

void cWindowList::AddWindow(cWindow* lpWindow) {
  if (!HasWindow(lpWindow)) m_vWindows.push_back(lpWindow);
}

bool cWindowList::RemoveWindow(void* lpRegistered) {
  auto it = std::find(m_vWindows.begin(), m_vWindows.end(), lpRegistered);
  if (it == m_vWindows.end()) return false;
  m_vWindows.erase(it);
  return true;
}

bool cWindowList::HasWindow(const void* lpWindow) const {
  return std::find(m_vWindows.begin(), m_vWindows.end(), lpWindow) != m_vWindows.end();
}

bool cWindowList::RemoveSheet(const void* lpRegistered) {
  for (auto it = m_vSheets.begin(); it != m_vSheets.end(); ++it) {
    if (it->lpSheet == lpRegistered) {
      m_vSheets.erase(it);
      return true;
    }
  }
  return false;
}

bool cWindowList::HasSheet(const cPropSheet* lpSheet) const {
  for (const cSheetEntry& e : m_vSheets)
    if (e.lpSheet == lpSheet) return true;
  return false;
}

bool cWindowList::TranslateAccel(MSG* pMsg) {
  HWND hActive = GetActiveWindow();
  if (!hActive) return false;
  std::vector<cWindow*> vSnapshot = m_vWindows;
  for (cWindow* w : vSnapshot) {
    if (!HasWindow(w) || !w->m_hWnd) continue;
    bool bActive;
    if (w->m_nKind == cWindow::KIND_PAGE)
      bActive = w->m_hSheetWnd == hActive &&
                reinterpret_cast<HWND>(SendMessageA(hActive, PSM_GETCURRENTPAGEHWND, 0, 0)) == w->m_hWnd;
    else
      bActive = w->m_hWnd == hActive;
    if (!bActive) continue;
    std::vector<cAccelEntry> vAccels = w->m_vAccels;
    for (const cAccelEntry& e : vAccels) {
      if (!e.hAccel) continue;
      if (e.hTarget != w->m_hWnd && GetFocus() != e.hTarget) continue;
      if (TranslateAcceleratorW(w->m_hWnd, e.hAccel, pMsg)) return true;
      // The command may have taken the window away.
      if (!HasWindow(w)) break;
    }
  }
  return false;
}

void cWindowList::ReapClosedSheets() {
  std::vector<cSheetEntry> vSnapshot = m_vSheets;
  for (const cSheetEntry& s : vSnapshot) {
    if (!HasSheet(s.lpSheet) || !s.lpSheet->m_hSheet) continue;
    if (SendMessageA(s.lpSheet->m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) continue;
    // The user closed it: the owner's pointer goes before the object, so nothing reached from
    // the destructors can find a half-deleted sheet.
    cPropSheet* lpSheet = s.lpSheet;
    lpSheet->DestroySheetWindow();
    for (const cSheetEntry& e : m_vSheets)
      if (e.lpSheet == lpSheet) {
        e.ClearOwnerSlot();
        break;
      }
    delete lpSheet;
  }
}

bool cWindowList::PreTranslate(MSG* pMsg) {
  // A sheet closed since the last message goes first; the message itself is still handled.
  ReapClosedSheets();
  if (TranslateAccel(pMsg)) return true;
  std::vector<cWindow*> vWindows = m_vWindows;
  for (cWindow* w : vWindows) {
    if (!HasWindow(w) || !w->m_hWnd) continue;
    if (IsDialogMessageW(w->m_hWnd, pMsg)) return true;
  }
  std::vector<cSheetEntry> vSheets = m_vSheets;
  for (const cSheetEntry& s : vSheets) {
    if (!HasSheet(s.lpSheet) || !s.lpSheet->m_hSheet) continue;
    if (SendMessageA(s.lpSheet->m_hSheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)))
      return true;
  }
  return false;
}

void cWindowList::ShowAll(int32_t bShow) {
  int nCmd = bShow ? SW_SHOW : SW_HIDE;
  std::vector<cWindow*> vWindows = m_vWindows;
  for (cWindow* w : vWindows) {
    // A page goes with its sheet; showing it by itself would lay it over the sheet's current page.
    if (!HasWindow(w) || !w->m_hWnd || w->m_nKind == cWindow::KIND_PAGE) continue;
    ShowWindow(w->m_hWnd, nCmd);
  }
  std::vector<cSheetEntry> vSheets = m_vSheets;
  for (const cSheetEntry& s : vSheets) {
    if (!HasSheet(s.lpSheet) || !s.lpSheet->m_hSheet) continue;
    ShowWindow(s.lpSheet->m_hSheet, nCmd);
  }
}

void cWindowList::EnableAll(int32_t bEnable) {
  std::vector<cWindow*> vWindows = m_vWindows;
  for (cWindow* w : vWindows) {
    if (!HasWindow(w) || !w->m_hWnd) continue;
    w->Enable(bEnable);
  }
  std::vector<cSheetEntry> vSheets = m_vSheets;
  for (const cSheetEntry& s : vSheets) {
    if (!HasSheet(s.lpSheet) || !s.lpSheet->m_hSheet) continue;
    if (bEnable)
      s.lpSheet->ClearStyleBits(WS_DISABLED);
    else
      s.lpSheet->SetStyleBits(WS_DISABLED);
  }
}

void cWindowList::FrameAll() {
  std::vector<cWindow*> vWindows = m_vWindows;
  for (cWindow* w : vWindows)
    if (HasWindow(w)) w->Frame();
}
