// The cursors are drawn by hand, character by character: the crosshair's
// two inverting lines through the hot spot, open for three pixels around
// it; the eraser's square around its hot spot, as far as a click reaches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "figure_hit.h"
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

// The square's pixels invert what is beneath, so it shows on any figure;
// inside it nothing hides what the click would erase.
TEST(ResourcesTest, EraserShowsHowFarAClickReachesAroundItsHotSpot) {
    const PictureResource& cursor = kEraserCursor;
    ASSERT_EQ(cursor.width, 32);
    ASSERT_EQ(cursor.height, 32);
    int eraser = 0;
    for (int y = 0; y < 32; ++y) {
        ASSERT_EQ(std::strlen(cursor.rows[y]), 32u) << "row " << y;
        for (int x = 0; x < 32; ++x) {
            const int dx = std::abs(x - cursor.hotSpotX), dy = std::abs(y - cursor.hotSpotY);
            const char pixel = cursor.rows[y][x];
            if (std::max(dx, dy) == kHitReach) {
                EXPECT_EQ(pixel, 'x') << x << "," << y;
            } else if (std::max(dx, dy) < kHitReach) {
                EXPECT_EQ(pixel, '.') << x << "," << y;
            } else {
                EXPECT_NE(pixel, 'x') << x << "," << y;
                eraser += pixel == '#' || pixel == 'o' ? 1 : 0;
            }
        }
    }
    EXPECT_GT(eraser, 100) << "an eraser beside the square";
}

}  // namespace
