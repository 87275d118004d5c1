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
constexpr COLORREF kUnwritten = 0xFF000000;      // no COLORREF has a high byte

class ToolbarItemsTest : public MainWindowTest {
protected:
    // One list item (or with index -1 the closed box) as shown.
    std::vector<COLORREF> Grab(int boxId, int index) {
        HWND box = GetDlgItem(window, boxId);
        RECT client{};
        GetClientRect(box, &client);
        const int rows = std::max<LONG>(client.bottom, 40);
        std::vector<COLORREF> pixels(static_cast<size_t>(client.right) * rows, kUnwritten);
        const int written = index < 0 ? TestGrabWindow(box, pixels.data(), client.right, rows)
                                      : TestGrabComboItem(box, index, pixels.data(), client.right, rows);
        EXPECT_GT(written, 0) << boxId << " item " << index;
        return pixels;
    }

    int Count(int boxId, int index, COLORREF colour) {
        const std::vector<COLORREF> pixels = Grab(boxId, index);
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }

    int CountDark(int boxId, int index) {
        const std::vector<COLORREF> pixels = Grab(boxId, index);
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](COLORREF pixel) {
            return pixel != kUnwritten && GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 200;
        }));
    }
};

TEST_F(ToolbarItemsTest, WidthItemsGrowWithTheTableAndStylesBreakTheLine) {
    int previous = 0;
    for (int index = 0; index < EntryCount(kLineWidths); ++index) {
        const int black = Count(IDC_LINE_WIDTH, index, kBlack);
        EXPECT_GT(black, previous) << "width item " << index;
        previous = black;
    }
    const int dotted = Count(IDC_LINE_STYLE, 2, kBlack);
    EXPECT_GT(dotted, 0);
    EXPECT_GT(Count(IDC_LINE_STYLE, 0, kBlack), dotted);
}

TEST_F(ToolbarItemsTest, ColourItemsArePatchesOnlyTheFillBoxOutlines) {
    struct Case {
        int box, index;
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
    // The closed box shows its selection.
    EXPECT_EQ(Count(IDC_LINE_COLOUR, -1, kColours[1]), 0);
    Select(IDC_LINE_COLOUR, 1);
    TestProcessEvents();
    EXPECT_GT(Count(IDC_LINE_COLOUR, -1, kColours[1]), 40);
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
