#pragma once
// Records of the small dialogs (profile features and cuts, arrays, cladding, bracing,
// profile details). Those whose contents nobody has settled yet hold only what their launch
// points need today; each grows with its dialog.
#include "core/Mdx_StringArray.h"
#include "core/macro/Mdx_ModuleArray.h"
#include "core/macro/MacroTabData.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

class MacroData;

class DlgProfFeaturesData {
public:
    virtual ~DlgProfFeaturesData() = default;
    Mdx_StringArray features;
};

// The cuts of a profile, one entry each; the dialog selects one of them.
class DlgProfCutsData {
public:
    virtual ~DlgProfCutsData() = default;
    Mdx_StringArray cutNames;
};

// One array of a module as the array settings dialog edits it.
class DynArrayData {
public:
    virtual ~DynArrayData() = default;
    Mdx_ModuleArray array;
};

class KvCladdingDlgData {
public:
    virtual ~KvCladdingDlgData() = default;
    Mdx_StringArray settings;
};

class KvBracingDlgData {
public:
    virtual ~KvBracingDlgData() = default;
    Mdx_StringArray settings;
};

// What the profile-details dialog asks of its callback: fetch the profile record (read) or
// store it (write).
enum KvMACallBackType { kvMARead = 0, kvMAWrite = 1 };

// Where the callback finds the profiles: the macro data and group of the single-macro form,
// or the objects of the several-objects form.
struct KvMACallBackData {
    MacroData* macroData = nullptr;
    Mdx_String group;
    const AcArray<AcDbObjectId>* objectIds = nullptr;
};

using KvMACallBack = bool (*)(KvMACallBackType, const KvMACallBackData&, MacroProfData&);
