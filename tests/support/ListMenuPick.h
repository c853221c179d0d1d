// Choosing an item of a list's popup menu as the author does: a right click on a row through the
// system's mouse, then the arrow keys and Enter in the menu that opens.
#pragma once

#include <windows.h>

#include "support/TestSupport.h"

class cListMenuPick {
 public:
  // Right-clicks row nRow of the list box (its top-level window is made the active one first) and,
  // once the menu is up, walks down to the item with the command id and presses Enter. True when
  // the menu came up and closed again; the command it sent has been handled by then.
  static bool Pick(HWND hList, int nRow, HMENU hMenu, UINT wId) {
    s_nPresses = DownPressesTo(hMenu, wId);
    if (!s_nPresses) return false;
    if (!Activate(GetAncestor(hList, GA_ROOT))) return false;
    RECT rc;
    if (SendMessageA(hList, LB_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rc)) == LB_ERR)
      return false;
    POINT pt = {rc.left + 8, (rc.top + rc.bottom) / 2};
    ClientToScreen(hList, &pt);
    SetCursorPos(pt.x, pt.y);
    s_bSent = false;
    const UINT_PTR nTimer = SetTimer(nullptr, 0, 10, &cListMenuPick::Tick);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, in, sizeof(INPUT));
    // The menu runs its own loop inside the right click's handling; the timer picks in there.
    const bool bOk = PumpUntil([] { return s_bSent && !MenuUp(); });
    KillTimer(nullptr, nTimer);
    DrainMessages();
    return bOk;
  }

 private:
  // The first Down in a menu opened without a highlighted item lands on its first item; the
  // separators are passed over.
  static int DownPressesTo(HMENU hMenu, UINT wId) {
    int nPresses = 0;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
      MENUITEMINFOA mi = {};
      mi.cbSize = sizeof mi;
      mi.fMask = MIIM_FTYPE | MIIM_ID;
      if (!GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &mi) || (mi.fType & MFT_SEPARATOR)) continue;
      ++nPresses;
      if (mi.wID == wId) return nPresses;
    }
    return 0;
  }
  static bool MenuUp() {
    HWND h = FindWindowA("#32768", nullptr);
    return h && IsWindowVisible(h);
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD) {
    if (s_bSent || !MenuUp()) return;
    KillTimer(nullptr, nTimer);
    for (int i = 0; i < s_nPresses; ++i) InjectKey(VK_DOWN);
    InjectKey(VK_RETURN);
    s_bSent = true;
  }
  static inline int s_nPresses = 0;
  static inline bool s_bSent = false;
};
