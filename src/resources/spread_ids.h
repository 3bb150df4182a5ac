// Dialog and control ids of the value-input dialog that asks for one text.
#pragma once

#define IDD_VALUE_INPUT 8069
#define IDC_VALUE_PROMPT 8600
#define IDC_VALUE_EDIT 8003
