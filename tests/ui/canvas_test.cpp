// The canvas: the ruled sheet as it shows at the top and scrolled to the
// bottom, figures drawn with the mouse stored on the current page and shown
// in the toolbar's settings, and a canvas squeezed to nothing.
#include <vector>

#include "main_window_fixture.h"
#include "toolbar_values.h"

namespace {

constexpr COLORREF kSheet = 0xE6FFFF;
constexpr COLORREF kRule = 0xFFE6E6;
constexpr COLORREF kMargin = 0xC8C8FF;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kLineRed = kColours[1];
constexpr COLORREF kFillGreen = kColours[2];

// A figure's six drawing settings, in SetAttributes' order.
struct Attributes {
    COLORREF colour;
    int penStyle, penWidth;
    COLORREF fillColour;
    int fillOn, fontHeight;
    bool operator==(const Attributes&) const = default;
};

class CanvasTest : public MainWindowTest {
protected:
    Attributes LastFigure() {
        Attributes made{};
        auto* figure = static_cast<DrawObject*>(app.pageObjects->Last());
        if (figure == nullptr) return made;
        figure->GetAttributes(&made.colour, &made.penStyle, &made.penWidth, &made.fillColour,
                              &made.fillOn, &made.fontHeight);
        return made;
    }
};

TEST_F(CanvasTest, ShowsTheRuledSheetWithItsMarginAndGreyBelowIt) {
    ASSERT_GT(CanvasClient().bottom, Pixels(600) + 12) << "the canvas is too short for the grey";
    const int between = Pixels(20);  // halfway between two rules
    EXPECT_EQ(PixelAt(between, between), kSheet);
    EXPECT_EQ(PixelAt(0, between), RGB(0, 0, 0));                  // the sheet's edge
    EXPECT_TRUE(ColourNear(between, Pixels(40), kRule));            // first horizontal rule
    EXPECT_TRUE(ColourNear(Pixels(40), between, kRule));            // first vertical rule
    EXPECT_TRUE(ColourNear(Pixels(1759), between, kMargin));        // the margin line
    EXPECT_NE(PixelAt(between, CanvasClient().bottom - 2), kGrey);  // the sheet goes on

    // Scrolled to the end, the sheet stops 60 mm below the top.
    for (int step = 0; step < 20; ++step) Command(ID_SCROLL_DOWN);
    Paint();
    EXPECT_EQ(PixelAt(between, Pixels(600) - 6), kSheet);
    EXPECT_EQ(PixelAt(between, Pixels(600) + 6), kGrey);
    // Drawn without a pen, the grey stops one pixel short of the last row.
    EXPECT_EQ(PixelAt(between, CanvasClient().bottom - 2), kGrey);
}

// One figure drawn with the mouse: the tool's entry, the canvas points of
// its clicks (a right click closes a polygon), its kind, and where its
// outline and its fill must show.
struct Drawing {
    const char* name;
    int toolEntry;
    std::vector<POINT> clicks;
    bool closeWithRightClick;
    int kind;
    POINT outline;  // {-1, -1}: nothing to see (a text of one blank)
    POINT inside;   // {-1, -1}: nothing filled
};

const Drawing kDrawings[] = {
    {"line", 1, {{100, 100}, {300, 100}}, false, 1, {200, 100}, {-1, -1}},
    {"rectangle", 2, {{100, 100}, {300, 200}}, false, 6, {200, 100}, {200, 150}},
    {"ellipse", 3, {{200, 150}, {300, 200}}, false, 4, {200, 100}, {200, 150}},
    {"text", 4, {{100, 100}}, false, 7, {-1, -1}, {-1, -1}},
    {"polygon", 5, {{100, 100}, {300, 100}, {200, 250}}, true, 3, {200, 100}, {200, 150}},
};

TEST_F(CanvasTest, EachFigureDrawnWithTheMouseIsStoredAndShownInTheToolbarsSettings) {
    Select(IDC_LINE_COLOUR, 1);  // red
    Select(IDC_FILL_COLOUR, 3);  // green
    for (const Drawing& drawing : kDrawings) {
        SCOPED_TRACE(drawing.name);
        Command(ID_NEXT_PAGE);
        ChooseTool(drawing.toolEntry);
        for (const POINT& point : drawing.clicks) {
            Mouse(WM_MOUSEMOVE, point.x, point.y);
            Click(point.x, point.y);
        }
        if (drawing.closeWithRightClick) Mouse(WM_RBUTTONDOWN, 10, 10);
        Paint();

        const std::string page = std::to_string(app.currentPage);
        EXPECT_EQ(FileColumn(("SELECT objType FROM Objects WHERE pageNumber = " + page).c_str()),
                  std::vector<std::string>{std::to_string(drawing.kind)});
        if (drawing.outline.x >= 0) {
            EXPECT_TRUE(ColourNear(drawing.outline.x, drawing.outline.y, kLineRed));
        }
        if (drawing.inside.x >= 0) {
            EXPECT_EQ(PixelAt(drawing.inside.x, drawing.inside.y), kFillGreen);
        }
    }
}

// Every figure takes the toolbar's settings at the moment it is made.
TEST_F(CanvasTest, FiguresTakeTheToolbarsSettings) {
    struct Case {
        int box, entry;
        Attributes expected;
    } cases[] = {
        {IDC_FONT_SIZE, 0, {0x000000, PS_SOLID, 1, 0, 0, 28}},  // 8 points: 2.8 mm
        {IDC_FONT_SIZE, 1, {0x000000, PS_SOLID, 1, 0, 0, 35}},  // 35.28 truncated
        {IDC_FONT_SIZE, 4, {0x000000, PS_SOLID, 1, 0, 0, 56}},
        {IDC_FONT_SIZE, 6, {0x000000, PS_SOLID, 1, 0, 0, 70}},  // 20 points
        {IDC_LINE_WIDTH, 4, {0x000000, PS_SOLID, 6, 0, 0, 28}},  // there is no 5
        {IDC_LINE_STYLE, 4, {0x000000, PS_DASHDOTDOT, 1, 0, 0, 28}},
        {IDC_LINE_COLOUR, 12, {0xA400A4, PS_SOLID, 1, 0, 0, 28}},
        {IDC_FILL_COLOUR, 1, {0x000000, PS_SOLID, 1, 0x000000, 1, 28}},  // filled black
        {IDC_FILL_COLOUR, 15, {0x000000, PS_SOLID, 1, 0xC4C4C4, 1, 28}},
    };
    ChooseTool(4);
    for (const Case& c : cases) {
        Select(c.box, c.entry);
        Click(100, 100);
        Select(c.box, 0);
        EXPECT_TRUE(LastFigure() == c.expected) << c.box << " entry " << c.entry;
    }
}

TEST_F(CanvasTest, TempMakesTemporaryLinesWithAOnePixelPen) {
    Select(IDC_LINE_WIDTH, 4);  // 6 units, which Temp overrides
    SendDlgItemMessageA(window, IDC_TEMPORARY, BM_SETCHECK, BST_CHECKED, 0);
    ChooseTool(1);
    Click(100, 100);
    Click(300, 100);
    EXPECT_EQ(FileColumn("SELECT objType FROM Objects"), std::vector<std::string>{"8"});
    EXPECT_EQ(LastFigure().penWidth, 0);
}

TEST_F(CanvasTest, TheEmptyToolEntryKeepsTheShapeUnderWay) {
    Select(IDC_LINE_COLOUR, 1);
    ChooseTool(1);
    Click(100, 100);
    ChooseTool(0);
    Click(150, 300);  // no tool: nothing happens
    ChooseTool(1);
    Click(300, 100);  // the line goes on from its first click
    Paint();
    EXPECT_EQ(FileColumn("SELECT objType FROM Objects"), std::vector<std::string>{"1"});
    EXPECT_TRUE(ColourNear(110, 100, kLineRed));
    EXPECT_TRUE(ColourNear(290, 100, kLineRed));
}

// A window made smaller than the canvas's margins leaves an empty canvas,
// and painting and the mouse on it still map through a usable scale.
TEST_F(CanvasTest, ASqueezedCanvasHasNoNegativeSizeAndStillMaps) {
    ChooseTool(1);
    for (POINT size : {POINT{5, 10}, POINT{0, 0}, POINT{8, 20}}) {
        Resize(size.x, size.y);
        RECT client = CanvasClient();
        EXPECT_EQ(client.right, 0) << size.x;
        EXPECT_EQ(client.bottom, 0) << size.y;
        Paint();
        Mouse(WM_MOUSEMOVE, 3, 3);

        HDC dc = GetDC(canvas);
        PrepareDC(canvas, dc, 1);
        POINT ends[] = {{0, 0}, {kPageWidth, -kPageWidth}};
        EXPECT_TRUE(LPtoDP(dc, ends, 2));
        EXPECT_EQ(ends[1].x, 1);  // a width of one pixel
        EXPECT_EQ(ends[1].y, 1);
        FinishDC(1);
        ReleaseDC(canvas, dc);
    }
    Click(0, 0);
    Click(1, 1);  // a line in the one-pixel mapping
    EXPECT_EQ(FileColumn("SELECT objType FROM Objects"), std::vector<std::string>{"1"});
}

}  // namespace
