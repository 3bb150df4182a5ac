#include "cutstock/CuttingStockLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/cutstock_ids.h"

bool StartDlgCSP2(DlgCSP2Data& data) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_OPTIMIZECSP2, data);
}
