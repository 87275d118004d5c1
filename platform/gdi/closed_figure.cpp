#include "gdi/closed_figure.h"

namespace tarnwick::gdi {

bool NeedsScratch(DeviceContext& context) {
    const bool hasPen = !context.PenInForce().IsNull();
    const bool hasBrush = !context.BrushIsHollow();
    return hasPen && hasBrush && !context.Rop().IsIdempotent() && context.HasWordPixels();
}

ScratchFigure::ScratchFigure(DeviceContext& context, const QRectF& figureBounds) : context_(context) {
    const int reach = PenReach(context.PenInForce());
    bounds_ = figureBounds.toAlignedRect().adjusted(-reach, -reach, reach, reach) & context.Image()->rect();
}

ScratchFigure::~ScratchFigure() {
    if (painter_.isActive()) painter_.end();
}

QPainter* ScratchFigure::Begin() {
    if (bounds_.isEmpty()) return nullptr;
    scratch_ = QImage(bounds_.size(), QImage::Format_ARGB32);
    if (scratch_.isNull()) return nullptr;
    scratch_.fill(Qt::transparent);
    if (!painter_.begin(&scratch_)) return nullptr;
    const QPainter& target = context_.ActivePainter();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackgroundMode(target.backgroundMode());
    painter_.setBackground(target.background());
    painter_.translate(-bounds_.topLeft());
    painter_.setPen(target.pen());
    painter_.setBrush(target.brush());
    return &painter_;
}

void ScratchFigure::CombineWithTarget() {
    painter_.end();
    QImage& target = *context_.Image();
    QRegion area(bounds_);
    if (context_.state.hasClip) area &= context_.state.clip;
    const RasterOp& rop = context_.Rop();
    for (const QRect& rect : area) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
            auto* source = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y - bounds_.top()));
            for (int x = rect.left(); x <= rect.right(); ++x) {
                QRgb colour = source[x - bounds_.left()];
                if (qAlpha(colour) == 0) continue;
                line[x] = 0xFF000000u | (rop.Apply(colour, line[x]) & 0xFFFFFFu);
            }
        }
    }
}

}  // namespace tarnwick::gdi
