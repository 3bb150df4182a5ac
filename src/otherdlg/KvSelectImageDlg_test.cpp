// The select image dialog as its user meets it: thumbnails of the sample pictures, named in
// the current language, chosen by a click; its size kept between runs.
#include "otherdlg/KvSelectImageDlg.h"

#include "core/MacroLangs.h"
#include "core/Mdx_Settings.h"
#include "frame/FrameTestSupport.h"
#include "win/MouseSteps.h"
#include "win/ScriptedUser.h"

namespace {

class SelectImage : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gSettings.reset();
        data.title = "Connection";
        data.files = Mdx_StringArray{gSettings.mdxDir() + "icons\\EndPlate.bmp",
                                     gSettings.mdxDir() + "icons\\FinPlate.bmp",
                                     gSettings.mdxDir() + "icons\\BasePlate.bmp"};
    }
    void TearDown() override {
        gMacroLangs.reload();
        gMacroLangs.SetCurLanguage("English");
        FrameTest::TearDown();
    }
    KvSelectImageDlgData data;
};

TEST_F(SelectImage, AClickOnAThumbnailChoosesItsNameInTheCurrentLanguage) {
    ASSERT_TRUE(gMacroLangs.SetCurLanguage("Nederlands"));
    win::user::act([] {
        auto* dialog = dynamic_cast<KvSelectImageDlg*>(
            CWnd::FromHandlePermanent(win::findDialog(KvSelectImageDlg::kTemplateId)));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->displayNames(),
                  (Mdx_StringArray{"Kopplaat", "Lipverbinding", "Voetplaat"}));
        EXPECT_EQ(dialog->thumbnails().thumbnailSize().cx, 48) << "the first picture's size";
        EXPECT_EQ(dialog->thumbnails().thumbnailSize().cy, 36);
    });
    win::user::click(IDOK);  // nothing chosen yet: the dialog stays
    // Thumbnail cells are 64 pixels wide: the third starts at 128.
    win::user::pointAndClick(KvSelectImageDlg::kThumbnails, POINT{150, 30});
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgSelectImage(data));
    EXPECT_EQ(data.selection, Mdx_String("Voetplaat"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(SelectImage, WithoutFilesTheListIsEmptyAndOkDoesNothing) {
    data.files.setEmpty();
    win::user::click(IDOK);
    win::user::act([] {
        EXPECT_NE(win::findDialog(KvSelectImageDlg::kTemplateId), nullptr) << "still open";
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgSelectImage(data));
    EXPECT_TRUE(data.selection.isEmpty());
}

TEST_F(SelectImage, TheSizeIsKeptAndTheListGrowsWithTheWindow) {
    RECT listBefore{}, listAfter{};
    auto listRect = [](RECT& out) {
        HWND list = GetDlgItem(win::findDialog(KvSelectImageDlg::kTemplateId),
                               KvSelectImageDlg::kThumbnails);
        GetWindowRect(list, &out);
    };
    win::user::act([&] {
        listRect(listBefore);
        HWND d = win::findDialog(KvSelectImageDlg::kTemplateId);
        RECT r;
        GetWindowRect(d, &r);
        MoveWindow(d, r.left, r.top, r.right - r.left + 100, r.bottom - r.top + 60, TRUE);
    });
    win::user::click(IDCANCEL);
    StartDlgSelectImage(data);
    win::user::act([&] { listRect(listAfter); });
    win::user::click(IDCANCEL);
    StartDlgSelectImage(data);
    EXPECT_EQ(listAfter.right - listAfter.left, listBefore.right - listBefore.left + 100)
        << "the stored size came back and the list followed it";
    EXPECT_EQ(listAfter.bottom - listAfter.top, listBefore.bottom - listBefore.top + 60);
}

}  // namespace
