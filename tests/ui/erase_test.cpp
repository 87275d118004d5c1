// Erasing with the mouse on the real main window: E, then a left click
// removes the topmost figure the canvas shows within three pixels of it,
// a filled shape anywhere inside, a text anywhere in its box. The clicks
// are aimed by what is on the screen, at two widths of the canvas.
#include <vector>

#include "erasing.h"
#include "main_window_fixture.h"

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kSheet = 0xE6FFFF;

FigureRecipe Line(POINT from, POINT to, int width, int style = PS_SOLID, int kind = 1) {
    return {.kind = kind, .points = {from, to}, .text = nullptr, .penStyle = style, .penWidth = width};
}

FigureRecipe Shape(int kind, std::vector<POINT> points, bool filled, COLORREF fill = kGreen,
                   COLORREF colour = kRed) {
    return {.kind = kind, .points = std::move(points), .text = nullptr, .colour = colour, .penWidth = 0,
            .fillColour = fill, .fillOn = filled ? 1 : 0};
}

FigureRecipe Text(POINT anchor, const char* text, int height) {
    return {.kind = 7, .points = {anchor}, .text = text, .penWidth = 0, .fontHeight = height};
}

// Where a click goes: at a page point; `back` pixels short of the first
// pixel of the colour sought, walking from a page point one pixel a step;
// or in the middle of a gap of a dashed line through a page point.
enum class Aim { At, Beside, InGap };

struct Target {
    Aim aim;
    POINT page;
    COLORREF seek = kRed;
    int dx = 0, dy = 0;
    int back = 0;
};

Target At(POINT page) { return {Aim::At, page}; }
Target Beside(POINT from, int dx, int dy, int back, COLORREF seek = kRed) {
    return {Aim::Beside, from, seek, dx, dy, back};
}
Target InGap(POINT through) { return {Aim::InGap, through}; }

struct HitCase {
    const char* name;
    std::vector<FigureRecipe> figures;  // in drawing order
    Target target;
    int erased;  // the figure that goes, -1 for none
};

// A line across the page at y = -600 and the shapes around (900, -800).
const HitCase kHitCases[] = {
    {"thin line, 2 px away", {Line({300, -600}, {1500, -600}, 0)}, Beside({900, -700}, 0, -1, 2), 0},
    {"thin line, 5 px away", {Line({300, -600}, {1500, -600}, 0)}, Beside({900, -700}, 0, -1, 5), -1},
    {"wide line, 2 px off its edge", {Line({300, -600}, {1500, -600}, 80)}, Beside({900, -800}, 0, -1, 2), 0},
    {"wide line, 5 px off its edge", {Line({300, -600}, {1500, -600}, 80)}, Beside({900, -800}, 0, -1, 5), -1},
    {"dashed line, in a gap", {Line({300, -600}, {1500, -600}, 0, PS_DASH)}, InGap({400, -600}), 0},
    {"dotted line, 5 px away", {Line({300, -600}, {1500, -600}, 0, PS_DOT)}, Beside({900, -700}, 0, -1, 5), -1},
    {"temporary line, 2 px away", {Line({300, -600}, {1500, -600}, 80, PS_SOLID, 8)},
     Beside({900, -700}, 0, -1, 2), 0},
    {"temporary line, drawn thin whatever its width, 5 px away",
     {Line({300, -600}, {1500, -600}, 80, PS_SOLID, 8)}, Beside({900, -700}, 0, -1, 5), -1},
    {"hollow rectangle, inside", {Shape(6, {{300, -300}, {1500, -1300}}, false)}, At({900, -800}), -1},
    {"hollow rectangle, 2 px inside its edge", {Shape(6, {{300, -300}, {1500, -1300}}, false)},
     Beside({900, -800}, 0, -1, 2), 0},
    {"filled rectangle, inside", {Shape(6, {{300, -300}, {1500, -1300}}, true)}, At({900, -800}), 0},
    {"hollow ellipse, centre", {Shape(4, {{900, -800}, {500, 400}}, false)}, At({900, -800}), -1},
    {"filled ellipse, centre", {Shape(4, {{900, -800}, {500, 400}}, true)}, At({900, -800}), 0},
    {"ellipse, 2 px outside", {Shape(4, {{900, -800}, {500, 400}}, false)}, Beside({900, -250}, 0, 1, 2), 0},
    {"ellipse, 5 px outside", {Shape(4, {{900, -800}, {500, 400}}, false)}, Beside({900, -250}, 0, 1, 5), -1},
    {"hollow polygon, inside", {Shape(3, {{300, -1300}, {1500, -1300}, {900, -300}}, false)}, At({900, -1000}), -1},
    {"filled polygon, inside", {Shape(3, {{300, -1300}, {1500, -1300}, {900, -300}}, true)}, At({900, -1000}), 0},
    {"text, in its box away from its letters", {Text({600, -1000}, ". .", 200)}, At({650, -900}), 0},
    {"text, above its box", {Text({600, -1000}, ". .", 200)}, At({650, -600}), -1},
    {"text, right of its box", {Text({600, -1000}, ". .", 200)}, At({900, -900}), -1},
    {"overlapping filled rectangles, where both are",
     {Shape(6, {{300, -300}, {1100, -1100}}, true), Shape(6, {{700, -700}, {1500, -1500}}, true, kBlue)},
     At({900, -900}), 1},
    {"overlapping filled rectangles, where only the lower one is",
     {Shape(6, {{300, -300}, {1100, -1100}}, true), Shape(6, {{700, -700}, {1500, -1500}}, true, kBlue)},
     At({500, -500}), 0},
    {"a line over a filled rectangle, 2 px from the line",
     {Shape(6, {{300, -300}, {1500, -1300}}, true, kGreen, kBlue), Line({300, -800}, {1500, -800}, 0)},
     Beside({900, -900}, 0, -1, 2), 1},
    {"a line under a filled rectangle, right on it",
     {Line({300, -800}, {1500, -800}, 0), Shape(6, {{300, -300}, {1500, -1300}}, true, kGreen, kBlue)},
     At({900, -800}), 1},
    {"two identical lines: the upper one",
     {Line({300, -600}, {1500, -600}, 0), Line({300, -600}, {1500, -600}, 0)}, Beside({900, -700}, 0, -1, 2), 1},
};

class EraseTest : public MainWindowTest {
protected:
    // The click a target asks for; {-1, -1} when what it seeks is not there.
    POINT Aimed(const Target& target) {
        const POINT start = OnCanvas(target.page);
        if (target.aim == Aim::At) return start;
        if (target.aim == Aim::InGap) return GapThrough(start, target.seek);
        // A dotted line may have a gap where the walk crosses it: the next
        // walks start a pixel aside.
        for (int aside = 0; aside < 6; ++aside) {
            POINT at{start.x + aside * target.dy * target.dy, start.y + aside * target.dx * target.dx};
            for (int step = 0; step < 300; ++step, at.x += target.dx, at.y += target.dy) {
                if (PixelAt(at.x, at.y) == target.seek) {
                    return {at.x - target.back * target.dx, at.y - target.back * target.dy};
                }
            }
        }
        return {-1, -1};
    }

    // The middle of the first gap after a dash of a line running along a
    // row within two pixels of `start`.
    POINT GapThrough(POINT start, COLORREF colour) {
        for (int y = start.y - 2; y <= start.y + 2; ++y) {
            int x = start.x;
            while (x < start.x + 60 && PixelAt(x, y) != colour) ++x;
            if (x == start.x + 60) continue;
            while (x < start.x + 120 && PixelAt(x, y) == colour) ++x;
            const int gap = x;
            while (x < gap + 20 && PixelAt(x, y) != colour) ++x;
            if (x > gap && x < gap + 20) return {(gap + x - 1) / 2, y};
        }
        return {-1, -1};
    }

    std::vector<std::string> PageRowids() {
        return FileColumn(
            ("SELECT rowid FROM Objects WHERE pageNumber = " + std::to_string(app.currentPage) + " ORDER BY rowid")
                .c_str());
    }

    // Runs with the canvas this wide, the window big enough to hold it.
    void WithCanvasWidth(int clientWidth) {
        MoveWindow(window, 0, 0, clientWidth + 64, kClientHeight + 96, TRUE);
        TestProcessEvents();
        Resize(clientWidth, kClientHeight);
        Paint();
    }

    std::string Caption() {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof(text));
        return text;
    }
};

TEST_F(EraseTest, AClickErasesTheTopmostFigureDrawnNearIt) {
    for (int width : {648, 420}) {
        WithCanvasWidth(width);
        for (const HitCase& hit : kHitCases) {
            SCOPED_TRACE(std::string(hit.name) + " at width " + std::to_string(width));
            Command(ID_NEXT_PAGE);
            for (const FigureRecipe& figure : hit.figures) Finish(figure);
            Paint();
            std::vector<std::string> rows = PageRowids();
            ASSERT_EQ(rows.size(), hit.figures.size());
            const POINT click = Aimed(hit.target);
            ASSERT_GE(click.x, 0) << "nothing to aim at";
            Command(ID_ERASE);
            Click(click.x, click.y);
            if (hit.erased >= 0) rows.erase(rows.begin() + hit.erased);
            EXPECT_EQ(PageRowids(), rows);
            EXPECT_EQ(ListTexts().size(), rows.size());
        }
    }
}

// E is a key of the key table: it acts whichever control has the focus.
// It drops the tool with its shape under way, as Esc does, and leaves the
// caption and the page box alone; any way of choosing a tool ends it.
TEST_F(EraseTest, EStartsErasingAndEveryToolChoiceEndsIt) {
    AnswerModals([](const ModalRequest&) { return IDCANCEL; });
    struct Case {
        const char* name;
        std::function<void()> leave;
        int entry;
        const char* tool;
    } cases[] = {
        {"Esc", [&] { Command(ID_NO_TOOL); }, 0, "(none)"},
        {"Ctrl+1", [&] { Command(ID_LINE_TOOL); }, 1, "Line Tool"},
        {"Ctrl+5", [&] { Command(ID_POLYGON_TOOL); }, 5, "Polygon Tool"},
        {"T", [&] { Command(ID_ENTER_TEXT); }, 4, "Text Tool"},
        {"the Tool box", [&] { ChooseTool(2); }, 2, "Retangle Tool"},  // the tool's own name
    };
    const std::string caption = Caption(), page = PageNumberBox();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Command(ID_LINE_TOOL);
        Click(100, 100);  // a line under way
        PressInLoop(IDC_FONT_SIZE, 'E', 0);
        EXPECT_TRUE(IsErasing());
        EXPECT_EQ(app.currentTool, nullptr);
        EXPECT_EQ(Selection(IDC_TOOL), 0);
        EXPECT_EQ(Caption(), caption);
        EXPECT_EQ(PageNumberBox(), page);
        c.leave();
        EXPECT_FALSE(IsErasing());
        EXPECT_EQ(Selection(IDC_TOOL), c.entry);
        EXPECT_STREQ(CurrentToolName(), c.tool);
    }
    Command(ID_LINE_TOOL);
    Click(200, 200);  // the line was dropped by E: this only anchors a new one
    EXPECT_TRUE(FileColumn("SELECT rowid FROM Objects").empty());
}

TEST_F(EraseTest, TheCanvasShowsTheEraserWhileErasing) {
    HINSTANCE program = GetModuleHandleA(nullptr);
    canvasCursor = LoadCursorA(program, MAKEINTRESOURCEA(IDR_CANVAS_CURSOR));
    eraserCursor = LoadCursorA(program, MAKEINTRESOURCEA(IDR_ERASER_CURSOR));
    ASSERT_NE(eraserCursor, nullptr);
    const auto shown = [&] {
        SendMessageA(canvas, WM_SETCURSOR, reinterpret_cast<WPARAM>(canvas), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return SetCursor(nullptr);
    };
    Command(ID_ERASE);
    EXPECT_EQ(shown(), eraserCursor);
    Command(ID_NO_TOOL);
    EXPECT_EQ(shown(), canvasCursor);
    for (HCURSOR* cursor : {&canvasCursor, &eraserCursor}) {
        DestroyCursor(*cursor);
        *cursor = nullptr;
    }
}

// What an erase changes is drawn once; a click that hits nothing changes
// nothing, not even the screen.
TEST_F(EraseTest, AnEraseRepaintsOnceAndAMissDoesNothing) {
    Command(ID_NEXT_PAGE);
    Finish(Shape(6, {{300, -300}, {900, -900}}, true));
    Paint();
    Command(ID_ERASE);
    const POINT inside = OnCanvas({600, -600}), beyond = OnCanvas({1500, -1200});
    EXPECT_FALSE(Repaints([&] { Click(beyond.x, beyond.y); }));
    EXPECT_EQ(PageRowids().size(), 1u);

    struct Paints {
        HWND canvas;
        int count = 0;
    } paints{canvas};
    SetPaintObserver([](HWND painted, void* context) {
        auto* seen = static_cast<Paints*>(context);
        if (painted == seen->canvas) ++seen->count;
    }, &paints);
    EXPECT_EQ(PixelAt(inside.x, inside.y), kGreen);
    Click(inside.x, inside.y);
    TestProcessEvents();
    TestProcessEvents();
    SetPaintObserver(nullptr, nullptr);
    EXPECT_EQ(paints.count, 1);
    EXPECT_TRUE(PageRowids().empty());
    EXPECT_NE(PixelAt(inside.x, inside.y), kGreen);
}

// Undo puts an erased figure back where it was in the drawing order: under
// the figures drawn after it, as before; redo erases it again.
TEST_F(EraseTest, UndoPutsTheFigureBackUnderTheLaterOnes) {
    Command(ID_NEXT_PAGE);
    Finish(Shape(6, {{300, -300}, {1100, -1100}}, true, kGreen));
    Finish(Shape(6, {{700, -700}, {1500, -1300}}, true, kBlue));
    Paint();
    const POINT onlyLower = OnCanvas({500, -500}), both = OnCanvas({900, -900});
    Command(ID_ERASE);
    Click(onlyLower.x, onlyLower.y);
    Paint();
    EXPECT_EQ(PixelAt(onlyLower.x, onlyLower.y), kSheet);
    Command(ID_UNDO);
    Paint();
    EXPECT_EQ(PixelAt(onlyLower.x, onlyLower.y), kGreen);
    EXPECT_EQ(PixelAt(both.x, both.y), kBlue) << "back under the later figure";
    Command(ID_REDO);
    Paint();
    EXPECT_EQ(PixelAt(onlyLower.x, onlyLower.y), kSheet);
    EXPECT_EQ(PageRowids().size(), 1u);
    EXPECT_TRUE(IsErasing()) << "undo and redo leave erasing on";
}

}  // namespace
