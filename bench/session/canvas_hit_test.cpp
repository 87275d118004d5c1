#include "canvas_hit_test.h"

#include "canvas.h"
#include "figure_hit.h"
#include "stopwatch.h"

long TimedHitTest(HWND canvas, int x, int y, double& milliseconds) {
    HDC dc = GetDC(canvas);
    PrepareDC(canvas, dc, 1);
    const Clock::time_point start = Clock::now();
    const long hit = TopFigureAt(canvas, dc, POINT{x, y});
    milliseconds = MsSince(start);
    FinishDC(1);
    ReleaseDC(canvas, dc);
    return hit;
}
