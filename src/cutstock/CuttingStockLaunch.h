#pragma once
#include "cutstock/DlgCSP2Data.h"

// Modal on a copy of the record; OK assigns the copy back and gives true.
bool StartDlgCSP2(DlgCSP2Data& data);
