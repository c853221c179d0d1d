// The one-line text of a command, as the command lists of the flow page and of the item
// acquisition page show it: a timing prefix, " ◆ ", the kind's name, " ◆" and a summary of the
// kind's settings, e.g. "10 ◆ ウエイト ◆" or "P-?" for a parallel jump.
//
// Prefixes: "%d" of the time (tenths of a second), "P-" before it for a parallel command; "%d(%d)"
// of 0 and a total (animations, effects, timed messages); "%0.1lf?" for a time the editor can only
// estimate (moves given by speed and distance); "?" and "P-0(∞)" for waits on the player.
#pragma once

#include <string>

#include "flow/FlowTextContext.h"
#include "model/Command.h"
#include "model/CommandKindTable.h"

// A formatter: replaces the line by the text of the command.
typedef void (*CmdTextFn)(std::string& line, const cEdCommand& cmd, const cFlowTextContext& ctx);

// The formatter of a character kind, or null for kind 0 and kinds outside the table.
CmdTextFn CharaCmdTextFn(int nKind);
// The formatter of an item kind: "フローの変更" for kind 1, the formatter of character kind k + 15
// for kind k (2 to 24), null otherwise.
CmdTextFn ItemCmdTextFn(int nKind);

// The line of a command by its numbering and kind; empty for a kind without a formatter.
void FormatCmdLine(std::string& line, const cEdCommand& cmd, const cFlowTextContext& ctx);

// The row-text callback of the command lists (the row is not used): the line in the context that
// the installed context function gives (SetFlowTextContextFn).
void CmdListText(std::string& line, int nRow, const cEdCommand& cmd);
