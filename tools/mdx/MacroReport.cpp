#include "MacroReport.h"

#include <sstream>

#include "EvaluateDrawing.h"
#include "core/macro/MacroData.h"
#include "core/macro/SectionPlacement.h"

namespace {

std::string text(const Mdx_String& value) {
    return "\"" + value.toUtf8() + "\"";
}

const char* kindName(int kind) {
    switch (kind) {
        case MacroTabData::kBoltTab:
            return "bolts";
        case MacroTabData::kSectionTab:
            return "sections";
        case MacroTabData::kPlainTab:
            return "plain";
        default:
            return "general";
    }
}

const char* variableKind(int kind) {
    static const char* const names[] = {"", "distance", "whole number", "text", "choice", "check"};
    return kind >= 1 && kind <= 5 ? names[kind] : "unknown";
}

void reportBolts(std::ostream& out, const MacroTabData& tab) {
    const MacroBoltData* bolts = tab.getBoltData();
    if (!bolts) return;
    out << "  " << tab.name.toUtf8() << ".bolt: assembly " << text(bolts->assembly)
        << ", diameter " << text(bolts->diameter) << ", penetration "
        << text(bolts->penetrationLength) << ", added " << text(bolts->addedLength)
        << ", tolerance " << text(bolts->holeTolerance) << "\n";
    static const char* const options[] = {"tapped", "reverse", "countersunk", "shop"};
    static const char* const parts[] = {"nut1", "nut2", "washer1", "washer2", "washers"};
    out << "    options:";
    for (std::size_t i = 0; i < bolts->options.size(); ++i)
        out << " " << options[i] << "=" << bolts->options[i];
    out << "; nuts and washers:";
    for (std::size_t i = 0; i < bolts->parts.size(); ++i) out << " " << parts[i] << "=" << bolts->parts[i];
    out << "\n";
    for (const Mdx_HoleColumn& column : bolts->holeColumns)
        out << "    hole column " << text(column.name) << (column.flag ? " on" : " off") << "\n";
    for (int i = 0; i < bolts->slottedHoles.length(); ++i) {
        const Mdx_SlottedHole& hole = bolts->slottedHoles[i];
        out << "    slotted hole " << i << (hole.active ? " active" : " inactive") << ": "
            << text(hole.texts[0]) << ", " << text(hole.texts[1]) << ", " << text(hole.texts[2])
            << ", " << text(hole.texts[3]) << ", type " << hole.typeIndex << "\n";
    }
    for (const MacroPatternData& pattern : tab.patterns()) {
        out << "  " << tab.name.toUtf8() << "." << pattern.name.toUtf8() << ": count1 "
            << text(pattern.nrBolts1);
        if (pattern.twoDirections) out << ", count2 " << text(pattern.nrBolts2);
        out << ", spacing " << text(pattern.value) << "\n";
    }
}

void reportSections(std::ostream& out, const MacroTabData& tab) {
    Mdx_StringArray offsets;
    getOffsetTypeStrings(offsets);
    for (const MacroProfData& group : tab.profGroups()) {
        const int offset = getDlgOffsetType(group.offsetType);
        out << "  " << tab.name.toUtf8() << "." << group.groupName.toUtf8() << ": section "
            << text(group.sectionName) << ", offset "
            << (offset >= 0 ? text(offsets[offset]) : std::string("mixed")) << ", rotation "
            << text(group.rotation) << ", plane " << text(group.basePlane) << ", member "
            << text(group.memberName) << "\n";
    }
    // Only a tab whose profiles are made of segments lists them.
    if (!tab.hasSegmentedProfs()) return;
    out << "  " << tab.name.toUtf8() << ".segments" << (tab.segments().mixed ? " (mixed)" : "")
        << ":";
    for (const Mdx_ProfSegment& segment : tab.segments().list)
        out << " " << text(segment.length) << " " << text(segment.section) << ";";
    out << "\n";
}

}  // namespace

std::string macroReport(const std::string& macroName, const std::string& handle,
                        const MacroData& data) {
    std::ostringstream out;
    out << "Macro " << macroName << " (handle " << handle << ")\n";
    for (int t = 0; t < data.tabCount(); ++t) {
        const MacroTabData& tab = *data.getTab(t);
        const std::string name = tab.name.toUtf8();
        out << "Tab " << name << " (" << kindName(tab.kind) << ")";
        if (!tab.designPath.isEmpty()) out << ", design " << text(tab.designPath);
        out << "\n";
        for (const MacroVarData& variable : tab.variables()) {
            bool hasButton = false, flexible = false;
            if (tab.getFlexFixBtnStatus(variable.name, hasButton, flexible) != Acad::eOk)
                hasButton = false;
            out << "  " << name << "." << variable.name.toUtf8() << " = " << text(variable.value)
                << " (" << variableKind(variable.kind) << (variable.readOnly ? ", read-only" : "")
                << (hasButton ? (flexible ? ", flexible" : ", fixed") : "") << ")\n";
        }
        for (const MacroCutData& cut : tab.cuts())
            out << "  " << name << "." << cut.name.toUtf8() << ": type " << cut.typeIndex << "\n";
        for (const MacroArrayData& array : tab.arrays()) {
            out << "  " << name << "." << array.array.name.toUtf8() << ":";
            for (const Mdx_String& value : array.array.values) out << " " << text(value);
            out << "\n";
        }
        if (tab.block().present)
            out << "  " << name << ".block = " << text(tab.block().block.name) << " (folder "
                << text(tab.block().block.folder) << ")\n";
        reportBolts(out, tab);
        reportSections(out, tab);
    }
    return out.str();
}

std::vector<std::string> reopenedMacroReport(EvaluateDrawing& drawing) {
    const std::string macro = drawing.macroHandle();
    drawing.keep();
    drawing.open(macro);
    std::istringstream report(
        macroReport(drawing.macroName(), drawing.macroHandle(), drawing.macroData()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(report, line);) lines.push_back(line);
    return lines;
}
