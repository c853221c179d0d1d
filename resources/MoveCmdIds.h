// Resource ids of the movement command dialogs: the straight, ground turn-back, circle, charge,
// homing and avoidance moves, movement disabling, turn and jump. One id may stand for different
// fields in different dialogs; the names follow the straight move unless a dialog has its own.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_CMD_LINE_MOVE 208
#define IDD_CMD_HOMING_MOVE 214
#define IDD_CMD_JUMP 243
#define IDD_CMD_GROUND_TURN_MOVE 259
#define IDD_CMD_CIRCLE_MOVE 260
#define IDD_CMD_CHARGE_MOVE 261
#define IDD_CMD_AVOID_MOVE 262
#define IDD_CMD_TURN 263
#define IDD_CMD_NO_MOVE 273

// The unused picture at the top left of the movement-part templates.
#define IDC_MV_PICTURE 1006

// Direction group.
#define IDC_MV_SET_TYPE 1127
#define IDC_MV_DIRECTION 1128
#define IDC_MV_REVERSE_ON_TURN 1398
#define IDC_MV_TARGET_TYPE 1129
#define IDC_MV_USE_TARGET_X 1397
#define IDC_MV_TARGET_X 1135
#define IDC_MV_TARGET_X_SPIN 1136
#define IDC_MV_TARGET_X_DOT 1137
#define IDC_MV_TARGET_X_DOT_SPIN 1138
#define IDC_MV_FLIP_X 1144
#define IDC_MV_USE_TARGET_Y 1149
#define IDC_MV_TARGET_Y 1388
#define IDC_MV_TARGET_Y_SPIN 1389
#define IDC_MV_TARGET_Y_DOT 1390
#define IDC_MV_TARGET_Y_DOT_SPIN 1391
#define IDC_MV_FLIP_Y 1145
#define IDC_MV_UNTIL_TARGET 1146  // circle, charge, homing: no horizontal movement
#define IDC_MV_NO_JITTER 1147
#define IDC_MV_ANGLE 1130
#define IDC_MV_ANGLE_SPIN 1132
#define IDC_MV_ANGLE_CLONE 1133
#define IDC_MV_ANGLE_CLONE_SPIN 1134
#define IDC_MV_MIRROR_ANGLE 1150
#define IDC_MV_NO_MOVE_X 1396
#define IDC_MV_NO_MOVE_Y 1148
#define IDC_MV_KEEP_FACING 1399
#define IDC_MV_TARGET_SLOT 1483
#define IDC_MV_AIM_ERROR 1169
#define IDC_MV_AIM_ERROR_SPIN 1170
#define IDC_MV_AIM_ERROR_CLONE 1171
#define IDC_MV_AIM_ERROR_CLONE_SPIN 1172

// Time, speed and distance.
#define IDC_MV_TIME_MODE 1126
#define IDC_MV_SPEED 1118
#define IDC_MV_SPEED_SPIN 1119
#define IDC_MV_SPEED_CLONE 1120
#define IDC_MV_SPEED_CLONE_SPIN 1121
#define IDC_MV_DISTANCE 1122
#define IDC_MV_DISTANCE_SPIN 1123
#define IDC_MV_DISTANCE_CLONE 11240
#define IDC_MV_DISTANCE_CLONE_SPIN 11270
#define IDC_MV_DIST_UNIT 1131
#define IDC_MV_RATIO 1440
#define IDC_MV_RATIO_NOTE 1441

// Inertia.
#define IDC_MV_INERTIA 1143
#define IDC_MV_MAX_SPEED 1139
#define IDC_MV_MAX_SPEED_SPIN 1140
#define IDC_MV_TURN_RATE 1141
#define IDC_MV_TURN_RATE_SPIN 1142

// Other.
#define IDC_MV_NO_MOVE_ANIME 1400
#define IDC_MV_ANIME 1263

// Circle move.
#define IDC_CM_DIRECTION 1264
#define IDC_CM_START 1382
#define IDC_CM_START_SPIN 1383
#define IDC_CM_START_CLONE 1384
#define IDC_CM_START_CLONE_SPIN 1385
#define IDC_CM_END 1124
#define IDC_CM_END_SPIN 1125
#define IDC_CM_END_CLONE 11241
#define IDC_CM_END_CLONE_SPIN 11271
#define IDC_CM_RADIUS 1183
#define IDC_CM_RADIUS_SPIN 1184
#define IDC_CM_RADIUS_CLONE 1386
#define IDC_CM_RADIUS_CLONE_SPIN 1387

// Turn and jump.
#define IDC_TN_TURN 1127
#define IDC_TN_SOUND 1131
#define IDC_JP_TYPE 1178
#define IDC_JP_MAX_SPEED 1309
#define IDC_JP_MAX_SPEED_SPIN 1310
#define IDC_JP_MAX_HEIGHT 1305
#define IDC_JP_MAX_HEIGHT_SPIN 1306
#define IDC_JP_MIN_SPEED 1311
#define IDC_JP_MIN_SPEED_SPIN 1312
#define IDC_JP_MIN_HEIGHT 1307
#define IDC_JP_MIN_HEIGHT_SPIN 1308
#define IDC_JP_MUTE_OFF_SCREEN 1435
