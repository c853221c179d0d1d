// Page "4" of the system settings: the game's status window, the title, world-map and option
// menus, and the names of the four kinds of ranking registration.
#pragma once

#include "project/SysPage.h"

class cSysStatusPage : public cSysPage<cSysStatusPage> {
 public:
  cSysStatusPage(cWindow* lpOwner, cWindowList* lpWindowList);

  void UpdateEnable() override;

  // The items of the two bar-unit lists: an absolute value (blank) or percent.
  cItemVector m_vUnits;
};
