#include "sectionlib/SectionTypesPage.h"

#include "core/DialogHelpers.h"
#include "core/MacroLangs.h"
#include "core/Texts.h"
#include "sectionlib/SectionLanguages.h"
#include "sectionlib/SectionPictureNames.h"
#include "win/WinMessages.h"

namespace {

const int kNoGroupText = 6112;

}  // namespace

Mdx_String SectionTypesPage::itemName(int index) const {
    const SectionType& type = data.types[index];
    const int language = allSectionLanguages().find(currentSectionLanguage(), true);
    if (type.names.isValidIndex(language) && !type.names[language].isEmpty())
        return type.names[language];
    return type.names.isEmpty() ? Mdx_String() : type.names[0];
}

void SectionTypesPage::labelOwnControls() {
    SetDlgItemText(kGroupLabel, dialString(6110).c_str());
    SetDlgItemText(kPictureLabel, dialString(6111).c_str());
}

Mdx_StringArray SectionTypesPage::pictures() const {
    Mdx_StringArray shown = builtInPictureNames();
    shown.appendAll(data.availableFiles);
    return shown;
}

void SectionTypesPage::showOwnControls(int index) {
    Mdx_StringArray groups{dialString(kNoGroupText)};
    groups.appendAll(data.groups.namesOfAllGroups());
    const bool any = index >= 0;
    FillCombo(this, kGroup, groups, any ? data.groups.indexOfId(data.types[index].groupId) + 1 : -1);
    // A picture the list does not offer is added, so that it is shown and kept.
    shownPictures_ = pictures();
    int selection = -1;
    if (any) {
        const Mdx_String picture = shownPictureName(data.types[index].text);
        selection = shownPictures_.find(picture, false);
        if (selection < 0 && !picture.isEmpty()) selection = shownPictures_.append(picture);
    }
    FillCombo(this, kPicture, shownPictures_, selection);
    EnDisCtrl(this, kGroup, any);
    EnDisCtrl(this, kPicture, any);
}

void SectionTypesPage::storeItem(int index, bool enabled, const Mdx_String& image,
                                 const Mdx_StringArray& names) {
    SectionType& type = data.types[index];
    type.enabled = enabled;
    type.imageName = image;
    type.names = names;
}

void SectionTypesPage::storeOwnControls(int index) {
    SectionType& type = data.types[index];
    const int group = static_cast<int>(SendDlgItemMessage(kGroup, CB_GETCURSEL, 0, 0));
    type.groupId = group >= 1 && group <= data.groups.length() ? data.groups[group - 1].id : -1;
    const int picture = static_cast<int>(SendDlgItemMessage(kPicture, CB_GETCURSEL, 0, 0));
    if (shownPictures_.isValidIndex(picture)) type.text = storedPictureName(shownPictures_[picture]);
}

int SectionTypesPage::appendItem() {
    SectionType type;
    // The text in every language of the product, one name per language row of the grid.
    type.names = dialStringAllLangs(764);
    type.names.setLength(allSectionLanguages().length());
    for (Mdx_String& name : type.names)
        if (name.isEmpty()) name = dialString(764);
    return data.types.append(type);
}
