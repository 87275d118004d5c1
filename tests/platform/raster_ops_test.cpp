// Raster operations are exact bitwise pixel operations, as with GDI.
#include "memory_canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Paints a background with every kind of pixel the operations must restore.
void PaintBackground(MemoryCanvas& canvas) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.SetAt(x, y, RGB((x * 37) & 0xFF, (y * 53) & 0xFF, ((x + y) * 29) & 0xFF));
}

struct Figure {
    const char* name;
    bool closed;  // has an interior for the brush
    std::function<void(HDC)> draw;
};

const POINT kStar[] = {{5, 25}, {20, 2}, {35, 25}, {2, 10}, {38, 10}};

// Every kind of figure, hollow and filled, thin, wide and dashed.
const Figure kFigures[] = {
    {"thin diagonal line", false, [](HDC dc) { MoveToEx(dc, 1, 2, nullptr); LineTo(dc, 37, 26); }},
    {"axis-aligned lines", false, [](HDC dc) {
         MoveToEx(dc, 0, 5, nullptr); LineTo(dc, 39, 5);
         MoveToEx(dc, 7, 29, nullptr); LineTo(dc, 7, 0);
     }},
    {"rectangle", true, [](HDC dc) { Rectangle(dc, 3, 4, 30, 22); }},
    {"ellipse", true, [](HDC dc) { Ellipse(dc, 2, 3, 36, 27); }},
    {"polygon", true, [](HDC dc) { Polygon(dc, kStar, 5); }},
};

struct PenCase {
    const char* name;
    int style;
    int width;
    bool filled;
};
const PenCase kPens[] = {
    {"thin hollow", PS_SOLID, 0, false},
    {"thin filled", PS_SOLID, 1, true},
    {"wide filled", PS_SOLID, 5, true},
    {"wide hollow", PS_SOLID, 4, false},
    {"odd wide filled", PS_SOLID, 3, true},
    {"even wide hollow", PS_SOLID, 6, false},
    {"dashed filled", PS_DASH, 0, true},
    {"dotted hollow", PS_DOT, 1, false},
    {"no pen filled", PS_NULL, 0, true},
};

TEST(RasterOps, NotAndXorDrawnTwiceRestoreEveryPixel) {
    for (int rop : {R2_NOT, R2_XORPEN, R2_NOTXORPEN}) {
        for (const PenCase& pen : kPens) {
            for (const Figure& figure : kFigures) {
                MemoryCanvas canvas(40, 30);
                PaintBackground(canvas);
                std::vector<COLORREF> before = canvas.Pixels();
                HDC dc = canvas.dc();
                HBRUSH brush = pen.filled ? CreateSolidBrush(RGB(200, 30, 90)) : nullptr;
                HPEN created = CreatePen(pen.style, pen.width, RGB(20, 120, 240));
                HGDIOBJ oldPen = SelectObject(dc, created);
                HGDIOBJ oldBrush = SelectObject(dc, brush ? brush : GetStockObject(NULL_BRUSH));
                SetROP2(dc, rop);
                figure.draw(dc);
                bool changed = canvas.Pixels() != before;
                figure.draw(dc);
                SelectObject(dc, oldPen);
                SelectObject(dc, oldBrush);
                DeleteObject(created);
                if (brush) DeleteObject(brush);
                bool drawsSomething = pen.style != PS_NULL || figure.closed;
                EXPECT_EQ(changed, drawsSomething) << figure.name << ", " << pen.name << ", rop " << rop;
                if (canvas.Pixels() != before) {
                    ADD_FAILURE() << figure.name << ", " << pen.name << ", rop " << rop;
                    canvas.WritePng(std::string("rop_failure_") + std::to_string(rop) + ".png");
                }
            }
        }
    }
}

TEST(RasterOps, NotInvertsEveryPixelOfTheFigureOnce) {
    // Border and interior are inverted exactly once each, even with a wide
    // pen and a brush, so no ring of untouched pixels appears.
    MemoryCanvas canvas(30, 30);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, 5, kRed), CreateSolidBrush(kBlue));
    SetROP2(dc, R2_NOT);
    Ellipse(dc, 4, 4, 26, 26);
    EXPECT_EQ(canvas.At(15, 15), kBlack);  // centre
    EXPECT_EQ(canvas.At(15, 5), kBlack);   // under the pen
    EXPECT_EQ(canvas.At(15, 9), kBlack);   // where pen and fill meet
    EXPECT_EQ(canvas.At(0, 0), kWhite);
    for (int y = 0; y < 30; ++y) {
        // Along a column through the centre: white, then one black run, white.
        int runs = 0;
        for (int x = 0; x < 30; ++x) {
            bool black = canvas.At(x, y) == kBlack;
            bool before = x > 0 && canvas.At(x - 1, y) == kBlack;
            runs += black && !before;
        }
        EXPECT_LE(runs, 1) << "row " << y << "\n" << canvas.Picture();
    }
}

TEST(RasterOps, NotInvertsExactlyThePixelsAnEllipseCovers) {
    // Pen, dash gaps and brush each invert their own pixels once: the same
    // pixels that a black drawing covers. A second drawing restores them.
    const RECT boxes[] = {
        {10, 10, 30, 20},  // flat
        {3, 10, 23, 13},   // three rows
        {18, 2, 21, 28},   // three columns
        {5, 5, 6, 6},      // one pixel
        {2, 2, 38, 28},    // large
    };
    const PenCase pens[] = {
        {"thin", PS_SOLID, 1, true},      {"thin hollow", PS_SOLID, 1, false},
        {"dotted", PS_DOT, 1, true},      {"dash-dot hollow", PS_DASHDOT, 1, false},
        {"wide", PS_SOLID, 3, true},      {"wider hollow", PS_SOLID, 6, false},
        {"no pen", PS_NULL, 1, true},
    };
    for (const RECT& box : boxes) {
        for (const PenCase& pen : pens) {
            auto brush = [&](COLORREF colour) {
                return pen.filled ? CreateSolidBrush(colour) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
            };
            MemoryCanvas plain(40, 30), inverted(40, 30);
            PenAndBrush plainTools(plain.dc(), CreatePen(pen.style, pen.width, kBlack), brush(kBlack));
            SetBkColor(plain.dc(), kBlack);
            Ellipse(plain.dc(), box.left, box.top, box.right, box.bottom);
            PenAndBrush tools(inverted.dc(), CreatePen(pen.style, pen.width, kBlue), brush(kRed));
            SetROP2(inverted.dc(), R2_NOT);
            Ellipse(inverted.dc(), box.left, box.top, box.right, box.bottom);
            EXPECT_EQ(inverted.Picture(), plain.Picture()) << pen.name << ", box x " << box.left;
            Ellipse(inverted.dc(), box.left, box.top, box.right, box.bottom);
            EXPECT_EQ(inverted.Count(kWhite), 40 * 30) << pen.name << ", box x " << box.left;
        }
    }
}

TEST(RasterOps, XorPenCombinesThePenColourWithTheScreen) {
    MemoryCanvas canvas(6, 3, RGB(0x12, 0x34, 0x56));
    HDC dc = canvas.dc();
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(0xFF, 0x0F, 0x00));
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 4, 1);
    EXPECT_EQ(canvas.At(1, 1), RGB(0x12 ^ 0xFF, 0x34 ^ 0x0F, 0x56));
    EXPECT_EQ(canvas.At(4, 1), RGB(0x12, 0x34, 0x56));
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 6, 0);
    EXPECT_EQ(canvas.At(3, 0), RGB(0xED, 0xCB, 0xA9));
    SelectObject(dc, old);
    DeleteObject(pen);
}

TEST(RasterOps, TableOfOperationsOnOnePixel) {
    const COLORREF screen = RGB(0xF0, 0x0F, 0x55);
    const COLORREF pen = RGB(0xCC, 0xAA, 0x0F);
    struct Case {
        int rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {R2_BLACK, 0x000000},
        {R2_WHITE, 0xFFFFFF},
        {R2_COPYPEN, pen},
        {R2_NOTCOPYPEN, ~pen & 0xFFFFFF},
        {R2_NOP, screen},
        {R2_NOT, ~screen & 0xFFFFFF},
        {R2_XORPEN, pen ^ screen},
        {R2_NOTXORPEN, ~(pen ^ screen) & 0xFFFFFF},
        {R2_MASKPEN, pen & screen},
        {R2_MERGEPEN, pen | screen},
        {R2_MASKPENNOT, pen & ~screen & 0xFFFFFF},
        {R2_MERGENOTPEN, (~pen | screen) & 0xFFFFFF},
    };
    for (const Case& c : cases) {
        MemoryCanvas canvas(3, 1, screen);
        HDC dc = canvas.dc();
        HPEN created = CreatePen(PS_SOLID, 0, pen);
        HGDIOBJ old = SelectObject(dc, created);
        SetROP2(dc, c.rop);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, 2, 0);
        EXPECT_EQ(canvas.At(1, 0), c.expected) << "rop " << c.rop;
        SelectObject(dc, old);
        DeleteObject(created);
    }
}

}  // namespace
