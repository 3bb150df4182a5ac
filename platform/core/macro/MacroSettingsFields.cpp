#include "core/macro/MacroSettingsFields.h"

#include "core/macro/MacroFields.h"
#include "core/macro/MacroSettings.h"

using namespace macrofields;

namespace {

void writeList(host::FieldWriter& out, std::string_view count, std::string_view item,
               const Mdx_StringArray& list) {
    out.writeInt(count, list.length());
    for (const Mdx_String& text : list) writeText(out, item, text);
}

bool readList(host::FieldReader& in, std::string_view count, std::string_view item,
              Mdx_StringArray& list) {
    int n = 0;
    if (!readCount(in, count, n)) return false;
    for (int i = 0; i < n; ++i) {
        Mdx_String text;
        if (!readText(in, item, text)) return false;
        list.append(text);
    }
    return true;
}

bool sameLength(host::FieldReader& in, const Mdx_StringArray& a, const Mdx_StringArray& b,
                const char* what) {
    if (a.length() == b.length()) return true;
    in.fail(std::string("the macro settings hold ") + what + " of different counts");
    return false;
}

}  // namespace

void writeMacroSettingsFields(host::FieldWriter& out, const MacroSettings& settings) {
    out.writeBool("settings.angle90", settings.filterAngle90);
    out.writeBool("settings.angle180", settings.filterAngle180);
    out.writeBool("settings.sectionAngle", settings.filterSectionAngle);
    writeText(out, "settings.angleTolerance", settings.angleTolerance);
    out.writeBool("settings.sectionSize", settings.filterSectionSize);
    writeText(out, "settings.minSectionSize", settings.minSectionSize);
    writeText(out, "settings.maxSectionSize", settings.maxSectionSize);
    out.writeBool("settings.pathDistance", settings.filterPathDistance);
    writeText(out, "settings.maxPathDistance", settings.maxPathDistance);
    writeText(out, "settings.description", settings.description);
    writeText(out, "settings.author", settings.author);
    writeList(out, "settings.variables", "settings.variable", settings.variableNames);
    writeList(out, "settings.values", "settings.value", settings.variableValues);
    writeList(out, "settings.sectionGroups", "settings.sectionGroup", settings.sectionGroups);
    writeList(out, "settings.standards", "settings.standard", settings.standards.spreadsheetNames);
    writeList(out, "settings.mapsTo", "settings.mapTo", settings.standards.mapsToKeys);
}

bool readMacroSettingsFields(host::FieldReader& in, MacroSettings& settings, bool& present) {
    present = in.nextIs("settings.angle90");
    if (!present) return true;
    MacroSettings read;
    const bool ok =
        in.readBool("settings.angle90", read.filterAngle90) &&
        in.readBool("settings.angle180", read.filterAngle180) &&
        in.readBool("settings.sectionAngle", read.filterSectionAngle) &&
        readText(in, "settings.angleTolerance", read.angleTolerance) &&
        in.readBool("settings.sectionSize", read.filterSectionSize) &&
        readText(in, "settings.minSectionSize", read.minSectionSize) &&
        readText(in, "settings.maxSectionSize", read.maxSectionSize) &&
        in.readBool("settings.pathDistance", read.filterPathDistance) &&
        readText(in, "settings.maxPathDistance", read.maxPathDistance) &&
        readText(in, "settings.description", read.description) &&
        readText(in, "settings.author", read.author) &&
        readList(in, "settings.variables", "settings.variable", read.variableNames) &&
        readList(in, "settings.values", "settings.value", read.variableValues) &&
        readList(in, "settings.sectionGroups", "settings.sectionGroup", read.sectionGroups) &&
        readList(in, "settings.standards", "settings.standard", read.standards.spreadsheetNames) &&
        readList(in, "settings.mapsTo", "settings.mapTo", read.standards.mapsToKeys) &&
        sameLength(in, read.variableNames, read.variableValues, "variable names and values") &&
        sameLength(in, read.standards.spreadsheetNames, read.standards.mapsToKeys,
                   "standards and keys");
    if (!ok) return false;
    read.standards.rememberOriginal();
    settings = std::move(read);
    return true;
}
