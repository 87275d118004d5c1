// GDI object lifetime: stock objects, SelectObject results, deleting selected
// objects, and the live-object count that proves nothing leaks.
#include "memory_canvas.h"

#include <gtest/gtest.h>

namespace {

DWORD LiveObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

TEST(Objects, CountReturnsToItsStartAfterCreateSelectDelete) {
    DWORD start = LiveObjects();
    {
        MemoryCanvas canvas(4, 4);  // a DC and a bitmap
        EXPECT_EQ(LiveObjects(), start + 2);
        HDC dc = canvas.dc();
        for (int i = 0; i < 100; ++i) {
            // The drawing surface's pattern: save, create, select, draw,
            // select back, restore, delete.
            int level = SaveDC(dc);
            HPEN pen = CreatePen(PS_DASH, 0, kRed);
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HBRUSH brush = CreateSolidBrush(kBlue);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            HFONT font = CreateFontA(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
            HGDIOBJ oldFont = SelectObject(dc, font);
            HRGN region = CreateRectRgn(0, 0, 3, 3);
            SelectClipRgn(dc, region);
            SetROP2(dc, R2_NOT);
            Ellipse(dc, 0, 0, 4, 4);
            EXPECT_EQ(LiveObjects(), start + 6);
            SelectObject(dc, oldFont);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
            RestoreDC(dc, level);
            DeleteObject(pen);
            DeleteObject(brush);
            DeleteObject(font);
            DeleteObject(region);
        }
    }
    EXPECT_EQ(LiveObjects(), start);
}

TEST(Objects, StockObjectsAreSharedUncountedAndNeverFreed) {
    DWORD start = LiveObjects();
    const int stock[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH,
                         WHITE_PEN, BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT};
    for (int index : stock) {
        HGDIOBJ object = GetStockObject(index);
        ASSERT_NE(object, nullptr) << index;
        EXPECT_EQ(GetStockObject(index), object);
        EXPECT_TRUE(DeleteObject(object));  // harmless
        EXPECT_EQ(GetStockObject(index), object);
    }
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(LiveObjects(), start);
    // A deleted stock pen still draws.
    MemoryCanvas canvas(3, 1);
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 3, 0);
    EXPECT_EQ(canvas.At(1, 0), kBlack);
}

TEST(Objects, NewDcStartsWithWin32Defaults) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_NE(GetCurrentObject(dc, OBJ_BITMAP), nullptr);  // the 1x1 default bitmap
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextColor(dc), kBlack);
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    // Drawing on the default bitmap is allowed and changes nothing visible.
    EXPECT_TRUE(Rectangle(dc, 0, 0, 10, 10));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(Objects, SelectObjectReturnsThePreviousObjectOfThatKind) {
    MemoryCanvas canvas(2, 2);
    HDC dc = canvas.dc();
    HPEN pen = CreatePen(PS_SOLID, 0, kRed);
    HBRUSH brush = CreateSolidBrush(kRed);
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), pen);
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_BRUSH)), brush);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(nullptr, pen), nullptr);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Objects, DeletingASelectedObjectIsSafe) {
    DWORD start = LiveObjects();
    MemoryCanvas canvas(6, 3);
    HDC dc = canvas.dc();
    HPEN pen = CreatePen(PS_SOLID, 0, kRed);
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_TRUE(DeleteObject(pen));          // accepted, but the DC still holds it
    EXPECT_EQ(LiveObjects(), start + 3);
    EXPECT_EQ(SelectObject(dc, pen), nullptr);  // the handle is dead for new uses
    EXPECT_FALSE(DeleteObject(pen));
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 6, 1);                        // and the DC still draws with it
    EXPECT_EQ(canvas.At(3, 1), kRed);
    SelectObject(dc, old);                   // deselected: freed now
    EXPECT_EQ(LiveObjects(), start + 2);
}

TEST(Objects, DeletingTheDcReleasesWhatItStillHeld) {
    DWORD start = LiveObjects();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HBRUSH brush = CreateSolidBrush(kRed);
    SelectObject(dc, bitmap);
    SelectObject(dc, brush);
    SaveDC(dc);
    DeleteObject(bitmap);
    DeleteObject(brush);
    EXPECT_EQ(LiveObjects(), start + 3);
    DeleteDC(dc);
    EXPECT_EQ(LiveObjects(), start);
}

TEST(Objects, StaleAndForeignHandlesAreRefused) {
    HPEN pen = CreatePen(PS_SOLID, 0, 0);
    DeleteObject(pen);
    HPEN reused = CreatePen(PS_SOLID, 0, 0);  // may take the same slot
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(reused));
    int notAnObject = 0;
    EXPECT_FALSE(DeleteObject(&notAnObject));
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteDC(nullptr));
}

// Small bitmaps come from the heap; those of a megabyte and more are
// mapped on their own (one rounded up to a whole huge page, one not): all
// behave alike to their last pixel and are freed with their handle.
TEST(Objects, BitmapsStartBlackAndBelongToOneDcAtATime) {
    const SIZE sizes[] = {{3, 2}, {700, 400}, {1100, 600}};
    for (const SIZE& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        const DWORD start = LiveObjects();
        const int right = size.cx - 1, bottom = size.cy - 1;
        HDC first = CreateCompatibleDC(nullptr);
        HDC second = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(first, size.cx, size.cy);
        EXPECT_EQ(CreateCompatibleBitmap(first, 0, size.cy), nullptr);
        HGDIOBJ old = SelectObject(first, bitmap);
        EXPECT_NE(old, nullptr);
        EXPECT_EQ(GetPixel(first, right, bottom), kBlack);
        EXPECT_EQ(GetPixel(first, size.cx, bottom), CLR_INVALID);  // outside the bitmap
        EXPECT_EQ(GetDeviceCaps(first, HORZRES), size.cx);
        EXPECT_EQ(GetDeviceCaps(first, VERTRES), size.cy);
        EXPECT_EQ(SelectObject(second, bitmap), nullptr);
        EXPECT_EQ(SetPixel(first, right, bottom, RGB(1, 2, 3)), RGB(1, 2, 3));
        EXPECT_EQ(GetPixel(first, right, bottom), RGB(1, 2, 3));
        SelectObject(first, old);
        EXPECT_NE(SelectObject(second, bitmap), nullptr);  // free to move now
        EXPECT_EQ(GetPixel(second, right, bottom), RGB(1, 2, 3));
        DeleteDC(second);  // the bitmap was never deleted: it stays
        DeleteDC(first);
        EXPECT_TRUE(DeleteObject(bitmap));
        EXPECT_EQ(LiveObjects(), start);
    }
}

TEST(Objects, InvalidateRectWithoutAWindowDoesNothing) {
    RECT rect = {0, 0, 1, 1};
    EXPECT_FALSE(InvalidateRect(nullptr, &rect, TRUE));
    EXPECT_FALSE(InvalidateRect(nullptr, nullptr, FALSE));
}

}  // namespace
