#include "frame/GenVarsLaunch.h"

#include "frame/KvGenVarsDlg.h"

bool StartDlgGenVars(KvAutoStandardsData& data) {
    KvTempResourceOverride resources;
    KvGenVarsDlg dialog;
    return runWithCopyBack(dialog, data);
}
