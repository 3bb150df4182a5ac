#include "core/Mdx_String.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "core/LetterCase.h"
#include "core/NumberText.h"
#include "core/Windows1252.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t clampPosition(const std::string& s, int position) {
    if (position <= 0) return 0;
    return std::min(static_cast<std::size_t>(position), s.size());
}

int toIndex(std::size_t pos) {
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

std::size_t findFrom(const std::string& text, const std::string& what, std::size_t from,
                     bool caseSensitive) {
    if (caseSensitive) return text.find(what, from);
    return findIgnoringCase(text, what, from);
}

}  // namespace

Mdx_String::Mdx_String(const char* text, int length) {
    if (text && length > 0) m_bytes.assign(text, static_cast<std::size_t>(length));
}

Mdx_String::Mdx_String(double value, int precision, bool fixedDecimals)
    : m_bytes(formatNumber(value, precision, fixedDecimals)) {}

Mdx_String Mdx_String::fromInt(long long value) {
    return Mdx_String(std::to_string(value));
}

Mdx_String Mdx_String::format(const char* printfFormat, ...) {
    if (!printfFormat) return {};
    va_list args;
    va_start(args, printfFormat);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, printfFormat, copy);
    va_end(copy);
    std::string out;
    if (needed > 0) {
        out.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(out.data(), out.size(), printfFormat, args);
        out.resize(static_cast<std::size_t>(needed));
    }
    va_end(args);
    return Mdx_String(std::move(out));
}

Mdx_String Mdx_String::fromUtf8(std::string_view utf8) {
    return utf8ToWindows1252(utf8);
}

std::string Mdx_String::toUtf8() const {
    return windows1252ToUtf8(m_bytes);
}

char Mdx_String::at(int index) const {
    if (index < 0 || index >= length()) return '\0';
    return m_bytes[static_cast<std::size_t>(index)];
}

void Mdx_String::setAt(int index, char c) {
    if (index >= 0 && index < length()) m_bytes[static_cast<std::size_t>(index)] = c;
}

bool Mdx_String::equal(const Mdx_String& other, bool caseSensitive) const {
    return caseSensitive ? m_bytes == other.m_bytes : equalIgnoringCase(m_bytes, other.m_bytes);
}

int Mdx_String::compare(const Mdx_String& other, bool caseSensitive) const {
    if (!caseSensitive) return compareIgnoringCase(m_bytes, other.m_bytes);
    const int c = m_bytes.compare(other.m_bytes);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool Mdx_String::startsWith(const Mdx_String& prefix, bool caseSensitive) const {
    return prefix.length() <= length() && left(prefix.length()).equal(prefix, caseSensitive);
}

bool Mdx_String::endsWith(const Mdx_String& suffix, bool caseSensitive) const {
    return suffix.length() <= length() && right(suffix.length()).equal(suffix, caseSensitive);
}

int Mdx_String::find(const Mdx_String& what, bool caseSensitive) const {
    return findFirstFrom(what, 0, caseSensitive);
}

int Mdx_String::findFirstFrom(const Mdx_String& what, int from, bool caseSensitive) const {
    if (from > length()) return -1;
    return toIndex(findFrom(m_bytes, what.m_bytes, clampPosition(m_bytes, from), caseSensitive));
}

int Mdx_String::findLast(const Mdx_String& what, bool caseSensitive) const {
    if (caseSensitive) return toIndex(m_bytes.rfind(what.m_bytes));
    const std::string_view text = m_bytes;
    for (int i = length() - what.length(); i >= 0; --i)
        if (equalIgnoringCase(text.substr(static_cast<std::size_t>(i), what.m_bytes.size()),
                              what.m_bytes))
            return i;
    return -1;
}

int Mdx_String::findChar(char c, int from) const {
    if (from > length()) return -1;
    return toIndex(m_bytes.find(c, clampPosition(m_bytes, from)));
}

bool Mdx_String::hasASubstr(const Mdx_String& what, bool caseSensitive) const {
    return find(what, caseSensitive) >= 0;
}

int Mdx_String::replace(const Mdx_String& what, const Mdx_String& with, bool caseSensitive) {
    if (what.isEmpty()) return 0;
    std::string out;
    int count = 0;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = findFrom(m_bytes, what.m_bytes, pos, caseSensitive);
        if (hit == std::string::npos) break;
        out.append(m_bytes, pos, hit - pos);
        out += with.m_bytes;
        pos = hit + what.m_bytes.size();
        ++count;
    }
    if (count == 0) return 0;
    out.append(m_bytes, pos, std::string::npos);
    m_bytes = std::move(out);
    return count;
}

void Mdx_String::replaceAt(int position, int count, const Mdx_String& with) {
    const std::size_t start = clampPosition(m_bytes, position);
    const std::size_t n = count <= 0 ? 0 : std::min<std::size_t>(count, m_bytes.size() - start);
    m_bytes.replace(start, n, with.m_bytes);
}

void Mdx_String::insert(int position, const Mdx_String& text) {
    replaceAt(position, 0, text);
}

void Mdx_String::remove(int position, int count) {
    if (position < 0) {
        count += position;
        position = 0;
    }
    replaceAt(position, count, Mdx_String());
}

Mdx_String& Mdx_String::append(const Mdx_String& text) {
    m_bytes += text.m_bytes;
    return *this;
}

Mdx_String& Mdx_String::append(char c) {
    m_bytes += c;
    return *this;
}

Mdx_String& Mdx_String::append(int number) {
    m_bytes += std::to_string(number);
    return *this;
}

Mdx_String& Mdx_String::append(double number, int precision) {
    m_bytes += formatNumber(number, precision, false);
    return *this;
}

Mdx_String Mdx_String::left(int count) const {
    return Mdx_String(m_bytes.substr(0, clampPosition(m_bytes, count)));
}

Mdx_String Mdx_String::right(int count) const {
    const std::size_t n = clampPosition(m_bytes, count);
    return Mdx_String(m_bytes.substr(m_bytes.size() - n));
}

Mdx_String Mdx_String::mid(int position, int count) const {
    const std::size_t start = clampPosition(m_bytes, position);
    if (count < 0) return Mdx_String(m_bytes.substr(start));
    return Mdx_String(m_bytes.substr(start, static_cast<std::size_t>(count)));
}

bool Mdx_String::splitAtFirst(const Mdx_String& symbol, Mdx_String& before, Mdx_String& after,
                              bool caseSensitive) const {
    const int hit = symbol.isEmpty() ? -1 : find(symbol, caseSensitive);
    const Mdx_String whole = *this;  // before or after may be this very string
    if (hit < 0) {
        before = whole;
        after.setEmpty();
        return false;
    }
    before = whole.left(hit);
    after = whole.mid(hit + symbol.length());
    return true;
}

Mdx_String& Mdx_String::trim() {
    return trimRight().trimLeft();
}

Mdx_String& Mdx_String::trimLeft() {
    std::size_t i = 0;
    while (i < m_bytes.size() && isBlank(m_bytes[i])) ++i;
    m_bytes.erase(0, i);
    return *this;
}

Mdx_String& Mdx_String::trimRight() {
    while (!m_bytes.empty() && isBlank(m_bytes.back())) m_bytes.pop_back();
    return *this;
}

Mdx_String& Mdx_String::makeUpper() {
    for (char& c : m_bytes) c = upperLetter(c);
    return *this;
}

Mdx_String& Mdx_String::makeLower() {
    for (char& c : m_bytes) c = lowerLetter(c);
    return *this;
}

int Mdx_String::toInt() const {
    return leadingInt(m_bytes);
}

double Mdx_String::toDouble() const {
    return leadingDouble(m_bytes);
}

bool Mdx_String::isNumber() const {
    return isNumberText(m_bytes);
}

Mdx_String operator+(Mdx_String a, const Mdx_String& b) {
    return a.append(b);
}
Mdx_String operator+(Mdx_String a, const char* b) {
    return a.append(Mdx_String(b));
}
Mdx_String operator+(const char* a, const Mdx_String& b) {
    return Mdx_String(a).append(b);
}
Mdx_String operator+(Mdx_String a, char b) {
    return a.append(b);
}
