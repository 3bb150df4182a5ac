// The profile-details dialog on a group of a drawing's macro, driven as a detailer drives
// it: every property reaches the group's profiles in the drawing, what cannot be right is
// told and keeps the dialog open, and a preview's temporary objects go when it closes.
#include "otherdlg/ProfileDetailsLaunch.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "core/macro/MacroData.h"
#include "core/macro/SectionPlacement.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "frame/FrameTestSupport.h"
#include "otherdlg/KvProfDetailsDlg.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kDetails{IDD_PROF_DETAILS, ""};

class ProfileDetails : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        drawing = endplate::build(db);
        AcTransaction transaction(db);
        ASSERT_EQ(data.addMacro(drawing.macro, transaction), Acad::eOk);
        transaction.commit();
    }
    Mdx_ProfPlacement placement(const char* name) {
        return endplate::stiffener(db, drawing, name);
    }
    Mdx_String sectionOf(AcDbObjectId id) {
        AcTransaction transaction(db);
        Mdx_DbProfile* profile = nullptr;
        return transaction.getObject(profile, id) == Acad::eOk ? profile->sectionName : "";
    }
    AcDbObjectId addObject() { return endplate::addProfile(db, "PL8*100", "S235"); }

    AcDbDatabase db;
    endplate::Drawing drawing;
    MacroData data;
};

TEST_F(ProfileDetails, EveryFieldReachesTheGroupsProfilesInTheDrawing) {
    win::user::typeText(IDC_PROF_MEMBER, "ST7", kDetails);
    win::user::typeText(IDC_PROF_SECTION, "PL12*140", kDetails);
    win::user::typeText(IDC_PROF_MATERIAL, "S355", kDetails);
    win::user::select(IDC_PROF_OFFSET, 4, kDetails);
    win::user::select(IDC_PROF_ROTATION, 2, kDetails);
    win::user::select(IDC_PROF_PLANE, 2, kDetails);
    win::user::click(IDOK, kDetails);
    StartDlgMacroProfAdv(data, "Stiffener1", "Stiffener", false);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    const Mdx_ProfPlacement placed = placement("Stiffener1");
    EXPECT_EQ(placed.memberName, Mdx_String("ST7"));
    EXPECT_EQ(placed.rotation, Mdx_String("180"));
    EXPECT_EQ(placed.offsetType, getProfOffsetType(4));
    EXPECT_EQ(placed.basePlane, Mdx_String("xp"));
    EXPECT_TRUE(placed.hasCoordSys);
    EXPECT_EQ(sectionOf(placed.profileId), Mdx_String("PL12*140"));
    EXPECT_EQ(placement("Stiffener2").memberName, Mdx_String("ST2"));
}

// Typed values that cannot be right are told by the dialog, a section no table holds by the
// update; each keeps the dialog open, and Cancel then leaves drawing and data as they were.
TEST_F(ProfileDetails, WhatCannotBeRightIsToldAndTheDialogStaysOpen) {
    win::user::typeText(IDC_PROF_ROTATION, "quarter", kDetails);
    win::user::click(IDOK, kDetails);
    win::user::answerMessageBox(IDOK);
    win::user::typeText(IDC_PROF_ROTATION, "90", kDetails);
    win::user::select(IDC_PROF_PLANE, 0, kDetails);
    win::user::typeText(IDC_PROF_PLANE_NAME, "", kDetails);
    win::user::click(IDOK, kDetails);
    win::user::answerMessageBox(IDOK);
    win::user::select(IDC_PROF_PLANE, 1, kDetails);
    win::user::typeText(IDC_PROF_SECTION, "", kDetails);
    win::user::click(IDOK, kDetails);
    win::user::answerMessageBox(IDOK);
    win::user::typeText(IDC_PROF_SECTION, "HE 999 Z", kDetails);
    win::user::click(IDOK, kDetails);
    win::user::answerMessageBox(IDOK);
    win::user::click(IDCANCEL, kDetails);
    StartDlgMacroProfAdv(data, "Stiffener1", "", false);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(win::user::messageBoxes().size(), 4u);
    EXPECT_TRUE(told(9410));
    EXPECT_TRUE(told(9411));
    EXPECT_TRUE(told(9407));
    EXPECT_NE(win::user::messageBoxes()[3].text.find("HE 999 Z"), std::string::npos)
        << win::user::messageBoxes()[3].text;
    EXPECT_EQ(sectionOf(placement("Stiffener1").profileId), Mdx_String("PL10*140"));
    EXPECT_EQ(placement("Stiffener1").rotation, Mdx_String("0"));
    MacroProfData props;
    ASSERT_TRUE(data.getTab(2)->getMergedPropsOfGroup("Stiffener1", props));
    EXPECT_EQ(props.sectionName, Mdx_String("PL10*140")) << "the refused data is put back";
}

// A temporary preview of one object loses it when the dialog closes, and the dialog's own
// preview profile goes too; a preview of two objects keeps both; other data erases nothing.
TEST_F(ProfileDetails, APreviewsTemporaryObjectsAreErasedWhenTheDialogCloses) {
    const AcDbObjectId single = addObject();
    data.preview().temporary = true;
    data.preview().objects.append(single);
    const int before = db.objectCount();
    int whileOpen = 0;
    win::user::act([&] { whileOpen = db.objectCount(); });
    win::user::typeText(IDC_PROF_SECTION, "PL12*140", kDetails);
    win::user::click(IDOK, kDetails);
    StartDlgMacroProfAdv(data, "Stiffener1", "", false);
    EXPECT_EQ(whileOpen, before + 1) << "the dialog draws the section it edits";
    EXPECT_FALSE(db.contains(single));
    EXPECT_EQ(db.objectCount(), before - 1) << "the dialog's own profile is gone as well";
    EXPECT_TRUE(data.preview().objects.isEmpty());

    const AcDbObjectId first = addObject(), second = addObject();
    data.preview().objects = {first, second};
    win::user::click(IDCANCEL, kDetails);
    StartDlgMacroProfAdv(data, "Stiffener1", "", false);
    EXPECT_TRUE(db.contains(first) && db.contains(second));

    const AcDbObjectId own = addObject(), kept = addObject();
    data.preview().temporary = false;
    data.preview().objects = {kept};
    profile_details::eraseAfterDialog(data, own);
    EXPECT_TRUE(db.contains(own) && db.contains(kept)) << "not a preview: nothing is erased";
    data.preview().temporary = true;
    profile_details::eraseAfterDialog(data, AcDbObjectId());
    EXPECT_FALSE(db.contains(kept));
    EXPECT_TRUE(db.contains(own)) << "a null object of the dialog erases nothing else";
}

TEST_F(ProfileDetails, TheSeveralObjectsFormReportsWhetherItWrote) {
    static int writes = 0;
    writes = 0;
    AcArray<AcDbObjectId> ids{drawing.beam};
    auto callback = [](KvMACallBackType kind, const KvMACallBackData&, MacroProfData& props) {
        if (kind == kvMARead) props.sectionName = "IPE300";
        if (kind == kvMAWrite) ++writes;
        return true;
    };
    bool flag = false;
    win::user::click(IDOK, kDetails);
    StartDlgMacroProfAdv(&ids, flag, callback);
    EXPECT_TRUE(flag);
    win::user::click(IDCANCEL, kDetails);
    StartDlgMacroProfAdv(&ids, flag, callback);
    EXPECT_FALSE(flag);
    EXPECT_EQ(writes, 1);
}

TEST_F(ProfileDetails, PictureOfAStiffenerGroup) {
    const std::filesystem::path out =
        std::filesystem::path(MDX_BINARY_DIR) / "dialog-profile-details.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kDetails);
    StartDlgMacroProfAdv(data, "Stiffener1", "Stiffener details", false);
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-profile-details.png", bytes);
}

}  // namespace
