// Resource numbers of the module's dialogs, controls, bitmaps and icons that the resource
// scripts of this folder define.
#define IDB_CHECK_CLEAR 8134
#define IDB_CHECK_CHECKED 8136
#define IDB_BILL_MARKER 251

// The find-and-replace dialog of a sheet.
#define IDD_FIND_REPLACE 218
#define IDC_FIND_LABEL 1206
#define IDC_FIND_TEXT 1207
#define IDC_REPLACE_LABEL 1208
#define IDC_REPLACE_TEXT 1209
#define IDC_REPLACE 1204
#define IDC_REPLACE_ALL 1205

// The sheet-file host.
#define IDD_SHEET_HOST 133
#define IDC_SHEET_FILE 1000
#define IDC_SAVE_TO_FILE 1001
#define IDC_SHEET_PLACE 1004
#define IDC_STYLE_DEFAULT 1005
#define IDC_STYLE_A1 1006
#define IDC_STYLE_R1C1 1007
#define IDC_SHEET_NOTE 1008
#define IDC_LOAD_FROM_FILE 1087
#define IDC_AUTO_CALCULATE 1106
#define IDC_RECALCULATE 1107
