#include "draw_object_component.h"

#include "objdata_codec.h"

namespace {

constexpr unsigned int kHighestKind = 98;

// Points each kind needs before it draws anything.
struct KindRule {
    int kind;
    int minimumPoints;
};
constexpr KindRule kDrawnKinds[] = {
    {kKindLine, 2},
    {kKindPolygon, 3},
    {kKindEllipse, 2},       // point 1 holds the radii
    {kKindRectangle, 2},     // opposite corners, in any order
    {kKindText, 1},          // the baseline-left anchor
    {kKindTemporaryLine, 2},
};

bool HasEnoughPoints(int kind, int pointCount) {
    for (const KindRule& rule : kDrawnKinds) {
        if (rule.kind == kind) return pointCount >= rule.minimumPoints;
    }
    return false;
}

}  // namespace

void DrawObjectComponent::GetAttributes(COLORREF* colour, int* penStyle, int* penWidth,
                                        COLORREF* fillColour, int* fillOn, int* fontHeight) {
    *colour = figure_.colour;
    *penStyle = figure_.penStyle;
    *penWidth = figure_.penWidth;
    *fillColour = figure_.fillColour;
    *fillOn = figure_.fillOn;
    *fontHeight = figure_.fontHeight;
}

void DrawObjectComponent::SetAttributes(COLORREF colour, int penStyle, int penWidth,
                                        COLORREF fillColour, int fillOn, int fontHeight) {
    figure_.colour = colour;
    figure_.penStyle = penStyle;
    figure_.penWidth = penWidth;
    figure_.fillColour = fillColour;
    figure_.fillOn = fillOn;
    figure_.fontHeight = fontHeight;
}

// 0 and anything above 98 (negative values included, read unsigned) make a line.
void DrawObjectComponent::SetKind(unsigned int kind) {
    figure_.kind = kind == 0 || kind > kHighestKind ? kKindLine : static_cast<int>(kind);
}

// The caller asks for the size with a null buffer first, then passes a
// buffer of that size with the same length.
int DrawObjectComponent::Encode(char* buffer, int* length) {
    if (length == nullptr) return 0;
    const int needed = ObjDataLength(figure_);
    if (needed < 0) return 0;
    if (buffer == nullptr || *length < needed) {
        *length = needed;
        return 0;
    }
    if (figure_.PointCount() == 0) return 0;
    WriteObjData(figure_, buffer);
    return 1;
}

void DrawObjectComponent::Decode(char* text) {
    if (text == nullptr) return;
    ReadObjData(text, figure_);
}

void DrawObjectComponent::Draw() {
    if (surface_ == nullptr) return;
    PushSettings();
    if (HasEnoughPoints(figure_.kind, figure_.PointCount())) DrawFigure();
}

// A temporary line always draws as a thin solid line in its own colour; the
// settings pushed stay the surface's current ones after the draw.
void DrawObjectComponent::PushSettings() {
    if (figure_.kind == kKindTemporaryLine) {
        surface_->SetAttributes(figure_.colour, PS_SOLID, 0, 0, 0, 8);
        return;
    }
    surface_->SetAttributes(figure_.colour, figure_.penStyle, figure_.penWidth,
                            figure_.fillColour, figure_.fillOn, figure_.fontHeight);
}

void DrawObjectComponent::DrawFigure() {
    const int* xs = figure_.Xs();
    const int* ys = figure_.Ys();
    switch (figure_.kind) {
        case kKindLine:
        case kKindTemporaryLine:
            surface_->DrawLine(xs[0], ys[0], xs[1], ys[1], kModeKeepRop);
            break;
        case kKindPolygon:
            surface_->DrawPolygon(xs, ys, figure_.PointCount(), kModeKeepRop);
            break;
        case kKindEllipse:
            surface_->DrawEllipse(xs[0], ys[0], xs[1], ys[1], kModeKeepRop);
            break;
        case kKindRectangle:
            surface_->DrawRectangle(xs[0], ys[0], xs[1], ys[1], kModeKeepRop);
            break;
        case kKindText:
            if (figure_.Text() != nullptr) surface_->DrawString(xs[0], ys[0], figure_.Text(), kModeKeepRop);
            break;
    }
}
