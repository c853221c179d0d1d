// Page 2 of the character data sheet: how the character looks (graphic, anime set, Z order,
// transparency, character effects, mark) and its state flags (fixed direction, flight,
// invincibility, block, giant size, auto-scroll synchronisation, sight), with two previews.
#pragma once

#include "palette/RecordPage.h"

class cCharaViewPage : public cRecordPage<cCharaKind, cCharaViewPage> {
 public:
  cCharaViewPage(cWindow* lpParent, cWindowList* lpWindowList);

  cItemVector m_vAnimeSetNames;
  cItemVector m_vCharaEffectNames;

 protected:
  void BindFields(cEdChara& w, cCtrlSet& c) override;
  cEdChara PreviewRecord() override;

 private:
  void OnSight();
};
