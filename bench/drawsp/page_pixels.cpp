#include "page_pixels.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves go up, as in the mapping; at 1920 / 2159 or 1200 / 254 no page
// unit lands on an exact half, so this only matters for agreeing on the
// formula.
int Rounded(double value) { return static_cast<int>(std::floor(value + 0.5)); }

}  // namespace

QPoint ToPixels(int x, int y, double scale) { return QPoint(Rounded(x * scale), Rounded(-y * scale)); }

int Pixels(int units, double scale) { return Rounded(units * scale); }

int PenPixels(int penWidth, double scale) { return penWidth <= 0 ? 1 : std::max(1, Pixels(penWidth, scale)); }

QRect PixelBox(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}

QColor ToColor(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }
