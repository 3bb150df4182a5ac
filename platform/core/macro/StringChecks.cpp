#include "core/macro/StringChecks.h"

#include <random>
#include <string_view>
#include <unordered_map>

#include "core/LetterCase.h"

namespace {

// The key under which equal names meet: the bytes, or their lower-case form.
std::string nameKey(const Mdx_String& name, bool caseSensitive) {
    std::string key = name.str();
    if (!caseSensitive)
        for (char& c : key) c = lowerLetter(c);
    return key;
}

}  // namespace

void getDuplicates(const Mdx_StringArray& names, AcArray<int>& positions, bool caseSensitive) {
    positions.removeAll();
    std::unordered_map<std::string, int> seen;
    for (int i = 0; i < names.length(); ++i)
        if (!seen.emplace(nameKey(names[i], caseSensitive), i).second) positions.append(i);
}

bool hasDuplicates(const Mdx_StringArray& names, Mdx_StringArray& duplicates, bool caseSensitive) {
    duplicates.setEmpty();
    std::unordered_map<std::string, int> count;
    for (const Mdx_String& name : names) ++count[nameKey(name, caseSensitive)];
    std::unordered_map<std::string, bool> reported;
    for (const Mdx_String& name : names) {
        std::string key = nameKey(name, caseSensitive);
        if (count[key] > 1 && !reported[key]) {
            reported[key] = true;
            duplicates.append(name);
        }
    }
    return !duplicates.isEmpty();
}

bool generateRandomString(int length, Mdx_String& text, bool lettersAndDigits) {
    if (length < 0) return false;
    static constexpr std::string_view kAlphanumeric =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static constexpr std::string_view kPrintable =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!#$%&'()+,-.;@[]^_`{}~";
    std::string_view alphabet = lettersAndDigits ? kAlphanumeric : kPrintable;
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string result;
    result.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) result.push_back(alphabet[pick(engine)]);
    text = Mdx_String(std::move(result));
    return true;
}
