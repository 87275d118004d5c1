#include "page_pixels.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves go up, as in the mapping; with 1920 / 2159 no page unit lands on
// an exact half, so this only matters for agreeing on the formula.
int Rounded(double value) { return static_cast<int>(std::floor(value + 0.5)); }

double Scaled(int units) { return static_cast<double>(units) * kCanvasWidth / kPageWidth; }

}  // namespace

QPoint ToPixels(int x, int y) { return QPoint(Rounded(Scaled(x)), Rounded(Scaled(-y))); }

int Pixels(int units) { return Rounded(Scaled(units)); }

int PenPixels(int penWidth) { return penWidth <= 0 ? 1 : std::max(1, Pixels(penWidth)); }

QRect PixelBox(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}

QColor ToColor(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }
