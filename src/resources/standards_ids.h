// Dialog numbers of the standards dialogs.
#pragma once

#define IDD_GENVARS 256
