// Bringing a DC's painter up to date with its GDI state, lazily: only when
// a primitive runs and only where the painter differs.
#include "gdi/device_context.h"

namespace tarnwick::gdi {

void DeviceContext::TargetImage(QImage* image) {
    EndPainting();
    image_ = image;
    device_ = image;
}

void DeviceContext::TargetDevice(QPaintDevice* device) {
    EndPainting();
    image_ = nullptr;
    device_ = device;
}

void DeviceContext::BitmapChanged() {
    EndPainting();
    if (kind != DeviceKind::Memory) return;
    BitmapData* data = state.bitmap ? state.bitmap->bitmap : nullptr;
    image_ = (data && !data->image.isNull()) ? &data->image : nullptr;
    device_ = image_;
}

void DeviceContext::EndPainting() {
    if (painter_.isActive()) painter_.end();
    cache_ = PainterCache{};
}

bool DeviceContext::HasWordPixels() const {
    return image_ && (image_->format() == QImage::Format_RGB32 ||
                      image_->format() == QImage::Format_ARGB32_Premultiplied);
}

void DeviceContext::MappingChanged() { transform = ComputeTransform(state.mapping); }

QPainter* DeviceContext::Painter() {
    if (!device_ || (image_ && image_->isNull())) return nullptr;
    if (!painter_.isActive()) {
        if (!painter_.begin(device_)) return nullptr;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        cache_ = PainterCache{};
    }
    return &painter_;
}

bool DeviceContext::PrepareTarget() {
    QPainter* p = Painter();
    if (!p) return false;
    if (!cache_.clipValid) {
        if (state.hasClip) {
            p->setClipRegion(state.clip);
        } else {
            p->setClipping(false);
        }
        cache_.clipValid = true;
    }
    return true;
}

void DeviceContext::SetComposition(QPainter::CompositionMode mode) {
    if (cache_.compositionValid && cache_.composition == mode) return;
    painter_.setCompositionMode(mode);
    cache_.composition = mode;
    cache_.compositionValid = true;
}

bool DeviceContext::ApplyRasterState() {
    if (!PrepareTarget()) return false;
    const RasterOp& rop = Rop();
    if (rop.Colour() == RopColour::Nothing) return false;
    SetComposition(rop.mode);
    return true;
}

void DeviceContext::ApplyCopyMode() { SetComposition(QPainter::CompositionMode_SourceOver); }

DevicePen DeviceContext::SelectedPen() const {
    return TranslatePen(state.pen->pen, transform, Rop(), ScreenPixel());
}

bool DeviceContext::ApplyPen(const DevicePen& pen) {
    if (!ApplyRasterState()) return false;
    if (!cache_.penValid || !(cache_.pen == pen)) {
        painter_.setPen(MakeQPen(pen));
        cache_.pen = pen;
        cache_.penValid = true;
    }
    if (pen.style != PS_SOLID && !pen.IsNull()) {
        // An opaque background fills the gaps of a dashed line.
        bool opaque = state.bkMode == OPAQUE;
        painter_.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        if (opaque) painter_.setBackground(ToQColor(Rop().PaintColour(state.bkColour)));
    }
    return true;
}

bool DeviceContext::ApplyBrush() {
    if (!ApplyRasterState()) return false;
    const BrushData& data = state.brush->brush;
    COLORREF colour = Rop().PaintColour(data.colour);
    if (!cache_.brushValid || cache_.brushHollow != data.hollow ||
        (!data.hollow && cache_.brushColour != colour)) {
        painter_.setBrush(data.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(colour)));
        cache_.brushHollow = data.hollow;
        cache_.brushColour = colour;
        cache_.brushValid = true;
    }
    return true;
}

bool DeviceContext::ApplyText(const QFont& font) {
    if (!PrepareTarget()) return false;
    ApplyCopyMode();
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setFont(font);
    painter_.setPen(ToQColor(state.textColour));
    cache_.penValid = false;  // the painter's pen is the text colour now
    return true;
}

void DeviceContext::ClipPainterTo(const QRect& box) {
    painter_.setClipRect(box, state.hasClip ? Qt::IntersectClip : Qt::ReplaceClip);
    cache_.clipValid = false;
}

}  // namespace tarnwick::gdi
