// Text: fonts in logical units through the mapping, TextOutA at a baseline,
// DrawTextA measuring in logical units and drawing inside its rectangle.
// Glyph shapes vary with the font engine, so pixel checks here look only at
// where ink lands.
#include "memory_canvas.h"

#include <gtest/gtest.h>

namespace {

struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive
    bool Empty() const { return right < 0; }
};

InkBox FindInk(const MemoryCanvas& canvas) {
    InkBox box;
    std::vector<COLORREF> pixels = canvas.Pixels();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (pixels[static_cast<std::size_t>(y) * canvas.width() + x] != kWhite) {
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
            }
    return box;
}

HFONT Arial(int height) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
}

// The canvas mapping at 0.889 pixels per unit, y up, page top at the top.
void SetCanvasMapping(HDC dc) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2159, -2159, nullptr);
    SetViewportExtEx(dc, 1920, 1920, nullptr);
}

TEST(Text, TextOutAtABaselinePutsCapitalsAboveIt) {
    MemoryCanvas canvas(200, 80);
    HDC dc = canvas.dc();
    SetCanvasMapping(dc);
    HFONT font = Arial(-42);  // 42 units = 37 pixels em
    HGDIOBJ old = SelectObject(dc, font);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    SetBkMode(dc, TRANSPARENT);
    ASSERT_TRUE(TextOutA(dc, 20, -60, "HEH", 3));  // baseline at device y 53
    InkBox ink = FindInk(canvas);
    SelectObject(dc, old);
    DeleteObject(font);
    ASSERT_FALSE(ink.Empty());
    EXPECT_EQ(ink.bottom, 52);                 // the last row above the baseline
    EXPECT_NEAR(ink.top, 53 - 27, 2);          // cap height ~0.72 em
    EXPECT_NEAR(ink.left, 18 + 2, 2);          // from x 17.8 plus the side bearing
}

TEST(Text, TopAlignmentIsTheDefaultAndTextUsesTheTextColour) {
    MemoryCanvas canvas(120, 40);
    HDC dc = canvas.dc();
    HFONT font = Arial(-20);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, kRed);
    SetBkMode(dc, TRANSPARENT);
    SetROP2(dc, R2_NOT);  // text ignores the raster operation
    TextOutA(dc, 10, 5, "H", 1);
    InkBox ink = FindInk(canvas);
    SelectObject(dc, old);
    DeleteObject(font);
    EXPECT_NEAR(ink.top, 5 + 4, 2);  // ascent 18 minus cap height 14
    EXPECT_EQ(canvas.At(ink.left + 1, ink.top + 3), kRed);
}

TEST(Text, OpaqueModeFillsTheTextCellWithTheBackgroundColour) {
    MemoryCanvas canvas(80, 30);
    HDC dc = canvas.dc();
    HFONT font = Arial(-16);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkColor(dc, kBlue);  // OPAQUE is the default
    TextOutA(dc, 5, 5, "ab", 2);
    SelectObject(dc, old);
    DeleteObject(font);
    EXPECT_EQ(canvas.At(5, 5), kBlue);
    EXPECT_EQ(canvas.At(4, 5), kWhite);
    EXPECT_EQ(canvas.At(5, 4), kWhite);
}

TEST(Text, CalcRectHeightIsNegativeUnderAYUpMapping) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    HFONT font = Arial(-42);
    HGDIOBJ old = SelectObject(dc, font);

    RECT measured = {0, 0, 0, 0};
    DrawTextA(dc, "Memo", 4, &measured, DT_CALCRECT | DT_BOTTOM);
    int textModeWidth = measured.right - measured.left;
    int textModeHeight = measured.bottom - measured.top;
    EXPECT_GT(textModeWidth, 42);
    EXPECT_NEAR(textModeHeight, 48, 2);  // ascent + descent of a 42-pixel em

    SetCanvasMapping(dc);
    measured = {100, -200, 100, -200};
    DrawTextA(dc, "Memo", 4, &measured, DT_CALCRECT | DT_BOTTOM);
    EXPECT_EQ(measured.left, 100);
    EXPECT_EQ(measured.top, -200);
    int width = measured.right - measured.left;
    int height = measured.bottom - measured.top;
    EXPECT_LT(height, 0);
    // The font is 42 logical units either way, so the extents agree.
    EXPECT_NEAR(width, textModeWidth, 3);
    EXPECT_NEAR(-height, textModeHeight, 3);
    SelectObject(dc, old);
    DeleteObject(font);
}

TEST(Text, PositiveHeightIsTheCellHeight) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    HFONT cell = Arial(30);
    HFONT em = Arial(-30);
    RECT cellRect = {0, 0, 0, 0}, emRect = {0, 0, 0, 0};
    HGDIOBJ old = SelectObject(dc, cell);
    DrawTextA(dc, "Xg", -1, &cellRect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, em);
    DrawTextA(dc, "Xg", -1, &emRect, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(cell);
    DeleteObject(em);
    EXPECT_NEAR(cellRect.bottom - cellRect.top, 30, 1);
    EXPECT_GT(emRect.bottom - emRect.top, cellRect.bottom - cellRect.top);
}

TEST(Text, DrawTextCentresInsideItsRectangleAndClips) {
    MemoryCanvas canvas(100, 40);
    HDC dc = canvas.dc();
    HFONT font = Arial(-14);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT item = {10, 5, 90, 35};
    DrawTextA(dc, "TEXT", 4, &item, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    InkBox ink = FindInk(canvas);
    ASSERT_FALSE(ink.Empty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 50, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 20, 3);

    // Without DT_SINGLELINE vertical centring does not apply (as on Win32):
    // the text sits at the top of the rectangle.
    canvas.Fill(kWhite);
    DrawTextA(dc, "TEXT", 4, &item, DT_CENTER | DT_VCENTER);
    EXPECT_LT(FindInk(canvas).top, 12);

    // Text larger than its rectangle stays inside it.
    canvas.Fill(kWhite);
    RECT small = {40, 10, 50, 14};
    DrawTextA(dc, "WWWW", 4, &small, DT_SINGLELINE);
    ink = FindInk(canvas);
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.right, 49);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 13);
    SelectObject(dc, old);
    DeleteObject(font);
}

TEST(Text, HorizontalAlignmentPlacesTheReferencePoint) {
    struct Case {
        const char* name;
        UINT align;
        double expectedCentre;  // of the ink, relative to the reference x
        double halfWidths;      // how many half ink widths away from it
    };
    const Case cases[] = {
        {"left: ink starts at x", TA_LEFT | TA_TOP, 0, 1},
        {"centre: ink centred on x", TA_CENTER | TA_TOP, 0, 0},
        {"right: ink ends at x", TA_RIGHT | TA_TOP, 0, -1},
    };
    for (const Case& c : cases) {
        MemoryCanvas canvas(200, 40);
        HDC dc = canvas.dc();
        HFONT font = Arial(-20);
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, c.align);
        TextOutA(dc, 100, 5, "HHHH", 4);
        InkBox ink = FindInk(canvas);
        SelectObject(dc, old);
        DeleteObject(font);
        double centre = (ink.left + ink.right + 1) / 2.0;
        double halfWidth = (ink.right + 1 - ink.left) / 2.0;
        EXPECT_NEAR(centre - 100, c.expectedCentre + c.halfWidths * halfWidth, 3) << c.name;
    }
}

TEST(Text, DrawTextWithoutSingleLineBreaksAtNewlines) {
    MemoryCanvas canvas(4, 4);
    HDC dc = canvas.dc();
    HFONT font = Arial(-20);
    HGDIOBJ old = SelectObject(dc, font);
    RECT one = {0, 0, 0, 0}, two = {0, 0, 0, 0}, joined = {0, 0, 0, 0};
    int oneHeight = DrawTextA(dc, "long line", -1, &one, DT_CALCRECT);
    int twoHeight = DrawTextA(dc, "long line\r\nx", -1, &two, DT_CALCRECT);
    DrawTextA(dc, "long line\nx", -1, &joined, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
    EXPECT_EQ(oneHeight, one.bottom);
    EXPECT_EQ(twoHeight, 2 * oneHeight);
    EXPECT_EQ(two.right, one.right);  // the widest line
    EXPECT_EQ(joined.bottom, one.bottom);
}

TEST(Text, Utf8TextIsDrawn) {
    MemoryCanvas canvas(60, 30);
    HDC dc = canvas.dc();
    HFONT font = Arial(-20);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const char* text = "\xC3\x84\xC3\xB6";  // A and o with diaeresis
    RECT a = {0, 0, 0, 0}, b = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &a, DT_CALCRECT | DT_SINGLELINE);
    DrawTextA(dc, "AAAA", 4, &b, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_LT(a.right, b.right);  // two characters, not four bytes
    TextOutA(dc, 2, 2, text, 4);
    EXPECT_FALSE(FindInk(canvas).Empty());
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace
