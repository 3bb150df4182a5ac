#include "standards/KvMappingCheck.h"

#include <memory>
#include <string>
#include <string_view>

#include "core/Mdx_StringArray.h"
#include "core/StringHelpers.h"
#include "standards/KvMappingFile.h"
#include "standards/KvObjectMap.h"
#include "standards/KvStandardsFileCache.h"

namespace mappingfile {

namespace {

// The separators as UTF-8 writes them: U+0192, U+00BF and U+2022.
constexpr std::string_view kUtf8Separators[] = {"\xC6\x92", "\xC2\xBF", "\xE2\x80\xA2"};

bool isVersionLine(const Mdx_String& line) {
    return line.hasASubstr("Mapping", false) && line.hasASubstr("version", false);
}

bool isBlank(const Mdx_String& line) {
    for (int i = 0; i < line.length(); ++i)
        if (line.c_str()[i] != ' ' && line.c_str()[i] != '\t') return false;
    return true;
}

}  // namespace

Mdx_String lineProblem(const Mdx_String& line) {
    const std::string_view bytes(line.c_str(), static_cast<std::size_t>(line.length()));
    for (std::string_view separator : kUtf8Separators)
        if (bytes.find(separator) != std::string_view::npos)
            return "separators written as UTF-8 (a mapping file is Windows-1252 text)";
    Mdx_String key, pairs;
    if (!line.splitAtFirst("=", key, pairs, true)) return "no \"=\" after the key";
    if (key.isEmpty()) return "no key before \"=\"";
    if (pairs.isEmpty()) return {};
    Mdx_StringArray items;
    strToArr(pairs, items, Mdx_String(kMappingPairSeparator));
    for (int i = 0; i < items.length(); ++i) {
        Mdx_String ssVar, text;
        const Mdx_String place = "tie " + Mdx_String::fromUtf8(std::to_string(i + 1));
        if (!items[i].splitAtFirst(Mdx_String(kMappingVarSeparator), ssVar, text, true) ||
            ssVar.isEmpty())
            return place + " has no variable name and byte 0x83";
        KvObjectMap object;
        if (object.getMappingFromStrs(ssVar, text) != Acad::eOk)
            return place + " (" + ssVar + ") does not read as group, byte 0x95, kind and name";
    }
    return {};
}

namespace {

// A batch checks the mapping of each of its macros; the file's problems are found once.
class MappingProblems : public KvCachedFile {
public:
    std::vector<KvMappingProblem> problems;
};

std::unique_ptr<KvCachedFile> parseProblems(std::string_view bytes) {
    auto parsed = std::make_unique<MappingProblems>();
    Mdx_StringArray lines;
    splitLines(Mdx_String(std::string(bytes)), lines);
    for (int i = 0; i < lines.length(); ++i) {
        if (isBlank(lines[i]) || (i == 0 && isVersionLine(lines[i]))) continue;
        const Mdx_String message = lineProblem(lines[i]);
        if (!message.isEmpty()) parsed->problems.push_back({i + 1, keyOf(lines[i]), message});
    }
    return parsed;
}

}  // namespace

std::vector<KvMappingProblem> findProblems(const Mdx_String& name) {
    const auto parsed = std::static_pointer_cast<const MappingProblems>(
        standards_file_cache::parsedFile(pathOf(name), parseProblems));
    return parsed ? parsed->problems : std::vector<KvMappingProblem>{};
}

}  // namespace mappingfile
