#include "core/LetterCase.h"

#include <array>

namespace {

struct CaseTables {
    std::array<unsigned char, 256> lower{};
    std::array<unsigned char, 256> upper{};
};

constexpr void pairLetters(CaseTables& t, unsigned capital, unsigned small) {
    t.lower[capital] = static_cast<unsigned char>(small);
    t.upper[small] = static_cast<unsigned char>(capital);
}

constexpr CaseTables buildTables() {
    CaseTables t;
    for (unsigned i = 0; i < 256; ++i) {
        t.lower[i] = static_cast<unsigned char>(i);
        t.upper[i] = static_cast<unsigned char>(i);
    }
    for (unsigned c = 'A'; c <= 'Z'; ++c) pairLetters(t, c, c + 0x20);
    for (unsigned c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) pairLetters(t, c, c + 0x20);
    pairLetters(t, 0x8A, 0x9A);
    pairLetters(t, 0x8C, 0x9C);
    pairLetters(t, 0x8E, 0x9E);
    pairLetters(t, 0x9F, 0xFF);
    return t;
}

constexpr CaseTables kTables = buildTables();

constexpr const CaseTables& tables() {
    return kTables;
}

unsigned char lowerByte(char c) {
    return tables().lower[static_cast<unsigned char>(c)];
}

}  // namespace

char lowerLetter(char c) {
    return static_cast<char>(lowerByte(c));
}

char upperLetter(char c) {
    return static_cast<char>(tables().upper[static_cast<unsigned char>(c)]);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerByte(a[i]) != lowerByte(b[i])) return false;
    return true;
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int d = int(lowerByte(a[i])) - int(lowerByte(b[i]));
        if (d != 0) return d;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size() || needle.size() > text.size() - from) return std::string_view::npos;
    const std::size_t last = text.size() - needle.size();
    for (std::size_t i = from; i <= last; ++i)
        if (equalIgnoringCase(text.substr(i, needle.size()), needle)) return i;
    return std::string_view::npos;
}
