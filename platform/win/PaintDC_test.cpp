#include "win/PaintDC.h"

#include <gtest/gtest.h>

#include "win/CDC.h"
#include "win/Window.h"
#include "win/WinTestSupport.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory context with a fresh colour bitmap of w x h, filled with color.
struct Canvas {
    Canvas(int w, int h, COLORREF color) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.Attach(CreateCompatibleBitmap(nullptr, w, h));
        ::SelectObject(dc, bitmap.m_hObject);
        dc.FillSolidRect(0, 0, w, h, color);
    }
    CDC dc;
    CBitmap bitmap;
};

class PaintDCTest : public win::testing::WindowSystemTest {};

TEST_F(PaintDCTest, AMaskOfTheTransparentColourLetsTheBackgroundShowThroughAndOrPaintsTheRest) {
    // A 2 x 1 picture: grey (the transparent colour) and red.
    Canvas picture(2, 1, kGrey);
    picture.dc.SetPixel(1, 0, kRed);

    CDC maskDc;
    maskDc.CreateCompatibleDC(nullptr);
    CBitmap mask;
    mask.Attach(CreateBitmap(2, 1, 1, 1, nullptr));
    ::SelectObject(maskDc, mask.m_hObject);
    picture.dc.SetBkColor(kGrey);
    ASSERT_TRUE(maskDc.BitBlt(0, 0, 2, 1, &picture.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(maskDc.GetPixel(0, 0), kWhite) << "the transparent colour is white in the mask";
    EXPECT_EQ(maskDc.GetPixel(1, 0), kBlack);

    // Black out the transparent pixels of the picture: white mask pixels become the picture
    // context's background (black), black ones its text colour (white), ANDed.
    picture.dc.SetBkColor(kBlack);
    picture.dc.SetTextColor(kWhite);
    picture.dc.BitBlt(0, 0, 2, 1, &maskDc, 0, 0, SRCAND);
    EXPECT_EQ(picture.dc.GetPixel(0, 0), kBlack);
    EXPECT_EQ(picture.dc.GetPixel(1, 0), kRed);

    Canvas screen(2, 1, kGreen);
    screen.dc.BitBlt(0, 0, 2, 1, &maskDc, 0, 0, SRCAND);
    screen.dc.BitBlt(0, 0, 2, 1, &picture.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(screen.dc.GetPixel(0, 0), kGreen) << "the background shows where it was grey";
    EXPECT_EQ(screen.dc.GetPixel(1, 0), kRed);
}

TEST_F(PaintDCTest, RasterOperationsCombineTheBitsAndOverlappingCopiesReadFirst) {
    Canvas c(4, 1, RGB(0x0F, 0xF0, 0x33));
    Canvas s(4, 1, RGB(0xFF, 0x0F, 0x11));
    c.dc.BitBlt(0, 0, 1, 1, &s.dc, 0, 0, SRCINVERT);
    EXPECT_EQ(c.dc.GetPixel(0, 0), RGB(0xF0, 0xFF, 0x22));
    c.dc.BitBlt(1, 0, 1, 1, nullptr, 0, 0, DSTINVERT);
    EXPECT_EQ(c.dc.GetPixel(1, 0), RGB(0xF0, 0x0F, 0xCC));

    // Shifting a row one pixel right within the same bitmap copies the old pixels.
    Canvas row(3, 1, kBlack);
    row.dc.SetPixel(0, 0, kRed);
    row.dc.SetPixel(1, 0, kGreen);
    row.dc.BitBlt(1, 0, 2, 1, &row.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(row.dc.GetPixel(1, 0), kRed);
    EXPECT_EQ(row.dc.GetPixel(2, 0), kGreen);
}

TEST_F(PaintDCTest, BadRequestsFailWithoutDrawing) {
    Canvas c(2, 2, kWhite);
    EXPECT_FALSE(c.dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCCOPY)) << "a copy needs a source";
    EXPECT_FALSE(c.dc.BitBlt(0, 0, 2, 2, &c.dc, 0, 0, 0x12345678)) << "unknown operation";
    EXPECT_EQ(c.dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(c.dc.GetPixel(5, 5), CLR_INVALID);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr) << "size is bounded";
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 0, 10), nullptr);
    // Drawing beyond the edges is clipped, not written past the pixels.
    c.dc.FillSolidRect(-5, -5, 100, 100, kRed);
    EXPECT_EQ(c.dc.GetPixel(1, 1), kRed);
}

TEST_F(PaintDCTest, TheHollowBrushFillsNothingAndAFrameLeavesTheInside) {
    Canvas c(5, 5, kWhite);
    const RECT all{0, 0, 5, 5};
    FillRect(c.dc, &all, static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)));
    EXPECT_EQ(c.dc.GetPixel(2, 2), kWhite);
    CBrush black(kBlack);
    c.dc.FrameRect(&all, &black);
    EXPECT_EQ(c.dc.GetPixel(0, 2), kBlack);
    EXPECT_EQ(c.dc.GetPixel(4, 4), kBlack);
    EXPECT_EQ(c.dc.GetPixel(2, 2), kWhite);
}

TEST_F(PaintDCTest, AWindowContextOutsidePaintingDropsItsDrawing) {
    HWND w = CreateWindow("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                          nullptr, nullptr);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(ps.rcPaint.right, 20);
    EXPECT_EQ(SetPixel(dc, 1, 1, kRed), CLR_INVALID) << "no picture is being made";
    EXPECT_EQ(WindowFromDC(dc), w);
    EXPECT_TRUE(EndPaint(w, &ps));
    EXPECT_FALSE(EndPaint(w, &ps)) << "the context is gone";
}

}  // namespace
