// Resource ids of what the database pages edit beyond names and files: the animation and sword
// and effect controls of the pages, and the three modal dialogs that edit one element of a
// page's sub-list (an anime's pattern, a sword position, an effect frame). Ids repeat between
// templates; each name says which template it belongs to.
#pragma once

#define IDD_DB_ANIME_PATTERN 221
#define IDD_DB_SWORD_POS 223
#define IDD_DB_ANIME_FRAME 236

// The sub-dialogs' buttons.
#define IDC_DBDLG_OK 1000
#define IDC_DBDLG_CANCEL 1001

// Anime set page (212).
#define IDC_DB_INVINCIBLE_SHIFT 1199
#define IDC_DB_INVINCIBLE_SHIFT_SPIN 1200
#define IDC_DB_FLY_SHIFT 1201
#define IDC_DB_FLY_SHIFT_SPIN 1202
#define IDC_DB_BLOCK_SHIFT 1263
#define IDC_DB_BLOCK_SHIFT_SPIN 1264
#define IDC_DB_SLOT_LIST 1160
#define IDC_DB_SLOT_EDIT 1067
// Anime page (226).
#define IDC_DB_PATTERN_EDIT 1226
// The sample of both animation pages.
#define IDC_DB_SAMPLE_KIND 1254
#define IDC_DB_SAMPLE_NO 1036
#define IDC_DB_SAMPLE_NO_SPIN 1037
#define IDC_DB_SAMPLE_PICK 1446
#define IDC_DB_SAMPLE_FRAME 1038
#define IDC_DB_SAMPLE_FRAME_SPIN 1039
#define IDC_DB_SAMPLE 1070

// Anime pattern dialog (221).
#define IDC_PAT_LIST 1206
#define IDC_PAT_INSERT 1066
#define IDC_PAT_DELETE 1067
#define IDC_PAT_RUN_CMD 1201
#define IDC_PAT_FRAME 1202
#define IDC_PAT_FRAME_SPIN 1203
#define IDC_PAT_TIME 1204
#define IDC_PAT_TIME_SPIN 1205
#define IDC_PAT_SAMPLE 1070

// Character bitmap page (141).
#define IDC_DB_GIANT 14391
#define IDC_DB_GIANT_SIZE 1266

// Sword type page (222).
#define IDC_DB_POS_LIST 1215
#define IDC_DB_POS_INSERT 1214
#define IDC_DB_POS_EDIT 1212
#define IDC_DB_POS_DELETE 1213

// Sword position dialog (223).
#define IDC_POS_DIR 1128
#define IDC_POS_X 1040
#define IDC_POS_X_SPIN 1045
#define IDC_POS_FLIP_X 1053
#define IDC_POS_Y 1048
#define IDC_POS_Y_SPIN 1049
#define IDC_POS_FLIP_Y 1055
#define IDC_POS_WIDTH 11210
#define IDC_POS_WIDTH_SPIN 11212
#define IDC_POS_HEIGHT 11211
#define IDC_POS_HEIGHT_SPIN 11166
#define IDC_POS_SRC_X 1216
#define IDC_POS_SRC_X_SPIN 1217
#define IDC_POS_SRC_Y 1218
#define IDC_POS_SRC_Y_SPIN 1219
#define IDC_POS_TIME 1113
#define IDC_POS_TIME_SPIN 1114

// Effect page (211).
#define IDC_DB_EFF_WIDTH 11210
#define IDC_DB_EFF_WIDTH_SPIN 11212
#define IDC_DB_EFF_HEIGHT 11211
#define IDC_DB_EFF_HEIGHT_SPIN 11166
#define IDC_DB_EFF_ZOOM 1225
#define IDC_DB_FRAME_LIST 1206
#define IDC_DB_FRAME_INSERT 1227
#define IDC_DB_FRAME_EDIT 1228
#define IDC_DB_FRAME_DELETE 1229

// Animation frame dialog (236).
#define IDC_FRM_FRAME 1202
#define IDC_FRM_FRAME_SPIN 1203
#define IDC_FRM_TIME 1204
#define IDC_FRM_TIME_SPIN 1205

// Character effect (210) and screen effect (235) pages: the kind, its note, and five parameter
// rows of caption, value edit and spin.
#define IDC_DB_KIND 1040
#define IDC_DB_KIND_NOTE 1455
#define IDC_DB_PARAM1_CAPTION 1165
#define IDC_DB_PARAM2_CAPTION 1166
#define IDC_DB_PARAM3_CAPTION 1167
#define IDC_DB_PARAM4_CAPTION 1168
#define IDC_DB_PARAM5_CAPTION 1170
#define IDC_DB_PARAM1 1160
#define IDC_DB_PARAM2 1161
#define IDC_DB_PARAM3 1162
#define IDC_DB_PARAM4 1169
#define IDC_DB_PARAM5 1171
#define IDC_DB_PARAM1_SPIN 1163
#define IDC_DB_PARAM2_SPIN 1164
#define IDC_DB_PARAM3_SPIN 1057
#define IDC_DB_PARAM4_SPIN 1058
#define IDC_DB_PARAM5_SPIN 1059
#define IDC_DB_COLOUR_SAMPLE 1185
