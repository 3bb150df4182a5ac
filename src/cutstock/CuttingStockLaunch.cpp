#include "cutstock/CuttingStockLaunch.h"

#include "frame/TemplateDialog.h"
#include "resources/cutstock_ids.h"

bool StartDlgCSP2(DlgCSP2Data& data) {
    return launchRecordDialog(IDD_OPTIMIZECSP2, data);
}
