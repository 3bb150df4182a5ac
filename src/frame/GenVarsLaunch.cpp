#include "frame/GenVarsLaunch.h"

#include "frame/TemplateDialog.h"
#include "resources/standards_ids.h"

bool StartDlgGenVars(KvAutoStandardsData& data) {
    return launchRecordDialog(IDD_GENVARS, data);
}
