// The QPens a Win32 program gets from the port layer for a figure's pen,
// for the figures the baseline strokes rather than fills.
#ifndef TARNWICK_BENCH_DRAWSP_QT_PENS_H
#define TARNWICK_BENCH_DRAWSP_QT_PENS_H

#include <QPen>

#include "page_figures.h"

// A one-pixel pen is cosmetic with flat ends (a line leaves out its last
// pixel) and keeps its style's dashes, counted in pixels; a wider pen is
// geometric, solid whatever its style, with round ends and joins.
QPen MakePen(COLORREF colour, int penStyle, int penPixels);

// Whether a pen of this style and width draws dashes: only one-pixel pens do.
bool IsDashed(int penStyle, int penPixels);

#endif
