// Lines, rectangles, ellipses and polygons cover exactly GDI's pixels.
#include "memory_canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(Shapes, LineLeavesOutItsLastPixelInEveryDirection) {
    MemoryCanvas canvas(8, 7);
    HDC dc = canvas.dc();
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 6, 1);  // rightwards: x 1..5
    MoveToEx(dc, 6, 3, nullptr);
    LineTo(dc, 1, 3);  // leftwards: x 6..2
    MoveToEx(dc, 0, 6, nullptr);
    LineTo(dc, 0, 2);  // upwards: y 6..3
    MoveToEx(dc, 3, 4, nullptr);
    LineTo(dc, 6, 7);  // diagonal: (3, 4), (4, 5), (5, 6), not (6, 7)
    EXPECT_EQ(canvas.Picture(), Rows({
                                    "........",
                                    ".#####..",
                                    "........",
                                    "#.#####.",
                                    "#..#....",
                                    "#...#...",
                                    "#....#..",
                                }));
}

TEST(Shapes, LineToMovesTheCurrentPosition) {
    MemoryCanvas canvas(6, 3);
    HDC dc = canvas.dc();
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 3, 1);
    LineTo(dc, 5, 1);  // continues from (3, 1)
    POINT position;
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 5);
    EXPECT_EQ(position.y, 1);
    EXPECT_EQ(canvas.Picture(), Rows({"......", "#####.", "......"}));
}

TEST(Shapes, AxisAlignedSpanMatchesTheGeneralLinePath) {
    // Solid one-pixel axis-aligned lines take a span fast path; in every
    // direction they must cover the pixels of the line's walk from its
    // first point up to, but not including, its last.
    MemoryCanvas fast(12, 12), slow(12, 12);
    const POINT ends[][2] = {{{1, 2}, {10, 2}}, {{10, 4}, {1, 4}}, {{3, 0}, {3, 11}}, {{8, 11}, {8, 0}}};
    for (const auto& line : ends) {
        MoveToEx(fast.dc(), line[0].x, line[0].y, nullptr);
        LineTo(fast.dc(), line[1].x, line[1].y);
        int dx = (line[1].x > line[0].x) - (line[1].x < line[0].x);
        int dy = (line[1].y > line[0].y) - (line[1].y < line[0].y);
        for (POINT p = line[0]; p.x != line[1].x || p.y != line[1].y; p.x += dx, p.y += dy) {
            SetPixel(slow.dc(), p.x, p.y, kBlack);
        }
    }
    EXPECT_EQ(fast.Picture(), slow.Picture());
}

TEST(Shapes, LinesReachingPastTheBitmapAreCutAtItsEdges) {
    MemoryCanvas canvas(6, 4);
    HDC dc = canvas.dc();
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, -50, 1, nullptr);
    LineTo(dc, 70, 1);
    MoveToEx(dc, 4, 90, nullptr);
    LineTo(dc, 4, -90);
    EXPECT_EQ(canvas.Picture(), Rows({"....#.", "####.#", "....#.", "....#."}));
}

TEST(Shapes, RectangleCoversLeftToRightMinusOne) {
    MemoryCanvas canvas(6, 5);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, 0, kBlack), CreateSolidBrush(kRed));
    Rectangle(dc, 0, 0, 4, 3);
    Rectangle(dc, 5, 5, 3, 3);  // reversed corners: the same as (3, 3, 5, 5)
    EXPECT_EQ(canvas.Picture(), Rows({
                                    "####..",
                                    "#RR#..",
                                    "####..",
                                    "...##.",
                                    "...##.",
                                }));
}

TEST(Shapes, ReversedCornersDrawTheSamePixels) {
    const RECT boxes[] = {{1, 1, 9, 7}, {9, 7, 1, 1}, {1, 7, 9, 1}, {9, 1, 1, 7}};
    std::string firstEllipse, firstRectangle;
    for (const RECT& box : boxes) {
        MemoryCanvas ellipse(11, 9), rectangle(11, 9);
        PenAndBrush ellipseTools(ellipse.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
        PenAndBrush rectangleTools(rectangle.dc(), CreatePen(PS_DOT, 1, kBlack), CreateSolidBrush(kRed));
        Ellipse(ellipse.dc(), box.left, box.top, box.right, box.bottom);
        Rectangle(rectangle.dc(), box.left, box.top, box.right, box.bottom);
        if (firstEllipse.empty()) firstEllipse = ellipse.Picture();
        if (firstRectangle.empty()) firstRectangle = rectangle.Picture();
        EXPECT_EQ(ellipse.Picture(), firstEllipse);
        EXPECT_EQ(rectangle.Picture(), firstRectangle);
    }
}

TEST(Shapes, NullPenRectangleIsOnePixelSmaller) {
    MemoryCanvas canvas(5, 4);
    HDC dc = canvas.dc();
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, 0, 0, 4, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    EXPECT_EQ(canvas.Picture(), Rows({"###..", "###..", ".....", "....."}));
}

TEST(Shapes, HollowBrushLeavesTheInteriorAndNullPenDrawsNoOutline) {
    MemoryCanvas canvas(12, 6, kGreen);
    HDC dc = canvas.dc();
    HPEN pen = CreatePen(PS_SOLID, 0, kBlack);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 0, 0, 5, 5);
    POINT triangle[] = {{6, 0}, {11, 0}, {6, 5}};
    Polygon(dc, triangle, 3);
    EXPECT_EQ(canvas.At(2, 2), kGreen);
    EXPECT_EQ(canvas.At(7, 1), kGreen);
    EXPECT_EQ(canvas.At(0, 0), kBlack);

    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    canvas.Fill(kGreen);
    Rectangle(dc, 0, 0, 5, 5);
    Ellipse(dc, 6, 0, 12, 6);
    Polygon(dc, triangle, 3);
    EXPECT_EQ(canvas.Count(kGreen), 12 * 6);  // nothing at all was drawn
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
}

TEST(Shapes, EllipseStaysInsideItsBoxAndTouchesEverySide) {
    MemoryCanvas canvas(14, 12);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, 0, kBlack), CreateSolidBrush(kRed));
    Ellipse(dc, 2, 3, 12, 10);  // box x 2..11, y 3..9
    std::string picture = canvas.Picture();
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 14; ++x)
            if (canvas.At(x, y) != kWhite) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, 2) << picture;
    EXPECT_EQ(maxX, 11) << picture;
    EXPECT_EQ(minY, 3) << picture;
    EXPECT_EQ(maxY, 9) << picture;
    EXPECT_EQ(canvas.At(7, 6), kRed) << picture;   // centre filled
    EXPECT_EQ(canvas.At(2, 6), kBlack) << picture;  // outline at the sides
    EXPECT_EQ(canvas.At(2, 3), kWhite) << picture;  // corners of the box stay free
}

TEST(Shapes, PolygonOutlinesWithThePenAndFillsAlternate) {
    MemoryCanvas canvas(7, 7);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, 0, kBlack), CreateSolidBrush(kRed));
    POINT square[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}};
    Polygon(dc, square, 4);
    EXPECT_EQ(canvas.Picture(), Rows({
                                    "#######",
                                    "#RRRRR#",
                                    "#RRRRR#",
                                    "#RRRRR#",
                                    "#RRRRR#",
                                    "#RRRRR#",
                                    "#######",
                                }));
    // A self-overlapping outline: the doubly covered middle stays unfilled.
    MemoryCanvas star(9, 9);
    PenAndBrush starTools(star.dc(), CreatePen(PS_NULL, 0, kBlack), CreateSolidBrush(kRed));
    POINT twice[] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {8, 0}, {8, 4}, {0, 4}};
    Polygon(star.dc(), twice, 8);
    EXPECT_EQ(star.At(4, 2), kWhite);
    EXPECT_EQ(star.At(4, 6), kRed);
}

TEST(Shapes, FillRectIgnoresTheRasterOperationAndExcludesRightAndBottom) {
    MemoryCanvas canvas(5, 4);
    HDC dc = canvas.dc();
    SetROP2(dc, R2_NOT);
    HBRUSH brush = CreateSolidBrush(kBlue);
    RECT box = {1, 1, 4, 3};
    EXPECT_NE(FillRect(dc, &box, brush), 0);
    DeleteObject(brush);
    EXPECT_EQ(canvas.Picture(), Rows({".....", ".BBB.", ".BBB.", "....."}));
}

TEST(Shapes, ClipRegionLimitsDrawingInDeviceUnits) {
    MemoryCanvas canvas(8, 4);
    HDC dc = canvas.dc();
    SetViewportOrgEx(dc, 2, 0, nullptr);  // the region ignores the mapping
    HRGN region = CreateRectRgn(0, 1, 5, 3);
    EXPECT_EQ(SelectClipRgn(dc, region), SIMPLEREGION);
    DeleteObject(region);  // the DC keeps its own copy
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, -2, 0, 6, 4);
    SelectObject(dc, oldBrush);
    MoveToEx(dc, -2, 3, nullptr);
    LineTo(dc, 6, 3);
    EXPECT_EQ(SetPixel(dc, 4, 0, kBlack), CLR_INVALID);
    EXPECT_EQ(canvas.Picture(), Rows({"........", "#####...", "#####...", "........"}));
    SelectClipRgn(dc, nullptr);
    MoveToEx(dc, -2, 3, nullptr);
    LineTo(dc, 6, 3);
    EXPECT_EQ(canvas.At(7, 3), kBlack);
}

}  // namespace

// Figures wholly outside the bitmap are not drawn at all; one whose wide
// pen only reaches in from outside still paints what reaches in.
TEST(Shapes, FiguresJustOutsideTheBitmapPaintWhatReachesIn) {
    MemoryCanvas canvas(8, 4);
    HDC dc = canvas.dc();
    HPEN wide = CreatePen(PS_SOLID, 5, RGB(0, 0, 0));
    HGDIOBJ previous = SelectObject(dc, wide);
    MoveToEx(dc, 1, -2, nullptr);  // centred two rows above the bitmap: 5 wide reaches row 0
    LineTo(dc, 6, -2);
    Rectangle(dc, 20, 20, 30, 30);  // far outside
    SelectObject(dc, previous);
    DeleteObject(wide);
    EXPECT_GT(canvas.CountChanged(std::vector<COLORREF>(8 * 4, kWhite)), 0);
    EXPECT_EQ(canvas.At(3, 0), kBlack);
    EXPECT_EQ(canvas.At(3, 3), kWhite);
}
