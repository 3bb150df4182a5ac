#include "core/RecordFile.h"

#include "core/FileHelpers.h"
#include "core/PathHelpers.h"
#include "core/FieldEscape.h"
#include "core/StringHelpers.h"

namespace {

const char* const kMagic = "MDX-RECORDS";
const int kVersion = 1;

bool isDigits(const Mdx_String& text) {
    if (text.isEmpty() || text.length() > 9) return false;
    for (char c : text.view())
        if (c < '0' || c > '9') return false;
    return true;
}

bool parseRecord(const Mdx_String& line, Mdx_StringArray& record) {
    const Mdx_StringArray parts = strToArr(line, "\t");
    if (parts.isEmpty() || !isDigits(parts[0]) || parts[0].toInt() != parts.length() - 1)
        return false;
    record.setEmpty();
    for (int i = 1; i < parts.length(); ++i) {
        Mdx_String field;
        if (!unescapeField(parts[i], field)) return false;
        record.append(field);
    }
    return true;
}

bool isHeader(const Mdx_String& line) {
    Mdx_String magic, version;
    return line.splitAtFirst(" ", magic, version, true) && magic == Mdx_String(kMagic) &&
           isDigits(version) && version.toInt() == kVersion;
}

}  // namespace

bool parseRecords(const Mdx_String& bytes, Mdx_Array<Mdx_StringArray>& records) {
    Mdx_StringArray lines;
    splitLines(bytes, lines);
    if (lines.isEmpty() || !isHeader(lines[0])) return false;
    Mdx_Array<Mdx_StringArray> parsed;
    parsed.reserve(lines.length() - 1);
    for (int i = 1; i < lines.length(); ++i) {
        Mdx_StringArray record;
        if (!parseRecord(lines[i], record)) return false;
        parsed.append(std::move(record));
    }
    records = std::move(parsed);
    return true;
}

Mdx_String formatRecords(const Mdx_Array<Mdx_StringArray>& records) {
    std::string out = std::string(kMagic) + " " + std::to_string(kVersion) + "\r\n";
    for (const Mdx_StringArray& record : records) {
        out += std::to_string(record.length());
        for (const Mdx_String& field : record) out += "\t" + escapeField(field).str();
        out += "\r\n";
    }
    return Mdx_String(std::move(out));
}

bool readFile(const Mdx_String& path, Mdx_String& name, Mdx_Array<Mdx_StringArray>& records) {
    Mdx_String bytes;
    Mdx_Array<Mdx_StringArray> parsed;
    if (!readWholeFile(path, bytes) || !parseRecords(bytes, parsed)) return false;
    Mdx_String baseName = getFileName(path);
    removeExtension(baseName);
    name = baseName;
    records = std::move(parsed);
    return true;
}

bool writeFile(const Mdx_String& path, const Mdx_Array<Mdx_StringArray>& records) {
    return writeWholeFile(path, formatRecords(records));
}
