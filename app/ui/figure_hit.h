// Which figure of the page on screen a click on the canvas hits. The
// drawing code decides, so what shows is exactly what can be hit, for
// every pen width and style, fill and font size.
#ifndef TARNWICK_APP_UI_FIGURE_HIT_H
#define TARNWICK_APP_UI_FIGURE_HIT_H

#include "windows.h"

// How near a figure's drawn pixels a click must come, in canvas pixels.
inline constexpr int kHitReach = 3;

// The position in the page objects (0 the first drawn) of the topmost
// figure drawn within kHitReach pixels of a point of the canvas, or of the
// topmost text whose box (the one its tool shows) holds the point; -1 when
// there is none. `canvasDC` has the canvas's mapping (PrepareDC); the
// surface is left drawing on it.
long TopFigureAt(HWND canvas, HDC canvasDC, POINT device);

#endif
