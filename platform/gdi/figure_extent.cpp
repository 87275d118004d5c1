#include "gdi/figure_extent.h"

namespace tarnwick::gdi {
namespace {

QRect Grown(const QRect& bounds, int reach) { return bounds.adjusted(-reach, -reach, reach, reach); }

}  // namespace

bool OutsideTarget(const DeviceContext& context, const QRect& bounds) {
    const QImage* image = context.Image();
    if (image == nullptr) return false;
    QRect visible = image->rect();
    if (context.state.hasClip) visible &= context.state.clip.boundingRect();
    return !Grown(bounds, PenReach(context.SelectedPen())).intersects(visible);
}

void NoteFigure(DeviceContext& context, const QRect& bounds) {
    context.NoteDrawn(Grown(bounds, PenReach(context.PenInForce())));
}

}  // namespace tarnwick::gdi
