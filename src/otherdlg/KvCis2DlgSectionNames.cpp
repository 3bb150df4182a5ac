#include "otherdlg/KvCis2DlgSectionNames.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/Texts.h"
#include "core/sections/SectionTranslation.h"
#include "otherdlg/StringArrayGridDialog.h"
#include "win/MessageBox.h"

namespace {

const int kNamesText = 670;
const int kTranslationText = 1740;
const int kUnreadableText = 6105;
const int kNotWrittenText = 6106;
constexpr const char* kSizeKey = "DLG_CIS2_NAMES";

void report(const Mdx_String& fileName, int text) {
    AfxMessageBox((fileName + " " + dialString(text)).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace

bool writeSectionTranslation(Mdx_StringArray& names, Mdx_StringArray& translations,
                             const Mdx_String& nameText, const Mdx_String& translationText,
                             const Mdx_String& fileName) {
    Mdx_Array<Mdx_StringArray> rows;
    for (int i = 0; i < names.length(); ++i)
        rows.append(Mdx_StringArray{names[i], translations.isValidIndex(i) ? translations[i] : ""});
    if (!startGridDialog(Mdx_StringArray{nameText, translationText}, Mdx_StringArray(), rows, true,
                         kSizeKey, nameText))
        return false;
    Mdx_StringArray editedNames, editedTranslations;
    for (const Mdx_StringArray& row : rows) {
        const Mdx_String name = row.isValidIndex(0) ? row[0] : Mdx_String();
        const Mdx_String translation = row.isValidIndex(1) ? row[1] : Mdx_String();
        if (name.isEmpty() && translation.isEmpty()) continue;
        editedNames.append(name);
        editedTranslations.append(translation);
    }
    if (!saveSectionTranslation(fileName, editedNames, editedTranslations)) {
        report(fileName, kNotWrittenText);
        return false;
    }
    names = editedNames;
    translations = editedTranslations;
    return true;
}

bool editCis2SectionNames() {
    Mdx_StringArray names, translations;
    if (fileExists(gSettings.libDir() + kCis2NamesFile) &&
        !readSectionTranslation(kCis2NamesFile, names, translations)) {
        report(kCis2NamesFile, kUnreadableText);
        return false;
    }
    return writeSectionTranslation(names, translations, dialString(kNamesText),
                                   dialString(kTranslationText), kCis2NamesFile);
}
