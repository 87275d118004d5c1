// A deterministic page of figures as a user draws them: lines, rectangles,
// ellipses, polygons and texts with the toolbar's widths, styles, colours,
// fills and font sizes, anywhere on the page (x 0..2159, y 0..-2794).
#ifndef TARNWICK_BENCH_DRAWSP_PAGE_FIGURES_H
#define TARNWICK_BENCH_DRAWSP_PAGE_FIGURES_H

#include <string>
#include <vector>

#include "windows.h"

struct PageFigure {
    int kind;  // 1 line, 3 polygon, 4 ellipse (centre, radii), 6 rectangle, 7 text
    COLORREF colour;
    int penStyle;
    int penWidth;
    COLORREF fillColour;
    int fillOn;
    int fontHeight;
    std::vector<POINT> points;
    std::string text;
};

std::vector<PageFigure> MakePage(int figureCount, unsigned seed = 1993);

// The page's canvas: 1920 pixels across for the page's 2159 units.
inline constexpr int kCanvasWidth = 1920;
inline constexpr int kCanvasHeight = 1080;
inline constexpr int kPageWidth = 2159;
inline constexpr int kPageBottom = -2794;

#endif
