// Dialog numbers of the bill output.
#pragma once

#define IDD_BILL_SHEET_HOLDER 248
#define IDC_BILL_SHEET_PLACE 1196
