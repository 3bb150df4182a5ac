#pragma once

// A list of named values (int, double or text) in the order they were first set, stored as a
// text file (designed dialogs keep their controls this way):
//
//   MDX-PROPERTIES 1
//   <key>\t<kind>\t<value>          kind: i (int), d (double), s (text)
//
// Keys compare ignoring case by the module's case rule; setting a key that exists replaces
// its value in place. Doubles are written in their shortest exact form, so a file reads back
// bit for bit. In texts and keys a backslash, tab, CR and LF are written "\\", "\t", "\r",
// "\n". Lines end in CR LF (LF read too).

#include <vector>

#include "core/Mdx_String.h"

class Mdx_PropertiesList {
public:
    enum class Kind { Int, Double, Text };

    void setInt(const Mdx_String& key, int value);
    void setBool(const Mdx_String& key, bool value);  // an int 0 or 1
    void setDouble(const Mdx_String& key, double value);
    void setString(const Mdx_String& key, const Mdx_String& value);

    // False, and value untouched, when the key is missing or holds another kind. A bool
    // reads any non-zero int as true; an int read as double converts.
    bool getInt(const Mdx_String& key, int& value) const;
    bool getBool(const Mdx_String& key, bool& value) const;
    bool getDouble(const Mdx_String& key, double& value) const;
    bool getString(const Mdx_String& key, Mdx_String& value) const;

    bool hasKey(const Mdx_String& key) const;
    bool remove(const Mdx_String& key);
    void clear() { m_entries.clear(); }
    int count() const { return static_cast<int>(m_entries.size()); }
    const Mdx_String& keyAt(int index) const;  // in order; empty outside
    Kind kindAt(int index) const;

    // Writes atomically; false when the write fails.
    bool writeToFile(const Mdx_String& path) const;
    // False, and the list unchanged, when the file cannot be read or is not a property list
    // of a known version. A line that cannot be read (unknown kind, bad number) is skipped.
    bool readFromFile(const Mdx_String& path);

    // The same format on bytes.
    Mdx_String toText() const;
    bool fromText(const Mdx_String& text);

    friend bool operator==(const Mdx_PropertiesList&, const Mdx_PropertiesList&);

private:
    struct Entry {
        Mdx_String key;
        Kind kind = Kind::Int;
        int intValue = 0;
        double doubleValue = 0.0;
        Mdx_String text;
    };
    static bool sameEntry(const Entry& a, const Entry& b);
    Entry& entryFor(const Mdx_String& key);
    const Entry* find(const Mdx_String& key) const;

    std::vector<Entry> m_entries;
};
