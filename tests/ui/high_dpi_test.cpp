// The main window on a screen of twice the resolution (QT_SCALE_FACTOR=2,
// set by this binary's own main before Qt starts). Win32 pixels are device
// pixels there: the canvas draws its page over every device pixel of its
// width, a one-unit pen is one device pixel wide, and the toolbar and the
// canvas cursor grow with the resolution as on a 192-dpi Win32 screen.
#include <cstdlib>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "resource_parts.h"
#include "toolbar_values.h"

namespace {

constexpr int kScale = 2;
constexpr COLORREF kSheet = 0xE6FFFF;
constexpr COLORREF kMargin = 0xC8C8FF;
constexpr COLORREF kLineRed = kColours[1];

// The dialog base units of the template font at 96 dpi.
constexpr int kBaseX96 = 6;
constexpr int kBaseY96 = 13;

class HighDpiTest : public MainWindowTest {
protected:
    // The canvas as the screen shows it, row by row, in device pixels.
    std::vector<COLORREF> ShownCanvas() {
        const RECT client = CanvasClient();
        std::vector<COLORREF> pixels(static_cast<size_t>(client.right) * client.bottom, CLR_INVALID);
        EXPECT_EQ(TestGrabWindow(canvas, pixels.data(), client.right, client.bottom), client.right * client.bottom)
            << "the canvas shows fewer pixels than its client area has";
        return pixels;
    }

    COLORREF ShownAt(const std::vector<COLORREF>& shown, int x, int y) {
        return shown[static_cast<size_t>(y) * CanvasClient().right + x];
    }

    // Clicks as the window system delivers them, at device pixels.
    void ClickShown(int x, int y) {
        TestSendMouse(canvas, WM_MOUSEMOVE, x, y);
        TestSendMouse(canvas, WM_LBUTTONDOWN, x, y);
        TestSendMouse(canvas, WM_LBUTTONUP, x, y);
    }
};

TEST_F(HighDpiTest, TheCanvasDrawsItsPageAtDevicePixels) {
    HDC dc = GetDC(canvas);
    ASSERT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96 * kScale) << "the binary runs at QT_SCALE_FACTOR=2";
    ReleaseDC(canvas, dc);
    SIZE logical{};
    ASSERT_TRUE(TestLogicalSize(canvas, &logical));
    const RECT client = CanvasClient();
    EXPECT_NEAR(client.right, kScale * logical.cx, 1);
    EXPECT_NEAR(client.bottom, kScale * logical.cy, 1);

    // A red line of the thinnest pen, drawn with the mouse.
    Select(IDC_LINE_COLOUR, 1);
    ChooseTool(1);
    ClickShown(100, 101);
    ClickShown(client.right - 100, 101);
    Paint();
    TestProcessEvents();
    const std::vector<COLORREF> shown = ShownCanvas();
    std::vector<int> redRows;
    for (int y = 0; y < client.bottom; ++y) {
        if (ShownAt(shown, client.right / 2, y) == kLineRed) redRows.push_back(y);
    }
    ASSERT_EQ(redRows.size(), 1u) << "a one-unit pen is one device pixel wide";
    EXPECT_NEAR(redRows[0], 101, 1) << "the line lies where it was clicked";

    // The page's width fills all the device pixels: the margin line lies
    // where the page's width maps onto twice the logical width.
    const int marginX = 1759 * kScale * logical.cx / kPageWidth;
    const int row = Pixels(20);  // between two rules
    bool marginFound = false;
    for (int x = marginX - 2; x <= marginX + 2; ++x) marginFound = marginFound || ShownAt(shown, x, row) == kMargin;
    EXPECT_TRUE(marginFound) << "no margin line near x = " << marginX;
    EXPECT_EQ(ShownAt(shown, client.right - 3, Pixels(20)), kSheet) << "the sheet reaches the right edge";
}

TEST_F(HighDpiTest, TheToolbarIsTwiceItsSizeAt96Dpi) {
    for (int i = 0; i < kMainDialog.itemCount; ++i) {
        const DialogItemResource& item = kMainDialog.items[i];
        HWND control = GetDlgItem(window, item.id);
        if (item.id == 0xFFFF || item.id == IDC_CANVAS || control == nullptr) continue;
        SCOPED_TRACE(::testing::Message() << "control " << item.id);
        RECT rect{};
        GetWindowRect(control, &rect);
        const double width96 = item.cx * kBaseX96 / 4.0;
        EXPECT_NEAR(rect.right - rect.left, kScale * width96, 0.1 * kScale * width96);
        // A closed combo box is as high as one of its items and its frame.
        if (std::string(item.className) == "COMBOBOX") continue;
        const double height96 = item.cy * kBaseY96 / 8.0;
        EXPECT_NEAR(rect.bottom - rect.top, kScale * height96, 0.1 * kScale * height96);
    }
}

// A compositor enlarges a cursor itself; X11 and the offscreen screen show
// its pixels as they are, so the layer enlarges it there.
TEST_F(HighDpiTest, TheCanvasCursorGrowsWithTheResolution) {
    HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CANVAS_CURSOR));
    ASSERT_NE(cursor, nullptr);
    const int enlarged = TestCompositorPlacesWindows() ? 1 : kScale;
    SIZE pixels{};
    POINT hotSpot{};
    ASSERT_TRUE(TestCursorShape(cursor, &pixels, &hotSpot));
    EXPECT_EQ(pixels.cx, kCanvasCursor.width * enlarged);
    EXPECT_EQ(pixels.cy, kCanvasCursor.height * enlarged);
    EXPECT_EQ(hotSpot.x, kCanvasCursor.hotSpotX * enlarged);
    EXPECT_EQ(hotSpot.y, kCanvasCursor.hotSpotY * enlarged);
    DestroyCursor(cursor);
}

}  // namespace

int main(int argc, char** argv) {
    // Qt reads the scale once, when the first window system object is made.
    setenv("QT_SCALE_FACTOR", "2", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
