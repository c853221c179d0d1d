// The flows that the flow page edits when an item's "フローの変更" command opens it on its own, and
// the operation and ID chosen in that command's dialog. The flow-change dialog sets the flows while
// the page runs and clears them afterwards; the operation and the ID keep their last values.
#pragma once

#include <cstdint>

#include "model/Flow.h"

struct cStandaloneFlowEdit {
  cChkVector<cEdFlow>* m_pvFlow = nullptr;  // null while no standalone flow page runs
  int32_t m_nOperation = 0;                 // ItemFlowOpNames
  int32_t m_nId = 0;
};

extern cStandaloneFlowEdit StandaloneFlowEdit;
