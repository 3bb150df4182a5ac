#include "core/Mdx_PropertiesList.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/FileHelpers.h"
#include "core/NumberText.h"
#include "core/FieldEscape.h"
#include "core/StringHelpers.h"

namespace {

const char* const kHeader = "MDX-PROPERTIES 1";

std::string exactDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool readExactDouble(const Mdx_String& text, double& value) {
    const std::string_view s = text.view();
    if (s == "inf" || s == "-inf" || s == "nan" || s == "-nan") {
        value = s[0] == 'n' ? NAN : (s[0] == '-' ? -INFINITY : INFINITY);
        return true;
    }
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    return result.ec == std::errc() && result.ptr == s.data() + s.size();
}

bool readExactInt(const Mdx_String& text, int& value) {
    const std::string_view s = text.view();
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && result.ec == std::errc() && result.ptr == s.data() + s.size();
}

}  // namespace

bool Mdx_PropertiesList::sameEntry(const Entry& a, const Entry& b) {
    if (!a.key.equal(b.key, true) || a.kind != b.kind) return false;
    switch (a.kind) {
        case Kind::Int:
            return a.intValue == b.intValue;
        case Kind::Double:
            return a.doubleValue == b.doubleValue ||
                   (std::isnan(a.doubleValue) && std::isnan(b.doubleValue));
        case Kind::Text:
            return a.text == b.text;
    }
    return false;
}

bool operator==(const Mdx_PropertiesList& a, const Mdx_PropertiesList& b) {
    return std::equal(a.m_entries.begin(), a.m_entries.end(), b.m_entries.begin(),
                      b.m_entries.end(), &Mdx_PropertiesList::sameEntry);
}

Mdx_PropertiesList::Entry& Mdx_PropertiesList::entryFor(const Mdx_String& key) {
    for (Entry& e : m_entries)
        if (e.key.equal(key, false)) return e;
    Entry added;
    added.key = key;
    m_entries.push_back(added);
    return m_entries.back();
}

const Mdx_PropertiesList::Entry* Mdx_PropertiesList::find(const Mdx_String& key) const {
    for (const Entry& e : m_entries)
        if (e.key.equal(key, false)) return &e;
    return nullptr;
}

void Mdx_PropertiesList::setInt(const Mdx_String& key, int value) {
    Entry& e = entryFor(key);
    e.kind = Kind::Int;
    e.intValue = value;
    e.text.setEmpty();
}

void Mdx_PropertiesList::setBool(const Mdx_String& key, bool value) {
    setInt(key, value ? 1 : 0);
}

void Mdx_PropertiesList::setDouble(const Mdx_String& key, double value) {
    Entry& e = entryFor(key);
    e.kind = Kind::Double;
    e.doubleValue = value;
    e.text.setEmpty();
}

void Mdx_PropertiesList::setString(const Mdx_String& key, const Mdx_String& value) {
    Entry& e = entryFor(key);
    e.kind = Kind::Text;
    e.text = value;
}

bool Mdx_PropertiesList::getInt(const Mdx_String& key, int& value) const {
    const Entry* e = find(key);
    if (!e || e->kind != Kind::Int) return false;
    value = e->intValue;
    return true;
}

bool Mdx_PropertiesList::getBool(const Mdx_String& key, bool& value) const {
    int number = 0;
    if (!getInt(key, number)) return false;
    value = number != 0;
    return true;
}

bool Mdx_PropertiesList::getDouble(const Mdx_String& key, double& value) const {
    const Entry* e = find(key);
    if (!e || e->kind == Kind::Text) return false;
    value = e->kind == Kind::Double ? e->doubleValue : e->intValue;
    return true;
}

bool Mdx_PropertiesList::getString(const Mdx_String& key, Mdx_String& value) const {
    const Entry* e = find(key);
    if (!e || e->kind != Kind::Text) return false;
    value = e->text;
    return true;
}

bool Mdx_PropertiesList::hasKey(const Mdx_String& key) const {
    return find(key) != nullptr;
}

bool Mdx_PropertiesList::remove(const Mdx_String& key) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->key.equal(key, false)) {
            m_entries.erase(it);
            return true;
        }
    }
    return false;
}

const Mdx_String& Mdx_PropertiesList::keyAt(int index) const {
    static const Mdx_String none;
    if (index < 0 || index >= count()) return none;
    return m_entries[static_cast<std::size_t>(index)].key;
}

Mdx_PropertiesList::Kind Mdx_PropertiesList::kindAt(int index) const {
    if (index < 0 || index >= count()) return Kind::Int;
    return m_entries[static_cast<std::size_t>(index)].kind;
}

Mdx_String Mdx_PropertiesList::toText() const {
    std::string out = std::string(kHeader) + "\r\n";
    for (const Entry& e : m_entries) {
        out += escapeField(e.key).str();
        switch (e.kind) {
            case Kind::Int:
                out += "\ti\t" + std::to_string(e.intValue);
                break;
            case Kind::Double:
                out += "\td\t" + exactDouble(e.doubleValue);
                break;
            case Kind::Text:
                out += "\ts\t" + escapeField(e.text).str();
                break;
        }
        out += "\r\n";
    }
    return Mdx_String(std::move(out));
}

bool Mdx_PropertiesList::fromText(const Mdx_String& text) {
    Mdx_StringArray lines;
    splitLines(text, lines);
    if (lines.isEmpty() || lines[0] != Mdx_String(kHeader)) return false;
    Mdx_PropertiesList read;
    for (int i = 1; i < lines.length(); ++i) {
        const Mdx_StringArray parts = strToArr(lines[i], "\t");
        Mdx_String key, value;
        if (parts.length() != 3 || !unescapeField(parts[0], key) || key.isEmpty()) continue;
        int intValue = 0;
        double doubleValue = 0.0;
        if (parts[1] == Mdx_String("i") && readExactInt(parts[2], intValue))
            read.setInt(key, intValue);
        else if (parts[1] == Mdx_String("d") && readExactDouble(parts[2], doubleValue))
            read.setDouble(key, doubleValue);
        else if (parts[1] == Mdx_String("s") && unescapeField(parts[2], value))
            read.setString(key, value);
    }
    *this = std::move(read);
    return true;
}

bool Mdx_PropertiesList::writeToFile(const Mdx_String& path) const {
    return writeWholeFile(path, toText());
}

bool Mdx_PropertiesList::readFromFile(const Mdx_String& path) {
    Mdx_String bytes;
    return readWholeFile(path, bytes) && fromText(bytes);
}
