// Dialog numbers of the macro editor and its cut dialog.
#pragma once

#define IDD_EDIT_MACRO 8715
#define IDD_MACRO_CUTS 223
