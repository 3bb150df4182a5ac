#include "core/sections/SectionNames.h"

namespace {

// The full name without the dash after the table's name, when it has one there.
Mdx_String compactName(const Mdx_String& name, const Mdx_String& tableName) {
    if (tableName.isEmpty() || name.length() <= tableName.length() ||
        !name.left(tableName.length()).equal(tableName, false) ||
        name.at(tableName.length()) != '-')
        return name;
    return tableName + name.mid(tableName.length() + 1);
}

}  // namespace

int findFirstNumbers(const Mdx_String& text) {
    for (int i = 0; i < text.length(); ++i)
        if (text.at(i) >= '0' && text.at(i) <= '9') return i;
    return -1;
}

int sectionLanguageCount(const Mdx_StringArray& columnNames, int firstLanguageColumn) {
    const int korean = firstLanguageColumn + 4;
    return columnNames.length() > korean && columnNames[korean] == Mdx_String("Korean") ? 5 : 4;
}

Mdx_String fullSectionName(const Mdx_String& tableName, const Mdx_String& sizeName) {
    return tableName + "-" + sizeName;
}

bool namesSection(const Mdx_String& name, const Mdx_String& tableName,
                  const Mdx_String& fullName) {
    if (name.equal(fullName, false)) return true;
    return compactName(name, tableName).equal(compactName(fullName, tableName), false);
}
