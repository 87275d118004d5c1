// What the primitives put on a small memory DC: the raster operation each
// drawing mode selects, hollow versus filled shapes, corner order, regular
// polygons, where text and its box go, and a stored pen width beyond range.
#include <climits>
#include <vector>

#include "drawsp_fixture.h"
#include "memory_canvas.h"
#include "primitive_table.h"

namespace {

class SurfacePixelsTest : public DrawSpTest {
protected:
    void SetUp() override {
        DrawSpTest::SetUp();
        ASSERT_TRUE(canvas_.ok()) << "memory DCs are not available";
        surface_->SetDC(canvas_.dc());
    }
    void TearDown() override {
        if (surface_ != nullptr) surface_->SetDC(nullptr);
        DrawSpTest::TearDown();
    }

    // The pixels after drawing on a fresh white canvas.
    template <class Draw>
    std::vector<COLORREF> PixelsOf(Draw draw) {
        canvas_.Fill(kWhite);
        draw();
        return canvas_.Pixels();
    }

    MemoryCanvas canvas_{40, 30};
};

TEST_F(SurfacePixelsTest, InvertModeDrawnTwiceRestoresEveryPixel) {
    for (int fillOn : {0, 1}) {
        surface_->SetAttributes(kRed, PS_SOLID, 3, kGreen, fillOn, 14);
        for (const Primitive& p : kPrimitives) {
            if (p.name == std::string("text")) continue;  // text output has no raster operation
            canvas_.FillStripes();
            const auto before = canvas_.Pixels();
            p.draw(surface_, kModeInvert);
            EXPECT_NE(canvas_.Pixels(), before) << p.name << " drew nothing";
            p.draw(surface_, kModeInvert);
            EXPECT_EQ(canvas_.Pixels(), before) << p.name << ", fill " << fillOn;
        }
    }
}

TEST_F(SurfacePixelsTest, ModeSelectsTheRasterOperationForOneCall) {
    surface_->SetAttributes(kRed, PS_SOLID, 0, 0, 0, 8);
    HDC dc = canvas_.dc();
    struct Case {
        int dcRop;
        int mode;
        COLORREF onWhite;  // the line's pixel drawn over white
    } cases[] = {
        {R2_COPYPEN, 0, kRed},                         // 0 keeps the DC's operation
        {R2_NOT, 0, RGB(0, 0, 0)},
        {R2_NOP, -5, kWhite},                          // negative: also the DC's
        {R2_NOT, 3, kRed},                             // other positive values copy
        {R2_NOP, 100, kRed},
        {R2_COPYPEN, kModeXor, RGB(0, 255, 255)},      // white XOR red
        {R2_COPYPEN, kModeInvert, RGB(0, 0, 0)},       // not white
    };
    for (const Case& c : cases) {
        canvas_.Fill(kWhite);
        SetROP2(dc, c.dcRop);
        surface_->DrawLine(2, 10, 37, 10, c.mode);
        EXPECT_EQ(canvas_.At(20, 10), c.onWhite) << "DC rop " << c.dcRop << ", mode " << c.mode;
        EXPECT_EQ(GetROP2(dc), c.dcRop) << "mode " << c.mode << " left its operation behind";
    }
    SetROP2(dc, R2_COPYPEN);
}

TEST_F(SurfacePixelsTest, XorModeDrawnTwiceRestores) {
    surface_->SetAttributes(kBlue, PS_SOLID, 2, kGreen, 1, 8);
    canvas_.FillStripes();
    const auto before = canvas_.Pixels();
    surface_->DrawEllipse(20, 15, 12, 8, kModeXor);
    surface_->DrawEllipse(20, 15, 12, 8, kModeXor);
    EXPECT_EQ(canvas_.Pixels(), before);
}

TEST_F(SurfacePixelsTest, CornersInAnyOrderDrawTheSameRectangle) {
    for (int fillOn : {0, 1}) {
        surface_->SetAttributes(kRed, PS_SOLID, 1, kGreen, fillOn, 8);
        const auto reference = PixelsOf([&] { surface_->DrawRectangle(4, 6, 30, 25, 3); });
        const int corners[][4] = {{30, 25, 4, 6}, {4, 25, 30, 6}, {30, 6, 4, 25}};
        for (const auto& c : corners) {
            EXPECT_EQ(PixelsOf([&] { surface_->DrawRectangle(c[0], c[1], c[2], c[3], 3); }), reference)
                << c[0] << "," << c[1] << " to " << c[2] << "," << c[3];
        }
    }
}

TEST_F(SurfacePixelsTest, ClosedShapesAreHollowUnlessFillIsOn) {
    struct Shape {
        const char* name;
        void (*draw)(ZDrawSp*);
        int insideX, insideY, edgeX, edgeY;
    } shapes[] = {
        {"rectangle", [](ZDrawSp* s) { s->DrawRectangle(5, 5, 35, 25, 3); }, 20, 15, 5, 15},
        {"ellipse", [](ZDrawSp* s) { s->DrawEllipse(20, 15, 15, 10, 3); }, 20, 15, 20, 5},
        {"polygon", [](ZDrawSp* s) { s->DrawPolygon(kPolygonXs, kPolygonYs, 4, 3); }, 17, 14, 5, 4},
        {"regular polygon", [](ZDrawSp* s) { s->DrawRegularPolygon(20, 15, 32, 15, 8, 3); }, 20, 15, 32, 15},
    };
    for (const Shape& shape : shapes) {
        surface_->SetAttributes(kRed, PS_SOLID, 1, kGreen, 0, 8);
        PixelsOf([&] { shape.draw(surface_); });
        EXPECT_EQ(canvas_.At(shape.insideX, shape.insideY), kWhite) << shape.name << " hollow"
                                                                    << canvas_.Picture(kWhite);
        EXPECT_EQ(canvas_.At(shape.edgeX, shape.edgeY), kRed) << shape.name << " outline";

        surface_->SetAttributes(kRed, PS_SOLID, 1, kGreen, 1, 8);
        PixelsOf([&] { shape.draw(surface_); });
        EXPECT_EQ(canvas_.At(shape.insideX, shape.insideY), kGreen) << shape.name << " filled";
        EXPECT_EQ(canvas_.At(shape.edgeX, shape.edgeY), kRed) << shape.name << " outline over the fill";
    }
}

TEST_F(SurfacePixelsTest, RegularPolygons) {
    surface_->SetAttributes(kRed, PS_SOLID, 0, kGreen, 1, 8);
    const auto blank = PixelsOf([] {});
    EXPECT_EQ(PixelsOf([&] { surface_->DrawRegularPolygon(20, 15, 30, 15, 3, 3); }), blank)
        << "three vertices are too few";

    // A quarter turn at a time about (20, 15) from (30, 15).
    const int squareXs[] = {30, 20, 10, 20};
    const int squareYs[] = {15, 25, 15, 5};
    EXPECT_EQ(PixelsOf([&] { surface_->DrawRegularPolygon(20, 15, 30, 15, 4, 3); }),
              PixelsOf([&] { surface_->DrawPolygon(squareXs, squareYs, 4, 3); }));
}

// At most 100 vertices. Below a radius of 16 every vertex count collapses to
// the same line (each turned vertex is truncated back onto the axis), so the
// cap is looked at on a radius of 20, where 99, 100, 101 and 102 vertices
// would each draw differently.
TEST_F(SurfacePixelsTest, RegularPolygonsHaveAtMostAHundredVertices) {
    MemoryCanvas wide(48, 48);
    ASSERT_TRUE(wide.ok());
    surface_->SetDC(wide.dc());
    surface_->SetAttributes(kRed, PS_SOLID, 0, kGreen, 0, 8);
    const auto pixelsOf = [&](int vertices) {
        wide.Fill(kWhite);
        surface_->DrawRegularPolygon(24, 24, 44, 24, vertices, 3);
        return wide.Pixels();
    };
    const auto hundred = pixelsOf(100);
    EXPECT_NE(pixelsOf(99), hundred) << "this radius does not show one vertex more";
    for (int vertices : {101, 250, INT_MAX}) EXPECT_EQ(pixelsOf(vertices), hundred) << vertices << " vertices";
    surface_->SetDC(canvas_.dc());
}

TEST_F(SurfacePixelsTest, TextLiesInsideItsBoxAndTheBoxIsNeverFilled) {
    surface_->SetAttributes(kBlue, PS_SOLID, 0, kGreen, 1, 16);
    PixelsOf([&] { surface_->DrawStringBox(4, 22, "Hg", 3); });
    EXPECT_EQ(canvas_.Count(kGreen), 0) << "the box is filled" << canvas_.Picture(kWhite);
    // The box's extent: the outline's bounds.
    int left = 40, right = -1, top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (canvas_.At(x, y) != kBlue) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    ASSERT_LE(left, right) << "no box drawn";
    EXPECT_EQ(left, 4);
    EXPECT_LE(bottom, 22) << "the box ends at the baseline";
    EXPECT_GT(right - left, 5);
    EXPECT_GT(bottom - top, 5);
    EXPECT_EQ(canvas_.At((left + right) / 2, (top + bottom) / 2), kWhite) << canvas_.Picture(kWhite);

    // The letters stand on the baseline (only descenders go below it) and
    // stay within the box's width.
    PixelsOf([&] { surface_->DrawString(4, 22, "HH", 3); });
    int inked = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (canvas_.At(x, y) == kWhite) continue;
            ++inked;
            EXPECT_LE(y, 22) << "ink below the baseline at " << x << "," << y << canvas_.Picture(kWhite);
            EXPECT_GE(x, left - 1);
        }
    }
    EXPECT_GT(inked, 10) << "no text drawn";
    EXPECT_EQ(canvas_.Count(kGreen), 0) << "text has no background";
}

TEST_F(SurfacePixelsTest, ObjectsDrawTheirKinds) {
    struct Case {
        const char* record;
        int x, y;          // a pixel the figure must colour
        COLORREF colour;
    } cases[] = {
        {"1;255;0;0;0;0;0;8;2;2;37;2;", 20, 2, kRed},                  // line
        {"8;65280;1;5;255;1;0;8;2;2;37;2;", 20, 3, kWhite},           // temporary: one pixel thin
        {"8;65280;1;5;255;1;0;8;2;2;37;2;", 20, 2, kGreen},
        {"6;0;0;0;16711680;1;0;8;30;25;5;5;", 17, 15, kBlue},          // filled rectangle
        {"4;255;0;0;0;0;0;8;20;15;10;5;", 20, 10, kRed},               // ellipse, top
        {"3;255;0;0;65280;1;0;8;5;5;35;5;20;25;", 20, 10, kGreen},     // filled triangle
    };
    for (const Case& c : cases) {
        canvas_.Fill(kWhite);
        DrawObject* object = Decoded(c.record);
        object->Draw();
        object->Release();
        EXPECT_EQ(canvas_.At(c.x, c.y), c.colour) << c.record << canvas_.Picture(kWhite);
    }

    const char* invisible[] = {
        "3;255;0;0;0;0;0;8;1;1;30;20;",        // two points: no polygon
        "2;255;0;0;0;0;0;8;1;1;30;20;",        // kinds that draw nothing
        "5;255;0;0;0;0;0;8;1;1;30;20;",
        "1;255;0;0;0;0;0;8;1;1;",              // one end only
    };
    for (const char* record : invisible) {
        canvas_.Fill(kWhite);
        DrawObject* object = Decoded(record);
        object->Draw();
        object->Release();
        EXPECT_EQ(canvas_.Count(kWhite), 40 * 30) << record;
    }
}

// A stored pen width of INT_MIN is kept as stored and drawn as the widest
// pen, which covers the whole canvas.
TEST_F(SurfacePixelsTest, StoredMostNegativePenWidthDrawsAsTheWidestPen) {
    DrawObject* object = Decoded("6;0;0;-2147483648;0;0;0;8;0;0;1;1;");
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(SettingsOf(object).penWidth, INT_MIN);
    canvas_.Fill(kWhite);
    object->Draw();
    object->Release();
    EXPECT_EQ(canvas_.Count(kBlack), 40 * 30) << canvas_.Picture(kWhite);
}

}  // namespace
