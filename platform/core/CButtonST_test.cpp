#include "core/CButtonST.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>
#include <unistd.h>

#include <filesystem>

#include "MdxBuildPaths.h"
#include "win/CDialog.h"
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

constexpr COLORREF kFuchsia = RGB(255, 0, 255);

class Buttons : public CDialog {
public:
    Buttons() : CDialog(10) {}
    CButtonST icon, picture, toggle;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        icon.SubclassDlgItem(1443, this);
        picture.SubclassDlgItem(1178, this);
        toggle.SubclassDlgItem(1292, this);
        return TRUE;
    }
};

// An 8 x 8 bitmap: fuchsia (to be transparent) with a red square in the middle.
HBITMAP testBitmap() {
    std::uint32_t bits[64];
    for (int i = 0; i < 64; ++i) {
        const int x = i % 8, y = i / 8;
        bits[i] = (x >= 2 && x < 6 && y >= 2 && y < 6) ? 0xFFFF0000u : 0xFFFF00FFu;
    }
    return CreateBitmap(8, 8, 1, 32, bits);
}

unsigned pngPixel(const fs::path& file, int x, int y) {
    std::string bytes;
    win::readWholeFile(file, bytes);
    int w = 0, h = 0, channels = 0;
    unsigned char* data = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                                static_cast<int>(bytes.size()), &w, &h, &channels, 3);
    unsigned value = 0xFFFFFFFF;
    if (data && x < w && y < h) {
        const unsigned char* p = data + (static_cast<std::size_t>(y) * w + x) * 3;
        value = (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
    }
    stbi_image_free(data);
    return value;
}

class CButtonSTTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset();
        folder = fs::temp_directory_path() / ("mdx_buttonst_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
261 ICON "icons\\icon261.ico"
10 DIALOG 0, 0, 120, 40
STYLE WS_POPUP | WS_VISIBLE
FONT 8, "MS Sans Serif"
BEGIN
    PUSHBUTTON "", 1443, 5, 5, 15, 14
    PUSHBUTTON "", 1178, 30, 5, 30, 20
    CONTROL "", 1292, "Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, 70, 5, 15, 14
END
STRINGTABLE
BEGIN
    173 "Move up"
END
)", {}, fs::path(MDX_SOURCE_DIR) / "src" / "resources"));
        ASSERT_TRUE(dialog.Create(10));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        fs::remove_all(folder);
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
    POINT origin(CWnd& control) {
        RECT r, d;
        control.GetWindowRect(&r);
        dialog.GetWindowRect(&d);
        return POINT{r.left - d.left, r.top - d.top};
    }
    Buttons dialog;
    fs::path folder;
};

TEST_F(CButtonSTTest, ATransparentColourShowsTheButtonFaceInThePicture) {
    HBITMAP bitmap = testBitmap();
    ASSERT_TRUE(dialog.picture.SetBitmaps(bitmap, kFuchsia));
    DeleteObject(bitmap);  // the button keeps its own copy
    dialog.picture.DrawBorder(false);
    ASSERT_TRUE(win::paintWindowToPng(dialog.m_hWnd, folder / "b.png"));
    // The 8 x 8 picture is centred in the button.
    RECT client;
    dialog.picture.GetClientRect(&client);
    const POINT at = origin(dialog.picture);
    const int left = at.x + (client.right - 8) / 2, top = at.y + (client.bottom - 8) / 2;
    EXPECT_EQ(pngPixel(folder / "b.png", left + 4, top + 4), 0xFF0000u) << "the red square";
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const unsigned faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    EXPECT_EQ(pngPixel(folder / "b.png", left, top), faceRgb) << "fuchsia is transparent";
    EXPECT_FALSE(dialog.picture.SetBitmapFile("L:\\missing.bmp", kFuchsia));
    EXPECT_NE(dialog.picture.bitmapImage(), nullptr) << "a failed load keeps the picture";
}

TEST_F(CButtonSTTest, TheTooltipOfATextNumberShowsWhenTheUserHovers) {
    ASSERT_TRUE(dialog.icon.SetIcon(261));
    EXPECT_FALSE(dialog.icon.SetIcon(9999));
    EXPECT_NE(dialog.icon.icon(), nullptr);
    dialog.icon.SetTooltipText(173);
    ASSERT_TRUE(win::act::hover(dialog.m_hWnd, 1443));
    ASSERT_NE(win::shownTooltip(), nullptr);
    EXPECT_EQ(win::shownTooltip()->text, "Move up");
    EXPECT_EQ(win::shownTooltip()->textId, 173u);
    // No tooltip while it is switched off.
    dialog.icon.ActivateTooltip(false);
    EXPECT_EQ(win::tooltipOf(dialog.icon.m_hWnd), nullptr);
    EXPECT_EQ(win::shownTooltip(), nullptr);
}

TEST_F(CButtonSTTest, AnImageCheckBoxTogglesOnClickAndLooksPressedWhenChecked) {
    ASSERT_TRUE(dialog.toggle.SetIcon(261));
    dialog.toggle.SetFlat(false);
    ASSERT_TRUE(win::paintWindowToPng(dialog.m_hWnd, folder / "up.png"));
    ASSERT_TRUE(win::act::pointAndClick(dialog.m_hWnd, 1292, POINT{3, 3}));
    EXPECT_EQ(dialog.toggle.GetCheck(), BST_CHECKED);
    ASSERT_TRUE(win::paintWindowToPng(dialog.m_hWnd, folder / "down.png"));
    const POINT at = origin(dialog.toggle);
    EXPECT_NE(pngPixel(folder / "up.png", at.x, at.y), pngPixel(folder / "down.png", at.x, at.y))
        << "the top-left edge turns from light to shadow";
}

}  // namespace
