// The small records a stage holds besides its cells: the automatic vanishing of objects that leave
// the screen, and the background layers.
#pragma once

#include <cstdint>
#include <string>

#include "model/DataRecord.h"

// An object of one kind vanishes when it is further off the screen than a margin, per edge.
class cEdAutoVanish : public cDataRecord {
 public:
  int32_t m_bLeft = 0;
  int32_t m_bRight = 0;   // from version 125
  int32_t m_bTop = 0;     // from version 125
  int32_t m_bBottom = 0;  // from version 125
  int32_t m_nLeft = 0;    // margins in cells
  int32_t m_nRight = 0;
  int32_t m_nTop = 0;
  int32_t m_nBottom = 0;

  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  // All four edges with one margin.
  void Set(int32_t bOn, int32_t nMargin);

  bool operator==(const cEdAutoVanish& o) const { return IsEqual(*this, o) != 0; }
  bool operator!=(const cEdAutoVanish& o) const { return !(*this == o); }
};

// One background layer: a plain colour or an image, scrolled at its own speed.
class cEdBackground : public cDataRecord {
 public:
  std::string m_strImage;  // bitmap path
  double m_dScrollX;       // from version 61
  double m_dScrollY;
  double m_dReserve1;  // from version 62; stored and copied, never edited
  double m_dReserve2;
  int32_t m_bShowAtStart;  // from version 62
  int32_t m_bUseColor;     // 1: a colour layer
  int32_t m_nColor;        // palette colour 16-207
  int32_t m_bFront;        // drawn in front of the characters
  int32_t m_bAutoScrollX;  // from version 61
  int32_t m_bAutoScrollY;

  cEdBackground() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;

  bool operator==(const cEdBackground& o) const { return IsEqual(*this, o) != 0; }
  bool operator!=(const cEdBackground& o) const { return !(*this == o); }

 private:
  // Older files hold two 32-bit values here that no version uses: before version 61 in place of
  // the scroll speeds, in version 61 in place of the reserved values.
  int32_t m_anDiscarded[2] = {};
};
