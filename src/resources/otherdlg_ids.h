// Dialog and control numbers of the other dialogs of the module.
#pragma once

#define IDD_LEVELS 243
#define IDD_LOOKUP 244
#define IDD_SELECT_IMAGE 8719
#define IDC_THUMBNAILS 9091
#define IDD_SELECT_MACRO 9103
#define IDC_MACRO_NAMES 1100
#define IDD_DSTV_POINTS 9104
#define IDD_PROF_DETAILS 9105
#define IDC_PROF_MEMBER 1000
#define IDC_PROF_SECTION 1001
#define IDC_PROF_MATERIAL 1002
#define IDD_PROF_CUTS 9106
#define IDC_PROF_CUT_LIST 1101
#define IDD_ARRAY 9107
#define IDD_PROF_FEATURES 9108
#define IDD_CLADDING 9109
#define IDD_BRACING 9110
