// Resource ids of the palette windows: their template, menu bar, popup menu and the commands of
// their toolbar.
#pragma once

#define IDD_PALETTE 103
#define IDR_PALETTE_MENU 168
#define IDR_PALETTE_POPUP 179
#define IDC_PALETTE_STATUS 1
#define IDC_PALETTE_TOOLBAR 122
#define IDC_PALETTE_VIEW 1006
#define IDC_PALETTE_VSCROLL 1009

#define ID_TOOL_PEN 40044
#define ID_TOOL_LINE 40045
#define ID_TOOL_RECT 40046
#define ID_TOOL_FILL 40047
#define ID_TOOL_PARAM 40087
#define ID_PALETTE_DATA_COUNT 40088
#define ID_PALETTE_DATA_MOVE 40089
#define ID_RCLICK_EDIT 40139
#define ID_RCLICK_MENU 40140
