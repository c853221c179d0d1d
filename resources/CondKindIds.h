// Resource ids of the condition-kind dialog: one button per condition kind.
#pragma once

#define IDD_COND_KIND 170

#define IDC_CK_VIEW 1006
#define IDC_CK_COMMON_VAR 1267
#define IDC_CK_STAGE_VAR 1268
#define IDC_CK_CHARA_VAR 1269
#define IDC_CK_STATUS 1270
#define IDC_CK_STATUS2 1271
#define IDC_CK_STATUS3 1272
#define IDC_CK_DISTANCE 1273
