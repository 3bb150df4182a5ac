#include "win/ItemList.h"

#include <cstring>

#include "win/AsciiCase.h"

namespace win::detail {
namespace {

bool startsWithNoCase(const std::string& s, const std::string& prefix) {
    return startsWithIgnoringAsciiCase(s, prefix);
}

int compareNoCase(const std::string& a, const std::string& b) {
    return compareIgnoringAsciiCase(a, b);
}

}  // namespace

int findItem(const std::vector<ListItem>& items, int start, const std::string& text, bool exact) {
    const int count = static_cast<int>(items.size());
    if (count == 0) return -1;
    if (start < -1 || start >= count) start = -1;
    for (int step = 1; step <= count; ++step) {
        const int i = (start + step) % count;
        const std::string& item = items[static_cast<std::size_t>(i)].text;
        if (exact ? (item.size() == text.size() && startsWithNoCase(item, text))
                  : startsWithNoCase(item, text))
            return i;
    }
    return -1;
}

int insertItem(std::vector<ListItem>& items, int index, const std::string& text, bool sorted) {
    int at = index;
    if (sorted) {
        at = 0;
        while (at < static_cast<int>(items.size()) &&
               compareNoCase(items[static_cast<std::size_t>(at)].text, text) <= 0)
            ++at;
    } else if (at < 0 || at > static_cast<int>(items.size())) {
        if (at > static_cast<int>(items.size())) return -1;
        at = static_cast<int>(items.size());
    }
    ListItem item;
    item.text = text;
    items.insert(items.begin() + at, item);
    return at;
}

LRESULT copyItemText(const std::vector<ListItem>& items, WPARAM index, LPARAM buffer) {
    if (index >= items.size()) return -1;
    const std::string& text = items[index].text;
    if (buffer) {
        char* out = reinterpret_cast<char*>(buffer);
        std::memcpy(out, text.data(), text.size());
        out[text.size()] = '\0';
    }
    return static_cast<LRESULT>(text.size());
}

}  // namespace win::detail
