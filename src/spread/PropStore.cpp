#include "spread/PropStore.h"

#include <cmath>

namespace {

bool sameKey(const Mdx_String& a, const Mdx_String& b) {
    return a.length() == b.length() && a.equal(b, false);
}

Mdx_String escapeValue(const Mdx_String& text) {
    Mdx_String out;
    for (int i = 0; i < text.length(); ++i) {
        const char c = text.at(i);
        if (c == '\\')
            out += "\\\\";
        else if (c == kPropSeparator)
            out += "\\s";
        else
            out += c;
    }
    return out;
}

bool unescapeValue(const Mdx_String& text, Mdx_String& out) {
    out.setEmpty();
    for (int i = 0; i < text.length(); ++i) {
        const char c = text.at(i);
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= text.length()) return false;
        const char next = text.at(i);
        if (next == '\\')
            out += '\\';
        else if (next == 's')
            out += kPropSeparator;
        else
            return false;
    }
    return true;
}

// The kind field: its leading digits, and whether the escape letter follows them.
bool readKind(const Mdx_String& field, int& kind, bool& escaped) {
    kind = field.toInt();
    escaped = field.length() > 0 && field.at(field.length() - 1) == 'e';
    if (!escaped) return true;
    const Mdx_String digits = field.left(field.length() - 1);
    return digits.length() > 0 && Mdx_String::fromInt(digits.toInt()) == digits;
}

}  // namespace

bool PropStore::set(const Mdx_String& key, const PropValue& value) {
    if (key.isEmpty() || key.findChar(kPropSeparator) >= 0) return false;
    for (Entry& entry : m_entries)
        if (sameKey(entry.key, key)) {
            entry.value = value;
            return true;
        }
    m_entries.push_back({key, value});
    return true;
}

const PropValue* PropStore::find(const Mdx_String& key) const {
    for (const Entry& entry : m_entries)
        if (sameKey(entry.key, key)) return &entry.value;
    return nullptr;
}

bool PropStore::remove(const Mdx_String& key) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        if (sameKey(it->key, key)) {
            m_entries.erase(it);
            return true;
        }
    return false;
}

bool PropStore::setText(const Mdx_String& key, const Mdx_String& value) {
    return set(key, PropValue::ofText(value));
}
bool PropStore::setInt(const Mdx_String& key, int value) {
    return set(key, PropValue::ofInt(value));
}
bool PropStore::setBool(const Mdx_String& key, bool value) {
    return set(key, PropValue::ofInt(value ? 1 : 0));
}
bool PropStore::setDouble(const Mdx_String& key, double value) {
    return set(key, PropValue::ofDouble(value));
}

bool PropStore::getText(const Mdx_String& key, Mdx_String& value) const {
    const PropValue* found = find(key);
    const bool ok = found && found->kind() == PropValue::Text;
    value = ok ? found->textValue() : Mdx_String();
    return ok;
}

bool PropStore::getInt(const Mdx_String& key, int& value) const {
    const PropValue* found = find(key);
    const bool ok = found && found->kind() == PropValue::Int;
    value = ok ? found->intValue() : 0;
    return ok;
}

bool PropStore::getBool(const Mdx_String& key, bool& value) const {
    int number = 0;
    const bool ok = getInt(key, number);
    value = number != 0;
    return ok;
}

bool PropStore::getDouble(const Mdx_String& key, double& value) const {
    const PropValue* found = find(key);
    const bool ok = found && found->kind() == PropValue::Double;
    value = ok ? found->doubleValue() : 0.0;
    return ok;
}

bool PropStore::setList(const Mdx_String& name, const Mdx_StringArray& items) {
    for (int i = 0; i < items.length(); ++i) {
        Mdx_String key = name;
        key.append(i);
        if (!setText(key, items[i])) return false;
    }
    // Entries of a longer old list would otherwise be read back as part of the new one.
    for (int i = items.length();; ++i) {
        Mdx_String key = name;
        key.append(i);
        if (!remove(key)) break;
    }
    return true;
}

void PropStore::getList(const Mdx_String& name, Mdx_StringArray& items) const {
    items.setEmpty();
    for (int i = 0; i < size(); ++i) {
        Mdx_String key = name;
        key.append(i);
        Mdx_String value;
        if (!getText(key, value)) break;
        items.append(value);
    }
}

Mdx_String PropStore::toText() const {
    Mdx_String out;
    for (const Entry& entry : m_entries) {
        const Mdx_String value = entry.value.toText();
        const bool escape =
            entry.value.kind() == PropValue::Text && value.findChar(kPropSeparator) >= 0;
        out += entry.key;
        out += kPropSeparator;
        out.append(static_cast<int>(entry.value.kind()));
        if (escape) out += 'e';
        out += kPropSeparator;
        out += escape ? escapeValue(value) : value;
        out += kPropSeparator;
    }
    return out;
}

bool PropStore::fromText(const Mdx_String& text) {
    PropStore read;
    int start = 0;
    Mdx_String fields[3];
    int filled = 0;
    for (int at = text.findChar(kPropSeparator); at >= 0;
         at = text.findChar(kPropSeparator, start)) {
        fields[filled++] = text.mid(start, at - start);
        start = at + 1;
        if (filled < 3) continue;
        filled = 0;
        int kind = 0;
        bool escaped = false;
        if (!readKind(fields[1], kind, escaped)) return false;
        Mdx_String value = fields[2];
        if (escaped && !unescapeValue(fields[2], value)) return false;
        const PropValue parsed = PropValue::fromText(kind, value);
        // A number too large for a double would be written back as "inf", which reads as
        // another value: such a text is damaged like a bad escape.
        if (parsed.kind() == PropValue::Double && !std::isfinite(parsed.doubleValue())) return false;
        read.set(fields[0], parsed);
    }
    m_entries = std::move(read.m_entries);
    return true;
}
