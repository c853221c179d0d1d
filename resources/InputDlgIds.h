// Resource ids of the input dialogs: a number, a line of text, and the notice of a long operation.
#pragma once

#define IDD_INPUT_VALUE 101
#define IDD_INPUT_STRING 102
#define IDD_NOTICE 132

#define IDC_INPUT_OK 1000
#define IDC_INPUT_CANCEL 1001
#define IDC_INPUT_EDIT 1003
#define IDC_INPUT_SPIN 1011
#define IDC_NOTICE_TEXT 1017
#define IDC_INPUT_PICTURE 1075
