#pragma once
// An array of a module: a repeated part laid out by a first value (the count), up to four
// further values (spacings and offsets) and, for arrays of kind 0, a list of named entries
// (one value per repetition). Values are texts as the user entered them.
#include <array>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"

struct Mdx_ArrayEntry {
    Mdx_String name;
    Mdx_String value;
    friend bool operator==(const Mdx_ArrayEntry&, const Mdx_ArrayEntry&) = default;
};

struct Mdx_ModuleArray {
    static constexpr int kValueCount = 5;
    // Kind 0: a list of entries; kind 1: evenly spaced (value 3 applies only to these).
    static constexpr int kListArray = 0;
    static constexpr int kSpacedArray = 1;

    Mdx_String name;
    int kind = kListArray;
    std::array<Mdx_String, kValueCount> values;
    Mdx_Array<Mdx_ArrayEntry> entries;
    friend bool operator==(const Mdx_ModuleArray&, const Mdx_ModuleArray&) = default;
};

// The block a module inserts, chosen among the drawing files of a folder of the library.
struct Mdx_BlockChoice {
    Mdx_String folder;  // relative to the library folder; empty: the module has no block
    Mdx_String name;    // without folder and extension
    friend bool operator==(const Mdx_BlockChoice&, const Mdx_BlockChoice&) = default;
};
