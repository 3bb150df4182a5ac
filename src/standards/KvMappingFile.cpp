#include "standards/KvMappingFile.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "standards/KvStandardsFileCache.h"

namespace mappingfile {

Mdx_String pathOf(const Mdx_String& name) {
    Mdx_String path = gSettings.libDir() + "Connection Standards\\" + name + ".kvs";
    changeExtension(path, "map");
    return path;
}

namespace {

// A batch evaluates many macros tied to one standard; its mapping file is split once.
class MappingLines : public KvCachedFile {
public:
    Mdx_StringArray lines;
};

std::unique_ptr<KvCachedFile> parseMappingLines(std::string_view bytes) {
    auto parsed = std::make_unique<MappingLines>();
    splitLines(Mdx_String(std::string(bytes)), parsed->lines);
    Mdx_StringArray& lines = parsed->lines;
    if (!lines.isEmpty() && lines[0].hasASubstr("Mapping", false) &&
        lines[0].hasASubstr("version", false))
        lines.removeAt(0);
    return parsed;
}

}  // namespace

std::shared_ptr<const Mdx_StringArray> sharedLines(const Mdx_String& name) {
    const auto parsed = std::static_pointer_cast<const MappingLines>(
        standards_file_cache::parsedFile(pathOf(name), parseMappingLines));
    if (!parsed) return nullptr;
    return std::shared_ptr<const Mdx_StringArray>(parsed, &parsed->lines);
}

bool readLines(const Mdx_String& name, Mdx_StringArray& lines) {
    lines.setEmpty();
    const auto shared = sharedLines(name);
    if (!shared) return false;
    lines = *shared;
    return true;
}

bool writeLines(const Mdx_String& name, const Mdx_StringArray& lines) {
    Mdx_StringArray file;
    file.append(kMappingVersionLine);
    file.appendAll(lines);
    return ObjectExportWriteFile(pathOf(name), file);
}

Mdx_String keyOf(const Mdx_String& line) {
    Mdx_String key, rest;
    return line.splitAtFirst("=", key, rest, true) ? key : Mdx_String();
}

int findKey(const Mdx_StringArray& lines, const Mdx_String& key) {
    // Compared in place: a batch looks keys up in files of hundreds of lines.
    for (int i = 0; i < lines.length(); ++i) {
        const std::string_view line = lines[i].view();
        const std::size_t equals = line.find('=');
        const std::string_view lineKey =
            equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
        if (lineKey == key.view()) return i;
    }
    return -1;
}

}  // namespace mappingfile
