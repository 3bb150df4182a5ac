#include "core/FieldEscape.h"

Mdx_String escapeField(const Mdx_String& field) {
    Mdx_String out;
    for (char c : field.view()) {
        switch (c) {
            case '\\': out.append("\\\\"); break;
            case '\t': out.append("\\t"); break;
            case '\r': out.append("\\r"); break;
            case '\n': out.append("\\n"); break;
            default: out.append(c);
        }
    }
    return out;
}

bool unescapeField(const Mdx_String& text, Mdx_String& field) {
    field.setEmpty();
    const std::string_view s = text.view();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            field.append(s[i]);
            continue;
        }
        if (++i == s.size()) return false;
        switch (s[i]) {
            case '\\': field.append('\\'); break;
            case 't': field.append('\t'); break;
            case 'r': field.append('\r'); break;
            case 'n': field.append('\n'); break;
            default: return false;
        }
    }
    return true;
}
