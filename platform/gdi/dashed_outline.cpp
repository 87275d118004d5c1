#include "gdi/dashed_outline.h"

#include <algorithm>

namespace tarnwick::gdi {

DashedOutline::DashedOutline(DeviceContext& context, const QRect& visible)
    : context_(context), target_(context), visible_(visible), dashes_(CosmeticDashes(context.PenInForce().style)),
      opaque_(context.state.bkMode == OPAQUE),
      background_(context.Rop().PaintColour(context.state.bkColour)) {}

void DashedOutline::Run(int y, int x0, int x1, bool rightwards) {
    if (x1 < x0) return;
    const long long length = static_cast<long long>(x1) - x0 + 1;
    if (y >= visible_.top() && y <= visible_.bottom()) {
        const int from = std::max(x0, visible_.left()), to = std::min(x1, visible_.right());
        for (int x = from; x <= to;) {
            // Pixels x.. that share the dash state of x, in walking order.
            const bool on = dashes_.IsOn(PositionOf(x, x0, x1, rightwards));
            int end = x;
            while (end < to && dashes_.IsOn(PositionOf(end + 1, x0, x1, rightwards)) == on) ++end;
            if (on) target_.Fill(x, end, y, context_.PenInForce().colour);
            else if (opaque_) target_.Fill(x, end, y, background_);
            x = end + 1;
        }
    }
    position_ += length;
}

}  // namespace tarnwick::gdi
