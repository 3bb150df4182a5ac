#include "MacroAssignment.h"

#include <algorithm>

#include "core/NumberText.h"
#include "core/macro/MacroTabData.h"
#include "core/macro/SectionPlacement.h"

namespace {

bool is(const Mdx_String& text, const char* word) {
    return text.equal(word, false);
}

std::string quoted(const Mdx_String& text) {
    return "\"" + text.toUtf8() + "\"";
}

bool intValue(const Mdx_String& text, int low, int high, int& value, std::string& message) {
    const double number = leadingDouble(text.view());
    if (!isNumberText(text.view()) || number < low || number > high ||
        number != static_cast<int>(number)) {
        message = quoted(text) + " is not a whole number from " + std::to_string(low) + " to " +
                  std::to_string(high);
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

const char* const kOptionNames[] = {"tapped", "reverse", "countersunk", "shop"};
const char* const kPartNames[] = {"nut1", "nut2", "washer1", "washer2", "washers"};
const char* const kBoltTexts[] = {"assembly", "diameter", "penetration", "added", "tolerance"};

bool assignBolt(MacroBoltData& bolts, const MacroAssignment& a, std::string& message) {
    for (int i = 0; i < 5; ++i) {
        if (is(a.property, kBoltTexts[i])) {
            *bolts.boltValue(i + 1) = a.value;
            return true;
        }
    }
    for (std::size_t i = 0; i < bolts.options.size(); ++i)
        if (is(a.property, kOptionNames[i])) return intValue(a.value, 0, 1, bolts.options[i], message);
    for (std::size_t i = 0; i < bolts.parts.size(); ++i)
        if (is(a.property, kPartNames[i])) return intValue(a.value, -1, 1, bolts.parts[i], message);
    message = "bolts have no setting " + quoted(a.property);
    return false;
}

bool assignGroup(MacroTabData& tab, MacroProfData props, const MacroAssignment& a,
                 std::string& message) {
    if (is(a.property, "section")) {
        props.sectionName = a.value;
    } else if (is(a.property, "rotation")) {
        props.rotation = a.value;
    } else if (is(a.property, "member")) {
        props.memberName = a.value;
    } else if (is(a.property, "plane")) {
        props.basePlane = a.value;
        props.hasCoordSys = a.value.equal(kCoordSysPlaneName, false);
    } else if (is(a.property, "offset")) {
        if (!intValue(a.value, 0, kOffsetTypeCount - 1, props.offsetType, message)) return false;
    } else {
        message = "section groups have no property " + quoted(a.property);
        return false;
    }
    return tab.setMergedPropsOfGroup(a.item, props);
}

// "LENGTH:SECTION;LENGTH:SECTION": empty pieces are dropped as the segments dialog drops
// empty rows; whether the lengths and sections can be right is the tab's apply to say.
bool assignSegments(MacroTabData& tab, const Mdx_String& value, std::string& message) {
    if (!tab.hasSegmentedProfs()) {
        message = "tab " + quoted(tab.name) + " has no profiles made of segments";
        return false;
    }
    Mdx_Array<Mdx_ProfSegment> list;
    const std::string text = value.toUtf8();
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find(';', from), text.size());
        Mdx_String piece = Mdx_String::fromUtf8(text.substr(from, end - from));
        from = end + 1;
        if (piece.trim().isEmpty()) continue;
        Mdx_String length, section;
        if (!piece.splitAtFirst(":", length, section, true)) {
            message = "segment " + quoted(piece) + " is not LENGTH:SECTION";
            return false;
        }
        list.append({length.trim(), section.trim()});
    }
    tab.segments().list = list;
    tab.segments().mixed = false;  // the list now stands for every segmented module
    return true;
}

bool assignItem(MacroTabData& tab, const MacroAssignment& a, std::string& message) {
    if (MacroPatternData* pattern = tab.findPattern(a.item)) {
        if (is(a.property, "count1")) pattern->nrBolts1 = a.value;
        else if (is(a.property, "count2") && pattern->twoDirections) pattern->nrBolts2 = a.value;
        else if (is(a.property, "spacing")) pattern->value = a.value;
        else {
            message = "pattern " + quoted(a.item) + " has no " + quoted(a.property);
            return false;
        }
        return true;
    }
    if (MacroCutData* cut = tab.findCutWithName(a.item)) {
        if (!is(a.property, "type")) {
            message = "cuts have only a type";
            return false;
        }
        return intValue(a.value, 0, 5, cut->typeIndex, message);
    }
    if (MacroArrayData* array = tab.findArrayWithName(a.item)) {
        for (int i = 0; i < Mdx_ModuleArray::kValueCount; ++i) {
            if (is(a.property, ("value" + std::to_string(i + 1)).c_str())) {
                array->array.values[static_cast<std::size_t>(i)] = a.value;
                return true;
            }
        }
        message = "arrays have value1 to value5";
        return false;
    }
    if (MacroProfData* group = tab.findProfDataWithGroup(a.item))
        return assignGroup(tab, *group, a, message);
    message = "tab " + quoted(tab.name) + " has no item " + quoted(a.item);
    return false;
}

}  // namespace

bool parseMacroAssignment(const std::string& text, MacroAssignment& assignment,
                          std::string& message) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        message = "\"" + text + "\" is not NAME=VALUE";
        return false;
    }
    const std::string name = text.substr(0, equals);
    MacroAssignment read;
    read.value = Mdx_String::fromUtf8(text.substr(equals + 1));
    const std::size_t first = name.find('.');
    if (first == std::string::npos || first == 0 || first + 1 == name.size()) {
        message = "\"" + name + "\" names no TAB.ITEM";
        return false;
    }
    read.tab = Mdx_String::fromUtf8(name.substr(0, first));
    const std::string rest = name.substr(first + 1);
    const std::size_t second = rest.rfind('.');
    if (second == std::string::npos) {
        read.item = Mdx_String::fromUtf8(rest);
    } else {
        read.item = Mdx_String::fromUtf8(rest.substr(0, second));
        read.property = Mdx_String::fromUtf8(rest.substr(second + 1));
    }
    assignment = read;
    return true;
}

bool assignToTab(MacroTabData& tab, const MacroAssignment& a, std::string& message) {
    if (a.property.isEmpty()) {
        if (is(a.item, "block")) {
            if (!tab.block().present) {
                message = "tab " + quoted(tab.name) + " has no block choice";
                return false;
            }
            tab.block().block.name = a.value;
            return true;
        }
        if (MacroVarData* variable = tab.findCellWithName(a.item)) {
            variable->value = a.value;
            return true;
        }
        if (is(a.item, "segments")) return assignSegments(tab, a.value, message);
        message = "tab " + quoted(tab.name) + " has no variable " + quoted(a.item);
        return false;
    }
    if (is(a.item, "bolt")) {
        if (!tab.getBoltData()) {
            message = "tab " + quoted(tab.name) + " has no bolts";
            return false;
        }
        return assignBolt(*tab.getBoltData(), a, message);
    }
    return assignItem(tab, a, message);
}
