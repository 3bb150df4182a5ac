// Dialog and control ids of the module frame's own dialogs.
#pragma once

#define IDD_MACRO_MODELESS 8131
#define IDD_STANDARDS_POOL 253
#define IDD_STRING_ARRAY_GRID 208
#define IDC_STRING_GRID_ADD 1088
#define IDC_STRING_GRID_REMOVE 1089
#define IDC_POOL_SHEET_PLACE 1196
#define IDC_STRING_GRID_PLACE 1196
#define IDD_GRID_AXES 242
#define IDD_CIS2_OPTIONS 254
