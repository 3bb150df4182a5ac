#include "sectionlib/SectionLanguages.h"

// The product's language list, in the order the tables' language columns are written.
Mdx_String currentSectionLanguage() {
    return "English";
}

Mdx_StringArray allSectionLanguages() {
    return Mdx_StringArray{"English", "German", "French", "Dutch"};
}

Mdx_String translateSectionWord(const Mdx_String& /*group*/, const Mdx_String& word) {
    return word;
}
