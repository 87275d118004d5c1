// Polygon, filled with ALTERNATE and outlined by the pen in force.
#include "gdi/closed_figure.h"
#include "gdi/device_context.h"
#include "gdi/figure_extent.h"

#include <QPolygon>

using namespace tarnwick::gdi;

BOOL Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !points || count < 2) return FALSE;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) {
        POINT p = context->transform.ToDevice(points[i].x, points[i].y);
        polygon.setPoint(i, p.x, p.y);
    }
    const QRect bounds = polygon.boundingRect();
    if (!PrepareFigure(*context, bounds, Outline::Closed)) return TRUE;
    if (context->PenInForce().width > 1) {
        // A wide pen is centred on the edge pixels' centres.
        QPolygonF centred = QPolygonF(polygon).translated(0.5, 0.5);
        DrawClosedFigure(*context, centred.boundingRect(), [&](QPainter& painter) {
            painter.drawPolygon(centred, Qt::OddEvenFill);
        });
    } else {
        DrawClosedFigure(*context, QRectF(polygon.boundingRect()), [&](QPainter& painter) {
            painter.drawPolygon(polygon, Qt::OddEvenFill);
        });
    }
    return TRUE;
}
