#include "win/FontMetrics.h"

#include <gtest/gtest.h>

#include "win/DialogUnits.h"

namespace {

LOGFONT font(LONG height, LONG weight = FW_NORMAL, const char* face = "Tahoma") {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    setFaceName(lf, face);
    return lf;
}

TEST(FontMetrics, WidthsGrowWithHeightBoldnessAndText) {
    const LOGFONT small = font(-11), large = font(-22), bold = font(-11, FW_BOLD);
    const int w = win::textWidth(small, "Thickness");
    EXPECT_GT(w, 30);
    EXPECT_NEAR(win::textWidth(large, "Thickness"), 2 * w, 1);
    EXPECT_GT(win::textWidth(bold, "Thickness"), w);
    EXPECT_GT(win::textWidth(small, "WWW"), win::textWidth(small, "iii"));
    EXPECT_EQ(win::textWidth(small, ""), 0);
    EXPECT_EQ(win::textWidth(small, "\t\x01"), 0);
}

TEST(FontMetrics, CellHeightAndCharacterHeight) {
    EXPECT_EQ(win::lineHeight(font(-11)), 13);
    EXPECT_EQ(win::lineHeight(font(15)), 15) << "a positive height is the cell height";
    EXPECT_DOUBLE_EQ(win::emHeight(font(15)), 12.5);
    const SIZE two = win::textExtent(font(15), "Length\r\nWidth of plate");
    EXPECT_EQ(two.cy, 30);
    EXPECT_EQ(two.cx, win::textWidth(font(15), "Width of plate"));
}

TEST(FontMetrics, FixedPitchFacesGiveEveryCharacterTheSameWidth) {
    const LOGFONT mono = font(-10, FW_NORMAL, "Courier New");
    EXPECT_EQ(win::textWidth(mono, "iiii"), win::textWidth(mono, "WWWW"));
}

TEST(DialogUnits, SansSerifEightHasBaseUnitsSixByThirteen) {
    const win::BaseUnits base = win::dialogBaseUnits("MS Sans Serif", 8);
    EXPECT_EQ(base.x, 6);
    EXPECT_EQ(base.y, 13);
    EXPECT_EQ(win::dialogBaseUnits("ms shell dlg", 8).x, 6);
    // Rounding half away from zero: 3 * 6 / 4 = 4.5 -> 5; 4 * 13 / 8 = 6.5 -> 7.
    EXPECT_EQ(win::dialogUnitsToPixelsX(3, base), 5);
    EXPECT_EQ(win::dialogUnitsToPixelsY(4, base), 7);
    EXPECT_EQ(win::dialogUnitsToPixelsY(5, base), 8);
    EXPECT_EQ(win::dialogUnitsToPixelsX(-3, base), -5);
    const win::BaseUnits larger = win::dialogBaseUnits("Tahoma", 12);
    EXPECT_GT(larger.y, 13);
    EXPECT_GT(larger.x, 6);
}

TEST(DialogUnits, MulDivRoundsAndRejectsDivisionByZero) {
    EXPECT_EQ(MulDiv(7, 6, 4), 11);
    EXPECT_EQ(MulDiv(-7, 6, 4), -11);
    EXPECT_EQ(MulDiv(7, -6, 4), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 4, 1), -1) << "overflow";
}

}  // namespace
