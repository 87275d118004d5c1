// The two ways the surface puts its commonest figures on the canvas,
// written with QPainter's cheapest call, fillRect with a colour: a framed
// box as bands and a thin axis-aligned line as a span. Drawing them any
// other way (a stroked frame, drawLine) gives different pixels or costs
// more, and the baseline would no longer measure the same work.
#ifndef TARNWICK_BENCH_DRAWSP_QT_FILLS_H
#define TARNWICK_BENCH_DRAWSP_QT_FILLS_H

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>

// A box framed by a solid pen `penPixels` wide, centred on the box's edge
// pixels (half the width, rounded down, outside; the rest inside), and
// filled with `brush` where the pen leaves room; null brush: hollow. No
// pixel is painted twice.
void FillFramedBox(QPainter& painter, const QRect& box, int penPixels, const QColor& pen,
                   const QColor* brush);

// A one-pixel line from `from` towards `to` as one filled span, its last
// pixel left out. False, drawing nothing, when the line is neither
// horizontal nor vertical; true for a line of no length, which is empty.
bool FillLineSpan(QPainter& painter, QPoint from, QPoint to, const QColor& colour);

#endif
