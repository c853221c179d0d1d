// Page "2" of the system settings: the story, challenge and free modes (initial lives, ranking
// and the mode switches) and the single-stage test play.
#pragma once

#include "project/SysPage.h"

class cSysModePage : public cSysPage<cSysModePage> {
 public:
  cSysModePage(cWindow* lpOwner, cWindowList* lpWindowList);

  void UpdateEnable() override;
};
