// Lines, rectangles, ellipses, polygons and rectangle fills, drawn aliased in
// device pixels with GDI's pixel rules: a line leaves out its last pixel, and
// a box (l, t, r, b) covers the pixels l..r-1 and t..b-1 after mapping.
#include "gdi/device_context.h"
#include "gdi/dashes.h"
#include "gdi/ellipse_raster.h"

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarnwick::gdi {
namespace {

// A box in device pixels; right and bottom are exclusive.
struct DeviceBox {
    int left, top, right, bottom;
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

DeviceBox MapBox(const DeviceContext& context, int left, int top, int right, int bottom) {
    POINT a = context.transform.ToDevice(left, top);
    POINT b = context.transform.ToDevice(right, bottom);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// Fills the inclusive pixel range, clipped by the painter.
void FillPixels(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& colour) {
    if (x1 < x0 || y1 < y0) return;
    painter.fillRect(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), colour);
}

// Writes a span of pixels straight into an image target, for the common
// case of no clip or a rectangular one. False when the painter must do it.
bool TryDirectSpan(DeviceContext& context, const QRect& span, COLORREF colour) {
    if (!context.HasWordPixels()) return false;
    QRect area = span & context.Image()->rect();
    if (context.state.hasClip) {
        if (context.state.clip.rectCount() > 1) return false;
        area &= context.state.clip.boundingRect();
    }
    if (area.isEmpty()) return true;
    const std::uint32_t pen = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                              GetBValue(colour);
    const RasterOp& rop = context.Rop();
    const qsizetype stride = context.Image()->bytesPerLine();
    uchar* bits = context.Image()->bits();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* pixel = reinterpret_cast<std::uint32_t*>(bits + y * stride) + area.left();
        auto* end = pixel + area.width();
        if (rop.rop2 == R2_COPYPEN) {
            std::fill(pixel, end, pen);
        } else {
            for (; pixel != end; ++pixel) *pixel = 0xFF000000u | rop.Apply(pen, *pixel);
        }
    }
    return true;
}

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
    if (!TryDirectSpan(context, span, context.PenInForce().colour)) {
        context.ActivePainter().fillRect(span, ToQColor(context.PenInForce().colour));
    }
    return true;
}

// Tells the DC which pixels a figure within these device bounds (inclusive)
// may have changed: the pen reaches its width beyond them.
void NoteFigure(DeviceContext& context, int left, int top, int right, int bottom) {
    const int reach = context.PenInForce().width + 1;
    context.NoteDrawn(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-reach, -reach, reach, reach));
}

// Whether a figure within these device bounds (inclusive) can change no
// pixel of an image target: it lies wholly outside the image or the clip.
// Such figures are not drawn at all; a page holds many of them when only
// part of it shows.
bool OutsideTarget(const DeviceContext& context, int left, int top, int right, int bottom) {
    const QImage* image = context.Image();
    if (image == nullptr) return false;
    const double penWidth = context.state.pen->pen.width * std::fabs(context.transform.scaleX);
    const int reach = static_cast<int>(std::min(penWidth, 32767.0)) + 2;
    QRect visible = image->rect();
    if (context.state.hasClip) visible &= context.state.clip.boundingRect();
    const QRect figure(QPoint(left - reach, top - reach), QPoint(right + reach, bottom + reach));
    return !figure.intersects(visible);
}

void DrawDeviceLine(DeviceContext& context, POINT from, POINT to) {
    if (from.x == to.x && from.y == to.y) return;
    if (OutsideTarget(context, std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                      std::max(from.y, to.y)))
        return;
    if (!context.ApplyPen() || context.PenInForce().IsNull()) return;
    NoteFigure(context, std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
               std::max(from.y, to.y));
    if (TryAxisAlignedSpan(context, from, to)) return;
    context.ActivePainter().drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

// A solid-pen rectangle as filled bands: a pen of width w is centred on the
// box's edge pixels (floor(w/2) outside, the rest inside), and the brush
// fills what the pen leaves. No pixel is covered twice.
void DrawSolidFrameRectangle(DeviceContext& context, const DeviceBox& box, int width,
                             const QColor& pen, const QColor* brush) {
    QPainter& painter = context.ActivePainter();
    int outside = width / 2, inside = width - 1 - outside;
    int x0 = box.left - outside, x1 = box.right - 1 + inside;
    int y0 = box.top - outside, y1 = box.bottom - 1 + inside;
    int i0 = box.left + inside + 1, i1 = box.right - 2 - outside;
    int j0 = box.top + inside + 1, j1 = box.bottom - 2 - outside;
    if (i0 > i1 || j0 > j1) {
        FillPixels(painter, x0, y0, x1, y1, pen);
        return;
    }
    FillPixels(painter, x0, y0, x1, j0 - 1, pen);   // top band
    FillPixels(painter, x0, j1 + 1, x1, y1, pen);   // bottom band
    FillPixels(painter, x0, j0, i0 - 1, j1, pen);   // left band
    FillPixels(painter, i1 + 1, j0, x1, j1, pen);   // right band
    if (brush) FillPixels(painter, i0, j0, i1, j1, *brush);
}

const QColor* BrushColour(DeviceContext& context, QColor& storage) {
    if (context.BrushIsHollow()) return nullptr;
    storage = ToQColor(context.BrushColour());
    return &storage;
}

// Draws a figure under an operation that is not idempotent (R2_NOT,
// R2_XORPEN, ...): the figure is first drawn plainly into a scratch image,
// where the pen simply covers the brush, and each covered pixel of the
// target is then combined exactly once with its colour.
template <typename Draw>
void DrawOnceThroughScratch(DeviceContext& context, const QRectF& figureBounds, Draw draw) {
    QImage& target = *context.Image();
    QPainter& painter = context.ActivePainter();
    int margin = painter.pen().width() + 2;
    QRect bounds = figureBounds.toAlignedRect().adjusted(-margin, -margin, margin, margin) &
                   target.rect();
    if (bounds.isEmpty()) return;
    QImage scratch(bounds.size(), QImage::Format_ARGB32);
    if (scratch.isNull()) return;
    scratch.fill(Qt::transparent);
    QPainter scratchPainter(&scratch);
    scratchPainter.setRenderHint(QPainter::Antialiasing, false);
    scratchPainter.setBackgroundMode(painter.backgroundMode());
    scratchPainter.setBackground(painter.background());
    scratchPainter.translate(-bounds.topLeft());
    scratchPainter.setPen(painter.pen());
    scratchPainter.setBrush(painter.brush());
    draw(scratchPainter);
    scratchPainter.end();

    QRegion area(bounds);
    if (context.state.hasClip) area &= context.state.clip;
    const RasterOp& rop = context.Rop();
    for (const QRect& rect : area) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
            auto* source = reinterpret_cast<const QRgb*>(scratch.constScanLine(y - bounds.top()));
            for (int x = rect.left(); x <= rect.right(); ++x) {
                QRgb colour = source[x - bounds.left()];
                if (qAlpha(colour) == 0) continue;
                line[x] = 0xFF000000u | (rop.Apply(colour, line[x]) & 0xFFFFFFu);
            }
        }
    }
}

// Draws a closed figure: brush inside, pen on the outline.
template <typename Draw>
void DrawClosedFigure(DeviceContext& context, const QRectF& bounds, Draw draw) {
    bool hasPen = !context.PenInForce().IsNull();
    bool hasBrush = !context.BrushIsHollow();
    if (hasPen && hasBrush && !context.Rop().IsIdempotent() && context.HasWordPixels()) {
        DrawOnceThroughScratch(context, bounds, draw);
        return;
    }
    draw(context.ActivePainter());
}

// One row's run of pixels x0..x1 through the fastest path that keeps the
// raster operation and the clip.
void FillSpan(DeviceContext& context, int x0, int x1, int y, COLORREF colour) {
    if (x1 < x0) return;
    QRect span(x0, y, x1 - x0 + 1, 1);
    if (!TryDirectSpan(context, span, colour)) context.ActivePainter().fillRect(span, ToQColor(colour));
}

// Paints a dashed outline run by run in the order of the path, so that the
// pattern runs on along the curve; gaps take the background colour when the
// background mode is opaque.
class DashedOutline {
public:
    DashedOutline(DeviceContext& context, const QRect& visible)
        : context_(context), visible_(visible), dashes_(CosmeticDashes(context.PenInForce().style)),
          opaque_(context.state.bkMode == OPAQUE),
          background_(context.Rop().PaintColour(context.state.bkColour)) {}

    // The pixels x0..x1 of row y, walked rightwards or leftwards. Only the
    // visible ones are painted; the rest just move the pattern on.
    void Run(int y, int x0, int x1, bool rightwards) {
        if (x1 < x0) return;
        const long long length = static_cast<long long>(x1) - x0 + 1;
        if (y >= visible_.top() && y <= visible_.bottom()) {
            const int from = std::max(x0, visible_.left()), to = std::min(x1, visible_.right());
            for (int x = from; x <= to;) {
                // Pixels x.. that share the dash state of x, in walking order.
                const bool on = dashes_.IsOn(PositionOf(x, x0, x1, rightwards));
                int end = x;
                while (end < to && dashes_.IsOn(PositionOf(end + 1, x0, x1, rightwards)) == on) ++end;
                if (on) FillSpan(context_, x, end, y, context_.PenInForce().colour);
                else if (opaque_) FillSpan(context_, x, end, y, background_);
                x = end + 1;
            }
        }
        position_ += length;
    }

private:
    long long PositionOf(int x, int x0, int x1, bool rightwards) const {
        return position_ + (rightwards ? static_cast<long long>(x) - x0 : static_cast<long long>(x1) - x);
    }

    DeviceContext& context_;
    QRect visible_;
    DashPattern dashes_;
    bool opaque_;
    COLORREF background_;
    long long position_ = 0;
};

// Clockwise from the top centre: the right half of each row from the top
// down, then the left half from the bottom up. Upper rows are walked
// outwards going down and inwards going up; lower rows the other way.
void DrawDashedEllipse(DeviceContext& context, const DeviceBox& box, const QRect& visible) {
    EllipseRaster raster(box.left, box.top, box.right, box.bottom);
    DashedOutline outline(context, visible);
    const int middle = box.left + (box.right - box.left) / 2;  // first column of the right half
    auto upper = [&](int y) { return 2 * y <= box.top + box.bottom - 1; };
    for (int y = box.top; y < box.bottom; ++y) {
        const EllipseRow row = raster.Row(y);
        const int from = row.HasInterior() ? row.interiorRight + 1 : std::max(row.left, middle);
        outline.Run(y, from, row.right, upper(y));
        if (row.HasInterior() && !context.BrushIsHollow() && y >= visible.top() && y <= visible.bottom())
            FillSpan(context, row.interiorLeft, row.interiorRight, y, context.BrushColour());
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
    const int lastRow = std::min(box.bottom - 1, visible.bottom());
    for (int y = std::max(box.top, visible.top()); y <= lastRow; ++y) {
        const EllipseRow row = raster.Row(y);
        if (pen.IsNull()) {
            FillSpan(context, row.left, row.right, y, brush);
        } else if (!row.HasInterior()) {
            FillSpan(context, row.left, row.right, y, pen.colour);
        } else {
            FillSpan(context, row.left, row.interiorLeft - 1, y, pen.colour);
            if (hasBrush) FillSpan(context, row.interiorLeft, row.interiorRight, y, brush);
            FillSpan(context, row.interiorRight + 1, row.right, y, pen.colour);
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
    const int lastRow = std::min(outer.bottom - 1, visible.bottom());
    for (int y = std::max(outer.top, visible.top()); y <= lastRow; ++y) {
        const EllipseRow row = outerRaster.Row(y);
        if (inner.IsEmpty() || y < inner.top || y >= inner.bottom) {
            FillSpan(context, row.left, row.right, y, pen);
            continue;
        }
        const EllipseRow hole = innerRaster.Row(y);
        const int holeLeft = std::max(hole.left, row.left), holeRight = std::min(hole.right, row.right);
        FillSpan(context, row.left, holeLeft - 1, y, pen);
        if (!context.BrushIsHollow()) FillSpan(context, holeLeft, holeRight, y, context.BrushColour());
        FillSpan(context, holeRight + 1, row.right, y, pen);
    }
}

// An ellipse on an image target, painted row by row from its exact pixels
// (see ellipse_raster.h): pen and brush never overlap, so operations such
// as R2_NOT change each pixel once. A printer gets Qt's curve at its own
// resolution instead, and so does a dashed figure too tall to walk whole.
bool TryRasterEllipse(DeviceContext& context, DeviceBox box) {
    constexpr int kMaxDashedHeight = 1 << 16;
    if (!context.Image()) return false;
    const DevicePen& pen = context.PenInForce();
    const bool dashed = !pen.IsNull() && pen.style != PS_SOLID;
    if (dashed && box.bottom - box.top > kMaxDashedHeight) return false;
    if (pen.IsNull()) {
        // Without a pen the filled area is one pixel smaller, as on Win32.
        box.right -= 1;
        box.bottom -= 1;
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

namespace {

// The device box of a rectangle or ellipse, with pen and brush in force and
// the figure noted as drawn; false when there is nothing to draw.
bool PrepareBoxFigure(DeviceContext& context, int left, int top, int right, int bottom, DeviceBox& box) {
    box = MapBox(context, left, top, right, bottom);
    if (box.IsEmpty() || OutsideTarget(context, box.left, box.top, box.right - 1, box.bottom - 1)) return false;
    if (!context.ApplyPen() || !context.ApplyBrush()) return false;
    NoteFigure(context, box.left, box.top, box.right - 1, box.bottom - 1);
    return true;
}

}  // namespace

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    DeviceBox box;
    if (!PrepareBoxFigure(*context, left, top, right, bottom, box)) return TRUE;
    const DevicePen& pen = context->PenInForce();
    QColor brushStorage;
    const QColor* brush = BrushColour(*context, brushStorage);
    if (pen.IsNull()) {
        // Without a pen the filled area is one pixel smaller, as on Win32.
        if (brush) FillPixels(context->ActivePainter(), box.left, box.top, box.right - 2, box.bottom - 2, *brush);
    } else if (pen.style == PS_SOLID) {
        DrawSolidFrameRectangle(*context, box, pen.width, ToQColor(pen.colour), brush);
    } else {
        if (brush) FillPixels(context->ActivePainter(), box.left + 1, box.top + 1, box.right - 2, box.bottom - 2, *brush);
        QPolygon outline;
        outline << QPoint(box.left, box.top) << QPoint(box.right - 1, box.top)
                << QPoint(box.right - 1, box.bottom - 1) << QPoint(box.left, box.bottom - 1)
                << QPoint(box.left, box.top);
        context->ActivePainter().drawPolyline(outline);
    }
    return TRUE;
}

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

BOOL Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !points || count < 2) return FALSE;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) {
        POINT p = context->transform.ToDevice(points[i].x, points[i].y);
        polygon.setPoint(i, p.x, p.y);
    }
    const QRect bounds = polygon.boundingRect();
    if (OutsideTarget(*context, bounds.left(), bounds.top(), bounds.right(), bounds.bottom())) return TRUE;
    if (!context->ApplyPen() || !context->ApplyBrush()) return TRUE;
    NoteFigure(*context, bounds.left(), bounds.top(), bounds.right(), bounds.bottom());
    if (context->PenInForce().width > 1) {
        QPolygonF centred = QPolygonF(polygon).translated(0.5, 0.5);
        DrawClosedFigure(*context, centred.boundingRect(), [&](QPainter& painter) {
            painter.drawPolygon(centred, Qt::OddEvenFill);  // ALTERNATE filling
        });
    } else {
        DrawClosedFigure(*context, QRectF(polygon.boundingRect()), [&](QPainter& painter) {
            painter.drawPolygon(polygon, Qt::OddEvenFill);
        });
    }
    return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = DeviceContextOf(dc);
    GdiObject* object = LookUpObject(brush, ObjectKind::Brush);
    if (!context || !rect || !object) return 0;
    if (object->brush.hollow) return 1;
    DeviceBox box = MapBox(*context, rect->left, rect->top, rect->right, rect->bottom);
    if (box.IsEmpty() || !context->PrepareTarget()) return 1;
    context->ApplyCopyMode();  // FillRect paints the brush as it is, whatever the ROP
    context->NoteDrawn(QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1)));
    FillPixels(context->ActivePainter(), box.left, box.top, box.right - 1, box.bottom - 1,
               ToQColor(object->brush.colour));
    return 1;
}
