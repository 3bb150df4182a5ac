#include "grid/TextRules.h"

#include <charconv>
#include <cmath>

#include "win/AsciiCase.h"

namespace grid {

// The names and texts of formulas follow the window system's rule, ASCII letters only
// (win/AsciiCase.h).
char toUpperAscii(char c) { return win::upperAscii(c); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return win::equalsIgnoringAsciiCase(a, b);
}

int compareIgnoreCase(std::string_view a, std::string_view b) {
    return win::compareIgnoringAsciiCase(a, b);
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = toUpperAscii(c);
    return out;
}

void appendNumber(std::string& out, double value) {
    if (value == 0) value = 0;  // no "-0"
    char buf[64];
    if (std::isfinite(value) && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
        out.append(buf, r.ptr);
        return;
    }
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    out.append(buf, r.ptr);
}

std::string formatNumber(double value) {
    std::string out;
    appendNumber(out, value);
    return out;
}

void appendExactNumber(std::string& out, double value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

bool parseNumber(std::string_view text, double& value) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    if (b == e) return false;
    const char* first = text.data() + b;
    const char* last = text.data() + e;
    if (*first == '+') {
        ++first;
        if (first == last || *first == '-') return false;  // "+-1" is no number
    }
    // from_chars accepts "inf" and "nan"; a sheet never does.
    char c = *first == '-' && first + 1 < last ? first[1] : *first;
    if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
    auto r = std::from_chars(first, last, value);
    return r.ec == std::errc() && r.ptr == last && std::isfinite(value);
}

void appendColumnLetters(std::string& out, int column) {
    char buf[8];
    int n = 0;
    while (column > 0 && n < 8) {
        int d = (column - 1) % 26;
        buf[n++] = static_cast<char>('A' + d);
        column = (column - 1) / 26;
    }
    while (n > 0) out.push_back(buf[--n]);
}

std::string columnLetters(int column) {
    std::string out;
    appendColumnLetters(out, column);
    return out;
}

}  // namespace grid
