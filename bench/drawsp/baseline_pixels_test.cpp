// The raw-Qt baseline gives the surface's pixels, figure kind by figure
// kind and for the page background, so the benchmark compares the same
// work. Ellipses are left out: Qt's curve is not the surface's.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

#include "image_match.h"
#include "page_figures.h"
#include "page_pixels.h"
#include "qt_background.h"
#include "qt_canvas.h"
#include "qt_page.h"
#include "surface_page.h"

namespace {

constexpr int kLine = 1, kPolygon = 3, kRectangle = 6, kText = 7;

// A figure placed in its own cell of the canvas; points are offsets from
// the cell's top-left corner in page units, y downwards.
struct FigureCase {
    const char* name;
    int kind;
    int penStyle, penWidth, fillOn;
    std::vector<POINT> offsets;
    bool empty = false;  // draws nothing either way
};

// Cells of 260 units, 8 across and 4 down, fit the visible canvas.
constexpr int kCell = 260, kColumns = 8, kMargin = 20;

POINT CellCorner(int index) {
    return POINT{kMargin + index % kColumns * kCell, -kMargin - index / kColumns * kCell};
}

QRect CellPixels(int index) {
    const POINT c = CellCorner(index);
    return PixelBox(ToPixels(c.x, c.y), ToPixels(c.x + kCell, c.y - kCell));
}

PageFigure Placed(const FigureCase& c, int index) {
    static constexpr COLORREF kColours[] = {0x0000FF, 0x008000, 0x800000, 0x000000, 0xA400A4};
    PageFigure f{};
    f.kind = c.kind;
    f.colour = kColours[index % 5];
    f.penStyle = c.penStyle;
    f.penWidth = c.penWidth;
    f.fillColour = 0x00FFFF;
    f.fillOn = c.fillOn;
    f.fontHeight = 49;
    const POINT corner = CellCorner(index);
    for (const POINT& p : c.offsets) f.points.push_back(POINT{corner.x + p.x, corner.y - p.y});
    if (c.kind == kText) f.text = c.name;
    return f;
}

class BaselinePixelsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { library_ = new SurfaceLibrary; }
    static void TearDownTestSuite() {
        delete library_;
        library_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(library_->surface(), nullptr) << "ZDrawSp.DLL did not load";
        library_->surface()->SetDC(canvas_.dc());
        canvas_.Fill(0xFFFFFF);
    }
    void TearDown() override {
        if (library_->surface() != nullptr) library_->surface()->SetDC(nullptr);
    }

    // The figures through the surface's objects, as the canvas draws them.
    QImage SurfaceDrawing(const std::vector<PageFigure>& figures) {
        std::vector<DrawObject*> objects = library_->MakeObjects(figures);
        for (DrawObject* object : objects) object->Draw();
        ReleaseAll(objects);
        return SurfaceImage(canvas_);
    }

    static QImage QtDrawing(const std::vector<PageFigure>& figures) {
        QtCanvas qt;
        QtPage(figures).Paint(qt.painter());
        return qt.Finish();
    }

    // Every case in its own cell, drawn both ways at once; each cell must
    // agree, and must show something unless the case draws nothing.
    void ExpectSamePixels(const std::vector<FigureCase>& cases) {
        std::vector<PageFigure> figures;
        for (std::size_t i = 0; i < cases.size(); ++i) figures.push_back(Placed(cases[i], static_cast<int>(i)));
        const QImage surface = SurfaceDrawing(figures), qt = QtDrawing(figures), blank = QtCanvas().Finish();
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const QRect cell = CellPixels(static_cast<int>(i));
            EXPECT_EQ(CountMismatches(surface, qt, cell), 0) << cases[i].name;
            EXPECT_EQ(CountMismatches(surface, blank, cell) == 0, cases[i].empty) << cases[i].name;
        }
    }

    static SurfaceLibrary* library_;
    CanvasDC canvas_;
};

SurfaceLibrary* BaselinePixelsTest::library_ = nullptr;

TEST_F(BaselinePixelsTest, RectanglesAreTheSurfacesBandsAndOutlines) {
    const std::vector<POINT> box = {{30, 40}, {210, 180}};
    ExpectSamePixels({
        {"thin pen", kRectangle, PS_SOLID, 0, 0, box},
        {"thin pen, filled", kRectangle, PS_SOLID, 0, 1, box},
        {"2 units", kRectangle, PS_SOLID, 2, 0, box},
        {"3 units, filled", kRectangle, PS_SOLID, 3, 1, box},
        {"4 units", kRectangle, PS_SOLID, 4, 1, box},
        {"6 units (5 pixels, odd)", kRectangle, PS_SOLID, 6, 0, box},
        {"12 units, filled", kRectangle, PS_SOLID, 12, 1, box},
        {"corners reversed", kRectangle, PS_SOLID, 4, 1, {{210, 180}, {30, 40}}},
        {"other diagonal", kRectangle, PS_SOLID, 3, 1, {{210, 40}, {30, 180}}},
        {"pen wider than the box", kRectangle, PS_SOLID, 12, 1, {{100, 100}, {104, 160}}},
        {"one pixel tall", kRectangle, PS_SOLID, 0, 1, {{30, 100}, {210, 101}}},
        {"no area", kRectangle, PS_SOLID, 4, 1, {{100, 40}, {100, 180}}, true},
        {"dashes", kRectangle, PS_DASH, 0, 0, box},
        {"dashes, filled", kRectangle, PS_DASH, 0, 1, box},
        {"dots", kRectangle, PS_DOT, 1, 1, box},
        {"dash dot", kRectangle, PS_DASHDOT, 0, 0, box},
        {"dash dot dot, filled", kRectangle, PS_DASHDOTDOT, 0, 1, box},
        {"dashed but wide: solid", kRectangle, PS_DASH, 3, 1, box},
        {"dashed, a pixel across", kRectangle, PS_DOT, 0, 1, {{30, 100}, {210, 102}}},
    });
}

TEST_F(BaselinePixelsTest, LinesAreSpansOrTheSameStroke) {
    ExpectSamePixels({
        {"rightwards", kLine, PS_SOLID, 0, 0, {{20, 100}, {220, 100}}},
        {"leftwards", kLine, PS_SOLID, 0, 0, {{220, 100}, {20, 100}}},
        {"downwards", kLine, PS_SOLID, 1, 0, {{100, 20}, {100, 220}}},
        {"upwards", kLine, PS_SOLID, 0, 0, {{100, 220}, {100, 20}}},
        {"two units long", kLine, PS_SOLID, 0, 0, {{100, 100}, {102, 100}}},
        {"no length", kLine, PS_SOLID, 0, 0, {{100, 100}, {100, 100}}, true},
        {"diagonal", kLine, PS_SOLID, 0, 0, {{20, 30}, {210, 200}}},
        {"steep, backwards", kLine, PS_SOLID, 0, 0, {{150, 220}, {120, 20}}},
        {"dashed horizontal", kLine, PS_DASH, 0, 0, {{20, 100}, {220, 100}}},
        {"dotted vertical", kLine, PS_DOT, 0, 0, {{100, 220}, {100, 20}}},
        {"dash dot diagonal", kLine, PS_DASHDOT, 0, 0, {{20, 200}, {220, 40}}},
        {"wide horizontal", kLine, PS_SOLID, 3, 0, {{20, 100}, {220, 100}}},
        {"wide diagonal", kLine, PS_SOLID, 6, 0, {{30, 30}, {200, 190}}},
        {"wide dashed: solid", kLine, PS_DASHDOTDOT, 4, 0, {{30, 200}, {200, 60}}},
    });
}

TEST_F(BaselinePixelsTest, PolygonsAndTextsAreTheSameCalls) {
    const std::vector<POINT> triangle = {{20, 200}, {120, 20}, {220, 190}};
    const std::vector<POINT> star = {{120, 20}, {180, 210}, {20, 90}, {220, 90}, {60, 210}};
    ExpectSamePixels({
        {"thin triangle", kPolygon, PS_SOLID, 0, 0, triangle},
        {"filled triangle", kPolygon, PS_SOLID, 1, 1, triangle},
        {"wide filled triangle", kPolygon, PS_SOLID, 4, 1, triangle},
        {"crossing star, filled alternately", kPolygon, PS_SOLID, 0, 1, star},
        {"wide star", kPolygon, PS_SOLID, 6, 1, star},
        {"dotted star", kPolygon, PS_DOT, 0, 1, star},
        {"Memo", kText, PS_SOLID, 0, 0, {{20, 120}}},
        {"Kitchen", kText, PS_DASH, 3, 1, {{10, 200}}},
    });
}

TEST_F(BaselinePixelsTest, APageWithoutEllipsesIsTheSame) {
    std::vector<PageFigure> figures = MakePage(400, 7);
    std::erase_if(figures, [](const PageFigure& f) { return f.kind == 4; });
    EXPECT_EQ(CountMismatches(SurfaceDrawing(figures), QtDrawing(figures)), 0);
}

TEST_F(BaselinePixelsTest, BackgroundIsTheSame) {
    PaintPageBackground(library_->surface());
    const QImage surface = SurfaceImage(canvas_);
    QtCanvas qt;
    PaintQtBackground(qt.painter());
    EXPECT_EQ(CountMismatches(surface, qt.Finish()), 0);
    // The sheet covers the canvas: not two blank images agreeing.
    EXPECT_EQ(CountMismatches(surface, QtCanvas().Finish()), kCanvasWidth * kCanvasHeight);
}

}  // namespace
