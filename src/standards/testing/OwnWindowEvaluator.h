#pragma once
// A child evaluator for tests of the engine without the module frame: each child runs in a
// fresh hidden window of its own, the way the dialog pool lends one.
#include "spread/SheetTestSupport.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvStandardsSpread.h"

namespace standards::testing {

inline bool evaluateInOwnWindow(KvDlgStandardsData& request) {
    spread_testing::HostDialog host;
    if (!host.Create(spread_testing::kHostTemplate, nullptr)) return false;
    KvStandardsSpread sheet;
    if (!sheet.attachToDlgItem(&host, spread_testing::kPlaceholder, false)) return false;
    return sheet.evaluate(request) == Acad::eOk;
}

}  // namespace standards::testing
