#include "core/StringHelpers.h"

#include <algorithm>

void strToArr(const Mdx_String& text, Mdx_StringArray& items, const Mdx_String& separator) {
    splitStringAtSymbol(text, separator, items, true);
}

Mdx_StringArray strToArr(const Mdx_String& text, const Mdx_String& separator) {
    Mdx_StringArray items;
    strToArr(text, items, separator);
    return items;
}

Mdx_String arrToStr(const Mdx_StringArray& items, const Mdx_String& separator) {
    Mdx_String text;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) text.append(separator);
        text.append(items[i]);
    }
    return text;
}

void arrToStr(const Mdx_StringArray& items, Mdx_String& text, const Mdx_String& separator) {
    text = arrToStr(items, separator);
}

Mdx_String appStrs(std::initializer_list<Mdx_String> parts) {
    Mdx_String text;
    for (const Mdx_String& part : parts) text.append(part);
    return text;
}

Mdx_StringArray stringArr(std::initializer_list<Mdx_String> items) {
    Mdx_StringArray array;
    for (const Mdx_String& item : items) array.append(item);
    return array;
}

bool splitStringAtSymbol(const Mdx_String& text, const Mdx_String& symbol, Mdx_String& before,
                         Mdx_String& after, bool caseSensitive) {
    return text.splitAtFirst(symbol, before, after, caseSensitive);
}

void splitStringAtSymbol(const Mdx_String& text, const Mdx_String& symbol, Mdx_StringArray& parts,
                         bool caseSensitive) {
    const Mdx_String whole = text;  // parts may alias nothing, but text may be an element
    parts.setEmpty();
    if (whole.isEmpty()) return;
    if (symbol.isEmpty()) {
        parts.append(whole);
        return;
    }
    int start = 0;
    for (;;) {
        const int hit = whole.findFirstFrom(symbol, start, caseSensitive);
        if (hit < 0) break;
        parts.append(whole.mid(start, hit - start));
        start = hit + symbol.length();
    }
    parts.append(whole.mid(start));
}

bool splitString(const Mdx_String& text, const Mdx_String& symbol, Mdx_String& before,
                 Mdx_String& after, bool caseSensitive) {
    return text.splitAtFirst(symbol, before, after, caseSensitive);
}

bool isNumber(const Mdx_String& text) {
    return text.isNumber();
}

bool hasASubstr(const Mdx_String& text, const Mdx_StringArray& candidates, bool caseSensitive,
                int* which) {
    for (int i = 0; i < candidates.length(); ++i) {
        if (text.hasASubstr(candidates[i], caseSensitive)) {
            if (which) *which = i;
            return true;
        }
    }
    if (which) *which = -1;
    return false;
}

bool startsWith(const Mdx_String& text, const Mdx_String& prefix, bool caseSensitive) {
    return text.startsWith(prefix, caseSensitive);
}

void splitLines(const Mdx_String& text, Mdx_StringArray& lines) {
    lines.setEmpty();
    const std::string_view bytes = text.view();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(Mdx_String(bytes.substr(start, i - start)));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size()) lines.append(Mdx_String(bytes.substr(start)));
}

void arrToArrArr(const Mdx_StringArray& lines, Mdx_Array<Mdx_StringArray>& records,
                 const Mdx_String& separator) {
    records.setEmpty();
    for (const Mdx_String& line : lines) records.append(strToArr(line, separator));
}

void arrArrToArr(const Mdx_Array<Mdx_StringArray>& records, Mdx_StringArray& lines,
                 const Mdx_String& separator) {
    lines.setEmpty();
    for (const Mdx_StringArray& record : records) lines.append(arrToStr(record, separator));
}

void removeLineComment(Mdx_String& line) {
    const int hit = line.find("//", true);
    if (hit >= 0) line = line.left(hit);
}

namespace {

// Removes the block comments of one line; inBlock carries an open comment across lines.
Mdx_String withoutBlockComments(const Mdx_String& line, bool& inBlock) {
    Mdx_String kept;
    int pos = 0;
    while (pos < line.length()) {
        if (inBlock) {
            const int close = line.findFirstFrom("*/", pos, true);
            if (close < 0) return kept;
            pos = close + 2;
            inBlock = false;
            continue;
        }
        const int open = line.findFirstFrom("/*", pos, true);
        const int lineComment = line.findFirstFrom("//", pos, true);
        if (lineComment >= 0 && (open < 0 || lineComment < open))
            return kept.append(line.mid(pos, lineComment - pos));
        if (open < 0) return kept.append(line.mid(pos));
        kept.append(line.mid(pos, open - pos));
        pos = open + 2;
        inBlock = true;
    }
    return kept;
}

}  // namespace

void removeComments(Mdx_StringArray& lines) {
    bool inBlock = false;
    for (Mdx_String& line : lines) line = withoutBlockComments(line, inBlock);
}

Mdx_String findNonExistingString(const Mdx_StringArray& existing, const Mdx_String& base) {
    if (!existing.contains(base, false)) return base;
    for (int n = 1;; ++n) {
        Mdx_String candidate = base;
        candidate.append(n);
        if (!existing.contains(candidate, false)) return candidate;
    }
}

void sortArray(Mdx_StringArray& items) {
    std::stable_sort(items.begin(), items.end(), [](const Mdx_String& a, const Mdx_String& b) {
        const int c = a.compare(b, false);
        return c != 0 ? c < 0 : a.compare(b, true) < 0;
    });
}

namespace {
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
}  // namespace

bool hasOnlyLettersNumbers(const Mdx_String& name) {
    if (name.isEmpty()) return false;
    for (char c : name.view())
        if (!isAsciiLetter(c) && !isDigit(c) && c != '_') return false;
    return true;
}

bool startsWithNumber(const Mdx_String& name) {
    return isDigit(name.at(0));
}
