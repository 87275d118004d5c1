#include "gdi/spans.h"

#include <algorithm>
#include <cstdint>

namespace tarnwick::gdi {

void FillPixels(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& colour) {
    if (x1 < x0 || y1 < y0) return;
    painter.fillRect(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), colour);
}

SpanTarget::SpanTarget(DeviceContext& context) : context_(context), rop_(context.Rop()) {
    if (!context.HasWordPixels()) return;
    if (context.state.hasClip && context.state.clip.rectCount() > 1) return;
    area_ = context.Image()->rect();
    if (context.state.hasClip) area_ &= context.state.clip.boundingRect();
    stride_ = context.Image()->bytesPerLine();
    bits_ = context.Image()->bits();
}

void SpanTarget::Fill(int x0, int x1, int y, COLORREF colour) {
    if (x1 >= x0) Fill(QRect(x0, y, x1 - x0 + 1, 1), colour);
}

void SpanTarget::Fill(const QRect& span, COLORREF colour) {
    if (bits_ == nullptr) {
        context_.ActivePainter().fillRect(span, ToQColor(colour));
        return;
    }
    const QRect area = span & area_;
    if (area.isEmpty()) return;
    const std::uint32_t pen = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                              GetBValue(colour);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* pixel = reinterpret_cast<std::uint32_t*>(bits_ + y * stride_) + area.left();
        auto* end = pixel + area.width();
        if (rop_.rop2 == R2_COPYPEN) {
            std::fill(pixel, end, pen);
        } else {
            for (; pixel != end; ++pixel) *pixel = 0xFF000000u | rop_.Apply(pen, *pixel);
        }
    }
}

}  // namespace tarnwick::gdi
