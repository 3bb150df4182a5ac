#pragma once
// Launch points of the small dialogs: modal, on a copy of the record, copied back and true
// only on OK. Each dialog is the class of its own file: KvArrayDlg, KvBracingDlg,
// KvCladdingDlg, KvProfFeaturesDlg and KvDstvPointsDlg.
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "otherdlg/OtherDialogRecords.h"

// The marking points of the profile folder (DstvPointStore); stored only on OK.
void StartDSTVPointsDlg();
// title names the array in the caption (the array's own name when empty); ids are the
// caller's selected objects.
bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& ids, const Mdx_String& title);
bool StartDlgProfFeatures(DlgProfFeaturesData& data);
bool StartDlgCladdingSettings(KvCladdingDlgData& data);
bool StartDlgBracing(KvBracingDlgData& data);
