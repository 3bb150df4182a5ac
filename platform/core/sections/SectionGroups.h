#pragma once
// How the library sorts its section types for the user: groups ("Hot rolled", "Tubes") that
// can be switched off as a whole, and the types in them. Each has an image and a name per
// language.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

struct SectionGroup {
    int id = 0;
    Mdx_String name;
    bool enabled = true;
    Mdx_String imageName;
    Mdx_StringArray names;  // one per language
};

class SectionGroupArray : public Mdx_Array<SectionGroup> {
public:
    // Appends a group under an unused name made from base, with a fresh id and base as its
    // name in the given number of languages; returns its index.
    int appendNewGrp(const Mdx_String& base, int languages);
    Mdx_StringArray namesOfAllGroups() const;
    // Index of the group with that id, -1 when there is none.
    int indexOfId(int id) const;
};

struct SectionType {
    bool enabled = true;
    Mdx_String imageName;
    int groupId = -1;  // -1: in no group
    Mdx_String text;   // the built-in type number or picture it stands for
    Mdx_StringArray names;  // one per language
};
