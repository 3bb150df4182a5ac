#include "otherdlg/OtherDialogLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/otherdlg_ids.h"

void StartDSTVPointsDlg() {
    KvTempResourceOverride resources;
    runTemplateDialog(IDD_DSTV_POINTS);
}

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& /*ids*/,
                   const Mdx_String& /*name*/) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_ARRAY, data);
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_PROF_FEATURES, data);
}

bool StartDlgLevels(KvLevelsDlgData& data) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_LEVELS, data);
}

bool StartDlgCladdingSettings(KvCladdingDlgData& data) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_CLADDING, data);
}

bool StartDlgBracing(KvBracingDlgData& data) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_BRACING, data);
}
