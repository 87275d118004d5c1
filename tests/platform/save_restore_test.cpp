// SaveDC/RestoreDC bring back every attribute, by absolute or relative level.
#include "memory_canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveRestore, RestoreBringsBackAttributesObjectsAndMapping) {
    MemoryCanvas canvas(8, 8);
    HDC dc = canvas.dc();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    EXPECT_EQ(SaveDC(dc), 1);

    HPEN red = CreatePen(PS_SOLID, 0, kRed);
    HBRUSH blue = CreateSolidBrush(kBlue);
    HFONT arial = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    SelectObject(dc, red);
    SelectObject(dc, blue);
    SelectObject(dc, arial);
    SetROP2(dc, R2_NOT);
    SetTextColor(dc, kGreen);
    SetBkColor(dc, kRed);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2, -2, nullptr);
    SetWindowOrgEx(dc, 5, 5, nullptr);
    HRGN region = CreateRectRgn(0, 0, 2, 2);
    SelectClipRgn(dc, region);
    MoveToEx(dc, 3, 3, nullptr);

    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetTextColor(dc), kBlack);
    EXPECT_EQ(SetBkColor(dc, kWhite), kWhite);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_TOP | TA_LEFT));
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    POINT position;
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position.x, 0);
    // The clip is gone too: drawing reaches every pixel again.
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 8, 5);
    EXPECT_EQ(canvas.At(7, 5), kBlack);

    EXPECT_TRUE(DeleteObject(red));
    EXPECT_TRUE(DeleteObject(blue));
    EXPECT_TRUE(DeleteObject(arial));
    EXPECT_TRUE(DeleteObject(region));
}

TEST(SaveRestore, LevelsAbsoluteAndRelative) {
    MemoryCanvas canvas(2, 2);
    HDC dc = canvas.dc();
    struct Step {
        const char* what;
        int rop;          // set after saving
        int restoreTo;    // RestoreDC argument
        BOOL result;
        int ropAfter;
        int nextLevel;    // what SaveDC returns next
    };
    // Each row starts from a fresh stack of three saves made with ROPs
    // R2_COPYPEN (level 1), R2_NOT (level 2), R2_XORPEN (level 3), current R2_MASKPEN.
    const Step steps[] = {
        {"-1 is the most recent", 0, -1, TRUE, R2_XORPEN, 3},
        {"-2 drops the newest too", 0, -2, TRUE, R2_NOT, 2},
        {"1 drops every level above", 0, 1, TRUE, R2_COPYPEN, 1},
        {"3 is the newest level", 0, 3, TRUE, R2_XORPEN, 3},
        {"0 is no level", 0, 0, FALSE, R2_MASKPEN, 4},
        {"4 does not exist yet", 0, 4, FALSE, R2_MASKPEN, 4},
        {"-4 reaches below level 1", 0, -4, FALSE, R2_MASKPEN, 4},
    };
    for (const Step& step : steps) {
        while (RestoreDC(dc, -1)) {
        }
        SetROP2(dc, R2_COPYPEN);
        SaveDC(dc);
        SetROP2(dc, R2_NOT);
        SaveDC(dc);
        SetROP2(dc, R2_XORPEN);
        SaveDC(dc);
        SetROP2(dc, R2_MASKPEN);
        EXPECT_EQ(RestoreDC(dc, step.restoreTo), step.result) << step.what;
        EXPECT_EQ(GetROP2(dc), step.ropAfter) << step.what;
        int level = SaveDC(dc);
        EXPECT_EQ(level, step.nextLevel) << step.what;
    }
    EXPECT_FALSE(RestoreDC(nullptr, -1));
}

TEST(SaveRestore, SavedStateHoldsObjectsDeletedMeanwhile) {
    MemoryCanvas canvas(6, 3);
    HDC dc = canvas.dc();
    HPEN red = CreatePen(PS_SOLID, 0, kRed);
    HGDIOBJ old = SelectObject(dc, red);
    SaveDC(dc);
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(red));  // still held by the saved level
    RestoreDC(dc, -1);               // ... which brings it back, usable
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 6, 1);
    EXPECT_EQ(canvas.At(2, 1), kRed);
    SelectObject(dc, old);  // the last hold ends: the pen is freed now
    EXPECT_EQ(SelectObject(dc, red), nullptr);
}

}  // namespace
