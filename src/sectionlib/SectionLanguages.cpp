#include "sectionlib/SectionLanguages.h"

#include "core/MacroLangs.h"

namespace {

// Tables carry four language columns, or five with "Korean" as the fifth; languages the
// product's list does not name fill the remaining columns.
const char* const kFillers[] = {"English", "German", "French", "Nederlands"};

}  // namespace

Mdx_String currentSectionLanguage() {
    return gMacroLangs.GetCurLanguage();
}

Mdx_StringArray allSectionLanguages() {
    const Mdx_StringArray listed = gMacroLangs.GetAllLanguages();
    const int count = listed.length() >= 5 && listed[4] == Mdx_String("Korean") ? 5 : 4;
    Mdx_StringArray languages;
    for (int i = 0; i < listed.length() && languages.length() < count; ++i)
        if (!languages.contains(listed[i], false)) languages.append(listed[i]);
    for (const char* filler : kFillers)
        if (languages.length() < count && !languages.contains(filler, false))
            languages.append(filler);
    return languages;
}

Mdx_String translateSectionWord(const Mdx_String& group, const Mdx_String& word) {
    return gMacroLangs.GetString(group, word);
}
