// Page "7" of the system settings: the first compatibility switches, each making the game repeat
// one behaviour of an older version.
#pragma once

#include "project/SysPage.h"

class cSysCompatPage : public cSysPage<cSysCompatPage> {
 public:
  cSysCompatPage(cWindow* lpOwner, cWindowList* lpWindowList);
};
