// MoveToEx and LineTo, drawn aliased in device pixels with GDI's rule that
// a line leaves out its last pixel.
#include "gdi/device_context.h"
#include "gdi/figure_extent.h"
#include "gdi/spans.h"

#include <algorithm>

namespace tarnwick::gdi {
namespace {

// A one-pixel solid axis-aligned line as a filled span: the same pixels as
// the general line path (last pixel left out) at a fraction of its cost.
bool TryAxisAlignedSpan(DeviceContext& context, POINT from, POINT to) {
    if (!context.PenInForce().IsThinSolid()) return false;
    QRect span;
    if (from.y == to.y) {
        span = to.x > from.x ? QRect(from.x, from.y, to.x - from.x, 1)
                             : QRect(to.x + 1, from.y, from.x - to.x, 1);
    } else if (from.x == to.x) {
        span = to.y > from.y ? QRect(from.x, from.y, 1, to.y - from.y)
                             : QRect(from.x, to.y + 1, 1, from.y - to.y);
    } else {
        return false;
    }
    SpanTarget(context).Fill(span, context.PenInForce().colour);
    return true;
}

void DrawDeviceLine(DeviceContext& context, POINT from, POINT to) {
    if (from.x == to.x && from.y == to.y) return;
    const QRect bounds(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                       QPoint(std::max(from.x, to.x), std::max(from.y, to.y)));
    if (!PrepareFigure(context, bounds, Outline::Open)) return;
    if (TryAxisAlignedSpan(context, from, to)) return;
    context.ActivePainter().drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

}  // namespace
}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    if (old) *old = context->state.position;
    context->state.position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    POINT from = context->transform.ToDevice(context->state.position.x, context->state.position.y);
    POINT to = context->transform.ToDevice(x, y);
    context->state.position = {x, y};
    DrawDeviceLine(*context, from, to);
    return TRUE;
}
