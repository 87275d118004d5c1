#include "gdi/device_pen.h"

#include "gdi/dashes.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::gdi {
namespace {

constexpr double kMaxPenWidth = 32767.0;  // device pixels

// A printer draws a pen as the canvas shows the page. A window maximised on
// a screen 1920 pixels wide, the commonest desktop, gives the canvas about
// 1910 pixels across the 8.5-inch page: 225 canvas pixels to the inch of
// paper, a pixel of 0.113 mm. At that scale a pen of 0.1 mm (and a
// zero-width pen) is one pixel wide and dashed, wider pens are solid, and
// the patterns print as long against the figures as the canvas shows them:
// a dash of 18 pixels is 2.0 mm long, a dot of 3 pixels 0.34 mm.
constexpr double kCanvasPixelsPerInch = 225.0;

}  // namespace

double PrinterScreenPixel(int dpi) { return dpi / kCanvasPixelsPerInch; }

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

DevicePen TranslatePen(const PenData& data, const Transform& transform, const RasterOp& rop,
                       double screenPixel) {
    DevicePen pen;
    pen.colour = rop.PaintColour(data.colour);
    if (data.style == PS_NULL) {
        pen.style = PS_NULL;
        return pen;
    }
    const double width = data.width * std::fabs(transform.scaleX);
    if (data.width > 0) pen.width = static_cast<int>(std::clamp(std::round(width), 1.0, kMaxPenWidth));
    const bool oneScreenPixel = std::round(width / screenPixel) <= 1.0;
    pen.style = oneScreenPixel ? data.style : PS_SOLID;
    pen.dashUnit = screenPixel;
    return pen;
}

QPen MakeQPen(const DevicePen& pen) {
    if (pen.IsNull()) return QPen(Qt::NoPen);
    QPen made(ToQColor(pen.colour));
    const bool dashed = pen.style != PS_SOLID;
    if (pen.width == 1) {
        made.setWidth(0);  // cosmetic: one pixel whatever the transform
        made.setCapStyle(Qt::FlatCap);
        made.setJoinStyle(Qt::MiterJoin);
    } else {
        made.setWidth(pen.width);
        made.setCapStyle(dashed ? Qt::FlatCap : Qt::RoundCap);
        made.setJoinStyle(Qt::RoundJoin);
    }
    // Qt counts dashes in pen widths, and a cosmetic pen's width as one pixel.
    if (dashed) made.setDashPattern(QtDashPattern(pen.style, pen.dashUnit / pen.width));
    return made;
}

}  // namespace tarnwick::gdi
