#include "draw_surface.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "draw_object_component.h"
#include "saturated_int.h"

namespace {

constexpr double kFullTurn = 6.283185307179586;
constexpr int kMostRegularVertices = 100;

}  // namespace

HDC DrawSurface::SetDC(HDC dc) {
    dc_ = dc;
    return dc;
}

void DrawSurface::SetAttributes(COLORREF colour, int penStyle, int penWidth, COLORREF fillColour,
                                int fillOn, int fontHeight) {
    colour_ = colour;
    penStyle_ = penStyle;
    penWidth_ = penWidth;
    fillColour_ = fillColour;
    fillOn_ = fillOn;
    fontHeight_ = fontHeight;
}

// Negative radii are passed on as they are: GDI gets a box with swapped corners.
void DrawSurface::DrawEllipse(int cx, int cy, int rx, int ry, int mode) {
    if (dc_ == nullptr) return;
    BeginDraw(mode);
    // Summed in 64 bits: the lowest int has no 32-bit negative.
    const long long x = cx, y = cy;
    Ellipse(dc_, SaturatedInt(x - rx), SaturatedInt(y - ry), SaturatedInt(x + rx), SaturatedInt(y + ry));
    EndDraw();
}

void DrawSurface::DrawLine(int x1, int y1, int x2, int y2, int mode) {
    if (dc_ == nullptr) return;
    BeginDraw(mode);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    EndDraw();
}

// The corners may come in any order; the same rectangle is drawn either way.
void DrawSurface::DrawRectangle(int x1, int y1, int x2, int y2, int mode) {
    if (dc_ == nullptr) return;
    BeginDraw(mode);
    Rectangle(dc_, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    EndDraw();
}

// Missing coordinate arrays are not followed: such a call draws nothing.
void DrawSurface::DrawPolygon(const int* xs, const int* ys, int count, int mode) {
    if (dc_ == nullptr) return;
    if (count > 0 && (xs == nullptr || ys == nullptr)) return;
    POINT* points = nullptr;
    if (count > 0) {
        points = static_cast<POINT*>(std::malloc(sizeof(POINT) * static_cast<std::size_t>(count)));
        if (points == nullptr) return;
        for (int i = 0; i < count; ++i) points[i] = POINT{xs[i], ys[i]};
    }
    BeginDraw(mode);
    if (points != nullptr) Polygon(dc_, points, count);
    EndDraw();
    std::free(points);
}

// Each vertex is the previous one, already truncated, turned by 2 pi / n
// about the centre, so the truncation toward zero accumulates.
void DrawSurface::DrawRegularPolygon(int cx, int cy, int x0, int y0, int n, int mode) {
    if (dc_ == nullptr || n <= 3) return;
    n = std::min(n, kMostRegularVertices);
    const double angle = kFullTurn / n;

    rotationAboutCentre_.SetIdentity();
    rotationAboutCentre_.SetTranslation(-static_cast<double>(cx), -static_cast<double>(cy), 0);
    step_.SetIdentity();
    step_.SetRotationZ(angle);
    rotationAboutCentre_.Concatenate(&step_);
    step_.SetIdentity();
    step_.SetTranslation(cx, cy, 0);
    rotationAboutCentre_.Concatenate(&step_);

    POINT vertices[kMostRegularVertices];
    vertices[0] = POINT{x0, y0};
    for (int i = 1; i < n; ++i) {
        int x = vertices[i - 1].x, y = vertices[i - 1].y, z = 0;
        static_cast<ZMatrix3D&>(rotationAboutCentre_).TransformInt(&x, &y, &z);
        vertices[i] = POINT{x, y};
    }
    BeginDraw(mode);
    Polygon(dc_, vertices, n);
    EndDraw();
}

// The object starts with this surface's settings and keeps the surface alive.
DrawObject* DrawSurface::CreateObject() {
    auto* object = new (std::nothrow) DrawObjectComponent(this);
    if (object == nullptr) return nullptr;
    object->SetAttributes(colour_, penStyle_, penWidth_, fillColour_, fillOn_, fontHeight_);
    return object;
}

ZMatrix3D* DrawSurface::CreateMatrix() { return new (std::nothrow) Matrix3D(nullptr); }
