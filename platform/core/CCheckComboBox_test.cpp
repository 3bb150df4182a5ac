#include "core/CCheckComboBox.h"

#include <gtest/gtest.h>

#include "core/CBitmapPickerCombo.h"
#include "win/CDialog.h"
#include "win/MouseInput.h"
#include "win/PaintDC.h"
#include "win/ResourceModule.h"
#include "win/ScriptedUser.h"
#include "win/Timers.h"
#include "win/Tooltips.h"
#include "win/WindowRecord.h"

namespace {

class Combos : public CDialog {
public:
    Combos() : CDialog(10) {}
    CCheckComboBox groups;
    CBitmapPickerCombo pictures;
    int selChanges = 0;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        groups.SubclassDlgItem(1185, this);
        pictures.SubclassDlgItem(1202, this);
        for (const char* name : {"I sections", "H sections", "Angles"}) groups.AddString(name);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == 1185 && HIWORD(wParam) == CBN_SELCHANGE) ++selChanges;
        return CDialog::OnCommand(wParam, lParam);
    }
};

class ComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset();
        AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
10 DIALOG 0, 0, 160, 60
STYLE WS_POPUP | WS_VISIBLE
FONT 8, "MS Sans Serif"
BEGIN
    COMBOBOX 1185, 5, 5, 100, 60, CBS_DROPDOWNLIST
    COMBOBOX 1202, 5, 25, 100, 60, CBS_DROPDOWNLIST
END
)"));
        ASSERT_TRUE(dialog.Create(10));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        reset();
    }
    static void reset() {
        win::user::reset();
        win::mouse::reset();
        win::resetTooltips();
        win::detail::resetWindowTable();
        win::resetTimers();
        win::resetResourceModules();
    }
    Combos dialog;
};

TEST_F(ComboTest, PickingItemsInTheOpenListTicksThemAndTheCheckedItemsReadBack) {
    ASSERT_TRUE(win::act::select(dialog.m_hWnd, 1185, 2));
    ASSERT_TRUE(win::act::select(dialog.m_hWnd, 1185, 0));
    EXPECT_EQ(dialog.groups.GetCheckedItems(), (std::vector<int>{0, 2}));
    EXPECT_EQ(dialog.groups.GetCheckedText(), Mdx_String("I sections, Angles"));
    EXPECT_EQ(dialog.selChanges, 2) << "the dialog hears the picks as usual";
    // Picking a ticked item again clears it; setting the selection in code ticks nothing.
    ASSERT_TRUE(win::act::select(dialog.m_hWnd, 1185, 2));
    dialog.groups.SetCurSel(1);
    EXPECT_EQ(dialog.groups.GetCheckedTexts(), (Mdx_StringArray{"I sections"}));
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(ComboTest, ChecksFollowTheItemsWhenTheyAreInsertedOrDeleted) {
    CCheckComboBox& groups = dialog.groups;
    ASSERT_TRUE(groups.SetCheck(1));
    groups.InsertString(0, "Channels");
    EXPECT_EQ(groups.GetCheck(2), 1) << "the tick moves with its item";
    groups.DeleteString(2);
    EXPECT_TRUE(groups.GetCheckedItems().empty());
    EXPECT_EQ(groups.GetCheck(7), -1);
    EXPECT_FALSE(groups.SetCheck(7));
    groups.CheckAll();
    EXPECT_EQ(groups.GetCheckedItems().size(), 3u);
    groups.ResetContent();
    EXPECT_TRUE(groups.GetCheckedItems().empty());
}

TEST_F(ComboTest, PictureItemsKeepTheirOwnBitmapsAndAMissingFileKeepsItsPlace) {
    std::uint32_t red[4] = {0xFFFF0000u, 0xFFFF0000u, 0xFFFF0000u, 0xFFFF0000u};
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, red);
    EXPECT_EQ(dialog.pictures.AddBitmap(bitmap, "Red"), 0);
    DeleteObject(bitmap);
    ASSERT_NE(dialog.pictures.GetItemBitmap(0), nullptr);
    const int read = dialog.pictures.AddAllImages(
        Mdx_StringArray{"L:\\no such folder\\Plate.bmp", "L:\\nothing.bmp"},
        Mdx_StringArray{"Plate"});
    EXPECT_EQ(read, 0);
    ASSERT_EQ(dialog.pictures.GetCount(), 3);
    std::string text;
    dialog.pictures.GetLBText(2, text);
    EXPECT_EQ(text, "nothing") << "named after the file without a text";
    EXPECT_EQ(dialog.pictures.GetItemBitmap(1), nullptr);
    dialog.pictures.DeleteString(0);
    EXPECT_EQ(dialog.pictures.GetItemBitmap(0), nullptr) << "the slots moved with the items";
}

}  // namespace
