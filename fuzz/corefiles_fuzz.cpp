// Feeds arbitrary bytes to the core library's text readers: record files, lines, lists,
// numbers, UTF-8 and file-name patterns. What reads must write back to the same thing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/FileHelpers.h"
#include "core/NumberText.h"
#include "core/RecordFile.h"
#include "core/StringHelpers.h"
#include "core/Windows1252.h"

namespace {

void recordsRoundTrip(const Mdx_String& bytes) {
    Mdx_Array<Mdx_StringArray> records;
    if (!parseRecords(bytes, records)) return;
    Mdx_Array<Mdx_StringArray> again;
    if (!parseRecords(formatRecords(records), again) || !(again == records)) std::abort();
}

void listsRoundTrip(const Mdx_String& bytes) {
    Mdx_StringArray lines;
    splitLines(bytes, lines);
    for (const Mdx_String& line : lines) {
        const Mdx_StringArray items = strToArr(line, "\xBF");
        if (!items.isEmpty() && !(arrToStr(items, "\xBF") == line)) std::abort();
    }
    removeComments(lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const Mdx_String bytes{raw};
    recordsRoundTrip(bytes);
    listsRoundTrip(bytes);
    if (utf8ToWindows1252(windows1252ToUtf8(raw)) != raw) std::abort();
    (void)utf8ToWindows1252(raw);
    (void)leadingDouble(raw);
    (void)leadingInt(raw);
    if (isNumberText(raw) && std::isnan(bytes.toDouble())) std::abort();
    const std::size_t half = size / 2;
    (void)matchesFilePattern(Mdx_String(raw.substr(0, half)), Mdx_String(raw.substr(half)));
    Mdx_String copy = bytes;
    copy.replace(Mdx_String(raw.substr(0, half % 4)), "xy", false);
    return 0;
}
