// Upgrade steps that several palette records share.
#pragma once

#include <cstdint>

#include "base/ChkContainer.h"

// Files below version 219 numbered the shot sheet's graphics from 0; the sheet holds 119 of them.
inline void RaiseShotGraphic(int8_t nSheet, int16_t& nGraphic) {
  if (nSheet != 3) return;
  int32_t n = nGraphic + 1;
  nGraphic = static_cast<int16_t>(n > 119 ? 119 : n);
}

// A field group that a version inserted at index nPos: the vector is first brought to the full
// group count (new flags 0), the flags from nPos on move up one place (the last falls off), and the
// new flag gets the given value. An older file holds fewer flags, so the move takes up one of the
// flags the resizing added.
template <class V>
void InsertInheritFlag(V& v, size_t nGroups, size_t nPos, uint8_t bValue) {
  v.resize(nGroups, 0);
  if (nPos >= nGroups) return;
  for (size_t i = nGroups - 1; i > nPos; --i) v.data()[i] = v.data()[i - 1];
  v.data()[nPos] = bValue;
}
