#include "qt_background.h"

#include "page_background.h"
#include "page_pixels.h"
#include "qt_fills.h"

void PaintQtBackground(QPainter& painter) {
    const QColor sheet = ToColor(kSheetColour);
    const QRect page = PixelBox(ToPixels(0, 0), ToPixels(kPageWidth, kPageBottom));
    FillFramedBox(painter, page, 1, ToColor(kSheetFrameColour), &sheet);
    const QColor rule = ToColor(kRuleColour);
    ForEachRule([&](int x1, int y1, int x2, int y2) {
        FillLineSpan(painter, ToPixels(x1, y1), ToPixels(x2, y2), rule);
    });
    FillLineSpan(painter, ToPixels(kMarginX, 0), ToPixels(kMarginX, kPageBottom), ToColor(kMarginColour));
}
