// Resource ids of the block, character and item data sheets' pages. The pages share the numbers of
// their common controls; each page's own items keep their numbers in the template and in the
// page's tables.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_BLOCK_DATA 137
#define IDD_CHARA_BASIC 140
#define IDD_CHARA_ABILITY 143
#define IDD_CHARA_VIEW 200
#define IDD_ITEM_BASIC 202

// Common to the pages.
#define IDC_DP_VIEW 1006
#define IDC_DP_PREV 1021
#define IDC_DP_NEXT 1022
#define IDC_DP_NO 1023

// The appearance-condition list of the first pages and its buttons.
#define IDC_COND_INSERT 1041
#define IDC_COND_EDIT 1042
#define IDC_COND_DELETE 1043
#define IDC_COND_LIST 1044
