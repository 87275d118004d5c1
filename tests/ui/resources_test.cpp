// The crosshair is drawn by hand, character by character: two inverting
// lines through the hot spot, open for three pixels around it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "resource_parts.h"

namespace {

TEST(ResourcesTest, CrosshairIsTwoInvertingLinesOpenAroundTheHotSpot) {
    const PictureResource& cursor = kCanvasCursor;
    ASSERT_EQ(cursor.width, 32);
    ASSERT_EQ(cursor.height, 32);
    ASSERT_EQ(cursor.hotSpotX, 15);
    ASSERT_EQ(cursor.hotSpotY, 15);
    for (int y = 0; y < 32; ++y) {
        ASSERT_EQ(std::strlen(cursor.rows[y]), 32u) << "row " << y;
        for (int x = 0; x < 32; ++x) {
            const bool gap = std::abs(x - 15) <= 3 && std::abs(y - 15) <= 3;
            const bool line = (x == 15 || y == 15) && !gap && x < 31 && y < 31;
            EXPECT_EQ(cursor.rows[y][x], line ? 'x' : '.') << x << "," << y;
        }
    }
}

}  // namespace
