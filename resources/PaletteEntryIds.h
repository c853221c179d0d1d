// Resource ids of what the palette windows open for their entries: the entry popup menu's
// commands, the data-move dialog, the graphic picker and the character group window.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// The popup menu itself is IDR_PALETTE_POPUP (PaletteIds.h).
#define ID_ENTRY_EDIT 40141
#define ID_ENTRY_CUT 40142
#define ID_ENTRY_COPY 40143
#define ID_ENTRY_PASTE 40144
#define ID_ENTRY_DELETE 40145
#define ID_ENTRY_INSERT_NEW 40146
#define ID_ENTRY_INSERT_COPIED 40147
#define ID_ENTRY_APPEND_COPIED 40151
#define ID_ENTRY_APPEND_NEW 40152

#define IDD_DATA_MOVE 138
#define IDC_MOVE_OK 1000
#define IDC_MOVE_CANCEL 1001
#define IDC_MOVE_TO 1004
#define IDC_MOVE_TARGET 1005
#define IDC_MOVE_VIEW 1006
#define IDC_MOVE_TO_SPIN 1012
#define IDC_MOVE_TARGET_SPIN 1013
#define IDC_MOVE_FROM 1038
#define IDC_MOVE_FROM_SPIN 1039
#define IDC_MOVE_OPERATION 1040

#define IDD_CHARA_GROUP 271
// Group 0's button; groups 1 to 40 are 1413 to 1452, groups 41 to 59 are 1454 to 1472.
#define IDC_GROUP_0 1453
#define IDC_GROUP_1 1413
#define IDC_GROUP_41 1454

#define IDD_GRAPHIC_PICK 276
#define IDC_PICK_VIEW 1006
