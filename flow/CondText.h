// The one-line text of a condition, shown by every condition list (appearance conditions, a flow's
// basic conditions, the conditions of "フローの操作"), and the subject words of the status
// conditions.
#pragma once

#include <string>

#include "base/ChkContainer.h"
#include "flow/FlowTextContext.h"
#include "model/Cond.h"

// The subject words of the status conditions: "自分" or "主人公" first, as the current data sheet
// decides (the hero's when none is current), then "ターゲット1" to "ターゲット4", and "システム" when
// asked for.
void MakeTargetNameList(cChkVector<std::string>& v, bool bSystem, const cFlowTextContext& ctx);

// The line of one condition: its kind's name and the kind's details.
void FormatCondLine(std::string& line, const cCond& cond, const cFlowTextContext& ctx);

// The row-text callback of the condition lists (the row is not used): the line in the context that
// the installed context function gives (SetFlowTextContextFn).
void FormatCondText(std::string& line, int nRow, const cCond& cond);
