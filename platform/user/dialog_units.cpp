#include "user/dialog_units.h"

#include <QFontMetricsF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace tarnwick::user {

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    QFontMetricsF metrics(font);
    DialogBaseUnits units;
    const int alphabetWidth = static_cast<int>(std::lround(metrics.horizontalAdvance(kAlphabet)));
    units.x = (alphabetWidth / 26 + 1) / 2;
    // GDI's character cell: ascent and descent each take whole pixels.
    units.y = static_cast<int>(std::ceil(metrics.ascent()) + std::ceil(metrics.descent()));
    return units;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    long long product = static_cast<long long>(a) * b;
    long long half = std::llabs(static_cast<long long>(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX || result < INT_MIN) return -1;
    return static_cast<int>(result);
}

namespace {

// An extent cut so that QRect's far edge, (origin + extent) - 1, is found
// without leaving int: only values no template holds come near it.
int FittingExtent(int origin, int extent) {
    const long long end = std::clamp(static_cast<long long>(origin) + extent, INT_MIN + 1LL, static_cast<long long>(INT_MAX));
    return static_cast<int>(end - origin);
}

}  // namespace

QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy) {
    const int left = MulDiv(x, units.x, 4), top = MulDiv(y, units.y, 8);
    return QRect(left, top, FittingExtent(left, MulDiv(cx, units.x, 4)), FittingExtent(top, MulDiv(cy, units.y, 8)));
}

int PointsToPixels(int points, int dpi) { return MulDiv(points, dpi, 72); }

}  // namespace tarnwick::user
