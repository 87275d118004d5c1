// Rectangle and FillRect. A box (l, t, r, b) covers the pixels l..r-1 and
// t..b-1 after mapping.
#include "gdi/device_box.h"
#include "gdi/device_context.h"
#include "gdi/spans.h"

#include <QPolygon>

namespace tarnwick::gdi {
namespace {

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

// A dashed outline through the edge pixels, the brush inside it. A pen
// wider than a pixel (a printer's) is centred on them as a solid frame is.
void DrawDashedFrameRectangle(DeviceContext& context, const DeviceBox& box, int width, const QColor* brush) {
    QPainter& painter = context.ActivePainter();
    if (brush) FillPixels(painter, box.left + 1, box.top + 1, box.right - 2, box.bottom - 2, *brush);
    QPolygon outline;
    outline << QPoint(box.left, box.top) << QPoint(box.right - 1, box.top)
            << QPoint(box.right - 1, box.bottom - 1) << QPoint(box.left, box.bottom - 1)
            << QPoint(box.left, box.top);
    if (width > 1) {
        painter.drawPolyline(QPolygonF(outline).translated(0.5, 0.5));
    } else {
        painter.drawPolyline(outline);
    }
}

const QColor* BrushColour(DeviceContext& context, QColor& storage) {
    if (context.BrushIsHollow()) return nullptr;
    storage = ToQColor(context.BrushColour());
    return &storage;
}

}  // namespace
}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    DeviceBox box;
    if (!PrepareBoxFigure(*context, left, top, right, bottom, box)) return TRUE;
    const DevicePen& pen = context->PenInForce();
    QColor brushStorage;
    const QColor* brush = BrushColour(*context, brushStorage);
    if (pen.IsNull()) {
        if (brush) FillBox(context->ActivePainter(), BrushOnlyBox(box), *brush);
    } else if (pen.style == PS_SOLID) {
        DrawSolidFrameRectangle(*context, box, pen.width, ToQColor(pen.colour), brush);
    } else {
        DrawDashedFrameRectangle(*context, box, pen.width, brush);
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
    context->NoteDrawn(box.Pixels());
    FillBox(context->ActivePainter(), box, ToQColor(object->brush.colour));
    return 1;
}
