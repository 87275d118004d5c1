#include "gdi/spans.h"

#include <algorithm>
#include <cstdint>

namespace tarnwick::gdi {

void FillPixels(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& colour) {
    if (x1 < x0 || y1 < y0) return;
    painter.fillRect(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), colour);
}

bool TryDirectSpan(DeviceContext& context, const QRect& span, COLORREF colour) {
    if (!context.HasWordPixels()) return false;
    QRect area = span & context.Image()->rect();
    if (context.state.hasClip) {
        if (context.state.clip.rectCount() > 1) return false;
        area &= context.state.clip.boundingRect();
    }
    if (area.isEmpty()) return true;
    const std::uint32_t pen = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                              GetBValue(colour);
    const RasterOp& rop = context.Rop();
    const qsizetype stride = context.Image()->bytesPerLine();
    uchar* bits = context.Image()->bits();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* pixel = reinterpret_cast<std::uint32_t*>(bits + y * stride) + area.left();
        auto* end = pixel + area.width();
        if (rop.rop2 == R2_COPYPEN) {
            std::fill(pixel, end, pen);
        } else {
            for (; pixel != end; ++pixel) *pixel = 0xFF000000u | rop.Apply(pen, *pixel);
        }
    }
    return true;
}

void FillSpan(DeviceContext& context, int x0, int x1, int y, COLORREF colour) {
    if (x1 < x0) return;
    QRect span(x0, y, x1 - x0 + 1, 1);
    if (!TryDirectSpan(context, span, colour)) context.ActivePainter().fillRect(span, ToQColor(colour));
}

}  // namespace tarnwick::gdi
