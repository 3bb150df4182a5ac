#include "otherdlg/OtherDialogLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/otherdlg_ids.h"

void StartDSTVPointsDlg() {
    KvTempResourceOverride resources;
    runTemplateDialog(IDD_DSTV_POINTS);
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    return launchRecordDialog(IDD_PROF_FEATURES, data);
}
