// Page 2 of the character data sheet: how the character looks (graphic, anime set, Z order,
// transparency, character effects, mark) and its state flags (fixed direction, flight,
// invincibility, block, giant size, auto-scroll synchronisation, sight), with two previews.
#pragma once

#include "palette/RecordPage.h"

class cCharaViewPage : public cRecordPage<cEdChara, cCharaViewPage> {
 public:
  cCharaViewPage(cWindow* lpParent, cWindowList* lpWindowList);

  void SetupCtrls(const cEdChara* lpRec) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void DrawPreviews() override;

  cItemVector m_vAnimeSetNames;
  cItemVector m_vCharaEffectNames;

 protected:
  void OnSetActive() override;
  void AfterInheritClick() override;

 private:
  // The 14 boxes can be ticked only while the character inherits from somewhere.
  void RefreshChecks();
  void EnableComputerSets() { EnableComputerOnly(m_Work.m_nControl != 0); }
  void OnGraphicKind();
  void OnMarkShow();
  void OnSight();
  void OnStep(int32_t nStep);
};
