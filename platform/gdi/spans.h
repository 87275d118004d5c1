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

// Writes a span of pixels straight into an image target, for the common
// case of no clip or a rectangular one. False when the painter must do it.
bool TryDirectSpan(DeviceContext& context, const QRect& span, COLORREF colour);

// One row's run of pixels x0..x1 through the fastest path that keeps the
// raster operation and the clip.
void FillSpan(DeviceContext& context, int x0, int x1, int y, COLORREF colour);

}  // namespace tarnwick::gdi

#endif
