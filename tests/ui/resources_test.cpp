// The pictures of the resource script, which are written by hand: the
// crosshair and the icon. And the window they describe: every control of
// the main window exists, laid out in one row above the canvas.
#include <cstdlib>
#include <cstring>
#include <string>

#include "main_window_fixture.h"
#include "resource_parts.h"

namespace {

char PixelOf(const PictureResource& picture, int x, int y) { return picture.rows[y][x]; }

TEST(ResourcesTest, CrosshairIsTwoInvertingLinesOpenAroundTheHotSpot) {
    const PictureResource& cursor = kCanvasCursor;
    ASSERT_EQ(cursor.width, 32);
    ASSERT_EQ(cursor.height, 32);
    EXPECT_EQ(cursor.hotSpotX, 15);
    EXPECT_EQ(cursor.hotSpotY, 15);
    for (int y = 0; y < 32; ++y) {
        ASSERT_EQ(std::strlen(cursor.rows[y]), 32u) << "row " << y;
        for (int x = 0; x < 32; ++x) {
            const bool onALine = x == 15 || y == 15;
            const bool inTheGap = std::abs(x - 15) <= 3 && std::abs(y - 15) <= 3;
            const char pixel = PixelOf(cursor, x, y);
            EXPECT_TRUE(pixel == 'x' || pixel == '.') << x << "," << y;
            if (!onALine || inTheGap) {
                EXPECT_EQ(pixel, '.') << x << "," << y;
            }
        }
    }
    // The lines reach out to the picture's edges on both sides.
    for (int far : {0, 11, 19, 30}) {
        EXPECT_EQ(PixelOf(cursor, 15, far), 'x') << far;
        EXPECT_EQ(PixelOf(cursor, far, 15), 'x') << far;
    }
}

TEST(ResourcesTest, EveryIconPixelHasAColour) {
    const PictureResource& icon = kProgramIcon;
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    std::string known = ".";
    for (const char* const* entry = icon.palette; *entry != nullptr; ++entry) {
        ASSERT_EQ(std::strlen(*entry), 8u) << *entry;  // "k RRGGBB"
        EXPECT_EQ(std::strspn(*entry + 2, "0123456789ABCDEF"), 6u) << *entry;
        known += (*entry)[0];
    }
    for (int y = 0; y < 32; ++y) {
        ASSERT_EQ(std::strlen(icon.rows[y]), 32u) << "row " << y;
        EXPECT_EQ(std::strspn(icon.rows[y], known.c_str()), 32u) << "row " << y;
    }
}

class MainWindowLayoutTest : public MainWindowTest {};

TEST_F(MainWindowLayoutTest, ToolbarControlsSitInOneRowAboveTheCanvas) {
    const int toolbar[] = {IDC_LINE_WIDTH, IDC_LINE_COLOUR, IDC_LINE_STYLE, IDC_TEMPORARY,
                           IDC_FILL_COLOUR, IDC_TOOL,       IDC_FONT_SIZE,  IDC_PAGE_NUMBER,
                           IDC_GOTO_PAGE,  IDC_PRINT,       ID_HELP,        IDC_EXIT};
    RECT canvasFrame{};
    GetWindowRect(canvas, &canvasFrame);
    LONG previousLeft = -1;
    for (int id : toolbar) {
        HWND control = GetDlgItem(window, id);
        ASSERT_NE(control, nullptr) << id;
        RECT frame{};
        GetWindowRect(control, &frame);
        EXPECT_GT(frame.left, previousLeft) << id;
        EXPECT_LE(frame.top, canvasFrame.top) << id;
        previousLeft = frame.left;
    }
    // The canvas fills the client area but for a margin of 4.
    POINT topLeft{canvasFrame.left, canvasFrame.top};
    ScreenToClient(window, &topLeft);
    EXPECT_EQ(topLeft.x, 4);
    EXPECT_EQ(CanvasClient().right, kClientWidth - 8);
    EXPECT_EQ(CanvasClient().bottom, kClientHeight - topLeft.y - 4);

    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Tarnwick v1.00");
    EXPECT_EQ(PageNumberBox(), "1");
    const int firstEntries[] = {IDC_LINE_WIDTH, IDC_LINE_COLOUR, IDC_LINE_STYLE,
                                IDC_TOOL,       IDC_FONT_SIZE,   IDC_FILL_COLOUR};
    for (int id : firstEntries) EXPECT_EQ(Selection(id), 0) << id;
    const int counts[][2] = {{IDC_LINE_WIDTH, 5}, {IDC_LINE_COLOUR, 13}, {IDC_LINE_STYLE, 5},
                             {IDC_FILL_COLOUR, 16}, {IDC_TOOL, 6}, {IDC_FONT_SIZE, 7}};
    for (const auto& box : counts) {
        EXPECT_EQ(SendDlgItemMessageA(window, box[0], CB_GETCOUNT, 0, 0), box[1]) << box[0];
    }
}

}  // namespace
