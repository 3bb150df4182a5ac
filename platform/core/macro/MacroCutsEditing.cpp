// The core's answers to the macro cuts dialog.
#include <cctype>

#include "core/StringHelpers.h"
#include "core/macro/DlgMacroCutsData.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditPickers.h"

using macro_edit::readMacro;

bool MacrosInDlgData::GetAllMods(AcDbObjectId id, Mdx_StringArray& names) const {
    names.setEmpty();
    return readMacro(database, id, [&names](const Mdx_Macro& macro, AcTransaction&) {
        macro.getModuleNames(names);
    });
}

bool MacrosInDlgData::UserSelectMacro() {
    Mdx_String handle;
    AcDbObjectId id;
    if (!macro_edit_pickers::take(macro_edit_pickers::Pick::Macro, handle) ||
        !AcDbObjectId::fromText(handle.view(), id))
        return false;
    Mdx_StringArray names;
    if (!GetAllMods(id, names)) return false;
    macroId = id;
    return true;
}

bool DlgMacroCutsData::GetDefaultValues(Mdx_ConstraintCutType type, Mdx_StringArray& names,
                                        Mdx_StringArray& values, AcArray<bool>& flags) {
    switch (type) {
        case Mdx_ConstraintCutType::ProfileVsPlate:
            names = {"Offset", "PolyOffset"};
            values = {"10", "0"};
            break;
        case Mdx_ConstraintCutType::ProfileVsProfile:
            names = {"Offset"};
            values = {"10"};
            break;
        case Mdx_ConstraintCutType::ProfileInProfile:
            // Only the length and centre offsets have a default; the others start at 0.
            names = {"LengthOffset", "CenterOffset", "InsideOffset", "OutsideOffset"};
            values = {"20", "0"};
            break;
        case Mdx_ConstraintCutType::ProfileVsProfile3Segments:
            names = {"Offset1", "Offset2", "Offset"};
            values = {"10", "10", "0"};
            break;
        case Mdx_ConstraintCutType::Chamfer:
            names = {"Offset1", "Offset2"};
            values = {"15", "15"};
            break;
        case Mdx_ConstraintCutType::Fillet:
            names = {"Offset", "Radius"};
            values = {"0", "10"};
            break;
        default:
            return false;
    }
    flags.setLogicalLength(0);
    for (int i = 0; i < names.length(); ++i) flags.append(false);
    return true;
}

bool DlgMacroCutsData::CutNameInUse(AcDbObjectId id, const Mdx_String& cutName,
                                    const Mdx_String& module, bool& inUse) const {
    inUse = false;
    bool known = false;
    readMacro(macroChoice.database, id, [&](const Mdx_Macro& macro, AcTransaction&) {
        const Mdx_Module* found = macro.findModule(module);
        known = found != nullptr;
        if (!found) return;
        for (const Mdx_CutConstraint& cut : found->cuts())
            if (cut.name.equal(cutName, false)) inUse = true;
    });
    return known;
}

// A value that is not a number names a variable the cut makes for the macro: a name that
// starts with a letter, and not with "gen_", which the general variables own.
bool DlgMacroCutsData::AreVarNamesValid() const {
    for (Mdx_String value : values) {
        value.trim();
        if (value.isEmpty() || value.isNumber()) continue;
        if (!hasOnlyLettersNumbers(value) || !isalpha(static_cast<unsigned char>(value.at(0))) ||
            value.startsWith("gen_", false))
            return false;
    }
    return true;
}
