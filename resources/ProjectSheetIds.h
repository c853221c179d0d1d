// Resource ids of the project options sheet (pages "全般" and "継承のデフォルト") and of the
// bitmap conversion tool. The 183 inheritance check boxes keep their numbers in the template and
// in the page's id table.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_PRJ_OPTION_INHERIT 146
#define IDD_BMP_CONV 188
#define IDD_PRJ_OPTION_GENERAL 193

// The view placeholder every template has; these dialogs hide it.
#define IDC_PRJ_VIEW 1006

// "全般"
#define IDC_PRJ_GAME_BROWSE 1371
#define IDC_PRJ_GAME_PATH 1372
#define IDC_PRJ_AUTO_GAME 1373
#define IDC_PRJ_DEF_BLOCK 1430
#define IDC_PRJ_DEF_CHARA 1431
#define IDC_PRJ_DEF_ITEM 1432
#define IDC_PRJ_OLD_STAGE 1436

// "継承のデフォルト": the source palette per situation ("ステージ", "コモン→配置",
// "ステージ→配置") and kind.
#define IDC_INH_BLOCK_STAGE 1255
#define IDC_INH_BLOCK_COMMON_PLACE 1304
#define IDC_INH_BLOCK_STAGE_PLACE 1256
#define IDC_INH_CHARA_STAGE 1266
#define IDC_INH_CHARA_COMMON_PLACE 1305
#define IDC_INH_CHARA_STAGE_PLACE 1267
#define IDC_INH_ITEM_STAGE 1230
#define IDC_INH_ITEM_COMMON_PLACE 1306
#define IDC_INH_ITEM_STAGE_PLACE 1254

// Bitmap conversion tool.
#define IDC_BMP_CLOSE 1000
#define IDC_BMP_CONVERT 1007
#define IDC_BMP_ADD 1008
#define IDC_BMP_CLEAR 1009
#define IDC_BMP_LIST 1328
#define IDC_BMP_KEY 1329
#define IDC_BMP_KEY_SPIN 1330
#define IDC_BMP_OVERWRITE 1331
#define IDC_BMP_OUT_DIR 1332
#define IDC_BMP_BROWSE 1333
#define IDC_BMP_USE_KEY 1334
#define IDC_BMP_LINE 1338
#define IDC_BMP_LINE_IN 1339
#define IDC_BMP_LINE_IN_SPIN 1340
#define IDC_BMP_LINE_OUT 1341
#define IDC_BMP_LINE_OUT_SPIN 1342
