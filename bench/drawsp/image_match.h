// Whether the baseline draws what the surface draws: the surface's canvas
// read back as an image, and the pixels in which two images differ.
#ifndef TARNWICK_BENCH_DRAWSP_IMAGE_MATCH_H
#define TARNWICK_BENCH_DRAWSP_IMAGE_MATCH_H

#include <QImage>
#include <QRect>

#include "surface_page.h"

// The surface's canvas as an RGB32 image of the same size.
QImage SurfaceImage(const CanvasDC& canvas);

// Pixels in `area` whose red, green or blue differ; both are compared as
// opaque RGB32, as the surface's pixels come back. Images of different
// sizes differ in every pixel of the larger.
int CountMismatches(const QImage& a, const QImage& b, const QRect& area);
int CountMismatches(const QImage& a, const QImage& b);

#endif
