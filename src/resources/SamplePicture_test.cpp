// Draws the sheet-file host dialog from the module's own template at its pixel size. The
// picture in docs/ comes from the frame's test of the host with a filled sheet.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <filesystem>

#include "resources/ModuleResources.h"
#include "win/CComboBox.h"
#include "win/CDialog.h"
#include "win/FilePaths.h"
#include "win/ResourceModule.h"
#include "win/WindowPainter.h"

namespace fs = std::filesystem;

TEST(SamplePicture, SheetHostDialogIsDrawnAtItsPixelSize) {
    AfxSetResourceHandle(resources::moduleResourceHandle());
    CDialog dlg(133);
    ASSERT_TRUE(dlg.Create(133));
    dlg.SetDlgItemText(1000, "C:\\Lib\\Connection Standards\\Data\\bolts.sss");
    dlg.CheckRadioButton(1005, 1007, 1005);
    dlg.GetDlgItem(1107)->EnableWindow(TRUE);
    dlg.SetDlgItemText(1008, "Cells (1, 1) to (6, 6) are number cells.");
    const fs::path out = fs::path(MDX_BINARY_DIR) / "dialog-sheet-host.png";
    ASSERT_TRUE(win::paintWindowToPng(dlg.m_hWnd, out));
    std::string bytes;
    ASSERT_TRUE(win::readWholeFile(out, bytes));
    int w = 0, h = 0, channels = 0;
    ASSERT_TRUE(stbi_info_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                      static_cast<int>(bytes.size()), &w, &h, &channels));
    RECT r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(w, r.right - r.left);
    EXPECT_EQ(h, r.bottom - r.top);
    EXPECT_EQ(w, 600 + 8);  // 400 dialog units, plus the sizing frame on both sides
    dlg.DestroyWindow();
    AfxSetResourceHandle(nullptr);
}
