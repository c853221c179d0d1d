// Row texts of the flow list and of the key-condition list of the flow page.
#pragma once

#include <string>

#include "model/Flow.h"

// "×%d %s %s": the number of commands, the group and the ID, e.g. "×3 - A".
void FlowListText(std::string& line, int nRow, const cEdFlow& flow);

// The press-time window ("1～∞" or "min～max") and the pressed keys joined by the judgement's mark;
// released keys and keys not looked at are not shown.
void KeyCondListText(std::string& line, int nRow, const cEdKeyCond& key);
