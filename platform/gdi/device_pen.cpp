#include "gdi/device_pen.h"

#include "gdi/dashes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

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

QPen BuildQPen(const DevicePen& pen) {
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

// The QPens made lately, by their pen: a page draws with a handful of pens
// over and over, and a QPen copied is far cheaper than one built.
struct MadePens {
    static constexpr std::size_t kSlots = 256;
    DevicePen pens[kSlots];
    QPen made[kSlots];
    bool used[kSlots] = {};

    static std::size_t SlotOf(const DevicePen& pen) {
        std::uint64_t key = (std::uint64_t{pen.colour} << 24) ^ (std::uint64_t(pen.width) << 4) ^
                            static_cast<std::uint64_t>(pen.style);
        key ^= static_cast<std::uint64_t>(pen.dashUnit * 1024.0);
        key *= 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(key >> 56);
    }
};

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
    thread_local MadePens cache;
    const std::size_t slot = MadePens::SlotOf(pen);
    if (!cache.used[slot] || !(cache.pens[slot] == pen)) {
        cache.made[slot] = BuildQPen(pen);
        cache.pens[slot] = pen;
        cache.used[slot] = true;
    }
    return cache.made[slot];
}

}  // namespace tarnwick::gdi
