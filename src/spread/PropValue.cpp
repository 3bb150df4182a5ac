#include "spread/PropValue.h"

#include <cstdlib>

PropValue PropValue::ofDouble(double value) {
    PropValue v;
    v.m_kind = Double;
    v.m_double = value;
    return v;
}

PropValue PropValue::ofInt(int value) {
    PropValue v;
    v.m_kind = Int;
    v.m_int = value;
    return v;
}

PropValue PropValue::ofLong(long value) {
    PropValue v;
    v.m_kind = Long;
    v.m_long = value;
    return v;
}

PropValue PropValue::ofText(const Mdx_String& value) {
    PropValue v;
    v.m_kind = Text;
    v.m_text = value;
    return v;
}

PropValue PropValue::fromText(int kind, const Mdx_String& text) {
    switch (kind) {
    case Double: return ofDouble(text.toDouble());
    case Int: return ofInt(text.toInt());
    case Long: return ofLong(std::strtol(text.c_str(), nullptr, 10));
    case Text: return ofText(text);
    default: return PropValue();
    }
}

Mdx_String PropValue::toText() const {
    switch (m_kind) {
    case Double: return Mdx_String::format("%.2f", m_double);
    case Int: return Mdx_String::fromInt(m_int);
    case Long: return Mdx_String::fromInt(m_long);
    case Text: return m_text;
    default: return Mdx_String();
    }
}
