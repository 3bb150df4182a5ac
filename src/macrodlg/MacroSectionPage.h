#pragma once
// A section page of the modeless macro dialog (template 219): the variables grid as on a
// designed page, and a fixed panel for the tab's section groups: group and member choice,
// section name and chooser, offset type, rotation (0, 90, 180, 270 degrees or the mixed
// word, or any text typed), base plane and pick. Changes apply at once; with a member chosen
// only that member changes, with entry 0 the whole group.
#include "macrodlg/MacroPage.h"

class MacroSectionPage : public MacroPage {
public:
    static constexpr UINT kTemplateId = IDD_MACRO_SECTION_PAGE;

    MacroSectionPage(MacroData& owner, int tabIndex, const void* clashOwner);

    void refresh() override;
    // The properties the panel shows: of the chosen member, else of the group.
    bool shownProps(MacroProfData& props);
    void chooseSection();
    void pickPlane();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    int gridPlaceholder() const override { return 1196; }
    std::vector<int> fixedControls() const override;
    // A designed chooser button (type 14) chooses a section for its own group.
    bool designedCommand(int id, WORD code) override;
    void readPage() override;

private:
    void fillGroupAndMember();
    void showProperties();
    bool storeProps(const MacroProfData& props);
    bool readPanel(const MacroProfData& shown, MacroProfData& props);
    Mdx_String groupName();
    int memberIndex();
};
