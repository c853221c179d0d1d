// Page "1" of the system settings: the game's title, its text font with a sample, and the
// general switches.
#pragma once

#include "project/SysPage.h"

class cSysGeneralPage : public cSysPage<cSysGeneralPage> {
 public:
  // The font sample's size in dots.
  enum { SAMPLE_W = 430, SAMPLE_H = 19 };

  cSysGeneralPage(cWindow* lpOwner, cWindowList* lpWindowList);

  void UpdateEnable() override;
  // Draws the sample text in the font the list shows, before any commit.
  void Draw() override;
};
