#include "gdi/figure_extent.h"

namespace tarnwick::gdi {
namespace {

QRect Grown(const QRect& bounds, const DevicePen& pen) {
    const int reach = PenReach(pen);
    return bounds.adjusted(-reach, -reach, reach, reach);
}

// Whether the figure lies wholly outside an image target or its clip. Asked
// before the pen is put in force, so that such figures cost nothing of the
// painter.
bool OutsideTarget(const DeviceContext& context, const QRect& bounds, const DevicePen& pen) {
    const QImage* image = context.Image();
    if (image == nullptr) return false;
    QRect visible = image->rect();
    if (context.state.hasClip) visible &= context.state.clip.boundingRect();
    return !Grown(bounds, pen).intersects(visible);
}

}  // namespace

bool PrepareFigure(DeviceContext& context, const QRect& bounds, Outline outline) {
    const DevicePen pen = context.SelectedPen();
    if (OutsideTarget(context, bounds, pen)) return false;
    if (!context.ApplyPen(pen)) return false;
    if (outline == Outline::Closed) {
        if (!context.ApplyBrush()) return false;
    } else if (pen.IsNull()) {
        return false;
    }
    context.NoteDrawn(Grown(bounds, pen));
    return true;
}

}  // namespace tarnwick::gdi
