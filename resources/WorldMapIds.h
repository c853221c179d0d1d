// Resource ids of the world map editor window.
#pragma once

#define IDD_WORLD_MAP 152
#define IDR_WM_MENU 155
#define IDR_WM_CONTEXT 163
#define IDC_WM_STATUS 1
#define IDC_WM_TOOLBAR 132
#define IDC_WM_VIEW 1006
#define IDC_WM_HSCROLL 1008
#define IDC_WM_VSCROLL 1009

// Menu, toolbar and the keys of accelerator table 105.
#define ID_WM_ACC_SAVE 40005
#define ID_WM_ACC_REDO 40010
#define ID_WM_ACC_UNDO 40011
#define ID_WM_SAVE 40015
#define ID_WM_MODE_EVENT 40050
#define ID_WM_UNDO 40052
#define ID_WM_REDO 40053
#define ID_WM_EXIT 40055
#define ID_WM_SETTINGS 40056
#define ID_WM_CLEAR_CHIPS 40066
#define ID_WM_CLEAR_EVENTS 40068
#define ID_WM_TB_CHIPS 40071
#define ID_WM_TB_EVENTS 40072
#define ID_WM_MODE_CHIP 40073

// The context menu of placed events.
#define ID_WM_CTX_NEW 40028
#define ID_WM_CTX_CUT 40038
#define ID_WM_CTX_COPY 40039
#define ID_WM_CTX_PASTE 40040
#define ID_WM_CTX_DELETE 40043
#define ID_WM_CTX_EDIT 50059
