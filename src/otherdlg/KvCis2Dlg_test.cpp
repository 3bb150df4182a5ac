#include "otherdlg/KvCis2Dlg.h"

#include "core/Mdx_Settings.h"
#include "core/sections/SectionTranslation.h"
#include "frame/FrameTestSupport.h"
#include "otherdlg/KvCis2DlgSectionNames.h"
#include "otherdlg/StringArrayGridDialog.h"
#include "win/FilePaths.h"

namespace {

class Cis2Dialog : public frame_testing::FrameTest {
protected:
    static HWND dialog() { return win::findDialog(KvCis2Dlg::kTemplateId); }
    static bool enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog(), id)); }
};

TEST_F(Cis2Dialog, WithTheDefaultsTheDependentOptionsAreDisabled) {
    KvDlgCis2Data data;
    win::user::act([] {
        EXPECT_EQ(IsDlgButtonChecked(dialog(), KvCis2Dlg::kFirstOn), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog(), KvCis2Dlg::kSecond), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog(), KvCis2Dlg::kThirdOff), UINT(BST_CHECKED));
        for (int id : {KvCis2Dlg::kSecond, KvCis2Dlg::kFourth, KvCis2Dlg::kThirdOff,
                       KvCis2Dlg::kFifth, KvCis2Dlg::kThirdOn})
            EXPECT_FALSE(enabled(id)) << id;
        EXPECT_TRUE(enabled(KvCis2Dlg::kSectionNames));
        char text[128] = {};
        GetDlgItemText(dialog(), KvCis2Dlg::kInformation, text, sizeof text);
        EXPECT_STREQ(text, "These settings apply to the CIS/2 export and import of the model.\n");
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgCis2Info(data));
    EXPECT_TRUE(data.first);
    EXPECT_TRUE(data.second);
    EXPECT_FALSE(data.third);
}

TEST_F(Cis2Dialog, DependentStatesChangedWhileEnabledAreKept) {
    KvDlgCis2Data data;
    win::user::click(KvCis2Dlg::kFirstOff);
    win::user::act([] { EXPECT_TRUE(enabled(KvCis2Dlg::kFourth)); });
    win::user::check(KvCis2Dlg::kFourth, BST_CHECKED);
    win::user::check(KvCis2Dlg::kSecond, BST_UNCHECKED);
    win::user::click(KvCis2Dlg::kThirdOn);
    win::user::click(KvCis2Dlg::kFirstOn);
    win::user::act([] { EXPECT_FALSE(enabled(KvCis2Dlg::kFourth)); });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgCis2Info(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_TRUE(data.first);
    EXPECT_FALSE(data.second);
    EXPECT_TRUE(data.third);
    EXPECT_TRUE(data.fourth);
    EXPECT_FALSE(data.fifth);
}

TEST_F(Cis2Dialog, ARecordOpensAsItIsAndCancelKeepsIt) {
    KvDlgCis2Data data;
    data.first = false;
    data.third = true;
    win::user::act([] {
        EXPECT_EQ(IsDlgButtonChecked(dialog(), KvCis2Dlg::kFirstOff), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog(), KvCis2Dlg::kThirdOn), UINT(BST_CHECKED));
        EXPECT_TRUE(enabled(KvCis2Dlg::kFifth));
    });
    win::user::check(KvCis2Dlg::kFifth, BST_CHECKED);
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCis2Info(data));
    EXPECT_FALSE(data.fifth);
    EXPECT_FALSE(data.first);
}

}  // namespace

namespace {

class Cis2SectionNames : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gSettings.setLibraryFolder(folder.string());
    }
    void TearDown() override {
        gSettings.reset();
        FrameTest::TearDown();
    }
    static void editCell(int col, int row, const char* text) {
        win::user::act([=] {
            HWND grid = GetDlgItem(win::findDialog(StringArrayGridDialog::kTemplateId),
                                   StringArrayGridDialog::kGridPlaceholder);
            SSSetData(grid, col, row, text);
        });
    }
};

TEST_F(Cis2SectionNames, ButtonEditsTheNamesFileOfTheLibrary) {
    ASSERT_TRUE(saveSectionTranslation(kCis2NamesFile, {"IPE-300", "HEA-300"}, {"IPE300", ""}));
    KvDlgCis2Data data;
    std::string caption;
    win::user::click(KvCis2Dlg::kSectionNames);
    win::user::act([&] {
        CWnd::FromHandle(win::findDialog(StringArrayGridDialog::kTemplateId))
            ->GetWindowText(caption);
    });
    editCell(2, 2, "HE300A");
    win::user::click(StringArrayGridDialog::kAddButton);
    win::user::click(IDOK, win::DialogRef{StringArrayGridDialog::kTemplateId, ""});
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCis2Info(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(caption, "CIS/2 section names");
    Mdx_StringArray names, translations;
    ASSERT_TRUE(readSectionTranslation(kCis2NamesFile, names, translations));
    EXPECT_EQ(names, (Mdx_StringArray{"IPE-300", "HEA-300"})) << "the empty new row is dropped";
    EXPECT_EQ(translations, (Mdx_StringArray{"IPE300", "HE300A"}));
}

TEST_F(Cis2SectionNames, UnreadableFileIsReportedAndLeftAlone) {
    writeFile(kCis2NamesFile, "not a names file");
    win::user::click(KvCis2Dlg::kSectionNames);
    win::user::click(IDCANCEL);
    KvDlgCis2Data data;
    EXPECT_FALSE(StartDlgCis2Info(data));
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_EQ(win::user::messageBoxes()[0].text,
              "CIS2ProfNames.dat cannot be read; it is left as it is.");
    EXPECT_EQ(win::findDialog(StringArrayGridDialog::kTemplateId), nullptr);
    std::string bytes;
    EXPECT_TRUE(win::readWholeFile(folder / kCis2NamesFile, bytes));
    EXPECT_EQ(bytes, "not a names file");
}

}  // namespace
