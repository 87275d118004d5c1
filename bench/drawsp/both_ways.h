// Drawing the same thing through the surface and through the raw-Qt
// baseline: first once each on fresh canvases, to see that both give the
// same pixels, then page after page to time them against each other.
//
// Counters: mismatched_px is how many pixels differ; surface_ms and qt_ms
// are the mean time of one page each way; ratio is surface over Qt.
#ifndef TARNWICK_BENCH_DRAWSP_BOTH_WAYS_H
#define TARNWICK_BENCH_DRAWSP_BOTH_WAYS_H

#include <benchmark/benchmark.h>

#include <chrono>

#include "image_match.h"
#include "qt_canvas.h"
#include "surface_page.h"

// Whether the two sides must agree on every pixel before they are timed.
enum class Match { Exact, Reported };

template <class Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One drawing each way on white canvases; the pixels that differ.
template <class DrawSurface, class DrawQt>
int MismatchedPixels(CanvasDC& canvas, DrawSurface drawSurface, DrawQt drawQt) {
    canvas.Fill(0xFFFFFF);
    drawSurface();
    QtCanvas qt;
    drawQt(qt.painter());
    return CountMismatches(SurfaceImage(canvas), qt.Finish());
}

// Sets mismatched_px. False, with the benchmark skipped, when the baseline
// must draw the surface's pixels and does not: its time would not be
// comparable.
bool SamePixelsOrSkip(benchmark::State& state, int mismatched, Match match);

void ReportAgainstQt(benchmark::State& state, double surfaceSeconds, double qtSeconds);

// Both ways once per iteration, the Qt side through one painter kept open
// on its own canvas throughout, as the surface's DC keeps its painter. The
// benchmark's own time is the surface's.
template <class DrawSurface, class DrawQt>
void TimeBothWays(benchmark::State& state, DrawSurface drawSurface, DrawQt drawQt) {
    QtCanvas qt;
    double surfaceSeconds = 0, qtSeconds = 0;
    for (auto _ : state) {
        const double surface = Seconds(drawSurface);
        qtSeconds += Seconds([&] { drawQt(qt.painter()); });
        surfaceSeconds += surface;
        state.SetIterationTime(surface);
    }
    ReportAgainstQt(state, surfaceSeconds, qtSeconds);
}

#endif
