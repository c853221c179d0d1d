// Page 3 of the character data sheet: abilities (hit and skill points, body hits, defence, impact
// resistance, inertia), the behaviour condition (range and group) and the rewards (score, the item
// placed on the character's cell), with a preview.
#pragma once

#include "palette/RecordPage.h"

class cCharaAbilityPage : public cRecordPage<cCharaKind, cCharaAbilityPage> {
 public:
  cCharaAbilityPage(cWindow* lpParent, cWindowList* lpWindowList);

  cItemVector m_vEffectNames;

 protected:
  void BindFields(cEdChara& w, cCtrlSet& c) override;

 private:
  void OnGroupFlag();
};
