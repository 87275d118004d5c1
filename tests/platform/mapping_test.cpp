// Mapping modes: Win32's formula and rounding, and DPtoLP as LPtoDP's inverse.
#include "memory_canvas.h"

#include <gtest/gtest.h>

namespace {

// The canvas mapping of a window 1920 pixels wide showing page y from originY.
void SetCanvasMapping(HDC dc, int width, int originY) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2159, -2159, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetViewportExtEx(dc, width, width, nullptr);
    SetWindowOrgEx(dc, 0, originY, nullptr);
}

POINT ToDevice(HDC dc, int x, int y) {
    POINT p = {x, y};
    LPtoDP(dc, &p, 1);
    return p;
}

TEST(Mapping, CanvasMappingFollowsTheFormulaWithRounding) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    SetCanvasMapping(dc, 1920, 0);
    struct Case {
        POINT logical;
        POINT device;  // round((L - org) * 1920 / +-2159)
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}},
        {{2159, -2159}, {1920, 1920}},
        {{1, -1}, {1, 1}},        // 0.889 rounds up
        {{40, -40}, {36, 36}},    // 35.57
        {{1759, -2794}, {1564, 2485}},  // 1564.27, 2484.71
        {{-3, 3}, {-3, -3}},      // -2.67
    };
    for (const Case& c : cases) {
        POINT d = ToDevice(dc, c.logical.x, c.logical.y);
        EXPECT_EQ(d.x, c.device.x) << c.logical.x;
        EXPECT_EQ(d.y, c.device.y) << c.logical.y;
    }
    SetWindowOrgEx(dc, 0, -2194, nullptr);  // scrolled to the page bottom
    POINT bottom = ToDevice(dc, 0, -2794);
    EXPECT_EQ(bottom.y, 534);  // 600 units below the top: 533.58
}

TEST(Mapping, DPtoLPInvertsLPtoDPUnderTheCanvasMapping) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    SetCanvasMapping(dc, 1000, -700);
    // Device pixels are coarser than logical units here: every device point
    // comes back exactly, and logical points come back within one pixel.
    for (int x = 0; x < 1000; x += 7) {
        POINT p = {x, x / 2};
        DPtoLP(dc, &p, 1);
        LPtoDP(dc, &p, 1);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, x / 2);
    }
    POINT page = {2159, -2794};
    LPtoDP(dc, &page, 1);
    DPtoLP(dc, &page, 1);
    EXPECT_NEAR(page.x, 2159, 2);
    EXPECT_NEAR(page.y, -2794, 2);
}

TEST(Mapping, LometricIsTenthsOfAMillimetreUpwards) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    EXPECT_EQ(SetMapMode(dc, MM_LOMETRIC), MM_TEXT);
    // At 96 dpi one inch (254 units) is 96 pixels, y grows upwards.
    POINT inch = ToDevice(dc, 254, -254);
    EXPECT_EQ(inch.x, 96);
    EXPECT_EQ(inch.y, 96);
    POINT mm = ToDevice(dc, 10, 10);
    EXPECT_EQ(mm.x, 4);  // 3.78
    EXPECT_EQ(mm.y, -4);
    // Fixed modes ignore new extents.
    SetWindowExtEx(dc, 1, 1, nullptr);
    EXPECT_EQ(ToDevice(dc, 254, 0).x, 96);
}

TEST(Mapping, TextModeUsesOriginsOnly) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    SetWindowOrgEx(dc, 10, 20, nullptr);
    SetViewportOrgEx(dc, 3, 4, nullptr);
    POINT p = ToDevice(dc, 15, 25);
    EXPECT_EQ(p.x, 8);
    EXPECT_EQ(p.y, 9);
    SIZE old;
    SetWindowExtEx(dc, 5, 5, &old);  // ignored in MM_TEXT
    EXPECT_EQ(ToDevice(dc, 15, 25).x, 8);
}

TEST(Mapping, AnisotropicKeepsTheExtentsItHadAndRefusesZero) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    SetMapMode(dc, MM_ANISOTROPIC);
    EXPECT_EQ(ToDevice(dc, 7, 7).x, 7);  // still 1:1
    EXPECT_FALSE(SetWindowExtEx(dc, 0, 5, nullptr));
    EXPECT_TRUE(SetViewportExtEx(dc, 3, -3, nullptr));
    SIZE old;
    SetViewportExtEx(dc, 3, -3, &old);
    EXPECT_EQ(old.cx, 3);
    EXPECT_EQ(old.cy, -3);
    EXPECT_EQ(ToDevice(dc, 2, 2).y, -6);
}

TEST(Mapping, ShapesAreNormalisedInDeviceSpaceUnderAFlippedMapping) {
    MemoryCanvas canvas(10, 10);
    HDC dc = canvas.dc();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, -1, nullptr);
    SetViewportExtEx(dc, 1, 1, nullptr);
    SetViewportOrgEx(dc, 0, 9, nullptr);  // logical y 0 is the bottom row
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, 1, 1, 4, 4);  // device y 8 down to 5: rows 5..7
    SelectObject(dc, oldBrush);
    EXPECT_EQ(canvas.At(1, 5), kBlack);
    EXPECT_EQ(canvas.At(3, 7), kBlack);
    EXPECT_EQ(canvas.At(1, 8), kWhite);
    EXPECT_EQ(canvas.At(4, 6), kWhite);
}

}  // namespace

namespace {

TEST(Mapping, ExtremeCoordinatesAreHandledWithoutOverflow) {
    MemoryCanvas canvas(6, 4);
    HDC dc = canvas.dc();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, 1, nullptr);
    SetViewportExtEx(dc, 2147483647, 2147483647, nullptr);
    SetWindowOrgEx(dc, -2147483647, 0, nullptr);
    POINT far = {2147483647, -2147483647};
    EXPECT_TRUE(LPtoDP(dc, &far, 1));
    EXPECT_GT(far.x, 0);
    EXPECT_LT(far.y, 0);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(dc, -2147483647, -2147483647, 2147483647, 2147483647));
    SelectObject(dc, oldBrush);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    MoveToEx(dc, -2147483647, 1, nullptr);
    LineTo(dc, 2147483647, 1);
    EXPECT_EQ(canvas.At(3, 1), kBlack);
}

}  // namespace
