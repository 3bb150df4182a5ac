#include "macroedit/ToolPage.h"

#include "core/Mdx_Settings.h"
#include "core/Texts.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "resources/macroedit_ids.h"
#include "win/WinMessages.h"

namespace {

// Per button, in control order from 1024: its image and text; the code is its position.
struct Tool {
    const char* image;
    int text;
};
constexpr Tool kTools[ToolPage::kButtonCount] = {
    {"Parallel.bmp", 903},   {"Perpendicular.bmp", 904}, {"Coincident.bmp", 905},
    {"Symmetric.bmp", 906},  {"Tangent.bmp", 907},       {"Concentric.bmp", 908},
    {"EqualRadius.bmp", 909}, {"Distance.bmp", 910},     {"Angle.bmp", 911},
    {"Radius.bmp", 912},     {nullptr, 0},               {"AddModule.bmp", 913},
    {"BoltPattern.bmp", 914}, {"CoordSys.bmp", 915}};

}  // namespace

ToolPage::ToolPage(KvEditConstraintsDlg& editor) : EditorPage(IDD_EDIT_TOOLS_PAGE, editor) {}

BOOL ToolPage::OnInitDialog() {
    EditorPage::OnInitDialog();
    const Mdx_String folder = gSettings.mdxDir() + "icons\\";
    for (int i = 0; i < kButtonCount; ++i) {
        buttons_[i].SubclassDlgItem(kFirstButton + i, this);
        if (!kTools[i].image) continue;
        buttons_[i].SetBitmapFile(folder + kTools[i].image, RGB(0xC0, 0xC0, 0xC0));
        buttons_[i].SetAlign(CButtonST::ST_ALIGN_VERT, false);
        buttons_[i].SetWindowText(dialString(kTools[i].text).c_str());
    }
    return TRUE;
}

BOOL ToolPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id >= kFirstButton && id < kFirstButton + kButtonCount) {
        editor_.runTool(id - kFirstButton);
        return TRUE;
    }
    return EditorPage::OnCommand(wParam, lParam);
}
