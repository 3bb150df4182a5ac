// Dialog and control numbers of the section library dialogs.
#pragma once

#define IDD_EDIT_SECTIONLIB 9101
#define IDD_EDITLIBSIMPLE 9102
#define IDD_LIB_GROUPS 8138
#define IDD_LIB_TYPES 8139
#define IDD_LIB_TABLES 8716

// The small dialog that adds one size.
#define IDC_SIZE_ACTIVE 1350
#define IDC_SIZE_NAME_LABEL 1351
#define IDC_SIZE_NAME 1352
#define IDC_SIZE_AUTO_NAME 1358
#define IDC_SIZE_DIM_LABEL0 1360
#define IDC_SIZE_DIM_EDIT0 1371
