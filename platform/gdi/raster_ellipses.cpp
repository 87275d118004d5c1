#include "gdi/raster_ellipses.h"

#include "gdi/dashed_outline.h"
#include "gdi/ellipse_raster.h"
#include "gdi/spans.h"

#include <algorithm>

namespace tarnwick::gdi {
namespace {

// Clockwise from the top centre: the right half of each row from the top
// down, then the left half from the bottom up. Upper rows are walked
// outwards going down and inwards going up; lower rows the other way.
void DrawDashedEllipse(DeviceContext& context, const DeviceBox& box, const QRect& visible) {
    EllipseRaster raster(box.left, box.top, box.right, box.bottom);
    DashedOutline outline(context, visible);
    SpanTarget target(context);
    const int middle = box.left + (box.right - box.left) / 2;  // first column of the right half
    auto upper = [&](int y) { return 2 * y <= box.top + box.bottom - 1; };
    for (int y = box.top; y < box.bottom; ++y) {
        const EllipseRow row = raster.Row(y);
        const int from = row.HasInterior() ? row.interiorRight + 1 : std::max(row.left, middle);
        outline.Run(y, from, row.right, upper(y));
        if (row.HasInterior() && !context.BrushIsHollow() && y >= visible.top() && y <= visible.bottom())
            target.Fill(row.interiorLeft, row.interiorRight, y, context.BrushColour());
    }
    for (int y = box.bottom - 1; y >= box.top; --y) {
        const EllipseRow row = raster.Row(y);
        const int to = row.HasInterior() ? row.interiorLeft - 1 : std::min(row.right, middle - 1);
        outline.Run(y, row.left, to, upper(y));
    }
}

// A solid one-pixel outline around the brush, or, without a pen, the brush
// alone.
void DrawThinEllipse(DeviceContext& context, const DeviceBox& box, const QRect& visible) {
    const DevicePen& pen = context.PenInForce();
    const bool hasBrush = !context.BrushIsHollow();
    const COLORREF brush = context.BrushColour();
    EllipseRaster raster(box.left, box.top, box.right, box.bottom);
    SpanTarget target(context);
    const int lastRow = std::min(box.bottom - 1, visible.bottom());
    for (int y = std::max(box.top, visible.top()); y <= lastRow; ++y) {
        const EllipseRow row = raster.Row(y);
        if (pen.IsNull()) {
            target.Fill(row.left, row.right, y, brush);
        } else if (!row.HasInterior()) {
            target.Fill(row.left, row.right, y, pen.colour);
        } else {
            target.Fill(row.left, row.interiorLeft - 1, y, pen.colour);
            if (hasBrush) target.Fill(row.interiorLeft, row.interiorRight, y, brush);
            target.Fill(row.interiorRight + 1, row.right, y, pen.colour);
        }
    }
}

// A wide pen is centred on the thin outline as on a rectangle's edge:
// floor(w/2) pixels outside it, the rest inside. It covers the figure of
// the box grown by that much less the figure of the box w pixels smaller
// still, which the brush fills.
void DrawWideEllipse(DeviceContext& context, const DeviceBox& box, const QRect& visible) {
    const int width = context.PenInForce().width, outside = width / 2;
    const DeviceBox outer{box.left - outside, box.top - outside, box.right + outside, box.bottom + outside};
    const DeviceBox inner{outer.left + width, outer.top + width, outer.right - width, outer.bottom - width};
    EllipseRaster outerRaster(outer.left, outer.top, outer.right, outer.bottom);
    EllipseRaster innerRaster(inner.left, inner.top, std::max(inner.right, inner.left + 1),
                              std::max(inner.bottom, inner.top + 1));
    const COLORREF pen = context.PenInForce().colour;
    SpanTarget target(context);
    const int lastRow = std::min(outer.bottom - 1, visible.bottom());
    for (int y = std::max(outer.top, visible.top()); y <= lastRow; ++y) {
        const EllipseRow row = outerRaster.Row(y);
        if (inner.IsEmpty() || y < inner.top || y >= inner.bottom) {
            target.Fill(row.left, row.right, y, pen);
            continue;
        }
        const EllipseRow hole = innerRaster.Row(y);
        const int holeLeft = std::max(hole.left, row.left), holeRight = std::min(hole.right, row.right);
        target.Fill(row.left, holeLeft - 1, y, pen);
        if (!context.BrushIsHollow()) target.Fill(holeLeft, holeRight, y, context.BrushColour());
        target.Fill(holeRight + 1, row.right, y, pen);
    }
}

}  // namespace

bool TryRasterEllipse(DeviceContext& context, DeviceBox box) {
    constexpr int kMaxDashedHeight = 1 << 16;
    if (!context.Image()) return false;
    const DevicePen& pen = context.PenInForce();
    const bool dashed = !pen.IsNull() && pen.style != PS_SOLID;
    if (dashed && box.bottom - box.top > kMaxDashedHeight) return false;
    if (pen.IsNull()) {
        box = BrushOnlyBox(box);
        if (context.BrushIsHollow() || box.IsEmpty()) return true;
    }
    // Only the rows that can reach the target are painted.
    QRect visible = context.Image()->rect();
    if (context.state.hasClip) visible &= context.state.clip.boundingRect();
    if (dashed) {
        DrawDashedEllipse(context, box, visible);
    } else if (pen.width > 1) {
        DrawWideEllipse(context, box, visible);
    } else {
        DrawThinEllipse(context, box, visible);
    }
    return true;
}

}  // namespace tarnwick::gdi
