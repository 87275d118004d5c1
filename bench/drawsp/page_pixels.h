// Page units to canvas pixels for the raw-Qt baseline, rounded exactly as
// the canvas mapping rounds them, so both sides put a corner on the same
// pixel.
#ifndef TARNWICK_BENCH_DRAWSP_PAGE_PIXELS_H
#define TARNWICK_BENCH_DRAWSP_PAGE_PIXELS_H

#include <QColor>
#include <QPoint>
#include <QRect>

#include "page_figures.h"

// A page point as a canvas pixel: x scaled, y flipped, the page's top at
// the canvas's top.
QPoint ToPixels(int x, int y);
// A length in page units as pixels, rounded to the nearest.
int Pixels(int units);
// A pen width in page units as device pixels; 0 is the one-pixel pen.
int PenPixels(int penWidth);
// The pixels a box between two mapped corners covers: the lower corner's
// row and column are left out, as for a rectangle through the mapping.
QRect PixelBox(QPoint a, QPoint b);
QColor ToColor(COLORREF colour);

#endif
