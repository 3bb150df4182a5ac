#include "core/Mdx_StringArray.h"

int Mdx_StringArray::find(const Mdx_String& text, bool caseSensitive) const {
    for (int i = 0; i < length(); ++i)
        if (at(i).equal(text, caseSensitive)) return i;
    return -1;
}

bool Mdx_StringArray::find(const Mdx_String& text, int& index, bool caseSensitive) const {
    index = find(text, caseSensitive);
    return index >= 0;
}

bool Mdx_StringArray::contains(const Mdx_String& text, bool caseSensitive) const {
    return find(text, caseSensitive) >= 0;
}

int Mdx_StringArray::findContaining(const Mdx_String& text, bool caseSensitive) const {
    for (int i = 0; i < length(); ++i)
        if (at(i).hasASubstr(text, caseSensitive)) return i;
    return -1;
}
