// The settings that the command "アレンジ" may vary in the command after it: per character command
// kind, the numeric settings with a caption and the range of their values. A kind with no entries
// cannot be arranged. Built once by the start-up routine.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"

struct cArrangeParamInfo {
  std::string m_strCaption;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
};

// Indexed by character command kind (also for item commands), then by the setting's index.
extern cChkVector<cChkVector<cArrangeParamInfo>> ArrangeParamTable;
void BuildArrangeParamTable();
