// The parameter edits of the movement, shot and summon dialogs that follow a formation or a
// movement type.
#pragma once

#include <cstdint>

#include "flow/CmdDlg.h"
#include "model/MoveShot.h"

// The three parameter edits whose captions, ranges and defaults follow a formation or a movement
// type: for each edit with its static, the static shows the caption; an edit with a caption is
// enabled and held to the record's range, one without is disabled. When the choice changed from
// an earlier one (nLast not -1), the edits take the defaults. nLast becomes the choice.
void SetUpParamEdits(cBoundCmdDlg& Dlg, const uint32_t (&anEdit)[3], const uint32_t (&anStatic)[3],
                     const cEffectParamInfo* pParams, int32_t nChoice, int32_t nCount, int8_t& nLast);
