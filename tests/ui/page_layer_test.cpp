// The canvas's page layer: whatever was drawn, scrolled and shown on the
// way, the canvas shows exactly the pixels of a whole paint of the page as
// stored, and a layer is patched only by a finished figure, built anew once
// for everything else that changes the page.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "page_layer.h"
#include "toolbar_values.h"

namespace {

using Screen = std::vector<COLORREF>;

class PageLayerTest : public MainWindowTest {
protected:
    // The window and its canvas at another size; the window keeps room for
    // the whole canvas.
    void Size(int width, int height) {
        MoveWindow(window, 0, 0, width + 64, height + 96, TRUE);
        TestProcessEvents();
        Resize(width, height);
    }

    // The canvas painted, and the next scroll position prepared as the
    // program's loop does when nothing waits.
    Screen Shown() {
        Paint();
        TestProcessEvents();
        CanvasLayer().PrepareAhead(canvas);
        const RECT client = CanvasClient();
        Screen pixels(static_cast<std::size_t>(client.right * client.bottom));
        EXPECT_EQ(TestGrabWindow(canvas, pixels.data(), client.right, client.bottom), client.right * client.bottom);
        return pixels;
    }

    // A whole paint of the page read again from the file, every figure
    // drawn, onto fresh pixels of the canvas's size: what a canvas without a
    // layer would show.
    Screen WholePaintFromTheFile() {
        app.LoadPage(app.currentPage);
        const RECT client = CanvasClient();
        HDC screen = GetDC(canvas);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        HGDIOBJ first = SelectObject(dc, bitmap);
        HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        FillRect(dc, &client, face);
        DeleteObject(face);
        const int saved = SaveDC(dc);
        PrepareCanvasMapping(canvas, dc);
        DrawPage(canvas, dc, true);
        RestoreDC(dc, saved);
        Screen pixels;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(dc, x, y));
        }
        SelectObject(dc, first);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(canvas, screen);
        return pixels;
    }

    // Where the two differ first, for the failure message.
    std::string FirstDifference(const Screen& shown, const Screen& painted) {
        const int width = CanvasClient().right;
        for (std::size_t i = 0; i < shown.size() && i < painted.size(); ++i) {
            if (shown[i] == painted[i]) continue;
            return "at (" + std::to_string(static_cast<int>(i) % width) + ", " +
                   std::to_string(static_cast<int>(i) / width) + ")";
        }
        return shown.size() == painted.size() ? "none" : "in size";
    }

    // A figure of any kind, pen, colour, fill and size, some reaching past
    // the sheet's edges.
    FigureRecipe RandomFigure(std::mt19937& random) {
        auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
        static const int kinds[] = {1, 3, 4, 6, 7, 8};
        FigureRecipe recipe{kinds[pick(0, 5)], {}, nullptr};
        const int x = pick(-200, 2300), y = -pick(-200, 3000);
        recipe.points = {{x, y}, {x + pick(-400, 400), y + pick(-400, 400)}};
        if (recipe.kind == 3) recipe.points.push_back({x + pick(-300, 300), y + pick(-300, 300)});
        if (recipe.kind == 4) recipe.points[1] = {pick(0, 300), pick(0, 300)};  // the radii
        if (recipe.kind == 7) recipe.text = pick(0, 1) ? "Kitchen 4.2 m" : "'quote'; and more";
        recipe.colour = kColours[pick(0, kLineColourCount - 1)];
        recipe.penStyle = kPenStyles[pick(0, 4)];
        recipe.penWidth = pick(0, 1) ? 0 : kLineWidths[pick(0, 4)] * pick(1, 8);
        recipe.fillColour = kColours[pick(0, 14)];
        recipe.fillOn = pick(0, 1);
        recipe.fontHeight = FontHeightOfPoints(kFontPoints[pick(0, 6)]);
        return recipe;
    }

    // A line under way with its inverted shape on the canvas, taken off
    // again with Esc after a paint has drawn it once more.
    void ShowAndDropAShapeUnderWay() {
        Command(ID_LINE_TOOL);
        Click(50, 60);
        Mouse(WM_MOUSEMOVE, 300, 200);
        Paint();
        Command(ID_NO_TOOL);
    }
};

TEST_F(PageLayerTest, CanvasShowsExactlyAWholePaintOfTheStoredPage) {
    struct Case {
        int width, height;
        unsigned seed;
        int scrollSteps;  // End that many times, each shown, draw, then Home once
        bool keptAhead;   // whether both layers fit in the whole page's pixels
    } cases[] = {
        {648, 480, 1, 3, false},
        {901, 533, 2, 14, true},  // down to the page's lowest position and back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("canvas " + std::to_string(c.width) + " wide, seed " + std::to_string(c.seed));
        Size(c.width, c.height);
        for (int i = 0; i < 20; ++i) Command(ID_SCROLL_UP);  // from the page's top
        std::mt19937 random(c.seed);
        auto drawSome = [&](int count) {
            for (int i = 0; i < count; ++i) {
                Finish(RandomFigure(random));
                if (i % 7 == 3) Shown();  // some figures land on a layer already shown
                if (i % 11 == 5) ShowAndDropAShapeUnderWay();
                if (i % 9 == 8) Command(ID_UNDO);  // the newest figures go again, one
                if (i % 18 == 17) Command(ID_UNDO);  // or two at a time
                if (i % 27 == 26) {  // a figure on screen goes and comes back on top
                    const int top = app.originY;
                    Finish(FigureRecipe{1, {{200, top - 100}, {700, top - 300}}, nullptr});
                    Command(ID_UNDO);
                    Command(ID_REDO);
                }
            }
        };
        drawSome(40);
        Screen shown = Shown();
        EXPECT_EQ(shown, WholePaintFromTheFile()) << FirstDifference(shown, WholePaintFromTheFile());
        // Reading the page from the file builds the layer anew, so the
        // steps are each shown, and compared at the end.
        drawSome(5);
        const int builds = CanvasLayer().Builds();
        for (int i = 0; i < c.scrollSteps; ++i) {
            Command(ID_SCROLL_DOWN);
            Shown();
        }
        // The first key tells which way the user goes; the next position is
        // ready for every key after it.
        EXPECT_EQ(CanvasLayer().Builds() - builds, c.keptAhead ? 1 : c.scrollSteps);
        shown = Shown();
        EXPECT_EQ(shown, WholePaintFromTheFile()) << "scrolled down: " << FirstDifference(shown, WholePaintFromTheFile());
        // Once scrolling again, figures drawn land on the position kept
        // ahead too, and the next Home shows that one.
        drawSome(25);
        Command(ID_SCROLL_UP);
        drawSome(10);
        Command(ID_SCROLL_UP);
        drawSome(5);
        shown = Shown();
        EXPECT_EQ(shown, WholePaintFromTheFile()) << "scrolled up: " << FirstDifference(shown, WholePaintFromTheFile());
        AnswerModals([](const ModalRequest&) { return IDYES; });
        Command(ID_DELETE_PAGE);
        Command(ID_SCROLL_UP);
    }
}

// A finished figure patches the layer, and its undo puts back what lay under
// it; a scroll to the position prepared
// while the program waited, or back to the one left, swaps layers;
// everything else that changes the page builds it anew, once; a paint that
// changes nothing builds nothing.
TEST_F(PageLayerTest, OnlyAFinishedFigurePatchesTheLayer) {
    AnswerModals([](const ModalRequest&) { return IDYES; });
    const FigureRecipe line{1, {{100, -100}, {900, -700}}, nullptr};
    const FigureRecipe shortLine{1, {{100, -100}, {400, -300}}, nullptr};
    const FigureRecipe temporary{8, {{100, -900}, {900, -900}}, nullptr};
    struct Event {
        const char* name;
        std::function<void()> act;
        int builds;
    } events[] = {
        {"a short line", [&] { Finish(shortLine); }, 0},
        {"a temporary line", [&] { Finish(temporary); }, 0},
        {"its undo", [&] { Command(ID_UNDO); }, 0},
        {"the short line's undo too", [&] { Command(ID_UNDO); }, 0},
        {"a long line", [&] { Finish(line); }, 0},
        {"its undo, too big to have kept what lay under it", [&] { Command(ID_UNDO); }, 1},
        {"the long line again", [&] { Finish(line); }, 0},
        {"a short line erased right after it was drawn",
         [&] {
             const std::vector<std::string> figures = ListTexts();
             Finish(shortLine);
             Paint();
             Command(ID_ERASE);
             Click(104, 83);  // the middle of the short line, the long one 5 pixels below
             Command(ID_NO_TOOL);
             EXPECT_EQ(ListTexts(), figures);
         },
         0},
        {"a paint with no change", [&] { InvalidateRect(canvas, nullptr, TRUE); }, 0},
        {"Esc", [&] { Command(ID_NO_TOOL); }, 0},
        {"End, the first scroll", [&] { Command(ID_SCROLL_DOWN); }, 1},
        {"End after a pause", [&] { CanvasLayer().PrepareAhead(canvas), Command(ID_SCROLL_DOWN); }, 0},
        {"Home back", [&] { Command(ID_SCROLL_UP); }, 0},
        {"End twice without a pause", [&] { Command(ID_SCROLL_DOWN), Paint(), Command(ID_SCROLL_DOWN); }, 1},
        {"another size", [&] { Resize(kClientWidth - 40, kClientHeight - 30); }, 1},
        {"the erase undone: the short line back on top", [&] { Command(ID_UNDO); }, 0},
        {"the erase redone", [&] { Command(ID_REDO); }, 1},
        {"temporary lines deleted", [&] { Command(ID_DELETE_TEMPORARY); }, 1},
        {"next page", [&] { Command(ID_NEXT_PAGE); }, 1},
        {"previous page", [&] { Command(ID_PREVIOUS_PAGE); }, 1},
        {"one more figure", [&] { Finish(shortLine); }, 0},
        {"page deleted", [&] { Command(ID_DELETE_PAGE); }, 1},
        {"its deletion undone", [&] { Command(ID_UNDO); }, 1},
    };
    Size(900, 500);  // wide enough for the next scroll position to be kept
    const PageLayer& layer = CanvasLayer();
    Paint();
    for (const Event& event : events) {
        const int before = layer.Builds();
        event.act();
        Paint();
        EXPECT_EQ(layer.Builds() - before, event.builds) << event.name;
        EXPECT_TRUE(layer.IsCurrent(canvas)) << event.name;
    }
    EXPECT_EQ(Shown(), WholePaintFromTheFile());
}

}  // namespace
