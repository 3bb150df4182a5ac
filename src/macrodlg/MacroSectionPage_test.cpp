// The section page on two macros whose first stiffener differs in rotation: the group shows
// the mixed word, a member shows its own, an empty rotation changes nothing, and a chosen
// rotation or section reaches the group or only the chosen member.
#include "macrodlg/MacroSectionPage.h"

#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/Mdx_ProfModule.h"
#include "core/macro/SectionPlacement.h"
#include "host/MainWindow.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "otherdlg/KvProfDetailsDlg.h"
#include "win/CComboBox.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

class SectionPage : public macrodlg_testing::MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        // A second connection like the first, with stiffeners of its own turned by 0 degrees.
        AcTransaction transaction(db);
        Mdx_DbMacro* first = nullptr;
        ASSERT_EQ(transaction.getObject(first, drawing.macro), Acad::eOk);
        auto macro = std::make_unique<Mdx_Macro>(*first->macro());
        auto profile = std::make_unique<Mdx_DbProfile>();
        profile->sectionName = "PL10*140";
        profile->material = "S235";
        ASSERT_EQ(transaction.addNewObject(std::move(profile), ownProfile), Acad::eOk);
        auto& stiffeners = static_cast<Mdx_ProfModule&>(*macro->findModuleWrite("Stiffeners"));
        for (Mdx_ProfPlacement& placement : stiffeners.profArray()) placement.profileId = ownProfile;
        stiffeners.profArray()[0].rotation = "0";
        ASSERT_EQ(transaction.addNewObject(std::make_unique<Mdx_DbMacro>(std::move(macro)), second),
                  Acad::eOk);
        ASSERT_EQ(transaction.commit(), Acad::eOk);
        data = MacroData();
        AcTransaction gathering(db);
        ASSERT_EQ(data.addMacro(drawing.macro, gathering), Acad::eOk);
        ASSERT_EQ(data.addMacro(second, gathering), Acad::eOk);
        gathering.commit();
        page = std::make_unique<MacroSectionPage>(data, tabIndex(data, "Stiffeners"), nullptr);
        ASSERT_TRUE(page->createPage(CWnd::FromHandle(adsw_acadMainWnd())));
    }
    CComboBox& combo(int id) { return *static_cast<CComboBox*>(page->GetDlgItem(id)); }
    std::string text(int id) {
        std::string value;
        page->GetDlgItemText(id, value);
        return value;
    }
    void choose(int id, int index) {
        combo(id).SetCurSel(index);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
    }
    Mdx_String rotationIn(AcDbObjectId macroId) {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        transaction.getObject(macro, macroId);
        return static_cast<Mdx_ProfModule*>(macro->macro()->findModuleWrite("Stiffeners"))
            ->profArray()[0]
            .rotation;
    }

    AcDbObjectId ownProfile, second;
    std::unique_ptr<MacroSectionPage> page;
};

TEST_F(SectionPage, TheGroupShowsTheMixedRotationAndAMemberItsOwn) {
    ASSERT_EQ(text(1212), "Stiffener1");
    EXPECT_EQ(text(1316), "*Varies*");
    EXPECT_EQ(combo(1316).GetCurSel(), 4) << "the mixed word is the last item";
    ASSERT_EQ(combo(1213).GetCount(), 3) << "the whole group and its two members";
    EXPECT_EQ(text(1213), "<All members>");
    choose(1213, 2);
    EXPECT_EQ(text(1316), "0\xB0");
    choose(1213, 1);
    EXPECT_EQ(text(1316), "90\xB0");
}

TEST_F(SectionPage, AnEmptyRotationChangesNothingAndAChosenOneReachesTheWholeGroup) {
    page->SetDlgItemText(1316, "");
    page->SendMessage(WM_COMMAND, MAKEWPARAM(1001, 0x508), 0);
    EXPECT_EQ(rotationIn(drawing.macro), Mdx_String("90"));
    EXPECT_EQ(rotationIn(second), Mdx_String("0"));
    choose(1316, 2);  // 180 degrees for the group
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    EXPECT_EQ(rotationIn(drawing.macro), Mdx_String("180"));
    EXPECT_EQ(rotationIn(second), Mdx_String("180"));
}

TEST_F(SectionPage, AChosenSectionChangesOnlyTheChosenMember) {
    choose(1213, 2);  // the second connection's stiffener
    macro_pickers::queueAnswer(macro_pickers::Picker::Section, "IPE240");
    page->SendMessage(WM_COMMAND, MAKEWPARAM(1222, BN_CLICKED), 0);
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    AcTransaction transaction(db);
    Mdx_DbMacro* first = nullptr;
    ASSERT_EQ(transaction.getObject(first, drawing.macro), Acad::eOk);
    const AcDbObjectId firstProfile =
        static_cast<Mdx_ProfModule*>(first->macro()->findModuleWrite("Stiffeners"))
            ->profArray()[0]
            .profileId;
    Mdx_DbProfile* own = nullptr;
    Mdx_DbProfile* other = nullptr;
    ASSERT_EQ(transaction.getObject(own, ownProfile), Acad::eOk);
    ASSERT_EQ(transaction.getObject(other, firstProfile), Acad::eOk);
    EXPECT_EQ(own->sectionName, Mdx_String("IPE240"));
    EXPECT_EQ(other->sectionName, Mdx_String("PL10*140")) << "the other member keeps its own";
    EXPECT_EQ(host::CommandLine::postedCommands().back(), "CANCELCMD");
}

TEST_F(SectionPage, PickingACoordinateSystemNamesThePlaneXp) {
    macro_pickers::queueAnswer(macro_pickers::Picker::CoordSys, "picked");
    choose(1215, kCoordSysItem);
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    AcTransaction transaction(db);
    Mdx_DbMacro* macro = nullptr;
    transaction.getObject(macro, second);
    const auto& placement =
        static_cast<Mdx_ProfModule*>(macro->macro()->findModuleWrite("Stiffeners"))->profArray()[0];
    EXPECT_EQ(placement.basePlane, Mdx_String("xp"));
    EXPECT_TRUE(placement.hasCoordSys);
}

}  // namespace

// The section settings work on what the panel shows: a change to one member reaches only
// that member, a refused one is told and changes nothing; afterwards the temporary preview
// object the page was built on is erased, and only that one.
TEST_F(SectionPage, TheSettingsChangeTheShownMemberAndThePreviewGoesAfterwards) {
    const AcDbObjectId preview = endplate::addProfile(db, "PL8*100", "S235");
    data.preview().temporary = true;
    data.preview().objects = {preview};
    page->DestroyWindow();
    page = std::make_unique<MacroSectionPage>(data, tabIndex(data, "Stiffeners"), nullptr);
    ASSERT_TRUE(page->createPage(CWnd::FromHandle(adsw_acadMainWnd())));
    EXPECT_EQ(page->previewObject(), preview);
    EXPECT_TRUE(::GetWindowLongPtr(page->GetDlgItem(1114)->GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE)
        << "the settings button is offered";
    choose(1213, 2);  // the second connection's stiffener
    const win::DialogRef details{IDD_PROF_DETAILS, ""};
    win::user::typeText(IDC_PROF_SECTION, "NoSuchSection", details);
    win::user::click(IDOK, details);
    win::user::answerMessageBox(IDOK);
    win::user::typeText(IDC_PROF_SECTION, "PL10*140", details);
    win::user::typeText(IDC_PROF_ROTATION, "45", details);
    win::user::click(IDOK, details);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(1114, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("NoSuchSection"), std::string::npos);
    EXPECT_EQ(rotationIn(second), Mdx_String("45"));
    EXPECT_EQ(rotationIn(drawing.macro), Mdx_String("90")) << "the other member keeps its own";
    EXPECT_EQ(text(1316), "45") << "the page shows what the settings left";
    EXPECT_FALSE(db.contains(preview));
    EXPECT_TRUE(page->previewObject().isNull());
    EXPECT_TRUE(data.preview().objects.isEmpty());

    const AcDbObjectId other = endplate::addProfile(db, "PL8*100", "S235");
    data.preview().objects = {other};
    win::user::click(IDCANCEL, details);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(1114, BN_CLICKED), 0);
    EXPECT_TRUE(db.contains(other)) << "only the object the page was built on goes";
}
