// Draws a sample dialog with the shared controls -- icon, picture and image check buttons, a
// tooltip, a check combo, a picture combo, thumbnails and a rectangle tracker -- as the
// documentation shows it. With MDX_UPDATE_DOCS set the picture is also written to docs/.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstdlib>
#include <filesystem>

#include "core/CBitmapPickerCombo.h"
#include "core/CButtonST.h"
#include "core/CCheckComboBox.h"
#include "core/CImageListCtrl.h"
#include "win/CDialog.h"
#include "win/CRectTracker.h"
#include "win/FilePaths.h"
#include "win/MouseInput.h"
#include "win/MouseSteps.h"
#include "win/ResourceModule.h"
#include "win/Timers.h"
#include "win/Tooltips.h"
#include "win/WindowPainter.h"
#include "win/WindowRecord.h"

namespace {

namespace fs = std::filesystem;

const fs::path kIcons = fs::path(MDX_SOURCE_DIR) / "examples" / "icons";
const Mdx_StringArray kPictures{"M:\\icons\\EndPlate.bmp", "M:\\icons\\FinPlate.bmp",
                                "M:\\icons\\BasePlate.bmp"};

class Sample : public CDialog {
public:
    Sample() : CDialog(10) {}
    CButtonST up, down, plate, clash;
    CCheckComboBox groups;
    CBitmapPickerCombo picture;
    CImageListCtrl thumbnails;
    CRectTracker tracker{nullptr, CRectTracker::dottedLine | CRectTracker::resizeOutside};

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        up.SubclassDlgItem(1443, this);
        down.SubclassDlgItem(1442, this);
        plate.SubclassDlgItem(1178, this);
        clash.SubclassDlgItem(1292, this);
        groups.SubclassDlgItem(1185, this);
        picture.SubclassDlgItem(1202, this);
        thumbnails.SubclassDlgItem(9091, this);
        up.SetIcon(261);
        up.SetTooltipText("Move up");
        down.SetIcon(262);
        plate.SetBitmapFile(kPictures[0], RGB(192, 192, 192));
        plate.SetAlign(CButtonST::ST_ALIGN_VERT);
        plate.SetFlat(false);
        clash.SetIcon(237);
        for (const char* name : {"I sections", "H sections", "Angles", "Channels"})
            groups.AddString(name);
        picture.AddAllImages(kPictures, Mdx_StringArray{"End plate", "Fin plate", "Base plate"});
        picture.SetCurSel(1);
        thumbnails.Init(SIZE{48, 36});
        thumbnails.SetPictures(kPictures, Mdx_StringArray{});
        tracker.m_rect = RECT{24, 140, 140, 190};
        return TRUE;
    }
    void OnPaint() override {
        CPaintDC dc(this);
        dc.FillSolidRect(16, 132, 132, 66, RGB(255, 255, 255));
        dc.FillSolidRect(40, 155, 84, 20, RGB(70, 110, 160));
        tracker.Draw(&dc);
    }
};

unsigned pixelAt(const std::string& png, int x, int y) {
    int w = 0, h = 0, channels = 0;
    unsigned char* data = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(png.data()),
                                                static_cast<int>(png.size()), &w, &h, &channels, 3);
    unsigned value = 0xFFFFFFFF;
    if (data && x >= 0 && y >= 0 && x < w && y < h) {
        const unsigned char* p = data + (static_cast<std::size_t>(y) * w + x) * 3;
        value = (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
    }
    stbi_image_free(data);
    return value;
}

void resetWindowSystem() {
    win::user::reset();
    win::mouse::reset();
    win::resetTooltips();
    win::detail::resetWindowTable();
    win::resetTimers();
    win::resetResourceModules();
}

TEST(ControlsPicture, TheSampleDialogShowsEveryControlWithItsData) {
    resetWindowSystem();
    win::setDriveRoot('M', kIcons.parent_path());
    AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
237 ICON "icons\\icon237.ico"
261 ICON "icons\\icon261.ico"
262 ICON "icons\\icon262.ico"
10 DIALOG 0, 0, 250, 140
STYLE WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE
CAPTION "Shared controls"
FONT 8, "MS Sans Serif"
BEGIN
    PUSHBUTTON "", 1443, 7, 7, 15, 14
    PUSHBUTTON "", 1442, 25, 7, 15, 14
    CONTROL "", 1292, "Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, 45, 7, 15, 14
    PUSHBUTTON "Plate", 1178, 65, 7, 40, 34
    COMBOBOX 1185, 112, 7, 130, 60, CBS_DROPDOWNLIST
    COMBOBOX 1202, 112, 27, 130, 60, CBS_DROPDOWNLIST
    LISTBOX 9091, 112, 47, 130, 86, WS_VSCROLL
END
)", {}, fs::path(MDX_SOURCE_DIR) / "src" / "resources"));
    Sample dialog;
    ASSERT_TRUE(dialog.Create(10));
    // What a user did: ticked two groups, chose a thumbnail, ticked the image check box,
    // moved the tracked rectangle, and rests the pointer on the move-up button.
    ASSERT_TRUE(win::act::select(dialog.m_hWnd, 1185, 0));
    ASSERT_TRUE(win::act::select(dialog.m_hWnd, 1185, 2));
    ASSERT_TRUE(win::act::pointAndClick(dialog.m_hWnd, 9091, POINT{100, 20}));
    ASSERT_TRUE(win::act::pointAndClick(dialog.m_hWnd, 1292, POINT{3, 3}));
    ASSERT_TRUE(win::act::hover(dialog.m_hWnd, 1443));
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_EQ(dialog.groups.GetCheckedText(), Mdx_String("I sections, Angles"));
    EXPECT_EQ(dialog.thumbnails.GetSelectedName(), Mdx_String("FinPlate"));
    EXPECT_EQ(dialog.clash.GetCheck(), BST_CHECKED);

    const fs::path out = fs::path(MDX_BINARY_DIR) / "controls-sample.png";
    ASSERT_TRUE(win::paintWindowToPng(dialog.m_hWnd, out));
    std::string png;
    ASSERT_TRUE(win::readWholeFile(out, png));
    // The tracked rectangle's top-left handle, drawn by the dialog's own painting.
    RECT frame, client;
    dialog.GetWindowRect(&frame);
    POINT origin{0, 0};
    dialog.ClientToScreen(&origin);
    const int ox = origin.x - frame.left, oy = origin.y - frame.top;
    EXPECT_EQ(pixelAt(png, ox + 24 - 4, oy + 140 - 4), 0x000000u);
    EXPECT_EQ(pixelAt(png, ox + 60, oy + 165), 0x466EA0u) << "the dialog's own drawing";
    (void)client;
    if (std::getenv("MDX_UPDATE_DOCS")) {
        EXPECT_TRUE(win::writeWholeFileAtomic(
            fs::path(MDX_SOURCE_DIR) / "docs" / "controls-sample.png", png));
    }
    dialog.DestroyWindow();
    resetWindowSystem();
}

}  // namespace
