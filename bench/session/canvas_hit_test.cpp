#include "canvas_hit_test.h"

#include <chrono>

#include "canvas.h"
#include "figure_hit.h"

long TimedHitTest(HWND canvas, int x, int y, double& milliseconds) {
    HDC dc = GetDC(canvas);
    PrepareDC(canvas, dc, 1);
    const auto start = std::chrono::steady_clock::now();
    const long hit = TopFigureAt(canvas, dc, POINT{x, y});
    milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    FinishDC(1);
    ReleaseDC(canvas, dc);
    return hit;
}
