// Page "3" of the system settings: what the hero carries over to the next stage, the system
// sound effects with browse and test buttons, the music of four scenes with a test button, and
// the bitmap format.
#pragma once

#include "project/SysPage.h"

class cSysSoundPage : public cSysPage<cSysSoundPage> {
 public:
  cSysSoundPage(cWindow* lpOwner, cWindowList* lpWindowList);

  void UpdateEnable() override;
  void OnPageCommand(WPARAM wParam) override;

  // Line 0 "なし", line i the music record i: the items of the four music lists.
  cItemVector m_vBgmNames;

 private:
  void PlayMusic(int nRow);
  void BrowseSound(int nRow);
  void PlaySe(int nRow);
};
