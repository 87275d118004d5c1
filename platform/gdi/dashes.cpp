#include "gdi/dashes.h"

#include "windows.h"

namespace tarnwick::gdi {

DashPattern CosmeticDashes(int style) {
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
        case PS_DOT: return {kDot, 2};
        case PS_DASHDOT: return {kDashDot, 4};
        case PS_DASHDOTDOT: return {kDashDotDot, 6};
        default: return {kDash, 2};
    }
}

bool DashPattern::IsOn(long long position) const {
    int period = 0;
    for (int i = 0; i < count; ++i) period += lengths[i];
    long long offset = position % period;
    for (int i = 0;; ++i) {
        if (offset < lengths[i]) return i % 2 == 0;
        offset -= lengths[i];
    }
}

QList<qreal> QtDashPattern(int style, qreal unit) {
    const DashPattern dashes = CosmeticDashes(style);
    QList<qreal> pattern;
    for (int i = 0; i < dashes.count; ++i) pattern.append(dashes.lengths[i] * unit);
    return pattern;
}

}  // namespace tarnwick::gdi
