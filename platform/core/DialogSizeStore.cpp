#include "core/DialogSizeStore.h"

#include <filesystem>
#include <memory>

#include "core/StringHelpers.h"
#include "win/FilePaths.h"
#include "win/Profile.h"

namespace {

const char* const kHeader = "MDX-DIALOG-SIZES 1";
const char* const kFileName = "dialog-sizes.txt";

bool readInt(const Mdx_String& text, int& value) {
    if (!text.isNumber() || text.find(".", true) >= 0 || text.find("e", false) >= 0) return false;
    const double d = text.toDouble();
    if (d < -1e9 || d > 1e9) return false;
    value = text.toInt();
    return true;
}

bool parseEntry(const Mdx_String& line, Mdx_String& key, DialogRect& rect) {
    const Mdx_StringArray parts = strToArr(line, "\t");
    if (parts.length() != 5 || parts[0].isEmpty()) return false;
    DialogRect r;
    if (!readInt(parts[1], r.left) || !readInt(parts[2], r.top) || !readInt(parts[3], r.right) ||
        !readInt(parts[4], r.bottom) || !r.isValid())
        return false;
    key = parts[0];
    rect = r;
    return true;
}

bool isUsableKey(const Mdx_String& key) {
    return !key.isEmpty() && key.str().find_first_of("\t\r\n") == std::string::npos;
}

}  // namespace

DialogSizeStore::DialogSizeStore(std::string filePath) : m_filePath(std::move(filePath)) {}

DialogSizeStore& DialogSizeStore::current() {
    static std::unique_ptr<DialogSizeStore> store;
    const std::string path = (win::profileFolder() / kFileName).string();
    if (!store || store->filePath() != path) store = std::make_unique<DialogSizeStore>(path);
    return *store;
}

bool DialogSizeStore::load(std::vector<Line>& lines) const {
    lines.clear();
    std::string bytes;
    std::error_code ec;
    if (!std::filesystem::exists(m_filePath, ec)) return true;
    if (!win::readWholeFile(m_filePath, bytes)) return false;
    Mdx_StringArray text;
    splitLines(Mdx_String(std::move(bytes)), text);
    if (text.isEmpty()) return true;
    if (text[0] != Mdx_String(kHeader)) return false;
    for (int i = 1; i < text.length(); ++i) {
        Line line;
        if (!parseEntry(text[i], line.key, line.rect)) line.key.setEmpty();
        line.raw = text[i];
        lines.push_back(line);
    }
    return true;
}

bool DialogSizeStore::get(const Mdx_String& key, DialogRect& rect) const {
    std::vector<Line> lines;
    if (!load(lines)) return false;
    for (const Line& line : lines) {
        if (!line.key.isEmpty() && line.key.equal(key, false)) {
            rect = line.rect;
            return true;
        }
    }
    return false;
}

bool DialogSizeStore::put(const Mdx_String& key, const DialogRect& rect) {
    if (!isUsableKey(key) || !rect.isValid()) return false;
    std::vector<Line> lines;
    if (!load(lines)) return false;
    Mdx_String entry = key;
    for (int value : {rect.left, rect.top, rect.right, rect.bottom})
        entry.append('\t').append(value);
    bool replaced = false;
    std::string out = std::string(kHeader) + "\r\n";
    for (const Line& line : lines) {
        const bool same = !line.key.isEmpty() && line.key.equal(key, false);
        if (same && replaced) continue;  // a duplicate of the key from an older file
        out += (same ? entry : line.raw).str() + "\r\n";
        replaced = replaced || same;
    }
    if (!replaced) out += entry.str() + "\r\n";
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_filePath).parent_path(), ec);
    return win::writeWholeFileAtomic(m_filePath, out);
}
