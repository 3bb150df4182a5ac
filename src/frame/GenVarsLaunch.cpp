#include "frame/GenVarsLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/standards_ids.h"

bool StartDlgGenVars(KvAutoStandardsData& data) {
    KvTempResourceOverride resources;
    return runRecordDialog(IDD_GENVARS, data);
}
