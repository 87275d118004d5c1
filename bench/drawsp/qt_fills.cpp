#include "qt_fills.h"

namespace {

// Pixels x0..x1 by y0..y1, inclusive; nothing when the range is empty.
void FillPixels(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& colour) {
    if (x1 < x0 || y1 < y0) return;
    painter.fillRect(QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1), colour);
}

}  // namespace

void FillFramedBox(QPainter& painter, const QRect& box, int penPixels, const QColor& pen,
                   const QColor* brush) {
    if (box.isEmpty()) return;
    const int outside = penPixels / 2, inside = penPixels - 1 - outside;
    // The pen's outer edge and the hole it leaves, inclusive.
    const int x0 = box.left() - outside, x1 = box.right() + inside;
    const int y0 = box.top() - outside, y1 = box.bottom() + inside;
    const int i0 = box.left() + inside + 1, i1 = box.right() - 1 - outside;
    const int j0 = box.top() + inside + 1, j1 = box.bottom() - 1 - outside;
    if (i0 > i1 || j0 > j1) {
        // The pen covers the whole box.
        FillPixels(painter, x0, y0, x1, y1, pen);
        return;
    }
    FillPixels(painter, x0, y0, x1, j0 - 1, pen);  // top band, corners included
    FillPixels(painter, x0, j1 + 1, x1, y1, pen);  // bottom band
    FillPixels(painter, x0, j0, i0 - 1, j1, pen);  // left band, between them
    FillPixels(painter, i1 + 1, j0, x1, j1, pen);  // right band
    if (brush != nullptr) FillPixels(painter, i0, j0, i1, j1, *brush);
}

bool FillLineSpan(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    if (from == to) return true;
    QRect span;
    if (from.y() == to.y()) {
        // Rightwards from..to-1, leftwards to+1..from.
        span = to.x() > from.x() ? QRect(from.x(), from.y(), to.x() - from.x(), 1)
                                 : QRect(to.x() + 1, from.y(), from.x() - to.x(), 1);
    } else if (from.x() == to.x()) {
        span = to.y() > from.y() ? QRect(from.x(), from.y(), 1, to.y() - from.y())
                                 : QRect(from.x(), to.y() + 1, 1, from.y() - to.y());
    } else {
        return false;
    }
    painter.fillRect(span, colour);
    return true;
}
