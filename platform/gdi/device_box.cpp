#include "gdi/device_box.h"

#include "gdi/figure_extent.h"
#include "gdi/spans.h"

#include <algorithm>

namespace tarnwick::gdi {

DeviceBox MapBox(const DeviceContext& context, int left, int top, int right, int bottom) {
    POINT a = context.transform.ToDevice(left, top);
    POINT b = context.transform.ToDevice(right, bottom);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void FillBox(QPainter& painter, const DeviceBox& box, const QColor& colour) {
    FillPixels(painter, box.left, box.top, box.right - 1, box.bottom - 1, colour);
}

bool PrepareBoxFigure(DeviceContext& context, int left, int top, int right, int bottom, DeviceBox& box) {
    box = MapBox(context, left, top, right, bottom);
    return !box.IsEmpty() && PrepareFigure(context, box.Pixels(), Outline::Closed);
}

}  // namespace tarnwick::gdi
