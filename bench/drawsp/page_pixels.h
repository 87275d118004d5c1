// Page units to device pixels for the raw-Qt baselines, rounded exactly as
// the program's mappings round them, so both sides put a corner on the same
// pixel: the canvas's scale, or a printer's.
#ifndef TARNWICK_BENCH_DRAWSP_PAGE_PIXELS_H
#define TARNWICK_BENCH_DRAWSP_PAGE_PIXELS_H

#include <QColor>
#include <QPoint>
#include <QRect>

#include "page_figures.h"

// Device pixels per page unit: the canvas's, and a 1200 dpi printer's
// (a page unit is 0.1 mm).
inline constexpr double kCanvasScale = static_cast<double>(kCanvasWidth) / kPageWidth;
inline constexpr double kPrinterScale = 1200.0 / 254;

// A page point as a device pixel: x scaled, y flipped, the page's top at
// the device's top.
QPoint ToPixels(int x, int y, double scale = kCanvasScale);
// A length in page units as pixels, rounded to the nearest.
int Pixels(int units, double scale = kCanvasScale);
// A pen width in page units as device pixels; 0 is the one-pixel pen.
int PenPixels(int penWidth, double scale = kCanvasScale);
// The pixels a box between two mapped corners covers: the lower corner's
// row and column are left out, as for a rectangle through the mapping.
QRect PixelBox(QPoint a, QPoint b);
QColor ToColor(COLORREF colour);

#endif
