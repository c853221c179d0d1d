// The lists of the flow page: the flows, their key conditions and their commands (the condition
// list is cCondListCtrl), with the keys and menu items each answers to and the clipboards they keep
// while no flow page is open. The command list also serves the item acquisition page's effect list.
#pragma once

#include "controls/ListCtrl.h"
#include "model/Flow.h"

typedef cListCtrl<cEdFlow> cFlowListCtrl;
typedef cListCtrl<cEdKeyCond> cKeyCondListCtrl;
typedef cListCtrl<cEdCommand> cCmdListCtrl;

typedef cChkVector<cEdFlow> cFlowVector;
typedef cChkVector<cEdKeyCond> cKeyCondVector;
typedef cChkVector<cEdCommand> cCmdVector;

// What was cut or copied in a flow page stays for the next one opened, also for another character
// or an item's own flow page; the item effect lists keep theirs apart. All start empty.
extern cFlowVector FlowClipboard;
extern cKeyCondVector KeyCondClipboard;
extern cCmdVector CmdClipboard;
extern cCmdVector ItemCmdClipboard;

enum { MAX_FLOWS = 999, MAX_KEY_CONDS = 99, MAX_CMDS = 999 };

// The keys and popup items of each list, once it is attached. The flow list inserts by itself; the
// key-condition and command lists leave inserting to their page, which opens the element's dialog
// on the new element.
void SetFlowListIds(cFlowListCtrl& List);
void SetKeyCondListIds(cKeyCondListCtrl& List);
void SetCmdListIds(cCmdListCtrl& List);
// The item effect list: the keys and menu of the flow list's table, without its insert.
void SetItemCmdListIds(cCmdListCtrl& List);

// 1 when the command is the paste of the list's key or popup item.
int IsPasteCommand(const cListCtrlBase& List, WPARAM wParam);
