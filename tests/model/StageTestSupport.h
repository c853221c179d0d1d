// Shared by the stage tests.
#pragma once

#include "model/Chara.h"

// A placed character: the player (control 0) or a computer character, told apart by its HP.
inline cEdChara PlacedChara(int nControl, int nMark) {
  cEdChara c;
  c.m_nGraphic = 7;
  c.m_nControl = static_cast<int8_t>(nControl);
  c.m_nHp = nMark;
  return c;
}
