// validateTabChanges: what an update refuses before it writes anything.
#include <cmath>

#include "core/NumberText.h"
#include "core/macro/BoltCatalogue.h"
#include "core/macro/MacroTabData.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/MacroValueText.h"
#include "core/macro/MixedWord.h"
#include "core/macro/SectionPlacement.h"
#include "core/sections/Mdx_SectionTableManager.h"

namespace {

bool isUnset(const Mdx_String& text) {
    return text.isEmpty() || isMixedWord(text);
}

// A number (when set) that is finite and at least low.
bool numberAtLeast(const Mdx_String& text, double low, bool inclusive) {
    if (isUnset(text)) return true;
    if (!isNumberText(text.view())) return false;
    const double value = leadingDouble(text.view());
    return std::isfinite(value) && (inclusive ? value >= low : value > low);
}

bool wholeAtLeast(const Mdx_String& text, int low) {
    if (isUnset(text)) return true;
    if (!numberAtLeast(text, low, true)) return false;
    const double value = leadingDouble(text.view());
    return value == std::trunc(value) && value <= 9999;
}

std::string quoted(const Mdx_String& text) {
    return "\"" + text.toUtf8() + "\"";
}

// A block is a drawing file of the module's block folder: its name must stay in there.
bool isBlockName(const Mdx_String& name) {
    if (isUnset(name)) return true;
    if (name == Mdx_String(".") || name == Mdx_String("..")) return false;
    for (char c : name.view())
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

bool checkVariable(const MacroVarData& variable, std::string& message) {
    double number = 0;
    if (variable.readOnly) {
        message = "variable " + quoted(variable.name) + " is computed by the module";
        return false;
    }
    if (isUnset(variable.value) && isNumericVariableKind(variable.kind)) return true;
    if (readVariableText(variable.kind, variable.value, number)) return true;
    message = "variable " + quoted(variable.name) + " cannot take the value " +
              quoted(variable.value);
    return false;
}

bool checkBolts(const MacroBoltData& bolts, std::string& message) {
    Mdx_StringArray diameters;
    if (!isUnset(bolts.assembly) && !GetDiameters(bolts.assembly, diameters)) {
        message = "the bolt assembly " + quoted(bolts.assembly) + " is unknown";
        return false;
    }
    if (!numberAtLeast(bolts.diameter, 0, false) ||
        (!diameters.isEmpty() && !isUnset(bolts.diameter) &&
         !diameters.contains(bolts.diameter, false))) {
        message = "the bolt diameter " + quoted(bolts.diameter) + " is not offered";
        return false;
    }
    for (const Mdx_String* text :
         {&bolts.penetrationLength, &bolts.addedLength, &bolts.holeTolerance, &bolts.holeOffset}) {
        if (!numberAtLeast(*text, 0, true)) {
            message = "the bolt value " + quoted(*text) + " is not a number from 0 up";
            return false;
        }
    }
    for (int i = 0; i < bolts.slottedHoles.length(); ++i) {
        const Mdx_SlottedHole& hole = bolts.slottedHoles[i];
        if (hole.active && (!numberAtLeast(hole.texts[0], 0, false) || isUnset(hole.texts[0]) ||
                            !numberAtLeast(hole.texts[1], 0, false) || isUnset(hole.texts[1]))) {
            message = "slotted hole " + std::to_string(i) + " needs a radius and a length above 0";
            return false;
        }
    }
    return true;
}

// A name a profile carries into bills and labels: one line of bounded length.
bool isLabelText(const Mdx_String& text, int maxLength) {
    if (text.length() > maxLength) return false;
    for (char c : text.view())
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

bool checkProps(const MacroProfData& props, std::string& message) {
    if (!isLabelText(props.memberName, kMaxMemberNameLength)) {
        message = "the member name " + quoted(props.memberName) + " is not one line of at most " +
                  std::to_string(kMaxMemberNameLength) + " characters";
        return false;
    }
    if (!isLabelText(props.material, kMaxMaterialLength)) {
        message = "the material " + quoted(props.material) + " is not one line of at most " +
                  std::to_string(kMaxMaterialLength) + " characters";
        return false;
    }
    if (!isLabelText(props.basePlane, kMaxMemberNameLength)) {
        message = "the plane name " + quoted(props.basePlane) + " is not one line of at most " +
                  std::to_string(kMaxMemberNameLength) + " characters";
        return false;
    }
    if (!isUnset(props.sectionName) && !props.sectionName.startsWith("PL", false)) {
        Mdx_String systemName;
        if (gSectionTables.getSystemName(props.sectionName, systemName) != Acad::eOk) {
            message = "the section " + quoted(props.sectionName) + " is in no section table";
            return false;
        }
    }
    if (!isUnset(props.rotation) && !numberAtLeast(props.rotation, -360, true)) {
        message = "the rotation " + quoted(props.rotation) + " is no angle";
        return false;
    }
    if (props.offsetType < -1 || props.offsetType >= kOffsetTypeCount) {
        message = "offset type " + std::to_string(props.offsetType) + " is unknown";
        return false;
    }
    return true;
}

bool checkItem(const MacroTabData& tab, int code, std::string& message) {
    const int index = code % MacroTabData::kItemStride;
    switch (code / MacroTabData::kItemStride) {
        case MacroTabData::kPatternItem: {
            const MacroPatternData& pattern = tab.patterns()[index];
            if (wholeAtLeast(pattern.nrBolts1, 0) && wholeAtLeast(pattern.nrBolts2, 0) &&
                numberAtLeast(pattern.value, 0, false))
                return true;
            message = "pattern " + quoted(pattern.name) + " needs whole bolt counts and a spacing above 0";
            return false;
        }
        case MacroTabData::kCutItem: {
            const MacroCutData& cut = tab.cuts()[index];
            if (cut.typeIndex >= -1 && cut.typeIndex < 6) return true;
            message = "cut " + quoted(cut.name) + " has no type " + std::to_string(cut.typeIndex);
            return false;
        }
        case MacroTabData::kArrayItem: {
            const Mdx_ModuleArray& array = tab.arrays()[index].array;
            bool ok = wholeAtLeast(array.values[0], 1);
            for (std::size_t i = 1; i < array.values.size(); ++i)
                ok = ok && numberAtLeast(array.values[i], -1e9, true);
            if (ok) return true;
            message = "array " + quoted(array.name) + " needs a count from 1 up and numbers";
            return false;
        }
        case MacroTabData::kGroupItem:
            return checkProps(tab.profGroups()[index], message);
        case MacroTabData::kMemberItem:
            return checkProps(tab.profMembers()[index].props, message);
        default:
            message = "unknown change " + std::to_string(code);
            return false;
    }
}

bool validIndex(const MacroTabData& tab, int code) {
    const int index = code % MacroTabData::kItemStride;
    switch (code / MacroTabData::kItemStride) {
        case MacroTabData::kPatternItem:
            return tab.patterns().isValidIndex(index);
        case MacroTabData::kCutItem:
            return tab.cuts().isValidIndex(index);
        case MacroTabData::kArrayItem:
            return tab.arrays().isValidIndex(index);
        case MacroTabData::kGroupItem:
            return tab.profGroups().isValidIndex(index);
        case MacroTabData::kMemberItem:
            return tab.profMembers().isValidIndex(index);
        default:
            return false;
    }
}

}  // namespace

bool validateTabChanges(const MacroTabData& tab, const AcArray<int>& changed,
                        const AcArray<int>& changedItems, std::string& message) {
    for (int code : changed) {
        if (code >= 0) {
            if (!tab.variables().isValidIndex(code)) {
                message = "no variable " + std::to_string(code);
                return false;
            }
            if (!checkVariable(tab.variables()[code], message)) return false;
        } else if (code == MacroTabData::kBoltDataChanged && tab.getBoltData()) {
            if (!checkBolts(*tab.getBoltData(), message)) return false;
        } else if (code == MacroTabData::kSegmentsChanged &&
                   !checkSegments(tab.segments().list, message)) {
            return false;
        } else if (code == MacroTabData::kBlockChanged && !isBlockName(tab.block().block.name)) {
            message = "the block name " + quoted(tab.block().block.name) +
                      " is not a file name of its folder";
            return false;
        }
    }
    for (int code : changedItems) {
        if (code < 0 || !validIndex(tab, code)) {
            message = "unknown change " + std::to_string(code);
            return false;
        }
        if (!checkItem(tab, code, message)) return false;
    }
    return true;
}
