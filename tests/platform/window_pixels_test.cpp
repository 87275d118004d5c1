// Windows that keep their own pixels: a DC from GetDC draws straight into
// them and the window shows the change; repaints are gathered into one
// WM_PAINT; a resize never leaves a DC drawing on freed pixels.
#include "user_fixture.h"

namespace {

int paintsSeen = 0;

LRESULT CountingPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    ++paintsSeen;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &paint.rcPaint, green);
    DeleteObject(green);
    EndPaint(window, &paint);
    return 0;
}

COLORREF ShownAt(HWND window, int x, int y) {
    std::vector<COLORREF> pixels(200 * 100);
    TestGrabWindow(window, pixels.data(), 200, 100);
    return pixels[y * 200 + x];
}

}  // namespace

TEST_F(UserTest, DrawingThroughGetDcShowsOnceReleased) {
    HWND pixels = Item(kPixelsId);
    HDC dc = GetDC(pixels);
    ASSERT_NE(dc, nullptr);
    SetPixel(dc, 10, 5, RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 10, 5), RGB(255, 0, 0));
    EXPECT_EQ(ReleaseDC(pixels, dc), 1);
    EXPECT_EQ(ReleaseDC(pixels, dc), 0) << "a DC is released once";
    TestProcessEvents();
    EXPECT_EQ(ShownAt(pixels, 10, 5), RGB(255, 0, 0));
}

TEST_F(UserTest, InvalidationsGatherIntoOnePaint) {
    HWND pixels = Item(kPixelsId);
    SetWindowLongPtrA(pixels, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingPaint));
    TestProcessEvents();
    paintsSeen = 0;
    RECT corner{0, 0, 4, 4};
    InvalidateRect(pixels, &corner, TRUE);
    InvalidateRect(pixels, nullptr, TRUE);
    InvalidateRect(pixels, &corner, FALSE);
    EXPECT_EQ(paintsSeen, 0) << "nothing is painted before the program returns to its loop";
    TestProcessEvents();
    EXPECT_EQ(paintsSeen, 1);
    EXPECT_EQ(ShownAt(pixels, 100, 50), RGB(0, 255, 0));
    InvalidateRect(pixels, nullptr, FALSE);
    UpdateWindow(pixels);
    EXPECT_EQ(paintsSeen, 2) << "UpdateWindow paints at once";
    TestProcessEvents();
    EXPECT_EQ(paintsSeen, 2) << "and leaves nothing to paint";
    EXPECT_FALSE(InvalidateRect(nullptr, nullptr, TRUE));
}

// The DC stays usable across the resize and draws into the new pixels.
TEST_F(UserTest, DcOutlivesAResizeOfItsWindow) {
    HWND pixels = Item(kPixelsId);
    HDC dc = GetDC(pixels);
    SetPixel(dc, 1, 1, RGB(0, 0, 255));
    MoveWindow(pixels, 0, 0, 300, 120, TRUE);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 255)) << "pixels that stay are kept until repainted";
    TestProcessEvents();
    SetPixel(dc, 250, 110, RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 250, 110), RGB(255, 0, 0));
    ReleaseDC(pixels, dc);
    MoveWindow(pixels, 0, 0, 0, 0, TRUE);
    TestProcessEvents();
    dc = GetDC(pixels);
    ASSERT_NE(dc, nullptr) << "a window of no size still has a DC";
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(0, 0, 0)), CLR_INVALID);
    ReleaseDC(pixels, dc);
}
