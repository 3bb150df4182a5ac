#include "core/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    return pos;
}

// Length of the decimal number at the start of s (no sign), 0 when there is none.
std::size_t numberLength(std::string_view s) {
    std::size_t i = 0, digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

bool readSign(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) return text[pos++] == '-';
    return false;
}

}  // namespace

double leadingDouble(std::string_view text) {
    std::size_t pos = skipBlanks(text, 0);
    const bool negative = readSign(text, pos);
    const std::string_view rest = text.substr(pos);
    const std::size_t len = numberLength(rest);
    if (len == 0) return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(rest.data(), rest.data() + len, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for double: decide by the exponent's sign.
        const bool tiny = rest.substr(0, len).find("e-") != std::string_view::npos ||
                          rest.substr(0, len).find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

int leadingInt(std::string_view text) {
    std::size_t pos = skipBlanks(text, 0);
    const bool negative = readSign(text, pos);
    long long value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool isNumberText(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    std::size_t end = text.size();
    while (end > pos && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    std::string_view body = text.substr(pos, end - pos);
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
    const std::size_t len = numberLength(body);
    return len != 0 && len == body.size();
}

std::string formatNumber(double value, int precision, bool fixedDecimals) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (precision < 0) precision = 0;
    if (precision > 17) precision = 17;
    char buffer[400];  // the largest double with 17 decimals needs about 330
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    std::string text(buffer, result.ptr);
    if (!fixedDecimals && text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    // "-0", "-0.00": a value that rounds to zero has no sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}
