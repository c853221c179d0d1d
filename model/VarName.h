// The name of a variable: the stage holds one per stage variable, the project one per common
// variable.
#pragma once

#include <string>

#include "model/DataRecord.h"

class cEdVarName : public cDataRecord {
 public:
  std::string m_strName;

  void RegisterFields(cFieldRegistrar& reg, int32_t) const override { reg.AddString(&m_strName); }
  bool operator==(const cEdVarName& o) const { return m_strName == o.m_strName; }
  bool operator!=(const cEdVarName& o) const { return !(*this == o); }
};
