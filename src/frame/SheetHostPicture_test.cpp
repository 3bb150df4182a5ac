// Draws the sheet-file host as a person sees it while working: a filled, calculated sheet
// with the cell types the product uses. With MDX_UPDATE_DOCS set the picture is also
// written to docs/.
#include "MdxBuildPaths.h"
#include <stb/stb_image.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "frame/FrameTestSupport.h"
#include "core/KvTempResourceOverride.h"
#include "frame/SheetHost.h"
#include "grid/SpreadModel.h"
#include "resources/resource.h"
#include "win/FilePaths.h"
#include "win/WindowPainter.h"

namespace fs = std::filesystem;

namespace {

class SheetHostPicture : public frame_testing::FrameTest {
protected:
    // Bolts with their diameter, stress area by formula, grade, a pretension check and an
    // edit button; a total row spans its label over two columns.
    static void fill(Mdx_Spread& s) {
        s.setMaxRows(7, false);
        s.setMaxCols(6, false);
        s.SetColWidthInPixels(SS_HEADER, 30);
        const int widths[] = {70, 70, 80, 80, 50, 40};
        for (int c = 1; c <= 6; ++c) s.SetColWidthInPixels(c, widths[c - 1]);
        Mdx_StringArray headers;
        for (const char* h : {"Bolt", "Diameter", "Area", "Grade", "Preload", "Edit"}) headers.append(h);
        s.setColumnHeaders(headers);
        s.setStaticColumn(1, 0);
        s.setNumberCells(2, 1, 3, 7, 1, false);
        Mdx_StringArray grades;
        for (const char* g : {"4.6", "8.8", "10.9"}) grades.append(g);
        s.setComboColumn(4, grades, false);
        s.setCheckBoxColumn(5, false, false);
        s.setButtonColumn(6, "...", false);
        const char* names[] = {"M12", "M16", "M20", "M24", "M27"};
        const char* diameters[] = {"12", "16", "20", "24", "27"};
        const char* grade[] = {"8.8", "8.8", "10.9", "10.9", "4.6"};
        for (int r = 1; r <= 5; ++r) {
            s.setCellData(1, r, names[r - 1]);
            s.setCellData(2, r, diameters[r - 1]);
            const std::string b = "B" + std::to_string(r);
            s.SetFormula(3, r, ("=" + b + "*" + b + "*0.7854").c_str(), FALSE);
            s.setCellData(4, r, grade[r - 1]);
            s.setCheck(5, r, r % 2 == 1);
        }
        s.setCellData(1, 7, "Total area");
        s.AddCellSpan(1, 7, 2, 1);
        s.SetFormula(3, 7, "=SUM(C1:C5)", FALSE);
        s.setCellLocked(3, 7, true);
        SSSetColor(s.m_hWnd, 1, 7, RGB(255, 255, 204), RGB(0, 0, 128));
        // The control's code for "the default colour", as a bill resets its cells with: the
        // cell stays white.
        SSSetColor(s.m_hWnd, 1, 1, 0x8000000B, 0x8000000B);
        s.SetBorder(3, 7, 16, 1, RGB(0, 0, 0));
        s.recalcAll();
        s.SetActiveCell(2, 3);
        s.SetSelectBlock(4, 4, 5, 5);
    }
};

TEST_F(SheetHostPicture, TheHostShowsAFilledCalculatedSheet) {
    KvTempResourceOverride resources;
    SheetHost host;
    host.mode = SheetHost::kModeEvaluateCell;
    const fs::path out = fs::path(MDX_BINARY_DIR) / "dialog-sheet-host.png";
    std::string shownTotal;
    // Cells whose colours are checked: an unlocked cell, a column header, the active cell and
    // a cell of the selected block.
    const int probes[4][2] = {{1, 1}, {2, 0}, {2, 3}, {4, 5}};
    RECT cells[4], dialog, grid;
    win::user::act([&] {
        host.SetDlgItemText(IDC_SHEET_FILE, "C:\\Lib\\Connection Standards\\Data\\bolts.sss");
        fill(host.sheet);
        Mdx_String total;
        host.sheet.getCellText(3, 7, total, kTextData);
        shownTotal = total.str();
        ASSERT_TRUE(win::paintWindowToPng(host.m_hWnd, out));
        ::GetWindowRect(host.m_hWnd, &dialog);
        ::GetWindowRect(host.sheet.m_hWnd, &grid);
        for (int i = 0; i < 4; ++i) SSGetCellRect(host.sheet.m_hWnd, probes[i][0], probes[i][1], &cells[i]);
        host.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(host.DoModal(), IDCANCEL);
    EXPECT_EQ(shownTotal, "1653.3") << "the sheet was calculated";

    std::string bytes;
    ASSERT_TRUE(win::readWholeFile(out, bytes));
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                                                  static_cast<int>(bytes.size()), &w, &h,
                                                  &channels, 3);
    ASSERT_NE(pixels, nullptr);
    // Where the grid window lies in the picture: the picture is the dialog's window.
    auto pixel = [&](int x, int y) {
        const unsigned char* p =
            pixels + 3 * ((grid.top - dialog.top + y) * w + (grid.left - dialog.left + x));
        return RGB(p[0], p[1], p[2]);
    };
    // An empty part of an unlocked cell is white; the column header is drawn in the header
    // face; the active cell has a dark frame; the selected block the selection colour.
    EXPECT_EQ(pixel(cells[0].right - 3, cells[0].top + 3), RGB(255, 255, 255));
    EXPECT_EQ(pixel(cells[1].left + 3, cells[1].top + 3), RGB(212, 208, 200));
    EXPECT_EQ(pixel(cells[2].left, cells[2].top + 5), RGB(0, 0, 0));
    EXPECT_EQ(pixel(cells[3].left + 3, cells[3].top + 3), RGB(10, 36, 106));
    stbi_image_free(pixels);

    if (std::getenv("MDX_UPDATE_DOCS")) {
        EXPECT_TRUE(win::writeWholeFileAtomic(
            fs::path(MDX_SOURCE_DIR) / "docs" / "dialog-sheet-host.png", bytes));
    }
}

}  // namespace
