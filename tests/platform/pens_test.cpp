// Pen styles and widths: dashes only on one-pixel pens, widths through the
// mapping, colours as COLORREF.
#include "memory_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// The row of pixels a horizontal line of the pen leaves, as '#' and '.'.
std::string HorizontalLine(int style, int width, int length) {
    MemoryCanvas canvas(length + 2, 9);
    HDC dc = canvas.dc();
    HPEN pen = CreatePen(style, width, kBlack);
    HGDIOBJ old = SelectObject(dc, pen);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 1, 4, nullptr);
    LineTo(dc, length + 1, 4);
    SelectObject(dc, old);
    DeleteObject(pen);
    std::string row;
    for (int x = 1; x <= length; ++x) row += MemoryCanvas::Symbol(canvas.At(x, 4));
    return row;
}

TEST(Pens, OnePixelStylesFollowWin32Patterns) {
    struct Case {
        const char* name;
        int style;
        const char* row;
    };
    const Case cases[] = {
        {"solid", PS_SOLID, "##################################"},
        {"dash 18 on 6 off", PS_DASH, "##################......##########"},
        {"dot 3 on 3 off", PS_DOT, "###...###...###...###...###...###."},
        {"dash-dot 9 6 3 6", PS_DASHDOT, "#########......###......#########."},
        {"dash-dot-dot 9 3 3 3 3 3", PS_DASHDOTDOT, "#########...###...###...#########."},
        {"null", PS_NULL, ".................................."},
    };
    for (const Case& c : cases) EXPECT_EQ(HorizontalLine(c.style, 0, 34), c.row) << c.name;
}

TEST(Pens, WideDashedPenDrawsSolid) {
    EXPECT_EQ(HorizontalLine(PS_DASH, 3, 30), std::string(30, '#'));
    EXPECT_EQ(HorizontalLine(PS_DOT, 2, 30), std::string(30, '#'));
    // A width of one stays a one-pixel pen and keeps its dots.
    EXPECT_EQ(HorizontalLine(PS_DOT, 1, 6), "###...");
}

TEST(Pens, OpaqueBackgroundFillsTheGapsOfDashes) {
    MemoryCanvas canvas(10, 3);
    HDC dc = canvas.dc();
    HPEN pen = CreatePen(PS_DOT, 0, kBlack);
    HGDIOBJ old = SelectObject(dc, pen);
    SetBkColor(dc, kRed);  // a new DC is OPAQUE
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 10, 1);
    SelectObject(dc, old);
    DeleteObject(pen);
    EXPECT_EQ(canvas.Picture(), Rows({"..........", "###RRR###R", ".........."}));
}

int ThicknessOfHorizontalLine(MemoryCanvas& canvas, int x) {
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y) count += canvas.At(x, y) == kBlack;
    return count;
}

TEST(Pens, WidthIsLogicalAndScalesWithTheMapping) {
    struct Case {
        const char* name;
        int width;
        int windowExtent;
        int viewportExtent;
        int pixels;
    };
    const Case cases[] = {
        {"width 0 is one pixel at any scale", 0, 1, 4, 1},
        {"width 4 at 1:1", 4, 1, 1, 4},
        {"width 4 at 2:1", 4, 2, 1, 2},
        {"width 3 at 1:3", 3, 1, 3, 9},
        {"width 1 shrunk below a pixel stays one", 1, 10, 1, 1},
        {"width 10 on the 1920-pixel canvas mapping", 10, 2159, 1920, 9},
    };
    for (const Case& c : cases) {
        MemoryCanvas canvas(20, 20);
        HDC dc = canvas.dc();
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, c.windowExtent, c.windowExtent, nullptr);
        SetViewportExtEx(dc, c.viewportExtent, c.viewportExtent, nullptr);
        SetViewportOrgEx(dc, 0, 10, nullptr);
        HPEN pen = CreatePen(PS_SOLID, c.width, kBlack);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, c.windowExtent * 100, 0);
        SelectObject(dc, old);
        DeleteObject(pen);
        EXPECT_EQ(ThicknessOfHorizontalLine(canvas, 10), c.pixels) << c.name;
    }
}

TEST(Pens, WideRectangleFrameIsCentredOnTheEdgePixels) {
    MemoryCanvas canvas(10, 10);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, 3, kBlack), CreateSolidBrush(kRed));
    Rectangle(dc, 2, 2, 9, 8);  // edge pixels x 2 and 8, y 2 and 7
    EXPECT_EQ(canvas.Picture(), Rows({
                                    "..........",
                                    ".#########",
                                    ".#########",
                                    ".#########",
                                    ".###RRR###",
                                    ".###RRR###",
                                    ".#########",
                                    ".#########",
                                    ".#########",
                                    "..........",
                                }));
}

// A line and a framed rectangle drawn with a pen of the given width.
std::vector<COLORREF> LineAndFrame(int width) {
    MemoryCanvas canvas(24, 16);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, width, kBlack), CreateSolidBrush(kRed));
    MoveToEx(dc, 1, 3, nullptr);
    LineTo(dc, 22, 3);
    Rectangle(dc, 4, 7, 20, 14);
    return canvas.Pixels();
}

TEST(Pens, NegativeWidthsDrawAsTheirMagnitude) {
    struct Case {
        int width;
        int drawnAs;
    };
    const Case cases[] = {
        {-1, 1},
        {-3, 3},
        {-7, 7},
        {INT_MIN + 1, INT_MAX},
        {INT_MIN, INT_MAX},  // no int magnitude: saturates rather than overflowing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineAndFrame(c.width), LineAndFrame(c.drawnAs)) << "width " << c.width;
    }
    const std::vector<COLORREF> widest = LineAndFrame(INT_MIN);
    EXPECT_EQ(std::count(widest.begin(), widest.end(), kBlack), 24 * 16) << "the widest pen covers the canvas";
}

TEST(Pens, CreatePenRefusesUnknownStyles) {
    EXPECT_EQ(CreatePen(PS_NULL + 1, 0, kBlack), nullptr);
    EXPECT_EQ(CreatePen(-1, 0, kBlack), nullptr);
}

}  // namespace
