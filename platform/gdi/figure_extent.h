// Where a figure may change pixels: the device bounds of its path grown by
// the pen's reach. A figure that cannot reach an image target is not drawn
// at all (a page holds many of them when only part of it shows); one that is
// drawn tells a window's DC which pixels to show again.
#ifndef TARNWICK_PLATFORM_GDI_FIGURE_EXTENT_H
#define TARNWICK_PLATFORM_GDI_FIGURE_EXTENT_H

#include "gdi/device_context.h"

#include <QRect>

namespace tarnwick::gdi {

// Whether a figure within these device bounds (inclusive), drawn with the
// selected pen, can change no pixel of an image target: it lies wholly
// outside the image or the clip. Asked before the pen is put in force, so
// that such figures cost nothing of the painter.
bool OutsideTarget(const DeviceContext& context, const QRect& bounds);

// Tells the DC which pixels a figure within these device bounds (inclusive)
// may have changed with the pen in force.
void NoteFigure(DeviceContext& context, const QRect& bounds);

}  // namespace tarnwick::gdi

#endif
