// The page background through QPainter alone, pixel for pixel what the
// surface paints: the sheet as a one-pixel frame band and a filled inside,
// every rule and the margin line as one filled span.
#ifndef TARNWICK_BENCH_DRAWSP_QT_BACKGROUND_H
#define TARNWICK_BENCH_DRAWSP_QT_BACKGROUND_H

#include <QPainter>

// Paints with the caller's painter, which may stay open across pages.
void PaintQtBackground(QPainter& painter);

#endif
