#include "win/WindowPainter.h"

#include <stb/stb_image.h>
#include <unistd.h>

#include <filesystem>

#include "win/CDialog.h"
#include "win/FilePaths.h"
#include "win/Gdi.h"
#include "win/WinTestSupport.h"

namespace fs = std::filesystem;

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    unsigned pixel(int x, int y) const {
        const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                static_cast<std::size_t>(x)) *
                               3;
        return (unsigned(rgb[at]) << 16) | (unsigned(rgb[at + 1]) << 8) | rgb[at + 2];
    }
};

Picture readPng(const fs::path& file) {
    std::string bytes;
    Picture p;
    if (!win::readWholeFile(file, bytes)) return p;
    int channels = 0;
    unsigned char* data =
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<int>(bytes.size()), &p.width, &p.height, &channels, 3);
    if (data)
        p.rgb.assign(data, data + static_cast<std::size_t>(p.width) *
                                      static_cast<std::size_t>(p.height) * 3);
    stbi_image_free(data);
    return p;
}

class WindowPainterTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        folder = fs::temp_directory_path() / ("mdx_paint_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
10 DIALOG 0, 0, 120, 60
STYLE WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Paint"
FONT 8, "MS Sans Serif"
BEGIN
    AUTOCHECKBOX "Check", 1, 5, 5, 60, 10
    CONTROL "", 2, "fpSpread70", 0, 5, 20, 60, 30
    DEFPUSHBUTTON "OK", IDOK, 70, 40, 40, 14
END
)"));
    }
    void TearDown() override {
        fs::remove_all(folder);
        WindowSystemTest::TearDown();
    }
    fs::path folder;
};

TEST_F(WindowPainterTest, ThePictureHasTheWindowsSizeAndShowsItsState) {
    WNDCLASS cls;
    cls.lpfnWndProc = DefWindowProc;
    cls.lpszClassName = "fpSpread70";
    RegisterClass(&cls);
    CDialog dlg(10);
    ASSERT_TRUE(dlg.Create(10));
    ASSERT_TRUE(win::paintWindowToPng(dlg.m_hWnd, folder / "clear.png"));
    CheckDlgButton(dlg.m_hWnd, 1, BST_CHECKED);
    ASSERT_TRUE(win::paintWindowToPng(dlg.m_hWnd, folder / "checked.png"));
    const Picture clear = readPng(folder / "clear.png"), checked = readPng(folder / "checked.png");
    RECT r;
    dlg.GetWindowRect(&r);
    ASSERT_EQ(clear.width, r.right - r.left);
    ASSERT_EQ(clear.height, r.bottom - r.top);
    EXPECT_EQ(clear.pixel(clear.width / 2, 8), 0x0A246Au) << "the caption bar";
    RECT box;
    GetWindowRect(GetDlgItem(dlg.m_hWnd, 1), &box);
    const int bx = box.left - r.left + 6, by = box.top - r.top + (box.bottom - box.top) / 2;
    bool differs = false;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            differs = differs || clear.pixel(bx + dx, by + dy) != checked.pixel(bx + dx, by + dy);
    EXPECT_TRUE(differs) << "the tick shows";
}

TEST_F(WindowPainterTest, NoWindowOrNoFolderMeansNoPicture) {
    EXPECT_FALSE(win::paintWindowToPng(nullptr, folder / "x.png"));
    CDialog dlg(10);
    WNDCLASS cls;
    cls.lpfnWndProc = DefWindowProc;
    cls.lpszClassName = "fpSpread70";
    RegisterClass(&cls);
    ASSERT_TRUE(dlg.Create(10));
    EXPECT_FALSE(win::paintWindowToPng(dlg.m_hWnd, folder / "missing" / "x.png"));
}

// A page as designed dialogs draw it: texts stand on a picture behind them when the dialog
// answers their colour request with a hollow brush.
class ColouredDialog : public CDialog {
public:
    explicit ColouredDialog(int mode) : CDialog(11), mode_(mode) {}
    HBRUSH OnCtlColor(HDC dc, CWnd* control, UINT kind) override {
        if (kind == CTLCOLOR_STATIC && control && control->GetDlgCtrlID() == 1) {
            if (mode_ == 1) {
                SetBkMode(dc, TRANSPARENT);
                return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
            }
            if (mode_ == 2) return red_;
        }
        return CDialog::OnCtlColor(dc, control, kind);
    }
    ~ColouredDialog() override { DeleteObject(red_); }

private:
    int mode_;
    HBRUSH red_ = CreateSolidBrush(RGB(255, 0, 0));
};

TEST_F(WindowPainterTest, ColourRequestsDecideTheBackgroundOfTexts) {
    AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
11 DIALOG 0, 0, 100, 40
STYLE WS_POPUP
BEGIN
    LTEXT "", 1, 10, 10, 40, 10
    CONTROL "", 2, "Static", SS_BLACKRECT, 0, 0, 100, 40
END
)"));
    unsigned seen[3] = {};
    for (int mode = 0; mode < 3; ++mode) {
        ColouredDialog dlg(mode);
        ASSERT_TRUE(dlg.Create(11));
        const fs::path file = folder / ("mode" + std::to_string(mode) + ".png");
        ASSERT_TRUE(win::paintWindowToPng(dlg.m_hWnd, file));
        const Picture picture = readPng(file);
        seen[mode] = picture.pixel(20, 20);  // inside the text, which is empty
        EXPECT_EQ(picture.pixel(5, 5), 0x000000u) << "the black picture outside the text";
    }
    EXPECT_EQ(seen[0], 0xD4D0C8u) << "by default a text hides what is behind it";
    EXPECT_EQ(seen[1], 0x000000u) << "transparent: the picture shows through";
    EXPECT_EQ(seen[2], 0xFF0000u) << "the brush the dialog chose";
}

TEST(Windows1252, BytesBecomeUtf8) {
    EXPECT_EQ(win::windows1252ToUtf8("a\x80\x95\xE9"), "a\xE2\x82\xAC\xE2\x80\xA2\xC3\xA9");
    EXPECT_EQ(win::windows1252ToUtf8("\x81"), "\xEF\xBF\xBD") << "an unused byte";
}

}  // namespace
