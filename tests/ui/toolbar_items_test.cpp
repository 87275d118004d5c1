// The owner-drawn items of the toolbar's boxes as their lists show them:
// lines of each width and style, colour patches with and without an
// outline, "NONE" in the fill box, and the tool icons beside a blank entry.
#include <algorithm>
#include <vector>

#include "main_window_fixture.h"
#include "toolbar_values.h"

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kHandleRed = RGB(200, 0, 0);  // the tool icons' handles
// What the grab leaves alone; no COLORREF has a high byte.
constexpr COLORREF kUnwritten = 0xFF000000;
constexpr int kItemRows = 40;

class ToolbarItemsTest : public MainWindowTest {
protected:
    std::vector<COLORREF> Grab(int boxId, int index) {
        HWND box = GetDlgItem(window, boxId);
        RECT client{};
        GetClientRect(box, &client);
        std::vector<COLORREF> pixels(static_cast<size_t>(client.right) * kItemRows, kUnwritten);
        EXPECT_GT(TestGrabComboItem(box, index, pixels.data(), client.right, kItemRows), 0)
            << boxId << " item " << index;
        return pixels;
    }

    int Count(int boxId, int index, COLORREF colour) {
        int count = 0;
        for (COLORREF pixel : Grab(boxId, index)) count += pixel == colour;
        return count;
    }

    int CountDark(int boxId, int index) {
        int count = 0;
        for (COLORREF pixel : Grab(boxId, index)) {
            count += pixel != kUnwritten && GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 200;
        }
        return count;
    }
};

TEST_F(ToolbarItemsTest, WidthItemsGrowWithTheTableAndStylesBreakTheLine) {
    int previous = 0;
    for (int index = 0; index < EntryCount(kLineWidths); ++index) {
        const int black = Count(IDC_LINE_WIDTH, index, kBlack);
        EXPECT_GT(black, previous) << "width item " << index;
        previous = black;
    }
    const int solid = Count(IDC_LINE_STYLE, 0, kBlack);
    const int dotted = Count(IDC_LINE_STYLE, 2, kBlack);
    EXPECT_GT(dotted, 0);
    EXPECT_GT(solid, dotted);
}

// The closed box shows the item of its selection.
TEST_F(ToolbarItemsTest, TheClosedBoxShowsItsSelection) {
    HWND box = GetDlgItem(window, IDC_LINE_COLOUR);
    RECT client{};
    GetClientRect(box, &client);
    auto redOnFace = [&](int entry) {
        Select(IDC_LINE_COLOUR, entry);
        TestProcessEvents();
        std::vector<COLORREF> pixels(static_cast<size_t>(client.right) * client.bottom);
        EXPECT_GT(TestGrabWindow(box, pixels.data(), client.right, client.bottom), 0);
        return std::count(pixels.begin(), pixels.end(), kColours[1]);
    };
    EXPECT_EQ(redOnFace(0), 0);
    EXPECT_GT(redOnFace(1), 40);
}

TEST_F(ToolbarItemsTest, ColourItemsArePatchesOnlyTheFillBoxOutlines) {
    struct Case {
        int box;
        int index;
        COLORREF patch;
        bool outlined;
    } cases[] = {
        {IDC_LINE_COLOUR, 1, kColours[1], false},    // red, no pen
        {IDC_LINE_COLOUR, 12, kColours[12], false},  // purple, the last line colour
        {IDC_FILL_COLOUR, 2, kColours[1], true},     // red, in the DC's own pen
        {IDC_FILL_COLOUR, 15, kColours[14], true},   // light grey, fill only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.box << " item " << c.index);
        EXPECT_GT(Count(c.box, c.index, c.patch), 40);
        EXPECT_EQ(Count(c.box, c.index, kBlack) > 0, c.outlined);
    }
}

TEST_F(ToolbarItemsTest, NoFillIsWrittenAndTheNoToolEntryIsBlank) {
    // Both first entries, so both have the same background.
    EXPECT_GT(CountDark(IDC_FILL_COLOUR, 0), CountDark(IDC_TOOL, 0) + 5);
    EXPECT_EQ(Count(IDC_TOOL, 0, kHandleRed), 0);
    for (int entry = 1; entry < kToolEntryCount; ++entry) {
        EXPECT_GT(Count(IDC_TOOL, entry, kHandleRed), 4) << "tool entry " << entry;
    }
}

}  // namespace
