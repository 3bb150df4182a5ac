#pragma once
// One typed value of a settings store: nothing, a double, an int (also a bool as 0 / 1), a
// long or a text. The kind numbers are the ones the settings files carry.
#include "core/Mdx_String.h"

class PropValue {
public:
    enum Kind : short { None = 0, Double = 1, Int = 2, Long = 3, Text = 4 };

    PropValue() = default;
    static PropValue ofDouble(double value);
    static PropValue ofInt(int value);
    static PropValue ofLong(long value);
    static PropValue ofText(const Mdx_String& value);
    // The value a file gives for a kind number and its text; unknown kinds become None.
    static PropValue fromText(int kind, const Mdx_String& text);

    Kind kind() const { return m_kind; }
    double doubleValue() const { return m_double; }
    int intValue() const { return m_int; }
    long longValue() const { return m_long; }
    const Mdx_String& textValue() const { return m_text; }
    // "%.2f" for a double, decimal for int and long, the text itself, empty for None.
    Mdx_String toText() const;

private:
    Kind m_kind = None;
    double m_double = 0.0;
    int m_int = 0;
    long m_long = 0;
    Mdx_String m_text;
};
