// Counting the pixels in which two images differ.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QSize>

#include "image_match.h"

namespace {

QImage White(QSize size = QSize(8, 6)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(CountMismatches, CountsPixelsThatDifferInColourOnly) {
    struct Case {
        const char* name;
        QRgb changedTo;   // pixel (3, 2) of the second image
        QRect area;       // empty: the whole image
        int expected;
    } cases[] = {
        {"identical", 0xFFFFFFFF, {}, 0},
        {"one pixel red", 0xFFFF0000, {}, 1},
        {"one channel off by one", 0xFFFFFEFF, {}, 1},
        {"outside the area", 0xFF000000, QRect(4, 0, 4, 6), 0},
        {"inside the area", 0xFF000000, QRect(3, 2, 1, 1), 1},
        {"area beyond the image", 0xFF000000, QRect(-5, -5, 50, 50), 1},
    };
    for (const Case& c : cases) {
        QImage changed = White();
        changed.setPixel(3, 2, c.changedTo);
        const int count = c.area.isNull() ? CountMismatches(White(), changed)
                                          : CountMismatches(White(), changed, c.area);
        EXPECT_EQ(count, c.expected) << c.name;
    }
}

TEST(CountMismatches, ImagesOfDifferentSizesDifferEverywhere) {
    EXPECT_EQ(CountMismatches(White(QSize(8, 6)), White(QSize(5, 9))), 8 * 9);
    EXPECT_EQ(CountMismatches(White(), QImage()), 8 * 6);
}

}  // namespace
