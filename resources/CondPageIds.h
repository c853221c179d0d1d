// Resource ids of the condition pages: one page per condition kind.
#pragma once

#define IDD_COND_COMMON_VAR 196
#define IDD_COND_STAGE_VAR 197
#define IDD_COND_CHARA_VAR 218
#define IDD_COND_DISTANCE 219
#define IDD_COND_STATUS 269
#define IDD_COND_STATUS2 274
#define IDD_COND_STATUS3 275

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// Every page.
#define IDC_CP_VIEW 1006
#define IDC_CP_OK 1000
#define IDC_CP_CANCEL 1001

// The variable pages.
#define IDC_CP_COMMON_VAR 1045
#define IDC_CP_STAGE_VAR 1049
#define IDC_CP_CHARA_VAR 1429
#define IDC_CP_RENAME 1050
#define IDC_CP_VALUE 1046
#define IDC_CP_VALUE_SPIN 1047
#define IDC_CP_COMPARE 1048

// The status page.
#define IDC_ST_LEFT_KIND 11175
#define IDC_ST_TARGET 1400
#define IDC_ST_ITEM 1401
#define IDC_ST_VAR_SET 11176
#define IDC_ST_VAR 1402
#define IDC_ST_RENAME 1405
#define IDC_ST_COMPARE 1407
#define IDC_ST_RIGHT_KIND 11177
#define IDC_ST_VALUE 1403
#define IDC_ST_VALUE_SPIN 1404
#define IDC_ST_RAND_MIN 1048
#define IDC_ST_RAND_MIN_SPIN 1053
#define IDC_ST_RAND_MAX 1054
#define IDC_ST_RAND_MAX_SPIN 1055
#define IDC_ST_RIGHT_TARGET 11178
#define IDC_ST_RIGHT_ITEM 1176
#define IDC_ST_RIGHT_VAR_SET 11179
#define IDC_ST_RIGHT_VAR 1051
#define IDC_ST_RIGHT_RENAME 1052
#define IDC_ST_PERCENT 1175

// The status 2 and status 3 pages.
#define IDC_S2_TARGET 11174
#define IDC_S2_ITEM 1173
#define IDC_S2_VALUE 1397
#define IDC_S2_COMPARE 1048

// The distance page.
#define IDC_DC_TARGET 1464
#define IDC_DC_SHAPE 1049
#define IDC_DC_HBL 1183
#define IDC_DC_HBL_SPIN 1184
#define IDC_DC_DOT 1185
#define IDC_DC_DOT_SPIN 1186
#define IDC_DC_WITHIN 1048
#define IDC_DC_SHOW 1475
#define IDC_DC_COLOUR 1476
#define IDC_DC_SHOW_UNPLACED 1474
#define IDC_DC_SHOW_TRANSPARENT 1477
