#include "gdi/device_pen.h"

#include "gdi/dashes.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::gdi {
namespace {

constexpr double kMaxPenWidth = 32767.0;  // device pixels

}  // namespace

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

DevicePen TranslatePen(const PenData& data, const Transform& transform, const RasterOp& rop) {
    DevicePen pen;
    pen.colour = rop.PaintColour(data.colour);
    if (data.style == PS_NULL) {
        pen.style = PS_NULL;
        return pen;
    }
    if (data.width > 0) {
        double width = std::round(data.width * std::fabs(transform.scaleX));
        pen.width = static_cast<int>(std::clamp(width, 1.0, kMaxPenWidth));
    }
    pen.style = pen.width > 1 ? PS_SOLID : data.style;
    return pen;
}

QPen MakeQPen(const DevicePen& pen) {
    if (pen.IsNull()) return QPen(Qt::NoPen);
    QPen made(ToQColor(pen.colour));
    if (pen.width == 1) {
        made.setWidth(0);  // cosmetic: one pixel whatever the transform
        made.setCapStyle(Qt::FlatCap);
        made.setJoinStyle(Qt::MiterJoin);
        if (pen.style != PS_SOLID) made.setDashPattern(QtDashPattern(pen.style));
    } else {
        made.setWidth(pen.width);
        made.setCapStyle(Qt::RoundCap);
        made.setJoinStyle(Qt::RoundJoin);
    }
    return made;
}

}  // namespace tarnwick::gdi
