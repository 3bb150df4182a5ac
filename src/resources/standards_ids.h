// Dialog numbers of the standards dialogs and of the macro settings dialog.
#pragma once

#define IDD_GENVARS 256

#define IDD_MACRO_SETTINGS 8141
#define IDD_SETTINGS_ANGLES 8142
#define IDD_SETTINGS_SIZES 213
#define IDD_SETTINGS_DESCRIPTION 8718
#define IDD_SETTINGS_VARIABLES 214
#define IDD_SETTINGS_GROUPS 215
#define IDD_SETTINGS_STANDARDS 8720
