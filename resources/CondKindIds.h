// Resource ids of the condition-kind dialog.
#pragma once

#define IDD_COND_KIND 170
