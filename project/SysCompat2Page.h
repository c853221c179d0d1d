// Page "8" of the system settings: the further compatibility switches.
#pragma once

#include "project/SysPage.h"

class cSysCompat2Page : public cSysPage<cSysCompat2Page> {
 public:
  cSysCompat2Page(cWindow* lpOwner, cWindowList* lpWindowList);
};
