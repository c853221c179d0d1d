// Resource ids of the command palettes and of the command dialogs built so far. The kind buttons
// of the palettes are numbered in the palettes' own tables (CmdPaletteDlg).
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_CMD_PALETTE 205
#define IDD_CMD_WAIT 207
#define IDD_ITEM_CMD_PALETTE 216
#define IDD_CMD_ITEM_FLOW 217

// Shared by every command dialog.
#define IDC_CMD_OK 1000
#define IDC_CMD_CANCEL 1001
#define IDC_CMD_VIEW 1075

// "ウエイト".
#define IDC_CMD_TIME 1113
#define IDC_CMD_TIME_SPIN 1114
#define IDC_CMD_TIME_CLONE 1115
#define IDC_CMD_TIME_CLONE_SPIN 1116
#define IDC_CMD_PARALLEL 1117

// "フローの変更".
#define IDC_IF_OP 1178
#define IDC_IF_ID 1096
#define IDC_IF_FLOWS 1179
