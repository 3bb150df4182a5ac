// The array settings dialog driven as a person drives it: kind, values, entries typed into
// the grid, refusals, and its picture.
#include "otherdlg/KvArrayDlg.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "frame/FrameTestSupport.h"
#include "grid/GridUserSteps.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kArray{IDD_ARRAY, ""};

class ArrayDialog : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        data.array.name = "Stiffeners";
        data.array.values = {"3", "150", "", "40", ""};
        data.array.entries.append({"S1", "100"});
        data.array.entries.append({"S2", "250"});
    }
    bool start() { return StartArrayDlg(data, AcArray<AcDbObjectId>(), ""); }
    DynArrayData data;
};

TEST_F(ArrayDialog, ValuesAndEntriesTypedAreCopiedBackOnOK) {
    win::user::typeText(IDC_ARRAY_VALUE0, "4", kArray);
    win::user::typeText(IDC_ARRAY_VALUE4, "-12.5", kArray);
    grid::user::clickCell(IDC_ARRAY_ENTRIES, 1, 2, kArray);
    win::user::click(IDC_ARRAY_INSERT, kArray);
    grid::user::typeInCell(IDC_ARRAY_ENTRIES, 1, 3, "S3", kArray);
    grid::user::typeInCell(IDC_ARRAY_ENTRIES, 2, 3, "400", kArray);
    win::user::click(IDOK, kArray);
    ASSERT_TRUE(start());
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.array.values[0], Mdx_String("4"));
    EXPECT_EQ(data.array.values[4], Mdx_String("-12.5"));
    ASSERT_EQ(data.array.entries.length(), 3);
    EXPECT_EQ(data.array.entries[2], (Mdx_ArrayEntry{"S3", "400"}));
    EXPECT_EQ(data.array.kind, Mdx_ModuleArray::kListArray);
}

// A count that is no whole number from 0 to 9999, a value that is no number and two entries
// of one name are each refused with a message; the dialog stays open and nothing is copied.
TEST_F(ArrayDialog, WhatIsNoNumberOrNamedTwiceIsRefusedAndTheDialogStays) {
    for (const char* count : {"2.5", "10000", "-1", "three"}) {
        win::user::typeText(IDC_ARRAY_VALUE0, count, kArray);
        win::user::click(IDOK, kArray);
        win::user::answerMessageBox(IDOK);
    }
    win::user::typeText(IDC_ARRAY_VALUE0, "2", kArray);
    win::user::typeText(IDC_ARRAY_VALUE1, "150mm", kArray);
    win::user::click(IDOK, kArray);
    win::user::answerMessageBox(IDOK);
    win::user::typeText(IDC_ARRAY_VALUE1, "150", kArray);
    grid::user::typeInCell(IDC_ARRAY_ENTRIES, 1, 2, "s1", kArray);
    win::user::click(IDOK, kArray);
    win::user::answerMessageBox(IDOK);
    win::user::click(IDCANCEL, kArray);
    EXPECT_FALSE(start());
    EXPECT_EQ(win::user::messageBoxes().size(), 6u);
    EXPECT_TRUE(told(9130));
    EXPECT_TRUE(told(9131));
    EXPECT_TRUE(told(9132));
    EXPECT_EQ(data.array.values[0], Mdx_String("3")) << "Cancel keeps the record";
}

// Value 3 is for evenly spaced arrays, the entries for lists: switching the kind switches
// which of them can be edited, and the kind is copied back.
TEST_F(ArrayDialog, TheKindDecidesWhatCanBeEdited) {
    bool thirdBefore = true, entriesAfter = true, thirdAfter = false;
    win::user::act([&] {
        thirdBefore = IsWindowEnabled(GetDlgItem(win::findDialog(IDD_ARRAY), IDC_ARRAY_VALUE2));
    });
    win::user::click(IDC_ARRAY_SPACED, kArray);
    win::user::act([&] {
        HWND dialog = win::findDialog(IDD_ARRAY);
        entriesAfter = IsWindowEnabled(GetDlgItem(dialog, IDC_ARRAY_ENTRIES));
        thirdAfter = IsWindowEnabled(GetDlgItem(dialog, IDC_ARRAY_VALUE2));
    });
    win::user::typeText(IDC_ARRAY_VALUE2, "75", kArray);
    win::user::click(IDOK, kArray);
    ASSERT_TRUE(start());
    EXPECT_FALSE(thirdBefore);
    EXPECT_FALSE(entriesAfter);
    EXPECT_TRUE(thirdAfter);
    EXPECT_EQ(data.array.kind, Mdx_ModuleArray::kSpacedArray);
    EXPECT_EQ(data.array.values[2], Mdx_String("75"));
}

TEST_F(ArrayDialog, PictureOfAListArray) {
    const std::filesystem::path out = std::filesystem::path(MDX_BINARY_DIR) / "dialog-array.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kArray);
    EXPECT_FALSE(start());
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-array.png",
                                  bytes);
}

}  // namespace
