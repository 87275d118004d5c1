// Where a figure may change pixels: the device bounds of its path grown by
// the pen's reach. A figure that cannot reach an image target is not drawn
// at all (a page holds many of them when only part of it shows); one that is
// drawn tells a window's DC which pixels to show again.
#ifndef TARNWICK_PLATFORM_GDI_FIGURE_EXTENT_H
#define TARNWICK_PLATFORM_GDI_FIGURE_EXTENT_H

#include "gdi/device_context.h"

#include <QRect>

namespace tarnwick::gdi {

enum class Outline : bool {
    Open,    // a line: the pen alone
    Closed,  // a rectangle, ellipse or polygon: the pen and the brush
};

// Readies a figure within these device bounds (inclusive): false when it
// would change no pixel (outside an image target, R2_NOP, a line without a
// pen); else the selected pen, and for a closed outline the brush, are put
// in force and the figure is noted as drawn. The pen that decides whether
// the figure is culled is the one it is drawn with, worked out once.
bool PrepareFigure(DeviceContext& context, const QRect& bounds, Outline outline);

}  // namespace tarnwick::gdi

#endif
