#pragma once

// An array of texts with the searches of the case flag (see core/Mdx_String.h).

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"

class Mdx_StringArray : public Mdx_Array<Mdx_String> {
public:
    using Mdx_Array<Mdx_String>::Mdx_Array;
    using Mdx_Array<Mdx_String>::find;
    using Mdx_Array<Mdx_String>::contains;

    // Index of the first element equal to text, -1 when there is none.
    int find(const Mdx_String& text, bool caseSensitive) const;
    // The same as a bool with the index in index (-1 when not found).
    bool find(const Mdx_String& text, int& index, bool caseSensitive) const;
    bool contains(const Mdx_String& text, bool caseSensitive) const;

    // Index of the first element that contains text, -1 when there is none.
    int findContaining(const Mdx_String& text, bool caseSensitive) const;
};
