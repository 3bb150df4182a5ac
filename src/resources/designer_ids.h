// Dialog numbers of the dialog designer.
#pragma once

#define IDD_DLGDESIGNER 227
