// The context that the editors' lists give the command and condition texts: the project's own
// database, palettes and variable names as they are at the moment of the redraw, and the data
// sheet whose lists redraw (the reason it sits with the sheets, above the flow editor).
#pragma once

#include "flow/FlowTextContext.h"

void FillLiveFlowTextContext(cFlowTextContext& ctx);
