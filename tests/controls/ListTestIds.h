// Templates of the list test dialogs.
#pragma once

#define IDD_LIST_TEST 9100
#define IDC_LIST_A 9101
#define IDC_LIST_B 9102
#define IDC_BTN_NEW 9110
#define IDC_BTN_INSERT 9111
#define IDC_BTN_DELETE 9112
#define IDC_BTN_COUNT 9113
#define IDC_BTN_EDIT 9114
#define IDD_LIST_ELEM 9120
