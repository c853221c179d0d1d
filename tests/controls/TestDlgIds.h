// Resource ids of the test dialog that holds one control of every bound kind.
#pragma once

#define IDD_TEST_BOUND 9001

#define IDC_T_SHORT 9101
#define IDC_T_SHORT_SPIN 9102
#define IDC_T_REAL 9103
#define IDC_T_REAL_SPIN 9104
#define IDC_T_CHAR 9105
#define IDC_T_CHAR_SPIN 9106
#define IDC_T_UCHAR 9107
#define IDC_T_UCHAR_SPIN 9108
#define IDC_T_NAME 9109
#define IDC_T_BYTES 9110
#define IDC_T_COMBO 9111
#define IDC_T_COMBO_CHAR 9112
#define IDC_T_CHECK 9113
#define IDC_T_CHECK_U 9114
#define IDC_T_SLIDER 9115
#define IDC_T_SLIDER_BUDDY 9116
#define IDC_T_PICTURE 9117
#define IDC_T_LABEL 9118
#define IDC_T_BUTTON 9119
#define IDC_T_MEMO 9120
