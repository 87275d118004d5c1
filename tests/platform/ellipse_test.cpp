// Ellipse covers GDI's pixels: inside its box with the right and bottom edge
// left out, touching all four sides, symmetric, with a closed one-pixel
// outline around the brush, whatever the size or shape of the box.
#include "memory_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

// Inclusive bounds of the pixels that are not the background.
struct Extent {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    bool operator==(const Extent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Extent& e) {
    return out << "x " << e.left << ".." << e.right << ", y " << e.top << ".." << e.bottom;
}

// The canvas's pixels with a look-up that answers the background outside.
class Pixels {
public:
    explicit Pixels(const MemoryCanvas& canvas)
        : width_(canvas.width()), height_(canvas.height()), pixels_(canvas.Pixels()) {}
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }
    Extent DrawnExtent() const {
        Extent e;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != kWhite) {
                    e.left = std::min(e.left, x), e.right = std::max(e.right, x);
                    e.top = std::min(e.top, y), e.bottom = std::max(e.bottom, y);
                }
        return e;
    }
    // Pixels mirrored about the box's centre lines are equal.
    bool Symmetric(const RECT& box) const {
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                if (At(x, y) != At(box.left + box.right - 1 - x, y) ||
                    At(x, y) != At(x, box.top + box.bottom - 1 - y))
                    return false;
        return true;
    }
    // Pixels of the colour that no 8-connected walk from the first one reaches.
    int Unconnected(COLORREF colour) const {
        std::vector<bool> seen(pixels_.size(), false);
        std::vector<std::pair<int, int>> stack;
        int total = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) == colour && total++ == 0) stack.push_back({x, y});
        int reached = 0;
        while (!stack.empty()) {
            auto [x, y] = stack.back();
            stack.pop_back();
            std::size_t index = static_cast<std::size_t>(y) * width_ + x;
            if (At(x, y) != colour || seen[index]) continue;
            seen[index] = true;
            ++reached;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) stack.push_back({x + dx, y + dy});
        }
        return total - reached;
    }
    // Pixels of the colour with a 4-neighbour of the other colour.
    int Touching(COLORREF colour, COLORREF other) const {
        int count = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                count += At(x, y) == colour && (At(x - 1, y) == other || At(x + 1, y) == other ||
                                                At(x, y - 1) == other || At(x, y + 1) == other);
        return count;
    }
    int Count(COLORREF colour) const { return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), colour)); }

private:
    int width_, height_;
    std::vector<COLORREF> pixels_;
};

RECT Normalised(RECT box) {
    return {std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
            std::max(box.top, box.bottom)};
}

// Draws one ellipse on a white canvas just larger than its box.
struct Drawn {
    Drawn(const RECT& box, int penStyle, int penWidth, HBRUSH brush)
        : canvas(Normalised(box).right + 8, Normalised(box).bottom + 8) {
        PenAndBrush tools(canvas.dc(), CreatePen(penStyle, penWidth, kBlack), brush);
        Ellipse(canvas.dc(), box.left, box.top, box.right, box.bottom);
    }
    MemoryCanvas canvas;
};

struct BoxCase {
    RECT box;
    const char* what;
};
const BoxCase kBoxes[] = {
    {{10, 10, 30, 20}, "flat 20x10"},  // its outline once reached x 9..30
    {{2, 3, 12, 10}, "10x7"},
    {{5, 5, 25, 25}, "even circle"},
    {{5, 5, 26, 26}, "odd circle"},
    {{3, 10, 23, 13}, "flat 20x3"},
    {{10, 3, 13, 23}, "thin 3x20"},
    {{4, 6, 34, 8}, "two rows"},
    {{6, 2, 7, 28}, "one column"},
    {{7, 7, 8, 8}, "one pixel"},
    {{7, 7, 9, 9}, "2x2"},
    {{7, 7, 10, 10}, "3x3"},
    {{15, 1, 24, 38}, "tall 9x37"},
    {{1, 12, 40, 17}, "wide 39x5"},
    {{3, 4, 403, 54}, "large 400x50"},
    {{30, 20, 10, 10}, "reversed corners"},
};

TEST(Ellipse, ThinOutlineFillsItsBoxExactlyAndEnclosesTheBrush) {
    for (const BoxCase& c : kBoxes) {
        const RECT box = Normalised(c.box);
        Drawn drawn(c.box, PS_SOLID, 1, CreateSolidBrush(kRed));
        Pixels pixels(drawn.canvas);
        const Extent expected{box.left, box.top, box.right - 1, box.bottom - 1};
        EXPECT_EQ(pixels.DrawnExtent(), expected) << c.what;
        EXPECT_TRUE(pixels.Symmetric(box)) << c.what;
        EXPECT_EQ(pixels.Unconnected(kBlack), 0) << c.what << ": gaps in the outline";
        EXPECT_EQ(pixels.Touching(kRed, kWhite), 0) << c.what << ": the brush leaks out";
        // One pixel thin: every outline pixel faces the outside.
        EXPECT_EQ(pixels.Touching(kBlack, kWhite), pixels.Count(kBlack)) << c.what;
        if (testing::Test::HasFailure()) {
            drawn.canvas.WritePng(std::string("ellipse_failure_") + std::to_string(box.right - box.left) +
                                  "x" + std::to_string(box.bottom - box.top) + ".png");
            return;
        }
    }
}

TEST(Ellipse, HollowBrushAndNullPenKeepTheSameOutlineAndArea) {
    for (const BoxCase& c : kBoxes) {
        const RECT box = Normalised(c.box);
        Pixels filled(Drawn(c.box, PS_SOLID, 1, CreateSolidBrush(kRed)).canvas);
        Pixels hollow(Drawn(c.box, PS_SOLID, 1, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))).canvas);
        // Without a pen the brush covers the figure of a box one pixel smaller.
        const RECT smaller = {box.left, box.top, box.right - 1, box.bottom - 1};
        Pixels noPen(Drawn(box, PS_NULL, 1, CreateSolidBrush(kRed)).canvas);
        Pixels smallerFigure(Drawn(smaller, PS_SOLID, 1, CreateSolidBrush(kRed)).canvas);
        for (int y = 0; y < box.bottom + 8; ++y) {
            for (int x = 0; x < box.right + 8; ++x) {
                const bool outline = filled.At(x, y) == kBlack;
                ASSERT_EQ(hollow.At(x, y), outline ? kBlack : kWhite) << c.what << " at " << x << ", " << y;
                const bool inSmaller = smallerFigure.At(x, y) != kWhite;
                ASSERT_EQ(noPen.At(x, y), inSmaller ? kRed : kWhite) << c.what << " at " << x << ", " << y;
            }
        }
    }
}

TEST(Ellipse, SmallBoxesAsPictures) {
    MemoryCanvas canvas(36, 12);
    HDC dc = canvas.dc();
    PenAndBrush tools(dc, CreatePen(PS_SOLID, 0, kBlack), CreateSolidBrush(kRed));
    Ellipse(dc, 1, 1, 21, 11);   // 20x10
    Ellipse(dc, 22, 1, 29, 8);   // 7x7
    Ellipse(dc, 30, 1, 33, 4);   // 3x3: a cross around one brush pixel
    Ellipse(dc, 30, 5, 32, 7);   // 2x2: a square
    Ellipse(dc, 34, 1, 35, 2);   // 1x1
    Ellipse(dc, 22, 9, 35, 11);  // 13x2: two full rows
    EXPECT_EQ(canvas.Picture(), Rows({
                                    "....................................",
                                    ".......########.........###....#..#.",
                                    "....###RRRRRRRR###.....#RRR#..#R#...",
                                    "..##RRRRRRRRRRRRRR##..#RRRRR#..#....",
                                    "..#RRRRRRRRRRRRRRRR#..#RRRRR#.......",
                                    ".#RRRRRRRRRRRRRRRRRR#.#RRRRR#.##....",
                                    ".#RRRRRRRRRRRRRRRRRR#..#RRR#..##....",
                                    "..#RRRRRRRRRRRRRRRR#....###.........",
                                    "..##RRRRRRRRRRRRRR##................",
                                    "....###RRRRRRRR###....#############.",
                                    ".......########.......#############.",
                                    "....................................",
                                }));
}

TEST(Ellipse, DashedOutlineLiesOnTheSolidOneWithGapsInTheBackground) {
    for (int style : {PS_DOT, PS_DASH, PS_DASHDOT, PS_DASHDOTDOT}) {
        for (const BoxCase& c : kBoxes) {
            Pixels solid(Drawn(c.box, PS_SOLID, 1, CreateSolidBrush(kRed)).canvas);
            MemoryCanvas canvas(Normalised(c.box).right + 8, Normalised(c.box).bottom + 8);
            PenAndBrush tools(canvas.dc(), CreatePen(style, 1, kBlack), CreateSolidBrush(kRed));
            SetBkColor(canvas.dc(), kBlue);  // opaque gaps show in blue
            Ellipse(canvas.dc(), c.box.left, c.box.top, c.box.right, c.box.bottom);
            Pixels dashed(canvas);
            int mismatches = 0;
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x) {
                    COLORREF pixel = dashed.At(x, y) == kBlue ? kBlack : dashed.At(x, y);
                    mismatches += pixel != solid.At(x, y);
                }
            EXPECT_EQ(mismatches, 0) << c.what << ", style " << style << "\n" << canvas.Picture();
            if (solid.Count(kBlack) > 24) {
                EXPECT_GT(dashed.Count(kBlue), 0) << c.what << ", style " << style;
                EXPECT_GT(dashed.Count(kBlack), dashed.Count(kBlue) / 3) << c.what << ", style " << style;
            }
        }
    }
}

TEST(Ellipse, WidePenIsCentredOnTheOutline) {
    // As on a rectangle's edge, floor(w/2) pixels of the pen lie outside the
    // box and the rest inside; the ring is w pixels thick across each axis.
    for (int width : {2, 3, 4, 6}) {
        for (const RECT& box : {RECT{10, 10, 30, 20}, RECT{8, 8, 29, 29}, RECT{10, 10, 40, 16}}) {
            Drawn drawn(box, PS_SOLID, width, CreateSolidBrush(kRed));
            Pixels pixels(drawn.canvas);
            const int grow = width / 2;
            const RECT grown{box.left - grow, box.top - grow, box.right + grow, box.bottom + grow};
            const Extent expected{grown.left, grown.top, grown.right - 1, grown.bottom - 1};
            const std::string what = std::to_string(width) + " wide\n" + drawn.canvas.Picture();
            EXPECT_EQ(pixels.DrawnExtent(), expected) << what;
            EXPECT_TRUE(pixels.Symmetric(grown)) << what;
            EXPECT_EQ(pixels.Touching(kRed, kWhite), 0) << what;
            const int middleRow = (box.top + box.bottom - 1) / 2;
            int thickness = 0;
            while (pixels.At(grown.left + thickness, middleRow) == kBlack) ++thickness;
            // A pen as wide as half the figure leaves no room for the brush.
            const bool solid = 2 * width >= std::min(grown.right - grown.left, grown.bottom - grown.top);
            EXPECT_EQ(thickness, solid ? grown.right - grown.left : width) << what;
        }
    }
}

TEST(Ellipse, PartsPastTheBitmapOrClipAreCutOff) {
    // The whole ellipse, and the same one hanging over the top left corner
    // of a smaller bitmap, under a clip rectangle.
    MemoryCanvas whole(40, 30);
    PenAndBrush tools(whole.dc(), CreatePen(PS_DOT, 0, kBlack), CreateSolidBrush(kRed));
    Ellipse(whole.dc(), 0, 0, 40, 30);

    MemoryCanvas part(24, 18);
    PenAndBrush partTools(part.dc(), CreatePen(PS_DOT, 0, kBlack), CreateSolidBrush(kRed));
    HRGN clip = CreateRectRgn(0, 3, 20, 18);
    SelectClipRgn(part.dc(), clip);
    DeleteObject(clip);
    Ellipse(part.dc(), -16, -12, 24, 18);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 24; ++x) {
            bool clipped = x >= 20 || y < 3;
            COLORREF expected = clipped ? kWhite : whole.At(x + 16, y + 12);
            ASSERT_EQ(part.At(x, y), expected) << x << ", " << y << "\n" << part.Picture();
        }
}

TEST(Ellipse, HugeBoxesPaintOnlyWhatShows) {
    // Boxes near the device range: only the rows on the bitmap are worked
    // out, and the curve is still exact there.
    constexpr int kHuge = 1 << 26;
    for (int style : {PS_SOLID, PS_DOT}) {
        for (int width : {1, 5}) {
            MemoryCanvas canvas(40, 30);
            PenAndBrush tools(canvas.dc(), CreatePen(style, width, kBlack), CreateSolidBrush(kRed));
            Ellipse(canvas.dc(), -kHuge, -kHuge, kHuge, kHuge);  // the bitmap lies deep inside
            EXPECT_EQ(canvas.Count(kRed), 40 * 30) << style << ", " << width;
            canvas.Fill(kWhite);
            SetBkColor(canvas.dc(), kBlue);  // dash gaps in blue
            // The left end of a very flat ellipse, its centre row at y 15.
            Ellipse(canvas.dc(), 10, 15 - 30000, 10 + kHuge, 16 + 30000);
            EXPECT_NE(canvas.At(10 - width / 2, 15), kWhite) << style << ", " << width;
            EXPECT_NE(canvas.At(10 - width / 2, 15), kRed) << style << ", " << width;
            EXPECT_EQ(canvas.At(9 - width / 2, 15), kWhite) << style << ", " << width;
            EXPECT_EQ(canvas.At(39, 15), kRed) << style << ", " << width;
        }
    }
}

}  // namespace
