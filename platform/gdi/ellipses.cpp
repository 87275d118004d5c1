// Ellipse: painted from its exact pixels on image targets (see
// raster_ellipses.h), through Qt's curve elsewhere.
#include "gdi/closed_figure.h"
#include "gdi/device_box.h"
#include "gdi/device_context.h"
#include "gdi/raster_ellipses.h"

namespace tarnwick::gdi {
namespace {

QRectF EllipseRect(const DeviceContext& context, const DeviceBox& box) {
    qreal w = box.right - box.left - 1, h = box.bottom - box.top - 1;
    // A wide pen is centred on the ellipse through the edge pixels' centres;
    // aliased one-pixel outlines and fills sit on pixel coordinates.
    qreal offset = context.PenInForce().width > 1 ? 0.5 : 0.0;
    return QRectF(box.left + offset, box.top + offset, w, h);
}

}  // namespace
}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    DeviceBox box;
    if (!PrepareBoxFigure(*context, left, top, right, bottom, box)) return TRUE;
    if (TryRasterEllipse(*context, box)) return TRUE;
    QRectF rect = EllipseRect(*context, box);
    DrawClosedFigure(*context, rect, [&](QPainter& painter) { painter.drawEllipse(rect); });
    return TRUE;
}
