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

// Products of two 28-bit diameters squared need more than 64 bits; those
// of diameters under 2^15, as on any screen or sheet, fit in 64.
using Wide = __int128;
constexpr long long kNarrowDiameter = 1 << 15;

// The largest t >= 0 with b^2 t^2 <= a^2 (b^2 - w^2): how far from the
// vertical axis the curve reaches at height w (0 <= w <= b, b > 0).
template <class Product>
long long Reach(long long a, long long b, long long w) {
    const Product limit = Product(a) * a * (Product(b) * b - Product(w) * w);
    auto fits = [&](long long t) { return Product(t) * t * b * b <= limit; };
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
      diameterY_(static_cast<long long>(bottom) - top - 1),
      keptCount_(static_cast<int>(std::min<long long>(diameterY_ / 2 + 1, kKeptInsets))) {
    std::fill(keptInsets_, keptInsets_ + keptCount_, -2);
}

// v is the row's doubled height above or below the middle.
int EllipseRaster::WorkOutInset(long long v) const {
    const long long a = diameterX_, b = diameterY_;
    if (b == 0) return 0;  // a single row spans the box
    const bool narrow = a < kNarrowDiameter && b < kNarrowDiameter;
    auto reachAt = [&](long long w) { return narrow ? Reach<long long>(a, b, w) : Reach<Wide>(a, b, w); };
    // A pixel belongs to the figure when the midpoint towards the centre,
    // beside it or below it, lies on or inside the curve.
    long long reach = std::max(reachAt(v) + 1, reachAt(std::llabs(v - 1)));
    reach -= (reach ^ a) & 1;  // onto the pixel centres of this box
    return static_cast<int>((a - reach) / 2);
}

int EllipseRaster::Inset(int y) {
    if (y < top_ || y >= bottom_) return -1;
    const long long v = std::llabs(2 * (static_cast<long long>(y) - top_) - diameterY_);
    // v has the parity of the diameter, so v / 2 tells rows apart.
    const long long slot = v / 2;
    if (slot >= keptCount_) return WorkOutInset(v);
    if (keptInsets_[slot] == -2) keptInsets_[slot] = WorkOutInset(v);
    return keptInsets_[slot];
}

EllipseRow EllipseRaster::Row(int y) {
    const int inset = Inset(y);
    const int above = Inset(y - 1), below = Inset(y + 1);
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
