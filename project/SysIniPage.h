// Page "6" of the system settings: the keys of the game's "System.ini" with the defaults the game
// uses when a key is missing, and the colour depths that full screen uses for depth 0.
#pragma once

#include "project/SysPage.h"

class cSysIniPage : public cSysPage<cSysIniPage> {
 public:
  cSysIniPage(cWindow* lpOwner, cWindowList* lpWindowList);

  // A row whose stored kind has no default control has its edit and spin switched off.
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
};
