#include "core/sections/SectionTypes.h"

#include "core/StringHelpers.h"
#include "core/Texts.h"

namespace {

// Texts 719 ... 735 name types 1 ... 17; the types added later are 1677 ... 1683.
int typeNameText(int type) {
    return type <= 17 ? 718 + type : 1677 + (type - 18);
}

// Dimension symbols are the same in every language, as on drawings.
const char* const kDimensions[kSectionTypeCount] = {
    "h;b;tw;tf;r",  // I section
    "h;b;t;r",      // equal angle
    "h;b;t;r",      // unequal angle
    "h;b;tw;tf;r",  // channel
    "h;b;tw;tf;r",  // T section
    "h;b;tw;tf",    // welded I
    "h;b;tw;tf",    // welded channel
    "h;b",          // flat bar
    "d",            // round bar
    "h;b;t;r",      // rectangular tube, r the outer corner radius
    "d;t",          // round tube
    "h;b;c;t",      // cold-formed C
    "h;b;c;t",      // cold-formed Z
    "h;b;t",        // V section
    "h;b;t",        // oval tube
    "a",            // square bar
    "h;b;tw;tf;r",  // cut I section
    "h;b;c;t",      // sigma
    "h;b;c;t",      // sigma with lips
    "h;b;t",        // sigma sleeve
    "h;b;c;t",      // C with lips
    "h;b;t",        // C sleeve
    "h;b;t",        // single cleat
    "h;b;t",        // double cleat
};

}  // namespace

Mdx_String sectionTypeName(int type) {
    if (type < 1 || type > kSectionTypeCount) return Mdx_String();
    return dialString(typeNameText(type));
}

Mdx_StringArray sectionTypeDimensionNames(int type) {
    if (type < 1 || type > kSectionTypeCount) return Mdx_StringArray();
    return strToArr(kDimensions[type - 1], ";");
}
