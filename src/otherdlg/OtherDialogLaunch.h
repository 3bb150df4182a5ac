#pragma once
// Launch points of the small dialogs that are still their template with OK and Cancel:
// modal, on a copy of the record, copied back and true only on OK.
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "otherdlg/OtherDialogRecords.h"

void StartDSTVPointsDlg();
bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& ids, const Mdx_String& name);
bool StartDlgProfFeatures(DlgProfFeaturesData& data);
bool StartDlgCladdingSettings(KvCladdingDlgData& data);
bool StartDlgBracing(KvBracingDlgData& data);
