#include "LibraryMapCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/macro/StringChecks.h"
#include "standards/KvMappingCheck.h"
#include "standards/KvMappingFile.h"
#include "standards/KvSSMapping.h"
#include "standards/StandardsName.h"

namespace {

constexpr int kExitNoFolder = 2;
constexpr int kExitNoStandard = 3;
constexpr int kExitBadArguments = 4;
constexpr int kExitNoKey = 5;
constexpr int kExitUnreadableLine = 6;
constexpr int kExitWriteFailed = 7;
constexpr int kKeyLength = 24;
constexpr int kMaxKeyAttempts = 9999;

struct MapOptions {
    std::string library;
    std::string standard;
    std::string key;
    bool fresh = false;
    bool remove = false;
    bool json = false;
    std::vector<std::string> ties;
};

struct MapFailure : std::runtime_error {
    MapFailure(int code, const std::string& message) : std::runtime_error(message), exit(code) {}
    int exit;
};

// "Plate.L1" (a Distance), "Bolts.BoltsDiameter", "gen_gap.GenVar", "Plate.Cut1.CutOffset";
// "Module." in front is allowed.
bool exactKind(const Mdx_String& text, KvObjectKind& kind) {
    for (int k = 1; k < kvObjectKindCount; ++k) {
        const auto candidate = static_cast<KvObjectKind>(k);
        if (Mdx_String(std::string(kindKeyword(candidate))).equal(text, false)) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

KvObjectMap parseTie(const std::string& argument) {
    const auto equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        throw MapFailure(kExitBadArguments, "a tie is VAR=GROUP.NAME[.KIND], not \"" + argument + "\"");
    KvObjectMap object;
    object.ssVarName = Mdx_String::fromUtf8(argument.substr(0, equals));
    Mdx_String target = Mdx_String::fromUtf8(argument.substr(equals + 1));
    if (target.isEmpty()) return object;  // kind None: the variable's tie is removed
    if (target.startsWith("Module.", false)) target = target.mid(7);
    const int firstDot = target.findChar('.');
    if (firstDot <= 0 || firstDot == target.length() - 1)
        throw MapFailure(kExitBadArguments, "\"" + argument + "\": give GROUP.NAME[.KIND]");
    object.groupName = target.left(firstDot);
    Mdx_String rest = target.mid(firstDot + 1);
    const int lastDot = rest.findLast(".", true);
    KvObjectKind kind = KvObjectKind::Distance;
    if (lastDot > 0 && exactKind(rest.mid(lastDot + 1), kind)) {
        object.objectName = rest.left(lastDot);
    } else if (exactKind(rest, kind) && kind != KvObjectKind::Distance) {
        object.objectName = Mdx_String();
    } else {
        kind = KvObjectKind::Distance;
        object.objectName = rest;
    }
    object.kind = kind;
    KvValueType type;
    if (!object.valueType(type))
        throw MapFailure(kExitBadArguments, "\"" + argument + "\": no such kind");
    return object;
}

Mdx_String standardName(const std::string& given) {
    Mdx_String name = Mdx_String::fromUtf8(given);
    if (name.length() > 4 && name.right(4).equal(".kvs", false)) name = name.left(name.length() - 4);
    if (!isStandardsNameInside(name))
        throw MapFailure(kExitNoStandard, standardsNameRefusal(name).toUtf8());
    if (!fileExists(gSettings.libDir() + "Connection Standards\\" + name + ".kvs"))
        throw MapFailure(kExitNoStandard, "the library has no standard \"" + given + "\"");
    return name;
}

// The line of key as a mapping; throws when the line is there but cannot be read, so that a
// change never drops the ties of a line that was misread.
bool readKey(const Mdx_String& name, const Mdx_String& key, KvSSMapping& mapping) {
    for (const KvMappingProblem& problem : mappingfile::findProblems(name))
        if (problem.key == key)
            throw MapFailure(kExitUnreadableLine,
                             "line " + std::to_string(problem.lineNumber) + " of " +
                                 mappingfile::pathOf(name).toUtf8() + " (\"" + key.toUtf8() +
                                 "\") cannot be read: " + problem.message.toUtf8());
    Mdx_StringArray lines;
    if (!mappingfile::readLines(name, lines)) return false;
    const int index = mappingfile::findKey(lines, key);
    return index >= 0 && mapping.initMappingFromLine(lines[index]) == Acad::eOk;
}

Mdx_String freshKey(const Mdx_String& name) {
    Mdx_StringArray lines;
    if (!mappingfile::readLines(name, lines)) lines.setEmpty();
    for (int attempt = 0; attempt < kMaxKeyAttempts; ++attempt) {
        Mdx_String key;
        if (generateRandomString(kKeyLength, key, true) && mappingfile::findKey(lines, key) < 0)
            return key;
    }
    throw MapFailure(kExitWriteFailed, "no unused key could be made");
}

void applyTie(KvSSMapping& mapping, const KvObjectMap& tie) {
    Mdx_Array<KvObjectMap>& objects = mapping.mappedObjectsWrite();
    for (int i = objects.length() - 1; i >= 0; --i)
        if (objects[i].ssVarName.equal(tie.ssVarName, false)) objects.removeAt(i);
    if (tie.kind != KvObjectKind::None) objects.append(tie);
}

void print(const Mdx_String& key, const KvSSMapping& mapping, bool json, const char* action) {
    nlohmann::json ties = nlohmann::json::array();
    std::string text;
    for (const KvObjectMap& object : mapping.mappedObjects()) {
        Mdx_String mappingText, variable;
        if (object.setMappingToStrs(mappingText, variable) != Acad::eOk) continue;
        mappingText.replace(Mdx_String(kMappingGroupSeparator), ".", true);
        ties.push_back({{"variable", variable.toUtf8()}, {"object", mappingText.toUtf8()}});
        text += "  " + variable.toUtf8() + " = " + mappingText.toUtf8() + "\n";
    }
    if (json) {
        std::cout << nlohmann::json{{"key", key.toUtf8()}, {"action", action}, {"ties", ties}}.dump()
                  << "\n";
        return;
    }
    std::cout << key.toUtf8() << " (" << action << ", " << ties.size() << " ties)\n" << text;
}

int removeKey(const Mdx_String& name, const Mdx_String& key, bool json) {
    KvSSMapping unused;
    Mdx_StringArray lines;
    const int index =
        mappingfile::readLines(name, lines) ? mappingfile::findKey(lines, key) : -1;
    if (index < 0)
        throw MapFailure(kExitNoKey, "no mapping \"" + key.toUtf8() + "\" in " +
                                         mappingfile::pathOf(name).toUtf8());
    lines.removeAt(index);
    if (!mappingfile::writeLines(name, lines))
        throw MapFailure(kExitWriteFailed, "the mapping file could not be written; it is unchanged");
    print(key, unused, json, "removed");
    return 0;
}

int mapStandard(const MapOptions& options) {
    if (!options.library.empty())
        gSettings.setLibraryFolder(std::filesystem::absolute(options.library).string());
    if (!folderExists(gSettings.libDir()))
        throw MapFailure(kExitNoFolder, "the library folder does not exist");
    const Mdx_String name = standardName(options.standard);
    if (options.fresh == !options.key.empty())
        throw MapFailure(kExitBadArguments, "give either --key KEY or --new");
    if (options.remove && (options.fresh || !options.ties.empty()))
        throw MapFailure(kExitBadArguments, "--remove takes --key alone");
    Mdx_String key = options.fresh ? freshKey(name) : Mdx_String::fromUtf8(options.key);
    if (key.findChar('=') >= 0 || key.findChar('\r') >= 0 || key.findChar('\n') >= 0 ||
        key.isEmpty())
        throw MapFailure(kExitBadArguments, "a key holds no \"=\" and no line break");
    if (options.remove) return removeKey(name, key, options.json);
    std::vector<KvObjectMap> ties;
    for (const std::string& argument : options.ties) ties.push_back(parseTie(argument));
    KvSSMapping mapping;
    const bool present = readKey(name, key, mapping);
    if (ties.empty() && !options.fresh) {
        if (!present)
            throw MapFailure(kExitNoKey, "no mapping \"" + key.toUtf8() + "\" in " +
                                             mappingfile::pathOf(name).toUtf8());
        print(key, mapping, options.json, "shown");
        return 0;
    }
    for (const KvObjectMap& tie : ties) applyTie(mapping, tie);
    if (mapping.setMappingToFile(name, key) != Acad::eOk)
        throw MapFailure(kExitWriteFailed, "the mapping file could not be written; it is unchanged");
    print(key, mapping, options.json, present ? "changed" : "created");
    return 0;
}

}  // namespace

void addLibraryMapCommand(CLI::App& library, int& exitCode) {
    auto options = std::make_shared<MapOptions>();
    auto* map = library.add_subcommand(
        "map",
        "Show, create, change or remove a line of a standard's mapping file (the ties of the\n"
        "standard's variables to a macro's objects), written in the file's own bytes\n"
        "  example: mdx library map EndPlate --new L1=Plate.L1 Width=Plate.Width\n"
        "  example: mdx library map EndPlate --key EndPlateStd");
    map->add_option("standard", options->standard,
                    "the standard, a name in the library's \"Connection Standards\" folder")
        ->required();
    map->add_option("ties", options->ties,
                    "VAR=GROUP.NAME[.KIND]: ties VAR to the object (KIND defaults to Distance:\n"
                    "Plate.L1, Bolts.BoltsDiameter, gen_gap.GenVar); VAR= removes VAR's tie");
    map->add_option("--key", options->key, "the line's key");
    map->add_flag("--new", options->fresh, "a new line under a fresh 24-character key");
    map->add_flag("--remove", options->remove, "remove the line of --key");
    map->add_option("--library", options->library,
                    "library folder; default: env MDX_LIBRARY, else the bundled examples/");
    map->add_flag("--json", options->json, "print one JSON document");
    map->footer(
        "Exit codes: 0 done; 2 no library folder; 3 no such standard (or a name that leaves the\n"
        "library); 4 bad arguments; 5 no line of that key; 6 the key's line cannot be read\n"
        "(it is left alone); 7 the file could not be written (it is unchanged).");
    map->callback([options, &exitCode] {
        try {
            exitCode = mapStandard(*options);
        } catch (const MapFailure& failure) {
            std::cerr << "mdx library map: " << failure.what() << "\n";
            exitCode = failure.exit;
        }
    });
}
