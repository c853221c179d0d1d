// Resource ids of the database sheet's ten pages. The pages share their control ids; each page
// has its own record list.
#pragma once

#define IDD_DB_ANIME_SET 212
#define IDD_DB_ANIME 226
#define IDD_DB_BMP_CHARA 141
#define IDD_DB_SWORD_TYPE 222
#define IDD_DB_EFFECT 211
#define IDD_DB_CHARA_EFFECT 210
#define IDD_DB_SCR_EFFECT 235
#define IDD_DB_PICTURE 237
#define IDD_DB_SOUND 199
#define IDD_DB_BGM 220

// Record lists.
#define IDC_DB_LIST_ANIME_SET 1159
#define IDC_DB_LIST_ANIME 1160
#define IDC_DB_LIST_BMP_CHARA 1054
#define IDC_DB_LIST_SWORD_TYPE 1207
#define IDC_DB_LIST_EFFECT 1158
#define IDC_DB_LIST_CHARA_EFFECT 1157
#define IDC_DB_LIST_SCR_EFFECT 1224
#define IDC_DB_LIST_PICTURE 1232
#define IDC_DB_LIST_SOUND 1057
#define IDC_DB_LIST_BGM 1198

// Controls every page has, and those of the pages whose records are files.
#define IDC_DB_VIEW 1006
#define IDC_DB_NAME 1002
#define IDC_DB_PATH 1003
#define IDC_DB_BROWSE 1055
#define IDC_DB_NEW 1066
#define IDC_DB_CLEAR 1056
#define IDC_DB_COUNT 11071
#define IDC_DB_NAME_FROM_FILE 14390
#define IDC_DB_PLAY 1309
// The sword type's bitmaps for a character facing left and right.
#define IDC_DB_SWORD_LEFT 1208
#define IDC_DB_SWORD_LEFT_BROWSE 1209
#define IDC_DB_SWORD_RIGHT 1210
#define IDC_DB_SWORD_RIGHT_BROWSE 1211

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif
