// Resource ids of the flow page and of the key-condition dialog.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_FLOW_PAGE 201
#define IDD_KEY_COND 204

// Flow page.
#define IDC_FP_OK 1000
#define IDC_FP_CANCEL 1001
#define IDC_FP_PREV 1021
#define IDC_FP_NEXT 1022
#define IDC_FP_NO 1023
#define IDC_FP_INHERIT 1024
#define IDC_FP_TEST 1046
#define IDC_FP_PICTURE 1060
#define IDC_FP_FLOW_INSERT 1066
#define IDC_FP_FLOW_DELETE 1067
#define IDC_FP_CMD_INSERT 1068
#define IDC_FP_CMD_DELETE 1069
#define IDC_FP_CMD_EDIT 1070
#define IDC_FP_KEY_EASE 1081
#define IDC_FP_FLOW_LIST 1082
#define IDC_FP_COND_INSERT 1083
#define IDC_FP_COND_EDIT 1084
#define IDC_FP_COND_DELETE 1085
#define IDC_FP_COND_LIST 1086
#define IDC_FP_COND_JUDGE 1087
#define IDC_FP_LATCH 1088
#define IDC_FP_TRIGGER 1089
#define IDC_FP_KEY_EASE_SPIN 1090
#define IDC_FP_KEY_INSERT 1091
#define IDC_FP_KEY_EDIT 1092
#define IDC_FP_KEY_DELETE 1093
#define IDC_FP_KEY_LIST 1094
#define IDC_FP_CMD_LIST 1095
#define IDC_FP_ID 1096
#define IDC_FP_GROUP 1097
#define IDC_FP_TARGET_SLOT 1098
#define IDC_FP_TEST_ONLY 1416
#define IDC_FP_NOTE 1417
#define IDC_FP_TARGET_X 1418
#define IDC_FP_HOLD_REPEAT 1433
#define IDC_FP_MEMO 1468

// Key-condition dialog: the 19 key-state combos (in key order: see KeyCondDlg), the times, the
// judgement.
#define IDC_KC_OK 1000
#define IDC_KC_CANCEL 1001
#define IDC_KC_TIME_MIN 1038
#define IDC_KC_TIME_MIN_SPIN 1039
#define IDC_KC_DIR_NEUTRAL 1089
#define IDC_KC_ACT_NEUTRAL 1090
#define IDC_KC_LEFT 1091
#define IDC_KC_RIGHT 1092
#define IDC_KC_UP 1093
#define IDC_KC_DOWN 1094
#define IDC_KC_LEFT_UP 1095
#define IDC_KC_LEFT_DOWN 1096
#define IDC_KC_RIGHT_UP 1097
#define IDC_KC_RIGHT_DOWN 1098
#define IDC_KC_Z 1099
#define IDC_KC_X 1100
#define IDC_KC_C 1101
#define IDC_KC_V 1102
#define IDC_KC_A 1103
#define IDC_KC_S 1104
#define IDC_KC_D 1105
#define IDC_KC_F 1106
#define IDC_KC_ANY_DIR 1107
#define IDC_KC_FRONT_BACK 1108
#define IDC_KC_TIME_MAX 1109
#define IDC_KC_TIME_MAX_SPIN 1110
#define IDC_KC_INFINITE 1111
#define IDC_KC_JUDGE 1112
