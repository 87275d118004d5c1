// Positions are doubled so that pixel centres of boxes of either parity sit
// on integers: a pixel of column x lies at u = 2 (x - left) - a, where a is
// the horizontal diameter between outermost pixel centres, and likewise v
// for rows. The curve is b^2 u^2 + a^2 v^2 = a^2 b^2.
#include "gdi/ellipse_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarnwick::gdi {
namespace {

// Products of two 28-bit diameters squared need more than 64 bits.
using Wide = __int128;

// The largest t >= 0 with b^2 t^2 <= a^2 (b^2 - w^2): how far from the
// vertical axis the curve reaches at height w (0 <= w <= b, b > 0).
long long Reach(long long a, long long b, long long w) {
    const Wide limit = Wide(a) * a * (Wide(b) * b - Wide(w) * w);
    auto fits = [&](long long t) { return Wide(t) * t * b * b <= limit; };
    // A close estimate, then exact steps for what rounding got wrong.
    auto t = static_cast<long long>(static_cast<double>(a) *
                                    std::sqrt(static_cast<double>(b - w) * static_cast<double>(b + w)) /
                                    static_cast<double>(b));
    while (t > 0 && !fits(t)) --t;
    while (fits(t + 1)) ++t;
    return t;
}

}  // namespace

EllipseRaster::EllipseRaster(int left, int top, int right, int bottom)
    : left_(left), top_(top), right_(right), bottom_(bottom),
      diameterX_(static_cast<long long>(right) - left - 1),
      diameterY_(static_cast<long long>(bottom) - top - 1) {}

int EllipseRaster::Inset(int y) const {
    if (y < top_ || y >= bottom_) return -1;
    const long long a = diameterX_, b = diameterY_;
    if (b == 0) return 0;  // a single row spans the box
    const long long v = std::llabs(2 * (static_cast<long long>(y) - top_) - b);
    // A pixel belongs to the figure when the midpoint towards the centre,
    // beside it or below it, lies on or inside the curve.
    long long reach = std::max(Reach(a, b, v) + 1, Reach(a, b, std::llabs(v - 1)));
    reach -= (reach ^ a) & 1;  // onto the pixel centres of this box
    return static_cast<int>((a - reach) / 2);
}

int EllipseRaster::InsetCached(int y) {
    for (int i = 0; i < 3; ++i) {
        if (cacheUsed_[i] && cachedY_[i] == y) return cachedInset_[i];
    }
    const int slot = cacheNext_;
    cacheNext_ = (cacheNext_ + 1) % 3;
    cacheUsed_[slot] = true;
    cachedY_[slot] = y;
    cachedInset_[slot] = Inset(y);
    return cachedInset_[slot];
}

EllipseRow EllipseRaster::Row(int y) {
    const int inset = InsetCached(y);
    const int above = InsetCached(y - 1), below = InsetCached(y + 1);
    const int first = left_ + inset, last = right_ - 1 - inset;
    EllipseRow row{first, last, 1, 0};
    if (above < 0 || below < 0) return row;  // the top and bottom rows are all outline
    // Pixels under or over the narrower neighbour row have all four
    // neighbours in the figure; the rest, and the row's ends, are outline.
    const int outline = std::max(inset, std::max(above, below) - 1);
    row.interiorLeft = left_ + outline + 1;
    row.interiorRight = right_ - 2 - outline;
    return row;
}

}  // namespace tarnwick::gdi
