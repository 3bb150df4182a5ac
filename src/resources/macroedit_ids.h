// Dialog numbers of the macro editor, its pages and its cut dialog.
#pragma once

#define IDD_EDIT_MACRO 8715
#define IDD_EDIT_CONSTRAINTS_PAGE 207
#define IDD_EDIT_OBJECTS_PAGE 8135
#define IDD_EDIT_VARIABLES_PAGE 8099
#define IDD_EDIT_TOOLS_PAGE 216
#define IDD_MACRO_CUTS 223
