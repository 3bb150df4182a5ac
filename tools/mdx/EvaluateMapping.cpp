#include "EvaluateMapping.h"

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "EvaluateInputs.h"
#include "standards/KvMappingCheck.h"
#include "standards/KvMappingFile.h"
#include "win/FilePaths.h"

namespace {

constexpr const char* kModulePrefix = "Module.";

std::string joined(const std::vector<Mdx_String>& items) {
    std::string text;
    for (const Mdx_String& item : items) text += (text.empty() ? "" : ", ") + item.toUtf8();
    return text.empty() ? "none" : text;
}

std::string mappingFileOf(const StandardRef& standard) {
    return win::mapPath(mappingfile::pathOf(standard.fileName).str()).string();
}

std::vector<Mdx_String> keysOf(const Mdx_StringArray& lines) {
    std::vector<Mdx_String> keys;
    for (const Mdx_String& line : lines) keys.push_back(mappingfile::keyOf(line));
    return keys;
}

// What a newcomer can give instead.
std::string choices(const StandardRef& standard, const EvaluateDrawing& drawing) {
    std::string text = "groups of the macro: " + joined(drawing.moduleGroups());
    Mdx_StringArray lines;
    if (standard.inLibrary && mappingfile::readLines(standard.fileName, lines))
        text += "; keys of " + mappingFileOf(standard) + ": " + joined(keysOf(lines));
    return text;
}

void checkGroup(const Mdx_String& group, const StandardRef& standard,
                const EvaluateDrawing& drawing) {
    if (group.isEmpty())
        throw EvaluateError(EvaluateExit::BadMapping,
                            "--maps-to Module. needs a module group after the point (" +
                                choices(standard, drawing) + ")");
    for (const Mdx_String& known : drawing.moduleGroups())
        if (known.equal(group, false)) return;
    throw EvaluateError(EvaluateExit::BadMapping, "the macro has no module group \"" +
                                                      group.toUtf8() + "\" (" +
                                                      choices(standard, drawing) + ")");
}

void checkKey(const Mdx_String& key, const StandardRef& standard) {
    if (!standard.inLibrary)
        throw EvaluateError(EvaluateExit::BadMapping,
                            "mapping files are kept in the library's Connection Standards "
                            "folder, and " +
                                standard.file.string() +
                                " lies outside it; use --maps-to Module.GROUP or --library");
    const auto lines = mappingfile::sharedLines(standard.fileName);
    if (!lines)
        throw EvaluateError(EvaluateExit::BadMapping, "no mapping \"" + key.toUtf8() +
                                                          "\": the standard has no mapping file " +
                                                          mappingFileOf(standard));
    if (mappingfile::findKey(*lines, key) < 0)
        throw EvaluateError(EvaluateExit::BadMapping, "no mapping \"" + key.toUtf8() + "\" in " +
                                                          mappingFileOf(standard) +
                                                          " (keys: " + joined(keysOf(*lines)) + ")");
    // A line that does not read as the format would tie nothing, and the evaluation would
    // run on empty inputs.
    for (const KvMappingProblem& problem : mappingfile::findProblems(standard.fileName))
        if (problem.key == key)
            throw EvaluateError(EvaluateExit::BadMapping,
                                "the mapping \"" + key.toUtf8() + "\" in " +
                                    mappingFileOf(standard) + ", line " +
                                    std::to_string(problem.lineNumber) +
                                    ", cannot be read: " + problem.message.toUtf8());
}

}  // namespace

Mdx_String checkMapping(const std::string& mapsTo, const StandardRef& standard,
                        const EvaluateDrawing& drawing) {
    if (mapsTo.empty())
        throw EvaluateError(EvaluateExit::BadMapping,
                            "say what the standard maps to with --maps-to Module.GROUP or "
                            "--maps-to KEY; the drawing keeps no standards settings for its "
                            "macros (" +
                                choices(standard, drawing) + ")");
    const Mdx_String text = Mdx_String::fromUtf8(mapsTo);
    if (text.startsWith(kModulePrefix, false)) {
        Mdx_String prefix, group;
        text.splitAtFirst(".", prefix, group, true);
        checkGroup(group, standard, drawing);
    } else {
        checkKey(text, standard);
    }
    return text;
}
