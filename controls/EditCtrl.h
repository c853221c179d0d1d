// The edit-box base of the value edit and the string edit.
#pragma once

#include <cstdint>

#include "app/Control.h"

class cEditCtrl : public cControl {
 public:
  enum { SUB_VALUE = 1, SUB_STRING = 2 };
  int32_t m_nSubKind = 0;
};
