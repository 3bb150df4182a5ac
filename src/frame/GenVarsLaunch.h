#pragma once
#include "standards/KvAutoStandardsData.h"

// The general variables dialog, modal on a copy; OK copies the edited lists back (true).
bool StartDlgGenVars(KvAutoStandardsData& data);
