#include "grid/NumberFormat.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "grid/TextRules.h"

namespace grid {

namespace {

constexpr int kMaxDecimals = 30;

// One section of a pattern, split into the parts this writer places.
struct Section {
    std::string prefix, suffix;  // literal texts around the number
    int integerZeros = 0;        // '0' placeholders before the point: minimum digits
    int integerSpaces = 0;       // '?' placeholders there: padded with blanks
    bool grouping = false;       // ',' between integer placeholders
    int decimalZeros = 0, decimalOptional = 0;  // '0' and '#'/'?' placeholders after it
    bool point = false;
    bool exponent = false, exponentPlus = false;
    int exponentDigits = 0;
    int percent = 0;
    bool general = false;
    bool hasDigits = false;
};

// The sections of a pattern at the ';' outside quotes and escapes.
std::vector<std::string_view> splitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    bool quoted = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"') quoted = !quoted;
        else if (!quoted && c == '\\') ++i;
        else if (!quoted && c == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

bool isPlaceholder(char c) { return c == '0' || c == '#' || c == '?'; }

bool isPlainLiteral(char c) {
    return std::string_view("$-+()/:!^&'~{}<>= ").find(c) != std::string_view::npos ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool parseSection(std::string_view s, Section& out) {
    if (equalsIgnoreCase(s, "General")) {
        out.general = true;
        return true;
    }
    enum { Before, Integer, Decimals, Exponent, After } at = Before;
    auto literal = [&](std::string_view text) {
        if (at == Before) out.prefix.append(text);
        else {
            out.suffix.append(text);
            at = After;
        }
    };
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            const size_t end = s.find('"', i + 1);
            if (end == std::string_view::npos) return false;
            literal(s.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '\\' || c == '_') {
            if (i + 1 >= s.size()) return false;
            literal(c == '_' ? std::string_view(" ") : s.substr(i + 1, 1));
            ++i;
        } else if (c == '%') {
            ++out.percent;
            literal("%");
        } else if (isPlaceholder(c)) {
            if (at == After) return false;  // digits after a literal that followed digits
            out.hasDigits = true;
            if (at == Before) at = Integer;
            if (at == Integer) {
                if (c == '0') ++out.integerZeros;
                else if (c == '?') ++out.integerSpaces;
            } else if (at == Decimals) {
                (c == '0' ? out.decimalZeros : out.decimalOptional)++;
            } else {
                ++out.exponentDigits;
            }
        } else if (c == '.' && (at == Before || at == Integer)) {
            out.point = true;
            out.hasDigits = true;
            at = Decimals;
        } else if (c == ',' && at == Integer) {
            out.grouping = true;
        } else if ((c == 'E' || c == 'e') && (at == Integer || at == Decimals) &&
                   i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
            out.exponent = true;
            out.exponentPlus = s[i + 1] == '+';
            at = Exponent;
            ++i;
        } else if (isPlainLiteral(c)) {
            literal(s.substr(i, 1));
        } else {
            return false;  // date and time codes, '@', stray letters
        }
    }
    return out.decimalZeros + out.decimalOptional <= kMaxDecimals && out.exponentDigits <= 5;
}

// |value| rounded to decimals as the decimal text reads (2.675 to 2 places is 2.68).
std::string fixedDigits(double magnitude, int decimals) {
    const double factor = std::pow(10.0, decimals);
    const double scaled = magnitude * factor;
    if (std::isfinite(scaled) && scaled < 1e17)
        magnitude = std::round(scaled * (1 + 4 * DBL_EPSILON)) / factor;
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    return buffer;
}

void groupThousands(std::string& digits) {
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), 1, ',');
}

// The number part of a section for a magnitude (>= 0).
std::string numberPart(const Section& s, double magnitude, bool& isZero) {
    const int decimals = s.decimalZeros + s.decimalOptional;
    int exponent = 0;
    if (s.exponent && magnitude != 0) {
        exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        magnitude /= std::pow(10.0, exponent);
        if (std::strtod(fixedDigits(magnitude, decimals).c_str(), nullptr) >= 10) {
            magnitude /= 10;
            ++exponent;
        }
    }
    std::string digits = fixedDigits(magnitude, decimals);
    isZero = digits.find_first_not_of("0.") == std::string::npos;
    const size_t pointAt = digits.find('.');
    std::string integer = digits.substr(0, pointAt);
    std::string fraction = pointAt == std::string::npos ? "" : digits.substr(pointAt + 1);
    if (integer == "0") integer.clear();  // "#.##" writes .5; "0.00" pads below
    const int minimum = s.integerZeros;
    if (static_cast<int>(integer.size()) < minimum)
        integer.insert(0, static_cast<size_t>(minimum) - integer.size(), '0');
    if (s.grouping) groupThousands(integer);
    if (static_cast<int>(integer.size()) < minimum + s.integerSpaces)
        integer.insert(0, static_cast<size_t>(minimum + s.integerSpaces) - integer.size(), ' ');
    while (static_cast<int>(fraction.size()) > s.decimalZeros && fraction.back() == '0')
        fraction.pop_back();
    std::string out = integer;
    if (s.point) out += '.';
    out += fraction;
    if (s.exponent) {
        out += 'E';
        if (exponent < 0) out += '-';
        else if (s.exponentPlus) out += '+';
        std::string e = std::to_string(std::abs(exponent));
        if (static_cast<int>(e.size()) < s.exponentDigits)
            e.insert(0, static_cast<size_t>(s.exponentDigits) - e.size(), '0');
        out += e;
    }
    return out;
}

}  // namespace

bool formatWithPattern(double value, std::string_view pattern, std::string& out) {
    const std::vector<std::string_view> sections = splitSections(pattern);
    if (sections.size() > 4) return false;
    size_t pick = 0;
    if (value < 0 && sections.size() >= 2) pick = 1;
    else if (value == 0 && sections.size() >= 3) pick = 2;
    Section s;
    if (!parseSection(sections[pick], s)) return false;
    // Only the first section writes the sign itself; the others have their own texts.
    const bool sign = value < 0 && pick == 0;
    double magnitude = std::fabs(value) * std::pow(100.0, s.percent);
    if (!std::isfinite(magnitude)) return false;
    std::string number;
    bool isZero = magnitude == 0;
    if (s.general) number = formatNumber(magnitude);
    else if (s.hasDigits) number = numberPart(s, magnitude, isZero);
    out = (sign && !isZero ? "-" : "") + s.prefix + number + s.suffix;
    return true;
}

bool formatTextWithPattern(std::string_view text, std::string_view pattern, std::string& out) {
    const std::vector<std::string_view> sections = splitSections(pattern);
    if (sections.size() > 4) return false;
    if (sections.size() < 4) {
        out.assign(text);
        return true;
    }
    out.clear();
    const std::string_view s = sections[3];
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '@') out.append(text);
        else if (s[i] == '"') {
            const size_t end = s.find('"', i + 1);
            if (end == std::string_view::npos) return false;
            out.append(s.substr(i + 1, end - i - 1));
            i = end;
        } else if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else {
            out += s[i];
        }
    }
    return true;
}

}  // namespace grid
