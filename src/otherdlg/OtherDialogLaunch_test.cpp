// The small launch points: what each does with no user, and the ones with a rule of their
// own (macro selection, the remembered profile cut, profile details, picture choice).
#include "otherdlg/OtherDialogLaunch.h"

#include <functional>

#include "core/macro/MacroData.h"
#include "frame/FrameTestSupport.h"
#include "otherdlg/KvLevelsDlg.h"
#include "otherdlg/KvSelectImageDlg.h"
#include "otherdlg/ProfileCutsLaunch.h"
#include "otherdlg/ProfileDetailsLaunch.h"
#include "otherdlg/SelectMacroLaunch.h"
#include "resources/otherdlg_ids.h"
#include "win/ScriptedUser.h"

namespace {

class OtherDialogs : public frame_testing::FrameTest {
protected:
    void TearDown() override {
        profile_cuts::resetLastSelectedIndex();
        FrameTest::TearDown();
    }
};

// Each launch point without a user: the dialog opens from its template, ends with Cancel,
// and the record stays as it was.
TEST_F(OtherDialogs, WithoutAUserEveryLaunchPointCancelsAndKeepsItsRecord) {
    const std::pair<UINT, std::function<bool()>> launches[] = {
        {IDD_ARRAY,
         [] {
             DynArrayData d;
             d.array.values[0] = "1";
             return StartArrayDlg(d, AcArray<AcDbObjectId>(), "A") || d.array.values[0] != "1";
         }},
        {IDD_PROF_FEATURES,
         [] {
             DlgProfFeaturesData d;
             return StartDlgProfFeatures(d);
         }},
        {IDD_LEVELS,
         [] {
             KvLevelsDlgData d;
             int at = 0;
             d.addLevel("Floor", at);
             return StartDlgLevels(d) || d.levels.length() != 1;
         }},
        {IDD_CLADDING,
         [] {
             KvCladdingDlgData d;
             return StartDlgCladdingSettings(d);
         }},
        {IDD_BRACING,
         [] {
             KvBracingDlgData d;
             return StartDlgBracing(d);
         }},
        {IDD_PROF_CUTS,
         [] {
             DlgProfCutsData d;
             return StartEditProfCutsDlg(d);
         }},
        {IDD_SELECT_IMAGE,
         [] {
             KvSelectImageDlgData d;
             d.selection = "x";
             return StartDlgSelectImage(d) || d.selection != Mdx_String("x");
         }},
        {IDD_SELECT_MACRO,
         [] {
             Mdx_String chosen = "M1";
             bool flag = false;
             return StartDlgSelectMacro("t", Mdx_StringArray{"M1"}, 0, 0, chosen, flag, false) ||
                    chosen != Mdx_String("M1");
         }},
    };
    for (const auto& [templateId, launch] : launches) {
        bool opened = false;
        win::user::act([&opened, id = templateId] { opened = win::findDialog(id) != nullptr; });
        win::user::closeDialog();
        EXPECT_FALSE(launch()) << templateId;
        EXPECT_TRUE(opened) << templateId;
        EXPECT_EQ(win::findDialog(templateId), nullptr) << templateId;
    }
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(OtherDialogs, OkOfAMinimalDialogHandsTheRecordBack) {
    DlgProfFeaturesData data;
    data.features.append("hole 22");
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgProfFeatures(data));
    ASSERT_EQ(data.features.length(), 1);
    EXPECT_EQ(data.features[0], Mdx_String("hole 22"));
}

TEST_F(OtherDialogs, TheCallersResourcesComeBackWhenADialogCannotBeMade) {
    const HINSTANCE callers = reinterpret_cast<HINSTANCE>(0x1234);
    AfxSetResourceHandle(callers);
    // No default resource saved: the override switches to nothing and no template is found.
    KvTempResourceOverride::SaveDefaultResource(nullptr);
    KvBracingDlgData data;
    win::user::click(IDOK);
    EXPECT_FALSE(StartDlgBracing(data));
    EXPECT_EQ(AfxGetResourceHandle(), callers);
    AfxSetResourceHandle(nullptr);
}

TEST_F(OtherDialogs, TheFirstSelectMacroFormLetsEveryNameBeChosen) {
    Mdx_String chosen;
    bool flag = false;
    win::user::select(IDC_MACRO_NAMES, 1);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgSelectMacro("Macros", Mdx_StringArray{"EndPlate", "Splice"}, 1, 2, chosen,
                                    flag, true));
    EXPECT_EQ(chosen, Mdx_String("Splice"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(OtherDialogs, ADisabledMacroCannotBeChosen) {
    Mdx_String chosen = "EndPlate";
    bool flag = false;
    const AcArray<bool> enabled{true, false};
    win::user::act([] {
        EXPECT_EQ(SendDlgItemMessage(win::activeDialog(), IDC_MACRO_NAMES, LB_GETCURSEL, 0, 0), 0)
            << "the current choice is selected";
    });
    win::user::select(IDC_MACRO_NAMES, 1);
    win::user::click(IDOK);  // refused: the dialog stays, then ends with Cancel
    EXPECT_FALSE(StartDlgSelectMacro("Macros", Mdx_StringArray{"EndPlate", "Splice"}, enabled, 0, 0,
                                     chosen, flag, false));
    EXPECT_EQ(chosen, Mdx_String("EndPlate"));
}

TEST_F(OtherDialogs, TheProfileCutChosenLastIsSelectedNextTime) {
    DlgProfCutsData data;
    data.cutNames = Mdx_StringArray{"Top", "Bottom", "Web"};
    win::user::select(IDC_PROF_CUT_LIST, 2);
    win::user::click(IDOK);
    ASSERT_TRUE(StartEditProfCutsDlg(data));
    EXPECT_EQ(profile_cuts::lastSelectedIndex(), 2);
    int shown = -1;
    win::user::act([&shown] {
        shown = static_cast<int>(
            SendDlgItemMessage(win::activeDialog(), IDC_PROF_CUT_LIST, LB_GETCURSEL, 0, 0));
    });
    win::user::select(IDC_PROF_CUT_LIST, 0);
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartEditProfCutsDlg(data));
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(profile_cuts::lastSelectedIndex(), 2) << "Cancel keeps the last OK choice";
}

TEST_F(OtherDialogs, ProfileDetailsReadAndWriteTheGroupsMergedProperties) {
    MacroData data;
    MacroTabData& tab = data.addTab("Beam", MacroTabData::kSectionTab);
    MacroProfData beam;
    beam.groupName = "Beam";
    beam.sectionName = "IPE300";
    tab.profGroups().append(beam);
    win::user::act([] {
        char text[32] = {};
        GetDlgItemText(win::activeDialog(), IDC_PROF_SECTION, text, sizeof text);
        EXPECT_STREQ(text, "IPE300");
    });
    win::user::typeText(IDC_PROF_SECTION, "HEA300");
    win::user::click(IDOK);
    StartDlgMacroProfAdv(data, "Beam", "Beam details", false);
    MacroProfData stored;
    ASSERT_TRUE(data.getTab(0)->getMergedPropsOfGroup("Beam", stored));
    EXPECT_EQ(stored.sectionName, Mdx_String("HEA300"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

int callbackCalls = 0;
bool countingCallback(KvMACallBackType, const KvMACallBackData& where, MacroProfData&) {
    ++callbackCalls;
    return where.objectIds && !where.objectIds->isEmpty();
}

TEST_F(OtherDialogs, ProfileDetailsForNoObjectsShowNothing) {
    bool flag = true;
    callbackCalls = 0;
    AcArray<AcDbObjectId> none;
    win::user::click(IDOK);
    StartDlgMacroProfAdv(nullptr, flag, countingCallback);
    StartDlgMacroProfAdv(&none, flag, countingCallback);
    EXPECT_EQ(callbackCalls, 0);
    EXPECT_EQ(win::user::pendingSteps(), 1u) << "no dialog took the step";
    EXPECT_TRUE(flag);
    AcArray<AcDbObjectId> one;
    one.append(AcDbObjectId());
    StartDlgMacroProfAdv(&one, flag, countingCallback);
    EXPECT_EQ(callbackCalls, 2) << "read at opening, write at OK";
}

TEST_F(OtherDialogs, APictureMustBeChosenBeforeOk) {
    KvSelectImageDlgData data;
    data.title = "Pictures";
    data.files = Mdx_StringArray{"C:\\lib\\icons\\Plate.bmp", "C:\\lib\\icons\\Angle.bmp"};
    win::user::click(IDOK);  // nothing selected: stays open
    win::user::select(KvSelectImageDlg::kThumbnails, 1);
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.selection, Mdx_String("Angle"));
    EXPECT_EQ(data.title, Mdx_String("Pictures"));
}

}  // namespace
