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

// The cladding of a wall or roof as the cladding dialog edits it: the sheets, which way they
// run, how far they overlap at their ends and how far apart they are fixed. Numbers are texts
// as the user typed them; the dialog lets only sound ones through.
class KvCladdingDlgData {
public:
    enum Face { kWall = 0, kRoof = 1 };
    enum Direction { kSheetsVertical = 0, kSheetsHorizontal = 1 };
    virtual ~KvCladdingDlgData() = default;
    int face = kWall;
    int direction = kSheetsVertical;
    Mdx_String sheetProfile;           // the profiled sheet's name
    Mdx_String sheetThickness = "0.75";  // mm
    Mdx_String endOverlap = "150";       // mm
    Mdx_String fixingSpacing = "333";    // mm along a purlin or rail
};

// The bracing of a bay as the bracing dialog edits it: its layout, the section of its
// members, and how a member end is bolted to its gusset plate. Numbers are texts as the user
// typed them; the dialog lets only sound ones through.
class KvBracingDlgData {
public:
    enum Kind { kSingleDiagonal = 0, kCross = 1, kK = 2, kV = 3 };
    static constexpr int kKindCount = 4;
    virtual ~KvBracingDlgData() = default;
    int kind = kCross;
    Mdx_String section;            // of the bracing members, as the section tables name it
    bool tensionOnly = false;      // slender members that take tension only
    Mdx_String plateThickness = "10";  // gusset plates, mm
    Mdx_String boltCount = "2";        // per member end
    Mdx_String boltDiameter = "16";    // mm, one of the listed diameters
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
