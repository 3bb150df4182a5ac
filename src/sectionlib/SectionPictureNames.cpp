#include "sectionlib/SectionPictureNames.h"

#include "core/sections/SectionTypes.h"

Mdx_StringArray builtInPictureNames() {
    Mdx_StringArray names;
    for (int type = 1; type <= kSectionTypeCount; ++type)
        names.append("<" + sectionTypeName(type) + ">");
    return names;
}

int builtInPictureType(const Mdx_String& picture) {
    if (!picture.isNumber()) return -1;
    const int type = picture.toInt();
    return type >= 1 && type <= kSectionTypeCount && Mdx_String::fromInt(type) == picture ? type
                                                                                          : -1;
}

Mdx_String shownPictureName(const Mdx_String& picture) {
    const int type = builtInPictureType(picture);
    return type < 0 ? picture : "<" + sectionTypeName(type) + ">";
}

Mdx_String storedPictureName(const Mdx_String& shown) {
    if (shown.length() >= 4 && shown.right(4).equal(".dwg", false)) return shown;
    const int index = builtInPictureNames().find(shown, true);
    return index < 0 ? shown : Mdx_String::fromInt(index + 1);
}
