// Resource ids of the application shell.
#pragma once

#define IDI_EDITOR 103
#define IDD_STAGE 104
#define IDC_STAGE_VIEW 1006
#define IDC_HSCROLL 1008
#define IDC_VSCROLL 1009
