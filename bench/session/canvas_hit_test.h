// The canvas's hit test as an erasing click runs it, timed on its own.
#ifndef TARNWICK_BENCH_SESSION_CANVAS_HIT_TEST_H
#define TARNWICK_BENCH_SESSION_CANVAS_HIT_TEST_H

#include "windows.h"

// The figure a click at (x, y) would erase (-1 for none), and the time the
// hit test took in milliseconds, on the canvas's prepared DC.
long TimedHitTest(HWND canvas, int x, int y, double& milliseconds);

#endif
