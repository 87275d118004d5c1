// Ellipses on image targets, painted row by row from their exact pixels
// (see ellipse_raster.h): pen and brush never overlap, so operations such
// as R2_NOT change each pixel once. Three outlines: one pixel solid, one
// pixel dashed (walked along the curve), and wide.
#ifndef TARNWICK_PLATFORM_GDI_RASTER_ELLIPSES_H
#define TARNWICK_PLATFORM_GDI_RASTER_ELLIPSES_H

#include "gdi/device_box.h"
#include "gdi/device_context.h"

namespace tarnwick::gdi {

// Paints the ellipse of the box with the pen and brush in force. False when
// it must be left to Qt's curve: a target that is not an image (a printer,
// at its own resolution), or a dashed figure too tall to walk whole.
bool TryRasterEllipse(DeviceContext& context, DeviceBox box);

}  // namespace tarnwick::gdi

#endif
