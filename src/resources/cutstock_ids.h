// Dialog numbers of the cutting-stock lists.
#pragma once

#define IDD_OPTIMIZECSP2 8122
