#include "cutstock/CuttingStockLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "cutstock/KvDlgCSP2.h"

bool StartDlgCSP2(DlgCSP2Data& data) {
    KvTempResourceOverride resources;
    KvDlgCSP2 dialog;
    return runWithCopyBack(dialog, data);
}
