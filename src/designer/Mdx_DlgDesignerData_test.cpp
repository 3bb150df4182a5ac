// Factor geometry and the realisation of a design on a host dialog.
#include <cmath>

#include "designer/CControlRect.h"
#include "designer/DesignerTestSupport.h"
#include "win/CButton.h"
#include "win/CComboBox.h"

namespace {

using designer_testing::DesignerTest;

class Geometry : public DesignerTest {
protected:
    // A design of one control from (0.5, 0.5) to (0.75, 0.6) over a picture of this size.
    void realiseOn(Mdx_DlgDesignerData& data, int width, int height, bool designMode = true) {
        writePicture("Pic.bmp", width, height);
        initialize(data, designMode);
        ASSERT_TRUE(data.attachBitmap(designPath("Pic.bmp")));
        data.append(control(ctVarEdit, 0.5, 0.5, 0.75, 0.6, "W"));
        data.redrawAllControls();
    }
    RECT windowRect(int id) const {
        RECT r{};
        CWnd* window = host->GetDlgItem(id);
        EXPECT_NE(window, nullptr);
        if (!window) return r;
        window->GetWindowRect(&r);
        host->ScreenToClient(&r);
        return r;
    }
};

TEST_F(Geometry, FactorsScaleWithThePicture) {
    const struct {
        int width, height;
        RECT expected;
    } sizes[] = {{300, 200, {150, 100, 225, 120}},
                 {600, 400, {300, 200, 450, 240}},
                 {150, 90, {75, 45, 113, 54}}};  // 112.5 rounds away from zero
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        Mdx_DlgDesignerData data;
        realiseOn(data, size.width, size.height);
        int w = 0, h = 0;
        data.getImageSize(w, h);
        EXPECT_EQ(w, size.width);
        EXPECT_EQ(h, size.height);
        const RECT r = windowRect(33000);
        EXPECT_EQ(r.left, size.expected.left);
        EXPECT_EQ(r.top, size.expected.top);
        EXPECT_EQ(r.right, size.expected.right);
        EXPECT_EQ(r.bottom, size.expected.bottom);
        EXPECT_DOUBLE_EQ(data.getWidth(*data.getControl(0)), 0.25 * size.width);
    }
}

TEST_F(Geometry, WidthKeepsTheLeftAndHeightKeepsTheBottom) {
    Mdx_DlgDesignerData data;
    realiseOn(data, 300, 200);
    Mdx_DesignerControl c = *data.getControl(0);
    ASSERT_TRUE(data.setWidth(c, 30));
    ASSERT_TRUE(data.setHeight(c, 40));
    EXPECT_DOUBLE_EQ(data.getTopLeftX(c), 150);
    EXPECT_DOUBLE_EQ(data.getBottomRightX(c), 180);
    EXPECT_DOUBLE_EQ(data.getBottomRightY(c), 120);
    EXPECT_DOUBLE_EQ(data.getTopLeftY(c), 80);
}

TEST_F(Geometry, MovedWindowsAreReadBackAsFactors) {
    Mdx_DlgDesignerData data;
    realiseOn(data, 300, 200);
    host->GetDlgItem(33000)->MoveWindow(30, 50, 60, 20);
    data.getSizeFromAllControls();
    const Mdx_DesignerControl& c = *data.getControl(0);
    EXPECT_DOUBLE_EQ(c.topLeftX, 0.1);
    EXPECT_DOUBLE_EQ(c.topLeftY, 0.25);
    EXPECT_DOUBLE_EQ(c.bottomRightX, 0.3);
    EXPECT_DOUBLE_EQ(c.bottomRightY, 0.35);
}

// Without a picture the host's client area is the measure, so nothing divides by zero.
TEST_F(Geometry, WithoutAPictureNoFactorBecomesInfiniteOrNaN) {
    Mdx_DlgDesignerData unbound;
    Mdx_DesignerControl c = control(ctVarEdit, 0.2, 0.2, 0.3, 0.3);
    EXPECT_FALSE(unbound.setTopLeftX(c, 10)) << "no picture, no host: nothing converts";
    EXPECT_EQ(c.topLeftX, 0.2);
    EXPECT_EQ(unbound.pixelsToFactor(true, 10), 0.0);

    Mdx_DlgDesignerData data;
    initialize(data, true);
    RECT client{};
    host->GetClientRect(&client);
    ASSERT_GT(client.right, 0);
    ASSERT_TRUE(data.setBottomRightX(c, client.right / 2.0));
    EXPECT_DOUBLE_EQ(c.bottomRightX, 0.5);
    data.append(c);
    data.redrawAllControls();
    EXPECT_TRUE(data.isADynControl(33000));
    data.getSizeFromAllControls();
    EXPECT_TRUE(std::isfinite(data.getControl(0)->topLeftY));
}

TEST_F(Geometry, AbsurdFactorsFromAFileStayOnAReachablePlace) {
    Mdx_DlgDesignerData data;
    initialize(data, false);
    data.append(control(ctVarEdit, -1e300, NAN, 1e300, INFINITY));
    data.redrawAllControls();
    const RECT r = windowRect(33000);
    EXPECT_GE(r.left, -100000);
    EXPECT_LE(r.right, 100000);
    EXPECT_EQ(r.top, 0);
}

class Realisation : public DesignerTest {};

TEST_F(Realisation, DesignModeDisablesAllButTextsAndRunModeOnlyReadOnlyOnes) {
    for (bool designMode : {true, false}) {
        SCOPED_TRACE(designMode ? "design" : "run");
        Mdx_DlgDesignerData data;
        writePicture("Pic.bmp", 300, 200);
        initialize(data, designMode);
        data.attachBitmap(designPath("Pic.bmp"));
        data.append(control(ctStaticText, 0.1, 0.1, 0.2, 0.2, "Label"));
        data.append(control(ctVarEdit, 0.3, 0.1, 0.4, 0.2, "L1"));
        Mdx_DesignerControl readOnly = control(ctVarCombo, 0.5, 0.1, 0.6, 0.15, "Grade");
        readOnly.readOnly = true;
        data.append(readOnly);
        data.redrawAllControls();
        EXPECT_TRUE(host->GetDlgItem(33000)->IsWindowEnabled());
        EXPECT_EQ(host->GetDlgItem(33001)->IsWindowEnabled() != FALSE, !designMode);
        EXPECT_FALSE(host->GetDlgItem(33002)->IsWindowEnabled());
        std::string text;
        host->GetDlgItem(33001)->GetWindowText(text);
        EXPECT_EQ(text, "L1");
        RECT combo{};
        host->GetDlgItem(33002)->GetWindowRect(&combo);
        // Made 200 high in run mode, room for the list, but shown closed: one line and frame.
        EXPECT_EQ(combo.bottom - combo.top, designMode ? 10 : 21);
    }
}

TEST_F(Realisation, RedrawingReplacesTheWindowsInsteadOfStackingThem) {
    Mdx_DlgDesignerData data;
    initialize(data, false);
    data.append(control(ctVarEdit, 0.1, 0.1, 0.2, 0.2, "L1"));
    data.redrawAllControls();
    data.redrawAllControls();
    int windows = 0;
    for (CWnd* child = host->GetTopWindow(); child; child = child->GetNextWindow())
        if (child->GetDlgCtrlID() == 33000) ++windows;
    EXPECT_EQ(windows, 1);
    data.removeAllDrawnCtrls();
    EXPECT_EQ(host->GetDlgItem(33000), nullptr);
}

TEST_F(Realisation, CombosAreFilledAndSelectTheirContents) {
    writeRootFile("Grades.txt", "S235\r\nS355\r\n");
    Mdx_DlgDesignerData data;
    initialize(data, false);
    Mdx_DesignerControl fromFile = control(ctVarCombo, 0.1, 0.1, 0.3, 0.15, "s355");
    fromFile.comboList = designPath("Grades.txt");
    Mdx_DesignerControl supplied = control(ctVarCombo, 0.1, 0.3, 0.3, 0.35, "Other");
    supplied.comboItems = {"A", "B"};
    Mdx_DesignerControl cut = control(ctCutCombo, 0.1, 0.5, 0.3, 0.55, "2");
    for (const auto& c : {fromFile, supplied, cut}) data.append(c);
    data.redrawAllControls();
    auto* first = static_cast<CComboBox*>(host->GetDlgItem(33000));
    EXPECT_EQ(first->GetCount(), 2);
    EXPECT_EQ(first->GetCurSel(), 1);
    auto* second = static_cast<CComboBox*>(host->GetDlgItem(33001));
    EXPECT_EQ(second->GetCurSel(), -1);
    std::string text;
    second->GetWindowText(text);
    EXPECT_EQ(text, "Other");
    Mdx_String value;
    ASSERT_TRUE(data.getCtrlValue(33002, value));
    EXPECT_EQ(value, Mdx_String("2")) << "a cut combo's value is its selected index";
    EXPECT_EQ(static_cast<CComboBox*>(host->GetDlgItem(33002))->GetCount(), 5);
}

TEST_F(Realisation, WhiteIsTheTransparentColourOfThePicture) {
    writePicture("Pic.bmp", 4, 2, [](int x, int) { return x < 2 ? 0xFFFFFFu : 0xFFFFFEu; });
    Mdx_DlgDesignerData data;
    ASSERT_TRUE(data.attachBitmap(designPath("Pic.bmp")));
    EXPECT_TRUE(data.isTransparentAt(0, 1));
    EXPECT_FALSE(data.isTransparentAt(2, 0)) << "only pure white";
    EXPECT_FALSE(data.isTransparentAt(9, 9));
    EXPECT_FALSE(data.attachBitmap(designPath("Missing.bmp")));
    EXPECT_TRUE(data.isTransparentAt(0, 0)) << "a missing file changes nothing";
}

}  // namespace
