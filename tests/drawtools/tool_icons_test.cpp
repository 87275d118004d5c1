// The Tool box icons: where each one draws, in which colours, and that the
// device context and the GDI object count are left as they were found.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "memory_canvas.h"
#include "tools_fixture.h"

namespace {

const COLORREF kIconPen = RGB(0, 64, 128);
const COLORREF kHandleFill = RGB(200, 0, 0);

class ToolIconsTest : public ToolsTest {
protected:
    void SetUp() override {
        ToolsTest::SetUp();
        ASSERT_TRUE(canvas_.Open(100, 40));
        item_.CtlType = ODT_COMBOBOX;
        item_.itemAction = ODA_DRAWENTIRE;
        item_.hDC = canvas_.dc();
        item_.rcItem = RECT{0, 0, 76, 18};
    }

    COLORREF At(int x, int y) const { return canvas_.At(x, y); }

    MemoryCanvas canvas_;
    DRAWITEMSTRUCT item_{};
};

TEST_F(ToolIconsTest, EachIconStaysInsideItsItem) {
    item_.rcItem = RECT{12, 10, 88, 28};
    for (int index = 0; index < 5; ++index) {
        canvas_.Fill(RECT{0, 0, 100, 40}, kWhite);
        std::vector<COLORREF> before = canvas_.Pixels();
        EXPECT_EQ(factory_->DrawToolIcon(index, &item_), 1);
        RECT bounds;
        EXPECT_GT(canvas_.CountChanged(before, &bounds), 20) << "icon " << index;
        EXPECT_GE(bounds.left, 12) << "icon " << index;
        EXPECT_GE(bounds.top, 10) << "icon " << index;
        EXPECT_LE(bounds.right, 88) << "icon " << index;
        EXPECT_LE(bounds.bottom, 28) << "icon " << index;
    }
}

// In the item (0, 0, 76, 18): L = 2, R = 74, midY = 9, midX = 38.
TEST_F(ToolIconsTest, IconsHaveTheirHandlesAndOutlines) {
    struct {
        int index, x, y;
        COLORREF colour;
    } const rows[] = {
        {0, 2, 6, kIconPen},       // line: left handle's outline
        {0, 4, 9, kHandleFill},    // line: left handle's fill
        {0, 71, 9, kHandleFill},   // line: right handle's fill
        {0, 38, 9, kIconPen},      // line: the line itself
        {1, 4, 2, kHandleFill},    // rectangle: top-left handle
        {1, 38, 3, kIconPen},      // rectangle: top edge
        {1, 38, 9, kWhite},        // rectangle: hollow inside
        {2, 38, 9, kHandleFill},   // ellipse: centre handle
        {2, 71, 2, kHandleFill},   // ellipse: corner handle
        {2, 38, 3, kIconPen},      // ellipse: top of the outline
        {2, 20, 9, kWhite},        // ellipse: hollow inside
        {4, 1, 1, kHandleFill},    // polygon: first vertex handle
        {4, 3, 10, kIconPen},      // polygon: left edge
        {4, 74, 7, kHandleFill},   // polygon: the tip's handle, cut at the item's edge
        {4, 76, 9, kWhite},        // polygon: nothing beyond the item
    };
    for (const auto& row : rows) {
        canvas_.Fill(RECT{0, 0, 100, 40}, kWhite);
        factory_->DrawToolIcon(row.index, &item_);
        EXPECT_EQ(At(row.x, row.y), row.colour)
            << "icon " << row.index << " at (" << row.x << ", " << row.y << ")";
    }
}

// The word takes the DC's own text colour; the routine does not set it.
TEST_F(ToolIconsTest, TextIconUsesTheTextColourOfTheDc) {
    SetTextColor(canvas_.dc(), RGB(0, 160, 0));
    SetBkMode(canvas_.dc(), TRANSPARENT);
    factory_->DrawToolIcon(3, &item_);
    int green = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 76; ++x) green += At(x, y) == RGB(0, 160, 0) ? 1 : 0;
    }
    EXPECT_GT(green, 10);
    EXPECT_EQ(At(21, 11), kHandleFill) << "the handle left of the word";
}

TEST_F(ToolIconsTest, UnknownIndexesDrawNothingAndLeaveTheDcAsFound) {
    HDC dc = canvas_.dc();
    SetROP2(dc, R2_XORPEN);
    SetTextColor(dc, RGB(1, 2, 3));
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    std::vector<COLORREF> before = canvas_.Pixels();
    for (int index : {-1, 5, 1000}) {
        EXPECT_EQ(factory_->DrawToolIcon(index, &item_), 0);
        EXPECT_EQ(canvas_.CountChanged(before), 0) << "index " << index;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
        EXPECT_EQ(GetROP2(dc), R2_XORPEN);
        EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    }
    EXPECT_EQ(factory_->DrawToolIcon(0, nullptr), 0) << "no item record";
}

TEST_F(ToolIconsTest, NoIconLeavesAGdiObjectBehind) {
    HDC dc = canvas_.dc();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int index = -1; index <= 5; ++index) {
        factory_->DrawToolIcon(index, &item_);
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects) << "icon " << index;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen) << "icon " << index;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush) << "icon " << index;
    }
}

// Item rectangles at the edges of the coordinate range draw without
// overflowing, and still leave nothing behind.
TEST_F(ToolIconsTest, ItemsAtTheEdgesOfTheRangeAreSafe) {
    const RECT items[] = {
        {INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX},  // icons reach beyond the right edge
        {INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1},  // and before the left one
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},           // the widest item
        {INT_MAX, INT_MAX, INT_MIN, INT_MIN},           // turned inside out
    };
    DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (const RECT& item : items) {
        item_.rcItem = item;
        for (int index = 0; index < 5; ++index) factory_->DrawToolIcon(index, &item_);
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objects);
    }
    canvas_.Fill(RECT{0, 0, 100, 40}, kWhite);
    std::vector<COLORREF> before = canvas_.Pixels();
    item_.rcItem = RECT{INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX};
    for (int index = 0; index < 5; ++index) factory_->DrawToolIcon(index, &item_);
    EXPECT_EQ(canvas_.CountChanged(before), 0) << "an item far off the canvas shows nothing";
}

}  // namespace
