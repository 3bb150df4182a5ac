// Dialog and control ids of the macro dialogs: the designed page and the section page of the
// modeless macro dialog, and the bolt settings.
#pragma once

#define IDD_MACRO_PAGE 8137
#define IDD_MACRO_SECTION_PAGE 219
#define IDD_BOLT_ADVANCED 8140
#define IDD_PATTERN_SETTINGS 9450
#define IDC_PATTERN_NAME_LABEL 1400
#define IDC_PATTERN_NAME 1401
#define IDC_PATTERN_COUNT1_LABEL 1402
#define IDC_PATTERN_COUNT1 1403
#define IDC_PATTERN_COUNT2_LABEL 1404
#define IDC_PATTERN_COUNT2 1405
#define IDC_PATTERN_SPACING_LABEL 1406
#define IDC_PATTERN_SPACING 1407

// The property-file dialog of the modeless macro dialog: the files of the macro and a name.
#define IDD_MACRO_PROP_FILE 8150
#define IDC_PROP_FILE_LIST 8151
#define IDC_PROP_FILE_NAME 8152
#define IDC_PROP_FILE_LABEL 8153
