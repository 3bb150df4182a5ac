#include "sectionlib/SectionImageName.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"

namespace {

const char* const kTypeBases[] = {
    "ProfSectionI",        "ProfSectionCL",           "ProfSectionHL",
    "ProfSectionCU",       "ProfSectionT",            "ProfSectionOI",
    "ProfSectionOU",       "ProfSectionRect",         "ProfSectionRound",
    "ProfSectionRectTube", "ProfSectionRoundTube",    "ProfSectionC",
    "ProfSectionZ",        "ProfSectionV",            "ProfSectionO",
    "ProfSectionQ",        "ProfSectionCuttedI",      "ProfSectionSigma",
    "ProfSectionSigma+",   "ProfSectionSigma Sleeve", "ProfSectionC+",
    "ProfSectionC Sleeve", "ProfSectionSingle Cleat", "ProfSectionDouble Cleat",
};
constexpr const char* kUserFolder = "User Sections\\";

bool isDrawing(const Mdx_String& text) {
    return text.length() >= 4 && text.right(4).equal(".dwg", false);
}

Mdx_String baseName(const Mdx_String& typeText, const Mdx_String& libraryName) {
    Mdx_String base;
    if (typeText.isEmpty()) {
        base = libraryName;
        if (base.left(14).equal(kUserFolder, false)) base = base.mid(14);
        removeExtension(base);
    } else if (isDrawing(typeText)) {
        base = typeText;
        removeExtension(base);
    } else {
        const int type = typeText.toInt();
        if (typeText.isNumber() && type >= 1 && type <= 24) base = kTypeBases[type - 1];
    }
    // Names come from libraries; one that would reach outside the icons folder is none.
    return hasInvalidFileNameChars(base) ? Mdx_String() : base;
}

}  // namespace

Mdx_String getSectionImageName(const Mdx_String& typeText, const Mdx_String& libraryName,
                               bool big) {
    const char* suffix = big ? "-big.bmp" : "-small.bmp";
    const Mdx_String base = baseName(typeText, libraryName);
    const Mdx_String icons = gSettings.mdxDir() + "icons\\";
    if (!base.isEmpty() && fileExists(icons + base + suffix)) return base + suffix;
    if (!base.isEmpty() && typeText.isEmpty() && !big) {
        const Mdx_String source = gSettings.libDir() + kUserFolder + base + ".bmp";
        const Mdx_String automated = base + "-automated.bmp";
        const Mdx_String target = icons + automated;
        if (fileExists(source) && (!fileExists(target) || isFileNewer(source, target)))
            copyFile(source, target);
        if (fileExists(target)) return automated;
    }
    return Mdx_String("Unknown") + suffix;
}
