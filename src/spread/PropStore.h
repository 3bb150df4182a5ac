#pragma once
// An ordered key/value store of typed values, as sheet settings are kept in a sheet's tag and
// in settings files. Keys ignore letter case; setting a key that exists replaces its value
// in place, a new key is appended.
//
// Text form: for every entry the key, the byte 0xA4, the kind number, 0xA4, the value's text,
// 0xA4; nothing else. A value that itself holds 0xA4 would cut every later entry apart, so
// such a value is written escaped (backslash as "\\", 0xA4 as "\s") with the letter "e"
// after its kind number. Readers that know no escapes still read the kind number and every
// other entry whole; texts without 0xA4 are written exactly as such readers write them.
#include <vector>

#include "core/Mdx_StringArray.h"
#include "spread/PropValue.h"

inline constexpr char kPropSeparator = '\xA4';

class PropStore {
public:
    struct Entry {
        Mdx_String key;
        PropValue value;
    };

    // False (nothing changed) for an empty key or one holding the separator byte.
    bool set(const Mdx_String& key, const PropValue& value);
    const PropValue* find(const Mdx_String& key) const;
    bool remove(const Mdx_String& key);
    void clear() { m_entries.clear(); }
    int size() const { return static_cast<int>(m_entries.size()); }
    const std::vector<Entry>& entries() const { return m_entries; }

    // Typed access. A get fails when the key is missing or holds another kind; the failed
    // get leaves the empty text, false or 0.
    bool setText(const Mdx_String& key, const Mdx_String& value);
    bool setInt(const Mdx_String& key, int value);
    bool setBool(const Mdx_String& key, bool value);
    bool setDouble(const Mdx_String& key, double value);
    bool getText(const Mdx_String& key, Mdx_String& value) const;
    bool getInt(const Mdx_String& key, int& value) const;
    bool getBool(const Mdx_String& key, bool& value) const;
    bool getDouble(const Mdx_String& key, double& value) const;

    // A text list N is kept as the texts N0, N1, ...; setting one removes the old entries
    // beyond the new length. Reading stops at the first missing or non-text entry.
    bool setList(const Mdx_String& name, const Mdx_StringArray& items);
    void getList(const Mdx_String& name, Mdx_StringArray& items) const;

    Mdx_String toText() const;
    // Replaces the entries by those of text; a trailing incomplete entry is dropped. False,
    // with the store as it was, when an escaped value is damaged.
    bool fromText(const Mdx_String& text);

private:
    std::vector<Entry> m_entries;
};
