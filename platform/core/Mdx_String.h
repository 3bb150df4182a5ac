#pragma once

// The module's text: a sequence of single bytes in Windows-1252, copied by value.
//
// Positions and lengths are int; "not found" is -1. Every operation accepts any position or
// length: out-of-range values are clamped, never undefined behaviour.
//
// The case flag. Operations that compare or search take `caseSensitive`:
//   true  - bytes must be equal;
//   false - letters compare ignoring case by the Windows-1252 rule of core/LetterCase.h
//           (ASCII and the accented letters, see there). This is the only case rule.
// Callers that compare names (variables, keys, paths) pass false unless they need exactness.

#include <string>
#include <string_view>

class Mdx_StringArray;

class Mdx_String {
public:
    Mdx_String() = default;
    Mdx_String(const char* text) : m_bytes(text ? text : "") {}
    Mdx_String(const char* text, int length);
    Mdx_String(std::string bytes) : m_bytes(std::move(bytes)) {}
    Mdx_String(std::string_view bytes) : m_bytes(bytes) {}
    explicit Mdx_String(char c) : m_bytes(1, c) {}

    // The number value with precision decimals; fixedDecimals false drops trailing zeros
    // ("2.5", "100"), true keeps all of them ("2.50"). See formatNumber in core/NumberText.h.
    Mdx_String(double value, int precision, bool fixedDecimals);
    static Mdx_String fromInt(long long value);
    static Mdx_String format(const char* printfFormat, ...) __attribute__((format(printf, 1, 2)));

    // Edges: the outside world speaks UTF-8.
    static Mdx_String fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    const char* c_str() const { return m_bytes.c_str(); }
    const std::string& str() const { return m_bytes; }
    std::string_view view() const { return m_bytes; }

    int length() const { return static_cast<int>(m_bytes.size()); }
    bool isEmpty() const { return m_bytes.empty(); }
    void setEmpty() { m_bytes.clear(); }
    // The byte at index, '\0' outside the text.
    char at(int index) const;
    void setAt(int index, char c);

    // Comparison.
    bool equal(const Mdx_String& other, bool caseSensitive) const;
    int compare(const Mdx_String& other, bool caseSensitive) const;
    bool startsWith(const Mdx_String& prefix, bool caseSensitive) const;
    bool endsWith(const Mdx_String& suffix, bool caseSensitive) const;
    friend bool operator==(const Mdx_String& a, const Mdx_String& b) {
        return a.m_bytes == b.m_bytes;
    }
    friend bool operator<(const Mdx_String& a, const Mdx_String& b) {
        return a.m_bytes < b.m_bytes;
    }

    // Search; -1 when not found. An empty needle is found at the start position.
    int find(const Mdx_String& what, bool caseSensitive) const;
    int findFirstFrom(const Mdx_String& what, int from, bool caseSensitive) const;
    int findLast(const Mdx_String& what, bool caseSensitive) const;
    int findChar(char c, int from = 0) const;
    bool hasASubstr(const Mdx_String& what, bool caseSensitive) const;

    // Editing. replace replaces every non-overlapping occurrence, scanning left to right and
    // continuing after each inserted text, and returns how many it replaced; an empty `what`
    // replaces nothing.
    int replace(const Mdx_String& what, const Mdx_String& with, bool caseSensitive);
    void replaceAt(int position, int count, const Mdx_String& with);
    void insert(int position, const Mdx_String& text);
    void remove(int position, int count);
    Mdx_String& append(const Mdx_String& text);
    Mdx_String& append(char c);
    Mdx_String& append(int number);
    Mdx_String& append(double number, int precision);
    Mdx_String& operator+=(const Mdx_String& text) { return append(text); }
    Mdx_String& operator+=(char c) { return append(c); }
    // A number is appended with append(int), never as a character code by accident.
    Mdx_String& operator+=(int) = delete;

    // Parts; counts beyond the text are clamped.
    Mdx_String left(int count) const;
    Mdx_String right(int count) const;
    Mdx_String mid(int position, int count = -1) const;  // -1: to the end

    // Splits at the first occurrence of symbol: false (before = whole text, after empty) when
    // there is none. Splitting at every occurrence is strToArr / splitStringAtSymbol.
    bool splitAtFirst(const Mdx_String& symbol, Mdx_String& before, Mdx_String& after,
                      bool caseSensitive) const;

    // Blanks are space, tab, CR and LF.
    Mdx_String& trim();
    Mdx_String& trimLeft();
    Mdx_String& trimRight();
    Mdx_String& makeUpper();
    Mdx_String& makeLower();

    // Numbers: the leading number of the text, 0 when there is none (like atoi / atof, but
    // independent of the locale and without overflow).
    int toInt() const;
    double toDouble() const;
    bool isNumber() const;

private:
    std::string m_bytes;
};

Mdx_String operator+(Mdx_String a, const Mdx_String& b);
Mdx_String operator+(Mdx_String a, const char* b);
Mdx_String operator+(const char* a, const Mdx_String& b);
Mdx_String operator+(Mdx_String a, char b);
Mdx_String operator+(Mdx_String a, int b) = delete;  // use append(int)

template <>
struct std::hash<Mdx_String> {
    std::size_t operator()(const Mdx_String& s) const noexcept {
        return std::hash<std::string>()(s.str());
    }
};
