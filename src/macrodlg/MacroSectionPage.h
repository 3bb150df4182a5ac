#pragma once
// A section page of the modeless macro dialog (template 219): the variables grid as on a
// designed page, and a fixed panel for the tab's section groups: group and member choice,
// section name and chooser, offset type, rotation (0, 90, 180, 270 degrees or the mixed
// word, or any text typed), base plane and pick. Changes apply at once; with a member chosen
// only that member changes, with entry 0 the whole group.
#include <string>

#include "macrodlg/MacroPage.h"
#include "otherdlg/OtherDialogRecords.h"

class MacroSectionPage : public MacroPage {
public:
    static constexpr UINT kTemplateId = IDD_MACRO_SECTION_PAGE;
    // Posted when the dialog opens with its start flag: the section settings open once the
    // window is up.
    static constexpr UINT kOpenSettingsMessage = WM_APP + 0x132;

    MacroSectionPage(MacroData& owner, int tabIndex, const void* clashOwner);

    void refresh() override;
    // The properties the panel shows: of the chosen member, else of the group.
    bool shownProps(MacroProfData& props);
    void chooseSection();
    void pickPlane();
    // The section settings (the profile-details dialog) on the group or member the panel
    // shows, each accepted change applied at once; afterwards the page is refreshed and the
    // page's temporary preview object, if it holds one, is erased.
    void openSectionSettings();
    // The single object of a temporary preview the page was built on; null when there is
    // none or it was erased.
    AcDbObjectId previewObject() const { return preview_; }
    // The segments of the tab's profiles (button 1210, shown only for a tab whose profiles
    // are segmented); OK stores the list and applies the tab.
    void openSegments();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int gridPlaceholder() const override { return 1196; }
    std::vector<int> fixedControls() const override;
    // A designed chooser button (type 14) chooses a section for its own group.
    bool designedCommand(int id, WORD code) override;
    void readPage() override;

private:
    bool exchangeSettings(KvMACallBackType kind, MacroProfData& props, std::string& why);
    void selectGroup(const Mdx_String& group);
    void fillGroupAndMember();
    void showProperties();
    bool storeProps(const MacroProfData& props);
    bool readPanel(const MacroProfData& shown, MacroProfData& props);
    Mdx_String groupName();
    int memberIndex();

    AcDbObjectId preview_;
};
