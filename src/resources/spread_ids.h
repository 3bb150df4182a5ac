// Dialog and control ids of the sheet dialogs: the find-and-replace dialog and the small
// value-input dialog that asks for one text.
#pragma once

#define IDD_SHEET_FIND_REPLACE 218
#define IDC_FIND_LABEL 1206
#define IDC_FIND_TEXT 1207
#define IDC_REPLACE_LABEL 1208
#define IDC_REPLACE_TEXT 1209
#define IDC_REPLACE_NEXT 1204
#define IDC_REPLACE_ALL 1205

#define IDD_VALUE_INPUT 8069
#define IDC_VALUE_PROMPT 8600
#define IDC_VALUE_EDIT 8003
