// A dashed outline painted run by run in the order of its path, so that
// the dash pattern runs on along a curve; gaps take the background colour
// when the background mode is opaque.
#ifndef TARNWICK_PLATFORM_GDI_DASHED_OUTLINE_H
#define TARNWICK_PLATFORM_GDI_DASHED_OUTLINE_H

#include "gdi/dashes.h"
#include "gdi/device_context.h"
#include "gdi/spans.h"

#include <QRect>

namespace tarnwick::gdi {

class DashedOutline {
public:
    // The pen in force gives the pattern and colour; only pixels within
    // `visible` are painted.
    DashedOutline(DeviceContext& context, const QRect& visible);

    // The pixels x0..x1 of row y, walked rightwards or leftwards. Only the
    // visible ones are painted; the rest just move the pattern on.
    void Run(int y, int x0, int x1, bool rightwards);

private:
    long long PositionOf(int x, int x0, int x1, bool rightwards) const {
        return position_ + (rightwards ? static_cast<long long>(x) - x0 : static_cast<long long>(x1) - x);
    }

    DeviceContext& context_;
    SpanTarget target_;
    QRect visible_;
    DashPattern dashes_;
    bool opaque_;
    COLORREF background_;
    long long position_ = 0;
};

}  // namespace tarnwick::gdi

#endif
