// Page 3 of the character data sheet: abilities (hit and skill points, body hits, defence, impact
// resistance, inertia), the behaviour condition (range and group) and the rewards (score, the item
// placed on the character's cell), with a preview.
#pragma once

#include "palette/RecordPage.h"

class cCharaAbilityPage : public cRecordPage<cEdChara, cCharaAbilityPage> {
 public:
  cCharaAbilityPage(cWindow* lpParent, cWindowList* lpWindowList);

  void SetupCtrls(const cEdChara* lpRec) override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  void DrawPreviews() override;

  cItemVector m_vEffectNames;

 protected:
  void OnSetActive() override;
  void AfterInheritClick() override;

 private:
  void RefreshChecks();
  void EnableComputerSets() { EnableComputerOnly(m_Work.m_nControl != 0); }
  void OnGroupFlag();
  void OnStep(int32_t nStep);
};
