// Closed figures drawn by Qt (polygons, and ellipses a printer draws): the
// brush inside, the pen on the outline. Under a raster operation that is
// not idempotent (R2_NOT, R2_XORPEN, ...) pen and brush would overlap and
// change some pixels twice; there the figure is first drawn plainly into a
// scratch image, where the pen simply covers the brush, and each covered
// pixel of the target is then combined exactly once with its colour.
#ifndef TARNWICK_PLATFORM_GDI_CLOSED_FIGURE_H
#define TARNWICK_PLATFORM_GDI_CLOSED_FIGURE_H

#include "gdi/device_context.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace tarnwick::gdi {

class ScratchFigure {
public:
    // Space for a figure within these device bounds and the reach of the
    // pen in force, as far as the target goes.
    ScratchFigure(DeviceContext& context, const QRectF& figureBounds);
    ~ScratchFigure();

    // A painter on the cleared scratch with the DC painter's pen, brush and
    // background; null when there is nothing to draw on.
    QPainter* Begin();
    // Combines each pixel the figure covered with the target's pixel.
    void CombineWithTarget();

private:
    ScratchFigure(const ScratchFigure&) = delete;
    ScratchFigure& operator=(const ScratchFigure&) = delete;

    DeviceContext& context_;
    QRect bounds_;
    QImage scratch_;
    QPainter painter_;
};

// Whether the figure must go through a scratch image to change each pixel once.
bool NeedsScratch(DeviceContext& context);

// Draws a closed figure with `draw(QPainter&)`, which paints it in device
// pixels; pen and brush must be in force.
template <typename Draw>
void DrawClosedFigure(DeviceContext& context, const QRectF& bounds, Draw draw) {
    if (!NeedsScratch(context)) {
        draw(context.ActivePainter());
        return;
    }
    ScratchFigure scratch(context, bounds);
    QPainter* painter = scratch.Begin();
    if (painter == nullptr) return;
    draw(*painter);
    scratch.CombineWithTarget();
}

}  // namespace tarnwick::gdi

#endif
