#include "model/StageRecords.h"

void cEdAutoVanish::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  reg.AddInt(&m_bLeft);
  if (nVersion >= 125) {
    reg.AddInt(&m_bRight);
    reg.AddInt(&m_bTop);
    reg.AddInt(&m_bBottom);
  }
  reg.AddInt(&m_nLeft);
  reg.AddInt(&m_nRight);
  reg.AddInt(&m_nTop);
  reg.AddInt(&m_nBottom);
}

void cEdAutoVanish::Set(int32_t bOn, int32_t nMargin) {
  m_bLeft = m_bRight = m_bTop = m_bBottom = bOn;
  m_nLeft = m_nRight = m_nTop = m_nBottom = nMargin;
}

void cEdBackground::SetDefault() {
  Clear();
  m_bShowAtStart = 1;
  m_nColor = 16;
  m_dScrollX = 0.1;
  m_dScrollY = 0.1;
}

void cEdBackground::RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const {
  if (nVersion >= 62) reg.AddInt(&m_bShowAtStart);
  reg.AddInt(&m_bUseColor);
  reg.AddInt(&m_nColor);
  reg.AddInt(&m_bFront);
  if (nVersion >= 61) {
    reg.AddDouble(&m_dScrollX);
    reg.AddDouble(&m_dScrollY);
    reg.AddInt(&m_bAutoScrollX);
    reg.AddInt(&m_bAutoScrollY);
  } else {
    reg.AddInt(&m_anDiscarded[0]);
    reg.AddInt(&m_anDiscarded[1]);
  }
  reg.AddString(&m_strImage);
  if (nVersion >= 62) {
    reg.AddDouble(&m_dReserve1);
    reg.AddDouble(&m_dReserve2);
  } else if (nVersion == 61) {
    reg.AddInt(&m_anDiscarded[0]);
    reg.AddInt(&m_anDiscarded[1]);
  }
}
