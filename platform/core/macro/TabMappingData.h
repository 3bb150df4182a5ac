#pragma once
// The standards of a macro as its settings hold them: one entry per standards spreadsheet,
// the spreadsheet's name (relative to the library's "Connection Standards" folder, without
// ".kvs") and what it maps to ("Module." and a module group, a key of the spreadsheet's
// mapping file, or empty). The macro's module groups and a mapping of all its objects come
// with it for the page that edits the entries; the mapping is borrowed, never owned.
#include "core/Mdx_StringArray.h"

class KvSSMapping;

class TabMappingData {
public:
    Mdx_StringArray spreadsheetNames;
    Mdx_StringArray mapsToKeys;
    Mdx_StringArray moduleGroups;
    KvSSMapping* macroMapping = nullptr;

    int entryCount() const { return spreadsheetNames.length(); }

    // Remembers the entries as they are now, the state getMapping answers from.
    void rememberOriginal();
    // The key entry index held when rememberOriginal was last called, when that entry had
    // this spreadsheet name; empty otherwise.
    Mdx_String getMapping(const Mdx_String& name, int index) const;

    bool sameEntries(const TabMappingData& other) const;

private:
    Mdx_StringArray originalNames_;
    Mdx_StringArray originalKeys_;
};
