// Resource ids of the item data sheet's acquisition page.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_ITEM_ACQUIRE 203

#define IDC_IA_PREV 1021
#define IDC_IA_NEXT 1022
#define IDC_IA_NO 1023
#define IDC_IA_INHERIT_GIANT 1024
#define IDC_IA_INHERIT_TAKE 1025
#define IDC_IA_INHERIT_SHOW 1026
#define IDC_IA_INHERIT_SOUND 1027
#define IDC_IA_INHERIT_CMDS 1028
#define IDC_IA_PICTURE 1060
#define IDC_IA_CMD_INSERT 1068
#define IDC_IA_CMD_DELETE 1069
#define IDC_IA_CMD_EDIT 1070
#define IDC_IA_CMD_LIST 1095
#define IDC_IA_SOUND 1131
#define IDC_IA_SHOW_ON_TAKE 1177
#define IDC_IA_TAKE_TYPE 1265
#define IDC_IA_GIANT 1266
