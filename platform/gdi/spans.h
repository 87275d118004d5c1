// Runs of pixels, the stuff rectangles and raster ellipses are made of:
// written straight into an image's words where the clip allows, through the
// painter otherwise, always under the DC's raster operation.
#ifndef TARNWICK_PLATFORM_GDI_SPANS_H
#define TARNWICK_PLATFORM_GDI_SPANS_H

#include "gdi/device_context.h"

#include <QColor>
#include <QRect>

namespace tarnwick::gdi {

// Fills the inclusive pixel range, clipped by the painter.
void FillPixels(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& colour);

// Where one figure's runs of pixels go, looked at once for the figure
// rather than once a run: the image's words when the clip is none or a
// rectangle, the painter (with the DC's state applied) otherwise. Made
// for one primitive and dropped after it, so the words it holds are never
// those of an image changed meanwhile.
class SpanTarget {
public:
    explicit SpanTarget(DeviceContext& context);

    // The pixels x0..x1 of row y.
    void Fill(int x0, int x1, int y, COLORREF colour);
    void Fill(const QRect& span, COLORREF colour);

private:
    DeviceContext& context_;
    const RasterOp& rop_;
    uchar* bits_ = nullptr;  // null: through the painter
    qsizetype stride_ = 0;
    QRect area_;             // the pixels that may be written
};

}  // namespace tarnwick::gdi

#endif
