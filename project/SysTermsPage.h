// Page "5" of the system settings: the terms and short texts the game shows.
#pragma once

#include "project/SysPage.h"

class cSysTermsPage : public cSysPage<cSysTermsPage> {
 public:
  cSysTermsPage(cWindow* lpOwner, cWindowList* lpWindowList);
};
