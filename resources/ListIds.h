// Resource ids of the bound lists' keys and popup menus. The editing command ids are shared with
// the stage and palette windows, whose tables carry these keys too; a list acts on one only while
// its list box has the focus. Types 1 to 4 are four id sets, so that lists sharing one window
// never take each other's commands.
#pragma once

// Accelerator tables. REC: record lists (Ctrl+I appends, Delete clears); SUB: sub-lists (Ctrl+I
// inserts, Delete deletes). Table 105 is also the stage window's own.
#define IDR_ACCEL_REC1 105
#define IDR_ACCEL_REC2 106
#define IDR_ACCEL_REC3 107
#define IDR_ACCEL_SUB1 108
#define IDR_ACCEL_SUB3 109
#define IDR_ACCEL_SUB2 110
#define IDR_ACCEL_REC4 111
#define IDR_ACCEL_SUB4 112

// Popup menus; each menu's first sub-menu is the popup.
#define IDR_POPUP_REC1 112
#define IDR_POPUP_REC2 113
#define IDR_POPUP_REC3 114
#define IDR_POPUP_SUB1 115
#define IDR_POPUP_SUB2 116
#define IDR_POPUP_SUB3 117
#define IDR_POPUP_REC4 176
#define IDR_POPUP_SUB4 177

// Command ids of the keys, by type.
#define ID_ACC_CUT_1 40009
#define ID_ACC_COPY_1 40001
#define ID_ACC_PASTE_1 40007
#define ID_ACC_NEW_1 40002
#define ID_ACC_CLEAR_1 40008
#define ID_ACC_INSERT_1 40033
#define ID_ACC_DELETE_1 40032

#define ID_ACC_CUT_2 40019
#define ID_ACC_COPY_2 40012
#define ID_ACC_PASTE_2 40017
#define ID_ACC_NEW_2 40013
#define ID_ACC_CLEAR_2 40018
#define ID_ACC_INSERT_2 40034
#define ID_ACC_DELETE_2 40035

#define ID_ACC_CUT_3 40029
#define ID_ACC_COPY_3 40022
#define ID_ACC_PASTE_3 40027
#define ID_ACC_NEW_3 40023
#define ID_ACC_CLEAR_3 40028
#define ID_ACC_INSERT_3 40036
#define ID_ACC_DELETE_3 40037
// The file and undo keys of the key-condition list's table: nothing acts on them.
#define ID_ACC_N_3 40024
#define ID_ACC_O_3 40025
#define ID_ACC_S_3 40026
#define ID_ACC_Y_3 40030
#define ID_ACC_Z_3 40031

#define ID_ACC_CUT_4 40098
#define ID_ACC_COPY_4 40091
#define ID_ACC_PASTE_4 40096
#define ID_ACC_NEW_4 40092
#define ID_ACC_CLEAR_4 40097
#define ID_ACC_INSERT_4 40101
#define ID_ACC_DELETE_4 40102
// The file and undo keys of the command list's table: nothing acts on them.
#define ID_ACC_N_4 40093
#define ID_ACC_O_4 40094
#define ID_ACC_S_4 40095
#define ID_ACC_Y_4 40099
#define ID_ACC_Z_4 40100

// Command ids of the popup items, by type. The menus have no append item.
#define ID_POP_CUT_1 40038
#define ID_POP_COPY_1 40039
#define ID_POP_PASTE_1 40040
#define ID_POP_CLEAR_1 40041
#define ID_POP_INSERT_1 40042
#define ID_POP_DELETE_1 40043

#define ID_POP_CUT_2 40103
#define ID_POP_COPY_2 40104
#define ID_POP_PASTE_2 40105
#define ID_POP_CLEAR_2 40113
#define ID_POP_INSERT_2 40106
#define ID_POP_DELETE_2 40107

#define ID_POP_CUT_3 40108
#define ID_POP_COPY_3 40109
#define ID_POP_PASTE_3 40110
#define ID_POP_CLEAR_3 40114
#define ID_POP_INSERT_3 40111
#define ID_POP_DELETE_3 40112

#define ID_POP_CUT_4 40115
#define ID_POP_COPY_4 40116
#define ID_POP_PASTE_4 40117
#define ID_POP_CLEAR_4 40118
#define ID_POP_INSERT_4 40119
#define ID_POP_DELETE_4 40120
